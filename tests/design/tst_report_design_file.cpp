// A design file in TOML through the real program: the example's five floods
// with their derived heads and levels, the scan between the floods, located
// messages and exit statuses for bad files, and the order in which the
// file's [basin] and the command line decide the settings.
#include "report/design_settings.h"
#include "report/options.h"
#include "report_program_run.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

const QByteArray weirAndTable = R"(
[weir]
crest = 106.0
approach_bed = 98.0
floor = 100.0
width = 20.0
discharge_coefficient = 0.48

[tailwater]
discharges = [0, 40, 100, 200, 300, 400]
levels = [100.0, 101.6, 102.0, 102.3, 104.5, 105.9]
)";

// The river rises slowly between 100 and 200 m³/s: the deepest basin is
// needed there, between the two floods.
const QByteArray governedBetween = weirAndTable + R"(
[[flood]]
name = "low"
discharge = 40.0

[[flood]]
name = "high"
discharge = 400.0
)";

const QByteArray floodOutsideTable = weirAndTable + R"(
[[flood]]
name = "inside"
discharge = 100.0

[[flood]]
name = "beyond the table"
discharge = 500.0

[[flood]]
name = "also inside"
discharge = 300.0
)";

QJsonObject jsonOf(const QByteArray &bytes)
{
    return QJsonDocument::fromJson(bytes).object();
}

// The origins of the settings the precedence test varies, in a line:
// "beta=file ks=command bed=fine-sand …".
QString originsLine(const varnolt::writers::SettingOrigins &o)
{
    using varnolt::writers::SettingOrigin;
    const auto name = [](SettingOrigin origin) {
        switch (origin) {
        case SettingOrigin::Default:
            return u"default"_s;
        case SettingOrigin::DesignFile:
            return u"file"_s;
        case SettingOrigin::CommandLine:
            return u"command"_s;
        }
        return u"?"_s;
    };
    return u"beta=%1 ks=%2 bed=%3 phi-exit=%4 k1=%5 sigma=%6"_s.arg(name(o.beta), name(o.ks),
            o.bed.isEmpty() ? u"-"_s : o.bed, name(o.exitPhi), name(o.k1), name(o.sigma));
}

} // namespace

class TestReportDesignFile : public QObject {
    Q_OBJECT

private slots:
    void exampleEndToEnd();
    void levelsFollowTheFigures();
    void governingDischargeBetweenFloods();
    void scanCount();
    void refusedFiles_data();
    void refusedFiles();
    void floodOutsideTheTable();
    void settingsPrecedence_data();
    void settingsPrecedence();
    void caseFileOrigins();
    void titleBlockPrecedence_data();
    void titleBlockPrecedence();
    void coefficientSources_data();
    void coefficientSources();

private:
    QTemporaryDir m_dir;
    QString written(const char *name, const QByteArray &bytes)
    {
        QString path = m_dir.filePath(QString::fromUtf8(name));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return {};
        return path;
    }
};

void TestReportDesignFile::exampleEndToEnd()
{
    const ReportRun run = runReportProgram({QStringLiteral(VARNOLT_EXAMPLE_DESIGN)});
    QCOMPARE(run.status, 0);
    QVERIFY2(run.err.isEmpty(), qPrintable(run.err));
    const QString out = QString::fromUtf8(run.out);
    for (const char *flood :
            {"frequent flood", "5-year flood", "20-year flood", "design flood", "check flood"}) {
        // Each flood on two rows: its row of the cases and its row of the levels.
        const QRegularExpression row(
                u"^"_s + QString::fromUtf8(flood) + u" "_s, QRegularExpression::MultilineOption);
        QCOMPARE(out.count(row), 2);
    }
    QVERIFY(out.contains(u"upstream m"_s));
    QVERIFY(out.contains(u"Scan of 200 discharges between the floods:"_s));
    QVERIFY(out.contains(u"deepest basin at Q = "_s));
    // The example's check flood governs: nothing between the floods is worse.
    QVERIFY(!out.contains(u"最不利流量"_s));

    const ReportRun html
            = runReportProgram({QStringLiteral(VARNOLT_EXAMPLE_DESIGN), u"--format"_s, u"html"_s});
    QCOMPARE(html.status, 0);
    // The floods and the structure's levels among the design conditions.
    QVERIFY(html.out.contains("id=\"conditions\""));
    QVERIFY(html.out.contains("上游水位"));
    QVERIFY(html.out.contains("堰顶"));
}

