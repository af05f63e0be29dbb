// The calculation report as text: what came from the case file stays text,
// the file stands alone, every caption is translated, the figures are the
// design's, the governing cases are marked, and the Markdown carries the
// same tables.
#include "design/design.h"
#include "design/labels.h"
#include "design_cases.h"
#include "model/errors.h"
#include "writers/error_words.h"
#include "writers/html_report.h"
#include "writers/markdown_report.h"
#include "writers/report_numbers.h"

#include <algorithm>

#include <QRegularExpression>
#include <QTest>

Q_DECLARE_METATYPE(varnolt::writers::ReportLanguage)
Q_DECLARE_METATYPE(varnolt::writers::SettingOrigins)
Q_DECLARE_METATYPE(std::optional<double>)

using namespace varnolt;
using namespace varnolt::design;
using namespace varnolt::writers;
using namespace Qt::StringLiterals;

namespace {

// Five discharges of one weir, their tailwater from a rating curve.
std::vector<CaseInputs> weirCases()
{
    return {designCase(u"P=20%"_s, 4, 1.6, 5, 0.5, 2.2), designCase(u"P=5%"_s, 8, 2.5, 5, 0.8, 2.6),
            designCase(u"P=2%"_s, 12, 3.3, 5, 1.0, 3.1),
            designCase(u"P=1%"_s, 16, 4.0, 5, 1.2, 4.4),
            designCase(u"P=0.1%"_s, 22, 5.0, 5, 1.5, 7.5)};
}

ReportSettings settings(ReportLanguage language = ReportLanguage::Chinese)
{
    ReportSettings s;
    s.language = language;
    s.date = QDate(2026, 12, 7);
    return s;
}

QString html(const DesignResult &d, const ReportSettings &s)
{
    return QString::fromUtf8(htmlReport(d, s));
}

QString markdown(const DesignResult &d, const ReportSettings &s)
{
    return QString::fromUtf8(markdownReport(d, s));
}

// The sections of the cases, in order.
QStringList caseSections(const QString &page)
{
    QStringList parts = page.split(u"<section class=\"case\""_s);
    parts.removeFirst();
    return parts;
}

// A page's text as it reads, its typeset formulas in one line: the spaces
// MathML sets are spaces, every tag is dropped ("E0 = … = 6.613 m" reads
// "=6.613 m").
QString readText(const QString &page)
{
    static const QRegularExpression space(u"<mspace[^>]*></mspace>"_s);
    static const QRegularExpression tag(u"<[^>]+>"_s);
    QString text = page;
    text.replace(space, u" "_s);
    return text.remove(tag);
}

// The pipes of a Markdown table row that separate cells (not escaped ones).
int cellSeparators(const QString &row)
{
    int n = 0;
    for (qsizetype i = 0; i < row.size(); ++i) {
        if (row[i] == u'\\') {
            ++i;
            continue;
        }
        if (row[i] == u'|')
            ++n;
    }
    return n;
}

bool isChinese(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x2E80 && u <= 0x9FFF) || (u >= 0xF900 && u <= 0xFAFF)
            || (u >= 0xFF00 && u <= 0xFFEF);
}

} // namespace

class TestReportText : public QObject {
    Q_OBJECT

private slots:
    void caseFileTextStaysText_data();
    void caseFileTextStaysText();
    void standsAlone();
    void everyCaptionIsTranslated();
    void titleLanguageAndDate();
    void figuresAreTheDesigns();
    void governingCasesAreMarked();
    void errorsShowWhereTheCommandStopped();
    void englishReportOfFailingCasesHasNoChinese();
    void markdownCarriesTheSameTables();
    void conclusionGivesTheAdoptedDimensions_data();
    void conclusionGivesTheAdoptedDimensions();
    void conclusionWithoutABasin();
    void remarksBracketedAsTheLanguageBrackets();
    void coefficientSources_data();
    void coefficientSources();
};

