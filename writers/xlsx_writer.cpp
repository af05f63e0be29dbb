#include "writers/case_columns.h"
#include "writers/writers.h"

#include <QFile>

#include <xlsxwriter.h>

namespace varnolt::writers {

using namespace Qt::StringLiterals;

namespace {

// The workbook's handle, closed (and so written) exactly once.
class Workbook {
public:
    explicit Workbook(const QByteArray &path)
        : m_book(workbook_new(path.constData()))
    {
    }
    ~Workbook()
    {
        if (m_book)
            workbook_close(m_book);
    }
    Workbook(const Workbook &) = delete;
    Workbook &operator=(const Workbook &) = delete;

    lxw_workbook *get() const { return m_book; }

    lxw_error close()
    {
        const lxw_error error = workbook_close(m_book);
        m_book = nullptr;
        return error;
    }

private:
    lxw_workbook *m_book;
};

lxw_error writeCell(
        lxw_worksheet *sheet, lxw_row_t row, lxw_col_t col, const Cell &cell, lxw_format *format)
{
    switch (cell.kind) {
    case Cell::Kind::Number:
        return worksheet_write_number(sheet, row, col, cell.number, format);
    case Cell::Kind::Text:
        return worksheet_write_string(sheet, row, col, cell.text.toUtf8().constData(), format);
    case Cell::Kind::Empty:
        return format ? worksheet_write_blank(sheet, row, col, format) : LXW_NO_ERROR;
    }
    return LXW_NO_ERROR;
}

} // namespace

bool writeXlsx(const design::DesignResult &design, const QString &path, QString &error,
        ReportLanguage language)
{
    Workbook book(QFile::encodeName(path));
    if (!book.get()) {
        error = u"cannot create the workbook"_s;
        return false;
    }
    lxw_worksheet *sheet = workbook_add_worksheet(book.get(), "cases");
    lxw_format *header = workbook_add_format(book.get());
    format_set_bold(header);
    format_set_text_wrap(header);
    format_set_align(header, LXW_ALIGN_VERTICAL_TOP);
    lxw_format *governing = workbook_add_format(book.get());
    format_set_bg_color(governing, 0xFFE699);
    format_set_bold(governing);

    const auto columns = caseColumns();
    lxw_error status = LXW_NO_ERROR;
    for (std::size_t c = 0; c < columns.size() && status == LXW_NO_ERROR; ++c) {
        status = worksheet_write_string(sheet, 0, lxw_col_t(c),
                QString::fromUtf16(columns[c].header).toUtf8().constData(), header);
    }
    for (std::size_t i = 0; i < design.cases.size() && status == LXW_NO_ERROR; ++i) {
        const bool governs = design.governingDepth == i || design.governingLength == i;
        for (std::size_t c = 0; c < columns.size() && status == LXW_NO_ERROR; ++c) {
            status = writeCell(sheet, lxw_row_t(i + 1), lxw_col_t(c),
                    columns[c].cell(design, i, language), governs ? governing : nullptr);
        }
    }
    if (status == LXW_NO_ERROR) {
        worksheet_set_row(sheet, 0, 32, nullptr);
        worksheet_set_column(sheet, 0, 0, 18, nullptr);
        worksheet_set_column(sheet, 1, lxw_col_t(columns.size() - 1), 12, nullptr);
        worksheet_freeze_panes(sheet, 1, 1);
        worksheet_autofilter(
                sheet, 0, 0, lxw_row_t(design.cases.size()), lxw_col_t(columns.size() - 1));
    }

    // The design-wide settings, so the forwarded file says how it was made.
    lxw_worksheet *settings = workbook_add_worksheet(book.get(), "design");
    const auto &o = design.options;
    const std::pair<const char *, std::optional<double>> rows[]
            = {{"alpha", o.alpha}, {"b1/b2", o.widthRatio}, {"beta", o.beta},
                    {"Ls (m)", o.slopeLength}, {"k1", o.k1}, {"Ks", o.ks}};
    lxw_row_t row = 0;
    for (const auto &[name, value] : rows) {
        if (status != LXW_NO_ERROR)
            break;
        status = worksheet_write_string(settings, row, 0, name, header);
        if (status == LXW_NO_ERROR && value)
            status = worksheet_write_number(settings, row, 1, *value, nullptr);
        ++row;
    }
    const std::pair<const char *, std::optional<std::size_t>> governors[]
            = {{"depth governed by", design.governingDepth},
                    {"length governed by", design.governingLength}};
    for (const auto &[name, index] : governors) {
        if (status != LXW_NO_ERROR)
            break;
        status = worksheet_write_string(settings, row, 0, name, header);
        if (status == LXW_NO_ERROR && index) {
            status = worksheet_write_string(settings, row, 1,
                    design.cases[*index].inputs.name.toUtf8().constData(), nullptr);
        }
        ++row;
    }
    worksheet_set_column(settings, 0, 0, 20, nullptr);

    const lxw_error closed = book.close();
    if (status == LXW_NO_ERROR)
        status = closed;
    if (status != LXW_NO_ERROR) {
        error = QString::fromUtf8(lxw_strerror(status));
        return false;
    }
    return true;
}

} // namespace varnolt::writers
