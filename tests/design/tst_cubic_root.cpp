// The contracted depth's cubic f(h) = (h·h)·(h − T0) + C solved without the
// bisection must give the bisection's own root to the bit, or nothing. The
// bisection is written out here as the procedure states it, from low = 0
// and high = 2·T0/3 to adjacent doubles, so that both of the library's
// forms are held against it.
#include "design/cubic_root.h"

#include <QTest>

#include <bit>
#include <cmath>
#include <cstdint>
#include <optional>
#include <random>

using namespace varnolt;

namespace {

double cubicAt(double h, double T0, double constant)
{
    return (h * h) * (h - T0) + constant;
}

double twoThirdsOf(double T0)
{
    return (2.0 * T0) / 3.0;
}

double bisection(double T0, double constant)
{
    double low = 0;
    double high = twoThirdsOf(T0);
    for (;;) {
        const double middle = low + (high - low) / 2;
        if (middle <= low || middle >= high)
            return high;
        if (cubicAt(middle, T0, constant) > 0)
            low = middle;
        else
            high = middle;
    }
}

bool hasRoot(double T0, double constant)
{
    return cubicAt(twoThirdsOf(T0), T0, constant) <= 0;
}

// Whether the rounded cubic changes sign more than once among the doubles
// within `reach` of h: where it does, the bisection's root depends on the
// midpoints it happens to visit.
bool signChangesTwiceNear(double h, double T0, double constant, int reach)
{
    const auto bits = std::bit_cast<std::uint64_t>(h);
    int changes = 0;
    bool previous = cubicAt(std::bit_cast<double>(bits - reach), T0, constant) > 0;
    for (std::uint64_t k = bits - reach + 1; k <= bits + reach; ++k) {
        const double x = std::bit_cast<double>(k);
        if (x >= twoThirdsOf(T0))
            break;
        const bool positive = cubicAt(x, T0, constant) > 0;
        changes += positive != previous;
        previous = positive;
    }
    return changes > 1;
}

quint64 bitsOf(double x)
{
    return std::bit_cast<quint64>(x);
}

} // namespace

class CubicRootTest : public QObject {
    Q_OBJECT

private slots:
    void theBisectionsRoot_data()
    {
        QTest::addColumn<double>("T0");
        QTest::addColumn<double>("constant");
        QTest::addColumn<bool>("certified");
        // q = 10, φ = 0.95: C = 100/(19.62·0.9025).
        QTest::newRow("worked example") << 8.051 << 5.6476 << true;
        QTest::newRow("flood over a low weir") << 14.2 << 165.0 << true;
        QTest::newRow("small head") << 0.6 << 0.0157 << true;
        QTest::newRow("tiny discharge") << 5.0 << 6.2e-14 << true;
        // The scale the proof's error bound holds within, at both ends.
        QTest::newRow("smallest constant") << 0x1p-60 << 0x1p-200 << true;
        QTest::newRow("largest head and constant") << 0x1p200 << 0x1p200 << true;
        QTest::newRow("constant below the scale") << 0.5 << 0x1p-201 << false;
        QTest::newRow("constant above the scale") << 0x1p200 << 0x1p201 << false;
        QTest::newRow("head above the scale") << 0x1p201 << 1.0 << false;
        // 4T0³/27 = 4: the root a hair short of 2T0/3, where the cubic is
        // flat and Newton's steps do not settle within a few doubles.
        QTest::newRow("root at 2T0/3") << 3.0 << 4.0 << false;
    }

    void theBisectionsRoot()
    {
        QFETCH(double, T0);
        QFETCH(double, constant);
        QFETCH(bool, certified);
        QVERIFY(hasRoot(T0, constant));
        const double expected = bisection(T0, constant);
        QCOMPARE(
                bitsOf(design::bisectedCubicRoot(T0, constant, twoThirdsOf(T0))), bitsOf(expected));
        const std::optional<double> root
                = design::certifiedCubicRoot(T0, constant, twoThirdsOf(T0));
        QCOMPARE(root.has_value(), certified);
        if (root)
            QCOMPARE(bitsOf(*root), bitsOf(expected));
    }

    // Heads and discharges over the whole range a weir meets and beyond:
    // every certified root is the bisection's, none is given where the
    // sign changes more than once near the root, and all but a few roots
    // away from 2T0/3 are certified (the speed the shortcut is there for).
    void randomCubics()
    {
        std::mt19937_64 random(20261208);
        std::uniform_real_distribution<double> logHead(std::log(0.05), std::log(500.0));
        std::uniform_real_distribution<double> unit(0.0, 1.0);
        constexpr int cases = 200000;
        int solvable = 0;
        int certified = 0;
        int pathDependent = 0;
        for (int k = 0; k < cases; ++k) {
            const double T0 = std::exp(logHead(random));
            // C up to 4T0³/27, where the root reaches 2T0/3; the cube
            // crowds the small roots of real weirs.
            const double constant = 4.0 * T0 * T0 * T0 / 27.0 * std::pow(unit(random), 3);
            if (!(constant > 0) || !hasRoot(T0, constant))
                continue;
            ++solvable;
            const double expected = bisection(T0, constant);
            const std::optional<double> root
                    = design::certifiedCubicRoot(T0, constant, twoThirdsOf(T0));
            const bool twice = signChangesTwiceNear(expected, T0, constant, 40);
            pathDependent += twice;
            if (!root)
                continue;
            ++certified;
            QVERIFY2(!twice,
                    qPrintable(QStringLiteral("T0 %1, C %2")
                                       .arg(T0, 0, 'g', 17)
                                       .arg(constant, 0, 'g', 17)));
            QCOMPARE(bitsOf(*root), bitsOf(expected));
        }
        QVERIFY(pathDependent > 0);
        QVERIFY2(certified >= 0.99 * solvable,
                qPrintable(QStringLiteral("%1 of %2").arg(certified).arg(solvable)));
    }
};

QTEST_GUILESS_MAIN(CubicRootTest)
#include "tst_cubic_root.moc"
