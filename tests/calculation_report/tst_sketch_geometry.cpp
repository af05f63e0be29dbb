// The longitudinal sketch read back as a drawing: its stated scale, and the
// key lines measured in paper millimetres and taken back to metres, against
// the figures of the case the design library computed.
#include "design/design.h"
#include "design/design_file_evaluation.h"
#include "design/design_file_reader.h"
#include "design_cases.h"
#include "writers/report_numbers.h"
#include "writers/sketch_labels.h"
#include "writers/sketch_svg.h"

#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

#include <map>
#include <numeric>

using namespace varnolt;
using namespace varnolt::design;
using namespace varnolt::writers;
using namespace Qt::StringLiterals;

namespace {

struct Line {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct Pt {
    double x = 0, y = 0;
};

// A text as the page sets it: its reference point, anchor and words.
struct Text {
    double x = 0, y = 0;
    QString anchor;
    QString text;
};

// The room a text takes at the sketch's 2.6 mm font, estimated from below:
// 0.55 em for a narrow character, 0.95 em for a CJK one or a geometric
// sign, 0.7 em above the baseline and 0.15 em below. A label whose even
// smaller box is struck is struck on the page.
struct TextBox {
    double left = 0, top = 0, right = 0, bottom = 0;
};

TextBox boxOf(const Text &t)
{
    constexpr double em = 2.6;
    const QList<uint> characters = t.text.toUcs4();
    const double width
            = std::accumulate(characters.begin(), characters.end(), 0.0, [](double sum, uint c) {
                  return sum
                          + ((c >= 0x2E80 || (c >= 0x25A0 && c <= 0x25FF)) ? 0.95 * em : 0.55 * em);
              });
    double left = t.x;
    if (t.anchor == u"middle"_s)
        left -= width / 2;
    else if (t.anchor == u"end"_s)
        left -= width;
    return TextBox{left, t.y - 0.7 * em, left + width, t.y + 0.15 * em};
}

// Whether the segment from a to b meets the box: one of its ends in it, or
// it crosses one of the box's four sides.
bool meets(Pt a, Pt b, const TextBox &box)
{
    auto in = [&](Pt p) {
        return p.x >= box.left && p.x <= box.right && p.y >= box.top && p.y <= box.bottom;
    };
    if (in(a) || in(b))
        return true;
    auto cross = [](Pt p, Pt q, Pt r, Pt s) {
        auto side = [](Pt o, Pt u, Pt v) {
            return (u.x - o.x) * (v.y - o.y) - (u.y - o.y) * (v.x - o.x);
        };
        const double d1 = side(p, q, r), d2 = side(p, q, s), d3 = side(r, s, p), d4 = side(r, s, q);
        return ((d1 > 0) != (d2 > 0)) && ((d3 > 0) != (d4 > 0));
    };
    const Pt tl{box.left, box.top}, tr{box.right, box.top}, br{box.right, box.bottom},
            bl{box.left, box.bottom};
    return cross(a, b, tl, tr) || cross(a, b, tr, br) || cross(a, b, br, bl) || cross(a, b, bl, tl);
}

bool insideOf(Pt p, const std::vector<Pt> &polygon)
{
    bool in = false;
    for (std::size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Pt a = polygon[i], b = polygon[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
            in = !in;
    }
    return in;
}

// The points of an SVG path's data of straight lines and cubic curves,
// each curve walked in small steps.
std::vector<Pt> pathPoints(const QString &d)
{
    std::vector<Pt> points;
    static const QRegularExpression token(u"([MLCZ])|(-?[0-9.]+),(-?[0-9.]+)"_s);
    QChar command;
    std::vector<Pt> pending;
    for (const auto &m : token.globalMatch(d)) {
        if (!m.captured(1).isEmpty()) {
            command = m.captured(1).at(0);
            if (command == u'Z' && !points.empty())
                points.push_back(points.front());
            continue;
        }
        const Pt p{m.captured(2).toDouble(), m.captured(3).toDouble()};
        if (command != u'C') {
            points.push_back(p);
            continue;
        }
        pending.push_back(p);
        if (pending.size() < 3)
            continue;
        const Pt p0 = points.back();
        for (int i = 1; i <= 64; ++i) {
            const double t = i / 64.0, u = 1 - t;
            points.push_back(Pt{u * u * u * p0.x + 3 * u * u * t * pending[0].x
                            + 3 * u * t * t * pending[1].x + t * t * t * pending[2].x,
                    u * u * u * p0.y + 3 * u * u * t * pending[0].y + 3 * u * t * t * pending[1].y
                            + t * t * t * pending[2].y});
        }
        pending.clear();
    }
    return points;
}

// What the test reads off a sketch: the root's scale, the marked lines, the
// texts, and the extent of every coordinate drawn.
struct ReadSketch {
    double mmPerMX = 0, mmPerMY = 0, originX = 0, originY = 0;
    double width = 0, height = 0;
    QString scale, verticalScale;
    std::map<QString, Line> roles;
    std::map<QString, QString> roleStyles;
    QStringList texts;
    std::vector<Text> labels;
    // Every line stroked on the paper, and the areas of dense hatching.
    std::vector<std::pair<Pt, Pt>> strokes;
    std::vector<std::vector<Pt>> solids;
    int rollerCurls = 0;
    double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;

    double worldY(double y) const { return (originY - y) / mmPerMY; }
    double worldX(double x) const { return (x - originX) / mmPerMX; }
};

ReadSketch readSketch(const QString &svg)
{
    ReadSketch s;
    QXmlStreamReader xml(svg);
    bool inPattern = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == u"pattern")
            inPattern = false;
        if (!xml.isStartElement())
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        auto num = [&](const QString &key) { return a.value(key).toDouble(); };
        if (xml.name() == u"svg") {
            s.mmPerMX = num(u"data-mm-per-m-x"_s);
            s.mmPerMY = num(u"data-mm-per-m-y"_s);
            s.originX = num(u"data-origin-x"_s);
            s.originY = num(u"data-origin-y"_s);
            s.scale = a.value(u"data-scale"_s).toString();
            s.verticalScale = a.value(u"data-vertical-scale"_s).toString();
            const QStringList box = a.value(u"viewBox"_s).toString().split(u' ');
            s.width = box.value(2).toDouble();
            s.height = box.value(3).toDouble();
            continue;
        }
        if (xml.name() == u"pattern") {
            inPattern = true; // pattern tiles have coordinates of their own
            continue;
        }
        if (inPattern)
            continue;
        for (const QString &key : {u"x"_s, u"x1"_s, u"x2"_s}) {
            if (a.hasAttribute(key)) {
                s.minX = std::min(s.minX, num(key));
                s.maxX = std::max(s.maxX, num(key));
            }
        }
        for (const QString &key : {u"y"_s, u"y1"_s, u"y2"_s}) {
            if (a.hasAttribute(key)) {
                s.minY = std::min(s.minY, num(key));
                s.maxY = std::max(s.maxY, num(key));
            }
        }
        const QString cls = a.value(u"class"_s).toString();
        if (xml.name() == u"line") {
            s.strokes.push_back({Pt{num(u"x1"_s), num(u"y1"_s)}, Pt{num(u"x2"_s), num(u"y2"_s)}});
        }
        if (xml.name() == u"line" && a.hasAttribute(u"data-role"_s)) {
            s.roles[a.value(u"data-role"_s).toString()]
                    = Line{num(u"x1"_s), num(u"y1"_s), num(u"x2"_s), num(u"y2"_s)};
            s.roleStyles[a.value(u"data-role"_s).toString()] = a.value(u"style"_s).toString();
        }
        if (xml.name() == u"path") {
            // Water and ground are hatched without an outline; the rest is
            // stroked.
            const std::vector<Pt> points = pathPoints(a.value(u"d"_s).toString());
            const QString fill = a.value(u"fill"_s).toString();
            if (cls != u"water"_s && cls != u"ground"_s) {
                for (std::size_t i = 1; i < points.size(); ++i)
                    s.strokes.push_back({points[i - 1], points[i]});
            }
            if (fill.endsWith(u"-concrete)"_s) || fill.endsWith(u"-ground)"_s))
                s.solids.push_back(points);
            if (cls == u"roller"_s)
                ++s.rollerCurls;
        }
        if (xml.name() == u"text") {
            Text t{num(u"x"_s), num(u"y"_s), a.value(u"text-anchor"_s).toString(), {}};
            t.text = xml.readElementText();
            s.texts << t.text;
            s.labels.push_back(t);
        }
    }
    if (xml.hasError())
        qWarning() << "SVG does not parse:" << xml.errorString();
    return s;
}

// The N of a stated ratio "1:N".
double ratioOf(const QString &stated)
{
    if (!stated.startsWith(u"1:"_s))
        return 0;
    return stated.mid(2).toDouble();
}

CaseInputs inputs(double q, double H, double a1, double v, double ht)
{
    return designCase(u"case"_s, q, H, a1, v, ht);
}

// The example weir as an engineer gives it by levels: crest 106 m, approach
// bed 98 m (P = 8 m), downstream floor 100 m, the river's rating below.
const QByteArray weirByLevels = R"toml(
[weir]
crest = 106.0
approach_bed = 98.0
floor = 100.0
width = 20.0
discharge_coefficient = 0.48

[tailwater]
discharges = [0, 20, 40, 60, 80, 100, 120, 140, 160, 180, 200,
              220, 240, 260, 280, 300, 320, 340, 360, 380, 400]
levels = [100.00, 101.05, 101.59, 102.03, 102.41, 102.76, 103.08, 103.37, 103.66, 103.92, 104.18,
          104.43, 104.66, 104.89, 105.12, 105.33, 105.47, 105.60, 105.72, 105.84, 105.95]

[[flood]]
name = "frequent flood"
discharge = 40.0

[[flood]]
name = "design flood"
discharge = 300.0

[[flood]]
name = "check flood"
discharge = 400.0
)toml";

