#pragma once

#include <QString>

#include <vector>

namespace varnolt::writers {

// A formula as it is typeset: the presentation elements of MathML Core, which
// a browser lays out and a word processor approximates with raised and
// lowered runs. The report's formulas are read into this tree once, from
// their linear form, and every typesetting writer renders the same tree.
struct FormulaNode {
    enum class Kind {
        Row, // children side by side
        Identifier, // a quantity's letter: italic when a single letter
        Number,
        Operator,
        Unit, // m, m/s, kPa …: upright, after a figure
        Text, // a word inside a formula, such as the range's "to"
        Subscript, // children: base, subscript
        Superscript, // children: base, superscript
        SubSuperscript, // children: base, subscript, superscript
        Fraction, // children: numerator, denominator
        SquareRoot, // children: radicand
        Root, // children: radicand, index
    };
    Kind kind = Kind::Row;
    QString text; // the leaves' characters
    std::vector<FormulaNode> children;
};

// A formula cell: formulas, the words that join them (": ", ", ") and the
// remark after them, in order. Each formula part is one typeset formula.
struct FormulaPart {
    bool isFormula = false;
    FormulaNode formula; // when isFormula
    QString text; // when not
};

struct Formula {
    std::vector<FormulaPart> parts;
};

} // namespace varnolt::writers
