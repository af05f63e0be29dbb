#include "model/checked_math.h"

#include "model/errors.h"

namespace varnolt::checked::detail {

void raiseInvalid()
{
    throw CalcError(ErrorKind::InvalidOperation, QStringLiteral("计算结果无定义。"));
}

void raiseOverflow()
{
    throw CalcError(ErrorKind::Overflow, QStringLiteral("计算结果超出数值范围。"));
}

void raiseZeroByZero()
{
    throw CalcError(ErrorKind::InvalidOperation, QStringLiteral("计算中出现零除以零。"));
}

void raiseDivisionByZero()
{
    throw CalcError(ErrorKind::DivisionByZero, QStringLiteral("计算中出现除数为零。"));
}

void raiseZeroToNegativePower()
{
    throw CalcError(ErrorKind::DivisionByZero, QStringLiteral("计算中对零取负数次幂。"));
}

void raiseNegativeToFractionalPower()
{
    throw CalcError(ErrorKind::InvalidOperation, QStringLiteral("计算中对负数取分数次幂。"));
}

void raiseSingleOverflow()
{
    throw CalcError(ErrorKind::Overflow, QStringLiteral("计算结果超出单精度范围。"));
}

} // namespace varnolt::checked::detail
