#include "writers/report_words.h"

#include "model/errors.h"
#include "writers/report_translator.h"

#include <QCoreApplication>

namespace varnolt::writers {

namespace {

// A catalogue entry: the English source text and the enum's name, which
// tells apart equal sources with different translations ("conjugate depth"
// is 跃后水深（共轭水深） in the jump check and 跃后水深 in the standard's).
struct Entry {
    const char *source;
    const char *disambiguation;
};

Entry entryOf(Word w)
{
    switch (w) {
    case Word::DefaultTitle:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "Energy Dissipator Calculation Report", "DefaultTitle");
    case Word::DateLabel:
        return QT_TRANSLATE_NOOP3("ReportWords", "Date", "DateLabel");
    case Word::ContentsNote:
        return QT_TRANSLATE_NOOP3("ReportWords", "%1 cases.", "ContentsNote");
    case Word::BasisHeading:
        return QT_TRANSLATE_NOOP3("ReportWords", "1 Basis of the calculation", "BasisHeading");
    case Word::BasisMethod:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "Underflow (hydraulic-jump) energy dissipation below an overflow weir: the "
                "contracted depth hco and its conjugate depth hco2 follow from the total head; "
                "compared with the tailwater depth ht they decide the kind of jump. For a remote "
                "jump, the basin depth d that holds the jump submerged with the factor σ is found "
                "by bisection, with the contracted depth below the basin floor and the basin "
                "length.",
                "BasisMethod");
    case Word::BasisStandard:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "The basin depth and length are cross-checked by the Chinese sluice design "
                "standard SL 265 (appendix on energy dissipation and scour protection); the floor "
                "slab thickness and the apron extension follow the same appendix.",
                "BasisStandard");
    case Word::BasisConstants:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "Gravity g = %1 m/s², 2g taken as %2 m/s²; lengths in m, time in s.",
                "BasisConstants");
    case Word::BasisFormulasCaption:
        return QT_TRANSLATE_NOOP3("ReportWords", "Formulas", "BasisFormulasCaption");
    case Word::BasisOptionsCaption:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "Parameters of the cross-check", "BasisOptionsCaption");
    case Word::SummaryHeading:
        return QT_TRANSLATE_NOOP3("ReportWords", "2 Summary of results", "SummaryHeading");
    case Word::SummaryLegend:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "▲ case governing the basin depth; ■ case governing the basin length.",
                "SummaryLegend");
    case Word::GoverningDepth:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "The basin depth is governed by case “%1”: d = %2 m.", "GoverningDepth");
    case Word::GoverningLength:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "The basin length is governed by case “%1”: L = %2 m.", "GoverningLength");
    case Word::GoverningNone:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "No case needs a stilling basin.", "GoverningNone");
    case Word::CasesHeading:
        return QT_TRANSLATE_NOOP3("ReportWords", "3 Calculation by case", "CasesHeading");
    case Word::CaseHeading:
        return QT_TRANSLATE_NOOP3("ReportWords", "3.%1 Case: ", "CaseHeading");
    case Word::InputsCaption:
        return QT_TRANSLATE_NOOP3("ReportWords", "Inputs", "InputsCaption");
    case Word::CheckCaption:
        return QT_TRANSLATE_NOOP3("ReportWords", "Jump-type check", "CheckCaption");
    case Word::BasinCaption:
        return QT_TRANSLATE_NOOP3("ReportWords", "Stilling basin", "BasinCaption");
    case Word::StandardCaption:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "Cross-check of depth and length by SL 265", "StandardCaption");
    case Word::SlabCaption:
        return QT_TRANSLATE_NOOP3("ReportWords", "Floor slab thickness (SL 265)", "SlabCaption");
    case Word::ApronCaption:
        return QT_TRANSLATE_NOOP3("ReportWords", "Apron extension (SL 265)", "ApronCaption");
    case Word::AdviceCaption:
        return QT_TRANSLATE_NOOP3("ReportWords", "Advice on the basin type", "AdviceCaption");
    case Word::WindowTextsCaption:
        return QT_TRANSLATE_NOOP3("ReportWords", "The window's texts", "WindowTextsCaption");
    case Word::WindowBasinHco:
        return QT_TRANSLATE_NOOP3("ReportWords", "basin hco (Text8)", "WindowBasinHco");
    case Word::SketchCaption:
        return QT_TRANSLATE_NOOP3("ReportWords", "Sketch of the case", "SketchCaption");
    case Word::VerdictLabel:
        return QT_TRANSLATE_NOOP3("ReportWords", "Verdict", "VerdictLabel");
    case Word::VerdictLine:
        return QT_TRANSLATE_NOOP3("ReportWords", "%1: hco2 = %2 m %3 ht = %4 m. %5", "VerdictLine");
    case Word::ErrorCaption:
        return QT_TRANSLATE_NOOP3("ReportWords", "Calculation stopped", "ErrorCaption");
    case Word::ColumnNumber:
        return QT_TRANSLATE_NOOP3("ReportWords", "No.", "ColumnNumber");
    case Word::ColumnCase:
        return QT_TRANSLATE_NOOP3("ReportWords", "Case", "ColumnCase");
    case Word::ColumnSymbol:
        return QT_TRANSLATE_NOOP3("ReportWords", "Symbol", "ColumnSymbol");
    case Word::ColumnQuantity:
        return QT_TRANSLATE_NOOP3("ReportWords", "Quantity", "ColumnQuantity");
    case Word::ColumnValue:
        return QT_TRANSLATE_NOOP3("ReportWords", "Value", "ColumnValue");
    case Word::ColumnUnit:
        return QT_TRANSLATE_NOOP3("ReportWords", "Unit", "ColumnUnit");
    case Word::ColumnJump:
        return QT_TRANSLATE_NOOP3("ReportWords", "Jump", "ColumnJump");
    case Word::ColumnFormula:
        return QT_TRANSLATE_NOOP3("ReportWords", "Calculation", "ColumnFormula");
    case Word::QuantityQ:
        return QT_TRANSLATE_NOOP3("ReportWords", "discharge per unit width", "QuantityQ");
    case Word::QuantityH:
        return QT_TRANSLATE_NOOP3("ReportWords", "head over the crest", "QuantityH");
    case Word::QuantityA1:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "weir height above the downstream floor", "QuantityA1");
    case Word::QuantityV:
        return QT_TRANSLATE_NOOP3("ReportWords", "approach velocity", "QuantityV");
    case Word::QuantityHt:
        return QT_TRANSLATE_NOOP3("ReportWords", "tailwater depth", "QuantityHt");
    case Word::QuantityPhi:
        return QT_TRANSLATE_NOOP3("ReportWords", "velocity coefficient", "QuantityPhi");
    case Word::QuantitySigma:
        return QT_TRANSLATE_NOOP3("ReportWords", "submergence factor", "QuantitySigma");
    case Word::QuantityE0:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "total head above the downstream floor", "QuantityE0");
    case Word::QuantityHc:
        return QT_TRANSLATE_NOOP3("ReportWords", "critical depth", "QuantityHc");
    case Word::QuantityHco:
        return QT_TRANSLATE_NOOP3("ReportWords", "contracted depth", "QuantityHco");
    case Word::QuantityHco2:
        return QT_TRANSLATE_NOOP3("ReportWords", "conjugate depth", "QuantityHco2");
    case Word::QuantityFr1:
        return QT_TRANSLATE_NOOP3("ReportWords", "Froude number before the jump", "QuantityFr1");
    case Word::QuantityForm:
        return QT_TRANSLATE_NOOP3("ReportWords", "form of the jump", "QuantityForm");
    case Word::QuantityEnergyLoss:
        return QT_TRANSLATE_NOOP3("ReportWords", "energy loss in the jump", "QuantityEnergyLoss");
    case Word::QuantitySpecificEnergy:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "specific energy before the jump", "QuantitySpecificEnergy");
    case Word::QuantityRelativeLoss:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "share of the energy lost", "QuantityRelativeLoss");
    case Word::QuantityJumpLength:
        return QT_TRANSLATE_NOOP3("ReportWords", "length of the free jump", "QuantityJumpLength");
    case Word::QuantityEt:
        return QT_TRANSLATE_NOOP3("ReportWords", "downstream total head", "QuantityEt");
    case Word::QuantityBalance:
        return QT_TRANSLATE_NOOP3("ReportWords", "balance for the basin depth", "QuantityBalance");
    case Word::QuantityBasinDepth:
        return QT_TRANSLATE_NOOP3("ReportWords", "basin depth", "QuantityBasinDepth");
    case Word::QuantityBasinHead:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "total head above the basin floor", "QuantityBasinHead");
    case Word::QuantityBasinHco:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "contracted depth below the basin floor", "QuantityBasinHco");
    case Word::QuantityBasinHco2:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "conjugate depth in the basin", "QuantityBasinHco2");
    case Word::QuantityBasinLength:
        return QT_TRANSLATE_NOOP3("ReportWords", "basin length", "QuantityBasinLength");
    case Word::QuantityT0:
        return QT_TRANSLATE_NOOP3("ReportWords", "total head above the basin floor", "QuantityT0");
    case Word::QuantityStandardHco:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "contracted depth (iterated)", "QuantityStandardHco");
    case Word::QuantityConjugate:
        return QT_TRANSLATE_NOOP3("ReportWords", "conjugate depth", "QuantityConjugate");
    case Word::QuantityDeltaZ:
        return QT_TRANSLATE_NOOP3("ReportWords", "fall at the basin exit", "QuantityDeltaZ");
    case Word::QuantityStandardDepth:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "basin depth by the standard", "QuantityStandardDepth");
    case Word::QuantityStandardLength:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "basin length by the standard", "QuantityStandardLength");
    case Word::QuantityHeadDifference:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "difference of the water levels", "QuantityHeadDifference");
    case Word::QuantitySlab:
        return QT_TRANSLATE_NOOP3("ReportWords", "slab thickness", "QuantitySlab");
    case Word::QuantityApron:
        return QT_TRANSLATE_NOOP3("ReportWords", "apron length", "QuantityApron");
    case Word::OptionAlpha:
        return QT_TRANSLATE_NOOP3("ReportWords", "kinetic-energy correction factor", "OptionAlpha");
    case Word::OptionWidthRatio:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "ratio of the inflow width to the basin width", "OptionWidthRatio");
    case Word::OptionBeta:
        return QT_TRANSLATE_NOOP3("ReportWords", "share of the free-jump length", "OptionBeta");
    case Word::OptionSlopeLength:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "horizontal length of the sloping part", "OptionSlopeLength");
    case Word::OptionK1:
        return QT_TRANSLATE_NOOP3("ReportWords", "slab-thickness coefficient", "OptionK1");
    case Word::OptionKs:
        return QT_TRANSLATE_NOOP3("ReportWords", "apron-length coefficient", "OptionKs");
    case Word::OptionKsNone:
        return QT_TRANSLATE_NOOP3("ReportWords", "not given", "OptionKsNone");
    case Word::RootByBisection:
        return QT_TRANSLATE_NOOP3("ReportWords", "root by bisection", "RootByBisection");
    case Word::RootIterated:
        return QT_TRANSLATE_NOOP3("ReportWords", "iterated with d′ to convergence", "RootIterated");
    case Word::NoForm:
        return QT_TRANSLATE_NOOP3("ReportWords", "Fr1 < 1, no jump", "NoForm");
    case Word::StandardNoRoot:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "The standard's cross-check has no root: ", "StandardNoRoot");
    case Word::SlabOutsideRange:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "Note: √(q·√ΔH′) lies outside 1–9, where the formula is meant to be used.",
                "SlabOutsideRange");
    case Word::ApronNotComputed:
        return QT_TRANSLATE_NOOP3("ReportWords", "No Ks given: the apron length is not computed.",
                "ApronNotComputed");
    case Word::NoBasinNeeded:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "The tailwater holds the jump: no stilling basin is needed.", "NoBasinNeeded");
    case Word::NoBasinSized:
        return QT_TRANSLATE_NOOP3("ReportWords", "No basin was sized.", "NoBasinSized");
    case Word::TypesCaption:
        return QT_TRANSLATE_NOOP3("ReportWords", "The basin types compared", "TypesCaption");
    case Word::ColumnBasinType:
        return QT_TRANSLATE_NOOP3("ReportWords", "Type", "ColumnBasinType");
    case Word::ColumnTypeNote:
        return QT_TRANSLATE_NOOP3("ReportWords", "Note", "ColumnTypeNote");
    case Word::TypeSunk:
        return QT_TRANSLATE_NOOP3("ReportWords", "Sunk basin (floor lowered)", "TypeSunk");
    case Word::TypeSill:
        return QT_TRANSLATE_NOOP3("ReportWords", "Sill basin", "TypeSill");
    case Word::TypeCombined:
        return QT_TRANSLATE_NOOP3("ReportWords", "Combined basin", "TypeCombined");
    case Word::SillHeld:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "H10 = %1 m, H1 = %2 m, σs = %3; after the sill hc1″ = %4 m ≤ ht = %5 m: the jump "
                "after the sill is held",
                "SillHeld");
    case Word::SillRemote:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "H10 = %1 m, H1 = %2 m, σs = %3; after the sill hc1″ = %4 m > ht = %5 m: a remote "
                "jump follows the sill; a second sill or the combined basin is needed",
                "SillRemote");
    case Word::SillNone:
        return QT_TRANSLATE_NOOP3("ReportWords", "no sill (%1)", "SillNone");
    case Word::CombinedNone:
        return QT_TRANSLATE_NOOP3("ReportWords", "not sized", "CombinedNone");
    case Word::ScourDepthLine:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "Scour depth at the end of the apron dm = 1.1 × %1 / %2 − %3 = %4 m",
                "ScourDepthLine");
    case Word::ScourNone:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "No allowable velocity of the bed given: the scour depth is not computed.",
                "ScourNone");
    case Word::GoverningSill:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "The sill height is governed by %1: c = %2 m.", "GoverningSill");
    case Word::GoverningCombined:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "The combined basin is governed by %1: d = %2 m, c = %3 m.", "GoverningCombined");
    case Word::GoverningScour:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "The scour depth is governed by %1: dm = %2 m.", "GoverningScour");
    case Word::AdoptedType:
        return QT_TRANSLATE_NOOP3("ReportWords", "Adopted: %1.", "AdoptedType");
    case Word::CaseStopped:
        return QT_TRANSLATE_NOOP3("ReportWords", "Stopped at the %1 (%2): ", "CaseStopped");
    case Word::StepCheck:
        return QT_TRANSLATE_NOOP3("ReportWords", "jump-type check", "StepCheck");
    case Word::StepBasin:
        return QT_TRANSLATE_NOOP3("ReportWords", "basin sizing", "StepBasin");
    case Word::KindRemote:
        return QT_TRANSLATE_NOOP3("ReportWords", "remote", "KindRemote");
    case Word::KindSubmerged:
        return QT_TRANSLATE_NOOP3("ReportWords", "submerged", "KindSubmerged");
    case Word::KindCritical:
        return QT_TRANSLATE_NOOP3("ReportWords", "critical", "KindCritical");
    case Word::StoppedShort:
        return QT_TRANSLATE_NOOP3("ReportWords", "stopped", "StoppedShort");
    case Word::SketchScale:
        return QT_TRANSLATE_NOOP3("ReportWords", "scale 1:%1", "SketchScale");
    case Word::SketchExaggeration:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "horizontal 1:%1, vertical 1:%2 (vertical exaggeration ×%3)", "SketchExaggeration");
    case Word::SketchUnits:
        return QT_TRANSLATE_NOOP3("ReportWords", "; dimensions in m", "SketchUnits");
    case Word::SketchBasinLength:
        return QT_TRANSLATE_NOOP3("ReportWords", "basin", "SketchBasinLength");
    case Word::SketchJumpLength:
        return QT_TRANSLATE_NOOP3("ReportWords", "jump", "SketchJumpLength");
    case Word::RangeTo:
        return QT_TRANSLATE_NOOP3("ReportWords", " to ", "RangeTo");
    case Word::CaseRow:
        return QT_TRANSLATE_NOOP3("ReportWords", " (line %1)", "CaseRow");
    case Word::UnnamedCase:
        return QT_TRANSLATE_NOOP3("ReportWords", "case %1", "UnnamedCase");
    }
    return {"", nullptr};
}

