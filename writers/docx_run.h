#pragma once

#include "writers/report_document.h"

#include <QString>

#include <vector>

namespace varnolt::writers {

// One run of a Word paragraph: text in one set of character properties.
// A formula's indices and powers are runs of their own, lowered or raised
// by the word processor rather than by characters of a smaller size.
struct DocxRun {
    enum class Shift { None, Subscript, Superscript };
    QString text;
    bool bold = false;
    Shift shift = Shift::None;
};

// The runs a table cell is written as. Every cell of every table goes
// through here, so that a formula cell can be split into lowered and raised
// runs in one place; for now a cell is one plain run, bold when it holds a
// governing figure.
std::vector<DocxRun> cellRuns(const ReportCell &cell);

} // namespace varnolt::writers
