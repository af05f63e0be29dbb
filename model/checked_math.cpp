#include "model/checked_math.h"

namespace varnolt::checked::detail {

void fail(ErrorReason reason)
{
    throw CalcError(reason);
}

} // namespace varnolt::checked::detail
