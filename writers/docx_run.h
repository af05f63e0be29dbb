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

// The runs a table cell is written as, bold when it holds a governing
// figure: a calculation in one line with its indices lowered and its powers
// raised, any other cell one plain run.
std::vector<DocxRun> cellRuns(const ReportCell &cell);

} // namespace varnolt::writers
