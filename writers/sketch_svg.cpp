#include "writers/sketch_svg.h"

#include "writers/html_escape.h"
#include "writers/sketch_drawing.h"

#include <QLocale>

namespace varnolt::writers {

using namespace Qt::StringLiterals;
using sketch::Anchor;
using sketch::Drawing;
using sketch::Mark;
using sketch::PathStep;
using sketch::Point;

namespace {

QString mm(double v)
{
    return QString::number(v, 'f', 2);
}

QString pt(Point p)
{
    return mm(p.x) + u',' + mm(p.y);
}

QString pathData(const std::vector<PathStep> &steps)
{
    QStringList parts;
    for (const PathStep &s : steps) {
        switch (s.kind) {
        case PathStep::Kind::Move:
            parts << u"M"_s + pt(s.to);
            break;
        case PathStep::Kind::Line:
            parts << u"L"_s + pt(s.to);
            break;
        case PathStep::Kind::Cubic:
            parts << u"C"_s + pt(s.c1) + u' ' + pt(s.c2) + u' ' + pt(s.to);
            break;
        case PathStep::Kind::Close:
            parts << u"Z"_s;
            break;
        }
    }
    return parts.join(u' ');
}

// A mark as an SVG element; the lines of a dimension take their class from
// their group.
QString element(const Mark &m, const QString &prefix, bool inGroup)
{
    QString attributes = inGroup ? QString() : u" class=\"%1\""_s.arg(m.cls);
    if (!m.role.isEmpty())
        attributes += u" data-role=\"%1\""_s.arg(m.role);
    if (!m.style.isEmpty())
        attributes += u" style=\"%1\""_s.arg(m.style);
    if (m.isStraightLine()) {
        const Point a = m.path[0].to;
        const Point b = m.path[1].to;
        return u"<line%1 x1=\"%2\" y1=\"%3\" x2=\"%4\" y2=\"%5\"/>"_s.arg(
                attributes, mm(a.x), mm(a.y), mm(b.x), mm(b.y));
    }
    if (!m.pattern.isEmpty())
        attributes += u" fill=\"url(#%1-%2)\""_s.arg(prefix, m.pattern);
    return u"<path%1 d=\"%2\"/>"_s.arg(attributes, pathData(m.path));
}

// Hatchings instead of colours, so that the sketch prints in black and
// white: sparse level strokes for water, dense diagonals for concrete,
// crossing diagonals for the ground.
QString patterns(const QString &p)
{
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

QString svgOf(const Drawing &d, const QString &prefix)
{
    const QString ratio = QString::number(d.ratio, 'f', QLocale::FloatingPointShortest);
    const QString verticalRatio
            = QString::number(d.ratio / d.exaggeration, 'f', QLocale::FloatingPointShortest);
    QString out;
    // The paper size goes in the style: an HTML validator knows the width
    // and height attributes of an inline SVG only in CSS pixels.
    out += u"<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"sketch\" "
           u"style=\"width:%1mm;height:%2mm\" viewBox=\"0 0 %1 %2\" role=\"img\" "
           u"data-mm-per-m-x=\"%3\" data-mm-per-m-y=\"%4\" data-origin-x=\"%5\" "
           u"data-origin-y=\"%6\" data-scale=\"1:%7\" data-vertical-scale=\"1:%8\">\n"_s.arg(
                   mm(d.width), mm(d.height), QString::number(d.mmPerMX, 'g', 17),
                   QString::number(d.mmPerMY, 'g', 17), QString::number(d.originX, 'g', 17),
                   QString::number(d.originY, 'g', 17), ratio, verticalRatio);
    out += u"<title>%1</title>\n"_s.arg(htmlEscaped(d.title));
    out += patterns(prefix);
    // The dimension lines go in groups, which the style sheet draws thin.
    bool inDimension = false;
    for (const Mark &m : d.marks) {
        const bool dimension = m.cls == u"dim"_s;
        if (dimension != inDimension)
            out += dimension ? u"<g class=\"dim\">"_s : u"</g>\n"_s;
        inDimension = dimension;
        out += element(m, prefix, dimension);
        if (!dimension)
            out += u'\n';
    }
    if (inDimension)
        out += u"</g>\n"_s;
    for (std::size_t i = 0; i < d.labels.size(); ++i) {
        const sketch::PlacedLabel &l = d.labels[i];
        const QString anchor = l.anchor == Anchor::Start ? u"start"_s
                : l.anchor == Anchor::Middle             ? u"middle"_s
                                                         : u"end"_s;
        const QString cls = int(i) == d.noteIndex ? u" class=\"note\""_s : QString();
        out += u"<text%1 x=\"%2\" y=\"%3\" text-anchor=\"%4\">%5</text>\n"_s.arg(
                cls, mm(l.at.x), mm(l.at.y), anchor, htmlEscaped(l.text));
    }
    out += u"</svg>\n"_s;
    return out;
}

} // namespace

QString sketchSvg(const design::CaseResult &result, ReportLanguage language,
        const QString &idPrefix, design::BasinType type)
{
    if (!result.check)
        return {};
    return svgOf(sketch::sketchDrawing(result, language, type), idPrefix);
}

} // namespace varnolt::writers