void TestReportText::caseFileTextStaysText_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("script") << u"<script>alert(1)</script>"_s;
    QTest::newRow("closing tags") << u"</td></tr></table></section><h1>x</h1>"_s;
    QTest::newRow("quotes and ampersand") << u"a & b \"c\" 'd' &amp;"_s;
    QTest::newRow("markdown") << u"| pipe | *star* _under_ [link](http://x) `code` # ~x~"_s;
    QTest::newRow("line break") << u"first line\n| second | line"_s;
    QTest::newRow("controls") << u"bell\x07 escape\x1b[31m null"_s + QChar(0) + u"end"_s;
    QTest::newRow("placeholders") << u"%1 %2 %L3"_s;
}

void TestReportText::caseFileTextStaysText()
{
    QFETCH(QString, name);
    DesignResult d = evaluateDesign({designCase(name, 10, 3, 5, 1, 3)}, DesignOptions{});
    ReportSettings s = settings();
    s.title = name;
    s.project = {name, name, name};
    const QString page = html(d, s);

    // No markup of the case file survives: every tag in the page is one of
    // the report's own.
    static const QRegularExpression tag(u"<(/?[a-zA-Z][a-zA-Z0-9]*)"_s);
    static const QStringList own{u"html"_s, u"head"_s, u"meta"_s, u"title"_s, u"style"_s, u"body"_s,
            u"header"_s, u"h1"_s, u"h2"_s, u"h3"_s, u"h4"_s, u"p"_s, u"section"_s, u"table"_s,
            u"colgroup"_s, u"col"_s, u"thead"_s, u"tbody"_s, u"tr"_s, u"th"_s, u"td"_s, u"figure"_s,
            u"svg"_s, u"title"_s, u"defs"_s, u"pattern"_s, u"line"_s, u"path"_s, u"rect"_s, u"g"_s,
            u"text"_s,
            // The typeset formulas: MathML Core's elements.
            u"math"_s, u"mrow"_s, u"mi"_s, u"mn"_s, u"mo"_s, u"mtext"_s, u"mspace"_s, u"msub"_s,
            u"msup"_s, u"msubsup"_s, u"mfrac"_s, u"msqrt"_s, u"mroot"_s};
    QMap<QString, int> opened;
    for (const auto &m : tag.globalMatch(page)) {
        const QString t = m.captured(1);
        const QString bare = t.startsWith(u'/') ? t.mid(1) : t;
        QVERIFY2(own.contains(bare), qPrintable(t));
        if (bare == u"h1"_s || bare == u"section"_s || bare == u"table"_s)
            opened[bare] += t.startsWith(u'/') ? -1 : 1;
    }
    for (auto it = opened.cbegin(); it != opened.cend(); ++it)
        QVERIFY2(it.value() == 0, qPrintable(it.key()));
    QCOMPARE(page.count(u"<h1>"_s), 1);
    // The name reads as it was given, bar line breaks and controls.
    const QString shown = caseTitle(d.cases[0], 0, ReportLanguage::Chinese);
    QVERIFY(page.contains(u"<h3>3.1 工况："_s + htmlEscaped(shown) + u"</h3>"_s));
    QVERIFY(!shown.contains(u'\n'));

    // In Markdown the name stays in its cell and its line.
    const QString md = markdown(d, s);
    QVERIFY(!md.contains(u"<script"_s) && !md.contains(u"</td>"_s));
    const QStringList rows = md.split(u'\n').filter(QRegularExpression(u"^\\| 1 \\|"_s));
    QCOMPARE(rows.size(), 1);
    QCOMPARE(cellSeparators(rows[0]), 13);
    QVERIFY(md.contains(u"### 3.1 工况："_s + markdownEscaped(shown) + u'\n'));
}