void TestReportDesignFile::levelsFollowTheFigures()
{
    const ReportRun run
            = runReportProgram({QStringLiteral(VARNOLT_EXAMPLE_DESIGN), u"--format"_s, u"json"_s});
    QCOMPARE(run.status, 0);
    const QJsonObject json = jsonOf(run.out);
    const QJsonArray cases = json[u"cases"].toArray();
    QCOMPARE(cases.size(), 5);
    const double discharges[] = {40, 100, 200, 300, 400};
    for (qsizetype i = 0; i < cases.size(); ++i) {
        const QJsonObject c = cases[i].toObject();
        QCOMPARE(c[u"discharge"].toDouble(), discharges[i]);
        const QJsonObject levels = c[u"levels"].toObject();
        const QJsonObject inputs = c[u"inputs"].toObject();
        // q = Q/B with B = 20 m; the levels from crest 106, floor 100.
        QCOMPARE(inputs[u"q"].toDouble(), discharges[i] / 20);
        QVERIFY(qAbs(levels[u"upstream"].toDouble() - (106 + inputs[u"H"].toDouble())) < 1e-9);
        QVERIFY(qAbs(levels[u"tailwater"].toDouble() - (100 + inputs[u"ht"].toDouble())) < 1e-9);
        // The floor as the design is drawn: at the adopted depth, never
        // above the window's figure.
        const double d = c[u"basin"].toObject()[u"d"].toDouble();
        const double adopted = c[u"basin"][u"adopted"][u"depth"].toDouble();
        QVERIFY(d > 0 && adopted >= d);
        QVERIFY(qAbs(levels[u"basin_floor"].toDouble() - (100 - adopted)) < 1e-9);
        QVERIFY(levels[u"jump"].toDouble() > levels[u"basin_floor"].toDouble());
        QVERIFY(c[u"head"].toObject()[u"H0"].toDouble() > inputs[u"H"].toDouble());
    }
    QCOMPARE(json[u"project"].toObject()[u"number"].toString(), u"EX-001"_s);
    const QJsonObject depth = json[u"scan"].toObject()[u"depth"].toObject();
    QVERIFY(depth[u"discharge"].toDouble() >= 40 && depth[u"discharge"].toDouble() <= 400);
    QCOMPARE(depth[u"q"].toDouble(), depth[u"discharge"].toDouble() / 20);
    QVERIFY(json[u"scan"].toObject()[u"length"].toObject()[u"length"].toDouble() > 0);
}

void TestReportDesignFile::governingDischargeBetweenFloods()
{
    const QString path = written("between.toml", governedBetween);
    const ReportRun table = runReportProgram({path});
    QCOMPARE(table.status, 0);
    QVERIFY2(table.out.contains("最不利流量"), table.out.constData());
    const ReportRun json = runReportProgram({path, u"--format"_s, u"json"_s});
    const QJsonObject scan = jsonOf(json.out)[u"scan"].toObject();
    QVERIFY(scan[u"depth_beyond_floods"].toBool());
    const double between = scan[u"depth"].toObject()[u"discharge"].toDouble();
    QVERIFY2(between > 100 && between < 300, qPrintable(QString::number(between)));
    double deepestFlood = 0;
    for (const auto c : jsonOf(json.out)[u"cases"].toArray())
        deepestFlood = qMax(deepestFlood, c.toObject()[u"basin"].toObject()[u"d"].toDouble());
    QVERIFY(scan[u"depth"].toObject()[u"d"].toDouble() > deepestFlood);

    // The structure's adopted depth covers the scanned basin: its depth
    // rounded up to the 0.05 m step, and no less than the floods' adopted depth.
    const double scanned = scan[u"depth"][u"d"].toDouble();
    const double adopted = scan[u"adopted_depth"].toDouble();
    QVERIFY2(adopted >= scanned && adopted < scanned + 0.05 + 1e-9,
            qPrintable(u"%1 for %2"_s.arg(adopted).arg(scanned)));
    QVERIFY(qAbs(std::round(adopted / 0.05) * 0.05 - adopted) < 1e-12);
    QVERIFY(adopted >= jsonOf(json.out)[u"governing"][u"depth"][u"value"].toDouble());
    QVERIFY2(table.out.contains("Adopted basin depth covering it: "), table.out.constData());
}