QString translated(const Entry &entry, ReportLanguage language)
{
    return ReportWords::of(language).translate("ReportWords", entry.source, entry.disambiguation);
}

} // namespace

QString word(Word w, ReportLanguage language)
{
    return translated(entryOf(w), language);
}

QString verdictWords(JumpKind kind, ReportLanguage language)
{
    // In Chinese the window's own verdict, with its ASCII comma and stop.
    switch (kind) {
    case JumpKind::Remote:
        return translated(QT_TRANSLATE_NOOP3("ReportWords",
                                  "A remote jump forms downstream: an energy dissipator must be "
                                  "built.",
                                  "verdict"),
                language);
    case JumpKind::Submerged:
        return translated(
                QT_TRANSLATE_NOOP3("ReportWords", "A submerged jump forms downstream.", "verdict"),
                language);
    case JumpKind::Critical:
        return translated(
                QT_TRANSLATE_NOOP3("ReportWords", "A critical jump forms downstream.", "verdict"),
                language);
    }
    return {};
}

QString jumpKindWords(JumpKind kind, ReportLanguage language)
{
    switch (kind) {
    case JumpKind::Remote:
        return word(Word::KindRemote, language);
    case JumpKind::Submerged:
        return word(Word::KindSubmerged, language);
    case JumpKind::Critical:
        return word(Word::KindCritical, language);
    }
    return {};
}

