#include "design/sill_discharge.h"

#include "model/checked_math.h"
#include "model/formulas.h"

#include <iterator>

namespace varnolt::design {

namespace c = varnolt::checked;

namespace {

struct SubmergenceRow {
    double ratio; // hs/H10
    double sigmaS;
};

// The textbook's σs of a practical-profile sill, from the end of free flow
// to a tailwater as high as the sill's total head.
constexpr SubmergenceRow submergenceTable[] = {
        {freeSillLimit, 1.000},
        {0.50, 0.990},
        {0.55, 0.985},
        {0.60, 0.975},
        {0.65, 0.960},
        {0.70, 0.940},
        {0.72, 0.930},
        {0.74, 0.915},
        {0.76, 0.900},
        {0.78, 0.885},
        {0.80, 0.865},
        {0.82, 0.845},
        {0.84, 0.815},
        {0.86, 0.785},
        {0.88, 0.750},
        {0.90, 0.710},
        {0.92, 0.651},
        {0.95, 0.535},
        {1.00, 0.000},
};

} // namespace

double sillSubmergenceCoefficient(double submergenceRatio)
{
    if (submergenceRatio <= freeSillLimit)
        return 1.0;
    for (auto upper = std::next(std::begin(submergenceTable)); upper != std::end(submergenceTable);
            ++upper) {
        const SubmergenceRow &lower = *std::prev(upper);
        if (submergenceRatio <= upper->ratio) {
            const double share = c::div(
                    c::sub(submergenceRatio, lower.ratio), c::sub(upper->ratio, lower.ratio));
            return c::add(lower.sigmaS, c::mul(c::sub(upper->sigmaS, lower.sigmaS), share));
        }
    }
    return 0.0;
}

double sillTotalHead(double q, double sigmaS, double m)
{
    const double rootTwoG = c::pow(formulas::twoG, 0.5);
    return c::pow(c::div(q, c::mul(c::mul(sigmaS, m), rootTwoG)), 2.0 / 3.0);
}

double sillStaticHead(double H10, double q, double depthBeforeSill)
{
    return c::sub(H10,
            c::div(c::mul(q, q), c::mul(formulas::twoG, c::mul(depthBeforeSill, depthBeforeSill))));
}

} // namespace varnolt::design
