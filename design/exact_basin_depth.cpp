#include "design/exact_basin_depth.h"

#include "design/trial_bisection.h"
#include "model/checked_math.h"
#include "model/formulas.h"

#include <cmath>
#include <optional>

namespace varnolt::design {

using namespace Qt::StringLiterals;

namespace {

// Beyond a basin of this depth (m) the search for an upper end gives up:
// no weir a design could hold needs one, and Rd grows without bound
// (d linearly, σ·hco2 only like the fourth root of the head).
constexpr double deepestBasin = 1.0e4;

// The balance at one trial depth d, with the quantities it forms.
struct Balance {
    double d = 0;
    double E0 = 0;
    double hco = 0;
    double hco2 = 0;
    double residual = 0;
};

class BasinBalance {
public:
    // What no trial depth changes is formed once, in the order the first
    // trial formed it: the tailwater's head, then the approach head and q².
    BasinBalance(const WeirFlow &flow, double exitPhi)
        : m_flow(flow)
        , m_Et(formulas::exact::downstreamTotalHead(flow.q, exitPhi, flow.ht))
        , m_approachHead(formulas::exact::approachHead(flow.H, flow.a1, flow.v))
        , m_qSquared(formulas::exact::dischargeSquared(flow.q))
    {
    }

    double Et() const { return m_Et; }

    Balance at(double d) const
    {
        Balance balance;
        balance.d = d;
        balance.E0 = formulas::exact::totalHeadForBasinFrom(m_approachHead, d);
        const std::optional<double> hco
                = standardContractedDepth(balance.E0, m_flow.q, m_flow.phi, 1.0);
        if (!hco) {
            throw CalcError(ErrorReason::HeadTooSmall);
        }
        balance.hco = *hco;
        balance.hco2 = formulas::exact::conjugateDepthFromSquare(m_qSquared, balance.hco);
        balance.residual = formulas::exact::basinResidualFromSquare(
                m_Et, m_qSquared, balance.hco2, m_flow.sigma, d);
        return balance;
    }

private:
    WeirFlow m_flow;
    double m_Et;
    double m_approachHead;
    double m_qSquared;
};

ExactBasin exactOf(const Balance &balance, double Et)
{
    return ExactBasin{
            balance.d, balance.E0, balance.hco, balance.hco2, Et, balance.residual, false};
}

ExactBasin solve(const BasinBalance &balance)
{
    Balance low = balance.at(0);
    if (low.residual >= 0) {
        ExactBasin met = exactOf(low, balance.Et());
        met.metWithoutLowering = true;
        return met;
    }
    // Rd(low) < 0; double the upper end until Rd(high) ≥ 0.
    Balance high = balance.at(std::max(1.0, low.hco2));
    while (high.residual < 0) {
        low = high;
        const double deeper = checked::mul(high.d, 2.0);
        if (deeper > deepestBasin) {
            ErrorFigures figures;
            figures.deepest = deepestBasin;
            throw CalcError(ErrorReason::NoBasinDeepEnough, figures);
        }
        high = balance.at(deeper);
    }
    // Rd(low) < 0 ≤ Rd(high) throughout, down to adjacent doubles.
    bisectTrials(low, high, [&](double d) { return balance.at(d); });
    return exactOf(std::abs(low.residual) < std::abs(high.residual) ? low : high, balance.Et());
}

} // namespace

ExactBasinDepth exactBasinDepth(const WeirFlow &flow, double exitPhi)
{
    ExactBasinDepth result;
    try {
        result.basin = solve(BasinBalance(flow, exitPhi));
    } catch (const CalcError &error) {
        result.error = error;
    }
    return result;
}

} // namespace varnolt::design
