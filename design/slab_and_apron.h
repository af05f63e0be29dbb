#pragma once

#include "design/standard_check.h"

#include <optional>

namespace varnolt::design {

// The floor slab against scour and the apron beyond the basin, from the
// difference of the water levels above the downstream floor.

// ΔH′ = a1 + H − ht (m).
double headDifference(const WeirFlow &flow);

// The formulas' common parameter √(q·√ΔH′) for a unit discharge q. Where
// the headwater does not stand above the tailwater (ΔH′ ≤ 0) there is no
// head to drive seepage or scour and it is 0.
double scourParameter(double unitDischarge, double headDifference);

// The slab thickness against scour, t = k1·√(q·√ΔH′) (m).
double scourSlabThickness(double q, double headDifference, double k1);

// The slab's end thickness: half the slab, but not below 0.5 m.
double slabEndThickness(double slabThickness);

// The slab takes the largest of its thickness against scour and against
// uplift (the larger half of the uplift check, where there is one).
double slabThickness(double scourThickness, std::optional<double> upliftThickness);

// The apron extension Lp = Ks·√(qs·√ΔH′) with qs = q·b1/b2, the unit
// discharge at the basin's end; for every case, a submerged jump's too. The
// formula holds for √(qs·√ΔH′) from 1 to 9; outside it is flagged.
struct ApronExtension {
    double unitDischarge = 0; // qs (m²/s)
    double parameter = 0; // √(qs·√ΔH′)
    double length = 0; // Lp (m)
    bool outsideRange = false;
};
ApronExtension apronExtension(double q, double widthRatio, double headDifference, double ks);

} // namespace varnolt::design
