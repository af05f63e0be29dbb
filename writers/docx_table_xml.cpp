#include "writers/docx_body_parts.h"
#include "writers/docx_parts.h"
#include "writers/docx_xml.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace varnolt::writers {

using namespace Qt::StringLiterals;

namespace {

const QString w = QLatin1String(ooxml::wordMl);

// Rules in eighths of a point: 0.25 mm as the HTML report's, 0.6 mm around
// a governing figure.
constexpr int ruleWidth = 6;
constexpr int markedRuleWidth = 14;

// Each column's share of the text width, as the HTML report's style sheet
// gives it.
std::vector<double> columnShares(ReportTable::Style style, std::size_t columns)
{
    std::vector<double> shares(columns, 1.0);
    switch (style) {
    case ReportTable::Style::Summary: {
        // number, case, q, ht, hc″, jump, d, L, d′, Lsj, t, Lp
        const double summary[] = {4, 12, 6, 6, 8, 8, 9, 16, 8, 8, 8, 8};
        for (std::size_t c = 0; c < columns && c < std::size(summary); ++c)
            shares[c] = summary[c];
        break;
    }
    case ReportTable::Style::Formulas:
        if (columns > 1) {
            std::fill(shares.begin(), shares.end(), 76.0 / static_cast<double>(columns - 1));
            shares[0] = 24;
        }
        break;
    case ReportTable::Style::Project:
        if (columns > 1) {
            std::fill(shares.begin(), shares.end(), 72.0 / static_cast<double>(columns - 1));
            shares[0] = 28;
        }
        break;
    case ReportTable::Style::SignOff:
        if (columns > 1) {
            std::fill(shares.begin(), shares.end(), 70.0 / static_cast<double>(columns - 1));
            shares[0] = 30;
        }
        break;
    case ReportTable::Style::Coefficients: {
        // symbol, quantity, value, unit, source
        const double coefficients[] = {10, 30, 10, 9, 41};
        for (std::size_t c = 0; c < columns && c < std::size(coefficients); ++c)
            shares[c] = coefficients[c];
        break;
    }
    case ReportTable::Style::Data:
    case ReportTable::Style::Inputs:
        break;
    }
    return shares;
}

// Text sizes in half points by the table's style, 0 for the body's.
int cellHalfPoints(ReportTable::Style style)
{
    switch (style) {
    case ReportTable::Style::Summary:
        return 14;
    case ReportTable::Style::Project:
    case ReportTable::Style::SignOff:
        return 22;
    case ReportTable::Style::Data:
    case ReportTable::Style::Inputs:
    case ReportTable::Style::Formulas:
    case ReportTable::Style::Coefficients:
        return 0;
    }
    return 0;
}

void writeBorders(QXmlStreamWriter &xml, const QString &element, int width, bool inner)
{
    xml.writeStartElement(w, element);
    QStringList sides{u"top"_s, u"left"_s, u"bottom"_s, u"right"_s};
    if (inner)
        sides << u"insideH"_s << u"insideV"_s;
    for (const QString &side : sides) {
        xml.writeEmptyElement(w, side);
        xml.writeAttribute(w, u"val"_s, u"single"_s);
        xml.writeAttribute(w, u"sz"_s, QString::number(width));
        xml.writeAttribute(w, u"space"_s, u"0"_s);
        xml.writeAttribute(w, u"color"_s, u"000000"_s);
    }
    xml.writeEndElement();
}

void writeTableFormat(QXmlStreamWriter &xml, const std::vector<int> &widths)
{
    xml.writeStartElement(w, u"tblPr"_s);
    xml.writeEmptyElement(w, u"tblW"_s);
    xml.writeAttribute(w, u"w"_s, QString::number(docx_page::textWidth));
    xml.writeAttribute(w, u"type"_s, u"dxa"_s);
    writeBorders(xml, u"tblBorders"_s, ruleWidth, true);
    writeValued(xml, u"tblLayout"_s, u"fixed"_s);
    xml.writeStartElement(w, u"tblCellMar"_s);
    for (const auto &[side, twips] : {std::pair{u"left"_s, 79}, std::pair{u"right"_s, 79}}) {
        xml.writeEmptyElement(w, side);
        xml.writeAttribute(w, u"w"_s, QString::number(twips));
        xml.writeAttribute(w, u"type"_s, u"dxa"_s);
    }
    xml.writeEndElement();
    xml.writeEmptyElement(w, u"tblLook"_s);
    xml.writeAttribute(w, u"val"_s, u"0000"_s);
    xml.writeEndElement();
    xml.writeStartElement(w, u"tblGrid"_s);
    for (const int width : widths) {
        xml.writeEmptyElement(w, u"gridCol"_s);
        xml.writeAttribute(w, u"w"_s, QString::number(width));
    }
    xml.writeEndElement();
}

struct RowLook {
    bool header = false;
    int minHeight = 0; // twips, 0 for none
};

void writeRowFormat(QXmlStreamWriter &xml, const RowLook &look)
{
    xml.writeStartElement(w, u"trPr"_s);
    xml.writeEmptyElement(w, u"cantSplit"_s);
    if (look.minHeight > 0) {
        xml.writeEmptyElement(w, u"trHeight"_s);
        xml.writeAttribute(w, u"val"_s, QString::number(look.minHeight));
        xml.writeAttribute(w, u"hRule"_s, u"atLeast"_s);
    }
    if (look.header)
        xml.writeEmptyElement(w, u"tblHeader"_s);
    xml.writeEndElement();
}

void writeCell(QXmlStreamWriter &xml, const ReportCell &cell, int width, int halfPoints,
        bool header, bool plainHeader)
{
    xml.writeStartElement(w, u"tc"_s);
    xml.writeStartElement(w, u"tcPr"_s);
    xml.writeEmptyElement(w, u"tcW"_s);
    xml.writeAttribute(w, u"w"_s, QString::number(width));
    xml.writeAttribute(w, u"type"_s, u"dxa"_s);
    if (cell.marked)
        writeBorders(xml, u"tcBorders"_s, markedRuleWidth, false);
    xml.writeEndElement();
    xml.writeStartElement(w, u"p"_s);
    xml.writeStartElement(w, u"pPr"_s);
    xml.writeEmptyElement(w, u"spacing"_s);
    xml.writeAttribute(w, u"before"_s, u"20"_s);
    xml.writeAttribute(w, u"after"_s, u"20"_s);
    xml.writeAttribute(w, u"line"_s, u"240"_s);
    xml.writeAttribute(w, u"lineRule"_s, u"auto"_s);
    if (cell.numeric)
        writeValued(xml, u"jc"_s, u"right"_s);
    xml.writeEndElement();
    std::vector<DocxRun> runs = cellRuns(cell);
    if (header && !plainHeader) {
        for (DocxRun &run : runs)
            run.bold = true;
    }
    writeDocxRuns(xml, runs, plainHeader && halfPoints == 0 ? 18 : halfPoints);
    xml.writeEndElement();
    xml.writeEndElement();
}

} // namespace

