// The calculation report's title page and running header: the project's
// entries from the design file or the command line, none made up; what the
// user typed stays text in the HTML, in the CSS of the page header and in
// the Markdown; the page numbers and sign-off words in both languages.
#include "design/design.h"
#include "design_cases.h"
#include "writers/html_report.h"
#include "writers/markdown_report.h"

#include <QRegularExpression>
#include <QTest>

Q_DECLARE_METATYPE(varnolt::design::ProjectInfo)
Q_DECLARE_METATYPE(std::optional<varnolt::design::ProjectInfo>)
Q_DECLARE_METATYPE(varnolt::writers::ReportLanguage)

using namespace varnolt;
using namespace varnolt::design;
using namespace varnolt::writers;
using namespace Qt::StringLiterals;

namespace {

const QChar isolateStart(0x2068);
const QChar isolateEnd(0x2069);

DesignResult workedDesign(const std::optional<ProjectInfo> &fromFile)
{
    DesignResult d = evaluateDesign({designCase(u"P=2%"_s, 10, 3, 5, 1, 3)}, DesignOptions{});
    d.project = fromFile;
    return d;
}

ReportSettings settings(ReportLanguage language, const ProjectInfo &given)
{
    ReportSettings s;
    s.language = language;
    s.date = QDate(2026, 12, 7);
    s.project = given;
    return s;
}

QString unescapedHtml(QString text)
{
    text.replace(u"&lt;"_s, u"<"_s).replace(u"&gt;"_s, u">"_s);
    text.replace(u"&quot;"_s, u"\""_s).replace(u"&#39;"_s, u"'"_s);
    return text.replace(u"&amp;"_s, u"&"_s);
}

// The cells of the HTML table of `cls`, row by row, as text.
QList<QStringList> tableCells(const QString &page, const QString &cls)
{
    const qsizetype start = page.indexOf(u"<table class=\"%1\">"_s.arg(cls));
    const qsizetype end = page.indexOf(u"</table>"_s, start);
    if (start < 0 || end < 0)
        return {};
    const QString table = page.mid(start, end - start);
    static const QRegularExpression row(u"<tr>(.*?)</tr>"_s);
    static const QRegularExpression cell(u"<t[dh][^>]*>(.*?)</t[dh]>"_s);
    QList<QStringList> rows;
    for (const auto &r : row.globalMatch(table)) {
        QStringList cells;
        for (const auto &c : cell.globalMatch(r.captured(1)))
            cells << unescapedHtml(c.captured(1));
        rows << cells;
    }
    return rows;
}

// The content of a margin box, read as a browser reads CSS: strings with
// their escapes undone, counters as [page] and [pages]. Empty where the box
// is missing or a string does not end.
QString marginBoxContent(const QString &page, const QString &box)
{
    const qsizetype at = page.indexOf(u"@"_s + box + u" { content: "_s);
    if (at < 0)
        return {};
    QString out;
    qsizetype i = page.indexOf(u"content: "_s, at) + 9;
    while (i < page.size() && page[i] != u';') {
        if (page.mid(i, 14) == u"counter(pages)"_s) {
            out += u"[pages]"_s;
            i += 14;
        } else if (page.mid(i, 13) == u"counter(page)"_s) {
            out += u"[page]"_s;
            i += 13;
        } else if (page[i] == u'"') {
            for (++i; i < page.size() && page[i] != u'"'; ++i) {
                if (page[i] == u'\n' || page[i] == u'<')
                    return {};
                if (page[i] != u'\\') {
                    out += page[i];
                    continue;
                }
                ++i;
                static const QRegularExpression hex(u"\\G([0-9A-Fa-f]{1,6}) ?"_s);
                if (const auto m = hex.match(page, i); m.hasMatch()) {
                    out += QChar(m.captured(1).toUInt(nullptr, 16));
                    i += m.capturedLength() - 1;
                } else {
                    out += page[i];
                }
            }
            if (i >= page.size())
                return {};
            ++i;
        } else if (page[i] == u' ') {
            ++i;
        } else {
            return {}; // anything else would be a fault of the rule
        }
    }
    return out;
}

} // namespace

class TestReportTitlePage : public QObject {
    Q_OBJECT

private slots:
    void entriesAndHeader_data();
    void entriesAndHeader();
    void pageNumbersAndSignOff_data();
    void pageNumbersAndSignOff();
    void titleInTheHeaderStaysText();
};

