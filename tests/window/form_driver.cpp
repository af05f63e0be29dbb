#include "form_driver.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTest>

#include "window/standard_texts.h"

namespace varnolt::testkit {

void FormTest::init()
{
    // As the program does before it opens the window.
    loadChineseStandardTexts();
    m_form = std::make_unique<Form1>();
    QVERIFY(showActive(*m_form));
}

void FormTest::cleanup()
{
    m_form.reset();
}

QLineEdit *field(const Form1 &form, int number)
{
    return form.findChild<QLineEdit *>(QStringLiteral("Text%1").arg(number));
}

QPushButton *button(const Form1 &form, const QString &name)
{
    return form.findChild<QPushButton *>(name);
}

QLabel *label(const Form1 &form, const QString &name)
{
    return form.findChild<QLabel *>(name);
}

bool showActive(Form1 &form)
{
    form.show();
    form.activateWindow();
    return QTest::qWaitForWindowActive(&form);
}

void typeInto(QLineEdit *field, const QString &text)
{
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

void click(QPushButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

void clickMenuItem(Form1 &form, const QString &name)
{
    auto *action = form.findChild<QAction *>(name);
    QMenuBar *bar = form.menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
}

MessageBoxCatcher::MessageBoxCatcher(QString imagePath)
    : m_imagePath(std::move(imagePath))
{
    QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
    m_timer.start(10);
}

void MessageBoxCatcher::poll()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    m_timer.stop();
    m_caught = true;
    m_modal = box->isModal();
    m_title = box->windowTitle();
    m_text = box->text();
    m_informativeText = box->informativeText();
    QAbstractButton *ok = box->button(QMessageBox::Ok);
    m_buttonText = ok->text();
    m_frame = box->frameGeometry();
    m_buttonRect = QRect(ok->mapToGlobal(QPoint(0, 0)), ok->size());
    m_screenArea = box->screen()->availableGeometry();
    if (!m_imagePath.isEmpty())
        box->grab().save(m_imagePath, "PNG");
    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
}

bool showsWholeText(QLineEdit *field)
{
    // The text's width as the field itself lays it out: the distance its
    // cursor travels from the start of the text to its end.
    field->grab();
    const auto cursorX = [field](int position) {
        field->setCursorPosition(position);
        return field->inputMethodQuery(Qt::ImCursorRectangle).toRect().x();
    };
    const int textWidth = cursorX(int(field->text().size())) - cursorX(0);
    // The line inside the frame and QLineEdit's one-pixel margins, with a
    // pixel for the cursor after the last character.
    const int frame = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field);
    const int line = field->contentsRect().width() - 2 * frame - 2;
    return textWidth + 1 <= line;
}

} // namespace varnolt::testkit
