#include "writers/markdown_report.h"

#include "writers/html_escape.h"

namespace varnolt::writers {

using namespace Qt::StringLiterals;

namespace {

QString rowMarkdown(const std::vector<ReportCell> &row)
{
    QString out = u"|"_s;
    for (const ReportCell &cell : row) {
        const QString text = markdownEscaped(cell.text);
        out += u' ' + (cell.marked ? u"**"_s + text + u"**"_s : text) + u" |"_s;
    }
    return out + u'\n';
}

QString tableMarkdown(const ReportTable &t)
{
    if (t.rows.empty())
        return {};
    const std::size_t columns = t.rows.front().size();
    QString out;
    // A pipe table needs a header row; the formula tables have none, so
    // theirs is left blank.
    std::vector<ReportCell> header;
    for (std::size_t c = 0; c < columns; ++c)
        header.push_back(
                {c < static_cast<std::size_t>(t.header.size()) ? t.header[static_cast<qsizetype>(c)]
                                                               : QString()});
    out += rowMarkdown(header);
    out += u"|"_s;
    for (std::size_t c = 0; c < columns; ++c)
        out += t.rows.front()[c].numeric ? u"---:|"_s : u"---|"_s;
    out += u'\n';
    for (const auto &row : t.rows)
        out += rowMarkdown(row);
    return out + u'\n';
}

QString blockMarkdown(const ReportBlock &b)
{
    switch (b.kind) {
    case ReportBlock::Kind::Heading:
        return QString(b.level, u'#') + u' ' + markdownEscaped(b.text) + u"\n\n"_s;
    case ReportBlock::Kind::Paragraph:
    case ReportBlock::Kind::Note:
        return markdownEscaped(b.text) + u"\n\n"_s;
    case ReportBlock::Kind::Verdict:
    case ReportBlock::Kind::Error:
        return u"**"_s + markdownEscaped(b.text) + u"**\n\n"_s;
    case ReportBlock::Kind::Table:
        return tableMarkdown(b.table);
    case ReportBlock::Kind::Sketch:
        return {};
    }
    return {};
}

} // namespace

QString markdownEscaped(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    // The characters Markdown reads as markup, taken literally after a
    // backslash.
    const QStringView markup = u"\\`*_[]|~#";
    for (const QChar ch : text) {
        const QStringView entity = htmlEntity(ch, HtmlQuotes::Kept);
        if (!entity.isEmpty()) {
            out += entity;
        } else if (markup.contains(ch)) {
            out += u'\\';
            out += ch;
        } else {
            out += ch.category() == QChar::Other_Control ? QChar(u' ') : ch;
        }
    }
    return out;
}

bool writeMarkdownReport(
        const design::DesignResult &design, const ReportSettings &settings, const ReportSink &write)
{
    const ReportFrame frame = buildReportFrame(design, settings);
    const ReportDocument &doc = frame.document;
    QString out = u"# "_s + markdownEscaped(doc.title) + u"\n\n"_s + markdownEscaped(doc.dateLine)
            + u"\n\n"_s;
    // The title block as two small tables; a Markdown page has no running
    // header or page numbers.
    out += tableMarkdown(doc.projectTable) + tableMarkdown(doc.signOffTable);
    return write(out.toUtf8())
            && writeReportSections(
                    design, frame,
                    [](const ReportSection &s) {
                        QString text;
                        for (const ReportBlock &b : s.blocks)
                            text += blockMarkdown(b);
                        return text.toUtf8();
                    },
                    write);
}

QByteArray markdownReport(const design::DesignResult &design, const ReportSettings &settings)
{
    return gatheredReport(
            [&](const ReportSink &sink) { writeMarkdownReport(design, settings, sink); });
}

} // namespace varnolt::writers