// The case a row of the tables below describes: a case given by q, H, v
// and ht (flood −1), or a flood of the weir given by levels.
CaseResult caseOf(const CaseInputs &in, BasinType type, int flood)
{
    DesignOptions options;
    options.basinType = type;
    if (flood < 0)
        return evaluateCase(in, options);
    const DesignFileReading reading = readDesignFile(weirByLevels, u"weir.toml"_s);
    if (!reading.design)
        qFatal("%s", qPrintable(reading.errors.front().message));
    const DesignFileEvaluation e = evaluateDesignFile(*reading.design, options, 1.05, std::nullopt);
    return e.result.cases.at(std::size_t(flood));
}

// The drawn depth below the downstream floor of the type's basin.
double drawnDepth(const CaseResult &r, BasinType type)
{
    if (!r.basin || type == BasinType::Sill)
        return 0;
    if (type == BasinType::Combined)
        return r.combined->basin->d;
    return r.basin->d;
}

} // namespace

Q_DECLARE_METATYPE(varnolt::design::CaseInputs)

class TestSketchGeometry : public QObject {
    Q_OBJECT

private slots:
    void linesStandAtTheCaseFigures_data();
    void linesStandAtTheCaseFigures();
    void adoptedTypeIsDrawn_data();
    void adoptedTypeIsDrawn();
    void labelsStayClear_data();
    void labelsStayClear();
    void levelsAreWrittenWhereKnown_data();
    void levelsAreWrittenWhereKnown();
    void placedLabelsLeaveLinesAndEachOther_data();
    void placedLabelsLeaveLinesAndEachOther();
    void noSketchWhereTheCheckStopped();
    void patternsOfTwoSketchesStayApart();
};

