#include "model/number_text.h"

#include "model/decimal_digits.h"
#include "model/errors.h"
#include "model/quoted_excerpt.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <utility>

namespace varnolt {

namespace {

// The locale's number symbols, looked up again only when a conversion asks
// for another locale than the last one on its thread: a command converts
// hundreds of texts, and each lookup builds new strings.
struct Notation {
    QString decimal;
    QString group;
    QString minus;
    QString plus;
};

const Notation &notationOf(const QLocale &locale)
{
    thread_local QLocale cachedLocale = QLocale::c();
    thread_local Notation notation{cachedLocale.decimalPoint(), cachedLocale.groupSeparator(),
            cachedLocale.negativeSign(), cachedLocale.positiveSign()};
    if (locale != cachedLocale) {
        cachedLocale = locale;
        notation = {locale.decimalPoint(), locale.groupSeparator(), locale.negativeSign(),
                locale.positiveSign()};
    }
    return notation;
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Where a text came from, for a message: the field, or the caption of a
// text that is no field's.
struct Source {
    QString caption;
    std::optional<Field> field;
};

Source sourceOf(Field field)
{
    return {QString(), field};
}

[[noreturn]] void notANumber(const QString &text, const Source &source)
{
    ErrorFigures figures;
    figures.quoted = quotedExcerpt(text);
    figures.source = source.caption;
    throw CalcError(ErrorReason::NotANumber, std::move(figures), source.field);
}

[[noreturn]] void tooLarge(const Source &source, NumberPrecision precision)
{
    ErrorFigures figures;
    figures.source = source.caption;
    figures.precision = precision;
    throw CalcError(ErrorReason::NumberTooLarge, std::move(figures), source.field);
}

// White space at either end of a text: QChar::isSpace is Unicode's
// White_Space, from the tab and the line breaks to U+00A0 and U+3000.
QStringView trimmed(QStringView text)
{
    while (!text.isEmpty() && text.front().isSpace())
        text = text.mid(1);
    while (!text.isEmpty() && text.back().isSpace())
        text.chop(1);
    return text;
}

// A number already checked against its notation, spelt in plain ASCII for
// the locale-free std::from_chars.
struct AsciiNumber {
    std::string text;
    // Decimal order of magnitude of the mantissa's first significant digit
    // plus the exponent: positive when an out-of-range result is an overflow,
    // not an underflow to zero.
    long long magnitude = 0;
};

// The value of an ASCII number; nullopt when it is beyond the double range.
std::optional<double> valueOf(const AsciiNumber &number)
{
    double value = 0;
    const auto *first = number.text.data();
    const auto *last = first + number.text.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc::result_out_of_range) {
        if (number.magnitude > 0)
            return std::nullopt;
        return number.text.front() == '-' ? -0.0 : 0.0;
    }
    if (error != std::errc() || end != last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// Reads digits into `out`, returning how many there were.
int takeDigits(const QString &text, qsizetype &pos, std::string &out)
{
    int count = 0;
    while (pos < text.size() && isAsciiDigit(text[pos])) {
        out.push_back(static_cast<char>(text[pos].unicode()));
        ++pos;
        ++count;
    }
    return count;
}

bool takePrefix(const QString &text, qsizetype &pos, const QString &prefix)
{
    if (prefix.isEmpty() || !QStringView(text).mid(pos).startsWith(prefix))
        return false;
    pos += prefix.size();
    return true;
}

// Decimal orders of magnitude beyond any double, and the magnitude given to a
// zero mantissa. Both are far from the limits of long long, so adding an
// exponent to a magnitude can never overflow.
constexpr long long farOrder = 1LL << 40;

// Tracks where the mantissa's first significant digit stands.
void noteMagnitude(const std::string &integer, const std::string &fraction, AsciiNumber &number)
{
    const auto firstInteger = integer.find_first_not_of('0');
    if (firstInteger != std::string::npos) {
        number.magnitude = static_cast<long long>(integer.size() - firstInteger);
        return;
    }
    const auto firstFraction = fraction.find_first_not_of('0');
    number.magnitude = firstFraction == std::string::npos ? -farOrder
                                                          : -static_cast<long long>(firstFraction);
}

void appendMantissa(const std::string &integer, const std::string &fraction, AsciiNumber &number)
{
    number.text += integer.empty() ? std::string("0") : integer;
    if (!fraction.empty())
        number.text += '.' + fraction;
    noteMagnitude(integer, fraction, number);
}

// `exponent` is an optional sign followed by at least one digit.
void appendExponent(const std::string &exponent, AsciiNumber &number)
{
    number.text += 'e' + exponent;
    const bool hasSign = exponent.front() == '-' || exponent.front() == '+';
    long long shift = 0;
    const auto parsed = std::from_chars(
            exponent.data() + (hasSign ? 1 : 0), exponent.data() + exponent.size(), shift);
    if (parsed.ec == std::errc::result_out_of_range || shift > farOrder)
        shift = farOrder;
    number.magnitude += exponent.front() == '-' ? -shift : shift;
}

// The strict grammar: [sign] integer [separator fraction] [exponent], with
// at least one mantissa digit and group marks only between groups of three
// digits of an integer part that does not start with a zero. `text` is
// already trimmed.
std::optional<AsciiNumber> parseStrict(const QString &text, const QLocale &locale)
{
    if (text.isEmpty())
        return std::nullopt;

    const Notation &notation = notationOf(locale);
    const QString &decimal = notation.decimal;
    const QString &group = notation.group;

    AsciiNumber number;
    qsizetype pos = 0;
    if (takePrefix(text, pos, QStringLiteral("-")) || takePrefix(text, pos, notation.minus))
        number.text.push_back('-');
    else if (!takePrefix(text, pos, QStringLiteral("+")))
        takePrefix(text, pos, notation.plus);

    std::string integer;
    const int leadingRun = takeDigits(text, pos, integer);
    if (leadingRun > 0 && leadingRun <= 3 && group != decimal) {
        // No locale writes a group mark after a leading zero; "0,950" is a
        // mistyped 0.950 far more often than it is 950.
        if (integer.front() == '0' && QStringView(text).mid(pos).startsWith(group))
            return std::nullopt;
        while (takePrefix(text, pos, group)) {
            if (takeDigits(text, pos, integer) != 3)
                return std::nullopt;
        }
    }

    std::string fraction;
    if (takePrefix(text, pos, decimal))
        takeDigits(text, pos, fraction);
    if (integer.empty() && fraction.empty())
        return std::nullopt;

    appendMantissa(integer, fraction, number);

    if (pos < text.size() && (text[pos] == u'e' || text[pos] == u'E')) {
        ++pos;
        std::string exponent;
        if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-'))
            exponent.push_back(static_cast<char>(text[pos++].unicode()));
        if (takeDigits(text, pos, exponent) == 0)
            return std::nullopt;
        appendExponent(exponent, number);
    }

    if (pos != text.size())
        return std::nullopt;
    return number;
}

// The plain decimals most texts are, "0.95" or "12", read straight away
// where the locale's decimal separator is the full stop: digits without a
// needless leading zero, at most one full stop between digits, short enough
// to stay far inside the range. The strict grammar spells such a text as
// the same ASCII characters and converts them the same way (std::from_chars,
// correctly rounded); every other text goes through it. None where the text
// is not of this form.
std::optional<double> plainDecimal(QStringView text, const QLocale &locale)
{
    constexpr qsizetype longest = 24;
    if (text.isEmpty() || text.size() > longest)
        return std::nullopt;
    char ascii[longest] = {};
    qsizetype stop = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'.' && stop < 0 && i > 0) {
            stop = i;
        } else if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        ascii[i] = char(c);
    }
    const qsizetype integerDigits = stop < 0 ? text.size() : stop;
    if (stop == text.size() - 1 || (ascii[0] == '0' && integerDigits > 1))
        return std::nullopt;
    if (stop >= 0 && notationOf(locale).decimal != u".")
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(ascii, ascii + text.size(), value);
    if (error != std::errc() || end != ascii + text.size())
        return std::nullopt;
    return value;
}

double strictUnrounded(const QString &raw, const QLocale &locale, const Source &source)
{
    const QStringView view = trimmed(raw);
    if (const std::optional<double> plain = plainDecimal(view, locale))
        return *plain;
    const QString text = view.toString();
    const auto number = parseStrict(text, locale);
    if (!number)
        notANumber(text, source);
    const auto value = valueOf(*number);
    if (!value)
        tooLarge(source, NumberPrecision::Double);
    return *value;
}

float strictSingle(const QString &text, const QLocale &locale, const Source &source)
{
    const double value = strictUnrounded(text, locale, source);
    const auto single = static_cast<float>(value);
    if (std::isinf(single))
        tooLarge(source, NumberPrecision::Single);
    return single;
}

} // namespace

double StrictNumberUnrounded(const QString &text, const QLocale &locale, const QString &source)
{
    return strictUnrounded(text, locale, {source, std::nullopt});
}

double StrictNumberUnrounded(const QString &text, const QLocale &locale, Field field)
{
    return strictUnrounded(text, locale, sourceOf(field));
}

float StrictNumber(const QString &text, const QLocale &locale, const QString &source)
{
    return strictSingle(text, locale, {source, std::nullopt});
}

float StrictNumber(const QString &text, const QLocale &locale, Field field)
{
    return strictSingle(text, locale, sourceOf(field));
}

double LeadingNumber(const QString &text, const QString &source)
{
    QString packed;
    packed.reserve(text.size());
    for (const QChar c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n')
            packed.append(c);
    }

    // The longest prefix that forms a number; an exponent counts only when
    // it has a digit.
    AsciiNumber number;
    qsizetype pos = 0;
    if (pos < packed.size() && (packed[pos] == u'+' || packed[pos] == u'-')) {
        if (packed[pos] == u'-')
            number.text.push_back('-');
        ++pos;
    }
    std::string integer;
    std::string fraction;
    takeDigits(packed, pos, integer);
    if (pos < packed.size() && packed[pos] == u'.') {
        ++pos;
        takeDigits(packed, pos, fraction);
    }
    if (integer.empty() && fraction.empty())
        return 0;

    appendMantissa(integer, fraction, number);

    if (pos < packed.size() && (packed[pos] == u'e' || packed[pos] == u'E')) {
        qsizetype at = pos + 1;
        std::string exponent;
        if (at < packed.size() && (packed[at] == u'+' || packed[at] == u'-'))
            exponent.push_back(static_cast<char>(packed[at++].unicode()));
        if (takeDigits(packed, at, exponent) > 0)
            appendExponent(exponent, number);
    }

    const auto value = valueOf(number);
    if (!value)
        tooLarge({source, std::nullopt}, NumberPrecision::Double);
    return *value;
}

namespace {

// Appends ASCII digits without a temporary string.
void appendDigits(QString &text, const std::string &digits)
{
    text.append(QLatin1String(digits.data(), static_cast<qsizetype>(digits.size())));
}

} // namespace

QString SingleText(float value, const QLocale &locale)
{
    const auto rounded = DecimalDigits::of(value).roundedToSignificant(7);
    if (rounded.isZero())
        return QStringLiteral("0");

    const QString &decimal = notationOf(locale).decimal;
    QString text;
    // Sign, seven digits, separator and up to four leading zeros or an
    // exponent: one allocation for the whole text.
    text.reserve(16 + decimal.size());
    if (rounded.negative)
        text += u'-';
    const int exponent = rounded.pointPosition - 1;
    if (exponent < -4 || exponent >= 7) {
        text += QLatin1Char(rounded.digits.front());
        if (rounded.digits.size() > 1) {
            text += decimal;
            appendDigits(text, rounded.digits.substr(1));
        }
        text += QStringLiteral("E%1%2")
                        .arg(QChar(exponent < 0 ? u'-' : u'+'))
                        .arg(std::abs(exponent), 2, 10, QLatin1Char('0'));
        return text;
    }
    const std::string integer = rounded.integerDigits();
    if (integer.empty())
        text += u'0';
    else
        appendDigits(text, integer);
    const std::string fraction = rounded.fractionDigits();
    if (!fraction.empty()) {
        text += decimal;
        appendDigits(text, fraction);
    }
    return text;
}

QString FixedTwo(double value, const QLocale &locale)
{
    const auto rounded = DecimalDigits::of(value).roundedToFraction(2);
    const QString &decimal = notationOf(locale).decimal;
    if (rounded.isZero())
        return decimal;
    const std::string integer = rounded.integerDigits();
    QString text;
    text.reserve(static_cast<qsizetype>(integer.size()) + 3 + decimal.size());
    if (rounded.negative)
        text += u'-';
    appendDigits(text, integer);
    text += decimal;
    appendDigits(text, rounded.fractionDigits());
    return text;
}

} // namespace varnolt
