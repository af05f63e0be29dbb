#include "model/errors.h"

#include "model/window_messages.h"

#include <utility>

namespace varnolt {

using namespace Qt::StringLiterals;

QString errorKindName(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::TypeMismatch:
        return u"类型不匹配"_s;
    case ErrorKind::Overflow:
        return u"溢出"_s;
    case ErrorKind::DivisionByZero:
        return u"除数为零"_s;
    case ErrorKind::InvalidOperation:
        return u"无效运算"_s;
    case ErrorKind::FileNotFound:
        return u"文件未找到"_s;
    case ErrorKind::NoSolution:
        return u"无解"_s;
    case ErrorKind::InvalidInput:
        return u"无效输入"_s;
    }
    return u"错误"_s;
}

QString errorKindKey(ErrorKind kind)
{
    switch (kind) {
    case ErrorKind::TypeMismatch:
        return u"type mismatch"_s;
    case ErrorKind::Overflow:
        return u"overflow"_s;
    case ErrorKind::DivisionByZero:
        return u"division by zero"_s;
    case ErrorKind::InvalidOperation:
        return u"invalid operation"_s;
    case ErrorKind::FileNotFound:
        return u"file not found"_s;
    case ErrorKind::NoSolution:
        return u"no solution"_s;
    case ErrorKind::InvalidInput:
        return u"invalid input"_s;
    }
    return u"error"_s;
}

ErrorKind errorKindOf(ErrorReason reason, const ErrorFigures &figures)
{
    switch (reason) {
    case ErrorReason::NotANumber:
    case ErrorReason::NoCriticalDepthYet:
        return ErrorKind::TypeMismatch;
    case ErrorReason::NumberTooLarge:
    case ErrorReason::ResultTooLarge:
    case ErrorReason::BeyondSinglePrecision:
        return ErrorKind::Overflow;
    case ErrorReason::OutOfRange:
        return ErrorKind::InvalidInput;
    case ErrorReason::UndefinedResult:
    case ErrorReason::ZeroDividedByZero:
    case ErrorReason::FractionalPowerOfNegative:
        return ErrorKind::InvalidOperation;
    case ErrorReason::DivisionByZero:
    case ErrorReason::NegativePowerOfZero:
        return ErrorKind::DivisionByZero;
    case ErrorReason::ZeroInput:
        // The zero input explains the arithmetic's failure; the kind stays.
        return errorKindOf(figures.cause);
    case ErrorReason::HeadTooSmall:
    case ErrorReason::SupercriticalTailwater:
    case ErrorReason::JumpHeldWithoutBasin:
    case ErrorReason::NoBasinDeepEnough:
        return ErrorKind::NoSolution;
    case ErrorReason::CalculatorNotStarted:
        return ErrorKind::FileNotFound;
    }
    return ErrorKind::NoSolution;
}

CalcError::CalcError(ErrorReason reason, ErrorFigures figures, std::optional<Field> field)
    : m_reason(reason)
    , m_figures(std::move(figures))
    , m_field(field)
    , m_kind(errorKindOf(m_reason, m_figures))
    , m_message(windowMessage(m_reason, m_figures, m_field))
    , m_utf8(m_message.toUtf8())
{
}

} // namespace varnolt
