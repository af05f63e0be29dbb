#include "design/standard_check.h"

#include "design/cubic_root.h"
#include "design/slab_and_apron.h"

#include "model/checked_math.h"
#include "model/errors.h"
#include "model/formulas.h"

#include <algorithm>
#include <cmath>

namespace varnolt::design {

namespace c = varnolt::checked;

namespace {

// Beyond this many rounds the fixed point is declared unsettled; the
// iteration contracts fast (d′ grows like the fourth root of T0), so a
// healthy case settles in well under twenty.
constexpr int maxRounds = 200;

} // namespace

double standardTotalHead(const WeirFlow &flow, double alpha)
{
    const double velocityHead = c::div(c::mul(alpha, c::mul(flow.v, flow.v)), formulas::twoG);
    return c::add(c::add(flow.a1, flow.H), velocityHead);
}

std::optional<double> standardContractedDepth(double T0, double q, double phi, double alpha)
{
    if (!(T0 > 0))
        return std::nullopt;
    const double constant
            = c::div(c::mul(alpha, c::mul(q, q)), c::mul(formulas::twoG, c::mul(phi, phi)));
    const double high = c::div(c::mul(2.0, T0), 3.0);
    if (contractedDepthCubic(high, T0, constant) > 0)
        return std::nullopt;
    // The bisection's own root, without its steps wherever that is proved.
    if (const std::optional<double> root = certifiedCubicRoot(T0, constant, high))
        return root;
    return bisectedCubicRoot(T0, constant, high);
}

StandardCheck standardCheck(const WeirFlow &flow, const DesignOptions &options)
{
    StandardCheck result;
    try {
        const double alpha = options.alpha;
        const double E0 = standardTotalHead(flow, alpha);
        const double alphaQ2 = c::mul(alpha, c::mul(flow.q, flow.q));
        const double widthFactor = c::pow(options.widthRatio, 0.25);
        // The tailwater's head at the exit with the exit's own coefficient φ′.
        const double tailwaterHead = c::div(alphaQ2,
                c::mul(c::mul(formulas::twoG, c::mul(options.exitPhi, options.exitPhi)),
                        c::mul(flow.ht, flow.ht)));
        double depth = 0;
        for (int round = 0; round < maxRounds; ++round) {
            const double T0 = c::add(E0, depth);
            const std::optional<double> hco = standardContractedDepth(T0, flow.q, flow.phi, alpha);
            if (!hco) {
                result.failure
                        = StandardFailure{StandardFailure::Reason::NoContractedDepth, T0, {}};
                return result;
            }
            const double root = c::pow(
                    c::add(1.0, c::div(c::mul(8.0, alphaQ2), c::mul(formulas::g, c::pow(*hco, 3)))),
                    0.5);
            const double conjugate
                    = c::mul(c::mul(c::div(*hco, 2.0), c::sub(root, 1.0)), widthFactor);
            const double deltaZ = c::sub(tailwaterHead,
                    c::div(alphaQ2, c::mul(formulas::twoG, c::mul(conjugate, conjugate))));
            const double next = c::sub(c::sub(c::mul(flow.sigma, conjugate), flow.ht), deltaZ);
            const bool settled = std::abs(next - depth) <= 1e-12 * std::max(1.0, std::abs(next));
            depth = next;
            if (settled) {
                result.d = depth;
                result.T0 = T0;
                result.hco = *hco;
                result.conjugate = conjugate;
                result.deltaZ = deltaZ;
                result.length = c::add(options.slopeLength,
                        c::mul(c::mul(options.beta, formulas::freeJumpFactor),
                                c::sub(conjugate, *hco)));
                return result;
            }
        }
        result.failure = StandardFailure{StandardFailure::Reason::NotSettled, 0, {}};
    } catch (const CalcError &error) {
        result = StandardCheck{};
        result.failure = StandardFailure{StandardFailure::Reason::Arithmetic, 0, error};
    }
    return result;
}

ScourSlab scourSlab(const WeirFlow &flow, const DesignOptions &options)
{
    ScourSlab result;
    result.headDifference = headDifference(flow);
    result.slabThickness = scourSlabThickness(flow.q, result.headDifference, options.k1);
    const double root = scourParameter(flow.q, result.headDifference);
    result.outsideRange = root < 1.0 || root > 9.0;
    return result;
}

} // namespace varnolt::design
