#include "window/standard_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace varnolt {

void loadChineseStandardTexts()
{
    // Lives as long as the application; installed once.
    static QTranslator *translator = [] {
        auto *loaded = new QTranslator(QCoreApplication::instance());
        if (loaded->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                    QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(loaded);
        return loaded;
    }();
    Q_UNUSED(translator);
}

} // namespace varnolt
