// The report's formulas typeset: the linear notation they are written in,
// read into MathML's elements, and every calculation of a report read.
#include "design/design.h"
#include "design_cases.h"
#include "writers/formula_mathml.h"
#include "writers/formula_reader.h"
#include "writers/report_document.h"

#include <QTest>

using namespace varnolt::design;
using namespace varnolt::writers;
using namespace Qt::StringLiterals;

class TestFormulaTypesetting : public QObject {
    Q_OBJECT

private slots:
    void typeset_data();
    void typeset();
    void outsideTheNotation_data();
    void outsideTheNotation();
    void everyCalculationOfAReportIsTypeset_data();
    void everyCalculationOfAReportIsTypeset();
};

namespace {

const QString unitSpace = u"<mspace width=\"0.25em\"></mspace>"_s;

QString metreUnit()
{
    return unitSpace + u"<mi mathvariant=\"normal\">m</mi>"_s;
}

} // namespace

void TestFormulaTypesetting::typeset_data()
{
    QTest::addColumn<QString>("calculation");
    QTest::addColumn<QString>("remark");
    QTest::addColumn<QString>("html");

    // Subscripts, primes, powers, fractions and roots, as a textbook sets them.
    QTest::newRow("cube root of a fraction")
            << u"hk = (q²/g)^(1/3)"_s << QString()
            << u"<math><mrow><msub><mi>h</mi><mi>k</mi></msub><mo>=</mo><mroot><mrow><mfrac>"
               "<msup><mi>q</mi><mn>2</mn></msup><mi>g</mi></mfrac></mrow><mn>3</mn></mroot>"
               "</mrow></math>"_s;
    QTest::newRow("conjugate depth: fraction, root, juxtaposed factor")
            << u"hc″ = hc/2·(√(1 + 8q²/(g·hc³)) − 1)"_s << QString()
            << u"<math><mrow><msubsup><mi>h</mi><mi>c</mi><mo>″</mo></msubsup><mo>=</mo>"
               "<mfrac><msub><mi>h</mi><mi>c</mi></msub><mn>2</mn></mfrac><mo>·</mo><mrow>"
               "<mo>(</mo><mrow><msqrt><mrow><mn>1</mn><mo>+</mo><mn>8</mn><mfrac><msup><mi>q"
               "</mi><mn>2</mn></msup><mrow><mi>g</mi><mo>·</mo><msup><msub><mi>h</mi><mi>c"
               "</mi></msub><mn>3</mn></msup></mrow></mfrac></mrow></msqrt><mo>−</mo><mn>1</mn>"
               "</mrow><mo>)</mo></mrow></mrow></math>"_s;
    QTest::newRow("prime before a subscript, upright delta")
            << u"d′ = σ0·hc″ − h′s − ΔZ"_s << QString()
            << u"<math><mrow><msup><mi>d</mi><mo>′</mo></msup><mo>=</mo><msub><mi>σ</mi><mn>0"
               "</mn></msub><mo>·</mo><msubsup><mi>h</mi><mi>c</mi><mo>″</mo></msubsup><mo>−"
               "</mo><msubsup><mi>h</mi><mi>s</mi><mo>′</mo></msubsup><mo>−</mo><mrow><mi "
               "mathvariant=\"normal\">Δ</mi><mi>Z</mi></mrow></mrow></math>"_s;
    QTest::newRow("a primed symbol squared keeps one superscript")
            << u"α·q²/(2g·φ′²·h′s²)"_s << QString()
            << u"<math><mrow><mi>α</mi><mo>·</mo><mfrac><msup><mi>q</mi><mn>2</mn></msup><mrow>"
               "<mn>2</mn><mi>g</mi><mo>·</mo><msup><mi>φ</mi><mrow><mo>′</mo><mn>2</mn></mrow>"
               "</msup><mo>·</mo><msubsup><mi>h</mi><mi>s</mi><mrow><mo>′</mo><mn>2</mn></mrow>"
               "</msubsup></mrow></mfrac></mrow></math>"_s;
    QTest::newRow("a decimal power")
            << u"× 1^0.25 = 2.069 m"_s << QString()
            << u"<math><mrow><mo>×</mo><msup><mn>1</mn><mn>0.25</mn></msup><mo>=</mo>"
               "<mn>2.069</mn>"_s
                    + metreUnit() + u"</mrow></math>"_s;
    QTest::newRow("nested roots")
            << u"Lp = Ks·√(qs·√ΔH′)"_s << QString()
            << u"<math><mrow><msub><mi>L</mi><mi>p</mi></msub><mo>=</mo><msub><mi>K</mi><mi>s"
               "</mi></msub><mo>·</mo><msqrt><mrow><msub><mi>q</mi><mi>s</mi></msub><mo>·</mo>"
               "<msqrt><msup><mrow><mi mathvariant=\"normal\">Δ</mi><mi>H</mi></mrow><mo>′</mo>"
               "</msup></msqrt></mrow></msqrt></mrow></math>"_s;
    QTest::newRow("a function keeps its parentheses")
            << u"t′ = max(t/2, 0.5)"_s << QString()
            << u"<math><mrow><msup><mi>t</mi><mo>′</mo></msup><mo>=</mo><mrow><mi>max</mi>"
               "<mrow><mo>(</mo><mrow><mfrac><mi>t</mi><mn>2</mn></mfrac><mo>,</mo><mn>0.5</mn>"
               "</mrow><mo>)</mo></mrow></mrow></mrow></math>"_s;
    QTest::newRow("one formula per equals sign, to break between")
            << u"E1 = hc + 2 = 3 m"_s << QString()
            << u"<math><mrow><msub><mi>E</mi><mn>1</mn></msub><mo>=</mo><msub><mi>h</mi><mi>c"
               "</mi></msub><mo>+</mo><mn>2</mn></mrow></math> <math><mrow><mo>=</mo><mn>3</mn>"_s
                    + metreUnit() + u"</mrow></math>"_s;
    // Units after figures, the range's word, an exponent of a huge figure.
    QTest::newRow("units, not quantities") << u"v = 2.5 m/s"_s << QString()
                                           << u"<math><mrow><mi>v</mi><mo>=</mo><mn>2.5</mn>"_s
                    + unitSpace + u"<mi mathvariant=\"normal\">m/s</mi></mrow></math>"_s;
    QTest::newRow("percent") << u"ΔE/E1 = 28.2 %"_s << QString()
                             << u"<math><mrow><mfrac><mrow><mi mathvariant=\"normal\">Δ</mi><mi>E"
                                "</mi></mrow><msub><mi>E</mi><mn>1</mn></msub></mfrac><mo>=</mo>"
                                "<mn>28.2</mn>"_s
                    + unitSpace + u"<mi mathvariant=\"normal\">%</mi></mrow></math>"_s;
    QTest::newRow("range word")
            << u"L = 9.14 to 10.45 m"_s << QString()
            << u"<math><mrow><mi>L</mi><mo>=</mo><mn>9.14</mn><mspace width=\"0.3em\"></mspace>"
               "<mtext>to</mtext><mspace width=\"0.3em\"></mspace><mn>10.45</mn>"_s
                    + metreUnit() + u"</mrow></math>"_s;
    QTest::newRow("exponent of a figure")
            << u"Ks = 1e+308"_s << QString()
            << u"<math><mrow><msub><mi>K</mi><mi>s</mi></msub><mo>=</mo><mn>1e+308</mn></mrow>"
               "</math>"_s;
    // Formulas joined in one calculation, and the remark after them as text.
    QTest::newRow("joins and an escaped remark")
            << u"d = 0.5 m:  E = 2,  hc = 1 m"_s << u"（<b>&）"_s
            << u"<math><mrow><mi>d</mi><mo>=</mo><mn>0.5</mn>"_s + metreUnit()
                    + u"</mrow></math>:  <math><mrow><mi>E</mi><mo>=</mo><mn>2</mn></mrow></math>,"
                      "  <math><mrow><msub><mi>h</mi><mi>c</mi></msub><mo>=</mo><mn>1</mn>"_s
                    + metreUnit() + u"</mrow></math>（&lt;b&gt;&amp;）"_s;
}