void TestReportDesignFile::scanCount()
{
    const QString path = written("count.toml", governedBetween);
    const ReportRun run = runReportProgram({path, u"--scan"_s, u"10"_s, u"--format"_s, u"json"_s});
    QCOMPARE(run.status, 0);
    QCOMPARE(jsonOf(run.out)[u"scan"].toObject()[u"count"].toInt(), 10);
    // A case file cannot be scanned, and says nothing about a scan.
    const QString csv = written("cases.csv", "name,q,H,a1,v,ht\nworked,10,3,5,1,3\n");
    QCOMPARE(runReportProgram({csv, u"--scan"_s, u"10"_s}).status, 2);
    const ReportRun plain = runReportProgram({csv, u"--format"_s, u"json"_s});
    QCOMPARE(plain.status, 0);
    QVERIFY(!jsonOf(plain.out).contains(u"scan"_s));
    QVERIFY(!plain.out.contains("levels"));
}

void TestReportDesignFile::refusedFiles_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("message"); // a pattern after the file's name

    const QByteArray flood = "\n[[flood]]\nname = \"f\"\ndischarge = 100.0\n";
    QTest::newRow("unknown key") << QByteArray(weirAndTable + flood + "dischrge = 5\n")
                                 << u":\\d+:\\d+: flood\\[1\\]\\.dischrge"_s;
    QTest::newRow("syntax") << QByteArray("[weir\ncrest = 1\n") << u":1:\\d+: "_s;
    QTest::newRow("wrong type") << QByteArray(
            weirAndTable + "\n[[flood]]\nname = \"f\"\ndischarge = \"many\"\n")
                                << u":\\d+:\\d+: flood\\[1\\]\\.discharge"_s;
    QTest::newRow("no flood") << weirAndTable << u":\\d+:\\d+: flood: missing"_s;
}

void TestReportDesignFile::refusedFiles()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, message);
    const QString path = written("bad.toml", text);
    const ReportRun run = runReportProgram({path});
    QCOMPARE(run.status, 2);
    QVERIFY(run.out.isEmpty());
    QVERIFY2(QRegularExpression(u"^"_s + QRegularExpression::escape(path) + message)
                     .match(run.err)
                     .hasMatch(),
            qPrintable(run.err));
}

void TestReportDesignFile::floodOutsideTheTable()
{
    const QString path = written("outside.toml", floodOutsideTable);
    const ReportRun run = runReportProgram({path, u"--format"_s, u"json"_s});
    QCOMPARE(run.status, 1);
    QVERIFY2(run.err.contains(u"flood 'beyond the table'"_s), qPrintable(run.err));
    QVERIFY(QRegularExpression(u"^"_s + QRegularExpression::escape(path) + u":\\d+:\\d+: "_s)
                    .match(run.err)
                    .hasMatch());
    const QJsonArray cases = jsonOf(run.out)[u"cases"].toArray();
    QCOMPARE(cases.size(), 2);
    QCOMPARE(cases[0].toObject()[u"name"].toString(), u"inside"_s);
    QCOMPARE(cases[1].toObject()[u"name"].toString(), u"also inside"_s);
}

