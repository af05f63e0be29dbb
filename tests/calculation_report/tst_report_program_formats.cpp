// varnolt-report writing the calculation report, run for real: the format
// from the extension or --format, the language and title options, and the
// refusals that leave nothing written.
#include "report_program_run.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The report dated today, or by the SOURCE_DATE_EPOCH among the given
// variables.
ReportRun runReport(const QStringList &arguments, const QStringList &environment = {})
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(u"SOURCE_DATE_EPOCH"_s);
    for (const QString &entry : environment)
        env.insert(entry.section(u'=', 0, 0), entry.section(u'=', 1));
    return runReportProgram(arguments, env);
}

const QByteArray cases = "name,q,H,a1,v,ht\n\"<b>worked</b> & co\",10,3,5,1,3\n"
                         "submerged,10,3,5,1,6\n";

} // namespace

class TestReportProgramFormats : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void writesTheReport_data();
    void writesTheReport();
    void refusesAndWritesNothing_data();
    void refusesAndWritesNothing();
    void datedBySourceDateEpoch();
    void refusesADateItCannotShow();
    void wordWriterMissing();

private:
    QTemporaryDir m_dir;
    QString m_cases;
};

void TestReportProgramFormats::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_cases = m_dir.filePath(u"cases.csv"_s);
    QFile f(m_cases);
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(cases) == cases.size());
}

void TestReportProgramFormats::writesTheReport_data()
{
    QTest::addColumn<QStringList>("options"); // besides the case file
    QTest::addColumn<QString>("file"); // empty: standard output
    QTest::addColumn<QByteArray>("startsWith");
    QTest::addColumn<QByteArrayList>("contains");

    const QByteArray html = "<!DOCTYPE html>\n<html lang=\"zh-CN\">";
    QTest::newRow("html by extension")
            << QStringList{u"-o"_s, u"r.html"_s} << u"r.html"_s << html
            << QByteArrayList{
                       "<title>\xe6\xb6\x88\xe8\x83\xbd\xe8\xae\xa1\xe7\xae\x97\xe4\xb9\xa6 ",
                       "&lt;b&gt;worked&lt;/b&gt; &amp; co", "<svg "};
    QTest::newRow("htm by extension")
            << QStringList{u"-o"_s, u"r.HTM"_s} << u"r.HTM"_s << html << QByteArrayList{};
    QTest::newRow("html by --format to standard output")
            << QStringList{u"--format"_s, u"html"_s} << QString() << html << QByteArrayList{};
    QTest::newRow("--format html over .txt") << QStringList{u"--format=html"_s, u"-o"_s, u"r.txt"_s}
                                             << u"r.txt"_s << html << QByteArrayList{};
    QTest::newRow("english, titled")
            << QStringList{u"--lang"_s, u"en"_s, u"--title"_s, u"Weir <3>"_s, u"-o"_s, u"e.html"_s}
            << u"e.html"_s << QByteArray("<!DOCTYPE html>\n<html lang=\"en\">")
            << QByteArrayList{"<h1>Weir &lt;3&gt;</h1>", "A remote jump forms downstream"};
    QTest::newRow("markdown")
            << QStringList{u"-o"_s, u"r.md"_s} << u"r.md"_s
            << QByteArray("# \xe6\xb6\x88\xe8\x83\xbd\xe8\xae\xa1\xe7\xae\x97\xe4\xb9\xa6\n")
            << QByteArrayList{"&lt;b&gt;worked&lt;/b&gt; &amp; co"};
    QTest::newRow("markdown in english by --format")
            << QStringList{u"--format"_s, u"markdown"_s, u"--lang=en"_s} << QString()
            << QByteArray("# Energy Dissipator Calculation Report\n")
            << QByteArrayList{"## 4 Summary of results"};
}

