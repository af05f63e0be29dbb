#include "window/app_icon.h"
#include "window/form1.h"
#include "window/self_capture.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnolt"));
    QApplication::setWindowIcon(varnolt::appIcon());

    varnolt::Form1 form;
    form.show();

    // Set by the run script on a machine without a display: the window is
    // opened on a virtual one, pictured and closed.
    const QString screenshot = qEnvironmentVariable("VARNOLT_SCREENSHOT");
    if (!screenshot.isEmpty())
        varnolt::captureWhenShownAndQuit(form, screenshot);

    return app.exec();
}
