#pragma once

#include "design/case_result.h"
#include "writers/report_words.h"

#include <QString>

#include <span>

namespace varnolt::writers {

// One cell of a case's row in a spreadsheet: nothing, a number or a text.
struct Cell {
    enum class Kind { Empty, Number, Text };
    Kind kind = Kind::Empty;
    double number = 0;
    QString text;

    static Cell empty() { return {}; }
    static Cell of(double value) { return {Kind::Number, value, {}}; }
    static Cell of(const QString &value) { return {Kind::Text, 0, value}; }
};

// A column of the spreadsheet formats: the header with its unit, and the
// cell of the case at `index` of the design.
struct CaseColumn {
    const char16_t *header;
    // Error messages and notes in `language`; keys and numbers in any.
    Cell (*cell)(const design::DesignResult &design, std::size_t index, ReportLanguage language);
};

// The columns of CSV and the workbook, one row per case, in this order.
std::span<const CaseColumn> caseColumns();

// "depth", "length", "depth, length" or empty: what a case governs.
QString governingText(const design::DesignResult &design, std::size_t index);

} // namespace varnolt::writers
