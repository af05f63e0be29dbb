// The writers on a real design: the terminal table aligned for Chinese text,
// CSV as spreadsheets read it (byte order mark, quoting, no formulas), and
// JSON with its keys and exactly widened numbers.
#include "design/design.h"
#include "design_cases.h"
#include "writers/display_width.h"
#include "writers/format.h"
#include "writers/number_text.h"
#include "writers/report_numbers.h"
#include "writers/writers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include <cmath>

using namespace varnolt;
using namespace varnolt::design;
using namespace varnolt::writers;

Q_DECLARE_METATYPE(varnolt::writers::Format)
Q_DECLARE_METATYPE(varnolt::writers::ReportLanguage)

namespace {

// A design with a remote jump under a Chinese name, a submerged one, a case
// that stops, and names a spreadsheet would run as formulas.
DesignResult sampleDesign()
{
    DesignOptions options;
    options.ks = 12;
    return evaluateDesign({designCase(QStringLiteral("设计洪水"), 10, 3, 5, 1, 3),
                                  designCase(QStringLiteral("=HYPERLINK(\"x\")"), 10, 3, 5, 1, 6),
                                  designCase(QStringLiteral("-1+2"), 0, 3, 5, 1, 3),
                                  designCase(QStringLiteral("@sum, \"quoted\""), 5, 2, 30, 1, 3)},
            options);
}

} // namespace

class TestWriters : public QObject {
    Q_OBJECT

private slots:
    void displayWidth_data();
    void displayWidth();
    void tableColumnsAligned();
    void csvForSpreadsheets();
    void jsonKeysAndNumbers();
    void jsonNamesByteForByte_data();
    void jsonNamesByteForByte();
    void formatDispatch_data();
    void figuresFromAMillionHaveAnExponent_data();
    void figuresFromAMillionHaveAnExponent();
    void numbersAtThePrecisionOfPractice_data();
    void numbersAtThePrecisionOfPractice();
    void formatDispatch();
    void messagesFollowTheLanguage_data();
    void messagesFollowTheLanguage();
};

void TestWriters::displayWidth_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::newRow("ASCII") << QStringLiteral("q m/s") << 5;
    QTest::newRow("Chinese") << QStringLiteral("远离水跃") << 8;
    QTest::newRow("mixed") << QStringLiteral("5年一遇 flood") << 13;
    QTest::newRow("fullwidth forms") << QStringLiteral("ＡＢ") << 4;
    QTest::newRow("combining accent") << QStringLiteral("e\u0301") << 1;
    QTest::newRow("supplementary ideograph") << QString::fromUcs4(U"\U00020000") << 2;
    QTest::newRow("superscript and prime") << QStringLiteral("m²/s d′") << 7;
    QTest::newRow("Greek and Cyrillic") << QStringLiteral("αβЖ") << 3;
    QTest::newRow("Hangul syllables") << QStringLiteral("한글") << 4;
    QTest::newRow("ideographic space and full stop") << QStringLiteral("\u3000。") << 4;
    QTest::newRow("vertical comma") << QStringLiteral("\uFE10") << 2;
    QTest::newRow("halfwidth katakana") << QStringLiteral("\uFF76\uFF77") << 2;
    QTest::newRow("emoji in the BMP") << QStringLiteral("\u231A") << 2;
    QTest::newRow("emoji outside the BMP") << QString::fromUcs4(U"\U0001F92F") << 2;
    QTest::newRow("kana supplement") << QString::fromUcs4(U"\U0001B000") << 2;
    QTest::newRow("CJK Extension G") << QString::fromUcs4(U"\U00030000") << 2;
    QTest::newRow("enclosing circle") << QStringLiteral("1\u20DD") << 1;
    QTest::newRow("Arabic mark") << QStringLiteral("\u0628\u0610") << 1;
    QTest::newRow("word joiner and zero-width space") << QStringLiteral("a\u2060b\u200Bc") << 3;
    QTest::newRow("soft hyphen") << QStringLiteral("ab\u00ADc") << 3;
}

void TestWriters::displayWidth()
{
    QFETCH(QString, text);
    QTEST(writers::displayWidth(text), "width");
    QVERIFY(writers::displayWidth(fitWidth(text, 3)) <= 3);
}

