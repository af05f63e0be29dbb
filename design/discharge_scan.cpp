#include "design/discharge_scan.h"

#include "design/exact_basin_depth.h"
#include "design/standard_check.h"
#include "model/checked_math.h"
#include "model/errors.h"
#include "model/formulas.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace varnolt::design {

namespace c = varnolt::checked;
using namespace Qt::StringLiterals;

namespace {

// The figure a search maximises at one point; none where the point failed
// or does not take part (no basin, or none deeper than the floor).
using Figure = std::function<std::optional<double>(const ScanPoint &)>;

std::optional<double> depthOf(const ScanPoint &point)
{
    if (point.basinNeeded && point.d > 0)
        return point.d;
    return std::nullopt;
}

std::optional<double> lengthOf(const ScanPoint &point)
{
    if (point.basinNeeded)
        return point.length;
    return std::nullopt;
}

class Scanner {
public:
    Scanner(const DesignFile &file, const FloodSettings &settings, double exitPhi,
            DischargeScan &result)
        : m_file(file)
        , m_settings(settings)
        , m_exitPhi(exitPhi)
        , m_result(result)
    {
    }

    std::optional<ScanPoint> at(double discharge)
    {
        QString failure;
        const std::optional<ScanPoint> point
                = basinAtDischarge(m_file, discharge, m_settings, m_exitPhi, failure);
        ++m_result.evaluated;
        if (!point) {
            if (m_result.failed++ == 0)
                m_result.firstFailure = failure;
        }
        return point;
    }

private:
    const DesignFile &m_file;
    FloodSettings m_settings;
    double m_exitPhi;
    DischargeScan &m_result;
};

// The best point for one figure: the grid's largest, then a golden-section
// search between its neighbours down to `tolerance`, keeping whatever point
// evaluated has the largest figure (the search assumes one peak between the
// neighbours; the grid's point stays if it has none).
std::optional<ScanPoint> refinedMaximum(Scanner &scanner,
        const std::vector<std::optional<ScanPoint>> &grid, const std::vector<double> &discharges,
        const Figure &figure, double tolerance)
{
    std::optional<std::size_t> best;
    for (std::size_t i = 0; i < grid.size(); ++i) {
        if (!grid[i] || !figure(*grid[i]))
            continue;
        if (!best || *figure(*grid[i]) > *figure(*grid[*best]))
            best = i;
    }
    if (!best)
        return std::nullopt;
    ScanPoint top = *grid[*best];
    const auto consider = [&](double discharge) -> double {
        const std::optional<ScanPoint> point = scanner.at(discharge);
        const std::optional<double> value = point ? figure(*point) : std::nullopt;
        if (!value)
            return -HUGE_VAL;
        if (*value > *figure(top))
            top = *point;
        return *value;
    };
    double low = discharges[*best > 0 ? *best - 1 : 0];
    double high = discharges[std::min(*best + 1, discharges.size() - 1)];
    const double ratio = (std::sqrt(5.0) - 1) / 2;
    double left = high - ratio * (high - low);
    double right = low + ratio * (high - low);
    double atLeft = consider(left);
    double atRight = consider(right);
    while (high - low > tolerance) {
        if (atLeft >= atRight) {
            high = right;
            right = left;
            atRight = atLeft;
            left = high - ratio * (high - low);
            atLeft = consider(left);
        } else {
            low = left;
            left = right;
            atLeft = atRight;
            right = low + ratio * (high - low);
            atRight = consider(right);
        }
    }
    return top;
}

} // namespace

std::optional<ScanPoint> basinAtDischarge(const DesignFile &file, double discharge,
        const FloodSettings &settings, double exitPhi, QString &failure)
{
    const FloodCaseOutcome derived = caseAtDischarge(file, discharge, settings);
    if (!derived.flood) {
        failure = derived.error->message;
        return std::nullopt;
    }
    const CaseInputs &inputs = derived.flood->inputs;
    const WeirFlow flow{
            inputs.q, inputs.H, inputs.a1, inputs.v, inputs.ht, inputs.phi, inputs.sigma};
    ScanPoint point;
    point.discharge = discharge;
    point.q = inputs.q;
    try {
        // The decision at the toe, d = 0, on the window's contracted-depth
        // equation in double precision.
        const double E0 = formulas::exact::totalHeadForBasin(flow.H, flow.a1, flow.v, 0);
        const std::optional<double> hco = standardContractedDepth(E0, flow.q, flow.phi, 1.0);
        if (!hco) {
            failure = u"Q = %1 m³/s: no contracted depth at the toe"_s.arg(discharge);
            return std::nullopt;
        }
        const double hco2 = formulas::exact::conjugateDepth(flow.q, *hco);
        point.basinNeeded = hco2 > 0 && c::div(flow.ht, hco2) < flow.sigma;
        if (!point.basinNeeded)
            return point;
        const ExactBasinDepth exact = exactBasinDepth(flow, exitPhi);
        if (!exact.basin) {
            failure = u"Q = %1 m³/s: %2"_s.arg(discharge).arg(exact.error->message());
            return std::nullopt;
        }
        point.d = exact.basin->d;
        point.length
                = c::mul(c::sub(exact.basin->hco2, exact.basin->hco), formulas::longBasinFactor);
    } catch (const CalcError &error) {
        failure = u"Q = %1 m³/s: %2"_s.arg(discharge).arg(error.message());
        return std::nullopt;
    }
    return point;
}

DischargeScan scanDischarges(const DesignFile &file, const FloodSettings &settings, double exitPhi,
        const ScanSettings &scan)
{
    DischargeScan result;
    if (file.tailwater.discharges.empty()) {
        result.unavailable = u"no [tailwater] table to scan the range of discharges with"_s;
        return result;
    }
    if (file.floods.empty()) {
        result.unavailable = u"no flood to span a range of discharges"_s;
        return result;
    }
    const auto [smallest, largest] = std::minmax_element(file.floods.begin(), file.floods.end(),
            [](const Flood &a, const Flood &b) { return a.discharge < b.discharge; });
    const double low = smallest->discharge;
    const double high = largest->discharge;
    const int count = high > low ? std::max(2, scan.count) : 1;

    Scanner scanner(file, settings, exitPhi, result);
    std::vector<double> discharges;
    std::vector<std::optional<ScanPoint>> grid;
    for (int k = 0; k < count; ++k) {
        // The ends exactly, the points between by their share of the range.
        const double discharge = k == count - 1
                ? high
                : low + (high - low) * (double(k) / double(std::max(1, count - 1)));
        discharges.push_back(discharge);
        grid.push_back(scanner.at(discharge));
    }
    const double tolerance = scan.refinement * (high - low);
    if (const auto point = refinedMaximum(scanner, grid, discharges, depthOf, tolerance))
        result.depth = ScannedDepth{point->discharge, point->q, point->d};
    if (const auto point = refinedMaximum(scanner, grid, discharges, lengthOf, tolerance))
        result.length = ScannedLength{point->discharge, point->q, point->length};
    return result;
}

} // namespace varnolt::design
