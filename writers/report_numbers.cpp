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
    if (value == 0)
        return u"0.000"_s;
    // The magnitude of the value rounded to four digits, so that 9.99996
    // reads 10.00 and not 10.000.
    const double rounded = QString::number(value, 'g', 4).toDouble();
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(rounded))));
    return QString::number(value, 'f', std::clamp(3 - magnitude, 0, 9));
}

QString given(double value)
{
    if (!std::isfinite(value))
        return u"—"_s;
    // A Ks of 1e308 as 1e+308, not as 309 digits.
    if (std::fabs(value) >= scientificFrom)
        return QString::number(value, 'g', QLocale::FloatingPointShortest);
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

QString practical(double value)
{
    const QString text = given(value);
    qsizetype digits = 0;
    bool leading = true;
    for (const QChar c : text) {
        if (c == u'e')
            break; // the exponent's digits are not significant ones
        if (!c.isDigit() || (leading && c == u'0'))
            continue;
        leading = false;
        ++digits;
    }
    return digits <= 4 ? text : figure(value);
}

QString toMillimetre(double value)
{
    if (!std::isfinite(value) || std::fabs(value) >= scientificFrom)
        return figure(value);
    return QString::number(value, 'f', 3);
}

QString toCentimetre(double value)
{
    if (!std::isfinite(value) || std::fabs(value) >= scientificFrom)
        return figure(value);
    return QString::number(value, 'f', 2);
}

QString percent(double share)
{
    if (!std::isfinite(share))
        return u"—"_s;
    return QString::number(share * 100.0, 'f', 1);
}

} // namespace varnolt::writers
