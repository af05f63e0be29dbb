#include "design/weir_capacity.h"

#include "model/checked_math.h"
#include "model/errors.h"
#include "model/formulas.h"

#include <algorithm>
#include <cmath>

namespace varnolt::design {

namespace c = varnolt::checked;
using namespace Qt::StringLiterals;

namespace {

// ε·m·B·√(2g), the factor of H0^{3/2}.
double capacityCoefficient(const WeirCapacity &weir)
{
    return c::mul(c::mul(c::mul(weir.contraction, weir.dischargeCoefficient), weir.width),
            std::sqrt(formulas::twoG));
}

// F(H) = Q(H0(H)) − Q, with v0 and H0 formed as headAt forms them.
double capacityExcess(const WeirCapacity &weir, double discharge, double H)
{
    return c::sub(dischargeAtTotalHead(weir, headAt(weir, discharge, H).H0), discharge);
}

HeadFromCapacity solve(const WeirCapacity &weir, double discharge)
{
    // Without approach velocity H0 = H, so this head passes Q at H0 ≥ H: F ≥ 0.
    double high = c::pow(c::div(discharge, capacityCoefficient(weir)), 2.0 / 3.0);
    // Below the depth (P + H)³ = α·Q²/(g·B0²) the approach flow would be
    // supercritical and H0 would fall as H rises.
    const double criticalApproachDepth
            = c::pow(c::div(c::mul(weir.alpha, c::mul(discharge, discharge)),
                             c::mul(formulas::g, c::mul(weir.approachWidth, weir.approachWidth))),
                    1.0 / 3.0);
    double low = std::max(0.0, c::sub(criticalApproachDepth, weir.weirHeight));
    if (low >= high || capacityExcess(weir, discharge, low) > 0) {
        return {std::nullopt,
                u"the approach channel (P = %1 m, B0 = %2 m) cannot carry Q = %3 m³/s with "
                u"subcritical flow: the weir has no free-flow head"_s.arg(weir.weirHeight)
                        .arg(weir.approachWidth)
                        .arg(discharge)};
    }
    // F(low) ≤ 0 ≤ F(high) throughout, down to adjacent doubles.
    for (;;) {
        const double middle = low + (high - low) / 2;
        if (middle <= low || middle >= high)
            break;
        if (capacityExcess(weir, discharge, middle) < 0)
            low = middle;
        else
            high = middle;
    }
    const double H = std::abs(capacityExcess(weir, discharge, low))
                    < std::abs(capacityExcess(weir, discharge, high))
            ? low
            : high;
    return {headAt(weir, discharge, H), {}};
}

} // namespace

double dischargeAtTotalHead(const WeirCapacity &weir, double H0)
{
    return c::mul(capacityCoefficient(weir), c::pow(H0, 1.5));
}

WeirHead headAt(const WeirCapacity &weir, double discharge, double H)
{
    WeirHead head;
    head.H = H;
    head.v0 = c::div(discharge, c::mul(weir.approachWidth, c::add(weir.weirHeight, H)));
    head.H0 = c::add(H, c::div(c::mul(weir.alpha, c::mul(head.v0, head.v0)), formulas::twoG));
    return head;
}

HeadFromCapacity headFromCapacity(const WeirCapacity &weir, double discharge)
{
    if (!(discharge > 0) || !std::isfinite(discharge))
        return {std::nullopt, u"the discharge must be a positive number"_s};
    try {
        return solve(weir, discharge);
    } catch (const CalcError &error) {
        return {std::nullopt, error.message()};
    }
}

} // namespace varnolt::design
