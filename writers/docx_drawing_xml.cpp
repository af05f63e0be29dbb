#include "writers/docx_body_parts.h"
#include "writers/docx_xml.h"
#include "writers/docx_xml_text.h"

namespace varnolt::writers {

using namespace Qt::StringLiterals;

void writeDocxPicture(QXmlStreamWriter &xml, const PlacedPicture &picture)
{
    const QString w = QLatin1String(ooxml::wordMl);
    const QString wp = QLatin1String(ooxml::wordDrawing);
    const QString a = QLatin1String(ooxml::drawingMl);
    const QString pic = QLatin1String(ooxml::picture);
    const QString cx = QString::number(picture.widthEmu);
    const QString cy = QString::number(picture.heightEmu);
    const QString id = QString::number(picture.number);
    const QString name = u"sketch%1.png"_s.arg(picture.number);

    xml.writeStartElement(w, u"p"_s);
    xml.writeStartElement(w, u"pPr"_s);
    xml.writeEmptyElement(w, u"keepNext"_s);
    writeValued(xml, u"jc"_s, u"center"_s);
    xml.writeEndElement();
    xml.writeStartElement(w, u"r"_s);
    xml.writeStartElement(w, u"drawing"_s);
    xml.writeStartElement(wp, u"inline"_s);
    for (const QString &side : {u"distT"_s, u"distB"_s, u"distL"_s, u"distR"_s})
        xml.writeAttribute(side, u"0"_s);
    xml.writeEmptyElement(wp, u"extent"_s);
    xml.writeAttribute(u"cx"_s, cx);
    xml.writeAttribute(u"cy"_s, cy);
    xml.writeEmptyElement(wp, u"effectExtent"_s);
    for (const QString &side : {u"l"_s, u"t"_s, u"r"_s, u"b"_s})
        xml.writeAttribute(side, u"0"_s);
    xml.writeEmptyElement(wp, u"docPr"_s);
    xml.writeAttribute(u"id"_s, id);
    xml.writeAttribute(u"name"_s, name);
    xml.writeAttribute(u"descr"_s, xmlAllowed(picture.description));
    xml.writeStartElement(wp, u"cNvGraphicFramePr"_s);
    xml.writeEmptyElement(a, u"graphicFrameLocks"_s);
    xml.writeAttribute(u"noChangeAspect"_s, u"1"_s);
    xml.writeEndElement();
    xml.writeStartElement(a, u"graphic"_s);
    xml.writeStartElement(a, u"graphicData"_s);
    xml.writeAttribute(u"uri"_s, pic);
    xml.writeStartElement(pic, u"pic"_s);
    xml.writeStartElement(pic, u"nvPicPr"_s);
    xml.writeEmptyElement(pic, u"cNvPr"_s);
    xml.writeAttribute(u"id"_s, id);
    xml.writeAttribute(u"name"_s, name);
    xml.writeEmptyElement(pic, u"cNvPicPr"_s);
    xml.writeEndElement();
    xml.writeStartElement(pic, u"blipFill"_s);
    xml.writeEmptyElement(a, u"blip"_s);
    xml.writeAttribute(
            QLatin1String(ooxml::relationships), u"embed"_s, u"rIdSketch%1"_s.arg(picture.number));
    xml.writeStartElement(a, u"stretch"_s);
    xml.writeEmptyElement(a, u"fillRect"_s);
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeStartElement(pic, u"spPr"_s);
    xml.writeStartElement(a, u"xfrm"_s);
    xml.writeEmptyElement(a, u"off"_s);
    xml.writeAttribute(u"x"_s, u"0"_s);
    xml.writeAttribute(u"y"_s, u"0"_s);
    xml.writeEmptyElement(a, u"ext"_s);
    xml.writeAttribute(u"cx"_s, cx);
    xml.writeAttribute(u"cy"_s, cy);
    xml.writeEndElement();
    xml.writeStartElement(a, u"prstGeom"_s);
    xml.writeAttribute(u"prst"_s, u"rect"_s);
    xml.writeEmptyElement(a, u"avLst"_s);
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement(); // pic:pic
    xml.writeEndElement(); // a:graphicData
    xml.writeEndElement(); // a:graphic
    xml.writeEndElement(); // wp:inline
    xml.writeEndElement(); // w:drawing
    xml.writeEndElement(); // w:r
    xml.writeEndElement(); // w:p
}

} // namespace varnolt::writers
