#include "writers/formula_mathml.h"

#include "writers/html_escape.h"

#include <QStringView>

namespace varnolt::writers {

using namespace Qt::StringLiterals;

namespace {

using Kind = FormulaNode::Kind;

// Every element is appended to the one text being written: a report sets
// some thousands of formulas, and building each element as a text of its
// own, to be copied into its parent's, cost more than the rest of writing.
class MathWriter {
public:
    explicit MathWriter(QString &out)
        : m_out(out)
    {
    }

    void node(const FormulaNode &n)
    {
        switch (n.kind) {
        case Kind::Row:
            return parent(u"mrow", n);
        case Kind::Identifier:
            return identifier(n.text);
        case Kind::Number:
            return leaf(u"mn", n.text);
        case Kind::Operator:
            return leaf(u"mo", n.text);
        case Kind::Unit:
            // Upright, a thin space after the figure.
            m_out += u"<mspace width=\"0.25em\"></mspace>";
            return leaf(u"mi", n.text, u" mathvariant=\"normal\"");
        case Kind::Text:
            m_out += u"<mspace width=\"0.3em\"></mspace>";
            leaf(u"mtext", n.text);
            m_out += u"<mspace width=\"0.3em\"></mspace>";
            return;
        case Kind::Subscript:
            return parent(u"msub", n);
        case Kind::Superscript:
            return parent(u"msup", n);
        case Kind::SubSuperscript:
            return parent(u"msubsup", n);
        case Kind::Fraction:
            return parent(u"mfrac", n);
        case Kind::SquareRoot:
            return parent(u"msqrt", n);
        case Kind::Root:
            return parent(u"mroot", n);
        }
    }

    void open(QStringView tag, QStringView attributes = {})
    {
        m_out += u'<';
        m_out += tag;
        m_out += attributes;
        m_out += u'>';
    }

    void close(QStringView tag)
    {
        m_out += u"</";
        m_out += tag;
        m_out += u'>';
    }

private:
    void parent(QStringView tag, const FormulaNode &n)
    {
        open(tag);
        for (const FormulaNode &c : n.children)
            node(c);
        close(tag);
    }

    void leaf(QStringView tag, const QString &text, QStringView attributes = {})
    {
        open(tag, attributes);
        m_out += htmlEscaped(text);
        close(tag);
    }

    // A single letter is set in italic, as a quantity is; a capital Greek
    // letter such as the Δ of a difference stays upright, as a multi-letter
    // name does.
    void identifier(const QString &text)
    {
        const bool upright
                = text.size() == 1 && text[0].unicode() >= 0x0391 && text[0].unicode() <= 0x03A9;
        leaf(u"mi", text, upright ? u" mathvariant=\"normal\"" : u"");
    }

    QString &m_out;
};

// A typeset formula does not break across lines, so a long calculation is
// set as one formula per equals sign, "E0 = a1 + H + v²/2g", "= 6 + …",
// "= 6.960 m", and breaks between them where the column ends.
void appendBrokenAtEquals(QString &out, const FormulaNode &row)
{
    MathWriter math(out);
    math.open(u"math");
    if (row.kind != Kind::Row) {
        math.node(row);
        math.close(u"math");
        return;
    }
    math.open(u"mrow");
    bool sawEquals = false;
    for (const FormulaNode &c : row.children) {
        const bool equals = c.kind == Kind::Operator && c.text == u"=";
        if (equals && sawEquals) {
            math.close(u"mrow");
            math.close(u"math");
            out += u' ';
            math.open(u"math");
            math.open(u"mrow");
        }
        sawEquals = sawEquals || equals;
        math.node(c);
    }
    math.close(u"mrow");
    math.close(u"math");
}

} // namespace

QString formulaHtml(const Formula &formula)
{
    QString out;
    for (const FormulaPart &part : formula.parts) {
        if (part.isFormula)
            appendBrokenAtEquals(out, part.formula);
        else
            out += htmlEscaped(part.text);
    }
    return out;
}

} // namespace varnolt::writers
