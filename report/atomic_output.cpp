#include "report/atomic_output.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
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

// The temporary file of the write in progress, for the signal handler: an
// interrupted run removes it and leaves the target untouched.
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
        if (path.size() < qsizetype(sizeof pendingPath)) {
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

} // namespace

bool writeBytes(const QString &path, const QByteArray &bytes, QString &error)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) {
        error = systemError();
        return false;
    }
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, std::size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = systemError();
            ::close(fd);
            return false;
        }
        done += n;
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        error = systemError();
        return false;
    }
    return true;
}

bool writeAtomically(const QString &target,
        const std::function<bool(const QString &temporaryPath, QString &error)> &write,
        QString &error)
{
    const QFileInfo info(target);
    if (info.isDir()) {
        error = u"is a folder"_s;
        return false;
    }
    QTemporaryFile temporary(info.absolutePath() + u"/."_s + info.fileName() + u".XXXXXX"_s);
    if (!temporary.open()) {
        error = u"cannot create a file in %1: %2"_s.arg(
                info.absolutePath(), temporary.errorString());
        return false;
    }
    temporary.close();
    const QByteArray temporaryPath = QFile::encodeName(temporary.fileName());
    const PendingFile guard(temporaryPath);

    if (!write(temporary.fileName(), error))
        return false;

    // The permissions a new file gets here, not the temporary file's 0600.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(temporaryPath.constData(), 0666 & ~mask);

    if (::rename(temporaryPath.constData(), QFile::encodeName(target).constData()) != 0) {
        error = systemError();
        return false;
    }
    temporary.setAutoRemove(false);
    return true;
}

bool sameFile(const QString &a, const QString &b)
{
    struct stat sa { };
    struct stat sb { };
    if (::stat(QFile::encodeName(a).constData(), &sa) != 0
            || ::stat(QFile::encodeName(b).constData(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

} // namespace varnolt::report
