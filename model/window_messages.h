#pragma once

#include "model/errors.h"

#include <QString>

#include <optional>

namespace varnolt {

// The window's sentence for a failed command, in Chinese, character for
// character as the message box has always shown it: composed from the
// error's reason, its figures and the field it names.
QString windowMessage(const CalcError &error);

// The same for an error's parts, before the error itself exists.
QString windowMessage(
        ErrorReason reason, const ErrorFigures &figures, const std::optional<Field> &field);

// 单精度, 双精度: the precision as a sentence names it.
QString precisionName(NumberPrecision precision);

} // namespace varnolt
