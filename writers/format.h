#pragma once

#include "design/case_result.h"
#include "writers/report_words.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>
#include <span>

namespace varnolt::writers {

struct ReportSettings;

// The formats a design is written in.
enum class Format { Table, Csv, Json, Markdown, Html, Xlsx, Docx };

// How a format is written: text formats give their bytes, the workbook is
// written by its library straight into a file. A format whose writer is not
// part of this build has neither.
struct FormatEntry {
    Format format;
    const char *name; // for --format
    const char *extension; // of -o FILE, lower case, without the dot
    // The messages in the machine formats follow the report's language.
    QByteArray (*toBytes)(const design::DesignResult &, ReportLanguage);
    // Writes the file at `path`; false with `error` set when it cannot.
    bool (*toFile)(
            const design::DesignResult &, const QString &path, QString &error, ReportLanguage);
    // The calculation report's formats, headed by a title and date in a language.
    // None with the error where it could not be made.
    std::optional<QByteArray> (*toReport)(
            const design::DesignResult &, const ReportSettings &, QString &error);
    // The same report written a piece at a time, where the format allows it,
    // so that a report of many cases is never held whole; false as soon as
    // a piece cannot be written.
    bool (*writeReport)(const design::DesignResult &, const ReportSettings &,
            const std::function<bool(QByteArrayView)> &);

    bool isReport() const { return toReport || writeReport; }
};

// Every format, in the order --help lists them.
std::span<const FormatEntry> formats();

const FormatEntry &formatEntry(Format format);

// The format of a --format name ("table", "csv", "json", "md", "html",
// "xlsx", "docx"; "markdown" too), nullopt for any other.
std::optional<Format> formatNamed(const QString &name);

// The format a file's extension stands for, case-insensitively.
std::optional<Format> formatOfPath(const QString &path);

} // namespace varnolt::writers
