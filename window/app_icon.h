#pragma once

#include <QIcon>

namespace varnolt {

// The program's 32 × 32 icon: water falling over a weir into a stilling basin.
QIcon appIcon();

} // namespace varnolt
