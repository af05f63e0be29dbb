#include "window/self_capture.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace varnolt {

namespace {

class QuitAfterFirstPaint : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_painted) {
            m_painted = true;
            QMetaObject::invokeMethod(
                    QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_painted = false;
};

} // namespace

bool saveWindowImage(QWidget &window, const QString &path)
{
    return window.grab().save(path, "PNG");
}

void captureWhenShownAndQuit(QWidget &window, const QString &path)
{
    // Queued behind the show, so the first layout and polish have happened.
    QTimer::singleShot(0, &window, [&window, path] {
        if (!saveWindowImage(window, path)) {
            std::fprintf(stderr, "Could not write the window image to %s\n", qPrintable(path));
            QCoreApplication::exit(1);
            return;
        }
        std::printf("%s\n", qPrintable(QFileInfo(path).absoluteFilePath()));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
}

void quitAfterFirstPaint(QWidget &window)
{
    window.installEventFilter(new QuitAfterFirstPaint(&window));
}

} // namespace varnolt
