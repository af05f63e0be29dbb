#pragma once

#include "design/case_result.h"
#include "design/governing_search.h"

#include <QString>

#include <cstddef>
#include <functional>
#include <span>
#include <vector>

namespace varnolt::design {

// One case, evaluated by the window's own commands on a fresh in-memory form
// under full-stop notation: the jump-type check, then, for a remote jump, the
// basin sizing; then what the design adds to them. Every figure is the one
// the window shows for the same inputs. A command that stops is recorded in
// the result's error and never thrown.
CaseResult evaluateCase(const CaseInputs &inputs, const DesignOptions &options);

// Every case of a design, in order, and the cases that govern the basin's
// depth (largest d) and length (largest upper length). Cases without a basin
// or with an error govern nothing; of equal values the first case governs.
DesignResult evaluateDesign(const std::vector<CaseInputs> &cases, const DesignOptions &options);

// Takes the results of one chunk of cases, in order; false stops the
// evaluation (the output failed).
using ChunkSink = std::function<bool(std::span<const CaseResult> results)>;

// The same design evaluated `chunkSize` cases at a time, on every core, a
// few chunks ahead of the one the sink takes (evaluateAhead()), so that no
// more than those chunks' results are held:
// each chunk goes to `sink`, and `search` keeps the governing cases. The
// coefficient warnings are the cases' inputs' alone (coefficientWarnings()).
// False where the sink stopped it.
bool evaluateInChunks(const std::vector<CaseInputs> &cases, const DesignOptions &options,
        std::size_t chunkSize, GoverningSearch &search, const ChunkSink &sink);

// The text the window is given for an input: the shortest decimal that reads
// back as the same double, with a full stop. Reading it strictly rounds to
// single precision exactly as reading the case file's own text would.
QString inputText(double value);

} // namespace varnolt::design
