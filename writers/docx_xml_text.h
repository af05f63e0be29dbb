#pragma once

#include <QString>

namespace varnolt::writers {

// Text as XML 1.0 may carry it: the characters it forbids (controls other
// than tab, line feed and carriage return, U+FFFE, U+FFFF and halves of
// surrogate pairs standing alone) left out. QXmlStreamWriter escapes the
// markup characters but writes these as they are, and a word processor
// refuses a part that holds one.
QString xmlAllowed(const QString &text);

} // namespace varnolt::writers
