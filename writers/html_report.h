#pragma once

#include "design/case_result.h"
#include "writers/html_escape.h"
#include "writers/report_document.h"
#include "writers/report_stream.h"

#include <QByteArray>
#include <QString>

namespace varnolt::writers {

// The calculation report as one self-contained HTML5 file in UTF-8: inline
// CSS and inline SVG sketches, no scripts and no external resources, laid
// out for A4 portrait with every case on a page of its own.
QByteArray htmlReport(const design::DesignResult &design, const ReportSettings &settings);

// The same bytes written a piece at a time through `write`, the cases'
// sections a batch at a time, so that a report of many cases is never held
// whole. False as soon as a write fails.
bool writeHtmlReport(const design::DesignResult &design, const ReportSettings &settings,
        const ReportSink &write);

} // namespace varnolt::writers
