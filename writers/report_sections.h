#pragma once

#include "design/case_result.h"
#include "design/standard_check.h"
#include "writers/report_document.h"
#include "writers/report_words.h"

#include <cstddef>

namespace varnolt::writers::report {

// The title page's tables and the printed pages' running header and
// footer, from the project's entries and the report's title.
void addTitlePage(ReportDocument &doc, const design::ProjectInfo &project);

// The report's chapters, in order: 1 the design conditions (the structure
// and its levels, the floods or the cases as given, the coefficients and
// those used outside their usual ranges); 2 the method and basis (method,
// standard, constants, formulas); 3 each case's own section; 4 the summary
// of all cases with the governing ones and the scan; 5 the conclusion, the
// type adopted and its dimensions.
void addConditions(
        ReportDocument &doc, const design::DesignResult &design, const SettingOrigins &origins);
void addBasis(ReportDocument &doc, const design::DesignResult &design);
ReportSection caseSection(const design::DesignResult &design, std::size_t i, ReportLanguage lang);
void addSummary(ReportDocument &doc, const design::DesignResult &design);
void addConclusion(ReportDocument &doc, const design::DesignResult &design);

// A design file's floods with their heads and levels; what the scan between
// them found (nothing without a scan).
void addFloodTable(ReportSection &s, const design::DesignResult &design, ReportLanguage lang);
void addScan(ReportSection &s, const design::DesignResult &design, ReportLanguage lang);

// The parts of a case's section: the jump check below the weir, and the
// basin with the standard's cross-check, the floor slab and the apron.
void addCheck(ReportSection &s, const design::CaseInputs &in, const design::CheckResult &c,
        ReportLanguage lang);
void addBasin(ReportSection &s, const design::CaseResult &r, const design::DesignOptions &o,
        ReportLanguage lang);

// What the design decided for the basin, by σ′ = ht/hco2 against σ.
void addDecision(ReportSection &s, const design::CaseResult &r, ReportLanguage lang);

// The basin's adopted depth and length, each with the method that gave it,
// and its floor slab: against scour, its end, against uplift where an
// uplift is given, and the thickness adopted.
void addAdopted(ReportSection &s, const design::BasinResult &b, const design::DesignOptions &o,
        ReportLanguage lang);
// A case whose slab or uplift arithmetic failed has the failure said in
// their place; the basin above stands.
void addSlab(ReportSection &s, const design::CaseResult &r, const design::DesignOptions &o,
        ReportLanguage lang);

// A note for each failure of `quantity`'s arithmetic in the case, in place
// of its working; whether there was one.
bool addSideFailures(ReportSection &s, const design::CaseResult &r, design::SideQuantity quantity,
        ReportLanguage lang);

// The apron beyond the basin, for every case that has one, with or without
// a basin.
void addApron(ReportSection &s, const design::CaseResult &r, const design::DesignOptions &o,
        ReportLanguage lang);

// The case a governing index names, or none.
const design::CaseResult *governingCase(
        const design::DesignResult &design, const std::optional<std::size_t> &index);
// The figures of the first flood, whose levels are the structure's; none
// for a design of case rows.
const design::FloodFigures *firstFlood(const design::DesignResult &design);

// The case's flow as the form holds it: the inputs in single precision,
// widened again, as the design's own formulas take them.
design::WeirFlow flowOf(const design::CaseInputs &in);

} // namespace varnolt::writers::report
