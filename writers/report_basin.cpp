// A case's stilling basin: its depth and length worked with the figures, the
// standard's cross-check, the floor slab and the apron.
#include "writers/report_sections.h"

#include "writers/error_words.h"
#include "writers/formula_numbers.h"
#include "writers/report_blocks.h"
#include "writers/report_formulas.h"
#include "writers/report_numbers.h"

namespace varnolt::writers::report {

using namespace Qt::StringLiterals;

void addBasin(ReportSection &s, const design::CaseInputs &in, const design::CheckResult &c,
        const design::BasinResult &b, const design::DesignOptions &o, ReportLanguage lang)
{
    const QString q = val(in.q);
    s.blocks.push_back(heading(4, word(Word::BasinCaption, lang)));
    Formulas f(lang);
    f.add(Word::QuantityEt,
            fEt
                    + withConstants(u" = %1 + %2²/({2g} × (%3 × %1)²) = %4"_s)
                              .arg(val(in.ht), q, val(in.phi), metres(b.Et)));
    f.add(Word::QuantityBalance,
            fBalance
                    + withConstants(
                            u":  %1 × %2 + %3²/({2g} × (%1 × %2)²) − d = %4,  d = %5  (%6)"_s)
                              .arg(val(in.sigma), fig(b.hco2), q, figure(b.Et), metres(b.d),
                                      word(Word::RootByBisection, lang)));
    f.add(Word::QuantityBasinHead,
            fBasinHead + u" = %1 + %2 = %3"_s.arg(fig(c.E0), fig(b.d), metres(b.E0)));
    f.add(Word::QuantityBasinHco,
            fBasinHco + contractedDepthWorking(b.E0, q, val(in.phi), b.hco, lang));
    f.add(Word::QuantityBasinHco2, fHco2 + conjugateDepthWorking(b.hco, q, b.hco2));
    f.add(Word::QuantityBasinLength,
            lengthFormula(lang) + u" = "_s
                    + range(withConstants(u"{short} × (%1 − %2)"_s).arg(fig(b.hco2), fig(b.hco)),
                            withConstants(u"{long} × (%1 − %2)"_s).arg(fig(b.hco2), fig(b.hco)),
                            lang)
                    + u" = "_s + range(figure(b.lengthMin), figure(b.lengthMax), lang) + u" m"_s);
    f.add(Word::QuantityFr1, fFr1 + froudeWorking(q, b.hco, b.Fr1, b.form, lang));
    s.blocks.push_back(f.block());
    s.blocks.push_back(heading(4, word(Word::AdviceCaption, lang)));
    s.blocks.push_back(paragraph(ReportBlock::Kind::Paragraph, basinAdviceWords(b.advice, lang)));

    s.blocks.push_back(heading(4, word(Word::StandardCaption, lang)));
    const design::StandardCheck &sc = b.standard;
    if (sc.d) {
        const QString alpha = val(o.alpha);
        const QString hco = sc.hco ? fig(*sc.hco) : u"hco"_s;
        const QString hcc = sc.conjugate ? fig(*sc.conjugate) : u"hc″"_s;
        Formulas g(lang);
        g.add(Word::QuantityT0,
                fT0 + u" = %1 + %2 = %3"_s.arg(fig(c.E0), fig(*sc.d), metres(c.E0 + *sc.d)));
        if (sc.hco)
            g.add(Word::QuantityStandardHco,
                    fStdHco
                            + u":  hco = %1  (%2)"_s.arg(
                                    metres(*sc.hco), word(Word::RootIterated, lang)));
        if (sc.conjugate)
            g.add(Word::QuantityConjugate,
                    fConjugate
                            + withConstants(
                                    u" = %1/2 × (√(1 + 8 × %2 × %3²/({g} × %1³)) − 1) × %4^0.25 = %5"_s)
                                      .arg(hco, alpha, q, val(o.widthRatio),
                                              metres(*sc.conjugate)));
        if (sc.deltaZ)
            g.add(Word::QuantityDeltaZ,
                    fDeltaZ
                            + withConstants(
                                    u" = %1 × %2²/({2g} × %3² × %4²) − %1 × %2²/({2g} × %5²) = %6"_s)
                                      .arg(alpha, q, val(in.phi), val(in.ht), hcc,
                                              metres(*sc.deltaZ)));
        g.add(Word::QuantityStandardDepth,
                fStdDepth
                        + u":  d′ = %1 × %2 − %3 − %4 = %5  (d = %6 m)"_s.arg(val(in.sigma), hcc,
                                val(in.ht), sc.deltaZ ? fig(*sc.deltaZ) : u"ΔZ"_s, metres(*sc.d),
                                figure(b.d)));
        if (sc.length)
            g.add(Word::QuantityStandardLength,
                    fStdLength
                            + withConstants(u" = %1 + %2 × {jump} × (%3 − %4) = %5  (L = %6 m)"_s)
                                      .arg(val(o.slopeLength), val(o.beta), hcc, hco,
                                              metres(*sc.length),
                                              range(figure(b.lengthMin), figure(b.lengthMax),
                                                      lang)));
        s.blocks.push_back(g.block());
    } else {
        s.blocks.push_back(paragraph(ReportBlock::Kind::Note,
                word(Word::StandardNoRoot, lang)
                        + (sc.failure ? standardFailureWords(*sc.failure, lang) : QString())));
    }

    s.blocks.push_back(heading(4, word(Word::SlabCaption, lang)));
    Formulas h(lang);
    h.add(Word::QuantityHeadDifference,
            fHead
                    + u" = %1 + %2 − %3 = %4"_s.arg(
                            val(in.a1), val(in.H), val(in.ht), metres(b.headDifference)));
    h.add(Word::QuantitySlab,
            fSlab
                    + u" = %1 × √(%2 × √%3) = %4"_s.arg(
                            val(o.k1), q, fig(b.headDifference), metres(b.slabThickness)));
    s.blocks.push_back(h.block());
    if (b.slabFormulaOutsideRange)
        s.blocks.push_back(paragraph(ReportBlock::Kind::Note, word(Word::SlabOutsideRange, lang)));

    s.blocks.push_back(heading(4, word(Word::ApronCaption, lang)));
    if (b.apronLength && o.ks) {
        Formulas a(lang);
        a.add(Word::QuantityApron,
                fApron
                        + u" = %1 × √(%2 × √%3) = %4"_s.arg(
                                val(*o.ks), q, fig(b.headDifference), metres(*b.apronLength)));
        s.blocks.push_back(a.block());
    } else {
        s.blocks.push_back(paragraph(ReportBlock::Kind::Note, word(Word::ApronNotComputed, lang)));
    }
}

} // namespace varnolt::writers::report
