#include "report/output_target.h"

#include <QByteArray>
#include <QFile>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace varnolt::report {

using namespace Qt::StringLiterals;

namespace {

// As many links as the kernel follows in one path before it gives up.
constexpr int maxLinksFollowed = 40;

QString systemError(int number)
{
    return QString::fromLocal8Bit(std::strerror(number));
}

// The file a dangling link (or a chain of them) would create, or the path
// itself where it is no link: a shell's `>` creates the file at the link's
// end, and so does -o.
std::optional<QByteArray> endOfLinks(QByteArray path, QString &error)
{
    for (int followed = 0; followed <= maxLinksFollowed; ++followed) {
        struct stat status { };
        if (::lstat(path.constData(), &status) != 0 || !S_ISLNK(status.st_mode))
            return path;
        QByteArray target(PATH_MAX, Qt::Uninitialized);
        const ssize_t length = ::readlink(path.constData(), target.data(), std::size_t(PATH_MAX));
        if (length < 0 || length >= PATH_MAX) {
            error = systemError(length < 0 ? errno : ENAMETOOLONG);
            return std::nullopt;
        }
        target.truncate(length);
        const qsizetype slash = path.lastIndexOf('/');
        path = target.startsWith('/') || slash < 0 ? target : path.left(slash + 1) + target;
    }
    error = systemError(ELOOP);
    return std::nullopt;
}

} // namespace

std::optional<OutputTarget> outputTarget(const QString &argument, QString &error)
{
    if (argument.isEmpty() || argument == u"-"_s)
        return OutputTarget{OutputTarget::Kind::StandardOutput, QString()};
    const QByteArray path = QFile::encodeName(argument);
    struct stat status { };
    if (::stat(path.constData(), &status) == 0) {
        if (S_ISDIR(status.st_mode)) {
            error = u"is a folder"_s;
            return std::nullopt;
        }
        // Renaming a file over a device or a FIFO would put a plain file in
        // its place; they are written as a shell's `>` writes them.
        if (!S_ISREG(status.st_mode))
            return OutputTarget{OutputTarget::Kind::Stream, argument};
        char *resolved = ::realpath(path.constData(), nullptr);
        if (!resolved) {
            error = systemError(errno);
            return std::nullopt;
        }
        const QString file = QFile::decodeName(resolved);
        std::free(resolved);
        return OutputTarget{OutputTarget::Kind::File, file};
    }
    if (errno != ENOENT) {
        error = systemError(errno);
        return std::nullopt;
    }
    const auto created = endOfLinks(path, error);
    if (!created)
        return std::nullopt;
    return OutputTarget{OutputTarget::Kind::File, QFile::decodeName(*created)};
}

bool replacesInput(const QString &casesPath, const OutputTarget &target)
{
    if (target.kind != OutputTarget::Kind::File || casesPath.isEmpty())
        return false;
    struct stat output { };
    struct stat input { };
    if (::stat(QFile::encodeName(target.path).constData(), &output) != 0)
        return false; // a new file replaces nothing
    const bool known = casesPath == u"-"_s
            ? ::fstat(STDIN_FILENO, &input) == 0
            : ::stat(QFile::encodeName(casesPath).constData(), &input) == 0;
    return known && S_ISREG(input.st_mode) && input.st_dev == output.st_dev
            && input.st_ino == output.st_ino;
}

} // namespace varnolt::report
