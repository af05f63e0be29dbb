#include "writers/page_margins.h"

#include <QStringList>

namespace varnolt::writers {

using namespace Qt::StringLiterals;

namespace {

// A pattern's text with %1 and %2 as the page counters: CSS content values,
// the literal pieces as strings.
QString counterContent(const QString &pattern)
{
    QStringList parts;
    QString literal;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const bool placeholder = pattern[i] == u'%' && i + 1 < pattern.size()
                && (pattern[i + 1] == u'1' || pattern[i + 1] == u'2');
        if (!placeholder) {
            literal += pattern[i];
            continue;
        }
        if (!literal.isEmpty())
            parts << cssString(literal);
        literal.clear();
        parts << (pattern[i + 1] == u'1' ? u"counter(page)"_s : u"counter(pages)"_s);
        ++i;
    }
    if (!literal.isEmpty())
        parts << cssString(literal);
    return parts.isEmpty() ? u"none"_s : parts.join(u' ');
}

} // namespace

QString cssString(const QString &text)
{
    QString out = u"\""_s;
    out.reserve(text.size() + 8);
    for (const QChar ch : text) {
        switch (ch.unicode()) {
        case u'"':
            out += u"\\\""_s;
            break;
        case u'\\':
            out += u"\\\\"_s;
            break;
        // A hexadecimal escape ends at the blank after it.
        case u'<':
            out += u"\\3C "_s;
            break;
        case u'>':
            out += u"\\3E "_s;
            break;
        default:
            out += ch.category() == QChar::Other_Control ? QChar(u' ') : ch;
        }
    }
    return out + u'"';
}

QString pageMarginsCss(const QString &header, const QString &footer)
{
    // The margin boxes take nothing from the body's styles: their face and
    // size are given here.
    const QString face = u"font-family: \"Noto Serif CJK SC\", \"Source Han Serif SC\", "
                         u"\"SimSun\", \"Noto Sans CJK SC\", \"WenQuanYi Zen Hei\", serif; "
                         u"font-size: 8.5pt; color: #000;"_s;
    return u"@page {\n"
           u"  @top-center { content: %1; %3 vertical-align: bottom; padding-bottom: 3mm; }\n"
           u"  @bottom-center { content: %2; %3 vertical-align: top; padding-top: 3mm; }\n"
           u"}\n"_s.arg(cssString(header), counterContent(footer), face);
}

} // namespace varnolt::writers
