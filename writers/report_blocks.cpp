#include "writers/report_blocks.h"

#include "writers/formula_reader.h"

namespace varnolt::writers::report {

ReportBlock heading(int level, const QString &text)
{
    ReportBlock b;
    b.kind = ReportBlock::Kind::Heading;
    b.level = level;
    b.text = text;
    return b;
}

ReportBlock paragraph(ReportBlock::Kind kind, const QString &text)
{
    ReportBlock b;
    b.kind = kind;
    b.text = text;
    return b;
}

ReportBlock tableBlock(ReportTable table)
{
    ReportBlock b;
    b.kind = ReportBlock::Kind::Table;
    b.table = std::move(table);
    return b;
}

void Formulas::add(Word quantity, const QString &calculation, const QString &remark)
{
    ReportCell cell{calculation + remark};
    // The range's word, "to" in English, may stand between two formulas.
    cell.formula = readFormula(calculation, remark, {word(Word::RangeTo, m_language).trimmed()});
    m_table.rows.push_back({{word(quantity, m_language)}, std::move(cell)});
}

} // namespace varnolt::writers::report
