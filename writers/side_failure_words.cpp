#include "writers/side_failure_words.h"

#include "writers/error_words.h"
#include "writers/report_translator.h"

namespace varnolt::writers {

namespace {

const char *sourceOf(design::SideQuantity quantity)
{
    switch (quantity) {
    case design::SideQuantity::Apron:
        return QT_TRANSLATE_NOOP("SideFailureWords", "apron length Lp not computed: %1");
    case design::SideQuantity::Slab:
        return QT_TRANSLATE_NOOP("SideFailureWords", "slab thickness not computed: %1");
    case design::SideQuantity::Uplift:
        return QT_TRANSLATE_NOOP("SideFailureWords", "uplift check not computed: %1");
    case design::SideQuantity::Scour:
        return QT_TRANSLATE_NOOP("SideFailureWords", "scour depth not computed: %1");
    }
    return "%1";
}

} // namespace

QString sideFailureWords(const design::SideFailure &failure, ReportLanguage language)
{
    return ReportWords::of(language)
            .translate("SideFailureWords", sourceOf(failure.quantity))
            .arg(errorWords(failure.error, language));
}

} // namespace varnolt::writers
