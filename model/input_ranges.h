#pragma once

#include "model/form_model.h"

#include <QString>

#include <optional>

namespace varnolt {

// The physically possible values of an input: a discharge, a head, a height,
// a velocity or a depth is not negative, a velocity coefficient lies between
// 0 and 1, and a submergence factor is at least 1.
struct InputRange {
    double lowest;
    std::optional<double> highest;

    bool holds(double value) const { return value >= lowest && (!highest || value <= *highest); }
    // The range as the user reads it: "≥ 0", "0 ~ 1".
    QString text() const;
};

// The range of an input field; nullopt for a result field.
std::optional<InputRange> inputRange(Field field);

// Stops with an InvalidInput error naming the field, its range and the text
// read when `value` lies outside the field's range.
void checkInputRange(Field field, double value, const QString &text);

} // namespace varnolt