void TestReportDesignFile::settingsPrecedence_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<double>("beta");
    QTest::addColumn<double>("ks");
    QTest::addColumn<double>("exitPhi");
    QTest::addColumn<QString>("type");
    QTest::addColumn<double>("sillM");
    QTest::addColumn<double>("v0");
    QTest::addColumn<QString>("origins");

    // The file gives beta 0.6, ks 4, φ′ 0.9, the sill type, m 0.4 and [v0] 0.6;
    // neither gives k1 or σ.
    QTest::newRow("file over defaults")
            << QStringList{} << 0.6 << 4.0 << 0.9 << u"sill"_s << 0.4 << 0.6
            << u"beta=file ks=file bed=- phi-exit=file k1=default sigma=default"_s;
    QTest::newRow("command line over file")
            << QStringList{u"--beta"_s, u"0.8"_s, u"--ks"_s, u"7"_s, u"--phi-exit"_s, u"0.92"_s,
                       u"--basin"_s, u"combined"_s, u"--sill-m"_s, u"0.45"_s,
                       u"--allowable-velocity"_s, u"1.1"_s, u"--k1"_s, u"0.18"_s}
            << 0.8 << 7.0 << 0.92 << u"combined"_s << 0.45 << 1.1
            << u"beta=command ks=command bed=- phi-exit=command k1=command sigma=default"_s;
    QTest::newRow("--bed over the file's ks and [v0]")
            << QStringList{u"--bed"_s, u"fine-sand"_s} << 0.6 << -1.0 << 0.9 << u"sill"_s << 0.4
            << 0.35
            << u"beta=file ks=command bed=fine-sand phi-exit=file k1=default sigma=default"_s;
}

void TestReportDesignFile::settingsPrecedence()
{
    QFETCH(QStringList, arguments);
    QFETCH(double, beta);
    QFETCH(double, ks);
    QFETCH(double, exitPhi);
    QFETCH(QString, type);
    QFETCH(double, sillM);
    QFETCH(double, v0);
    QFETCH(QString, origins);
    QString error;
    const auto options
            = varnolt::report::parseArguments(QStringList{u"d.toml"_s} + arguments, error);
    QVERIFY2(options, qPrintable(error));
    varnolt::design::BasinSettings file;
    file.beta = 0.6;
    file.ks = 4.0;
    file.exitVelocityCoefficient = 0.9;
    file.type = varnolt::design::BasinType::Sill;
    file.sillM = 0.4;
    file.allowableVelocity = 0.6;
    const auto resolved = varnolt::report::resolveSettings(file, *options);
    QCOMPARE(resolved.design.beta, beta);
    QCOMPARE(resolved.design.exitPhi, exitPhi);
    QCOMPARE(varnolt::design::basinTypeKey(resolved.design.basinType), type);
    QCOMPARE(resolved.design.sillM, sillM);
    QCOMPARE(resolved.design.allowableVelocity, std::optional(v0));
    QVERIFY(resolved.design.ks);
    if (ks > 0)
        QCOMPARE(*resolved.design.ks, ks);
    else
        QCOMPARE(*resolved.design.ks, *options->design.ks); // the bed class's own
    QCOMPARE(resolved.sigma, 1.05); // the default: neither gives one
    QCOMPARE(originsLine(resolved.origins), origins);
}

// A case file has no [basin]: each setting is the default or the option's.
void TestReportDesignFile::caseFileOrigins()
{
    QString error;
    const auto options = varnolt::report::parseArguments(
            {u"cases.csv"_s, u"--bed=stiff-clay"_s, u"--beta=0.72"_s}, error);
    QVERIFY2(options, qPrintable(error));
    const auto resolved = varnolt::report::resolveSettings({}, *options);
    QCOMPARE(originsLine(resolved.origins),
            u"beta=command ks=command bed=stiff-clay phi-exit=default k1=default sigma=default"_s);
    QCOMPARE(resolved.design.ks, std::optional(8.0));
}