void TestReportText::standsAlone()
{
    DesignOptions o;
    o.ks = 12;
    const DesignResult d = evaluateDesign(weirCases(), o);
    for (const ReportLanguage language : {ReportLanguage::Chinese, ReportLanguage::English}) {
        const QString page = html(d, settings(language));
        QVERIFY(page.startsWith(u"<!DOCTYPE html>\n"_s));
        QVERIFY(page.contains(u"<meta charset=\"utf-8\">"_s));
        for (const QString &outside : {u"<script"_s, u"src="_s, u"href"_s, u"@import"_s, u"<link"_s,
                     u"<img"_s, u"<iframe"_s, u"<object"_s, u"<embed"_s, u"javascript:"_s})
            QVERIFY2(!page.contains(outside, Qt::CaseInsensitive), qPrintable(outside));
        static const QRegularExpression handler(u"<[^>]*\\son[a-z]+\\s*="_s);
        QVERIFY(!page.contains(handler));
        // The only address is the SVG namespace, the only url() a hatching.
        QCOMPARE(page.count(u"http"_s), page.count(u"http://www.w3.org/2000/svg"_s));
        QCOMPARE(page.count(u"url("_s), page.count(u"url(#"_s));
        QCOMPARE(page.count(u"<svg "_s), 5);
    }
}

void TestReportText::everyCaptionIsTranslated()
{
    DesignOptions o;
    o.ks = 10;
    const DesignResult d = evaluateDesign(weirCases(), o);
    for (const QString &page : {html(d, settings(ReportLanguage::English)),
                 markdown(d, settings(ReportLanguage::English))}) {
        for (const QChar c : page)
            QVERIFY2(!isChinese(c),
                    qPrintable(u"U+%1 in %2"_s.arg(int(c.unicode()), 4, 16, QChar(u'0'))
                                       .arg(page.mid(page.indexOf(c) - 60, 80))));
        QVERIFY(page.contains(u"Energy Dissipator Calculation Report"_s));
    }
    const QString zh = html(d, settings());
    QVERIFY(zh.contains(u"消能计算书"_s));
    // The verdict in written Chinese, not the window's line.
    QVERIFY(zh.contains(u"下游发生远离水跃，需设消能工（消力池）。"_s));
    QVERIFY(!zh.contains(verdictText(JumpKind::Remote).toHtmlEscaped()));
}

void TestReportText::titleLanguageAndDate()
{
    const DesignResult d = evaluateDesign(weirCases(), DesignOptions{});
    const QString zh = html(d, settings());
    QVERIFY(zh.contains(u"<html lang=\"zh-CN\">"_s));
    QVERIFY(zh.contains(u"<title>消能计算书 2026-12-07</title>"_s));
    QVERIFY(zh.contains(u"<h1>消能计算书</h1>"_s));
    QVERIFY(zh.contains(u"日期：2026-12-07"_s));

    ReportSettings s = settings(ReportLanguage::English);
    s.title = u"Weir 3 & the spillway"_s;
    const QString en = html(d, s);
    QVERIFY(en.contains(u"<html lang=\"en\">"_s));
    QVERIFY(en.contains(u"<title>Weir 3 &amp; the spillway 2026-12-07</title>"_s));
    QVERIFY(en.contains(u"Date: 2026-12-07"_s));
    QVERIFY(markdown(d, s).startsWith(u"# Weir 3 &amp; the spillway\n\nDate: 2026-12-07\n"_s));
}

