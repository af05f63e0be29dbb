#pragma once

#include <optional>

namespace varnolt::design {

// A case's water and floor levels as a design is drawn, in metres above the
// datum of the weir's levels.
struct DesignLevels {
    double upstream = 0; // crest + H
    double tailwater = 0; // downstream floor + ht
    double basinFloor
            = 0; // downstream floor − adopted basin depth (the floor itself without a basin)
    // The jump's water level in the basin: basin floor + the conjugate depth
    // of the jump there; none where the case has no jump figures.
    std::optional<double> jump;
};

// The levels of one case. `adoptedDepth` is the basin depth the design
// adopts (none or 0 where no basin is sunk); `conjugateDepth` is hco2 of
// the jump on that floor.
DesignLevels designLevels(double crest, double floor, double H, double ht,
        std::optional<double> adoptedDepth, std::optional<double> conjugateDepth);

} // namespace varnolt::design
