// Where `-o` writes, run for real: a file is replaced whole and keeps its
// mode and owner, a link leads to the file it names and stays a link, a
// device or FIFO is written through and stays what it is (a full disk is an
// error), `-` is standard output, and the case file is never written over,
// not even when it arrives on standard input. A report larger than the
// pieces handed to the disk as it is written arrives whole; a write that
// fails is said after every warning.
#include "report_program_run.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace {

const QByteArray cases = "name,q,H,a1,v,ht\nworked,10,3,5,1,3\nhigh weir,5,2,30,1,3\n"
                         "submerged,10,3,5,1,6\n";
const QByteArray earlier = "an earlier report\n";

// What is at DIR/report.json (or the path given) before the run.
enum class Setup {
    Nothing,
    File, // an earlier report, mode 0600
    FileOfAnotherUser, // mode 0640, owned by nobody:nogroup (root only)
    Link, // link.json -> report.json, an earlier report
    LinkChain, // chain.json -> sub/link.json -> ../report.json (relative links)
    DanglingLink, // link.json -> report.json, which does not exist yet
    NullDevice, // DIR/null, a node of /dev/null's device (or /dev/null itself)
    FullDevice, // DIR/full, a node of /dev/full's device (or /dev/full itself)
    Fifo, // DIR/fifo, with a reader
    CasesOnStandardInput, // cases.csv on standard input
    CasesLinkedOnStandardInput, // cases.csv on standard input, -o a link to it
};

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

struct stat statusOf(const QString &path)
{
    struct stat status { };
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        status.st_mode = 0;
    return status;
}

// A device node in the test's folder, so that a faulty program replaces
// only that and never the machine's own /dev/null; where nodes cannot be
// made (not root), the machine's device, which such a user cannot replace.
QString deviceNode(const QString &folder, const char *name, unsigned minor)
{
    QString node = folder + QLatin1Char('/') + QLatin1String(name);
    if (::mknod(QFile::encodeName(node).constData(), S_IFCHR | 0666, makedev(1, minor)) == 0)
        return node;
    return QStringLiteral("/dev/") + QLatin1String(name);
}

int casesIn(const QByteArray &json)
{
    return int(QJsonDocument::fromJson(json)[u"cases"].toArray().size());
}

} // namespace

Q_DECLARE_METATYPE(Setup)

class TestReportOutputTargets : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void outputTargets_data();
    void outputTargets();
    void largeReportWrittenWhole();
    void writeErrorAfterEveryWarning_data();
    void writeErrorAfterEveryWarning();

private:
    QTemporaryDir m_dir;
    QString path(const char *name) const { return m_dir.filePath(QString::fromUtf8(name)); }
};

// New files get 0666 less this mask, in the program as in the test.
void TestReportOutputTargets::initTestCase()
{
    ::umask(022);
}

void TestReportOutputTargets::init()
{
    QVERIFY(m_dir.isValid());
    QDir(m_dir.path()).removeRecursively();
    QVERIFY(QDir().mkpath(m_dir.path()));
    QVERIFY(writeFile(path("cases.csv"), cases));
}

void TestReportOutputTargets::outputTargets_data()
{
    QTest::addColumn<Setup>("setup");
    QTest::addColumn<QString>("target"); // -o's argument, in the test's folder unless absolute
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("stderrPattern"); // empty: nothing on standard error
    QTest::addColumn<QString>("reportAt"); // a file, "-" for standard output, empty for none
    QTest::addColumn<int>("mode"); // of report.json afterwards, -1 unchecked
    QTest::addColumn<unsigned>("type"); // of -o's target afterwards, 0 unchecked

    const QString none = QString(); // no file, no message
    QTest::newRow("new file") << Setup::Nothing << "report.json" << 0 << none << "report.json"
                              << 0644 << unsigned(S_IFREG);
    QTest::newRow("0600 file stays 0600") << Setup::File << "report.json" << 0 << none
                                          << "report.json" << 0600 << unsigned(S_IFREG);
    QTest::newRow("another user's file keeps its owner")
            << Setup::FileOfAnotherUser << "report.json" << 0 << none << "report.json" << 0640
            << unsigned(S_IFREG);
    QTest::newRow("link: its file written, the link kept")
            << Setup::Link << "link.json" << 0 << none << "report.json" << 0600
            << unsigned(S_IFLNK);
    QTest::newRow("chain of relative links") << Setup::LinkChain << "chain.json" << 0 << none
                                             << "report.json" << 0600 << unsigned(S_IFLNK);
    QTest::newRow("dangling link: the file it names created")
            << Setup::DanglingLink << "link.json" << 0 << none << "report.json" << 0644
            << unsigned(S_IFLNK);
    QTest::newRow("null device written through")
            << Setup::NullDevice << "null" << 0 << none << none << -1 << unsigned(S_IFCHR);
    QTest::newRow("full device: the write error, the device kept")
            << Setup::FullDevice << "full" << 2 << "full: cannot write: No space left on device\n$"
            << none << -1 << unsigned(S_IFCHR);
    QTest::newRow("FIFO written through")
            << Setup::Fifo << "fifo" << 0 << none << "fifo" << -1 << unsigned(S_IFIFO);
    QTest::newRow("- is standard output") << Setup::Nothing << "-" << 0 << none << "-" << -1 << 0u;
    QTest::newRow("case file on standard input refused")
            << Setup::CasesOnStandardInput << "cases.csv" << 2
            << "cases.csv: refusing to write over the case file" << none << -1 << unsigned(S_IFREG);
    QTest::newRow("link to the case file on standard input refused")
            << Setup::CasesLinkedOnStandardInput << "link.json" << 2
            << "link.json: refusing to write over the case file" << none << -1 << unsigned(S_IFLNK);
}

