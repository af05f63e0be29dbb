#pragma once

#include "model/form_model.h"

#include <array>
#include <optional>

namespace varnolt {

// The numbers one command reads from the fields of the form. A command runs
// to its end before the window handles the next event, and the only texts it
// writes are outputs it never reads back as numbers, so every field keeps its
// text, and the locale stays the same, while the command runs. A field is
// therefore converted at its first read, at the step where the command first
// needs it and failing there as ever, and the later reads of the same command
// give that number back without asking the form again. Each command makes its
// own, so the next one sees the texts and the locale as they are by then.
class FieldReadings {
public:
    explicit FieldReadings(const FormModel &form)
        : m_form(form)
    {
    }

    // The field's text read strictly, without the rounding to single precision.
    double unrounded(Field field)
    {
        std::optional<double> &number = m_numbers[static_cast<std::size_t>(field) - 1];
        if (!number)
            number = read(field);
        return *number;
    }

private:
    double read(Field field) const;

    const FormModel &m_form;
    std::array<std::optional<double>, FieldCount> m_numbers;
};

} // namespace varnolt
