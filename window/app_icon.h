#pragma once

#include <QIcon>
#include <QImage>

namespace varnolt {

// The program's icon, drawn once as window/varnolt.svg: an overflow weir with
// the jet plunging into a stilling basin where the jump stands. The window
// and the desktop's icon sizes are all rendered from that drawing.
QIcon appIcon();

// The drawing rendered at one size. The 32 px window icon is reduced to a
// 256-colour palette, like the icons of the desktops it was drawn for.
QImage renderAppIcon(int size, bool indexedColours = false);

} // namespace varnolt
