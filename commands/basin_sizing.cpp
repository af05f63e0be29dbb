#include "commands/commands.h"
#include "commands/field_io.h"
#include "commands/zero_inputs.h"
#include "model/checked_math.h"
#include "model/field_readings.h"
#include "model/formulas.h"
#include "model/number_text.h"
#include "model/solvers.h"

namespace varnolt {

using checked::toSingle;

namespace {

// Total head above the floor of a basin of depth d. The heads are taken from
// what the fields show, in the user's notation and in double precision, in
// the order a1, v, H. The command has read the same texts strictly at its
// start, so they are numbers.
double basinTotalHead(FieldReadings &readings, float depth)
{
    const double a1 = readings.unrounded(Field::Text3);
    const double v = readings.unrounded(Field::Text4);
    const double H = readings.unrounded(Field::Text2);
    return formulas::totalHeadForBasin(H, a1, v, depth);
}

// The conjugate depth of the jump at the foot of the weir when the floor is
// lowered by a trial depth d. Sets E0 and hco on the way.
float BasinConjugateDepth(FieldReadings &readings, FormState &state, float depth, bool exact)
{
    state.E0 = toSingle(basinTotalHead(readings, depth));
    state.hco = toSingle(exact ? ExactContractedDepth(state) : TrialDepthSolve(state, readings));
    return toSingle(formulas::conjugateDepth(state.q, state.hco));
}

// Before any check the critical depth that bounds every bisection is not
// there; the user is told to run the check rather than that an empty field
// is no number.
void requireCriticalDepth(const FieldReadings &readings)
{
    if (readings.text(Field::Text7).trimmed().isEmpty()) {
        throw CalcError(ErrorReason::NoCriticalDepthYet);
    }
}

void sizeBasin(FormModel &form, FormState &state, FieldReadings &readings)
{
    const QLocale &locale = readings.locale();
    state.Et = toSingle(formulas::downstreamTotalHead(state.q, state.phi, state.ht));

    requireCriticalDepth(readings);
    state.d = toSingle(
            BasinDepthSolve(state, readings, [&readings, &state](float depth, bool exact) {
                return BasinConjugateDepth(readings, state, depth, exact);
            }));
    form.setText(Field::Text11, SingleText(state.d, locale));

    state.E0 = toSingle(basinTotalHead(readings, state.d));
    state.hco = toSingle(FinalDepthSolve(state, readings));
    form.setText(Field::Text8, SingleText(state.hco, locale));

    state.hco2 = toSingle(formulas::conjugateDepth(state.q, state.hco));

    form.setText(Field::Text12,
            FixedTwo(formulas::basinLength(state.hco2, state.hco, formulas::shortBasinFactor),
                    locale));
    const QString longest = FixedTwo(
            formulas::basinLength(state.hco2, state.hco, formulas::longBasinFactor), locale);
    form.setText(Field::Text12, form.text(Field::Text12) + QStringLiteral("----") + longest);
}

} // namespace

void Command2_Click(FormModel &form, FormState &state)
{
    // A failed or repeated sizing leaves no basin of earlier inputs.
    clearFields(form, {Field::Text11, Field::Text12});

    FieldReadings readings(form);
    state.sigma = readStrict(readings, Field::Text10);
    readWeirInputs(readings, state);
    namingZeroInputs(state,
            {{Field::Text1, &FormState::q}, {Field::Text5, &FormState::ht},
                    {Field::Text6, &FormState::phi}},
            [&] { sizeBasin(form, state, readings); });
}

} // namespace varnolt
