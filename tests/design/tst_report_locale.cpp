// The report program speaks the user's language: its help and messages
// follow LANG (Chinese under zh_CN.UTF-8, English under C), while the
// calculation report keeps to --lang whatever the locale.
#include "report_program_run.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TestReportLocale : public QObject {
    Q_OBJECT

private slots:
    void messagesFollowTheLocale_data();
    void messagesFollowTheLocale();
    void reportLanguageIgnoresTheLocale_data();
    void reportLanguageIgnoresTheLocale();
    void caseFileWordsFollowTheLocale_data();
    void caseFileWordsFollowTheLocale();
};

using namespace Qt::StringLiterals;

namespace {

QProcessEnvironment environmentOf(const QString &locale)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LANGUAGE"));
    environment.insert(QStringLiteral("LC_ALL"), locale);
    environment.insert(QStringLiteral("LANG"), locale);
    return environment;
}

} // namespace

void TestReportLocale::messagesFollowTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("line"); // a whole line of its output or error

    const QStringList help{QStringLiteral("--help")};
    const QStringList unknown{QStringLiteral("--bogus")};
    const QStringList negativeLs{QStringLiteral("--q=1"), QStringLiteral("--H=2"),
            QStringLiteral("--a1=3"), QStringLiteral("--v=0"), QStringLiteral("--ht=1"),
            QStringLiteral("--ls=-1")};
    const QStringList noCases{QStringLiteral("--lang=en")};
    const QStringList unusual{QStringLiteral("--q=10"), QStringLiteral("--H=3"),
            QStringLiteral("--a1=5"), QStringLiteral("--v=1"), QStringLiteral("--ht=4.36829"),
            QStringLiteral("--sigma=1.2"), QStringLiteral("--k1=0.3"), QStringLiteral("--name=a"),
            QStringLiteral("--format=json")};

    QTest::newRow("help, C") << u"C"_s << help << 0
                             << u"Usage: varnolt-report [OPTION]... CASES.csv"_s;
    QTest::newRow("help, zh_CN") << u"zh_CN.UTF-8"_s << help << 0
                                 << u"用法：varnolt-report [选项]... 工况.csv"_s;
    QTest::newRow("help's bed class, zh_CN")
            << u"zh_CN.UTF-8"_s << help << 0
            << u"  --bed CLASS       按河床类别取 Ks 及允许流速 [v0]，"_s;
    QTest::newRow("unknown option, C")
            << u"C"_s << unknown << 2 << u"varnolt-report: unknown option '--bogus'"_s;
    QTest::newRow("unknown option, zh_CN")
            << u"zh_CN.UTF-8"_s << unknown << 2 << u"varnolt-report: 未知选项“--bogus”"_s;
    QTest::newRow("try help, zh_CN")
            << u"zh_CN.UTF-8"_s << unknown << 2 << u"请用“varnolt-report --help”查看更多信息。"_s;
    QTest::newRow("negative ls, C") << u"C.UTF-8"_s << negativeLs << 2
                                    << u"varnolt-report: option --ls: must not be negative"_s;
    QTest::newRow("negative ls, zh_CN")
            << u"zh_CN.UTF-8"_s << negativeLs << 2 << u"varnolt-report: 选项 --ls：不能为负"_s;
    QTest::newRow("no cases, zh_CN")
            << u"zh_CN.UTF-8"_s << noCases << 2
            << u"varnolt-report: 没有工况：请给出工况文件，或用 --q --H --a1 --v --ht 给出一个工况"_s;
    // A coefficient outside its usual range is used, and said, exit 0.
    QTest::newRow("design-wide warning, C")
            << u"C"_s << unusual << 0
            << u"varnolt-report: warning: k1 = 0.3 outside its usual range 0.15–0.2"_s;
    QTest::newRow("case's warning, C")
            << u"C"_s << unusual << 0
            << u"varnolt-report: warning: sigma = 1.2 outside its usual range 1.05–1.1 (case a)"_s;
    QTest::newRow("case's warning, zh_CN")
            << u"zh_CN.UTF-8"_s << unusual << 0
            << u"varnolt-report：警告：sigma = 1.2 超出常用范围 1.05～1.1（工况 a）"_s;
}

void TestReportLocale::messagesFollowTheLocale()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, line);

    const ReportRun run = runReportProgram(arguments, environmentOf(locale));
    QCOMPARE(run.status, status);
    // Output and error both: a warning goes to standard error with status 0.
    const QString shown = QString::fromUtf8(run.out) + u'\n' + run.err;
    QVERIFY2(shown.split(u'\n').contains(line), qPrintable(shown));
}

void TestReportLocale::reportLanguageIgnoresTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("heading");

    QTest::newRow("Chinese report under C") << u"C"_s << u"zh"_s << u"## 1 设计条件"_s;
    QTest::newRow("English report under zh_CN")
            << u"zh_CN.UTF-8"_s << u"en"_s << u"## 1 Design conditions"_s;
}

void TestReportLocale::reportLanguageIgnoresTheLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, language);
    QFETCH(QString, heading);

    const ReportRun run = runReportProgram(
            {QStringLiteral("--q=10"), QStringLiteral("--H=3"), QStringLiteral("--a1=5"),
                    QStringLiteral("--v=1"), QStringLiteral("--ht=2"),
                    QStringLiteral("--format=md"), QStringLiteral("--lang=") + language},
            environmentOf(locale));
    QCOMPARE(run.status, 0);
    QVERIFY2(QString::fromUtf8(run.out).split(u'\n').contains(heading), run.out.constData());
}

