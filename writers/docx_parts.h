#pragma once

#include "writers/report_words.h"

#include <QByteArray>
#include <QDate>
#include <QString>

namespace varnolt::writers {

// The page the report is laid out on, in twentieths of a point: A4 portrait
// with the HTML report's print margins (18 mm above and to the right, 20 mm
// below and to the left for binding), the running header and footer 10 mm
// from the paper's edge.
namespace docx_page {
inline constexpr int width = 11906;
inline constexpr int height = 16838;
inline constexpr int marginTop = 1020;
inline constexpr int marginRight = 1020;
inline constexpr int marginBottom = 1134;
inline constexpr int marginLeft = 1134;
inline constexpr int headerDistance = 567;
inline constexpr int footerDistance = 567;
inline constexpr int textWidth = width - marginLeft - marginRight;
} // namespace docx_page

// The package's fixed parts, apart from the document's body.

// Word's built-in paragraph styles the body uses: Normal, Title, Heading1 to
// Heading3 (named "heading 1" … with their outline levels, so that the
// navigation pane and a table of contents find them), Header and Footer.
QByteArray docxStylesXml(ReportLanguage language);
QByteArray docxSettingsXml();
// The running header: one centred line of plain text.
QByteArray docxHeaderXml(const QString &text);
// The footer: `pattern` with PAGE in place of %1 and NUMPAGES of %2.
QByteArray docxFooterXml(const QString &pattern);
// Title, subject (the project), creator and the report's day as created
// and modified.
QByteArray docxCoreXml(
        const QString &title, const QString &subject, QDate date, ReportLanguage language);
QByteArray docxAppXml();
// [Content_Types].xml: PNG and the relationships by extension, every other
// part by name.
QByteArray docxContentTypesXml();
QByteArray docxPackageRelsXml();
// The document's relationships: styles, settings, header, footer and the
// sketches word/media/sketchN.png, rIdSketchN, N from 1 to `pictures`.
QByteArray docxDocumentRelsXml(int pictures);

} // namespace varnolt::writers
