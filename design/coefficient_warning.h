#pragma once

#include <cstddef>
#include <optional>

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

} // namespace varnolt::design
