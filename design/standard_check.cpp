#include "design/standard_check.h"

#include "design/slab_and_apron.h"

#include "model/checked_math.h"
#include "model/errors.h"
#include "model/formulas.h"

#include <algorithm>
#include <cmath>

namespace varnolt::design {

namespace c = varnolt::checked;

namespace {

// Beyond this many rounds the fixed point is declared unsettled; the
// iteration contracts fast (d′ grows like the fourth root of T0), so a
// healthy case settles in well under twenty.
constexpr int maxRounds = 200;

double checkedCubic(double h, double T0, double constant)
{
    return c::add(c::mul(c::mul(h, h), c::sub(h, T0)), constant);
}

// The cubic's value as the plain arithmetic gives it, infinite or NaN where
// a step overflows or is undefined.
double plainCubic(double h, double T0, double constant)
{
    return (h * h) * (h - T0) + constant;
}

// The same operations in the same order, unchecked: a step that overflows
// or is undefined leaves the result infinite or NaN (a sum, difference or
// product with one never becomes finite again), and only then is the
// checked form run, to fail at that step. The bisections evaluate the
// cubic some thousands of times a case.
double cubic(double h, double T0, double constant)
{
    const double value = plainCubic(h, T0, constant);
    if (!std::isfinite(value)) [[unlikely]]
        return checkedCubic(h, T0, constant);
    return value;
}

} // namespace

double standardTotalHead(const WeirFlow &flow, double alpha)
{
    const double velocityHead = c::div(c::mul(alpha, c::mul(flow.v, flow.v)), formulas::twoG);
    return c::add(c::add(flow.a1, flow.H), velocityHead);
}

std::optional<double> standardContractedDepth(double T0, double q, double phi, double alpha)
{
    if (!(T0 > 0))
        return std::nullopt;
    const double constant
            = c::div(c::mul(alpha, c::mul(q, q)), c::mul(formulas::twoG, c::mul(phi, phi)));
    double low = 0;
    double high = c::div(c::mul(2.0, T0), 3.0);
    if (cubic(high, T0, constant) > 0)
        return std::nullopt;
    // Plain bisection to the last bit: f(low) > 0 ≥ f(high) throughout.
    // Which half holds the root is a coin toss to the branch predictor, so
    // the new bound is selected without a branch (conditional moves); the
    // comparisons and the midpoints are the same as with a branch.
    for (;;) {
        const double middle = low + (high - low) / 2;
        if (middle <= low || middle >= high)
            break;
        const bool above = cubic(middle, T0, constant) > 0;
        low = above ? middle : low;
        high = above ? high : middle;
    }
    return high;
}

std::optional<std::array<double, 3>> standardContractedDepths(
        const std::array<double, 3> &T0, double q, double phi, double alpha)
{
    constexpr std::size_t heads = 3;
    if (!std::all_of(T0.begin(), T0.end(), [](double head) { return head > 0; }))
        return std::nullopt;
    const double constant
            = c::div(c::mul(alpha, c::mul(q, q)), c::mul(formulas::twoG, c::mul(phi, phi)));
    std::array<double, heads> high{};
    for (std::size_t k = 0; k < heads; ++k) {
        high[k] = c::div(c::mul(2.0, T0[k]), 3.0);
        const double atHigh = plainCubic(high[k], T0[k], constant);
        if (!std::isfinite(atHigh) || atHigh > 0)
            return std::nullopt;
    }
    // Each head's bisection exactly as standardContractedDepth() runs it; a
    // head whose bounds have met stops stepping while the others go on. The
    // three are written out one by one so that their bounds stay in
    // registers.
    bool finite = true;
    const auto step = [&finite, constant](double head, double &low, double &high, bool &stepping) {
        const double middle = low + (high - low) / 2;
        const bool steps = stepping && middle > low && middle < high;
        const double value = plainCubic(middle, head, constant);
        finite = finite && (!steps || std::isfinite(value));
        const bool above = value > 0;
        low = steps && above ? middle : low;
        high = steps && !above ? middle : high;
        stepping = steps;
    };
    double low0 = 0, low1 = 0, low2 = 0;
    double high0 = high[0], high1 = high[1], high2 = high[2];
    bool stepping0 = true, stepping1 = true, stepping2 = true;
    while (stepping0 || stepping1 || stepping2) {
        step(T0[0], low0, high0, stepping0);
        step(T0[1], low1, high1, stepping1);
        step(T0[2], low2, high2, stepping2);
    }
    if (!finite)
        return std::nullopt;
    return std::array<double, heads>{high0, high1, high2};
}

StandardCheck standardCheck(const WeirFlow &flow, const DesignOptions &options)
{
    StandardCheck result;
    try {
        const double alpha = options.alpha;
        const double E0 = standardTotalHead(flow, alpha);
        const double alphaQ2 = c::mul(alpha, c::mul(flow.q, flow.q));
        const double widthFactor = c::pow(options.widthRatio, 0.25);
        // The tailwater's head at the exit with the exit's own coefficient φ′.
        const double tailwaterHead = c::div(alphaQ2,
                c::mul(c::mul(formulas::twoG, c::mul(options.exitPhi, options.exitPhi)),
                        c::mul(flow.ht, flow.ht)));
        double depth = 0;
        for (int round = 0; round < maxRounds; ++round) {
            const double T0 = c::add(E0, depth);
            const std::optional<double> hco = standardContractedDepth(T0, flow.q, flow.phi, alpha);
            if (!hco) {
                result.failure
                        = StandardFailure{StandardFailure::Reason::NoContractedDepth, T0, {}};
                return result;
            }
            const double root = c::pow(
                    c::add(1.0, c::div(c::mul(8.0, alphaQ2), c::mul(formulas::g, c::pow(*hco, 3)))),
                    0.5);
            const double conjugate
                    = c::mul(c::mul(c::div(*hco, 2.0), c::sub(root, 1.0)), widthFactor);
            const double deltaZ = c::sub(tailwaterHead,
                    c::div(alphaQ2, c::mul(formulas::twoG, c::mul(conjugate, conjugate))));
            const double next = c::sub(c::sub(c::mul(flow.sigma, conjugate), flow.ht), deltaZ);
            const bool settled = std::abs(next - depth) <= 1e-12 * std::max(1.0, std::abs(next));
            depth = next;
            if (settled) {
                result.d = depth;
                result.T0 = T0;
                result.hco = *hco;
                result.conjugate = conjugate;
                result.deltaZ = deltaZ;
                result.length = c::add(options.slopeLength,
                        c::mul(c::mul(options.beta, formulas::freeJumpFactor),
                                c::sub(conjugate, *hco)));
                return result;
            }
        }
        result.failure = StandardFailure{StandardFailure::Reason::NotSettled, 0, {}};
    } catch (const CalcError &error) {
        result = StandardCheck{};
        result.failure = StandardFailure{StandardFailure::Reason::Arithmetic, 0, error};
    }
    return result;
}

ScourSlab scourSlab(const WeirFlow &flow, const DesignOptions &options)
{
    ScourSlab result;
    result.headDifference = headDifference(flow);
    result.slabThickness = scourSlabThickness(flow.q, result.headDifference, options.k1);
    const double root = scourParameter(flow.q, result.headDifference);
    result.outsideRange = root < 1.0 || root > 9.0;
    return result;
}

} // namespace varnolt::design
