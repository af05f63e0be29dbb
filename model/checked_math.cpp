#include "model/checked_math.h"

namespace varnolt::checked::detail {

void fail(ErrorKind kind, const char16_t *message)
{
    throw CalcError(kind, QString::fromUtf16(message));
}

} // namespace varnolt::checked::detail
