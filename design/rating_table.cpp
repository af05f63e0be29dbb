#include "design/rating_table.h"

#include "model/checked_math.h"

#include <algorithm>

namespace varnolt::design {

namespace c = varnolt::checked;

std::optional<RatingTableFault> ratingTableFault(const RatingTable &table)
{
    const std::size_t size = std::min(table.discharges.size(), table.levels.size());
    if (table.discharges.size() != table.levels.size() || size < 2)
        return RatingTableFault{RatingTableFault::Sizes, size};
    for (std::size_t i = 1; i < size; ++i) {
        if (!(table.discharges[i] > table.discharges[i - 1]))
            return RatingTableFault{RatingTableFault::DischargesNotAscending, i};
    }
    for (std::size_t i = 1; i < size; ++i) {
        if (table.levels[i] < table.levels[i - 1])
            return RatingTableFault{RatingTableFault::LevelsFalling, i};
    }
    return std::nullopt;
}

std::optional<double> levelAt(const RatingTable &table, double discharge)
{
    const std::vector<double> &q = table.discharges;
    if (q.empty() || !(discharge >= q.front() && discharge <= q.back()))
        return std::nullopt;
    // The first entry not below the discharge: an exact entry gives its own
    // level, anything else lies strictly between entries `upper − 1` and `upper`.
    const std::size_t upper
            = std::size_t(std::lower_bound(q.begin(), q.end(), discharge) - q.begin());
    if (q[upper] == discharge)
        return table.levels[upper];
    const std::size_t lower = upper - 1;
    const double share = c::div(c::sub(discharge, q[lower]), c::sub(q[upper], q[lower]));
    return c::add(
            table.levels[lower], c::mul(share, c::sub(table.levels[upper], table.levels[lower])));
}

} // namespace varnolt::design
