#include "window/error_report.h"

#include <QMessageBox>

namespace varnolt {

using namespace Qt::StringLiterals;

QString errorKindName(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::TypeMismatch:
        return u"类型不匹配"_s;
    case ErrorKind::Overflow:
        return u"溢出"_s;
    case ErrorKind::DivisionByZero:
        return u"除数为零"_s;
    case ErrorKind::InvalidOperation:
        return u"无效运算"_s;
    case ErrorKind::FileNotFound:
        return u"文件未找到"_s;
    case ErrorKind::NoSolution:
        return u"无解"_s;
    }
    return u"错误"_s;
}

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
