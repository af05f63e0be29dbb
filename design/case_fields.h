#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace varnolt::design::case_file {

// What a field may hold besides printable text.
enum class FieldText {
    SingleLine, // a number's cell: no control character at all
    // A name's cell: a line break typed in the cell (a quoted one in the
    // file) is part of the name; bidirectional controls are refused, since
    // they would turn the figures printed after a name around.
    Name,
};

// A field as text: valid UTF-8 without control characters, or the fault.
// In a name, a CR LF pair stands for one line break.
std::optional<QString> decodeField(
        const QByteArray &bytes, QString &fault, FieldText kind = FieldText::SingleLine);

// Whether `c` is one of the controls that reorder text around it.
bool isBidiControl(char32_t c);

// How a file writes its numbers, decided once for the whole file.
enum class Notation {
    FullStop, // 1005.5, no group marks
    DecimalComma, // 1.005,5 or 1005,5: full stops group thousands
};

// The notation of a file by its numeric cells: a decimal comma where the
// separator is not a comma and some cell holds a comma.
Notation notationOf(char separator, const std::vector<QString> &numberCells);

// A number in the file's notation, read as the window reads its fields:
// sign, digits with correctly placed group marks (only in the decimal-comma
// notation), the decimal mark, optional exponent. Empty on a fault, which
// `fault` names.
std::optional<double> parseNumber(const QString &text, Notation notation, QString &fault);

// A field of nothing but blanks.
bool isBlank(const QByteArray &field);

} // namespace varnolt::design::case_file
