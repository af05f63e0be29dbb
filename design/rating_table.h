#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace varnolt::design {

// The river's stage–discharge relation below the site as a table: discharges
// (m³/s) strictly ascending, each with its water level (m), never falling.
struct RatingTable {
    std::vector<double> discharges;
    std::vector<double> levels;
};

// What makes a table unusable, and at which entry (0-based; for Sizes the
// length of the shorter list).
struct RatingTableFault {
    enum Kind {
        Sizes, // the lists differ in length, or hold fewer than two entries
        DischargesNotAscending, // discharges[index] ≤ discharges[index − 1]
        LevelsFalling, // levels[index] < levels[index − 1]
    } kind;
    std::size_t index = 0;
};

// The first fault of a table, or none for a usable one.
std::optional<RatingTableFault> ratingTableFault(const RatingTable &table);

// The water level at a discharge by linear interpolation between the entries
// either side; an entry's own level at its discharge. None outside the
// table: a rating curve is not extrapolated. The table must be usable;
// arithmetic beyond the range of doubles throws CalcError.
std::optional<double> levelAt(const RatingTable &table, double discharge);

} // namespace varnolt::design
