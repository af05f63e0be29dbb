#pragma once

#include "design/design_file.h"
#include "design/flood_case.h"

#include <QString>

#include <optional>

namespace varnolt::design {

// The basin a discharge of the range needs, by the exact balance.
struct ScanPoint {
    double discharge = 0; // Q (m³/s)
    double q = 0; // Q/B (m²/s)
    // σ′ = ht/hco2 < σ at the toe: a basin holds the jump. Otherwise d and
    // length are 0 and the point governs neither.
    bool basinNeeded = false;
    double d = 0; // exact basin depth (m); 0 where the exit's head alone closes the balance
    double length = 0; // 5.52·(hco2 − hco) at that depth (m)
};

// The point of the range needing the deepest basin …
struct ScannedDepth {
    double discharge = 0;
    double q = 0;
    double d = 0;
};

// … and the one needing the longest.
struct ScannedLength {
    double discharge = 0;
    double q = 0;
    double length = 0;
};

struct DischargeScan {
    // None where no discharge of the range needs the floor lowered (d > 0).
    std::optional<ScannedDepth> depth;
    // None where no discharge of the range needs a basin at all.
    std::optional<ScannedLength> length;
    int evaluated = 0; // discharges evaluated, grid and refinement
    int failed = 0; // of them, those without a figure (skipped)
    QString firstFailure; // what stopped the first of them
    QString unavailable; // why there was no scan at all; empty otherwise
};

struct ScanSettings {
    int count = 200; // evenly spaced discharges, the smallest and largest flood included
    double refinement = 1e-3; // the maximum is narrowed to this share of the range
};

// One discharge of the range: its case from the capacity formula and the
// tailwater table, the basin decision by σ in double precision (the
// contracted depth of the window's equation at d = 0 and its conjugate),
// and where a basin is needed its exact depth and the upper length on the
// exact root's depths. None with `failure` set where the case or the root
// has no figure.
std::optional<ScanPoint> basinAtDischarge(const DesignFile &file, double discharge,
        const FloodSettings &settings, double exitPhi, QString &failure);

// Scans the floods' whole range, from the smallest to the largest discharge,
// at `count` evenly spaced discharges, then narrows the grid's deepest and
// longest points by golden-section search between their neighbours to
// `refinement` of the range, keeping the largest figure evaluated. Needs the
// file's tailwater table (the floods' given levels stand for one discharge
// each); without it `unavailable` says so. Never throws.
DischargeScan scanDischarges(const DesignFile &file, const FloodSettings &settings, double exitPhi,
        const ScanSettings &scan = {});

} // namespace varnolt::design
