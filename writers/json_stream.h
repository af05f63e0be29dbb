#pragma once

#include "design/case_result.h"
#include "design/governing_search.h"
#include "writers/report_words.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace varnolt::writers {

// The JSON of a design in pieces, so that a long design is written a chunk
// of cases at a time: jsonHead(), then the cases' chunks in order, then
// jsonSummary() and jsonWarnings() — together byte for byte what
// jsonText() writes whole.

// The opening, up to the cases' array.
QByteArray jsonHead();

// The cases of one chunk, one per line, appended to `bytes`;
// `firstOfDesign` for the chunk holding the design's first case. A plain
// string, so that a caller writing chunk after chunk keeps one buffer (and
// its capacity) for all of them.
void appendJsonCases(std::string &bytes, std::span<const design::CaseResult> cases,
        bool firstOfDesign, ReportLanguage language);

// A governing case: its index among the design's cases and its results.
struct GoverningEntry {
    std::size_t index = 0;
    const design::CaseResult *result = nullptr;
};

// What the JSON writes under the cases, before the warnings.
struct JsonSummary {
    // By design::Governed: depth, length, slab, apron, sill, combined, scour.
    std::array<std::optional<GoverningEntry>, design::governedCount> governing;
    design::BasinType basinType = design::BasinType::Sunk;
    std::optional<design::ProjectInfo> project;
    std::optional<design::ScanSummary> scan;
};

// The JSON of the design of `cases` under `options`, evaluated and written
// `chunkSize` cases at a time to `write`, which takes each piece in order:
// the bytes jsonText(evaluateDesign(cases, options), language) gives, with
// no more than a chunk's results held at once. `warnings` are the cases'
// coefficient warnings (coefficientWarnings()), which the caller has found
// already. False where `write` failed (nothing is written after that).
bool writeDesignJson(const std::vector<design::CaseInputs> &cases,
        const design::DesignOptions &options,
        const std::vector<design::CoefficientWarning> &warnings, ReportLanguage language,
        std::size_t chunkSize, const std::function<bool(QByteArrayView)> &write);

// The close of the cases' array, the governing cases, the basin type, the
// design file's project and scan.
QByteArray jsonSummary(const JsonSummary &summary);

// The warnings, the last member, and the close; `nameOfCase` gives the name
// of the case at an index, for the warnings naming a case. A plain string:
// the warnings depend on the inputs alone, so a long design's (some 40 MB
// for a million cases) are formed while its cases are evaluated.
std::string jsonWarnings(const std::vector<design::CoefficientWarning> &warnings,
        const std::function<QString(std::size_t)> &nameOfCase);

} // namespace varnolt::writers
