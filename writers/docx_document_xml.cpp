#include "writers/docx_document_xml.h"

#include "writers/docx_body_parts.h"
#include "writers/docx_parts.h"
#include "writers/docx_xml.h"

namespace varnolt::writers {

using namespace Qt::StringLiterals;

namespace {

const QString w = QLatin1String(ooxml::wordMl);

struct ParagraphLook {
    QString style; // empty: Normal
    bool pageBreakBefore = false;
    bool centred = false;
    bool boxed = false; // a frame around, as the HTML report's errors
    int spaceAfter = -1; // twips, -1 for the style's
};

void writeParagraph(QXmlStreamWriter &xml, const ParagraphLook &look,
        const std::vector<DocxRun> &runs, int halfPoints = 0)
{
    xml.writeStartElement(w, u"p"_s);
    if (!look.style.isEmpty() || look.pageBreakBefore || look.centred || look.boxed
            || look.spaceAfter >= 0) {
        xml.writeStartElement(w, u"pPr"_s);
        if (!look.style.isEmpty())
            writeValued(xml, u"pStyle"_s, look.style);
        // In the order WordprocessingML's schema gives them: a word
        // processor may refuse a paragraph whose properties are out of it.
        if (look.boxed)
            xml.writeEmptyElement(w, u"keepLines"_s);
        if (look.pageBreakBefore)
            xml.writeEmptyElement(w, u"pageBreakBefore"_s);
        if (look.boxed) {
            xml.writeStartElement(w, u"pBdr"_s);
            for (const QString &side : {u"top"_s, u"left"_s, u"bottom"_s, u"right"_s}) {
                xml.writeEmptyElement(w, side);
                xml.writeAttribute(w, u"val"_s, u"single"_s);
                xml.writeAttribute(w, u"sz"_s, u"8"_s);
                xml.writeAttribute(w, u"space"_s, u"4"_s);
                xml.writeAttribute(w, u"color"_s, u"000000"_s);
            }
            xml.writeEndElement();
        }
        if (look.spaceAfter >= 0) {
            xml.writeEmptyElement(w, u"spacing"_s);
            xml.writeAttribute(w, u"after"_s, QString::number(look.spaceAfter));
        }
        if (look.centred)
            writeValued(xml, u"jc"_s, u"center"_s);
        xml.writeEndElement();
    }
    writeDocxRuns(xml, runs, halfPoints);
    xml.writeEndElement();
}

ParagraphLook look(bool pageBreakBefore, int spaceAfter = -1)
{
    ParagraphLook look;
    look.pageBreakBefore = pageBreakBefore;
    look.spaceAfter = spaceAfter;
    return look;
}

std::vector<DocxRun> plain(const QString &text, bool bold = false)
{
    return {DocxRun{text, bold, DocxRun::Shift::None}};
}

// Word joins two tables that follow each other into one; a small empty
// paragraph after each keeps them apart and gives the HTML report's gap.
void writeTableWithGap(QXmlStreamWriter &xml, const ReportTable &table)
{
    writeDocxTable(xml, table);
    writeParagraph(xml, look(false, 0), {}, 8);
}

void writeBlock(QXmlStreamWriter &xml, const ReportBlock &b, bool pageBreakBefore,
        const std::map<std::size_t, PlacedPicture> &pictures)
{
    // A table cannot start a page by itself: a page break's paragraph does.
    if (pageBreakBefore
            && (b.kind == ReportBlock::Kind::Table || b.kind == ReportBlock::Kind::Sketch))
        writeParagraph(xml, look(true, 0), {}, 8);
    switch (b.kind) {
    case ReportBlock::Kind::Heading: {
        const int level = std::clamp(b.level, 2, 4) - 1;
        writeParagraph(xml, {u"Heading%1"_s.arg(level), pageBreakBefore}, plain(b.text));
        return;
    }
    case ReportBlock::Kind::Paragraph:
        writeParagraph(xml, look(pageBreakBefore), plain(b.text));
        return;
    case ReportBlock::Kind::Verdict:
        writeParagraph(xml, look(pageBreakBefore), plain(b.text, true));
        return;
    case ReportBlock::Kind::Error: {
        ParagraphLook error = look(pageBreakBefore);
        error.boxed = true;
        writeParagraph(xml, error, plain(b.text, true));
    }
        return;
    case ReportBlock::Kind::Note:
        writeParagraph(xml, look(pageBreakBefore), plain(b.text), 18);
        return;
    case ReportBlock::Kind::Table:
        writeTableWithGap(xml, b.table);
        return;
    case ReportBlock::Kind::Sketch:
        if (const auto found = pictures.find(b.caseIndex); found != pictures.end())
            writeDocxPicture(xml, found->second);
        return;
    }
}

void writeSectionFormat(QXmlStreamWriter &xml)
{
    const QString r = QLatin1String(ooxml::relationships);
    xml.writeStartElement(w, u"sectPr"_s);
    for (const auto &[element, id] : {std::pair{u"headerReference"_s, u"rIdHeader"_s},
                 std::pair{u"footerReference"_s, u"rIdFooter"_s}}) {
        xml.writeEmptyElement(w, element);
        xml.writeAttribute(w, u"type"_s, u"default"_s);
        xml.writeAttribute(r, u"id"_s, id);
    }
    xml.writeEmptyElement(w, u"pgSz"_s);
    xml.writeAttribute(w, u"w"_s, QString::number(docx_page::width));
    xml.writeAttribute(w, u"h"_s, QString::number(docx_page::height));
    xml.writeEmptyElement(w, u"pgMar"_s);
    xml.writeAttribute(w, u"top"_s, QString::number(docx_page::marginTop));
    xml.writeAttribute(w, u"right"_s, QString::number(docx_page::marginRight));
    xml.writeAttribute(w, u"bottom"_s, QString::number(docx_page::marginBottom));
    xml.writeAttribute(w, u"left"_s, QString::number(docx_page::marginLeft));
    xml.writeAttribute(w, u"header"_s, QString::number(docx_page::headerDistance));
    xml.writeAttribute(w, u"footer"_s, QString::number(docx_page::footerDistance));
    xml.writeAttribute(w, u"gutter"_s, u"0"_s);
    xml.writeEndElement();
}

} // namespace

QByteArray docxDocumentXml(
        const ReportDocument &doc, const std::map<std::size_t, PlacedPicture> &pictures)
{
    return xmlPart([&](QXmlStreamWriter &xml) {
        xml.writeNamespace(w, u"w"_s);
        xml.writeNamespace(QLatin1String(ooxml::relationships), u"r"_s);
        xml.writeNamespace(QLatin1String(ooxml::wordDrawing), u"wp"_s);
        xml.writeNamespace(QLatin1String(ooxml::drawingMl), u"a"_s);
        xml.writeNamespace(QLatin1String(ooxml::picture), u"pic"_s);
        xml.writeStartElement(w, u"document"_s);
        xml.writeStartElement(w, u"body"_s);
        // The title page.
        writeTableWithGap(xml, doc.projectTable);
        writeParagraph(xml, {u"Title"_s}, plain(doc.title));
        ParagraphLook date = look(false, 1701);
        date.centred = true;
        writeParagraph(xml, date, plain(doc.dateLine), 22);
        writeTableWithGap(xml, doc.signOffTable);
        // The report proper from the next page on, each case on pages of
        // its own.
        bool first = true;
        for (const ReportSection &section : doc.sections) {
            bool breakBefore = first || section.isCase;
            first = false;
            for (const ReportBlock &block : section.blocks) {
                writeBlock(xml, block, breakBefore, pictures);
                breakBefore = false;
            }
        }
        writeSectionFormat(xml);
        xml.writeEndElement();
        xml.writeEndElement();
    });
}

} // namespace varnolt::writers
