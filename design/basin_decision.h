#pragma once

#include "model/errors.h"
#include "model/form_model.h"
#include "model/form_state.h"

#include <optional>

namespace varnolt::design {

// What the design decides for a case's basin.
enum class BasinDecision {
    None, // the tailwater holds the jump at σ times its conjugate depth or more
    Basin, // a basin is needed and the sizing gave one
    Unsizeable, // a basin is needed but the sizing stopped; the reason says why
};

// The decision with what it rests on.
struct BasinDecisionOutcome {
    BasinDecision decision = BasinDecision::None;
    // σ′ = ht / hco2 of the check; none where the conjugate depth is zero.
    std::optional<double> submergence;
    std::optional<CalcError> reason; // the sizing's error, for Unsizeable only
};

// The submergence of the jump at the toe, σ′ = ht / hco2, in double precision
// from the single-precision depths the check holds; none for hco2 = 0.
std::optional<double> submergenceOf(float ht, float hco2);

// The design standard asks for a basin while σ′ < σ: a remote jump (σ′ < 1),
// and also a critical jump and a submerged one with 1 ≤ σ′ < σ, whose
// tailwater is too close to the conjugate depth to hold the jump safely.
// σ is compared as the form holds it, in single precision, so the decision
// and the sizing read the same factor.
bool basinNeeded(std::optional<double> submergence, double sigma);

// Decides on the basin after the window's check has run on `form` and
// `state`, and where one is needed sizes it with the window's own sizing
// command on the same form, whatever the check's verdict (the window's
// basin button keeps its own rule). `sigma` is the submergence factor the
// form's Text10 holds. Never throws: the sizing's error becomes the reason.
BasinDecisionOutcome decideAndSizeBasin(FormModel &form, FormState &state, double sigma);

} // namespace varnolt::design
