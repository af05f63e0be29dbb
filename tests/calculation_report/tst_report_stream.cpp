// The HTML and Markdown reports written a piece at a time: the cases'
// sections, built a batch at a time on all cores, come out once each and in
// the cases' order, across batches; and a piece that cannot be written
// stops the report there.
#include "design/design.h"
#include "writers/html_report.h"
#include "writers/markdown_report.h"
#include "writers/report_stream.h"

#include <QRegularExpression>
#include <QTest>

using namespace varnolt::design;
using namespace varnolt::writers;
using namespace Qt::StringLiterals;

namespace {

using ReportWriter = bool (*)(const DesignResult &, const ReportSettings &, const ReportSink &);

// More cases than two batches hold, of every kind: remote jumps that need a
// basin, submerged ones that do not, and heads too small for a contracted
// depth, whose sections say so.
DesignResult manyCases()
{
    std::vector<CaseInputs> cases;
    const std::size_t count = 2 * reportCaseBatch + 13;
    for (std::size_t i = 0; i < count; ++i) {
        CaseInputs in;
        in.name = u"flood %1"_s.arg(i + 1);
        in.q = 2.0 + double(i % 17);
        in.H = i % 11 == 0 ? 0.001 : 1.0 + double(i % 5);
        in.a1 = 4.0;
        in.v = 1.0;
        in.ht = 1.0 + double(i % 7);
        cases.push_back(in);
    }
    return evaluateDesign(cases, DesignOptions{});
}

ReportSettings settings(ReportLanguage language)
{
    ReportSettings s;
    s.language = language;
    s.date = QDate(2026, 12, 8);
    return s;
}

} // namespace

class TestReportStream : public QObject {
    Q_OBJECT

private slots:
    void casesInOrder_data();
    void casesInOrder();
    void stopsAtFailedWrite_data();
    void stopsAtFailedWrite();
};

void TestReportStream::casesInOrder_data()
{
    QTest::addColumn<ReportWriter>("writer");
    QTest::addColumn<QString>("caseStart");

    QTest::newRow("HTML") << ReportWriter(&writeHtmlReport)
                          << u"<section class=\"case\" id=\"case-(\\d+)\">"_s;
    // Each case's section opens with its heading, "### 3.N Case: flood N".
    QTest::newRow("Markdown") << ReportWriter(&writeMarkdownReport)
                              << u"(?m)^### 3\\.(\\d+) Case: flood \\1$"_s;
}

void TestReportStream::casesInOrder()
{
    QFETCH(ReportWriter, writer);
    QFETCH(QString, caseStart);
    const DesignResult design = manyCases();
    QByteArray bytes;
    int pieces = 0;
    QVERIFY(writer(design, settings(ReportLanguage::English), [&](QByteArrayView piece) {
        bytes += piece;
        ++pieces;
        return true;
    }));
    // One piece at least per case: the report was never held whole.
    QVERIFY(pieces > int(design.cases.size()));

    const QString text = QString::fromUtf8(bytes);
    std::vector<int> seen;
    qsizetype firstCase = -1;
    qsizetype lastCase = -1;
    QRegularExpressionMatchIterator it = QRegularExpression(caseStart).globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        seen.push_back(match.captured(1).toInt());
        firstCase = firstCase < 0 ? match.capturedStart() : firstCase;
        lastCase = match.capturedStart();
    }
    QCOMPARE(seen.size(), design.cases.size());
    for (std::size_t i = 0; i < seen.size(); ++i)
        QCOMPARE(seen[i], int(i + 1));
    // The chapters around the cases keep their places.
    const qsizetype basis = text.indexOf(u"2 Method and basis"_s);
    QVERIFY(basis >= 0 && basis < firstCase);
    QVERIFY(text.indexOf(u"4 Summary of results"_s) > lastCase);
    QVERIFY(text.indexOf(u"5 Conclusion"_s) > lastCase);
}

void TestReportStream::stopsAtFailedWrite_data()
{
    QTest::addColumn<ReportWriter>("writer");
    QTest::addColumn<int>("failingPiece");

    // The head, a chapter before the cases, a case in the first batch, one
    // in the last, and the last piece of all (-1).
    for (const auto &[name, writer] : {std::pair{"HTML", ReportWriter(&writeHtmlReport)},
                 std::pair{"Markdown", ReportWriter(&writeMarkdownReport)}}) {
        for (const int piece : {0, 1, 10, 2 * int(reportCaseBatch), -1})
            QTest::addRow("%s, piece %d", name, piece) << writer << piece;
    }
}

void TestReportStream::stopsAtFailedWrite()
{
    QFETCH(ReportWriter, writer);
    QFETCH(int, failingPiece);
    const DesignResult design = manyCases();
    const ReportSettings chinese = settings(ReportLanguage::Chinese);
    int total = 0;
    QVERIFY(writer(design, chinese, [&](QByteArrayView) {
        ++total;
        return true;
    }));
    const int failing = failingPiece < 0 ? total - 1 : failingPiece;
    QVERIFY(failing < total);

    int calls = 0;
    const bool written
            = writer(design, chinese, [&](QByteArrayView) { return calls++ != failing; });
    QVERIFY(!written);
    // Nothing was handed on after the piece that failed.
    QCOMPARE(calls, failing + 1);
}

QTEST_GUILESS_MAIN(TestReportStream)
#include "tst_report_stream.moc"
