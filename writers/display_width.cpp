#include "writers/display_width.h"

#include <QList>

#include <unicode/uchar.h>

#include <numeric>

namespace varnolt::writers {

namespace {

// Columns one code point takes, by Unicode's own tables (ICU): marks that
// sit on the character before and invisible format characters take none,
// the East-Asian wide and fullwidth ones two, everything else one.
int charWidth(char32_t c)
{
    const auto point = static_cast<UChar32>(c);
    switch (u_charType(point)) {
    case U_NON_SPACING_MARK:
    case U_ENCLOSING_MARK:
    case U_FORMAT_CHAR:
        return 0;
    default:
        break;
    }
    switch (u_getIntPropertyValue(point, UCHAR_EAST_ASIAN_WIDTH)) {
    case U_EA_WIDE:
    case U_EA_FULLWIDTH:
        return 2;
    default:
        return 1;
    }
}

// The text's code points, surrogate pairs joined; a lone surrogate stands
// for itself.
QList<uint> codePoints(const QString &text)
{
    return text.toUcs4();
}

} // namespace

int displayWidth(const QString &text)
{
    const QList<uint> points = codePoints(text);
    return std::accumulate(points.begin(), points.end(), 0,
            [](int width, uint c) { return width + charWidth(c); });
}

QString fitWidth(const QString &text, int width)
{
    if (displayWidth(text) <= width)
        return text;
    QString cut;
    int used = 0;
    for (const uint c : codePoints(text)) {
        const int w = charWidth(c);
        if (used + w > width - 1)
            break;
        const char32_t point = c;
        cut += QString::fromUcs4(&point, 1);
        used += w;
    }
    return cut + u'…';
}

} // namespace varnolt::writers
