#pragma once

#include <QString>

#include <optional>

namespace varnolt::report {

// Where -o sends the output, decided before anything is written.
struct OutputTarget {
    enum class Kind {
        StandardOutput, // no -o, or -o -
        Stream, // a device, FIFO, terminal or socket: written straight through
        File, // a regular file, new or replaced whole
    };
    Kind kind = Kind::StandardOutput;
    // For a file, its path with every link followed, so the file a link
    // points to is replaced and the link stays; for a stream, as given.
    QString path;
};

// The target `-o ARGUMENT` names (empty for none). Nullopt with `error` set
// where nothing can be written there: a folder, a loop of links.
std::optional<OutputTarget> outputTarget(const QString &argument, QString &error);

// Whether writing the target would replace the case file being read: the
// same regular file by device and inode, the case file named by `casesPath`
// or, for "-", open as standard input.
bool replacesInput(const QString &casesPath, const OutputTarget &target);

} // namespace varnolt::report
