#pragma once

#include "design/case_result.h"
#include "model/jump_kind.h"

#include <QString>

namespace varnolt::design {

// The design's machine keys, each in one place: the words its CSV and JSON
// write, stable whatever the language. The names the engineer reads are
// translated texts of the writers (writers/report_words).

// "remote", "submerged", "critical".
QString jumpKindKey(JumpKind kind);

// "undular", "weak", "oscillating", "steady", "strong".
QString jumpFormKey(JumpForm form);

// A short key for the advice, for files read by programs:
// "none", "plain", "suppress waves", "blocks baffles sill", "blocks dentated sill".
QString basinAdviceKey(BasinAdvice advice);

// "Command1" or "Command2": the stage a case stopped at, as the table, CSV
// and JSON write it.
QString stageKey(Stage stage);

} // namespace varnolt::design
