#include "design/case_reader.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <charconv>
#include <string>

namespace varnolt::design {

using namespace Qt::StringLiterals;

namespace {

enum class Column { Name, Q, H, A1, V, Ht, Phi, Sigma };

struct ColumnDefinition {
    Column column;
    const char16_t *key; // lower case
    bool required;
};

constexpr std::array<ColumnDefinition, 8> knownColumns{{
        {Column::Name, u"name", false},
        {Column::Q, u"q", true},
        {Column::H, u"h", true},
        {Column::A1, u"a1", true},
        {Column::V, u"v", true},
        {Column::Ht, u"ht", true},
        {Column::Phi, u"phi", false},
        {Column::Sigma, u"sigma", false},
}};

// The header's spelling of each known column, for messages.
QString canonicalName(Column column)
{
    switch (column) {
    case Column::Name:
        return u"name"_s;
    case Column::Q:
        return u"q"_s;
    case Column::H:
        return u"H"_s;
    case Column::A1:
        return u"a1"_s;
    case Column::V:
        return u"v"_s;
    case Column::Ht:
        return u"ht"_s;
    case Column::Phi:
        return u"phi"_s;
    case Column::Sigma:
        return u"sigma"_s;
    }
    return {};
}

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

    // The header line up to its end outside quotes, for finding the separator.
    QByteArrayView peekLine()
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

    bool atEnd()
    {
        skipBlankAndComment();
        return m_pos >= m_bytes.size();
    }