void TestReportText::figuresAreTheDesigns()
{
    DesignOptions o;
    o.ks = 12;
    const DesignResult d = evaluateDesign(weirCases(), o);
    const QStringList sections = caseSections(html(d, settings()));
    QCOMPARE(sections.size(), qsizetype(d.cases.size()));
    int basins = 0;
    for (std::size_t i = 0; i < d.cases.size(); ++i) {
        const CaseResult &r = d.cases[i];
        const QString &s = sections[qsizetype(i)];
        const QString t = readText(s);
        QVERIFY(r.check);
        const CheckResult &c = *r.check;
        // Each result stands after its substituted formula, depths and
        // heads to the millimetre ("= 2.168 m"), lengths to the centimetre.
        const auto mm = [](double v) { return u"="_s + QString::number(v, 'f', 3) + u" m"_s; };
        const auto cm = [](double v) { return u"="_s + QString::number(v, 'f', 2) + u" m"_s; };
        for (const double v : {c.E0, c.hc, c.hco, c.hco2, c.energyLoss, c.specificEnergy})
            QVERIFY2(t.contains(mm(v)), qPrintable(mm(v)));
        QVERIFY2(t.contains(cm(c.jumpLength)), qPrintable(cm(c.jumpLength)));
        QVERIFY(t.contains(u"="_s + figure(c.Fr1) + u"  →"_s));
        QVERIFY(t.contains(u"="_s + percent(c.relativeLoss) + u" %"_s));
        // The window's own texts, digit for digit.
        for (const QString &text : {c.text7, c.text8, c.text9})
            QVERIFY2(s.contains(u"<td class=\"num\">"_s + text + u"</td>"_s), qPrintable(text));
        if (!r.basin)
            continue;
        ++basins;
        const BasinResult &b = *r.basin;
        for (const double v : {b.Et, b.E0, b.hco, b.hco2, b.headDifference, b.slabThickness})
            QVERIFY2(t.contains(mm(v)), qPrintable(mm(v)));
        QVERIFY(t.contains(u"d="_s + QString::number(b.d, 'f', 3) + u" m"_s));
        QVERIFY(t.contains(u"=%1～%2 m"_s.arg(
                QString::number(b.lengthMin, 'f', 2), QString::number(b.lengthMax, 'f', 2))));
        for (const QString &text : {b.text11, b.text8})
            QVERIFY2(s.contains(u"<td class=\"num\">"_s + text + u"</td>"_s), qPrintable(text));
        // The window's length range, its two ends as the window writes them,
        // joined by the range mark of written Chinese.
        QString range = b.text12;
        range.replace(u"----"_s, u"～"_s);
        QVERIFY2(s.contains(u"<td class=\"num\">"_s + range + u"</td>"_s), qPrintable(range));
        QVERIFY(!s.contains(u"----"_s));
        QVERIFY(b.apronLength);
        QVERIFY(t.contains(cm(*b.apronLength)));
        if (b.standard.d) {
            QVERIFY(t.contains(mm(*b.standard.d)));
            QVERIFY(t.contains(cm(*b.standard.length)));
        } else {
            QVERIFY(b.standard.failure);
            QVERIFY(s.contains(htmlEscaped(
                    standardFailureWords(*b.standard.failure, ReportLanguage::Chinese))));
        }
    }
    QVERIFY(basins >= 2);
}

void TestReportText::governingCasesAreMarked()
{
    DesignOptions o;
    o.ks = 12;
    const DesignResult d = evaluateDesign(weirCases(), o);
    QVERIFY(d.governingDepth && d.governingLength && d.governingSlab && d.governingApron);
    const QString page = html(d, settings());
    const QString summary
            = page.section(u"<table class=\"summary\">"_s, 1).section(u"</table>"_s, 0, 0);
    const QStringList rows = summary.split(u"<tr>"_s).mid(2); // before, header
    QCOMPARE(rows.size(), qsizetype(d.cases.size()));
    for (std::size_t i = 0; i < d.cases.size(); ++i) {
        const QString &row = rows[qsizetype(i)];
        const bool depth = d.governingDepth == i;
        const bool length = d.governingLength == i;
        const bool slab = d.governingSlab == i;
        const bool apron = d.governingApron == i;
        QCOMPARE(row.contains(u"▲"_s), depth);
        QCOMPARE(row.contains(u"■"_s), length);
        QCOMPARE(row.contains(u"●"_s), slab);
        QCOMPARE(row.contains(u"◆"_s), apron);
        QCOMPARE(row.count(u"class=\"num marked\""_s),
                int(depth) + int(length) + int(slab) + int(apron));
    }
    // The structure's basin: the adopted values of the governing cases.
    const CaseResult &g = d.cases[*d.governingDepth];
    QVERIFY(page.contains(u"采用池深 d = %2 m，由工况“%1”控制。"_s.arg(
            g.inputs.name, given(g.basin->adoptedDepth.adopted))));
    const CaseResult &l = d.cases[*d.governingLength];
    QVERIFY(page.contains(u"采用池长 L = %2 m，由工况“%1”控制。"_s.arg(
            l.inputs.name, given(l.basin->adoptedLength.adopted))));
    const CaseResult &t = d.cases[*d.governingSlab];
    QVERIFY(page.contains(u"消力池底板厚度 t = %2 m，由工况“%1”控制。"_s.arg(
            t.inputs.name, QString::number(t.basin->slab, 'f', 3))));
    const CaseResult &a = d.cases[*d.governingApron];
    QVERIFY(page.contains(u"海漫长度 Lp = %2 m，由工况“%1”控制。"_s.arg(
            a.inputs.name, QString::number(a.apron->length, 'f', 2))));
    const QString md = markdown(d, settings());
    QVERIFY(md.contains(u"**"_s + given(g.basin->adoptedDepth.adopted) + u" ▲**"_s));
}

