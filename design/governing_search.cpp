#include "design/governing_search.h"

#include "design/adopted_dimensions.h"
#include "design/combined_basin_result.h"
#include "design/sill_basin_result.h"

namespace varnolt::design {

namespace {

// A sill that settled above the floor has a height to compare; the other
// verdicts leave no sill to build.
bool hasSillHeight(const SillBasin &sill)
{
    return sill.verdict == SillVerdict::Holds || sill.verdict == SillVerdict::RemoteAfterSill;
}

// A value compared unrounded, as its own adopted value.
std::optional<AdoptedValue> unroundedValue(double value)
{
    return AdoptedValue{value, value};
}

// The value by which a case competes for a dimension; none where it does
// not take part.
std::optional<AdoptedValue> competingValue(const CaseResult &r, Governed dimension)
{
    const BasinResult *basin = r.basin ? &*r.basin : nullptr;
    switch (dimension) {
    case Governed::Depth:
        return basin ? std::optional(basin->adoptedDepth) : std::nullopt;
    case Governed::Length:
        return basin ? std::optional(basin->adoptedLength) : std::nullopt;
    case Governed::Slab:
        return basin && !r.failed(SideQuantity::Slab) ? unroundedValue(basin->slab) : std::nullopt;
    case Governed::Apron:
        return r.apron ? unroundedValue(r.apron->length) : std::nullopt;
    case Governed::Sill:
        if (r.error || !r.sill || !r.sill->basin || !hasSillHeight(*r.sill->basin))
            return std::nullopt;
        return unroundedValue(r.sill->basin->c);
    case Governed::Combined:
        if (r.error || !r.combined || !r.combined->basin
                || r.combined->verdict != CombinedVerdict::Sized)
            return std::nullopt;
        return unroundedValue(r.combined->basin->d);
    case Governed::Scour:
        return r.scour ? unroundedValue(r.scour->depth) : std::nullopt;
    }
    return std::nullopt;
}

} // namespace

void GoverningSearch::add(std::size_t index, const CaseResult &result)
{
    for (std::size_t d = 0; d < governedCount; ++d) {
        const std::optional<AdoptedValue> value = competingValue(result, Governed(d));
        if (!value)
            continue;
        Best &best = m_best[d];
        // As governingCase() compares: the first case, then only a larger one.
        const bool larger = !best.found || value->adopted > best.adopted
                || (value->adopted == best.adopted && value->unrounded > best.unrounded);
        if (!larger)
            continue;
        best.found = IndexedCase{index, result};
        best.adopted = value->adopted;
        best.unrounded = value->unrounded;
    }
}

} // namespace varnolt::design
