#include "form_driver.h"

#include "window/calculator_launcher.h"
#include "window/error_report.h"
#include "window/menu_commands.h"
#include "window/standard_texts.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <utility>

Q_DECLARE_METATYPE(varnolt::ErrorKind)
Q_DECLARE_METATYPE(varnolt::ErrorReason)

using namespace varnolt;
using namespace varnolt::testkit;
using namespace Qt::StringLiterals;

namespace {

// Notes every call the commands make on the form, in order.
class RecordingForm final : public FormModel {
public:
    QStringList calls;

    QLocale locale() const override { return QLocale::c(); }
    QString text(Field) const override { return {}; }
    void setText(Field f, const QString &t) override { record(u"text"_s, f, t); }
    QString verdict() const override { return {}; }
    void setVerdict(const QString &t) override { calls << u"verdict '%1'"_s.arg(t); }
    bool basinEnabled() const override { return true; }
    void setBasinEnabled(bool on) override { calls << u"basin %1"_s.arg(on); }
    void focusField(Field f) override { record(u"focus"_s, f, {}); }

private:
    void record(const QString &what, Field f, const QString &t)
    {
        calls << u"%1 %2 '%3'"_s.arg(what).arg(int(f)).arg(t);
    }
};

} // namespace

// The menu items: Recalculate's order of work, and the desktop calculator
// started from the search path.
class TestWindowMenu : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_path = qgetenv("PATH");
        loadChineseStandardTexts();
        m_form = std::make_unique<Form1>();
        QVERIFY(showActive(*m_form));
    }
    void cleanup()
    {
        m_form.reset();
        qputenv("PATH", m_path);
    }

    void recalculateOrderOfWork();
    void menuItemsForScreenReaders();
    void calculatorStartsFromSearchPath_data();
    void calculatorStartsFromSearchPath();
    void calculatorMissingIsFileNotFound();
    void errorKindNames_data();
    void errorKindNames();
    void ctrlNRecalculates_data();
    void ctrlNRecalculates();
    void f10ReachesTheMenuBar_data();
    void f10ReachesTheMenuBar();

private:
    QByteArray m_path;
    std::unique_ptr<Form1> m_form;
};

void TestWindowMenu::recalculateOrderOfWork()
{
    RecordingForm form;
    cxjs_Click(form);
    // clang-format off
    QCOMPARE(form.calls, QStringList({
        u"text 1 ''"_s, u"text 2 ''"_s, u"text 3 ''"_s, u"text 4 ''"_s, u"text 5 ''"_s,
        u"text 7 ''"_s, u"text 8 ''"_s, u"text 9 ''"_s, u"text 11 ''"_s, u"text 12 ''"_s,
        u"focus 1 ''"_s, u"verdict ''"_s, u"basin 0"_s,
    }));
    // clang-format on
}

void TestWindowMenu::menuItemsForScreenReaders()
{
    QAccessibleInterface *bar = QAccessible::queryAccessibleInterface(m_form->menuBar());
    QCOMPARE(bar->childCount(), 2);
    QCOMPARE(bar->child(0)->text(QAccessible::Name), u"重新计算"_s);
    QCOMPARE(bar->child(1)->text(QAccessible::Name), u"计算器"_s);
}

void TestWindowMenu::calculatorStartsFromSearchPath_data()
{
    // clang-format off
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("started");
    QTest::newRow("GNOME") << QStringList { u"gnome-calculator"_s } << u"gnome-calculator"_s;
    QTest::newRow("last resort") << QStringList { u"xcalc"_s } << u"xcalc"_s;
    QTest::newRow("first in order wins")
            << QStringList { u"xcalc"_s, u"kcalc"_s, u"mate-calc"_s } << u"kcalc"_s;
    // clang-format on
}

void TestWindowMenu::calculatorStartsFromSearchPath()
{
    QFETCH(QStringList, installed);
    QFETCH(QString, started);
    QTemporaryDir bin;
    QVERIFY(bin.isValid());
    const QString log = bin.filePath(u"started.log"_s);
    // Stand-ins that note their name and argument count; the shell's builtins
    // need nothing from the search path.
    for (const QString &name : installed) {
        QFile script(bin.filePath(name));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(u"#!/bin/sh\necho \"%1 $#\" >> '%2'\n"_s.arg(name, log).toUtf8());
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    }
    qputenv("PATH", QFile::encodeName(bin.path()));

    // Each use starts a calculator of its own.
    MessageBoxCatcher noBox;
    clickMenuItem(*m_form, u"jsq"_s);
    clickMenuItem(*m_form, u"jsq"_s);
    const QString once = started + u" 0\n"_s;
    QTRY_COMPARE(
            [&] {
                QFile f(log);
                return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
            }(),
            once + once);
    QVERIFY(!noBox.caught());
}

void TestWindowMenu::calculatorMissingIsFileNotFound()
{
    qputenv("PATH", "");
    MessageBoxCatcher box;
    clickMenuItem(*m_form, u"jsq"_s);
    QVERIFY(box.caught());
    QCOMPARE(box.text(), errorKindName(ErrorKind::FileNotFound));
    for (const QString &program : calculatorPrograms())
        QVERIFY2(box.informativeText().contains(program), qPrintable(program));
    QVERIFY(m_form->isVisible());
}

