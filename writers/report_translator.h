#pragma once

#include "writers/report_words.h"

#include <QString>
#include <QTranslator>

namespace varnolt::writers {

// The catalogue's words in one report language. The report's language is
// chosen by --lang, not by the user's locale, so a report translates through
// a translator of its own rather than the one the program installs: English
// answers the source text, Chinese the catalogue's translation.
class ReportWords {
public:
    // The words of `language`, loaded once from the embedded catalogue.
    static const ReportWords &of(ReportLanguage language);

    // The text of `source` (UTF-8, as the catalogue holds it) under
    // `context` and `disambiguation`; the source itself when the catalogue
    // has no translation.
    QString translate(
            const char *context, const char *source, const char *disambiguation = nullptr) const;

private:
    explicit ReportWords(ReportLanguage language);

    bool translated_ = false;
    QTranslator translator_;
};

// The embedded catalogue of `locale`'s language (":/i18n/varnolt_zh_CN.qm"
// for Chinese), loaded into `translator`; false for a language without one.
bool loadCatalogue(QTranslator &translator, const QLocale &locale);

} // namespace varnolt::writers
