#pragma once

#include <QString>

class QWidget;

namespace varnolt {

// Renders the window, menu bar included, into a PNG file. Returns false when
// the file cannot be written.
bool saveWindowImage(QWidget &window, const QString &path);

// For machines without a display: once the event loop has laid out and
// painted the shown window, saves its image to the path, prints the path and
// ends the event loop (exit code 1 when the file cannot be written).
void captureWhenShownAndQuit(QWidget &window, const QString &path);

// For measuring start-up: ends the event loop once the window has painted
// for the first time.
void quitAfterFirstPaint(QWidget &window);

} // namespace varnolt
