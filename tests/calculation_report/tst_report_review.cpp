// The calculation report as a checker reads it, against the independent
// derivation of tests/reference/derive_design.py: the decision on the basin
// by σ′ = ht/hc″ against σ, the balance worked with its exact root and
// closing at the digits it prints, the adopted dimensions with the method
// that gave them, the slab and the apron worked with what was computed, T0
// with α, and the coefficients outside their ranges in the basis, in both
// languages.
#include "design/design.h"
#include "design_cases.h"
#include "design_reference_options.h"
#include "reference_table.h"
#include "writers/markdown_report.h"
#include "writers/report_document.h"
#include "writers/report_numbers.h"

#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace varnolt;
using namespace varnolt::design;
using namespace varnolt::writers;
using namespace Qt::StringLiterals;

namespace {

const ReferenceTable review(QStringLiteral(VARNOLT_REVIEW_REFERENCE));

// A row of design_reference.tsv (one case a line, named in its first cell).
QStringList designReferenceRow(const QString &name)
{
    QFile file(QStringLiteral(VARNOLT_DESIGN_REFERENCE));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    const auto found = std::find_if(lines.cbegin(), lines.cend(),
            [&](const QString &line) { return line.startsWith(name + u'\t'); });
    return found == lines.cend() ? QStringList() : found->split(u'\t');
}

QString markdown(const DesignResult &d, ReportLanguage language)
{
    ReportSettings s;
    s.language = language;
    s.date = QDate(2026, 12, 7);
    return QString::fromUtf8(markdownReport(d, s));
}

// The section of the first case, from its heading to the end.
QString firstCase(const QString &page)
{
    return page.mid(page.indexOf(u"\n### 3.1 "_s));
}

// The part of the report from `start` to the next heading.
QString partFrom(const QString &text, const QString &start)
{
    const qsizetype at = text.indexOf(start);
    if (at < 0)
        return {};
    const qsizetype end = text.indexOf(u"\n#"_s, at);
    return text.mid(at, end < 0 ? -1 : end - at);
}

CaseInputs inputsOf(const QStringList &row, qsizetype first = 1)
{
    CaseInputs c = designCase(row[0], number(row[first]), number(row[first + 1]),
            number(row[first + 2]), number(row[first + 3]), number(row[first + 4]));
    c.phi = number(row[first + 5]);
    c.sigma = number(row[first + 6]);
    return c;
}

// A printed figure and whether it was computed (rounded to its digits) or
// given (exact as written).
struct Printed {
    QString text;
    bool computed = true;
};

double halfUnit(const QString &text)
{
    const qsizetype dot = text.indexOf(u'.');
    const qsizetype decimals = dot < 0 ? 0 : text.size() - dot - 1;
    return 0.5 * std::pow(10.0, -double(decimals));
}

// Whether an equation closes at the digits printed: the right side worked
// from the printed figures matches the printed result within what rounding
// the printed figures to their last digit can account for.
void verifyCloses(const std::function<double(const std::vector<double> &)> &f,
        const std::vector<Printed> &inputs, const QString &result, const char *what)
{
    std::vector<double> x(inputs.size());
    std::transform(inputs.cbegin(), inputs.cend(), x.begin(),
            [](const Printed &p) { return number(p.text); });
    const double value = f(x);
    double tolerance = halfUnit(result);
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (!inputs[i].computed)
            continue;
        std::vector<double> moved = x;
        moved[i] += halfUnit(inputs[i].text);
        tolerance += std::abs(f(moved) - value);
    }
    const double printed = number(result);
    QVERIFY2(std::abs(value - printed) <= tolerance,
            qPrintable(u"%1: %2 worked from the printed figures, %3 printed (±%4)"_s.arg(
                    QString::fromLatin1(what), QString::number(value, 'g', 10), result,
                    QString::number(tolerance, 'g', 3))));
}

// The rows of the review table with the named inputs of the standard's.
QStringList standardRow(const QString &name)
{
    const QList<QStringList> rows = review.rows(u"standard"_s);
    const auto found = std::find_if(
            rows.cbegin(), rows.cend(), [&](const QStringList &row) { return row[0] == name; });
    return found == rows.cend() ? QStringList() : *found;
}

} // namespace

