#include "writers/sketch_scene.h"

#include "writers/report_numbers.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace varnolt::writers::sketch {

using namespace Qt::StringLiterals;

double niceRatio(double minimum)
{
    static constexpr std::array<double, 5> steps{1.0, 2.0, 2.5, 5.0, 10.0};
    const double decade = std::pow(10.0, std::floor(std::log10(std::max(minimum, 1e-9))));
    // The decade's own step 1 is at most the minimum, its next decade's 1
    // above it; the tolerance keeps 1:200 from becoming 1:250 by rounding.
    const auto step = std::find_if(steps.begin(), steps.end(),
            [&](double s) { return s * decade >= minimum * (1 - 1e-12); });
    return (step == steps.end() ? steps.back() : *step) * decade;
}

double nappeReaches(double y, double x0, double y0, double x1, double y1, double x2, double y3)
{
    if (y >= y0)
        return x0;
    constexpr int samples = 400;
    for (int i = 1; i <= samples; ++i) {
        const double t = double(i) / samples;
        const double u = 1 - t;
        const double by = u * u * u * y0 + 3 * u * u * t * y1 + 3 * u * t * t * y3 + t * t * t * y3;
        if (by <= y)
            return u * u * u * x0 + 3 * u * u * t * x1 + 3 * u * t * t * x2;
    }
    return 0;
}

namespace {

// A basin of length lengthMin–lengthMax whose water stands at σ·hco2 above its floor.
void setBasin(
        Scene &s, double sigmaHco2, double lengthMin, double lengthMax, ReportLanguage language)
{
    s.basin = true;
    s.top = sigmaHco2;
    s.length = lengthMax;
    s.topLabel = u"σ·hc″=%1"_s.arg(toMillimetre(s.top));
    s.lengthLabel = u"%1 L=%2%3%4"_s.arg(word(Word::SketchBasinLength, language),
            toCentimetre(lengthMin), word(Word::RangeTo, language), toCentimetre(lengthMax));
}

// The sill basin: the floor as it is, the sill at the basin's end.
bool setSillBasin(Scene &s, const design::CaseResult &r, ReportLanguage language)
{
    const design::SillBasin *sill = r.sill && r.sill->basin ? &*r.sill->basin : nullptr;
    if (!sill
            || (sill->verdict != design::SillVerdict::Holds
                    && sill->verdict != design::SillVerdict::RemoteAfterSill))
        return false;
    s.floor = 0;
    s.hco = r.check->hco;
    setBasin(s, r.inputs.sigma * r.check->hco2, sill->lengthMin, sill->lengthMax, language);
    s.sillCrest = sill->c;
    return true;
}

// The combined basin: the floor lowered by d, the sill c above the
// downstream floor; the basin as long as the sunk basin's rule gives for
// the jump in it.
bool setCombinedBasin(Scene &s, const design::CaseResult &r, ReportLanguage language)
{
    if (!r.combined || !r.combined->basin || r.combined->verdict != design::CombinedVerdict::Sized)
        return false;
    const design::CombinedBasin &b = *r.combined->basin;
    s.floor = -b.d;
    s.hco = b.hco;
    setBasin(s, r.inputs.sigma * b.hco2, b.lengthMin, b.lengthMax, language);
    s.sillCrest = b.c;
    return true;
}

} // namespace

Scene sceneOf(const design::CaseResult &r, ReportLanguage language, design::BasinType type)
{
    Scene s;
    s.a1 = r.inputs.a1;
    s.H = r.inputs.H;
    s.ht = r.inputs.ht;
    s.energy = r.check->E0;
    if (r.flood) {
        const design::FloodFigures &f = *r.flood;
        s.approachBed = f.approachBedLevel - f.floorLevel;
        s.levels = Scene::Levels{
                f.crestLevel, f.upstreamLevel, f.tailwaterLevel, f.floorLevel, f.approachBedLevel};
    }
    if (r.basin) {
        // The adopted type as it was sized, else the sunk basin.
        const bool adopted = (type == design::BasinType::Sill && setSillBasin(s, r, language))
                || (type == design::BasinType::Combined && setCombinedBasin(s, r, language));
        if (!adopted) {
            const design::BasinResult &b = *r.basin;
            s.floor = -b.d;
            s.hco = b.hco;
            setBasin(s, r.inputs.sigma * b.hco2, b.lengthMin, b.lengthMax, language);
        }
    } else {
        const design::CheckResult &c = *r.check;
        s.hco = c.hco;
        s.top = c.hco2;
        s.length = c.jumpLength;
        s.topLabel = u"hc″=%1"_s.arg(toMillimetre(s.top));
        s.lengthLabel = u"%1 Lj=%2"_s.arg(
                word(Word::SketchJumpLength, language), toCentimetre(c.jumpLength));
    }
    // A degenerate jump still needs room to be drawn.
    const double heightScale = std::max({s.a1 + s.H, s.ht, s.top, 1e-3});
    s.length = std::max(s.length, 0.5 * heightScale);
    return s;
}

} // namespace varnolt::writers::sketch
