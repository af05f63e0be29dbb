#include "window/app_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace varnolt {

QIcon appIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    // Water: high upstream, plunging over the crest, the jump rising in the basin.
    QPainterPath water;
    water.moveTo(0, 9);
    water.lineTo(11, 9);
    water.cubicTo(16, 10, 17, 22, 20, 25);
    water.cubicTo(23, 22, 26, 18, 32, 18);
    water.lineTo(32, 30);
    water.lineTo(0, 30);
    water.closeSubpath();
    painter.fillPath(water, QColor(40, 110, 200));

    // Weir body with its downstream face, and the sunk basin floor.
    QPainterPath weir;
    weir.moveTo(2, 12);
    weir.lineTo(10, 12);
    weir.cubicTo(14, 14, 15, 24, 19, 27);
    weir.lineTo(2, 27);
    weir.closeSubpath();
    painter.fillPath(weir, QColor(150, 150, 150));
    painter.fillRect(QRect(0, 27, 32, 5), QColor(100, 100, 100));
    painter.end();

    return QIcon(pixmap);
}

} // namespace varnolt
