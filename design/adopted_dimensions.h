#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace varnolt::design {

// A value rounded up to a whole number of steps. A value that is a multiple
// of the step to within a relative 1e-9 of the count stays as it is: 1.35 m
// is 27 steps of 0.05 m, but neither number is exact in binary and
// 1.35 / 0.05 gives 27.000000000000004, which a plain ceiling would carry to
// 1.40 m. The tolerance is far above the rounding of a few double operations
// (about 1e-15) and far below any length that matters (1e-9 of a basin
// depth is a nanometre). Where the step is the reciprocal of a whole number
// (0.05 = 1/20, 0.5 = 1/2) the count is divided by that number, so the
// result is the double nearest the decimal (27/20 gives 1.35 where
// 27·0.05 gives 1.35000000000000009). The step must be positive.
double roundUpToStep(double value, double step);

// One dimension as the reviewer adopts it: the largest of the methods,
// rounded up.
struct AdoptedValue {
    double adopted = 0; // rounded up to the step (m)
    double unrounded = 0; // the largest of the methods (m)
};

// The adopted basin depth: max(window d, exact d, standard d′) rounded up
// to `step`; a method without a figure does not take part.
AdoptedValue adoptedDepth(double windowDepth, std::optional<double> exactDepth,
        std::optional<double> standardDepth, double step);

// The adopted basin length: max(window's upper length, standard Lsj)
// rounded up to `step`.
AdoptedValue adoptedLength(
        double windowUpperLength, std::optional<double> standardLength, double step);

// The case that governs one dimension of the structure: the largest adopted
// value; of equal adopted values the larger unrounded one, then the first.
// Cases without the dimension (none) govern nothing; none where no case has
// it. The index is into `values`, one entry per case of the design.
std::optional<std::size_t> governingCase(const std::vector<std::optional<AdoptedValue>> &values);

} // namespace varnolt::design