class TestReportReview : public QObject {
    Q_OBJECT

private slots:
    void decisionIsWorded_data() { review.addRows(u"decision"_s, 13); }
    void decisionIsWorded();
    void exactBalanceCloses_data() { review.addRows(u"exact"_s, 15); }
    void exactBalanceCloses();
    void adoptedDimensions_data();
    void adoptedDimensions();
    void apronWithTheBasinsEndDischarge_data() { review.addRows(u"apron"_s, 11); }
    void apronWithTheBasinsEndDischarge();
    void upliftLinesClose();
    void headWithAlpha();
    void warningsInTheBasis_data() { review.addRows(u"warning"_s, 6); }
    void warningsInTheBasis();
};

void TestReportReview::decisionIsWorded()
{
    QFETCH(QStringList, row);
    const CaseInputs in = inputsOf(row);
    const QString decision = row[9];
    const DesignResult d = evaluateDesign({in}, DesignOptions{});
    // σ′ printed to its digits, from the reference's ratio.
    const QString ratio = u" = "_s + figure(number(row[8])) + u' ';
    struct Words {
        ReportLanguage language;
        QString none, basin, unsizeable, lessThan, atLeast;
    };
    for (const Words &w :
            {Words{ReportLanguage::English, u"no stilling basin is needed"_s,
                     u"a stilling basin is needed (a basin while σ′ < σ); it is sized below"_s,
                     u"a stilling basin is needed (a basin while σ′ < σ), but it cannot be sized: "_s,
                     u"< σ = "_s, u"≥ σ = "_s},
                    Words{ReportLanguage::Chinese, u"不须设消力池"_s,
                            u"按 σ′ < σ 须设消力池，计算如下"_s,
                            u"按 σ′ < σ 须设消力池，但无法求得："_s, u"< σ = "_s, u"≥ σ = "_s}}) {
        QString text = firstCase(markdown(d, w.language));
        text.replace(u"&lt;"_s, u"<"_s);
        const QString line = partFrom(text, u"**σ′ = ht/hc″ = "_s);
        QVERIFY2(line.contains(ratio), qPrintable(line));
        const QString sigma = given(in.sigma);
        if (decision == u"none"_s) {
            QVERIFY2(line.contains(w.atLeast + sigma) && line.contains(w.none), qPrintable(line));
        } else if (decision == u"basin"_s) {
            QVERIFY2(line.contains(w.lessThan + sigma) && line.contains(w.basin), qPrintable(line));
            // A basin is worked, and the window's own depth stands in it.
            QVERIFY(text.contains(u"d = "_s + QString::number(number(row[10]), 'f', 3) + u" m"_s));
        } else {
            QCOMPARE(decision, u"unsizeable"_s);
            QVERIFY2(line.contains(w.lessThan + sigma) && line.contains(w.unsizeable),
                    qPrintable(line));
        }
    }
}

