// The Word report as a package a word processor opens: every part typed in
// [Content_Types].xml, every relationship's target present, Word's heading
// styles, a picture per sketched case, the numbered footer, a hostile case
// name as text in well-formed XML, and the same bytes for the same input.
#include "design/design.h"
#include "design_cases.h"
#include "writers/docx_document_xml.h"
#include "writers/docx_package.h"
#include "writers/docx_report.h"
#include "writers/docx_run.h"
#include "writers/docx_sketch_png.h"
#include "writers/docx_xml.h"
#include "writers/docx_xml_text.h"
#include "writers/formula_reader.h"
#include "writers/grey_png.h"
#include "writers/sketch_svg.h"

#include <QPainter>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

#include <zip.h>

#include <algorithm>
#include <iterator>
#include <map>

using namespace varnolt::design;
using namespace varnolt::writers;
using namespace Qt::StringLiterals;

namespace {

const QString hostileName = u"<w:p>&\" \u202Eevil\u0001x"_s;

DesignResult testDesign()
{
    DesignOptions options;
    options.ks = 12;
    return evaluateDesign(
            {
                    designCase(u"P=2% 设计洪水"_s, 12, 3.3, 5, 1.0, 3.1),
                    designCase(hostileName, 10, 3, 5, 1, 3),
                    designCase(u"P=0.1% 校核洪水"_s, 22, 5.0, 5, 1.5, 7.5),
                    designCase(u"no discharge"_s, 0, 3, 5, 1, 3),
            },
            options);
}

ReportSettings testSettings()
{
    ReportSettings settings;
    settings.date = QDate(2026, 12, 7);
    settings.project = {u"某水库溢洪道"_s, u"初步设计"_s, u"JS-2026-07"_s};
    return settings;
}

// Every entry of a zip held in memory, by name, in the archive's order.
struct Entries {
    QStringList names;
    std::map<QString, QByteArray> bytes;
};

Entries unzip(const QByteArray &zipBytes)
{
    Entries entries;
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_buffer_create(
            zipBytes.constData(), static_cast<zip_uint64_t>(zipBytes.size()), 0, &error);
    zip_t *archive
            = source ? zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error) : nullptr;
    zip_error_fini(&error);
    if (!archive) {
        if (source)
            zip_source_free(source);
        return entries;
    }
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const auto index = static_cast<zip_uint64_t>(i);
        zip_stat_t stat;
        if (zip_stat_index(archive, index, 0, &stat) < 0)
            continue;
        QByteArray data(static_cast<qsizetype>(stat.size), '\0');
        zip_file_t *file = zip_fopen_index(archive, index, 0);
        if (!file)
            continue;
        const zip_int64_t read = zip_fread(file, data.data(), stat.size);
        zip_fclose(file);
        if (read != static_cast<zip_int64_t>(stat.size))
            continue;
        const QString name = QString::fromUtf8(stat.name);
        entries.names << name;
        entries.bytes[name] = data;
    }
    zip_discard(archive);
    return entries;
}

// The attribute values of every element called `element`.
QStringList attributes(const QByteArray &xml, const QString &element, const QString &attribute)
{
    QStringList values;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == element)
            values << reader.attributes().value(attribute).toString();
    }
    return values;
}

// A part's text: every w:t, joined.
QString wordText(const QByteArray &xml)
{
    QString text;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == u"t"_s)
            text += reader.readElementText();
    }
    return text;
}

// Each paragraph's style and text, in order (a table cell's paragraphs too).
std::vector<std::pair<QString, QString>> paragraphs(const QByteArray &xml)
{
    std::vector<std::pair<QString, QString>> found;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        if (reader.name() == u"p"_s)
            found.emplace_back();
        else if (reader.name() == u"pStyle"_s && !found.empty())
            found.back().first = reader.attributes().value(u"w:val"_s).toString();
        else if (reader.name() == u"t"_s && !found.empty())
            found.back().second += reader.readElementText();
    }
    return found;
}

