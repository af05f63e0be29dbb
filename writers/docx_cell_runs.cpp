#include "writers/docx_run.h"

namespace varnolt::writers {

std::vector<DocxRun> cellRuns(const ReportCell &cell)
{
    return {DocxRun{cell.text, cell.marked, DocxRun::Shift::None}};
}

} // namespace varnolt::writers
