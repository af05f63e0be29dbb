#include "writers/formula_reader.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace varnolt::writers {

using namespace Qt::StringLiterals;

namespace {

using Kind = FormulaNode::Kind;

struct Token {
    enum class Type {
        Number,
        Symbol,
        Function,
        Unit,
        Word,
        Operator,
        Slash,
        Caret,
        Radical,
        Open,
        Close,
        Squared,
        Cubed
    };
    Type type;
    QString text;
};

constexpr QChar prime(u'′');
constexpr QChar doublePrime(u'″');

bool isPrime(QChar c)
{
    return c == prime || c == doublePrime;
}

bool isLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')
            || (c.unicode() >= 0x0391 && c.unicode() <= 0x03C9);
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The units a figure may carry, the longest first so that "m/s" is not read
// as the unit m divided by s.
const std::array<QString, 6> units{u"m²/s"_s, u"m/s"_s, u"kN/m³"_s, u"kPa"_s, u"m"_s, u"%"_s};

const QString operators = u"=+−-×·,～→<>≤≥≈"_s;

class Tokenizer {
public:
    Tokenizer(const QString &text, const QStringList &words)
        : m_text(text)
        , m_words(words)
    {
    }

    std::optional<std::vector<Token>> tokens()
    {
        std::vector<Token> out;
        while (m_at < m_text.size()) {
            const QChar c = m_text[m_at];
            if (c == u' ') {
                ++m_at;
            } else if (isDigit(c)) {
                out.push_back({Token::Type::Number, number()});
                if (std::optional<QString> unit = unitAfterFigure())
                    out.push_back({Token::Type::Unit, *unit});
            } else if (isLetter(c)) {
                const QString name = symbol();
                if (m_words.contains(name))
                    out.push_back({Token::Type::Word, name});
                else if (name == u"max"_s)
                    out.push_back({Token::Type::Function, name});
                else
                    out.push_back({Token::Type::Symbol, name});
            } else {
                const std::optional<Token> t = single(c);
                if (!t)
                    return std::nullopt;
                out.push_back(*t);
                ++m_at;
            }
        }
        return out;
    }

private:
    QString number()
    {
        const qsizetype start = m_at;
        while (m_at < m_text.size() && isDigit(m_text[m_at]))
            ++m_at;
        if (m_at + 1 < m_text.size() && m_text[m_at] == u'.' && isDigit(m_text[m_at + 1])) {
            ++m_at;
            while (m_at < m_text.size() && isDigit(m_text[m_at]))
                ++m_at;
        }
        // An exponent, as a figure of a million or more is written: 1e+308.
        if (m_at + 2 < m_text.size() && m_text[m_at] == u'e'
                && (m_text[m_at + 1] == u'+' || m_text[m_at + 1] == u'-')
                && isDigit(m_text[m_at + 2])) {
            m_at += 2;
            while (m_at < m_text.size() && isDigit(m_text[m_at]))
                ++m_at;
        }
        return m_text.mid(start, m_at - start);
    }

    // A unit stands one space after a figure and before a space, a comma, a
    // closing parenthesis or the end.
    std::optional<QString> unitAfterFigure()
    {
        if (m_at >= m_text.size() || m_text[m_at] != u' ')
            return std::nullopt;
        for (const QString &unit : units) {
            const qsizetype end = m_at + 1 + unit.size();
            if (QStringView(m_text).mid(m_at + 1).startsWith(unit)
                    && (end == m_text.size() || m_text[end] == u' ' || m_text[end] == u','
                            || m_text[end] == u')')) {
                m_at = end;
                return unit;
            }
        }
        return std::nullopt;
    }

    QString symbol()
    {
        const qsizetype start = m_at;
        while (m_at < m_text.size()
                && (isLetter(m_text[m_at]) || isDigit(m_text[m_at]) || isPrime(m_text[m_at])))
            ++m_at;
        return m_text.mid(start, m_at - start);
    }

    static std::optional<Token> single(QChar c)
    {
        switch (c.unicode()) {
        case u'/':
            return Token{Token::Type::Slash, {}};
        case u'^':
            return Token{Token::Type::Caret, {}};
        case u'√':
            return Token{Token::Type::Radical, {}};
        case u'(':
            return Token{Token::Type::Open, {}};
        case u')':
            return Token{Token::Type::Close, {}};
        case u'²':
            return Token{Token::Type::Squared, {}};
        case u'³':
            return Token{Token::Type::Cubed, {}};
        default:
            break;
        }
        if (operators.contains(c))
            return Token{Token::Type::Operator, QString(c)};
        return std::nullopt;
    }

