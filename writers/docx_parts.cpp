#include "writers/docx_parts.h"

#include "writers/docx_xml.h"
#include "writers/docx_xml_text.h"

namespace varnolt::writers {

using namespace Qt::StringLiterals;

namespace {

const QString w = QLatin1String(ooxml::wordMl);

void startWordPart(QXmlStreamWriter &xml, const QString &root)
{
    xml.writeNamespace(w, u"w"_s);
    xml.writeNamespace(QLatin1String(ooxml::relationships), u"r"_s);
    xml.writeStartElement(w, root);
}

// Run properties: a size in half points, and bold.
void writeRunFormat(QXmlStreamWriter &xml, int halfPoints, bool bold)
{
    xml.writeStartElement(w, u"rPr"_s);
    if (bold)
        xml.writeEmptyElement(w, u"b"_s);
    writeValued(xml, u"sz"_s, QString::number(halfPoints));
    writeValued(xml, u"szCs"_s, QString::number(halfPoints));
    xml.writeEndElement();
}

struct ParagraphStyle {
    QString id;
    QString name;
    int halfPoints;
    bool bold;
    int outlineLevel; // -1: body text
    bool centred;
    int spaceBefore; // twentieths of a point
    int spaceAfter;
};

void writeParagraphStyle(QXmlStreamWriter &xml, const ParagraphStyle &s)
{
    xml.writeStartElement(w, u"style"_s);
    xml.writeAttribute(w, u"type"_s, u"paragraph"_s);
    xml.writeAttribute(w, u"styleId"_s, s.id);
    if (s.id == u"Normal"_s)
        xml.writeAttribute(w, u"default"_s, u"1"_s);
    writeValued(xml, u"name"_s, s.name);
    if (s.id != u"Normal"_s) {
        writeValued(xml, u"basedOn"_s, u"Normal"_s);
        writeValued(xml, u"next"_s, u"Normal"_s);
    }
    xml.writeEmptyElement(w, u"qFormat"_s);
    xml.writeStartElement(w, u"pPr"_s);
    if (s.outlineLevel >= 0) {
        xml.writeEmptyElement(w, u"keepNext"_s);
        xml.writeEmptyElement(w, u"keepLines"_s);
    }
    xml.writeEmptyElement(w, u"spacing"_s);
    xml.writeAttribute(w, u"before"_s, QString::number(s.spaceBefore));
    xml.writeAttribute(w, u"after"_s, QString::number(s.spaceAfter));
    if (s.centred)
        writeValued(xml, u"jc"_s, u"center"_s);
    if (s.outlineLevel >= 0)
        writeValued(xml, u"outlineLvl"_s, QString::number(s.outlineLevel));
    xml.writeEndElement();
    writeRunFormat(xml, s.halfPoints, s.bold);
    xml.writeEndElement();
}

QString isoDay(QDate date)
{
    return (date.isValid() ? date : QDate(1980, 1, 1)).toString(Qt::ISODate) + u"T00:00:00Z"_s;
}

void writeRelationship(
        QXmlStreamWriter &xml, const QString &id, const QString &type, const QString &target)
{
    xml.writeEmptyElement(u"Relationship"_s);
    xml.writeAttribute(u"Id"_s, id);
    xml.writeAttribute(u"Type"_s, QLatin1String(ooxml::relationships) + u'/' + type);
    xml.writeAttribute(u"Target"_s, target);
}

// A header's or footer's part, opened to its one paragraph in `style`.
void startMarginPart(QXmlStreamWriter &xml, const QString &root, const QString &style)
{
    startWordPart(xml, root);
    xml.writeStartElement(w, u"p"_s);
    xml.writeStartElement(w, u"pPr"_s);
    writeValued(xml, u"pStyle"_s, style);
    xml.writeEndElement();
}

// A run of text, its spaces kept.
void writeTextRun(QXmlStreamWriter &xml, const QString &text)
{
    xml.writeStartElement(w, u"r"_s);
    xml.writeStartElement(w, u"t"_s);
    xml.writeAttribute(u"xml:space"_s, u"preserve"_s);
    xml.writeCharacters(xmlAllowed(text));
    xml.writeEndElement();
    xml.writeEndElement();
}

} // namespace

QByteArray docxStylesXml(ReportLanguage language)
{
    return xmlPart([language](QXmlStreamWriter &xml) {
        startWordPart(xml, u"styles"_s);
        xml.writeStartElement(w, u"docDefaults"_s);
        xml.writeStartElement(w, u"rPrDefault"_s);
        xml.writeStartElement(w, u"rPr"_s);
        // Serif faces as the HTML report asks for; a word processor
        // substitutes what it has.
        xml.writeEmptyElement(w, u"rFonts"_s);
        xml.writeAttribute(w, u"ascii"_s, u"Times New Roman"_s);
        xml.writeAttribute(w, u"hAnsi"_s, u"Times New Roman"_s);
        xml.writeAttribute(w, u"cs"_s, u"Times New Roman"_s);
        xml.writeAttribute(w, u"eastAsia"_s, u"SimSun"_s);
        writeValued(xml, u"sz"_s, u"20"_s);
        writeValued(xml, u"szCs"_s, u"20"_s);
        xml.writeEmptyElement(w, u"lang"_s);
        xml.writeAttribute(
                w, u"val"_s, language == ReportLanguage::Chinese ? u"zh-CN"_s : u"en-GB"_s);
        xml.writeAttribute(w, u"eastAsia"_s, u"zh-CN"_s);
        xml.writeEndElement();
        xml.writeEndElement();
        xml.writeStartElement(w, u"pPrDefault"_s);
        xml.writeStartElement(w, u"pPr"_s);
        xml.writeEmptyElement(w, u"spacing"_s);
        xml.writeAttribute(w, u"after"_s, u"85"_s);
        xml.writeAttribute(w, u"line"_s, u"300"_s);
        xml.writeAttribute(w, u"lineRule"_s, u"auto"_s);
        xml.writeEndElement();
        xml.writeEndElement();
        xml.writeEndElement();
        // Sizes and spacing as the HTML report's h1 to h4 (a point is 2
        // half points and 20 twips).
        const ParagraphStyle styles[] = {
                {u"Normal"_s, u"Normal"_s, 20, false, -1, false, 0, 85},
                {u"Title"_s, u"Title"_s, 40, true, -1, true, 1701, 227},
                {u"Heading1"_s, u"heading 1"_s, 28, true, 0, false, 397, 170},
                {u"Heading2"_s, u"heading 2"_s, 25, true, 1, false, 0, 170},
                {u"Heading3"_s, u"heading 3"_s, 21, true, 2, false, 198, 85},
                {u"Header"_s, u"header"_s, 17, false, -1, true, 0, 0},
                {u"Footer"_s, u"footer"_s, 17, false, -1, true, 0, 0},
        };
        for (const ParagraphStyle &s : styles)
            writeParagraphStyle(xml, s);
        xml.writeEndElement();
    });
}

QByteArray docxSettingsXml()
{
    return xmlPart([](QXmlStreamWriter &xml) {
        startWordPart(xml, u"settings"_s);
        writeValued(xml, u"defaultTabStop"_s, u"420"_s);
        writeValued(xml, u"characterSpacingControl"_s, u"doNotCompress"_s);
        xml.writeStartElement(w, u"compat"_s);
        xml.writeEmptyElement(w, u"compatSetting"_s);
        xml.writeAttribute(w, u"name"_s, u"compatibilityMode"_s);
        xml.writeAttribute(w, u"uri"_s, u"http://schemas.microsoft.com/office/word"_s);
        xml.writeAttribute(w, u"val"_s, u"15"_s);
        xml.writeEndElement();
        xml.writeEndElement();
    });
}

QByteArray docxHeaderXml(const QString &text)
{
    return xmlPart([&text](QXmlStreamWriter &xml) {
        startMarginPart(xml, u"hdr"_s, u"Header"_s);
        writeTextRun(xml, text);
        xml.writeEndElement();
        xml.writeEndElement();
    });
}

QByteArray docxFooterXml(const QString &pattern)
{
    return xmlPart([&pattern](QXmlStreamWriter &xml) {
        startMarginPart(xml, u"ftr"_s, u"Footer"_s);
        const auto literal = [&xml](const QString &text) {
            if (!text.isEmpty())
                writeTextRun(xml, text);
        };
        QString pending;
        for (qsizetype i = 0; i < pattern.size(); ++i) {
            const bool placeholder = pattern[i] == u'%' && i + 1 < pattern.size()
                    && (pattern[i + 1] == u'1' || pattern[i + 1] == u'2');
            if (!placeholder) {
                pending += pattern[i];
                continue;
            }
            literal(pending);
            pending.clear();
            // The field's last computed result stands in its run, as a word
            // processor that does not update fields shows it.
            xml.writeStartElement(w, u"fldSimple"_s);
            xml.writeAttribute(
                    w, u"instr"_s, pattern[i + 1] == u'1' ? u" PAGE "_s : u" NUMPAGES "_s);
            xml.writeStartElement(w, u"r"_s);
            xml.writeTextElement(w, u"t"_s, u"1"_s);
            xml.writeEndElement();
            xml.writeEndElement();
            ++i;
        }
        literal(pending);
        xml.writeEndElement();
        xml.writeEndElement();
    });
}

QByteArray docxCoreXml(
        const QString &title, const QString &subject, QDate date, ReportLanguage language)
{
    return xmlPart([&](QXmlStreamWriter &xml) {
        const QString cp
                = u"http://schemas.openxmlformats.org/package/2006/metadata/core-properties"_s;
        const QString dc = u"http://purl.org/dc/elements/1.1/"_s;
        const QString dcterms = u"http://purl.org/dc/terms/"_s;
        const QString xsi = u"http://www.w3.org/2001/XMLSchema-instance"_s;
        xml.writeNamespace(cp, u"cp"_s);
        xml.writeNamespace(dc, u"dc"_s);
        xml.writeNamespace(dcterms, u"dcterms"_s);
        xml.writeNamespace(xsi, u"xsi"_s);
        xml.writeStartElement(cp, u"coreProperties"_s);
        xml.writeTextElement(dc, u"title"_s, xmlAllowed(title));
        xml.writeTextElement(dc, u"subject"_s, xmlAllowed(subject));
        xml.writeTextElement(dc, u"creator"_s, u"Varnolt"_s);
        xml.writeTextElement(
                dc, u"language"_s, language == ReportLanguage::Chinese ? u"zh-CN"_s : u"en"_s);
        for (const QString &stamp : {u"created"_s, u"modified"_s}) {
            xml.writeStartElement(dcterms, stamp);
            xml.writeAttribute(xsi, u"type"_s, u"dcterms:W3CDTF"_s);
            xml.writeCharacters(isoDay(date));
            xml.writeEndElement();
        }
        xml.writeEndElement();
    });
}

QByteArray docxAppXml()
{
    return xmlPart([](QXmlStreamWriter &xml) {
        const QString ns
                = u"http://schemas.openxmlformats.org/officeDocument/2006/extended-properties"_s;
        xml.writeDefaultNamespace(ns);
        xml.writeStartElement(ns, u"Properties"_s);
        xml.writeTextElement(ns, u"Application"_s, u"varnolt-report"_s);
        xml.writeEndElement();
    });
}

QByteArray docxContentTypesXml()
{
    return xmlPart([](QXmlStreamWriter &xml) {
        const QString ns = QLatin1String(ooxml::contentTypes);
        xml.writeDefaultNamespace(ns);
        xml.writeStartElement(ns, u"Types"_s);
        const std::pair<QString, QString> defaults[] = {
                {u"rels"_s, u"application/vnd.openxmlformats-package.relationships+xml"_s},
                {u"xml"_s, u"application/xml"_s},
                {u"png"_s, u"image/png"_s},
        };
        for (const auto &[extension, type] : defaults) {
            xml.writeEmptyElement(ns, u"Default"_s);
            xml.writeAttribute(u"Extension"_s, extension);
            xml.writeAttribute(u"ContentType"_s, type);
        }
        const QString wordMl = u"application/vnd.openxmlformats-officedocument.wordprocessingml."_s;
        const std::pair<QString, QString> overrides[] = {
                {u"/word/document.xml"_s, wordMl + u"document.main+xml"_s},
                {u"/word/styles.xml"_s, wordMl + u"styles+xml"_s},
                {u"/word/settings.xml"_s, wordMl + u"settings+xml"_s},
                {u"/word/header1.xml"_s, wordMl + u"header+xml"_s},
                {u"/word/footer1.xml"_s, wordMl + u"footer+xml"_s},
                {u"/docProps/core.xml"_s,
                        u"application/vnd.openxmlformats-package.core-properties+xml"_s},
                {u"/docProps/app.xml"_s,
                        u"application/vnd.openxmlformats-officedocument.extended-properties+xml"_s},
        };
        for (const auto &[part, type] : overrides) {
            xml.writeEmptyElement(ns, u"Override"_s);
            xml.writeAttribute(u"PartName"_s, part);
            xml.writeAttribute(u"ContentType"_s, type);
        }
        xml.writeEndElement();
    });
}

QByteArray docxPackageRelsXml()
{
    return xmlPart([](QXmlStreamWriter &xml) {
        xml.writeDefaultNamespace(QLatin1String(ooxml::packageRelationships));
        xml.writeStartElement(QLatin1String(ooxml::packageRelationships), u"Relationships"_s);
        writeRelationship(xml, u"rIdDocument"_s, u"officeDocument"_s, u"word/document.xml"_s);
        xml.writeEmptyElement(u"Relationship"_s);
        xml.writeAttribute(u"Id"_s, u"rIdCore"_s);
        xml.writeAttribute(u"Type"_s,
                u"http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties"_s);
        xml.writeAttribute(u"Target"_s, u"docProps/core.xml"_s);
        writeRelationship(xml, u"rIdApp"_s, u"extended-properties"_s, u"docProps/app.xml"_s);
        xml.writeEndElement();
    });
}

QByteArray docxDocumentRelsXml(int pictures)
{
    return xmlPart([pictures](QXmlStreamWriter &xml) {
        xml.writeDefaultNamespace(QLatin1String(ooxml::packageRelationships));
        xml.writeStartElement(QLatin1String(ooxml::packageRelationships), u"Relationships"_s);
        writeRelationship(xml, u"rIdStyles"_s, u"styles"_s, u"styles.xml"_s);
        writeRelationship(xml, u"rIdSettings"_s, u"settings"_s, u"settings.xml"_s);
        writeRelationship(xml, u"rIdHeader"_s, u"header"_s, u"header1.xml"_s);
        writeRelationship(xml, u"rIdFooter"_s, u"footer"_s, u"footer1.xml"_s);
        for (int n = 1; n <= pictures; ++n)
            writeRelationship(
                    xml, u"rIdSketch%1"_s.arg(n), u"image"_s, u"media/sketch%1.png"_s.arg(n));
        xml.writeEndElement();
    });
}

} // namespace varnolt::writers
