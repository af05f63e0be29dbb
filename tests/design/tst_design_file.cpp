// A design given by the weir, the river and the floods, against the
// independent derivation in tests/reference/derive_design_file.py
// (design_file_reference.tsv): the head from the weir's capacity, the
// tailwater level from the table, the scan's governing discharge and the
// example file end to end; and every fault of a bad file, located.
#include "design/design_file_reader.h"
#include "design/design_levels.h"
#include "design/discharge_scan.h"
#include "design/flood_case.h"
#include "design/rating_table.h"
#include "design/weir_capacity.h"

#include <QFile>
#include <QLocale>
#include <QTest>

#include <cmath>

using namespace varnolt::design;

namespace {

QList<QStringList> referenceRows(const QString &table)
{
    QList<QStringList> rows;
    QFile file(QStringLiteral(VARNOLT_DESIGN_FILE_REFERENCE));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return rows;
    while (!file.atEnd()) {
        const QStringList cells = QString::fromUtf8(file.readLine()).chopped(1).split(u'\t');
        if (cells.size() > 1 && cells[0] == table)
            rows.append(cells.mid(1));
    }
    return rows;
}

void addRows(const QString &table, qsizetype columns)
{
    QTest::addColumn<QStringList>("row");
    const QList<QStringList> rows = referenceRows(table);
    QVERIFY2(!rows.isEmpty(), qPrintable(QStringLiteral("no rows of ") + table));
    for (const QStringList &row : rows) {
        QCOMPARE(row.size(), columns);
        QTest::newRow(qPrintable(row[0])) << row;
    }
}

double number(const QString &text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    return ok ? value : std::nan("");
}

bool close(double value, double reference, double relative)
{
    return std::abs(value - reference) <= relative * std::max(1.0, std::abs(reference));
}

#define COMPARE_CLOSE(value, reference, relative)                                                  \
    QVERIFY2(close((value), (reference), (relative)),                                              \
            qPrintable(QStringLiteral(#value " = %1, expected %2")                                 \
                               .arg((value), 0, 'g', 17)                                           \
                               .arg((reference), 0, 'g', 17)))

// The first fault's message, for a failure's report (empty without one).
QString firstMessage(const DesignFileReading &reading)
{
    return reading.errors.empty() ? QString() : reading.errors.front().message;
}

QString located(const DesignFileError &error)
{
    return QStringLiteral("%1:%2").arg(error.position.line).arg(error.position.column);
}

// A weir and a table that read cleanly; each bad file below changes one thing.
const QByteArray goodWeir = "[weir]\ncrest = 106.0\napproach_bed = 98\nfloor = 100.0\n"
                            "width = 20.0\ndischarge_coefficient = 0.48\n";
const QByteArray goodTable = "[tailwater]\ndischarges = [0, 40, 100, 200, 300]\n"
                             "levels = [100.0, 101.2, 102.3, 103.1, 103.8]\n";
const QByteArray goodFlood = "[[flood]]\nname = \"5-year\"\ndischarge = 100.0\n";

DesignFile readGood(const QByteArray &floods)
{
    const DesignFileReading reading = readDesignFile(goodWeir + goodTable + floods, u"d.toml"_qs);
    if (!reading.errors.empty())
        qWarning("%s", qPrintable(reading.errors.front().message));
    return reading.design.value_or(DesignFile{});
}

} // namespace

class TestDesignFile : public QObject {
    Q_OBJECT

private slots:
    void capacityHead_data() { addRows(u"capacity"_qs, 11); }
    void capacityHead();
    void workedCheck();
    void interpolation_data() { addRows(u"interpolation"_qs, 3); }
    void interpolation();
    void tableFaults_data();
    void tableFaults();
    void scanMaximum_data() { addRows(u"scan"_qs, 9); }
    void scanMaximum();
    void scanWithoutBasin();
    void badFile_data();
    void badFile();
    void floodFault_data();
    void floodFault();
    void overridesAndSettings();
    void exampleFile();
};

void TestDesignFile::capacityHead()
{
    QFETCH(QStringList, row);
    const WeirCapacity weir{number(row[2]), number(row[3]), number(row[4]), number(row[5]),
            number(row[6]), number(row[7])};
    const HeadFromCapacity found = headFromCapacity(weir, number(row[1]));
    if (row[8] == u"none") {
        QVERIFY(!found.head);
        QVERIFY(found.error.contains(u"subcritical"));
        return;
    }
    QVERIFY2(found.head, qPrintable(found.error));
    COMPARE_CLOSE(found.head->H, number(row[8]), 1e-13);
    COMPARE_CLOSE(found.head->v0, number(row[9]), 1e-13);
    COMPARE_CLOSE(found.head->H0, number(row[10]), 1e-13);
    // The head passes the discharge it was solved for.
    COMPARE_CLOSE(dischargeAtTotalHead(weir, found.head->H0), number(row[1]), 1e-14);
}

void TestDesignFile::workedCheck()
{
    const HeadFromCapacity found = headFromCapacity(WeirCapacity{20, 20, 8, 0.48, 1, 1}, 120);
    QVERIFY(found.head);
    QCOMPARE(QString::number(found.head->H, 'f', 3), u"1.979"_qs);
    QCOMPARE(QString::number(found.head->v0, 'f', 4), u"0.6013"_qs);
    QCOMPARE(QString::number(found.head->H0, 'f', 3), u"1.997"_qs);
    QVERIFY(!headFromCapacity(WeirCapacity{20, 20, 8, 0.48, 1, 1}, 0).head);
    QVERIFY(!headFromCapacity(WeirCapacity{20, 20, 8, 0.48, 1, 1}, -5).head);
}

void TestDesignFile::interpolation()
{
    QFETCH(QStringList, row);
    const RatingTable table{{0, 40, 100, 200, 300}, {100.0, 101.2, 102.3, 103.1, 103.8}};
    QVERIFY(!ratingTableFault(table));
    const std::optional<double> level = levelAt(table, number(row[1]));
    if (row[2] == u"none") {
        QVERIFY(!level);
        return;
    }
    QVERIFY(level);
    COMPARE_CLOSE(*level, number(row[2]), 1e-15);
}

void TestDesignFile::tableFaults_data()
{
    QTest::addColumn<std::vector<double>>("discharges");
    QTest::addColumn<std::vector<double>>("levels");
    QTest::addColumn<int>("kind"); // -1 for a usable table
    QTest::addColumn<int>("index");

    using V = std::vector<double>;
    QTest::newRow("usable, level flat") << V{0, 10} << V{1, 1} << -1 << 0;
    QTest::newRow("one entry") << V{0} << V{1} << int(RatingTableFault::Sizes) << 1;
    QTest::newRow("lists differ") << V{0, 10, 20} << V{1, 2} << int(RatingTableFault::Sizes) << 2;
    QTest::newRow("repeated discharge")
            << V{0, 10, 10} << V{1, 2, 3} << int(RatingTableFault::DischargesNotAscending) << 2;
    QTest::newRow("descending discharge")
            << V{0, 10, 5} << V{1, 2, 3} << int(RatingTableFault::DischargesNotAscending) << 2;
    QTest::newRow("level falls") << V{0, 10, 20} << V{1, 2, 1.99}
                                 << int(RatingTableFault::LevelsFalling) << 2;
}

void TestDesignFile::tableFaults()
{
    QFETCH(std::vector<double>, discharges);
    QFETCH(std::vector<double>, levels);
    QFETCH(int, kind);
    QFETCH(int, index);
    const std::optional<RatingTableFault> fault = ratingTableFault({discharges, levels});
    QCOMPARE(fault ? int(fault->kind) : -1, kind);
    if (fault)
        QCOMPARE(fault->index, std::size_t(index));
}

void TestDesignFile::scanMaximum()
{
    QFETCH(QStringList, row);
    const QList<QStringList> tables = referenceRows(u"scan table"_qs);
    QCOMPARE(tables.size(), 1);
    DesignFile file;
    file.weir = WeirGeometry{106, 98, 100, 20, 20, 0.48, 1, 0.95, {}};
    for (qsizetype i = 0; i < tables[0].size(); ++i) {
        file.tailwater.discharges.push_back(double(i));
        file.tailwater.levels.push_back(number(tables[0][i]));
    }
    const double low = number(row[1]);
    const double high = number(row[2]);
    file.floods = {Flood{u"high"_qs, high, {}, {}, {}}, Flood{u"low"_qs, low, {}, {}, {}}};

    const DischargeScan scan = scanDischarges(file, FloodSettings{1.05, 1.0}, 0.95);
    QVERIFY(scan.unavailable.isEmpty());
    QCOMPARE(scan.failed, 0);
    QVERIFY(scan.evaluated >= 200);
    QVERIFY(scan.depth && scan.length);
    // Found to 0.1 % of the range; the figure at a smooth maximum far closer.
    const double range = high - low;
    QVERIFY2(std::abs(scan.depth->discharge - number(row[3])) <= 1e-3 * range,
            qPrintable(QString::number(scan.depth->discharge, 'g', 17)));
    COMPARE_CLOSE(scan.depth->q, scan.depth->discharge / 20, 1e-15);
    COMPARE_CLOSE(scan.depth->d, number(row[5]), 1e-6);
    QVERIFY(scan.depth->d <= number(row[5]) * (1 + 1e-12));
    QVERIFY2(std::abs(scan.length->discharge - number(row[6])) <= 1e-3 * range,
            qPrintable(QString::number(scan.length->discharge, 'g', 17)));
    COMPARE_CLOSE(scan.length->length, number(row[8]), 1e-6);

    // The listed floods alone miss an interior maximum; the scan does not.
    QString failure;
    for (const double discharge : {low, high}) {
        const std::optional<ScanPoint> point
                = basinAtDischarge(file, discharge, FloodSettings{1.05, 1.0}, 0.95, failure);
        QVERIFY(point);
        QVERIFY(point->d <= scan.depth->d);
    }
}

void TestDesignFile::scanWithoutBasin()
{
    // Deep tailwater: σ′ ≥ σ everywhere, so no discharge needs a basin.
    DesignFile deep = readGood("[[flood]]\ndischarge = 5\ntailwater_level = 105\n");
    deep.tailwater = RatingTable{{0, 100}, {104.5, 105.9}};
    deep.floods.push_back(Flood{u"more"_qs, 60, {}, {}, {}});
    const DischargeScan scan = scanDischarges(deep, FloodSettings{}, 0.95);
    QCOMPARE(scan.failed, 0);
    QVERIFY(!scan.depth);
    QVERIFY(!scan.length);

    // Without a table there is nothing to scan with.
    DesignFile noTable = deep;
    noTable.tailwater = {};
    QVERIFY(!scanDischarges(noTable, FloodSettings{}, 0.95).unavailable.isEmpty());

    // A range reaching beyond the table: those discharges fail, the rest count.
    DesignFile beyond = readGood(goodFlood + "[[flood]]\ndischarge = 350\n");
    const DischargeScan partial = scanDischarges(beyond, FloodSettings{}, 0.95);
    QVERIFY(partial.failed > 0 && partial.failed < partial.evaluated);
    QVERIFY(partial.firstFailure.contains(u"outside the tailwater table"));
    QVERIFY(partial.depth && partial.depth->discharge <= 300);
}

void TestDesignFile::badFile_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("place"); // line:column
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("words"); // a part of the message

