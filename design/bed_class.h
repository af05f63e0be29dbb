#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace varnolt::design {

// The apron-length coefficient Ks by the bed the apron ends on, at the upper
// end of the code's range for each class.
struct BedClass {
    const char *keyword; // as given on the command line
    const char16_t *name; // the class in the engineer's words
    double ks;
};

inline constexpr BedClass bedClasses[] = {
        {"fine-sand", u"粉砂、细砂", 14},
        {"coarse-sand", u"中砂、粗砂", 12},
        {"silty-clay", u"粉质黏土", 10},
        {"stiff-clay", u"坚硬黏土", 8},
};

// Ks for a bed class's keyword, exactly as listed; nullopt for any other.
inline std::optional<double> apronCoefficientOfBed(const QString &keyword)
{
    for (const BedClass &bed : bedClasses) {
        if (keyword == QLatin1String(bed.keyword))
            return bed.ks;
    }
    return std::nullopt;
}

} // namespace varnolt::design
