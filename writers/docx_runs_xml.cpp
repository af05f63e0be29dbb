#include "writers/docx_document_xml.h"
#include "writers/docx_xml.h"
#include "writers/docx_xml_text.h"

namespace varnolt::writers {

using namespace Qt::StringLiterals;

namespace {

const QString w = QLatin1String(ooxml::wordMl);

void writeRunFormat(QXmlStreamWriter &xml, const DocxRun &run, int halfPoints)
{
    if (!run.bold && run.shift == DocxRun::Shift::None && halfPoints <= 0)
        return;
    xml.writeStartElement(w, u"rPr"_s);
    if (run.bold) {
        xml.writeEmptyElement(w, u"b"_s);
        xml.writeEmptyElement(w, u"bCs"_s);
    }
    if (halfPoints > 0) {
        writeValued(xml, u"sz"_s, QString::number(halfPoints));
        writeValued(xml, u"szCs"_s, QString::number(halfPoints));
    }
    switch (run.shift) {
    case DocxRun::Shift::None:
        break;
    case DocxRun::Shift::Subscript:
        writeValued(xml, u"vertAlign"_s, u"subscript"_s);
        break;
    case DocxRun::Shift::Superscript:
        writeValued(xml, u"vertAlign"_s, u"superscript"_s);
        break;
    }
    xml.writeEndElement();
}

// A run's text as w:t pieces, its line breaks and tabs as elements of
// their own (a w:t keeps neither).
void writeRunText(QXmlStreamWriter &xml, const QString &text)
{
    QString piece;
    const auto flush = [&] {
        if (piece.isEmpty())
            return;
        xml.writeStartElement(w, u"t"_s);
        xml.writeAttribute(u"xml:space"_s, u"preserve"_s);
        xml.writeCharacters(piece);
        xml.writeEndElement();
        piece.clear();
    };
    for (const QChar ch : xmlAllowed(text)) {
        if (ch == u'\n') {
            flush();
            xml.writeEmptyElement(w, u"br"_s);
        } else if (ch == u'\t') {
            flush();
            xml.writeEmptyElement(w, u"tab"_s);
        } else if (ch != u'\r') {
            piece += ch;
        }
    }
    flush();
}

} // namespace

void writeDocxRuns(QXmlStreamWriter &xml, const std::vector<DocxRun> &runs, int halfPoints)
{
    for (const DocxRun &run : runs) {
        if (run.text.isEmpty())
            continue;
        xml.writeStartElement(w, u"r"_s);
        writeRunFormat(xml, run, halfPoints);
        writeRunText(xml, run.text);
        xml.writeEndElement();
    }
}

} // namespace varnolt::writers
