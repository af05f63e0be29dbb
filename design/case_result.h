#pragma once

#include "design/adopted_dimensions.h"
#include "design/basin_decision.h"
#include "design/basin_type.h"
#include "design/coefficient_warning.h"
#include "design/combined_basin_result.h"
#include "design/design_file.h"
#include "design/scour_depth.h"
#include "design/sill_basin_result.h"
#include "design/sill_discharge.h"
#include "design/uplift_check.h"
#include "model/errors.h"
#include "model/jump_kind.h"

#include <QString>

#include <algorithm>
#include <cstddef>
#include <optional>
#include <vector>

namespace varnolt::design {

// One discharge of a design with its tailwater depth from the rating curve,
// in metres and seconds. `line` is where the case stands in its file (0 for
// a case given on the command line).
struct CaseInputs {
    QString name;
    double q = 0;
    double H = 0;
    double a1 = 0;
    double v = 0;
    double ht = 0;
    double phi = 0.95;
    double sigma = 1.05;
    int line = 0;
    std::optional<double> uplift; // U, the uplift under the slab (kPa), where given
};

// Settings that hold for every case of a design: the cross-check of the
// sluice design standard, the floor slab and the apron extension.
struct DesignOptions {
    double alpha = 1.0; // kinetic-energy correction factor α
    double widthRatio = 1.0; // b1/b2, widths of the flow entering and of the basin
    double beta = 0.75; // β, share of the free-jump length the basin takes
    double slopeLength = 0.0; // Ls, horizontal length of the sloping part
    double k1 = 0.20; // slab-thickness coefficient, 0.15–0.20 in the code
    std::optional<double> ks; // apron-length coefficient; no apron length without it
    // φ′, the velocity coefficient of the tailwater's head at the basin exit,
    // apart from the jet's φ: a lower φ for a high weir must not make the
    // basin shallower.
    double exitPhi = 0.95;
    double depthStep = 0.05; // the adopted basin depth is rounded up to this (m)
    double lengthStep = 0.5; // the adopted basin length is rounded up to this (m)
    double k2 = 1.2; // safety factor of the slab against uplift
    double slabUnitWeight = 24; // γb, unit weight of the slab (kN/m³)
    BasinType basinType = BasinType::Sunk; // the type the design adopts
    double sillM = defaultSillDischargeCoefficient; // the sill's discharge coefficient m
    // [v0], the velocity the bed beyond the apron bears; no scour depth
    // without it.
    std::optional<double> allowableVelocity;
};

// The form of a hydraulic jump by the Froude number of its incoming flow.
enum class JumpForm { Undular, Weak, Oscillating, Steady, Strong };

// What the design advises for the basin, by the Froude number in it.
enum class BasinAdvice {
    NoAppurtenances, // Fr1 below 1.7
    PlainBasin, // 1.7 to 2.5
    SuppressWaves, // 2.5 to 4.5: wave suppressors or a deeper basin
    BlocksBafflesSill, // 4.5 and above, moderate velocity and discharge
    BlocksDentatedSill, // 4.5 and above otherwise: no baffle piers
};

// The jump-type check, as the window's first command gives it, and the jump
// at the toe of the weir that follows from it.
struct CheckResult {
    double hc = 0; // critical depth (m)
    double E0 = 0; // total head above the floor (m)
    double hco = 0; // contracted depth (m)
    double hco2 = 0; // its conjugate depth (m)
    JumpKind jump = JumpKind::Remote;
    double Fr1 = 0; // q / √(g·hco³)
    std::optional<JumpForm> form; // none where Fr1 < 1
    double energyLoss = 0; // ΔE = (hco2 − hco)³ / (4·hco·hco2) (m)
    double specificEnergy = 0; // E1 = hco + q²/(2g·hco²) (m)
    double relativeLoss = 0; // ΔE / E1
    double jumpLength = 0; // 6.9·(hco2 − hco) (m)
    QString verdict; // the verdict line
    QString text7, text8, text9; // the window's texts
};

// Why the standard's cross-check has no root: the cubic has none at a total
// head, the fixed point does not settle, or the arithmetic failed.
struct StandardFailure {
    enum class Reason { NoContractedDepth, NotSettled, Arithmetic };
    Reason reason = Reason::NotSettled;
    double T0 = 0; // NoContractedDepth: the total head T0 = E0 + d′ (m)
    std::optional<CalcError> arithmetic; // Arithmetic: the checked step's error
};

// The standard's own basin depth and length, beside the window's.
struct StandardCheck {
    std::optional<double> d; // d′ (m); none where it has no root
    std::optional<double> T0; // the head E0 + d′ the last contracted depth was solved at (m)
    std::optional<double> length; // Lsj (m)
    std::optional<double> hco; // contracted depth at the converged d′ (m)
    std::optional<double> conjugate; // hc″ (m)
    std::optional<double> deltaZ; // ΔZ (m)
    std::optional<StandardFailure> failure; // why there is no root
};

// The stilling basin, as the window's second command sizes it, with what
// the design adds to it.
struct BasinResult {
    double d = 0; // basin depth (m)
    double E0 = 0; // total head above the basin floor (m)
    double Et = 0; // downstream total head (m)
    double hco = 0; // contracted depth below the basin floor (m)
    double hco2 = 0; // its conjugate depth (m)
    double lengthMin = 0; // 4.83·(hco2 − hco) (m)
    double lengthMax = 0; // 5.52·(hco2 − hco) (m)
    double Fr1 = 0;
    std::optional<JumpForm> form;
    BasinAdvice advice = BasinAdvice::NoAppurtenances;
    StandardCheck standard;
    double headDifference = 0; // ΔH′ = a1 + H − ht (m)
    double slabThickness = 0; // t = k1·√(q·√ΔH′) (m)
    std::optional<double> apronLength; // Lp = Ks·√(q·√ΔH′) (m)
    bool slabFormulaOutsideRange = false; // √(q·√ΔH′) outside 1–9
    // The balance solved to double precision with the exit coefficient φ′;
    // none where it has no root (the window's figure stands alone then).
    std::optional<double> exactD;
    double exactE0 = 0; // E0 + exact d (m)
    double exactEt = 0; // Et with φ′ (m)
    double exactHco = 0; // hco at the exact root (m)
    double exactHco2 = 0; // hco2 at the exact root (m)
    bool metWithoutLowering = false; // the balance holds with the floor unlowered
    AdoptedValue adoptedDepth; // max(d, exact d, d′) rounded up (m)
    AdoptedValue adoptedLength; // max(upper length, Lsj) rounded up (m)
    double slabEndThickness = 0; // max(t/2, 0.5 m) of the slab
    std::optional<UpliftThickness> uplift; // where the case gives an uplift
    double slab = 0; // the slab adopted: the largest of t and the uplift's (m)
    QString text11, text8, text12; // the window's texts
};

// The stage of a case that a failure stopped: the window's jump-type check
// or its basin sizing.
enum class Stage { Check, Basin };

// Where a case stopped, and the command's error with all it quotes; the
// sentence is composed where the error is shown.
struct CaseError {
    Stage stage = Stage::Check;
    CalcError error;
};

// A case that came from a flood of a design file: the discharge, the head
// the weir's capacity gives for it and the levels as the design is drawn.
struct FloodFigures {
    double discharge = 0; // Q (m³/s)
    double H = 0; // head over the crest (m)
    double v0 = 0; // approach velocity (m/s)
    double H0 = 0; // total head H + α·v0²/2g (m)
    double upstreamLevel = 0; // crest + H (m)
    double tailwaterLevel = 0; // downstream floor + ht (m)
    double basinFloorLevel = 0; // downstream floor − basin depth (m)
    std::optional<double> jumpLevel; // basin floor + the jump's conjugate depth (m)
    double crestLevel = 0; // the weir's crest (m)
    double floorLevel = 0; // the downstream floor at the toe (m)
    double approachBedLevel = 0; // the approach channel's bed, P below the crest (m)
};

// The apron extension Lp = Ks·√(qs·√ΔH′) of a case, qs = q·b1/b2.
struct CaseApron {
    double headDifference = 0; // ΔH′ = a1 + H − ht (m)
    double unitDischarge = 0; // qs (m²/s)
    double parameter = 0; // √(qs·√ΔH′)
    double length = 0; // Lp (m)
    bool outsideRange = false; // the parameter outside the formula's 1–9
};

// A quantity beside the basin whose arithmetic failed (an overflow with an
// extreme coefficient, say). The basin and the case's other figures stand;
// that quantity alone is missing, and the failure says why.
enum class SideQuantity { Apron, Slab, Uplift, Scour };

struct SideFailure {
    SideQuantity quantity = SideQuantity::Apron;
    CalcError error;
};

struct CaseResult {
    CaseInputs inputs;
    std::optional<CheckResult> check; // none where the check stopped
    BasinDecision decision = BasinDecision::None;
    std::optional<double> submergence; // σ′ = ht / hco2
    // The apron beyond the basin with qs = q·b1/b2, for every case the check
    // passed, with or without a basin; none without Ks.
    std::optional<CaseApron> apron;
    std::optional<BasinResult> basin; // none where no basin was sized
    std::optional<CaseError> error;
    // The other ways of holding the jump at the toe, beside the sunk basin:
    // none where no basin is needed.
    std::optional<SillBasinResult> sill;
    std::optional<CombinedBasinResult> combined;
    // The scour beyond the apron; none without an allowable velocity.
    std::optional<ScourDepth> scour;
    std::optional<FloodFigures> flood; // none for a case given by q, H, v and ht
    std::vector<SideFailure> sideFailures;

