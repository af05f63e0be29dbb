#pragma once

#include <QString>

namespace varnolt::writers {

// Columns a text takes on a terminal: East-Asian wide and fullwidth
// characters take two, combining marks and zero-width characters none,
// everything else one.
int displayWidth(const QString &text);

// The text cut to at most `width` columns, with an ellipsis where cut.
QString fitWidth(const QString &text, int width);

} // namespace varnolt::writers
