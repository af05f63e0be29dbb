#pragma once

#include "writers/docx_document_xml.h"

#include <QXmlStreamWriter>

// The pieces of word/document.xml's body, each written into the open
// w:body; the namespaces are declared on the document's root.
namespace varnolt::writers {

// A Word table (w:tbl) across the text width: ruled, the columns shared as
// the HTML report shares them, the header row repeated on every page, no
// row split between pages, numbers to the right and governing figures bold
// in a heavier frame.
void writeDocxTable(QXmlStreamWriter &xml, const ReportTable &table);

// A centred paragraph holding the picture inline at its printed size.
void writeDocxPicture(QXmlStreamWriter &xml, const PlacedPicture &picture);

} // namespace varnolt::writers
