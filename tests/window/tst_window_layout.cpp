#include "form_driver.h"
#include "window/app_icon.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace varnolt;
using namespace varnolt::testkit;
using namespace Qt::StringLiterals;

// The window as it opens: controls placed from their twips, captions, fonts,
// colours, the menu bar, the focus order, the start-up position and what a
// screen reader is told.
class TestWindowLayout : public FormTest {
    Q_OBJECT

private slots:
    void geometryFollowsTwips_data();
    void geometryFollowsTwips();
    void clientAreaIsFixedBelowMenuBar();
    void separatorCrossesClientArea();
    void fieldsAreDrawnOverTheirLabels_data();
    void fieldsAreDrawnOverTheirLabels();
    void captionsAndInitialTexts_data();
    void captionsAndInitialTexts();
    void fontsRenderChinese_data();
    void fontsRenderChinese();
    void verdictLineIsRed();
    void windowHasTheProgramIcon();
    void menuBarHasTwoCommands();
    void buttonsAreNeitherDefaultNorCancel();
    void focusStartsInFirstField();
    void tabWalkFollowsTabIndices_data();
    void tabWalkFollowsTabIndices();
    void opensCentredOnPrimaryScreen();
    void screenReaderNames_data();
    void screenReaderNames();

private:
    QWidget *control(const char *name) const
    {
        return m_form->findChild<QWidget *>(QString::fromLatin1(name));
    }
};

void TestWindowLayout::geometryFollowsTwips_data()
{
    // clang-format off
    QTest::addColumn<QRect>("pixels");
    // Twips over 15, the pixel size of a twip at 96 DPI.
    QTest::newRow("Text1") << QRect(112, 8, 81, 21);
    QTest::newRow("Label1") << QRect(32, 16, 81, 33);
    QTest::newRow("Command1") << QRect(24, 128, 169, 33);
    QTest::newRow("Text7") << QRect(312, 140, 65, 21);
    QTest::newRow("Label7") << QRect(24, 192, 113, 17);
    QTest::newRow("Label9") << QRect(96, 224, 225, 25);
    QTest::newRow("Text10") << QRect(104, 272, 81, 25);
    QTest::newRow("Command2") << QRect(232, 272, 129, 33);
    QTest::newRow("Text12") << QRect(280, 324, 105, 21);
    // The rules' widgets are three pixels tall, the rule drawn in the middle.
    QTest::newRow("Line2") << QRect(-16, 255, 112, 3);
    QTest::newRow("Line1") << QRect(96, 255, 688, 3);
    // clang-format on
}

void TestWindowLayout::geometryFollowsTwips()
{
    if (m_form->logicalDpiX() != 96 || m_form->logicalDpiY() != 96)
        QSKIP("the pixel table holds at 96 DPI");
    QFETCH(QRect, pixels);
    QCOMPARE(control(QTest::currentDataTag())->geometry(), pixels);
}

void TestWindowLayout::clientAreaIsFixedBelowMenuBar()
{
    QWidget *client = m_form->centralWidget();
    QCOMPARE(client->size(), QSize(400, 366));
    QCOMPARE(client->pos(), QPoint(0, m_form->menuBar()->geometry().bottom() + 1));
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
    QCOMPARE(m_form->size(), QSize(400, 366 + m_form->menuBar()->height()));
    QCOMPARE(m_form->windowTitle(), u"Varnolt"_s);
    QVERIFY(!m_form->windowIcon().isNull());
}

void TestWindowLayout::separatorCrossesClientArea()
{
    const QRect rule = control("Line2")->geometry() | control("Line1")->geometry();
    QVERIFY(rule.left() < 0 && rule.right() >= 400);
    QVERIFY(rule.top() <= 256 && rule.bottom() >= 256);
    // Drawn in the text colour, one pixel wide, across the middle of the window.
    const QImage image = m_form->centralWidget()->grab().toImage();
    const auto at = [&](int x, int y) {
        return image.pixelColor((QPointF(x, y) * image.devicePixelRatio()).toPoint());
    };
    for (int x : {0, 100, 200, 399})
        QVERIFY(at(x, 256) != at(x, 250));
    QCOMPARE(at(200, 257), at(200, 250));
    QCOMPARE(at(200, 255), at(200, 250));
}