void TestReportText::errorsShowWhereTheCommandStopped()
{
    // No discharge stops the check; no submergence factor stops the basin.
    const DesignResult d = evaluateDesign({designCase(u"no discharge"_s, 0, 3, 5, 1, 3),
                                                  designCase(u"no sigma"_s, 10, 3, 5, 1, 3, 0),
                                                  designCase(u"fine"_s, 10, 3, 5, 1, 3)},
            DesignOptions{});
    QVERIFY(d.cases[0].error && !d.cases[0].check);
    QVERIFY(d.cases[1].error && d.cases[1].check && !d.cases[1].basin);
    QCOMPARE(d.governingDepth, std::optional<std::size_t>(2));

    for (const ReportLanguage language : {ReportLanguage::Chinese, ReportLanguage::English}) {
        const QStringList sections = caseSections(html(d, settings(language)));
        for (int i : {0, 1}) {
            const CaseError &e = *d.cases[std::size_t(i)].error;
            const QString &s = sections[i];
            QVERIFY(s.contains(u"<p class=\"error\">"_s));
            QVERIFY(s.contains(htmlEscaped(errorWords(e.error, language))));
            // The step in the reader's words, not the window's command.
            QVERIFY(!s.contains(stageKey(e.stage)));
            QVERIFY(s.contains(htmlEscaped(
                    word(e.stage == Stage::Basin ? Word::StepBasin : Word::StepCheck, language))));
            QVERIFY(s.contains(language == ReportLanguage::Chinese ? errorKindName(e.error.kind())
                                                                   : errorKindKey(e.error.kind())));
        }
        // The check that stopped has no sketch; the basin that stopped shows
        // the jump at the toe.
        QVERIFY(!sections[0].contains(u"<svg"_s));
        QVERIFY(sections[1].contains(u"<svg"_s));
        QVERIFY(!sections[1].contains(u"data-role=\"basin-floor\""_s));
        QVERIFY(sections[2].contains(u"data-role=\"basin-floor\""_s));
        QVERIFY(!sections[2].contains(u"<p class=\"error\">"_s));
    }
}

// Chinese case names, and every way a case can stop or the standard's
// cross-check can fail: outside the names, the English report has not one
// Chinese character, the errors and verdicts included.
void TestReportText::englishReportOfFailingCasesHasNoChinese()
{
    const QStringList names{u"设计洪水"_s, u"无流量"_s, u"流速系数为零"_s, u"淹没系数过小"_s,
            u"急流尾水"_s, u"淹没水跃"_s, u"水头太小"_s, u"池深无解"_s};
    DesignOptions options;
    options.alpha = 40; // the standard's cubic has no root for the worked weir
    options.ks = 10;
    CaseInputs noPhi = designCase(names[2], 10, 3, 5, 1, 3);
    noPhi.phi = 0;
    const DesignResult d = evaluateDesign(
            {designCase(names[0], 10, 3, 5, 1, 3), designCase(names[1], 0, 3, 5, 1, 3), noPhi,
                    designCase(names[3], 10, 3, 5, 1, 3, 0.5),
                    designCase(names[4], 10, 3, 5, 1, 0.5), designCase(names[5], 10, 3, 5, 1, 6),
                    designCase(names[6], 100, 0.01, 0.01, 0, 3),
                    designCase(names[7], 10, 3, 5, 1, 3, 1000)},
            options);
    const auto stopped = std::count_if(d.cases.begin(), d.cases.end(),
            [](const CaseResult &r) { return r.error.has_value(); });
    QCOMPARE(stopped, 6);
    QVERIFY(d.cases[0].basin && d.cases[0].basin->standard.failure);

    for (QString page : {html(d, settings(ReportLanguage::English)),
                 markdown(d, settings(ReportLanguage::English))}) {
        QVERIFY(page.contains(u"Stopped at the basin sizing (no solution): "_s));
        QVERIFY(page.contains(u"cross-check has no root: By the standard"_s));
        QVERIFY(page.contains(verdictWords(JumpKind::Submerged, ReportLanguage::English)));
        for (const QString &name : names)
            page.remove(name);
        for (const QChar c : page)
            QVERIFY2(!isChinese(c),
                    qPrintable(u"U+%1 in %2"_s.arg(int(c.unicode()), 4, 16, QChar(u'0'))
                                       .arg(page.mid(page.indexOf(c) - 60, 80))));
    }
}

