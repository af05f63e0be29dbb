// The checked arithmetic: every kind of failure at the step that raises it,
// and the results that pass unchanged, down to the edges of the ranges.
#include "model/checked_math.h"
#include "model/errors.h"

#include <QTest>

#include <cfloat>
#include <functional>
#include <limits>

using namespace varnolt;

namespace {

constexpr int NoError = -1;
const double infinity = std::numeric_limits<double>::infinity();
const double notANumber = std::numeric_limits<double>::quiet_NaN();

} // namespace

class TestCheckedMath : public QObject {
    Q_OBJECT

private slots:
    void operations_data();
    void operations();
};

void TestCheckedMath::operations_data()
{
    QTest::addColumn<std::function<double()>>("operation");
    QTest::addColumn<double>("expected");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");

    const int overflow = int(ErrorKind::Overflow);
    const int invalid = int(ErrorKind::InvalidOperation);
    const int byZero = int(ErrorKind::DivisionByZero);
    const QString beyondDouble = QStringLiteral("计算结果超出数值范围。");
    const QString beyondSingle = QStringLiteral("计算结果超出单精度范围。");
    const QString undefined = QStringLiteral("计算结果无定义。");

    // clang-format off
    QTest::newRow("sum") << std::function<double()>([] { return checked::add(0.1, 0.2); }) << 0.1 + 0.2 << NoError << QString();
    QTest::newRow("largest sum") << std::function<double()>([] { return checked::add(DBL_MAX, -DBL_MAX); }) << 0.0 << NoError << QString();
    QTest::newRow("sum beyond double") << std::function<double()>([] { return checked::add(DBL_MAX, DBL_MAX); }) << 0.0 << overflow << beyondDouble;
    QTest::newRow("difference beyond double") << std::function<double()>([] { return checked::sub(-DBL_MAX, DBL_MAX); }) << 0.0 << overflow << beyondDouble;
    QTest::newRow("infinities cancelling") << std::function<double()>([] { return checked::sub(infinity, infinity); }) << 0.0 << invalid << undefined;
    QTest::newRow("product beyond double") << std::function<double()>([] { return checked::mul(1e200, 1e200); }) << 0.0 << overflow << beyondDouble;
    QTest::newRow("product underflowing") << std::function<double()>([] { return checked::mul(1e-200, 1e-200); }) << 0.0 << NoError << QString();
    QTest::newRow("zero by zero") << std::function<double()>([] { return checked::div(0, 0); }) << 0.0 << invalid << QStringLiteral("计算中出现零除以零。");
    QTest::newRow("one by zero") << std::function<double()>([] { return checked::div(1, 0); }) << 0.0 << byZero << QStringLiteral("计算中出现除数为零。");
    QTest::newRow("quotient beyond double") << std::function<double()>([] { return checked::div(1e300, 1e-300); }) << 0.0 << overflow << beyondDouble;
    QTest::newRow("cube root of a negative") << std::function<double()>([] { return checked::pow(-8, 1.0 / 3); }) << 0.0 << invalid << QStringLiteral("计算中对负数取分数次幂。");
    QTest::newRow("square of a negative") << std::function<double()>([] { return checked::pow(-3, 2); }) << 9.0 << NoError << QString();
    // The checked power, not the C library's: it raises for 0 to a negative power.
    // cppcheck-suppress wrongmathcall
    QTest::newRow("zero to a negative power") << std::function<double()>([] { return checked::pow(0, -1); }) << 0.0 << byZero << QStringLiteral("计算中对零取负数次幂。");
    QTest::newRow("power beyond double") << std::function<double()>([] { return checked::pow(10, 400); }) << 0.0 << overflow << beyondDouble;
    QTest::newRow("largest single") << std::function<double()>([] { return checked::toSingle(FLT_MAX); }) << double(FLT_MAX) << NoError << QString();
    QTest::newRow("rounds to the largest single") << std::function<double()>([] { return checked::toSingle(double(FLT_MAX) * (1 + 0x1p-25)); }) << double(FLT_MAX) << NoError << QString();
    QTest::newRow("beyond single") << std::function<double()>([] { return checked::toSingle(1e39); }) << 0.0 << overflow << beyondSingle;
    QTest::newRow("below single beyond") << std::function<double()>([] { return checked::toSingle(-1e39); }) << 0.0 << overflow << beyondSingle;
    QTest::newRow("single of an infinity") << std::function<double()>([] { return checked::toSingle(infinity); }) << 0.0 << overflow << beyondDouble;
    QTest::newRow("single of an undefined") << std::function<double()>([] { return checked::toSingle(notANumber); }) << 0.0 << invalid << undefined;
    QTest::newRow("single underflowing") << std::function<double()>([] { return checked::toSingle(1e-50); }) << 0.0 << NoError << QString();
    // clang-format on
}

void TestCheckedMath::operations()
{
    QFETCH(std::function<double()>, operation);
    QFETCH(double, expected);
    QFETCH(int, kind);
    QFETCH(QString, message);
    try {
        const double result = operation();
        QCOMPARE(kind, NoError);
        QCOMPARE(result, expected);
    } catch (const CalcError &e) {
        QCOMPARE(int(e.kind()), kind);
        QCOMPARE(e.message(), message);
    }
}

QTEST_GUILESS_MAIN(TestCheckedMath)
#include "tst_checked_math.moc"