void TestReportProgramFormats::writesTheReport()
{
    QFETCH(QStringList, options);
    QFETCH(QString, file);
    QFETCH(QByteArray, startsWith);
    QFETCH(QByteArrayList, contains);
    QStringList arguments{m_cases};
    for (const QString &o : options)
        arguments << (!file.isEmpty() && o == file ? m_dir.filePath(o) : o);
    const ReportRun run = runReport(arguments);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QString());
    const QByteArray written = file.isEmpty() ? run.out : fileContents(m_dir.filePath(file));
    QVERIFY2(written.startsWith(startsWith), written.left(200).constData());
    for (const QByteArray &part : contains)
        QVERIFY2(written.contains(part), part.constData());
    QVERIFY(!written.contains("<b>worked"));
}

void TestReportProgramFormats::refusesAndWritesNothing_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("message");
    QTest::newRow("unknown language") << QStringList{u"--lang"_s, u"fr"_s}
                                      << u"option --lang: unknown language 'fr' (zh, en)"_s;
}

void TestReportProgramFormats::refusesAndWritesNothing()
{
    QFETCH(QStringList, options);
    QFETCH(QString, message);
    const QString target = m_dir.filePath(u"refused.html"_s);
    const ReportRun run = runReport(QStringList{m_cases, u"-o"_s, target} + options);
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QVERIFY(!QFile::exists(target));
}

void TestReportProgramFormats::datedBySourceDateEpoch()
{
    // 2026-12-07 12:00 UTC.
    const ReportRun run = runReport({m_cases, u"--format"_s, u"html"_s, u"--lang"_s, u"en"_s},
            {u"SOURCE_DATE_EPOCH=1796644800"_s});
    QCOMPARE(run.status, 0);
    QVERIFY(run.out.contains("Date: 2026-12-07"));
    const ReportRun again = runReport({m_cases, u"--format"_s, u"html"_s, u"--lang"_s, u"en"_s},
            {u"SOURCE_DATE_EPOCH=1796644800"_s});
    QCOMPARE(again.out, run.out);
}

// A SOURCE_DATE_EPOCH past the last day a report can show is a usage
// error, not a report dated with no day; the formats without a date do not
// read it.
void TestReportProgramFormats::refusesADateItCannotShow()
{
    const QString target = m_dir.filePath(u"undated.html"_s);
    const QStringList huge{u"SOURCE_DATE_EPOCH=99999999999999999"_s};
    const ReportRun run = runReport({m_cases, u"-o"_s, target}, huge);
    QCOMPARE(run.status, 2);
    QVERIFY2(run.err.startsWith(u"varnolt-report: SOURCE_DATE_EPOCH: '99999999999999999' is not"_s),
            qPrintable(run.err));
    QVERIFY(!QFile::exists(target));
    const ReportRun csv = runReport({m_cases, u"--format"_s, u"csv"_s}, huge);
    QCOMPARE(csv.status, 0);
    QCOMPARE(csv.err, QString());
}

// The Word writer is a module the program loads only for a Word document.
// A program without it writes every other format, and refuses a Word
// document with the reason, writing nothing.
void TestReportProgramFormats::wordWriterMissing()
{
    QTemporaryDir alone;
    QVERIFY(alone.isValid());
    const QString program = alone.filePath(u"varnolt-report"_s);
    QVERIFY(QFile::copy(QStringLiteral(VARNOLT_REPORT_PROGRAM), program));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"LC_ALL"_s, u"C.UTF-8"_s);
    env.remove(u"LANGUAGE"_s);
    const auto run = [&](const QString &target) {
        QProcess process;
        process.setProcessEnvironment(env);
        process.start(program, {m_cases, u"-o"_s, target});
        process.closeWriteChannel();
        const bool finished = process.waitForFinished(60000);
        return std::pair{
                finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardError())};
    };

    const QString html = alone.filePath(u"r.html"_s);
    QCOMPARE(run(html).first, 0);
    QVERIFY(fileContents(html).startsWith("<!DOCTYPE html>"));

    const QString docx = alone.filePath(u"r.docx"_s);
    const auto [status, err] = run(docx);
    QCOMPARE(status, 2);
    QVERIFY2(err.contains(u"cannot write: the Word writer (varnolt-docx.so) is not installed"_s),
            qPrintable(err));
    QVERIFY(!QFile::exists(docx));
}

QTEST_GUILESS_MAIN(TestReportProgramFormats)
#include "tst_report_program_formats.moc"
