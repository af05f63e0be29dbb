#pragma once

#include "design/case_result.h"
#include "writers/report_document.h"
#include "writers/report_words.h"

#include <cstddef>

namespace varnolt::writers::report {

// The report's chapters: the basis of the calculation (method, constants,
// formulas, the cross-check's parameters), the summary of all cases with the
// governing ones, and each case's own section.
void addBasis(ReportDocument &doc, const design::DesignOptions &o);
void addSummary(ReportDocument &doc, const design::DesignResult &design);
// A design file's floods with their heads and levels, and the scan between
// them; nothing for a design of case rows.
void addFloods(ReportDocument &doc, const design::DesignResult &design);
ReportSection caseSection(const design::DesignResult &design, std::size_t i, ReportLanguage lang);

// The parts of a case's section: the jump check below the weir, and the
// basin with the standard's cross-check, the floor slab and the apron.
void addCheck(ReportSection &s, const design::CaseInputs &in, const design::CheckResult &c,
        ReportLanguage lang);
void addBasin(ReportSection &s, const design::CaseInputs &in, const design::CheckResult &c,
        const design::BasinResult &b, const design::DesignOptions &o, ReportLanguage lang);

} // namespace varnolt::writers::report