QString jumpFormWords(design::JumpForm form, ReportLanguage language)
{
    switch (form) {
    case design::JumpForm::Undular:
        return translated(QT_TRANSLATE_NOOP3("ReportWords", "undular jump", "form"), language);
    case design::JumpForm::Weak:
        return translated(QT_TRANSLATE_NOOP3("ReportWords", "weak jump", "form"), language);
    case design::JumpForm::Oscillating:
        return translated(QT_TRANSLATE_NOOP3("ReportWords", "oscillating jump", "form"), language);
    case design::JumpForm::Steady:
        return translated(QT_TRANSLATE_NOOP3("ReportWords", "steady jump", "form"), language);
    case design::JumpForm::Strong:
        return translated(QT_TRANSLATE_NOOP3("ReportWords", "strong jump", "form"), language);
    }
    return {};
}

QString basinAdviceWords(design::BasinAdvice advice, ReportLanguage language)
{
    switch (advice) {
    case design::BasinAdvice::NoAppurtenances:
        return translated(
                QT_TRANSLATE_NOOP3("ReportWords", "No appurtenances are needed.", "advice"),
                language);
    case design::BasinAdvice::PlainBasin:
        return translated(
                QT_TRANSLATE_NOOP3("ReportWords", "A plain basin is enough.", "advice"), language);
    case design::BasinAdvice::SuppressWaves:
        return translated(
                QT_TRANSLATE_NOOP3("ReportWords",
                        "An oscillating jump: add wave suppressors or deepen the basin.", "advice"),
                language);
    case design::BasinAdvice::BlocksBafflesSill:
        return translated(
                QT_TRANSLATE_NOOP3("ReportWords",
                        "A short basin with chute blocks, baffle piers and an end sill.", "advice"),
                language);
    case design::BasinAdvice::BlocksDentatedSill:
        return translated(
                QT_TRANSLATE_NOOP3("ReportWords",
                        "Chute blocks and a dentated end sill, without baffle piers.", "advice"),
                language);
    }
    return {};
}

