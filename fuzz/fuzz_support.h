#pragma once

// Helpers shared by the libFuzzer harnesses: turning the fuzzer's bytes into
// field texts, the two notations a form may be in, and stopping on a broken
// property.

#include "model/errors.h"

#include <QLocale>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace varnolt::fuzz {

// A property the code under test must keep has failed: say which, and abort
// so that libFuzzer records the input as a crash.
[[noreturn]] inline void fail(const char *what, const QString &detail = {})
{
    std::fprintf(stderr, "\n*** property failed: %s\n", what);
    if (!detail.isEmpty())
        std::fprintf(stderr, "*** %s\n", detail.toUtf8().constData());
    std::fflush(stderr);
    std::abort();
}

inline void check(bool holds, const char *what, const QString &detail = {})
{
    if (!holds)
        fail(what, detail);
}

// The two notations the conversions must handle: a full stop as decimal
// separator with comma groups, and a decimal comma with full-stop groups.
inline const QLocale &fullStopLocale()
{
    static const QLocale locale(QLocale::English, QLocale::UnitedStates);
    return locale;
}

inline const QLocale &commaLocale()
{
    static const QLocale locale(QLocale::German, QLocale::Germany);
    return locale;
}

// The text the fuzzer's bytes stand for. The first byte chooses the encoding
// of the rest: even for UTF-8 (malformed sequences become replacement
// characters), odd for UTF-16 little-endian, where unpaired surrogates and
// any other code unit reach the conversions unchanged.
inline QString decodeText(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return {};
    const auto *payload = data + 1;
    const std::size_t length = size - 1;
    if ((data[0] & 1) == 0)
        return QString::fromUtf8(reinterpret_cast<const char *>(payload), qsizetype(length));
    // Copied, because the fuzzer's buffer need not be aligned for char16_t.
    std::u16string units(length / 2, u'\0');
    if (!units.empty())
        std::memcpy(units.data(), payload, units.size() * sizeof(char16_t));
    return QString::fromUtf16(units.data(), qsizetype(units.size()));
}

// Shortens a text for a failure message.
inline QString excerpt(const QString &text)
{
    constexpr qsizetype shown = 120;
    return text.size() <= shown ? text : text.left(shown) + QStringLiteral("…");
}

} // namespace varnolt::fuzz
