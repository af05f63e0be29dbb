#include "model/decimal_digits.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>

namespace varnolt {

namespace {

// Significant decimal digits enough to write a double exactly, counted from
// its odd significand: with the value m · 2^e (m odd, below 2^bits), a
// negative e adds one digit per factor 5 of 10^-e / 2^-e (log10 5 < 0.7
// digits per binary place), a positive e one per doubling of the integer
// (log10 2 < 0.31). A single widened to double has at most 24 significant
// bits, so it is written with a third of the digits a full double needs.
int exactPrecision(double magnitude)
{
    int binaryExponent = 0;
    const double fraction = std::frexp(magnitude, &binaryExponent);
    auto significand = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    const int trailingZeros = std::countr_zero(significand);
    significand >>= trailingZeros;
    const int e = binaryExponent - 53 + trailingZeros;
    const auto bits = static_cast<int>(std::bit_width(significand));
    const int digits
            = 2 + (bits * 31 + 99) / 100 + (e < 0 ? (-e * 7 + 9) / 10 : (e * 31 + 99) / 100);
    return std::min(digits, 800);
}

} // namespace

DecimalDigits DecimalDigits::of(double value)
{
    DecimalDigits result;
    result.negative = std::signbit(value);
    if (value == 0)
        return result;

    const double magnitude = std::fabs(value);
    std::array<char, 1100> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
            std::chars_format::scientific, exactPrecision(magnitude));
    // d.ddd…e±x: the digits without the point, the exponent after the 'e'.
    const std::string_view text(
            buffer.data(), static_cast<std::size_t>(written.ptr - buffer.data()));
    const auto e = text.find('e');
    result.digits.reserve(e);
    result.digits.push_back(text[0]);
    if (e > 2)
        result.digits.append(text.substr(2, e - 2));
    const auto last = result.digits.find_last_not_of('0');
    result.digits.resize(last + 1);

    int exponent = 0;
    const auto exponentText = text.substr(e + 1 + (text[e + 1] == '+' ? 1 : 0));
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    result.pointPosition = exponent + 1;
    return result;
}

DecimalDigits DecimalDigits::roundedToSignificant(int count) const
{
    if (count >= static_cast<int>(digits.size()))
        return *this;
    // Only the kept digits are copied: seven fit in the string itself, where
    // the whole exact expansion would need memory of its own.
    DecimalDigits result{negative, {}, pointPosition};
    if (count < 0)
        return result;
    const bool roundUp = digits[static_cast<std::size_t>(count)] >= '5';
    result.digits.assign(digits, 0, static_cast<std::size_t>(count));
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