void TestReportReview::exactBalanceCloses()
{
    QFETCH(QStringList, row);
    const CaseInputs in = inputsOf(row);
    DesignOptions o;
    o.exitPhi = number(row[8]);
    const DesignResult d = evaluateDesign({in}, o);
    const CaseResult &r = d.cases[0];
    if (r.decision != BasinDecision::Basin) {
        // The tailwater holds the jump: nothing of a basin is worked.
        QCOMPARE(row[14], u"yes"_s);
        QVERIFY(!firstCase(markdown(d, ReportLanguage::English)).contains(u"Et′:"_s));
        return;
    }
    for (const ReportLanguage language : {ReportLanguage::English, ReportLanguage::Chinese}) {
        const QString text = firstCase(markdown(d, language));
        const QString block = partFrom(text, u"Et′ = ht + "_s);
        QVERIFY2(!block.isEmpty(), qPrintable(text.left(3000)));
        // The root printed is the reference's, and the exit head with φ′.
        QVERIFY2(block.contains(u"d = "_s + QString::number(number(row[9]), 'f', 3) + u" m"_s),
                qPrintable(block));
        QVERIFY(block.contains(u" = "_s + QString::number(number(row[13]), 'f', 3) + u" m |"_s));

        static const QRegularExpression balance(
                u"Et′:  ([\\d.]+) × ([\\d.]+) \\+ ([\\d.]+)²/\\(19\\.62 × \\(\\1 × \\2\\)²\\) − "
                u"([\\d.]+) = ([\\d.]+),  d = ([\\d.]+) m"_s);
        const auto b = balance.match(block);
        QVERIFY2(b.hasMatch(), qPrintable(block));
        // The root to the millimetre is the depth substituted, rounded.
        QVERIFY(b.captured(6).section(u'.', 1).size() == 3);
        QVERIFY(qAbs(b.captured(6).toDouble() - b.captured(4).toDouble()) <= 0.00055);
        verifyCloses(
                [](const std::vector<double> &x) {
                    const double sh = x[0] * x[1];
                    return sh + x[2] * x[2] / (19.62 * sh * sh) - x[3];
                },
                {{b.captured(1), false}, {b.captured(2)}, {b.captured(3), false}, {b.captured(4)}},
                b.captured(5), "balance");

        static const QRegularExpression head(
                u"d = ([\\d.]+) \\+ ([\\d.]+) \\+ ([\\d.]+)²/19\\.62 \\+ ([\\d.]+) = ([\\d.]+) m"_s);
        const auto e = head.match(block);
        QVERIFY2(e.hasMatch(), qPrintable(block));
        verifyCloses(
                [](const std::vector<double> &x) {
                    return x[0] + x[1] + x[2] * x[2] / 19.62 + x[3];
                },
                {{e.captured(1), false}, {e.captured(2), false}, {e.captured(3), false},
                        {e.captured(4)}},
                e.captured(5), "head above the basin floor");

        static const QRegularExpression contracted(
                u":  ([\\d.]+) = hc \\+ ([\\d.]+)²/\\(19\\.62 × ([\\d.]+)² × hc²\\),  hc = "
                u"([\\d.]+) m"_s);
        const auto h = contracted.match(block);
        QVERIFY2(h.hasMatch(), qPrintable(block));
        verifyCloses(
                [](const std::vector<double> &x) {
                    return x[2] + x[0] * x[0] / (19.62 * x[1] * x[1] * x[2] * x[2]);
                },
                {{h.captured(2), false}, {h.captured(3), false}, {h.captured(4)}}, h.captured(1),
                "contracted depth");

        static const QRegularExpression conjugate(
                u" = ([\\d.]+)/2 × \\(√\\(1 \\+ 8 × ([\\d.]+)²/\\(9\\.81 × \\1³\\)\\) − 1\\) = "
                u"([\\d.]+) m"_s);
        const auto c = conjugate.match(block);
        QVERIFY2(c.hasMatch(), qPrintable(block));
        verifyCloses(
                [](const std::vector<double> &x) {
                    return x[0] / 2
                            * (std::sqrt(1 + 8 * x[1] * x[1] / (9.81 * std::pow(x[0], 3))) - 1);
                },
                {{c.captured(1)}, {c.captured(2), false}}, c.captured(3), "conjugate depth");
    }
}

// The adoption's rows of real cases, whose inputs stand in the standard's
// table; the others try the rounding alone.
void TestReportReview::adoptedDimensions_data()
{
    QTest::addColumn<QStringList>("row");
    int cases = 0;
    for (const QStringList &row : review.rows(u"adopt"_s)) {
        QCOMPARE(row.size(), 12);
        if (standardRow(row[0]).isEmpty())
            continue;
        QTest::newRow(qPrintable(row[0])) << row;
        ++cases;
    }
    QVERIFY(cases >= 3);
}

void TestReportReview::adoptedDimensions()
{
    QFETCH(QStringList, row);
    const QStringList inputs = standardRow(row[0]);
    const DesignResult d = evaluateDesign({inputsOf(inputs)}, DesignOptions{});
    const double windowDepth = number(row[1]), exactDepth = number(row[2]),
                 standardDepth = number(row[3]), depth = number(row[8]), length = number(row[10]);
    const QString method = depth == 0 ? QString()
            : std::max({windowDepth, exactDepth, standardDepth}) == standardDepth
            ? u"by the standard's formula"_s
            : std::max(windowDepth, exactDepth) == exactDepth ? u"by the exact root"_s
                                                              : u"by the window's bisection"_s;
    const QString lengthMethod = number(row[4]) >= number(row[5])
            ? u"by the window's upper length"_s
            : u"by the standard's formula"_s;
    const QString en = markdown(d, ReportLanguage::English);
    const QString adopted = partFrom(firstCase(en), u"| adopted basin depth"_s);
    QVERIFY2(adopted.contains(
                     method + u");  rounded up to a step of 0.05 m: "_s + given(depth) + u" m"_s),
            qPrintable(adopted));
    const QString adoptedLength = partFrom(firstCase(en), u"| adopted basin length"_s);
    QVERIFY2(adoptedLength.contains(lengthMethod + u");  rounded up to a step of 0.5 m: "_s
                     + given(length) + u" m"_s),
            qPrintable(adoptedLength));
    // The summary states the structure's basin.
    QVERIFY(en.contains(
            u"Adopted basin depth d = %1 m, governed by case “%2”."_s.arg(given(depth), row[0])));
    QVERIFY(en.contains(
            u"Adopted basin length L = %1 m, governed by case “%2”."_s.arg(given(length), row[0])));
    const QString zh = markdown(d, ReportLanguage::Chinese);
    QVERIFY(zh.contains(u"按 0.05 m 向上取整："_s + given(depth) + u" m"_s));
    QVERIFY(zh.contains(u"采用池深 d = %1 m，由工况“%2”控制。"_s.arg(given(depth), row[0])));
}

