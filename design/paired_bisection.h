#pragma once

#include <array>
#include <optional>

namespace varnolt::design {

// A basin search's bisection of a depth d between a trial `low` whose
// residual is negative and a trial `high` whose residual is not, down to
// adjacent doubles. `Trial` holds its depth as `d` and its residual as
// `residual`; `at(d)` makes one trial, `atTogether({d1, d2, d3})` three at
// once, or none where they cannot be made together.
//
// Two steps at a time: the next step's midpoint in either half is formed
// from the bounds that step would have, and the trials at all three
// midpoints are made together; the steps taken, and where they stop, are
// those of one step after the other. Where the three cannot be made
// together, the step is taken alone.
template <typename Trial, typename At, typename AtTogether>
void bisectInPairs(Trial &low, Trial &high, const At &at, const AtTogether &atTogether)
{
    for (;;) {
        const double middle = low.d + (high.d - low.d) / 2;
        if (middle <= low.d || middle >= high.d)
            return;
        const double lowerMiddle = low.d + (middle - low.d) / 2;
        const double upperMiddle = middle + (high.d - middle) / 2;
        const std::optional<std::array<Trial, 3>> together
                = atTogether(std::array<double, 3>{middle, lowerMiddle, upperMiddle});
        const Trial atMiddle = together ? (*together)[0] : at(middle);
        const bool raised = atMiddle.residual < 0;
        (raised ? low : high) = atMiddle;
        if (!together)
            continue;
        const Trial &atNext = raised ? (*together)[2] : (*together)[1];
        if (atNext.d <= low.d || atNext.d >= high.d)
            return;
        (atNext.residual < 0 ? low : high) = atNext;
    }
}

} // namespace varnolt::design
