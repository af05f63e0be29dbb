#include "report/application.h"

#include <QByteArray>
#include <QGuiApplication>

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

bool mayWriteDocx(int argc, const char *const *argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument = QByteArray(argv[i]).toLower();
        if (argument.endsWith(".docx") || argument == "docx" || argument == "--format=docx")
            return true;
    }
    return false;
}

std::unique_ptr<QCoreApplication> makeApplication(int &argc, char **argv)
{
    if (!mayWriteDocx(argc, argv))
        return std::make_unique<QCoreApplication>(argc, argv);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(&onlySeriousQtMessages);
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace varnolt::report
