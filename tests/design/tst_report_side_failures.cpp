// A quantity beside the basin whose arithmetic fails (an extreme
// coefficient) is marked as failed on its own: the basin's depth and
// length stand, the summary counts the cases that need a basin but could
// not be sized, and "no case needs a basin" is said only when none does.
// The program is run for real and read back from its JSON and its table.
#include "report_program_run.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <numeric>

using namespace Qt::StringLiterals;

class TestReportSideFailures : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void oneQuantityFails_data();
    void oneQuantityFails();
    void summaryCountsUnsizeableCases_data();
    void summaryCountsUnsizeableCases();

private:
    // Writes `rows` under the header and runs the program on it.
    ReportRun run(const QByteArray &rows, const QStringList &more);

    QTemporaryDir folder;
};

void TestReportSideFailures::initTestCase()
{
    QVERIFY(folder.isValid());
}

ReportRun TestReportSideFailures::run(const QByteArray &rows, const QStringList &more)
{
    const QString path = folder.filePath(u"cases.csv"_s);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    file.write("name,q,H,a1,v,ht,uplift\n" + rows);
    file.close();
    return runReportProgram(QStringList{path} + more);
}

// The worked weir (q 10, H 3, a1 5, v 1, ht 3) needs a basin about 1.47 m
// deep; each row makes one quantity beside it overflow.
void TestReportSideFailures::oneQuantityFails_data()
{
    QTest::addColumn<QByteArray>("rows");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("quantity"); // the one that failed
    QTest::addColumn<QString>("nullKey"); // cases[0] path to the figure now null
    QTest::addColumn<QString>("tableLine"); // what the table says of it

    const QByteArray worked = "worked,10,3,5,1,3,\n";
    QTest::newRow("apron, Ks 1e308")
            << worked << QStringList{u"--ks"_s, u"1e308"_s} << u"apron"_s << u"apron_length"_s
            << u"worked: apron length Lp not computed: "_s;
    QTest::newRow("slab, k1 1e308")
            << worked << QStringList{u"--k1"_s, u"1e308"_s} << u"slab"_s
            << u"basin.slab_thickness"_s << u"worked: slab thickness not computed: "_s;
    QTest::newRow("uplift, k2 1e308")
            << QByteArray("worked,10,3,5,1,3,45\n") << QStringList{u"--k2"_s, u"1e308"_s}
            << u"uplift"_s << u"basin.uplift_thickness"_s
            << u"worked: uplift check not computed: "_s;
    QTest::newRow("scour, v0 1e-308")
            << worked << QStringList{u"--allowable-velocity"_s, u"1e-308"_s} << u"scour"_s
            << u"scour_depth"_s << u"worked: scour depth not computed: "_s;
}

void TestReportSideFailures::oneQuantityFails()
{
    QFETCH(QByteArray, rows);
    QFETCH(QStringList, options);
    QFETCH(QString, quantity);
    QFETCH(QString, nullKey);
    QFETCH(QString, tableLine);

    const ReportRun json = run(rows, options + QStringList{u"--format"_s, u"json"_s});
    QCOMPARE(json.status, 0);
    const QJsonObject top = QJsonDocument::fromJson(json.out).object();
    const QJsonObject worked = top[u"cases"_s][0].toObject();
    // The basin stands, sized as ever, and governs the structure's depth.
    QCOMPARE(worked[u"decision"_s].toString(), u"basin"_s);
    QVERIFY(worked[u"error"_s].isNull());
    QVERIFY(qAbs(worked[u"basin"_s][u"d"_s].toDouble() - 1.47) < 0.02);
    QCOMPARE(top[u"governing"_s][u"depth"_s][u"case"_s].toString(), u"worked"_s);
    // The one quantity is null and named, with the failure's kind.
    const QStringList path = nullKey.split(u'.');
    const QJsonValue figure = std::accumulate(path.begin(), path.end(), QJsonValue(worked),
            [](const QJsonValue &value, const QString &key) { return value[key]; });
    QVERIFY2(figure.isNull(), qPrintable(nullKey));
    const QJsonArray failures = worked[u"side_failures"_s].toArray();
    QCOMPARE(failures.size(), 1);
    QCOMPARE(failures[0][u"quantity"_s].toString(), quantity);
    QCOMPARE(failures[0][u"kind"_s].toString(), u"overflow"_s);
    QVERIFY(!failures[0][u"message"_s].toString().isEmpty());
    // A failed slab governs nothing; the others never governed.
    if (quantity == u"slab"_s)
        QVERIFY(top[u"governing"_s][u"slab"_s].isNull());

    const ReportRun table = run(rows, options + QStringList{u"--lang"_s, u"en"_s});
    QCOMPARE(table.status, 0);
    const QString text = QString::fromUtf8(table.out);
    QVERIFY2(text.contains(tableLine), qPrintable(text));
    QVERIFY(text.contains(u"Adopted basin depth: 1.50 m, governed by worked (line 2)\n"_s));
    QVERIFY(!text.contains(u"No case needs a basin"_s));

    // The calculation report says it in place of the quantity's working,
    // and still works the basin.
    const ReportRun report
            = run(rows, options + QStringList{u"--format"_s, u"md"_s, u"--lang"_s, u"en"_s});
    QCOMPARE(report.status, 0);
    const QString markdown = QString::fromUtf8(report.out);
    const QString sentence = tableLine.mid(tableLine.indexOf(u": "_s) + 2);
    QVERIFY2(markdown.contains(sentence), qPrintable(sentence));
    QVERIFY(markdown.contains(u"Adopted basin depth d = 1.5 m"_s));
}

// A case whose basin cannot be sized (a tailwater below the critical depth:
// no jump forms there) is not "no basin needed".
void TestReportSideFailures::summaryCountsUnsizeableCases_data()
{
    QTest::addColumn<QByteArray>("rows");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("absent");

    QTest::newRow("one unsizeable, one submerged")
            << QByteArray("shallow,10,3,5,1,0.5,\ndeep,10,3,5,1,8,\n")
            << u"1 case(s) need a basin that could not be sized: shallow\n"_s
            << u"No case needs a basin"_s;
    QTest::newRow("two unsizeable")
            << QByteArray("shallow,10,3,5,1,0.5,\nshallower,10,3,5,1,0.4,\n")
            << u"2 case(s) need a basin that could not be sized: shallow, shallower\n"_s
            << u"No case needs a basin"_s;
    QTest::newRow("none needs one") << QByteArray("deep,10,3,5,1,8,\n")
                                    << u"No case needs a basin.\n"_s << u"could not be sized"_s;
}

void TestReportSideFailures::summaryCountsUnsizeableCases()
{
    QFETCH(QByteArray, rows);
    QFETCH(QString, expected);
    QFETCH(QString, absent);
    const ReportRun table = run(rows, {u"--lang"_s, u"en"_s});
    QCOMPARE(table.status, 0);
    const QString text = QString::fromUtf8(table.out);
    QVERIFY2(text.contains(expected), qPrintable(text));
    QVERIFY(!text.contains(absent));
}

QTEST_GUILESS_MAIN(TestReportSideFailures)
#include "tst_report_side_failures.moc"