void TestSketchGeometry::linesStandAtTheCaseFigures_data()
{
    QTest::addColumn<CaseInputs>("in");
    QTest::addColumn<bool>("basin");

    // Remote jumps, each sized with a basin, from a low weir under a long
    // basin to a 100 m weir passing 100 m²/s.
    QTest::newRow("worked example") << inputs(10, 3, 5, 1, 3) << true;
    QTest::newRow("high dam") << inputs(20, 4, 10, 2, 5) << true;
    QTest::newRow("small weir") << inputs(3, 1.5, 4, 0.5, 2) << true;
    QTest::newRow("100 m weir, q 100") << inputs(100, 12, 100, 2, 14) << true;
    QTest::newRow("low weir, long basin") << inputs(8, 2.5, 1, 0.5, 1.6) << true;
    QTest::newRow("shallow basin") << inputs(10, 3, 5, 1, 4.2) << true;
    // The tailwater holds the jump: it stands at the toe.
    QTest::newRow("submerged") << inputs(10, 3, 5, 1, 6) << false;
    QTest::newRow("submerged, small") << inputs(1, 0.8, 1.5, 0.2, 1.5) << false;
}

void TestSketchGeometry::linesStandAtTheCaseFigures()
{
    QFETCH(CaseInputs, in);
    QFETCH(bool, basin);
    const CaseResult r = evaluateCase(in, DesignOptions{});
    QVERIFY(r.check);
    QCOMPARE(r.basin.has_value(), basin);

    for (const ReportLanguage language : {ReportLanguage::Chinese, ReportLanguage::English}) {
        const ReadSketch s = readSketch(sketchSvg(r, language, u"t"_s));

        // The stated ratios are the drawing's own scale.
        const double n = ratioOf(s.scale);
        const double nv = ratioOf(s.verticalScale);
        QVERIFY2(n > 0 && nv > 0, qPrintable(s.scale + u' ' + s.verticalScale));
        QCOMPARE(s.mmPerMX, 1000.0 / n);
        QVERIFY(qAbs(s.mmPerMY - 1000.0 / nv) < 1e-9 * s.mmPerMY);
        const QString note = s.texts.join(u'\n');
        QVERIFY2(note.contains(s.scale), qPrintable(note));
        if (n != nv)
            QVERIFY2(note.contains(s.verticalScale), qPrintable(note));

        // Coordinates carry two decimals of a millimetre.
        const double tolY = 0.0051 / s.mmPerMY;
        const double tolX = 0.0051 / s.mmPerMX;
        auto levelOf = [&](const QString &role) {
            const auto it = s.roles.find(role);
            if (it == s.roles.end())
                return qQNaN();
            // A level is a horizontal line.
            return it->second.y1 == it->second.y2 ? s.worldY(it->second.y1) : qQNaN();
        };
        QVERIFY(qAbs(levelOf(u"weir-crest"_s) - in.a1) <= tolY);
        QVERIFY(qAbs(levelOf(u"upstream-level"_s) - (in.a1 + in.H)) <= tolY);
        QVERIFY(qAbs(levelOf(u"downstream-floor"_s)) <= tolY);
        QVERIFY(qAbs(levelOf(u"tailwater"_s) - in.ht) <= tolY);
        if (basin) {
            const BasinResult &b = *r.basin;
            QVERIFY2(qAbs(levelOf(u"basin-floor"_s) + b.d) <= tolY,
                    qPrintable(u"floor %1, d %2"_s.arg(levelOf(u"basin-floor"_s)).arg(b.d)));
            const double waterLevel = -b.d + in.sigma * b.hco2;
            QVERIFY2(qAbs(levelOf(u"jump-level"_s) - waterLevel) <= tolY,
                    qPrintable(u"level %1, σ·hco2 − d %2"_s.arg(levelOf(u"jump-level"_s))
                                       .arg(waterLevel)));
            // The basin runs from the toe over its upper length.
            const Line floor = s.roles.at(u"basin-floor"_s);
            QVERIFY(qAbs(s.worldX(floor.x1)) <= tolX);
            QVERIFY(qAbs(s.worldX(floor.x2) - b.lengthMax) <= tolX);
            // The end step rises from the basin floor to the downstream floor.
            const Line step = s.roles.at(u"end-step"_s);
            QCOMPARE(step.x1, step.x2);
            QVERIFY(qAbs(s.worldY(step.y1) + b.d) <= tolY && qAbs(s.worldY(step.y2)) <= tolY);
            // Depths to the millimetre, lengths to the centimetre.
            QVERIFY(note.contains(u"d=%1"_s.arg(QString::number(b.d, 'f', 3))));
            QVERIFY(note.contains(QString::number(b.lengthMin, 'f', 2))
                    && note.contains(QString::number(b.lengthMax, 'f', 2)));
        } else {
            QVERIFY(s.roles.find(u"basin-floor"_s) == s.roles.end());
            QVERIFY(qAbs(levelOf(u"jump-level"_s) - r.check->hco2) <= tolY);
            // The drowning tailwater reaches back over the toe to the weir's
            // face, and not beyond its crest.
            const Line tailwater = s.roles.at(u"tailwater"_s);
            const Line crest = s.roles.at(u"weir-crest"_s);
            QVERIFY2(s.worldX(tailwater.x1) < 0 && tailwater.x1 >= crest.x2,
                    qPrintable(u"tailwater from x = %1 m"_s.arg(s.worldX(tailwater.x1))));
        }

        // Everything drawn lies on the sketch, and the sketch on an A4 page
        // between margins of 18 mm, less than a third of its height.
        QVERIFY2(s.minX >= 0 && s.maxX <= s.width,
                qPrintable(u"x %1 … %2 of %3"_s.arg(s.minX).arg(s.maxX).arg(s.width)));
        QVERIFY2(s.minY >= 0 && s.maxY <= s.height,
                qPrintable(u"y %1 … %2 of %3"_s.arg(s.minY).arg(s.maxY).arg(s.height)));
        QVERIFY(s.width <= 210 - 2 * 18);
        QVERIFY(s.height <= 297 / 2.5);
    }
}

