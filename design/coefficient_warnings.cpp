#include "design/coefficient_warnings.h"

namespace varnolt::design {

UsualRange usualRange(Coefficient coefficient)
{
    switch (coefficient) {
    case Coefficient::SlabCoefficient:
        return {0.15, 0.20};
    case Coefficient::SubmergenceFactor:
        return {1.05, 1.10};
    case Coefficient::JumpLengthShare:
        return {0.7, 0.8};
    case Coefficient::VelocityCoefficient:
        return {0.85, std::nullopt};
    }
    return {};
}

namespace {

void addWarning(std::vector<CoefficientWarning> &warnings, Coefficient coefficient, double value,
        std::optional<std::size_t> caseIndex = std::nullopt)
{
    if (std::optional<CoefficientWarning> warning = coefficientWarning(coefficient, value)) {
        warning->caseIndex = caseIndex;
        warnings.push_back(*warning);
    }
}

} // namespace

std::optional<CoefficientWarning> coefficientWarning(Coefficient coefficient, double value)
{
    const UsualRange range = usualRange(coefficient);
    // Written so that a NaN, inside no range, is warned about too.
    const bool aboveLow = !range.low || value >= *range.low;
    const bool belowHigh = !range.high || value <= *range.high;
    if (aboveLow && belowHigh)
        return std::nullopt;
    return CoefficientWarning{coefficient, value, range.low, range.high, std::nullopt};
}

std::vector<CoefficientWarning> coefficientWarnings(
        const DesignOptions &options, const std::vector<CaseInputs> &cases)
{
    std::vector<CoefficientWarning> warnings;
    addWarning(warnings, Coefficient::SlabCoefficient, options.k1);
    addWarning(warnings, Coefficient::JumpLengthShare, options.beta);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        addWarning(warnings, Coefficient::SubmergenceFactor, cases[i].sigma, i);
        addWarning(warnings, Coefficient::VelocityCoefficient, cases[i].phi, i);
    }
    return warnings;
}

} // namespace varnolt::design
