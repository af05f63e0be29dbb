#include "model/window_messages.h"

namespace varnolt {

using namespace Qt::StringLiterals;

namespace {

// The text a reading names: a field by its caption, another text by the
// caption it was given, or just 文本.
QString describedSource(const ErrorFigures &figures, const std::optional<Field> &field)
{
    const QString caption = field ? fieldCaption(*field) : figures.source;
    return caption.isEmpty() ? u"文本"_s : u"「%1」"_s.arg(caption);
}

QString captionOf(const std::optional<Field> &field)
{
    return field ? fieldCaption(*field) : QString();
}

} // namespace

QString precisionName(NumberPrecision precision)
{
    return precision == NumberPrecision::Double ? u"双精度"_s : u"单精度"_s;
}

QString windowMessage(
        ErrorReason reason, const ErrorFigures &figures, const std::optional<Field> &field)
{
    switch (reason) {
    case ErrorReason::NotANumber:
        return u"%1中的“%2”不是一个数。"_s.arg(describedSource(figures, field), figures.quoted);
    case ErrorReason::NumberTooLarge:
        return u"%1中的数超出%2范围。"_s.arg(
                describedSource(figures, field), precisionName(figures.precision));
    case ErrorReason::OutOfRange:
        return u"「%1」的值“%2”超出允许范围:应为 %3。"_s.arg(captionOf(field), figures.quoted,
                figures.range ? figures.range->text() : QString());
    case ErrorReason::UndefinedResult:
        return u"计算结果无定义。"_s;
    case ErrorReason::ResultTooLarge:
        return u"计算结果超出数值范围。"_s;
    case ErrorReason::ZeroDividedByZero:
        return u"计算中出现零除以零。"_s;
    case ErrorReason::DivisionByZero:
        return u"计算中出现除数为零。"_s;
    case ErrorReason::NegativePowerOfZero:
        return u"计算中对零取负数次幂。"_s;
    case ErrorReason::FractionalPowerOfNegative:
        return u"计算中对负数取分数次幂。"_s;
    case ErrorReason::BeyondSinglePrecision:
        return u"计算结果超出单精度范围。"_s;
    case ErrorReason::ZeroInput:
        // The arithmetic's own sentence after the input that caused it.
        return u"「%1」为 0:%2"_s.arg(
                captionOf(field), windowMessage(figures.cause, {}, std::nullopt));
    case ErrorReason::HeadTooSmall:
        return u"总水头不足以通过该单宽流量:收缩断面水深无解。"_s;
    case ErrorReason::SupercriticalTailwater:
        return u"下游水深 %1 m 小于临界水深 %2 m:下游为急流,不能形成水跃,"
               u"无法据此尾水设计消力池。"_s.arg(figures.tailwater, figures.criticalDepth);
    case ErrorReason::JumpHeldWithoutBasin:
        return u"在此淹没系数下,不设消力池已能形成淹没水跃,无需消力池。"_s;
    case ErrorReason::NoBasinDeepEnough:
        return u"池深到 %1 m 仍不能形成淹没水跃:消力池深无解。"_s.arg(figures.deepest);
    case ErrorReason::NoCriticalDepthYet:
        return u"还没有临界水深:请先点击「求解并判断下游水跃形式」,"
               u"再进行消力池水力计算。"_s;
    case ErrorReason::CalculatorNotStarted:
        return u"在程序搜索路径中找不到可启动的计算器(已查找 %1)。"_s.arg(
                figures.programs.join(u", "_s));
    }
    return {};
}

QString windowMessage(const CalcError &error)
{
    return windowMessage(error.reason(), error.figures(), error.field());
}

} // namespace varnolt
