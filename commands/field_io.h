#pragma once

#include "model/form_model.h"
#include "model/form_state.h"
#include "model/input_ranges.h"
#include "model/number_text.h"

#include <initializer_list>

namespace varnolt {

// An input field read strictly into a quantity and checked against the
// quantity's physical range at once; an error names the field and carries it.
inline float readStrict(const FormModel &form, Field field)
{
    const QString text = form.text(field);
    const float value = StrictNumber(text, field);
    checkInputRange(field, value, text);
    return value;
}

// A head of the basin, read from what its field shows now in the user's
// notation, in double precision. The command has read the same text strictly
// at its start, so it is a number.
inline double readHead(const FormModel &form, Field field)
{
    return StrictNumberUnrounded(form.text(field), field);
}

// The six quantities of the weir and its tailwater, read strictly in this
// order, each checked and stored as soon as it is read: a bad text or an
// impossible value stops the reading there with the earlier quantities
// already stored.
inline void readWeirInputs(const FormModel &form, FormState &state)
{
    state.q = readStrict(form, Field::Text1);
    state.H = readStrict(form, Field::Text2);
    state.a1 = readStrict(form, Field::Text3);
    state.v = readStrict(form, Field::Text4);
    state.ht = readStrict(form, Field::Text5);
    state.phi = readStrict(form, Field::Text6);
}

// Clears result fields, so that no figure of earlier inputs stays beside a
// new verdict or an error.
inline void clearFields(FormModel &form, std::initializer_list<Field> fields)
{
    for (const Field field : fields)
        form.setText(field, QString());
}

} // namespace varnolt
