// The fixed bisection: its early exits, its iteration count, reversed
// intervals, and an upper bound that is a field text.
#include "form_fixture.h"
#include "model/bisect.h"
#include "model/errors.h"

#include <QTest>

using namespace varnolt;

namespace {

// A form that counts how often the upper-bound field is read.
class CountingForm : public FormModel {
public:
    QString bound;
    mutable int reads = 0;

    QLocale locale() const override { return QLocale(QStringLiteral("en_US")); }
    QString text(Field) const override
    {
        ++reads;
        return bound;
    }
    void setText(Field, const QString &) override { }
    QString verdict() const override { return {}; }
    void setVerdict(const QString &) override { }
    bool basinEnabled() const override { return true; }
    void setBasinEnabled(bool) override { }
    void focusField(Field) override { }
};

auto keepFixedProcedure
        = [](const BisectStart &, auto &&) -> std::optional<double> { return std::nullopt; };

} // namespace

class TestBisect : public QObject {
    Q_OBJECT

private slots:
    void fixedIterations_data();
    void fixedIterations();
    void textBoundIsReadOncePerCommand_data();
    void textBoundIsReadOncePerCommand();
    void badTextBoundStopsAtFirstUse();
    void singleResidualsRoundBeforeTheZeroTest();
    void rescueSeesTheFirstEvaluation();
};

void TestBisect::fixedIterations_data()
{
    // clang-format off
    QTest::addColumn<double>("root"); // of the residual u − root
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<int>("iterations");
    QTest::addColumn<double>("expected");
    QTest::addColumn<int>("evaluations");

    // By hand: [0.2, 0.45] → mid 0.325 > root: high = 0.325, result 0.2625;
    // mid 0.2625 < root: low = 0.2625, result 0.29375.
    QTest::newRow("two halvings") << 0.3 << 0.2 << 0.45 << 2 << 0.29375 << 6;
    // The same interval given reversed converges the same way.
    QTest::newRow("reversed") << 0.3 << 0.45 << 0.2 << 2 << 0.29375 << 6;
    // A root at the upper bound ends at once, with the bound.
    QTest::newRow("zero at high") << 0.5 << 0.25 << 0.5 << 16 << 0.5 << 2;
    // A root at a non-zero lower bound ends after one evaluation.
    QTest::newRow("zero at low") << 0.25 << 0.25 << 0.5 << 16 << 0.25 << 1;
    // A zero lower bound is never taken as a root.
    QTest::newRow("zero low bound") << 0.0 << 0.0 << 1.0 << 1 << 0.25 << 3;
    // No root inside: the procedure still runs and returns its last midpoint,
    // [0.25, 0.5] with the residual of one sign moves low up: 0.375, 0.4375.
    QTest::newRow("no root") << 2.0 << 0.25 << 0.5 << 2 << 0.46875 << 6;
    // After 16 iterations the midpoint is within (0.5 − 0.25) / 2^17 of 1/3.
    QTest::newRow("sixteen") << 1.0 / 3 << 0.25 << 0.5 << 16 << 1.0 / 3 << 48;
    // clang-format on
}

void TestBisect::fixedIterations()
{
    QFETCH(double, root);
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(int, iterations);
    QFETCH(double, expected);
    QFETCH(int, evaluations);

    float u = 0;
    int count = 0;
    const double result = Bisect(
            u,
            [&] {
                ++count;
                return u - root;
            },
            low, BisectBound(high), iterations, ResidualPrecision::Double, keepFixedProcedure);
    QVERIFY2(std::abs(result - expected) <= 0.25 / (1 << 17) + 1e-7,
            qPrintable(QString::number(result)));
    QCOMPARE(count, evaluations);
}

void TestBisect::textBoundIsReadOncePerCommand_data()
{
    // clang-format off
    QTest::addColumn<QString>("bound");
    QTest::addColumn<double>("root"); // of the residual u − root
    QTest::addColumn<double>("expected");

    // [0.2, 0.45]: mid 0.325 above the root moves high at once.
    QTest::newRow("high moves first") << "0.45" << 0.3 << 0.29375;
    // Mid 0.325 and then 0.3875 below the root move low twice, so the bound
    // is still the text in both iterations.
    QTest::newRow("low moves twice") << "0.45" << 0.4 << 0.41875;
    // [0.2, 0.6]: low moves to 0.4, then the midpoint 0.5 is the root and
    // high moves there.
    QTest::newRow("edited bound") << "0.6" << 0.5 << 0.45;
    // clang-format on
}

// The upper bound is the number of the field's text as the running command
// reads it: the form is asked once, however often the bound is used.
void TestBisect::textBoundIsReadOncePerCommand()
{
    QFETCH(QString, bound);
    QFETCH(double, root);
    QFETCH(double, expected);
    CountingForm form;
    form.bound = bound;
    FieldReadings readings(form);
    float u = 0;
    const double result = Bisect(
            u, [&] { return u - root; }, 0.2, BisectBound(readings, Field::Text7), 2,
            ResidualPrecision::Double, keepFixedProcedure);
    QCOMPARE(result, expected);
    QCOMPARE(form.reads, 1);
}

void TestBisect::badTextBoundStopsAtFirstUse()
{
    CountingForm form;
    FieldReadings readings(form);
    int evaluations = 0;
    float u = 0;
    const int kind = errorKindOf([&] {
        Bisect(
                u,
                [&] {
                    ++evaluations;
                    return u - 0.3;
                },
                0.2, BisectBound(readings, Field::Text7), 16, ResidualPrecision::Double,
                keepFixedProcedure);
    });
    QCOMPARE(kind, int(ErrorKind::TypeMismatch));
    QCOMPARE(evaluations, 1); // the lower bound was evaluated, the upper never
    QCOMPARE(u, 0.2f);
}

// A residual below the smallest single rounds to zero and counts as a root.
void TestBisect::singleResidualsRoundBeforeTheZeroTest()
{
    float u = 0;
    auto tiny = [&] { return u == 0.5f ? 1e-50 : u - 0.3; };
    const double single = Bisect(
            u, tiny, 0.25, BisectBound(0.5), 16, ResidualPrecision::Single, keepFixedProcedure);
    QCOMPARE(single, 0.5);
    const double dbl = Bisect(
            u, tiny, 0.25, BisectBound(0.5), 16, ResidualPrecision::Double, keepFixedProcedure);
    QVERIFY(dbl < 0.5);
}

void TestBisect::rescueSeesTheFirstEvaluation()
{
    float u = 0;
    BisectStart seen{};
    double residualAtRoot = -1;
    const double result = Bisect(
            u, [&] { return u - 2.0; }, 0.25, BisectBound(0.5), 16, ResidualPrecision::Double,
            [&](const BisectStart &start, auto &&evaluateAt) -> std::optional<double> {
                seen = start;
                residualAtRoot = evaluateAt(2.0);
                return 2.0;
            });
    QCOMPARE(result, 2.0);
    QCOMPARE(residualAtRoot, 0.0);
    QCOMPARE(u, 2.0f);
    QCOMPARE(seen.low, 0.25);
    QCOMPARE(seen.lowResidual, 0.25 - 2.0);
    QCOMPARE(seen.high, 0.5);
    QCOMPARE(seen.highResidual, 0.5 - 2.0);
}

QTEST_GUILESS_MAIN(TestBisect)
#include "tst_bisect.moc"