    const auto add = [](const char *name, const QByteArray &text, DesignFileFault fault,
                             const char *place, const char *key, const char *words) {
        QTest::newRow(name) << text << int(fault) << QString::fromUtf8(place)
                            << QString::fromUtf8(key) << QString::fromUtf8(words);
    };
    using F = DesignFileFault;
    const QByteArray all = goodWeir + goodTable + goodFlood;
    add("syntax: unclosed string", "[weir]\ncrest = \"106\n", F::Syntax, "2:", "",
            "not a TOML file");
    add("syntax: repeated key", "[weir]\ncrest = 1\ncrest = 2\n", F::Syntax, "3:", "",
            "not a TOML");
    add("syntax: invalid UTF-8", "[project]\nname = \"\xff\"\n", F::Syntax, "2:", "", "TOML");
    add("no weir", goodTable + goodFlood, F::MissingKey, "1:1", "weir", "needs a [weir]");
    add("weir not a table", "weir = 3\n" + goodTable + goodFlood, F::WrongType, "1:8", "weir",
            "must be a table");
    add("missing crest",
            "[weir]\napproach_bed = 98\nfloor = 100\nwidth = 20\n"
            "discharge_coefficient = 0.48\n"
                    + goodTable + goodFlood,
            F::MissingKey, "1:1", "weir.crest", "missing");
    add("crest as text",
            "[weir]\ncrest = \"106\"\napproach_bed = 98\nfloor = 100\nwidth = 20\n"
            "discharge_coefficient = 0.48\n"
                    + goodTable + goodFlood,
            F::WrongType, "2:9", "weir.crest", "must be a number");
    add("typo in the weir", all + "[basin]\nsubmergance = 1.1\n", F::UnknownKey, "14:1",
            "basin.submergance", "unknown key");
    add("empty key", all + "\"\" = 1\n", F::UnknownKey, "13:1", "flood[1].\"\"", "unknown key");
    add("unknown table", "[wier]\ncrest = 1\n" + all, F::UnknownKey, "1:2", "wier", "unknown key");
    add("typo in a flood", all + "[[flood]]\ndischarge = 5\ndischarg = 6\n", F::UnknownKey, "15:1",
            "flood[2].discharg", "unknown key");
    add("zero width",
            "[weir]\ncrest = 106\napproach_bed = 98\nfloor = 100\nwidth = 0\n"
            "discharge_coefficient = 0.48\n"
                    + goodTable + goodFlood,
            F::NotPositive, "5:9", "weir.width", "greater than 0");
    add("negative coefficient",
            "[weir]\ncrest = 106\napproach_bed = 98\nfloor = 100\nwidth = 20\n"
            "discharge_coefficient = -0.48\n"
                    + goodTable + goodFlood,
            F::NotPositive, "6:25", "weir.discharge_coefficient", "greater than 0");
    add("infinite level",
            "[weir]\ncrest = inf\napproach_bed = 98\nfloor = 100\nwidth = 20\n"
            "discharge_coefficient = 0.48\n"
                    + goodTable + goodFlood,
            F::NotFinite, "2:9", "weir.crest", "finite");
    add("floor above the crest",
            "[weir]\ncrest = 106\napproach_bed = 98\nfloor = 107\n"
            "width = 20\ndischarge_coefficient = 0.48\n"
                    + goodTable + goodFlood,
            F::FloorAboveCrest, "4:9", "weir.floor", "below the crest");
    add("approach bed at the crest",
            "[weir]\ncrest = 106\napproach_bed = 106\nfloor = 100\n"
            "width = 20\ndischarge_coefficient = 0.48\n"
                    + goodTable + goodFlood,
            F::ApproachBedAboveCrest, "3:16", "weir.approach_bed", "below the crest");
    add("negative slope length", all + "[basin]\nslope_length = -1\n", F::Negative, "14:16",
            "basin.slope_length", "not be negative");
    add("ks and bed", all + "[basin]\nks = 10\nbed = \"fine-sand\"\n", F::Conflict, "15:7",
            "basin.bed", "not both");
    add("unknown bed", all + "[basin]\nbed = \"gravel\"\n", F::UnknownBed, "14:7", "basin.bed",
            "'gravel' is not a bed class");
    add("discharges not ascending",
            goodWeir
                    + "[tailwater]\ndischarges = [0, 40, 40]\n"
                      "levels = [100, 101, 102]\n"
                    + goodFlood,
            F::DischargesNotAscending, "8:22", "tailwater.discharges[3]", "must ascend");
    add("levels falling",
            goodWeir
                    + "[tailwater]\ndischarges = [0, 40, 80]\n"
                      "levels = [100, 101, 100.5]\n"
                    + goodFlood,
            F::LevelsFalling, "9:21", "tailwater.levels[3]", "cannot fall");
    add("table sizes",
            goodWeir
                    + "[tailwater]\ndischarges = [0, 40, 80]\n"
                      "levels = [100, 101]\n"
                    + goodFlood,
            F::TableSizes, "7:1", "tailwater", "same number of entries");
    add("a level as text",
            goodWeir
                    + "[tailwater]\ndischarges = [0, 40]\n"
                      "levels = [100, \"101\"]\n"
                    + goodFlood,
            F::WrongType, "9:16", "tailwater.levels[2]", "must be a number");
    add("no flood", goodWeir + goodTable, F::NoFlood, "1:1", "flood", "[[flood]]");
    add("flood as one table", goodWeir + goodTable + "[flood]\ndischarge = 5\n", F::WrongType,
            "10:1", "flood", "[[flood]] header");
    add("zero discharge", goodWeir + goodTable + "[[flood]]\ndischarge = 0\n", F::NotPositive,
            "11:13", "flood[1].discharge", "greater than 0");
    add("flood without discharge", goodWeir + goodTable + "[[flood]]\nname = \"x\"\n",
            F::MissingKey, "10:1", "flood[1].discharge", "missing");
    add("control character in a name",
            goodWeir + goodTable + "[[flood]]\nname = \"a\\u0007b\"\ndischarge = 5\n", F::BadName,
            "11:8", "flood[1].name", "control characters");
    // Letters the parser once took for unlisted whitespace: U+0375, U+00E9, U+3001.
    add("Greek sign between tokens", all + "[[\xcd\xb5 flood]]\n", F::Syntax, "13:3", "", "TOML");
    add("accented key", all + "[project]\n\xc3\xa9 = 1\n", F::Syntax, "14:1", "", "TOML");
    add("ideographic comma after a value", all + "[project]\nname = \"a\"\xe3\x80\x81\n", F::Syntax,
            "14:11", "", "TOML");
    add("project number as a number", all + "[project]\nnumber = 7\n", F::WrongType, "14:10",
            "project.number", "text in quotes");
}

