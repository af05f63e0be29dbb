#include "writers/sketch_drawing.h"

#include "writers/report_numbers.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <cmath>

namespace varnolt::writers::sketch {

using namespace Qt::StringLiterals;

namespace {

// Paper layout in millimetres: the sketch fills the text width of an A4 page
// with 18 mm margins and never grows taller than a third of the page.
constexpr double paperWidth = 170.0;
constexpr double sideMargin = 4.0;
constexpr double topMargin = 7.0;
constexpr double bottomArea = 17.0; // ground band, length dimension, scale note
constexpr double maxDrawingHeight = 95.0;
constexpr double minDrawingHeight = 40.0;
constexpr double groundBand = 2.5;

// The weir's downstream face runs 0.75 horizontally per unit of fall, about
// the slope of a practical-profile weir.
constexpr double faceRun = 0.75;

// Chords per Bézier curve where a curve is taken as straight pieces: under
// 0.1 mm from the curve on this paper.
constexpr int chordsPerCurve = 24;

// An elevation's text stands this far above its line (baseline, mm): its
// descender and the clearance stay off the line.
constexpr double levelLift = 0.22 * labelFontSize + labelClearance + 0.15;

Point cubicAt(Point p0, Point c1, Point c2, Point p3, double t)
{
    const double u = 1 - t;
    const double a = u * u * u;
    const double b = 3 * u * u * t;
    const double c = 3 * u * t * t;
    const double d = t * t * t;
    return Point{
            a * p0.x + b * c1.x + c * c2.x + d * p3.x, a * p0.y + b * c1.y + c * c2.y + d * p3.y};
}

PathStep moveTo(Point p)
{
    return PathStep{PathStep::Kind::Move, {}, {}, p};
}

PathStep lineTo(Point p)
{
    return PathStep{PathStep::Kind::Line, {}, {}, p};
}

PathStep curveTo(Point c1, Point c2, Point p)
{
    return PathStep{PathStep::Kind::Cubic, c1, c2, p};
}

PathStep closePath()
{
    return PathStep{PathStep::Kind::Close, {}, {}, {}};
}

void append(std::vector<PathStep> &to, const std::vector<PathStep> &steps)
{
    to.insert(to.end(), steps.begin(), steps.end());
}

class Layout {
public:
    Layout(const Scene &s, ReportLanguage language)
        : m_s(s)
        , m_language(language)
    {
        layOut();
    }

    Drawing drawing() const;

private:
    // Where the water's profile runs, in metres.
    struct Profile {
        double crestEnd = 0;
        double run = 0; // horizontal run of the downstream face
        double approach = 0; // where the pool's level starts to draw down
        double drop = 0; // the run from the jump's end down to the tailwater
        double jumpTop = 0;
        double crestLevel = 0; // the nappe's surface at the crest's end
        double onwardFall = 0; // its fall from there along the face
        bool drowned = false;
        double tailwaterStart = 0;
    };

    void layOut();
    Profile profile() const;
    double X(double x) const { return m_originX + x * m_sx; }
    double Y(double y) const { return m_originY - y * m_sy; }
    Point P(double x, double y) const { return Point{X(x), Y(y)}; }

    std::vector<PathStep> nappe(const Profile &w) const;
    std::vector<PathStep> freeJump(const Profile &w) const;
    std::vector<PathStep> toTailwater(const Profile &w) const;
    void water(std::vector<Mark> &out, const Profile &w) const;
    void roller(std::vector<Mark> &out, const Profile &w) const;
    void weir(std::vector<Mark> &out, const Profile &w) const;
    void sill(std::vector<Mark> &out) const;
    void ground(std::vector<Mark> &out) const;
    void edgesAndLevels(std::vector<Mark> &out, const Profile &w) const;
    void energyLine(
            std::vector<Mark> &out, std::vector<LabelRequest> &labels, const Profile &w) const;
    void dimensions(
            std::vector<Mark> &out, std::vector<LabelRequest> &labels, const Profile &w) const;
    void lengthDimension(std::vector<Mark> &out, std::vector<LabelRequest> &labels) const;
    void elevations(std::vector<LabelRequest> &labels, const Profile &w) const;
    QString scaleNote() const;

