// The installed shape of the program: run for real, its exit statuses, its
// messages on standard error, output written whole or not at all, and the
// workbook read back from its zip of XML.
#include "report_program_run.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

const QByteArray goodCases = "name,q,H,a1,v,ht\nworked,10,3,5,1,3\nhigh weir,5,2,30,1,3\n"
                             "submerged,10,3,5,1,6\n";
const QByteArray oneBadRow = "name,q,H,a1,v,ht\nworked,10,3,5,1,3\nbad,10,x,5,1,3\n"
                             "high weir,5,2,30,1,3\n";
const QByteArray unknownColumn = "name,q,H,a1,v,ht,sigam\nworked,10,3,5,1,3,1.2\n";
const QByteArray earlierReport = "an earlier report\n";

} // namespace

class TestReportProgram : public QObject {
    Q_OBJECT

private slots:
    void init();
    void exitStatuses_data();
    void exitStatuses();
    void refusesToWriteOverItsInput();
    void rowMessageKeepsThePath_data();
    void rowMessageKeepsThePath();
    void oneCaseByOptions();
    void lineBreakInAName_data();
    void lineBreakInAName();
    void workbookReadBack();
    void helpAndVersion();

private:
    QTemporaryDir m_dir;
    QString path(const char *name) const { return m_dir.filePath(QString::fromUtf8(name)); }
};

void TestReportProgram::init()
{
    QVERIFY(m_dir.isValid());
    for (const QString &name : QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden))
        QFile::remove(m_dir.filePath(name));
}

void TestReportProgram::exitStatuses_data()
{
    QTest::addColumn<QByteArray>("cases");
    QTest::addColumn<QStringList>("arguments"); // CASES and OUT stand for the two files
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("stderrPattern");
    QTest::addColumn<int>("casesWritten"); // -1: the earlier report is left as it was

    QTest::newRow("every row read")
            << goodCases << QStringList{"CASES", "-o", "OUT"} << 0 << QString() << 3;
    QTest::newRow("a bad row is reported, the others written")
            << oneBadRow << QStringList{"CASES", "-o", "OUT"} << 1
            << QStringLiteral("^[^\\n]*cases\\.csv:3: column H: 'x' is not a number\\n$") << 2;
    QTest::newRow("an impossible input is an unread row, on standard error")
            << QByteArray("name,q,H,a1,v,ht,phi\nworked,10,3,5,1,3,\nhigh weir,5,2,30,1,3,\n"
                          "submerged,10,3,5,1,6,\nnegative,-10,3,5,1,3,\nphi,10,3,5,1,3,1.5\n")
            << QStringList{"CASES", "-o", "OUT"} << 1
            << QStringLiteral("^[^\\n]*cases\\.csv:5: column q: '-10' is impossible: the value "
                              "must be ≥ 0\\n[^\\n]*cases\\.csv:6: column phi: '1.5' is "
                              "impossible: the value must be 0 ~ 1\\n$")
            << 3;
    QTest::newRow("a name given twice is warned of")
            << QByteArray(goodCases + "worked,1,3,5,1,3\n") << QStringList{"CASES", "-o", "OUT"}
            << 0
            << QStringLiteral("^[^\\n]*cases\\.csv:5: column name: warning: 'worked' also names "
                              "the case at line 2\\n$")
            << 4;
    QTest::newRow("a header and no case: said, nothing written")
            << QByteArray("name,q,H,a1,v,ht\n;;;\n") << QStringList{"CASES", "-o", "OUT"} << 1
            << QStringLiteral("cases\\.csv:1: column header: a header and no case") << -1;
    QTest::newRow("an impossible option: nothing written")
            << goodCases
            << QStringList{"--q", "10", "--H", "3", "--a1", "5", "--v", "1", "--ht", "3", "--sigma",
                       "0.9", "-o", "OUT"}
            << 2 << QStringLiteral("option --sigma: '0.9' is impossible: the value must be ≥ 1")
            << -1;
    QTest::newRow("unknown column: nothing written")
            << unknownColumn << QStringList{"CASES", "-o", "OUT"} << 2
            << QStringLiteral("cases\\.csv:1: column sigam: unknown column") << -1;
    QTest::newRow("unknown option: nothing written")
            << goodCases << QStringList{"CASES", "--sigmaa", "1", "-o", "OUT"} << 2
            << QStringLiteral("unknown option '--sigmaa'.*--help") << -1;
    QTest::newRow("the same option twice: nothing written")
            << goodCases << QStringList{"CASES", "-o", "OUT", "--output", "OUT"} << 2
            << QStringLiteral("^varnolt-report: option --output is given more than once\\n.*--help")
            << -1;
    QTest::newRow("missing case file") << QByteArray() << QStringList{"CASES", "-o", "OUT"} << 2
                                       << QStringLiteral("cases\\.csv: cannot read") << -1;
    QTest::newRow("unwritable folder") << goodCases << QStringList{"CASES", "-o", "NOFOLDER"} << 2
                                       << QStringLiteral("cannot write") << -1;
}

