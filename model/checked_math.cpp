#include "model/checked_math.h"

#include "model/errors.h"

#include <cmath>

namespace varnolt::checked {

namespace {

// Classifies a finished result; the operation itself never traps.
double verified(double result)
{
    if (std::isnan(result))
        throw CalcError(ErrorKind::InvalidOperation, QStringLiteral("计算结果无定义。"));
    if (std::isinf(result))
        throw CalcError(ErrorKind::Overflow, QStringLiteral("计算结果超出数值范围。"));
    return result;
}

} // namespace

double add(double a, double b)
{
    return verified(a + b);
}

double sub(double a, double b)
{
    return verified(a - b);
}

double mul(double a, double b)
{
    return verified(a * b);
}

double div(double a, double b)
{
    if (b == 0) {
        if (a == 0)
            throw CalcError(ErrorKind::InvalidOperation, QStringLiteral("计算中出现零除以零。"));
        throw CalcError(ErrorKind::DivisionByZero, QStringLiteral("计算中出现除数为零。"));
    }
    return verified(a / b);
}

double pow(double base, double exponent)
{
    if (base == 0 && exponent < 0)
        throw CalcError(ErrorKind::DivisionByZero, QStringLiteral("计算中对零取负数次幂。"));
    if (base < 0 && exponent != std::trunc(exponent))
        throw CalcError(ErrorKind::InvalidOperation, QStringLiteral("计算中对负数取分数次幂。"));
    return verified(std::pow(base, exponent));
}

float toSingle(double value)
{
    const auto single = static_cast<float>(verified(value));
    if (std::isinf(single))
        throw CalcError(ErrorKind::Overflow, QStringLiteral("计算结果超出单精度范围。"));
    return single;
}

} // namespace varnolt::checked
