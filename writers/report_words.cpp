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
    case Word::ProjectName:
        return QT_TRANSLATE_NOOP3("ReportWords", "Project", "ProjectName");
    case Word::DesignStage:
        return QT_TRANSLATE_NOOP3("ReportWords", "Design stage", "DesignStage");
    case Word::ReportNumber:
        return QT_TRANSLATE_NOOP3("ReportWords", "Report number", "ReportNumber");
    case Word::SignOffRole:
        return QT_TRANSLATE_NOOP3("ReportWords", "Sign-off", "SignOffRole");
    case Word::SignOffName:
        return QT_TRANSLATE_NOOP3("ReportWords", "Name", "SignOffName");
    case Word::SignCalculated:
        return QT_TRANSLATE_NOOP3("ReportWords", "Calculated", "SignCalculated");
    case Word::SignChecked:
        return QT_TRANSLATE_NOOP3("ReportWords", "Checked", "SignChecked");
    case Word::SignReviewed:
        return QT_TRANSLATE_NOOP3("ReportWords", "Reviewed", "SignReviewed");
    case Word::SignApproved:
        return QT_TRANSLATE_NOOP3("ReportWords", "Approved", "SignApproved");
    case Word::PageHeader:
        return QT_TRANSLATE_NOOP3("ReportWords", "%1 — %2", "PageHeader");
    case Word::PageFooter:
        return QT_TRANSLATE_NOOP3("ReportWords", "Page %1 of %2", "PageFooter");
    case Word::ContentsNote:
        return QT_TRANSLATE_NOOP3("ReportWords", "%1 cases.", "ContentsNote");
    case Word::BasisHeading:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "2 Method and basis of the calculation", "BasisHeading");
    case Word::BasisStandard:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "The basin depth and length are cross-checked by SL 265—2016, Design code for "
                "sluices, Appendix B (energy dissipation and scour protection), whose clauses on "
                "the depth and length of the stilling basin, the thickness of its floor slab, the "
                "length of the apron and the depth of scour beyond it are used here. The basin "
                "depth itself follows the textbook balance: the depth at which the energy above "
                "the basin floor holds the jump submerged by the factor σ against the tailwater.",
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
        return QT_TRANSLATE_NOOP3("ReportWords", "4 Summary of results", "SummaryHeading");
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
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "Figures shown in the program window", "WindowTextsCaption");
    case Word::SketchCaption:
        return QT_TRANSLATE_NOOP3("ReportWords", "Sketch of the case", "SketchCaption");
    case Word::VerdictLabel:
        return QT_TRANSLATE_NOOP3("ReportWords", "Verdict", "VerdictLabel");
    case Word::VerdictLine:
        return QT_TRANSLATE_NOOP3("ReportWords", "%1: hc″ = %2 m %3 ht = %4 m. %5", "VerdictLine");
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
    case Word::ApronNotComputed:
        return QT_TRANSLATE_NOOP3("ReportWords", "No Ks given: the apron length is not computed.",
                "ApronNotComputed");
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
    case Word::SketchEnergyLine:
        return QT_TRANSLATE_NOOP3("ReportWords", "energy line", "SketchEnergyLine");
    case Word::RangeTo:
        return QT_TRANSLATE_NOOP3("ReportWords", " to ", "RangeTo");
    case Word::CaseRow:
        return QT_TRANSLATE_NOOP3("ReportWords", " (line %1)", "CaseRow");
    case Word::UnnamedCase:
        return QT_TRANSLATE_NOOP3("ReportWords", "case %1", "UnnamedCase");
    case Word::FloodsHeading:
        return QT_TRANSLATE_NOOP3("ReportWords", "Floods and levels", "FloodsHeading");
    case Word::FloodsNote:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "The head H over the crest follows from the weir's discharge capacity, the "
                "tailwater level from the river's stage–discharge table; levels in m.",
                "FloodsNote");
    case Word::ColumnDischarge:
        return QT_TRANSLATE_NOOP3("ReportWords", "Q (m³/s)", "ColumnDischarge");
    case Word::ColumnUpstreamLevel:
        return QT_TRANSLATE_NOOP3("ReportWords", "Upstream level", "ColumnUpstreamLevel");
    case Word::ColumnTailwaterLevel:
        return QT_TRANSLATE_NOOP3("ReportWords", "Tailwater level", "ColumnTailwaterLevel");
    case Word::ColumnBasinFloorLevel:
        return QT_TRANSLATE_NOOP3("ReportWords", "Basin floor level", "ColumnBasinFloorLevel");
    case Word::ColumnJumpLevel:
        return QT_TRANSLATE_NOOP3("ReportWords", "Jump level", "ColumnJumpLevel");
    case Word::ScanDepth:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "%1 discharges evenly spaced between the smallest and the largest flood: the "
                "deepest basin at Q = %2 m³/s (q = %3 m²/s), d = %4 m.",
                "ScanDepth");
    case Word::ScanLength:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "The longest basin at Q = %1 m³/s (q = %2 m²/s), length %3 m.", "ScanLength");
    case Word::ScanNoDepth:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "No discharge of the range needs the floor lowered.", "ScanNoDepth");
    case Word::ScanGoverning:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "The governing discharge Q = %1 m³/s needs a basin d = %2 m deeper than every "
                "listed flood's; the adopted depth must cover it.",
                "ScanGoverning");
    case Word::ScanAdoptedDepth:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "The structure's adopted basin depth covers it: d = %1 m.", "ScanAdoptedDepth");
    case Word::BasisMethod:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "Underflow (hydraulic-jump) energy dissipation below an overflow weir: the "
                "contracted depth hc and its conjugate depth hc″ follow from the total head; "
                "compared with the tailwater depth ht they decide the kind of jump. A stilling "
                "basin is needed while σ′ = ht/hc″ < σ: for a remote jump, and also for a "
                "critical jump or a submerged one whose tailwater is short of σ times the "
                "conjugate depth. Its depth d, which holds the jump submerged with the factor σ, "
                "is found by the window's bisection and solved exactly as well, with the "
                "contracted depth below the basin floor and the basin length.",
                "BasisMethod");
    case Word::SummaryLegend:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "▲ case governing the adopted basin depth; ■ the adopted basin length; ● the "
                "slab thickness; ◆ the apron length.",
                "SummaryLegend");
    case Word::GoverningDepth:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "Adopted basin depth d = %2 m, governed by case “%1”.", "GoverningDepth");
    case Word::GoverningLength:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "Adopted basin length L = %2 m, governed by case “%1”.", "GoverningLength");
    case Word::GoverningSlab:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "Slab thickness t = %2 m, governed by case “%1”.", "GoverningSlab");
    case Word::GoverningApron:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "Apron length Lp = %2 m, governed by case “%1”.", "GoverningApron");
    case Word::StructureBasin:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "The structure's stilling basin, from the adopted dimensions of all cases:",
                "StructureBasin");
    case Word::UnsizeableCases:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "%1 case(s) need a basin that could not be sized: %2.", "UnsizeableCases");
    case Word::DecisionCaption:
        return QT_TRANSLATE_NOOP3("ReportWords", "Basin decision", "DecisionCaption");
    case Word::DecisionNone:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "σ′ = ht/hc″ = %1/%2 = %3 ≥ σ = %4: the tailwater holds the jump with the "
                "margin σ; no stilling basin is needed.",
                "DecisionNone");
    case Word::DecisionBasin:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "σ′ = ht/hc″ = %1/%2 = %3 < σ = %4: a stilling basin is needed (a basin while "
                "σ′ < σ); it is sized below.",
                "DecisionBasin");
    case Word::DecisionUnsizeable:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "σ′ = ht/hc″ = %1/%2 = %3 < σ = %4: a stilling basin is needed (a basin while "
                "σ′ < σ), but it cannot be sized: %5",
                "DecisionUnsizeable");
    case Word::DecisionShortNone:
        return QT_TRANSLATE_NOOP3("ReportWords", "no basin", "DecisionShortNone");
    case Word::DecisionShortBasin:
        return QT_TRANSLATE_NOOP3("ReportWords", "basin", "DecisionShortBasin");
    case Word::DecisionShortUnsizeable:
        return QT_TRANSLATE_NOOP3("ReportWords", "not sizeable", "DecisionShortUnsizeable");
    case Word::ColumnDecision:
        return QT_TRANSLATE_NOOP3("ReportWords", "Decision", "ColumnDecision");
    case Word::ColumnAdoptedDepth:
        return QT_TRANSLATE_NOOP3("ReportWords", "adopted d (m)", "ColumnAdoptedDepth");
    case Word::ColumnAdoptedLength:
        return QT_TRANSLATE_NOOP3("ReportWords", "adopted L (m)", "ColumnAdoptedLength");
    case Word::QuantityExitHead:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "total head at the basin exit (φ′)", "QuantityExitHead");
    case Word::QuantityExactBalance:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "balance for the basin depth, exact root", "QuantityExactBalance");
    case Word::RootExact:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "solved to double precision; the window's figure d = %1 m", "RootExact");
    case Word::BalanceHoldsUnlowered:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "at d = 0 the left side is %1 m ≤ Et′ = %2 m: the balance holds with the floor "
                "unlowered, its root d = 0",
                "BalanceHoldsUnlowered");
    case Word::ExactNoRoot:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "The balance has no root in double precision; the window's figure stands alone.",
                "ExactNoRoot");
    case Word::WindowBasinCaption:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "The window's basin (its bisection)", "WindowBasinCaption");
    case Word::QuantityWindowDepth:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "basin depth, the window's figure", "QuantityWindowDepth");
    case Word::RootWindow:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "the window's bisection, which stops at steps of about 5 mm", "RootWindow");
    case Word::AdoptedCaption:
        return QT_TRANSLATE_NOOP3("ReportWords", "Adopted dimensions", "AdoptedCaption");
    case Word::QuantityAdoptedDepth:
        return QT_TRANSLATE_NOOP3("ReportWords", "adopted basin depth", "QuantityAdoptedDepth");
    case Word::QuantityAdoptedLength:
        return QT_TRANSLATE_NOOP3("ReportWords", "adopted basin length", "QuantityAdoptedLength");
    case Word::RoundedUp:
        return QT_TRANSLATE_NOOP3("ReportWords", "rounded up to a step of %1 m: %2 m", "RoundedUp");
    case Word::MethodWindow:
        return QT_TRANSLATE_NOOP3("ReportWords", "the window's bisection", "MethodWindow");
    case Word::MethodExact:
        return QT_TRANSLATE_NOOP3("ReportWords", "the exact root", "MethodExact");
    case Word::MethodStandard:
        return QT_TRANSLATE_NOOP3("ReportWords", "the standard's formula", "MethodStandard");
    case Word::MethodWindowLength:
        return QT_TRANSLATE_NOOP3("ReportWords", "the window's upper length", "MethodWindowLength");
    case Word::GivenBy:
        return QT_TRANSLATE_NOOP3("ReportWords", "by %1", "GivenBy");
    case Word::QuantitySlabEnd:
        return QT_TRANSLATE_NOOP3("ReportWords", "end thickness of the slab", "QuantitySlabEnd");
    case Word::QuantityUpliftVelocity:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "velocity entering the jump in the basin", "QuantityUpliftVelocity");
    case Word::QuantityPulsation:
        return QT_TRANSLATE_NOOP3("ReportWords", "pulsating pressure", "QuantityPulsation");
    case Word::QuantityUpliftFront:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "slab against uplift, front half", "QuantityUpliftFront");
    case Word::QuantityUpliftRear:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "slab against uplift, rear half", "QuantityUpliftRear");
    case Word::QuantityAdoptedSlab:
        return QT_TRANSLATE_NOOP3("ReportWords", "adopted slab thickness", "QuantityAdoptedSlab");
    case Word::UpliftNone:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "No uplift given: the slab is not checked against uplift.", "UpliftNone");
    case Word::QuantityApronDischarge:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "unit discharge at the basin's end", "QuantityApronDischarge");
    case Word::QuantityApronParameter:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "parameter of the apron formula", "QuantityApronParameter");
    case Word::ApronOutsideRange:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "Note: √(qs·√ΔH′) = %1 lies outside 1–9, the range the apron formula is meant "
                "for.",
                "ApronOutsideRange");
    case Word::OptionExitPhi:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "velocity coefficient at the basin exit", "OptionExitPhi");
    case Word::OptionDepthStep:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "step the adopted depth is rounded up to", "OptionDepthStep");
    case Word::OptionLengthStep:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "step the adopted length is rounded up to", "OptionLengthStep");
    case Word::OptionK2:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "safety factor of the slab against uplift", "OptionK2");
    case Word::OptionSlabUnitWeight:
        return QT_TRANSLATE_NOOP3("ReportWords", "unit weight of the slab", "OptionSlabUnitWeight");
    case Word::BasisAdoption:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "Adopted dimensions: the basin depth is the largest of the window's figure, the "
                "exact root and the standard's d′, rounded up to %1 m; the basin length the "
                "larger of the window's upper length and the standard's Lsj, rounded up to %2 m. "
                "The slab takes the largest of its thickness against scour and, where an uplift "
                "is given, against uplift.",
                "BasisAdoption");
    case Word::WarningsCaption:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "Coefficients outside their usual ranges", "WarningsCaption");
    case Word::WarningRange:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "%1 %2 = %3 lies outside its usual range %4–%5; it is used as given.",
                "WarningRange");
    case Word::WarningBelow:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "%1 %2 = %3 lies below its usual lower limit %4; it is used as given.",
                "WarningBelow");
    case Word::WarningAbove:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "%1 %2 = %3 lies above its usual upper limit %4; it is used as given.",
                "WarningAbove");
    case Word::WarningCase:
        return QT_TRANSLATE_NOOP3("ReportWords", "Case “%1”: ", "WarningCase");
    case Word::ConditionsHeading:
        return QT_TRANSLATE_NOOP3("ReportWords", "1 Design conditions", "ConditionsHeading");
    case Word::StructureCaption:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "The structure and its levels", "StructureCaption");
    case Word::ColumnLevel:
        return QT_TRANSLATE_NOOP3("ReportWords", "Level (m)", "ColumnLevel");
    case Word::LevelCrest:
        return QT_TRANSLATE_NOOP3("ReportWords", "weir crest", "LevelCrest");
    case Word::LevelFloor:
        return QT_TRANSLATE_NOOP3("ReportWords", "downstream floor at the toe", "LevelFloor");
    case Word::LevelApproachBed:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "approach-channel bed, P below the crest", "LevelApproachBed");
    case Word::ConditionsCasesCaption:
        return QT_TRANSLATE_NOOP3("ReportWords", "The cases as given", "ConditionsCasesCaption");
    case Word::ConditionsFloodsCaption:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "Floods, heads and tailwater levels", "ConditionsFloodsCaption");
    case Word::ConclusionHeading:
        return QT_TRANSLATE_NOOP3("ReportWords", "5 Conclusion", "ConclusionHeading");
    case Word::ColumnItem:
        return QT_TRANSLATE_NOOP3("ReportWords", "Item", "ColumnItem");
    case Word::ColumnAdoptedValue:
        return QT_TRANSLATE_NOOP3("ReportWords", "Adopted", "ColumnAdoptedValue");
    case Word::ColumnGoverningCase:
        return QT_TRANSLATE_NOOP3("ReportWords", "Governing case", "ColumnGoverningCase");
    case Word::ItemBasinType:
        return QT_TRANSLATE_NOOP3("ReportWords", "type of the stilling basin", "ItemBasinType");
    case Word::ItemFloorLevel:
        return QT_TRANSLATE_NOOP3("ReportWords", "basin floor level ▽ (m)", "ItemFloorLevel");
    case Word::ItemDepth:
        return QT_TRANSLATE_NOOP3("ReportWords", "basin depth d (m)", "ItemDepth");
    case Word::ItemLength:
        return QT_TRANSLATE_NOOP3("ReportWords", "basin length L (m)", "ItemLength");
    case Word::ItemSill:
        return QT_TRANSLATE_NOOP3("ReportWords", "sill height c (m)", "ItemSill");
    case Word::ItemSlab:
        return QT_TRANSLATE_NOOP3("ReportWords", "floor slab thickness t (m)", "ItemSlab");
    case Word::ItemSlabEnd:
        return QT_TRANSLATE_NOOP3("ReportWords", "slab end thickness t′ (m)", "ItemSlabEnd");
    case Word::ItemApron:
        return QT_TRANSLATE_NOOP3("ReportWords", "apron length Lp (m)", "ItemApron");
    case Word::ItemScour:
        return QT_TRANSLATE_NOOP3("ReportWords", "scour depth dm (m)", "ItemScour");
    case Word::ItemAppurtenances:
        return QT_TRANSLATE_NOOP3("ReportWords", "appurtenances", "ItemAppurtenances");
    case Word::ConclusionAdopted:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "%1 cases were calculated; adopted: %2.", "ConclusionAdopted");
    case Word::ConclusionGoverning:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "The basin depth is governed by case “%1” and its length by case “%2”; the "
                "dimensions adopted are those in the table above.",
                "ConclusionGoverning");
    case Word::ConclusionAdvice:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "At the governing case's Froude number Fr1 = %1: %2", "ConclusionAdvice");
    case Word::ColumnSource:
        return QT_TRANSLATE_NOOP3("ReportWords", "Source", "ColumnSource");
    case Word::SourceTextbook:
        return QT_TRANSLATE_NOOP3("ReportWords", "hydraulics textbook", "SourceTextbook");
    case Word::SourceStandard:
        return QT_TRANSLATE_NOOP3("ReportWords", "SL 265—2016, Appendix B", "SourceStandard");
    case Word::SourceStructureWidths:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "the structure: widths of the weir and of the basin", "SourceStructureWidths");
    case Word::SourceStructureSlope:
        return QT_TRANSLATE_NOOP3("ReportWords",
                "the structure: horizontal length of the sloping segment", "SourceStructureSlope");
    case Word::SourceBed:
        return QT_TRANSLATE_NOOP3("ReportWords", "by the river bed: %1", "SourceBed");
    case Word::SourceDesignPractice:
        return QT_TRANSLATE_NOOP3("ReportWords", "design practice", "SourceDesignPractice");
    case Word::SourceSlabMaterial:
        return QT_TRANSLATE_NOOP3(
                "ReportWords", "material of the floor slab", "SourceSlabMaterial");
    case Word::SourceUsually:
        return QT_TRANSLATE_NOOP3("ReportWords", "usually %1", "SourceUsually");
    case Word::OriginDefault:
        return QT_TRANSLATE_NOOP3("ReportWords", "program default", "OriginDefault");
    case Word::OriginDesignFile:
        return QT_TRANSLATE_NOOP3("ReportWords", "design file", "OriginDesignFile");
    case Word::OriginCommandLine:
        return QT_TRANSLATE_NOOP3("ReportWords", "command line %1", "OriginCommandLine");
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
    // In written register, not the window's verdict line.
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

