#include "writers/case_columns.h"
#include "writers/number_text.h"
#include "writers/writers.h"

namespace varnolt::writers {

namespace {

// A text cell as a spreadsheet reads it without running it: a leading =, +,
// - or @ (or a tab or carriage return, which some programs skip before the
// formula) gets an apostrophe in front, which spreadsheets show as text.
QString neutralised(const QString &text)
{
    if (!text.isEmpty()
            && (text[0] == u'=' || text[0] == u'+' || text[0] == u'-' || text[0] == u'@'
                    || text[0] == u'\t' || text[0] == u'\r'))
        return u'\'' + text;
    return text;
}

// RFC 4180: quoted when it holds a comma, a quote or a line end.
void appendField(QByteArray &out, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    if (utf8.contains(',') || utf8.contains('"') || utf8.contains('\n') || utf8.contains('\r')) {
        out += '"';
        out += QByteArray(utf8).replace("\"", "\"\"");
        out += '"';
    } else {
        out += utf8;
    }
}

} // namespace

QByteArray csvText(const design::DesignResult &design, ReportLanguage language)
{
    QByteArray out("\xEF\xBB\xBF");
    const auto columns = caseColumns();
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (c > 0)
            out += ',';
        appendField(out, QString::fromUtf16(columns[c].header));
    }
    out += "\r\n";
    for (std::size_t i = 0; i < design.cases.size(); ++i) {
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (c > 0)
                out += ',';
            const Cell cell = columns[c].cell(design, i, language);
            if (cell.kind == Cell::Kind::Number)
                out += shortestText(cell.number);
            else if (cell.kind == Cell::Kind::Text)
                appendField(out, neutralised(cell.text));
        }
        out += "\r\n";
    }
    return out;
}

} // namespace varnolt::writers