bool wellFormed(const QByteArray &xml, QString &error)
{
    QXmlStreamReader reader(xml);
    while (!reader.atEnd())
        reader.readNext();
    error = reader.errorString();
    return !reader.hasError();
}

// The runs as a paragraph's XML, namespaces declared.
QByteArray runsXml(const std::vector<DocxRun> &runs)
{
    return xmlPart([&runs](QXmlStreamWriter &xml) {
        xml.writeNamespace(QLatin1String(ooxml::wordMl), u"w"_s);
        xml.writeStartElement(QLatin1String(ooxml::wordMl), u"p"_s);
        writeDocxRuns(xml, runs);
        xml.writeEndElement();
    });
}

} // namespace

class TestDocxPackage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyPartHasAContentType();
    void everyRelationshipTargetIsThere();
    void headingStylesAreWords();
    void onePicturePerSketchedCase();
    void footerCountsPages();
    void hostileNameIsText();
    void sameInputSameBytes();
    void zipTimesAreTheReportsDay();
    void formulaCellRuns_data();
    void formulaCellRuns();
    void runsShiftAndBreak_data();
    void runsShiftAndBreak();
    void xmlForbiddenCharactersLeftOut_data();
    void xmlForbiddenCharactersLeftOut();
    void greyPngReadsBack_data();
    void greyPngReadsBack();

private:
    DesignResult design;
    QByteArray docx;
    Entries entries;
};

void TestDocxPackage::initTestCase()
{
    design = testDesign();
    QString error;
    const std::optional<QByteArray> report = docxReport(design, testSettings(), error);
    QVERIFY2(report && !report->isEmpty(), qPrintable(error));
    docx = *report;
    entries = unzip(docx);
    QVERIFY(entries.names.contains(u"word/document.xml"_s));
    QCOMPARE(entries.names.front(), u"[Content_Types].xml"_s);
}

void TestDocxPackage::everyPartHasAContentType()
{
    const QByteArray types = entries.bytes[u"[Content_Types].xml"_s];
    const QStringList extensions = attributes(types, u"Default"_s, u"Extension"_s);
    const QStringList overrides = attributes(types, u"Override"_s, u"PartName"_s);
    for (const QString &name : std::as_const(entries.names)) {
        if (name == u"[Content_Types].xml"_s)
            continue;
        const QString extension = name.section(u'.', -1);
        QVERIFY2(overrides.contains(u'/' + name) || extensions.contains(extension),
                qPrintable(name));
    }
    // And nothing typed that is not there.
    for (const QString &part : overrides)
        QVERIFY2(entries.names.contains(part.mid(1)), qPrintable(part));
}

void TestDocxPackage::everyRelationshipTargetIsThere()
{
    const std::pair<QString, QString> relationships[]
            = {{u"_rels/.rels"_s, QString()}, {u"word/_rels/document.xml.rels"_s, u"word/"_s}};
    for (const auto &[rels, folder] : relationships) {
        QVERIFY2(entries.bytes.contains(rels), qPrintable(rels));
        const QStringList targets = attributes(entries.bytes[rels], u"Relationship"_s, u"Target"_s);
        QVERIFY(!targets.isEmpty());
        for (const QString &target : targets)
            QVERIFY2(entries.bytes.contains(folder + target), qPrintable(rels + u": "_s + target));
        const QStringList ids = attributes(entries.bytes[rels], u"Relationship"_s, u"Id"_s);
        QCOMPARE(QSet<QString>(ids.begin(), ids.end()).size(), ids.size());
    }
    // Every relationship the body and its sketches name is declared.
    const QStringList declared = attributes(
            entries.bytes[u"word/_rels/document.xml.rels"_s], u"Relationship"_s, u"Id"_s);
    const QByteArray body = entries.bytes[u"word/document.xml"_s];
    for (const QString &id : attributes(body, u"blip"_s, u"r:embed"_s)
                    + attributes(body, u"headerReference"_s, u"r:id"_s)
                    + attributes(body, u"footerReference"_s, u"r:id"_s))
        QVERIFY2(declared.contains(id), qPrintable(id));
}

