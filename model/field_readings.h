#pragma once

#include "model/form_model.h"

#include <array>
#include <optional>

namespace varnolt {

// The numbers one command reads from the fields of the form, by the strict
// reading in the form's locale.
//
// A command runs to its end before the window handles the next event, and
// the only texts it writes are outputs it never reads back as numbers, so
// every field keeps its text, and the locale stays the same, while the
// command runs: each field is converted at its first read, at the step
// where the command first needs it and failing there as ever, and the later
// reads of the same command give that number back without asking the form
// again.
//
// A reading depends on nothing but the text and the locale, so a field whose
// text and locale are those of an earlier command's reading gives that
// number back without parsing the text again; an edited text or another
// locale is read afresh. A text that is not a number is never remembered:
// it fails again, with the same error, at every read.
class FieldReadings {
public:
    // Notes the form's locale: the command reads and writes in it.
    explicit FieldReadings(const FormModel &form);

    // The notation of the form's texts, for what the command writes back.
    const QLocale &locale() const { return m_locale; }

    // StrictNumber of the field's text.
    float strict(Field field);

    // The field's text as the form holds it.
    QString text(Field field) const { return m_form.text(field); }

    // StrictNumberUnrounded of the field's text.
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
    QLocale m_locale;
    std::array<std::optional<double>, FieldCount> m_numbers;
};

} // namespace varnolt
