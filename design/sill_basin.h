#pragma once

#include "design/sill_basin_result.h"
#include "design/standard_check.h"
#include "model/errors.h"
#include "model/jump_kind.h"

#include <optional>

namespace varnolt::design {

// The rounds of c ⇄ σs a sill basin may take. The rounds lower c
// monotonically towards its fixed point, and the table's rows converge
// within a few dozen; this is the bound of a sequence that does not.
inline constexpr int sillIterationLimit = 1000;

// Sizes the sill for the weir's flow and the toe's jump: starting free
// (σs = 1), H10 = (q/(σs·m·√(2g)))^(2/3), H1 = H10 − q²/(2g·(σ·hco2)²),
// c = σ·hco2 − H1, then σs by hs/H10 = (ht − c)/H10 again, until c changes
// by no more than 1e-12 of itself (of 1 m below 1 m). A settled sill of
// positive height is then checked from E10 = c + H10 down to the floor
// beyond it: hc1 is the cubic's supercritical root (standardContractedDepth
// with α = 1) and hc1″ its conjugate by the momentum formula. `m` is the
// sill's discharge coefficient and must be positive. Never throws.
SillBasinResult sillBasin(
        const WeirFlow &flow, const ToeJump &toe, double m, int maxIterations = sillIterationLimit);

// "holds", "remote after sill", "no positive height", "drowned",
// "not settled", "no contracted depth after sill": for files read by programs.
QString sillVerdictKey(SillVerdict verdict);

} // namespace varnolt::design