void TestWindowLayout::fieldsAreDrawnOverTheirLabels_data()
{
    // clang-format off
    QTest::addColumn<QString>("labelName");
    QTest::newRow("Text7") << u"Label6"_s;
    QTest::newRow("Text8") << u"Label7"_s;
    QTest::newRow("Text9") << u"Label8"_s;
    // clang-format on
}

void TestWindowLayout::fieldsAreDrawnOverTheirLabels()
{
    QFETCH(QString, labelName);
    QWidget *field = control(QTest::currentDataTag());
    const QRect overlap = label(*m_form, labelName)->geometry() & field->geometry();
    QVERIFY(!overlap.isEmpty());
    QCOMPARE(m_form->centralWidget()->childAt(overlap.center()), field);
}

void TestWindowLayout::captionsAndInitialTexts_data()
{
    // clang-format off
    QTest::addColumn<QString>("caption");
    const std::pair<const char *, QString> rows[] = {
        { "Label1", u"单宽流量q"_s },     { "Label2", u"堰上水头H"_s },
        { "Label3", u"下游堰高a1"_s },    { "Label4", u"行进流速v"_s },
        { "Label10", u"下游水深ht"_s },   { "Label5", u"流速系数"_s },
        { "Label6", u"临界水深hc"_s },    { "Label7", u"收缩断面水深hco"_s },
        { "Label8", u"共扼水深hco2"_s },  { "Label9", QString() },
        { "Label11", u"淹没系数"_s },     { "Label12", u"消力池深d"_s },
        { "Label13", u"消力池长l"_s },    { "Command1", u"求解并判断下游水跃形式"_s },
        { "Command2", u"消力池水力计算"_s }, { "Text6", u"0.95"_s },
        { "Text10", u"1.05"_s },
    };
    for (const auto &[name, caption] : rows)
        QTest::newRow(name) << caption;
    for (int n : { 1, 2, 3, 4, 5, 7, 8, 9, 11, 12 })
        QTest::addRow("Text%d", n) << QString();
    // clang-format on
}

void TestWindowLayout::captionsAndInitialTexts()
{
    QFETCH(QString, caption);
    QWidget *widget = control(QTest::currentDataTag());
    QVERIFY(widget);
    if (auto *l = qobject_cast<QLabel *>(widget))
        QCOMPARE(l->text(), caption);
    else if (auto *b = qobject_cast<QPushButton *>(widget))
        QCOMPARE(b->text(), caption);
    else
        QCOMPARE(qobject_cast<QLineEdit *>(widget)->text(), caption);
    QVERIFY(widget->isEnabled());
}

void TestWindowLayout::fontsRenderChinese_data()
{
    // clang-format off
    QTest::addColumn<qreal>("pointSize");
    for (const char *name : { "Label1", "Label7", "Label8", "Label13", "Command1", "Command2",
                              "Text1", "Text8", "Text12", "Label9" })
        QTest::newRow(name) << 10.5;
    QTest::newRow("Text10") << 12.0;
    // clang-format on
}

void TestWindowLayout::fontsRenderChinese()
{
    QFETCH(qreal, pointSize);
    QWidget *widget = control(QTest::currentDataTag());
    QCOMPARE(widget->font().pointSizeF(), pointSize);
    QCOMPARE(widget->font().weight(), QFont::Normal);
    const QString family = QFontInfo(widget->font()).family();
    QVERIFY2(QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese),
            qPrintable(family));
    // Every character of every caption has a glyph in the face in use: no boxes.
    const QFontMetrics metrics(widget->font());
    for (const QString &caption : {u"单宽流量q堰上水头H下游堰高a1行进流速v下游水深ht流速系数"_s,
                 u"临界水深hc收缩断面水深hco共扼水深hco2淹没系数"_s,
                 u"消力池深d消力池长l求解并判断下游水跃形式消力池水力计算"_s,
                 u"下游发生远离水跃,需要做消能工.淹没临界"_s}) {
        for (QChar c : caption)
            QVERIFY2(metrics.inFont(c), qPrintable(QString(c)));
    }
}

