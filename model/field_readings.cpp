#include "model/field_readings.h"

#include "model/number_text.h"

#include <QLocale>
#include <QString>

#include <cmath>

namespace varnolt {

namespace {

// The last text of each field that read as a number, with that number, and
// the locale they were read under.
struct RememberedReadings {
    struct Reading {
        QString text; // null until a text has been read
        double number = 0;
    };
    QLocale locale = QLocale::c();
    std::array<Reading, FieldCount> fields;
};

RememberedReadings &remembered()
{
    thread_local RememberedReadings readings;
    return readings;
}

} // namespace

FieldReadings::FieldReadings(const FormModel &form)
    : m_form(form)
    , m_locale(form.locale())
{
    RememberedReadings &readings = remembered();
    if (m_locale != readings.locale) {
        readings.locale = m_locale;
        readings.fields = {};
    }
}

float FieldReadings::strict(Field field)
{
    const double number = unrounded(field);
    const auto single = static_cast<float>(number);
    // Beyond the single range: the strict reading's own overflow error.
    if (std::isinf(single))
        return StrictNumber(m_form.text(field), m_locale, field);
    return single;
}

double FieldReadings::read(Field field) const
{
    RememberedReadings::Reading &reading = remembered().fields[indexOf(field)];
    const QString shown = m_form.text(field);
    if (reading.text.isNull() || shown != reading.text)
        reading = {shown, StrictNumberUnrounded(shown, m_locale, field)};
    return reading.number;
}

} // namespace varnolt
