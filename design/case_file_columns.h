#pragma once

#include <QString>

#include <array>

namespace varnolt::design::case_file {

// The columns a case file's header may name.
enum class Column { Name, Q, H, A1, V, Ht, Phi, Sigma };

struct ColumnDefinition {
    Column column;
    const char16_t *key; // lower case
    bool required;
};

constexpr std::array<ColumnDefinition, 8> knownColumns{{
        {Column::Name, u"name", false},
        {Column::Q, u"q", true},
        {Column::H, u"h", true},
        {Column::A1, u"a1", true},
        {Column::V, u"v", true},
        {Column::Ht, u"ht", true},
        {Column::Phi, u"phi", false},
        {Column::Sigma, u"sigma", false},
}};

// The header's spelling of each known column, for messages.
QString canonicalName(Column column);

} // namespace varnolt::design::case_file
