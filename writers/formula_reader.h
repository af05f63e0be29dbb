#pragma once

#include "writers/formula.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace varnolt::writers {

// Reads the report's linear notation of formulas, the way they are written
// once for plain text ("hk = (q²/g)^(1/3)", "Fr1 = q/√(g·hc³)"), into the
// tree a typesetting writer renders:
// - a symbol's first letter is its base (Δ and Fr take the next letter with
//   them), the letters and digits after it its subscript and the primes after
//   them a superscript: hc″, E0′, h′s, Lsj;
// - ² and ³ and ^ raise what they follow; ^(1/3) is the cube root;
// - a / b is a fraction of the atoms beside it, whose parentheses it drops,
//   as √ drops those of what it takes;
// - after a figure, m, m/s, m²/s, kPa, kN/m³ and % are units;
// - formulas in one calculation are joined by ":  " or ",  ";
// - `words` are words that may stand inside a formula (the range's "to").
// Returns nothing for text outside this notation; the writer then prints the
// plain text, which stays correct, only untypeset.
std::optional<Formula> readFormula(
        const QString &calculation, const QString &remark, const QStringList &words);

} // namespace varnolt::writers
