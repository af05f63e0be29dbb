#pragma once

#include "design/case_result.h"

#include <array>
#include <cstddef>
#include <optional>

namespace varnolt::design {

// The dimensions of the structure a case can govern.
enum class Governed { Depth, Length, Slab, Apron, Sill, Combined, Scour };

inline constexpr std::size_t governedCount = 7;

// A case the summary under a design's cases names, kept whole, with its
// place among the design's cases.
struct IndexedCase {
    std::size_t index = 0;
    CaseResult result;
};

// The governing cases of a design, found case by case in the cases' order,
// so that a design evaluated a chunk at a time keeps only these: the
// largest adopted depth and length, the thickest slab, the longest apron
// (adopted values compared first, then the unrounded ones), the highest
// sill that settled above the floor, the deepest lowering of a sized
// combined basin and the deepest scour. A case without the dimension (no
// sized basin, an error) governs nothing; of equal values the first governs.
class GoverningSearch {
public:
    void add(std::size_t index, const CaseResult &result);

    const std::optional<IndexedCase> &governing(Governed dimension) const
    {
        return m_best[std::size_t(dimension)].found;
    }

    std::optional<std::size_t> index(Governed dimension) const
    {
        const std::optional<IndexedCase> &found = governing(dimension);
        return found ? std::optional(found->index) : std::nullopt;
    }

private:
    struct Best {
        std::optional<IndexedCase> found;
        double adopted = 0;
        double unrounded = 0;
    };
    std::array<Best, governedCount> m_best;
};

} // namespace varnolt::design
