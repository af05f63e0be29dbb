#pragma once

#include <QString>

namespace varnolt::writers {

// A text from the user's files or command line as the report shows it on one
// line: line breaks and other controls as blanks, blanks run together,
// bidirectional controls left out (an unmatched one would reorder the words
// around it), and at most `longest` characters, an ellipsis marking a cut.
QString shownText(const QString &text, qsizetype longest);

// A shown text set apart from the text around it for the bidirectional
// algorithm (U+2068 … U+2069), so that a right-to-left name cannot carry
// the figures or words beside it into its own direction. A text without a
// right-to-left character needs nothing and stays as it is.
QString isolated(const QString &text);

} // namespace varnolt::writers