QString decisionWords(design::BasinDecision decision, ReportLanguage language)
{
    switch (decision) {
    case design::BasinDecision::None:
        return word(Word::DecisionShortNone, language);
    case design::BasinDecision::Basin:
        return word(Word::DecisionShortBasin, language);
    case design::BasinDecision::Unsizeable:
        return word(Word::DecisionShortUnsizeable, language);
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

namespace {

// The catalogue entry of an error kind; its English source is the key the
// CSV and JSON write.
Entry errorKindEntry(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::TypeMismatch:
        return QT_TRANSLATE_NOOP3("ReportWords", "type mismatch", "error");
    case ErrorKind::Overflow:
        return QT_TRANSLATE_NOOP3("ReportWords", "overflow", "error");
    case ErrorKind::DivisionByZero:
        return QT_TRANSLATE_NOOP3("ReportWords", "division by zero", "error");
    case ErrorKind::InvalidOperation:
        return QT_TRANSLATE_NOOP3("ReportWords", "invalid operation", "error");
    case ErrorKind::FileNotFound:
        return QT_TRANSLATE_NOOP3("ReportWords", "file not found", "error");
    case ErrorKind::NoSolution:
        return QT_TRANSLATE_NOOP3("ReportWords", "no solution", "error");
    case ErrorKind::InvalidInput:
        return QT_TRANSLATE_NOOP3("ReportWords", "invalid input", "error");
    }
    return QT_TRANSLATE_NOOP3("ReportWords", "error", "error");
}

} // namespace

QString errorKindWords(ErrorKind kind, ReportLanguage language)
{
    return translated(errorKindEntry(kind), language);
}

QString errorKindWords(ErrorKind kind)
{
    const Entry entry = errorKindEntry(kind);
    return QCoreApplication::translate("ReportWords", entry.source, entry.disambiguation);
}

} // namespace varnolt::writers
