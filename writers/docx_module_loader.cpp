#include "writers/docx_module_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

namespace varnolt::writers {

using namespace Qt::StringLiterals;

namespace {

// The module, or why each copy found could not be loaded (none found: an
// empty list). The message is made when it is asked for, so that it is in
// the language installed by then.
struct Loaded {
    const DocxModule *module = nullptr;
    QStringList failures;
};

// The folders the module may be in: the program's own (the build tree puts
// it there) and the library folder the installation gives it, found from
// the program's place so that an installation under any prefix works.
QStringList moduleFolders()
{
    const QString program = QFileInfo(u"/proc/self/exe"_s).canonicalFilePath();
    const QDir folder = QFileInfo(program).absoluteDir();
    return {folder.absolutePath(),
            QDir::cleanPath(folder.filePath(QStringLiteral(VARNOLT_DOCX_MODULE_FROM_BIN)))};
}

Loaded load()
{
    using Entry = const DocxModule *(*)();
    QStringList failures;
    for (const QString &folder : moduleFolders()) {
        const QString path = QDir(folder).filePath(QStringLiteral(VARNOLT_DOCX_MODULE_NAME));
        if (!QFileInfo::exists(path))
            continue;
        QLibrary library(path);
        // The module stays loaded for the rest of the run: a QLibrary going
        // out of scope does not unload it.
        const auto entry = reinterpret_cast<Entry>(library.resolve("varnolt_docx_module"));
        if (entry)
            return Loaded{entry(), {}};
        failures << library.errorString();
    }
    return Loaded{nullptr, failures};
}

} // namespace

const DocxModule *docxModule(QString &error)
{
    static const Loaded loaded = load();
    if (loaded.module)
        return loaded.module;
    error = loaded.failures.isEmpty() ? QCoreApplication::translate(
                    "varnolt::writers::DocxModule", "the Word writer (%1) is not installed")
                                                .arg(QStringLiteral(VARNOLT_DOCX_MODULE_NAME))
                                      : loaded.failures.join(u"; "_s);
    return nullptr;
}

std::optional<QByteArray> docxReportThroughModule(
        const design::DesignResult &design, const ReportSettings &settings, QString &error)
{
    const DocxModule *module = docxModule(error);
    if (!module)
        return std::nullopt;
    return module->report(design, settings, error);
}

} // namespace varnolt::writers
