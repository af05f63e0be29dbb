#include "model/solvers.h"

#include "model/bisect.h"
#include "model/checked_math.h"
#include "model/errors.h"
#include "model/formulas.h"
#include "model/number_text.h"

#include <cmath>
#include <optional>
#include <utility>

namespace varnolt {

namespace {

using checked::toSingle;

[[noreturn]] void headTooSmall()
{
    throw CalcError(ErrorReason::HeadTooSmall);
}

// The root of R on its rising branch (0, h*]: the supercritical contracted
// depth. `hintLow` and `hintHigh` are points already evaluated, used when they
// bracket that root.
template <class EvaluateAt>
double contractedDepthOnRisingBranch(const FormState &state, EvaluateAt &&evaluateAt,
        double hintLow, double yHintLow, double hintHigh, double yHintHigh)
{
    const float ceiling = toSingle(formulas::contractedDepthCeiling(state.q, state.phi));
    if (!(ceiling > 0))
        headTooSmall();
    const double yCeiling = evaluateAt(ceiling);
    if (yCeiling < 0)
        headTooSmall();
    if (yCeiling == 0)
        return ceiling;

    double hi = ceiling;
    double yHi = yCeiling;
    if (hintHigh > 0 && hintHigh < ceiling && yHintHigh > 0) {
        hi = hintHigh;
        yHi = yHintHigh;
    }
    double lo = hintLow;
    double yLo = yHintLow;
    if (!(lo > 0 && lo < hi && yLo < 0)) {
        // R → −∞ as h → 0, so halving reaches a negative residual; the count
        // is the exponent range of a double.
        lo = hi;
        yLo = yHi;
        for (int halvings = 0; yLo >= 0; ++halvings) {
            if (halvings > 1100)
                headTooSmall();
            lo = toSingle(lo / 2);
            if (lo == 0)
                headTooSmall();
            yLo = evaluateAt(lo);
        }
    }
    return bisectToSinglePrecision(evaluateAt, lo, yLo, hi, yHi);
}

// Keeps the fixed procedure where its start interval holds the contracted
// depth: a positive interval, R negative at its lower end and positive at
// its upper. Otherwise (no sign change, or a sign change that belongs to the
// subcritical root above h*, as a reversed interval below 0.2 can give) the
// rising-branch root is found instead.
auto contractedDepthRescue(const FormState &state)
{
    return [&state](const BisectStart &start, auto &&evaluateAt) -> std::optional<double> {
        // Without a discharge there is no jet to look for: the procedure runs
        // as written and the conjugate depth that follows is zero, which the
        // basin balance then meets as zero divided by zero.
        if (state.q == 0)
            return std::nullopt;
        const bool lowFirst = start.low <= start.high;
        const double a = lowFirst ? start.low : start.high;
        const double ya = lowFirst ? start.lowResidual : start.highResidual;
        const double b = lowFirst ? start.high : start.low;
        const double yb = lowFirst ? start.highResidual : start.lowResidual;
        if (a > 0 && ya < 0 && yb > 0)
            return std::nullopt;
        return contractedDepthOnRisingBranch(state, evaluateAt, a, ya, b, yb);
    };
}

double contractedDepthSolve(
        FormState &state, BisectBound high, int iterations, ResidualPrecision precision)
{
    // E0, q and phi stay the same while the contracted depth is sought.
    const formulas::ContractedDepthResidual residual(state.E0, state.q, state.phi);
    return Bisect(
            state.hco, [&] { return residual(state.hco); }, 0.2, high, iterations, precision,
            contractedDepthRescue(state));
}

} // namespace

double JumpCheckSolve(FormState &state)
{
    return contractedDepthSolve(state, BisectBound(state.hc), 16, ResidualPrecision::Single);
}

double TrialDepthSolve(FormState &state, FieldReadings &readings)
{
    return contractedDepthSolve(
            state, BisectBound(readings, Field::Text7), 10, ResidualPrecision::Double);
}

double FinalDepthSolve(FormState &state, FieldReadings &readings)
{
    return contractedDepthSolve(
            state, BisectBound(readings, Field::Text7), 16, ResidualPrecision::Double);
}

double ExactContractedDepth(FormState &state)
{
    const formulas::ContractedDepthResidual residual(state.E0, state.q, state.phi);
    auto evaluateAt = [&](double h) {
        state.hco = toSingle(h);
        return residual(state.hco);
    };
    return contractedDepthOnRisingBranch(state, evaluateAt, 0, 0, 0, 0);
}

// The balance is met without a basin. That means a submerged jump only where
// the tailwater is subcritical; a tailwater shallower than the critical
// depth is supercritical flow, which holds no jump at all, and no basin can
// be sized from it.
void detail::noBasinNeeded(const FormState &state, const QLocale &locale)
{
    const float hc = toSingle(formulas::criticalDepth(state.q));
    if (state.ht < hc) {
        ErrorFigures figures;
        figures.tailwater = SingleText(state.ht, locale);
        figures.criticalDepth = SingleText(hc, locale);
        throw CalcError(ErrorReason::SupercriticalTailwater, std::move(figures));
    }
    throw CalcError(ErrorReason::JumpHeldWithoutBasin);
}

void detail::noBasinDeepEnough()
{
    ErrorFigures figures;
    figures.deepest = deepestBasin;
    throw CalcError(ErrorReason::NoBasinDeepEnough, std::move(figures));
}

} // namespace varnolt
