#pragma once

#include "design/case_result.h"

#include <optional>

namespace varnolt::design {

// The free jump at a contracted depth hco with its conjugate depth hco2, for
// a discharge q per unit width. Every step is checked (model/checked_math.h):
// a zero depth is a CalcError, never an infinity.

// Froude number of the incoming flow: Fr1 = q / √(9.81·hco³).
double froudeNumber(double q, double hco);

// The form of the jump by its Froude number; none below 1, where there is no
// jump. Each band includes its lower end: 1.7 is weak, 9 is strong.
std::optional<JumpForm> jumpFormOf(double froude);

// Energy lost in the jump: ΔE = (hco2 − hco)³ / (4·hco·hco2).
double jumpEnergyLoss(double hco, double hco2);

// Specific energy at the toe: E1 = hco + q² / (19.62·hco²).
double specificEnergy(double q, double hco);

// Length of the free jump: 6.9·(hco2 − hco).
double freeJumpLength(double hco, double hco2);

// The advice on the basin type by the Froude number in the basin, the
// velocity q/hco entering it and the discharge q. Velocities below 18 m/s
// and discharges below 18.6 m²/s keep baffle piers safe from cavitation.
BasinAdvice basinAdviceOf(double froude, double q, double hco);

} // namespace varnolt::design
