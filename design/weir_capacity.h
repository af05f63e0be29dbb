#pragma once

#include <QString>

#include <optional>

namespace varnolt::design {

// What the free-flow capacity formula of an overflow weir needs, in metres.
struct WeirCapacity {
    double width = 0; // clear width B
    double approachWidth = 0; // approach-channel width B0
    double weirHeight = 0; // P, crest above the approach bed
    double dischargeCoefficient = 0; // m
    double contraction = 1.0; // ε
    double alpha = 1.0; // kinetic-energy correction of the approach velocity head
};

// The head over the crest that passes a discharge, with what goes with it.
struct WeirHead {
    double H = 0; // head over the crest, measured upstream (m)
    double v0 = 0; // approach velocity Q / (B0·(P + H)) (m/s)
    double H0 = 0; // total head H + α·v0²/2g (m)
};

struct HeadFromCapacity {
    std::optional<WeirHead> head;
    QString error; // why there is none, in English; empty with a head
};

// The discharge the weir passes at a total head H0: Q = ε·m·B·√(2g)·H0^{3/2}.
// Throws CalcError on arithmetic beyond the range of doubles.
double dischargeAtTotalHead(const WeirCapacity &weir, double H0);

// Solves the capacity formula for the head H that passes Q, to adjacent
// doubles. F(H) = ε·m·B·√(2g)·H0(H)^{3/2} − Q rises with H wherever the
// approach flow is subcritical, (P + H)³ > α·Q²/(g·B0²); the search runs from
// that limit (or 0) up to the head without approach velocity, where F ≥ 0.
// Where F is already positive at the lower end, the approach channel cannot
// carry Q subcritically and there is no free-flow head: an error, as for a
// discharge ≤ 0 or arithmetic beyond the range of doubles. Never throws.
HeadFromCapacity headFromCapacity(const WeirCapacity &weir, double discharge);

// The approach velocity and total head at a given head H (an upstream level
// given instead of the formula): v0 = Q/(B0·(P + H)), H0 = H + α·v0²/2g.
// Throws CalcError on arithmetic beyond the range of doubles.
WeirHead headAt(const WeirCapacity &weir, double discharge, double H);

} // namespace varnolt::design
