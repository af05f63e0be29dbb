#pragma once

#include "design/case_result.h"
#include "writers/report_document.h"
#include "writers/report_stream.h"

#include <QByteArray>
#include <QString>

namespace varnolt::writers {

// The calculation report as Markdown (GitHub flavour) in UTF-8: the same
// words, formulas and tables as the HTML report, without the sketches, for
// wikis and merge requests.
QByteArray markdownReport(const design::DesignResult &design, const ReportSettings &settings);

// The same bytes written a piece at a time through `write`; false as soon
// as a write fails.
bool writeMarkdownReport(const design::DesignResult &design, const ReportSettings &settings,
        const ReportSink &write);

// Text made inert for Markdown: markup characters escaped, HTML's own
// characters as entities (a renderer passes raw HTML through), line breaks
// and controls as blanks, so that a text stays on its line or table cell.
QString markdownEscaped(const QString &text);

} // namespace varnolt::writers
