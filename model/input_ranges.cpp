#include "model/input_ranges.h"

#include "model/errors.h"
#include "model/number_text.h"
#include "model/quoted_excerpt.h"

#include <utility>

namespace varnolt {

using namespace Qt::StringLiterals;

QString InputRange::text() const
{
    if (!highest)
        return u"≥ %1"_s.arg(lowest);
    return u"%1 ~ %2"_s.arg(lowest).arg(*highest);
}

std::optional<InputRange> inputRange(Field field)
{
    switch (field) {
    case Field::Text1: // q
    case Field::Text2: // H
    case Field::Text3: // a1
    case Field::Text4: // v
    case Field::Text5: // ht
        return InputRange{0, std::nullopt};
    case Field::Text6: // phi
        return InputRange{0, 1};
    case Field::Text10: // sigma
        return InputRange{1, std::nullopt};
    default:
        return std::nullopt;
    }
}

void checkInputRange(Field field, double value, const QString &text)
{
    const auto range = inputRange(field);
    if (!range || range->holds(value))
        return;
    ErrorFigures figures;
    figures.quoted = quotedExcerpt(text.trimmed());
    figures.range = range;
    throw CalcError(ErrorReason::OutOfRange, std::move(figures), field);
}

} // namespace varnolt
