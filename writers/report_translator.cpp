#include "writers/report_translator.h"

#include <QLocale>

namespace varnolt::writers {

using namespace Qt::StringLiterals;

bool loadCatalogue(QTranslator &translator, const QLocale &locale)
{
    // The catalogues are resources of this library (qt_add_translations),
    // so the program needs no installed files.
    return translator.load(locale, u"varnolt"_s, u"_"_s, u":/i18n"_s);
}

ReportWords::ReportWords(ReportLanguage language)
{
    if (language == ReportLanguage::Chinese) {
        translated_ = loadCatalogue(translator_, QLocale(QLocale::Chinese, QLocale::China));
        // Without its Chinese catalogue the program would print an English
        // report where a Chinese one is asked for: fail loudly instead.
        if (!translated_)
            qFatal("varnolt: the embedded Chinese catalogue is missing");
    }
}

const ReportWords &ReportWords::of(ReportLanguage language)
{
    static const ReportWords chinese(ReportLanguage::Chinese);
    static const ReportWords english(ReportLanguage::English);
    return language == ReportLanguage::Chinese ? chinese : english;
}

QString ReportWords::translate(
        const char *context, const char *source, const char *disambiguation) const
{
    if (translated_) {
        QString text = translator_.translate(context, source, disambiguation);
        if (!text.isEmpty())
            return text;
    }
    return QString::fromUtf8(source);
}

} // namespace varnolt::writers
