#pragma once

#include "model/checked_math.h"

namespace varnolt::formulas {

// Gravity, and twice gravity as a literal of its own: the velocity head is
// v² / 19.62 throughout, never v² / (2 · 9.81).
inline constexpr double g = 9.81;
inline constexpr double twoG = 19.62;

// Length of a free jump as a multiple of hco2 − hco: Lj = 6.9 (hco2 − hco).
inline constexpr double freeJumpFactor = 6.9;

// Basin length as multiples of the jump length hco2 − hco: the basin is 0.7
// to 0.8 of a free jump, 0.7 · 6.9 and 0.8 · 6.9 written with the two
// decimals the window has always multiplied by.
inline constexpr double shortBasinFactor = 4.83;
inline constexpr double longBasinFactor = 5.52;

// Each formula is evaluated in double precision in exactly the order written,
// every step checked; single-precision arguments are widened first.

// Weir height plus head: P = a1 + H.
double weirHeightPlusHead(float a1, float H);

// Total head above the floor for the jump check: E0 = v² / 19.62 + P.
double totalHeadForCheck(float v, float P);

// Total head above the floor of a basin sunk d below it:
// E0 = ((H + a1) + v² / 19.62) + d.
double totalHeadForBasin(double H, double a1, double v, float d);

// Critical depth: hc = (q · q / 9.81)^(1/3).
double criticalDepth(float q);

// Contracted-depth residual at a trial depth h:
// R(h) = (E0 − h) − q² / (h² · (phi² · 19.62)).
// A bisection evaluates it dozens of times with the same E0, q and phi, so
// q² and phi² · 19.62 are formed once; they are the same numbers every
// evaluation would form, and squares of singles cannot overflow a double.
// Inline: the bisections evaluate it about 1500 times a sizing.
class ContractedDepthResidual {
public:
    ContractedDepthResidual(float E0, float q, float phi);
    double operator()(float h) const
    {
        using namespace checked;
        return sub(sub(m_E0, h), div(m_qSquared, mul(pow(h, 2), m_jetFactor)));
    }

private:
    float m_E0;
    double m_qSquared;
    double m_jetFactor; // phi² · 19.62
};

// Depth at which R has its maximum, h* = (q² / (9.81 · phi²))^(1/3): R rises
// from −∞ at h → 0 up to h*, so the contracted depth is the root below it.
double contractedDepthCeiling(float q, float phi);

// Conjugate depth of a contracted depth:
// hco2 = ((8 · q² / (hco³ · 9.81) + 1)^0.5 − 1) · hco / 2.
double conjugateDepth(float q, float hco);

// Downstream total head with the exit velocity head:
// Et = q² / ((phi · ht)² · 19.62) + ht.
double downstreamTotalHead(float q, float phi, float ht);

// Basin residual at a trial depth d with the conjugate depth belonging to it:
// Rd(d) = Et − ((q² / ((hco2 · sigma)² · 19.62) + hco2 · sigma) − d).
// Negative while the basin is too shallow to hold the submerged jump.
double basinResidual(float Et, float q, float hco2, float sigma, float d);

// Basin length for a factor of the jump length: (hco2 − hco) · factor.
double basinLength(float hco2, float hco, double factor);

// The same formulas on double-precision arguments, for the design's exact
// basin root. The single-precision forms above widen their arguments to
// double and call these, exactly as every step of them widened its operands
// before, so each formula is written once and the window's figures stay
// bit for bit what they were.
namespace exact {
double totalHeadForBasin(double H, double a1, double v, double d);
double conjugateDepth(double q, double hco);
double downstreamTotalHead(double q, double phi, double ht);
double basinResidual(double Et, double q, double hco2, double sigma, double d);

// The same in parts, for a search that evaluates them at many basin depths
// d of one case: what does not depend on d, the approach head
// H + a1 + v²/2g and the discharge's square q², is formed once, and the
// rest with the same operations in the same order.
double approachHead(double H, double a1, double v);
double totalHeadForBasinFrom(double approachHead, double d);
double dischargeSquared(double q);
double conjugateDepthFromSquare(double qSquared, double hco);
double basinResidualFromSquare(double Et, double qSquared, double hco2, double sigma, double d);
} // namespace exact

} // namespace varnolt::formulas
