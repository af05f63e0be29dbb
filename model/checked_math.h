#pragma once

namespace varnolt::checked {

// Double-precision arithmetic in which every result is tested: a division of
// a non-zero value by zero, an infinite result and an undefined result each
// throw a CalcError of their kind at the step where they arise. Operands are
// always finite, because every value the commands compute with went through
// these tests or through a number conversion that rejects non-finite text.

double add(double a, double b);
double sub(double a, double b);
double mul(double a, double b);
double div(double a, double b);
// The general power function, also for squares and cubes.
double pow(double base, double exponent);

// Rounds to single precision, as every assignment to a quantity of the form
// does; beyond the single-precision range that is an overflow.
float toSingle(double value);

} // namespace varnolt::checked
