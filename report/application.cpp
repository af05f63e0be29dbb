#include "report/application.h"

#include "report/options.h"

#include <QGuiApplication>
#include <QStringList>

namespace varnolt::report {

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

} // namespace

bool writesDocx(int argc, const char *const *argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return asksForWordDocument(arguments);
}

std::unique_ptr<QCoreApplication> makeApplication(int &argc, char **argv)
{
    if (!writesDocx(argc, argv))
        return std::make_unique<QCoreApplication>(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(&onlySeriousQtMessages);
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace varnolt::report
