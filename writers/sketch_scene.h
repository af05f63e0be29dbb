#pragma once

#include "design/case_result.h"
#include "writers/report_words.h"

#include <QString>

#include <optional>

namespace varnolt::writers::sketch {

// What the sketch shows, in metres with the toe of the weir on the
// downstream floor as origin and heights upwards.
struct Scene {
    double a1 = 0;
    double H = 0;
    double floor = 0; // −d with a basin, 0 without
    double hco = 0; // contracted depth above the floor in use
    double top = 0; // σ·hco2 in the basin, hco2 at the toe
    double ht = 0;
    double length = 0; // the basin (upper length) or the free jump
    bool basin = false;
    // The crest of the sill at the basin's end, above the downstream floor,
    // where the adopted basin has one (the sill and the combined basin).
    std::optional<double> sillCrest;
    // The energy line: the total head E0 above the downstream floor.
    double energy = 0;
    // The approach channel's bed above the downstream floor: the crest less
    // the weir height P where the design gives the weir's levels, else the
    // downstream floor itself, as the case gives no other.
    double approachBed = 0;
    // Elevations where the case came from a design given by levels: the
    // downstream floor is the datum of everything drawn.
    struct Levels {
        double crest = 0;
        double upstream = 0;
        double tailwater = 0;
        double floor = 0; // the downstream floor at the toe
        double approachBed = 0;
    };
    std::optional<Levels> levels;
    QString topLabel;
    QString lengthLabel;

    // The weir's height above the approach bed.
    double weirHeight() const { return a1 - approachBed; }
};

// The scene of a case whose check ran: with the basin of the adopted type
// where one was sized (the sunk basin where that type has none), else the
// free jump at the toe.
Scene sceneOf(const design::CaseResult &r, ReportLanguage language,
        design::BasinType type = design::BasinType::Sunk);

// The smallest ratio 1:N of the series 1, 2, 2.5, 5 × 10^k with N ≥ minimum.
double niceRatio(double minimum);

// Where the nappe's surface, the curve from the crest's end (x0, y0) with
// controls (x1, y1), (x2, y2) to the contracted section (0, y3), comes down
// to the level y: found along the curve, as the curve has no closed inverse.
double nappeReaches(double y, double x0, double y0, double x1, double y1, double x2, double y3);

} // namespace varnolt::writers::sketch
