#pragma once

#include "design/standard_check.h"
#include "model/errors.h"

#include <optional>

namespace varnolt::design {

// The basin balance solved to double precision, beside the window's figure
// whose bisections stop after a fixed number of halvings.
struct ExactBasin {
    double d = 0; // basin depth closing the balance (m)
    double E0 = 0; // total head above the basin floor, H + a1 + v²/2g + d (m)
    double hco = 0; // contracted depth below the basin floor (m)
    double hco2 = 0; // its conjugate depth (m)
    double Et = 0; // ht + q²/(2g·(φ′·ht)²) (m)
    // Et − (σ·hco2 + q²/(2g·(σ·hco2)²) − d) at d: zero to rounding where
    // the balance closes, positive where it holds with the floor unlowered.
    double residual = 0;
    // The balance holds at d = 0 already (the exit's velocity head with φ′
    // makes up the missing depth), so no lowering is needed by it: d = 0.
    bool metWithoutLowering = false;
};

// The exact depth or why there is none.
struct ExactBasinDepth {
    std::optional<ExactBasin> basin;
    std::optional<CalcError> error;
};

// Solves σ·hco2(E0 + d) + q²/(2g·(σ·hco2)²) − d = Et for d, with hco the
// supercritical root at the head E0 + d in double precision (the cubic of
// standardContractedDepth with α = 1, which is the window's contracted-depth
// equation multiplied by h²), hco2 by the momentum formula and Et with the
// exit coefficient φ′. The balance's residual Rd(d) is negative at d = 0
// where a basin is needed; doubling an upper end until Rd ≥ 0 proves a
// bracket (Rd is continuous there: the cubic keeps its supercritical root as
// the head rises), which bisection narrows to adjacent doubles. Never throws.
ExactBasinDepth exactBasinDepth(const WeirFlow &flow, double exitPhi);

} // namespace varnolt::design
