#include "design/case_reader.h"

#include "design/case_fields.h"
#include "design/case_file_columns.h"
#include "design/row_scanner.h"
#include "model/input_ranges.h"
#include "model/quoted_excerpt.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>
#include <array>
#include <thread>

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
            return ReadError{row.line, position,
                    QCoreApplication::translate("varnolt::design::CaseReader", "header: %1")
                            .arg(fault)};
        const QString name = text->trimmed();
        if (name.isEmpty())
            return ReadError{row.line, position,
                    QCoreApplication::translate(
                            "varnolt::design::CaseReader", "header: column without a name")};
        const auto known = std::find_if(
                knownColumns.begin(), knownColumns.end(), [&](const ColumnDefinition &s) {
                    return name.compare(s.key, Qt::CaseInsensitive) == 0;
                });
        if (known == knownColumns.end()) {
            return ReadError{row.line, quotedExcerpt(name, ControlCharacters::Replaced),
                    QCoreApplication::translate("varnolt::design::CaseReader",
                            "unknown column (the columns are name, q, H, a1, v, ht, phi, sigma, "
                            "uplift)")};
        }
        const auto index = std::size_t(known - knownColumns.begin());
        if (seen[index])
            return ReadError{row.line, quotedExcerpt(name, ControlCharacters::Replaced),
                    QCoreApplication::translate(
                            "varnolt::design::CaseReader", "column given twice")};
        seen[index] = true;
        columns.push_back(known->column);
        names.push_back(quotedExcerpt(name, ControlCharacters::Replaced));
    }
    for (std::size_t i = 0; i < knownColumns.size(); ++i) {
        if (knownColumns[i].required && !seen[i]) {
            return ReadError{row.line, canonicalName(knownColumns[i].column),
                    QCoreApplication::translate("varnolt::design::CaseReader",
                            "missing: the header must name the columns q, H, a1, v and ht")};
        }
    }
    return std::nullopt;
}

// The window's field of a numeric column, for its range of possible values.
varnolt::Field fieldOf(Column column)
{
    switch (column) {
    case Column::Q:
        return Field::Text1;
    case Column::H:
        return Field::Text2;
    case Column::A1:
        return Field::Text3;
    case Column::V:
        return Field::Text4;
    case Column::Ht:
        return Field::Text5;
    case Column::Phi:
        return Field::Text6;
    case Column::Sigma:
    case Column::Uplift:
    case Column::Name:
        break;
    }
    return Field::Text10;
}

double &valueOf(CaseInputs &inputs, Column column)
{
    switch (column) {
    case Column::Q:
        return inputs.q;
    case Column::H:
        return inputs.H;
    case Column::A1:
        return inputs.a1;
    case Column::V:
        return inputs.v;
    case Column::Ht:
        return inputs.ht;
    case Column::Phi:
        return inputs.phi;
    case Column::Sigma:
    case Column::Uplift:
    case Column::Name:
        break;
    }
    return inputs.sigma;
}

bool allBlank(const RawRow &row)
{
    return std::all_of(row.fields.begin(), row.fields.end(), isBlank);
}

// Whether any numeric cell below the header holds a comma: the scanner is a
// copy, so the rows are read again afterwards.
Notation notationOfRows(RowScanner scanner, char separator, const std::vector<Column> &columns)
{
    if (separator == ',')
        return Notation::FullStop;
    while (!scanner.atEnd()) {
        const RawRow row = scanner.next(separator);
        const std::size_t count = std::min(row.fields.size(), columns.size());
        for (std::size_t i = 0; i < count; ++i) {
            if (columns[i] != Column::Name && row.fields[i].contains(','))
                return Notation::DecimalComma;
        }
    }
    return Notation::FullStop;
}