void TestReportOutputTargets::outputTargets()
{
    QFETCH(Setup, setup);
    QFETCH(QString, target);
    QFETCH(int, status);
    QFETCH(QString, stderrPattern);
    QFETCH(QString, reportAt);
    QFETCH(int, mode);
    QFETCH(unsigned, type);

    const QString report = path("report.json");
    const QByteArray reportPath = QFile::encodeName(report);
    QString standardInput;
    int fifoReader = -1;
    switch (setup) {
    case Setup::Nothing:
        break;
    case Setup::File:
    case Setup::Link:
    case Setup::LinkChain:
        QVERIFY(writeFile(report, earlier));
        QCOMPARE(::chmod(reportPath.constData(), 0600), 0);
        break;
    case Setup::FileOfAnotherUser:
        if (::geteuid() != 0)
            QSKIP("only root gives a file to another user");
        QVERIFY(writeFile(report, earlier));
        QCOMPARE(::chmod(reportPath.constData(), 0640), 0);
        QCOMPARE(::chown(reportPath.constData(), 65534, 65534), 0);
        break;
    case Setup::DanglingLink:
        break;
    case Setup::NullDevice:
        target = deviceNode(m_dir.path(), "null", 3);
        break;
    case Setup::FullDevice:
        target = deviceNode(m_dir.path(), "full", 7);
        break;
    case Setup::Fifo:
        QCOMPARE(::mkfifo(QFile::encodeName(path("fifo")).constData(), 0600), 0);
        // Opened for reading and writing, it does not wait for a writer; the
        // report (a few kilobytes) fits in the pipe until it is read.
        fifoReader = ::open(QFile::encodeName(path("fifo")).constData(), O_RDWR | O_NONBLOCK);
        QVERIFY(fifoReader >= 0);
        break;
    case Setup::CasesOnStandardInput:
    case Setup::CasesLinkedOnStandardInput:
        standardInput = path("cases.csv");
        break;
    }
    if (setup == Setup::Link || setup == Setup::DanglingLink)
        QVERIFY(QFile::link(QStringLiteral("report.json"), path("link.json")));
    if (setup == Setup::LinkChain) {
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("sub")));
        QVERIFY(QFile::link(QStringLiteral("../report.json"), path("sub/link.json")));
        QVERIFY(QFile::link(QStringLiteral("sub/link.json"), path("chain.json")));
    }
    if (setup == Setup::CasesLinkedOnStandardInput)
        QVERIFY(QFile::link(QStringLiteral("cases.csv"), path("link.json")));

    const QString argument = target == QLatin1String("-") || target.startsWith(QLatin1Char('/'))
            ? target
            : m_dir.filePath(target);
    const QStringList arguments = {
            standardInput.isEmpty() ? path("cases.csv") : QStringLiteral("-"),
            QStringLiteral("--format"), QStringLiteral("json"), QStringLiteral("-o"), argument};
    const ReportRun run
            = runReportProgram(arguments, QProcessEnvironment::systemEnvironment(), standardInput);

    QByteArray fromFifo;
    if (fifoReader >= 0) {
        fromFifo.resize(1 << 16);
        const ssize_t n = ::read(fifoReader, fromFifo.data(), std::size_t(fromFifo.size()));
        fromFifo.resize(n > 0 ? n : 0);
        ::close(fifoReader);
    }

    QCOMPARE(run.status, status);
    if (stderrPattern.isEmpty())
        QCOMPARE(run.err, QString());
    else
        QVERIFY2(QRegularExpression(stderrPattern).match(run.err).hasMatch(), qPrintable(run.err));

    if (reportAt == QLatin1String("-"))
        QCOMPARE(casesIn(run.out), 3);
    else
        QCOMPARE(run.out, QByteArray());
    if (reportAt == QLatin1String("fifo"))
        QCOMPARE(casesIn(fromFifo), 3);
    else if (!reportAt.isEmpty() && reportAt != QLatin1String("-"))
        QCOMPARE(casesIn(fileContents(m_dir.filePath(reportAt))), 3);
    QCOMPARE(fileContents(path("cases.csv")), cases);

    const struct stat after = statusOf(report);
    if (mode >= 0)
        QCOMPARE(int(after.st_mode & 07777), mode);
    if (setup == Setup::FileOfAnotherUser) {
        QCOMPARE(after.st_uid, uid_t(65534));
        QCOMPARE(after.st_gid, gid_t(65534));
    }
    if (type != 0)
        QCOMPARE(unsigned(statusOf(argument).st_mode & S_IFMT), type);

    // Nothing is left beside the target but what the run set up and wrote.
    const QStringList left = QDir(m_dir.path())
                                     .entryList(QDir::AllEntries | QDir::Hidden | QDir::System
                                             | QDir::NoDotAndDotDot);
    for (const QString &name : left) {
        QVERIFY2(!name.startsWith(QLatin1Char('.')) && !name.contains(QLatin1Char('#')),
                qPrintable(name));
    }
}

