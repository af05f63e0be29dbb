#pragma once

#include <QString>

namespace varnolt::writers {

// Magnitudes from which a figure is written with an exponent: a Froude
// number of 10^19 as 2.500e+19, not as twenty digits that fill a line.
inline constexpr double scientificFrom = 1e6;

// A computed figure as a worked substitution carries it: four significant
// digits (1.467, 0.8879, 18.55, 1235), an exponent from a million on
// (2.500e+19), full stop as the decimal point whatever the locale, "—" for
// a value that is not finite.
QString figure(double value);

// A number the user gave, in the shortest text that reads back to the same
// double (0.95, 10, 1.05), without an exponent below a million and with
// one from a million on (1e+308).
QString given(double value);

// A number the user gave or the design derived, as the report's text
// carries it: as given where that takes four significant digits or fewer
// (0.95, 10, 19.62), else as a figure (a tailwater depth interpolated to
// 1.5900000000000034 reads 1.590).
QString practical(double value);

// Results at the precision of practice: depths and heads to the millimetre
// (0.183), lengths along the flow to the centimetre (12.71).
QString toMillimetre(double value);
QString toCentimetre(double value);

// A share as a percentage with one decimal: 0.4321 → "43.2".
QString percent(double share);

} // namespace varnolt::writers
