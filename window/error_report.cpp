#include "window/error_report.h"

#include "window/widget_form_model.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QShowEvent>

#include <algorithm>

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
// the whole box, frame and button included, fits the available area of its
// screen, and keeps itself inside that area.
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
        const QRect area = screen->availableGeometry();
        const QSize frame = frameGeometry().size() - size();
        // A paste without spaces cannot wrap and widens the box instead.
        const auto fits = [&] {
            return height() + frame.height() <= area.height()
                    && width() + frame.width() <= area.width();
        };
        qsizetype length = std::min(m_message.size(), MaxShownMessageLength);
        while (!fits() && length > 1) {
            length /= 2;
            setInformativeText(shortened(m_message, length));
        }
        // Placed over the window before its last size was known: moved back
        // inside the available area where it reaches past it.
        const QRect outer = frameGeometry();
        move(std::clamp(outer.x(), area.left(),
                     std::max(area.left(), area.right() + 1 - outer.width())),
                std::clamp(outer.y(), area.top(),
                        std::max(area.top(), area.bottom() + 1 - outer.height())));
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
