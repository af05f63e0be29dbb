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
        {u"decision"_s, false},
        {u"d m"_s, true},
        {u"exact d m"_s, true},
        {u"adopted d m"_s, true},
        {u"adopted L m"_s, true},
        {u"basin hco m"_s, true},
        {u"length m"_s, true},
        {u"d′ m"_s, true},
        {u"Lsj m"_s, true},
        {u"t m"_s, true},
        {u"slab m"_s, true},
        {u"Lp m"_s, true},
        {u"governs"_s, false},
};

// Where a case stopped and why: "Command2 stopped, 无解 (no solution): …"; in
// English the kind's key is its name, and is not repeated.
QString stoppedWords(const design::CaseError &stopped, ReportLanguage language)
{
    const ErrorKind kind = stopped.error.kind();
    const QString kindWords = language == ReportLanguage::Chinese
            ? errorKindName(kind) + u" ("_s + errorKindKey(kind) + u')'
            : errorKindKey(kind);
    return design::stageKey(stopped.stage) + u" stopped, "_s + kindWords + u": "_s
            + errorWords(stopped.error, language);
}

QStringList rowOf(const DesignResult &design, std::size_t index)
{
    const CaseResult &result = design.cases[index];
    QStringList row{fitWidth(result.inputs.name, nameWidth),
            QString::fromUtf8(shortestText(result.inputs.q)),
            QString::fromUtf8(shortestText(result.inputs.ht))};
    if (const auto &check = result.check) {
        row << check->text7 << check->text8 << check->text9 << design::jumpKindName(check->jump)
            << two(check->Fr1) << (check->form ? design::jumpFormName(*check->form) : none);
    } else {
        row << u"error"_s << none << none << none << none << none;
    }
    row << (result.check ? design::basinDecisionKey(result.decision) : none);
    if (const auto &basin = result.basin) {
        row << basin->text11 << optionalTwo(basin->exactD) << two(basin->adoptedDepth.adopted)
            << two(basin->adoptedLength.adopted) << basin->text8 << basin->text12
            << optionalTwo(basin->standard.d) << optionalTwo(basin->standard.length)
            << two(basin->slabThickness) + (basin->slabFormulaOutsideRange ? u"*"_s : QString())
            << two(basin->slab);
    } else {
        const QString why = result.check && !result.error ? u"no basin"_s : none;
        row << why << none << none << none << none << none << none << none << none << none;
    }
    row << (result.apron ? two(result.apron->length) : none);
    row << governingText(design, index);
    return row;
}

// The structure's basin as adopted, each dimension with the case that
// governs it; "no case needs a basin" only where no case does, and the cases
// that need one but could not be sized counted and named.
QString summaryLines(const DesignResult &design)
{
    QString text;
    const auto line = [&](const char16_t *what, const std::optional<std::size_t> &index,
                              const auto &value) {
        if (!index)
            return;
        const CaseResult &result = design.cases[*index];
        text += QString::fromUtf16(what) + two(value(result)) + u" m, governed by "_s
                + result.inputs.name + u'\n';
    };
    line(u"Adopted basin depth: ", design.governingDepth,
            [](const CaseResult &r) { return r.basin->adoptedDepth.adopted; });
    line(u"Adopted basin length: ", design.governingLength,
            [](const CaseResult &r) { return r.basin->adoptedLength.adopted; });
    line(u"Slab thickness: ", design.governingSlab,
            [](const CaseResult &r) { return r.basin->slab; });
    line(u"Apron length: ", design.governingApron,
            [](const CaseResult &r) { return r.apron->length; });

    QStringList unsizeable;
    bool anyNeeds = false;
    for (const CaseResult &result : design.cases) {
        anyNeeds = anyNeeds || result.decision != design::BasinDecision::None;
        if (result.decision == design::BasinDecision::Unsizeable)
            unsizeable << result.inputs.name;
    }
    if (!anyNeeds)
        text += u"No case needs a basin.\n"_s;
    if (!unsizeable.isEmpty())
        text += QString::number(unsizeable.size())
                + u" case(s) need a basin that could not be sized: "_s + unsizeable.join(u", "_s)
                + u'\n';
    return text;
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
    text += summaryLines(design);

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
