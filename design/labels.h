#pragma once

#include "design/case_result.h"
#include "model/jump_kind.h"

#include <QString>

namespace varnolt::design {

// The design's words, each in one place: the keys its files use and the
// Chinese names and advice the engineer reads.

// "remote", "submerged", "critical".
QString jumpKindKey(JumpKind kind);

// 远离水跃, 淹没水跃, 临界水跃: the kind of jump in a table cell.
QString jumpKindName(JumpKind kind);

// "undular", "weak", "oscillating", "steady", "strong".
QString jumpFormKey(JumpForm form);

// 波状水跃, 弱水跃, 摆动水跃, 稳定水跃, 强水跃.
QString jumpFormName(JumpForm form);

// The advice on the basin type, in the engineer's words.
QString basinAdviceText(BasinAdvice advice);

// A short key for the advice, for files read by programs:
// "none", "plain", "suppress waves", "blocks baffles sill", "blocks dentated sill".
QString basinAdviceKey(BasinAdvice advice);

// "Command1" or "Command2": the stage a case stopped at, as the table, CSV
// and JSON write it.
QString stageKey(Stage stage);

} // namespace varnolt::design
