#include "design/cubic_root.h"

#include "model/checked_math.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace varnolt::design {

namespace c = varnolt::checked;

namespace {

double checkedCubic(double h, double T0, double constant)
{
    return c::add(c::mul(c::mul(h, h), c::sub(h, T0)), constant);
}

// The product (h·h)·(h − T0), each operation rounded once (the build keeps
// the compiler from fusing a multiply and an add, which the certificate's
// error bound and the bisection's own results rely on): the cubic less its
// constant.
double cubicProduct(double h, double T0)
{
    return (h * h) * (h - T0);
}

// The cubic's value as the plain arithmetic gives it, infinite or NaN where
// a step overflows or is undefined.
double plainCubic(double h, double T0, double constant)
{
    return cubicProduct(h, T0) + constant;
}

// Heads and constants within which every product the certificate forms
// stays a normal double, so that each rounding is within u of its value.
constexpr double smallestScale = 0x1p-200;
constexpr double largestScale = 0x1p200;

// A Newton root of the cubic, within a few doubles of the root, which is
// all the certificate needs of it. It starts from the root's series in
// e = √(C/T0)/T0: h/T0 = e·(1 − h/T0)^(−1/2) = e + e²/2 + 5e³/8 + e⁴ + …,
// within a few parts in ten thousand where the root is small beside T0,
// as it is below any weir that holds a jump.
double newtonRoot(double T0, double constant)
{
    constexpr int maxSteps = 12;
    const double e = std::sqrt(constant / T0) / T0;
    double h = T0 * (e * (1.0 + e * (0.5 + e * (0.625 + e))));
    for (int step = 0; step < maxSteps; ++step) {
        const double slope = h * (3.0 * h - 2.0 * T0);
        const double next = h - plainCubic(h, T0, constant) / slope;
        const bool settled = std::abs(next - h) <= h * 0x1p-50;
        h = next;
        if (settled || !std::isfinite(h))
            break;
    }
    return h;
}

// Positive doubles ordered as their bit patterns are.
double doubleAt(std::uint64_t bits)
{
    return std::bit_cast<double>(bits);
}

} // namespace

// The same operations in the same order, unchecked: a step that overflows
// or is undefined leaves the result infinite or NaN (a sum, difference or
// product with one never becomes finite again), and only then is the
// checked form run, to fail at that step.
double contractedDepthCubic(double h, double T0, double constant)
{
    const double value = plainCubic(h, T0, constant);
    if (!std::isfinite(value)) [[unlikely]]
        return checkedCubic(h, T0, constant);
    return value;
}

double bisectedCubicRoot(double T0, double constant, double high)
{
    double low = 0;
    // Plain bisection to the last bit: f(low) > 0 ≥ f(high) throughout.
    // Which half holds the root is a coin toss to the branch predictor, so
    // the new bound is selected without a branch (conditional moves); the
    // comparisons and the midpoints are the same as with a branch.
    for (;;) {
        const double middle = low + (high - low) / 2;
        if (middle <= low || middle >= high)
            break;
        const bool above = contractedDepthCubic(middle, T0, constant) > 0;
        low = above ? middle : low;
        high = above ? high : middle;
    }
    return high;
}

std::optional<double> certifiedCubicRoot(double T0, double constant, double high)
{
    if (!(T0 >= smallestScale && T0 <= largestScale && constant >= smallestScale
                && constant <= largestScale))
        return std::nullopt;
    const double guess = newtonRoot(T0, constant);
    if (!(guess > 0 && guess < high))
        return std::nullopt;
    // Beyond a few doubles either way the Newton root was not close.
    constexpr int maxWalk = 64;
    const double positiveBelow = constant * (1.0 - 0x1p-50);
    const double notPositiveFrom = constant * (1.0 + 0x1p-50);
    const std::uint64_t start = std::bit_cast<std::uint64_t>(guess);
    const std::uint64_t highBits = std::bit_cast<std::uint64_t>(high);
    // Down from the Newton root to a double a where f is proved positive
    // below: read upwards, the signs met must be positive, then not.
    std::optional<std::uint64_t> lowestNotPositive;
    bool positiveMet = false;
    for (std::uint64_t a = start;; --a) {
        const double product = cubicProduct(doubleAt(a), T0);
        if (product + constant > 0) {
            positiveMet = true;
        } else {
            if (positiveMet)
                return std::nullopt;
            lowestNotPositive = a;
        }
        if (std::abs(product) < positiveBelow)
            break;
        if (start - a == maxWalk || a == 0)
            return std::nullopt;
    }
    // Up from the Newton root to a double b where f is proved not positive
    // from there on (or `high`, where the caller found it so): positive,
    // then not, and only not where it was not positive below already.
    std::optional<std::uint64_t> firstNotPositive = lowestNotPositive;
    for (std::uint64_t b = start + 1; b < highBits; ++b) {
        const double product = cubicProduct(doubleAt(b), T0);
        if (product + constant > 0) {
            if (firstNotPositive)
                return std::nullopt;
        } else if (!firstNotPositive) {
            firstNotPositive = b;
        }
        if (std::abs(product) >= notPositiveFrom)
            return doubleAt(*firstNotPositive);
        if (b - start == maxWalk)
            return std::nullopt;
    }
    return doubleAt(firstNotPositive.value_or(highBits));
}

} // namespace varnolt::design
