#pragma once

#include "design/combined_basin_result.h"
#include "design/standard_check.h"
#include "model/errors.h"

#include <optional>

namespace varnolt::design {

// Sizes the combined basin: hc1 is the depth conjugate to ht (the momentum
// formula read backwards, the conjugate relation being symmetric), E10 its
// specific energy with the weir's φ, c = E10 − H10 with the free
// H10 = (q/(m·√(2g)))^(2/3). Then d closes
//   σ·hco2(E0 + d) = d + c + H10 − q²/(2g·(σ·hco2)²)
// with hco the supercritical root of the cubic at E0 + d in double
// precision and hco2 its conjugate; the balance's residual rises with d, so
// an upper end doubled until it holds brackets d, and bisection narrows it
// to adjacent doubles. `m` must be positive. Never throws.
CombinedBasinResult combinedBasin(const WeirFlow &flow, double m);

} // namespace varnolt::design
