#include "window/error_report.h"

#include "window/widget_form_model.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QShowEvent>

namespace varnolt {

namespace {

using namespace Qt::StringLiterals;

QString shortened(const QString &message, qsizetype length)
{
    if (message.size() <= length)
        return message;
    return message.left(length) + u'…';
}

// A message box that, once laid out for showing, shortens its message until
// the whole box, frame and button included, fits the available height of its
// screen.
class ErrorBox final : public QMessageBox {
public:
    ErrorBox(QWidget *window, const CalcError &error)
        : QMessageBox(QMessageBox::Critical, window ? window->windowTitle() : QString(),
                errorKindName(error.kind()), QMessageBox::Ok, window)
        , m_message(error.message())
    {
        setObjectName(u"errorBox"_s);
        setTextFormat(Qt::PlainText);
        setInformativeText(shortened(m_message, MaxShownMessageLength));
    }

protected:
    void showEvent(QShowEvent *event) override
    {
        QMessageBox::showEvent(event);
        const QScreen *screen = this->screen();
        if (!screen)
            return;
        const int room = screen->availableGeometry().height();
        const int frame = frameGeometry().height() - height();
        qsizetype length = std::min(m_message.size(), MaxShownMessageLength);
        while (height() + frame > room && length > 1) {
            length /= 2;
            setInformativeText(shortened(m_message, length));
        }
    }

private:
    QString m_message;
};

} // namespace

std::optional<Field> fieldToCorrect(const CalcError &error)
{
    switch (error.kind()) {
    case ErrorKind::TypeMismatch:
    case ErrorKind::Overflow:
    case ErrorKind::InvalidInput:
        // An overflow names its field only when the field's text was beyond
        // single precision; overflows of the arithmetic name none.
        return error.field();
    default:
        return std::nullopt;
    }
}

void reportError(QWidget *window, const CalcError &error)
{
    ErrorBox box(window, error);
    box.exec();

    if (!window)
        return;
    // Where no window manager hands the focus back from the closed box, the
    // window takes it itself, with its focus where it was.
    if (!window->isActiveWindow())
        window->activateWindow();
    const std::optional<Field> field = fieldToCorrect(error);
    if (!field)
        return;
    if (auto *edit = window->findChild<QLineEdit *>(fieldName(*field))) {
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
    }
}

} // namespace varnolt
