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

// "none", "basin", "unsizeable": the basin decision in files read by programs.
QString basinDecisionKey(BasinDecision decision);

// "apron", "slab", "uplift", "scour": a quantity beside the basin whose
// arithmetic failed, in files read by programs.
QString sideQuantityKey(SideQuantity quantity);

// "k1", "sigma", "beta", "phi": a coefficient as the options and columns
// name it.
QString coefficientKey(Coefficient coefficient);

} // namespace varnolt::design