void TestReportProgram::exitStatuses()
{
    QFETCH(QByteArray, cases);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, stderrPattern);
    QFETCH(int, casesWritten);

    const QString casesPath = path("cases.csv");
    const QString outPath = path("report.json");
    if (!cases.isEmpty())
        QVERIFY(writeFile(casesPath, cases));
    QVERIFY(writeFile(outPath, earlierReport));
    for (QString &argument : arguments) {
        if (argument == QLatin1String("CASES"))
            argument = casesPath;
        else if (argument == QLatin1String("OUT"))
            argument = outPath;
        else if (argument == QLatin1String("NOFOLDER"))
            argument = path("no/such/folder/report.json");
    }

    const ReportRun run = runReportProgram(arguments);
    QCOMPARE(run.status, status);
    if (stderrPattern.isEmpty())
        QCOMPARE(run.err, QString());
    else
        QVERIFY2(QRegularExpression(stderrPattern, QRegularExpression::DotMatchesEverythingOption)
                         .match(run.err)
                         .hasMatch(),
                qPrintable(run.err));

    const QByteArray written = fileContents(outPath);
    if (casesWritten < 0) {
        QCOMPARE(written, earlierReport);
    } else {
        const QJsonDocument document = QJsonDocument::fromJson(written);
        QCOMPARE(document[u"cases"].toArray().size(), casesWritten);
        QCOMPARE(document[u"governing"][u"depth"].toString(), QStringLiteral("high weir"));
    }
    // No temporary file is left beside the target.
    const QStringList left = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden);
    for (const QString &name : left)
        QVERIFY2(name == QLatin1String("cases.csv") || name == QLatin1String("report.json"),
                qPrintable(name));
}

void TestReportProgram::refusesToWriteOverItsInput()
{
    const QString casesPath = path("cases.csv");
    QVERIFY(writeFile(casesPath, goodCases));
    QVERIFY(QFile::link(casesPath, path("link.csv")));
    for (const QString &target : {casesPath, path("link.csv"), path("./cases.csv")}) {
        const ReportRun run = runReportProgram({casesPath, QStringLiteral("--format"),
                QStringLiteral("csv"), QStringLiteral("-o"), target});
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(QStringLiteral("refusing to write over the case file")),
                qPrintable(run.err));
        QCOMPARE(fileContents(casesPath), goodCases);
    }
}

void TestReportProgram::rowMessageKeepsThePath_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("placeholders") << QStringLiteral("cases %1 %2.csv");
    QTest::newRow("a placeholder of the line") << QStringLiteral("%2%3%4.csv");
    QTest::newRow("percent signs") << QStringLiteral("100% %L1 %%.csv");
}

// The bad row's message names the case file exactly as given, whatever
// placeholders of the message's own its name holds.
void TestReportProgram::rowMessageKeepsThePath()
{
    QFETCH(QString, fileName);
    const QString casesPath = m_dir.filePath(fileName);
    QVERIFY(writeFile(casesPath, oneBadRow));
    const ReportRun run = runReportProgram({casesPath, QStringLiteral("-o"), path("report.json")});
    QCOMPARE(run.status, 1);
    QCOMPARE(run.err, casesPath + QStringLiteral(":3: column H: 'x' is not a number\n"));
}

// One case by options, read from standard output: the README's worked
// example, figure for figure as the window shows it.
void TestReportProgram::lineBreakInAName_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("expected"); // what the output must hold
    QTest::addColumn<QString>("absent"); // what it must not

    QTest::newRow("table: a blank, and the row") << "table"
                                                 << "governed by: high weir (line 3; d = "
                                                 << "high\nweir";
    QTest::newRow("report: a blank, and the row") << "markdown"
                                                  << "high weir (line 3)"
                                                  << "high\nweir";
    QTest::newRow("JSON keeps it") << "json"
                                   << "\"high\\u000aweir\""
                                   << "high weir";
    QTest::newRow("CSV keeps it") << "csv"
                                  << "\"high\nweir\""
                                  << "high weir";
}

// A line break typed in a spreadsheet cell is part of the name: kept where
// the output can hold it, a blank where a line is a line, and the governing
// case named by its row as well.
void TestReportProgram::lineBreakInAName()
{
    QFETCH(QString, format);
    QFETCH(QString, expected);
    QFETCH(QString, absent);
    const QString casesPath = path("cases.csv");
    QVERIFY(writeFile(
            casesPath, "name,q,H,a1,v,ht\nworked,10,3,5,1,3\n\"high\r\nweir\",5,2,30,1,3\n"));
    const ReportRun run
            = runReportProgram({casesPath, QStringLiteral("--format"), format, "--lang", "en"});
    QCOMPARE(run.err, QString());
    QCOMPARE(run.status, 0);
    const QString out = QString::fromUtf8(run.out);
    QVERIFY2(out.contains(expected), qPrintable(out));
    QVERIFY2(!out.contains(absent), qPrintable(out));
}

