#include "commands/commands.h"
#include "commands/field_io.h"
#include "model/checked_math.h"
#include "model/formulas.h"
#include "model/number_text.h"
#include "model/solvers.h"

namespace varnolt {

using checked::toSingle;

namespace {

// Total head above the floor of a basin of depth d. The heads are taken from
// what the fields show now, in the locale's notation and in double
// precision, in the order a1, v, H.
double basinTotalHead(const FormModel &form, float depth)
{
    const double a1 = readUnrounded(form, Field::Text3);
    const double v = readUnrounded(form, Field::Text4);
    const double H = readUnrounded(form, Field::Text2);
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

} // namespace

void Command2_Click(FormModel &form, FormState &state)
{
    state.sigma = readStrict(form, Field::Text10);
    readWeirInputs(form, state);

    state.Et = toSingle(formulas::downstreamTotalHead(state.q, state.phi, state.ht));

    state.d = toSingle(BasinDepthSolve(state, form, [&form, &state](float depth, bool exact) {
        return BasinConjugateDepth(form, state, depth, exact);
    }));
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

} // namespace varnolt
