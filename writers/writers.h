#pragma once

#include "design/case_result.h"

#include <QByteArray>
#include <QString>

namespace varnolt::writers {

// The readable table for a terminal, columns aligned for Chinese text, with
// the governing cases and the errors listed under it. UTF-8.
QByteArray tableText(const design::DesignResult &design);

// One row per case, units in the header, UTF-8 with a byte order mark; a
// text cell a spreadsheet would run as a formula is neutralised.
QByteArray csvText(const design::DesignResult &design);

// The design as JSON, keys as the acceptance checks read them.
QByteArray jsonText(const design::DesignResult &design);

// The workbook: one sheet, one row per case, numbers as numbers, units in
// the header, the governing rows marked.
bool writeXlsx(const design::DesignResult &design, const QString &path, QString &error);

} // namespace varnolt::writers