// Whether a cell starts at this screen column of a line: a blank before it
// and none at it.
bool cellStartsAt(const QString &line, int column)
{
    int at = 0;
    qsizetype i = 0;
    while (i < line.size() && at < column)
        at += writers::displayWidth(line.mid(i++, 1));
    return at == column && i > 0 && i < line.size() && line[i - 1] == u' ' && line[i] != u' ';
}

// The left-aligned columns after Chinese cells start at the same screen
// column on every line, whatever mix of Chinese and Latin text stands before.
void TestWriters::tableColumnsAligned()
{
    const QString text = QString::fromUtf8(tableText(sampleDesign()));
    const QStringList lines = text.split(u'\n');
    const QString &header = lines[0];
    for (const QString &title : {QStringLiteral("jump"), QStringLiteral("form")}) {
        const int column = writers::displayWidth(header.left(header.indexOf(title)));
        QVERIFY(column > 0);
        for (const int row : {2, 3, 5})
            QVERIFY2(cellStartsAt(lines[row], column),
                    qPrintable(title + QStringLiteral(": ") + lines[row]));
    }
    // The high weir governs both: 2.03 m deep and 25.9 m long against 1.47 m
    // and 21.2 m, adopted as 2.05 m and 26 m.
    QVERIFY2(text.contains(
                     QStringLiteral("Adopted basin depth: 2.05 m, governed by @sum, \"quoted\"\n")),
            qPrintable(text));
    QVERIFY(text.contains(
            QStringLiteral("Adopted basin length: 26.00 m, governed by @sum, \"quoted\"\n")));
    QVERIFY(!text.contains(QStringLiteral("No case needs a basin")));
    QVERIFY(text.contains(QStringLiteral("no basin")));
    QVERIFY(text.contains(QStringLiteral("Command1 stopped")));
}

void TestWriters::csvForSpreadsheets()
{
    const QByteArray bytes = csvText(sampleDesign());
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    const QString text = QString::fromUtf8(bytes.mid(3));
    QVERIFY(text.startsWith(QStringLiteral("name,q (m²/s),H (m),")));
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 6); // header, four cases, the final line end
    QVERIFY(lines[1].startsWith(QStringLiteral("设计洪水,10,3,5,1,3,")));
    // Formulas arrive as text; quotes and commas are quoted as in RFC 4180.
    QVERIFY2(lines[2].startsWith(QStringLiteral("\"'=HYPERLINK(\"\"x\"\")\",")),
            qPrintable(lines[2]));
    QVERIFY(lines[3].startsWith(QStringLiteral("'-1+2,0,")));
    QVERIFY(lines[4].startsWith(QStringLiteral("\"'@sum, \"\"quoted\"\"\",5,")));
    // A number stays a number, negative or not.
    QVERIFY(!text.contains(QStringLiteral(",'0")));
    QVERIFY2(lines[4].contains(QStringLiteral(",\"depth, length, slab, apron, sill\",")),
            qPrintable(lines[4]));
    QVERIFY(!lines[1].contains(QStringLiteral("depth")));
}