void writeDocxTable(QXmlStreamWriter &xml, const ReportTable &table)
{
    std::size_t columns = static_cast<std::size_t>(table.header.size());
    for (const auto &row : table.rows)
        columns = std::max(columns, row.size());
    if (columns == 0)
        return;
    const std::vector<double> shares = columnShares(table.style, columns);
    const double total = std::accumulate(shares.begin(), shares.end(), 0.0);
    std::vector<int> widths(shares.size());
    std::transform(shares.begin(), shares.end(), widths.begin(), [total](double share) {
        return static_cast<int>(std::floor(docx_page::textWidth * share / total));
    });

    xml.writeStartElement(w, u"tbl"_s);
    writeTableFormat(xml, widths);
    const int halfPoints = cellHalfPoints(table.style);
    // The inputs' header names the quantities in small plain type.
    const bool plainHeader = table.style == ReportTable::Style::Inputs;
    if (!table.header.isEmpty()) {
        xml.writeStartElement(w, u"tr"_s);
        writeRowFormat(xml, {true, 0});
        for (std::size_t c = 0; c < columns; ++c) {
            const ReportCell cell{c < static_cast<std::size_t>(table.header.size())
                            ? table.header[static_cast<qsizetype>(c)]
                            : QString()};
            writeCell(xml, cell, widths[c], halfPoints, true, plainHeader);
        }
        xml.writeEndElement();
    }
    // Room for a signature: 9 mm.
    const int rowHeight = table.style == ReportTable::Style::SignOff ? 510 : 0;
    for (const auto &row : table.rows) {
        xml.writeStartElement(w, u"tr"_s);
        writeRowFormat(xml, {false, rowHeight});
        for (std::size_t c = 0; c < columns; ++c)
            writeCell(xml, c < row.size() ? row[c] : ReportCell{}, widths[c], halfPoints, false,
                    false);
        xml.writeEndElement();
    }
    xml.writeEndElement();
}

} // namespace varnolt::writers
