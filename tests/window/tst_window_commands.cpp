#include "form_driver.h"

#include "commands/commands.h"
#include "model/errors.h"
#include "model/jump_kind.h"
#include "model/number_text.h"
#include "window/client_area.h"
#include "window/error_report.h"
#include "window/self_capture.h"
#include "window/widget_form_model.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>

Q_DECLARE_METATYPE(varnolt::ErrorKind)
Q_DECLARE_METATYPE(varnolt::ErrorReason)
Q_DECLARE_METATYPE(std::optional<varnolt::Field>)

using namespace varnolt;
using namespace varnolt::testkit;
using namespace Qt::StringLiterals;

namespace {

const QString Remote = verdictText(JumpKind::Remote);
const QString Submerged = verdictText(JumpKind::Submerged);
const QString TypeMismatch = errorKindName(ErrorKind::TypeMismatch);

} // namespace

// The two buttons and the Recalculate menu item driven as a user would, with
// key and mouse events, and the error box after a failed command.
class TestWindowCommands : public FormTest {
    Q_OBJECT

private slots:
    void jumpCheck_data();
    void jumpCheck();
    void basinSizing();
    void enterAndEscapeRunNothing();
    void failedCommandKeepsWindowAndInputs_data();
    void failedCommandKeepsWindowAndInputs();
    void windowStaysUsableAfterError();
    void recalculateClearsForNewCalculation_data();
    void recalculateClearsForNewCalculation();
    void focusAfterError_data();
    void focusAfterError();
    void focusReturnsToTypedField();
    void errorBoxButtonIsChinese();
    void errorBoxFitsTheScreen_data();
    void errorBoxFitsTheScreen();

private:
    void typeInputs(const QStringList &texts)
    {
        for (int n = 1; n <= int(texts.size()); ++n)
            typeInto(field(*m_form, n), texts[n - 1]);
    }
    QString text(int n) const { return field(*m_form, n)->text(); }
    QString verdict() const { return label(*m_form, u"Label9"_s)->text(); }
    QPushButton *basinButton() const { return button(*m_form, u"Command2"_s); }
};

void TestWindowCommands::jumpCheck_data()
{
    // clang-format off
    QTest::addColumn<QString>("ht");
    QTest::addColumn<bool>("recalculateFirst");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<bool>("basinEnabled");
    QTest::newRow("remote jump") << u"3"_s << false << Remote << true;
    QTest::newRow("remote jump after recalculate") << u"3"_s << true << Remote << true;
    // A submerged jump leaves the basin button as it was.
    QTest::newRow("submerged jump") << u"6"_s << false << Submerged << true;
    QTest::newRow("submerged jump after recalculate") << u"6"_s << true << Submerged << false;
    // clang-format on
}

void TestWindowCommands::jumpCheck()
{
    QFETCH(QString, ht);
    QFETCH(bool, recalculateFirst);
    QFETCH(QString, verdict);
    QFETCH(bool, basinEnabled);
    if (recalculateFirst)
        clickMenuItem(*m_form, u"cxjs"_s);
    typeInputs({u"10"_s, u"3"_s, u"5"_s, u"1"_s, ht});
    click(button(*m_form, u"Command1"_s));

    // clang-format off
    const QStringList expected = {
        u"10"_s,      u"3"_s,    u"5"_s,        u"1"_s,
        ht,           u"0.95"_s, u"2.168255"_s, u"0.8879251"_s,
        u"4.36829"_s, u"1.05"_s, QString(),     QString(),
    };
    // clang-format on
    for (int n = 1; n <= 12; ++n)
        QCOMPARE(text(n), expected[n - 1]);
    QCOMPARE(this->verdict(), verdict);
    QCOMPARE(basinButton()->isEnabled(), basinEnabled);
    if (QTest::currentDataTag() == QByteArray("remote jump")) {
        // A picture of the check's figures for review, one per locale.
        const QString suffix = QLocale().name() == u"C"_s ? QString() : u"-"_s + QLocale().name();
        QVERIFY(saveWindowImage(*m_form, u"form1-jump-check%1.png"_s.arg(suffix)));
    }
    // The verdict line is read out by its live text.
    QAccessibleInterface *line = QAccessible::queryAccessibleInterface(label(*m_form, u"Label9"_s));
    QCOMPARE(line->text(QAccessible::Name), verdict);
    QCOMPARE(line->text(QAccessible::Description), QString::fromUtf16(VerdictDescription));
}

