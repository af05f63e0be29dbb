#include "window/app_icon.h"
#include "window/form1.h"
#include "window/self_capture.h"
#include "window/standard_texts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Publish the controls on the accessibility bus whenever there is one, so
    // screen readers and GUI-test tools find the fields without the desktop
    // having switched accessibility on first.
    if (!qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnolt"));
    QApplication::setWindowIcon(varnolt::appIcon());
    varnolt::loadChineseStandardTexts();

    varnolt::Form1 form;
    // Set by scripts/measure-window.sh to time the start-up to the first paint.
    if (qEnvironmentVariableIsSet("VARNOLT_EXIT_WHEN_SHOWN"))
        varnolt::quitAfterFirstPaint(form);
    form.show();

    // Set by the run script on a machine without a display: the window is
    // opened on a virtual one, pictured and closed.
    const QString screenshot = qEnvironmentVariable("VARNOLT_SCREENSHOT");
    if (!screenshot.isEmpty())
        varnolt::captureWhenShownAndQuit(form, screenshot);

    return QApplication::exec();
}
