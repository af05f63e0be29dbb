#pragma once

#include "writers/report_words.h"

#include <QString>

#include <optional>

namespace varnolt::writers::report {

// Numbers as they stand in a substituted formula: a negative one in
// brackets, so that "− (−0.1)" reads right. `val` writes a number the user
// gave, `fig` a computed one.
QString val(double v);
QString fig(double v);

// A computed length with its unit: "1.467 m".
QString metres(double v);

// A computed figure, or "—" where there is none.
QString optionalFigure(const std::optional<double> &v);

// A range of lengths, "18.55～21.2" in Chinese, "18.55 to 21.2" in English.
QString range(const QString &low, const QString &high, ReportLanguage lang);

// A formula's text with the constants the program computes with written in
// where it names them: {g} gravity, {2g} twice gravity, {jump} the free
// jump's length factor, {short} and {long} the basin's. The report never
// retypes these numbers, so it cannot print one and compute with another.
QString withConstants(QString text);

} // namespace varnolt::writers::report
