#pragma once

#include "design/basin_decision.h"
#include "design/case_result.h"
#include "model/jump_kind.h"

#include <QString>

namespace varnolt::writers {

// The language of a calculation report. Chinese is the engineers' own; the
// English report carries the same content with every caption translated.
enum class ReportLanguage { Chinese, English };

// Every caption of the calculation report, in one place for both languages.
enum class Word {
    DefaultTitle,
    DateLabel,
    // The title page, and the running header and footer of every printed page.
    ProjectName, // 工程名称
    DesignStage, // 设计阶段
    ReportNumber, // 计算书编号
    SignOffRole, // the sign-off table's first column
    SignOffName,
    SignCalculated,
    SignChecked,
    SignReviewed,
    SignApproved,
    PageHeader, // %1 the project's name, %2 the title
    PageFooter, // %1 the page, %2 the pages
    ContentsNote,
    BasisHeading,
    BasisMethod,
    BasisStandard,
    BasisConstants, // %1 gravity g, %2 twice gravity, as the formulas compute with them
    BasisFormulasCaption,
    BasisOptionsCaption,
    SummaryHeading,
    SummaryLegend,
    GoverningDepth,
    GoverningLength,
    GoverningNone,
    CasesHeading,
    CaseHeading,
    InputsCaption,
    CheckCaption,
    BasinCaption,
    StandardCaption,
    SlabCaption,
    ApronCaption,
    AdviceCaption,
    WindowTextsCaption,
    SketchCaption,
    VerdictLabel,
    VerdictLine,
    ErrorCaption,
    ColumnNumber,
    ColumnCase,
    ColumnSymbol,
    ColumnQuantity,
    ColumnValue,
    ColumnUnit,
    ColumnJump,
    ColumnFormula,
    QuantityQ,
    QuantityH,
    QuantityA1,
    QuantityV,
    QuantityHt,
    QuantityPhi,
    QuantitySigma,
    QuantityE0,
    QuantityHc,
    QuantityHco,
    QuantityHco2,
    QuantityFr1,
    QuantityForm,
    QuantityEnergyLoss,
    QuantitySpecificEnergy,
    QuantityRelativeLoss,
    QuantityJumpLength,
    QuantityEt,
    QuantityBalance,
    QuantityBasinDepth,
    QuantityBasinHead,
    QuantityBasinHco,
    QuantityBasinHco2,
    QuantityBasinLength,
    QuantityT0,
    QuantityStandardHco,
    QuantityConjugate,
    QuantityDeltaZ,
    QuantityStandardDepth,
    QuantityStandardLength,
    QuantityHeadDifference,
    QuantitySlab,
    QuantityApron,
    OptionAlpha,
    OptionWidthRatio,
    OptionBeta,
    OptionSlopeLength,
    OptionK1,
    OptionKs,
    OptionKsNone,
    RootByBisection,
    RootIterated,
    NoForm,
    StandardNoRoot,
    ApronNotComputed,
    TypesCaption,
    ColumnBasinType,
    ColumnTypeNote,
    TypeSunk,
    TypeSill,
    TypeCombined,
    SillHeld,
    SillRemote,
    SillNone,
    CombinedNone,
    ScourDepthLine,
    ScourNone,
    GoverningSill,
    GoverningCombined,
    GoverningScour,
    AdoptedType,
    CaseStopped,
    StepCheck,
    StepBasin,
    KindRemote,
    KindSubmerged,
    KindCritical,
    StoppedShort,
    SketchScale,
    SketchExaggeration,
    SketchUnits,
    SketchBasinLength,
    SketchJumpLength,
    SketchEnergyLine,
    UnnamedCase,
    CaseRow, // where a named case stands in its file, after its name
    RangeTo,
    FloodsHeading,
    FloodsNote,
    ColumnDischarge,
    ColumnUpstreamLevel,
    ColumnTailwaterLevel,
    ColumnBasinFloorLevel,
    ColumnJumpLevel,
    ScanDepth, // %1 count, %2 Q, %3 q, %4 d
    ScanLength, // %1 Q, %2 q, %3 length
    ScanNoDepth,
    ScanGoverning, // %1 Q, %2 d
    ScanAdoptedDepth, // %1 the structure's adopted depth
    GoverningSlab, // %1 case, %2 thickness
    GoverningApron, // %1 case, %2 length
    StructureBasin,
    UnsizeableCases, // %1 count, %2 names
    DecisionCaption,
    DecisionNone, // %1 ht, %2 hco2, %3 σ′, %4 σ
    DecisionBasin, // %1 ht, %2 hco2, %3 σ′, %4 σ
    DecisionUnsizeable, // %1 ht, %2 hco2, %3 σ′, %4 σ, %5 the reason
    DecisionShortNone,
    DecisionShortBasin,
    DecisionShortUnsizeable,
    ColumnDecision,
    ColumnAdoptedDepth,
    ColumnAdoptedLength,
    QuantityExitHead,
    QuantityExactBalance,
    RootExact, // %1 the window's d
    BalanceHoldsUnlowered, // %1 left side at d = 0, %2 Et′
    ExactNoRoot,
    WindowBasinCaption,
    QuantityWindowDepth,
    RootWindow,
    AdoptedCaption,
    QuantityAdoptedDepth,
    QuantityAdoptedLength,
    RoundedUp, // %1 step, %2 adopted value
    MethodWindow,
    MethodExact,
    MethodStandard,
    MethodWindowLength,
    GivenBy, // %1 the method
    QuantitySlabEnd,
    QuantityUpliftVelocity,
    QuantityPulsation,
    QuantityUpliftFront,
    QuantityUpliftRear,
    QuantityAdoptedSlab,
    UpliftNone,
    QuantityApronDischarge,
    QuantityApronParameter,
    ApronOutsideRange, // %1 the parameter
    OptionExitPhi,
    OptionDepthStep,
    OptionLengthStep,
    OptionK2,
    OptionSlabUnitWeight,
    BasisAdoption, // %1 depth step, %2 length step
    WarningsCaption,
    WarningRange, // %1 name, %2 symbol, %3 value, %4 low, %5 high
    WarningBelow, // %1 name, %2 symbol, %3 value, %4 low
    WarningAbove, // %1 name, %2 symbol, %3 value, %4 high
    WarningCase, // %1 the case
    ConditionsHeading,
    StructureCaption,
    ColumnLevel,
    LevelCrest,
    LevelFloor,
    LevelApproachBed,
    ConditionsCasesCaption,
    ConditionsFloodsCaption,
    ConclusionHeading,
    ColumnItem,
    ColumnAdoptedValue,
    ColumnGoverningCase,
    ItemBasinType,
    ItemFloorLevel,
    ItemDepth,
    ItemLength,
    ItemSill,
    ItemSlab,
    ItemSlabEnd,
    ItemApron,
    ItemScour,
    ItemAppurtenances,
    ConclusionAdopted, // %1 the number of cases, %2 the basin type
    ConclusionGoverning, // %1 the depth's case, %2 the length's case
    ConclusionAdvice, // %1 Fr1, %2 the advice, a sentence of its own in English
    // The source of each coefficient of the design conditions: the reference
    // it comes from, its usual range, and where its value was given.
    ColumnSource,
    SourceTextbook,
    SourceStandard,
    SourceStructureWidths,
    SourceStructureSlope,
    SourceBed, // %1 the bed class
    SourceDesignPractice,
    SourceSlabMaterial,
    SourceUsually, // %1 the range
    OriginDefault,
    OriginDesignFile,
    OriginCommandLine, // %1 the option
};

// The caption in the report's language. Captions with %1, %2 … take
// arguments through QString::arg.
QString word(Word w, ReportLanguage language);

// The verdict line of a jump kind: the window's own text in Chinese.
QString verdictWords(JumpKind kind, ReportLanguage language);

// The short name of a jump kind for tables (远离水跃, remote jump).
QString jumpKindWords(JumpKind kind, ReportLanguage language);

// The design's decision on the basin in a word for tables (设消力池, basin).
QString decisionWords(design::BasinDecision decision, ReportLanguage language);

// The name of a jump form and the advice on the basin type; the Chinese
// names are the design library's own.
QString jumpFormWords(design::JumpForm form, ReportLanguage language);
QString basinAdviceWords(design::BasinAdvice advice, ReportLanguage language);

// The name of an error kind as the user reads it.
QString errorKindWords(ErrorKind kind, ReportLanguage language);

// The same name in the language of the translator the program installed
// for the user's locale: the terminal's words, which follow LANG rather
// than --lang. The source text itself where none is installed.
QString errorKindWords(ErrorKind kind);

} // namespace varnolt::writers
