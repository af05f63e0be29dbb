#include "commands/commands.h"
#include "commands/field_io.h"
#include "commands/zero_inputs.h"
#include "model/checked_math.h"
#include "model/formulas.h"
#include "model/jump_kind.h"
#include "model/number_text.h"
#include "model/solvers.h"

namespace varnolt {

using checked::toSingle;

namespace {

JumpKind solveAndJudge(FormModel &form, FormState &state)
{
    const QLocale locale = form.locale();
    state.P = toSingle(formulas::weirHeightPlusHead(state.a1, state.H));
    state.E0 = toSingle(formulas::totalHeadForCheck(state.v, state.P));

    state.hc = toSingle(formulas::criticalDepth(state.q));
    form.setText(Field::Text7, SingleText(state.hc, locale));

    state.hco = toSingle(JumpCheckSolve(state));
    form.setText(Field::Text8, SingleText(state.hco, locale));

    state.hco2 = toSingle(formulas::conjugateDepth(state.q, state.hco));
    const QString shownConjugateDepth = SingleText(state.hco2, locale);
    form.setText(Field::Text9, shownConjugateDepth);

    const JumpKind kind = jumpKindOf(state.hco2, shownConjugateDepth, state.ht, locale);
    form.setVerdict(verdictText(kind));
    if (kind == JumpKind::Remote)
        form.setBasinEnabled(true);
    return kind;
}

} // namespace

JumpKind Command1_Click(FormModel &form, FormState &state)
{
    // Nothing computed from earlier inputs may stay beside this check's
    // verdict or its error.
    clearFields(form, {Field::Text7, Field::Text8, Field::Text9, Field::Text11, Field::Text12});
    form.setVerdict(QString());

    FieldReadings readings(form);
    readWeirInputs(readings, state);
    JumpKind kind = JumpKind::Remote;
    namingZeroInputs(state, {{Field::Text1, &FormState::q}, {Field::Text6, &FormState::phi}},
            [&] { kind = solveAndJudge(form, state); });
    return kind;
}

} // namespace varnolt