void TestSketchGeometry::adoptedTypeIsDrawn_data()
{
    QTest::addColumn<CaseInputs>("in");
    QTest::addColumn<int>("type");

    // Sill heights from the worked checks: 1.537 m where the sill holds the
    // jump, 1.760 m where a remote jump follows it; the combined basin of
    // the worked example lowers the floor by 1.025 m behind a 0.924 m sill.
    QTest::newRow("sill that holds") << inputs(5, 1.77, 6, 0.51, 2.38) << int(BasinType::Sill);
    QTest::newRow("sill, remote jump after it") << inputs(10, 3, 5, 1, 3) << int(BasinType::Sill);
    QTest::newRow("combined basin") << inputs(10, 3, 5, 1, 3) << int(BasinType::Combined);
    QTest::newRow("sunk basin: no sill") << inputs(10, 3, 5, 1, 3) << int(BasinType::Sunk);
}

// The adopted type is drawn as the design sized it: the sill's crest at c
// above the downstream floor, the basin floor at the type's own lowering,
// the water in the basin at σ·hco2 above that floor.
void TestSketchGeometry::adoptedTypeIsDrawn()
{
    QFETCH(CaseInputs, in);
    QFETCH(int, type);
    DesignOptions options;
    options.basinType = BasinType(type);
    const CaseResult r = evaluateCase(in, options);
    QVERIFY(r.basin && r.sill && r.sill->basin && r.combined && r.combined->basin);

    double floor = -r.basin->d;
    double waterInBasin = in.sigma * r.basin->hco2;
    std::optional<double> sill;
    if (options.basinType == BasinType::Sill) {
        floor = 0;
        waterInBasin = in.sigma * r.check->hco2;
        sill = r.sill->basin->c;
    } else if (options.basinType == BasinType::Combined) {
        floor = -r.combined->basin->d;
        waterInBasin = in.sigma * r.combined->basin->hco2;
        sill = r.combined->basin->c;
    }

    const ReadSketch s
            = readSketch(sketchSvg(r, ReportLanguage::English, u"t"_s, options.basinType));
    const double tolY = 0.0051 / s.mmPerMY;
    const auto levelOf = [&](const QString &role) {
        const auto it = s.roles.find(role);
        return it != s.roles.end() && it->second.y1 == it->second.y2 ? s.worldY(it->second.y1)
                                                                     : qQNaN();
    };
    QVERIFY2(qAbs(levelOf(u"basin-floor"_s) - floor) <= tolY,
            qPrintable(u"floor %1, expected %2"_s.arg(levelOf(u"basin-floor"_s)).arg(floor)));
    QVERIFY(qAbs(levelOf(u"jump-level"_s) - (floor + waterInBasin)) <= tolY);
    // An end step only where the floor is lowered.
    QCOMPARE(s.roles.count(u"end-step"_s), std::size_t(floor < 0 ? 1 : 0));
    const QString texts = s.texts.join(u'\n');
    if (sill) {
        QVERIFY2(qAbs(levelOf(u"sill-crest"_s) - *sill) <= tolY,
                qPrintable(u"crest %1, c %2"_s.arg(levelOf(u"sill-crest"_s)).arg(*sill)));
        // The crest ends at the basin's end, over the floor.
        const Line crest = s.roles.at(u"sill-crest"_s);
        const Line basinFloor = s.roles.at(u"basin-floor"_s);
        QCOMPARE(crest.x2, basinFloor.x2);
        QVERIFY2(texts.contains(u"c=%1"_s.arg(QString::number(*sill, 'f', 3))), qPrintable(texts));
    } else {
        QCOMPARE(s.roles.count(u"sill-crest"_s), std::size_t(0));
    }
    QVERIFY(s.minX >= 0 && s.maxX <= s.width);
    QVERIFY(s.minY >= 0 && s.maxY <= s.height);
}

