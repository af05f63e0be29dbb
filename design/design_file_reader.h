#pragma once

#include "design/design_file.h"

#include <QByteArrayView>
#include <QString>

namespace varnolt::design {

// Reads a design file in TOML: [project], [weir], [basin], [tailwater] and
// [[flood]] with the keys the manual lists. Every fault of the file as a
// whole is a located error — a TOML syntax error with the parser's line and
// column, a missing required key, a key of the wrong type, an unknown key (a
// typo is never ignored), a width, coefficient or discharge not above zero,
// a floor or approach bed not below the crest, a tailwater table whose
// discharges do not ascend or whose levels fall — and no design is given
// then. `fileName` names the file in the messages. Never throws.
DesignFileReading readDesignFile(QByteArrayView bytes, const QString &fileName);

} // namespace varnolt::design
