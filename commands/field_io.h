#pragma once

#include "model/field_readings.h"
#include "model/form_state.h"

namespace varnolt {

// The six quantities of the weir and its tailwater, read strictly in this
// order, each stored as soon as it is read: a bad text stops the reading
// there with the earlier quantities already stored.
inline void readWeirInputs(FieldReadings &readings, FormState &state)
{
    state.q = readings.strict(Field::Text1);
    state.H = readings.strict(Field::Text2);
    state.a1 = readings.strict(Field::Text3);
    state.v = readings.strict(Field::Text4);
    state.ht = readings.strict(Field::Text5);
    state.phi = readings.strict(Field::Text6);
}

} // namespace varnolt