void TestWindowCommands::basinSizing()
{
    typeInputs({u"10"_s, u"3"_s, u"5"_s, u"1"_s, u"3"_s});
    click(button(*m_form, u"Command1"_s));
    click(basinButton());

    // clang-format off
    const QStringList expected = {
        u"10"_s,      u"3"_s,    u"5"_s,        u"1"_s,
        u"3"_s,       u"0.95"_s, u"2.168255"_s, u"0.8050936"_s,
        u"4.36829"_s, u"1.05"_s, u"1.466713"_s, u"18.55----21.2"_s,
    };
    // clang-format on
    for (int n = 1; n <= 12; ++n)
        QCOMPARE(text(n), expected[n - 1]);
    QCOMPARE(verdict(), Remote);
    QVERIFY(basinButton()->isEnabled());

    // One picture per locale the suite runs under.
    const QString suffix = QLocale().name() == u"C"_s ? QString() : u"-"_s + QLocale().name();
    const QString image
            = QDir::current().absoluteFilePath(u"form1-worked-example%1.png"_s.arg(suffix));
    QVERIFY(saveWindowImage(*m_form, image));
    qInfo("window after the worked example: %s", qPrintable(image));

    // Sizing again without changes gives the same texts.
    click(basinButton());
    for (int n = 1; n <= 12; ++n)
        QCOMPARE(text(n), expected[n - 1]);
}

void TestWindowCommands::enterAndEscapeRunNothing()
{
    typeInputs({u"10"_s, u"3"_s, u"5"_s, u"1"_s, u"3"_s});
    QTest::keyClick(field(*m_form, 5), Qt::Key_Return);
    QTest::keyClick(field(*m_form, 5), Qt::Key_Enter);
    QTest::keyClick(field(*m_form, 5), Qt::Key_Escape);
    QVERIFY(text(7).isEmpty());
    QVERIFY(verdict().isEmpty());
    QVERIFY(m_form->isVisible());
}

void TestWindowCommands::failedCommandKeepsWindowAndInputs_data()
{
    // clang-format off
    QTest::addColumn<QStringList>("inputs"); // Text1 … Text6
    QTest::addColumn<QString>("sigma");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QStringList>("written"); // Text7, Text8, Text11 after the failure

    const QStringList none = { QString(), QString(), QString() };
    const QStringList example = { u"10"_s, u"3"_s, u"5"_s, u"1"_s, u"3"_s, u"0.95"_s };
    auto exampleWith = [&](int n, const QString &text) {
        QStringList inputs = example;
        inputs[n - 1] = text;
        return inputs;
    };
    QTest::newRow("empty q")
            << exampleWith(1, QString()) << u"1.05"_s << u"Command1"_s << TypeMismatch << none;
    QTest::newRow("unit typed after H")
            << exampleWith(2, u"3m"_s) << u"1.05"_s << u"Command1"_s << TypeMismatch << none;
    QTest::newRow("q beyond single precision")
            << exampleWith(1, u"1e40"_s) << u"1.05"_s << u"Command1"_s << errorKindName(ErrorKind::Overflow) << none;
    // Zero discharge gives a zero critical depth, then 0/0 in the residual.
    QTest::newRow("zero q")
            << exampleWith(1, u"0"_s) << u"1.05"_s << u"Command1"_s << errorKindName(ErrorKind::InvalidOperation)
            << QStringList { u"0"_s, QString(), QString() };
    QTest::newRow("zero velocity coefficient")
            << exampleWith(6, u"0"_s) << u"1.05"_s << u"Command1"_s << errorKindName(ErrorKind::DivisionByZero)
            << QStringList { u"2.168255"_s, QString(), QString() };
    // The basin button is enabled from the start, before any critical depth exists.
    QTest::newRow("basin before any check")
            << example << u"1.05"_s << u"Command2"_s << TypeMismatch << none;
    QTest::newRow("empty submergence factor")
            << example << QString() << u"Command2"_s << TypeMismatch << none;
    // clang-format on
}

