// The report program speaks the user's language: its help and messages
// follow LANG (Chinese under zh_CN.UTF-8, English under C), while the
// calculation report keeps to --lang whatever the locale.
#include "report_program_run.h"

#include <QTest>

class TestReportLocale : public QObject {
    Q_OBJECT

private slots:
    void messagesFollowTheLocale_data();
    void messagesFollowTheLocale();
    void reportLanguageIgnoresTheLocale_data();
    void reportLanguageIgnoresTheLocale();
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
}

void TestReportLocale::messagesFollowTheLocale()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, line);

    const ReportRun run = runReportProgram(arguments, environmentOf(locale));
    QCOMPARE(run.status, status);
    const QString shown = status == 0 ? QString::fromUtf8(run.out) : run.err;
    QVERIFY2(shown.split(u'\n').contains(line), qPrintable(shown));
}

void TestReportLocale::reportLanguageIgnoresTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("heading");

    QTest::newRow("Chinese report under C") << u"C"_s << u"zh"_s << u"## 1 计算依据"_s;
    QTest::newRow("English report under zh_CN")
            << u"zh_CN.UTF-8"_s << u"en"_s << u"## 1 Basis of the calculation"_s;
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

QTEST_GUILESS_MAIN(TestReportLocale)
#include "tst_report_locale.moc"
