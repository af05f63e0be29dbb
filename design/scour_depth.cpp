#include "design/scour_depth.h"

#include "model/checked_math.h"

namespace varnolt::design {

namespace c = varnolt::checked;

namespace {

// The scour formula's factor on qm/[v0] for the uneven velocities leaving
// the apron.
constexpr double scourFactor = 1.1;

struct BedVelocity {
    const char *keyword; // a keyword of design/bed_class.h
    double velocity; // [v0] (m/s)
};

// Mean velocities a bed bears without scouring, for a flow about 1 m deep,
// as the hydraulic-design handbooks tabulate them for non-cohesive and
// cohesive soils (the canal tables of the irrigation-works volume, for
// instance): fine sand 0.35–0.50, medium and coarse sand 0.50–0.75, light
// and medium loam 0.60–0.85, clay loam and clay 0.75–0.95. Each class takes
// the lower end of its range, since a smaller [v0] means a deeper trench;
// the site investigation's own figure goes in through the design instead.
constexpr BedVelocity bedVelocities[] = {
        {"fine-sand", 0.35},
        {"coarse-sand", 0.50},
        {"silty-clay", 0.60},
        {"stiff-clay", 0.75},
};

} // namespace

ScourDepth scourDepth(double q, double widthRatio, double tailwaterDepth, double allowableVelocity)
{
    ScourDepth scour;
    scour.unitDischarge = c::mul(q, widthRatio);
    scour.tailwaterDepth = tailwaterDepth;
    scour.allowableVelocity = allowableVelocity;
    scour.depth = c::sub(
            c::div(c::mul(scourFactor, scour.unitDischarge), allowableVelocity), tailwaterDepth);
    scour.trenchNeeded = scour.depth > 0;
    return scour;
}

std::optional<double> allowableVelocityOfBed(const QString &keyword)
{
    for (const BedVelocity &bed : bedVelocities) {
        if (keyword == QLatin1String(bed.keyword))
            return bed.velocity;
    }
    return std::nullopt;
}

} // namespace varnolt::design