void TestWindowCommands::failedCommandKeepsWindowAndInputs()
{
    QFETCH(QStringList, inputs);
    QFETCH(QString, sigma);
    QFETCH(QString, command);
    QFETCH(QString, kind);
    QFETCH(QStringList, written);
    typeInputs(inputs);
    typeInto(field(*m_form, 10), sigma);

    MessageBoxCatcher box(QDir::current().absoluteFilePath(u"error-box.png"_s));
    click(button(*m_form, command));

    QVERIFY(box.caught());
    QVERIFY(box.wasModal());
    QCOMPARE(box.title(), u"Varnolt"_s);
    QCOMPARE(box.text(), kind);
    QVERIFY(!box.informativeText().isEmpty());
    QVERIFY(!box.informativeText().contains(u'\n'));

    QVERIFY(m_form->isVisible());
    for (int n = 1; n <= 6; ++n)
        QCOMPARE(text(n), inputs[n - 1]);
    QCOMPARE(text(10), sigma);
    QCOMPARE(QStringList({text(7), text(8), text(11)}), written);
    QVERIFY(text(9).isEmpty() && text(12).isEmpty() && verdict().isEmpty());
}

void TestWindowCommands::windowStaysUsableAfterError()
{
    typeInputs({u"1O"_s, u"3"_s, u"5"_s, u"1"_s, u"3"_s});
    {
        MessageBoxCatcher box;
        click(button(*m_form, u"Command1"_s));
        QCOMPARE(box.text(), TypeMismatch);
    }
    typeInto(field(*m_form, 1), u"10"_s);
    click(button(*m_form, u"Command1"_s));
    QCOMPARE(text(9), u"4.36829"_s);
    QCOMPARE(verdict(), Remote);
}

void TestWindowCommands::recalculateClearsForNewCalculation_data()
{
    // clang-format off
    QTest::addColumn<QString>("phi");
    QTest::addColumn<QString>("sigma");
    QTest::newRow("preset coefficients") << u"0.95"_s << u"1.05"_s;
    QTest::newRow("typed coefficients") << u"0.9"_s << u"1.1"_s;
    // clang-format on
}

void TestWindowCommands::recalculateClearsForNewCalculation()
{
    QFETCH(QString, phi);
    QFETCH(QString, sigma);
    typeInputs({u"10"_s, u"3"_s, u"5"_s, u"1"_s, u"3"_s, phi});
    typeInto(field(*m_form, 10), sigma);
    click(button(*m_form, u"Command1"_s));
    click(basinButton());
    QVERIFY(!text(12).isEmpty());
    const FormState before = m_form->formState();

    clickMenuItem(*m_form, u"cxjs"_s);

    for (int n : {1, 2, 3, 4, 5, 7, 8, 9, 11, 12})
        QVERIFY2(text(n).isEmpty(), qPrintable(QString::number(n)));
    QCOMPARE(text(6), phi);
    QCOMPARE(text(10), sigma);
    QVERIFY(verdict().isEmpty());
    QVERIFY(!basinButton()->isEnabled());
    QCOMPARE(QApplication::focusWidget(), field(*m_form, 1));
    QVERIFY(before == m_form->formState());

    // Checking at once with nothing typed stops at the first field.
    MessageBoxCatcher box;
    click(button(*m_form, u"Command1"_s));
    QCOMPARE(box.text(), TypeMismatch);
    QVERIFY(text(7).isEmpty());
    QVERIFY(m_form->isVisible());
}

void TestWindowCommands::focusAfterError_data()
{
    // clang-format off
    QTest::addColumn<ErrorReason>("reason");
    QTest::addColumn<ErrorReason>("cause");
    QTest::addColumn<ErrorKind>("kind");
    QTest::addColumn<std::optional<Field>>("atFault");
    QTest::addColumn<bool>("focusesField");
    const std::optional<Field> ht = Field::Text5;
    const ErrorReason none = ErrorReason::DivisionByZero;
    QTest::newRow("text not a number") << ErrorReason::NotANumber << none << ErrorKind::TypeMismatch << ht << true;
    QTest::newRow("text beyond single precision") << ErrorReason::NumberTooLarge << none << ErrorKind::Overflow << ht << true;
    QTest::newRow("value out of range") << ErrorReason::OutOfRange << none << ErrorKind::InvalidInput << ht << true;
    // Arithmetic failures are not the field's text: the focus stays.
    QTest::newRow("division by zero naming q")
            << ErrorReason::ZeroInput << ErrorReason::DivisionByZero << ErrorKind::DivisionByZero
            << std::optional<Field>(Field::Text1) << false;
    QTest::newRow("0/0 naming phi")
            << ErrorReason::ZeroInput << ErrorReason::ZeroDividedByZero << ErrorKind::InvalidOperation
            << std::optional<Field>(Field::Text6) << false;
    QTest::newRow("no basin") << ErrorReason::JumpHeldWithoutBasin << none << ErrorKind::NoSolution << std::optional<Field>() << false;
    QTest::newRow("arithmetic overflow") << ErrorReason::ResultTooLarge << none << ErrorKind::Overflow << std::optional<Field>() << false;
    QTest::newRow("no calculator") << ErrorReason::CalculatorNotStarted << none << ErrorKind::FileNotFound << std::optional<Field>() << false;
    // clang-format on
}

