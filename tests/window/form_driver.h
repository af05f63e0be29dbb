#pragma once

#include "window/form1.h"

#include <QMessageBox>
#include <QString>
#include <QTimer>

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace varnolt::testkit {

// A test class whose every test function gets a freshly opened, active
// window in m_form, closed again after the function.
class FormTest : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<Form1> m_form;

private slots:
    void init();
    void cleanup();
};

QLineEdit *field(const Form1 &form, int number);
QPushButton *button(const Form1 &form, const QString &name);
QLabel *label(const Form1 &form, const QString &name);

// Shows the window and waits until it has the focus, as after a real start.
bool showActive(Form1 &form);

// Clicks into the field and types the text over whatever it held.
void typeInto(QLineEdit *field, const QString &text);
void click(QPushButton *button);
void clickMenuItem(Form1 &form, const QString &name);

// Watches for the next modal message box of the application, notes what it
// says, saves a picture of it when asked, and presses its OK button, so a
// test can click through a command that reports an error.
class MessageBoxCatcher {
public:
    explicit MessageBoxCatcher(QString imagePath = {});

    bool caught() const { return m_caught; }
    bool wasModal() const { return m_modal; }
    QString title() const { return m_title; }
    QString text() const { return m_text; }
    QString informativeText() const { return m_informativeText; }
    // The text of the box's one button, as Qt's translation gives it.
    QString buttonText() const { return m_buttonText; }
    // The box's outer frame and its button, in global coordinates, and the
    // available area of the screen it was shown on.
    QRect frame() const { return m_frame; }
    QRect buttonRect() const { return m_buttonRect; }
    QRect screenArea() const { return m_screenArea; }

private:
    void poll();

    QTimer m_timer;
    QString m_imagePath;
    bool m_caught = false;
    bool m_modal = false;
    QString m_title;
    QString m_text;
    QString m_informativeText;
    QString m_buttonText;
    QRect m_frame;
    QRect m_buttonRect;
    QRect m_screenArea;
};

// Whether a field shows its whole text: with the cursor at the end, kept in
// view by the field itself, the first character is still at the left edge.
bool showsWholeText(QLineEdit *field);

} // namespace varnolt::testkit
