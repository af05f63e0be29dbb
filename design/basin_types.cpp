#include "design/basin_types.h"

#include "design/combined_basin.h"
#include "design/sill_basin.h"
#include "model/errors.h"

namespace varnolt::design {

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
        } catch (const CalcError &error) {
            // A velocity of zero is refused where it is read; an overflow
            // leaves the case without a scour depth, and says so.
            result.sideFailures.push_back({SideQuantity::Scour, error});
        }
    }
    if (!result.check || result.decision == BasinDecision::None)
        return;
    result.sill = sillBasin(flow, ToeJump{result.check->hco, result.check->hco2}, options.sillM);
    result.combined = combinedBasin(flow, options.sillM);
}

} // namespace varnolt::design
