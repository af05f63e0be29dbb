#include "design/case_reader.h"

#include "design/case_fields.h"
#include "design/case_file_columns.h"
#include "design/row_scanner.h"
#include "model/quoted_excerpt.h"

#include <algorithm>
#include <array>

namespace varnolt::design {

using namespace Qt::StringLiterals;
using namespace case_file;

namespace {

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
            return ReadError{row.line, quotedExcerpt(name, ControlCharacters::Replaced),
                    u"unknown column (the columns are name, q, H, a1, v, ht, phi, sigma, uplift)"_s};
        }
        const auto index = std::size_t(known - knownColumns.begin());
        if (seen[index])
            return ReadError{row.line, quotedExcerpt(name, ControlCharacters::Replaced),
                    u"column given twice"_s};
        seen[index] = true;
        columns.push_back(known->column);
        names.push_back(quotedExcerpt(name, ControlCharacters::Replaced));
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
        if (columns[i] == Column::Uplift && text->trimmed().isEmpty())
            continue;
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
        case Column::Uplift:
            inputs.uplift = *value;
            break;
        case Column::Name:
            break;
        }
    }
    return std::nullopt;
}

} // namespace

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