void TestFormulaTypesetting::typeset()
{
    QFETCH(QString, calculation);
    QFETCH(QString, remark);
    QFETCH(QString, html);
    const std::optional<Formula> f = readFormula(calculation, remark, {u"to"_s});
    QVERIFY(f);
    QCOMPARE(formulaHtml(*f), html);
}

void TestFormulaTypesetting::outsideTheNotation_data()
{
    QTest::addColumn<QString>("calculation");
    QTest::newRow("empty") << QString();
    QTest::newRow("a character of no formula") << u"a @ b"_s;
    QTest::newRow("a stop inside a formula") << u"x = 1; y = 2"_s;
    QTest::newRow("unclosed parenthesis") << u"(x + 1"_s;
    QTest::newRow("unopened parenthesis") << u"x + 1)"_s;
    QTest::newRow("fraction without a denominator") << u"2 /"_s;
    QTest::newRow("root of nothing") << u"√"_s;
    QTest::newRow("power of nothing") << u"x^"_s;
    QTest::newRow("function without arguments") << u"max + 1"_s;
    QTest::newRow("nothing after a join") << u"x = 1:  "_s;
}

void TestFormulaTypesetting::outsideTheNotation()
{
    QFETCH(QString, calculation);
    QVERIFY(!readFormula(calculation, {}, {u"to"_s}));
}