void TestDesignFile::badFile()
{
    QFETCH(QByteArray, text);
    QFETCH(int, fault);
    QFETCH(QString, place);
    QFETCH(QString, key);
    QFETCH(QString, words);
    const DesignFileReading reading = readDesignFile(text, u"bad.toml"_qs);
    QVERIFY(!reading.design);
    QCOMPARE(reading.errors.size(), std::size_t(1));
    const DesignFileError &error = reading.errors.front();
    QCOMPARE(int(error.fault), fault);
    QVERIFY(!isFloodFault(error.fault));
    QCOMPARE(error.file, u"bad.toml"_qs);
    QVERIFY2(located(error).startsWith(place), qPrintable(located(error)));
    QVERIFY(error.position.column >= 1);
    QCOMPARE(error.key, key);
    QVERIFY2(error.message.contains(words), qPrintable(error.message));
}

void TestDesignFile::floodFault_data()
{
    QTest::addColumn<QByteArray>("flood");
    QTest::addColumn<int>("fault");
    QTest::addColumn<QString>("words");
    using F = DesignFileFault;
    QTest::newRow("beyond the table") << QByteArray("[[flood]]\nname=\"big\"\ndischarge = 300.5\n")
                                      << int(F::OutsideTable) << "flood 'big' (Q = 300.5 m³/s)";
    QTest::newRow("drowned weir") << QByteArray(
            "[[flood]]\ndischarge = 50\ntailwater_level = 106.01\n")
                                  << int(F::DrownedWeir) << "drowned";
    QTest::newRow("tailwater at the floor")
            << QByteArray("[[flood]]\ndischarge = 50\ntailwater_level = 100\n")
            << int(F::TailwaterAtFloor) << "not above the downstream floor";
    QTest::newRow("upstream level below the crest")
            << QByteArray("[[flood]]\ndischarge = 50\nupstream_level = 105.9\n")
            << int(F::NoFreeHead) << "not above the crest";
}

