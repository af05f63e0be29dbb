// What a design reviewer adds to each case, against the independent
// derivation in tests/reference/derive_design.py (review_reference.tsv): the
// basin decision by the submergence factor with the window's own sizing, the
// exact root of the basin balance, the standard's depth with the exit
// coefficient, adopted dimensions and governing cases, slab, apron, uplift
// and the coefficients' usual ranges.
#include "commands/commands.h"
#include "design/adopted_dimensions.h"
#include "design/basin_decision.h"
#include "design/coefficient_warnings.h"
#include "design/exact_basin_depth.h"
#include "design/slab_and_apron.h"
#include "design/standard_check.h"
#include "design/uplift_check.h"
#include "model/form_model.h"
#include "model/form_state.h"
#include "model/formulas.h"

#include <QFile>
#include <QLocale>
#include <QTest>

#include <cmath>

using namespace varnolt;
using namespace varnolt::design;

namespace {

// The rows of one table of the reference, without their table's name.
QList<QStringList> referenceRows(const QString &table)
{
    QList<QStringList> rows;
    QFile file(QStringLiteral(VARNOLT_REVIEW_REFERENCE));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return rows;
    while (!file.atEnd()) {
        const QStringList cells = QString::fromUtf8(file.readLine()).chopped(1).split(u'\t');
        if (cells.size() > 1 && cells[0] == table)
            rows.append(cells.mid(1));
    }
    return rows;
}

void addRows(const QString &table, qsizetype columns)
{
    QTest::addColumn<QStringList>("row");
    const QList<QStringList> rows = referenceRows(table);
    QVERIFY2(!rows.isEmpty(), qPrintable(QStringLiteral("no rows of ") + table));
    for (const QStringList &row : rows) {
        QCOMPARE(row.size(), columns);
        QTest::newRow(qPrintable(row[0])) << row;
    }
}

double number(const QString &text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    return ok ? value : std::nan("");
}

std::optional<double> optionalNumber(const QString &text)
{
    if (text == u"none")
        return std::nullopt;
    return number(text);
}

bool close(double value, const QString &expected, double relative = 1e-9)
{
    const double reference = number(expected);
    return std::abs(value - reference) <= relative * std::max(1.0, std::abs(reference));
}

QString shown(double value)
{
    return QString::number(value, 'g', 17);
}

// The weir as the commands hold it: each input rounded to single precision.
WeirFlow singleFlow(const QStringList &row, qsizetype first)
{
    const auto single = [&](qsizetype i) { return double(float(number(row[first + i]))); };
    return WeirFlow{single(0), single(1), single(2), single(3), single(4), single(5), single(6)};
}

QString decisionKey(BasinDecision decision)
{
    switch (decision) {
    case BasinDecision::None:
        return QStringLiteral("none");
    case BasinDecision::Basin:
        return QStringLiteral("basin");
    case BasinDecision::Unsizeable:
        return QStringLiteral("unsizeable");
    }
    return {};
}

std::optional<Coefficient> coefficientOfKey(const QString &key)
{
    if (key == u"k1")
        return Coefficient::SlabCoefficient;
    if (key == u"sigma")
        return Coefficient::SubmergenceFactor;
    if (key == u"beta")
        return Coefficient::JumpLengthShare;
    if (key == u"phi")
        return Coefficient::VelocityCoefficient;
    return std::nullopt;
}

} // namespace

class TestReview : public QObject {
    Q_OBJECT

private slots:
    void basinDecision_data() { addRows(QStringLiteral("decision"), 13); }
    void basinDecision();
    void exactRoot_data() { addRows(QStringLiteral("exact"), 15); }
    void exactRoot();
    void standardWithExitCoefficient_data() { addRows(QStringLiteral("standard"), 11); }
    void standardWithExitCoefficient();
    void adoptedDimensions_data() { addRows(QStringLiteral("adopt"), 12); }
    void adoptedDimensions();
    void governingCase_data() { addRows(QStringLiteral("govern"), 3); }
    void governingCase();
    void apron_data() { addRows(QStringLiteral("apron"), 11); }
    void apron();
    void uplift_data() { addRows(QStringLiteral("uplift"), 11); }
    void uplift();
    void slab_data() { addRows(QStringLiteral("slab"), 12); }
    void slab();
    void warning_data() { addRows(QStringLiteral("warning"), 6); }
    void warning();
    void warningsOfADesign();
    void exactRootWithoutContractedDepth();
};

