#include "model/jump_kind.h"

#include "model/number_text.h"

namespace varnolt {

using namespace Qt::StringLiterals;

JumpKind jumpKindOf(float conjugateDepth, const QString &shownConjugateDepth, float tailwater,
        const QLocale &locale)
{
    if (shownConjugateDepth == SingleText(tailwater, locale))
        return JumpKind::Critical;
    return conjugateDepth > tailwater ? JumpKind::Remote : JumpKind::Submerged;
}

QString verdictText(JumpKind kind)
{
    switch (kind) {
    case JumpKind::Remote:
        // ASCII comma and full stop, as the line has always been written.
        return u"下游发生远离水跃,需要做消能工."_s;
    case JumpKind::Submerged:
        return u"下游发生淹没水跃"_s;
    case JumpKind::Critical:
        return u"下游发生临界水跃"_s;
    }
    return {};
}

} // namespace varnolt
