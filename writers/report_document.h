#pragma once

#include "design/case_result.h"
#include "writers/formula.h"
#include "writers/report_words.h"
#include "writers/setting_origins.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <optional>
#include <vector>

namespace varnolt::writers {

// How a calculation report is headed.
struct ReportSettings {
    ReportLanguage language = ReportLanguage::Chinese;
    QString title; // empty: the default title 消能计算书
    QDate date;
    // The title block's entries given on the command line: each one given
    // overrides the design file's [project] entry, each one empty leaves it.
    design::ProjectInfo project;
    // Where each design-wide setting came from, for the coefficients' sources.
    SettingOrigins origins;
};

// The calculation report as plain text in blocks, before it becomes HTML or
// Markdown: both carry the same words, formulas and tables, and only this
// builder knows what the report says. Every text is plain; the writers
// escape all of it, what came from the case file included.
struct ReportCell {
    QString text;
    bool numeric = false;
    bool marked = false; // a governing figure
    // A calculation's formulas, typeset by the writers that can: `text` is
    // the same calculation in one line.
    std::optional<Formula> formula = std::nullopt;
};

struct ReportTable {
    enum class Style { Data, Inputs, Formulas, Summary, Project, SignOff, Coefficients };
    Style style = Style::Data;
    QStringList header; // empty: no header row
    std::vector<std::vector<ReportCell>> rows;
};

struct ReportBlock {
    enum class Kind { Heading, Paragraph, Verdict, Error, Note, Table, Sketch };
    Kind kind = Kind::Paragraph;
    int level = 0; // headings: 2 for chapters, 3 for cases, 4 for parts of a case
    QString text;
    ReportTable table;
    std::size_t caseIndex = 0; // sketches
};

struct ReportSection {
    QString id;
    bool isCase = false; // starts a new page when printed
    std::vector<ReportBlock> blocks;
};

struct ReportDocument {
    ReportLanguage language = ReportLanguage::Chinese;
    QString title;
    QString dateLine; // 日期：2026-12-07
    // The title page: the project's name, design stage and report number,
    // an empty cell for each one not given, and the sign-off table with
    // empty cells for the names and dates.
    ReportTable projectTable;
    ReportTable signOffTable;
    // The running header of every printed page (the project's name and the
    // title, shortened) and its footer's pattern, %1 the page and %2 the
    // number of pages.
    QString pageHeader;
    QString pageFooter;
    std::vector<ReportSection> sections;
};

// The title block's entries: each one given in `given` over the design
// file's, none made up where neither gives it.
design::ProjectInfo projectOf(
        const std::optional<design::ProjectInfo> &file, const design::ProjectInfo &given);

ReportDocument buildReport(const design::DesignResult &design, const ReportSettings &settings);

// The report around its cases: `document` holds the chapters before and
// after them, and the cases' sections belong at `caseSectionsAt`, one per
// case in the cases' order. A writer that streams builds each case's
// section as it writes it (caseReportSection), so that a report of many
// cases never holds all of them at once.
struct ReportFrame {
    ReportDocument document;
    std::size_t caseSectionsAt = 0;
};
ReportFrame buildReportFrame(const design::DesignResult &design, const ReportSettings &settings);
ReportSection caseReportSection(
        const design::DesignResult &design, std::size_t index, ReportLanguage language);

// A case's name as the report shows it: its own name without control
// characters, bounded to a readable length, or 工况 N when it has none.
QString caseTitle(const design::CaseResult &result, std::size_t index, ReportLanguage language);

} // namespace varnolt::writers
