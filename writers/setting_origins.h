#pragma once

#include <QString>

namespace varnolt::writers {

// Where a design-wide setting's value came from: the program's default, the
// design file's [basin] table, or an option on the command line, which
// overrides the file's value. A case file gives no design-wide settings, so
// its report has only defaults and options.
enum class SettingOrigin { Default, DesignFile, CommandLine };

// The origin of each setting the report's table of coefficients lists, as
// the run resolved them; the report names it beside the setting's source.
struct SettingOrigins {
    SettingOrigin alpha = SettingOrigin::Default;
    SettingOrigin widthRatio = SettingOrigin::Default;
    SettingOrigin beta = SettingOrigin::Default;
    SettingOrigin slopeLength = SettingOrigin::Default;
    SettingOrigin k1 = SettingOrigin::Default;
    SettingOrigin ks = SettingOrigin::Default;
    SettingOrigin exitPhi = SettingOrigin::Default;
    SettingOrigin depthStep = SettingOrigin::Default;
    SettingOrigin lengthStep = SettingOrigin::Default;
    SettingOrigin k2 = SettingOrigin::Default;
    SettingOrigin slabUnitWeight = SettingOrigin::Default;
    SettingOrigin sigma = SettingOrigin::Default; // σ of a design file's floods
    // The bed class whose Ks is used, by its keyword ("fine-sand"); empty
    // where Ks was given as a number or not at all. On the command line it
    // tells --bed from --ks.
    QString bed;

    bool operator==(const SettingOrigins &) const = default;
};

} // namespace varnolt::writers
