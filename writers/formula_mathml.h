#pragma once

#include "writers/formula.h"

#include <QString>

namespace varnolt::writers {

// A formula cell as HTML: each formula a MathML element, the words between
// and after them escaped text.
QString formulaHtml(const Formula &formula);

} // namespace varnolt::writers
