#pragma once

#include "model/form_model.h"
#include "model/form_state.h"

#include <functional>

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
double TrialDepthSolve(FormState &state, const FormModel &form);

// Contracted depth below the basin finally chosen: as TrialDepthSolve with
// 16 iterations.
double FinalDepthSolve(FormState &state, const FormModel &form);

// The contracted depth for the E0 of the state, bisected to single-precision
// resolution on the supercritical branch of R, whatever the critical depth.
double ExactContractedDepth(FormState &state);

// The conjugate depth belonging to a trial basin depth. `exact` asks for the
// contracted depth to single-precision resolution instead of the fixed
// trial bisection.
using BasinConjugate = std::function<float(float depth, bool exact)>;

// Basin depth: `d` on [0.1, text of Text7], 16 iterations; each residual Rd
// sets `d`, takes the conjugate depth for it into `hco2` and compares the
// heads, in double precision.
double BasinDepthSolve(FormState &state, const FormModel &form, const BasinConjugate &conjugate);

// How deep the search for a basin goes before it gives up. Excavated basins
// are a few metres to a few tens of metres deep; a balance that needs more
// than this is not a stilling basin below a weir.
inline constexpr double deepestBasin = 1000.0;

} // namespace varnolt
