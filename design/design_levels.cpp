#include "design/design_levels.h"

#include "model/checked_math.h"

namespace varnolt::design {

namespace c = varnolt::checked;

DesignLevels designLevels(double crest, double floor, double H, double ht,
        std::optional<double> adoptedDepth, std::optional<double> conjugateDepth)
{
    DesignLevels levels;
    levels.upstream = c::add(crest, H);
    levels.tailwater = c::add(floor, ht);
    levels.basinFloor = c::sub(floor, adoptedDepth.value_or(0));
    if (conjugateDepth)
        levels.jump = c::add(levels.basinFloor, *conjugateDepth);
    return levels;
}

} // namespace varnolt::design
