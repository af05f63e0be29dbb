// The lenient reading of a field text, fed any text.
//
// Properties:
// - LeadingNumber returns a finite double or throws Overflow, nothing else.
// - Its value is the C library's reading of the same leading number: blanks,
//   tabs and line feeds dropped, then the longest prefix of the form
//   [sign] digits [. digits] [e|E [sign] digits] with at least one mantissa
//   digit (0 when there is none), read by strtod in the C locale. Overflow
//   exactly where strtod overflows.
#include "fuzz_support.h"
#include "model/errors.h"
#include "model/number_text.h"

#include <QString>

#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <string>

using namespace varnolt;
using namespace varnolt::fuzz;

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The leading number of the text in plain ASCII, or empty when it has none.
std::string leadingPrefix(const QString &text)
{
    std::string packed;
    for (const QChar c : text) {
        if (c == u' ' || c == u'\t' || c == u'\n')
            continue;
        // Anything outside ASCII ends the number; a marker keeps it ended.
        packed.push_back(c.unicode() < 0x80 ? char(c.unicode()) : '\x7f');
    }

    std::size_t at = 0;
    std::string number;
    if (at < packed.size() && (packed[at] == '+' || packed[at] == '-'))
        number.push_back(packed[at++]);
    std::size_t digits = 0;
    while (at < packed.size() && isDigit(QChar(packed[at]))) {
        number.push_back(packed[at++]);
        ++digits;
    }
    if (at < packed.size() && packed[at] == '.') {
        number.push_back(packed[at++]);
        while (at < packed.size() && isDigit(QChar(packed[at]))) {
            number.push_back(packed[at++]);
            ++digits;
        }
    }
    if (digits == 0)
        return {};
    if (at < packed.size() && (packed[at] == 'e' || packed[at] == 'E')) {
        std::string exponent(1, 'e');
        std::size_t e = at + 1;
        if (e < packed.size() && (packed[e] == '+' || packed[e] == '-'))
            exponent.push_back(packed[e++]);
        const std::size_t first = exponent.size();
        while (e < packed.size() && isDigit(QChar(packed[e])))
            exponent.push_back(packed[e++]);
        if (exponent.size() > first)
            number += exponent;
    }
    return number;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = decodeText(data, size);
    const QString detail = QStringLiteral("\"%1\"").arg(excerpt(text));

    bool overflowed = false;
    double value = 0;
    try {
        value = LeadingNumber(text);
    } catch (const CalcError &e) {
        check(e.kind() == ErrorKind::Overflow, "LeadingNumber throws a kind other than Overflow",
                detail + QStringLiteral(": ") + errorKindKey(e.kind()));
        overflowed = true;
    } catch (const std::exception &e) {
        fail("LeadingNumber throws something other than CalcError",
                detail + QStringLiteral(": ") + QString::fromUtf8(e.what()));
    }
    if (!overflowed)
        check(std::isfinite(value), "LeadingNumber returns a non-finite value", detail);

    const std::string prefix = leadingPrefix(text);
    double expected = 0;
    bool expectedOverflow = false;
    if (!prefix.empty()) {
        errno = 0;
        expected = std::strtod(prefix.c_str(), nullptr);
        expectedOverflow = errno == ERANGE && std::isinf(expected);
    }
    const QString compared = detail
            + QStringLiteral(": leading number \"%1\"").arg(QString::fromStdString(prefix));
    if (expectedOverflow) {
        check(overflowed, "LeadingNumber does not overflow where strtod does", compared);
        return 0;
    }
    check(!overflowed, "LeadingNumber overflows where strtod does not", compared);
    check(value == expected && std::signbit(value) == std::signbit(expected),
            "LeadingNumber differs from strtod",
            compared
                    + QStringLiteral(": %1 against %2")
                              .arg(value, 0, 'g', 17)
                              .arg(expected, 0, 'g', 17));
    return 0;
}
