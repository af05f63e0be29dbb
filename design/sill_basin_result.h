#pragma once

// The sill basin: the results alone, so that a case's result can hold them without
// the weir's flow they are computed from.

#include "model/errors.h"
#include "model/jump_kind.h"

#include <QString>

#include <optional>

namespace varnolt::design {

// The jump at the toe of the weir as the window's check gives it: its
// single-precision contracted and conjugate depths widened to double, the
// figures the window shows and the sunk basin starts from.
struct ToeJump {
    double hco = 0; // contracted depth (m)
    double hco2 = 0; // its conjugate depth (m)
};

// The flow over the sill down to the floor beyond it: the total head above
// that floor E10 = c + H10, the contracted depth hc1 it gives with the
// weir's φ, and the conjugate depth hc1″ the tailwater must reach.
struct FlowAfterSill {
    double E10 = 0; // m
    double hco = 0; // hc1 (m)
    double hco2 = 0; // hc1″ (m)
    // Submerged or critical where hc1″ ≤ ht: the tailwater holds the jump
    // after the sill; remote otherwise.
    JumpKind jump = JumpKind::Remote;
};

// What became of the sill.
enum class SillVerdict {
    Holds, // the jump after the sill is held: the sill basin works
    RemoteAfterSill, // a remote jump follows the sill: a second sill or the combined basin
    NoPositiveHeight, // the balance asks for a sill no higher than the floor
    Drowned, // hs/H10 reached 1: the tailwater stands at the sill's total head
    NotSettled, // c and σs did not settle within the iterations allowed
    NoContractedDepthAfterSill, // E10 is too small for a contracted depth after the sill
};

// A sill basin: a sill of height c at the end of an unlowered basin, high
// enough that the water before it stands at σ·hco2 and holds the jump at
// the toe submerged.
struct SillBasin {
    SillVerdict verdict = SillVerdict::NotSettled;
    double c = 0; // sill height above the floor (m)
    double H10 = 0; // total head over the crest (m)
    double H1 = 0; // static head over the crest (m)
    double sigmaS = 1; // submergence coefficient of the sill
    double submergenceRatio = 0; // hs/H10 with hs = ht − c
    int iterations = 0; // rounds of c ⇄ σs taken
    // The flow after the sill, for a sill of positive height that settled.
    std::optional<FlowAfterSill> after;
    // The basin takes the same 0.7–0.8 of the free jump at the toe as the
    // sunk basin: (hco2 − hco) times the formulas' short and long factors.
    double lengthMin = 0; // m
    double lengthMax = 0; // m
};

// The sill basin or the arithmetic failure that stopped it.
struct SillBasinResult {
    std::optional<SillBasin> basin;
    std::optional<CalcError> error;
};

} // namespace varnolt::design
