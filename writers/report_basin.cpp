// A case's stilling basin: the balance for its depth worked with the exact
// root, the window's own basin beside it, and the standard's cross-check.
#include "writers/report_sections.h"

#include "design/standard_check.h"
#include "model/formulas.h"
#include "writers/error_words.h"
#include "writers/formula_numbers.h"
#include "writers/report_blocks.h"
#include "writers/report_formulas.h"
#include "writers/report_numbers.h"

namespace varnolt::writers::report {

using namespace Qt::StringLiterals;

namespace {

// The balance solved to double precision, with φ′ at the exit: every line
// worked with the figures of the exact root, so that each closes at the
// digits it prints. The window's figure stands beside the root.
void addExactBalance(Formulas &f, const design::CaseInputs &in, const design::BasinResult &b,
        const design::DesignOptions &o, ReportLanguage lang)
{
    const QString q = val(in.q);
    f.add(Word::QuantityExitHead,
            fExitHead
                    + withConstants(u" = %1 + %2²/({2g} × (%3 × %1)²) = %4"_s)
                              .arg(val(in.ht), q, val(o.exitPhi), metres(b.exactEt)));
    const double d = *b.exactD;
    if (b.metWithoutLowering) {
        // σ·hco2 + q²/(2g·(σ·hco2)²) at d = 0, from the residual the root
        // was judged by, Et′ − (left side − d).
        const design::WeirFlow flow = flowOf(in);
        const double leftSide = b.exactEt
                - formulas::exact::basinResidual(b.exactEt, flow.q, b.exactHco2, flow.sigma, 0);
        f.add(Word::QuantityExactBalance, fExactBalance,
                u":  "_s
                        + word(Word::BalanceHoldsUnlowered, lang)
                                  .arg(figure(leftSide), figure(b.exactEt)));
    } else {
        f.add(Word::QuantityExactBalance,
                fExactBalance
                        + withConstants(
                                u":  %1 × %2 + %3²/({2g} × (%1 × %2)²) − %4 = %5,  d = %6"_s)
                                  .arg(val(in.sigma), fig(b.exactHco2), q, fig(d),
                                          figure(b.exactEt), metres(d)),
                remark(word(Word::RootExact, lang).arg(toMillimetre(b.d)), lang));
    }
    f.add(Word::QuantityBasinHead,
            fExactHead
                    + withConstants(u" = %1 + %2 + %3²/{2g} + %4 = %5"_s)
                              .arg(val(in.a1), val(in.H), val(in.v), fig(d), metres(b.exactE0)));
    f.add(Word::QuantityBasinHco,
            fBasinHco + contractedDepthWorking(b.exactE0, q, val(in.phi), b.exactHco),
            rootByBisection(lang));
    f.add(Word::QuantityBasinHco2, fHco2 + conjugateDepthWorking(b.exactHco, q, b.exactHco2));
}

// The window's basin as its bisection left it: the depth, the head and the
// jump in the basin, the length and the Froude number, every one the
// figure the window computed with.
void addWindowBasin(ReportSection &s, const design::CaseInputs &in, const design::CheckResult &c,
        const design::BasinResult &b, ReportLanguage lang)
{
    const QString q = val(in.q);
    s.blocks.push_back(heading(4, word(Word::WindowBasinCaption, lang)));
    Formulas f(lang);
    f.add(Word::QuantityEt,
            fEt
                    + withConstants(u" = %1 + %2²/({2g} × (%3 × %1)²) = %4"_s)
                              .arg(val(in.ht), q, val(in.phi), metres(b.Et)));
    f.add(Word::QuantityWindowDepth, fBalance + u":  d = %1"_s.arg(metres(b.d)),
            remark(word(Word::RootWindow, lang), lang));
    f.add(Word::QuantityBasinHead,
            fBasinHead + u" = %1 + %2 = %3"_s.arg(fig(c.E0), fig(b.d), metres(b.E0)));
    f.add(Word::QuantityBasinHco, fBasinHco + contractedDepthWorking(b.E0, q, val(in.phi), b.hco),
            rootByBisection(lang));
    f.add(Word::QuantityBasinHco2, fHco2 + conjugateDepthWorking(b.hco, q, b.hco2));
    f.add(Word::QuantityBasinLength,
            lengthFormula(lang) + u" = "_s
                    + range(withConstants(u"{short} × (%1 − %2)"_s).arg(fig(b.hco2), fig(b.hco)),
                            withConstants(u"{long} × (%1 − %2)"_s).arg(fig(b.hco2), fig(b.hco)),
                            lang)
                    + u" = "_s + range(toCentimetre(b.lengthMin), toCentimetre(b.lengthMax), lang)
                    + u" m"_s);
    f.add(Word::QuantityFr1, fFr1 + froudeWorking(q, b.hco, b.Fr1), formAfterFroude(b.form, lang));
    s.blocks.push_back(f.block());
    s.blocks.push_back(heading(4, word(Word::AdviceCaption, lang)));
    s.blocks.push_back(paragraph(ReportBlock::Kind::Paragraph, basinAdviceWords(b.advice, lang)));
}

// The standard's cross-check, each line with the coefficients it was
// computed with: α in the head T0 as well, φ′ in ΔZ.
void addStandard(ReportSection &s, const design::CaseInputs &in, const design::BasinResult &b,
        const design::DesignOptions &o, ReportLanguage lang)
{
    s.blocks.push_back(heading(4, word(Word::StandardCaption, lang)));
    const design::StandardCheck &sc = b.standard;
    if (!sc.d) {
        s.blocks.push_back(paragraph(ReportBlock::Kind::Note,
                word(Word::StandardNoRoot, lang)
                        + (sc.failure ? standardFailureWords(*sc.failure, lang) : QString())));
        return;
    }
    const QString q = val(in.q);
    const QString alpha = val(o.alpha);
    const QString hco = sc.hco ? fig(*sc.hco) : u"hc"_s;
    const QString hcc = sc.conjugate ? fig(*sc.conjugate) : u"hc″"_s;
    const double T0 = sc.T0.value_or(0);
    Formulas g(lang);
    g.add(Word::QuantityT0,
            fT0
                    + withConstants(u" = %1 + %2 + %3 × %4²/{2g} + %5 = %6"_s)
                              .arg(val(in.a1), val(in.H), alpha, val(in.v), fig(*sc.d),
                                      metres(T0)));
    if (sc.hco)
        g.add(Word::QuantityStandardHco,
                fStdHco
                        + withConstants(u":  hc³ − %1 × hc² + %2 × %3²/({2g} × %4²) = 0,  "
                                        u"hc = %5"_s)
                                  .arg(fig(T0), alpha, q, val(in.phi), metres(*sc.hco)),
                remark(word(Word::RootIterated, lang), lang));
    if (sc.conjugate)
        g.add(Word::QuantityConjugate,
                fConjugate
                        + withConstants(
                                u" = %1/2 × (√(1 + 8 × %2 × %3²/({g} × %1³)) − 1) × %4^0.25 = %5"_s)
                                  .arg(hco, alpha, q, val(o.widthRatio), metres(*sc.conjugate)));
    if (sc.deltaZ)
        g.add(Word::QuantityDeltaZ,
                fDeltaZ
                        + withConstants(
                                u" = %1 × %2²/({2g} × %3² × %4²) − %1 × %2²/({2g} × %5²) = %6"_s)
                                  .arg(alpha, q, val(o.exitPhi), val(in.ht), hcc,
                                          metres(*sc.deltaZ)));
    g.add(Word::QuantityStandardDepth,
            fStdDepth
                    + u":  d′ = %1 × %2 − %3 − %4 = %5"_s.arg(val(in.sigma), hcc, val(in.ht),
                            sc.deltaZ ? fig(*sc.deltaZ) : u"ΔZ"_s, metres(*sc.d)));
    if (sc.length)
        g.add(Word::QuantityStandardLength,
                fStdLength
                        + withConstants(u" = %1 + %2 × {jump} × (%3 − %4) = %5"_s)
                                  .arg(val(o.slopeLength), val(o.beta), hcc, hco,
                                          lengthMetres(*sc.length)));
    s.blocks.push_back(g.block());
}

} // namespace

design::WeirFlow flowOf(const design::CaseInputs &in)
{
    // The form holds its inputs in single precision; the design's own
    // formulas widen them again.
    const auto single = [](double v) { return double(float(v)); };
    return design::WeirFlow{single(in.q), single(in.H), single(in.a1), single(in.v), single(in.ht),
            single(in.phi), single(in.sigma)};
}

void addBasin(ReportSection &s, const design::CaseResult &r, const design::DesignOptions &o,
        ReportLanguage lang)
{
    const design::CaseInputs &in = r.inputs;
    const design::CheckResult &c = *r.check;
    const design::BasinResult &b = *r.basin;
    s.blocks.push_back(heading(4, word(Word::BasinCaption, lang)));
    if (b.exactD) {
        Formulas f(lang);
        addExactBalance(f, in, b, o, lang);
        s.blocks.push_back(f.block());
    } else {
        s.blocks.push_back(paragraph(ReportBlock::Kind::Note, word(Word::ExactNoRoot, lang)));
    }
    addWindowBasin(s, in, c, b, lang);
    addStandard(s, in, b, o, lang);
    addAdopted(s, b, o, lang);
    addSlab(s, r, o, lang);
}

} // namespace varnolt::writers::report
