#include "commands/commands.h"
#include "commands/field_io.h"
#include "model/checked_math.h"
#include "model/formulas.h"
#include "model/jump_kind.h"
#include "model/number_text.h"
#include "model/solvers.h"

namespace varnolt {

using checked::toSingle;

void Command1_Click(FormModel &form, FormState &state)
{
    FieldReadings readings(form);
    readWeirInputs(readings, state);

    state.P = toSingle(formulas::weirHeightPlusHead(state.a1, state.H));
    state.E0 = toSingle(formulas::totalHeadForCheck(state.v, state.P));

    state.hc = toSingle(formulas::criticalDepth(state.q));
    form.setText(Field::Text7, SingleText(state.hc));

    state.hco = toSingle(JumpCheckSolve(state));
    form.setText(Field::Text8, SingleText(state.hco));

    state.hco2 = toSingle(formulas::conjugateDepth(state.q, state.hco));
    form.setText(Field::Text9, SingleText(state.hco2));

    // Three separate tests: a tailwater deeper than the conjugate depth drowns
    // the jump at the toe, a shallower one lets it run away downstream.
    if (state.hco2 > state.ht) {
        form.setVerdict(verdictText(JumpKind::Remote));
        form.setBasinEnabled(true);
    }
    if (state.hco2 < state.ht)
        form.setVerdict(verdictText(JumpKind::Submerged));
    if (state.hco2 == state.ht)
        form.setVerdict(verdictText(JumpKind::Critical));
}

} // namespace varnolt
