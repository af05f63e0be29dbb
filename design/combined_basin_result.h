#pragma once

// The combined basin: the results alone, so that a case's result can hold them without
// the weir's flow they are computed from.

#include "model/errors.h"
#include "model/jump_kind.h"

#include <QString>

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
    double lengthMin = 0; // 4.83·(hco2 − hco), the basin's length by the sunk basin's rule (m)
    double lengthMax = 0; // 5.52·(hco2 − hco) (m)
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

} // namespace varnolt::design
