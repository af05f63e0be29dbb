#pragma once

#include <QString>

namespace varnolt::writers {

// A text as a quoted CSS string: quotes and backslashes escaped, controls
// as blanks, and < > as escapes, so that nothing in it can end the style
// element it stands in.
QString cssString(const QString &text);

// The printed page's running header and page numbers as CSS paged media:
// the @page rule's top and bottom margin boxes. `header` is plain text;
// `footer` a pattern whose %1 stands for the page's number and %2 for the
// number of pages ("Page %1 of %2").
QString pageMarginsCss(const QString &header, const QString &footer);

} // namespace varnolt::writers
