#pragma once

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
    WindowBasinHco,
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
    SlabOutsideRange,
    ApronNotComputed,
    NoBasinNeeded,
    NoBasinSized,
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
    UnnamedCase,
    CaseRow, // where a named case stands in its file, after its name
    RangeTo,
};

// The caption in the report's language. Captions with %1, %2 … take
// arguments through QString::arg.
QString word(Word w, ReportLanguage language);

// The verdict line of a jump kind: the window's own text in Chinese.
QString verdictWords(JumpKind kind, ReportLanguage language);

// The short name of a jump kind for tables (远离水跃, remote jump).
QString jumpKindWords(JumpKind kind, ReportLanguage language);

// The name of a jump form and the advice on the basin type; the Chinese
// names are the design library's own.
QString jumpFormWords(design::JumpForm form, ReportLanguage language);
QString basinAdviceWords(design::BasinAdvice advice, ReportLanguage language);

// The name of an error kind as the user reads it.
QString errorKindWords(ErrorKind kind, ReportLanguage language);

} // namespace varnolt::writers
