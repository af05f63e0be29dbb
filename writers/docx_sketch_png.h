#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace varnolt::writers {

// A sketch as a picture for a word processor: PNG pixels at 300 dpi and
// the size it is printed at, in English Metric Units (36000 to the
// millimetre), the SVG's own paper size, so that the scale the sketch
// states holds on paper.
struct DocxPicture {
    QByteArray png;
    qint64 widthEmu = 0;
    qint64 heightEmu = 0;
};

inline constexpr int docxPictureDpi = 300;
inline constexpr qint64 emuPerMillimetre = 36000;

// The sketch SVG of sketch_svg.h drawn with Qt SVG, with the report's
// sketch styles inside it (the HTML report gives them in its style sheet).
// Nullopt for an SVG without a paper size, or where nothing can be painted
// (text needs a QGuiApplication).
std::optional<DocxPicture> sketchPicture(const QString &svg);

} // namespace varnolt::writers
