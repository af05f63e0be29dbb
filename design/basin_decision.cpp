#include "design/basin_decision.h"

#include "commands/commands.h"
#include "model/checked_math.h"

#include <cmath>
#include <limits>

namespace varnolt::design {

std::optional<double> submergenceOf(float ht, float hco2)
{
    if (hco2 == 0)
        return std::nullopt;
    return checked::div(ht, hco2);
}

bool basinNeeded(std::optional<double> submergence, double sigma)
{
    // Without a conjugate depth there is no jump to hold.
    if (!submergence)
        return false;
    // A factor beyond the single-precision range is compared as it is; the
    // sizing then stops on it with its own error.
    const bool representable = std::abs(sigma) <= std::numeric_limits<float>::max();
    const double formSigma = representable ? static_cast<float>(sigma) : sigma;
    return *submergence < formSigma;
}

BasinDecisionOutcome decideAndSizeBasin(FormModel &form, FormState &state, double sigma)
{
    BasinDecisionOutcome outcome;
    outcome.submergence = submergenceOf(state.ht, state.hco2);
    if (!basinNeeded(outcome.submergence, sigma))
        return outcome;
    try {
        Command2_Click(form, state);
        outcome.decision = BasinDecision::Basin;
    } catch (const CalcError &error) {
        outcome.decision = BasinDecision::Unsizeable;
        outcome.reason = error;
    }
    return outcome;
}

} // namespace varnolt::design
