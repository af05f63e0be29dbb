#include "design/flood_case.h"

#include "model/checked_math.h"
#include "model/errors.h"

namespace varnolt::design {

namespace c = varnolt::checked;
using namespace Qt::StringLiterals;

namespace {

FloodCaseOutcome refused(const DesignFile &file, const Flood &flood, const QString &key,
        DesignFileFault fault, const QString &what)
{
    const QString message = u"flood '%1' (Q = %2 m³/s): %3"_s.arg(
            flood.name, QString::number(flood.discharge, 'g', 10), what);
    return {std::nullopt, DesignFileError{file.fileName, flood.position, fault, key, message}};
}

FloodCaseOutcome derive(const DesignFile &file, const Flood &flood, const QString &key,
        const FloodSettings &settings)
{
    const WeirGeometry &weir = file.weir;
    FloodCase result;
    if (flood.tailwaterLevel) {
        result.tailwaterLevel = *flood.tailwaterLevel;
        result.tailwaterGiven = true;
    } else if (file.tailwater.discharges.empty()) {
        return refused(file, flood, key, DesignFileFault::NoTailwater,
                u"no tailwater_level and no [tailwater] table to take one from"_s);
    } else if (const std::optional<double> level = levelAt(file.tailwater, flood.discharge)) {
        result.tailwaterLevel = *level;
    } else {
        return refused(file, flood, key + u".discharge"_s, DesignFileFault::OutsideTable,
                u"outside the tailwater table (%1 to %2 m³/s); the rating curve is not "
                u"extrapolated"_s.arg(file.tailwater.discharges.front())
                        .arg(file.tailwater.discharges.back()));
    }
    if (!(result.tailwaterLevel > weir.floor)) {
        return refused(file, flood, key, DesignFileFault::TailwaterAtFloor,
                u"tailwater level %1 m is not above the downstream floor %2 m"_s
                        .arg(result.tailwaterLevel)
                        .arg(weir.floor));
    }
    if (result.tailwaterLevel > weir.crest) {
        return refused(file, flood, key, DesignFileFault::DrownedWeir,
                u"tailwater level %1 m is above the crest %2 m: the weir is drowned and the "
                u"free-flow formula does not hold"_s.arg(result.tailwaterLevel)
                        .arg(weir.crest));
    }

    const WeirCapacity capacity = capacityOf(weir, settings.alpha);
    if (flood.upstreamLevel) {
        const double H = c::sub(*flood.upstreamLevel, weir.crest);
        if (!(H > 0)) {
            return refused(file, flood, key + u".upstream_level"_s, DesignFileFault::NoFreeHead,
                    u"upstream level %1 m is not above the crest %2 m"_s.arg(*flood.upstreamLevel)
                            .arg(weir.crest));
        }
        result.head = headAt(capacity, flood.discharge, H);
        result.upstreamGiven = true;
    } else {
        const HeadFromCapacity solved = headFromCapacity(capacity, flood.discharge);
        if (!solved.head)
            return refused(file, flood, key, DesignFileFault::NoFreeHead, solved.error);
        result.head = *solved.head;
    }
    result.upstreamLevel = c::add(weir.crest, result.head.H);

    CaseInputs &inputs = result.inputs;
    inputs.name = flood.name;
    inputs.q = c::div(flood.discharge, weir.width);
    inputs.H = result.head.H;
    inputs.a1 = weir.a1();
    inputs.v = result.head.v0;
    inputs.ht = c::sub(result.tailwaterLevel, weir.floor);
    inputs.phi = weir.velocityCoefficient;
    inputs.sigma = settings.sigma;
    inputs.line = flood.position.line;
    return {result, std::nullopt};
}

FloodCaseOutcome deriveChecked(const DesignFile &file, const Flood &flood, const QString &key,
        const FloodSettings &settings)
{
    try {
        return derive(file, flood, key, settings);
    } catch (const CalcError &error) {
        return refused(file, flood, key, DesignFileFault::NoFreeHead, error.message());
    }
}

} // namespace

WeirCapacity capacityOf(const WeirGeometry &weir, double alpha)
{
    return WeirCapacity{weir.width, weir.approachWidth, weir.weirHeight(),
            weir.dischargeCoefficient, weir.contraction, alpha};
}

FloodCaseOutcome floodCase(const DesignFile &file, std::size_t index, const FloodSettings &settings)
{
    return deriveChecked(file, file.floods.at(index), u"flood[%1]"_s.arg(index + 1), settings);
}

FloodCaseOutcome caseAtDischarge(
        const DesignFile &file, double discharge, const FloodSettings &settings)
{
    Flood flood;
    flood.name = u"Q = %1 m³/s"_s.arg(QString::number(discharge, 'g', 10));
    flood.discharge = discharge;
    return deriveChecked(file, flood, u"scan"_s, settings);
}

} // namespace varnolt::design
