#pragma once

#include <QByteArray>
#include <QString>
#include <QXmlStreamWriter>

#include <functional>

namespace varnolt::writers {

// The namespaces of a word-processing package's parts.
namespace ooxml {
inline constexpr auto wordMl = "http://schemas.openxmlformats.org/wordprocessingml/2006/main";
inline constexpr auto relationships
        = "http://schemas.openxmlformats.org/officeDocument/2006/relationships";
inline constexpr auto packageRelationships
        = "http://schemas.openxmlformats.org/package/2006/relationships";
inline constexpr auto contentTypes = "http://schemas.openxmlformats.org/package/2006/content-types";
inline constexpr auto drawingMl = "http://schemas.openxmlformats.org/drawingml/2006/main";
inline constexpr auto picture = "http://schemas.openxmlformats.org/drawingml/2006/picture";
inline constexpr auto wordDrawing
        = "http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing";
} // namespace ooxml

// One XML part in UTF-8 with its declaration, the body written by `body`.
QByteArray xmlPart(const std::function<void(QXmlStreamWriter &)> &body);

// A WordprocessingML element with one w:val attribute: <w:NAME w:val="VALUE"/>.
void writeValued(QXmlStreamWriter &xml, const QString &name, const QString &value);

} // namespace varnolt::writers