void TestReportTitlePage::entriesAndHeader_data()
{
    QTest::addColumn<std::optional<ProjectInfo>>("fromFile");
    QTest::addColumn<ProjectInfo>("given"); // on the command line
    QTest::addColumn<ProjectInfo>("shown"); // the title page's cells
    QTest::addColumn<QString>("header"); // the running header

    const QString title = u"消能计算书"_s;
    const QString gap = u"　"_s;
    QTest::newRow("nothing given: empty cells, the title alone atop the pages")
            << std::optional<ProjectInfo>() << ProjectInfo{} << ProjectInfo{} << title;
    QTest::newRow("the design file's entries")
            << std::optional(ProjectInfo{u"Example weir"_s, u"Preliminary design"_s, u"EX-001"_s})
            << ProjectInfo{} << ProjectInfo{u"Example weir"_s, u"Preliminary design"_s, u"EX-001"_s}
            << u"Example weir"_s + gap + title;
    QTest::newRow("the command line over the file, entry by entry")
            << std::optional(ProjectInfo{u"File weir"_s, u"初步设计"_s, u"F-1"_s})
            << ProjectInfo{u"某水库溢洪道"_s, QString(), u"JS-2026-07"_s}
            << ProjectInfo{u"某水库溢洪道"_s, u"初步设计"_s, u"JS-2026-07"_s}
            << u"某水库溢洪道"_s + gap + title;
    QTest::newRow("the command line alone, the stage left blank")
            << std::optional<ProjectInfo>() << ProjectInfo{u"Weir 3"_s, QString(), u"7"_s}
            << ProjectInfo{u"Weir 3"_s, QString(), u"7"_s} << u"Weir 3"_s + gap + title;
    QTest::newRow("markup stays text")
            << std::optional(ProjectInfo{u"<script>alert(1)</script>"_s, u"<b>x</b>"_s, u"&amp;"_s})
            << ProjectInfo{}
            << ProjectInfo{u"<script>alert(1)</script>"_s, u"<b>x</b>"_s, u"&amp;"_s}
            << u"<script>alert(1)</script>"_s + gap + title;
    QTest::newRow("quotes and backslashes in the header's CSS string")
            << std::optional<ProjectInfo>() << ProjectInfo{u"Weir \"A\" \\ 3 'b' \\\""_s, {}, {}}
            << ProjectInfo{u"Weir \"A\" \\ 3 'b' \\\""_s, {}, {}}
            << u"Weir \"A\" \\ 3 'b' \\\""_s + gap + title;
    QTest::newRow("a name that would end the style element")
            << std::optional<ProjectInfo>()
            << ProjectInfo{u"x\";}</style><script>y</script>"_s, {}, {}}
            << ProjectInfo{u"x\";}</style><script>y</script>"_s, {}, {}}
            << u"x\";}</style><script>y</script>"_s + gap + title;
    QTest::newRow("a bidirectional override left out")
            << std::optional(ProjectInfo{u"weir\u202E 3 m\u202C"_s, u"\u2067stage"_s, {}})
            << ProjectInfo{} << ProjectInfo{u"weir 3 m"_s, u"stage"_s, {}}
            << u"weir 3 m"_s + gap + title;
    const QString hebrew = u"סכר 3"_s;
    const QString isolatedHebrew = isolateStart + hebrew + isolateEnd;
    QTest::newRow("a right-to-left name isolated")
            << std::optional(ProjectInfo{hebrew, {}, {}}) << ProjectInfo{}
            << ProjectInfo{isolatedHebrew, {}, {}} << isolatedHebrew + gap + title;
    QTest::newRow("line breaks and tabs as blanks")
            << std::optional(ProjectInfo{u"first\nsecond\t third"_s, {}, {}}) << ProjectInfo{}
            << ProjectInfo{u"first second third"_s, {}, {}}
            << u"first second third"_s + gap + title;
    const QString longName = QString(256, u'水');
    QTest::newRow("a long name bounded, shorter in the header")
            << std::optional(ProjectInfo{longName, {}, {}}) << ProjectInfo{}
            << ProjectInfo{QString(120, u'水') + u'…', {}, {}}
            << QString(36, u'水') + u'…' + gap + title;
    // An ideograph outside the BMP (a surrogate pair) where the bound falls:
    // left out whole, never halved.
    const QString astral = QString::fromUcs4(U"\U00020000");
    const QString pairs = QString(119, u'水') + astral + QString(20, u'水');
    QTest::newRow("a character of two units across the bound left out whole")
            << std::optional(ProjectInfo{pairs, {}, {}}) << ProjectInfo{}
            << ProjectInfo{QString(119, u'水') + u'…', {}, {}}
            << QString(36, u'水') + u'…' + gap + title;
}

