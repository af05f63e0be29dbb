// The sill and the combined basin beside the sunk one, and the scour beyond
// the apron, as the report program writes them: run for real, read back
// from its JSON and its calculation report.
#include "report_program_run.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// One case by options, with whatever else the row asks for.
QStringList caseArguments(const QString &inputs, const QStringList &more)
{
    QStringList arguments;
    const QStringList names{u"--q"_s, u"--H"_s, u"--a1"_s, u"--v"_s, u"--ht"_s};
    const QStringList values = inputs.split(u' ');
    for (qsizetype i = 0; i < names.size(); ++i)
        arguments << names[i] << values[i];
    return arguments + more;
}

QJsonObject jsonOf(const ReportRun &run)
{
    return QJsonDocument::fromJson(run.out).object();
}

// A figure to the four significant digits the hand calculation keeps.
QString fourDigits(double value)
{
    return QString::number(value, 'g', 4);
}

} // namespace

class TestReportBasinTypes : public QObject {
    Q_OBJECT

private slots:
    void sillInJson_data();
    void sillInJson();
    void combinedInJson();
    void scourByBed_data();
    void scourByBed();
    void governingAndAdoptedType();
    void reportComparesTheTypes_data();
    void reportComparesTheTypes();
};

void TestReportBasinTypes::sillInJson_data()
{
    QTest::addColumn<QString>("inputs"); // q H a1 v ht
    QTest::addColumn<double>("H10");
    QTest::addColumn<double>("H1");
    QTest::addColumn<double>("c");
    QTest::addColumn<double>("hc1");
    QTest::addColumn<double>("hc1Conjugate");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("jumpAfter");

    QTest::newRow("the sill holds the jump after it")
            << u"5 1.77 6 0.51 2.38"_s << 1.933 << 1.820 << 1.537 << 0.7160 << 2.334 << u"holds"_s
            << u"submerged"_s;
    QTest::newRow("a remote jump follows the sill")
            << u"10 3 5 1 3"_s << 3.069 << 2.826 << 1.760 << -1.0 << 3.447 << u"remote after sill"_s
            << u"remote"_s;
}

void TestReportBasinTypes::sillInJson()
{
    QFETCH(QString, inputs);
    QFETCH(double, H10);
    QFETCH(double, H1);
    QFETCH(double, c);
    QFETCH(double, hc1);
    QFETCH(double, hc1Conjugate);
    QFETCH(QString, verdict);
    QFETCH(QString, jumpAfter);

    const ReportRun run = runReportProgram(caseArguments(inputs, {u"--format"_s, u"json"_s}));
    QCOMPARE(run.status, 0);
    const QJsonObject sill = jsonOf(run)[u"cases"_s][0][u"sill"_s].toObject();
    QCOMPARE(sill[u"verdict"_s].toString(), verdict);
    QCOMPARE(fourDigits(sill[u"H10"_s].toDouble()), fourDigits(H10));
    QCOMPARE(fourDigits(sill[u"H1"_s].toDouble()), fourDigits(H1));
    QCOMPARE(fourDigits(sill[u"c"_s].toDouble()), fourDigits(c));
    // Both worked checks stay below hs/H10 = 0.45: the sill is free.
    QCOMPARE(sill[u"sigma_s"_s].toDouble(), 1.0);
    QVERIFY(sill[u"submergence_ratio"_s].toDouble() <= 0.45);
    const QJsonObject after = sill[u"after"_s].toObject();
    if (hc1 > 0)
        QCOMPARE(fourDigits(after[u"hco"_s].toDouble()), fourDigits(hc1));
    QCOMPARE(fourDigits(after[u"hco2"_s].toDouble()), fourDigits(hc1Conjugate));
    QCOMPARE(after[u"jump"_s].toString(), jumpAfter);
    QVERIFY(sill[u"length_min"_s].toDouble() > 0);
    QVERIFY(sill[u"length_max"_s].toDouble() > sill[u"length_min"_s].toDouble());
}

// The combined basin of the worked example: a lower sill and a shallower
// lowering than the sunk basin's 1.467 m.
void TestReportBasinTypes::combinedInJson()
{
    const ReportRun run
            = runReportProgram(caseArguments(u"10 3 5 1 3"_s, {u"--format"_s, u"json"_s}));
    QCOMPARE(run.status, 0);
    const QJsonObject only = jsonOf(run)[u"cases"_s][0].toObject();
    const QJsonObject combined = only[u"combined"_s].toObject();
    QCOMPARE(QString::number(combined[u"c"_s].toDouble(), 'f', 3), u"0.924"_s);
    QCOMPARE(QString::number(combined[u"d"_s].toDouble(), 'f', 3), u"1.025"_s);
    QCOMPARE(fourDigits(only[u"basin"_s][u"d"_s].toDouble()), u"1.467"_s);
    // Without a bed class or a velocity there is no scour depth.
    QVERIFY(only[u"scour_depth"_s].isNull());
}

void TestReportBasinTypes::scourByBed_data()
{
    QTest::addColumn<QStringList>("more");
    QTest::addColumn<double>("depth"); // dm = 1.1·q·b1/b2/[v0] − ht

    QTest::newRow("fine sand") << QStringList{u"--bed"_s, u"fine-sand"_s} << 1.1 * 10 / 0.35 - 3;
    QTest::newRow("coarse sand") << QStringList{u"--bed"_s, u"coarse-sand"_s} << 19.0;
    QTest::newRow("silty clay") << QStringList{u"--bed"_s, u"silty-clay"_s} << 1.1 * 10 / 0.60 - 3;
    QTest::newRow("stiff clay") << QStringList{u"--bed"_s, u"stiff-clay"_s} << 1.1 * 10 / 0.75 - 3;
    QTest::newRow("a velocity of the site's own")
            << QStringList{u"--bed"_s, u"fine-sand"_s, u"--allowable-velocity"_s, u"5"_s} << -0.8;
    QTest::newRow("the discharge spread over a wider basin")
            << QStringList{u"--allowable-velocity"_s, u"0.5"_s, u"--b-ratio"_s, u"0.8"_s}
            << 1.1 * 8 / 0.5 - 3;
}

