#pragma once

#include "model/bisect.h"
#include "model/checked_math.h"
#include "model/field_readings.h"
#include "model/form_state.h"
#include "model/formulas.h"

#include <cmath>
#include <optional>

namespace varnolt {

// The four bisections of the commands. Each returns its result unrounded;
// the caller rounds it to single precision and stores it.
//
// The fixed start intervals hold the sought root for most weirs but not for
// all. Where the first evaluation shows that the interval does not hold it,
// the root is found by a bracketing search and bisected down to single
// precision instead of returning a bound or a midpoint that is no root;
// where there is no root at all, the solve stops with a NoSolution error.

// Contracted depth for the jump check: `hco` on [0.2, hc], 16 iterations,
// residual R with the E0 of the state, residuals in single precision.
double JumpCheckSolve(FormState &state);

// Contracted depth for a trial basin depth: `hco` on [0.2, text of Text7],
// 10 iterations, residual R with the E0 of the state, double residuals.
double TrialDepthSolve(FormState &state, FieldReadings &readings);

// Contracted depth below the basin finally chosen: as TrialDepthSolve with
// 16 iterations.
double FinalDepthSolve(FormState &state, FieldReadings &readings);

// The contracted depth for the E0 of the state, bisected to single-precision
// resolution on the supercritical branch of R, whatever the critical depth.
double ExactContractedDepth(FormState &state);

// How deep the search for a basin goes before it gives up. Excavated basins
// are a few metres to a few tens of metres deep; a balance that needs more
// than this is not a stilling basin below a weir.
inline constexpr double deepestBasin = 1000.0;

namespace detail {
// The basin search's two ways of finding no basin, out of line.
// `locale` is the form's, for the depths the message quotes.
[[noreturn]] void noBasinNeeded(const FormState &state, const QLocale &locale);
[[noreturn]] void noBasinDeepEnough();
} // namespace detail

// Basin depth: `d` on [0.1, text of Text7], 16 iterations; each residual Rd
// sets `d`, takes the conjugate depth for it into `hco2` and compares the
// heads, in double precision. `conjugate(depth, exact)` gives the conjugate
// depth belonging to a trial basin depth; `exact` asks for the contracted
// depth to single-precision resolution instead of the fixed trial bisection.
template <class Conjugate>
double BasinDepthSolve(FormState &state, FieldReadings &readings, Conjugate &&conjugate)
{
    auto residualWith = [&state, &conjugate](bool exact) {
        state.hco2 = conjugate(state.d, exact);
        return formulas::basinResidual(state.Et, state.q, state.hco2, state.sigma, state.d);
    };

    // The balance Rd rises with the depth: negative while the basin is too
    // shallow to hold the jump, positive beyond. Where the start interval
    // shows no sign change the root lies below 0.1 or above the critical
    // depth; it is looked for with exact conjugate depths.
    auto rescue = [&](const BisectStart &start, auto &&) -> std::optional<double> {
        if (signOf(start.lowResidual) * signOf(start.highResidual) <= 0)
            return std::nullopt;
        auto exactAt = [&](double depth) {
            state.d = checked::toSingle(depth);
            return residualWith(true);
        };
        const double yShallowest = exactAt(0);
        if (yShallowest >= 0)
            detail::noBasinNeeded(state, readings.locale());
        double lo = 0;
        double yLo = yShallowest;
        double hi = std::fmax(start.low, start.high);
        double yHi = exactAt(hi);
        while (yHi < 0) {
            lo = hi;
            yLo = yHi;
            hi = checked::mul(hi, 2);
            if (hi > deepestBasin)
                detail::noBasinDeepEnough();
            yHi = exactAt(hi);
        }
        if (yHi == 0)
            return hi;
        return bisectToSinglePrecision(exactAt, lo, yLo, hi, yHi);
    };

    return Bisect(
            state.d, [&] { return residualWith(false); }, 0.1, BisectBound(readings, Field::Text7),
            16, ResidualPrecision::Double, rescue);
}

} // namespace varnolt
