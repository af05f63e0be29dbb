#include "writers/format.h"

#include "writers/docx_module_loader.h"
#include "writers/html_report.h"
#include "writers/markdown_report.h"
#include "writers/writers.h"

#include <QFileInfo>

#include <algorithm>
#include <array>

namespace varnolt::writers {

namespace {

// Markdown, HTML and the Word document are the printable calculation report.
const std::array<FormatEntry, 7> formatTable{{
        {Format::Table, "table", "txt", &tableText, nullptr, nullptr, nullptr},
        {Format::Csv, "csv", "csv", &csvText, nullptr, nullptr, nullptr},
        {Format::Json, "json", "json", &jsonText, nullptr, nullptr, nullptr},
        {Format::Markdown, "md", "md", nullptr, nullptr, nullptr, &writeMarkdownReport},
        {Format::Html, "html", "html", nullptr, nullptr, nullptr, &writeHtmlReport},
        {Format::Xlsx, "xlsx", "xlsx", nullptr, &writeXlsx, nullptr, nullptr},
        {Format::Docx, "docx", "docx", nullptr, nullptr, &docxReportThroughModule, nullptr},
}};

} // namespace

std::span<const FormatEntry> formats()
{
    return formatTable;
}

const FormatEntry &formatEntry(Format format)
{
    const auto found = std::find_if(formatTable.begin(), formatTable.end(),
            [format](const FormatEntry &entry) { return entry.format == format; });
    return found != formatTable.end() ? *found : formatTable.front();
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
