#pragma once

#include "model/field_readings.h"
#include "model/form_state.h"
#include "model/input_ranges.h"

#include <initializer_list>

namespace varnolt {

// An input field read strictly into a quantity and checked against the
// quantity's physical range at once; an error names the field and carries it.
inline float readStrict(FieldReadings &readings, Field field)
{
    const float value = readings.strict(field);
    checkInputRange(field, value, readings.text(field));
    return value;
}

// The six quantities of the weir and its tailwater, read strictly in this
// order, each checked and stored as soon as it is read: a bad text or an
// impossible value stops the reading there with the earlier quantities
// already stored.
inline void readWeirInputs(FieldReadings &readings, FormState &state)
{
    state.q = readStrict(readings, Field::Text1);
    state.H = readStrict(readings, Field::Text2);
    state.a1 = readStrict(readings, Field::Text3);
    state.v = readStrict(readings, Field::Text4);
    state.ht = readStrict(readings, Field::Text5);
    state.phi = readStrict(readings, Field::Text6);
}

// Clears result fields, so that no figure of earlier inputs stays beside a
// new verdict or an error.
inline void clearFields(FormModel &form, std::initializer_list<Field> fields)
{
    for (const Field field : fields)
        form.setText(field, QString());
}

} // namespace varnolt
