#include "writers/report_blocks.h"

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

} // namespace varnolt::writers::report