void TestWriters::jsonKeysAndNumbers()
{
    const DesignResult design = sampleDesign();
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(jsonText(design), &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    const QJsonObject top = document.object();
    QCOMPARE(top.keys(), (QStringList{"basin_type", "cases", "governing", "version", "warnings"}));
    QCOMPARE(top[u"version"].toInt(), 2);
    QVERIFY(top[u"warnings"].toArray().isEmpty());
    const QJsonArray cases = top[u"cases"].toArray();
    QCOMPARE(cases.size(), 4);

    const QJsonObject first = cases[0].toObject();
    QCOMPARE(first.keys(),
            (QStringList{"apron_length", "basin", "check", "combined", "decision", "error",
                    "inputs", "name", "scour_depth", "side_failures", "sill"}));
    QVERIFY(first[u"side_failures"].toArray().isEmpty());
    QCOMPARE(first[u"decision"].toString(), QStringLiteral("basin"));
    QCOMPARE(first[u"inputs"].toObject().keys(),
            (QStringList{"H", "a1", "ht", "phi", "q", "sigma", "uplift", "v"}));
    QVERIFY(first[u"inputs"][u"uplift"].isNull());
    const QJsonObject check = first[u"check"].toObject();
    QCOMPARE(check.keys(),
            (QStringList{"Fr1", "energy_loss", "form", "hc", "hco", "hco2", "jump", "jump_length",
                    "relative_loss", "submergence", "texts", "verdict"}));
    QCOMPARE(check[u"submergence"].toDouble(), *design.cases[0].submergence);
    QCOMPARE(check[u"texts"].toObject().keys(), (QStringList{"Text7", "Text8", "Text9"}));
    QCOMPARE(check[u"jump"].toString(), QStringLiteral("remote"));
    // A single-precision figure reads back as exactly the widened single.
    QCOMPARE(check[u"hc"].toDouble(), design.cases[0].check->hc);
    QCOMPARE(float(check[u"hc"].toDouble()), 2.168255f);
    QCOMPARE(check[u"texts"][u"Text7"].toString(), QStringLiteral("2.168255"));

    const QJsonObject basin = first[u"basin"].toObject();
    QCOMPARE(basin.keys(),
            (QStringList{"Fr1", "adopted", "advice", "apron_length", "d", "exact_d", "form", "hco",
                    "hco2", "length_max", "length_min", "scour_thickness", "slab_end_thickness",
                    "slab_thickness", "standard", "texts", "uplift_thickness"}));
    QCOMPARE(basin[u"adopted"].toObject().keys(), (QStringList{"depth", "length"}));
    QCOMPARE(basin[u"adopted"][u"depth"].toDouble(), design.cases[0].basin->adoptedDepth.adopted);
    QCOMPARE(basin[u"exact_d"].toDouble(), *design.cases[0].basin->exactD);
    QVERIFY(basin[u"uplift_thickness"].isNull());
    QCOMPARE(first[u"apron_length"].toDouble(), design.cases[0].apron->length);
    QCOMPARE(basin[u"standard"].toObject().keys(), (QStringList{"d", "length"}));
    QCOMPARE(basin[u"texts"].toObject().keys(), (QStringList{"Text11", "Text12", "Text8"}));
    QCOMPARE(basin[u"d"].toDouble(), design.cases[0].basin->d);
    QCOMPARE(basin[u"apron_length"].toDouble(), *design.cases[0].basin->apronLength);
    QVERIFY(first[u"error"].isNull());

    const QJsonObject submerged = cases[1].toObject();
    QCOMPARE(submerged[u"check"][u"jump"].toString(), QStringLiteral("submerged"));
    QVERIFY(submerged[u"basin"].isNull());
    QCOMPARE(submerged[u"decision"].toString(), QStringLiteral("none"));
    // A submerged jump has an apron too.
    QVERIFY(submerged[u"apron_length"].toDouble() > 0);

    const QJsonObject stopped = cases[2].toObject();
    QVERIFY(stopped[u"check"].isNull());
    QVERIFY(stopped[u"basin"].isNull());
    QCOMPARE(stopped[u"error"].toObject().keys(), (QStringList{"command", "kind", "message"}));
    QCOMPARE(stopped[u"error"][u"command"].toString(), QStringLiteral("Command1"));
    QCOMPARE(stopped[u"name"].toString(), QStringLiteral("-1+2"));

    const QJsonObject governing = top[u"governing"].toObject();
    QCOMPARE(governing.keys(),
            (QStringList{"apron", "combined", "depth", "length", "scour", "sill", "slab"}));
    QCOMPARE(governing[u"depth"].toObject().keys(), (QStringList{"case", "index", "value"}));
    QCOMPARE(governing[u"depth"][u"index"].toInt(), 3);
    QCOMPARE(governing[u"depth"][u"case"].toString(), QStringLiteral("@sum, \"quoted\""));
    QCOMPARE(governing[u"depth"][u"value"].toDouble(), 2.05);
    QCOMPARE(governing[u"length"][u"value"].toDouble(), 26.0);

    // Nothing to govern: both null.
    const QJsonObject empty = QJsonDocument::fromJson(jsonText(DesignResult{})).object();
    QVERIFY(empty[u"governing"][u"depth"].isNull());
    QVERIFY(empty[u"cases"].toArray().isEmpty());
}

void TestWriters::messagesFollowTheLanguage_data()
{
    QTest::addColumn<Format>("format");
    QTest::addColumn<ReportLanguage>("language");
    for (const Format format : {Format::Table, Format::Csv, Format::Json}) {
        const QString name = QString::fromLatin1(formatEntry(format).name);
        QTest::newRow(qPrintable(name + QStringLiteral(" zh")))
                << format << ReportLanguage::Chinese;
        QTest::newRow(qPrintable(name + QStringLiteral(" en")))
                << format << ReportLanguage::English;
    }
}

void TestWriters::messagesFollowTheLanguage()
{
    QFETCH(Format, format);
    QFETCH(ReportLanguage, language);
    // The case without a discharge stops the check.
    const QString chinese = QStringLiteral("“单宽流量q”为 0，计算中出现零除以零。");
    const QString english = QStringLiteral(
            "The discharge per unit width q is 0, so the calculation divides zero by zero.");
    const QString text = QString::fromUtf8(formatEntry(format).toBytes(sampleDesign(), language));
    const bool inChinese = language == ReportLanguage::Chinese;
    QVERIFY(text.contains(inChinese ? chinese : english));
    QVERIFY(!text.contains(inChinese ? english : chinese));
    // The stage and the kind are keys, the same in both languages.
    QVERIFY(text.contains(QStringLiteral("Command1")));
    QVERIFY(text.contains(QStringLiteral("invalid operation")));
}

void TestWriters::jsonNamesByteForByte_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("written"); // the name's JSON string, quotes and all

    QTest::newRow("Chinese of the Basic Plane") << QStringLiteral(
            "设计洪水") << QByteArray("\"\xE8\xAE\xBE\xE8\xAE\xA1\xE6\xB4\xAA\xE6\xB0\xB4\"");
    QTest::newRow("U+20000 alone")
            << QString::fromUcs4(U"\U00020000") << QByteArray("\"\xF0\xA0\x80\x80\"");
    QTest::newRow("U+21336 in a place name") << QString::fromUcs4(U"\U00021336\u6751 weir")
                                             << QByteArray("\"\xF0\xA1\x8C\xB6\xE6\x9D\x91 weir\"");
    QTest::newRow("emoji beside escapes")
            << QString::fromUcs4(U"\"\U0001F30A\"\\\U0001F30A\n")
            << QByteArray("\"\\\"\xF0\x9F\x8C\x8A\\\"\\\\\xF0\x9F\x8C\x8A\\u000a\"");
    QTest::newRow("line separators escaped for JavaScript")
            << QStringLiteral("a\u2028b\u2029") << QByteArray("\"a\\u2028b\\u2029\"");
    // A half pair cannot be UTF-8; escaped, it reads back as the same unit.
    QTest::newRow("lone high surrogate")
            << (QStringLiteral("x") + QChar(0xD840)) << QByteArray("\"x\\ud840\"");
    QTest::newRow("low surrogate first")
            << (QString(QChar(0xDC00)) + QChar(0xD840) + QStringLiteral("y"))
            << QByteArray("\"\\udc00\\ud840y\"");
}

