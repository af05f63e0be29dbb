#include "writers/display_width.h"

#include <QList>

#include <numeric>

namespace varnolt::writers {

namespace {

// The wide and fullwidth blocks of the East Asian Width property that
// matter for engineering text: Hangul Jamo, CJK radicals to Yi, Hangul
// syllables, CJK compatibility ideographs, vertical and small forms,
// fullwidth forms, and the supplementary ideographic planes.
bool isWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E)
            || (c >= 0x3041 && c <= 0x33FF) || (c >= 0x3400 && c <= 0x4DBF)
            || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF)
            || (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF)
            || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60)
            || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x1F300 && c <= 0x1F64F)
            || (c >= 0x20000 && c <= 0x3FFFD);
}

int charWidth(char32_t c)
{
    if (c == 0x200B || c == 0x200C || c == 0x200D || c == 0xFEFF)
        return 0;
    const QChar::Category category = QChar::category(c);
    if (category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing)
        return 0;
    return isWide(c) ? 2 : 1;
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
