#pragma once

#include <QLocale>
#include <QString>

namespace varnolt {

// What the tailwater does with the jump below the weir.
enum class JumpKind {
    Remote, // the conjugate depth exceeds the tailwater: the jump runs away downstream
    Submerged, // the tailwater drowns the jump at the toe
    Critical, // the two depths agree: the jump stands at the toe
};

// The kind of jump for a conjugate depth and a tailwater depth. The jump is
// critical when the two agree to the seven digits the window shows them
// with, so that typing the shown conjugate depth as the tailwater reaches
// it; otherwise a deeper conjugate depth means a remote jump, a shallower
// one a submerged jump. `shownConjugateDepth` is the conjugate depth as the
// window shows it, SingleText(conjugateDepth, locale), already formed for
// its field in the form's `locale`.
JumpKind jumpKindOf(float conjugateDepth, const QString &shownConjugateDepth, float tailwater,
        const QLocale &locale);

// The verdict line's text for a kind of jump.
QString verdictText(JumpKind kind);

} // namespace varnolt