void TestWindowMenu::errorKindNames_data()
{
    // clang-format off
    QTest::addColumn<ErrorReason>("reason");
    QTest::addColumn<ErrorKind>("kind");
    QTest::addColumn<QString>("name");
    // One reason of each kind.
    const std::pair<ErrorReason, ErrorKind> reasons[] = {
            {ErrorReason::NotANumber, ErrorKind::TypeMismatch},
            {ErrorReason::ResultTooLarge, ErrorKind::Overflow},
            {ErrorReason::DivisionByZero, ErrorKind::DivisionByZero},
            {ErrorReason::ZeroDividedByZero, ErrorKind::InvalidOperation},
            {ErrorReason::CalculatorNotStarted, ErrorKind::FileNotFound},
            {ErrorReason::HeadTooSmall, ErrorKind::NoSolution},
            {ErrorReason::OutOfRange, ErrorKind::InvalidInput}};
    for (const auto &[reason, kind] : reasons)
        QTest::newRow(qPrintable(errorKindKey(kind))) << reason << kind << errorKindName(kind);
    // clang-format on
}

void TestWindowMenu::errorKindNames()
{
    QFETCH(ErrorReason, reason);
    QFETCH(ErrorKind, kind);
    QFETCH(QString, name);
    const CalcError error(reason);
    QCOMPARE(error.kind(), kind);
    MessageBoxCatcher box;
    reportError(m_form.get(), error);
    QCOMPARE(box.text(), name);
    QCOMPARE(box.informativeText(), error.message());
    QVERIFY(!box.informativeText().isEmpty());
    QCOMPARE(box.buttonText(), u"确定"_s);
}

void TestWindowMenu::ctrlNRecalculates_data()
{
    // clang-format off
    QTest::addColumn<QString>("focused");
    QTest::newRow("from an input field") << u"Text4"_s;
    QTest::newRow("from a result field") << u"Text9"_s;
    QTest::newRow("from the check button") << u"Command1"_s;
    // clang-format on
}

void TestWindowMenu::ctrlNRecalculates()
{
    QFETCH(QString, focused);
    const QStringList inputs = {u"10"_s, u"3"_s, u"5"_s, u"1"_s, u"3"_s};
    for (int n = 1; n <= 5; ++n)
        typeInto(field(*m_form, n), inputs[n - 1]);
    click(button(*m_form, u"Command1"_s));
    QVERIFY(!field(*m_form, 9)->text().isEmpty());

    auto *start = m_form->findChild<QWidget *>(focused);
    start->setFocus(Qt::TabFocusReason);
    QTest::keyClick(start, Qt::Key_N, Qt::ControlModifier);

    for (int n : {1, 2, 3, 4, 5, 7, 8, 9, 11, 12})
        QVERIFY2(field(*m_form, n)->text().isEmpty(), qPrintable(QString::number(n)));
    QCOMPARE(field(*m_form, 6)->text(), u"0.95"_s);
    QVERIFY(!button(*m_form, u"Command2"_s)->isEnabled());
    QCOMPARE(QApplication::focusWidget(), field(*m_form, 1));
    // The caption stays as it is.
    QCOMPARE(m_form->findChild<QAction *>(u"cxjs"_s)->text(), u"重新计算"_s);
}

void TestWindowMenu::f10ReachesTheMenuBar_data()
{
    // clang-format off
    QTest::addColumn<QList<int>>("keys"); // after F10
    QTest::addColumn<QString>("highlighted"); // before the last key
    QTest::addColumn<bool>("recalculated");
    QTest::addColumn<QString>("focusAfter");
    QTest::newRow("Escape leaves") << QList<int>{ Qt::Key_Escape } << u"cxjs"_s << false << u"Text3"_s;
    QTest::newRow("F10 again leaves") << QList<int>{ Qt::Key_F10 } << u"cxjs"_s << false << u"Text3"_s;
    QTest::newRow("Enter runs the first item")
            << QList<int>{ Qt::Key_Return } << u"cxjs"_s << true << u"Text1"_s;
    QTest::newRow("Right, Left, Enter")
            << QList<int>{ Qt::Key_Right, Qt::Key_Left, Qt::Key_Enter } << u"cxjs"_s << true
            << u"Text1"_s;
    QTest::newRow("Right, Escape")
            << QList<int>{ Qt::Key_Right, Qt::Key_Escape } << u"jsq"_s << false << u"Text3"_s;
    // clang-format on
}

void TestWindowMenu::f10ReachesTheMenuBar()
{
    QFETCH(QList<int>, keys);
    QFETCH(QString, highlighted);
    QFETCH(bool, recalculated);
    QFETCH(QString, focusAfter);
    typeInto(field(*m_form, 3), u"5"_s);
    QMenuBar *bar = m_form->menuBar();

    QTest::keyClick(field(*m_form, 3), Qt::Key_F10);
    QCOMPARE(QApplication::focusWidget(), bar);
    QCOMPARE(bar->activeAction(), m_form->findChild<QAction *>(u"cxjs"_s));
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (i == keys.size() - 1)
            QCOMPARE(bar->activeAction()->objectName(), highlighted);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(keys[i]));
    }

    QCOMPARE(field(*m_form, 3)->text().isEmpty(), recalculated);
    QCOMPARE(QApplication::focusWidget()->objectName(), focusAfter);
    QCOMPARE(bar->activeAction(), nullptr);
    QVERIFY(m_form->isVisible());

    // The mouse works on the menu bar as before.
    typeInto(field(*m_form, 3), u"5"_s);
    clickMenuItem(*m_form, u"cxjs"_s);
    QVERIFY(field(*m_form, 3)->text().isEmpty());
}

QTEST_MAIN(TestWindowMenu)
#include "tst_window_menu.moc"
