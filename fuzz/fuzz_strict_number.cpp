// The strict reading of a field text, fed any text under both notations.
//
// Properties:
// - StrictNumber returns a finite single or throws TypeMismatch or Overflow;
//   StrictNumberUnrounded accepts and rejects the same texts (it overflows
//   only beyond the double range) and rounds to the same single.
// - An accepted text means what the plain reading of the same digits means:
//   white space at both ends trimmed, group marks dropped and the decimal
//   separator made a full stop, the leading reading gives the same single
//   (or overflows with it).
// - An accepted text with a group mark does not start with a zero digit.
// - A rejected text is quoted in its message to at most 40 characters and an
//   ellipsis, so the message stays short whatever the text.
// - SingleText writes a value that reads back to within half a unit of its
//   seventh significant digit plus the rounding of that decimal to single
//   precision, wherever it writes without an exponent (1e-4 <= |x| < 1e7).
//   Checked for every value read and for the first four input bytes taken
//   as a single's bit pattern.
#include "fuzz_support.h"
#include "model/errors.h"
#include "model/number_text.h"

#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <exception>
#include <limits>

using namespace varnolt;
using namespace varnolt::fuzz;

namespace {

bool sameSingle(float a, float b)
{
    return a == b && std::signbit(a) == std::signbit(b);
}

// The distance from |x| to the next single up.
double spacingAbove(float x)
{
    const float magnitude = std::fabs(x);
    return double(std::nextafter(magnitude, std::numeric_limits<float>::infinity())) - magnitude;
}

// The place value of the seventh significant digit of a finite, non-zero x.
double seventhDigitUnit(float x)
{
    const double magnitude = std::fabs(double(x));
    int exponent = int(std::floor(std::log10(magnitude)));
    if (std::pow(10.0, exponent) > magnitude)
        --exponent;
    else if (std::pow(10.0, exponent + 1) <= magnitude)
        ++exponent;
    return std::pow(10.0, exponent - 6);
}

void checkRoundTrip(float value, const char *origin, const QLocale &locale)
{
    if (!std::isfinite(value))
        return;
    const double magnitude = std::fabs(double(value));
    if (magnitude < 1e-4 || magnitude >= 1e7)
        return;

    const QString written = SingleText(value, locale);
    const QString detail = QStringLiteral("%1 %2 written as \"%3\" under %4")
                                   .arg(QLatin1String(origin))
                                   .arg(double(value), 0, 'g', 9)
                                   .arg(written, locale.name());
    check(!written.contains(u'E') && !written.contains(u'e'),
            "SingleText writes an exponent inside 1e-4 <= |x| < 1e7", detail);

    float back = 0;
    try {
        back = StrictNumber(written, locale);
    } catch (const CalcError &e) {
        fail("a text written by SingleText does not read back",
                detail + QStringLiteral(": ") + errorKindKey(e.kind()));
    }
    const double error = std::fabs(double(back) - double(value));
    const double spacing = std::fmax(spacingAbove(value), spacingAbove(back));
    const double allowed = 0.5 * seventhDigitUnit(value) * (1 + 1e-9) + 0.5 * spacing;
    check(error <= allowed, "SingleText round trip is off by more than its rounding",
            detail + QStringLiteral(", read back as %1").arg(double(back), 0, 'g', 9));
}

// The same digits in the plain notation of the leading reading.
QString inPlainNotation(const QString &text, const QLocale &locale)
{
    QString plain = text.trimmed();
    if (locale.negativeSign() != QStringLiteral("-"))
        plain.replace(locale.negativeSign(), QStringLiteral("-"));
    if (locale.positiveSign() != QStringLiteral("+"))
        plain.replace(locale.positiveSign(), QStringLiteral("+"));
    plain.remove(locale.groupSeparator());
    plain.replace(locale.decimalPoint(), QStringLiteral("."));
    return plain;
}

// The fixed words of the message, the field's caption and the quoted text of
// at most 40 characters and an ellipsis.
constexpr qsizetype longestMessage = 80;

// No locale writes a grouped number with a leading zero.
void checkNoGroupAfterLeadingZero(const QString &text, const QLocale &locale)
{
    QString digits = text.trimmed();
    if (digits.startsWith(locale.negativeSign()) || digits.startsWith(locale.positiveSign()))
        digits = digits.mid(1);
    if (digits.startsWith(u'-') || digits.startsWith(u'+'))
        digits = digits.mid(1);
    const qsizetype point = digits.indexOf(locale.decimalPoint());
    const QString integer = point < 0 ? digits : digits.left(point);
    check(!(integer.startsWith(u'0') && integer.contains(locale.groupSeparator())),
            "StrictNumber accepts a group mark after a leading zero",
            QStringLiteral("\"%1\" under %2").arg(excerpt(text), locale.name()));
}

void checkStrictReading(const QString &text, const QLocale &locale)
{
    const QString detail = QStringLiteral("\"%1\" under %2").arg(excerpt(text), locale.name());

    bool accepted = false;
    float value = 0;
    ErrorKind kind = ErrorKind::TypeMismatch;
    QString message;
    try {
        value = StrictNumber(text, locale);
        accepted = true;
    } catch (const CalcError &e) {
        kind = e.kind();
        message = e.message();
    } catch (const std::exception &e) {
        fail("StrictNumber throws something other than CalcError",
                detail + QStringLiteral(": ") + QString::fromUtf8(e.what()));
    }

    if (!accepted) {
        check(kind == ErrorKind::TypeMismatch || kind == ErrorKind::Overflow,
                "StrictNumber throws a kind other than TypeMismatch or Overflow",
                detail + QStringLiteral(": ") + errorKindKey(kind));
        check(message.size() <= longestMessage, "a message quotes too much of the text",
                detail + QStringLiteral(": ") + excerpt(message));
    } else {
        check(std::isfinite(value), "StrictNumber returns a non-finite value", detail);
    }

    // The unrounded reading: same grammar, wider range.
    bool unroundedAccepted = false;
    double unrounded = 0;
    ErrorKind unroundedKind = ErrorKind::TypeMismatch;
    try {
        unrounded = StrictNumberUnrounded(text, locale);
        unroundedAccepted = true;
    } catch (const CalcError &e) {
        unroundedKind = e.kind();
    }
    if (accepted) {
        check(unroundedAccepted && sameSingle(static_cast<float>(unrounded), value),
                "StrictNumberUnrounded disagrees with StrictNumber on an accepted text", detail);
    } else if (kind == ErrorKind::TypeMismatch) {
        check(!unroundedAccepted && unroundedKind == ErrorKind::TypeMismatch,
                "StrictNumberUnrounded accepts a text StrictNumber rejects", detail);
    } else {
        check(unroundedAccepted ? std::isinf(static_cast<float>(unrounded))
                                : unroundedKind == ErrorKind::Overflow,
                "StrictNumberUnrounded disagrees with StrictNumber on an overflow", detail);
    }
    if (unroundedAccepted)
        check(std::isfinite(unrounded), "StrictNumberUnrounded returns a non-finite value", detail);

    if (kind == ErrorKind::TypeMismatch && !accepted)
        return;

    // Accepted or too large: the plain reading of the same digits agrees.
    const QString plain = inPlainNotation(text, locale);
    try {
        const double leading = LeadingNumber(plain);
        const auto single = static_cast<float>(leading);
        if (accepted)
            check(sameSingle(single, value), "StrictNumber disagrees with the plain reading",
                    detail
                            + QStringLiteral(": %1 against %2 from \"%3\"")
                                      .arg(double(value), 0, 'g', 9)
                                      .arg(double(single), 0, 'g', 9)
                                      .arg(excerpt(plain)));
        else
            check(std::isinf(single), "StrictNumber overflows where the plain reading does not",
                    detail);
    } catch (const CalcError &e) {
        check(!accepted && e.kind() == ErrorKind::Overflow,
                "the plain reading of an accepted text fails", detail);
    }

    if (accepted) {
        checkRoundTrip(value, "read value", locale);
        checkNoGroupAfterLeadingZero(text, locale);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = decodeText(data, size);
    float bits = 0;
    if (size >= sizeof bits)
        std::memcpy(&bits, data, sizeof bits);

    for (const QLocale *locale : {&fullStopLocale(), &commaLocale()}) {
        checkStrictReading(text, *locale);
        if (size >= sizeof bits)
            checkRoundTrip(bits, "input bits", *locale);
    }
    return 0;
}
