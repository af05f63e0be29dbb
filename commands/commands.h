#pragma once

#include "model/form_model.h"
#include "model/form_state.h"
#include "model/jump_kind.h"

namespace varnolt {

// The jump-type check: critical, contracted and conjugate depth, and whether
// the jump below the weir is remote, submerged or critical. Enables the basin
// button for a remote jump. Returns the kind of jump it decided, the one its
// verdict line states, so that no caller reads the kind back out of the
// line. Throws CalcError, stopping at the failing step.
JumpKind Command1_Click(FormModel &form, FormState &state);

// The stilling-basin sizing: basin depth for the submergence factor, the
// contracted depth below the basin floor and the basin length range.
// Throws CalcError, stopping at the failing step.
void Command2_Click(FormModel &form, FormState &state);

} // namespace varnolt
