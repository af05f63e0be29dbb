#include "writers/html_report.h"

#include "writers/formula_mathml.h"
#include "writers/html_escape.h"
#include "writers/page_margins.h"
#include "writers/sketch_svg.h"

namespace varnolt::writers {

using namespace Qt::StringLiterals;

namespace {

// Print first: A4 portrait, margins wide enough for binding, a case per
// page, no row or sketch torn between pages. Serif CJK faces where they are
// installed, black on white, hatching instead of colour.
const char16_t *const styleSheet = uR"css(
@page { size: A4 portrait; margin: 18mm 18mm 20mm 20mm; }
html { font-family: "Noto Serif CJK SC", "Source Han Serif SC", "SimSun", "Noto Sans CJK SC",
       "WenQuanYi Zen Hei", serif; font-size: 10pt; line-height: 1.4; color: #000;
       background: #fff; }
body { margin: 0 auto; max-width: 172mm; }
@media screen { body { padding: 12mm 8mm; } }
header.title-page { break-after: page; page-break-after: always; }
h1 { font-size: 20pt; text-align: center; margin: 30mm 0 4mm; letter-spacing: 0.1em; }
p.date { text-align: center; margin: 0 0 30mm; font-size: 11pt; }
table.project, table.signoff { font-size: 11pt; }
table.project td { padding: 1.5mm 2mm; }
table.project td:first-child { width: 28%; }
table.signoff th, table.signoff td { padding: 1.5mm 2mm; width: 35%; }
table.signoff th:first-child, table.signoff td:first-child { width: 30%; }
/* Room for a signature. */
table.signoff td { height: 9mm; }
h2 { font-size: 14pt; margin: 7mm 0 3mm; }
h3 { font-size: 12.5pt; margin: 0 0 3mm; border-bottom: 0.4mm solid #000; padding-bottom: 1mm; }
h4 { font-size: 10.5pt; margin: 3.5mm 0 1.5mm; border-left: 1.2mm solid #000;
     padding-left: 1.8mm; }
h2, h3, h4 { break-after: avoid; page-break-after: avoid; }
h1, h2, h3, h4, p, td, th { overflow-wrap: anywhere; }
p { margin: 1.5mm 0; }
table { border-collapse: collapse; width: 100%; margin: 1mm 0 2mm; }
th, td { border: 0.25mm solid #000; padding: 0.7mm 1.4mm; vertical-align: top; text-align: left; }
th { font-weight: bold; }
thead { display: table-header-group; }
tr, figure, svg, p.verdict, p.error { break-inside: avoid; page-break-inside: avoid; }
table.coefficients { table-layout: fixed; }
table.coefficients th, table.coefficients td { overflow-wrap: normal; }
table.coefficients col.symbol { width: 10%; }
table.coefficients col.quantity { width: 30%; }
table.coefficients col.value { width: 10%; }
table.coefficients col.unit { width: 9%; }
td.num { text-align: right; font-variant-numeric: tabular-nums; overflow-wrap: normal; }
/* A frame as well as the weight: not every CJK face has a bold. */
td.marked { font-weight: bold; border: 0.6mm solid #000; }
table.formulas td:first-child { width: 24%; }
table.inputs th { font-weight: normal; font-size: 9pt; width: 14.28%; }
table.formulas td:last-child { font-family: "DejaVu Serif", "Noto Serif CJK SC", serif; }
math { font-family: "DejaVu Math TeX Gyre", math; font-size: 1.05em; }
table.summary { font-size: 7pt; table-layout: fixed; }
table.summary th, table.summary td { padding: 0.6mm 0.7mm; }
table.summary col { width: 8%; }
table.summary col.number { width: 4%; }
table.summary col.name { width: 12%; }
table.summary col.depth { width: 9%; }
table.summary col.jump { width: 8%; }
table.summary col.length { width: 16%; }
table.summary col.narrow { width: 6%; }
p.verdict { font-weight: bold; }
p.error { font-weight: bold; border: 0.4mm solid #000; padding: 1.5mm 2mm; }
p.note { font-size: 9pt; }
section.case { break-before: page; page-break-before: always; }
figure { margin: 2mm 0 0; }
figcaption { text-align: center; font-size: 9pt; margin-top: 1mm; }
svg.sketch { display: block; max-width: 100%; margin: 0 auto; }
svg.sketch text { font-family: "DejaVu Sans", "Noto Sans CJK SC", "WenQuanYi Zen Hei", sans-serif;
       font-size: 2.6px; fill: #000; stroke: #fff; stroke-width: 0.6px; paint-order: stroke; }
svg.sketch .surface { fill: none; stroke: #000; stroke-width: 0.4; }
svg.sketch .water { stroke: none; }
svg.sketch .concrete { stroke: #000; stroke-width: 0.45; }
svg.sketch .ground { stroke: none; }
svg.sketch .edge { stroke: #000; stroke-width: 0.6; }
svg.sketch .level { stroke: #000; stroke-width: 0.4; }
svg.sketch .reference { stroke: #000; stroke-width: 0.2; stroke-dasharray: 2 0.6 0.4 0.6; }
svg.sketch .mark { fill: #fff; stroke: #000; stroke-width: 0.25; }
svg.sketch .dim line { stroke: #000; stroke-width: 0.18; }
)css";

QString langCode(ReportLanguage language)
{
    return language == ReportLanguage::Chinese ? u"zh-CN"_s : u"en"_s;
}

QString cellHtml(const ReportCell &cell, const QString &tag)
{
    QStringList classes;
    if (cell.numeric)
        classes << u"num"_s;
    if (cell.marked)
        classes << u"marked"_s;
    const QString cls = classes.isEmpty() ? QString() : u" class=\"%1\""_s.arg(classes.join(u' '));
    return u"<%1%2>%3</%1>"_s.arg(
            tag, cls, cell.formula ? formulaHtml(*cell.formula) : htmlEscaped(cell.text));
}

QString tableHtml(const ReportTable &t)
{
    QString out;
    switch (t.style) {
    case ReportTable::Style::Data:
        out += u"<table class=\"data\">\n"_s;
        break;
    case ReportTable::Style::Inputs:
        out += u"<table class=\"inputs\">\n"_s;
        break;
    case ReportTable::Style::Formulas:
        out += u"<table class=\"formulas\">\n"_s;
        break;
    case ReportTable::Style::Project:
        out += u"<table class=\"project\">\n"_s;
        break;
    case ReportTable::Style::SignOff:
        out += u"<table class=\"signoff\">\n"_s;
        break;
    case ReportTable::Style::Coefficients:
        // Symbol, quantity, value, unit and source: the short columns wide
        // enough for their words, the source taking the rest.
        out += u"<table class=\"coefficients\">\n<colgroup><col class=\"symbol\"><col "
               u"class=\"quantity\"><col class=\"value\"><col class=\"unit\"><col></colgroup>\n"_s;
        break;
    case ReportTable::Style::Summary:
        // Widths for the columns: number, case, q, ht, hco2, jump, d, L, d′,
        // Lsj, t, Lp.
        out += u"<table class=\"summary\">\n<colgroup><col class=\"number\"><col class=\"name\">"
               u"<col class=\"narrow\"><col class=\"narrow\"><col><col class=\"jump\">"
               u"<col class=\"depth\"><col class=\"length\"><col><col>"
               u"<col><col></colgroup>\n"_s;
        break;
    }
    if (!t.header.isEmpty()) {
        out += u"<thead><tr>"_s;
        for (const QString &h : t.header)
            out += u"<th>%1</th>"_s.arg(htmlEscaped(h));
        out += u"</tr></thead>\n"_s;
    }
    out += u"<tbody>\n"_s;
    for (const auto &row : t.rows) {
        out += u"<tr>"_s;
        for (const ReportCell &cell : row)
            out += cellHtml(cell, u"td"_s);
        out += u"</tr>\n"_s;
    }
    out += u"</tbody>\n</table>\n"_s;
    return out;
}

// A case's sketch is drawn where its block is written: for the cases'
// sections that is on the core that builds the section, as placing a
// sketch's labels clear of its lines is much of a report's work.
QString blockHtml(const ReportBlock &b, const design::DesignResult &design, ReportLanguage language)
{
    switch (b.kind) {
    case ReportBlock::Kind::Heading:
        return u"<h%1>%2</h%1>\n"_s.arg(QString::number(b.level), htmlEscaped(b.text));
    case ReportBlock::Kind::Paragraph:
        return u"<p>%1</p>\n"_s.arg(htmlEscaped(b.text));
    case ReportBlock::Kind::Verdict:
        return u"<p class=\"verdict\">%1</p>\n"_s.arg(htmlEscaped(b.text));
    case ReportBlock::Kind::Error:
        return u"<p class=\"error\">%1</p>\n"_s.arg(htmlEscaped(b.text));
    case ReportBlock::Kind::Note:
        return u"<p class=\"note\">%1</p>\n"_s.arg(htmlEscaped(b.text));
    case ReportBlock::Kind::Table:
        return tableHtml(b.table);
    case ReportBlock::Kind::Sketch: {
        if (b.caseIndex >= design.cases.size())
            return {};
        const QString svg = sketchSvg(design.cases[b.caseIndex], language,
                u"s%1"_s.arg(b.caseIndex + 1), design.options.basinType);
        if (svg.isEmpty())
            return {};
        return u"<figure>\n"_s + svg + u"</figure>\n"_s;
    }
    }
    return {};
}

QByteArray sectionHtml(
        const ReportSection &s, const design::DesignResult &design, ReportLanguage language)
{
    QString out = s.isCase ? u"<section class=\"case\" id=\"%1\">\n"_s.arg(s.id)
                           : u"<section id=\"%1\">\n"_s.arg(s.id);
    for (const ReportBlock &b : s.blocks)
        out += blockHtml(b, design, language);
    out += u"</section>\n"_s;
    return out.toUtf8();
}

} // namespace

bool writeHtmlReport(
        const design::DesignResult &design, const ReportSettings &settings, const ReportSink &write)
{
    const ReportFrame frame = buildReportFrame(design, settings);
    const ReportDocument &doc = frame.document;
    QString out;
    out += u"<!DOCTYPE html>\n<html lang=\"%1\">\n<head>\n<meta charset=\"utf-8\">\n"_s.arg(
            langCode(doc.language));
    out += u"<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"_s;
    out += u"<meta name=\"generator\" content=\"varnolt-report\">\n"_s;
    out += u"<title>%1 %2</title>\n"_s.arg(htmlEscaped(doc.title),
            htmlEscaped(settings.date.isValid() ? settings.date.toString(Qt::ISODate) : QString()));
    out += u"<style>"_s + QString::fromUtf16(styleSheet)
            + pageMarginsCss(doc.pageHeader, doc.pageFooter) + u"</style>\n</head>\n<body>\n"_s;
    // The title page: the project's entries, the title and date, the
    // sign-off table; the report proper starts on the next page.
    out += u"<header class=\"title-page\">\n"_s + tableHtml(doc.projectTable);
    out += u"<h1>%1</h1>\n<p class=\"date\">%2</p>\n"_s.arg(
            htmlEscaped(doc.title), htmlEscaped(doc.dateLine));
    out += tableHtml(doc.signOffTable) + u"</header>\n"_s;
    return write(out.toUtf8())
            && writeReportSections(
                    design, frame,
                    [&](const ReportSection &s) { return sectionHtml(s, design, doc.language); },
                    write)
            && write("</body>\n</html>\n");
}

QByteArray htmlReport(const design::DesignResult &design, const ReportSettings &settings)
{
    return gatheredReport([&](const ReportSink &sink) { writeHtmlReport(design, settings, sink); });
}

} // namespace varnolt::writers
