#include "writers/docx_run.h"

namespace varnolt::writers {

using namespace Qt::StringLiterals;

namespace {

using Kind = FormulaNode::Kind;

// A formula in one line of runs, its indices lowered and its powers raised
// by the word processor: a fraction as a/b, a root as √, their terms in
// parentheses where they have more than one.
class FormulaRuns {
public:
    explicit FormulaRuns(bool bold)
        : m_bold(bold)
    {
    }

    void text(const QString &t, DocxRun::Shift shift = DocxRun::Shift::None)
    {
        if (t.isEmpty())
            return;
        if (!m_runs.empty() && m_runs.back().shift == shift) {
            m_runs.back().text += t;
            return;
        }
        m_runs.push_back(DocxRun{t, m_bold, shift});
    }

    void node(const FormulaNode &n, DocxRun::Shift shift)
    {
        switch (n.kind) {
        case Kind::Row:
            for (const FormulaNode &c : n.children)
                node(c, shift);
            return;
        case Kind::Identifier:
        case Kind::Number:
            text(n.text, shift);
            return;
        case Kind::Operator:
            text(spaced(n.text), shift);
            return;
        case Kind::Unit:
            text(u' ' + n.text, shift);
            return;
        case Kind::Text:
            text(u' ' + n.text + u' ', shift);
            return;
        case Kind::Subscript:
        case Kind::Superscript:
        case Kind::SubSuperscript: {
            node(n.children[0], shift);
            // An index of an index stays at the first one's level.
            const auto lowered = shift == DocxRun::Shift::None ? DocxRun::Shift::Subscript : shift;
            const auto raised = shift == DocxRun::Shift::None ? DocxRun::Shift::Superscript : shift;
            if (n.kind == Kind::Superscript) {
                node(n.children[1], raised);
            } else {
                node(n.children[1], lowered);
                if (n.kind == Kind::SubSuperscript)
                    node(n.children[2], raised);
            }
            return;
        }
        case Kind::Fraction:
            grouped(n.children[0], shift);
            text(u"/"_s, shift);
            grouped(n.children[1], shift);
            return;
        case Kind::SquareRoot:
            text(u"√"_s, shift);
            grouped(n.children[0], shift);
            return;
        case Kind::Root:
            text(n.children[1].text == u"3"_s ? u"∛"_s : u"√"_s, shift);
            grouped(n.children[0], shift);
            return;
        }
    }

    std::vector<DocxRun> runs() && { return std::move(m_runs); }

private:
    // A term of more than one part, or a fraction, in parentheses, as a
    // line needs it: ∛(q²/g), not ∛q²/g.
    static bool compound(const FormulaNode &n)
    {
        if (n.kind == Kind::Row)
            return (n.children.size() > 1 && !isDifference(n))
                    || (n.children.size() == 1 && compound(n.children[0]));
        return n.kind == Kind::Fraction;
    }

    // ΔE, ΔH: one symbol set as Δ and its letter.
    static bool isDifference(const FormulaNode &n)
    {
        return n.children.size() == 2 && n.children[0].kind == Kind::Identifier
                && n.children[0].text == u"Δ"_s && n.children[1].kind == Kind::Identifier;
    }

    void grouped(const FormulaNode &n, DocxRun::Shift shift)
    {
        const bool parenthesized = compound(n);
        if (parenthesized)
            text(u"("_s, shift);
        node(n, shift);
        if (parenthesized)
            text(u")"_s, shift);
    }

    static QString spaced(const QString &op)
    {
        if (op == u"·"_s || op == u"("_s || op == u")"_s)
            return op;
        if (op == u","_s)
            return u", "_s;
        if (!op.isEmpty() && (op.front() == u'′' || op.front() == u'″'))
            return op;
        return u' ' + op + u' ';
    }

    bool m_bold;
    std::vector<DocxRun> m_runs;
};

} // namespace

std::vector<DocxRun> cellRuns(const ReportCell &cell)
{
    if (!cell.formula)
        return {DocxRun{cell.text, cell.marked, DocxRun::Shift::None}};
    FormulaRuns runs(cell.marked);
    for (const FormulaPart &part : cell.formula->parts) {
        if (part.isFormula)
            runs.node(part.formula, DocxRun::Shift::None);
        else
            runs.text(part.text);
    }
    return std::move(runs).runs();
}

} // namespace varnolt::writers
