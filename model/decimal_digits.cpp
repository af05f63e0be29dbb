#include "model/decimal_digits.h"

#include <array>
#include <charconv>
#include <cmath>

namespace varnolt {

DecimalDigits DecimalDigits::of(double value)
{
    DecimalDigits result;
    result.negative = std::signbit(value);
    if (value == 0)
        return result;

    // A double has at most 767 significant decimal digits, so this precision
    // writes its value exactly (trailing zeros are dropped below).
    std::array<char, 1100> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
            std::fabs(value), std::chars_format::scientific, 800);
    const std::string text(buffer.data(), written.ptr);
    const auto e = text.find('e');
    for (std::size_t i = 0; i < e; ++i) {
        if (text[i] != '.')
            result.digits.push_back(text[i]);
    }
    int exponent = 0;
    std::from_chars(
            text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), exponent);
    result.pointPosition = exponent + 1;
    while (!result.digits.empty() && result.digits.back() == '0')
        result.digits.pop_back();
    return result;
}

DecimalDigits DecimalDigits::roundedToSignificant(int count) const
{
    if (count >= static_cast<int>(digits.size()))
        return *this;
    DecimalDigits result = *this;
    if (count < 0) {
        result.digits.clear();
        return result;
    }
    const bool roundUp = digits[static_cast<std::size_t>(count)] >= '5';
    result.digits.resize(static_cast<std::size_t>(count));
    if (roundUp) {
        int i = count - 1;
        while (i >= 0 && result.digits[static_cast<std::size_t>(i)] == '9') {
            result.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++result.digits[static_cast<std::size_t>(i)];
        } else {
            // 9.99… became 10.0…: one more digit before the point.
            result.digits.insert(result.digits.begin(), '1');
            ++result.pointPosition;
        }
    }
    while (!result.digits.empty() && result.digits.back() == '0')
        result.digits.pop_back();
    return result;
}

DecimalDigits DecimalDigits::roundedToFraction(int count) const
{
    if (isZero())
        return *this;
    return roundedToSignificant(pointPosition + count);
}

std::string DecimalDigits::integerDigits() const
{
    if (pointPosition <= 0)
        return {};
    std::string integer = digits.substr(0, static_cast<std::size_t>(pointPosition));
    integer.resize(static_cast<std::size_t>(pointPosition), '0');
    return integer;
}

std::string DecimalDigits::fractionDigits() const
{
    if (pointPosition >= static_cast<int>(digits.size()))
        return {};
    if (pointPosition >= 0)
        return digits.substr(static_cast<std::size_t>(pointPosition));
    return std::string(static_cast<std::size_t>(-pointPosition), '0') + digits;
}

} // namespace varnolt
