#include "design/case_fields.h"

#include "design/case_reader.h"
#include "model/errors.h"
#include "model/number_text.h"
#include "model/quoted_excerpt.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringDecoder>

#include <algorithm>

namespace varnolt::design::case_file {

using namespace Qt::StringLiterals;

std::optional<QString> decodeField(const QByteArray &bytes, QString &fault, FieldText kind)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError()) {
        fault = QCoreApplication::translate("varnolt::design::CaseReader", "not valid UTF-8 text");
        return std::nullopt;
    }
    if (kind == FieldText::Name)
        text.replace(u"\r\n"_s, u"\n"_s);
    // Every control character and bidirectional control is in the Basic
    // Multilingual Plane: a surrogate is never one of them.
    for (const QChar character : std::as_const(text)) {
        const char32_t c = character.unicode();
        const bool lineBreak = kind == FieldText::Name && (c == u'\n' || c == u'\r');
        if ((c < 0x20 && c != u'\t' && !lineBreak) || c == 0x7F) {
            fault = QCoreApplication::translate(
                    "varnolt::design::CaseReader", "contains a control character (U+%1)")
                            .arg(uint(c), 4, 16, QChar(u'0'));
            return std::nullopt;
        }
        if (kind == FieldText::Name && isBidiControl(c)) {
            fault = QCoreApplication::translate("varnolt::design::CaseReader",
                    "contains a bidirectional control (U+%1), which would reorder the figures "
                    "printed beside the name")
                            .arg(QString::number(uint(c), 16).toUpper().rightJustified(4, u'0'));
            return std::nullopt;
        }
    }
    return text;
}

bool isBidiControl(char32_t c)
{
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E)
            || (c >= 0x2066 && c <= 0x2069);
}

Notation notationOf(char separator, const std::vector<QString> &numberCells)
{
    if (separator == ',')
        return Notation::FullStop;
    const bool comma = std::any_of(numberCells.begin(), numberCells.end(),
            [](const QString &cell) { return cell.contains(u','); });
    return comma ? Notation::DecimalComma : Notation::FullStop;
}

std::optional<double> parseNumber(const QString &text, Notation notation, QString &fault)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        fault = QCoreApplication::translate(
                "varnolt::design::CaseReader", "empty, a number is needed");
        return std::nullopt;
    }
    const auto shown = [&] { return quotedExcerpt(trimmed, ControlCharacters::Replaced); };
    // The full-stop notation has no group marks: "1,005" is a mistyped
    // 1.005 as often as it is 1005.
    if (notation == Notation::FullStop && trimmed.contains(u',')) {
        fault = QCoreApplication::translate("varnolt::design::CaseReader",
                "'%1' is not a number (this file writes numbers with a full stop)")
                        .arg(shown());
        return std::nullopt;
    }
    static const QLocale fullStop = QLocale::c();
    static const QLocale decimalComma(QLocale::German, QLocale::Germany);
    try {
        return StrictNumberUnrounded(
                trimmed, notation == Notation::FullStop ? fullStop : decimalComma);
    } catch (const CalcError &error) {
        if (error.reason() == ErrorReason::NumberTooLarge)
            fault = QCoreApplication::translate(
                    "varnolt::design::CaseReader", "'%1' is beyond the range of numbers")
                            .arg(shown());
        else if (notation == Notation::DecimalComma)
            fault = QCoreApplication::translate("varnolt::design::CaseReader",
                    "'%1' is not a number in this file's notation (a decimal comma, full stops "
                    "grouping thousands)")
                            .arg(shown());
        else
            fault = QCoreApplication::translate(
                    "varnolt::design::CaseReader", "'%1' is not a number")
                            .arg(shown());
        return std::nullopt;
    }
}

bool isBlank(const QByteArray &field)
{
    return std::all_of(field.begin(), field.end(), [](char c) { return c == ' ' || c == '\t'; });
}

} // namespace varnolt::design::case_file

namespace varnolt::design {

std::optional<double> parseCaseNumber(const QString &text, QChar separator, QString &fault)
{
    const char mark = char(separator.toLatin1());
    return case_file::parseNumber(text, case_file::notationOf(mark, {text}), fault);
}

} // namespace varnolt::design
