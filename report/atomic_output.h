#pragma once

#include <QString>

#include <functional>

namespace varnolt::report {

// Writes a file whole or not at all: the content goes into a temporary file
// in the target's folder, which then replaces the target in one rename. A
// failed or interrupted run leaves the target as it was. `write` fills the
// temporary file at the path it is given and says whether it succeeded.
bool writeAtomically(const QString &target,
        const std::function<bool(const QString &temporaryPath, QString &error)> &write,
        QString &error);

// Bytes into a file at `path`, flushed to the disk.
bool writeBytes(const QString &path, const QByteArray &bytes, QString &error);

// Whether two paths name the same existing file (through links too).
bool sameFile(const QString &a, const QString &b);

} // namespace varnolt::report