// The bytes written for a case's name, and the name read back: characters
// outside the Basic Multilingual Plane arrive as their four UTF-8 bytes.
void TestWriters::jsonNamesByteForByte()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, written);
    const QByteArray bytes
            = jsonText(evaluateDesign({designCase(name, 10, 3, 5, 1, 3)}, DesignOptions{}));
    const QByteArray field = "{\"name\":" + written + ",";
    QVERIFY2(bytes.contains(field), bytes.left(bytes.indexOf(",\"inputs\"")).constData());
    // The case, the governing depth, length and slab, sill and combined basin.
    QCOMPARE(bytes.count(written), 6);
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    QCOMPARE(error.error, QJsonParseError::NoError);
    QCOMPARE(document[u"cases"][0][u"name"].toString(), name);
    QCOMPARE(document[u"governing"][u"depth"][u"case"].toString(), name);
    QCOMPARE(document[u"governing"][u"length"][u"case"].toString(), name);
}

void TestWriters::formatDispatch_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("format");
    QTest::newRow("csv") << QStringLiteral("out/report.CSV") << int(Format::Csv);
    QTest::newRow("json") << QStringLiteral("r.json") << int(Format::Json);
    QTest::newRow("markdown") << QStringLiteral("r.md") << int(Format::Markdown);
    QTest::newRow("workbook") << QStringLiteral("r.xlsx") << int(Format::Xlsx);
    QTest::newRow("word document") << QStringLiteral("r.docx") << int(Format::Docx);
    QTest::newRow("unknown") << QStringLiteral("r.pdf") << -1;
    QTest::newRow("none") << QStringLiteral("report") << -1;
}

