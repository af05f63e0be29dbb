#include "writers/error_words.h"

#include "model/window_messages.h"

namespace varnolt::writers {

using namespace Qt::StringLiterals;

namespace {

// The text a reading names, as in "“3m” in the field “head over the crest H”".
QString describedSource(const ErrorFigures &figures, const std::optional<Field> &field)
{
    if (field)
        return u"the field “%1”"_s.arg(englishFieldName(*field));
    return figures.source.isEmpty() ? u"the text"_s : u"“%1”"_s.arg(figures.source);
}

QString precisionWords(NumberPrecision precision)
{
    return precision == NumberPrecision::Double ? u"double-precision"_s : u"single-precision"_s;
}

// "at least 1", "between 0 and 1": the bounds are written as the window
// writes them.
QString rangeWords(const std::optional<InputRange> &range)
{
    if (!range)
        return QString();
    if (!range->highest)
        return u"at least %1"_s.arg(range->lowest);
    return u"between %1 and %2"_s.arg(range->lowest).arg(*range->highest);
}

QString fieldWords(const std::optional<Field> &field)
{
    return field ? englishFieldName(*field) : u"input"_s;
}

QString englishSentence(
        ErrorReason reason, const ErrorFigures &figures, const std::optional<Field> &field)
{
    switch (reason) {
    case ErrorReason::NotANumber:
        return u"“%1” in %2 is not a number."_s.arg(
                figures.quoted, describedSource(figures, field));
    case ErrorReason::NumberTooLarge:
        return u"The number in %1 lies beyond the %2 range."_s.arg(
                describedSource(figures, field), precisionWords(figures.precision));
    case ErrorReason::OutOfRange:
        return u"The value “%1” of the %2 lies outside its range: it must be %3."_s.arg(
                figures.quoted, fieldWords(field), rangeWords(figures.range));
    case ErrorReason::UndefinedResult:
        return u"A result of the calculation is undefined."_s;
    case ErrorReason::ResultTooLarge:
        return u"A result of the calculation lies beyond the range of numbers."_s;
    case ErrorReason::ZeroDividedByZero:
        return u"The calculation divides zero by zero."_s;
    case ErrorReason::DivisionByZero:
        return u"The calculation divides by zero."_s;
    case ErrorReason::NegativePowerOfZero:
        return u"The calculation raises zero to a negative power."_s;
    case ErrorReason::FractionalPowerOfNegative:
        return u"The calculation raises a negative number to a fractional power."_s;
    case ErrorReason::BeyondSinglePrecision:
        return u"A result of the calculation lies beyond the single-precision range."_s;
    case ErrorReason::ZeroInput: {
        // "The … is 0, so the calculation divides by zero."
        QString consequence = englishSentence(figures.cause, {}, std::nullopt);
        if (!consequence.isEmpty())
            consequence[0] = consequence[0].toLower();
        return u"The %1 is 0, so %2"_s.arg(fieldWords(field), consequence);
    }
    case ErrorReason::HeadTooSmall:
        return u"The total head cannot pass this discharge per unit width: the contracted "
               u"depth has no solution."_s;
    case ErrorReason::SupercriticalTailwater:
        return u"The tailwater depth %1 m is less than the critical depth %2 m: the flow "
               u"downstream is supercritical, no jump can form there, and no stilling basin "
               u"can be designed for this tailwater."_s.arg(
                       figures.tailwater, figures.criticalDepth);
    case ErrorReason::JumpHeldWithoutBasin:
        return u"At this submergence factor a submerged jump forms without a basin: no "
               u"stilling basin is needed."_s;
    case ErrorReason::NoBasinDeepEnough:
        return u"Even a basin %1 m deep does not hold a submerged jump: the basin depth has "
               u"no solution."_s.arg(figures.deepest);
    case ErrorReason::NoCriticalDepthYet:
        return u"There is no critical depth yet: run the jump-type check before sizing the "
               u"stilling basin."_s;
    case ErrorReason::CalculatorNotStarted:
        return u"No calculator could be started from the program search path (looked for %1)."_s
                .arg(figures.programs.join(u", "_s));
    }
    return {};
}

// The Chinese of the calculation report: the window's facts in written
// register, with mainland quotation marks and full-width punctuation (the
// window's own message boxes keep theirs).
QString chineseSource(const ErrorFigures &figures, const std::optional<Field> &field)
{
    const QString caption = field ? fieldCaption(*field) : figures.source;
    return caption.isEmpty() ? u"文本"_s : u"“%1”"_s.arg(caption);
}

QString chineseRange(const std::optional<InputRange> &range)
{
    if (!range)
        return QString();
    if (!range->highest)
        return u"不小于 %1"_s.arg(range->lowest);
    return u"为 %1～%2"_s.arg(range->lowest).arg(*range->highest);
}

QString chineseSentence(
        ErrorReason reason, const ErrorFigures &figures, const std::optional<Field> &field)
{
    switch (reason) {
    case ErrorReason::NotANumber:
        return u"%1中的“%2”不是一个数。"_s.arg(chineseSource(figures, field), figures.quoted);
    case ErrorReason::NumberTooLarge:
        return u"%1中的数超出%2范围。"_s.arg(
                chineseSource(figures, field), precisionName(figures.precision));
    case ErrorReason::OutOfRange:
        return u"“%1”的值“%2”超出允许范围，应%3。"_s.arg(field ? fieldCaption(*field) : QString(),
                figures.quoted, chineseRange(figures.range));
    case ErrorReason::ZeroInput:
        return u"“%1”为 0，%2"_s.arg(field ? fieldCaption(*field) : QString(),
                chineseSentence(figures.cause, {}, std::nullopt));
    case ErrorReason::HeadTooSmall:
        return u"总水头不足以通过该单宽流量，收缩断面水深无解。"_s;
    case ErrorReason::SupercriticalTailwater:
        return u"下游水深 %1 m 小于临界水深 %2 m，下游为急流，不能形成水跃，"
               u"无法据此尾水设计消力池。"_s.arg(figures.tailwater, figures.criticalDepth);
    case ErrorReason::JumpHeldWithoutBasin:
        return u"在此淹没系数下，不设消力池已能形成淹没水跃，无需消力池。"_s;
    case ErrorReason::NoBasinDeepEnough:
        return u"池深到 %1 m 仍不能形成淹没水跃，消力池深无解。"_s.arg(figures.deepest);
    case ErrorReason::NoCriticalDepthYet:
        return u"尚无临界水深，应先判别水跃形式，再计算消力池。"_s;
    case ErrorReason::CalculatorNotStarted:
        return u"在程序搜索路径中找不到可启动的计算器（已查找 %1）。"_s.arg(
                figures.programs.join(u"、"_s));
    case ErrorReason::UndefinedResult:
    case ErrorReason::ResultTooLarge:
    case ErrorReason::ZeroDividedByZero:
    case ErrorReason::DivisionByZero:
    case ErrorReason::NegativePowerOfZero:
    case ErrorReason::FractionalPowerOfNegative:
    case ErrorReason::BeyondSinglePrecision:
        // One short sentence with no punctuation inside: the window's serves.
        return windowMessage(reason, figures, field);
    }
    return {};
}

} // namespace

QString englishFieldName(Field field)
{
    switch (field) {
    case Field::Text1:
        return u"discharge per unit width q"_s;
    case Field::Text2:
        return u"head over the crest H"_s;
    case Field::Text3:
        return u"weir height a1"_s;
    case Field::Text4:
        return u"approach velocity v"_s;
    case Field::Text5:
        return u"tailwater depth ht"_s;
    case Field::Text6:
        return u"velocity coefficient φ"_s;
    case Field::Text7:
        return u"critical depth hc"_s;
    case Field::Text8:
        return u"contracted depth hco"_s;
    case Field::Text9:
        return u"conjugate depth hco2"_s;
    case Field::Text10:
        return u"submergence factor σ"_s;
    case Field::Text11:
        return u"basin depth d"_s;
    case Field::Text12:
        return u"basin length L"_s;
    }
    return {};
}

QString errorWords(const CalcError &error, ReportLanguage language)
{
    if (language == ReportLanguage::Chinese)
        return chineseSentence(error.reason(), error.figures(), error.field());
    return englishSentence(error.reason(), error.figures(), error.field());
}

QString standardFailureWords(const design::StandardFailure &failure, ReportLanguage language)
{
    const bool chinese = language == ReportLanguage::Chinese;
    switch (failure.reason) {
    case design::StandardFailure::Reason::NoContractedDepth:
        return (chinese ? u"按规范公式，总水头 T0 = %1 m 时收缩水深无解。"_s
                        : u"By the standard's formula the contracted depth has no root at a total "
                          u"head T0 = %1 m."_s)
                .arg(failure.T0, 0, 'g', 6);
    case design::StandardFailure::Reason::NotSettled:
        return chinese ? u"按规范公式迭代消力池深度 d′ 不收敛。"_s
                       : u"The standard's iteration of the basin depth d′ does not settle."_s;
    case design::StandardFailure::Reason::Arithmetic: {
        const QString cause
                = failure.arithmetic ? errorWords(*failure.arithmetic, language) : QString();
        return (chinese ? u"按规范公式计算时出错：%1"_s : u"The standard's formulas failed: %1"_s)
                .arg(cause);
    }
    }
    return {};
}

} // namespace varnolt::writers
