#include "design/labels.h"
#include "model/errors.h"
#include "writers/case_columns.h"
#include "writers/display_width.h"
#include "writers/error_words.h"
#include "writers/number_text.h"
#include "writers/writers.h"

#include <QStringList>

#include <numeric>
#include <vector>

namespace varnolt::writers {

using namespace Qt::StringLiterals;
using design::CaseResult;
using design::DesignResult;

namespace {

constexpr int nameWidth = 24;
const QString none = u"–"_s;

QString two(double value)
{
    return tableNumberText(value, 2);
}

QString optionalTwo(const std::optional<double> &value)
{
    return value ? two(*value) : none;
}

struct TableColumn {
    QString header;
    bool rightAligned;
};

const std::vector<TableColumn> tableColumns{
        {u"case"_s, false},
        {u"q m²/s"_s, true},
        {u"ht m"_s, true},
        {u"hc m"_s, true},
        {u"hco m"_s, true},
        {u"hco2 m"_s, true},
        {u"jump"_s, false},
        {u"Fr1"_s, true},
        {u"form"_s, false},
        {u"d m"_s, true},
        {u"basin hco m"_s, true},
        {u"length m"_s, true},
        {u"d′ m"_s, true},
        {u"Lsj m"_s, true},
        {u"t m"_s, true},
        {u"Lp m"_s, true},
        {u"governs"_s, false},
};

// Where a case stopped and why: "Command2 stopped, 无解 (no solution): …"; in
// English the kind's key is its name, and is not repeated.
QString stoppedWords(const design::CaseError &stopped, ReportLanguage language)
{
    const ErrorKind kind = stopped.error.kind();
    const QString kindWords = language == ReportLanguage::Chinese
            ? errorKindWords(kind, ReportLanguage::Chinese) + u" ("_s + errorKindKey(kind) + u')'
            : errorKindKey(kind);
    return design::stageKey(stopped.stage) + u" stopped, "_s + kindWords + u": "_s
            + errorWords(stopped.error, language);
}

// A name on one line of the terminal: a line break typed in a cell is a blank.
QString oneLine(QString name)
{
    return name.replace(u"\r\n"_s, u" "_s).replace(u'\n', u' ').replace(u'\r', u' ');
}

QStringList rowOf(const DesignResult &design, std::size_t index)
{
    const CaseResult &result = design.cases[index];
    QStringList row{fitWidth(oneLine(result.inputs.name), nameWidth),
            QString::fromUtf8(shortestText(result.inputs.q)),
            QString::fromUtf8(shortestText(result.inputs.ht))};
    if (const auto &check = result.check) {
        row << check->text7 << check->text8 << check->text9
            << jumpKindWords(check->jump, ReportLanguage::Chinese) << two(check->Fr1)
            << (check->form ? jumpFormWords(*check->form, ReportLanguage::Chinese) : none);
    } else {
        row << u"error"_s << none << none << none << none << none;
    }
    if (const auto &basin = result.basin) {
        row << basin->text11 << basin->text8 << basin->text12 << optionalTwo(basin->standard.d)
            << optionalTwo(basin->standard.length)
            << two(basin->slabThickness) + (basin->slabFormulaOutsideRange ? u"*"_s : QString())
            << optionalTwo(basin->apronLength);
    } else {
        const QString why = result.check && !result.error ? u"no basin"_s : none;
        row << why << none << none << none << none << none << none;
    }
    row << governingText(design, index);
    return row;
}

void appendPadded(QString &line, const QString &cell, int width, bool right)
{
    const QString padding(width - displayWidth(cell), u' ');
    line += right ? padding + cell : cell + padding;
}

} // namespace

QByteArray tableText(const DesignResult &design, ReportLanguage language)
{
    std::vector<QStringList> rows;
    rows.reserve(design.cases.size() + 1);
    QStringList header;
    for (const TableColumn &column : tableColumns)
        header << column.header;
    rows.push_back(header);
    for (std::size_t i = 0; i < design.cases.size(); ++i)
        rows.push_back(rowOf(design, i));

    std::vector<int> widths(tableColumns.size(), 0);
    for (const QStringList &row : rows) {
        for (std::size_t c = 0; c < widths.size(); ++c)
            widths[c] = std::max(widths[c], displayWidth(row[qsizetype(c)]));
    }

    QString text;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        QString line;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            if (c > 0)
                line += u"  "_s;
            appendPadded(
                    line, rows[r][qsizetype(c)], widths[c], r > 0 && tableColumns[c].rightAligned);
        }
        while (line.endsWith(u' '))
            line.chop(1);
        text += line + u'\n';
        if (r == 0) {
            const int total = std::accumulate(widths.begin(), widths.end(), 0);
            text += QString(total + 2 * int(widths.size() - 1), u'-') + u'\n';
        }
    }

    text += u'\n';
    const auto governing = [&](const char16_t *what, const std::optional<std::size_t> &index,
                                   const QString &figure) {
        text += QString::fromUtf16(what);
        if (index) {
            // The row as well as the name: two cases may bear one name.
            const design::CaseInputs &inputs = design.cases[*index].inputs;
            const QString row = inputs.line > 0 ? u"line %1; "_s.arg(inputs.line) : QString();
            text += oneLine(inputs.name) + u" ("_s + row + figure + u')';
        } else {
            text += u"no case needs a basin"_s;
        }
        text += u'\n';
    };
    governing(u"Basin depth governed by: ", design.governingDepth,
            design.governingDepth
                    ? u"d = "_s + design.cases[*design.governingDepth].basin->text11 + u" m"_s
                    : QString());
    governing(u"Basin length governed by: ", design.governingLength,
            design.governingLength
                    ? u"length "_s + design.cases[*design.governingLength].basin->text12 + u" m"_s
                    : QString());

    bool anyOutside = false;
    for (const CaseResult &result : design.cases)
        anyOutside = anyOutside || (result.basin && result.basin->slabFormulaOutsideRange);
    if (anyOutside)
        text += u"* √(q·√ΔH′) outside 1–9, where the slab formula is not meant to be used.\n"_s;

    for (const CaseResult &result : design.cases) {
        if (result.basin && result.basin->standard.failure)
            text += result.inputs.name + u": standard cross-check: "_s
                    + standardFailureWords(*result.basin->standard.failure, language) + u'\n';
    }
    for (const CaseResult &result : design.cases) {
        if (result.error)
            text += result.inputs.name + u": "_s + stoppedWords(*result.error, language) + u'\n';
    }
    return text.toUtf8();
}

} // namespace varnolt::writers
