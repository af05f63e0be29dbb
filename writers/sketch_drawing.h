#pragma once

#include "design/case_result.h"
#include "writers/report_words.h"
#include "writers/sketch_labels.h"
#include "writers/sketch_scene.h"

#include <QString>

#include <vector>

namespace varnolt::writers::sketch {

// One step of an outline on the paper: a move, a straight line or a cubic
// Bézier curve to `to`, or the closing of the outline.
struct PathStep {
    enum class Kind { Move, Line, Cubic, Close };
    Kind kind = Kind::Move;
    Point c1;
    Point c2;
    Point to;
};

// A drawn thing: a line, an outline or a hatched area. `cls` is its class
// in the report's style sheet, `role` marks the lines a reader measures,
// `pattern` the hatching of an area (water, concrete, ground), `style`
// what the style sheet does not give.
struct Mark {
    QString cls;
    QString role;
    QString pattern;
    QString style;
    std::vector<PathStep> path;
    bool inked = true; // its outline is stroked: no label may cross it
    bool solid = false; // its hatching is dense: no label may lie on it

    // The outline as straight pieces, curves in short chords.
    std::vector<Point> polyline() const;
    bool isStraightLine() const;
};

// The sketch laid out on the paper: the scale, everything drawn in the
// order it is drawn, and the labels where they were set.
struct Drawing {
    double width = 0;
    double height = 0;
    double mmPerMX = 0;
    double mmPerMY = 0;
    double originX = 0;
    double originY = 0;
    double ratio = 0; // 1:N horizontally
    int exaggeration = 1; // the heights' factor over the lengths'
    QString title;
    std::vector<Mark> marks;
    std::vector<PlacedLabel> labels;
    int noteIndex = -1; // the label that states the scale

    // Every stroked line, curves in chords.
    std::vector<Segment> strokes() const;
    // What a label may not touch: the strokes, the dense hatchings, the edge
    // of the paper.
    Obstacles obstacles() const;
};

// The sketch of a scene on an A4 page's text width.
Drawing drawingOf(const Scene &scene, ReportLanguage language);

// The sketch of a case whose check ran, with the adopted basin `type`.
Drawing sketchDrawing(const design::CaseResult &result, ReportLanguage language,
        design::BasinType type = design::BasinType::Sunk);

// The elevation labels' texts begin with the level sign.
inline constexpr char16_t levelSign = u'▽';

} // namespace varnolt::writers::sketch
