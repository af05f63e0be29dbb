#include "design/labels.h"
#include "model/errors.h"
#include "writers/case_columns.h"
#include "writers/display_width.h"
#include "writers/error_words.h"
#include "writers/number_text.h"
#include "writers/side_failure_words.h"
#include "writers/writers.h"

#include <QStringList>

#include <functional>
#include <numeric>
#include <vector>

namespace varnolt::writers {

using namespace Qt::StringLiterals;
using design::CaseResult;
using design::DesignResult;

namespace {

constexpr int nameWidth = 24;
const QString none = u"–"_s;
const QString failed = u"failed"_s; // a side quantity whose arithmetic failed

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
    row << (result.check ? design::basinDecisionKey(result.decision) : none);
    if (const auto &basin = result.basin) {
        row << basin->text11 << optionalTwo(basin->exactD) << two(basin->adoptedDepth.adopted)
            << two(basin->adoptedLength.adopted) << basin->text8 << basin->text12
            << optionalTwo(basin->standard.d) << optionalTwo(basin->standard.length)
            << (result.failed(design::SideQuantity::Slab) ? failed
                                                          : two(basin->slabThickness)
                                       + (basin->slabFormulaOutsideRange ? u"*"_s : QString()))
            << (result.failed(design::SideQuantity::Slab) ? failed : two(basin->slab));
    } else {
        const QString why = result.check && !result.error ? u"no basin"_s : none;
        row << why << none << none << none << none << none << none << none << none << none;
    }
    row << (result.apron                                         ? two(result.apron->length)
                    : result.failed(design::SideQuantity::Apron) ? failed
                                                                 : none);
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
        // The row as well as the name: two cases may bear one name.
        const design::CaseInputs &inputs = result.inputs;
        const QString row = inputs.line > 0 ? u" (line %1)"_s.arg(inputs.line) : QString();
        text += QString::fromUtf16(what) + two(value(result)) + u" m, governed by "_s
                + oneLine(inputs.name) + row + u'\n';
    };
    line(u"Adopted basin depth: ", design.governingDepth,
            [](const CaseResult &r) { return r.basin->adoptedDepth.adopted; });
    line(u"Adopted basin length: ", design.governingLength,
            [](const CaseResult &r) { return r.basin->adoptedLength.adopted; });
    line(u"Slab thickness: ", design.governingSlab,
            [](const CaseResult &r) { return r.basin->slab; });
    line(u"Apron length: ", design.governingApron,
            [](const CaseResult &r) { return r.apron->length; });
    line(u"Sill basin, sill height c: ", design.governingSill,
            [](const CaseResult &r) { return r.sill->basin->c; });
    line(u"Combined basin, lowering d: ", design.governingCombined,
            [](const CaseResult &r) { return r.combined->basin->d; });
    line(u"Scour depth beyond the apron dm: ", design.governingScour,
            [](const CaseResult &r) { return r.scour->depth; });
    text += u"Adopted basin type: "_s + design::basinTypeKey(design.options.basinType) + u'\n';

    QStringList unsizeable;
    bool anyNeeds = false;
    for (const CaseResult &result : design.cases) {
        anyNeeds = anyNeeds || result.decision != design::BasinDecision::None;
        if (result.decision == design::BasinDecision::Unsizeable)
            unsizeable << oneLine(result.inputs.name);
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

// Rows of cells as lines, each column as wide as its widest cell; the first
// row is the header, underlined, and below it the columns `rightAligned`
// names are right aligned.
QString alignedLines(
        const std::vector<QStringList> &rows, const std::function<bool(std::size_t)> &rightAligned)
{
    std::vector<int> widths(std::size_t(rows.front().size()), 0);
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
            appendPadded(line, rows[r][qsizetype(c)], widths[c], r > 0 && rightAligned(c));
        }
        while (line.endsWith(u' '))
            line.chop(1);
        text += line + u'\n';
        if (r == 0) {
            const int total = std::accumulate(widths.begin(), widths.end(), 0);
            text += QString(total + 2 * int(widths.size() - 1), u'-') + u'\n';
        }
    }
    return text;
}

