#include "design/basin_type.h"

#include <algorithm>
#include <iterator>

namespace varnolt::design {

using namespace Qt::StringLiterals;

namespace {

constexpr BasinType allTypes[] = {BasinType::Sunk, BasinType::Sill, BasinType::Combined};

} // namespace

QString basinTypeKey(BasinType type)
{
    switch (type) {
    case BasinType::Sunk:
        return u"sunk"_s;
    case BasinType::Sill:
        return u"sill"_s;
    case BasinType::Combined:
        return u"combined"_s;
    }
    return {};
}

std::optional<BasinType> basinTypeOfKey(const QString &key)
{
    const auto *found = std::find_if(std::begin(allTypes), std::end(allTypes),
            [&key](BasinType type) { return key == basinTypeKey(type); });
    if (found == std::end(allTypes))
        return std::nullopt;
    return *found;
}

QString basinTypeName(BasinType type)
{
    switch (type) {
    case BasinType::Sunk:
        return u"降低护坦式消力池"_s;
    case BasinType::Sill:
        return u"消力坎式消力池"_s;
    case BasinType::Combined:
        return u"综合式消力池"_s;
    }
    return {};
}

} // namespace varnolt::design
