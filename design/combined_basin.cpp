#include "design/combined_basin.h"

#include "design/sill_discharge.h"
#include "design/trial_bisection.h"
#include "model/checked_math.h"
#include "model/formulas.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace varnolt::design {

using namespace Qt::StringLiterals;
namespace c = varnolt::checked;

namespace {

// Beyond a lowering of this depth (m) the search gives up, as the sunk
// basin's exact root does: the residual grows like d, σ·hco2 only like the
// fourth root of the head.
constexpr double deepestLowering = 1.0e4;

// The toe's jump at one lowering d and the balance's residual there:
// (d + c + H1) − σ·hco2, negative while the floor is too high.
struct Lowering {
    double d = 0;
    double E0 = 0;
    double hco = 0;
    double hco2 = 0;
    double H1 = 0;
    double residual = 0;
};

class LoweringBalance {
public:
    // What no trial lowering changes is formed once, in the order the first
    // trial formed it: the approach head, then q².
    LoweringBalance(const WeirFlow &flow, double c, double H10)
        : m_flow(flow)
        , m_c(c)
        , m_H10(H10)
        , m_approachHead(formulas::exact::approachHead(flow.H, flow.a1, flow.v))
        , m_qSquared(formulas::exact::dischargeSquared(flow.q))
    {
    }

    Lowering at(double d) const
    {
        Lowering lowering;
        lowering.d = d;
        lowering.E0 = formulas::exact::totalHeadForBasinFrom(m_approachHead, d);
        const std::optional<double> hco
                = standardContractedDepth(lowering.E0, m_flow.q, m_flow.phi, 1.0);
        if (!hco) {
            throw CalcError(ErrorReason::HeadTooSmall);
        }
        lowering.hco = *hco;
        lowering.hco2 = formulas::exact::conjugateDepthFromSquare(m_qSquared, lowering.hco);
        const double heldDepth = c::mul(m_flow.sigma, lowering.hco2);
        lowering.H1 = sillStaticHead(m_H10, m_flow.q, heldDepth);
        lowering.residual = c::sub(c::add(c::add(lowering.d, m_c), lowering.H1), heldDepth);
        return lowering;
    }

private:
    WeirFlow m_flow;
    double m_c;
    double m_H10;
    double m_approachHead;
    double m_qSquared;
};

Lowering solveLowering(const LoweringBalance &balance)
{
    Lowering low = balance.at(0);
    if (low.residual >= 0)
        return low;
    Lowering high = balance.at(std::max(1.0, low.hco2));
    while (high.residual < 0) {
        low = high;
        const double deeper = c::mul(high.d, 2.0);
        if (deeper > deepestLowering) {
            ErrorFigures figures;
            figures.deepest = deepestLowering;
            throw CalcError(ErrorReason::NoBasinDeepEnough, figures);
        }
        high = balance.at(deeper);
    }
    // residual(low) < 0 ≤ residual(high) throughout, down to adjacent
    // doubles, as the sunk basin's root is searched.
    bisectTrials(low, high, [&](double d) { return balance.at(d); });
    return std::abs(low.residual) < std::abs(high.residual) ? low : high;
}

CombinedBasinResult size(const WeirFlow &flow, double m)
{
    CombinedBasinResult result;
    CombinedBasin basin;
    basin.H10 = sillTotalHead(flow.q, 1.0, m);
    // The depth before a jump whose conjugate is ht: the momentum formula is
    // symmetric in its two depths.
    basin.hc1 = formulas::exact::conjugateDepth(flow.q, flow.ht);
    basin.E10 = c::add(basin.hc1,
            c::div(c::mul(flow.q, flow.q),
                    c::mul(formulas::twoG, c::pow(c::mul(flow.phi, basin.hc1), 2))));
    basin.c = c::sub(basin.E10, basin.H10);
    basin.submergenceRatio = c::div(c::sub(flow.ht, basin.c), basin.H10);
    if (!(basin.c > 0)) {
        result.verdict = CombinedVerdict::NoSill;
        result.basin = basin;
        return result;
    }
    const Lowering lowering = solveLowering(LoweringBalance(flow, basin.c, basin.H10));
    basin.d = lowering.d;
    basin.E0 = lowering.E0;
    basin.hco = lowering.hco;
    basin.hco2 = lowering.hco2;
    basin.lengthMin = c::mul(c::sub(basin.hco2, basin.hco), formulas::shortBasinFactor);
    basin.lengthMax = c::mul(c::sub(basin.hco2, basin.hco), formulas::longBasinFactor);
    basin.H1 = lowering.H1;
    basin.metWithoutLowering = lowering.d == 0;
    result.basin = basin;
    return result;
}

} // namespace

CombinedBasinResult combinedBasin(const WeirFlow &flow, double m)
{
    try {
        return size(flow, m);
    } catch (const CalcError &error) {
        CombinedBasinResult result;
        result.error = error;
        return result;
    }
}

} // namespace varnolt::design
