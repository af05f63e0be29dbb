#pragma once

#include <QFont>
#include <QStringList>

namespace varnolt {

// The form is drawn in 宋体 (SimSun). Where that face is missing, the installed
// faces that cover Simplified Chinese follow it, so that no caption falls back
// to a font without the glyphs and shows empty boxes.
QStringList controlFontFamilies();

// The controls' font at the given size, regular weight.
QFont controlFont(qreal pointSize);

} // namespace varnolt