// The window's check, then the decision by σ′ = ht/hco2 < σ, which sizes the
// basin with the window's own sizing command for a critical jump and a
// submerged one below σ too.
void TestReview::basinDecision()
{
    QFETCH(QStringList, row);
    MemoryFormModel form(QLocale::c());
    const Field inputs[] = {Field::Text1, Field::Text2, Field::Text3, Field::Text4, Field::Text5,
            Field::Text6, Field::Text10};
    for (int i = 0; i < 7; ++i)
        form.setText(inputs[i], row[1 + i]);
    FormState state;
    Command1_Click(form, state);

    const BasinDecisionOutcome outcome = decideAndSizeBasin(form, state, number(row[7]));
    QVERIFY(outcome.submergence);
    QVERIFY2(close(*outcome.submergence, row[8], 1e-12), qPrintable(shown(*outcome.submergence)));
    QCOMPARE(decisionKey(outcome.decision), row[9]);
    QCOMPARE(form.text(Field::Text11), row[10]);
    QCOMPARE(form.text(Field::Text12), row[11]);
    if (outcome.decision == BasinDecision::Unsizeable) {
        QVERIFY(outcome.reason);
        QCOMPARE(row[12], QStringLiteral("NoSolution"));
        QCOMPARE(outcome.reason->kind(), ErrorKind::NoSolution);
    } else {
        QVERIFY(!outcome.reason);
    }
}

// The balance solved to double precision: the same depth and heads as the
// closed-form reference, and the balance closes at the depth returned.
void TestReview::exactRoot()
{
    QFETCH(QStringList, row);
    const WeirFlow flow = singleFlow(row, 1);
    const ExactBasinDepth result = exactBasinDepth(flow, number(row[8]));
    QVERIFY2(result.basin, result.error ? qPrintable(result.error->message()) : "");
    const ExactBasin &basin = *result.basin;
    QVERIFY2(close(basin.d, row[9]), qPrintable(shown(basin.d)));
    QVERIFY(close(basin.E0, row[10]));
    QVERIFY2(close(basin.hco, row[11]), qPrintable(shown(basin.hco)));
    QVERIFY(close(basin.hco2, row[12]));
    QVERIFY(close(basin.Et, row[13], 1e-12));
    QCOMPARE(basin.metWithoutLowering, row[14] == u"yes");

    // σ·hco2 + q²/(2g·(σ·hco2)²) − d against Et, from the returned figures.
    const double conjugate = flow.sigma * basin.hco2;
    const double held = conjugate + flow.q * flow.q / (19.62 * conjugate * conjugate) - basin.d;
    if (basin.metWithoutLowering) {
        QCOMPARE(basin.d, 0.0);
        QVERIFY(basin.Et >= held);
    } else {
        QVERIFY2(std::abs(held - basin.Et) <= 1e-13 * basin.Et, qPrintable(shown(held - basin.Et)));
        QVERIFY(std::abs(basin.residual) <= 1e-13 * basin.Et);
    }
}

void TestReview::standardWithExitCoefficient()
{
    QFETCH(QStringList, row);
    DesignOptions options;
    options.exitPhi = number(row[8]);
    const StandardCheck check = standardCheck(singleFlow(row, 1), options);
    QVERIFY(check.d);
    QVERIFY2(close(*check.d, row[9]), qPrintable(shown(*check.d)));
    QVERIFY(check.length && close(*check.length, row[10]));
}

// Adopted values are compared exactly: a multiple of the step stays the
// double nearest its decimal.
void TestReview::adoptedDimensions()
{
    QFETCH(QStringList, row);
    const AdoptedValue depth
            = adoptedDepth(number(row[1]), number(row[2]), number(row[3]), number(row[6]));
    const AdoptedValue length = adoptedLength(number(row[4]), number(row[5]), number(row[7]));
    QCOMPARE(depth.adopted, number(row[8]));
    QCOMPARE(depth.unrounded, number(row[9]));
    QCOMPARE(length.adopted, number(row[10]));
    QCOMPARE(length.unrounded, number(row[11]));
}

void TestReview::governingCase()
{
    QFETCH(QStringList, row);
    std::vector<std::optional<AdoptedValue>> values;
    for (const QString &cell : row[1].split(u';')) {
        if (cell == u"-") {
            values.emplace_back();
            continue;
        }
        const QStringList pair = cell.split(u':');
        values.push_back(AdoptedValue{number(pair[0]), number(pair[1])});
    }
    const std::optional<std::size_t> governing = design::governingCase(values);
    if (row[2] == u"none")
        QVERIFY(!governing);
    else
        QCOMPARE(governing, std::optional<std::size_t>(row[2].toULongLong()));
}

