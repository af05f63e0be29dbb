#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

namespace varnolt::writers {

// Which of HTML's markup characters a text needs as entities: in element
// content & < > will do; in an attribute value the quotes need them too.
enum class HtmlQuotes { Kept, AsEntities };

// The entity that stands for a markup character, or an empty view where the
// character may stand for itself.
inline QStringView htmlEntity(QChar ch, HtmlQuotes quotes)
{
    switch (ch.unicode()) {
    case u'&':
        return u"&amp;";
    case u'<':
        return u"&lt;";
    case u'>':
        return u"&gt;";
    case u'"':
        return quotes == HtmlQuotes::AsEntities ? QStringView(u"&quot;") : QStringView();
    case u'\'':
        return quotes == HtmlQuotes::AsEntities ? QStringView(u"&#39;") : QStringView();
    default:
        return {};
    }
}

// Text made safe for HTML element content and attribute values, and so for
// the SVG sketches inside the report too: the five markup characters as
// entities, control characters as U+FFFD. The one escaping of HTML and SVG
// text; Markdown adds its own markup characters to the same entities.
QString htmlEscaped(const QString &text);

} // namespace varnolt::writers
