#include "report/design_settings.h"

namespace varnolt::report {

using namespace Qt::StringLiterals;

ResolvedSettings resolveSettings(const design::BasinSettings &file, const ReportOptions &options)
{
    ResolvedSettings resolved;
    resolved.design = options.design;
    design::DesignOptions &d = resolved.design;
    writers::SettingOrigins &origins = resolved.origins;
    const auto given
            = [&](const QString &name) { return options.designOptionsGiven.contains(name); };
    using writers::SettingOrigin;
    // A file's value where the command line gave none of its own, and
    // where the value came from.
    const auto fromFile = [&](const std::optional<double> &value, double &target,
                                  const QString &option, SettingOrigin *origin = nullptr) {
        const bool byOption = !option.isEmpty() && given(option);
        if (value && !byOption)
            target = *value;
        if (origin) {
            *origin = byOption ? SettingOrigin::CommandLine
                    : value    ? SettingOrigin::DesignFile
                               : SettingOrigin::Default;
        }
    };
    fromFile(file.alpha, d.alpha, u"alpha"_s, &origins.alpha);
    fromFile(file.widthRatio, d.widthRatio, u"b-ratio"_s, &origins.widthRatio);
    fromFile(file.beta, d.beta, u"beta"_s, &origins.beta);
    fromFile(file.slopeLength, d.slopeLength, u"ls"_s, &origins.slopeLength);
    fromFile(file.k1, d.k1, u"k1"_s, &origins.k1);
    fromFile(file.exitVelocityCoefficient, d.exitPhi, u"phi-exit"_s, &origins.exitPhi);
    fromFile(file.depthStep, d.depthStep, u"depth-step"_s, &origins.depthStep);
    fromFile(file.lengthStep, d.lengthStep, u"length-step"_s, &origins.lengthStep);
    fromFile(file.k2, d.k2, u"k2"_s, &origins.k2);
    fromFile(file.slabUnitWeight, d.slabUnitWeight, u"slab-unit-weight"_s, &origins.slabUnitWeight);
    // No command-line option of its own: the file decides where it speaks.
    fromFile(file.submergence, resolved.sigma, QString(), &origins.sigma);
    fromFile(file.sillM, d.sillM, u"sill-m"_s);
    if (given(u"ks"_s) || given(u"bed"_s)) {
        origins.ks = SettingOrigin::CommandLine;
        origins.bed = options.bed;
    } else if (file.ks) {
        d.ks = file.ks;
        origins.ks = SettingOrigin::DesignFile;
        origins.bed = file.bed;
    }
    // The bed on the command line brings its own [v0], as it does its Ks.
    if (file.allowableVelocity && !given(u"allowable-velocity"_s) && !given(u"bed"_s))
        d.allowableVelocity = file.allowableVelocity;
    if (file.type && !given(u"basin"_s))
        d.basinType = *file.type;
    return resolved;
}

} // namespace varnolt::report
