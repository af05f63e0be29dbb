#include "design/chunk_pipeline.h"

#include <QThread>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace varnolt::design {

namespace {

// Cases a worker evaluates between two looks at the shared state: short
// enough that the last block of the run leaves a core idle only briefly.
constexpr std::size_t blockSize = 64;

// The chunks, their places and what the workers and the taker share.
class Pipeline {
public:
    Pipeline(std::size_t count, std::size_t chunkSize, std::size_t chunksAhead,
            const CaseEvaluation &evaluate)
        : m_count(count)
        , m_chunkSize(chunkSize)
        , m_chunks((count + chunkSize - 1) / chunkSize)
        , m_blocksPerChunk((chunkSize + blockSize - 1) / blockSize)
        , m_ahead(std::min(chunksAhead, m_chunks))
        , m_evaluate(evaluate)
        , m_places(m_ahead, std::vector<CaseResult>(std::min(chunkSize, count)))
        , m_blocksLeft(m_ahead)
    {
        for (std::size_t chunk = 0; chunk < m_ahead; ++chunk)
            m_blocksLeft[chunk] = blocksOf(chunk);
    }

    std::size_t chunks() const { return m_chunks; }

    // Takes blocks in order until none is left or the pipeline stops,
    // waiting while a block's chunk is more than `ahead` chunks beyond the
    // last one taken.
    void work()
    {
        const std::size_t totalBlocks = m_chunks * m_blocksPerChunk;
        for (;;) {
            const std::size_t block = m_nextBlock.fetch_add(1, std::memory_order_relaxed);
            if (block >= totalBlocks)
                return;
            const std::size_t chunk = block / m_blocksPerChunk;
            const std::size_t chunkFirst = chunk * m_chunkSize;
            const std::size_t first = chunkFirst + (block % m_blocksPerChunk) * blockSize;
            const std::size_t end = chunkFirst + lengthOf(chunk);
            // The last chunk may be short: its blocks beyond it are none.
            if (first >= end)
                continue;
            {
                std::unique_lock lock(m_mutex);
                m_changed.wait(lock, [&] { return m_stopped || chunk < m_taken + m_ahead; });
                if (m_stopped)
                    return;
            }
            std::vector<CaseResult> &places = m_places[chunk % m_ahead];
            const std::size_t last = std::min(first + blockSize, end);
            for (std::size_t i = first; i < last; ++i)
                m_evaluate(i, places[i - chunkFirst]);
            const std::lock_guard lock(m_mutex);
            if (--m_blocksLeft[chunk % m_ahead] == 0)
                m_changed.notify_all();
        }
    }

    // The results of `chunk` once all its blocks are done.
    std::span<CaseResult> waitFor(std::size_t chunk)
    {
        std::unique_lock lock(m_mutex);
        m_changed.wait(lock, [&] { return m_blocksLeft[chunk % m_ahead] == 0; });
        return {m_places[chunk % m_ahead].data(), lengthOf(chunk)};
    }

    // `chunk` has been taken: its places go to the chunk `ahead` beyond.
    void taken(std::size_t chunk)
    {
        {
            const std::lock_guard lock(m_mutex);
            m_taken = chunk + 1;
            if (chunk + m_ahead < m_chunks)
                m_blocksLeft[chunk % m_ahead] = blocksOf(chunk + m_ahead);
        }
        m_changed.notify_all();
    }

    void stop()
    {
        {
            const std::lock_guard lock(m_mutex);
            m_stopped = true;
        }
        m_changed.notify_all();
    }

private:
    std::size_t lengthOf(std::size_t chunk) const
    {
        return std::min(m_chunkSize, m_count - chunk * m_chunkSize);
    }
    std::size_t blocksOf(std::size_t chunk) const
    {
        return (lengthOf(chunk) + blockSize - 1) / blockSize;
    }

    const std::size_t m_count;
    const std::size_t m_chunkSize;
    const std::size_t m_chunks;
    const std::size_t m_blocksPerChunk;
    const std::size_t m_ahead;
    const CaseEvaluation &m_evaluate;
    // The places of `ahead` chunks in turn; every result is assigned anew,
    // so a chunk reuses the places of the one before rather than destroying
    // and constructing them again (a CaseResult is big).
    std::vector<std::vector<CaseResult>> m_places;
    std::atomic<std::size_t> m_nextBlock{0};
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::size_t> m_blocksLeft; // of the chunk in each place
    std::size_t m_taken = 0;
    bool m_stopped = false;
};

// Stops the workers and waits for them however the taking ends.
class Workers {
public:
    explicit Workers(Pipeline &pipeline)
        : m_pipeline(pipeline)
    {
        const int count = std::max(1, QThread::idealThreadCount());
        for (int k = 0; k < count; ++k)
            m_threads.emplace_back([&pipeline] { pipeline.work(); });
    }
    Workers(const Workers &) = delete;
    Workers &operator=(const Workers &) = delete;
    ~Workers()
    {
        m_pipeline.stop();
        for (std::thread &thread : m_threads)
            thread.join();
    }

private:
    Pipeline &m_pipeline;
    std::vector<std::thread> m_threads;
};

} // namespace

bool evaluateAhead(std::size_t count, std::size_t chunkSize, std::size_t chunksAhead,
        const CaseEvaluation &evaluate, const ChunkTaker &take)
{
    if (count == 0)
        return true;
    const std::size_t size = std::max<std::size_t>(chunkSize, 1);
    Pipeline pipeline(count, size, std::max<std::size_t>(chunksAhead, 1), evaluate);
    const Workers workers(pipeline);
    for (std::size_t chunk = 0; chunk < pipeline.chunks(); ++chunk) {
        if (!take(chunk * size, pipeline.waitFor(chunk)))
            return false;
        pipeline.taken(chunk);
    }
    return true;
}

} // namespace varnolt::design
