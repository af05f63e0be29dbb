#pragma once

#include "report/output_target.h"

#include <QByteArray>
#include <QString>

#include <QByteArrayView>
#include <QSaveFile>

#include <functional>
#include <memory>
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

// The same output written in pieces as they are made: a file goes into its
// new file beside it and replaces the old one only at commit(), so it is
// still written whole or not at all (an output dropped before commit()
// leaves the file as it was); a stream and standard output take each piece
// as it comes. Each call false with `error` set where the bytes did not all
// arrive.
class PiecewiseOutput {
public:
    PiecewiseOutput();
    ~PiecewiseOutput();
    PiecewiseOutput(const PiecewiseOutput &) = delete;
    PiecewiseOutput &operator=(const PiecewiseOutput &) = delete;

    bool open(const OutputTarget &target, QString &error);
    bool write(QByteArrayView bytes, QString &error);
    bool commit(QString &error);

private:
    // A file's bytes are handed to the disk every this many (32 MiB).
    static constexpr qint64 writeBehindStep = qint64(1) << 25;

    void writeBehind();

    struct Pending;
    OutputTarget::Kind m_kind = OutputTarget::Kind::StandardOutput;
    qint64 m_written = 0; // bytes written to the file
    qint64 m_handedToDisk = 0; // of which the disk has been asked to take
    int m_descriptor = -1; // a stream's
    std::unique_ptr<QSaveFile> m_file;
    std::unique_ptr<Pending> m_pending; // the file's removal on a signal
};

// The bytes of a file that `write` makes at the path it is given (the
// workbook's library writes only to a path): a private temporary file,
// read back and removed.
std::optional<QByteArray> bytesOfFileWritten(
        const std::function<bool(const QString &path, QString &error)> &write, QString &error);

} // namespace varnolt::report
