#pragma once

#include "design/standard_check.h"
#include "model/errors.h"

#include <optional>

namespace varnolt::design {

// A combined basin: a sill as high as still lets the tailwater hold the jump
// after it, and the floor before it lowered as far as that sill leaves to
// the lowering.
struct CombinedBasin {
    // Sill height above the downstream floor (m): the sill free (σs = 1), so
    // that the conjugate depth after it is the tailwater, hc1″ = ht.
    double c = 0;
    // Floor lowering (m) closing σ·hco2(E0 + d) = d + c + H1; 0 where the
    // sill alone already holds the jump at the toe.
    double d = 0;
    double H10 = 0; // total head over the crest, free (m)
    double H1 = 0; // static head over the crest at the depth d (m)
    double hc1 = 0; // contracted depth after the sill whose conjugate is ht (m)
    double E10 = 0; // hc1 + q²/(2g·(φ·hc1)²), the head above the floor beyond the sill (m)
    double E0 = 0; // H + a1 + v²/2g + d, the head above the lowered floor (m)
    double hco = 0; // contracted depth at the toe in the lowered basin (m)
    double hco2 = 0; // its conjugate depth (m)
    // hs/H10 = (ht − c)/H10 at that sill. The method takes the sill free;
    // above 0.45 the tailwater would drown it, and the reader should know.
    double submergenceRatio = 0;
    bool metWithoutLowering = false; // the sill alone holds the jump at the toe: d = 0
};

// What the combined basin comes to.
enum class CombinedVerdict {
    Sized, // c > 0 and the lowering d ≥ 0 found
    // c ≤ 0: the tailwater holds the jump after a crest at the floor already.
    // Only c, H10, hc1, E10 and the ratio are formed; nothing is lowered.
    NoSill,
};

// The combined basin or why there is none: `verdict` where the arithmetic
// went through, `error` where it failed (no contracted depth at the toe,
// no lowering within a depth no basin has, a number out of range).
struct CombinedBasinResult {
    std::optional<CombinedBasin> basin;
    CombinedVerdict verdict = CombinedVerdict::Sized;
    std::optional<CalcError> error;
};

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