void TestSketchGeometry::labelsStayClear_data()
{
    QTest::addColumn<CaseInputs>("in");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("flood");

    const int sunk = int(BasinType::Sunk);
    QTest::newRow("remote jump, sunk basin") << inputs(10, 3, 5, 1, 3) << sunk << -1;
    QTest::newRow("shallow sunk basin") << inputs(10, 3, 5, 1, 4.2) << sunk << -1;
    QTest::newRow("submerged, no basin") << inputs(10, 3, 5, 1, 6) << sunk << -1;
    QTest::newRow("submerged, small") << inputs(1, 0.8, 1.5, 0.2, 1.5) << sunk << -1;
    QTest::newRow("sill basin") << inputs(5, 1.77, 6, 0.51, 2.38) << int(BasinType::Sill) << -1;
    QTest::newRow("sill, remote jump after it")
            << inputs(10, 3, 5, 1, 3) << int(BasinType::Sill) << -1;
    QTest::newRow("combined basin") << inputs(10, 3, 5, 1, 3) << int(BasinType::Combined) << -1;
    // Extreme shapes: a tall narrow drawing and a long flat one whose
    // heights are exaggerated.
    QTest::newRow("100 m weir, q 100") << inputs(100, 12, 100, 2, 14) << sunk << -1;
    QTest::newRow("low weir, long basin") << inputs(8, 2.5, 1, 0.5, 1.6) << sunk << -1;
    QTest::newRow("30 m weir, q 1") << inputs(1, 0.6, 30, 0.1, 1.0) << sunk << -1;
    // Floods of a weir given by levels, the check flood's among them.
    for (int flood = 0; flood < 3; ++flood) {
        for (const int type : {sunk, int(BasinType::Sill), int(BasinType::Combined)}) {
            QTest::addRow("levels, flood %d, type %d", flood, type)
                    << CaseInputs{} << type << flood;
        }
    }
}