// One data row into a case, or the first fault of the row.
std::optional<ReadError> readRow(const RawRow &row, const std::vector<Column> &columns,
        const std::vector<QString> &names, Notation notation, CaseInputs &inputs)
{
    if (!row.fault.isEmpty())
        return ReadError{row.line, u"-"_s, row.fault};
    if (row.fields.size() < columns.size()) {
        return ReadError{row.line, names[row.fields.size()],
                QCoreApplication::translate("varnolt::design::CaseReader",
                        "missing: the row has %1 fields, the header %2 columns")
                        .arg(QString::number(row.fields.size()), QString::number(columns.size()))};
    }
    for (std::size_t i = columns.size(); i < row.fields.size(); ++i) {
        if (!isBlank(row.fields[i])) {
            return ReadError{row.line, u"#%1"_s.arg(i + 1),
                    QCoreApplication::translate(
                            "varnolt::design::CaseReader", "a field beyond the header's %1 columns")
                            .arg(columns.size())};
        }
    }
    inputs.line = row.line;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        QString fault;
        const bool isName = columns[i] == Column::Name;
        const std::optional<QString> text = decodeField(
                row.fields[i], fault, isName ? FieldText::Name : FieldText::SingleLine);
        if (!text)
            return ReadError{row.line, names[i], fault};
        if (isName) {
            inputs.name = text->trimmed();
            if (inputs.name.size() > maxNameLength) {
                return ReadError{row.line, names[i],
                        QCoreApplication::translate(
                                "varnolt::design::CaseReader", "name longer than %1 characters")
                                .arg(maxNameLength)};
            }
            continue;
        }
        // A blank coefficient takes its default, as an absent column does,
        // and a blank uplift means the case has no uplift check.
        const bool optionalColumn = columns[i] == Column::Phi || columns[i] == Column::Sigma
                || columns[i] == Column::Uplift;
        if (optionalColumn && isBlank(row.fields[i]))
            continue;
        const std::optional<double> value = parseNumber(*text, notation, fault);
        if (!value)
            return ReadError{row.line, names[i], fault};
        // The uplift under the slab has no window field and no range: any
        // finite pressure, a suction included, is a load the slab can take.
        if (columns[i] == Column::Uplift) {
            inputs.uplift = *value;
            continue;
        }
        const auto range = inputRange(fieldOf(columns[i]));
        if (range && !range->holds(*value)) {
            return ReadError{row.line, names[i],
                    QCoreApplication::translate("varnolt::design::CaseReader",
                            "'%1' is impossible: the value must be %2")
                            .arg(quotedExcerpt(text->trimmed(), ControlCharacters::Replaced),
                                    range->text())};
        }
        valueOf(inputs, columns[i]) = *value;
    }
    return std::nullopt;
}

// A warning for each case whose name an earlier case already has: the
// outputs name cases, and two alike leave the reader guessing.
void warnOfDuplicateNames(CaseFile &file, const QString &nameColumn)
{
    QHash<QStringView, int> firstLine;
    firstLine.reserve(qsizetype(file.cases.size()));
    for (const CaseInputs &inputs : file.cases) {
        const auto at = firstLine.constFind(QStringView(inputs.name));
        if (at == firstLine.cend()) {
            firstLine.insert(QStringView(inputs.name), inputs.line);
            continue;
        }
        file.warnings.push_back(ReadError{inputs.line, nameColumn,
                QCoreApplication::translate("varnolt::design::CaseReader",
                        "warning: '%1' also names the case at line %2")
                        .arg(quotedExcerpt(inputs.name, ControlCharacters::Replaced),
                                QString::number(*at))});
    }
}

// How the rows below the header are read: the same for every part of the
// file.
struct RowFormat {
    char separator = ',';
    std::vector<Column> columns;
    std::vector<QString> names;
    Notation notation = Notation::FullStop;
};

// The rows a scanner gives, read into cases or errors in file order; a
// case without a name keeps it empty until its place in the file is known.
void readRows(RowScanner &scanner, const RowFormat &format, std::vector<CaseInputs> &cases,
        std::vector<ReadError> &errors)
{
    while (!scanner.atEnd()) {
        const RawRow row = scanner.next(format.separator);
        // A row of empty cells, quoted or not, is a spreadsheet's blank row.
        if (row.fault.isEmpty() && allBlank(row))
            continue;
        CaseInputs inputs;
        if (const auto error
                = readRow(row, format.columns, format.names, format.notation, inputs)) {
            errors.push_back(*error);
            continue;
        }
        cases.push_back(std::move(inputs));
    }
}

// Files smaller than this are read in one piece: a second thread gains
// nothing on them.
constexpr qsizetype smallestHalved = qsizetype(1) << 20;

