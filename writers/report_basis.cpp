// The method and basis of the calculation: method, standard, constants and
// the formulas in their general form.
#include "writers/report_sections.h"

#include "model/formulas.h"
#include "writers/formula_numbers.h"
#include "writers/report_blocks.h"
#include "writers/report_formulas.h"
#include "writers/report_numbers.h"

namespace varnolt::writers::report {

using namespace Qt::StringLiterals;

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

    doc.sections.push_back(std::move(s));
}

} // namespace varnolt::writers::report