void TestDocxPackage::headingStylesAreWords()
{
    const QByteArray styles = entries.bytes[u"word/styles.xml"_s];
    QStringList ids = attributes(styles, u"style"_s, u"w:styleId"_s);
    for (const QString &id : {u"Title"_s, u"Heading1"_s, u"Heading2"_s, u"Heading3"_s})
        QVERIFY2(ids.contains(id), qPrintable(id));
    const QStringList names = attributes(styles, u"name"_s, u"w:val"_s);
    for (const QString &name : {u"heading 1"_s, u"heading 2"_s, u"heading 3"_s})
        QVERIFY2(names.contains(name), qPrintable(name));
    QCOMPARE(
            attributes(styles, u"outlineLvl"_s, u"w:val"_s), (QStringList{u"0"_s, u"1"_s, u"2"_s}));
    // The body uses them for the report's headings, level 2 to 4, in order
    // and in the same words.
    QCOMPARE(attributes(entries.bytes[u"word/document.xml"_s], u"pStyle"_s, u"w:val"_s)
                     .count(u"Title"_s),
            1);
    QStringList expected;
    for (const ReportSection &section : buildReport(design, testSettings()).sections) {
        for (const ReportBlock &block : section.blocks) {
            if (block.kind == ReportBlock::Kind::Heading)
                expected << u"Heading%1 %2"_s.arg(block.level - 1).arg(block.text);
        }
    }
    QStringList headings;
    for (const auto &[style, text] : paragraphs(entries.bytes[u"word/document.xml"_s])) {
        if (style.startsWith(u"Heading"_s))
            headings << style + u' ' + text;
    }
    QVERIFY(expected.size() > 2 * qsizetype(design.cases.size()));
    QCOMPARE(headings, expected);
}

void TestDocxPackage::onePicturePerSketchedCase()
{
    qsizetype sketched = 0;
    for (const CaseResult &result : design.cases)
        sketched += sketchSvg(result, ReportLanguage::Chinese, u"s"_s).isEmpty() ? 0 : 1;
    QVERIFY(sketched >= 2 && sketched < qsizetype(design.cases.size()));
    const QStringList pictures = entries.names.filter(u"word/media/"_s);
    QCOMPARE(pictures.size(), sketched);
    for (const QString &picture : pictures)
        QVERIFY(entries.bytes[picture].startsWith("\x89PNG\r\n\x1a\n"));
    const QByteArray body = entries.bytes[u"word/document.xml"_s];
    QCOMPARE(attributes(body, u"blip"_s, u"r:embed"_s).size(), sketched);
    // Placed at their print size: a few centimetres to a text width across.
    for (const QString &cx : attributes(body, u"extent"_s, u"cx"_s)) {
        QVERIFY2(cx.toLongLong() > 40 * emuPerMillimetre, qPrintable(cx));
        QVERIFY2(cx.toLongLong() <= 172 * emuPerMillimetre, qPrintable(cx));
    }
}

void TestDocxPackage::footerCountsPages()
{
    const QByteArray footer = entries.bytes[u"word/footer1.xml"_s];
    const QStringList fields = attributes(footer, u"fldSimple"_s, u"w:instr"_s);
    QCOMPARE(fields, (QStringList{u" PAGE "_s, u" NUMPAGES "_s}));
    // The words around the fields, their results standing as 1.
    QCOMPARE(wordText(footer), u"第 1 页 共 1 页"_s);
    QCOMPARE(wordText(entries.bytes[u"word/header1.xml"_s]), u"某水库溢洪道　消能计算书"_s);
}

