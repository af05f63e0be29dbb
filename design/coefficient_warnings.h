#pragma once

#include "design/case_result.h"
#include "design/coefficient_warning.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace varnolt::design {

// The usual range of a coefficient, the ends included; an open end where
// the range has none (φ is usually 0.85 and above). The warnings and the
// report's sources of the coefficients both read it here.
struct UsualRange {
    std::optional<double> low;
    std::optional<double> high;
};

UsualRange usualRange(Coefficient coefficient);

// The warning for one value of a coefficient, none inside its range (ends
// included). Values are compared as given, in double precision: σ = 1.1
// typed is within 1.05–1.10, though its single-precision form is not.
std::optional<CoefficientWarning> coefficientWarning(Coefficient coefficient, double value);

// Every warning of a design: k1 and β once, then σ and φ case by case.
std::vector<CoefficientWarning> coefficientWarnings(
        const DesignOptions &options, const std::vector<CaseInputs> &cases);

} // namespace varnolt::design