void TestReportText::markdownCarriesTheSameTables()
{
    DesignOptions o;
    o.ks = 12;
    const DesignResult d = evaluateDesign(weirCases(), o);
    const QString page = html(d, settings());
    const QString md = markdown(d, settings());
    QVERIFY(!md.contains(u"<svg"_s));

    // Every table cell of the HTML report is a cell of the Markdown one.
    static const QRegularExpression cell(u"<t[dh][^>]*>([^<]*)</t[dh]>"_s);
    QStringList mdCells;
    for (const QString &line : md.split(u'\n')) {
        if (!line.startsWith(u'|'))
            continue;
        for (QString c : line.split(u" | "_s))
            mdCells << c.remove(u"**"_s).remove(u'|').trimmed();
    }
    int compared = 0;
    for (const auto &m : cell.globalMatch(page)) {
        QString text = m.captured(1);
        text.replace(u"&amp;"_s, u"&"_s).replace(u"&lt;"_s, u"<"_s).replace(u"&gt;"_s, u">"_s);
        QVERIFY2(mdCells.contains(markdownEscaped(text).trimmed()), qPrintable(text));
        ++compared;
    }
    QVERIFY(compared > 100);

    // And every heading and paragraph, in the same order.
    static const QRegularExpression prose(u"<(h[1-4]|p)(?: [^>]*)?>([^<]*)</\\1>"_s);
    qsizetype at = 0;
    for (const auto &m : prose.globalMatch(page)) {
        QString text = m.captured(2);
        text.replace(u"&amp;"_s, u"&"_s).replace(u"&lt;"_s, u"<"_s).replace(u"&gt;"_s, u">"_s);
        const qsizetype found = md.indexOf(markdownEscaped(text), at);
        QVERIFY2(found >= 0, qPrintable(text));
        at = found;
    }
}

// The conclusion's table holds the adopted type's dimensions, each with the
// case that governs it, and says which type is adopted.
void TestReportText::conclusionGivesTheAdoptedDimensions_data()
{
    QTest::addColumn<BasinType>("type");
    QTest::newRow("sunk basin") << BasinType::Sunk;
    QTest::newRow("sill basin") << BasinType::Sill;
    QTest::newRow("combined basin") << BasinType::Combined;
}

