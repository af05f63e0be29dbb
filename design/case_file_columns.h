#pragma once

#include <QString>

#include <array>

namespace varnolt::design::case_file {

// The columns a case file's header may name.
enum class Column { Name, Q, H, A1, V, Ht, Phi, Sigma, Uplift };

struct ColumnDefinition {
    Column column;
    const char16_t *key; // lower case
    bool required;
};

constexpr std::array<ColumnDefinition, 9> knownColumns{{
        {Column::Name, u"name", false},
        {Column::Q, u"q", true},
        {Column::H, u"h", true},
        {Column::A1, u"a1", true},
        {Column::V, u"v", true},
        {Column::Ht, u"ht", true},
        {Column::Phi, u"phi", false},
        {Column::Sigma, u"sigma", false},
        // U, the uplift under the slab (kPa), for the slab's uplift check;
        // a blank field leaves the case without one.
        {Column::Uplift, u"uplift", false},
}};

// The header's spelling of each known column, for messages.
QString canonicalName(Column column);

} // namespace varnolt::design::case_file