// Every text of the sketch stands clear: no drawn line or tick crosses it,
// it lies on no concrete or ground, it overlaps no other text and stays on
// the paper. The boxes are the test's own, estimated from below, and the
// lines read back from the SVG.
void TestSketchGeometry::labelsStayClear()
{
    QFETCH(CaseInputs, in);
    QFETCH(int, type);
    QFETCH(int, flood);
    const CaseResult r = caseOf(in, BasinType(type), flood);
    QVERIFY(r.check);

    for (const ReportLanguage language : {ReportLanguage::Chinese, ReportLanguage::English}) {
        const ReadSketch s = readSketch(sketchSvg(r, language, u"t"_s, BasinType(type)));
        QVERIFY(s.labels.size() >= 7);
        for (std::size_t i = 0; i < s.labels.size(); ++i) {
            const Text &t = s.labels[i];
            const TextBox box = boxOf(t);
            QVERIFY2(
                    box.left >= 0 && box.right <= s.width && box.top >= 0 && box.bottom <= s.height,
                    qPrintable(u"\"%1\" off the paper"_s.arg(t.text)));
            for (const auto &[a, b] : s.strokes) {
                QVERIFY2(!meets(a, b, box),
                        qPrintable(u"\"%1\" at (%2, %3) struck by (%4, %5)–(%6, %7)"_s.arg(t.text)
                                           .arg(t.x)
                                           .arg(t.y)
                                           .arg(a.x)
                                           .arg(a.y)
                                           .arg(b.x)
                                           .arg(b.y)));
            }
            const Pt centre{(box.left + box.right) / 2, (box.top + box.bottom) / 2};
            for (const std::vector<Pt> &area : s.solids)
                QVERIFY2(!insideOf(centre, area), qPrintable(t.text + u" on a hatching"_s));
            for (std::size_t j = 0; j < i; ++j) {
                const TextBox other = boxOf(s.labels[j]);
                const bool apart = box.right <= other.left || other.right <= box.left
                        || box.bottom <= other.top || other.bottom <= box.top;
                QVERIFY2(apart, qPrintable(t.text + u" over "_s + s.labels[j].text));
            }
        }

        // The energy line dashed at E0 above the downstream floor, and the
        // roller over the jump.
        const auto energy = s.roles.find(u"energy-line"_s);
        QVERIFY(energy != s.roles.end());
        QVERIFY(qAbs(s.worldY(energy->second.y1) - r.check->E0) <= 0.0051 / s.mmPerMY);
        QVERIFY(s.roleStyles.at(u"energy-line"_s).contains(u"stroke-dasharray"_s));
        QVERIFY(s.texts.join(u'\n').contains(u"E0"_s));
        QVERIFY2(s.rollerCurls >= 3, qPrintable(QString::number(s.rollerCurls)));
    }
}

