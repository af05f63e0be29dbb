#include "design/basin_types.h"

#include "design/adopted_dimensions.h"
#include "design/combined_basin.h"
#include "design/sill_basin.h"
#include "model/errors.h"
#include "model/jump_kind.h"

#include <functional>

namespace varnolt::design {

namespace {

// A sill that settled above the floor has a height to compare; the other
// verdicts leave no sill to build.
bool hasSillHeight(const SillBasin &sill)
{
    return sill.verdict == SillVerdict::Holds || sill.verdict == SillVerdict::RemoteAfterSill;
}

// One dimension per case, compared unrounded: none where a case has none.
std::optional<std::size_t> governing(const std::vector<CaseResult> &cases,
        const std::function<std::optional<double>(const CaseResult &)> &dimension)
{
    std::vector<std::optional<AdoptedValue>> values;
    values.reserve(cases.size());
    for (const CaseResult &result : cases) {
        const std::optional<double> value = dimension(result);
        values.push_back(value ? std::optional(AdoptedValue{*value, *value}) : std::nullopt);
    }
    return governingCase(values);
}

} // namespace

void addBasinTypes(CaseResult &result, const WeirFlow &checkedFlow, const DesignOptions &options)
{
    // The check reads no σ (the basin sizing does); the case's own σ is
    // taken in single precision, as the window's form reads it.
    WeirFlow flow = checkedFlow;
    flow.sigma = double(float(result.inputs.sigma));
    if (options.allowableVelocity) {
        try {
            result.scour
                    = scourDepth(flow.q, options.widthRatio, flow.ht, *options.allowableVelocity);
        } catch (const CalcError &) {
            // A velocity of zero is refused where it is read; an overflow
            // leaves the case without a scour depth.
        }
    }
    if (!result.check || result.check->jump != JumpKind::Remote)
        return;
    result.sill = sillBasin(flow, ToeJump{result.check->hco, result.check->hco2}, options.sillM);
    result.combined = combinedBasin(flow, options.sillM);
}

void governBasinTypes(DesignResult &design)
{
    design.governingSill
            = governing(design.cases, [](const CaseResult &r) -> std::optional<double> {
                  if (r.error || !r.sill || !r.sill->basin || !hasSillHeight(*r.sill->basin))
                      return std::nullopt;
                  return r.sill->basin->c;
              });
    design.governingCombined
            = governing(design.cases, [](const CaseResult &r) -> std::optional<double> {
                  if (r.error || !r.combined || !r.combined->basin
                          || r.combined->verdict != CombinedVerdict::Sized)
                      return std::nullopt;
                  return r.combined->basin->d;
              });
    design.governingScour
            = governing(design.cases, [](const CaseResult &r) -> std::optional<double> {
                  if (!r.scour)
                      return std::nullopt;
                  return r.scour->depth;
              });
}

} // namespace varnolt::design
