#pragma once

#include "writers/report_words.h"

#include <QString>

#include <optional>

namespace varnolt::writers::report {

// Numbers as they stand in a substituted formula: a negative one in
// brackets, so that "− (−0.1)" reads right. `val` writes a number the user
// gave or the design derived (practical), `fig` a computed one (figure).
QString val(double v);
QString fig(double v);

// A computed depth or head with its unit, to the millimetre: "1.467 m";
// a length along the flow, to the centimetre: "12.71 m".
QString metres(double v);
QString lengthMetres(double v);

// A computed figure, or "—" where there is none.
QString optionalFigure(const std::optional<double> &v);

// A remark after a worked line, bracketed as the language brackets it:
// "  (root by bisection)", "（二分法求根）".
QString remark(const QString &text, ReportLanguage lang);

// A range of lengths, "18.55～21.2" in Chinese, "18.55 to 21.2" in English.
QString range(const QString &low, const QString &high, ReportLanguage lang);

// A formula's text with the constants the program computes with written in
// where it names them: {g} gravity, {2g} twice gravity, {jump} the free
// jump's length factor, {short} and {long} the basin's. The report never
// retypes these numbers, so it cannot print one and compute with another.
QString withConstants(QString text);

} // namespace varnolt::writers::report
