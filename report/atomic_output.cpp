#include "report/atomic_output.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace varnolt::report {

using namespace Qt::StringLiterals;

namespace {

// The named temporary file of the write in progress, for the signal
// handler: an interrupted run removes it. (QSaveFile on Linux usually writes
// into an unnamed file, which vanishes by itself.)
char pendingPath[4096];
volatile std::sig_atomic_t pending = 0;

extern "C" void removePendingAndExit(int signal)
{
    if (pending)
        ::unlink(pendingPath);
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

class PendingFile {
public:
    explicit PendingFile(const QByteArray &path)
    {
        if (!path.isEmpty() && path.size() < qsizetype(sizeof pendingPath)) {
            std::memcpy(pendingPath, path.constData(), std::size_t(path.size()) + 1);
            pending = 1;
        }
        for (const int s : {SIGINT, SIGTERM, SIGHUP, SIGPIPE})
            ::signal(s, removePendingAndExit);
    }
    ~PendingFile() { pending = 0; }
    PendingFile(const PendingFile &) = delete;
    PendingFile &operator=(const PendingFile &) = delete;
};

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// The name of the file open on `descriptor`, where it has one in the file
// system; empty for an unnamed or deleted one.
QByteArray namedPathOf(int descriptor)
{
    const QByteArray link = "/proc/self/fd/" + QByteArray::number(descriptor);
    QByteArray path(4096, Qt::Uninitialized);
    const ssize_t length = ::readlink(link.constData(), path.data(), std::size_t(path.size()));
    if (length <= 0 || length >= path.size())
        return {};
    path.truncate(length);
    struct stat open { };
    struct stat named { };
    if (::fstat(descriptor, &open) != 0 || ::stat(path.constData(), &named) != 0
            || open.st_dev != named.st_dev || open.st_ino != named.st_ino)
        return {};
    return path;
}

bool writeAll(int descriptor, QByteArrayView bytes, QString &error)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n
                = ::write(descriptor, bytes.data() + done, std::size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = n < 0 ? systemError() : u"nothing written"_s;
            return false;
        }
        done += n;
    }
    return true;
}

} // namespace

struct PiecewiseOutput::Pending {
    explicit Pending(const QByteArray &path)
        : guard(path)
    {
    }
    PendingFile guard;
};

PiecewiseOutput::PiecewiseOutput() = default;

PiecewiseOutput::~PiecewiseOutput()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
    // An uncommitted QSaveFile discards its new file when destroyed.
}

bool PiecewiseOutput::open(const OutputTarget &target, QString &error)
{
    m_kind = target.kind;
    switch (target.kind) {
    case OutputTarget::Kind::StandardOutput:
        std::fflush(stdout);
        return true;
    case OutputTarget::Kind::Stream:
        // A device, FIFO or terminal, opened and written as it is: no
        // rename, no truncation of what is not a file, no sync (which such
        // files refuse).
        m_descriptor = ::open(
                QFile::encodeName(target.path).constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        if (m_descriptor < 0) {
            error = systemError();
            return false;
        }
        return true;
    case OutputTarget::Kind::File: {
        struct stat existing { };
        const bool exists = ::stat(QFile::encodeName(target.path).constData(), &existing) == 0;
        m_file = std::make_unique<QSaveFile>(target.path);
        if (!m_file->open(QIODevice::WriteOnly)) {
            error = m_file->errorString();
            return false;
        }
        // QSaveFile gives the new file the old one's permissions, not its
        // owner: a report root rewrites for a user stays the user's. Where
        // the system refuses (another user's file), the file is still
        // written.
        const bool ownerKept
                = !exists || ::fchown(m_file->handle(), existing.st_uid, existing.st_gid) == 0;
        Q_UNUSED(ownerKept)
        m_pending = std::make_unique<Pending>(namedPathOf(m_file->handle()));
        return true;
    }
    }
    return false;
}

bool PiecewiseOutput::write(QByteArrayView bytes, QString &error)
{
    switch (m_kind) {
    case OutputTarget::Kind::StandardOutput:
        return writeAll(STDOUT_FILENO, bytes, error);
    case OutputTarget::Kind::Stream:
        return writeAll(m_descriptor, bytes, error);
    case OutputTarget::Kind::File:
        if (m_file->write(bytes.data(), bytes.size()) != bytes.size()) {
            error = m_file->errorString();
            return false;
        }
        m_written += bytes.size();
        if (m_written - m_handedToDisk >= writeBehindStep)
            writeBehind();
        return true;
    }
    return false;
}

void PiecewiseOutput::writeBehind()
{
    // What was written so far goes to the disk now, while the rest is being
    // made, rather than all at once when commit() syncs the file: a large
    // report's commit then waits for its last piece alone. Only a start of
    // the writing is asked for; commit() still syncs the whole file. A
    // buffered piece not yet with the system, or a system that declines,
    // changes nothing but when the bytes reach the disk.
    if (!m_file->flush())
        return;
#ifdef __linux__
    ::sync_file_range(
            m_file->handle(), m_handedToDisk, m_written - m_handedToDisk, SYNC_FILE_RANGE_WRITE);
#endif
    m_handedToDisk = m_written;
}

bool PiecewiseOutput::commit(QString &error)
{
    switch (m_kind) {
    case OutputTarget::Kind::StandardOutput:
        return true;
    case OutputTarget::Kind::Stream: {
        const int descriptor = m_descriptor;
        m_descriptor = -1;
        if (::close(descriptor) != 0) {
            error = systemError();
            return false;
        }
        return true;
    }
    case OutputTarget::Kind::File: {
        const bool committed = m_file->commit();
        if (!committed)
            error = m_file->errorString();
        m_pending.reset();
        return committed;
    }
    }
    return false;
}

bool writeOutput(const OutputTarget &target, const QByteArray &bytes, QString &error)
{
    PiecewiseOutput output;
    return output.open(target, error) && output.write(bytes, error) && output.commit(error);
}

std::optional<QByteArray> bytesOfFileWritten(
        const std::function<bool(const QString &path, QString &error)> &write, QString &error)
{
    QTemporaryFile temporary;
    if (!temporary.open()) {
        error = u"cannot create a temporary file: %1"_s.arg(temporary.errorString());
        return std::nullopt;
    }
    const PendingFile guard(QFile::encodeName(temporary.fileName()));
    if (!write(temporary.fileName(), error))
        return std::nullopt;
    // The writer replaced the file's contents by its own path; read them anew.
    QFile written(temporary.fileName());
    if (!written.open(QIODevice::ReadOnly)) {
        error = written.errorString();
        return std::nullopt;
    }
    QByteArray bytes = written.readAll();
    if (written.error() != QFileDevice::NoError) {
        error = written.errorString();
        return std::nullopt;
    }
    return bytes;
}

} // namespace varnolt::report
