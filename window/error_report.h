#pragma once

#include "model/errors.h"

#include <QString>

class QWidget;

namespace varnolt {

// Shows the modal box for a failed command and returns when the user closes it.
void reportError(QWidget *window, const CalcError &error);

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
