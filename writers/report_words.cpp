#include "writers/report_words.h"

#include "design/labels.h"
#include "model/errors.h"

namespace varnolt::writers {

using namespace Qt::StringLiterals;

namespace {

struct Pair {
    const char16_t *zh;
    const char16_t *en;
};

Pair pairOf(Word w)
{
    switch (w) {
    case Word::DefaultTitle:
        return {u"消能计算书", u"Energy Dissipator Calculation Report"};
    case Word::DateLabel:
        return {u"日期", u"Date"};
    case Word::ContentsNote:
        return {u"共 %1 个工况。", u"%1 cases."};
    case Word::BasisHeading:
        return {u"1 计算依据", u"1 Basis of the calculation"};
    case Word::BasisMethod:
        return {u"溢流堰下游按底流式（水跃）消能计算：由总水头求收缩断面水深 hco 及其共轭水深 "
                u"hco2，与下游水深 ht 比较判别水跃形式；发生远离水跃时，按淹没系数 σ "
                u"用二分法求消力池深度 d，使池内水跃被淹没，并求池底以下的收缩水深及池长。",
                u"Underflow (hydraulic-jump) energy dissipation below an overflow weir: the "
                u"contracted depth hco and its conjugate depth hco2 follow from the total head; "
                u"compared with the tailwater depth ht they decide the kind of jump. For a remote "
                u"jump, the basin depth d that holds the jump submerged with the factor σ is "
                u"found by bisection, with the contracted depth below the basin floor and the "
                u"basin length."};
    case Word::BasisStandard:
        return {u"池深、池长按《水闸设计规范》SL 265 附录（消能防冲计算）复核；"
                u"护坦厚度和海漫长度亦按该附录计算。",
                u"The basin depth and length are cross-checked by the Chinese sluice design "
                u"standard SL 265 (appendix on energy dissipation and scour protection); the "
                u"floor slab thickness and the apron extension follow the same appendix."};
    case Word::BasisConstants:
        return {u"重力加速度 g = %1 m/s²，2g 取 %2 m/s²；长度单位 m，时间单位 s。",
                u"Gravity g = %1 m/s², 2g taken as %2 m/s²; lengths in m, time in s."};
    case Word::BasisFormulasCaption:
        return {u"计算公式", u"Formulas"};
    case Word::BasisOptionsCaption:
        return {u"复核参数", u"Parameters of the cross-check"};
    case Word::SummaryHeading:
        return {u"2 计算成果汇总", u"2 Summary of results"};
    case Word::SummaryLegend:
        return {u"▲ 控制池深的工况；■ 控制池长的工况。",
                u"▲ case governing the basin depth; ■ case governing the basin length."};
    case Word::GoverningDepth:
        return {u"池深由工况「%1」控制：d = %2 m。",
                u"The basin depth is governed by case “%1”: d = %2 m."};
    case Word::GoverningLength:
        return {u"池长由工况「%1」控制：L = %2 m。",
                u"The basin length is governed by case “%1”: L = %2 m."};
    case Word::GoverningNone:
        return {u"没有需要消力池的工况。", u"No case needs a stilling basin."};
    case Word::CasesHeading:
        return {u"3 各工况计算", u"3 Calculation by case"};
    case Word::CaseHeading:
        return {u"3.%1 工况：", u"3.%1 Case: "};
    case Word::InputsCaption:
        return {u"输入数据", u"Inputs"};
    case Word::CheckCaption:
        return {u"水跃形式判别", u"Jump-type check"};
    case Word::BasinCaption:
        return {u"消力池水力计算", u"Stilling basin"};
    case Word::StandardCaption:
        return {u"按 SL 265 复核池深及池长", u"Cross-check of depth and length by SL 265"};
    case Word::SlabCaption:
        return {u"护坦厚度（SL 265）", u"Floor slab thickness (SL 265)"};
    case Word::ApronCaption:
        return {u"海漫长度（SL 265）", u"Apron extension (SL 265)"};
    case Word::AdviceCaption:
        return {u"池型建议", u"Advice on the basin type"};
    case Word::WindowTextsCaption:
        return {u"窗口显示值", u"The window's texts"};
    case Word::WindowBasinHco:
        return {u"池底收缩水深 hco (Text8)", u"basin hco (Text8)"};
    case Word::SketchCaption:
        return {u"计算简图", u"Sketch of the case"};
    case Word::VerdictLabel:
        return {u"结论", u"Verdict"};
    case Word::VerdictLine:
        return {u"%1：hco2 = %2 m %3 ht = %4 m，%5", u"%1: hco2 = %2 m %3 ht = %4 m. %5"};
    case Word::ErrorCaption:
        return {u"计算中止", u"Calculation stopped"};
    case Word::ColumnNumber:
        return {u"序号", u"No."};
    case Word::ColumnCase:
        return {u"工况", u"Case"};
    case Word::ColumnSymbol:
        return {u"符号", u"Symbol"};
    case Word::ColumnQuantity:
        return {u"名称", u"Quantity"};
    case Word::ColumnValue:
        return {u"数值", u"Value"};
    case Word::ColumnUnit:
        return {u"单位", u"Unit"};
    case Word::ColumnJump:
        return {u"水跃", u"Jump"};
    case Word::ColumnFormula:
        return {u"计算式", u"Calculation"};
    case Word::QuantityQ:
        return {u"单宽流量", u"discharge per unit width"};
    case Word::QuantityH:
        return {u"堰上水头", u"head over the crest"};
    case Word::QuantityA1:
        return {u"下游堰高", u"weir height above the downstream floor"};
    case Word::QuantityV:
        return {u"行进流速", u"approach velocity"};
    case Word::QuantityHt:
        return {u"下游水深", u"tailwater depth"};
    case Word::QuantityPhi:
        return {u"流速系数", u"velocity coefficient"};
    case Word::QuantitySigma:
        return {u"淹没系数", u"submergence factor"};
    case Word::QuantityE0:
        return {u"以下游河床为基准的总水头", u"total head above the downstream floor"};
    case Word::QuantityHc:
        return {u"临界水深", u"critical depth"};
    case Word::QuantityHco:
        return {u"收缩断面水深", u"contracted depth"};
    case Word::QuantityHco2:
        return {u"跃后水深（共轭水深）", u"conjugate depth"};
    case Word::QuantityFr1:
        return {u"跃前弗劳德数", u"Froude number before the jump"};
    case Word::QuantityForm:
        return {u"水跃形式", u"form of the jump"};
    case Word::QuantityEnergyLoss:
        return {u"水跃消能量", u"energy loss in the jump"};
    case Word::QuantitySpecificEnergy:
        return {u"跃前断面比能", u"specific energy before the jump"};
    case Word::QuantityRelativeLoss:
        return {u"消能率", u"share of the energy lost"};
    case Word::QuantityJumpLength:
        return {u"自由水跃长度", u"length of the free jump"};
    case Word::QuantityEt:
        return {u"下游总水头", u"downstream total head"};
    case Word::QuantityBalance:
        return {u"池深平衡式", u"balance for the basin depth"};
    case Word::QuantityBasinDepth:
        return {u"消力池深", u"basin depth"};
    case Word::QuantityBasinHead:
        return {u"以池底为基准的总水头", u"total head above the basin floor"};
    case Word::QuantityBasinHco:
        return {u"池底以下收缩水深", u"contracted depth below the basin floor"};
    case Word::QuantityBasinHco2:
        return {u"池内跃后水深", u"conjugate depth in the basin"};
    case Word::QuantityBasinLength:
        return {u"消力池长", u"basin length"};
    case Word::QuantityT0:
        return {u"以池底为基准的总水头", u"total head above the basin floor"};
    case Word::QuantityStandardHco:
        return {u"收缩水深（迭代）", u"contracted depth (iterated)"};
    case Word::QuantityConjugate:
        return {u"跃后水深", u"conjugate depth"};
    case Word::QuantityDeltaZ:
        return {u"出池落差", u"fall at the basin exit"};
    case Word::QuantityStandardDepth:
        return {u"规范池深", u"basin depth by the standard"};
    case Word::QuantityStandardLength:
        return {u"规范池长", u"basin length by the standard"};
    case Word::QuantityHeadDifference:
        return {u"上下游水位差", u"difference of the water levels"};
    case Word::QuantitySlab:
        return {u"护坦厚度", u"slab thickness"};
    case Word::QuantityApron:
        return {u"海漫长度", u"apron length"};
    case Word::OptionAlpha:
        return {u"动能修正系数", u"kinetic-energy correction factor"};
    case Word::OptionWidthRatio:
        return {u"收缩断面与池宽之比", u"ratio of the inflow width to the basin width"};
    case Word::OptionBeta:
        return {u"水跃长度校正系数", u"share of the free-jump length"};
    case Word::OptionSlopeLength:
        return {u"斜坡段水平投影长度", u"horizontal length of the sloping part"};
    case Word::OptionK1:
        return {u"护坦厚度计算系数", u"slab-thickness coefficient"};
    case Word::OptionKs:
        return {u"海漫长度计算系数", u"apron-length coefficient"};
    case Word::OptionKsNone:
        return {u"未给定", u"not given"};
    case Word::RootByBisection:
        return {u"二分法求根", u"root by bisection"};
    case Word::RootIterated:
        return {u"与 d′ 迭代至收敛", u"iterated with d′ to convergence"};
    case Word::NoForm:
        return {u"Fr1 < 1，不成水跃", u"Fr1 < 1, no jump"};
    case Word::StandardNoRoot:
        return {u"规范复核无解：", u"The standard's cross-check has no root: "};
    case Word::SlabOutsideRange:
        return {u"注意：√(q·√ΔH′) 超出公式适用范围 1～9。",
                u"Note: √(q·√ΔH′) lies outside 1–9, where the formula is meant to be used."};
    case Word::ApronNotComputed:
        return {u"未给定 Ks，不计算海漫长度。", u"No Ks given: the apron length is not computed."};
    case Word::NoBasinNeeded:
        return {u"下游水深足以淹没水跃，不需设消力池。",
                u"The tailwater holds the jump: no stilling basin is needed."};
    case Word::NoBasinSized:
        return {u"未求得消力池。", u"No basin was sized."};
    case Word::CaseStopped:
        return {u"在「%1」一步停止（%2）：", u"Stopped at the %1 (%2): "};
    case Word::StepCheck:
        return {u"水跃形式判别", u"jump-type check"};
    case Word::StepBasin:
        return {u"消力池水力计算", u"basin sizing"};
    case Word::KindRemote:
        return {u"远离水跃", u"remote"};
    case Word::KindSubmerged:
        return {u"淹没水跃", u"submerged"};
    case Word::KindCritical:
        return {u"临界水跃", u"critical"};
    case Word::StoppedShort:
        return {u"中止", u"stopped"};
    case Word::SketchScale:
        return {u"比例 1:%1", u"scale 1:%1"};
    case Word::SketchExaggeration:
        return {u"横向 1:%1，竖向 1:%2（竖向放大 %3 倍）",
                u"horizontal 1:%1, vertical 1:%2 (vertical exaggeration ×%3)"};
    case Word::SketchUnits:
        return {u"；尺寸单位：m", u"; dimensions in m"};
    case Word::SketchBasinLength:
        return {u"池长", u"basin"};
    case Word::SketchJumpLength:
        return {u"跃长", u"jump"};
    case Word::RangeTo:
        return {u"～", u" to "};
    case Word::UnnamedCase:
        return {u"工况 %1", u"case %1"};
    case Word::FloodsHeading:
        return {u"洪水与水位", u"Floods and levels"};
    case Word::FloodsNote:
        return {u"堰顶水头 H 由堰的泄流能力公式求得，下游水位由下游水位流量关系插值求得；"
                u"高程单位 m。",
                u"The head H over the crest follows from the weir's discharge capacity, the "
                u"tailwater level from the river's stage–discharge table; levels in m."};
    case Word::ColumnDischarge:
        return {u"流量 Q (m³/s)", u"Q (m³/s)"};
    case Word::ColumnUpstreamLevel:
        return {u"上游水位", u"Upstream level"};
    case Word::ColumnTailwaterLevel:
        return {u"下游水位", u"Tailwater level"};
    case Word::ColumnBasinFloorLevel:
        return {u"池底高程", u"Basin floor level"};
    case Word::ColumnJumpLevel:
        return {u"跃后水位", u"Jump level"};
    case Word::ScanDepth:
        return {u"在最小与最大洪水流量之间均匀取 %1 个流量计算：池深最大时 Q = %2 m³/s"
                u"（q = %3 m²/s），d = %4 m。",
                u"%1 discharges evenly spaced between the smallest and the largest flood: the "
                u"deepest basin at Q = %2 m³/s (q = %3 m²/s), d = %4 m."};
    case Word::ScanLength:
        return {u"池长最大时 Q = %1 m³/s（q = %2 m²/s），池长 %3 m。",
                u"The longest basin at Q = %1 m³/s (q = %2 m²/s), length %3 m."};
    case Word::ScanNoDepth:
        return {u"该流量范围内均无需降低池底。",
                u"No discharge of the range needs the floor lowered."};
    case Word::ScanGoverning:
        return {u"最不利流量 Q = %1 m³/s：其所需池深 d = %2 m 大于各计算洪水，"
                u"采用池深应予满足。",
                u"The governing discharge (最不利流量) Q = %1 m³/s needs a basin d = %2 m deeper "
                u"than every listed flood's; the adopted depth must cover it."};
    }
    return {u"", u""};
}

} // namespace

QString word(Word w, ReportLanguage language)
{
    const Pair p = pairOf(w);
    return QString::fromUtf16(language == ReportLanguage::Chinese ? p.zh : p.en);
}

QString verdictWords(JumpKind kind, ReportLanguage language)
{
    if (language == ReportLanguage::Chinese)
        return verdictText(kind);
    switch (kind) {
    case JumpKind::Remote:
        return u"A remote jump forms downstream: an energy dissipator must be built."_s;
    case JumpKind::Submerged:
        return u"A submerged jump forms downstream."_s;
    case JumpKind::Critical:
        return u"A critical jump forms downstream."_s;
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
    if (language == ReportLanguage::Chinese)
        return design::jumpFormName(form);
    switch (form) {
    case design::JumpForm::Undular:
        return u"undular jump"_s;
    case design::JumpForm::Weak:
        return u"weak jump"_s;
    case design::JumpForm::Oscillating:
        return u"oscillating jump"_s;
    case design::JumpForm::Steady:
        return u"steady jump"_s;
    case design::JumpForm::Strong:
        return u"strong jump"_s;
    }
    return {};
}

QString basinAdviceWords(design::BasinAdvice advice, ReportLanguage language)
{
    if (language == ReportLanguage::Chinese)
        return design::basinAdviceText(advice);
    switch (advice) {
    case design::BasinAdvice::NoAppurtenances:
        return u"No appurtenances are needed."_s;
    case design::BasinAdvice::PlainBasin:
        return u"A plain basin is enough."_s;
    case design::BasinAdvice::SuppressWaves:
        return u"An oscillating jump: add wave suppressors or deepen the basin."_s;
    case design::BasinAdvice::BlocksBafflesSill:
        return u"A short basin with chute blocks, baffle piers and an end sill."_s;
    case design::BasinAdvice::BlocksDentatedSill:
        return u"Chute blocks and a dentated end sill, without baffle piers."_s;
    }
    return {};
}

QString errorKindWords(ErrorKind kind, ReportLanguage language)
{
    return language == ReportLanguage::Chinese ? errorKindName(kind) : errorKindKey(kind);
}

} // namespace varnolt::writers
