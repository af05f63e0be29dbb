#include "model/field_readings.h"

#include "model/number_text.h"

namespace varnolt {

double FieldReadings::read(Field field) const
{
    return StrictNumberUnrounded(m_form.text(field), fieldCaption(field));
}

} // namespace varnolt
