#pragma once

#include "writers/report_document.h"
#include "writers/report_words.h"

#include <QString>

namespace varnolt::writers::report {

// The blocks the report's sections are made of.
ReportBlock heading(int level, const QString &text);
ReportBlock paragraph(ReportBlock::Kind kind, const QString &text);
ReportBlock tableBlock(ReportTable table);

// A table of formulas: what is computed, and the calculation itself.
class Formulas {
public:
    explicit Formulas(ReportLanguage language)
        : m_language(language)
    {
        m_table.style = ReportTable::Style::Formulas;
    }
    // The calculation in the report's linear notation, and the remark
    // after it in words ("  (root by bisection)"), which no formula reads.
    void add(Word quantity, const QString &calculation, const QString &remark = {});
    ReportBlock block() const { return tableBlock(m_table); }

private:
    ReportLanguage m_language;
    ReportTable m_table;
};

} // namespace varnolt::writers::report
