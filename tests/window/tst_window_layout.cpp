#include "form_driver.h"
#include "model/jump_kind.h"
#include "window/app_icon.h"
#include "window/control_table.h"
#include "window/field_text_fit.h"

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
    void startPositionKeepsTopLeftOnScreen_data();
    void startPositionKeepsTopLeftOnScreen();
    void wholeFiguresVisible_data();
    void wholeFiguresVisible();
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
                 verdictText(JumpKind::Remote), verdictText(JumpKind::Submerged),
                 verdictText(JumpKind::Critical)}) {
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
    // Wherever the platform would have put it, the window centres itself on
    // load, as far as the screen allows: its frame's top left, with the title
    // bar and the menu, is always on the screen's available area.
    Form1 form;
    form.move(3, 5);
    QVERIFY(showActive(form));
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect frame = form.frameGeometry();
    QVERIFY2(screen->availableGeometry().contains(frame.topLeft()),
            qPrintable(u"frame at %1, %2"_s.arg(frame.x()).arg(frame.y())));
    const QRect whole = screen->geometry();
    if (frame.height() <= whole.height() && frame.width() <= whole.width()
            && screen->availableGeometry() == whole) {
        QCOMPARE(frame.topLeft(),
                QPoint(whole.x() + (whole.width() - frame.width()) / 2,
                        whole.y() + (whole.height() - frame.height()) / 2));
    }
    // The whole menu bar is reachable.
    QVERIFY(whole.contains(form.menuBar()->mapToGlobal(QPoint(0, 0))));
}

void TestWindowLayout::startPositionKeepsTopLeftOnScreen_data()
{
    // clang-format off
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QPoint>("topLeft");
    const QRect desktop(0, 0, 1280, 800);
    QTest::newRow("fits: centred") << QSize(400, 412) << desktop << desktop << QPoint(440, 194);
    // 800 x 600 at twice the scale: 400 x 300 logical pixels.
    const QRect small(0, 0, 400, 300);
    QTest::newRow("taller than the screen")
            << QSize(400, 472) << small << small << QPoint(0, 0);
    QTest::newRow("below a top panel")
            << QSize(400, 472) << small << QRect(0, 27, 400, 273) << QPoint(0, 27);
    QTest::newRow("wider and taller, second screen")
            << QSize(500, 472) << QRect(1280, 0, 400, 300) << QRect(1280, 0, 400, 300)
            << QPoint(1280, 0);
    QTest::newRow("fits beside a left panel")
            << QSize(400, 412) << desktop << QRect(64, 0, 1216, 800) << QPoint(440, 194);
    // clang-format on
}

void TestWindowLayout::startPositionKeepsTopLeftOnScreen()
{
    QFETCH(QSize, frame);
    QFETCH(QRect, screen);
    QFETCH(QRect, available);
    QFETCH(QPoint, topLeft);
    QCOMPARE(startPosition(frame, screen, available), topLeft);
}

void TestWindowLayout::wholeFiguresVisible_data()
{
    // clang-format off
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fitsAtOwnSize");
    QTest::addColumn<bool>("fitsAtAll");
    // The worked example's results, under every locale. Nine half-width
    // digits at 10.5 points take 63 px, two more than the 65 px field leaves
    // inside its frame and margins: hco is drawn half a point smaller.
    QTest::newRow("hc") << 7 << u"2.168255"_s << true << true;
    QTest::newRow("hco") << 8 << u"0.8879251"_s << false << true;
    QTest::newRow("hco2") << 9 << u"4.36829"_s << true << true;
    QTest::newRow("d") << 11 << u"1.466713"_s << true << true;
    QTest::newRow("length") << 12 << u"18.55----21.2"_s << true << true;
    // Exponent forms are drawn smaller, never cut.
    QTest::newRow("hc exponent") << 7 << u"1.099666E-05"_s << false << true;
    QTest::newRow("hco exponent") << 8 << u"1.099666E-05"_s << false << true;
    QTest::newRow("hco2 exponent") << 9 << u"3.402823E+38"_s << false << true;
    QTest::newRow("d exponent") << 11 << u"-1.099666E-05"_s << false << true;
    QTest::newRow("sigma exponent") << 10 << u"1.099666E-05"_s << false << true;
    // Too long even at the smallest legible size: the tooltip holds it all.
    QTest::newRow("pasted paragraph")
            << 12 << u"1.099666E-05----1.256738E-05 1.099666E-05----1.256738E-05"_s << false
            << false;
    // clang-format on
}

void TestWindowLayout::wholeFiguresVisible()
{
    QFETCH(int, number);
    QFETCH(QString, text);
    QFETCH(bool, fitsAtOwnSize);
    QFETCH(bool, fitsAtAll);
    QLineEdit *edit = field(*m_form, number);
    const qreal ownSize = edit->font().pointSizeF();
    QCOMPARE(ownSize, number == 10 ? LargeFieldPointSize : ControlPointSize);

    typeInto(edit, text);
    QCOMPARE(edit->toolTip(), text);
    QCOMPARE(showsWholeText(edit), fitsAtAll);
    if (fitsAtOwnSize)
        QCOMPARE(edit->font().pointSizeF(), ownSize);
    else if (fitsAtAll)
        QVERIFY(edit->font().pointSizeF() < ownSize);
    else
        QCOMPARE(edit->font().pointSizeF(), MinimumLegiblePointSize);
    QVERIFY(edit->font().pointSizeF() >= MinimumLegiblePointSize);
    // Only this field changed size.
    QCOMPARE(field(*m_form, number == 7 ? 8 : 7)->font().pointSizeF(), ControlPointSize);

    // A short text brings the field back to its own size.
    typeInto(edit, u"1"_s);
    QCOMPARE(edit->font().pointSizeF(), ownSize);
    QCOMPARE(edit->toolTip(), u"1"_s);
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
