#include "report/design_settings.h"

namespace varnolt::report {

using namespace Qt::StringLiterals;

ResolvedSettings resolveSettings(const design::BasinSettings &file, const ReportOptions &options)
{
    ResolvedSettings resolved;
    resolved.design = options.design;
    design::DesignOptions &d = resolved.design;
    const auto given
            = [&](const QString &name) { return options.designOptionsGiven.contains(name); };
    // A file's value where the command line gave none of its own.
    const auto fromFile
            = [&](const std::optional<double> &value, double &target, const QString &option) {
                  if (value && (option.isEmpty() || !given(option)))
                      target = *value;
              };
    fromFile(file.alpha, d.alpha, u"alpha"_s);
    fromFile(file.widthRatio, d.widthRatio, u"b-ratio"_s);
    fromFile(file.beta, d.beta, u"beta"_s);
    fromFile(file.slopeLength, d.slopeLength, u"ls"_s);
    fromFile(file.k1, d.k1, u"k1"_s);
    fromFile(file.exitVelocityCoefficient, d.exitPhi, u"phi-exit"_s);
    fromFile(file.depthStep, d.depthStep, u"depth-step"_s);
    fromFile(file.lengthStep, d.lengthStep, u"length-step"_s);
    fromFile(file.k2, d.k2, u"k2"_s);
    fromFile(file.slabUnitWeight, d.slabUnitWeight, u"slab-unit-weight"_s);
    // No command-line option of its own: the file decides where it speaks.
    fromFile(file.submergence, resolved.sigma, QString());
    fromFile(file.sillM, d.sillM, u"sill-m"_s);
    if (file.ks && !given(u"ks"_s) && !given(u"bed"_s))
        d.ks = file.ks;
    // The bed on the command line brings its own [v0], as it does its Ks.
    if (file.allowableVelocity && !given(u"allowable-velocity"_s) && !given(u"bed"_s))
        d.allowableVelocity = file.allowableVelocity;
    if (file.type && !given(u"basin"_s))
        d.basinType = *file.type;
    return resolved;
}

} // namespace varnolt::report
