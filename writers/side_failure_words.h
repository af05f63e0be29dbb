#pragma once

#include "design/case_result.h"
#include "writers/report_words.h"

#include <QString>

namespace varnolt::writers {

// "apron length Lp not computed: …": a quantity beside the basin whose
// arithmetic failed, with the failure's own sentence, in the report's
// language. The basin and the case's other figures stand.
QString sideFailureWords(const design::SideFailure &failure, ReportLanguage language);

} // namespace varnolt::writers