QString errorKindWords(ErrorKind kind, ReportLanguage language)
{
    // The English name is the key the CSV and JSON write.
    switch (kind) {
    case ErrorKind::TypeMismatch:
        return translated(QT_TRANSLATE_NOOP3("ReportWords", "type mismatch", "error"), language);
    case ErrorKind::Overflow:
        return translated(QT_TRANSLATE_NOOP3("ReportWords", "overflow", "error"), language);
    case ErrorKind::DivisionByZero:
        return translated(QT_TRANSLATE_NOOP3("ReportWords", "division by zero", "error"), language);
    case ErrorKind::InvalidOperation:
        return translated(
                QT_TRANSLATE_NOOP3("ReportWords", "invalid operation", "error"), language);
    case ErrorKind::FileNotFound:
        return translated(QT_TRANSLATE_NOOP3("ReportWords", "file not found", "error"), language);
    case ErrorKind::NoSolution:
        return translated(QT_TRANSLATE_NOOP3("ReportWords", "no solution", "error"), language);
    case ErrorKind::InvalidInput:
        return translated(QT_TRANSLATE_NOOP3("ReportWords", "invalid input", "error"), language);
    }
    return translated(QT_TRANSLATE_NOOP3("ReportWords", "error", "error"), language);
}

} // namespace varnolt::writers
