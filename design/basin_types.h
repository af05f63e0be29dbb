#pragma once

#include "design/case_result.h"
#include "design/standard_check.h"

namespace varnolt::design {

// The sill and the combined basin beside the sunk one, for a case that
// needs a basin (its decision made), and the scour beyond the apron for
// every checked case (where the design knows the bed's allowable velocity).
// `flow` is the weir's flow as the window's check read it (its σ aside,
// which the check does not read); the case's check
// must be set. Failures of the sill's or the combined basin's arithmetic
// are recorded in their results, never thrown.
void addBasinTypes(CaseResult &result, const WeirFlow &flow, const DesignOptions &options);

} // namespace varnolt::design
