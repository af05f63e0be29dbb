#pragma once

#include <QStringView>

#include <span>

namespace varnolt {

enum class ControlKind { Label, TextField, Button };

// One control of the form as drawn: its name, kind, place and size in twips
// from the top left of the client area, its caption or initial text and its
// position in the keyboard focus order. Labels carry a tab index too but can
// never take the focus.
struct ControlSpec {
    QStringView name;
    ControlKind kind;
    int left;
    int top;
    int width;
    int height;
    QStringView caption;
    int tabIndex;
};

// A horizontal rule of the form, in twips; it may run past the client area.
struct LineSpec {
    QStringView name;
    int x1;
    int x2;
    int y;
};

// Text fields take their initial text from the form model, so their captions
// here are empty.
std::span<const ControlSpec> formControls();
std::span<const LineSpec> formLines();

// The label naming each text field, for screen readers.
QStringView labelOf(QStringView fieldName);

// Client area of the form, in twips.
inline constexpr int ClientWidthTwips = 6000;
inline constexpr int ClientHeightTwips = 5490;

} // namespace varnolt