    Mark line(double x1, double y1, double x2, double y2, const QString &cls,
            const QString &role = {}) const;
    static Mark paperLine(Point a, Point b, const QString &cls);
    void verticalDimension(std::vector<Mark> &out, std::vector<LabelRequest> &labels, double xMm,
            double y1, double y2, const QString &text, bool labelLeft) const;
    Mark levelMark(double x, double y) const;

    Scene m_s;
    ReportLanguage m_language;
    double m_crest = 0; // length of the crest (m)
    double m_heel = 0; // x of the upstream face (m)
    double m_xStart = 0;
    double m_xEnd = 0;
    double m_yTop = 0;
    double m_yBottom = 0;
    double m_sx = 0; // paper mm per metre, horizontal
    double m_sy = 0; // vertical
    double m_ratio = 0; // 1:N horizontal
    int m_exaggeration = 1;
    double m_originX = 0;
    double m_originY = 0;
    double m_height = 0;
};

void Layout::layOut()
{
    const Scene &s = m_s;
    const double fall = s.a1 - s.floor;
    m_crest = std::max(0.3 * s.H, 0.03 * fall);
    m_heel = -(faceRun * fall + m_crest);
    const double span = s.length - m_heel;
    // Room upstream for the pool with the weir's height and head measured
    // in it.
    m_xStart = m_heel - 0.3 * span;
    m_xEnd = s.length + 0.25 * span;
    m_yTop = std::max({s.a1 + s.H, s.ht, s.floor + s.top, s.energy});
    m_yBottom = std::min(s.floor, s.approachBed);
    const double worldHeight = m_yTop - m_yBottom;

    const double drawingWidth = paperWidth - 2 * sideMargin;
    m_ratio = niceRatio(1000.0 * (m_xEnd - m_xStart) / drawingWidth);
    if (worldHeight * 1000.0 / m_ratio > maxDrawingHeight)
        m_ratio = niceRatio(1000.0 * worldHeight / maxDrawingHeight);
    m_sx = 1000.0 / m_ratio;
    // Fill the width at the chosen scale: more tailwater, same drawing.
    m_xEnd = m_xStart + drawingWidth / m_sx;

    // A low weir under a long basin would be a thin line: exaggerate the
    // heights by a stated factor until the drawing reads.
    static constexpr std::array<int, 10> factors{1, 2, 5, 10, 20, 50, 100, 200, 500, 1000};
    for (const int e : factors) {
        if (worldHeight * m_sx * e > maxDrawingHeight)
            break;
        m_exaggeration = e;
        if (worldHeight * m_sx * e >= minDrawingHeight)
            break;
    }
    m_sy = m_sx * m_exaggeration;

    m_originX = sideMargin - m_xStart * m_sx;
    m_originY = topMargin + m_yTop * m_sy;
    m_height = topMargin + worldHeight * m_sy + bottomArea;
}

Mark Layout::line(
        double x1, double y1, double x2, double y2, const QString &cls, const QString &role) const
{
    Mark m;
    m.cls = cls;
    m.role = role;
    m.path = {moveTo(P(x1, y1)), lineTo(P(x2, y2))};
    return m;
}

Mark Layout::paperLine(Point a, Point b, const QString &cls)
{
    Mark m;
    m.cls = cls;
    m.path = {moveTo(a), lineTo(b)};
    return m;
}

void Layout::verticalDimension(std::vector<Mark> &out, std::vector<LabelRequest> &labels,
        double xMm, double y1, double y2, const QString &text, bool labelLeft) const
{
    const double a = Y(y1);
    const double b = Y(y2);
    out.push_back(paperLine({xMm, a}, {xMm, b}, u"dim"_s));
    // Architectural ticks at both ends and short extension lines.
    for (const double y : {a, b}) {
        out.push_back(paperLine({xMm - 0.8, y + 0.8}, {xMm + 0.8, y - 0.8}, u"dim"_s));
        out.push_back(paperLine({xMm - 1.5, y}, {xMm + 1.5, y}, u"dim"_s));
    }
    // The value beside the middle of its line; it slides along the line
    // before it moves away from it.
    const double middle = (a + b) / 2 + labelFontSize * 0.35;
    labels.push_back(LabelRequest{text, Point{labelLeft ? xMm - 1.4 : xMm + 1.4, middle},
            labelLeft ? Anchor::End : Anchor::Start, 2.0, 0.5});
}

// The inverted triangle that marks a water level on a section.
Mark Layout::levelMark(double x, double y) const
{
    const double cx = X(x);
    const double cy = Y(y);
    Mark m;
    m.cls = u"mark"_s;
    m.path = {moveTo({cx, cy}), lineTo({cx - 1.2, cy - 1.8}), lineTo({cx + 1.2, cy - 1.8}),
            closePath()};
    return m;
}

// The points of the water's profile every part of the drawing refers to.
Layout::Profile Layout::profile() const
{
    const Scene &s = m_s;
    Profile w;
    w.crestEnd = m_heel + m_crest;
    w.run = -w.crestEnd;
    w.approach = std::max(m_heel - s.H, m_xStart + 0.3 * (m_heel - m_xStart));
    w.drop = std::min(0.08 * (s.length - m_heel), 0.5 * (m_xEnd - s.length));
    w.jumpTop = s.floor + s.top;
    // The nappe draws down over the crest, then follows the face to the
    // contracted section.
    w.crestLevel = s.a1 + 0.6 * s.H;
    const double slopeOverCrest = 0.16 * s.H / m_crest; // fall per metre at the crest's end
    w.onwardFall = std::min(slopeOverCrest * 0.45 * w.run, 0.5 * (w.crestLevel - s.floor));
    // A tailwater at or above the conjugate depth drowns the jump at the toe:
    // its level reaches back to the nappe.
    w.drowned = !s.basin && s.ht >= s.top;
    w.tailwaterStart = s.basin ? s.length : s.length + w.drop;
    if (w.drowned) {
        w.tailwaterStart = nappeReaches(s.ht, w.crestEnd, w.crestLevel, w.crestEnd + 0.45 * w.run,
                w.crestLevel - w.onwardFall, -0.35 * w.run, s.floor + s.hco);
    }
    return w;
}

// The nappe's surface from the draw-down over the crest to the contracted
// section. Its two curves share their tangent at the end of the crest, so
// the surface has no kink there.
std::vector<PathStep> Layout::nappe(const Profile &w) const
{
    const Scene &s = m_s;
    return {curveTo(P(m_heel, s.a1 + s.H), P(w.crestEnd - 0.5 * m_crest, w.crestLevel + 0.08 * s.H),
                    P(w.crestEnd, w.crestLevel)),
            curveTo(P(w.crestEnd + 0.45 * w.run, w.crestLevel - w.onwardFall),
                    P(-0.35 * w.run, s.floor + s.hco), P(0, s.floor + s.hco))};
}

std::vector<PathStep> Layout::freeJump(const Profile &w) const
{
    const Scene &s = m_s;
    const double L = s.length;
    return {curveTo(P(0.15 * L, s.floor + s.hco), P(0.3 * L, w.jumpTop), P(L, w.jumpTop))};
}

std::vector<PathStep> Layout::toTailwater(const Profile &w) const
{
    const Scene &s = m_s;
    const double L = s.length;
    return {curveTo(
            P(L + 0.5 * w.drop, w.jumpTop), P(L + 0.5 * w.drop, s.ht), P(L + w.drop, s.ht))};
}

// The water body: the pool over the approach bed, the nappe, the jump and
// the tailwater, and the water's surface over it.
void Layout::water(std::vector<Mark> &out, const Profile &w) const
{
    const Scene &s = m_s;
    const double f = s.floor;
    const double L = s.length;
    Mark body;
    body.cls = u"water"_s;
    body.pattern = u"water"_s;
    body.inked = false;
    body.path = {moveTo(P(m_xStart, s.approachBed)), lineTo(P(m_xStart, s.a1 + s.H)),
            lineTo(P(w.approach, s.a1 + s.H))};
    append(body.path, nappe(w));
    append(body.path, freeJump(w));
    append(body.path, toTailwater(w));
    body.path.push_back(lineTo(P(m_xEnd, s.ht)));
    body.path.push_back(lineTo(P(m_xEnd, 0)));
    if (s.basin) {
        body.path.push_back(lineTo(P(L, 0)));
        body.path.push_back(lineTo(P(L, f)));
    }
    for (const Point p : {P(0, f), P(m_heel, f), P(m_heel, s.approachBed)})
        body.path.push_back(lineTo(p));
    body.path.push_back(closePath());
    out.push_back(body);

    Mark surface;
    surface.cls = u"surface"_s;
    surface.path = {moveTo(P(m_xStart, s.a1 + s.H)), lineTo(P(w.approach, s.a1 + s.H))};
    append(surface.path, nappe(w));
    if (w.drowned) {
        // A drowned jump: the tailwater stands over the toe, and the free
        // jump it replaces is only a dashed reference.
        Mark tail;
        tail.cls = u"water"_s;
        tail.pattern = u"water"_s;
        tail.inked = false;
        tail.path = {moveTo(P(w.tailwaterStart, s.ht)), lineTo(P(m_xEnd, s.ht)),
                lineTo(P(m_xEnd, 0)), lineTo(P(w.tailwaterStart, 0)), closePath()};
        out.push_back(tail);
        out.push_back(surface);
        Mark reference;
        reference.cls = u"reference"_s;
        reference.style = u"fill:none"_s;
        reference.path = {moveTo(P(0, f + s.hco))};
        append(reference.path, freeJump(w));
        out.push_back(reference);
    } else {
        append(surface.path, freeJump(w));
        append(surface.path, toTailwater(w));
        surface.path.push_back(lineTo(P(m_xEnd, s.ht)));
        out.push_back(surface);
    }
}

// The roller of the jump, suggested by a few curls turning back under the
// surface over the jump's length: a sign of the eddy, not a computed
// surface.
void Layout::roller(std::vector<Mark> &out, const Profile &w) const
{
    const Scene &s = m_s;
    const double L = s.length;
    // Under a free jump the roller rides its front; a drowned jump rolls
    // under the tailwater at the toe.
    const Point p0 = P(0, s.floor + s.hco);
    const Point c1 = P(0.15 * L, s.floor + s.hco);
    const Point c2 = P(0.3 * L, w.jumpTop);
    const Point p3 = P(L, w.jumpTop);
    const double floorMm = Y(s.floor);
    constexpr int curls = 5;
    for (int i = 0; i < curls; ++i) {
        const double share = 0.18 + 0.13 * i;
        Point top;
        if (w.drowned) {
            top = P(share * 0.6 * L, s.ht);
        } else {
            // The point of the jump's surface above this share of its length.
            top = cubicAt(p0, c1, c2, p3, 0);
            for (int k = 1; k <= 200; ++k) {
                const Point q = cubicAt(p0, c1, c2, p3, k / 200.0);
                top = q;
                if (q.x >= X(share * L))
                    break;
            }
        }
        // Each curl keeps to the upper part of the water where it stands.
        const double radius = std::min(1.6, 0.2 * (floorMm - top.y));
        if (radius < 0.4)
            continue; // too shallow on the paper to show anything but a smudge
        // A curl that starts under the surface, turns upstream and down,
        // and comes back under itself, like the eddy of the roller.
        const Point start{top.x, top.y + 0.5 * radius};
        Mark curl;
        curl.cls = u"roller"_s;
        curl.style = u"fill:none;stroke:#000;stroke-width:0.15"_s;
        curl.path = {moveTo(start),
                curveTo({start.x - 1.4 * radius, start.y - 0.1 * radius},
                        {start.x - 1.4 * radius, start.y + 1.7 * radius},
                        {start.x - 0.1 * radius, start.y + 1.3 * radius})};
        out.push_back(curl);
    }
}

// The weir in concrete from its foundation at the lower of the approach bed
// and the floor, its downstream face an S-curve from the crest into the
// floor at the toe.
void Layout::weir(std::vector<Mark> &out, const Profile &w) const
{
    const Scene &s = m_s;
    const double f = s.floor;
    const double base = std::min(f, s.approachBed);
    Mark m;
    m.cls = u"concrete"_s;
    m.pattern = u"concrete"_s;
    m.solid = true;
    m.path = {moveTo(P(m_heel, base)), lineTo(P(m_heel, s.a1)), lineTo(P(w.crestEnd, s.a1)),
            curveTo(P(w.crestEnd + 0.45 * w.run, s.a1), P(-0.35 * w.run, f), P(0, f))};
    if (base < f)
        m.path.push_back(lineTo(P(0, base)));
    m.path.push_back(closePath());
    out.push_back(m);
}

// The sill at the basin's end, in concrete: its downstream face upright
// at the basin's end, its upstream face sloping, its crest at the level
// the design gives; nothing where the adopted basin has no sill.
void Layout::sill(std::vector<Mark> &out) const
{
    const Scene &s = m_s;
    if (!s.sillCrest)
        return;
    const double L = s.length;
    const double crest = *s.sillCrest;
    const double topWidth = 0.04 * L;
    const double footWidth = topWidth + 0.6 * (crest - s.floor);
    Mark m;
    m.cls = u"concrete"_s;
    m.pattern = u"concrete"_s;
    m.solid = true;
    m.path = {moveTo(P(L - footWidth, s.floor)), lineTo(P(L - topWidth, crest)),
            lineTo(P(L, crest)), lineTo(P(L, s.floor)), closePath()};
    out.push_back(m);
    out.push_back(line(L - topWidth, crest, L, crest, u"edge"_s, u"sill-crest"_s));
}

// The ground under the floors and the approach bed, a band of hatching
// below each.
void Layout::ground(std::vector<Mark> &out) const
{
    const Scene &s = m_s;
    const double f = s.floor;
    const double L = s.length;
    auto band = [&](double left, double top, double right, double bottom) {
        Mark m;
        m.cls = u"ground"_s;
        m.pattern = u"ground"_s;
        m.inked = false;
        m.solid = true;
        m.path = {moveTo({left, top}), lineTo({right, top}), lineTo({right, bottom}),
                lineTo({left, bottom}), closePath()};
        out.push_back(m);
    };
    band(X(m_xStart), Y(s.approachBed), X(m_heel), Y(s.approachBed) + groundBand);
    band(X(m_heel), Y(f), X(s.basin ? L : m_xEnd), Y(f) + groundBand);
    if (s.basin) {
        band(X(L), Y(0), X(m_xEnd), Y(0) + groundBand);
        if (f < 0)
            band(X(L), Y(0), X(L) + groundBand, Y(f));
    }
}

// The lines a reader measures: crest, levels, beds and floors.
void Layout::edgesAndLevels(std::vector<Mark> &out, const Profile &w) const
{
    const Scene &s = m_s;
    const double f = s.floor;
    const double L = s.length;
    out.push_back(line(m_heel, s.a1, w.crestEnd, s.a1, u"edge"_s, u"weir-crest"_s));
    out.push_back(
            line(m_xStart, s.a1 + s.H, w.approach, s.a1 + s.H, u"level"_s, u"upstream-level"_s));
    out.push_back(
            line(m_xStart, s.approachBed, m_heel, s.approachBed, u"edge"_s, u"upstream-bed"_s));
    if (s.basin) {
        out.push_back(line(0, f, L, f, u"edge"_s, u"basin-floor"_s));
        if (f < 0)
            out.push_back(line(L, f, L, 0, u"edge"_s, u"end-step"_s));
        out.push_back(line(L, 0, m_xEnd, 0, u"edge"_s, u"downstream-floor"_s));
    } else {
        out.push_back(line(0, 0, m_xEnd, 0, u"edge"_s, u"downstream-floor"_s));
    }
    out.push_back(line(0, w.jumpTop, L, w.jumpTop, u"reference"_s, u"jump-level"_s));
    out.push_back(line(w.tailwaterStart, s.ht, m_xEnd, s.ht, u"level"_s, u"tailwater"_s));
    // Where the elevations are written the level sign goes with them.
    if (!s.levels) {
        out.push_back(levelMark(m_xStart + 0.4 * (w.approach - m_xStart), s.a1 + s.H));
        out.push_back(levelMark(m_xEnd - 0.3 * (m_xEnd - L - w.drop), s.ht));
    }
}

// The energy line, dashed, at the total head E0 from where the pool draws
// down to the toe, named at its end, clear of the upstream level's
// elevation over the pool.
void Layout::energyLine(
        std::vector<Mark> &out, std::vector<LabelRequest> &labels, const Profile &w) const
{
    const Scene &s = m_s;
    Mark m = line(w.approach, s.energy, 0, s.energy, u"energy"_s, u"energy-line"_s);
    m.style = u"stroke:#000;stroke-width:0.25;stroke-dasharray:1.6 0.8"_s;
    out.push_back(m);
    labels.push_back(LabelRequest{u"%1 E0"_s.arg(word(Word::SketchEnergyLine, m_language)),
            Point{X(0) + 1.0, Y(s.energy) + 0.35 * labelFontSize}, Anchor::Start, 0.3, 3.0});
}

// Dimension lines with their values: the heights at the sides and at the
// basin's end.
void Layout::dimensions(
        std::vector<Mark> &out, std::vector<LabelRequest> &labels, const Profile &w) const
{
    const Scene &s = m_s;
    const double f = s.floor;
    const double L = s.length;
    const double left = X(m_xStart) + 3;
    // The weir's height on the approach side: P where the design gives the
    // approach bed, a1 where the bed is the downstream floor.
    const QString height = s.levels ? u"P=%1"_s.arg(toMillimetre(s.weirHeight()))
                                    : u"a1=%1"_s.arg(toMillimetre(s.a1));
    verticalDimension(out, labels, left, s.approachBed, s.a1, height, false);
    verticalDimension(out, labels, left, s.a1, s.a1 + s.H, u"H=%1"_s.arg(toMillimetre(s.H)), false);
    verticalDimension(
            out, labels, X(0) + 1.5, f, f + s.hco, u"hc=%1"_s.arg(toMillimetre(s.hco)), false);
    verticalDimension(out, labels, X(L) - 2.5, f, w.jumpTop, s.topLabel, true);
    if (s.basin && f < 0)
        verticalDimension(out, labels, X(L) + 4.0, f, 0, u"d=%1"_s.arg(toMillimetre(-f)), false);
    if (s.sillCrest)
        verticalDimension(out, labels, X(L) + (f < 0 ? 9.0 : 4.0), 0, *s.sillCrest,
                u"c=%1"_s.arg(toMillimetre(*s.sillCrest)), false);
    verticalDimension(
            out, labels, X(m_xEnd) - 3, 0, s.ht, u"ht=%1"_s.arg(toMillimetre(s.ht)), true);
}

// The length of the basin or the jump, below the floor.
void Layout::lengthDimension(std::vector<Mark> &out, std::vector<LabelRequest> &labels) const
{
    const Scene &s = m_s;
    const double f = s.floor;
    const double L = s.length;
    const double dimY = Y(f) + groundBand + 4.0;
    out.push_back(paperLine({X(0), dimY}, {X(L), dimY}, u"dim"_s));
    for (const double x : {X(0), X(L)}) {
        out.push_back(paperLine({x - 0.8, dimY + 0.8}, {x + 0.8, dimY - 0.8}, u"dim"_s));
        out.push_back(paperLine({x, dimY - 1.5}, {x, dimY + 1.5}, u"dim"_s));
    }
    labels.push_back(LabelRequest{
            s.lengthLabel, Point{(X(0) + X(L)) / 2, dimY - 1.0}, Anchor::Middle, 0.3, 2.0});
}

// The elevations, each just above its line, where the design gives them:
// each slides along its line before it leaves it.
void Layout::elevations(std::vector<LabelRequest> &labels, const Profile &w) const
{
    const Scene &s = m_s;
    if (!s.levels)
        return;
    const Scene::Levels &e = *s.levels;
    const double L = s.length;
    auto add = [&](double elevation, double x, double y, Anchor anchor) {
        labels.push_back(LabelRequest{QString(levelSign) + toMillimetre(elevation),
                Point{x, Y(y) - levelLift}, anchor, 0.3, 3.0});
    };
    add(e.crest, X(w.crestEnd), s.a1, Anchor::End);
    add(e.upstream, X(m_xStart) + 5.0, s.a1 + s.H, Anchor::Start);
    add(e.approachBed, X(m_heel) - 1.0, s.approachBed, Anchor::End);
    add(e.tailwater, X(m_xEnd) - 8.0, s.ht, Anchor::End);
    // The floor the jump stands on: the basin's where it is lowered (the
    // floor drawn, at the depth sized), else the downstream floor.
    if (s.basin && s.floor < 0)
        add(e.floor + s.floor, X(0.55 * L), s.floor, Anchor::Middle);
    add(e.floor, X(m_xEnd) - 8.0, 0, Anchor::End);
    if (s.sillCrest)
        add(e.floor + *s.sillCrest, X(L) + 1.0, *s.sillCrest, Anchor::Start);
}

// The scale, stated: one ratio, or two with the heights' exaggeration.
QString Layout::scaleNote() const
{
    const QString ratio = QString::number(m_ratio, 'f', QLocale::FloatingPointShortest);
    const QString verticalRatio
            = QString::number(m_ratio / m_exaggeration, 'f', QLocale::FloatingPointShortest);
    const QString note = m_exaggeration == 1
            ? word(Word::SketchScale, m_language).arg(ratio)
            : word(Word::SketchExaggeration, m_language)
                      .arg(ratio, verticalRatio, QString::number(m_exaggeration));
    return note + word(Word::SketchUnits, m_language);
}

Drawing Layout::drawing() const
{
    const Profile w = profile();
    Drawing d;
    d.width = paperWidth;
    d.height = m_height;
    d.mmPerMX = m_sx;
    d.mmPerMY = m_sy;
    d.originX = m_originX;
    d.originY = m_originY;
    d.ratio = m_ratio;
    d.exaggeration = m_exaggeration;
    d.title = word(Word::SketchCaption, m_language);

    water(d.marks, w);
    roller(d.marks, w);
    weir(d.marks, w);
    sill(d.marks);
    ground(d.marks);
    edgesAndLevels(d.marks, w);

    // The labels in the order they claim their places: the scale note, the
    // dimensions' values, the elevations, the length, the energy line.
    std::vector<LabelRequest> labels;
    labels.push_back(
            LabelRequest{scaleNote(), Point{sideMargin, m_height - 1.5}, Anchor::Start, 1.0, 1.0});
    dimensions(d.marks, labels, w);
    elevations(labels, w);
    lengthDimension(d.marks, labels);
    energyLine(d.marks, labels, w);

    d.labels = placeLabels(labels, d.obstacles());
    d.noteIndex = 0;
    return d;
}

} // namespace

std::vector<Point> Mark::polyline() const
{
    std::vector<Point> points;
    Point current;
    Point first;
    for (const PathStep &step : path) {
        switch (step.kind) {
        case PathStep::Kind::Move:
        case PathStep::Kind::Line:
            if (step.kind == PathStep::Kind::Move)
                first = step.to;
            points.push_back(step.to);
            current = step.to;
            break;
        case PathStep::Kind::Cubic:
            for (int i = 1; i <= chordsPerCurve; ++i)
                points.push_back(
                        cubicAt(current, step.c1, step.c2, step.to, double(i) / chordsPerCurve));
            current = step.to;
            break;
        case PathStep::Kind::Close:
            points.push_back(first);
            current = first;
            break;
        }
    }
    return points;
}

bool Mark::isStraightLine() const
{
    return path.size() == 2 && path[0].kind == PathStep::Kind::Move
            && path[1].kind == PathStep::Kind::Line && pattern.isEmpty();
}

std::vector<Segment> Drawing::strokes() const
{
    std::vector<Segment> segments;
    for (const Mark &m : marks) {
        if (!m.inked)
            continue;
        const std::vector<Point> points = m.polyline();
        for (std::size_t i = 1; i < points.size(); ++i)
            segments.push_back(Segment{points[i - 1], points[i]});
    }
    return segments;
}

Obstacles Drawing::obstacles() const
{
    Obstacles o;
    o.strokes = strokes();
    for (const Mark &m : marks) {
        if (m.solid)
            o.areas.push_back(m.polyline());
    }
    o.frame = Box{0, 0, width, height};
    return o;
}

Drawing drawingOf(const Scene &scene, ReportLanguage language)
{
    return Layout(scene, language).drawing();
}

Drawing sketchDrawing(
        const design::CaseResult &result, ReportLanguage language, design::BasinType type)
{
    return drawingOf(sceneOf(result, language, type), language);
}

} // namespace varnolt::writers::sketch