void TestDocxPackage::hostileNameIsText()
{
    for (const auto &[name, bytes] : entries.bytes) {
        if (name.endsWith(u".xml"_s) || name.endsWith(u".rels"_s)) {
            QString error;
            QVERIFY2(wellFormed(bytes, error), qPrintable(name + u": "_s + error));
        }
    }
    const QByteArray body = entries.bytes[u"word/document.xml"_s];
    // The markup in the name is text: escaped in the part, read back whole.
    QVERIFY(!body.contains("<w:p>&"));
    const QString text = wordText(body);
    QVERIFY(text.contains(u"<w:p>&\""_s));
    // No control character reaches the document's text.
    for (const QChar ch : text)
        QVERIFY2(ch.unicode() >= 0x20 || ch == u'\t', qPrintable(QString::number(ch.unicode())));
    // The case's heading shows the name as the HTML report does: the
    // control a blank, the override (which the case readers refuse) kept as
    // the report's text has it.
    qsizetype headed = 0;
    for (const auto &[style, paragraph] : paragraphs(body)) {
        if (style == u"Heading2"_s && paragraph.contains(u"<w:p>&\""_s)) {
            ++headed;
            QVERIFY(paragraph.endsWith(caseTitle(design.cases[1], 1, ReportLanguage::Chinese)));
            QVERIFY(paragraph.endsWith(u"<w:p>&\" \u202Eevil x"_s));
        }
    }
    QCOMPARE(headed, 1);
}

void TestDocxPackage::sameInputSameBytes()
{
    QString error;
    QCOMPARE(docxReport(design, testSettings(), error), std::optional(docx));
    ReportSettings later = testSettings();
    later.date = QDate(2026, 12, 8);
    const std::optional<QByteArray> dayLater = docxReport(design, later, error);
    QVERIFY(dayLater && *dayLater != docx);
    const QByteArray core = unzip(*dayLater).bytes[u"docProps/core.xml"_s];
    QVERIFY(core.contains("<dcterms:created xsi:type=\"dcterms:W3CDTF\">2026-12-08T00:00:00Z<"));
    QVERIFY(core.contains("<dc:subject>某水库溢洪道</dc:subject>"));
    QVERIFY(core.contains("<dc:creator>Varnolt</dc:creator>"));
    QVERIFY(core.contains("<dc:title>消能计算书</dc:title>"));
}

void TestDocxPackage::zipTimesAreTheReportsDay()
{
    QString error;
    const QByteArray zip = zipPackage({{u"a.xml"_s, "<a/>"}, {u"b/c.png"_s, QByteArray(5000, 'x')}},
            QDateTime(QDate(2026, 12, 7), QTime(13, 45, 31), Qt::UTC), error);
    QVERIFY2(!zip.isEmpty(), qPrintable(error));
    QCOMPARE(unzip(zip).names, (QStringList{u"a.xml"_s, u"b/c.png"_s}));
    // The central directory's entries, found from its end record (no comment).
    const auto u16
            = [&zip](qsizetype at) { return int(uchar(zip[at])) | (int(uchar(zip[at + 1])) << 8); };
    const auto u32 = [&](qsizetype at) { return qint64(u16(at)) | (qint64(u16(at + 2)) << 16); };
    const qsizetype end = zip.size() - 22;
    QCOMPARE(zip.mid(end, 4), QByteArray("PK\x05\x06"));
    QCOMPARE(u16(end + 10), 2);
    qsizetype at = u32(end + 16);
    const int dosDate = ((2026 - 1980) << 9) | (12 << 5) | 7;
    const int dosTime = (13 << 11) | (45 << 5) | (30 / 2);
    for (int entry = 0; entry < 2; ++entry) {
        QCOMPARE(zip.mid(at, 4), QByteArray("PK\x01\x02"));
        QCOMPARE(u16(at + 12), dosTime);
        QCOMPARE(u16(at + 14), dosDate);
        // Deflated.
        QCOMPARE(u16(at + 10), 8);
        at += 46 + u16(at + 28) + u16(at + 30) + u16(at + 32);
    }
}

