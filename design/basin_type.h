#pragma once

#include <QString>

#include <optional>

namespace varnolt::design {

// The three ways of holding a remote jump that a design compares: lowering
// the floor (the window's basin), a sill at the end of the basin, or both.
enum class BasinType {
    Sunk, // the floor lowered until the tailwater holds the jump
    Sill, // a sill at the basin's end raises the water in it
    Combined, // a lower sill and a shallower lowering of the floor
};

// "sunk", "sill", "combined": the type as a command line or a design file
// names it. These keys are read back, so they never change.
QString basinTypeKey(BasinType type);

// The type a key names, exactly as basinTypeKey writes it; none otherwise.
std::optional<BasinType> basinTypeOfKey(const QString &key);

// 降低护坦式消力池, 消力坎式消力池, 综合式消力池: the type in the engineer's words.
QString basinTypeName(BasinType type);

} // namespace varnolt::design
