#pragma once

#include "design/case_result.h"
#include "writers/report_words.h"

#include <QByteArray>
#include <QString>

namespace varnolt::writers {

// The readable table for a terminal, columns aligned for Chinese text, with
// the governing cases and the errors listed under it. UTF-8. The errors and
// the standard's notes are in `language`; Chinese is the window's words.
QByteArray tableText(
        const design::DesignResult &design, ReportLanguage language = ReportLanguage::Chinese);

// One row per case, units in the header, UTF-8 with a byte order mark; a
// text cell a spreadsheet would run as a formula is neutralised. Error
// messages and the standard's notes are in `language`.
QByteArray csvText(
        const design::DesignResult &design, ReportLanguage language = ReportLanguage::Chinese);

// The design as JSON, keys as the acceptance checks read them; error
// messages in `language`.
QByteArray jsonText(
        const design::DesignResult &design, ReportLanguage language = ReportLanguage::Chinese);

// The workbook: one sheet, one row per case, numbers as numbers, units in
// the header, the governing rows marked; messages in `language`.
bool writeXlsx(const design::DesignResult &design, const QString &path, QString &error,
        ReportLanguage language = ReportLanguage::Chinese);

} // namespace varnolt::writers