void TestDocxPackage::runsShiftAndBreak_data()
{
    QTest::addColumn<std::vector<DocxRun>>("runs");
    QTest::addColumn<QStringList>("expected");
    using Shift = DocxRun::Shift;
    QTest::newRow("a conjugate depth: hc″ with c lowered")
            << std::vector<DocxRun>{{u"h"_s, false, Shift::None}, {u"c"_s, false, Shift::Subscript},
                       {u"″ = 2.5"_s, false, Shift::None}}
            << QStringList{u"h"_s, u"c|subscript"_s, u"″ = 2.5"_s};
    QTest::newRow("a power raised, a governing figure bold")
            << std::vector<DocxRun>{{u"q"_s, true, Shift::None}, {u"2"_s, true, Shift::Superscript}}
            << QStringList{u"q|bold"_s, u"2|bold|superscript"_s};
    QTest::newRow("line breaks and tabs are Word's, controls go") << std::vector<DocxRun>{
            {u"a\nb\tc\u0007d"_s, false, Shift::None}} << QStringList{u"a|br|b|tab|cd"_s};
    QTest::newRow("an empty run writes nothing")
            << std::vector<DocxRun>{{QString(), true, Shift::Superscript}} << QStringList{};
}

void TestDocxPackage::runsShiftAndBreak()
{
    QFETCH(std::vector<DocxRun>, runs);
    QFETCH(QStringList, expected);
    // Each run read back as its text pieces and its properties, joined by |.
    QStringList read;
    QXmlStreamReader reader(runsXml(runs));
    QStringList run;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            if (reader.name() == u"t"_s)
                run << reader.readElementText();
            else if (reader.name() == u"b"_s)
                run << u"bold"_s;
            else if (reader.name() == u"vertAlign"_s)
                run << reader.attributes().value(u"w:val"_s).toString();
            else if (reader.name() == u"br"_s || reader.name() == u"tab"_s)
                run << reader.name().toString();
        } else if (reader.isEndElement() && reader.name() == u"r"_s) {
            read << run.join(u'|');
            run.clear();
        }
    }
    QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
    // The properties come before the text in a run; list them after it.
    for (QString &r : read) {
        const QStringList parts = r.split(u'|');
        const auto isProperty = [](const QString &p) {
            return p == u"bold"_s || p == u"subscript"_s || p == u"superscript"_s;
        };
        QStringList text;
        std::copy_if(parts.begin(), parts.end(), std::back_inserter(text),
                [&](const QString &p) { return !isProperty(p); });
        QStringList properties;
        std::copy_if(parts.begin(), parts.end(), std::back_inserter(properties), isProperty);
        r = (text + properties).join(u'|');
    }
    QCOMPARE(read, expected);
}

void TestDocxPackage::xmlForbiddenCharactersLeftOut_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << u"hc″ = 1.234 米"_s << u"hc″ = 1.234 米"_s;
    QTest::newRow("controls") << u"a\u0000b\u001Fc\u0008d"_s << u"abcd"_s;
    QTest::newRow("tab, line feed and return stay") << u"a\tb\nc\rd"_s << u"a\tb\nc\rd"_s;
    QTest::newRow("non-characters") << u"a\uFFFEb\uFFFFc"_s << u"abc"_s;
    QTest::newRow("a pair stays, a lone half goes")
            << (u"x"_s + QChar(0xD83D) + QChar(0xDE00) + QChar(0xD83D) + u"y"_s + QChar(0xDE00))
            << (u"x"_s + QChar(0xD83D) + QChar(0xDE00) + u"y"_s);
    QTest::newRow("isolates are text") << u"\u2068name\u2069"_s << u"\u2068name\u2069"_s;
}

void TestDocxPackage::xmlForbiddenCharactersLeftOut()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(xmlAllowed(text), expected);
}