void TestReportTitlePage::entriesAndHeader()
{
    QFETCH(std::optional<ProjectInfo>, fromFile);
    QFETCH(ProjectInfo, given);
    QFETCH(ProjectInfo, shown);
    QFETCH(QString, header);

    const DesignResult d = workedDesign(fromFile);
    const ReportSettings s = settings(ReportLanguage::Chinese, given);
    const QString page = QString::fromUtf8(htmlReport(d, s));

    const QList<QStringList> expected{{u"工程名称"_s, shown.name}, {u"设计阶段"_s, shown.stage},
            {u"计算书编号"_s, shown.number}};
    QCOMPARE(tableCells(page, u"project"_s), expected);
    QCOMPARE(marginBoxContent(page, u"top-center"_s), header);

    // Nothing the user typed is markup: one style element, no script, and
    // the style element holds no markup character at all.
    QCOMPARE(page.count(u"</style"_s), 1);
    QVERIFY(!page.contains(u"<script"_s) && !page.contains(u"<b>"_s));
    const qsizetype styleStart = page.indexOf(u"<style>"_s) + 7;
    QVERIFY(!page.mid(styleStart, page.indexOf(u"</style>"_s) - styleStart).contains(u'<'));
    // No bidirectional control but the isolation of a right-to-left name.
    for (const QChar c : page) {
        const char16_t u = c.unicode();
        const bool embedding = (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
        QVERIFY2(!embedding || c == isolateStart || c == isolateEnd,
                qPrintable(u"U+%1"_s.arg(int(u), 4, 16)));
    }
    QCOMPARE(page.count(isolateStart), page.count(isolateEnd));

    // The Markdown carries the same entries in a table of their own.
    const QString md = QString::fromUtf8(markdownReport(d, s));
    const QStringList lines = md.split(u'\n');
    QVERIFY2(lines.contains(u"| 工程名称 | "_s + markdownEscaped(shown.name) + u" |"_s),
            qPrintable(md.left(600)));
    QVERIFY(lines.contains(u"| 设计阶段 | "_s + markdownEscaped(shown.stage) + u" |"_s));
    QVERIFY(lines.contains(u"| 计算书编号 | "_s + markdownEscaped(shown.number) + u" |"_s));
    QVERIFY(!md.contains(u"@page"_s) && !md.contains(u"counter("_s));
}

void TestReportTitlePage::pageNumbersAndSignOff_data()
{
    QTest::addColumn<ReportLanguage>("language");
    QTest::addColumn<QString>("footer");
    QTest::addColumn<QList<QStringList>>("signOff");
    QTest::addColumn<QString>("header");

    QTest::newRow("Chinese") << ReportLanguage::Chinese << u"第 [page] 页 共 [pages] 页"_s
                             << QList<QStringList>{{u"签署"_s, u"签名"_s, u"日期"_s},
                                        {u"计算"_s, {}, {}}, {u"校核"_s, {}, {}},
                                        {u"审查"_s, {}, {}}, {u"批准"_s, {}, {}}}
                             << u"某水库　消能计算书"_s;
    QTest::newRow("English") << ReportLanguage::English << u"Page [page] of [pages]"_s
                             << QList<QStringList>{{u"Sign-off"_s, u"Name"_s, u"Date"_s},
                                        {u"Calculated"_s, {}, {}}, {u"Checked"_s, {}, {}},
                                        {u"Reviewed"_s, {}, {}}, {u"Approved"_s, {}, {}}}
                             << u"某水库 — Energy Dissipator Calculation Report"_s;
}

void TestReportTitlePage::pageNumbersAndSignOff()
{
    QFETCH(ReportLanguage, language);
    QFETCH(QString, footer);
    QFETCH(QList<QStringList>, signOff);
    QFETCH(QString, header);

    const DesignResult d = workedDesign(std::nullopt);
    const ReportSettings s = settings(language, ProjectInfo{u"某水库"_s, {}, {}});
    const QString page = QString::fromUtf8(htmlReport(d, s));
    QCOMPARE(marginBoxContent(page, u"bottom-center"_s), footer);
    QCOMPARE(marginBoxContent(page, u"top-center"_s), header);
    QCOMPARE(tableCells(page, u"signoff"_s), signOff);
    // The title page stands before the report's first chapter.
    QVERIFY(page.indexOf(u"<table class=\"signoff\">"_s) < page.indexOf(u"<section"_s));
    QVERIFY(page.contains(u"<header class=\"title-page\">"_s));

    const QString md = QString::fromUtf8(markdownReport(d, s));
    QVERIFY(md.contains(u"| %1 | %2 | %3 |\n"_s.arg(signOff[0][0], signOff[0][1], signOff[0][2])));
    for (qsizetype i = 1; i < signOff.size(); ++i)
        QVERIFY(md.contains(u"| %1 |  |  |\n"_s.arg(signOff[i][0])));
}

// A title typed by the user reads back whole from the header's CSS, and is
// shortened there as a project's name is.
void TestReportTitlePage::titleInTheHeaderStaysText()
{
    const DesignResult d = workedDesign(std::nullopt);
    ReportSettings s = settings(ReportLanguage::English, ProjectInfo{});
    s.title = u"Spillway \"B\" \\ </style> report"_s;
    QCOMPARE(marginBoxContent(QString::fromUtf8(htmlReport(d, s)), u"top-center"_s), s.title);
    s.title = QString(100, u'x');
    QCOMPARE(marginBoxContent(QString::fromUtf8(htmlReport(d, s)), u"top-center"_s),
            QString(36, u'x') + u'…');
}

QTEST_GUILESS_MAIN(TestReportTitlePage)
#include "tst_report_title_page.moc"
