#pragma once

#include "design/case_result.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace varnolt::design {

// The coefficients a design chooses whose usual ranges are known.
enum class Coefficient {
    SlabCoefficient, // k1, 0.15–0.20
    SubmergenceFactor, // σ, 1.05–1.10
    JumpLengthShare, // β, 0.7–0.8
    VelocityCoefficient, // φ, 0.85 and above
};

// A coefficient used outside its usual range: which, the value used, the
// range (an open end where the range has none), and the case it belongs to
// for a coefficient each case gives (σ, φ). A value, not a text: each writer
// words it.
struct CoefficientWarning {
    Coefficient coefficient = Coefficient::SlabCoefficient;
    double value = 0;
    std::optional<double> low;
    std::optional<double> high;
    std::optional<std::size_t> caseIndex;

    bool operator==(const CoefficientWarning &) const = default;
};

// The warning for one value of a coefficient, none inside its range (ends
// included). Values are compared as given, in double precision: σ = 1.1
// typed is within 1.05–1.10, though its single-precision form is not.
std::optional<CoefficientWarning> coefficientWarning(Coefficient coefficient, double value);

// Every warning of a design: k1 and β once, then σ and φ case by case.
std::vector<CoefficientWarning> coefficientWarnings(
        const DesignOptions &options, const std::vector<CaseInputs> &cases);

} // namespace varnolt::design
