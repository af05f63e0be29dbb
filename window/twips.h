#pragma once

#include <QRect>

namespace varnolt {

// The form is laid out in twips, 1/1440 inch. At the screen's logical DPI
// that keeps the controls in step with their point-sized fonts: 15 twips a
// pixel at 96 DPI, and the same proportions at any scaling.
class Twips {
public:
    Twips(qreal logicalDpiX, qreal logicalDpiY);

    int toPixelsX(int twips) const;
    int toPixelsY(int twips) const;
    // Each edge is rounded on its own, so abutting controls stay abutting.
    QRect rect(int left, int top, int width, int height) const;

private:
    qreal m_dpiX;
    qreal m_dpiY;
};

} // namespace varnolt
