#include "window/error_report.h"

#include <QMessageBox>

namespace varnolt {

using namespace Qt::StringLiterals;

void reportError(QWidget *window, const CalcError &error)
{
    const QString title = window ? window->windowTitle() : QString();
    QMessageBox box(
            QMessageBox::Critical, title, errorKindName(error.kind()), QMessageBox::Ok, window);
    box.setObjectName(u"errorBox"_s);
    box.setInformativeText(error.message());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace varnolt