    const QString &m_text;
    const QStringList &m_words;
    qsizetype m_at = 0;
};

FormulaNode leaf(Kind kind, const QString &text)
{
    return FormulaNode{kind, text, {}};
}

FormulaNode node(Kind kind, std::vector<FormulaNode> children)
{
    return FormulaNode{kind, {}, std::move(children)};
}

bool isParenthesized(const FormulaNode &n)
{
    return n.kind == Kind::Row && n.children.size() == 3 && n.children[0].kind == Kind::Operator
            && n.children[0].text == u"("_s && n.children[2].kind == Kind::Operator
            && n.children[2].text == u")"_s;
}

// A fraction's terms and a root's radicand are set apart by their layout:
// the parentheses that grouped them in a line are dropped.
FormulaNode unwrapped(FormulaNode n)
{
    return isParenthesized(n) ? std::move(n.children[1]) : n;
}

bool isPrimes(const FormulaNode &n)
{
    return n.kind == Kind::Operator && !n.text.isEmpty() && isPrime(n.text.front());
}

// A symbol: its base letter, its subscript and its primes. hc″ is h with the
// subscript c and a double prime, h′s is h with a prime and the subscript s.
FormulaNode symbolNode(const QString &name)
{
    qsizetype at = 1;
    FormulaNode base = leaf(Kind::Identifier, name.left(1));
    if (name.startsWith(u'Δ') && name.size() > 1 && isLetter(name[1])) {
        base = node(Kind::Row, {base, leaf(Kind::Identifier, name.mid(1, 1))});
        at = 2;
    } else if (name.startsWith(u"Fr"_s)) {
        base = leaf(Kind::Identifier, u"Fr"_s);
        at = 2;
    }
    QString primes;
    while (at < name.size() && isPrime(name[at]))
        primes += name[at++];
    QString subscript;
    while (at < name.size() && !isPrime(name[at]))
        subscript += name[at++];
    while (at < name.size())
        primes += name[at++];

    if (subscript.isEmpty() && primes.isEmpty())
        return base;
    const FormulaNode sub
            = leaf(std::all_of(subscript.begin(), subscript.end(), isDigit) ? Kind::Number
                                                                            : Kind::Identifier,
                    subscript);
    if (primes.isEmpty())
        return node(Kind::Subscript, {base, sub});
    const FormulaNode marks = leaf(Kind::Operator, primes);
    if (subscript.isEmpty())
        return node(Kind::Superscript, {base, marks});
    return node(Kind::SubSuperscript, {base, sub, marks});
}

// Raises a term to a power. A primed symbol keeps its prime beside the
// exponent, φ′², rather than taking a second superscript.
FormulaNode raised(FormulaNode base, FormulaNode exponent)
{
    if (base.kind == Kind::Superscript && isPrimes(base.children[1])) {
        base.children[1] = node(Kind::Row, {base.children[1], std::move(exponent)});
        return base;
    }
    if (base.kind == Kind::SubSuperscript && isPrimes(base.children[2])) {
        base.children[2] = node(Kind::Row, {base.children[2], std::move(exponent)});
        return base;
    }
    return node(Kind::Superscript, {std::move(base), std::move(exponent)});
}

bool isOneThird(const FormulaNode &n)
{
    const FormulaNode &inner = n.kind == Kind::Row && n.children.size() == 1 ? n.children[0] : n;
    return inner.kind == Kind::Fraction && inner.children[0].kind == Kind::Number
            && inner.children[0].text == u"1"_s && inner.children[1].kind == Kind::Number
            && inner.children[1].text == u"3"_s;
}

class Parser {
public:
    explicit Parser(std::vector<Token> tokens)
        : m_tokens(std::move(tokens))
    {
    }

    std::optional<FormulaNode> formula()
    {
        std::optional<FormulaNode> whole = row();
        if (!whole || m_at != m_tokens.size())
            return std::nullopt;
        return whole;
    }

private:
    bool at(Token::Type type) const
    {
        return m_at < m_tokens.size() && m_tokens[m_at].type == type;
    }

    // Terms and operators up to a closing parenthesis or the end.
    std::optional<FormulaNode> row()
    {
        FormulaNode r = node(Kind::Row, {});
        while (m_at < m_tokens.size() && !at(Token::Type::Close)) {
            if (at(Token::Type::Operator)) {
                r.children.push_back(leaf(Kind::Operator, m_tokens[m_at++].text));
                continue;
            }
            std::optional<FormulaNode> t = term();
            if (!t)
                return std::nullopt;
            r.children.push_back(std::move(*t));
        }
        return r;
    }

