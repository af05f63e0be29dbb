#pragma once

#include "design/case_result.h"
#include "design/design_file.h"

#include <optional>
#include <vector>

namespace varnolt::design {

// A design file evaluated: the design of the floods that could be derived,
// and a located error for each flood that could not.
struct DesignFileEvaluation {
    DesignResult result;
    std::vector<DesignFileError> floodErrors;
};

// Turns each flood into the inputs of a case (the head from the weir's
// capacity, the tailwater from the table) and runs them through exactly the
// evaluation a case file's rows get, with `options` and the submergence
// `sigma` resolved by the caller. Each case then carries its discharge,
// head and levels; the result carries the file's [project] and, where
// `scanCount` is given and the file has a tailwater table, the scan of the
// floods' whole range at that many discharges. Never throws.
DesignFileEvaluation evaluateDesignFile(const DesignFile &file, const DesignOptions &options,
        double sigma, std::optional<int> scanCount);

} // namespace varnolt::design
