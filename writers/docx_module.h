#pragma once

#include "design/case_result.h"
#include "writers/report_document.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <optional>

// The Word writer is built as a module of its own, loaded only by a run that
// writes a Word document: it paints the sketches with Qt's GUI libraries,
// and loading those cost every other run of the program a good part of its
// start. This is what the module hands the program.
namespace varnolt::writers {

struct DocxModule {
    // The application object a run that paints needs: a QGuiApplication on
    // the offscreen platform, which passes on only Qt's serious messages.
    QCoreApplication *(*makeApplication)(int &argc, char **argv);
    // docxReport(): none with `error` set where the package could not be
    // assembled.
    std::optional<QByteArray> (*report)(
            const design::DesignResult &design, const ReportSettings &settings, QString &error);
};

} // namespace varnolt::writers

// The one symbol the module exports, looked up by this name.
extern "C" const varnolt::writers::DocxModule *varnolt_docx_module();