void TestDocxPackage::greyPngReadsBack_data()
{
    QTest::addColumn<QImage>("picture");
    const auto blank = [](int width, int height, QImage::Format format) {
        QImage image(width, height, format);
        image.fill(Qt::white);
        image.setDotsPerMeterX(11811);
        image.setDotsPerMeterY(11811);
        return image;
    };
    QTest::newRow("one white pixel") << blank(1, 1, QImage::Format_RGB32);
    QImage ramp = blank(256, 3, QImage::Format_RGB32);
    for (int x = 0; x < 256; ++x) {
        for (int y = 0; y < 3; ++y)
            ramp.setPixel(x, y, qRgb(x, x, x));
    }
    QTest::newRow("every grey") << ramp;
    QImage drawing = blank(301, 97, QImage::Format_RGB32);
    {
        QPainter painter(&drawing);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::black, 2.5));
        painter.setBrush(QColor(0xd4, 0xd4, 0xd4));
        painter.drawEllipse(QRectF(10.3, 5.7, 120, 80));
        painter.drawText(QPointF(150, 50), u"σ·hc″=2.172 池长"_s);
    }
    QTest::newRow("lines, fills and text, antialiased") << drawing;
    // A picture in another format is read as its red, too.
    QImage argb = blank(17, 9, QImage::Format_ARGB32);
    argb.setPixel(3, 4, qRgb(40, 40, 40));
    QTest::newRow("another format") << argb;
}

void TestDocxPackage::greyPngReadsBack()
{
    QFETCH(QImage, picture);
    const QByteArray png = greyPng(picture);
    QVERIFY(png.startsWith("\x89PNG\r\n\x1a\n"));
    QImage read;
    QVERIFY(read.loadFromData(png, "PNG"));
    QCOMPARE(read.format(), QImage::Format_Grayscale8);
    QCOMPARE(read.size(), picture.size());
    QCOMPARE(read.dotsPerMeterX(), picture.dotsPerMeterX());
    QCOMPARE(read.dotsPerMeterY(), picture.dotsPerMeterY());
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            QCOMPARE(qGray(read.pixel(x, y)), qRed(picture.pixel(x, y)));
    }
    QCOMPARE(greyPng(picture), png);
    QVERIFY(greyPng(QImage()).isEmpty());
}

void TestDocxPackage::formulaCellRuns_data()
{
    QTest::addColumn<QString>("calculation");
    QTest::addColumn<QString>("remark");
    // The runs as text with their shift marked: _x_ lowered, ^x^ raised.
    QTest::addColumn<QString>("runs");
    QTest::newRow("indices and a power")
            << u"E0 = a1 + v²/(2g)"_s << QString() << u"E_0_ = a_1_ + v^2^/(2g)"_s;
    QTest::newRow("a prime after an index, a prime before one")
            << u"hc″ = h′s"_s << QString() << u"h_c_^″^ = h_s_^′^"_s;
    QTest::newRow("roots and a fraction of a compound term")
            << u"hk = (q²/g)^(1/3) = √(qs·√ΔH′)"_s << QString()
            << u"h_k_ = ∛(q^2^/g) = √(q_s_·√ΔH^′^)"_s;
    QTest::newRow("a difference is one symbol, a product two")
            << u"ΔE/E1 = 4/(2g)"_s << QString() << u"ΔE/E_1_ = 4/(2g)"_s;
    QTest::newRow("units, the range's word, and the remark as it is")
            << u"L = 9.14 to 10.45 m"_s << u"（二分法）"_s << u"L = 9.14 to 10.45 m（二分法）"_s;
}

// A calculation in Word: one line, its indices lowered and its powers raised
// as runs of their own.
void TestDocxPackage::formulaCellRuns()
{
    QFETCH(QString, calculation);
    QFETCH(QString, remark);
    QFETCH(QString, runs);
    ReportCell cell{calculation + remark};
    cell.formula = readFormula(calculation, remark, {u"to"_s});
    QVERIFY(cell.formula);
    QString written;
    for (const DocxRun &run : cellRuns(cell)) {
        const QString mark = run.shift == DocxRun::Shift::Subscript ? u"_"_s
                : run.shift == DocxRun::Shift::Superscript          ? u"^"_s
                                                                    : QString();
        written += mark + run.text + mark;
    }
    QCOMPARE(written, runs);
}

QTEST_MAIN(TestDocxPackage)
#include "tst_docx_package.moc"
