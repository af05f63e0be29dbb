#pragma once

#include <QString>

namespace varnolt::writers {

// A computed figure as the report prints it: at least four significant
// digits and at least three decimals (1.467, 0.8879, 18.553), full stop as
// the decimal point whatever the locale, "—" for a value that is not finite.
QString figure(double value);

// A number the user gave, in the shortest text that reads back to the same
// double (0.95, 10, 1.05), without an exponent.
QString given(double value);

// A share as a percentage with one decimal: 0.4321 → "43.2".
QString percent(double share);

} // namespace varnolt::writers