// The design conditions name each coefficient's source: the reference, the
// usual range the warnings check, and whether the value is the program's,
// the example file's [basin] or the command line's over the file's.
void TestReportDesignFile::coefficientSources_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("row"); // the Markdown's row of the coefficient

    QTest::newRow("a default")
            << QStringList{}
            << u"| k1 | 底板厚度计算系数 | 0.2 |  | SL 265—2016 附录 B；常用 0.15～0.2；程序默认值 |"_s;
    QTest::newRow("a default, English")
            << QStringList{u"--lang=en"_s}
            << u"| k1 | slab-thickness coefficient | 0.2 |  | SL 265—2016, Appendix B; usually "
               "0.15 to 0.2; program default |"_s;
    QTest::newRow("the file's [basin]")
            << QStringList{}
            << u"| σ | 水跃淹没系数 | 1.05 |  | SL 265—2016 附录 B；常用 1.05～1.1；设计文件 |"_s;
    QTest::newRow("the file's [basin], English")
            << QStringList{u"--lang=en"_s}
            << u"| σ | submergence factor | 1.05 |  | SL 265—2016, Appendix B; usually 1.05 to "
               "1.1; design file |"_s;
    QTest::newRow("the command line over the file's")
            << QStringList{u"--phi-exit=0.9"_s}
            << u"| φ′ | 出池流速系数 | 0.9 |  | SL 265—2016 附录 B；命令行 --phi-exit |"_s;
    QTest::newRow("the command line over the file's, English")
            << QStringList{u"--phi-exit=0.9"_s, u"--lang=en"_s}
            << u"| φ′ | velocity coefficient at the basin exit | 0.9 |  | SL 265—2016, Appendix "
               "B; command line --phi-exit |"_s;
    QTest::newRow("Ks by the bed on the command line")
            << QStringList{u"--bed=coarse-sand"_s}
            << u"| Ks | 海漫长度计算系数 | 12 |  | SL 265—2016 附录 B；按河床土质：中砂、粗砂；命令行 --bed |"_s;
    QTest::newRow("Ks by the bed on the command line, English")
            << QStringList{u"--bed=coarse-sand"_s, u"--lang=en"_s}
            << u"| Ks | apron-length coefficient | 12 |  | SL 265—2016, Appendix B; by the river "
               "bed: coarse sand; command line --bed |"_s;
}

void TestReportDesignFile::coefficientSources()
{
    QFETCH(QStringList, options);
    QFETCH(QString, row);
    const ReportRun run = runReportProgram(
            QStringList{QStringLiteral(VARNOLT_EXAMPLE_DESIGN), u"--format=md"_s} + options);
    QCOMPARE(run.status, 0);
    const QStringList lines = QString::fromUtf8(run.out).split(u'\n');
    QVERIFY2(lines.contains(row), qPrintable(row));
}

// The title block's entries: the file's [project], each one overridden by
// its option on the command line.
void TestReportDesignFile::titleBlockPrecedence_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("rows"); // the Markdown's title-block rows

    QTest::newRow("the file's entries")
            << QStringList{}
            << QStringList{u"| 工程名称 | Example weir |"_s, u"| 设计阶段 | Preliminary design |"_s,
                       u"| 计算书编号 | EX-001 |"_s};
    QTest::newRow("the project's name by option")
            << QStringList{u"--project"_s, u"某水库溢洪道"_s}
            << QStringList{u"| 工程名称 | 某水库溢洪道 |"_s, u"| 设计阶段 | Preliminary design |"_s,
                       u"| 计算书编号 | EX-001 |"_s};
    QTest::newRow("stage and number by option")
            << QStringList{u"--stage=施工图设计"_s, u"--number=JS-7"_s, u"--lang=en"_s}
            << QStringList{u"| Project | Example weir |"_s, u"| Design stage | 施工图设计 |"_s,
                       u"| Report number | JS-7 |"_s};
}

void TestReportDesignFile::titleBlockPrecedence()
{
    QFETCH(QStringList, options);
    QFETCH(QStringList, rows);
    const ReportRun run = runReportProgram(
            QStringList{QStringLiteral(VARNOLT_EXAMPLE_DESIGN), u"--format=md"_s} + options);
    QCOMPARE(run.status, 0);
    const QStringList lines = QString::fromUtf8(run.out).split(u'\n');
    for (const QString &row : rows)
        QVERIFY2(lines.contains(row), qPrintable(row));
}

QTEST_GUILESS_MAIN(TestReportDesignFile)
#include "tst_report_design_file.moc"