void TestDesignFile::floodFault()
{
    QFETCH(QByteArray, flood);
    QFETCH(int, fault);
    QFETCH(QString, words);
    // Flood faults leave the file readable: the other floods go on.
    const DesignFile file = readGood(goodFlood + flood);
    QCOMPARE(file.floods.size(), std::size_t(2));
    QVERIFY(floodCase(file, 0, FloodSettings{}).flood);
    const FloodCaseOutcome outcome = floodCase(file, 1, FloodSettings{});
    QVERIFY(!outcome.flood);
    QVERIFY(outcome.error);
    QCOMPARE(int(outcome.error->fault), fault);
    QVERIFY(isFloodFault(outcome.error->fault));
    QCOMPARE(outcome.error->position.line, 13);
    QVERIFY2(outcome.error->message.contains(words), qPrintable(outcome.error->message));
}

void TestDesignFile::overridesAndSettings()
{
    DesignFile file = readGood("[[flood]]\ndischarge = 100\nupstream_level = 108\n"
                               "tailwater_level = 103\n[[flood]]\ndischarge = 70\n");
    QCOMPARE(file.weir.approachWidth, 20.0);
    const FloodCaseOutcome given = floodCase(file, 0, FloodSettings{1.1, 1.0});
    QVERIFY(given.flood);
    QVERIFY(given.flood->upstreamGiven && given.flood->tailwaterGiven);
    QCOMPARE(given.flood->inputs.H, 2.0);
    QCOMPARE(given.flood->inputs.ht, 3.0);
    COMPARE_CLOSE(given.flood->inputs.v, 100.0 / (20 * 10), 1e-15);
    QCOMPARE(given.flood->inputs.sigma, 1.1);
    QCOMPARE(given.flood->inputs.phi, 0.95);
    QCOMPARE(given.flood->inputs.a1, 6.0);
    QCOMPARE(given.flood->inputs.name, u"flood 1"_qs);
    // From the table: 101.2 + 30/60·1.1.
    const FloodCaseOutcome derived = floodCase(file, 1, FloodSettings{});
    QVERIFY(derived.flood);
    QVERIFY(!derived.flood->upstreamGiven && !derived.flood->tailwaterGiven);
    COMPARE_CLOSE(derived.flood->tailwaterLevel, 101.75, 1e-15);
    COMPARE_CLOSE(derived.flood->inputs.ht, 1.75, 1e-14);
    COMPARE_CLOSE(derived.flood->inputs.q, 3.5, 1e-15);

    const DesignFileReading basin = readDesignFile(goodWeir + goodTable + goodFlood
                    + "[basin]\nsubmergence = 1.1\nbed = \"coarse-sand\"\nslope_length = 0\n",
            u"b.toml"_qs);
    QVERIFY(basin.design);
    QCOMPARE(basin.design->basin.submergence, std::optional<double>(1.1));
    QCOMPARE(basin.design->basin.ks, std::optional<double>(12));
    QCOMPARE(basin.design->basin.slopeLength, std::optional<double>(0));
    QVERIFY(!basin.design->basin.beta);

    // A line-ending backslash, then a letter beyond ASCII: part of the name.
    const DesignFileReading named = readDesignFile(goodWeir + goodTable + goodFlood
                    + "[project]\nname = \"\"\"Rivi\\\n   \xc3\xa8re \"\"\"\n",
            u"n.toml"_qs);
    QVERIFY2(named.design, qPrintable(firstMessage(named)));
    QCOMPARE(named.design->project.name, u"Rivi\u00e8re"_qs);
}

