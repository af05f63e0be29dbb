#include "design/uplift_check.h"

#include "model/checked_math.h"
#include "model/formulas.h"

namespace varnolt::design {

namespace c = varnolt::checked;

namespace {

// The pulsating pressure's share of the velocity head.
constexpr double pulsationFactor = 0.05;

double halfThickness(const UpliftLoad &load, double waterWeight, double pulsation)
{
    return c::div(c::mul(load.k2, c::add(c::sub(load.uplift, waterWeight), pulsation)),
            load.slabUnitWeight);
}

} // namespace

UpliftThickness upliftThickness(const UpliftLoad &load)
{
    UpliftThickness result;
    result.velocity = c::div(load.q, load.hc);
    result.pulsation = c::mul(c::mul(pulsationFactor, waterUnitWeight),
            c::div(c::mul(result.velocity, result.velocity), formulas::twoG));
    result.front = halfThickness(load, c::mul(waterUnitWeight, load.hc), result.pulsation);
    result.rear = halfThickness(
            load, c::mul(waterUnitWeight, load.tailwaterOverFloor), c::sub(0.0, result.pulsation));
    return result;
}

} // namespace varnolt::design
