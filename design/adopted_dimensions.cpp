#include "design/adopted_dimensions.h"

#include "model/checked_math.h"

#include <algorithm>
#include <cmath>

namespace varnolt::design {

namespace {

constexpr double multipleTolerance = 1e-9;

AdoptedValue adopt(double largest, double step)
{
    return AdoptedValue{roundUpToStep(largest, step), largest};
}

} // namespace

double roundUpToStep(double value, double step)
{
    const double count = checked::div(value, step);
    const double nearest = std::round(count);
    const bool multiple
            = std::abs(count - nearest) <= multipleTolerance * std::max(1.0, std::abs(nearest));
    const double steps = multiple ? nearest : std::ceil(count);
    const double perUnit = checked::div(1.0, step);
    const double wholePerUnit = std::round(perUnit);
    if (wholePerUnit >= 1 && std::abs(perUnit - wholePerUnit) <= multipleTolerance * wholePerUnit)
        return checked::div(steps, wholePerUnit);
    return checked::mul(steps, step);
}

AdoptedValue adoptedDepth(double windowDepth, std::optional<double> exactDepth,
        std::optional<double> standardDepth, double step)
{
    double largest = windowDepth;
    for (const std::optional<double> &other : {exactDepth, standardDepth}) {
        if (other)
            largest = std::max(largest, *other);
    }
    return adopt(largest, step);
}

AdoptedValue adoptedLength(
        double windowUpperLength, std::optional<double> standardLength, double step)
{
    return adopt(std::max(windowUpperLength, standardLength.value_or(windowUpperLength)), step);
}

std::optional<std::size_t> governingCase(const std::vector<std::optional<AdoptedValue>> &values)
{
    std::optional<std::size_t> governing;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (!values[i])
            continue;
        if (!governing) {
            governing = i;
            continue;
        }
        const AdoptedValue &best = *values[*governing];
        const AdoptedValue &candidate = *values[i];
        if (candidate.adopted > best.adopted
                || (candidate.adopted == best.adopted && candidate.unrounded > best.unrounded))
            governing = i;
    }
    return governing;
}

} // namespace varnolt::design
