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

void addBasis(ReportDocument &doc, const design::DesignOptions &o)
{
    const ReportLanguage lang = doc.language;
    ReportSection s;
    s.id = u"basis"_s;
    s.blocks.push_back(heading(2, word(Word::BasisHeading, lang)));
    s.blocks.push_back(paragraph(ReportBlock::Kind::Paragraph, word(Word::BasisMethod, lang)));
    s.blocks.push_back(paragraph(ReportBlock::Kind::Paragraph, word(Word::BasisStandard, lang)));
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
    f.add(Word::QuantityEt, fEt);
    f.add(Word::QuantityBasinDepth, fBalance + u",  "_s + fBasinHead + u",  "_s + fBasinHco);
    f.add(Word::QuantityBasinLength, lengthFormula(lang));
    f.add(Word::QuantityStandardHco, fT0 + u",  "_s + fStdHco);
    f.add(Word::QuantityConjugate, fConjugate);
    f.add(Word::QuantityDeltaZ, fDeltaZ);
    f.add(Word::QuantityStandardDepth, fStdDepth);
    f.add(Word::QuantityStandardLength, fStdLength);
    f.add(Word::QuantitySlab, fHead + u",  "_s + fSlab);
    f.add(Word::QuantityApron, fApron);
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
    s.blocks.push_back(tableBlock(t));
    doc.sections.push_back(std::move(s));
}

} // namespace varnolt::writers::report
