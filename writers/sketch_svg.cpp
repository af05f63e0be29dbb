#include "writers/sketch_svg.h"

#include "writers/html_escape.h"
#include "writers/report_numbers.h"
#include "writers/sketch_scene.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <cmath>

namespace varnolt::writers {

using namespace Qt::StringLiterals;
using sketch::nappeReaches;
using sketch::niceRatio;
using sketch::Scene;
using sketch::sceneOf;

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
constexpr double fontSize = 2.6;

// The weir's downstream face runs 0.75 horizontally per unit of fall, about
// the slope of a practical-profile weir.
constexpr double faceRun = 0.75;

QString mm(double v)
{
    return QString::number(v, 'f', 2);
}

class Sketch {
public:
    Sketch(const Scene &s, ReportLanguage language, QString prefix)
        : m_s(s)
        , m_language(language)
        , m_prefix(std::move(prefix))
    {
        layOut();
    }

    QString svg() const;

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
    QString opening() const;
    QString patterns() const;
    QString water(const Profile &w) const;
    QString weir(const Profile &w) const;
    QString ground() const;
    QString edgesAndLevels(const Profile &w) const;
    QString dimensions(const Profile &w) const;
    QString scaleNote() const;
    double X(double x) const { return m_originX + x * m_sx; }
    double Y(double y) const { return m_originY - y * m_sy; }
    QString pt(double x, double y) const { return mm(X(x)) + u',' + mm(Y(y)); }
    QString sill() const;
    QString line(double x1, double y1, double x2, double y2, const QString &cls,
            const QString &role = {}) const;
    QString label(double xMm, double yMm, const QString &text, const QString &anchor) const;
    QString verticalDimension(
            double xMm, double y1, double y2, const QString &text, bool labelLeft) const;
    QString levelMark(double x, double y) const;