void TestWindowLayout::verdictLineIsRed()
{
    QCOMPARE(label(*m_form, u"Label9"_s)->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(label(*m_form, u"Label1"_s)->palette().color(QPalette::WindowText),
            m_form->palette().color(QPalette::WindowText));
}

// The icon drawing is compiled in: the window's 32 px icon is the weir on its
// 256-colour palette, not an empty square.
void TestWindowLayout::windowHasTheProgramIcon()
{
    const QIcon icon = m_form->windowIcon();
    QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
    const QImage small = renderAppIcon(32, true);
    QCOMPARE(small.format(), QImage::Format_Indexed8);
    QVERIFY(small.colorCount() <= 256);
    int opaque = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x)
            opaque += qAlpha(small.pixel(x, y)) == 255;
    }
    QVERIFY(opaque > 32 * 32 / 2);
}

void TestWindowLayout::menuBarHasTwoCommands()
{
    const QList<QAction *> items = m_form->menuBar()->actions();
    QCOMPARE(items.size(), 2);
    QCOMPARE(items[0]->objectName(), u"cxjs"_s);
    QCOMPARE(items[0]->text(), u"重新计算"_s);
    QCOMPARE(items[1]->objectName(), u"jsq"_s);
    QCOMPARE(items[1]->text(), u"计算器"_s);
    QVERIFY(!items[0]->menu() && !items[1]->menu());
}

void TestWindowLayout::buttonsAreNeitherDefaultNorCancel()
{
    for (const QString &name : {u"Command1"_s, u"Command2"_s}) {
        QVERIFY(!button(*m_form, name)->isDefault());
        QVERIFY(!button(*m_form, name)->autoDefault());
    }
}

void TestWindowLayout::focusStartsInFirstField()
{
    QCOMPARE(QApplication::focusWidget(), field(*m_form, 1));
}

void TestWindowLayout::tabWalkFollowsTabIndices_data()
{
    // clang-format off
    QTest::addColumn<bool>("basinEnabled");
    QTest::addColumn<QStringList>("walk");
    const QStringList head = { u"Text1"_s, u"Text2"_s, u"Text3"_s, u"Text4"_s, u"Text5"_s,
                               u"Command1"_s };
    const QStringList tail = { u"Text6"_s,  u"Text7"_s,  u"Text9"_s, u"Text11"_s,
                               u"Text12"_s, u"Text10"_s, u"Text8"_s, u"Text1"_s };
    QTest::newRow("basin button enabled") << true << head + QStringList { u"Command2"_s } + tail;
    QTest::newRow("basin button disabled") << false << head + tail;
    // clang-format on
}

void TestWindowLayout::tabWalkFollowsTabIndices()
{
    QFETCH(bool, basinEnabled);
    QFETCH(QStringList, walk);
    button(*m_form, u"Command2"_s)->setEnabled(basinEnabled);
    QCOMPARE(QApplication::focusWidget()->objectName(), walk.first());
    for (qsizetype i = 1; i < walk.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), walk[i]);
    }
}

void TestWindowLayout::opensCentredOnPrimaryScreen()
{
    // Wherever the platform would have put it, the window centres itself on load.
    Form1 form;
    form.move(3, 5);
    QVERIFY(showActive(form));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect frame = form.frameGeometry();
    QCOMPARE(frame.topLeft(),
            QPoint(screen.x() + (screen.width() - frame.width()) / 2,
                    screen.y() + (screen.height() - frame.height()) / 2));
}

void TestWindowLayout::screenReaderNames_data()
{
    // clang-format off
    QTest::addColumn<QString>("name");
    QTest::newRow("Text1") << u"单宽流量q"_s;
    QTest::newRow("Text5") << u"下游水深ht"_s;
    QTest::newRow("Text6") << u"流速系数"_s;
    QTest::newRow("Text8") << u"收缩断面水深hco"_s;
    QTest::newRow("Text10") << u"淹没系数"_s;
    QTest::newRow("Text12") << u"消力池长l"_s;
    QTest::newRow("Command1") << u"求解并判断下游水跃形式"_s;
    QTest::newRow("Command2") << u"消力池水力计算"_s;
    // clang-format on
}

void TestWindowLayout::screenReaderNames()
{
    QFETCH(QString, name);
    QWidget *widget = control(QTest::currentDataTag());
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(iface);
    QCOMPARE(iface->text(QAccessible::Name), name);
    if (qobject_cast<QLineEdit *>(widget)) {
        const auto labels = iface->relations(QAccessible::Label);
        QVERIFY(!labels.isEmpty());
        QCOMPARE(labels.first().first->text(QAccessible::Name), name);
    }
}

QTEST_MAIN(TestWindowLayout)
#include "tst_window_layout.moc"
