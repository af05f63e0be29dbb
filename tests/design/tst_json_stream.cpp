// The JSON written a chunk of cases at a time is the JSON of the whole
// design, byte for byte, wherever the chunks' boundaries fall: the cases'
// lines and commas, the governing cases found across chunks (ties going to
// the first case), and the warnings naming cases of any chunk.
#include "design/case_reader.h"
#include "design/coefficient_warnings.h"
#include "design/design.h"
#include "report_program_run.h"
#include "writers/json_stream.h"
#include "writers/writers.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

using namespace varnolt;
using namespace varnolt::design;
using namespace Qt::StringLiterals;

namespace {

// `count` weirs in the ranges met in practice, from a fixed generator: some
// need no basin, some a basin, a few cannot be sized; every 97th case repeats
// the one before it, so equal governing values meet across chunks; σ and φ
// run outside their usual ranges now and then, for the warnings.
std::vector<CaseInputs> generatedCases(int count)
{
    std::vector<CaseInputs> cases;
    quint32 state = 20261207;
    const auto next = [&state](double low, double high) {
        state = state * 1664525u + 1013904223u;
        return low + (high - low) * double(state >> 8) / double(1u << 24);
    };
    for (int i = 0; i < count; ++i) {
        if (i % 97 == 96) {
            cases.push_back(cases.back());
            cases.back().name = u"case %1"_s.arg(i + 1);
            continue;
        }
        CaseInputs inputs;
        inputs.name = u"case %1"_s.arg(i + 1);
        inputs.q = next(1, 50);
        inputs.H = next(0.5, 12);
        inputs.a1 = next(1, 30);
        inputs.v = next(0, 4);
        inputs.ht = next(0.5, 25);
        inputs.phi = next(0.8, 0.98);
        inputs.sigma = next(1.0, 1.1);
        if (i % 5 == 0)
            inputs.uplift = next(-5, 60);
        cases.push_back(inputs);
    }
    return cases;
}

QByteArray streamedJson(
        const std::vector<CaseInputs> &cases, const DesignOptions &options, std::size_t chunkSize)
{
    QByteArray bytes;
    const bool written
            = writers::writeDesignJson(cases, options, coefficientWarnings(options, cases),
                    writers::ReportLanguage::English, chunkSize, [&bytes](QByteArrayView piece) {
                        bytes += piece;
                        return true;
                    });
    return written ? bytes : QByteArray("not written");
}

// Where the two texts first differ, for a readable failure.
QByteArray firstDifference(const QByteArray &a, const QByteArray &b)
{
    qsizetype i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        ++i;
    return "at byte " + QByteArray::number(i) + ": " + a.mid(std::max<qsizetype>(0, i - 40), 80)
            + " / " + b.mid(std::max<qsizetype>(0, i - 40), 80);
}

} // namespace

