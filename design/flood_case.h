#pragma once

#include "design/case_result.h"
#include "design/design_file.h"
#include "design/weir_capacity.h"

#include <cstddef>
#include <optional>

namespace varnolt::design {

// The design-wide values a flood's case takes, as resolved from the file's
// [basin] and the command line.
struct FloodSettings {
    double sigma = 1.05; // σ of every case
    double alpha = 1.0; // α of the approach velocity head
};

// A flood turned into the inputs of one case, with the levels it came from.
struct FloodCase {
    CaseInputs inputs; // exactly what a case file's row would give
    WeirHead head; // H, v0 and H0 at the crest
    double upstreamLevel = 0; // crest + H (m)
    double tailwaterLevel = 0; // from the table or given (m)
    bool upstreamGiven = false; // the flood's upstream_level, not the formula
    bool tailwaterGiven = false; // the flood's tailwater_level, not the table
};

struct FloodCaseOutcome {
    std::optional<FloodCase> flood;
    std::optional<DesignFileError> error; // located at the flood; never both
};

// The capacity formula's view of the weir.
WeirCapacity capacityOf(const WeirGeometry &weir, double alpha);

// The case of one flood: the tailwater level from the table (or as given)
// and the head from the capacity formula (or the given upstream level), then
// q = Q/B, v = v0, a1 = crest − floor, ht = tailwater level − floor,
// φ of the weir and σ of the settings. A discharge outside the table, a
// tailwater at or below the floor or above the crest (a drowned weir, which
// the free-flow formula does not cover) and a weir without a free-flow head
// give a located error naming the flood instead. `index` is the flood's
// place in the file (0 for the first). Never throws.
FloodCaseOutcome floodCase(
        const DesignFile &file, std::size_t index, const FloodSettings &settings);

// The case at any discharge of the range, from the formula and the table
// alone, as the scan between the floods evaluates it.
FloodCaseOutcome caseAtDischarge(
        const DesignFile &file, double discharge, const FloodSettings &settings);

} // namespace varnolt::design
