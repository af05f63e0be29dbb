#include "model/quoted_excerpt.h"

namespace varnolt {

QString leftWhole(const QString &text, qsizetype longest)
{
    if (longest <= 0)
        return QString();
    if (text.size() <= longest)
        return text;
    const qsizetype kept = text[longest - 1].isHighSurrogate() ? longest - 1 : longest;
    return text.left(kept);
}

QString quotedExcerpt(const QString &text, ControlCharacters controls)
{
    constexpr qsizetype longest = 40;
    QString shown = text;
    if (text.size() > longest)
        shown = leftWhole(text, longest) + QStringLiteral("…");
    if (controls == ControlCharacters::Replaced) {
        for (QChar &c : shown) {
            if (c.unicode() < 0x20 || c.unicode() == 0x7F)
                c = QChar(0xFFFD);
        }
    }
    return shown;
}

} // namespace varnolt
