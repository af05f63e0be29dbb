#include "design/labels.h"

namespace varnolt::design {

using namespace Qt::StringLiterals;

QString jumpKindKey(JumpKind kind)
{
    switch (kind) {
    case JumpKind::Remote:
        return u"remote"_s;
    case JumpKind::Submerged:
        return u"submerged"_s;
    case JumpKind::Critical:
        return u"critical"_s;
    }
    return {};
}

QString jumpFormKey(JumpForm form)
{
    switch (form) {
    case JumpForm::Undular:
        return u"undular"_s;
    case JumpForm::Weak:
        return u"weak"_s;
    case JumpForm::Oscillating:
        return u"oscillating"_s;
    case JumpForm::Steady:
        return u"steady"_s;
    case JumpForm::Strong:
        return u"strong"_s;
    }
    return {};
}

QString basinAdviceKey(BasinAdvice advice)
{
    switch (advice) {
    case BasinAdvice::NoAppurtenances:
        return u"none"_s;
    case BasinAdvice::PlainBasin:
        return u"plain"_s;
    case BasinAdvice::SuppressWaves:
        return u"suppress waves"_s;
    case BasinAdvice::BlocksBafflesSill:
        return u"blocks baffles sill"_s;
    case BasinAdvice::BlocksDentatedSill:
        return u"blocks dentated sill"_s;
    }
    return {};
}

QString stageKey(Stage stage)
{
    // The names of the window's two buttons, as the files have always
    // written the stage.
    return stage == Stage::Basin ? u"Command2"_s : u"Command1"_s;
}

} // namespace varnolt::design
