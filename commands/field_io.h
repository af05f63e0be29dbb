#pragma once

#include "model/form_model.h"
#include "model/form_state.h"
#include "model/number_text.h"

namespace varnolt {

// A field read strictly into a quantity; an error names the field's caption.
inline float readStrict(const FormModel &form, Field field)
{
    return StrictNumber(form.text(field), fieldCaption(field));
}

// The six quantities of the weir and its tailwater, read strictly in this
// order, each stored as soon as it is read: a bad text stops the reading
// there with the earlier quantities already stored.
inline void readWeirInputs(const FormModel &form, FormState &state)
{
    state.q = readStrict(form, Field::Text1);
    state.H = readStrict(form, Field::Text2);
    state.a1 = readStrict(form, Field::Text3);
    state.v = readStrict(form, Field::Text4);
    state.ht = readStrict(form, Field::Text5);
    state.phi = readStrict(form, Field::Text6);
}

} // namespace varnolt
