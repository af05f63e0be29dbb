#pragma once

#include <QByteArray>
#include <QString>

namespace varnolt::writers {

// The shortest decimal that reads back as exactly this double, with a full
// stop: a single-precision value widened to double is written so that it
// reads back as the widened value itself (2.168255 as 2.168255090713501).
QByteArray shortestText(double value);

// A value with a fixed number of decimals for the terminal table, or as
// many decimals and an exponent from a million on (scientificFrom).
QString tableNumberText(double value, int decimals);

} // namespace varnolt::writers
