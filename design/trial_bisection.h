#pragma once

namespace varnolt::design {

// A basin search's bisection of a depth d between a trial `low` whose
// residual is negative and a trial `high` whose residual is not, down to
// adjacent doubles. `Trial` holds its depth as `d` and its residual as
// `residual`; `at(d)` makes the trial at d.
template <typename Trial, typename At> void bisectTrials(Trial &low, Trial &high, const At &at)
{
    for (;;) {
        const double middle = low.d + (high.d - low.d) / 2;
        if (middle <= low.d || middle >= high.d)
            return;
        const Trial atMiddle = at(middle);
        (atMiddle.residual < 0 ? low : high) = atMiddle;
    }
}

} // namespace varnolt::design