void TestReportProgram::oneCaseByOptions()
{
    const ReportRun run = runReportProgram({QStringLiteral("--q"), QStringLiteral("10"),
            QStringLiteral("--H"), QStringLiteral("3"), QStringLiteral("--a1"), QStringLiteral("5"),
            QStringLiteral("--v"), QStringLiteral("1"), QStringLiteral("--ht=3"),
            QStringLiteral("--name"), QStringLiteral("worked"), QStringLiteral("--format"),
            QStringLiteral("json")});
    QCOMPARE(run.status, 0);
    const QJsonObject only = QJsonDocument::fromJson(run.out)[u"cases"][0].toObject();
    QCOMPARE(only[u"name"].toString(), QStringLiteral("worked"));
    QCOMPARE(only[u"check"][u"texts"][u"Text9"].toString(), QStringLiteral("4.36829"));
    QCOMPARE(float(only[u"check"][u"hco2"].toDouble()), 4.36829f);
    QCOMPARE(only[u"basin"][u"texts"][u"Text11"].toString(), QStringLiteral("1.466713"));
    QCOMPARE(only[u"basin"][u"texts"][u"Text12"].toString(), QStringLiteral("18.55----21.2"));
    QVERIFY(only[u"basin"][u"apron_length"].isNull());
}

// The workbook is a zip of XML: the case sheet holds the inputs as numeric
// cells (no string type), one row per case, and the header names the units.
void TestReportProgram::workbookReadBack()
{
    const QString casesPath = path("cases.csv");
    const QString book = path("design.xlsx");
    QVERIFY(writeFile(casesPath, goodCases));
    const ReportRun run = runReportProgram({casesPath, QStringLiteral("-o"), book,
            QStringLiteral("--bed"), QStringLiteral("coarse-sand")});
    QCOMPARE(run.status, 0);

    QProcess unzip;
    unzip.start(QStringLiteral("unzip"),
            {QStringLiteral("-p"), book, QStringLiteral("xl/worksheets/sheet1.xml")});
    QVERIFY(unzip.waitForFinished(30000));
    const QString sheet = QString::fromUtf8(unzip.readAllStandardOutput());
    QVERIFY2(sheet.contains(QStringLiteral("<sheetData>")),
            qPrintable(unzip.readAllStandardError()));
    // Row 3 is the high weir: q 5, H 2, a1 30 in B3, C3, D3 as plain numbers.
    for (const auto &[cell, value] : {std::pair{"B3", "5"}, std::pair{"C3", "2"},
                 std::pair{"D3", "30"}, std::pair{"F2", "3"}}) {
        const QString expected = QStringLiteral("<c r=\"%1\"[^>]*><v>%2</v></c>")
                                         .arg(QLatin1String(cell), QLatin1String(value));
        const auto match = QRegularExpression(expected).match(sheet);
        QVERIFY2(match.hasMatch(), qPrintable(expected));
        QVERIFY(!match.captured().contains(QStringLiteral("t=\"s\"")));
    }
    QVERIFY(sheet.contains(QStringLiteral("<row r=\"4\"")));
    QVERIFY(!sheet.contains(QStringLiteral("<row r=\"5\"")));

    unzip.start(QStringLiteral("unzip"),
            {QStringLiteral("-p"), book, QStringLiteral("xl/sharedStrings.xml")});
    QVERIFY(unzip.waitForFinished(30000));
    const QString strings = QString::fromUtf8(unzip.readAllStandardOutput());
    QVERIFY(strings.contains(QStringLiteral("q (m²/s)")));
    QVERIFY(strings.contains(QStringLiteral("depth, length")));
}

void TestReportProgram::helpAndVersion()
{
    const ReportRun help = runReportProgram({QStringLiteral("--help")});
    QCOMPARE(help.status, 0);
    QVERIFY(help.out.startsWith("Usage: varnolt-report"));
    for (const char *keyword : {"--bed", "fine-sand", "stiff-clay", "--format", "Exit status"})
        QVERIFY2(help.out.contains(keyword), keyword);
    QCOMPARE(help.err, QString());
    const ReportRun version = runReportProgram({QStringLiteral("--version")});
    QCOMPARE(version.status, 0);
    QVERIFY(QRegularExpression(QStringLiteral("^varnolt-report \\d+\\.\\d+\\.\\d+\\n$"))
                    .match(QString::fromUtf8(version.out))
                    .hasMatch());
    const ReportRun none = runReportProgram({});
    QCOMPARE(none.status, 2);
    QVERIFY(none.err.contains(QStringLiteral("--help")));
}

QTEST_GUILESS_MAIN(TestReportProgram)
#include "tst_report_program.moc"
