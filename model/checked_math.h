#pragma once

#include "model/errors.h"

#include <cmath>

namespace varnolt::checked {

// Double-precision arithmetic in which every result is tested: a division of
// a non-zero value by zero, an infinite result and an undefined result each
// throw a CalcError of their kind at the step where they arise. Operands are
// always finite, because every value the commands compute with went through
// these tests or through a number conversion that rejects non-finite text.
// The tests are inline: the bisections run them thousands of times a click.

namespace detail {
// Out of line, so the inline tests stay small.
[[noreturn]] void fail(ErrorReason reason);

// One test on the path every result takes; which failure it is matters
// only once it has happened.
inline double verified(double result)
{
    if (!std::isfinite(result)) [[unlikely]] {
        if (std::isnan(result))
            fail(ErrorReason::UndefinedResult);
        fail(ErrorReason::ResultTooLarge);
    }
    return result;
}
} // namespace detail

inline double add(double a, double b)
{
    return detail::verified(a + b);
}

inline double sub(double a, double b)
{
    return detail::verified(a - b);
}

inline double mul(double a, double b)
{
    return detail::verified(a * b);
}

inline double div(double a, double b)
{
    if (b == 0) [[unlikely]] {
        if (a == 0)
            detail::fail(ErrorReason::ZeroDividedByZero);
        detail::fail(ErrorReason::DivisionByZero);
    }
    return detail::verified(a / b);
}

// The general power function, also for squares and cubes.
inline double pow(double base, double exponent)
{
    if (base == 0 && exponent < 0) [[unlikely]]
        detail::fail(ErrorReason::NegativePowerOfZero);
    if (base < 0 && exponent != std::trunc(exponent)) [[unlikely]]
        detail::fail(ErrorReason::FractionalPowerOfNegative);
    return detail::verified(std::pow(base, exponent));
}

// Rounds to single precision, as every assignment to a quantity of the form
// does; beyond the single-precision range that is an overflow.
inline float toSingle(double value)
{
    const auto single = static_cast<float>(value);
    if (!std::isfinite(single)) [[unlikely]] {
        detail::verified(value); // a double result already undefined or infinite
        detail::fail(ErrorReason::BeyondSinglePrecision);
    }
    return single;
}

} // namespace varnolt::checked
