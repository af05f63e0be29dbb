#include "writers/shown_text.h"

#include "design/case_fields.h"
#include "model/quoted_excerpt.h"

#include <algorithm>

namespace varnolt::writers {

QString shownText(const QString &text, qsizetype longest)
{
    QString shown;
    shown.reserve(std::min(text.size(), longest + 1));
    for (const QChar ch : text) {
        // One character past the bound tells that the text is cut; a blank
        // there may still be the text's last.
        if (shown.size() > longest && shown.back() != u' ')
            break;
        if (design::case_file::isBidiControl(ch.unicode()))
            continue;
        if (ch.isSpace() || ch.category() == QChar::Other_Control) {
            if (!shown.isEmpty() && shown.back() != u' ')
                shown += u' ';
            continue;
        }
        shown += ch;
    }
    shown = shown.trimmed();
    if (shown.size() > longest)
        return leftWhole(shown, longest).trimmed() + u'…';
    return shown;
}

QString isolated(const QString &text)
{
    const bool rightToLeft = std::any_of(text.begin(), text.end(), [](QChar ch) {
        const QChar::Direction d = ch.direction();
        return d == QChar::DirR || d == QChar::DirAL || d == QChar::DirAN;
    });
    if (!rightToLeft)
        return text;
    return QChar(0x2068) + text + QChar(0x2069);
}

} // namespace varnolt::writers
