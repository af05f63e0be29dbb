#include "design/slab_and_apron.h"

#include "model/checked_math.h"

#include <algorithm>

namespace varnolt::design {

namespace c = varnolt::checked;

namespace {

// The apron formula's range of √(qs·√ΔH′).
constexpr double apronRangeLow = 1.0;
constexpr double apronRangeHigh = 9.0;

constexpr double thinnestSlabEnd = 0.5;

} // namespace

double headDifference(const WeirFlow &flow)
{
    return c::sub(c::add(flow.a1, flow.H), flow.ht);
}

double scourParameter(double unitDischarge, double headDifference)
{
    if (!(headDifference > 0))
        return 0;
    return c::pow(c::mul(unitDischarge, c::pow(headDifference, 0.5)), 0.5);
}

double scourSlabThickness(double q, double headDifference, double k1)
{
    return c::mul(k1, scourParameter(q, headDifference));
}

double slabEndThickness(double slabThickness)
{
    return std::max(c::div(slabThickness, 2.0), thinnestSlabEnd);
}

double slabThickness(double scourThickness, std::optional<double> upliftThickness)
{
    return std::max(scourThickness, upliftThickness.value_or(scourThickness));
}

ApronExtension apronExtension(double q, double widthRatio, double headDifference, double ks)
{
    ApronExtension apron;
    apron.unitDischarge = c::mul(q, widthRatio);
    apron.parameter = scourParameter(apron.unitDischarge, headDifference);
    apron.length = c::mul(ks, apron.parameter);
    apron.outsideRange = apron.parameter < apronRangeLow || apron.parameter > apronRangeHigh;
    return apron;
}

} // namespace varnolt::design