void TestSketchGeometry::levelsAreWrittenWhereKnown_data()
{
    labelsStayClear_data();
}

// The elevations stand beside their lines exactly where the design gives
// the weir by levels, each with the elevation of the line it marks; the
// approach bed is drawn P below the crest (at the downstream floor where
// the case gives no P).
void TestSketchGeometry::levelsAreWrittenWhereKnown()
{
    QFETCH(CaseInputs, in);
    QFETCH(int, type);
    QFETCH(int, flood);
    const CaseResult r = caseOf(in, BasinType(type), flood);
    const ReadSketch s = readSketch(sketchSvg(r, ReportLanguage::Chinese, u"t"_s, BasinType(type)));
    const double tolY = 0.0051 / s.mmPerMY;
    const auto levelOf = [&](const QString &role) {
        const Line &l = s.roles.at(role);
        return l.y1 == l.y2 ? s.worldY(l.y1) : qQNaN();
    };

    std::map<QString, QString> written; // elevation text → the role of the line it marks
    for (const Text &t : s.labels) {
        if (t.text.startsWith(u'▽'))
            written[t.text] = QString();
    }
    const double P = flood < 0 ? r.inputs.a1 : 8.0;
    QVERIFY2(qAbs(levelOf(u"weir-crest"_s) - levelOf(u"upstream-bed"_s) - P) <= 2 * tolY,
            qPrintable(u"bed %1 below the crest"_s.arg(
                    levelOf(u"weir-crest"_s) - levelOf(u"upstream-bed"_s))));
    if (flood < 0) {
        QVERIFY(r.flood == std::nullopt);
        QCOMPARE(written.size(), std::size_t(0));
        return;
    }

    // The weir's own levels as the file gives them, the water levels from
    // the flood's head and tailwater depth.
    const double depth = drawnDepth(r, BasinType(type));
    std::map<QString, QString> expected{{u"▽106.000"_s, u"weir-crest"_s},
            {u"▽98.000"_s, u"upstream-bed"_s}, {u"▽100.000"_s, u"downstream-floor"_s},
            {u"▽"_s + QString::number(106.0 + r.inputs.H, 'f', 3), u"upstream-level"_s},
            {u"▽"_s + QString::number(100.0 + r.inputs.ht, 'f', 3), u"tailwater"_s}};
    if (depth > 0)
        expected[u"▽"_s + QString::number(100.0 - depth, 'f', 3)] = u"basin-floor"_s;
    if (BasinType(type) == BasinType::Sill && r.sill && r.sill->basin)
        expected[u"▽"_s + QString::number(100.0 + r.sill->basin->c, 'f', 3)] = u"sill-crest"_s;
    if (BasinType(type) == BasinType::Combined && r.combined && r.combined->basin)
        expected[u"▽"_s + QString::number(100.0 + r.combined->basin->c, 'f', 3)] = u"sill-crest"_s;
    QStringList got, want;
    for (const auto &[text, role] : written)
        got << text;
    for (const auto &[text, role] : expected)
        want << text;
    QCOMPARE(got, want);

    // Each stands just above or below the line it marks, within a few
    // millimetres of it along the line.
    for (const Text &t : s.labels) {
        if (!t.text.startsWith(u'▽'))
            continue;
        const Line &l = s.roles.at(expected.at(t.text));
        const TextBox box = boxOf(t);
        const double gap = std::min(std::abs(box.bottom - l.y1), std::abs(box.top - l.y1));
        const double along = std::max(
                {0.0, box.left - std::max(l.x1, l.x2), std::min(l.x1, l.x2) - box.right});
        QVERIFY2(gap < 4 && along < 12,
                qPrintable(u"%1: %2 mm off its line, %3 mm beside it"_s.arg(t.text).arg(gap).arg(
                        along)));
    }
}

