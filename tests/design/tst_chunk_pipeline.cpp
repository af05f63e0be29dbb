// Cases evaluated ahead of the chunk being taken: every case once, in its
// chunk's place, every chunk taken in order and whole, however the counts,
// chunk sizes and the chunks held ahead fall against the blocks the
// workers take; a taker that stops gets nothing more, and the workers stop
// within the chunks they were allowed ahead.
#include "design/chunk_pipeline.h"

#include <QTest>

#include <atomic>
#include <memory>
#include <vector>

using namespace varnolt;
using namespace varnolt::design;

class ChunkPipelineTest : public QObject {
    Q_OBJECT

private slots:
    void everyCaseOnceInOrder_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("chunkSize");
        QTest::addColumn<int>("ahead");
        QTest::newRow("the program's chunks") << 10000 << 1024 << 4;
        QTest::newRow("one chunk held at a time") << 3000 << 1024 << 1;
        QTest::newRow("a block and one more case") << 1000 << 65 << 2;
        QTest::newRow("chunks of a block") << 1000 << 64 << 3;
        QTest::newRow("chunks of seven") << 300 << 7 << 4;
        QTest::newRow("case by case") << 97 << 1 << 2;
        QTest::newRow("fewer chunks than held ahead") << 100 << 64 << 4;
        QTest::newRow("one chunk, the whole design") << 5000 << 5000 << 4;
        QTest::newRow("chunk larger than the design") << 10 << 1024 << 4;
        QTest::newRow("a single case") << 1 << 1024 << 4;
        QTest::newRow("no case") << 0 << 1024 << 4;
        QTest::newRow("no chunk size: case by case") << 20 << 0 << 4;
    }

    void everyCaseOnceInOrder()
    {
        QFETCH(int, count);
        QFETCH(int, chunkSize);
        QFETCH(int, ahead);
        const auto evaluations = std::make_unique<std::atomic<int>[]>(std::size_t(count) + 1);
        std::size_t expectedFirst = 0;
        bool inOrder = true;
        const bool done = evaluateAhead(
                std::size_t(count), std::size_t(chunkSize), std::size_t(ahead),
                [&](std::size_t i, CaseResult &result) {
                    evaluations[i].fetch_add(1);
                    result.inputs.line = int(i);
                },
                [&](std::size_t first, std::span<CaseResult> results) {
                    inOrder = inOrder && first == expectedFirst && !results.empty()
                            && results.size() <= std::size_t(std::max(chunkSize, 1));
                    for (std::size_t k = 0; k < results.size(); ++k)
                        inOrder = inOrder && results[k].inputs.line == int(first + k);
                    expectedFirst = first + results.size();
                    return true;
                });
        QVERIFY(done);
        QVERIFY(inOrder);
        QCOMPARE(expectedFirst, std::size_t(count));
        for (int i = 0; i < count; ++i)
            QCOMPARE(evaluations[std::size_t(i)].load(), 1);
    }

    void stoppedTakerGetsNothingMore()
    {
        constexpr std::size_t count = 10000;
        constexpr std::size_t chunkSize = 64;
        constexpr std::size_t ahead = 2;
        std::atomic<std::size_t> evaluated{0};
        int takes = 0;
        const bool done = evaluateAhead(
                count, chunkSize, ahead, [&](std::size_t, CaseResult &) { evaluated.fetch_add(1); },
                [&](std::size_t, std::span<CaseResult>) { return ++takes < 3; });
        QVERIFY(!done);
        QCOMPARE(takes, 3);
        // Two chunks taken, the third refused: the workers were allowed the
        // two chunks beyond the second, no further.
        QVERIFY2(evaluated.load() <= (2 + ahead) * chunkSize,
                qPrintable(QString::number(evaluated.load())));
    }
};

QTEST_GUILESS_MAIN(ChunkPipelineTest)
#include "tst_chunk_pipeline.moc"
