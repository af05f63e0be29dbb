#pragma once

#include "design/case_result.h"
#include "writers/report_document.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace varnolt::writers {

// The calculation report as a Word document (Office Open XML, .docx): the
// same blocks, words and order as the HTML report, on A4 portrait with its
// margins, headings in Word's heading styles, real tables, each case's
// sketch as a 300 dpi picture at its printed size, and the running header
// and the numbered footer. The same design and settings give the same
// bytes: the parts in a fixed order, every time in the zip and in the
// document's properties the report's day. None, with `error` saying why,
// where the zip library fails. The sketches need a QGuiApplication (they
// are painted with text); without one the report goes without them.
std::optional<QByteArray> docxReport(
        const design::DesignResult &design, const ReportSettings &settings, QString &error);

} // namespace varnolt::writers
