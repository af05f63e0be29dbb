#include "design/labels.h"
#include "model/errors.h"
#include "writers/case_columns.h"
#include "writers/display_width.h"
#include "writers/error_words.h"
#include "writers/number_text.h"
#include "writers/side_failure_words.h"
#include "writers/writers.h"

#include <QCoreApplication>
#include <QStringList>

#include <array>
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

// The table's words follow the user's locale through the translator the
// program installs, so each is translated where it is printed: a string
// made before the translator was installed would stay English.
QString tableWords(const char *source)
{
    return QCoreApplication::translate("varnolt::writers::Table", source);
}

// A side quantity whose arithmetic failed.
QString failed()
{
    return QCoreApplication::translate("varnolt::writers::Table", "failed");
}

QString two(double value)
{
    return tableNumberText(value, 2);
}

QString optionalTwo(const std::optional<double> &value)
{
    return value ? two(*value) : none;
}

// A column's header is its catalogue source, translated when the table is
// written; symbols and units read the same in every language.
struct TableColumn {
    const char *header;
    bool rightAligned;
};

constexpr std::array tableColumns{
        TableColumn{QT_TRANSLATE_NOOP("varnolt::writers::Table", "case"), false},
        TableColumn{QT_TRANSLATE_NOOP("varnolt::writers::Table", "q m²/s"), true},
        TableColumn{QT_TRANSLATE_NOOP("varnolt::writers::Table", "ht m"), true},
        TableColumn{QT_TRANSLATE_NOOP("varnolt::writers::Table", "hc m"), true},
        TableColumn{QT_TRANSLATE_NOOP("varnolt::writers::Table", "hco m"), true},
        TableColumn{QT_TRANSLATE_NOOP("varnolt::writers::Table", "hco2 m"), true},
        TableColumn{QT_TRANSLATE_NOOP("varnolt::writers::Table", "jump"), false},
        TableColumn{QT_TRANSLATE_NOOP("varnolt::writers::Table", "Fr1"), true},
        TableColumn{QT_TRANSLATE_NOOP("varnolt::writers::Table", "form"), false},
        TableColumn{QT_TRANSLATE_NOOP("varnolt::writers::Table", "decision"), false},
        TableColumn{QT_TRANSLATE_NOOP("varnolt::writers::Table", "d m"), true},
        TableColumn{QT_TRANSLATE_NOOP("varnolt::writers::Table", "exact d m"), true},
        TableColumn{QT_TRANSLATE_NOOP("varnolt::writers::Table", "adopted d m"), true},
        TableColumn{QT_TRANSLATE_NOOP("varnolt::writers::Table", "adopted L m"), true},
        TableColumn{QT_TRANSLATE_NOOP("varnolt::writers::Table", "basin hco m"), true},
        TableColumn{QT_TRANSLATE_NOOP("varnolt::writers::Table", "length m"), true},
        TableColumn{QT_TRANSLATE_NOOP("varnolt::writers::Table", "d′ m"), true},
        TableColumn{QT_TRANSLATE_NOOP("varnolt::writers::Table", "Lsj m"), true},
        TableColumn{QT_TRANSLATE_NOOP("varnolt::writers::Table", "t m"), true},
        TableColumn{QT_TRANSLATE_NOOP("varnolt::writers::Table", "slab m"), true},
        TableColumn{QT_TRANSLATE_NOOP("varnolt::writers::Table", "Lp m"), true},
        TableColumn{QT_TRANSLATE_NOOP("varnolt::writers::Table", "governs"), false},
};

// Where a case stopped and why: "Command2 stopped, no solution: …", the
// kind in the table's language; a translated kind is followed by its key,
// "无解 (no solution)", while in English the key is the name itself.
QString stoppedWords(const design::CaseError &stopped, ReportLanguage language)
{
    const ErrorKind kind = stopped.error.kind();
    const QString key = errorKindKey(kind);
    const QString words = errorKindWords(kind);
    const QString kindWords = words == key ? key : words + u" ("_s + key + u')';
    return QCoreApplication::translate("varnolt::writers::Table", "%1 stopped, %2: %3")
            .arg(design::stageKey(stopped.stage), kindWords, errorWords(stopped.error, language));
}

// A name on one line of the terminal: a line break typed in a cell is a blank.
QString oneLine(QString name)
{
    return name.replace(u"\r\n"_s, u" "_s).replace(u'\n', u' ').replace(u'\r', u' ');
}

