#pragma once

#include "design/case_result.h"

#include <cstddef>
#include <functional>
#include <span>

namespace varnolt::design {

// Writes the result of case `index` to `result`, every member anew.
using CaseEvaluation = std::function<void(std::size_t index, CaseResult &result)>;

// Takes the results of the chunk starting at case `first`, in order, and
// may move them out (their places are assigned anew); false stops the
// pipeline.
using ChunkTaker = std::function<bool(std::size_t first, std::span<CaseResult> results)>;

// `count` cases, `chunkSize` at a time: one worker thread per core
// evaluates them in blocks of 64 in order, up to `chunksAhead` chunks ahead
// of the chunk the calling thread is handing to `take`, which gets every
// chunk in order. A worker finishing a chunk's last block goes straight on
// to the next chunk's, so no core waits for one block while the other is
// idle, and no more than `chunksAhead` chunks of results are held. False
// where `take` stopped it; the workers then stop after their blocks.
bool evaluateAhead(std::size_t count, std::size_t chunkSize, std::size_t chunksAhead,
        const CaseEvaluation &evaluate, const ChunkTaker &take);

} // namespace varnolt::design
