// How a text from outside is quoted in a message: the window's messages and
// the companion's row and option messages share one excerpt, bounded
// without cutting a character in two, controls kept or shown as U+FFFD.
#include "model/quoted_excerpt.h"

#include <QTest>

using namespace varnolt;

class TestQuotedExcerpt : public QObject {
    Q_OBJECT

private slots:
    void quotedExcerpt_data();
    void quotedExcerpt();
    void leftWhole_data();
    void leftWhole();
};

void TestQuotedExcerpt::quotedExcerpt_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("replaceControls");
    QTest::addColumn<QString>("shown");

    const QString forty(40, u'x');
    const QString grin = QStringLiteral("\U0001F600"); // a surrogate pair
    QTest::newRow("short") << QStringLiteral("3.5m") << false << QStringLiteral("3.5m");
    QTest::newRow("forty kept whole") << forty << false << forty;
    QTest::newRow("forty-one cut") << forty + u'y' << false << forty + u'…';
    QTest::newRow("pair across the cut kept whole")
            << QString(39, u'x') + grin + u'z' << false << QString(39, u'x') + u'…';
    QTest::newRow("pair before the cut kept")
            << QString(38, u'x') + grin + u'z' << false << QString(38, u'x') + grin + u'…';
    QTest::newRow("window keeps a tab")
            << QStringLiteral("1\t2") << false << QStringLiteral("1\t2");
    QTest::newRow("file shows a line feed")
            << QStringLiteral("a\nb\x7F") << true << QStringLiteral("a\uFFFDb\uFFFD");
    QTest::newRow("controls counted, then replaced")
            << QString(45, u'\r') << true << QString(40, QChar(0xFFFD)) + u'…';
}

void TestQuotedExcerpt::quotedExcerpt()
{
    QFETCH(QString, text);
    QFETCH(bool, replaceControls);
    QFETCH(QString, shown);
    QCOMPARE(varnolt::quotedExcerpt(
                     text, replaceControls ? ControlCharacters::Replaced : ControlCharacters::Kept),
            shown);
}

void TestQuotedExcerpt::leftWhole_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("longest");
    QTest::addColumn<QString>("kept");
    const QString grin = QStringLiteral("\U0001F600"); // a surrogate pair
    QTest::newRow("shorter than the bound") << QStringLiteral("abc") << 5 << QStringLiteral("abc");
    QTest::newRow("exactly the bound") << QStringLiteral("abcde") << 5 << QStringLiteral("abcde");
    QTest::newRow("cut") << QStringLiteral("abcdef") << 5 << QStringLiteral("abcde");
    QTest::newRow("pair across the cut left out")
            << QStringLiteral("abcd") + grin + u'z' << 5 << QStringLiteral("abcd");
    QTest::newRow("pair before the cut kept")
            << QStringLiteral("abc") + grin + u'z' << 5 << QStringLiteral("abc") + grin;
    QTest::newRow("a pair alone under a bound of one") << grin << 1 << QString();
    QTest::newRow("no room") << QStringLiteral("abc") << 0 << QString();
}

void TestQuotedExcerpt::leftWhole()
{
    QFETCH(QString, text);
    QFETCH(int, longest);
    QFETCH(QString, kept);
    QCOMPARE(varnolt::leftWhole(text, longest), kept);
}

QTEST_GUILESS_MAIN(TestQuotedExcerpt)
#include "tst_quoted_excerpt.moc"