void TestReportBasinTypes::scourByBed()
{
    QFETCH(QStringList, more);
    QFETCH(double, depth);
    const ReportRun run = runReportProgram(
            caseArguments(u"10 3 5 1 3"_s, more + QStringList{u"--format"_s, u"json"_s}));
    QCOMPARE(run.status, 0);
    const QJsonObject json = jsonOf(run);
    QCOMPARE(fourDigits(json[u"cases"_s][0][u"scour_depth"_s].toDouble()), fourDigits(depth));
    QCOMPARE(json[u"governing"_s][u"scour"_s][u"case"_s].toString(), u"case 1"_s);
    QCOMPARE(json[u"governing"_s][u"scour"_s][u"value"_s].toDouble(),
            json[u"cases"_s][0][u"scour_depth"_s].toDouble());
}

// Of several cases the largest sill, lowering and scour govern; the adopted
// type is the one asked for.
void TestReportBasinTypes::governingAndAdoptedType()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString casesPath = folder.filePath(u"cases.csv"_s);
    QFile cases(casesPath);
    QVERIFY(cases.open(QIODevice::WriteOnly));
    cases.write("name,q,H,a1,v,ht\nsmall,5,1.77,6,0.51,2.38\nworked,10,3,5,1,3\n"
                "submerged,10,3,5,1,6\n");
    cases.close();
    const ReportRun run = runReportProgram({casesPath, u"--bed"_s, u"coarse-sand"_s, u"--basin"_s,
            u"sill"_s, u"--format"_s, u"json"_s});
    QCOMPARE(run.status, 0);
    const QJsonObject json = jsonOf(run);
    QCOMPARE(json[u"basin_type"_s].toString(), u"sill"_s);
    // Each governing case by its row and name, with the figure that governs.
    for (const QString &type : {u"sill"_s, u"combined"_s, u"scour"_s}) {
        QCOMPARE(json[u"governing"_s][type][u"case"_s].toString(), u"worked"_s);
        QCOMPARE(json[u"governing"_s][type][u"index"_s].toInt(), 1);
    }
    const QJsonValue worked = json[u"cases"_s][1];
    QCOMPARE(json[u"governing"_s][u"sill"_s][u"value"_s].toDouble(),
            worked[u"sill"_s][u"c"_s].toDouble());
    QCOMPARE(json[u"governing"_s][u"combined"_s][u"value"_s].toDouble(),
            worked[u"combined"_s][u"d"_s].toDouble());
    // A submerged jump at the toe needs no basin of any type, but the scour
    // beyond the apron is still there.
    const QJsonObject submerged = json[u"cases"_s][2].toObject();
    QVERIFY(submerged[u"sill"_s].isNull());
    QVERIFY(submerged[u"combined"_s].isNull());
    QCOMPARE(fourDigits(submerged[u"scour_depth"_s].toDouble()), u"16"_s);
}

void TestReportBasinTypes::reportComparesTheTypes_data()
{
    QTest::addColumn<QString>("inputs");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QStringList>("expected"); // lines or parts of lines of the report

    QTest::newRow("the sill holds, adopted")
            << u"5 1.77 6 0.51 2.38"_s << u"sill"_s
            << QStringList{u"#### The basin types compared"_s, u"| **Sill basin** | — | 1.537 |"_s,
                       u"H10 = 1.933 m, H1 = 1.820 m, σs = 1.000; after the sill hc1″ = 2.334 m "
                       "≤ ht = 2.38 m: the jump after the sill is held"_s,
                       u"**Adopted: Sill basin.**"_s,
                       u"**The sill height is governed by case 1: c = 1.537 m.**"_s,
                       u"Scour depth at the end of the apron dm = 1.1 × 5.000 / 0.3500 − 2.380 = "
                       "13.334 m"_s};
    QTest::newRow("a remote jump after the sill, the combined basin adopted")
            << u"10 3 5 1 3"_s << u"combined"_s
            << QStringList{u"| Sunk basin (floor lowered) | 1.467 | — |"_s,
                       // The Markdown escapes the comparison sign.
                       u"after the sill hc1″ = 3.447 m &gt; ht = 3 m: a remote jump follows the "
                       "sill; a second sill or the combined basin is needed"_s,
                       u"| **Combined basin** | 1.025 | 0.924 |"_s,
                       u"**The combined basin is governed by case 1: d = 1.025 m, c = 0.924 m.**"_s,
                       u"**Adopted: Combined basin.**"_s};
}

// The calculation report sets the three types side by side and says which
// one is adopted.
void TestReportBasinTypes::reportComparesTheTypes()
{
    QFETCH(QString, inputs);
    QFETCH(QString, type);
    QFETCH(QStringList, expected);
    const ReportRun run = runReportProgram(caseArguments(inputs,
            {u"--bed"_s, u"fine-sand"_s, u"--basin"_s, type, u"--lang"_s, u"en"_s, u"--format"_s,
                    u"md"_s}));
    QCOMPARE(run.status, 0);
    const QString report = QString::fromUtf8(run.out);
    for (const QString &part : expected)
        QVERIFY2(report.contains(part), qPrintable(part));
}

QTEST_GUILESS_MAIN(TestReportBasinTypes)
#include "tst_report_basin_types.moc"