void TestWriters::formatDispatch()
{
    QFETCH(QString, path);
    QFETCH(int, format);
    const auto found = formatOfPath(path);
    QCOMPARE(found ? int(*found) : -1, format);
    if (found)
        QCOMPARE(formatNamed(QString::fromLatin1(formatEntry(*found).name)), found);
}

void TestWriters::figuresFromAMillionHaveAnExponent_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("table"); // two decimals
    QTest::addColumn<QString>("report");
    QTest::newRow("small") << 0.8878912 << QStringLiteral("0.89") << QStringLiteral("0.8879");
    QTest::newRow("ordinary Froude number")
            << 5.274 << QStringLiteral("5.27") << QStringLiteral("5.274");
    QTest::newRow("just below a million")
            << 999999.25 << QStringLiteral("999999.25") << QStringLiteral("999999");
    QTest::newRow("four digits of a length")
            << 12.70714 << QStringLiteral("12.71") << QStringLiteral("12.71");
    QTest::newRow("rounded up to the next power of ten")
            << 9.99996 << QStringLiteral("10.00") << QStringLiteral("10.00");
    QTest::newRow("zero") << 0.0 << QStringLiteral("0.00") << QStringLiteral("0.000");
    QTest::newRow("a million") << 1e6 << QStringLiteral("1.00e+06") << QStringLiteral("1.000e+06");
    QTest::newRow("Froude number of a film")
            << 2.5e19 << QStringLiteral("2.50e+19") << QStringLiteral("2.500e+19");
    QTest::newRow("negative") << -3.21e7 << QStringLiteral("-3.21e+07")
                              << QStringLiteral("-3.210e+07");
    QTest::newRow("largest double") << 1.7976931348623157e308 << QStringLiteral("1.80e+308")
                                    << QStringLiteral("1.798e+308");
}

void TestWriters::figuresFromAMillionHaveAnExponent()
{
    QFETCH(double, value);
    QTEST(tableNumberText(value, 2), "table");
    QTEST(figure(value), "report");
}

// The inputs as the report's text carries them, and results to the
// millimetre and the centimetre.
void TestWriters::numbersAtThePrecisionOfPractice_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("practical");
    QTest::addColumn<QString>("millimetre");
    QTest::addColumn<QString>("centimetre");
    QTest::newRow("typed coefficient")
            << 0.95 << QStringLiteral("0.95") << QStringLiteral("0.950") << QStringLiteral("0.95");
    QTest::newRow("typed discharge")
            << 10.0 << QStringLiteral("10") << QStringLiteral("10.000") << QStringLiteral("10.00");
    QTest::newRow("four digits typed") << 19.62 << QStringLiteral("19.62")
                                       << QStringLiteral("19.620") << QStringLiteral("19.62");
    QTest::newRow("interpolated tailwater") << 1.5900000000000034 << QStringLiteral("1.590")
                                            << QStringLiteral("1.590") << QStringLiteral("1.59");
    QTest::newRow("head from the weir formula")
            << 0.9575068633859928 << QStringLiteral("0.9575") << QStringLiteral("0.958")
            << QStringLiteral("0.96");
    QTest::newRow("critical depth typed in full")
            << 4.36829 << QStringLiteral("4.368") << QStringLiteral("4.368")
            << QStringLiteral("4.37");
    QTest::newRow("negative") << -0.04173 << QStringLiteral("-0.04173") << QStringLiteral("-0.042")
                              << QStringLiteral("-0.04");
    QTest::newRow("a coefficient of 1e308")
            << 1e308 << QStringLiteral("1e+308") << QStringLiteral("1.000e+308")
            << QStringLiteral("1.000e+308");
    QTest::newRow("not finite") << qInf() << QStringLiteral("—") << QStringLiteral("—")
                                << QStringLiteral("—");
}

void TestWriters::numbersAtThePrecisionOfPractice()
{
    QFETCH(double, value);
    QTEST(practical(value), "practical");
    // What the user gave, exactly and short: never hundreds of digits.
    QVERIFY(given(value).size() <= 24);
    QVERIFY(std::isinf(value) || given(value).toDouble() == value);
    QTEST(toMillimetre(value), "millimetre");
    QTEST(toCentimetre(value), "centimetre");
}

QTEST_GUILESS_MAIN(TestWriters)
#include "tst_writers.moc"
