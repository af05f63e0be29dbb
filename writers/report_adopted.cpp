// A case's adopted basin, the larger of the methods rounded up, and its
// floor slab against scour and uplift.
#include "writers/report_sections.h"

#include "design/slab_and_apron.h"
#include "design/uplift_check.h"
#include "model/formulas.h"
#include "writers/formula_numbers.h"
#include "writers/report_blocks.h"
#include "writers/report_formulas.h"
#include "writers/report_numbers.h"
#include "writers/side_failure_words.h"

#include <algorithm>

namespace varnolt::writers::report {

using namespace Qt::StringLiterals;

namespace {

// "max(…) = 0.1466 m (by the standard's formula); rounded up to a step of
// 0.05 m: 0.15 m". The method named is the first whose figure is the
// maximum; a method without a figure shows "—".
void addAdoptedWorking(Formulas &f, Word quantity,
        const std::vector<std::pair<std::optional<double>, Word>> &methods,
        const design::AdoptedValue &value, double step, ReportLanguage lang)
{
    QStringList figures;
    Word by = methods.front().second;
    bool named = false;
    for (const auto &[figureOf, method] : methods) {
        figures << optionalFigure(figureOf);
        if (!named && figureOf && *figureOf == value.unrounded) {
            by = method;
            named = true;
        }
    }
    f.add(quantity, u"max(%1) = %2 m"_s.arg(figures.join(u", "_s), figure(value.unrounded)),
            remark(word(Word::GivenBy, lang).arg(word(by, lang)), lang)
                    + (lang == ReportLanguage::Chinese ? u"；"_s : u";  "_s)
                    + word(Word::RoundedUp, lang).arg(given(step), given(value.adopted)));
}

} // namespace

bool addSideFailures(ReportSection &s, const design::CaseResult &r, design::SideQuantity quantity,
        ReportLanguage lang)
{
    bool any = false;
    for (const design::SideFailure &failure : r.sideFailures) {
        if (failure.quantity != quantity)
            continue;
        s.blocks.push_back(paragraph(ReportBlock::Kind::Note, sideFailureWords(failure, lang)));
        any = true;
    }
    return any;
}

void addAdopted(ReportSection &s, const design::BasinResult &b, const design::DesignOptions &o,
        ReportLanguage lang)
{
    s.blocks.push_back(heading(4, word(Word::AdoptedCaption, lang)));
    Formulas f(lang);
    // The window's figure takes part as at least zero, as the adoption takes it.
    addAdoptedWorking(f, Word::QuantityAdoptedDepth,
            {{std::max(0.0, b.d), Word::MethodWindow}, {b.exactD, Word::MethodExact},
                    {b.standard.d, Word::MethodStandard}},
            b.adoptedDepth, o.depthStep, lang);
    addAdoptedWorking(f, Word::QuantityAdoptedLength,
            {{b.lengthMax, Word::MethodWindowLength}, {b.standard.length, Word::MethodStandard}},
            b.adoptedLength, o.lengthStep, lang);
    s.blocks.push_back(f.block());
}

void addSlab(ReportSection &s, const design::CaseResult &r, const design::DesignOptions &o,
        ReportLanguage lang)
{
    const design::CaseInputs &in = r.inputs;
    const design::BasinResult &b = *r.basin;
    s.blocks.push_back(heading(4, word(Word::SlabCaption, lang)));
    if (addSideFailures(s, r, design::SideQuantity::Slab, lang))
        return;
    Formulas h(lang);
    h.add(Word::QuantityHeadDifference,
            fHead
                    + u" = %1 + %2 − %3 = %4"_s.arg(
                            val(in.a1), val(in.H), val(in.ht), metres(b.headDifference)));
    h.add(Word::QuantitySlab,
            fSlab
                    + u" = %1 × √(%2 × √%3) = %4"_s.arg(
                            val(o.k1), val(in.q), fig(b.headDifference), metres(b.slabThickness)));
    h.add(Word::QuantitySlabEnd,
            fSlabEnd
                    + u" = max(%1/2, 0.5) = %2"_s.arg(
                            fig(b.slabThickness), metres(b.slabEndThickness)));
    QStringList thicknesses{fig(b.slabThickness)};
    if (b.uplift && in.uplift) {
        const design::UpliftThickness &u = *b.uplift;
        const QString gw = given(design::waterUnitWeight);
        h.add(Word::QuantityUpliftVelocity,
                fUpliftVelocity
                        + u" = %1/%2 = %3 m/s"_s.arg(val(in.q), fig(b.hco), figure(u.velocity)));
        h.add(Word::QuantityPulsation,
                fPulsation
                        + withConstants(u" = %1 × %2 × %3²/{2g} = %4 kPa"_s)
                                  .arg(given(design::pulsationFactor), gw, fig(u.velocity),
                                          figure(u.pulsation)));
        h.add(Word::QuantityUpliftFront,
                fUpliftFront
                        + u" = %1 × (%2 − %3 × %4 + %5)/%6 = %7"_s.arg(val(o.k2), val(*in.uplift),
                                gw, fig(b.hco), fig(u.pulsation), val(o.slabUnitWeight),
                                metres(u.front)));
        h.add(Word::QuantityUpliftRear,
                fUpliftRear
                        + u" = %1 × (%2 − %3 × (%4 + %5) − %6)/%7 = %8"_s.arg(val(o.k2),
                                val(*in.uplift), gw, val(in.ht), fig(b.d), fig(u.pulsation),
                                val(o.slabUnitWeight), metres(u.rear)));
        thicknesses << fig(u.front) << fig(u.rear);
    }
    h.add(Word::QuantityAdoptedSlab,
            thicknesses.size() > 1
                    ? u"max(%1) = %2"_s.arg(thicknesses.join(u", "_s), metres(b.slab))
                    : u"t = %1"_s.arg(metres(b.slab)));
    s.blocks.push_back(h.block());
    if (!addSideFailures(s, r, design::SideQuantity::Uplift, lang) && !b.uplift)
        s.blocks.push_back(paragraph(ReportBlock::Kind::Note, word(Word::UpliftNone, lang)));
}

void addApron(ReportSection &s, const design::CaseResult &r, const design::DesignOptions &o,
        ReportLanguage lang)
{
    s.blocks.push_back(heading(4, word(Word::ApronCaption, lang)));
    if (addSideFailures(s, r, design::SideQuantity::Apron, lang))
        return;
    if (!r.apron || !o.ks) {
        s.blocks.push_back(paragraph(ReportBlock::Kind::Note, word(Word::ApronNotComputed, lang)));
        return;
    }
    const design::CaseInputs &in = r.inputs;
    const design::CaseApron &a = *r.apron;
    const double head = a.headDifference;
    Formulas f(lang);
    f.add(Word::QuantityHeadDifference,
            fHead + u" = %1 + %2 − %3 = %4"_s.arg(val(in.a1), val(in.H), val(in.ht), metres(head)));
    f.add(Word::QuantityApronDischarge,
            fApronDischarge
                    + u" = %1 × %2 = %3 m²/s"_s.arg(
                            val(in.q), val(o.widthRatio), figure(a.unitDischarge)));
    f.add(Word::QuantityApronParameter,
            u"√(qs·√ΔH′) = √(%1 × √%2) = %3"_s.arg(
                    fig(a.unitDischarge), fig(head), figure(a.parameter)));
    f.add(Word::QuantityApron,
            fApron
                    + u" = %1 × %2 = %3"_s.arg(
                            val(*o.ks), fig(a.parameter), lengthMetres(a.length)));
    s.blocks.push_back(f.block());
    if (a.outsideRange)
        s.blocks.push_back(paragraph(ReportBlock::Kind::Note,
                word(Word::ApronOutsideRange, lang).arg(figure(a.parameter))));
}

} // namespace varnolt::writers::report
