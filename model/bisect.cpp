#include "model/bisect.h"

#include "model/number_text.h"

namespace varnolt {

double BisectBound::fieldValue() const
{
    return StrictNumberUnrounded(m_form->text(m_field), fieldCaption(m_field));
}

} // namespace varnolt
