#include "writers/formula_mathml.h"

#include "writers/html_escape.h"

#include <QStringList>

namespace varnolt::writers {

using namespace Qt::StringLiterals;

namespace {

using Kind = FormulaNode::Kind;

QString element(const QString &tag, const QString &content, const QString &attributes = {})
{
    return u"<%1%2>%3</%1>"_s.arg(tag, attributes, content);
}

// A single letter is set in italic, as a quantity is; a capital Greek letter
// such as the Δ of a difference stays upright, as a multi-letter name does.
QString identifier(const QString &text)
{
    const bool upright
            = text.size() == 1 && text[0].unicode() >= 0x0391 && text[0].unicode() <= 0x03A9;
    return element(u"mi"_s, htmlEscaped(text), upright ? u" mathvariant=\"normal\""_s : QString());
}

QString mathml(const FormulaNode &n);

QString all(const FormulaNode &n)
{
    QString out;
    for (const FormulaNode &c : n.children)
        out += mathml(c);
    return out;
}

QString mathml(const FormulaNode &n)
{
    switch (n.kind) {
    case Kind::Row:
        return element(u"mrow"_s, all(n));
    case Kind::Identifier:
        return identifier(n.text);
    case Kind::Number:
        return element(u"mn"_s, htmlEscaped(n.text));
    case Kind::Operator:
        return element(u"mo"_s, htmlEscaped(n.text));
    case Kind::Unit:
        // Upright, a thin space after the figure.
        return u"<mspace width=\"0.25em\"></mspace>"_s
                + element(u"mi"_s, htmlEscaped(n.text), u" mathvariant=\"normal\""_s);
    case Kind::Text:
        return u"<mspace width=\"0.3em\"></mspace>"_s + element(u"mtext"_s, htmlEscaped(n.text))
                + u"<mspace width=\"0.3em\"></mspace>"_s;
    case Kind::Subscript:
        return element(u"msub"_s, all(n));
    case Kind::Superscript:
        return element(u"msup"_s, all(n));
    case Kind::SubSuperscript:
        return element(u"msubsup"_s, all(n));
    case Kind::Fraction:
        return element(u"mfrac"_s, all(n));
    case Kind::SquareRoot:
        return element(u"msqrt"_s, all(n));
    case Kind::Root:
        return element(u"mroot"_s, all(n));
    }
    return {};
}

// A typeset formula does not break across lines, so a long calculation is
// set as one formula per equals sign, "E0 = a1 + H + v²/2g", "= 6 + …",
// "= 6.960 m", and breaks between them where the column ends.
QString brokenAtEquals(const FormulaNode &row)
{
    if (row.kind != Kind::Row)
        return element(u"math"_s, mathml(row));
    QStringList chunks;
    QString chunk;
    bool sawEquals = false;
    for (const FormulaNode &c : row.children) {
        const bool equals = c.kind == Kind::Operator && c.text == u"="_s;
        if (equals && sawEquals) {
            chunks << element(u"math"_s, element(u"mrow"_s, chunk));
            chunk.clear();
        }
        sawEquals = sawEquals || equals;
        chunk += mathml(c);
    }
    chunks << element(u"math"_s, element(u"mrow"_s, chunk));
    return chunks.join(u' ');
}

} // namespace

QString formulaHtml(const Formula &formula)
{
    QString out;
    for (const FormulaPart &part : formula.parts)
        out += part.isFormula ? brokenAtEquals(part.formula) : htmlEscaped(part.text);
    return out;
}

} // namespace varnolt::writers
