#include "writers/docx_module.h"

#include "writers/docx_report.h"

#include <QGuiApplication>

namespace varnolt::writers {

namespace {

QtMessageHandler previousHandler = nullptr;

// Qt's notes about the painting platform (no runtime folder for a program
// run by root, an SVG feature drawn without) say nothing the user can act
// on, and the program's standard error is for its own messages; only
// Qt's critical and fatal messages pass.
void onlySeriousQtMessages(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if ((type == QtCriticalMsg || type == QtFatalMsg) && previousHandler)
        previousHandler(type, context, text);
}

QCoreApplication *paintingApplication(int &argc, char **argv)
{
    // The program shows no window and may run without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(&onlySeriousQtMessages);
    return new QGuiApplication(argc, argv);
}

const DocxModule module{&paintingApplication, &docxReport};

} // namespace

} // namespace varnolt::writers

extern "C" Q_DECL_EXPORT const varnolt::writers::DocxModule *varnolt_docx_module()
{
    return &varnolt::writers::module;
}
