#include "writers/format.h"

#include "writers/writers.h"

#include <QFileInfo>

#include <array>

namespace varnolt::writers {

namespace {

// Markdown and HTML belong to the printable report; their writers plug in
// here, in place of the empty entries.
const std::array<FormatEntry, 6> formatTable{{
        {Format::Table, "table", "txt", &tableText, nullptr},
        {Format::Csv, "csv", "csv", &csvText, nullptr},
        {Format::Json, "json", "json", &jsonText, nullptr},
        {Format::Markdown, "md", "md", nullptr, nullptr},
        {Format::Html, "html", "html", nullptr, nullptr},
        {Format::Xlsx, "xlsx", "xlsx", nullptr, &writeXlsx},
}};

} // namespace

std::span<const FormatEntry> formats()
{
    return formatTable;
}

const FormatEntry &formatEntry(Format format)
{
    for (const FormatEntry &entry : formatTable) {
        if (entry.format == format)
            return entry;
    }
    return formatTable.front();
}

std::optional<Format> formatNamed(const QString &name)
{
    if (name == QLatin1String("markdown"))
        return Format::Markdown;
    for (const FormatEntry &entry : formatTable) {
        if (name == QLatin1String(entry.name))
            return entry.format;
    }
    return std::nullopt;
}

std::optional<Format> formatOfPath(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("htm"))
        return Format::Html;
    if (suffix == QLatin1String("markdown"))
        return Format::Markdown;
    for (const FormatEntry &entry : formatTable) {
        if (suffix == QLatin1String(entry.extension))
            return entry.format;
    }
    return std::nullopt;
}

} // namespace varnolt::writers