    Scene m_s;
    ReportLanguage m_language;
    QString m_prefix;
    double m_crest = 0; // length of the crest (m)
    double m_heel = 0; // x of the upstream face (m)
    double m_xStart = 0;
    double m_xEnd = 0;
    double m_yTop = 0;
    double m_sx = 0; // paper mm per metre, horizontal
    double m_sy = 0; // vertical
    double m_ratio = 0; // 1:N horizontal
    int m_exaggeration = 1;
    double m_originX = 0;
    double m_originY = 0;
    double m_height = 0;
};

void Sketch::layOut()
{
    const Scene &s = m_s;
    const double fall = s.a1 - s.floor;
    m_crest = std::max(0.3 * s.H, 0.03 * fall);
    m_heel = -(faceRun * fall + m_crest);
    const double span = s.length - m_heel;
    m_xStart = m_heel - 0.22 * span;
    m_xEnd = s.length + 0.25 * span;
    m_yTop = std::max({s.a1 + s.H, s.ht, s.floor + s.top});
    const double worldHeight = m_yTop - s.floor;

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

QString Sketch::line(
        double x1, double y1, double x2, double y2, const QString &cls, const QString &role) const
{
    QString roleAttr = role.isEmpty() ? QString() : u" data-role=\"%1\""_s.arg(role);
    return u"<line class=\"%1\"%2 x1=\"%3\" y1=\"%4\" x2=\"%5\" y2=\"%6\"/>\n"_s.arg(
            cls, roleAttr, mm(X(x1)), mm(Y(y1)), mm(X(x2)), mm(Y(y2)));
}

QString Sketch::label(double xMm, double yMm, const QString &text, const QString &anchor) const
{
    return u"<text x=\"%1\" y=\"%2\" text-anchor=\"%3\">%4</text>\n"_s.arg(
            mm(xMm), mm(yMm), anchor, htmlEscaped(text));
}

QString Sketch::verticalDimension(
        double xMm, double y1, double y2, const QString &text, bool labelLeft) const
{
    const double a = Y(y1);
    const double b = Y(y2);
    QString out = u"<g class=\"dim\">"_s;
    out += u"<line x1=\"%1\" y1=\"%2\" x2=\"%1\" y2=\"%3\"/>"_s.arg(mm(xMm), mm(a), mm(b));
    // Architectural ticks at both ends and short extension lines.
    for (const double y : {a, b}) {
        out += u"<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\"/>"_s.arg(
                mm(xMm - 0.8), mm(y + 0.8), mm(xMm + 0.8), mm(y - 0.8));
        out += u"<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%2\"/>"_s.arg(
                mm(xMm - 1.5), mm(y), mm(xMm + 1.5));
    }
    out += u"</g>\n"_s;
    const double middle = (a + b) / 2 + fontSize * 0.35;
    out += label(
            labelLeft ? xMm - 1.4 : xMm + 1.4, middle, text, labelLeft ? u"end"_s : u"start"_s);
    return out;
}

// The inverted triangle that marks a water level on a section.
QString Sketch::levelMark(double x, double y) const
{
    const double cx = X(x);
    const double cy = Y(y);
    return u"<path class=\"mark\" d=\"M%1,%2 L%3,%4 L%5,%4 Z\"/>\n"_s.arg(
            mm(cx), mm(cy), mm(cx - 1.2), mm(cy - 1.8), mm(cx + 1.2));
}

// The points of the water's profile every part of the drawing refers to.
Sketch::Profile Sketch::profile() const
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

QString Sketch::svg() const
{
    const Profile w = profile();
    QString out = opening();
    out += patterns();
    out += water(w);
    out += weir(w);
    out += sill();
    out += ground();
    out += edgesAndLevels(w);
    out += dimensions(w);
    out += scaleNote();
    out += u"</svg>\n"_s;
    return out;
}

QString Sketch::opening() const
{
    const QString ratio = QString::number(m_ratio, 'f', QLocale::FloatingPointShortest);
    const QString verticalRatio
            = QString::number(m_ratio / m_exaggeration, 'f', QLocale::FloatingPointShortest);
    QString out;
    // The paper size goes in the style: an HTML validator knows the width
    // and height attributes of an inline SVG only in CSS pixels.
    out += u"<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"sketch\" "
           u"style=\"width:%1mm;height:%2mm\" viewBox=\"0 0 %1 %2\" role=\"img\" "
           u"data-mm-per-m-x=\"%3\" data-mm-per-m-y=\"%4\" data-origin-x=\"%5\" "
           u"data-origin-y=\"%6\" data-scale=\"1:%7\" data-vertical-scale=\"1:%8\">\n"_s.arg(
                   mm(paperWidth), mm(m_height), QString::number(m_sx, 'g', 17),
                   QString::number(m_sy, 'g', 17), QString::number(m_originX, 'g', 17),
                   QString::number(m_originY, 'g', 17), ratio, verticalRatio);
    out += u"<title>%1</title>\n"_s.arg(htmlEscaped(word(Word::SketchCaption, m_language)));
    return out;
}

// Hatchings instead of colours, so that the sketch prints in black and
// white: sparse level strokes for water, dense diagonals for concrete,
// crossing diagonals for the ground.
QString Sketch::patterns() const
{
    const QString &p = m_prefix;
    QString out;
    out += u"<defs>\n"_s;
    out += u"<pattern id=\"%1-water\" width=\"4\" height=\"1.6\" patternUnits=\"userSpaceOnUse\">"
           u"<line x1=\"0.3\" y1=\"0.8\" x2=\"2.3\" y2=\"0.8\" stroke=\"#777\" "
           u"stroke-width=\"0.15\"/></pattern>\n"_s.arg(p);
    out += u"<pattern id=\"%1-concrete\" width=\"1.4\" height=\"1.4\" "
           u"patternUnits=\"userSpaceOnUse\" patternTransform=\"rotate(45)\">"
           u"<line x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1.4\" stroke=\"#000\" "
           u"stroke-width=\"0.18\"/></pattern>\n"_s.arg(p);
    out += u"<pattern id=\"%1-ground\" width=\"1.6\" height=\"1.6\" "
           u"patternUnits=\"userSpaceOnUse\" patternTransform=\"rotate(-45)\">"
           u"<line x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1.6\" stroke=\"#000\" stroke-width=\"0.2\"/>"
           u"<line x1=\"0\" y1=\"0.8\" x2=\"0.8\" y2=\"0.8\" stroke=\"#000\" "
           u"stroke-width=\"0.12\"/></pattern>\n"_s.arg(p);
    out += u"</defs>\n"_s;
    return out;
}

// The water body: the pool, the nappe, the jump and the tailwater, and the
// water's surface over it.
QString Sketch::water(const Profile &w) const
{
    const Scene &s = m_s;
    const QString &p = m_prefix;
    const double f = s.floor;
    const double L = s.length;
    QString out;
    QString water = u"M"_s + pt(m_xStart, 0) + u" L"_s + pt(m_xStart, s.a1 + s.H);
    water += u" L"_s + pt(w.approach, s.a1 + s.H);
    // The two curves of the nappe share their tangent at the end of the
    // crest, so the surface has no kink there.
    const QString nappe = u" C"_s + pt(m_heel, s.a1 + s.H) + u' '
            + pt(w.crestEnd - 0.5 * m_crest, w.crestLevel + 0.08 * s.H) + u' '
            + pt(w.crestEnd, w.crestLevel) + u" C"_s
            + pt(w.crestEnd + 0.45 * w.run, w.crestLevel - w.onwardFall) + u' '
            + pt(-0.35 * w.run, f + s.hco) + u' ' + pt(0, f + s.hco);
    const QString freeJump = u" C"_s + pt(0.15 * L, f + s.hco) + u' ' + pt(0.3 * L, w.jumpTop)
            + u' ' + pt(L, w.jumpTop);
    const QString toTailwater = u" C"_s + pt(L + 0.5 * w.drop, w.jumpTop) + u' '
            + pt(L + 0.5 * w.drop, s.ht) + u' ' + pt(L + w.drop, s.ht);
    water += nappe + freeJump + toTailwater + u" L"_s + pt(m_xEnd, s.ht) + u" L"_s + pt(m_xEnd, 0);
    if (s.basin)
        water += u" L"_s + pt(L, 0) + u" L"_s + pt(L, f);
    water += u" L"_s + pt(0, f) + u" L"_s + pt(m_heel, f) + u" Z"_s;
    out += u"<path class=\"water\" fill=\"url(#%1-water)\" d=\"%2\"/>\n"_s.arg(p, water);

    // A drowned jump: the free jump the tailwater replaces is only a dashed
    // reference.
    if (w.drowned) {
        out += u"<rect class=\"water\" fill=\"url(#%1-water)\" x=\"%2\" y=\"%3\" width=\"%4\" "
               u"height=\"%5\"/>\n"_s.arg(p, mm(X(w.tailwaterStart)), mm(Y(s.ht)),
                       mm(X(m_xEnd) - X(w.tailwaterStart)), mm(s.ht * m_sy));
        out += u"<path class=\"surface\" d=\"M%1 L%2%3\"/>\n"_s.arg(
                pt(m_xStart, s.a1 + s.H), pt(w.approach, s.a1 + s.H), nappe);
        out += u"<path class=\"reference\" fill=\"none\" d=\"M%1%2\"/>\n"_s.arg(
                pt(0, f + s.hco), freeJump);
    } else {
        out += u"<path class=\"surface\" d=\"M%1 L%2%3%4%5 L%6\"/>\n"_s.arg(
                pt(m_xStart, s.a1 + s.H), pt(w.approach, s.a1 + s.H), nappe, freeJump, toTailwater,
                pt(m_xEnd, s.ht));
    }
    return out;
}

// The weir in concrete, its downstream face an S-curve from the crest into
// the floor at the toe.
QString Sketch::weir(const Profile &w) const
{
    const Scene &s = m_s;
    const double f = s.floor;
    const QString face = u" C"_s + pt(w.crestEnd + 0.45 * w.run, s.a1) + u' ' + pt(-0.35 * w.run, f)
            + u' ' + pt(0, f);
    return u"<path class=\"concrete\" fill=\"url(#%1-concrete)\" d=\"M%2 L%3 L%4%5 L%6 Z\"/>\n"_s
            .arg(m_prefix, pt(m_heel, f), pt(m_heel, s.a1), pt(w.crestEnd, s.a1), face,
                    pt(m_heel, f));
}

// The sill at the basin's end, in concrete: its downstream face upright
// at the basin's end, its upstream face sloping, its crest at the level
// the design gives; nothing where the adopted basin has no sill.
QString Sketch::sill() const
{
    const Scene &s = m_s;
    if (!s.sillCrest)
        return {};
    const double L = s.length;
    const double crest = *s.sillCrest;
    const double topWidth = 0.04 * L;
    const double footWidth = topWidth + 0.6 * (crest - s.floor);
    QString out
            = u"<path class=\"concrete\" fill=\"url(#%1-concrete)\" d=\"M%2 L%3 L%4 L%5 Z\"/>\n"_s
                      .arg(m_prefix, pt(L - footWidth, s.floor), pt(L - topWidth, crest),
                              pt(L, crest), pt(L, s.floor));
    out += line(L - topWidth, crest, L, crest, u"edge"_s, u"sill-crest"_s);
    return out;
}

// The ground under the floors, a band of hatching below each.
QString Sketch::ground() const
{
    const Scene &s = m_s;
    const QString &p = m_prefix;
    const double f = s.floor;
    const double L = s.length;
    auto band = [&](double x1, double x2, double y) {
        return u"<rect class=\"ground\" fill=\"url(#%1-ground)\" x=\"%2\" y=\"%3\" width=\"%4\" "
               u"height=\"%5\"/>\n"_s.arg(
                       p, mm(X(x1)), mm(Y(y)), mm((x2 - x1) * m_sx), mm(groundBand));
    };
    QString out;
    out += band(m_xStart, m_heel, 0);
    out += band(m_heel, s.basin ? L : m_xEnd, f);
    if (s.basin) {
        out += band(L, m_xEnd, 0);
        out += u"<rect class=\"ground\" fill=\"url(#%1-ground)\" x=\"%2\" y=\"%3\" width=\"%4\" "
               u"height=\"%5\"/>\n"_s.arg(
                       p, mm(X(L)), mm(Y(0)), mm(groundBand), mm((0 - f) * m_sy));
    }
    return out;
}

// The lines a reader measures: crest, levels and floors.
QString Sketch::edgesAndLevels(const Profile &w) const
{
    const Scene &s = m_s;
    const double f = s.floor;
    const double L = s.length;
    QString out;
    out += line(m_heel, s.a1, w.crestEnd, s.a1, u"edge"_s, u"weir-crest"_s);
    out += line(m_xStart, s.a1 + s.H, w.approach, s.a1 + s.H, u"level"_s, u"upstream-level"_s);
    out += line(m_xStart, 0, m_heel, 0, u"edge"_s);
    if (s.basin) {
        out += line(0, f, L, f, u"edge"_s, u"basin-floor"_s);
        if (f < 0)
            out += line(L, f, L, 0, u"edge"_s, u"end-step"_s);
        out += line(L, 0, m_xEnd, 0, u"edge"_s, u"downstream-floor"_s);
    } else {
        out += line(0, 0, m_xEnd, 0, u"edge"_s, u"downstream-floor"_s);
    }
    out += line(0, w.jumpTop, L, w.jumpTop, u"reference"_s, u"jump-level"_s);
    out += line(w.tailwaterStart, s.ht, m_xEnd, s.ht, u"level"_s, u"tailwater"_s);
    out += levelMark(m_xStart + 0.4 * (w.approach - m_xStart), s.a1 + s.H);
    out += levelMark(m_xEnd - 0.3 * (m_xEnd - L - w.drop), s.ht);
    return out;
}

// Dimension lines with their values: the heights at the sides, the length
// of the basin or the jump below the floor.
QString Sketch::dimensions(const Profile &w) const
{
    const Scene &s = m_s;
    const double f = s.floor;
    const double L = s.length;
    QString out;
    const double left = X(m_xStart) + 3;
    out += verticalDimension(left, 0, s.a1, u"a1=%1"_s.arg(figure(s.a1)), false);
    out += verticalDimension(left, s.a1, s.a1 + s.H, u"H=%1"_s.arg(figure(s.H)), false);
    out += verticalDimension(X(0) + 1.5, f, f + s.hco, u"hco=%1"_s.arg(figure(s.hco)), false);
    out += verticalDimension(X(L) - 2.5, f, w.jumpTop, s.topLabel, true);
    if (s.basin && f < 0)
        out += verticalDimension(X(L) + 4.0, f, 0, u"d=%1"_s.arg(figure(-f)), false);
    if (s.sillCrest)
        out += verticalDimension(X(L) + (f < 0 ? 9.0 : 4.0), 0, *s.sillCrest,
                u"c=%1"_s.arg(figure(*s.sillCrest)), false);
    out += verticalDimension(X(m_xEnd) - 3, 0, s.ht, u"ht=%1"_s.arg(figure(s.ht)), true);

    const double dimY = Y(f) + groundBand + 4.0;
    out += u"<g class=\"dim\">"_s;
    out += u"<line x1=\"%1\" y1=\"%3\" x2=\"%2\" y2=\"%3\"/>"_s.arg(mm(X(0)), mm(X(L)), mm(dimY));
    for (const double x : {X(0), X(L)}) {
        out += u"<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\"/>"_s.arg(
                mm(x - 0.8), mm(dimY + 0.8), mm(x + 0.8), mm(dimY - 0.8));
        out += u"<line x1=\"%1\" y1=\"%2\" x2=\"%1\" y2=\"%3\"/>"_s.arg(
                mm(x), mm(dimY - 1.5), mm(dimY + 1.5));
    }
    out += u"</g>\n"_s;
    out += label((X(0) + X(L)) / 2, dimY - 1.0, s.lengthLabel, u"middle"_s);
    return out;
}

// The scale, stated: one ratio, or two with the heights' exaggeration.
QString Sketch::scaleNote() const
{
    const QString ratio = QString::number(m_ratio, 'f', QLocale::FloatingPointShortest);
    const QString verticalRatio
            = QString::number(m_ratio / m_exaggeration, 'f', QLocale::FloatingPointShortest);
    const QString note = m_exaggeration == 1
            ? word(Word::SketchScale, m_language).arg(ratio)
            : word(Word::SketchExaggeration, m_language)
                      .arg(ratio, verticalRatio, QString::number(m_exaggeration));
    return u"<text class=\"note\" x=\"%1\" y=\"%2\" text-anchor=\"start\">%3</text>\n"_s.arg(
            mm(sideMargin), mm(m_height - 1.5),
            htmlEscaped(note + word(Word::SketchUnits, m_language)));
}

} // namespace

QString sketchSvg(const design::CaseResult &result, ReportLanguage language,
        const QString &idPrefix, design::BasinType type)
{
    if (!result.check)
        return {};
    return Sketch(sceneOf(result, language, type), language, idPrefix).svg();
}

} // namespace varnolt::writers
