#pragma once

#include "design/case_result.h"
#include "writers/report_document.h"
#include "writers/report_words.h"

namespace varnolt::writers::report {

// For a case with a basin, the sunk basin, the sill basin and the combined
// basin side by side with the type adopted, and the scour beyond the apron.
void addBasinTypes(ReportSection &s, const design::CaseResult &r, const design::DesignOptions &o,
        ReportLanguage lang);

// The name of a basin type.
Word typeWord(design::BasinType type);

// Each type's governing case and dimension, and the type adopted.
void addBasinTypesSummary(
        ReportSection &s, const design::DesignResult &design, ReportLanguage lang);

} // namespace varnolt::writers::report
