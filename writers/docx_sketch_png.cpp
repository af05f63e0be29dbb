#include "writers/docx_sketch_png.h"

#include "writers/grey_png.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <cmath>

namespace varnolt::writers {

using namespace Qt::StringLiterals;

namespace {

// The sketch rules of the HTML report's style sheet, for an SVG that stands
// alone. The labels' face and size go on each text element (see
// forQtSvg): Qt SVG leaves them at its default size from a style sheet.
const char16_t *const sketchStyle = uR"css(
.surface { fill: none; stroke: #000; stroke-width: 0.4; }
.water { stroke: none; }
.concrete { stroke: #000; stroke-width: 0.45; }
.ground { stroke: none; }
.edge { stroke: #000; stroke-width: 0.6; }
.level { stroke: #000; stroke-width: 0.4; }
.reference { stroke: #000; stroke-width: 0.2; stroke-dasharray: 2 0.6 0.4 0.6; }
.mark { fill: #fff; stroke: #000; stroke-width: 0.25; }
.dim line { stroke: #000; stroke-width: 0.18; }
)css";

// The paper size of the sketch's root, in millimetres.
std::optional<QSizeF> paperSize(const QString &svg)
{
    static const QRegularExpression size(uR"(width:([0-9.]+)mm;height:([0-9.]+)mm)"_s);
    const auto match = size.match(svg);
    if (!match.hasMatch())
        return std::nullopt;
    const double width = match.captured(1).toDouble();
    const double height = match.captured(2).toDouble();
    if (!(width > 0) || !(height > 0) || width > 1000 || height > 1000)
        return std::nullopt;
    return QSizeF(width, height);
}

// The sketch as Qt SVG draws it like a browser: the style sheet inside,
// the labels' face and size on each label, without the white halo a
// browser draws behind them (Qt SVG has no paint-order), and the hatchings
// as flat greys (Qt SVG draws no patterns): water lightest, then the
// ground, the concrete darkest.
QString forQtSvg(const QString &svg)
{
    const qsizetype rootEnd = svg.indexOf(u'>');
    if (rootEnd < 0)
        return svg;
    QString body = svg.mid(rootEnd + 1);
    body.replace(u"<text "_s,
            u"<text font-family=\"DejaVu Sans, WenQuanYi Zen Hei, Noto Sans CJK SC, sans-serif\" "
            u"font-size=\"2.6\" fill=\"#000\" stroke=\"none\" "_s);
    static const QRegularExpression hatching(
            uR"re(fill="url\(#[^)"]*-(water|concrete|ground)\)")re"_s);
    QString flat;
    qsizetype at = 0;
    for (auto it = hatching.globalMatch(body); it.hasNext();) {
        const auto match = it.next();
        flat += QStringView(body).mid(at, match.capturedStart() - at);
        const QString kind = match.captured(1);
        flat += kind == u"water"_s    ? u"fill=\"#eeeeee\""_s
                : kind == u"ground"_s ? u"fill=\"#bbbbbb\""_s
                                      : u"fill=\"#d4d4d4\""_s;
        at = match.capturedEnd();
    }
    flat += QStringView(body).mid(at);
    return svg.left(rootEnd + 1) + u"\n<style type=\"text/css\">"_s
            + QString::fromUtf16(sketchStyle) + u"</style>"_s + flat;
}

} // namespace

std::optional<DocxPicture> sketchPicture(const QString &svg)
{
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return std::nullopt;
    const auto paper = paperSize(svg);
    if (!paper)
        return std::nullopt;
    QSvgRenderer renderer(forQtSvg(svg).toUtf8());
    if (!renderer.isValid())
        return std::nullopt;
    const double pixelsPerMm = docxPictureDpi / 25.4;
    QImage image(static_cast<int>(std::lround(paper->width() * pixelsPerMm)),
            static_cast<int>(std::lround(paper->height() * pixelsPerMm)), QImage::Format_RGB32);
    image.fill(Qt::white);
    // 300 dpi in the PNG's header too, so that a program placing the
    // picture by its own size gets the same paper size.
    const int dotsPerMetre = static_cast<int>(std::lround(pixelsPerMm * 1000));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(image.size())));
    }
    DocxPicture picture;
    picture.png = greyPng(image);
    if (picture.png.isEmpty())
        return std::nullopt;
    picture.widthEmu = std::llround(paper->width() * emuPerMillimetre);
    picture.heightEmu = std::llround(paper->height() * emuPerMillimetre);
    return picture;
}

} // namespace varnolt::writers
