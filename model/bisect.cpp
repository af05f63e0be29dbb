#include "model/bisect.h"

#include "model/number_text.h"

namespace varnolt {

double BisectBound::value() const
{
    if (!m_form)
        return m_number;
    return StrictNumberUnrounded(m_form->text(m_field), m_field);
}

} // namespace varnolt
