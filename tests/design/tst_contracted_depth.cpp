// The contracted depth of the standard's cross-check by its defining
// property alone: hc is the smallest double at which the cubic
// f(h) = h²(h − T0) + αq²/(2gφ²) is no longer positive, so f(hc) ≤ 0 and
// f at the double just below hc is positive, whatever way the root is
// searched for. Where even 2T0/3, the cubic's lowest point, leaves f
// positive, there is no contracted depth.
#include "design/standard_check.h"
#include "model/formulas.h"

#include <QTest>

#include <cmath>
#include <optional>

using namespace varnolt;

namespace {

// The cubic as the standard writes it, in plain double arithmetic.
double cubicAt(double h, double T0, double q, double phi, double alpha)
{
    const double constant = (alpha * (q * q)) / (formulas::twoG * (phi * phi));
    return (h * h) * (h - T0) + constant;
}

} // namespace

class ContractedDepthTest : public QObject {
    Q_OBJECT

private slots:
    void lastDoubleWithTheCubicNotPositive_data()
    {
        QTest::addColumn<double>("T0");
        QTest::addColumn<double>("q");
        QTest::addColumn<double>("phi");
        QTest::addColumn<double>("alpha");
        // The lowest fraction of 2T0/3 the depth must reach: the row's
        // reason for being there.
        QTest::addColumn<double>("leastShareOfTwoThirds");
        QTest::newRow("worked example") << 8.051 << 10.0 << 0.95 << 1.0 << 0.0;
        QTest::newRow("flood over a low weir") << 14.2 << 50.0 << 0.85 << 1.05 << 0.0;
        QTest::newRow("deep basin, large head") << 40.0 << 50.0 << 0.98 << 1.0 << 0.0;
        QTest::newRow("small head") << 0.6 << 0.5 << 0.98 << 1.1 << 0.0;
        // αq²/(2gφ²) just below 4T0³/27 = 4: the root a hair short of 2.
        QTest::newRow("root near 2T0/3") << 3.0 << 8.8588 << 1.0 << 1.0 << 0.99;
        // A micro-litre a second: the root some 1e-7 m, far below 2T0/3.
        QTest::newRow("tiny discharge") << 5.0 << 1e-6 << 0.9 << 1.0 << 0.0;
    }

    void lastDoubleWithTheCubicNotPositive()
    {
        QFETCH(double, T0);
        QFETCH(double, q);
        QFETCH(double, phi);
        QFETCH(double, alpha);
        QFETCH(double, leastShareOfTwoThirds);
        const std::optional<double> depth = design::standardContractedDepth(T0, q, phi, alpha);
        QVERIFY(depth);
        const double hc = *depth;
        const double twoThirds = 2.0 * T0 / 3.0;
        QVERIFY(hc > 0);
        QVERIFY(hc <= twoThirds);
        QVERIFY2(hc >= leastShareOfTwoThirds * twoThirds, qPrintable(QString::number(hc)));
        QVERIFY2(cubicAt(hc, T0, q, phi, alpha) <= 0, qPrintable(QString::number(hc, 'g', 17)));
        const double below = std::nextafter(hc, 0.0);
        QVERIFY2(
                cubicAt(below, T0, q, phi, alpha) > 0, qPrintable(QString::number(below, 'g', 17)));
    }

    void noDepthWhereTwoThirdsLeavesTheCubicPositive_data()
    {
        QTest::addColumn<double>("T0");
        QTest::addColumn<double>("q");
        // αq²/(2gφ²) just above 4T0³/27 = 4.
        QTest::newRow("root just beyond 2T0/3") << 3.0 << 8.8590;
        QTest::newRow("no head") << 0.0 << 1.0;
    }

    void noDepthWhereTwoThirdsLeavesTheCubicPositive()
    {
        QFETCH(double, T0);
        QFETCH(double, q);
        QVERIFY(!design::standardContractedDepth(T0, q, 1.0, 1.0));
    }
};

QTEST_GUILESS_MAIN(ContractedDepthTest)
#include "tst_contracted_depth.moc"
