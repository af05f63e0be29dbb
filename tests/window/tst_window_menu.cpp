#include "form_driver.h"

#include "window/calculator_launcher.h"
#include "window/error_report.h"
#include "window/menu_commands.h"

#include <QAccessible>
#include <QFile>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(varnolt::ErrorKind)

using namespace varnolt;
using namespace varnolt::testkit;
using namespace Qt::StringLiterals;

namespace {

// Notes every call the commands make on the form, in order.
class RecordingForm final : public FormModel {
public:
    QStringList calls;

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
    QCOMPARE(box.text(), u"文件未找到"_s);
    for (const QString &program : calculatorPrograms())
        QVERIFY2(box.informativeText().contains(program), qPrintable(program));
    QVERIFY(m_form->isVisible());
}

void TestWindowMenu::errorKindNames_data()
{
    // clang-format off
    QTest::addColumn<ErrorKind>("kind");
    QTest::addColumn<QString>("name");
    QTest::newRow("type mismatch") << ErrorKind::TypeMismatch << u"类型不匹配"_s;
    QTest::newRow("overflow") << ErrorKind::Overflow << u"溢出"_s;
    QTest::newRow("division by zero") << ErrorKind::DivisionByZero << u"除数为零"_s;
    QTest::newRow("invalid operation") << ErrorKind::InvalidOperation << u"无效运算"_s;
    QTest::newRow("file not found") << ErrorKind::FileNotFound << u"文件未找到"_s;
    QTest::newRow("no solution") << ErrorKind::NoSolution << u"无解"_s;
    // clang-format on
}

void TestWindowMenu::errorKindNames()
{
    QFETCH(ErrorKind, kind);
    QFETCH(QString, name);
    MessageBoxCatcher box;
    reportError(m_form.get(), CalcError(kind, u"What went wrong."_s));
    QCOMPARE(box.text(), name);
    QCOMPARE(box.informativeText(), u"What went wrong."_s);
}

QTEST_MAIN(TestWindowMenu)
#include "tst_window_menu.moc"
