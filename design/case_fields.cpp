#include "design/case_fields.h"

#include "design/case_reader.h"
#include "model/quoted_excerpt.h"

#include <QStringDecoder>

#include <algorithm>
#include <charconv>
#include <string>

namespace varnolt::design::case_file {

using namespace Qt::StringLiterals;

std::optional<QString> decodeField(const QByteArray &bytes, QString &fault)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError()) {
        fault = u"not valid UTF-8 text"_s;
        return std::nullopt;
    }
    for (const QChar c : text) {
        if (c.unicode() < 0x20 && c != u'\t') {
            fault = u"contains a control character (U+%1)"_s.arg(
                    uint(c.unicode()), 4, 16, QChar(u'0'));
            return std::nullopt;
        }
        if (c.unicode() == 0x7F) {
            fault = u"contains a control character (U+007F)"_s;
            return std::nullopt;
        }
    }
    return text;
}

std::optional<double> parseNumber(QString text, char separator, QString &fault)
{
    text = text.trimmed();
    if (text.isEmpty()) {
        fault = u"empty, a number is needed"_s;
        return std::nullopt;
    }
    if (separator != ',' && text.count(u',') == 1 && !text.contains(u'.'))
        text.replace(u',', u'.');
    std::string ascii;
    ascii.reserve(std::size_t(text.size()));
    for (const QChar c : text) {
        if (c.unicode() > 0x7F) {
            fault = u"'%1' is not a number"_s.arg(quotedExcerpt(text, ControlCharacters::Replaced));
            return std::nullopt;
        }
        ascii.push_back(char(c.unicode()));
    }
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t from = i;
        while (i < ascii.size() && ascii[i] >= '0' && ascii[i] <= '9')
            ++i;
        return i - from;
    };
    if (i < ascii.size() && (ascii[i] == '+' || ascii[i] == '-'))
        ++i;
    std::size_t mantissa = digits();
    if (i < ascii.size() && ascii[i] == '.') {
        ++i;
        mantissa += digits();
    }
    bool good = mantissa > 0;
    if (good && i < ascii.size() && (ascii[i] == 'e' || ascii[i] == 'E')) {
        ++i;
        if (i < ascii.size() && (ascii[i] == '+' || ascii[i] == '-'))
            ++i;
        good = digits() > 0;
    }
    if (!good || i != ascii.size()) {
        fault = u"'%1' is not a number"_s.arg(quotedExcerpt(text, ControlCharacters::Replaced));
        return std::nullopt;
    }
    // from_chars takes no leading plus.
    const char *first = ascii.data() + (ascii[0] == '+' ? 1 : 0);
    double value = 0;
    const auto [end, error] = std::from_chars(first, ascii.data() + ascii.size(), value);
    if (error != std::errc() || end != ascii.data() + ascii.size()) {
        fault = u"'%1' is beyond the range of numbers"_s.arg(
                quotedExcerpt(text, ControlCharacters::Replaced));
        return std::nullopt;
    }
    return value;
}

bool isBlank(const QByteArray &field)
{
    return std::all_of(field.begin(), field.end(), [](char c) { return c == ' ' || c == '\t'; });
}

} // namespace varnolt::design::case_file

namespace varnolt::design {

std::optional<double> parseCaseNumber(const QString &text, QChar separator, QString &fault)
{
    return case_file::parseNumber(text, char(separator.toLatin1()), fault);
}

} // namespace varnolt::design
