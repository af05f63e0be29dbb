#pragma once

#include "model/form_model.h"
#include "model/form_state.h"

namespace varnolt {

// The jump-type check: critical, contracted and conjugate depth, and whether
// the jump below the weir is remote, submerged or critical. Enables the basin
// button for a remote jump. Throws CalcError, stopping at the failing step.
void Command1_Click(FormModel &form, FormState &state);

// The stilling-basin sizing: basin depth for the submergence factor, the
// contracted depth below the basin floor and the basin length range.
// Throws CalcError, stopping at the failing step.
void Command2_Click(FormModel &form, FormState &state);

} // namespace varnolt
