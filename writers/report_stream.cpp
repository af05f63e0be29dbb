#include "writers/report_stream.h"

#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <numeric>
#include <vector>

namespace varnolt::writers {

namespace {

bool writeEach(const QList<QByteArray> &pieces, const ReportSink &write)
{
    return std::all_of(
            pieces.begin(), pieces.end(), [&](const QByteArray &piece) { return write(piece); });
}

} // namespace

bool writeReportSections(const design::DesignResult &design, const ReportFrame &frame,
        const SectionRenderer &render, const ReportSink &write)
{
    const std::vector<ReportSection> &sections = frame.document.sections;
    const std::size_t casesAt = std::min(frame.caseSectionsAt, sections.size());
    for (std::size_t k = 0; k < casesAt; ++k) {
        if (!write(render(sections[k])))
            return false;
    }
    const ReportLanguage language = frame.document.language;
    std::vector<std::size_t> batch;
    for (std::size_t first = 0; first < design.cases.size(); first += reportCaseBatch) {
        batch.resize(std::min(reportCaseBatch, design.cases.size() - first));
        std::iota(batch.begin(), batch.end(), first);
        const QList<QByteArray> pieces = QtConcurrent::blockingMapped<QList<QByteArray>>(batch,
                [&](std::size_t i) { return render(caseReportSection(design, i, language)); });
        if (!writeEach(pieces, write))
            return false;
    }
    for (std::size_t k = casesAt; k < sections.size(); ++k) {
        if (!write(render(sections[k])))
            return false;
    }
    return true;
}

QByteArray gatheredReport(const std::function<void(const ReportSink &)> &writeReport)
{
    QByteArray bytes;
    writeReport([&bytes](QByteArrayView piece) {
        bytes += piece;
        return true;
    });
    return bytes;
}

} // namespace varnolt::writers
