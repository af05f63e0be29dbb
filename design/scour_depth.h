#pragma once

#include <QString>

#include <optional>

namespace varnolt::design {

// The scour hole beyond the end of the apron: dm = 1.1·qm/[v0] − hm, with
// qm the unit discharge at the apron's end, hm the tailwater depth there and
// [v0] the velocity the bed bears without scouring. A positive dm is the
// depth below the bed the cut-off trench at the apron's end must reach.
struct ScourDepth {
    double unitDischarge = 0; // qm = q·b1/b2 (m²/s)
    double tailwaterDepth = 0; // hm (m)
    double allowableVelocity = 0; // [v0] (m/s)
    double depth = 0; // dm (m), negative where the flow cannot scour the bed
    bool trenchNeeded = false; // dm > 0
};

// dm for a discharge q entering a basin whose widths stand as b1/b2 =
// `widthRatio`, over a tailwater `tailwaterDepth` deep. The allowable
// velocity must be positive; a zero one is a CalcError of the checked
// arithmetic.
ScourDepth scourDepth(double q, double widthRatio, double tailwaterDepth, double allowableVelocity);

// The allowable velocity [v0] (m/s) of a bed class's keyword (those of
// design/bed_class.h), where the design gives no velocity of its own; none
// for any other keyword.
std::optional<double> allowableVelocityOfBed(const QString &keyword);

} // namespace varnolt::design
