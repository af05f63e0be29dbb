#pragma once

#include "model/form_model.h"
#include "model/number_text.h"

namespace varnolt {

// A field read strictly into a quantity; an error names the field's caption.
inline float readStrict(const FormModel &form, Field field)
{
    return StrictNumber(form.text(field), fieldCaption(field));
}

// The leading number of a field's text.
inline double readLeading(const FormModel &form, Field field)
{
    return LeadingNumber(form.text(field), fieldCaption(field));
}

} // namespace varnolt
