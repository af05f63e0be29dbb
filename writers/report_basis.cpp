// The basis of the calculation: method, standard, constants, the formulas in
// their general form and the parameters of the standard's cross-check.
#include "writers/report_sections.h"

#include "model/formulas.h"
#include "writers/formula_numbers.h"
#include "writers/report_blocks.h"
#include "writers/report_formulas.h"
#include "writers/report_numbers.h"

namespace varnolt::writers::report {

using namespace Qt::StringLiterals;

namespace {

// A coefficient's name and symbol as the warnings write them.
std::pair<Word, QString> coefficientName(design::Coefficient coefficient)
{
    switch (coefficient) {
    case design::Coefficient::SlabCoefficient:
        return {Word::OptionK1, u"k1"_s};
    case design::Coefficient::SubmergenceFactor:
        return {Word::QuantitySigma, u"σ"_s};
    case design::Coefficient::JumpLengthShare:
        return {Word::OptionBeta, u"β"_s};
    case design::Coefficient::VelocityCoefficient:
        return {Word::QuantityPhi, u"φ"_s};
    }
    return {Word::OptionK1, u"?"_s};
}

// One coefficient used outside its usual range, in a sentence: which, the
// value, the range or its one end, and the case it belongs to.
QString warningText(const design::CoefficientWarning &w, const design::DesignResult &design,
        ReportLanguage lang)
{
    const auto [name, symbol] = coefficientName(w.coefficient);
    QString text;
    if (w.low && w.high)
        text = word(Word::WarningRange, lang)
                       .arg(word(name, lang), symbol, given(w.value), given(*w.low),
                               given(*w.high));
    else if (w.low)
        text = word(Word::WarningBelow, lang)
                       .arg(word(name, lang), symbol, given(w.value), given(*w.low));
    else
        text = word(Word::WarningAbove, lang)
                       .arg(word(name, lang), symbol, given(w.value),
                               w.high ? given(*w.high) : u"—"_s);
    if (w.caseIndex && *w.caseIndex < design.cases.size())
        text = word(Word::WarningCase, lang)
                        .arg(caseTitle(design.cases[*w.caseIndex], *w.caseIndex, lang))
                + text;
    return text;
}

} // namespace

void addBasis(ReportDocument &doc, const design::DesignResult &design)
{
    const ReportLanguage lang = doc.language;
    const design::DesignOptions &o = design.options;
    ReportSection s;
    s.id = u"basis"_s;
    s.blocks.push_back(heading(2, word(Word::BasisHeading, lang)));
    s.blocks.push_back(paragraph(ReportBlock::Kind::Paragraph, word(Word::BasisMethod, lang)));
    s.blocks.push_back(paragraph(ReportBlock::Kind::Paragraph, word(Word::BasisStandard, lang)));
    s.blocks.push_back(paragraph(ReportBlock::Kind::Paragraph,
            word(Word::BasisAdoption, lang).arg(given(o.depthStep), given(o.lengthStep))));
    s.blocks.push_back(paragraph(ReportBlock::Kind::Paragraph,
            word(Word::BasisConstants, lang).arg(given(formulas::g), given(formulas::twoG))));

    s.blocks.push_back(heading(4, word(Word::BasisFormulasCaption, lang)));
    Formulas f(lang);
    f.add(Word::QuantityE0, fE0);
    f.add(Word::QuantityHc, fHc);
    f.add(Word::QuantityHco, fHco);
    f.add(Word::QuantityHco2, fHco2);
    f.add(Word::QuantityFr1, fFr1);
    f.add(Word::QuantityEnergyLoss, fLoss + u",  "_s + fE1);
    f.add(Word::QuantityJumpLength, fJump);
    f.add(Word::QuantityExitHead, fExitHead);
    f.add(Word::QuantityExactBalance, fExactBalance + u",  "_s + fExactHead);
    f.add(Word::QuantityEt, fEt);
    f.add(Word::QuantityBasinDepth, fBalance + u",  "_s + fBasinHead + u",  "_s + fBasinHco);
    f.add(Word::QuantityBasinLength, lengthFormula(lang));
    f.add(Word::QuantityStandardHco, fT0 + u",  "_s + fStdHco);
    f.add(Word::QuantityConjugate, fConjugate);
    f.add(Word::QuantityDeltaZ, fDeltaZ);
    f.add(Word::QuantityStandardDepth, fStdDepth);
    f.add(Word::QuantityStandardLength, fStdLength);
    f.add(Word::QuantitySlab, fHead + u",  "_s + fSlab + u",  "_s + fSlabEnd);
    f.add(Word::QuantityUpliftFront,
            fUpliftVelocity + u",  "_s + fPulsation + u",  "_s + fUpliftFront);
    f.add(Word::QuantityUpliftRear, fUpliftRear);
    f.add(Word::QuantityApron, fApronDischarge + u",  "_s + fApron);
    s.blocks.push_back(f.block());

    s.blocks.push_back(heading(4, word(Word::BasisOptionsCaption, lang)));
    ReportTable t;
    t.header = {word(Word::ColumnSymbol, lang), word(Word::ColumnQuantity, lang),
            word(Word::ColumnValue, lang), word(Word::ColumnUnit, lang)};
    auto row = [&](const QString &symbol, Word w, const QString &value, const QString &unit) {
        t.rows.push_back({{symbol}, {word(w, lang)}, {value, true}, {unit}});
    };
    row(u"α"_s, Word::OptionAlpha, given(o.alpha), {});
    row(u"b1/b2"_s, Word::OptionWidthRatio, given(o.widthRatio), {});
    row(u"β"_s, Word::OptionBeta, given(o.beta), {});
    row(u"Ls"_s, Word::OptionSlopeLength, given(o.slopeLength), u"m"_s);
    row(u"k1"_s, Word::OptionK1, given(o.k1), {});
    row(u"Ks"_s, Word::OptionKs, o.ks ? given(*o.ks) : word(Word::OptionKsNone, lang), {});
    row(u"φ′"_s, Word::OptionExitPhi, given(o.exitPhi), {});
    row(u"Δd"_s, Word::OptionDepthStep, given(o.depthStep), u"m"_s);
    row(u"ΔL"_s, Word::OptionLengthStep, given(o.lengthStep), u"m"_s);
    row(u"k2"_s, Word::OptionK2, given(o.k2), {});
    row(u"γb"_s, Word::OptionSlabUnitWeight, given(o.slabUnitWeight), u"kN/m³"_s);
    s.blocks.push_back(tableBlock(t));

    // Coefficients outside their usual ranges are used as given, and said so.
    if (!design.warnings.empty()) {
        s.blocks.push_back(heading(4, word(Word::WarningsCaption, lang)));
        for (const design::CoefficientWarning &w : design.warnings)
            s.blocks.push_back(paragraph(ReportBlock::Kind::Note, warningText(w, design, lang)));
    }
    doc.sections.push_back(std::move(s));
}

} // namespace varnolt::writers::report
