#pragma once

#include "design/case_result.h"

#include <QByteArrayView>
#include <QChar>
#include <QString>

#include <optional>
#include <vector>

namespace varnolt::design {

// Something in a case file that could not be read, located: the file's line
// (1 for the first; the line where the row starts) and the column's name as
// the header writes it (or "#N" for a column the header does not name).
struct ReadError {
    int line = 0;
    QString column;
    QString message;
};

struct CaseFile {
    QChar separator;
    std::vector<CaseInputs> cases; // the rows that were read, in order
    std::vector<ReadError> rowErrors; // one per row that could not be read
    std::vector<ReadError> warnings; // read, but worth a word: a name given twice
    // A fault of the whole file (no header, a missing, unknown or repeated
    // column, an unreadable header): no case is read then.
    std::optional<ReadError> fileError;
};

// Longest row read, in bytes; a longer one is reported, not read.
inline constexpr qsizetype maxRowBytes = 65536;
// Longest case name, in characters.
inline constexpr qsizetype maxNameLength = 256;

// Reads a case file as spreadsheets export it: UTF-8 with or without a byte
// order mark, fields quoted as in RFC 4180, CRLF or LF line ends, blank lines
// and lines starting with # skipped. The header names the columns in any
// order and case: q, H, a1, v, ht required, name, phi, sigma optional (phi
// 0.95 and sigma 1.05 where the column is absent). The separator — comma,
// semicolon or tab — is the one the header uses most. Numbers are written
// with a full stop; a decimal comma is read where the separator is not a
// comma. Never throws: every fault is a located error.
CaseFile readCases(QByteArrayView bytes);

// A number as a case file writes it: optional sign, digits with at most one
// full stop, optional exponent, blanks around it ignored; a decimal comma
// stands for the full stop where `separator` is not a comma. nullopt with
// `fault` saying why for anything else, or beyond the range of a double.
std::optional<double> parseCaseNumber(const QString &text, QChar separator, QString &fault);

} // namespace varnolt::design
