#include "writers/json_stream.h"

#include "design/design.h"

#include <future>

namespace varnolt::writers {

bool writeDesignJson(const std::vector<design::CaseInputs> &cases,
        const design::DesignOptions &options,
        const std::vector<design::CoefficientWarning> &warnings, ReportLanguage language,
        std::size_t chunkSize, const std::function<bool(QByteArrayView)> &write)
{
    // The warnings' text depends on the inputs alone: formed on a thread of
    // its own while the cases are evaluated, not after them.
    std::future<std::string> warningsText = std::async(std::launch::async, [&] {
        return jsonWarnings(warnings, [&cases](std::size_t i) { return cases[i].name; });
    });
    if (!write(jsonHead()))
        return false;
    design::GoverningSearch search;
    bool first = true;
    std::string bytes;
    const bool evaluated = design::evaluateInChunks(
            cases, options, chunkSize, search, [&](std::span<const design::CaseResult> chunk) {
                bytes.clear(); // keeps its capacity for the next chunk
                appendJsonCases(bytes, chunk, first, language);
                first = false;
                return write(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
            });
    if (!evaluated)
        return false;
    // Only the governing cases are still held, with the cases' inputs.
    JsonSummary summary;
    for (std::size_t d = 0; d < design::governedCount; ++d) {
        if (const auto &found = search.governing(design::Governed(d)))
            summary.governing[d] = GoverningEntry{found->index, &found->result};
    }
    summary.basinType = options.basinType;
    if (!write(jsonSummary(summary)))
        return false;
    const std::string text = warningsText.get();
    return write(QByteArrayView(text.data(), qsizetype(text.size())));
}

} // namespace varnolt::writers