    std::optional<FormulaNode> term()
    {
        std::optional<FormulaNode> left = factor();
        while (left && at(Token::Type::Slash)) {
            ++m_at;
            std::optional<FormulaNode> right = factor();
            if (!right)
                return std::nullopt;
            left = node(
                    Kind::Fraction, {unwrapped(std::move(*left)), unwrapped(std::move(*right))});
        }
        return left;
    }

    std::optional<FormulaNode> factor()
    {
        std::optional<FormulaNode> base = primary();
        while (base) {
            if (at(Token::Type::Squared) || at(Token::Type::Cubed)) {
                const bool squared = at(Token::Type::Squared);
                ++m_at;
                base = raised(std::move(*base), leaf(Kind::Number, squared ? u"2"_s : u"3"_s));
            } else if (at(Token::Type::Caret)) {
                ++m_at;
                std::optional<FormulaNode> exponent = primary();
                if (!exponent)
                    return std::nullopt;
                if (isParenthesized(*exponent) && isOneThird(exponent->children[1]))
                    base = node(
                            Kind::Root, {unwrapped(std::move(*base)), leaf(Kind::Number, u"3"_s)});
                else
                    base = raised(std::move(*base), unwrapped(std::move(*exponent)));
            } else {
                break;
            }
        }
        return base;
    }

    std::optional<FormulaNode> parenthesized()
    {
        ++m_at; // (
        std::optional<FormulaNode> inner = row();
        if (!inner || !at(Token::Type::Close))
            return std::nullopt;
        ++m_at;
        return node(Kind::Row,
                {leaf(Kind::Operator, u"("_s), std::move(*inner), leaf(Kind::Operator, u")"_s)});
    }

    std::optional<FormulaNode> primary()
    {
        if (m_at >= m_tokens.size())
            return std::nullopt;
        const Token &t = m_tokens[m_at];
        switch (t.type) {
        case Token::Type::Number:
            ++m_at;
            return leaf(Kind::Number, t.text);
        case Token::Type::Unit:
            ++m_at;
            return leaf(Kind::Unit, t.text);
        case Token::Type::Word:
            ++m_at;
            return leaf(Kind::Text, t.text);
        case Token::Type::Symbol:
            ++m_at;
            return symbolNode(t.text);
        case Token::Type::Function: {
            ++m_at;
            if (!at(Token::Type::Open))
                return std::nullopt;
            std::optional<FormulaNode> arguments = parenthesized();
            if (!arguments)
                return std::nullopt;
            return node(Kind::Row, {leaf(Kind::Identifier, t.text), std::move(*arguments)});
        }
        case Token::Type::Radical: {
            ++m_at;
            std::optional<FormulaNode> radicand = factor();
            if (!radicand)
                return std::nullopt;
            return node(Kind::SquareRoot, {unwrapped(std::move(*radicand))});
        }
        case Token::Type::Open:
            return parenthesized();
        default:
            return std::nullopt;
        }
    }

    std::vector<Token> m_tokens;
    std::size_t m_at = 0;
};

std::optional<FormulaNode> readOne(const QString &text, const QStringList &words)
{
    std::optional<std::vector<Token>> tokens = Tokenizer(text, words).tokens();
    if (!tokens || tokens->empty())
        return std::nullopt;
    return Parser(std::move(*tokens)).formula();
}

} // namespace

std::optional<Formula> readFormula(
        const QString &calculation, const QString &remark, const QStringList &words)
{
    // The joins the report writes between formulas of one calculation.
    static const std::array<QString, 2> joins{u":  "_s, u",  "_s};
    Formula f;
    qsizetype from = 0;
    while (from < calculation.size()) {
        qsizetype next = calculation.size();
        QString join;
        for (const QString &j : joins) {
            const qsizetype at = calculation.indexOf(j, from);
            if (at >= 0 && at < next) {
                next = at;
                join = j;
            }
        }
        std::optional<FormulaNode> one = readOne(calculation.mid(from, next - from), words);
        if (!one)
            return std::nullopt;
        f.parts.push_back({true, std::move(*one), {}});
        if (!join.isEmpty())
            f.parts.push_back({false, {}, join});
        from = next + join.size();
    }
    if (f.parts.empty() || !f.parts.back().isFormula)
        return std::nullopt;
    if (!remark.isEmpty())
        f.parts.push_back({false, {}, remark});
    return f;
}

} // namespace varnolt::writers
