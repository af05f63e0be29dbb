#pragma once

#include "model/errors.h"
#include "model/form_model.h"

#include <QString>
#include <QStringList>

#include <cmath>
#include <iterator>
#include <optional>
#include <utility>

// Fills the five input fields q, H, a1, v, ht of a form; the coefficient
// fields keep their presets unless given.
inline void typeInputs(varnolt::FormModel &form, const QStringList &texts)
{
    using varnolt::Field;
    const Field fields[] = {Field::Text1, Field::Text2, Field::Text3, Field::Text4, Field::Text5,
            Field::Text6, Field::Text10};
    for (qsizetype i = 0; i < texts.size() && i < qsizetype(std::size(fields)); ++i)
        form.setText(fields[i], texts[i]);
}

inline bool relativelyClose(double actual, double expected, double tolerance)
{
    return std::abs(actual - expected) <= tolerance * std::abs(expected);
}

// The error a call ends with, or none when it finishes.
template <class Call> std::optional<varnolt::CalcError> errorOf(Call &&call)
{
    try {
        call();
    } catch (const varnolt::CalcError &e) {
        return e;
    }
    return std::nullopt;
}

// The kind of error a call ends with, or -1 when it finishes.
template <class Call> int errorKindOf(Call &&call)
{
    const std::optional<varnolt::CalcError> error = errorOf(std::forward<Call>(call));
    return error ? static_cast<int>(error->kind()) : -1;
}
