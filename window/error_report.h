#pragma once

#include "model/errors.h"

#include <QString>

#include <optional>

class QWidget;

namespace varnolt {

// The longest message the box shows; a longer one is cut with an ellipsis.
// The commands already quote a user's text shortly; this bounds any message.
inline constexpr qsizetype MaxShownMessageLength = 400;

// Shows the modal box for a failed command and returns when the user closes
// it. The box never grows taller or wider than the screen's available area:
// a message that would make it so is shortened further. When the error is about the
// text or value of a field, that field then takes the focus with its text
// selected, ready to be typed over; any other error leaves the focus where
// it was.
void reportError(QWidget *window, const CalcError &error);

// The field to return to after the error: one whose text could not be read
// as a number or whose value lies outside its quantity's range.
std::optional<Field> fieldToCorrect(const CalcError &error);

// Runs one event's command. A failure stops the command where it arose, with
// everything it wrote left in place; the user is told, and the window stays
// open with its fields as they are, so a typing mistake costs no input.
template <typename Command> void runCommand(QWidget *window, Command &&command)
{
    try {
        command();
    } catch (const CalcError &error) {
        reportError(window, error);
    }
}

} // namespace varnolt
