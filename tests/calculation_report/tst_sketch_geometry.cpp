// The longitudinal sketch read back as a drawing: its stated scale, and the
// key lines measured in paper millimetres and taken back to metres, against
// the figures of the case the design library computed.
#include "design/design.h"
#include "design_cases.h"
#include "writers/report_numbers.h"
#include "writers/sketch_svg.h"

#include <QRegularExpression>
#include <QTest>
#include <QXmlStreamReader>

#include <map>

using namespace varnolt;
using namespace varnolt::design;
using namespace varnolt::writers;
using namespace Qt::StringLiterals;

namespace {

struct Line {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// What the test reads off a sketch: the root's scale, the marked lines, the
// texts, and the extent of every coordinate drawn.
struct ReadSketch {
    double mmPerMX = 0, mmPerMY = 0, originX = 0, originY = 0;
    double width = 0, height = 0;
    QString scale, verticalScale;
    std::map<QString, Line> roles;
    QStringList texts;
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
        if (xml.name() == u"line" && a.hasAttribute(u"data-role"_s))
            s.roles[a.value(u"data-role"_s).toString()]
                    = Line{num(u"x1"_s), num(u"y1"_s), num(u"x2"_s), num(u"y2"_s)};
        if (xml.name() == u"text")
            s.texts << xml.readElementText();
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

} // namespace

Q_DECLARE_METATYPE(varnolt::design::CaseInputs)

class TestSketchGeometry : public QObject {
    Q_OBJECT

private slots:
    void linesStandAtTheCaseFigures_data();
    void linesStandAtTheCaseFigures();
    void adoptedTypeIsDrawn_data();
    void adoptedTypeIsDrawn();
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
            QVERIFY(note.contains(u"d=%1"_s.arg(figure(b.d))));
            QVERIFY(note.contains(figure(b.lengthMin)) && note.contains(figure(b.lengthMax)));
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
        QVERIFY2(texts.contains(u"c=%1"_s.arg(figure(*sill))), qPrintable(texts));
    } else {
        QCOMPARE(s.roles.count(u"sill-crest"_s), std::size_t(0));
    }
    QVERIFY(s.minX >= 0 && s.maxX <= s.width);
    QVERIFY(s.minY >= 0 && s.maxY <= s.height);
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
