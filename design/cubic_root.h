#pragma once

#include <optional>

namespace varnolt::design {

// The contracted depth's cubic f(h) = h²·(h − T0) + C, C > 0, evaluated as
// (h·h)·(h − T0) + C, each operation rounded once. On 0 < h < 2·T0/3 it
// falls, so its smaller positive root lies there when f(high) ≤ 0 for the
// double `high` nearest 2·T0/3.

// f(h); throws as the checked arithmetic does where a step overflows or is
// undefined.
double contractedDepthCubic(double h, double T0, double constant);

// The root as a bisection finds it: from low = 0 and `high`, the midpoint
// low + (high − low)/2 replaces `low` where f is positive there and `high`
// where it is not, until no double lies between them; `high` is the root.
// Near the root f's rounded value may change sign more than once from one
// double to the next, so which double that is depends on the midpoints the
// bisection visits. A step that overflows or is undefined throws as the
// checked arithmetic does.
double bisectedCubicRoot(double T0, double constant, double high);

// The same root without the bisection's fifty-odd steps, where it can be
// proved to be the one the bisection finds: none otherwise.
//
// The rounded product m(h) = (h·h)·(h − T0) is −v(h)·(1 + θ), v(h) =
// h²·(T0 − h), |θ| ≤ (1 + u)³ − 1 with u = 2⁻⁵³, and the rounded sum m + C
// has the sign of the exact one. v rises on 0 < h < 2·T0/3. So once
// |m(a)| < C·(1 − 2⁻⁵⁰), f is positive as rounded at every double below a
// (|m| there is below C·(1 − 8u)(1 + u)·((1 + u)/(1 − u))³ < C), and once
// |m(b)| ≥ C·(1 + 2⁻⁵⁰), f is not positive at b nor at any double above it
// up to `high` (|m| there is above C·(1 + 8u)(1 − u)·((1 − u)/(1 + u))³ > C).
// Every double from a to b, a few about a Newton root, is evaluated. Where
// the sign changes once there, the bisection, which keeps f(low) > 0 ≥
// f(high) and stops at adjacent doubles, can end nowhere but at the first
// double with f not positive. Where it changes more than once, the answer
// depends on the path: none. Also none for heads and constants outside
// 2⁻²⁰⁰…2²⁰⁰, where the products could leave the normal range and the
// error bound would not hold.
std::optional<double> certifiedCubicRoot(double T0, double constant, double high);

} // namespace varnolt::design
