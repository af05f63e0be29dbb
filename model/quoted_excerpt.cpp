#include "model/quoted_excerpt.h"

namespace varnolt {

QString quotedExcerpt(const QString &text, ControlCharacters controls)
{
    constexpr qsizetype longest = 40;
    QString shown = text;
    if (text.size() > longest) {
        const qsizetype kept = text[longest - 1].isHighSurrogate() ? longest - 1 : longest;
        shown = text.left(kept) + QStringLiteral("…");
    }
    if (controls == ControlCharacters::Replaced) {
        for (QChar &c : shown) {
            if (c.unicode() < 0x20 || c.unicode() == 0x7F)
                c = QChar(0xFFFD);
        }
    }
    return shown;
}

} // namespace varnolt
