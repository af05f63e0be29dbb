#include "report/application.h"

#include "report/options.h"
#include "writers/docx_module_loader.h"

#include <QString>
#include <QStringList>

namespace varnolt::report {

bool writesDocx(int argc, const char *const *argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return asksForWordDocument(arguments);
}

std::unique_ptr<QCoreApplication> makeApplication(int &argc, char **argv)
{
    // Without the Word writer's module the plain application starts, and
    // writing the document then says why it cannot be written.
    QString error;
    const writers::DocxModule *docx = writesDocx(argc, argv) ? writers::docxModule(error) : nullptr;
    if (!docx)
        return std::make_unique<QCoreApplication>(argc, argv);
    return std::unique_ptr<QCoreApplication>(docx->makeApplication(argc, argv));
}

} // namespace varnolt::report
