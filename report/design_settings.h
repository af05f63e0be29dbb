#pragma once

#include "design/case_result.h"
#include "design/design_file.h"
#include "report/options.h"
#include "writers/setting_origins.h"

namespace varnolt::report {

// The design-wide settings of a design file's run.
struct ResolvedSettings {
    design::DesignOptions design;
    double sigma = 1.05; // σ of every flood's case
    writers::SettingOrigins origins; // where each value came from
};

// The settings in order of precedence: the defaults, then the file's [basin]
// values, then the options given on the command line, each of which
// overrides the file's value of the same setting (--ks and --bed both
// override the file's ks or bed). `options.design` holds the defaults with
// the command line's values applied.
ResolvedSettings resolveSettings(const design::BasinSettings &file, const ReportOptions &options);

} // namespace varnolt::report
