#include "model/errors.h"

namespace varnolt {

CalcError::CalcError(ErrorKind kind, const QString &message)
    : m_kind(kind)
    , m_message(message)
    , m_utf8(message.toUtf8())
{
}

} // namespace varnolt