// A case file's faults and the terminal table follow the locale too; the
// column keys inside the messages and the CSV's header, which machines
// read, do not.
void TestReportLocale::caseFileWordsFollowTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("cases");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("messages"); // lines of standard error, after the file's path
    QTest::addColumn<QStringList>("headers"); // some of the table's column headers
    QTest::addColumn<QString>("summary"); // a whole line below the table

    // A row that cannot be read, then one case, then its name again.
    const QByteArray rows = "name,q,H,a1,v,ht\nbad,x,3,5,1,2\ngood,10,3,5,1,2\ngood,10,3,5,1,2\n";
    const QByteArray unknownColumn = "name,q,H,a1,v,ht,bogus\n";

    QTest::newRow("rows, C") << u"C"_s << rows << 1
                             << QStringList{u":2: column q: 'x' is not a number"_s,
                                        u":4: column name: warning: 'good' also names the case "
                                        u"at line 3"_s}
                             << QStringList{u"case"_s, u"jump"_s, u"decision"_s, u"governs"_s}
                             << u"Adopted basin depth: 1.75 m, governed by good (line 3)"_s;
    QTest::newRow("rows, zh_CN") << u"zh_CN.UTF-8"_s << rows << 1
                                 << QStringList{u":2: 列 q：“x”不是数"_s,
                                            u":4: 列 name：警告：“good”与第 3 行的工况同名"_s}
                                 << QStringList{u"工况"_s, u"水跃"_s, u"判定"_s, u"控制"_s}
                                 << u"采用池深：1.75 m，控制工况：good（第 3 行）"_s;
    // A case the jump-type check stops: the kind of error in the table's
    // language, its key beside a translation; the sentence keeps to --lang.
    const QByteArray stopped = "name,q,H,a1,v,ht\nsmall,100,0.1,0.1,0,2\n";
    QTest::newRow("stopped case, C")
            << u"C"_s << stopped << 0 << QStringList() << QStringList{u"case"_s}
            << u"small: Command1 stopped, no solution: 总水头不足以通过该单宽流量，收缩断面水深无解。"_s;
    QTest::newRow("stopped case, zh_CN")
            << u"zh_CN.UTF-8"_s << stopped << 0 << QStringList() << QStringList{u"工况"_s}
            << u"small：Command1 中止，无解 (no solution)：总水头不足以通过该单宽流量，收缩断面水深无解。"_s;
    QTest::newRow("unknown column, C")
            << u"C"_s << unknownColumn << 2
            << QStringList{u":1: column bogus: unknown column (the columns are name, q, H, a1, v, "
                           u"ht, phi, sigma, uplift)"_s}
            << QStringList() << QString();
    QTest::newRow("unknown column, zh_CN")
            << u"zh_CN.UTF-8"_s << unknownColumn << 2
            << QStringList{u":1: 列 bogus：未知的列（可用的列为 name、q、H、a1、v、ht、phi、sigma、"
                           u"uplift）"_s}
            << QStringList() << QString();
}

void TestReportLocale::caseFileWordsFollowTheLocale()
{
    QFETCH(QString, locale);
    QFETCH(QByteArray, cases);
    QFETCH(int, status);
    QFETCH(QStringList, messages);
    QFETCH(QStringList, headers);
    QFETCH(QString, summary);

    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    const QString path = directory.filePath(u"cases.csv"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(cases) == cases.size());
    file.close();

    const ReportRun table = runReportProgram({path}, environmentOf(locale));
    QCOMPARE(table.status, status);
    const QStringList errorLines = table.err.split(u'\n');
    for (const QString &message : std::as_const(messages))
        QVERIFY2(errorLines.contains(path + message), qPrintable(table.err));

    const QStringList lines = QString::fromUtf8(table.out).split(u'\n');
    if (headers.isEmpty()) {
        QVERIFY2(table.out.isEmpty(), table.out.constData());
    } else {
        // The header's cells stand two or more blanks apart.
        const QStringList cells = lines.front().split(QRegularExpression(u"\\s{2,}"_s));
        QCOMPARE(cells.front(), headers.front());
        for (const QString &header : std::as_const(headers))
            QVERIFY2(cells.contains(header), qPrintable(lines.front()));
        QVERIFY2(lines.contains(summary), table.out.constData());
    }

    // The CSV's header is the same under every locale.
    const QStringList csvArguments{path, u"--format=csv"_s};
    const ReportRun csv = runReportProgram(csvArguments, environmentOf(locale));
    const ReportRun csvInC = runReportProgram(csvArguments, environmentOf(u"C"_s));
    QCOMPARE(csv.status, status);
    QCOMPARE(csv.out.left(csv.out.indexOf('\n')), csvInC.out.left(csvInC.out.indexOf('\n')));
    if (!headers.isEmpty())
        QVERIFY(csv.out.startsWith("\xEF\xBB\xBFname,q (m²/s),H (m),a1 (m),v (m/s),ht (m),"));
}

QTEST_GUILESS_MAIN(TestReportLocale)
#include "tst_report_locale.moc"
