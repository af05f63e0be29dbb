#include "design/design_file_evaluation.h"

#include "design/adopted_dimensions.h"
#include "design/design.h"
#include "design/design_levels.h"
#include "design/discharge_scan.h"
#include "design/flood_case.h"
#include "model/errors.h"

#include <algorithm>

namespace varnolt::design {

namespace {

// The discharge, head and levels of one evaluated flood. The levels sit on
// the basin the case sized, its floor at the adopted depth below the
// downstream floor as the design is drawn, the jump's level that floor plus
// the conjugate depth in the basin; or, without a basin, on the floor
// itself with the jump at the toe.
std::optional<FloodFigures> figuresOf(
        const DesignFile &file, double discharge, const FloodCase &flood, const CaseResult &result)
{
    std::optional<double> depth;
    std::optional<double> conjugate;
    if (result.basin) {
        depth = result.basin->adoptedDepth.adopted;
        conjugate = result.basin->hco2;
    } else if (result.check) {
        conjugate = result.check->hco2;
    }
    try {
        const DesignLevels levels = designLevels(file.weir.crest, file.weir.floor, flood.inputs.H,
                flood.inputs.ht, depth, conjugate);
        FloodFigures figures;
        figures.discharge = discharge;
        figures.H = flood.head.H;
        figures.v0 = flood.head.v0;
        figures.H0 = flood.head.H0;
        figures.upstreamLevel = levels.upstream;
        figures.tailwaterLevel = levels.tailwater;
        figures.basinFloorLevel = levels.basinFloor;
        figures.jumpLevel = levels.jump;
        figures.crestLevel = file.weir.crest;
        figures.floorLevel = file.weir.floor;
        figures.approachBedLevel = file.weir.approachBed;
        return figures;
    } catch (const CalcError &) {
        return std::nullopt; // levels beyond the range of doubles: the case shows none
    }
}

// The scan's answers, and whether its deepest basin lies between the
// floods: deeper than the exact basin of every listed flood, by the same
// exact root, so that a flood scanned at its own discharge never counts.
ScanSummary summaryOf(const DischargeScan &scan, int count, const DesignFile &file,
        const FloodSettings &settings, double exitPhi)
{
    ScanSummary summary;
    summary.count = count;
    summary.depth = scan.depth;
    summary.length = scan.length;
    if (!scan.depth)
        return summary;
    double deepestFlood = 0;
    for (const Flood &flood : file.floods) {
        QString failure;
        if (const auto point = basinAtDischarge(file, flood.discharge, settings, exitPhi, failure);
                point && point->basinNeeded)
            deepestFlood = std::max(deepestFlood, point->d);
    }
    constexpr double sameDepth = 1e-9; // relative: the root's own rounding, far below a millimetre
    summary.depthBeyondFloods = scan.depth->d > deepestFlood * (1 + sameDepth);
    return summary;
}

// A governing discharge between the floods raises the structure's adopted
// depth to its own, rounded up as every adopted depth is.
void coverScannedDepth(ScanSummary &summary, const DesignResult &design, double depthStep)
{
    if (!summary.depthBeyondFloods)
        return;
    const double floods = design.governingDepth
            ? design.cases[*design.governingDepth].basin->adoptedDepth.adopted
            : 0.0;
    summary.adoptedDepth = std::max(floods, roundUpToStep(summary.depth->d, depthStep));
}

} // namespace

DesignFileEvaluation evaluateDesignFile(const DesignFile &file, const DesignOptions &options,
        double sigma, std::optional<int> scanCount)
{
    DesignFileEvaluation evaluation;
    const FloodSettings settings{sigma, options.alpha};
    std::vector<FloodCase> floods;
    std::vector<double> discharges;
    std::vector<CaseInputs> cases;
    for (std::size_t i = 0; i < file.floods.size(); ++i) {
        FloodCaseOutcome outcome = floodCase(file, i, settings);
        if (outcome.error) {
            evaluation.floodErrors.push_back(*outcome.error);
            continue;
        }
        cases.push_back(outcome.flood->inputs);
        floods.push_back(*outcome.flood);
        discharges.push_back(file.floods[i].discharge);
    }

    evaluation.result = evaluateDesign(cases, options);
    DesignResult &result = evaluation.result;
    for (std::size_t i = 0; i < result.cases.size(); ++i)
        result.cases[i].flood = figuresOf(file, discharges[i], floods[i], result.cases[i]);
    result.project = file.project;
    if (scanCount && !file.tailwater.discharges.empty()) {
        ScanSettings scanSettings;
        scanSettings.count = *scanCount;
        const DischargeScan scan = scanDischarges(file, settings, options.exitPhi, scanSettings);
        if (scan.unavailable.isEmpty()) {
            result.scan = summaryOf(scan, *scanCount, file, settings, options.exitPhi);
            coverScannedDepth(*result.scan, result, options.depthStep);
        }
    }
    return evaluation;
}

} // namespace varnolt::design
