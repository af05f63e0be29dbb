#include "design/sill_basin.h"

#include "design/sill_discharge.h"
#include "model/checked_math.h"
#include "model/formulas.h"

#include <algorithm>
#include <cmath>

namespace varnolt::design {

using namespace Qt::StringLiterals;
namespace c = varnolt::checked;

namespace {

// c has settled when a round moves it by no more than this share of itself
// (of a metre below a metre): far below any height a sill is built to, far
// above the rounding of the few operations of one round.
constexpr double settledShare = 1e-12;

bool settled(double previous, double next)
{
    return std::abs(next - previous) <= settledShare * std::max(1.0, std::abs(next));
}

// One round: H10 for σs, H1 for the depth before the sill, and the height
// that raises that depth to σ·hco2.
void sizeForCoefficient(SillBasin &sill, const WeirFlow &flow, double heldDepth, double m)
{
    sill.H10 = sillTotalHead(flow.q, sill.sigmaS, m);
    sill.H1 = sillStaticHead(sill.H10, flow.q, heldDepth);
    sill.c = c::sub(heldDepth, sill.H1);
    sill.submergenceRatio = c::div(c::sub(flow.ht, sill.c), sill.H10);
}

// The contracted depth after the sill and its conjugate, none where the
// head above the floor beyond it is too small for one.
std::optional<FlowAfterSill> flowAfterSill(const SillBasin &sill, const WeirFlow &flow)
{
    FlowAfterSill after;
    after.E10 = c::add(sill.c, sill.H10);
    const std::optional<double> hco = standardContractedDepth(after.E10, flow.q, flow.phi, 1.0);
    if (!hco)
        return std::nullopt;
    after.hco = *hco;
    after.hco2 = formulas::exact::conjugateDepth(flow.q, after.hco);
    if (after.hco2 < flow.ht)
        after.jump = JumpKind::Submerged;
    else if (after.hco2 == flow.ht)
        after.jump = JumpKind::Critical;
    else
        after.jump = JumpKind::Remote;
    return after;
}

SillBasin size(const WeirFlow &flow, const ToeJump &toe, double m, int maxIterations)
{
    SillBasin sill;
    sill.lengthMin = c::mul(c::sub(toe.hco2, toe.hco), formulas::shortBasinFactor);
    sill.lengthMax = c::mul(c::sub(toe.hco2, toe.hco), formulas::longBasinFactor);

    // The water the sill must hold before it: σ times the toe's conjugate depth.
    const double heldDepth = c::mul(flow.sigma, toe.hco2);
    sill.sigmaS = 1.0;
    sizeForCoefficient(sill, flow, heldDepth, m);
    sill.iterations = 1;
    double previous = sill.c;
    for (;;) {
        if (!(sill.c > 0)) {
            sill.verdict = SillVerdict::NoPositiveHeight;
            return sill;
        }
        if (sill.submergenceRatio >= 1) {
            sill.verdict = SillVerdict::Drowned;
            return sill;
        }
        if (sill.iterations > 1 && settled(previous, sill.c))
            break;
        const double sigmaS = sillSubmergenceCoefficient(sill.submergenceRatio);
        if (sigmaS == sill.sigmaS)
            break; // a free sill, or the same coefficient giving the same height again
        if (sill.iterations >= maxIterations) {
            sill.verdict = SillVerdict::NotSettled;
            return sill;
        }
        previous = sill.c;
        sill.sigmaS = sigmaS;
        sizeForCoefficient(sill, flow, heldDepth, m);
        ++sill.iterations;
    }

    sill.after = flowAfterSill(sill, flow);
    if (!sill.after)
        sill.verdict = SillVerdict::NoContractedDepthAfterSill;
    else if (sill.after->jump == JumpKind::Remote)
        sill.verdict = SillVerdict::RemoteAfterSill;
    else
        sill.verdict = SillVerdict::Holds;
    return sill;
}

} // namespace

SillBasinResult sillBasin(const WeirFlow &flow, const ToeJump &toe, double m, int maxIterations)
{
    SillBasinResult result;
    try {
        result.basin = size(flow, toe, m, maxIterations);
    } catch (const CalcError &error) {
        result.error = error;
    }
    return result;
}

QString sillVerdictKey(SillVerdict verdict)
{
    switch (verdict) {
    case SillVerdict::Holds:
        return u"holds"_s;
    case SillVerdict::RemoteAfterSill:
        return u"remote after sill"_s;
    case SillVerdict::NoPositiveHeight:
        return u"no positive height"_s;
    case SillVerdict::Drowned:
        return u"drowned"_s;
    case SillVerdict::NotSettled:
        return u"not settled"_s;
    case SillVerdict::NoContractedDepthAfterSill:
        return u"no contracted depth after sill"_s;
    }
    return {};
}

} // namespace varnolt::design
