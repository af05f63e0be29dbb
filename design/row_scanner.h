#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

namespace varnolt::design::case_file {

// One row as it stands in the file: its fields' raw bytes and where it starts.
struct RawRow {
    int line = 0;
    std::vector<QByteArray> fields;
    QString fault; // unreadable as a row: too long, an unclosed quotation
};

// Splits the bytes into rows of fields, RFC 4180 style, line by line.
class RowScanner {
public:
    explicit RowScanner(QByteArrayView bytes)
        : m_bytes(bytes)
    {
        if (m_bytes.startsWith("\xEF\xBB\xBF"))
            m_pos = 3;
    }

    // The rows of a later part of the same file, below its header, from line
    // `firstLine` on: no byte-order mark, no comments.
    RowScanner(QByteArrayView bytes, int firstLine)
        : m_bytes(bytes)
        , m_line(firstLine)
        , m_commentsAllowed(false)
    {
    }

    // Reads no further than byte `end` of the file, where a later part begins.
    void endAt(qsizetype end) { m_bytes = m_bytes.first(end); }
    // Where the scanner stands: the byte, and the line it is on.
    qsizetype position() const { return m_pos; }
    int line() const { return m_line; }

    // The header line up to its end outside quotes, for finding the separator.
    QByteArrayView peekLine();
    bool atEnd();
    RawRow next(char separator);
    // Passes over the line peekLine() shows (a spreadsheet's "sep=;" line).
    void skipLine();
    // From the header on, a line starting with # is a row like any other:
    // "#2 flood" is a case name a spreadsheet writes without quotes.
    void endComments() { m_commentsAllowed = false; }

private:
    // A quoted field from its opening quote; a doubled quote stands for one.
    bool readQuoted(QByteArray &field, RawRow &row);
    void consumeLineEnd();
    void skipRestOfRow();
    // Blank lines (spaces, tabs and separators only: a spreadsheet's blank
    // row is ";;;;;") and, above the header, lines starting with #.
    void skipBlankAndComment();

    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
    int m_line = 1;
    bool m_commentsAllowed = true;
};

// The separator the header uses most, outside quotes; ties go to tab, then
// semicolon, then comma.
char detectSeparator(QByteArrayView header);

} // namespace varnolt::design::case_file
