#pragma once

#include "model/checked_math.h"
#include "model/field_readings.h"

#include <cmath>
#include <optional>

namespace varnolt {

enum class ResidualPrecision {
    Single, // residuals rounded to single precision before their signs are taken
    Double,
};

// A bisection bound: a number, or the number of a field's text as the
// running command reads it, until the bisection moves the bound, which then
// holds a number of its own.
class BisectBound {
public:
    explicit BisectBound(double number)
        : m_number(number)
    {
    }
    BisectBound(FieldReadings &readings, Field field)
        : m_readings(&readings)
        , m_field(field)
    {
    }

    double value() const { return m_readings ? m_readings->unrounded(m_field) : m_number; }
    void moveTo(double number)
    {
        m_readings = nullptr;
        m_number = number;
    }

private:
    FieldReadings *m_readings = nullptr;
    Field m_field = Field::Text1;
    double m_number = 0;
};

// What the first evaluation of the start interval found.
struct BisectStart {
    double low;
    double lowResidual;
    double high;
    double highResidual;
};

inline int signOf(double value)
{
    return (value > 0) - (value < 0);
}

// Bisection with a fixed number of iterations and no tolerance: it stops on an
// exact zero of the residual at a bound or after `iterations` halvings. Each
// iteration sets the sought quantity `u` to low, high and the midpoint in turn
// (rounded to single precision) and evaluates `residual()` there.
//
// `rescue` sees the first evaluation of the start interval. Where that
// interval does not hold the root the caller looks for, it returns the root
// found by other means; otherwise nullopt, and the fixed procedure runs on.
// `evaluateAt(x)` given to it sets u to x and returns the residual there.
template <class Residual, class Rescue>
double Bisect(float &u, Residual &&residual, double low, BisectBound high, int iterations,
        ResidualPrecision precision, Rescue &&rescue)
{
    auto evaluateAt = [&](double trial) {
        u = checked::toSingle(trial);
        const double y = residual();
        return precision == ResidualPrecision::Single ? double(checked::toSingle(y)) : y;
    };
    auto midpointTo
            = [&](double highValue) { return checked::div(checked::add(highValue, low), 2); };

    bool firstEvaluation = true;
    for (int counter = 0;;) {
        const double y0 = evaluateAt(low);
        if (low != 0 && y0 == 0)
            return low;
        const double highValue = high.value();
        const double y1 = evaluateAt(highValue);
        if (y1 == 0)
            return highValue;
        if (firstEvaluation) {
            firstEvaluation = false;
            if (const std::optional<double> root
                    = rescue(BisectStart{low, y0, highValue, y1}, evaluateAt))
                return *root;
        }
        const double midpoint = midpointTo(highValue);
        const double y2 = evaluateAt(midpoint);
        if (signOf(y2) * signOf(y0) <= 0)
            high.moveTo(midpoint);
        else
            low = midpoint;
        ++counter;
        const double result = midpointTo(high.value());
        if (counter == iterations)
            return result;
    }
}

// Bisects a bracket [lo, hi] with residual(lo) < 0 < residual(hi) over single
// precision trial values until the two bounds are neighbouring singles, and
// returns the bound with the smaller residual.
template <class EvaluateAt>
double bisectToSinglePrecision(
        EvaluateAt &&evaluateAt, double lo, double yLo, double hi, double yHi)
{
    for (;;) {
        const float mid = checked::toSingle(checked::div(checked::add(lo, hi), 2));
        if (mid <= lo || mid >= hi)
            break;
        const double y = evaluateAt(mid);
        if (y == 0)
            return mid;
        if (y < 0) {
            lo = mid;
            yLo = y;
        } else {
            hi = mid;
            yHi = y;
        }
    }
    return std::fabs(yLo) <= std::fabs(yHi) ? lo : hi;
}

} // namespace varnolt