void TestReportText::conclusionGivesTheAdoptedDimensions()
{
    QFETCH(BasinType, type);
    DesignOptions o;
    o.ks = 10;
    o.basinType = type;
    const DesignResult d = evaluateDesign(weirCases(), o);
    QVERIFY(d.governingDepth && d.governingLength && d.governingSlab && d.governingApron);
    const QString page = markdown(d, settings());
    const qsizetype at = page.indexOf(u"## 5 结论"_s);
    QVERIFY(at > page.indexOf(u"## 4 计算成果汇总"_s));
    const QString conclusion = page.mid(at);
    const auto name = [&d](const std::optional<std::size_t> &i) { return d.cases[*i].inputs.name; };
    const auto row = [](const QString &item, const QString &value, const QString &governing) {
        return u"| %1 | %2 | %3 |"_s.arg(item, value, governing);
    };
    const CaseResult &slab = d.cases[*d.governingSlab];
    QVERIFY(conclusion.contains(row(u"消力池底板厚度 t (m)"_s,
            QString::number(slab.basin->slab, 'f', 3), name(d.governingSlab))));
    QVERIFY(conclusion.contains(row(u"海漫长度 Lp (m)"_s,
            QString::number(d.cases[*d.governingApron].apron->length, 'f', 2),
            name(d.governingApron))));
    switch (type) {
    case BasinType::Sunk: {
        const CaseResult &depth = d.cases[*d.governingDepth];
        const CaseResult &length = d.cases[*d.governingLength];
        QVERIFY(conclusion.contains(row(u"消力池型式"_s, u"降低护坦式消力池"_s, u"—"_s)));
        QVERIFY(conclusion.contains(row(u"消力池深 d (m)"_s,
                QString::number(depth.basin->adoptedDepth.adopted), name(d.governingDepth))));
        QVERIFY(conclusion.contains(row(u"消力池长 L (m)"_s,
                QString::number(length.basin->adoptedLength.adopted), name(d.governingLength))));
        QVERIFY(conclusion.contains(u"共计算 5 个工况，采用降低护坦式消力池。"_s));
        QVERIFY(conclusion.contains(u"池深由工况“%1”控制，池长由工况“%2”控制"_s.arg(
                name(d.governingDepth), name(d.governingLength))));
        break;
    }
    case BasinType::Sill: {
        QVERIFY(d.governingSill);
        const SillBasin &sill = *d.cases[*d.governingSill].sill->basin;
        QVERIFY(conclusion.contains(row(
                u"消力坎高度 c (m)"_s, QString::number(sill.c, 'f', 3), name(d.governingSill))));
        QVERIFY(!conclusion.contains(u"消力池深 d (m)"_s));
        QVERIFY(conclusion.contains(u"采用消力坎式消力池。"_s));
        break;
    }
    case BasinType::Combined: {
        QVERIFY(d.governingCombined);
        const CombinedBasin &combined = *d.cases[*d.governingCombined].combined->basin;
        QVERIFY(conclusion.contains(row(u"消力池深 d (m)"_s, QString::number(combined.d, 'f', 3),
                name(d.governingCombined))));
        QVERIFY(conclusion.contains(row(u"消力坎高度 c (m)"_s, QString::number(combined.c, 'f', 3),
                name(d.governingCombined))));
        QVERIFY(conclusion.contains(row(u"消力池长 L (m)"_s,
                QString::number(combined.lengthMax, 'f', 2), name(d.governingCombined))));
        QVERIFY(conclusion.contains(u"采用综合式消力池。"_s));
        break;
    }
    }
}

// Where the tailwater holds every jump there is nothing to adopt.
void TestReportText::conclusionWithoutABasin()
{
    const DesignResult d
            = evaluateDesign({designCase(u"drowned"_s, 10, 3, 5, 1, 8)}, DesignOptions{});
    QVERIFY(!d.governingDepth);
    const QString page = markdown(d, settings());
    // A design of case rows states its cases as given among the conditions.
    const QString conditions = page.mid(page.indexOf(u"## 1 设计条件"_s));
    QVERIFY(conditions.contains(u"### 1.1 计算工况"_s));
    QVERIFY(conditions.contains(u"| drowned | 10 | 3 | 5 | 1 | 8 | 0.95 | 1.05 |"_s));
    const QString conclusion = page.mid(page.indexOf(u"## 5 结论"_s));
    QVERIFY(conclusion.contains(u"没有需要消力池的工况。"_s));
    QVERIFY(!conclusion.contains(u"| 项目 |"_s));
}

// A remark after a worked line takes full-width brackets in a Chinese
// sentence and plain ones in English; the formula itself keeps half-width.
void TestReportText::remarksBracketedAsTheLanguageBrackets()
{
    const DesignResult d = evaluateDesign(weirCases(), DesignOptions{});
    const QString zh = markdown(d, settings());
    QVERIFY(zh.contains(u" m（二分法求根）"_s));
    QVERIFY(zh.contains(u" m（由规范公式）；按 0.05 m 向上取整："_s)
            || zh.contains(u" m（由窗口池长上限）；按 0.5 m 向上取整："_s));
    QVERIFY(!zh.contains(u"(二分法求根)"_s));
    QVERIFY(zh.contains(u"E0 = a1 + H + v²/(2g)"_s));
    const QString en = markdown(d, settings(ReportLanguage::English));
    QVERIFY(en.contains(u" m  (root by bisection)"_s));
}

