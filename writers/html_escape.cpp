#include "writers/html_escape.h"

namespace varnolt::writers {

QString htmlEscaped(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (const QChar ch : text) {
        const QStringView entity = htmlEntity(ch, HtmlQuotes::AsEntities);
        if (!entity.isEmpty())
            out += entity;
        else if (ch.category() == QChar::Other_Control && ch != u'\n' && ch != u'\t')
            out += QChar(0xFFFD);
        else
            out += ch;
    }
    return out;
}

} // namespace varnolt::writers
