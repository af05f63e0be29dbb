// Two parts every report and sketch goes through: the constants the formulas
// print, taken from those the program computes with, and the one escaping of
// HTML and SVG text.
#include "writers/formula_numbers.h"
#include "writers/html_escape.h"

#include <QTest>

using namespace varnolt::writers;

class TestReportParts : public QObject {
    Q_OBJECT

private slots:
    void withConstants_data();
    void withConstants();
    void htmlEscaped_data();
    void htmlEscaped();
};

void TestReportParts::withConstants_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("written");

    // The digits the window's own texts and the hand calculations use.
    QTest::newRow("gravity") << QStringLiteral("(%1²/{g})") << QStringLiteral("(%1²/9.81)");
    QTest::newRow("twice gravity") << QStringLiteral("{2g} × φ²") << QStringLiteral("19.62 × φ²");
    QTest::newRow("free jump") << QStringLiteral("Lj = {jump}·(hco2 − hco)")
                               << QStringLiteral("Lj = 6.9·(hco2 − hco)");
    QTest::newRow("basin range") << QStringLiteral("{short} to {long}")
                                 << QStringLiteral("4.83 to 5.52");
    QTest::newRow("every occurrence")
            << QStringLiteral("{2g}, {2g}") << QStringLiteral("19.62, 19.62");
    QTest::newRow("no constant named")
            << QStringLiteral("{q} %1 2g") << QStringLiteral("{q} %1 2g");
}

void TestReportParts::withConstants()
{
    QFETCH(QString, text);
    QFETCH(QString, written);
    QCOMPARE(report::withConstants(text), written);
}

void TestReportParts::htmlEscaped_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("escaped");

    QTest::newRow("markup") << QStringLiteral("<b>a & b</b>")
                            << QStringLiteral("&lt;b&gt;a &amp; b&lt;/b&gt;");
    QTest::newRow("quotes, for attribute values")
            << QStringLiteral("\"x\" 'y'") << QStringLiteral("&quot;x&quot; &#39;y&#39;");
    QTest::newRow("controls") << QStringLiteral("a\x1B[2Jb\x7F")
                              << QStringLiteral("a\uFFFD[2Jb\uFFFD");
    QTest::newRow("line feed and tab kept") << QStringLiteral("a\n\tb") << QStringLiteral("a\n\tb");
    QTest::newRow("words and figures as they are") << QStringLiteral("比例 1:200；σ·hco2=1.467")
                                                   << QStringLiteral("比例 1:200；σ·hco2=1.467");
}

void TestReportParts::htmlEscaped()
{
    QFETCH(QString, text);
    QFETCH(QString, escaped);
    QCOMPARE(varnolt::writers::htmlEscaped(text), escaped);
}

QTEST_GUILESS_MAIN(TestReportParts)
#include "tst_report_parts.moc"
