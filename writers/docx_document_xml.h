#pragma once

#include "writers/docx_run.h"
#include "writers/report_document.h"

#include <QByteArray>
#include <QString>
#include <QXmlStreamWriter>

#include <cstddef>
#include <map>
#include <vector>

namespace varnolt::writers {

// A sketch picture as the body places it: its relationship's number
// (rIdSketchN, word/media/sketchN.png), its printed size and a description
// for readers who do not see it.
struct PlacedPicture {
    int number = 0;
    qint64 widthEmu = 0;
    qint64 heightEmu = 0;
    QString description;
};

// word/document.xml: the title page (the project's table, the title, the
// date and the sign-off table), then every section's blocks in order, the
// report proper and each case starting a page. Headings of level 2, 3 and 4
// take the styles Heading1 to Heading3; tables repeat their header row and
// keep each row on one page; a sketch block shows the picture placed for
// its case, none where `pictures` has none.
QByteArray docxDocumentXml(
        const ReportDocument &doc, const std::map<std::size_t, PlacedPicture> &pictures);

// Writes runs (w:r) into the paragraph open in `xml`: bold, lowered or
// raised as each run says, line breaks and tabs as Word's own, characters
// XML forbids left out. `halfPoints` sets the size, 0 the style's.
void writeDocxRuns(QXmlStreamWriter &xml, const std::vector<DocxRun> &runs, int halfPoints = 0);

} // namespace varnolt::writers
