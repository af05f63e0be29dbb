#pragma once

#include "design/case_result.h"

#include <optional>

namespace varnolt::design {

// The weir's flow as the commands hold it: single-precision values widened to
// double, in metres and seconds.
struct WeirFlow {
    double q = 0;
    double H = 0;
    double a1 = 0;
    double v = 0;
    double ht = 0;
    double phi = 0;
    double sigma = 0;
};

// Total head above the downstream floor, the approach velocity head with the
// kinetic-energy correction: E0 = a1 + H + α·v² / 19.62.
double standardTotalHead(const WeirFlow &flow, double alpha);

// Contracted depth on the supercritical branch of
// h³ − T0·h² + α·q² / (19.62·φ²) = 0, the smaller positive root. The cubic
// falls from α·q²/(19.62·φ²) at h = 0 to its minimum at h = 2·T0/3, so there
// is a root exactly when that minimum is not above zero. nullopt otherwise.
std::optional<double> standardContractedDepth(double T0, double q, double phi, double alpha);

// The sluice design standard's basin depth and length, d′ iterated to a fixed
// point from d′ = 0:
//   T0 = E0 + d′,  hco from the cubic above,
//   hc″ = hco/2·(√(1 + 8α·q²/(9.81·hco³)) − 1)·(b1/b2)^0.25,
//   ΔZ = α·q²/(19.62·φ′²·ht²) − α·q²/(19.62·hc″²), φ′ the exit coefficient,
//   d′ = σ·hc″ − ht − ΔZ,
//   Lsj = Ls + β·6.9·(hc″ − hco).
// Where the cubic has no root, or d′ does not settle, `failure` says so and
// the numbers stay empty. Arithmetic failures become that failure as well.
StandardCheck standardCheck(const WeirFlow &flow, const DesignOptions &options);

// The floor slab against scour, from the difference of the water levels
// above the downstream floor ΔH′ = a1 + H − ht: t = k1·√(q·√ΔH′), by the
// formula of design/slab_and_apron.h (the apron beyond the basin is the
// case's own, apronExtension there, with qs = q·b1/b2). Where the headwater
// does not stand above the tailwater (ΔH′ ≤ 0) there is no head to drive
// seepage or scour: √(q·√ΔH′) is taken as 0, so t = 0, and the result is
// flagged as outside the formula's range 1–9.
struct ScourSlab {
    double headDifference = 0;
    double slabThickness = 0;
    bool outsideRange = false;
};
ScourSlab scourSlab(const WeirFlow &flow, const DesignOptions &options);

} // namespace varnolt::design