// Where the rows from byte `from` on may be read in two halves at once:
// just after the line end nearest the middle. Only where no quotation mark
// follows, since a quoted field may span lines: then every line end ends a
// row. None (0) otherwise, or for a small file.
qsizetype halvingPoint(QByteArrayView bytes, qsizetype from)
{
    if (bytes.size() - from < smallestHalved || bytes.sliced(from).contains('"'))
        return 0;
    const qsizetype lineEnd = bytes.indexOf('\n', from + (bytes.size() - from) / 2);
    return lineEnd < 0 ? 0 : lineEnd + 1;
}

// The rows below the header into the file's cases and row errors, in file
// order. A long file is read in two halves at once, the second on a thread
// of its own from line 1; its lines are then moved on by the lines of the
// first half, as its scanner counted them.
void readAllRows(QByteArrayView bytes, RowScanner &scanner, const RowFormat &format, CaseFile &file)
{
    // About a case a line: room for them all at once, so that a long file's
    // cases are not moved over and over as the vector grows.
    file.cases.reserve(std::size_t(bytes.count('\n')) + 1);
    const qsizetype half = halvingPoint(bytes, scanner.position());
    if (half == 0) {
        readRows(scanner, format, file.cases, file.rowErrors);
        return;
    }
    RowScanner secondScanner(bytes.sliced(half), 1);
    std::vector<CaseInputs> secondCases;
    secondCases.reserve(std::size_t(bytes.sliced(half).count('\n')) + 1);
    std::vector<ReadError> secondErrors;
    std::thread second([&] { readRows(secondScanner, format, secondCases, secondErrors); });
    scanner.endAt(half);
    readRows(scanner, format, file.cases, file.rowErrors);
    second.join();
    const int linesBefore = scanner.line() - 1;
    for (CaseInputs &inputs : secondCases) {
        inputs.line += linesBefore;
        file.cases.push_back(std::move(inputs));
    }
    for (ReadError &error : secondErrors) {
        error.line += linesBefore;
        file.rowErrors.push_back(std::move(error));
    }
}

} // namespace

CaseFile readCases(QByteArrayView bytes)
{
    CaseFile file;
    RowScanner scanner(bytes);
    if (scanner.atEnd()) {
        file.fileError = ReadError{1, u"header"_s,
                QCoreApplication::translate(
                        "varnolt::design::CaseReader", "no header row: the file holds no cases")};
        return file;
    }
    // A spreadsheet's first line may name the separator: "sep=;".
    const QByteArrayView first = scanner.peekLine();
    std::optional<char> namedSeparator;
    if (first.size() == 5 && first.startsWith("sep=")
            && QByteArrayView(",;\t").contains(first.back())) {
        namedSeparator = first.back();
        scanner.skipLine();
        if (scanner.atEnd()) {
            file.fileError = ReadError{1, u"header"_s,
                    QCoreApplication::translate("varnolt::design::CaseReader",
                            "no header row: the file holds no cases")};
            return file;
        }
    }
    scanner.endComments();
    const char separator = namedSeparator.value_or(detectSeparator(scanner.peekLine()));
    file.separator = QChar::fromLatin1(separator);

    std::vector<Column> columns;
    std::vector<QString> names;
    const RawRow header = scanner.next(separator);
    file.fileError = readHeader(header, columns, names);
    if (file.fileError)
        return file;
    const Notation notation = notationOfRows(scanner, separator, columns);
    readAllRows(bytes, scanner, RowFormat{separator, columns, names, notation}, file);
    // A case without a name is named by its place among the cases.
    for (std::size_t i = 0; i < file.cases.size(); ++i) {
        if (file.cases[i].name.isEmpty())
            file.cases[i].name = u"case %1"_s.arg(i + 1);
    }
    if (file.cases.empty() && file.rowErrors.empty()) {
        // Not a fault of the header, but nothing to evaluate: said as an
        // unread row, so that the program says so and fails.
        file.rowErrors.push_back({header.line, u"header"_s,
                QCoreApplication::translate("varnolt::design::CaseReader",
                        "a header and no case: the file holds no row to evaluate")});
        return file;
    }
    const auto nameColumn = std::find(columns.begin(), columns.end(), Column::Name);
    warnOfDuplicateNames(file,
            nameColumn == columns.end() ? u"name"_s
                                        : names[std::size_t(nameColumn - columns.begin())]);
    return file;
}

} // namespace varnolt::design
