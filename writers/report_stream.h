#pragma once

#include "design/case_result.h"
#include "writers/report_document.h"

#include <QByteArray>
#include <QByteArrayView>

#include <cstddef>
#include <functional>

namespace varnolt::writers {

// Takes each piece of a report in order; false where it could not be
// written, after which nothing more is written.
using ReportSink = std::function<bool(QByteArrayView)>;

// Renders one section of a report into its bytes. Called on several
// threads at once for the cases' sections: it must not change shared state.
using SectionRenderer = std::function<QByteArray(const ReportSection &)>;

// Cases whose sections are built and rendered together, shared out among
// the cores, before they are written: the most a streamed report holds.
constexpr std::size_t reportCaseBatch = 64;

// The sections of `frame` in order, each rendered and written: the chapters
// as the frame holds them, and at their place the cases' sections, built
// and rendered a batch at a time on all cores. False as soon as a write
// fails.
bool writeReportSections(const design::DesignResult &design, const ReportFrame &frame,
        const SectionRenderer &render, const ReportSink &write);

// The pieces a report writer hands its sink, gathered into one report.
QByteArray gatheredReport(const std::function<void(const ReportSink &)> &writeReport);

} // namespace varnolt::writers
