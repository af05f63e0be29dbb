#include "writers/report_numbers.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace varnolt::writers {

using namespace Qt::StringLiterals;

QString figure(double value)
{
    if (!std::isfinite(value))
        return u"—"_s;
    if (std::fabs(value) >= scientificFrom)
        return QString::number(value, 'e', 3);
    int decimals = 3;
    if (value != 0) {
        const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
        decimals = std::clamp(3 - magnitude, 3, 9);
    }
    return QString::number(value, 'f', decimals);
}

QString given(double value)
{
    if (!std::isfinite(value))
        return u"—"_s;
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

QString percent(double share)
{
    if (!std::isfinite(share))
        return u"—"_s;
    return QString::number(share * 100.0, 'f', 1);
}

} // namespace varnolt::writers
