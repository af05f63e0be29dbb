#include "writers/sketch_labels.h"

#include <QList>

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <tuple>

namespace varnolt::writers::sketch {

namespace {

// East Asian wide characters and the geometric shapes (▽ among them),
// which the report's faces set a full em wide or nearly so.
bool wide(uint c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x25A0 && c <= 0x25FF)
            || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3)
            || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F)
            || (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || c >= 0x20000;
}

// Above the baseline the tallest glyphs of the faces reach 0.8 em (a CJK
// ideograph), below it a descender 0.22 em.
constexpr double ascent = 0.8;
constexpr double descent = 0.22;

// The search's grid on the paper (mm).
constexpr double searchStep = 0.5;

} // namespace

bool Box::overlaps(const Box &other) const
{
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
}

bool Box::contains(Point p) const
{
    return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom;
}

bool Box::inside(const Box &frame) const
{
    return left >= frame.left && right <= frame.right && top >= frame.top && bottom <= frame.bottom;
}

double textWidth(const QString &text, double fontSize)
{
    const QList<uint> characters = text.toUcs4();
    const double ems = std::accumulate(characters.begin(), characters.end(), 0.0,
            [](double sum, uint c) { return sum + (wide(c) ? 1.0 : 0.65); });
    return ems * fontSize;
}

namespace {

// A text's box from its width, so that a label tried at many places is
// measured once.
Box boxOfWidth(double width, Point at, Anchor anchor, double fontSize)
{
    double left = at.x;
    if (anchor == Anchor::Middle)
        left -= width / 2;
    else if (anchor == Anchor::End)
        left -= width;
    return Box{left - labelClearance, at.y - ascent * fontSize - labelClearance,
            left + width + labelClearance, at.y + descent * fontSize + labelClearance};
}

struct Move {
    double cost;
    double dx;
    double dy;
};

// The places a label may move to within the reach, the cheapest first.
// Equal costs keep the order of the grid: a stable, reproducible choice.
std::vector<Move> movesByCost(int steps, double costX, double costY)
{
    std::vector<Move> moves;
    moves.reserve(std::size_t(2 * steps + 1) * std::size_t(2 * steps + 1));
    for (int i = -steps; i <= steps; ++i) {
        for (int j = -steps; j <= steps; ++j) {
            const double dx = i * searchStep;
            const double dy = j * searchStep;
            moves.push_back(Move{costX * std::abs(dx) + costY * std::abs(dy), dx, dy});
        }
    }
    std::stable_sort(moves.begin(), moves.end(),
            [](const Move &a, const Move &b) { return a.cost < b.cost; });
    return moves;
}

} // namespace

Box textBox(const QString &text, Point at, Anchor anchor, double fontSize)
{
    return boxOfWidth(textWidth(text, fontSize), at, anchor, fontSize);
}