void TestReportReview::apronWithTheBasinsEndDischarge()
{
    QFETCH(QStringList, row);
    CaseInputs in
            = designCase(row[0], number(row[1]), number(row[2]), number(row[3]), 0, number(row[4]));
    DesignOptions o;
    o.widthRatio = number(row[5]);
    o.ks = number(row[6]);
    const DesignResult d = evaluateDesign({in}, o);
    for (const ReportLanguage language : {ReportLanguage::English, ReportLanguage::Chinese}) {
        const QString text = firstCase(markdown(d, language));
        if (!d.cases[0].check) {
            // Without a head above the tailwater the check stops: no apron.
            QCOMPARE(row[9], u"0.0"_s);
            QVERIFY(!text.contains(u"qs = q·b1/b2 = "_s));
            continue;
        }
        const QString apron = partFrom(text, u"qs = q·b1/b2 = "_s);
        QVERIFY2(apron.contains(u"= %1 × %2 = %3 m²/s"_s.arg(
                         practical(in.q), practical(o.widthRatio), figure(number(row[7])))),
                qPrintable(apron));
        QVERIFY2(text.contains(u"Lp = Ks·√(qs·√ΔH′) = %1 × %2 = %3 m"_s.arg(practical(*o.ks),
                         figure(number(row[8])), QString::number(number(row[9]), 'f', 2))),
                qPrintable(text));
        const QString flag = language == ReportLanguage::English
                ? u"lies outside 1–9, the range the apron formula is meant for"_s
                : u"不在海漫长度公式的适用范围 1～9 内"_s;
        QCOMPARE(text.contains(flag), row[10] == u"yes"_s);
    }
}

// The uplift's worked lines close at their digits and the slab adopted is
// the largest thickness printed; the example's slab is governed by uplift.
void TestReportReview::upliftLinesClose()
{
    CaseInputs in = designCase(u"example"_s, 10, 3, 5, 1, 4.45);
    in.uplift = 45;
    const DesignResult d = evaluateDesign({in}, DesignOptions{});
    QVERIFY(d.cases[0].basin && d.cases[0].basin->uplift);
    const QString text = firstCase(markdown(d, ReportLanguage::English));

    static const QRegularExpression velocity(u"vc = q/hc = ([\\d.]+)/([\\d.]+) = ([\\d.]+) m/s"_s);
    const auto v = velocity.match(text);
    QVERIFY2(v.hasMatch(), qPrintable(text));
    verifyCloses([](const std::vector<double> &x) { return x[0] / x[1]; },
            {{v.captured(1), false}, {v.captured(2)}}, v.captured(3), "velocity");
    static const QRegularExpression pulsation(
            u" = 0\\.05 × 9\\.81 × ([\\d.]+)²/19\\.62 = ([\\d.]+) kPa"_s);
    const auto p = pulsation.match(text);
    QVERIFY2(p.hasMatch(), qPrintable(text));
    verifyCloses([](const std::vector<double> &x) { return 0.05 * 9.81 * x[0] * x[0] / 19.62; },
            {{p.captured(1)}}, p.captured(2), "pulsation");
    static const QRegularExpression front(
            u" = ([\\d.]+) × \\(([\\d.]+) − 9\\.81 × ([\\d.]+) \\+ ([\\d.]+)\\)/([\\d.]+) = "
            u"([\\d.]+) m"_s);
    const auto f = front.match(text);
    QVERIFY2(f.hasMatch(), qPrintable(text));
    verifyCloses(
            [](const std::vector<double> &x) { return x[0] * (x[1] - 9.81 * x[2] + x[3]) / x[4]; },
            {{f.captured(1), false}, {f.captured(2), false}, {f.captured(3)}, {f.captured(4)},
                    {f.captured(5), false}},
            f.captured(6), "front half");
    static const QRegularExpression rear(
            u" = ([\\d.]+) × \\(([\\d.]+) − 9\\.81 × \\(([\\d.]+) \\+ ([\\d.]+)\\) − "
            u"([\\d.]+)\\)/([\\d.]+) = \\(?(-?[\\d.]+)\\)? m"_s);
    const auto r = rear.match(text);
    QVERIFY2(r.hasMatch(), qPrintable(text));
    verifyCloses(
            [](const std::vector<double> &x) {
                return x[0] * (x[1] - 9.81 * (x[2] + x[3]) - x[4]) / x[5];
            },
            {{r.captured(1), false}, {r.captured(2), false}, {r.captured(3), false},
                    {r.captured(4)}, {r.captured(5)}, {r.captured(6), false}},
            r.captured(7), "rear half");
    // The slab adopted is the front half's, the largest of the three.
    QVERIFY(text.contains(u"= %1 m |"_s.arg(f.captured(6))));
    QVERIFY2(text.contains(u") = "_s + f.captured(6) + u" m |"_s), qPrintable(text));
}

