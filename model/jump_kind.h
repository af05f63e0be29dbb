#pragma once

#include <QString>

#include <optional>

namespace varnolt {

// What the tailwater does with the jump below the weir.
enum class JumpKind {
    Remote, // the conjugate depth exceeds the tailwater: the jump runs away downstream
    Submerged, // the tailwater drowns the jump at the toe
    Critical, // the two depths agree: the jump stands at the toe
};

// The verdict line's text for a kind of jump.
QString verdictText(JumpKind kind);

// The kind a verdict text states; nullopt for any other text (an empty line).
std::optional<JumpKind> jumpKindOfVerdict(const QString &verdict);

} // namespace varnolt
