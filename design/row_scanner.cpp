#include "design/row_scanner.h"

#include "design/case_reader.h"

#include <QCoreApplication>

#include <algorithm>

namespace varnolt::design::case_file {

QByteArrayView RowScanner::peekLine()
{
    skipBlankAndComment();
    qsizetype end = m_pos;
    bool quoted = false;
    while (end < m_bytes.size() && end - m_pos < maxRowBytes) {
        const char c = m_bytes[end];
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '\n' || c == '\r'))
            break;
        ++end;
    }
    return m_bytes.sliced(m_pos, end - m_pos);
}

bool RowScanner::atEnd()
{
    skipBlankAndComment();
    return m_pos >= m_bytes.size();
}

RawRow RowScanner::next(char separator)
{
    skipBlankAndComment();
    RawRow row;
    row.line = m_line;
    const qsizetype start = m_pos;
    QByteArray field;
    bool fieldWasQuoted = false;
    for (;;) {
        if (m_pos - start > maxRowBytes) {
            row.fault = QCoreApplication::translate(
                    "varnolt::design::CaseReader", "row longer than %1 bytes")
                                .arg(maxRowBytes);
            skipRestOfRow();
            row.fields.clear();
            return row;
        }
        if (m_pos >= m_bytes.size()) {
            row.fields.push_back(field);
            return row;
        }
        const char c = m_bytes[m_pos];
        if (c == '"' && field.isEmpty() && !fieldWasQuoted) {
            if (!readQuoted(field, row))
                return row;
            fieldWasQuoted = true;
            continue;
        }
        if (c == separator) {
            row.fields.push_back(field);
            field.clear();
            fieldWasQuoted = false;
            ++m_pos;
            continue;
        }
        if (c == '\n' || c == '\r') {
            consumeLineEnd();
            row.fields.push_back(field);
            return row;
        }
        if (fieldWasQuoted) {
            row.fault = QCoreApplication::translate(
                    "varnolt::design::CaseReader", "text after a closing quotation mark");
            skipRestOfRow();
            row.fields.clear();
            return row;
        }
        // The field's ordinary bytes up to its end, taken at once (and no
        // further than the longest row, so that the check above falls on
        // the same byte).
        const qsizetype limit = std::min(m_bytes.size(), start + maxRowBytes + 1);
        qsizetype end = m_pos + 1;
        while (end < limit && m_bytes[end] != separator && m_bytes[end] != '\n'
                && m_bytes[end] != '\r')
            ++end;
        field.append(m_bytes.sliced(m_pos, end - m_pos));
        m_pos = end;
    }
}

bool RowScanner::readQuoted(QByteArray &field, RawRow &row)
{
    const qsizetype start = m_pos;
    ++m_pos;
    for (;;) {
        if (m_pos >= m_bytes.size()) {
            row.fault = QCoreApplication::translate("varnolt::design::CaseReader",
                    "quotation not closed before the end of the file");
            row.fields.clear();
            return false;
        }
        if (m_pos - start > maxRowBytes) {
            row.fault = QCoreApplication::translate(
                    "varnolt::design::CaseReader", "quoted field longer than %1 bytes")
                                .arg(maxRowBytes);
            // The quotation may never close: the rest of the file is
            // this row, and nothing after it can be trusted to align.
            m_pos = m_bytes.size();
            row.fields.clear();
            return false;
        }
        const char c = m_bytes[m_pos];
        if (c == '"') {
            if (m_pos + 1 < m_bytes.size() && m_bytes[m_pos + 1] == '"') {
                field.append('"');
                m_pos += 2;
                continue;
            }
            ++m_pos;
            return true;
        }
        if (c == '\n')
            ++m_line;
        field.append(c);
        ++m_pos;
    }
}

void RowScanner::consumeLineEnd()
{
    if (m_bytes[m_pos] == '\r' && m_pos + 1 < m_bytes.size() && m_bytes[m_pos + 1] == '\n')
        ++m_pos;
    ++m_pos;
    ++m_line;
}

void RowScanner::skipRestOfRow()
{
    while (m_pos < m_bytes.size() && m_bytes[m_pos] != '\n' && m_bytes[m_pos] != '\r')
        ++m_pos;
    if (m_pos < m_bytes.size())
        consumeLineEnd();
}

void RowScanner::skipLine()
{
    skipBlankAndComment();
    skipRestOfRow();
}

void RowScanner::skipBlankAndComment()
{
    const auto emptyCell = [](char c) { return c == ' ' || c == '\t' || c == ',' || c == ';'; };
    for (;;) {
        qsizetype end = m_pos;
        while (end < m_bytes.size() && emptyCell(m_bytes[end]))
            ++end;
        const bool blank = end >= m_bytes.size() || m_bytes[end] == '\n' || m_bytes[end] == '\r';
        const bool comment = m_commentsAllowed && m_pos < m_bytes.size() && m_bytes[m_pos] == '#';
        if (m_pos >= m_bytes.size() || (!blank && !comment))
            return;
        m_pos = end;
        skipRestOfRow();
    }
}

char detectSeparator(QByteArrayView header)
{
    int comma = 0, semicolon = 0, tab = 0;
    bool quoted = false;
    for (const char c : header) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted) {
            comma += c == ',';
            semicolon += c == ';';
            tab += c == '\t';
        }
    }
    if (tab >= semicolon && tab >= comma && tab > 0)
        return '\t';
    if (semicolon >= comma && semicolon > 0)
        return ';';
    return ',';
}

} // namespace varnolt::design::case_file
