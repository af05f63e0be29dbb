#pragma once

#include <string>

namespace varnolt {

// A finite double as its exact decimal expansion: value = ±0.D × 10^pointPosition
// with D the significant digits (no leading zero; empty for zero). Rounding is
// done on this exact expansion, so a value that is exactly half-way between two
// results rounds away from zero, as an engineer rounds on paper.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    int pointPosition = 0;

    static DecimalDigits of(double value);

    bool isZero() const { return digits.empty(); }
    // Keeps the first `count` significant digits, rounding half away from zero.
    DecimalDigits roundedToSignificant(int count) const;
    // Keeps `count` digits after the decimal point, rounding half away from zero.
    DecimalDigits roundedToFraction(int count) const;
    // Digits before and after the decimal point, without sign or separator.
    std::string integerDigits() const;
    std::string fractionDigits() const;
};

} // namespace varnolt
