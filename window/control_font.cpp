#include "window/control_font.h"

#include <QFontDatabase>

namespace varnolt {

namespace {

using namespace Qt::StringLiterals;

// Song faces first, as the form was designed. SimSun draws Latin letters and
// digits at exactly half the width of a Chinese character, and the narrow
// result fields are sized for that, so the monospaced Chinese faces come
// next; then the common proportional Chinese faces of Linux, Windows and
// macOS desktops.
const QStringList &wantedFamilies()
{
    static const QStringList families = {
            u"宋体"_s,
            u"SimSun"_s,
            u"NSimSun"_s,
            u"Noto Sans Mono CJK SC"_s,
            u"WenQuanYi Zen Hei Mono"_s,
            u"AR PL UMing CN"_s,
            u"Noto Serif CJK SC"_s,
            u"Source Han Serif SC"_s,
            u"Noto Sans CJK SC"_s,
            u"Source Han Sans SC"_s,
            u"WenQuanYi Zen Hei"_s,
            u"WenQuanYi Micro Hei"_s,
            u"Droid Sans Fallback"_s,
            u"Microsoft YaHei"_s,
            u"PingFang SC"_s,
            u"Songti SC"_s,
    };
    return families;
}

QStringList resolveFamilies()
{
    QStringList families;
    // The font database lists each face by its name in the user's language
    // (文泉驿等宽正黑 under zh_CN for WenQuanYi Zen Hei Mono) and knows its other
    // names as aliases. Asking for each wanted name finds the face under
    // every locale, and does not count a face the font configuration merely
    // substitutes for a missing one.
    for (const QString &family : wantedFamilies()) {
        if (QFontDatabase::hasFamily(family))
            families.append(family);
    }
    // None of the known faces: any installed face that declares the script.
    if (families.isEmpty()) {
        for (const QString &family : QFontDatabase::families()) {
            if (QFontDatabase::writingSystems(family).contains(QFontDatabase::SimplifiedChinese)) {
                families.append(family);
                break;
            }
        }
    }
    return families;
}

} // namespace

QStringList controlFontFamilies()
{
    // The font database does not change while the window is open.
    static const QStringList families = resolveFamilies();
    return families;
}

QFont controlFont(qreal pointSize)
{
    QFont font;
    const QStringList families = controlFontFamilies();
    if (!families.isEmpty())
        font.setFamilies(families);
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace varnolt
