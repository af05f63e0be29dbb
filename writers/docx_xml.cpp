#include "writers/docx_xml.h"

namespace varnolt::writers {

using namespace Qt::StringLiterals;

QByteArray xmlPart(const std::function<void(QXmlStreamWriter &)> &body)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.writeStartDocument(u"1.0"_s, true);
    body(xml);
    xml.writeEndDocument();
    return bytes;
}

void writeValued(QXmlStreamWriter &xml, const QString &name, const QString &value)
{
    xml.writeEmptyElement(QLatin1String(ooxml::wordMl), name);
    xml.writeAttribute(QLatin1String(ooxml::wordMl), u"val"_s, value);
}

} // namespace varnolt::writers