// Some 40 MB of JSON, past the first 32 MiB handed to the disk while the
// rest is written: the file holds every byte standard output receives, and
// keeps its mode. Cases whose jump is submerged, with names of 248 Chinese
// characters, make the size quickly.
void TestReportOutputTargets::largeReportWrittenWhole()
{
    constexpr int count = 30000;
    const QByteArray longName = QString(248, QChar(u'淹')).toUtf8();
    QByteArray manyCases = "name,q,H,a1,v,ht\n";
    for (int i = 0; i < count; ++i)
        manyCases += longName + QByteArray::number(i) + ",10,3,5,1,6\n";
    QVERIFY(writeFile(path("many.csv"), manyCases));
    const QString report = path("report.json");
    QVERIFY(writeFile(report, earlier));
    QCOMPARE(::chmod(QFile::encodeName(report).constData(), 0600), 0);

    const auto run = [&](const QString &target) {
        return runReportProgram({path("many.csv"), QStringLiteral("--format"),
                QStringLiteral("json"), QStringLiteral("-o"), target});
    };
    const ReportRun toFile = run(report);
    QCOMPARE(toFile.status, 0);
    const ReportRun toStandardOutput = run(QStringLiteral("-"));
    QCOMPARE(toStandardOutput.status, 0);

    const QByteArray written = fileContents(report);
    QVERIFY2(written.size() > (qsizetype(1) << 25), qPrintable(QString::number(written.size())));
    QVERIFY(written == toStandardOutput.out);
    QCOMPARE(casesIn(written), count);
    QCOMPARE(int(statusOf(report).st_mode & 07777), 0600);
}

void TestReportOutputTargets::writeErrorAfterEveryWarning_data()
{
    QTest::addColumn<QString>("format");
    QTest::newRow("JSON, written as the cases are evaluated") << "json";
    QTest::newRow("HTML, written a batch of sections at a time") << "html";
    QTest::newRow("CSV, written whole") << "csv";
}

// The coefficients' warnings are written while the cases are evaluated; a
// write that fails says so after all of them, as the last line, and every
// warning arrives whole.
void TestReportOutputTargets::writeErrorAfterEveryWarning()
{
    QFETCH(QString, format);
    constexpr int count = 5000;
    QByteArray warned = "name,q,H,a1,v,ht,phi,sigma\n";
    for (int i = 0; i < count; ++i)
        warned += "case " + QByteArray::number(i) + ",10,3,5,1,3,0.8,1.0\n";
    QVERIFY(writeFile(path("warned.csv"), warned));
    const ReportRun run = runReportProgram({path("warned.csv"), QStringLiteral("--format"), format,
            QStringLiteral("-o"), deviceNode(m_dir.path(), "full", 7)});
    QCOMPARE(run.status, 2);
    const QStringList lines = run.err.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2 * count + 1);
    for (int i = 0; i < 2 * count; ++i) {
        const QString of = QStringLiteral(" (case case %1)").arg(i / 2);
        QVERIFY2(lines[i].startsWith(QStringLiteral("varnolt-report: warning: "))
                        && lines[i].endsWith(of),
                qPrintable(lines[i]));
    }
    QVERIFY2(lines.last().endsWith(QStringLiteral("full: cannot write: No space left on device")),
            qPrintable(lines.last()));
}

QTEST_GUILESS_MAIN(TestReportOutputTargets)
#include "tst_report_output_targets.moc"