void TestReview::apron()
{
    QFETCH(QStringList, row);
    const WeirFlow flow{
            number(row[1]), number(row[2]), number(row[3]), 0, number(row[4]), 0.95, 1.05};
    const ApronExtension apron
            = apronExtension(flow.q, number(row[5]), headDifference(flow), number(row[6]));
    QVERIFY(close(apron.unitDischarge, row[7], 1e-15));
    QVERIFY(close(apron.parameter, row[8]));
    QVERIFY2(close(apron.length, row[9]), qPrintable(shown(apron.length)));
    QCOMPARE(apron.outsideRange, row[10] == u"yes");
}

void TestReview::uplift()
{
    QFETCH(QStringList, row);
    const UpliftLoad load{number(row[1]), number(row[2]), number(row[3]), number(row[4]),
            number(row[5]), number(row[6])};
    const UpliftThickness thickness = upliftThickness(load);
    QVERIFY(close(thickness.velocity, row[7]));
    QVERIFY(close(thickness.pulsation, row[8]));
    QVERIFY2(close(thickness.front, row[9]), qPrintable(shown(thickness.front)));
    QVERIFY2(close(thickness.rear, row[10]), qPrintable(shown(thickness.rear)));
    QCOMPARE(thickness.governing(), std::max(thickness.front, thickness.rear));
}

void TestReview::slab()
{
    QFETCH(QStringList, row);
    const WeirFlow flow{
            number(row[1]), number(row[2]), number(row[3]), 0, number(row[4]), 0.95, 1.05};
    const double scour = scourSlabThickness(flow.q, headDifference(flow), number(row[5]));
    std::optional<double> upliftT;
    if (const std::optional<double> U = optionalNumber(row[6])) {
        upliftT = upliftThickness(UpliftLoad{flow.q, number(row[7]), number(row[8]), *U})
                          .governing();
    }
    const double t = slabThickness(scour, upliftT);
    QVERIFY2(close(scour, row[9]), qPrintable(shown(scour)));
    QVERIFY2(close(t, row[10]), qPrintable(shown(t)));
    QVERIFY(close(slabEndThickness(t), row[11]));
}

void TestReview::warning()
{
    QFETCH(QStringList, row);
    const std::optional<Coefficient> coefficient = coefficientOfKey(row[1]);
    QVERIFY(coefficient);
    const double value = number(row[2]);
    const std::optional<CoefficientWarning> warning = coefficientWarning(*coefficient, value);
    QCOMPARE(bool(warning), row[3] == u"yes");
    if (!warning)
        return;
    QCOMPARE(warning->coefficient, *coefficient);
    QCOMPARE(warning->value, value);
    QCOMPARE(warning->low, optionalNumber(row[4]));
    QCOMPARE(warning->high, optionalNumber(row[5]));
    QVERIFY(!warning->caseIndex);
}

// k1 and β once for the design, σ and φ with the case they belong to.
void TestReview::warningsOfADesign()
{
    DesignOptions options;
    options.k1 = 0.25;
    CaseInputs usual;
    CaseInputs lowSigma;
    lowSigma.sigma = 1.0;
    CaseInputs bothOff;
    bothOff.sigma = 1.2;
    bothOff.phi = 0.8;
    const std::vector<CoefficientWarning> warnings
            = coefficientWarnings(options, {usual, lowSigma, bothOff});
    const std::vector<CoefficientWarning> expected{
            {Coefficient::SlabCoefficient, 0.25, 0.15, 0.20, std::nullopt},
            {Coefficient::SubmergenceFactor, 1.0, 1.05, 1.10, 1},
            {Coefficient::SubmergenceFactor, 1.2, 1.05, 1.10, 2},
            {Coefficient::VelocityCoefficient, 0.8, 0.85, std::nullopt, 2},
    };
    QVERIFY(warnings == expected);
    QVERIFY(coefficientWarnings(DesignOptions{}, {usual}).empty());
}

// A head too small for the jet: the cubic has no supercritical root at any
// depth the search reaches first, which is an error, not a guess.
void TestReview::exactRootWithoutContractedDepth()
{
    const WeirFlow flow{10, 0.1, 0.1, 0, 3, 0.95, 1.05};
    const ExactBasinDepth result = exactBasinDepth(flow, 0.95);
    QVERIFY(!result.basin);
    QVERIFY(result.error);
    QCOMPARE(result.error->kind(), ErrorKind::NoSolution);
}

QTEST_GUILESS_MAIN(TestReview)
#include "tst_review.moc"
