#include "window/twips.h"

#include <QtMath>

namespace varnolt {

namespace {

constexpr qreal TwipsPerInch = 1440.0;

} // namespace

Twips::Twips(qreal logicalDpiX, qreal logicalDpiY)
    : m_dpiX(logicalDpiX)
    , m_dpiY(logicalDpiY)
{
}

int Twips::toPixelsX(int twips) const
{
    return qRound(twips * m_dpiX / TwipsPerInch);
}

int Twips::toPixelsY(int twips) const
{
    return qRound(twips * m_dpiY / TwipsPerInch);
}

QRect Twips::rect(int left, int top, int width, int height) const
{
    const QPoint topLeft(toPixelsX(left), toPixelsY(top));
    const QPoint bottomRightExclusive(toPixelsX(left + width), toPixelsY(top + height));
    return QRect(topLeft,
            QSize(bottomRightExclusive.x() - topLeft.x(), bottomRightExclusive.y() - topLeft.y()));
}

} // namespace varnolt
