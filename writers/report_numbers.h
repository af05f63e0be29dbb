#pragma once

#include <QString>

namespace varnolt::writers {

// Magnitudes from which a figure is written with an exponent: a Froude
// number of 10^19 as 2.500e+19, not as twenty digits that fill a line.
inline constexpr double scientificFrom = 1e6;

// A computed figure as the report prints it: at least four significant
// digits and at least three decimals (1.467, 0.8879, 18.553), four
// significant digits and an exponent from a million on (2.500e+19), full
// stop as the decimal point whatever the locale, "—" for a value that is
// not finite.
QString figure(double value);

// A number the user gave, in the shortest text that reads back to the same
// double (0.95, 10, 1.05), without an exponent.
QString given(double value);

// A share as a percentage with one decimal: 0.4321 → "43.2".
QString percent(double share);

} // namespace varnolt::writers
