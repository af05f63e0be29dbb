// The design-file reader on arbitrary bytes: every input gives a design or
// located faults, never a crash; a design read is finite and sound (a floor
// and an approach bed below the crest, a usable table, positive widths), and
// its first floods turn into finite cases or faults of their own.
#include "design/design_file_reader.h"
#include "design/flood_case.h"
#include "fuzz_support.h"

#include <QByteArrayView>

#include <algorithm>
#include <cmath>

using namespace varnolt;
using namespace varnolt::design;

namespace {

int countLines(QByteArrayView bytes)
{
    return 1 + int(std::count(bytes.begin(), bytes.end(), '\n'));
}

void checkLocated(const DesignFileError &error, int lines)
{
    fuzz::check(error.position.line >= 1 && error.position.line <= lines + 1,
            "a fault on a line of the file", QString::number(error.position.line));
    fuzz::check(error.position.column >= 1, "a fault has a column");
    fuzz::check(error.file == u"fuzz.toml", "a fault names its file");
    fuzz::check(!error.message.isEmpty(), "a fault says what is wrong");
    fuzz::check(error.fault == DesignFileFault::Syntax || !error.key.isEmpty(),
            "a fault names its key", fuzz::excerpt(error.message));
}

void checkFinite(double value, const char *what)
{
    fuzz::check(std::isfinite(value), what, QString::number(value));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const DesignFileReading reading = readDesignFile(bytes, QStringLiteral("fuzz.toml"));
    const int lines = countLines(bytes);

    fuzz::check(reading.design.has_value() != !reading.errors.empty(),
            "a design or faults, never both");
    for (const DesignFileError &error : reading.errors) {
        checkLocated(error, lines);
        fuzz::check(!isFloodFault(error.fault), "the reader reports no flood's own fault");
    }
    if (!reading.design)
        return 0;

    const DesignFile &file = *reading.design;
    const WeirGeometry &weir = file.weir;
    for (const double value : {weir.crest, weir.approachBed, weir.floor, weir.width,
                 weir.approachWidth, weir.dischargeCoefficient, weir.contraction})
        checkFinite(value, "the weir's values are finite");
    fuzz::check(weir.a1() > 0 && weir.weirHeight() > 0, "floor and approach bed below the crest");
    fuzz::check(weir.width > 0 && weir.approachWidth > 0 && weir.dischargeCoefficient > 0,
            "positive widths and coefficient");
    fuzz::check(file.tailwater.discharges.empty() || !ratingTableFault(file.tailwater),
            "a table read is usable");
    fuzz::check(!file.floods.empty() && file.floods.size() <= std::size_t(maxFloods),
            "a bounded number of floods");

    for (std::size_t i = 0; i < file.floods.size() && i < 3; ++i) {
        fuzz::check(file.floods[i].discharge > 0, "a flood's discharge is positive");
        const FloodCaseOutcome outcome = floodCase(file, i, FloodSettings{});
        fuzz::check(outcome.flood.has_value() != outcome.error.has_value(),
                "a flood gives a case or a fault");
        if (outcome.error) {
            fuzz::check(isFloodFault(outcome.error->fault), "a flood's fault is its own");
            continue;
        }
        const CaseInputs &inputs = outcome.flood->inputs;
        for (const double value : {inputs.q, inputs.H, inputs.a1, inputs.v, inputs.ht})
            checkFinite(value, "a flood's inputs are finite");
        fuzz::check(inputs.H > 0 && inputs.ht > 0 && inputs.ht <= inputs.a1,
                "a free-flowing weir above its tailwater");
    }
    return 0;
}