    // Whether the arithmetic of `quantity` failed for this case.
    bool failed(SideQuantity quantity) const
    {
        return std::any_of(sideFailures.begin(), sideFailures.end(),
                [quantity](const SideFailure &f) { return f.quantity == quantity; });
    }
};

// The point of the floods' range needing the deepest basin …
struct ScannedDepth {
    double discharge = 0;
    double q = 0;
    double d = 0;
};

// … and the one needing the longest.
struct ScannedLength {
    double discharge = 0;
    double q = 0;
    double length = 0;
};

// What the scan between the floods found, as the outputs show it.
struct ScanSummary {
    int count = 0; // evenly spaced discharges asked for
    std::optional<ScannedDepth> depth; // none where no discharge needs the floor lowered
    std::optional<ScannedLength> length; // none where no discharge needs a basin
    // The scan's deepest basin is deeper than every listed flood's: the
    // governing discharge lies between the floods (最不利流量).
    bool depthBeyondFloods = false;
    // Where it is: the structure's adopted depth covering it, the scan's
    // depth rounded up to the depth step and at least the floods' adopted
    // depth (m).
    std::optional<double> adoptedDepth;
};

struct DesignResult {
    DesignOptions options;
    std::vector<CaseResult> cases;
    // Indices into `cases`: the largest basin depth, the largest upper length.
    std::optional<std::size_t> governingDepth;
    std::optional<std::size_t> governingLength;
    // The largest sill height c, combined lowering d and scour depth dm.
    std::optional<std::size_t> governingSill;
    std::optional<std::size_t> governingCombined;
    std::optional<std::size_t> governingScour;
    std::optional<ProjectInfo> project; // a design file's [project], for the title block
    std::optional<ScanSummary> scan; // a design file scanned between its floods
    std::optional<std::size_t> governingSlab; // the thickest adopted slab
    std::optional<std::size_t> governingApron; // the longest apron
    std::vector<CoefficientWarning> warnings;
};

} // namespace varnolt::design