// With α = 1.05 the standard's head T0 carries α·v²/2g: the printed T0 is
// the reference's d′ on the head with α, not on the α = 1 head.
void TestReportReview::headWithAlpha()
{
    const QStringList row = designReferenceRow(u"alpha and width"_s);
    QCOMPARE(row.size(), 21);
    QCOMPARE(number(row[8]), 1.05);
    CaseInputs in = inputsOf(row);
    const DesignOptions o = designReferenceOptions(row);
    const DesignResult d = evaluateDesign({in}, o);
    const double dPrime = number(row[14]);
    const double T0 = 5 + 3 + 1.05 * 1 * 1 / 19.62 + dPrime;
    const double withoutAlpha = 5 + 3 + 1.0 / 19.62 + dPrime;
    QVERIFY(figure(T0) != figure(withoutAlpha));
    for (const ReportLanguage language : {ReportLanguage::English, ReportLanguage::Chinese}) {
        const QString text = firstCase(markdown(d, language));
        const QString line
                = u"T0 = a1 + H + α·v²/(2g) + d′ = 5 + 3 + 1.05 × 1²/19.62 + %1 = %2 m"_s.arg(
                        figure(dPrime), figure(T0));
        QVERIFY2(text.contains(line), qPrintable(partFrom(text, u"| T0"_s)));
        QVERIFY(text.contains(u"hc³ − "_s + figure(T0) + u" × hc²"_s));
        // ΔZ with the exit's φ′, 0.95 here as the jet's.
        QVERIFY(text.contains(u"ΔZ = α·q²/(2g·φ′²·h′s²)"_s));
    }
}

void TestReportReview::warningsInTheBasis()
{
    QFETCH(QStringList, row);
    const QString coefficient = row[1];
    const double value = number(row[2]);
    const bool warned = row[3] == u"yes"_s;
    CaseInputs in = designCase(u"warned case"_s, 10, 3, 5, 1, 3);
    DesignOptions o;
    if (coefficient == u"k1"_s)
        o.k1 = value;
    else if (coefficient == u"beta"_s)
        o.beta = value;
    else if (coefficient == u"sigma"_s)
        in.sigma = value;
    else
        in.phi = value;
    const DesignResult d = evaluateDesign({in}, o);
    const QString low = given(number(row[4]));
    const QString high = row[5] == u"none"_s ? QString() : given(number(row[5]));
    const QString en = markdown(d, ReportLanguage::English).section(u"\n## 2 "_s, 0, 0);
    const QString zh = markdown(d, ReportLanguage::Chinese).section(u"\n## 2 "_s, 0, 0);
    const QString enLine = high.isEmpty()
            ? u" = %1 lies below its usual lower limit %2; it is used as given."_s.arg(
                    given(value), low)
            : u" = %1 lies outside its usual range %2–%3; it is used as given."_s.arg(
                    given(value), low, high);
    const QString zhLine = high.isEmpty()
            ? u" = %1 低于常用下限 %2，仍按给定值计算。"_s.arg(given(value), low)
            : u" = %1 超出常用范围 %2～%3，仍按给定值计算。"_s.arg(given(value), low, high);
    QCOMPARE(en.contains(enLine), warned);
    QCOMPARE(zh.contains(zhLine), warned);
    QCOMPARE(en.contains(u"Coefficients outside their usual ranges"_s), warned);
    // A coefficient each case gives names its case.
    if (warned && (coefficient == u"sigma"_s || coefficient == u"phi"_s)) {
        QVERIFY(en.contains(u"Case “warned case”: "_s));
        QVERIFY(zh.contains(u"工况“warned case”："_s));
    }
}

QTEST_GUILESS_MAIN(TestReportReview)
#include "tst_report_review.moc"
