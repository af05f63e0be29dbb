#pragma once

#include "model/form_model.h"

#include <QString>
#include <QStringView>

#include <optional>
#include <span>

namespace varnolt {

enum class ControlKind { Label, TextField, Button };

// The controls' font sizes in points: 10.5 everywhere but the submergence
// factor's field.
inline constexpr qreal ControlPointSize = 10.5;
inline constexpr qreal LargeFieldPointSize = 12.0;

// One control of the form as drawn: its name, kind, place and size in twips
// from the top left of the client area, its caption, its position in the
// keyboard focus order, its font size and, for a label that names a field,
// that field. Labels carry a tab index too but can never take the focus.
struct ControlRow {
    QStringView name;
    ControlKind kind;
    int left;
    int top;
    int width;
    int height;
    // Buttons only: a label naming a field shows the field's caption from the
    // form model, and the verdict line starts empty.
    QStringView caption;
    int tabIndex;
    qreal pointSize;
    std::optional<Field> namesField;
};

// A horizontal rule of the form, in twips; it may run past the client area.
struct LineRow {
    QStringView name;
    int x1;
    int x2;
    int y;
};

// Text fields take their initial text from the form model, so their captions
// here are empty.
std::span<const ControlRow> formControls();
std::span<const LineRow> formLines();

// The text a control shows when the window opens: a field-naming label's
// caption from the form model, a button's own caption, nothing otherwise.
QString captionOf(const ControlRow &row);

// Client area of the form, in twips.
inline constexpr int ClientWidthTwips = 6000;
inline constexpr int ClientHeightTwips = 5490;

} // namespace varnolt
