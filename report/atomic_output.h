#pragma once

#include "report/output_target.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>

namespace varnolt::report {

// Writes the output to its target. A file is written whole or not at all,
// through QSaveFile: the bytes go into a new file beside it, which then
// replaces it in one rename, keeping its permissions and, where allowed, its
// owner; a failed or interrupted run leaves it as it was. A stream and
// standard output are written straight through. False with `error` set
// (the system's reason, such as "No space left on device") when the bytes
// did not all arrive.
bool writeOutput(const OutputTarget &target, const QByteArray &bytes, QString &error);

// The bytes of a file that `write` makes at the path it is given (the
// workbook's library writes only to a path): a private temporary file,
// read back and removed.
std::optional<QByteArray> bytesOfFileWritten(
        const std::function<bool(const QString &path, QString &error)> &write, QString &error);

} // namespace varnolt::report