void TestWindowCommands::focusAfterError()
{
    QFETCH(ErrorReason, reason);
    QFETCH(ErrorReason, cause);
    QFETCH(ErrorKind, kind);
    QFETCH(std::optional<Field>, atFault);
    QFETCH(bool, focusesField);
    typeInputs({u"10"_s, u"3"_s, u"5"_s, u"1"_s, u"-3"_s});
    // The user was typing in H when the command failed.
    typeInto(testkit::field(*m_form, 2), u"3"_s);

    MessageBoxCatcher box;
    ErrorFigures figures;
    figures.cause = cause;
    const CalcError error(reason, figures, atFault);
    QCOMPARE(error.kind(), kind);
    runCommand(m_form.get(), [&] { throw error; });
    QVERIFY(box.caught());
    QCOMPARE(box.text(), errorKindName(kind));
    QCOMPARE(box.informativeText(), error.message());

    // The window takes the focus back once the box has gone.
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    if (focusesField) {
        QTRY_COMPARE(QApplication::focusWidget(), testkit::field(*m_form, 5));
        QCOMPARE(testkit::field(*m_form, 5)->selectedText(), u"-3"_s);
        // Typing replaces the whole text at fault.
        QTest::keyClicks(QApplication::focusWidget(), u"3"_s);
        QCOMPARE(text(5), u"3"_s);
    } else {
        QTRY_COMPARE(QApplication::focusWidget(), testkit::field(*m_form, 2));
    }
}

void TestWindowCommands::focusReturnsToTypedField()
{
    typeInputs({u"10"_s, u"3"_s, u"5 m"_s, u"1"_s, u"3"_s});
    MessageBoxCatcher box;
    click(button(*m_form, u"Command1"_s));
    QCOMPARE(box.text(), TypeMismatch);
    QTRY_COMPARE(QApplication::focusWidget(), field(*m_form, 3));
    QCOMPARE(field(*m_form, 3)->selectedText(), u"5 m"_s);
}

void TestWindowCommands::errorBoxButtonIsChinese()
{
    // Under every locale the suite runs in, C included.
    MessageBoxCatcher box;
    click(button(*m_form, u"Command1"_s));
    QVERIFY(box.caught());
    QCOMPARE(box.buttonText(), u"确定"_s);
}

void TestWindowCommands::errorBoxFitsTheScreen_data()
{
    // clang-format off
    // The caption a text is read under is quoted whole: a long one makes a
    // long message.
    QTest::addColumn<QString>("caption");
    QTest::newRow("one line") << u"单宽流量q"_s;
    QTest::newRow("long paste, no spaces") << QString(10000, u'9');
    QTest::newRow("long paste, spaces") << u"1 "_s.repeated(5000);
    QTest::newRow("long Chinese text") << u"水跃"_s.repeated(5000);
    // clang-format on
}

void TestWindowCommands::errorBoxFitsTheScreen()
{
    QFETCH(QString, caption);
    const QString message = u"「%1」中的“x”不是一个数。"_s.arg(caption);
    MessageBoxCatcher box(QDir::current().absoluteFilePath(
            u"error-box-%1.png"_s.arg(QTest::currentDataTag()).replace(u' ', u'-').remove(u","_s)));
    runCommand(m_form.get(), [&] { StrictNumber(u"x"_s, QLocale(), caption); });
    QVERIFY(box.caught());
    QVERIFY(box.informativeText().size() <= MaxShownMessageLength + 1);
    QVERIFY(message.startsWith(
            box.informativeText().chopped(box.informativeText().size() < message.size() ? 1 : 0)));
    const QRect frame = box.frame();
    QVERIFY2(box.screenArea().contains(frame),
            qPrintable(u"box %1 x %2 at %3, %4"_s.arg(frame.width())
                               .arg(frame.height())
                               .arg(frame.x())
                               .arg(frame.y())));
    QVERIFY(frame.contains(box.buttonRect()));
    // The kind is always there, and as much of the message as the screen holds.
    QCOMPARE(box.text(), TypeMismatch);
    QVERIFY(!box.informativeText().isEmpty());
}

QTEST_MAIN(TestWindowCommands)
#include "tst_window_commands.moc"
