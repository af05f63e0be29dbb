#pragma once

#include <QStringList>

namespace varnolt {

// The desktop calculators looked for on the search path, in order of preference.
QStringList calculatorPrograms();

// Starts the first calculator found, detached and with no arguments; the
// window neither waits for it nor keeps hold of it. Throws CalcError
// (FileNotFound) naming the programs looked for when none can be started.
void startCalculator();

} // namespace varnolt