bool crosses(const Segment &s, const Box &b)
{
    // Most strokes lie wholly to one side of a label: nothing to clip.
    if (std::max(s.a.x, s.b.x) < b.left || std::min(s.a.x, s.b.x) > b.right
            || std::max(s.a.y, s.b.y) < b.top || std::min(s.a.y, s.b.y) > b.bottom)
        return false;
    // Liang–Barsky: clip the segment's parameter range to the box's slabs.
    double t0 = 0;
    double t1 = 1;
    const double dx = s.b.x - s.a.x;
    const double dy = s.b.y - s.a.y;
    const auto clip = [&](double p, double q) {
        if (p == 0)
            return q >= 0;
        const double t = q / p;
        if (p < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        return t0 <= t1;
    };
    return clip(-dx, s.a.x - b.left) && clip(dx, b.right - s.a.x) && clip(-dy, s.a.y - b.top)
            && clip(dy, b.bottom - s.a.y);
}

bool insidePolygon(Point p, const std::vector<Point> &polygon)
{
    bool in = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Point &a = polygon[i];
        const Point &b = polygon[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            in = !in;
    }
    return in;
}

namespace {

// The obstacles as the search for a label's place tries them: every stroke
// and every area's edge with its extent worked out once, and the segment
// that blocked the box tried last tried first, as the next box, a small move
// away, is most often blocked by it too. Whether a box is blocked does not
// depend on the order in which segments are tried.
class ObstacleSearch {
public:
    explicit ObstacleSearch(const Obstacles &obstacles)
        : m_obstacles(obstacles)
    {
        for (const Segment &s : obstacles.strokes)
            add(s);
        for (const std::vector<Point> &area : obstacles.areas) {
            if (area.size() < 3)
                continue;
            for (std::size_t i = 0, j = area.size() - 1; i < area.size(); j = i++)
                add(Segment{area[j], area[i]});
        }
    }

    bool blocks(const Box &b)
    {
        if (!b.inside(m_obstacles.frame))
            return true;
        if (m_lastBlocking < m_edges.size() && crossesEdge(m_edges[m_lastBlocking], b))
            return true;
        for (std::size_t i = 0; i < m_edges.size(); ++i) {
            if (crossesEdge(m_edges[i], b)) {
                m_lastBlocking = i;
                return true;
            }
        }
        // A box inside an area, crossed by none of its edges, has its corner
        // in it.
        return std::any_of(m_obstacles.areas.begin(), m_obstacles.areas.end(),
                [&](const std::vector<Point> &area) {
                    return area.size() >= 3 && insidePolygon(Point{b.left, b.top}, area);
                });
    }

private:
    struct Edge {
        Segment segment;
        Box extent;
    };

    void add(const Segment &s)
    {
        m_edges.push_back(Edge{s,
                Box{std::min(s.a.x, s.b.x), std::min(s.a.y, s.b.y), std::max(s.a.x, s.b.x),
                        std::max(s.a.y, s.b.y)}});
    }

    static bool crossesEdge(const Edge &e, const Box &b)
    {
        // Most strokes lie wholly to one side of a label: nothing to clip.
        if (e.extent.right < b.left || e.extent.left > b.right || e.extent.bottom < b.top
                || e.extent.top > b.bottom)
            return false;
        return crosses(e.segment, b);
    }

    const Obstacles &m_obstacles;
    std::vector<Edge> m_edges;
    std::size_t m_lastBlocking = 0;
};

} // namespace

bool Obstacles::blocks(const Box &b) const
{
    return ObstacleSearch(*this).blocks(b);
}

std::vector<PlacedLabel> placeLabels(
        const std::vector<LabelRequest> &requests, const Obstacles &obstacles, double reach)
{
    std::vector<PlacedLabel> placed;
    ObstacleSearch search(obstacles);
    const int steps = int(std::ceil(reach / searchStep));
    // Every sketch's labels share a few weightings of their moves: each order
    // of the grid is sorted once per thread, as sketches are drawn in parallel.
    thread_local std::map<std::tuple<int, double, double>, std::vector<Move>> orders;
    for (const LabelRequest &r : requests) {
        const std::tuple<int, double, double> key{steps, r.costX, r.costY};
        auto order = orders.find(key);
        if (order == orders.end())
            order = orders.emplace(key, movesByCost(steps, r.costX, r.costY)).first;
        const double width = textWidth(r.text, labelFontSize);
        PlacedLabel label{r.text, r.at, r.anchor, textBox(r.text, r.at, r.anchor), false};
        for (const Move &m : order->second) {
            const Point at{r.at.x + m.dx, r.at.y + m.dy};
            const Box box = boxOfWidth(width, at, r.anchor, labelFontSize);
            const bool clear = !search.blocks(box)
                    && std::none_of(placed.begin(), placed.end(),
                            [&](const PlacedLabel &p) { return p.box.overlaps(box); });
            if (clear) {
                label = PlacedLabel{r.text, at, r.anchor, box, true};
                break;
            }
        }
        placed.push_back(label);
    }
    return placed;
}

} // namespace varnolt::writers::sketch