void TestDesignFile::exampleFile()
{
    QFile example(QStringLiteral(VARNOLT_EXAMPLE_DESIGN));
    QVERIFY(example.open(QIODevice::ReadOnly));
    const DesignFileReading reading = readDesignFile(example.readAll(), u"weir-design.toml"_qs);
    QVERIFY2(reading.errors.empty(), qPrintable(firstMessage(reading)));
    const DesignFile &file = *reading.design;
    QCOMPARE(file.project.name, u"Example weir"_qs);
    QCOMPARE(file.basin.submergence, std::optional<double>(1.05));

    const QList<QStringList> rows = referenceRows(u"example"_qs);
    QCOMPARE(qsizetype(file.floods.size()), rows.size());
    QString failure;
    for (std::size_t i = 0; i < file.floods.size(); ++i) {
        const QStringList &row = rows[qsizetype(i)];
        const FloodCaseOutcome outcome = floodCase(file, i, FloodSettings{});
        QVERIFY2(outcome.flood, qPrintable(outcome.error ? outcome.error->message : QString()));
        const CaseInputs &inputs = outcome.flood->inputs;
        QCOMPARE(inputs.name, row[0]);
        QCOMPARE(inputs.line, file.floods[i].position.line);
        COMPARE_CLOSE(inputs.q, number(row[2]), 1e-15);
        COMPARE_CLOSE(inputs.H, number(row[3]), 1e-13);
        COMPARE_CLOSE(inputs.v, number(row[4]), 1e-13);
        COMPARE_CLOSE(inputs.ht, number(row[5]), 1e-13);
        COMPARE_CLOSE(outcome.flood->upstreamLevel, number(row[6]), 1e-14);
        COMPARE_CLOSE(outcome.flood->tailwaterLevel, number(row[7]), 1e-14);

        const std::optional<ScanPoint> basin
                = basinAtDischarge(file, file.floods[i].discharge, FloodSettings{}, 0.95, failure);
        QVERIFY2(basin, qPrintable(failure));
        COMPARE_CLOSE(basin->d, number(row[8]), 1e-9);
        const DesignLevels levels
                = designLevels(file.weir.crest, file.weir.floor, inputs.H, inputs.ht, basin->d, {});
        COMPARE_CLOSE(levels.upstream, number(row[6]), 1e-14);
        COMPARE_CLOSE(levels.tailwater, number(row[7]), 1e-14);
        COMPARE_CLOSE(levels.basinFloor, 100.0 - number(row[8]), 1e-9);
        QVERIFY(!levels.jump);
    }
    const QList<QStringList> scanRows = referenceRows(u"example scan"_qs);
    QCOMPARE(scanRows.size(), 1);
    const DischargeScan scan = scanDischarges(file, FloodSettings{}, 0.95);
    QVERIFY(scan.depth);
    QVERIFY(std::abs(scan.depth->discharge - number(scanRows[0][1])) <= 1e-3 * 360);
    COMPARE_CLOSE(scan.depth->d, number(scanRows[0][3]), 1e-6);
}

QTEST_GUILESS_MAIN(TestDesignFile)
#include "tst_design_file.moc"
