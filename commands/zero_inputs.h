#pragma once

#include "model/errors.h"
#include "model/form_model.h"
#include "model/form_state.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

namespace varnolt {

// An input a formula divides by, and the quantity it was read into.
struct Divisor {
    Field field;
    float FormState::*quantity;
};

// Runs the computing part of a command. A zero discharge, coefficient or
// tailwater makes a formula divide by zero, or zero by zero; the user is
// told which input is at fault instead of only what the arithmetic met. The
// error keeps its kind and its step. Where several of the inputs are zero,
// the first in reading order is named.
template <class Steps>
void namingZeroInputs(
        const FormState &state, std::initializer_list<Divisor> divisors, Steps &&steps)
{
    try {
        std::forward<Steps>(steps)();
    } catch (const CalcError &error) {
        if (error.kind() != ErrorKind::DivisionByZero
                && error.kind() != ErrorKind::InvalidOperation)
            throw;
        const auto *zero = std::find_if(divisors.begin(), divisors.end(),
                [&state](const Divisor &divisor) { return state.*divisor.quantity == 0; });
        if (zero == divisors.end())
            throw;
        ErrorFigures figures;
        figures.cause = error.reason();
        throw CalcError(ErrorReason::ZeroInput, std::move(figures), zero->field);
    }
}

} // namespace varnolt