void TestSketchGeometry::placedLabelsLeaveLinesAndEachOther_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("lineY"); // a line across the frame (mm)
    QTest::addColumn<double>("baseline"); // where the labels are asked for

    QTest::newRow("figure on its line") << u"d=0.3861"_s << 20.0 << 20.5;
    QTest::newRow("figure just above") << u"d=0.3861"_s << 20.0 << 19.5;
    QTest::newRow("Chinese words") << u"池长 L=24.411～27.898"_s << 20.0 << 21.0;
    QTest::newRow("elevation") << u"▽106.000"_s << 20.0 << 20.0;
}

// Two labels asked for at the same place on a line: both leave it, the
// second leaves the first, neither goes further than it must, and a wide
// text takes a wider box than a narrow one of as many characters.
void TestSketchGeometry::placedLabelsLeaveLinesAndEachOther()
{
    using namespace varnolt::writers::sketch;
    QFETCH(QString, text);
    QFETCH(double, lineY);
    QFETCH(double, baseline);

    Obstacles obstacles;
    obstacles.frame = Box{0, 0, 100, 40};
    obstacles.strokes.push_back(Segment{Point{0, lineY}, Point{100, lineY}});
    const LabelRequest request{text, Point{50, baseline}, Anchor::Middle, 1, 1};
    const std::vector<PlacedLabel> placed = placeLabels({request, request}, obstacles);
    QCOMPARE(placed.size(), std::size_t(2));
    for (const PlacedLabel &label : placed) {
        QVERIFY(label.free);
        QVERIFY(label.box.bottom < lineY || label.box.top > lineY);
        // The text's height and a little: never a leap across the frame.
        QVERIFY2(std::abs(label.at.y - baseline) + std::abs(label.at.x - 50)
                        <= 2 * labelFontSize + 2,
                qPrintable(u"moved to (%1, %2)"_s.arg(label.at.x).arg(label.at.y)));
    }
    QVERIFY(!placed[0].box.overlaps(placed[1].box));
    const QString narrow(text.size(), u'0');
    const double width = placed[0].box.right - placed[0].box.left;
    QVERIFY(width >= textWidth(narrow));
    QVERIFY(width >= 0.5 * labelFontSize * text.size());
}

void TestSketchGeometry::noSketchWhereTheCheckStopped()
{
    const CaseResult r = evaluateCase(inputs(0, 3, 5, 1, 3), DesignOptions{});
    QVERIFY(!r.check);
    QVERIFY(r.error);
    QVERIFY(sketchSvg(r, ReportLanguage::Chinese, u"t"_s).isEmpty());
}

void TestSketchGeometry::patternsOfTwoSketchesStayApart()
{
    // Two sketches in one document refer to their own hatchings only.
    const CaseResult r = evaluateCase(inputs(10, 3, 5, 1, 3), DesignOptions{});
    const QString one = sketchSvg(r, ReportLanguage::Chinese, u"s1"_s);
    const QString two = sketchSvg(r, ReportLanguage::Chinese, u"s2"_s);
    static const QRegularExpression ids(u"id=\"([^\"]+)\""_s);
    static const QRegularExpression refs(u"url\\(#([^)]+)\\)"_s);
    QStringList oneIds;
    for (const auto &m : ids.globalMatch(one))
        oneIds << m.captured(1);
    QVERIFY(!oneIds.isEmpty());
    for (const auto &m : ids.globalMatch(two))
        QVERIFY2(!oneIds.contains(m.captured(1)), qPrintable(m.captured(1)));
    for (const auto &m : refs.globalMatch(two))
        QVERIFY2(two.contains(u"id=\"%1\""_s.arg(m.captured(1))), qPrintable(m.captured(1)));
}

QTEST_GUILESS_MAIN(TestSketchGeometry)
#include "tst_sketch_geometry.moc"
