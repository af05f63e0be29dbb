#include "design/exact_basin_depth.h"

#include "model/checked_math.h"
#include "model/formulas.h"

#include <array>
#include <cmath>
#include <optional>

namespace varnolt::design {

using namespace Qt::StringLiterals;

namespace {

// Beyond a basin of this depth (m) the search for an upper end gives up:
// no weir a design could hold needs one, and Rd grows without bound
// (d linearly, σ·hco2 only like the fourth root of the head).
constexpr double deepestBasin = 1.0e4;

// The balance at one trial depth, with the quantities it forms.
struct Balance {
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

    // The balance at three trial depths at once, their contracted depths
    // found together; none where any of them fails or has no contracted
    // depth, which the one-at-a-time form then says.
    std::optional<std::array<Balance, 3>> atTogether(const std::array<double, 3> &d) const
    {
        try {
            std::array<Balance, 3> balances;
            std::array<double, 3> heads{};
            for (std::size_t k = 0; k < d.size(); ++k) {
                balances[k].E0 = formulas::exact::totalHeadForBasinFrom(m_approachHead, d[k]);
                heads[k] = balances[k].E0;
            }
            const auto hco = standardContractedDepths(heads, m_flow.q, m_flow.phi, 1.0);
            if (!hco)
                return std::nullopt;
            for (std::size_t k = 0; k < d.size(); ++k) {
                Balance &balance = balances[k];
                balance.hco = (*hco)[k];
                balance.hco2 = formulas::exact::conjugateDepthFromSquare(m_qSquared, balance.hco);
                balance.residual = formulas::exact::basinResidualFromSquare(
                        m_Et, m_qSquared, balance.hco2, m_flow.sigma, d[k]);
            }
            return balances;
        } catch (const CalcError &) {
            return std::nullopt;
        }
    }

private:
    WeirFlow m_flow;
    double m_Et;
    double m_approachHead;
    double m_qSquared;
};

ExactBasin exactOf(double d, const Balance &balance, double Et)
{
    return ExactBasin{d, balance.E0, balance.hco, balance.hco2, Et, balance.residual, false};
}

ExactBasin solve(const BasinBalance &balance)
{
    double low = 0;
    Balance atLow = balance.at(low);
    if (atLow.residual >= 0) {
        ExactBasin met = exactOf(0, atLow, balance.Et());
        met.metWithoutLowering = true;
        return met;
    }
    // Rd(low) < 0; double the upper end until Rd(high) ≥ 0.
    double high = std::max(1.0, atLow.hco2);
    Balance atHigh = balance.at(high);
    while (atHigh.residual < 0) {
        low = high;
        atLow = atHigh;
        high = checked::mul(high, 2.0);
        if (high > deepestBasin) {
            ErrorFigures figures;
            figures.deepest = deepestBasin;
            throw CalcError(ErrorReason::NoBasinDeepEnough, figures);
        }
        atHigh = balance.at(high);
    }
    // Rd(low) < 0 ≤ Rd(high) throughout, down to adjacent doubles. Two
    // steps at a time: the next step's midpoint in either half is formed
    // from the bounds that step would have, and the balance is found at all
    // three midpoints together; the steps taken, and where they stop, are
    // those of one step after the other. Where the three cannot be found
    // together, the step is taken alone.
    for (;;) {
        const double middle = low + (high - low) / 2;
        if (middle <= low || middle >= high)
            break;
        const double lowerMiddle = low + (middle - low) / 2;
        const double upperMiddle = middle + (high - middle) / 2;
        const auto together = balance.atTogether({middle, lowerMiddle, upperMiddle});
        const Balance atMiddle = together ? (*together)[0] : balance.at(middle);
        const bool raised = atMiddle.residual < 0;
        if (raised) {
            low = middle;
            atLow = atMiddle;
        } else {
            high = middle;
            atHigh = atMiddle;
        }
        if (!together)
            continue;
        const double next = raised ? upperMiddle : lowerMiddle;
        if (next <= low || next >= high)
            break;
        const Balance &atNext = raised ? (*together)[2] : (*together)[1];
        if (atNext.residual < 0) {
            low = next;
            atLow = atNext;
        } else {
            high = next;
            atHigh = atNext;
        }
    }
    if (std::abs(atLow.residual) < std::abs(atHigh.residual))
        return exactOf(low, atLow, balance.Et());
    return exactOf(high, atHigh, balance.Et());
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