class JsonStreamTest : public QObject {
    Q_OBJECT

private slots:
    void streamedEqualsWhole_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("chunkSize");
        QTest::addColumn<bool>("withSideQuantities");
        QTest::newRow("10000 cases in chunks of 4096") << 10000 << 4096 << true;
        QTest::newRow("10000 cases in chunks of 4095") << 10000 << 4095 << false;
        QTest::newRow("10000 cases in one chunk") << 10000 << 10000 << true;
        QTest::newRow("8192 cases, two whole chunks") << 8192 << 4096 << true;
        QTest::newRow("4097 cases, one left over") << 4097 << 4096 << false;
        // The program's chunks: each chunk's results and text reuse the
        // places of the one before, the last and shorter one too.
        QTest::newRow("2500 cases in chunks of 1024") << 2500 << 1024 << true;
        QTest::newRow("300 cases in chunks of 7") << 300 << 7 << true;
        QTest::newRow("97 cases one by one") << 97 << 1 << true;
        QTest::newRow("a single case") << 1 << 4096 << true;
        QTest::newRow("no case") << 0 << 4096 << true;
    }

    void streamedEqualsWhole()
    {
        QFETCH(int, count);
        QFETCH(int, chunkSize);
        QFETCH(bool, withSideQuantities);
        DesignOptions options;
        options.k1 = 0.25; // a design-wide warning before the cases' own
        if (withSideQuantities) {
            options.ks = 0.9; // the apron governs too
            options.allowableVelocity = 3.0; // and the scour
        }
        const std::vector<CaseInputs> cases = generatedCases(count);
        const QByteArray whole = writers::jsonText(
                evaluateDesign(cases, options), writers::ReportLanguage::English);
        const QByteArray streamed = streamedJson(cases, options, std::size_t(chunkSize));
        QVERIFY2(streamed == whole, firstDifference(streamed, whole).constData());
    }

    // A failing output stops the evaluation: nothing is asked of it after.
    void failedWriteStops()
    {
        const std::vector<CaseInputs> cases = generatedCases(50);
        int pieces = 0;
        const bool written = writers::writeDesignJson(cases, DesignOptions{}, {},
                writers::ReportLanguage::English, 10, [&pieces](QByteArrayView) {
                    ++pieces;
                    return pieces < 3; // the head and a chunk, then a failure
                });
        QVERIFY(!written);
        QCOMPARE(pieces, 3);
    }

    // The program itself: a case file of 10,000 rows with unreadable rows
    // and names given twice on both sides of the chunks' boundaries. Its
    // JSON is the whole design's of the rows it read; each bad row and each
    // repeated name is said, located, and the run fails with the other
    // cases written.
    void programStreamsWithFaultyRows()
    {
        const std::vector<CaseInputs> generated = generatedCases(10000);
        QByteArray csv = "name,q,H,a1,v,ht,phi,sigma\n";
        QStringList expectedMessages;
        std::vector<CaseInputs> readable;
        int line = 1;
        for (std::size_t i = 0; i < generated.size(); ++i) {
            ++line;
            CaseInputs inputs = generated[i];
            if (i % 1361 == 4095 % 1361) {
                csv += inputs.name.toUtf8() + ",not a number,1,1,1,1,0.95,1.05\n";
                expectedMessages << u"cases.csv:%1: column q: "_s.arg(line);
                continue;
            }
            if (i % 2048 == 1) {
                // The name of the case a chunk before, or of the first case.
                const std::size_t earlier = readable.size() > 4096 ? readable.size() - 4096 : 0;
                inputs.name = readable[earlier].name;
            }
            csv += inputs.name.toUtf8() + ',' + QByteArray::number(inputs.q, 'g', 17) + ','
                    + QByteArray::number(inputs.H, 'g', 17) + ','
                    + QByteArray::number(inputs.a1, 'g', 17) + ','
                    + QByteArray::number(inputs.v, 'g', 17) + ','
                    + QByteArray::number(inputs.ht, 'g', 17) + ','
                    + QByteArray::number(inputs.phi, 'g', 17) + ','
                    + QByteArray::number(inputs.sigma, 'g', 17) + '\n';
            readable.push_back(inputs);
        }
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QFile file(dir.filePath(u"cases.csv"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(csv);
        file.close();
        const CaseFile read = readCases(csv);
        QCOMPARE(read.cases.size(), readable.size());
        QVERIFY(read.warnings.size() >= 4);

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"LC_ALL"_s, u"C.UTF-8"_s);
        QDir::setCurrent(dir.path());
        const ReportRun run = runReportProgram(
                {u"cases.csv"_s, u"--lang"_s, u"en"_s, u"-o"_s, u"out.json"_s}, environment);
        QCOMPARE(run.status, 1);
        const QByteArray whole = writers::jsonText(
                evaluateDesign(read.cases, DesignOptions{}), writers::ReportLanguage::English);
        const QByteArray written = fileContents(dir.filePath(u"out.json"_s));
        QVERIFY2(written == whole, firstDifference(written, whole).constData());
        for (const QString &message : expectedMessages)
            QVERIFY2(run.err.contains(message), qPrintable(message));
        for (const ReadError &warning : read.warnings) {
            QVERIFY2(run.err.contains(u"cases.csv:%1: column name: warning: "_s.arg(warning.line)),
                    qPrintable(warning.message));
        }
        // Every message arrives whole and in order, however many there are
        // (far more than the program gathers before writing them out): the
        // reading's, located, then the coefficients', case by case.
        const QStringList lines = run.err.split(u'\n', Qt::SkipEmptyParts);
        const std::vector<CoefficientWarning> coefficients
                = coefficientWarnings(DesignOptions{}, read.cases);
        QVERIFY(coefficients.size() > 2000);
        const qsizetype readMessages
                = qsizetype(read.rowErrors.size()) + qsizetype(read.warnings.size());
        QCOMPARE(lines.size(), readMessages + qsizetype(coefficients.size()));
        for (qsizetype k = 0; k < readMessages; ++k)
            QVERIFY2(lines[k].startsWith(u"cases.csv:"_s), qPrintable(lines[k]));
        for (std::size_t k = 0; k < coefficients.size(); ++k) {
            const QString &shown = lines[readMessages + qsizetype(k)];
            const QString of = u" (case %1)"_s.arg(read.cases[*coefficients[k].caseIndex].name);
            QVERIFY2(shown.startsWith(u"varnolt-report: warning: "_s) && shown.endsWith(of),
                    qPrintable(shown));
        }
    }
};

QTEST_GUILESS_MAIN(JsonStreamTest)
#include "tst_json_stream.moc"