    RawRow next(char separator)
    {
        skipBlankAndComment();
        RawRow row;
        row.line = m_line;
        const qsizetype start = m_pos;
        QByteArray field;
        bool fieldWasQuoted = false;
        for (;;) {
            if (m_pos - start > maxRowBytes) {
                row.fault = u"row longer than %1 bytes"_s.arg(maxRowBytes);
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
                row.fault = u"text after a closing quotation mark"_s;
                skipRestOfRow();
                row.fields.clear();
                return row;
            }
            field.append(c);
            ++m_pos;
        }
    }

private:
    // A quoted field from its opening quote; a doubled quote stands for one.
    bool readQuoted(QByteArray &field, RawRow &row)
    {
        const qsizetype start = m_pos;
        ++m_pos;
        for (;;) {
            if (m_pos >= m_bytes.size()) {
                row.fault = u"quotation not closed before the end of the file"_s;
                row.fields.clear();
                return false;
            }
            if (m_pos - start > maxRowBytes) {
                row.fault = u"quoted field longer than %1 bytes"_s.arg(maxRowBytes);
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

    void consumeLineEnd()
    {
        if (m_bytes[m_pos] == '\r' && m_pos + 1 < m_bytes.size() && m_bytes[m_pos + 1] == '\n')
            ++m_pos;
        ++m_pos;
        ++m_line;
    }

    void skipRestOfRow()
    {
        while (m_pos < m_bytes.size() && m_bytes[m_pos] != '\n' && m_bytes[m_pos] != '\r')
            ++m_pos;
        if (m_pos < m_bytes.size())
            consumeLineEnd();
    }

    // Blank lines (spaces and tabs only) and lines starting with #.
    void skipBlankAndComment()
    {
        for (;;) {
            qsizetype end = m_pos;
            while (end < m_bytes.size() && (m_bytes[end] == ' ' || m_bytes[end] == '\t'))
                ++end;
            const bool blank
                    = end >= m_bytes.size() || m_bytes[end] == '\n' || m_bytes[end] == '\r';
            const bool comment = m_pos < m_bytes.size() && m_bytes[m_pos] == '#';
            if (m_pos >= m_bytes.size() || (!blank && !comment))
                return;
            m_pos = end;
            skipRestOfRow();
        }
    }

    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
    int m_line = 1;
};

// The separator the header uses most, outside quotes; ties go to tab, then
// semicolon, then comma.
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

// A field as text: valid UTF-8 without control characters, or the fault.
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

// The strict number grammar of a case file: sign, digits with at most one
// full stop, optional exponent. Empty on a fault, which `fault` names.
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
            fault = u"'%1' is not a number"_s.arg(quotedExcerpt(text));
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
        fault = u"'%1' is not a number"_s.arg(quotedExcerpt(text));
        return std::nullopt;
    }
    // from_chars takes no leading plus.
    const char *first = ascii.data() + (ascii[0] == '+' ? 1 : 0);
    double value = 0;
    const auto [end, error] = std::from_chars(first, ascii.data() + ascii.size(), value);
    if (error != std::errc() || end != ascii.data() + ascii.size()) {
        fault = u"'%1' is beyond the range of numbers"_s.arg(quotedExcerpt(text));
        return std::nullopt;
    }
    return value;
}

bool isBlank(const QByteArray &field)
{
    return std::all_of(field.begin(), field.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// The header: which column each field is, or the file's fault.
std::optional<ReadError> readHeader(
        const RawRow &row, std::vector<Column> &columns, std::vector<QString> &names)
{
    if (!row.fault.isEmpty())
        return ReadError{row.line, u"header"_s, row.fault};
    std::vector<QByteArray> fields = row.fields;
    // Spreadsheets may end every line with a separator.
    while (!fields.empty() && isBlank(fields.back()))
        fields.pop_back();
    std::array<bool, knownColumns.size()> seen{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const QString position = u"#%1"_s.arg(i + 1);
        QString fault;
        const std::optional<QString> text = decodeField(fields[i], fault);
        if (!text)
            return ReadError{row.line, position, u"header: "_s + fault};
        const QString name = text->trimmed();
        if (name.isEmpty())
            return ReadError{row.line, position, u"header: column without a name"_s};
        const auto known = std::find_if(
                knownColumns.begin(), knownColumns.end(), [&](const ColumnDefinition &s) {
                    return name.compare(s.key, Qt::CaseInsensitive) == 0;
                });
        if (known == knownColumns.end()) {
            return ReadError{row.line, quotedExcerpt(name),
                    u"unknown column (the columns are name, q, H, a1, v, ht, phi, sigma)"_s};
        }
        const auto index = std::size_t(known - knownColumns.begin());
        if (seen[index])
            return ReadError{row.line, quotedExcerpt(name), u"column given twice"_s};
        seen[index] = true;
        columns.push_back(known->column);
        names.push_back(quotedExcerpt(name));
    }
    for (std::size_t i = 0; i < knownColumns.size(); ++i) {
        if (knownColumns[i].required && !seen[i]) {
            return ReadError{row.line, canonicalName(knownColumns[i].column),
                    u"missing: the header must name the columns q, H, a1, v and ht"_s};
        }
    }
    return std::nullopt;
}

// One data row into a case, or the first fault of the row.
std::optional<ReadError> readRow(const RawRow &row, const std::vector<Column> &columns,
        const std::vector<QString> &names, char separator, CaseInputs &inputs)
{
    if (!row.fault.isEmpty())
        return ReadError{row.line, u"-"_s, row.fault};
    if (row.fields.size() < columns.size()) {
        return ReadError{row.line, names[row.fields.size()],
                u"missing: the row has %1 fields, the header %2 columns"_s.arg(row.fields.size())
                        .arg(columns.size())};
    }
    for (std::size_t i = columns.size(); i < row.fields.size(); ++i) {
        if (!isBlank(row.fields[i])) {
            return ReadError{row.line, u"#%1"_s.arg(i + 1),
                    u"a field beyond the header's %1 columns"_s.arg(columns.size())};
        }
    }
    inputs.line = row.line;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        QString fault;
        const std::optional<QString> text = decodeField(row.fields[i], fault);
        if (!text)
            return ReadError{row.line, names[i], fault};
        if (columns[i] == Column::Name) {
            inputs.name = text->trimmed();
            if (inputs.name.size() > maxNameLength) {
                return ReadError{
                        row.line, names[i], u"name longer than %1 characters"_s.arg(maxNameLength)};
            }
            continue;
        }
        const std::optional<double> value = parseNumber(*text, separator, fault);
        if (!value)
            return ReadError{row.line, names[i], fault};
        switch (columns[i]) {
        case Column::Q:
            inputs.q = *value;
            break;
        case Column::H:
            inputs.H = *value;
            break;
        case Column::A1:
            inputs.a1 = *value;
            break;
        case Column::V:
            inputs.v = *value;
            break;
        case Column::Ht:
            inputs.ht = *value;
            break;
        case Column::Phi:
            inputs.phi = *value;
            break;
        case Column::Sigma:
            inputs.sigma = *value;
            break;
        case Column::Name:
            break;
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<double> parseCaseNumber(const QString &text, QChar separator, QString &fault)
{
    return parseNumber(text, char(separator.toLatin1()), fault);
}

QString quotedExcerpt(const QString &text, qsizetype length)
{
    QString shown;
    shown.reserve(std::min(text.size(), length) + 1);
    for (const QChar c : text) {
        if (shown.size() >= length) {
            shown.append(u'…');
            break;
        }
        shown.append(c.unicode() < 0x20 || c.unicode() == 0x7F ? QChar(0xFFFD) : c);
    }
    return shown;
}

CaseFile readCases(QByteArrayView bytes)
{
    CaseFile file;
    RowScanner scanner(bytes);
    if (scanner.atEnd()) {
        file.fileError = ReadError{1, u"header"_s, u"no header row: the file holds no cases"_s};
        return file;
    }
    const char separator = detectSeparator(scanner.peekLine());
    file.separator = QChar::fromLatin1(separator);

    std::vector<Column> columns;
    std::vector<QString> names;
    file.fileError = readHeader(scanner.next(separator), columns, names);
    if (file.fileError)
        return file;

    while (!scanner.atEnd()) {
        const RawRow row = scanner.next(separator);
        CaseInputs inputs;
        if (const auto error = readRow(row, columns, names, separator, inputs)) {
            file.rowErrors.push_back(*error);
            continue;
        }
        if (inputs.name.isEmpty())
            inputs.name = u"case %1"_s.arg(file.cases.size() + 1);
        file.cases.push_back(std::move(inputs));
    }
    return file;
}

} // namespace varnolt::design
