// The case reader on arbitrary bytes: every input gives cases or located
// errors, never a crash; what it reads is finite, and the first cases run
// through the design without a NaN in any figure.
#include "design/case_reader.h"
#include "design/design.h"
#include "fuzz_support.h"

#include <QByteArrayView>

#include <algorithm>
#include <cmath>

using namespace varnolt;
using namespace varnolt::design;

namespace {

int countLines(QByteArrayView bytes)
{
    return 1 + int(std::count_if(bytes.begin(), bytes.end(), [](char c) {
        return c == '\n' || c == '\r';
    }));
}

void checkLocated(const ReadError &error, int lines)
{
    fuzz::check(error.line >= 1 && error.line <= lines, "an error on a line of the file",
            QString::number(error.line));
    fuzz::check(!error.column.isEmpty(), "an error names its column");
    fuzz::check(!error.message.isEmpty() && error.message.size() < 300,
            "an error says briefly what is wrong", fuzz::excerpt(error.message));
}

void checkFinite(double value, const char *what)
{
    fuzz::check(std::isfinite(value), what, QString::number(value));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const CaseFile file = readCases(bytes);
    const int lines = countLines(bytes);

    if (file.fileError) {
        checkLocated(*file.fileError, lines);
        fuzz::check(file.cases.empty() && file.rowErrors.empty(), "a file error reads no row");
        return 0;
    }
    for (const ReadError &error : file.rowErrors)
        checkLocated(error, lines);
    int previousLine = 0;
    for (const CaseInputs &inputs : file.cases) {
        fuzz::check(inputs.line > previousLine && inputs.line <= lines, "cases in file order");
        previousLine = inputs.line;
        fuzz::check(!inputs.name.isEmpty() && inputs.name.size() <= maxNameLength,
                "every case has a bounded name");
        for (const double value :
                {inputs.q, inputs.H, inputs.a1, inputs.v, inputs.ht, inputs.phi, inputs.sigma})
            checkFinite(value, "inputs are finite numbers");
    }

    // The design on what was read: errors are results, figures are finite.
    for (std::size_t i = 0; i < file.cases.size() && i < 2; ++i) {
        const CaseResult result = evaluateCase(file.cases[i], DesignOptions{});
        if (const auto &check = result.check) {
            for (const double value : {check->hc, check->hco, check->hco2, check->Fr1,
                         check->energyLoss, check->relativeLoss, check->jumpLength})
                checkFinite(value, "the check's figures are finite");
        } else {
            fuzz::check(result.error.has_value(), "a case without a check has an error");
        }
        if (const auto &basin = result.basin) {
            for (const double value : {basin->d, basin->hco, basin->hco2, basin->lengthMin,
                         basin->lengthMax, basin->Fr1, basin->slabThickness})
                checkFinite(value, "the basin's figures are finite");
            if (basin->standard.d)
                checkFinite(*basin->standard.d, "the standard's depth is finite");
        }
    }
    return 0;
}
