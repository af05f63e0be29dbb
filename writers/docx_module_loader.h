#pragma once

#include "design/case_result.h"
#include "writers/docx_module.h"
#include "writers/report_document.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace varnolt::writers {

// The Word writer's module, loaded on first use from beside the running
// program (as built) or from the library folder it is installed in; none,
// with `error` saying why, where it cannot be loaded.
const DocxModule *docxModule(QString &error);

// The Word report through the module: none with `error` set where the
// module cannot be loaded or the package cannot be assembled.
std::optional<QByteArray> docxReportThroughModule(
        const design::DesignResult &design, const ReportSettings &settings, QString &error);

} // namespace varnolt::writers