// The coefficients' sources as the origins record gives them, the same in
// the HTML and the Markdown: the bed class a Ks was taken by, no origin for
// a Ks not given, and the option a value came by.
void TestReportText::coefficientSources_data()
{
    QTest::addColumn<ReportLanguage>("language");
    QTest::addColumn<SettingOrigins>("origins");
    QTest::addColumn<std::optional<double>>("ks");
    QTest::addColumn<QString>("symbol");
    QTest::addColumn<QString>("source");

    SettingOrigins fileBed;
    fileBed.ks = SettingOrigin::DesignFile;
    fileBed.bed = u"fine-sand"_s;
    SettingOrigins slabByOption;
    slabByOption.slabUnitWeight = SettingOrigin::CommandLine;
    const auto zh = ReportLanguage::Chinese;
    const auto en = ReportLanguage::English;
    QTest::newRow("Ks by the file's bed")
            << zh << fileBed << std::optional(14.0) << u"Ks"_s
            << u"SL 265—2016 附录 B；按河床土质：粉砂、细砂；设计文件"_s;
    QTest::newRow("Ks by the file's bed, English")
            << en << fileBed << std::optional(14.0) << u"Ks"_s
            << u"SL 265—2016, Appendix B; by the river bed: fine sand; design file"_s;
    QTest::newRow("Ks not given") << zh << SettingOrigins{} << std::optional<double>() << u"Ks"_s
                                  << u"SL 265—2016 附录 B"_s;
    QTest::newRow("Ks not given, English") << en << SettingOrigins{} << std::optional<double>()
                                           << u"Ks"_s << u"SL 265—2016, Appendix B"_s;
    QTest::newRow("γb by its option") << zh << slabByOption << std::optional<double>() << u"γb"_s
                                      << u"底板材料；命令行 --slab-unit-weight"_s;
    QTest::newRow("γb by its option, English")
            << en << slabByOption << std::optional<double>() << u"γb"_s
            << u"material of the floor slab; command line --slab-unit-weight"_s;
    QTest::newRow("α by default") << zh << slabByOption << std::optional<double>() << u"α"_s
                                  << u"水力学教材；程序默认值"_s;
    QTest::newRow("Δd by default, English") << en << SettingOrigins{} << std::optional<double>()
                                            << u"Δd"_s << u"design practice; program default"_s;
}

void TestReportText::coefficientSources()
{
    QFETCH(ReportLanguage, language);
    QFETCH(SettingOrigins, origins);
    QFETCH(std::optional<double>, ks);
    QFETCH(QString, symbol);
    QFETCH(QString, source);
    DesignOptions options;
    options.ks = ks;
    const DesignResult d = evaluateDesign(weirCases(), options);
    ReportSettings s = settings(language);
    s.origins = origins;

    const QRegularExpression htmlRow(u"<tr><td>"_s + QRegularExpression::escape(symbol)
            + u"</td>.*<td>"_s + QRegularExpression::escape(source) + u"</td></tr>"_s);
    QVERIFY2(htmlRow.match(html(d, s)).hasMatch(), qPrintable(source));
    const QString md = markdown(d, s);
    const QRegularExpression markdownRow(u"^\\| "_s + QRegularExpression::escape(symbol)
                    + u" \\|.* \\| "_s + QRegularExpression::escape(source) + u" \\|$"_s,
            QRegularExpression::MultilineOption);
    QVERIFY2(markdownRow.match(md).hasMatch(), qPrintable(source));
    // Cases given by rows bring their own σ, shown with their inputs: the
    // coefficients have no row of it.
    QVERIFY(!md.contains(u"\n| σ | "_s));
}

QTEST_GUILESS_MAIN(TestReportText)
#include "tst_report_text.moc"