void TestFormulaTypesetting::everyCalculationOfAReportIsTypeset_data()
{
    QTest::addColumn<BasinType>("type");
    QTest::addColumn<ReportLanguage>("language");
    QTest::newRow("sunk basin, Chinese") << BasinType::Sunk << ReportLanguage::Chinese;
    QTest::newRow("sunk basin, English") << BasinType::Sunk << ReportLanguage::English;
    QTest::newRow("sill basin, Chinese") << BasinType::Sill << ReportLanguage::Chinese;
    QTest::newRow("combined basin, English") << BasinType::Combined << ReportLanguage::English;
}

// Every calculation the report prints, remote and submerged jumps, a basin
// lowered or not, a slab with uplift, a case that stops: each one reads,
// so no formula is left in its line form.
void TestFormulaTypesetting::everyCalculationOfAReportIsTypeset()
{
    QFETCH(BasinType, type);
    QFETCH(ReportLanguage, language);
    std::vector<CaseInputs> cases{designCase(u"P=20%"_s, 4, 1.6, 5, 0.5, 2.2),
            designCase(u"P=1%"_s, 16, 4.0, 5, 1.2, 4.4), designCase(u"submerged"_s, 10, 3, 5, 1, 9),
            designCase(u"no discharge"_s, 0, 3, 5, 1, 3)};
    cases[1].uplift = 40;
    DesignOptions o;
    o.ks = 12;
    o.basinType = type;
    const DesignResult d = evaluateDesign(cases, o);
    ReportSettings s;
    s.language = language;
    s.date = QDate(2026, 12, 7);
    const ReportDocument doc = buildReport(d, s);
    int calculations = 0;
    for (const ReportSection &section : doc.sections)
        for (const ReportBlock &b : section.blocks) {
            if (b.kind != ReportBlock::Kind::Table || b.table.style != ReportTable::Style::Formulas)
                continue;
            for (const auto &row : b.table.rows) {
                QCOMPARE(row.size(), std::size_t(2));
                QVERIFY2(row[1].formula, qPrintable(row[1].text));
                ++calculations;
            }
        }
    QVERIFY(calculations > 60);
}

QTEST_GUILESS_MAIN(TestFormulaTypesetting)
#include "tst_formula_typesetting.moc"
