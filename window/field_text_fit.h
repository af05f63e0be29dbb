#pragma once

#include <QtGlobal>

class QFont;
class QLineEdit;
class QString;

namespace varnolt {

// Below this size the digits of a field are no longer comfortably read on a
// 96 DPI screen; a text too long even at this size is clipped at its tail.
inline constexpr qreal MinimumLegiblePointSize = 7.0;

// Keeps every text of the field wholly visible: a text wider than the
// field's fixed width is drawn in a smaller size of the field's font, in
// half-point steps down to MinimumLegiblePointSize, and the field returns
// to its own size as soon as its text fits again. The tooltip always holds
// the whole text. Only this field changes size.
void fitTextToField(QLineEdit *field, qreal pointSize);

// Whether the text, drawn in the font, fits between the field's frame and
// margins with room for the cursor.
bool textFitsField(const QLineEdit *field, const QString &text, const QFont &font);

} // namespace varnolt
