// A case's jump check below the weir, its formulas worked with the figures
// and the verdict.
#include "writers/report_sections.h"

#include "writers/formula_numbers.h"
#include "writers/report_blocks.h"
#include "writers/report_formulas.h"
#include "writers/report_numbers.h"

namespace varnolt::writers::report {

using namespace Qt::StringLiterals;

namespace {

QString comparisonSign(JumpKind kind)
{
    switch (kind) {
    case JumpKind::Remote:
        return u">"_s;
    case JumpKind::Submerged:
        return u"<"_s;
    case JumpKind::Critical:
        return u"="_s;
    }
    return u"?"_s;
}

} // namespace

void addCheck(ReportSection &s, const design::CaseInputs &in, const design::CheckResult &c,
        ReportLanguage lang)
{
    s.blocks.push_back(heading(4, word(Word::CheckCaption, lang)));
    const QString q = val(in.q);
    Formulas f(lang);
    f.add(Word::QuantityE0,
            fE0
                    + withConstants(u" = %1 + %2 + %3²/{2g} = %4"_s)
                              .arg(val(in.a1), val(in.H), val(in.v), metres(c.E0)));
    f.add(Word::QuantityHc, fHc + withConstants(u" = (%1²/{g})^(1/3) = %2"_s).arg(q, metres(c.hc)));
    f.add(Word::QuantityHco, fHco + contractedDepthWorking(c.E0, q, val(in.phi), c.hco),
            rootByBisection(lang));
    f.add(Word::QuantityHco2, fHco2 + conjugateDepthWorking(c.hco, q, c.hco2));
    f.add(Word::QuantityFr1, fFr1 + froudeWorking(q, c.hco, c.Fr1), formAfterFroude(c.form, lang));
    f.add(Word::QuantityEnergyLoss,
            fLoss
                    + u" = (%1 − %2)³/(4 × %2 × %1) = %3"_s.arg(
                            fig(c.hco2), fig(c.hco), metres(c.energyLoss)));
    f.add(Word::QuantitySpecificEnergy,
            fE1
                    + withConstants(u" = %1 + %2²/({2g} × %1²) = %3"_s)
                              .arg(fig(c.hco), q, metres(c.specificEnergy)));
    f.add(Word::QuantityRelativeLoss,
            u"ΔE/E1 = %1/%2 = %3 %"_s.arg(
                    fig(c.energyLoss), fig(c.specificEnergy), percent(c.relativeLoss)));
    f.add(Word::QuantityJumpLength,
            fJump
                    + withConstants(u" = {jump} × (%1 − %2) = %3"_s)
                              .arg(fig(c.hco2), fig(c.hco), lengthMetres(c.jumpLength)));
    s.blocks.push_back(f.block());

    s.blocks.push_back(paragraph(ReportBlock::Kind::Verdict,
            word(Word::VerdictLine, lang)
                    .arg(word(Word::VerdictLabel, lang), figure(c.hco2), comparisonSign(c.jump),
                            practical(in.ht), verdictWords(c.jump, lang))));
}

} // namespace varnolt::writers::report