// A note on one case, "name: what", as a line of the table's notes.
QString caseLine(const CaseResult &result, const QString &what)
{
    return QCoreApplication::translate("varnolt::writers::Table", "%1: %2")
                   .arg(oneLine(result.inputs.name), what)
            + u'\n';
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
        row << QCoreApplication::translate("varnolt::writers::Table", "error") << none << none
            << none << none << none;
    }
    row << (result.check ? design::basinDecisionKey(result.decision) : none);
    if (const auto &basin = result.basin) {
        row << basin->text11 << optionalTwo(basin->exactD) << two(basin->adoptedDepth.adopted)
            << two(basin->adoptedLength.adopted) << basin->text8 << basin->text12
            << optionalTwo(basin->standard.d) << optionalTwo(basin->standard.length)
            << (result.failed(design::SideQuantity::Slab) ? failed()
                                                          : two(basin->slabThickness)
                                       + (basin->slabFormulaOutsideRange ? u"*"_s : QString()))
            << (result.failed(design::SideQuantity::Slab) ? failed() : two(basin->slab));
    } else {
        const QString why = result.check && !result.error
                ? QCoreApplication::translate("varnolt::writers::Table", "no basin")
                : none;
        row << why << none << none << none << none << none << none << none << none << none;
    }
    row << (result.apron                                         ? two(result.apron->length)
                    : result.failed(design::SideQuantity::Apron) ? failed()
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
    // `what` takes the figure as %1 and the governing case as %2.
    const auto line
            = [&](const char *what, const std::optional<std::size_t> &index, const auto &value) {
                  if (!index)
                      return;
                  const CaseResult &result = design.cases[*index];
                  // The row as well as the name: two cases may bear one name.
                  const design::CaseInputs &inputs = result.inputs;
                  const QString governing = inputs.line > 0
                          ? QCoreApplication::translate("varnolt::writers::Table", "%1 (line %2)")
                                    .arg(oneLine(inputs.name), QString::number(inputs.line))
                          : oneLine(inputs.name);
                  text += tableWords(what).arg(two(value(result)), governing) + u'\n';
              };
    line(QT_TRANSLATE_NOOP("varnolt::writers::Table", "Adopted basin depth: %1 m, governed by %2"),
            design.governingDepth,
            [](const CaseResult &r) { return r.basin->adoptedDepth.adopted; });
    line(QT_TRANSLATE_NOOP("varnolt::writers::Table", "Adopted basin length: %1 m, governed by %2"),
            design.governingLength,
            [](const CaseResult &r) { return r.basin->adoptedLength.adopted; });
    line(QT_TRANSLATE_NOOP("varnolt::writers::Table", "Slab thickness: %1 m, governed by %2"),
            design.governingSlab, [](const CaseResult &r) { return r.basin->slab; });
    line(QT_TRANSLATE_NOOP("varnolt::writers::Table", "Apron length: %1 m, governed by %2"),
            design.governingApron, [](const CaseResult &r) { return r.apron->length; });
    line(QT_TRANSLATE_NOOP(
                 "varnolt::writers::Table", "Sill basin, sill height c: %1 m, governed by %2"),
            design.governingSill, [](const CaseResult &r) { return r.sill->basin->c; });
    line(QT_TRANSLATE_NOOP(
                 "varnolt::writers::Table", "Combined basin, lowering d: %1 m, governed by %2"),
            design.governingCombined, [](const CaseResult &r) { return r.combined->basin->d; });
    line(QT_TRANSLATE_NOOP("varnolt::writers::Table",
                 "Scour depth beyond the apron dm: %1 m, governed by %2"),
            design.governingScour, [](const CaseResult &r) { return r.scour->depth; });
    text += QCoreApplication::translate("varnolt::writers::Table", "Adopted basin type: %1")
                    .arg(design::basinTypeKey(design.options.basinType))
            + u'\n';

    QStringList unsizeable;
    bool anyNeeds = false;
    for (const CaseResult &result : design.cases) {
        anyNeeds = anyNeeds || result.decision != design::BasinDecision::None;
        if (result.decision == design::BasinDecision::Unsizeable)
            unsizeable << oneLine(result.inputs.name);
    }
    if (!anyNeeds)
        text += QCoreApplication::translate("varnolt::writers::Table", "No case needs a basin.")
                + u'\n';
    if (!unsizeable.isEmpty())
        text += QCoreApplication::translate("varnolt::writers::Table",
                        "%1 case(s) need a basin that could not be sized: %2")
                        .arg(QString::number(unsizeable.size()), unsizeable.join(u", "_s))
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
    static constexpr std::array headers{QT_TRANSLATE_NOOP("varnolt::writers::Table", "flood"),
            QT_TRANSLATE_NOOP("varnolt::writers::Table", "Q m³/s"),
            QT_TRANSLATE_NOOP("varnolt::writers::Table", "H m"),
            QT_TRANSLATE_NOOP("varnolt::writers::Table", "v m/s"),
            QT_TRANSLATE_NOOP("varnolt::writers::Table", "ht m"),
            QT_TRANSLATE_NOOP("varnolt::writers::Table", "upstream m"),
            QT_TRANSLATE_NOOP("varnolt::writers::Table", "tailwater m"),
            QT_TRANSLATE_NOOP("varnolt::writers::Table", "basin floor m"),
            QT_TRANSLATE_NOOP("varnolt::writers::Table", "jump level m")};
    QStringList header;
    for (const char *source : headers)
        header << tableWords(source);
    std::vector<QStringList> rows{header};
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
        text += u'\n'
                + QCoreApplication::translate(
                        "varnolt::writers::Table", "Scan of %1 discharges between the floods:")
                          .arg(scan->count)
                + u'\n';
        if (scan->depth) {
            text += u"  "_s
                    + QCoreApplication::translate("varnolt::writers::Table",
                            "deepest basin at Q = %1 m³/s (q = %2 m²/s): d = %3 m")
                              .arg(tableNumberText(scan->depth->discharge, 2),
                                      tableNumberText(scan->depth->q, 3),
                                      tableNumberText(scan->depth->d, 3))
                    + u'\n';
        } else {
            text += u"  "_s
                    + QCoreApplication::translate("varnolt::writers::Table",
                            "no discharge of the range needs the floor lowered")
                    + u'\n';
        }
        if (scan->length) {
            text += u"  "_s
                    + QCoreApplication::translate("varnolt::writers::Table",
                            "longest basin at Q = %1 m³/s (q = %2 m²/s): length %3 m")
                              .arg(tableNumberText(scan->length->discharge, 2),
                                      tableNumberText(scan->length->q, 3),
                                      tableNumberText(scan->length->length, 2))
                    + u'\n';
        }
        if (scan->depthBeyondFloods) {
            text += QCoreApplication::translate("varnolt::writers::Table",
                            "最不利流量 (governing discharge) Q = %1 m³/s: its basin (d = %2 m) is "
                            "deeper than every listed flood's")
                            .arg(tableNumberText(scan->depth->discharge, 2),
                                    tableNumberText(scan->depth->d, 3))
                    + u'\n';
        }
        if (scan->adoptedDepth) {
            text += QCoreApplication::translate(
                            "varnolt::writers::Table", "Adopted basin depth covering it: %1 m")
                            .arg(tableNumberText(*scan->adoptedDepth, 2))
                    + u'\n';
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
        header << tableWords(column.header);
    rows.push_back(header);
    for (std::size_t i = 0; i < design.cases.size(); ++i)
        rows.push_back(rowOf(design, i));

    QString text = alignedLines(rows, [](std::size_t c) {
        const TableColumn &column = tableColumns.at(c);
        return column.rightAligned;
    });

    text += u'\n';
    text += summaryLines(design);

    bool anyOutside = false;
    for (const CaseResult &result : design.cases)
        anyOutside = anyOutside || (result.basin && result.basin->slabFormulaOutsideRange);
    if (anyOutside)
        text += QCoreApplication::translate("varnolt::writers::Table",
                        "* √(q·√ΔH′) outside 1–9, where the slab formula is not meant to be used.")
                + u'\n';

    for (const CaseResult &result : design.cases) {
        if (result.basin && result.basin->standard.failure)
            text += QCoreApplication::translate(
                            "varnolt::writers::Table", "%1: standard cross-check: %2")
                            .arg(oneLine(result.inputs.name),
                                    standardFailureWords(*result.basin->standard.failure, language))
                    + u'\n';
    }
    for (const CaseResult &result : design.cases) {
        for (const design::SideFailure &failure : result.sideFailures)
            text += caseLine(result, sideFailureWords(failure, language));
    }
    for (const CaseResult &result : design.cases) {
        if (result.error)
            text += caseLine(result, stoppedWords(*result.error, language));
    }
    text += floodSection(design);
    return text.toUtf8();
}

} // namespace varnolt::writers
