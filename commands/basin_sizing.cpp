#include "commands/commands.h"
#include "commands/field_io.h"
#include "commands/zero_inputs.h"
#include "model/checked_math.h"
#include "model/formulas.h"
#include "model/number_text.h"
#include "model/solvers.h"

namespace varnolt {

using checked::toSingle;

namespace {

// Total head above the floor of a basin of depth d. The heads are taken from
// what the fields show now, in the user's notation, in the order a1, v, H.
double basinTotalHead(const FormModel &form, float depth)
{
    const double a1 = readHead(form, Field::Text3);
    const double v = readHead(form, Field::Text4);
    const double H = readHead(form, Field::Text2);
    return formulas::totalHeadForBasin(H, a1, v, depth);
}

// The conjugate depth of the jump at the foot of the weir when the floor is
// lowered by a trial depth d. Sets E0 and hco on the way.
float BasinConjugateDepth(const FormModel &form, FormState &state, float depth, bool exact)
{
    state.E0 = toSingle(basinTotalHead(form, depth));
    state.hco = toSingle(exact ? ExactContractedDepth(state) : TrialDepthSolve(state, form));
    return toSingle(formulas::conjugateDepth(state.q, state.hco));
}

// Before any check the critical depth that bounds every bisection is not
// there; the user is told to run the check rather than that an empty field
// is no number.
void requireCriticalDepth(const FormModel &form)
{
    if (form.text(Field::Text7).trimmed().isEmpty()) {
        throw CalcError(ErrorKind::TypeMismatch,
                QStringLiteral("还没有临界水深:请先点击「求解并判断下游水跃形式」,"
                               "再进行消力池水力计算。"));
    }
}

void sizeBasin(FormModel &form, FormState &state)
{
    state.Et = toSingle(formulas::downstreamTotalHead(state.q, state.phi, state.ht));

    requireCriticalDepth(form);
    const BasinConjugate conjugate = [&form, &state](float depth, bool exact) {
        return BasinConjugateDepth(form, state, depth, exact);
    };
    state.d = toSingle(BasinDepthSolve(state, form, conjugate));
    form.setText(Field::Text11, SingleText(state.d));

    state.E0 = toSingle(basinTotalHead(form, state.d));
    state.hco = toSingle(FinalDepthSolve(state, form));
    form.setText(Field::Text8, SingleText(state.hco));

    state.hco2 = toSingle(formulas::conjugateDepth(state.q, state.hco));

    form.setText(Field::Text12,
            FixedTwo(formulas::basinLength(state.hco2, state.hco, formulas::shortBasinFactor)));
    const QString longest
            = FixedTwo(formulas::basinLength(state.hco2, state.hco, formulas::longBasinFactor));
    form.setText(Field::Text12, form.text(Field::Text12) + QStringLiteral("----") + longest);
}

} // namespace

void Command2_Click(FormModel &form, FormState &state)
{
    // A failed or repeated sizing leaves no basin of earlier inputs.
    clearFields(form, {Field::Text11, Field::Text12});

    state.sigma = readStrict(form, Field::Text10);
    readWeirInputs(form, state);
    namingZeroInputs(state,
            {{Field::Text1, &FormState::q}, {Field::Text5, &FormState::ht},
                    {Field::Text6, &FormState::phi}},
            [&] { sizeBasin(form, state); });
}

} // namespace varnolt
