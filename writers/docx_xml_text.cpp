#include "writers/docx_xml_text.h"

namespace varnolt::writers {

QString xmlAllowed(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        const char16_t code = ch.unicode();
        if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += ch;
            out += text[i + 1];
            ++i;
            continue;
        }
        if (ch.isSurrogate())
            continue;
        if (code < 0x20 && code != u'\t' && code != u'\n' && code != u'\r')
            continue;
        if (code == 0xFFFE || code == 0xFFFF)
            continue;
        out += ch;
    }
    return out;
}

} // namespace varnolt::writers
