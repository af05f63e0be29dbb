#include "model/jump_kind.h"

#include "model/number_text.h"

namespace varnolt {

using namespace Qt::StringLiterals;

JumpKind jumpKindOf(float conjugateDepth, float tailwater)
{
    if (SingleText(conjugateDepth) == SingleText(tailwater))
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

std::optional<JumpKind> jumpKindOfVerdict(const QString &verdict)
{
    for (const JumpKind kind : {JumpKind::Remote, JumpKind::Submerged, JumpKind::Critical}) {
        if (verdict == verdictText(kind))
            return kind;
    }
    return std::nullopt;
}

} // namespace varnolt
