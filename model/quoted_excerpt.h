#pragma once

#include <QString>

namespace varnolt {

// What an excerpt does with control characters: the window quotes a field's
// text as typed; a file, a command line or a terminal shows each as U+FFFD,
// so that a line break or an escape in the input cannot break the message.
enum class ControlCharacters { Kept, Replaced };

// The first `longest` UTF-16 units of a text, one fewer where the cut would
// fall inside a surrogate pair: a character outside the Basic Multilingual
// Plane is kept whole or left out, never halved.
QString leftWhole(const QString &text, qsizetype longest);

// A text from outside as a message quotes it: at most 40 characters, then an
// ellipsis, so that a long paste cannot make a message box taller than the
// screen or a row message run on. A character written as a surrogate pair is
// never cut in two.
QString quotedExcerpt(const QString &text, ControlCharacters controls = ControlCharacters::Kept);

} // namespace varnolt
