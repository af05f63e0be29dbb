#include "writers/docx_report.h"

#include "writers/docx_document_xml.h"
#include "writers/docx_package.h"
#include "writers/docx_parts.h"
#include "writers/docx_sketch_png.h"
#include "writers/sketch_svg.h"

#include <QCoreApplication>
#include <QXmlStreamReader>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <iterator>

namespace varnolt::writers {

using namespace Qt::StringLiterals;

namespace {

// The sketch's own title, the picture's description for a reader who
// cannot see it.
QString svgTitle(const QString &svg)
{
    QXmlStreamReader reader(svg);
    while (reader.readNextStartElement()) {
        if (reader.name() == u"title"_s)
            return reader.readElementText();
        if (reader.name() != u"svg"_s)
            reader.skipCurrentElement();
    }
    return {};
}

// Each case's sketch drawn once, numbered in the order the report shows
// them. Painting and compressing the pictures is most of a long report's
// time: they are shared out among the cores, each picture on its own.
std::map<std::size_t, PlacedPicture> drawSketches(const ReportDocument &doc,
        const design::DesignResult &design, std::vector<PackagePart> &media)
{
    std::vector<std::size_t> cases;
    std::vector<QString> svgs;
    for (const ReportSection &section : doc.sections) {
        for (const ReportBlock &block : section.blocks) {
            if (block.kind != ReportBlock::Kind::Sketch || block.caseIndex >= design.cases.size()
                    || std::find(cases.begin(), cases.end(), block.caseIndex) != cases.end())
                continue;
            QString svg = sketchSvg(design.cases[block.caseIndex], doc.language,
                    u"s%1"_s.arg(block.caseIndex + 1), design.options.basinType);
            if (svg.isEmpty())
                continue;
            cases.push_back(block.caseIndex);
            svgs.push_back(std::move(svg));
        }
    }
    const auto pictures = QtConcurrent::blockingMapped<std::vector<std::optional<DocxPicture>>>(
            svgs, &sketchPicture);
    std::map<std::size_t, PlacedPicture> placed;
    for (std::size_t k = 0; k < cases.size(); ++k) {
        if (!pictures[k])
            continue;
        const int number = static_cast<int>(media.size()) + 1;
        media.push_back({u"word/media/sketch%1.png"_s.arg(number), pictures[k]->png, true});
        placed[cases[k]]
                = {number, pictures[k]->widthEmu, pictures[k]->heightEmu, svgTitle(svgs[k])};
    }
    return placed;
}

} // namespace

std::optional<QByteArray> docxReport(
        const design::DesignResult &design, const ReportSettings &settings, QString &error)
{
    const ReportDocument doc = buildReport(design, settings);
    std::vector<PackagePart> media;
    const auto pictures = drawSketches(doc, design, media);
    const design::ProjectInfo project = projectOf(design.project, settings.project);

    std::vector<PackagePart> parts{
            {u"[Content_Types].xml"_s, docxContentTypesXml()},
            {u"_rels/.rels"_s, docxPackageRelsXml()},
            {u"docProps/core.xml"_s,
                    docxCoreXml(doc.title, project.name, settings.date, doc.language)},
            {u"docProps/app.xml"_s, docxAppXml()},
            {u"word/document.xml"_s, docxDocumentXml(doc, pictures)},
            {u"word/_rels/document.xml.rels"_s,
                    docxDocumentRelsXml(static_cast<int>(media.size()))},
            {u"word/styles.xml"_s, docxStylesXml(doc.language)},
            {u"word/settings.xml"_s, docxSettingsXml()},
            {u"word/header1.xml"_s, docxHeaderXml(doc.pageHeader)},
            {u"word/footer1.xml"_s, docxFooterXml(doc.pageFooter)},
    };
    parts.insert(parts.end(), std::make_move_iterator(media.begin()),
            std::make_move_iterator(media.end()));
    // The zip's times are the report's day at midnight, as its properties.
    const QDate day = settings.date.isValid() ? settings.date : QDate(1980, 1, 1);
    QString zipError;
    QByteArray bytes = zipPackage(parts, QDateTime(day, QTime(0, 0), Qt::UTC), zipError);
    if (bytes.isEmpty()) {
        error = QCoreApplication::translate(
                "varnolt::writers::DocxReport", "the document could not be assembled: %1")
                        .arg(zipError);
        return std::nullopt;
    }
    return bytes;
}

} // namespace varnolt::writers
