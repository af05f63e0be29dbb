#include "writers/number_text.h"

#include "writers/report_numbers.h"

#include <charconv>
#include <cmath>

namespace varnolt::writers {

QByteArray shortestText(double value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QByteArray(buffer, result.ptr - buffer);
}

QString tableNumberText(double value, int decimals)
{
    return QString::number(value, std::fabs(value) >= scientificFrom ? 'e' : 'f', decimals);
}

} // namespace varnolt::writers