// The floods of a design file: each discharge with the head, velocity and
// tailwater derived for it and its levels; then what the scan between the
// floods found. Empty for a design of case rows.
QString floodSection(const DesignResult &design)
{
    std::vector<QStringList> rows{{u"flood"_s, u"Q m³/s"_s, u"H m"_s, u"v m/s"_s, u"ht m"_s,
            u"upstream m"_s, u"tailwater m"_s, u"basin floor m"_s, u"jump level m"_s}};
    for (const CaseResult &result : design.cases) {
        if (const auto &flood = result.flood) {
            rows.push_back({fitWidth(result.inputs.name, nameWidth),
                    QString::fromUtf8(shortestText(flood->discharge)), tableNumberText(flood->H, 3),
                    tableNumberText(flood->v0, 3), tableNumberText(result.inputs.ht, 3),
                    two(flood->upstreamLevel), two(flood->tailwaterLevel),
                    two(flood->basinFloorLevel), optionalTwo(flood->jumpLevel)});
        }
    }
    QString text;
    if (rows.size() > 1)
        text += u'\n' + alignedLines(rows, [](std::size_t c) { return c > 0; });
    if (const auto &scan = design.scan) {
        text += u"\nScan of %1 discharges between the floods:\n"_s.arg(scan->count);
        if (scan->depth) {
            text += u"  deepest basin at Q = %1 m³/s (q = %2 m²/s): d = %3 m\n"_s.arg(
                    tableNumberText(scan->depth->discharge, 2), tableNumberText(scan->depth->q, 3),
                    tableNumberText(scan->depth->d, 3));
        } else {
            text += u"  no discharge of the range needs the floor lowered\n"_s;
        }
        if (scan->length) {
            text += u"  longest basin at Q = %1 m³/s (q = %2 m²/s): length %3 m\n"_s.arg(
                    tableNumberText(scan->length->discharge, 2),
                    tableNumberText(scan->length->q, 3), tableNumberText(scan->length->length, 2));
        }
        if (scan->depthBeyondFloods) {
            text += u"最不利流量 (governing discharge) Q = %1 m³/s: its basin (d = %2 m) is deeper "
                    u"than every listed flood's\n"_s.arg(tableNumberText(scan->depth->discharge, 2),
                            tableNumberText(scan->depth->d, 3));
        }
        if (scan->adoptedDepth) {
            text += u"Adopted basin depth covering it: %1 m\n"_s.arg(
                    tableNumberText(*scan->adoptedDepth, 2));
        }
    }
    return text;
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

    QString text = alignedLines(rows, [](std::size_t c) { return tableColumns[c].rightAligned; });

    text += u'\n';
    text += summaryLines(design);

    bool anyOutside = false;
    for (const CaseResult &result : design.cases)
        anyOutside = anyOutside || (result.basin && result.basin->slabFormulaOutsideRange);
    if (anyOutside)
        text += u"* √(q·√ΔH′) outside 1–9, where the slab formula is not meant to be used.\n"_s;

    for (const CaseResult &result : design.cases) {
        if (result.basin && result.basin->standard.failure)
            text += oneLine(result.inputs.name) + u": standard cross-check: "_s
                    + standardFailureWords(*result.basin->standard.failure, language) + u'\n';
    }
    for (const CaseResult &result : design.cases) {
        for (const design::SideFailure &failure : result.sideFailures)
            text += oneLine(result.inputs.name) + u": "_s + sideFailureWords(failure, language)
                    + u'\n';
    }
    for (const CaseResult &result : design.cases) {
        if (result.error)
            text += oneLine(result.inputs.name) + u": "_s + stoppedWords(*result.error, language)
                    + u'\n';
    }
    text += floodSection(design);
    return text.toUtf8();
}

} // namespace varnolt::writers
