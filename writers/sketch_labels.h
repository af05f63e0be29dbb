#pragma once

#include <QString>

#include <vector>

namespace varnolt::writers::sketch {

// Paper geometry of the sketch, in millimetres with y downwards as on the
// page.
struct Point {
    double x = 0;
    double y = 0;
};

struct Segment {
    Point a;
    Point b;
};

struct Box {
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;

    bool overlaps(const Box &other) const;
    bool contains(Point p) const;
    bool inside(const Box &frame) const;
};

// The font size of the sketch's texts (mm) and the room kept around a text,
// so that a line passing just clear of the glyphs does not touch them.
inline constexpr double labelFontSize = 2.6;
inline constexpr double labelClearance = 0.35;

enum class Anchor { Start, Middle, End };

// The advance of a text at the sketch's font size, estimated from its
// characters: a wide (CJK or full-width) character takes a full em, any
// other at most 0.65 em, which bounds the digits, Latin letters and
// symbols of the faces the report names.
double textWidth(const QString &text, double fontSize = labelFontSize);

// The box a text with its baseline's reference point at `at` covers, with
// the clearance around it.
Box textBox(const QString &text, Point at, Anchor anchor, double fontSize = labelFontSize);

// Whether the segment touches the box (crosses it or lies in it).
bool crosses(const Segment &s, const Box &b);

// Whether a point lies in the closed polygon.
bool insidePolygon(Point p, const std::vector<Point> &polygon);

// What a label may not touch: the strokes drawn, the filled areas whose
// hatching would hide it, and the frame it must stay in.
struct Obstacles {
    std::vector<Segment> strokes;
    std::vector<std::vector<Point>> areas;
    Box frame;

    bool blocks(const Box &b) const;
};

// A text to set near its reference point: the search moves it away from
// the point, horizontal moves costing `costX` per mm and vertical ones
// `costY`, so that a dimension's value slides along its line first.
struct LabelRequest {
    QString text;
    Point at;
    Anchor anchor = Anchor::Start;
    double costX = 1;
    double costY = 1;
};

struct PlacedLabel {
    QString text;
    Point at;
    Anchor anchor = Anchor::Start;
    Box box;
    bool free = true; // false where no place clear of everything was found
};

// Sets each label in turn at the cheapest place within `reach` mm of its
// reference point where its box touches no obstacle and no label set
// before it; a label with no such place stays at its point, marked.
std::vector<PlacedLabel> placeLabels(
        const std::vector<LabelRequest> &requests, const Obstacles &obstacles, double reach = 30);

} // namespace varnolt::writers::sketch
