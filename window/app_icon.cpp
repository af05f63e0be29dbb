#include "window/app_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace varnolt {

QImage renderAppIcon(int size, bool indexedColours)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer drawing(QStringLiteral(":/icons/varnolt.svg"));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawing.render(&painter);
    painter.end();
    if (indexedColours)
        return image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdAlphaDither);
    return image;
}

QIcon appIcon()
{
    QIcon icon;
    for (const int size : {16, 24, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(renderAppIcon(size)));
    icon.addPixmap(QPixmap::fromImage(renderAppIcon(32, true)));
    return icon;
}

} // namespace varnolt
