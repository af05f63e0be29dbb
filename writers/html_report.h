#pragma once

#include "design/case_result.h"
#include "writers/html_escape.h"
#include "writers/report_document.h"

#include <QByteArray>
#include <QString>

namespace varnolt::writers {

// The calculation report as one self-contained HTML5 file in UTF-8: inline
// CSS and inline SVG sketches, no scripts and no external resources, laid
// out for A4 portrait with every case on a page of its own.
QByteArray htmlReport(const design::DesignResult &design, const ReportSettings &settings);

} // namespace varnolt::writers
