#include "model/errors.h"

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

CalcError::CalcError(ErrorKind kind, const QString &message, std::optional<Field> field)
    : m_kind(kind)
    , m_message(message)
    , m_field(field)
    , m_utf8(message.toUtf8())
{
}

} // namespace varnolt
