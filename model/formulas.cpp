#include "model/formulas.h"

#include "model/checked_math.h"

namespace varnolt::formulas {

using checked::add;
using checked::div;
using checked::mul;
using checked::pow;
using checked::sub;

namespace {

// The basin factors are the free jump's shortened to 0.7 and 0.8 of it.
constexpr bool nearly(double a, double b)
{
    return a - b < 1e-12 && b - a < 1e-12;
}

} // namespace

static_assert(nearly(shortBasinFactor, 0.7 * freeJumpFactor));
static_assert(nearly(longBasinFactor, 0.8 * freeJumpFactor));

double weirHeightPlusHead(float a1, float H)
{
    return add(a1, H);
}

double totalHeadForCheck(float v, float P)
{
    return add(div(pow(v, 2), twoG), P);
}

double totalHeadForBasin(double H, double a1, double v, float d)
{
    return exact::totalHeadForBasin(H, a1, v, d);
}

double criticalDepth(float q)
{
    return pow(div(mul(q, q), g), 1.0 / 3.0);
}

ContractedDepthResidual::ContractedDepthResidual(float E0, float q, float phi)
    : m_E0(E0)
    , m_qSquared(pow(q, 2))
    , m_jetFactor(mul(pow(phi, 2), twoG))
{
}

double contractedDepthCeiling(float q, float phi)
{
    return pow(div(pow(q, 2), mul(g, pow(phi, 2))), 1.0 / 3.0);
}

double conjugateDepth(float q, float hco)
{
    return exact::conjugateDepth(q, hco);
}

double downstreamTotalHead(float q, float phi, float ht)
{
    return exact::downstreamTotalHead(q, phi, ht);
}

double basinResidual(float Et, float q, float hco2, float sigma, float d)
{
    return exact::basinResidual(Et, q, hco2, sigma, d);
}

double basinLength(float hco2, float hco, double factor)
{
    return mul(sub(hco2, hco), factor);
}

namespace exact {

double totalHeadForBasin(double H, double a1, double v, double d)
{
    return totalHeadForBasinFrom(approachHead(H, a1, v), d);
}

double approachHead(double H, double a1, double v)
{
    return add(add(H, a1), div(pow(v, 2), twoG));
}

double totalHeadForBasinFrom(double approachHead, double d)
{
    return add(approachHead, d);
}

double dischargeSquared(double q)
{
    return pow(q, 2);
}

double conjugateDepth(double q, double hco)
{
    return conjugateDepthFromSquare(dischargeSquared(q), hco);
}

double conjugateDepthFromSquare(double qSquared, double hco)
{
    const double root = pow(add(div(mul(8, qSquared), mul(pow(hco, 3), g)), 1), 0.5);
    return div(mul(sub(root, 1), hco), 2);
}

double downstreamTotalHead(double q, double phi, double ht)
{
    return add(div(pow(q, 2), mul(pow(mul(phi, ht), 2), twoG)), ht);
}

double basinResidual(double Et, double q, double hco2, double sigma, double d)
{
    return basinResidualFromSquare(Et, dischargeSquared(q), hco2, sigma, d);
}

double basinResidualFromSquare(double Et, double qSquared, double hco2, double sigma, double d)
{
    const double velocityHead = div(qSquared, mul(pow(mul(hco2, sigma), 2), twoG));
    return sub(Et, sub(add(velocityHead, mul(hco2, sigma)), d));
}

} // namespace exact

} // namespace varnolt::formulas
