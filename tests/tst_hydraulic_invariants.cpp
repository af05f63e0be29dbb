// Hydraulic invariants over thousands of random weirs in the ranges met in
// practice. Whatever path the commands take, their depths must satisfy the
// physics they stand for, or the command must stop with a NoSolution error
// that an exact calculation confirms. Never a silently wrong number.
#include "commands/commands.h"
#include "form_fixture.h"
#include "model/errors.h"
#include "model/jump_kind.h"
#include "model/number_text.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>

using namespace varnolt;

namespace {

constexpr double g = 9.81;

struct Weir {
    double q, H, a1, v, ht, phi, sigma;
};

// Head balance at the contracted section, in double precision.
double headResidual(const Weir &w, double E0, double h)
{
    return (E0 - h) - w.q * w.q / (h * h * (w.phi * w.phi * 2 * g));
}

// Depth of the largest head residual: the jet's critical depth.
double jetCriticalDepth(const Weir &w)
{
    return std::cbrt(w.q * w.q / (g * w.phi * w.phi));
}

// Supercritical root of the head balance, or NaN when the head cannot pass q.
double exactContractedDepth(const Weir &w, double E0)
{
    double hi = jetCriticalDepth(w);
    if (headResidual(w, E0, hi) < 0)
        return NAN;
    double lo = hi;
    while (headResidual(w, E0, lo) >= 0)
        lo /= 2;
    for (int i = 0; i < 200 && lo < hi; ++i) {
        const double mid = (lo + hi) / 2;
        if (mid == lo || mid == hi)
            break;
        (headResidual(w, E0, mid) < 0 ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}

// Sequent depth from the momentum balance of the jump.
double sequentDepth(double q, double h)
{
    return h / 2 * (std::sqrt(1 + 8 * q * q / (g * h * h * h)) - 1);
}

// Specific force q²/(g h) + h²/2, equal on both sides of a jump.
double specificForce(double q, double h)
{
    return q * q / (g * h) + h * h / 2;
}

// Balance of the basin with exact contracted depths, for a basin of depth d.
double exactBasinBalance(const Weir &w, double d)
{
    const double Et = w.q * w.q / (std::pow(w.phi * w.ht, 2) * 2 * g) + w.ht;
    const double hco = exactContractedDepth(w, w.H + w.a1 + w.v * w.v / (2 * g) + d);
    const double y = sequentDepth(w.q, hco) * w.sigma;
    return Et - ((w.q * w.q / (y * y * 2 * g) + y) - d);
}

// An input as the user types it: three decimals, in the locale's notation.
QString text(double value, const QString &locale)
{
    return QLocale(locale).toString(value, 'f', 3);
}

// A "###.##" length read back, "." alone being zero.
double lengthValue(const QString &length, const QLocale &locale)
{
    return LeadingNumber(QString(length).replace(locale.decimalPoint(), QStringLiteral(".")));
}

} // namespace

class TestHydraulicInvariants : public QObject {
    Q_OBJECT

private slots:
    void invariants_data();
    void invariants();
};

void TestHydraulicInvariants::invariants_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("inputs");
    QRandomGenerator random(20261207);
    // Every fourth weir is typed with decimal commas, so that the heads of
    // the basin are read in that notation too.
    for (int i = 0; i < 3000; ++i) {
        const QString locale = i % 4 == 3 ? QStringLiteral("de_DE") : QStringLiteral("en_US");
        auto in = [&random, &locale](double low, double high) {
            return text(low + (high - low) * random.generateDouble(), locale);
        };
        QTest::addRow("weir %d", i) << locale
                                    << QStringList{in(0.2, 60), in(0.2, 12), in(0.3, 40), in(0, 4),
                                               in(0.1, 30), in(0.85, 1), in(1.0, 1.15)};
    }
}

void TestHydraulicInvariants::invariants()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, inputs);
    const QLocale notation(locale);
    MemoryFormModel form(notation);
    FormState state;
    typeInputs(form, inputs);
    Weir w{};
    double *fields[] = {&w.q, &w.H, &w.a1, &w.v, &w.ht, &w.phi, &w.sigma};
    for (int i = 0; i < 7; ++i)
        *fields[i] = StrictNumber(inputs[i], notation);
    const double E0 = double(float(float(w.a1 + w.H) + w.v * w.v / (2 * g)));

    JumpKind kind = JumpKind::Remote;
    const int checkError = errorKindOf([&] { kind = Command1_Click(form, state); });
    if (checkError != -1) {
        // Only a head too small to pass the discharge may stop the check.
        QCOMPARE(checkError, int(ErrorKind::NoSolution));
        QVERIFY(headResidual(w, E0, jetCriticalDepth(w)) < 1e-6 * E0);
        return;
    }

    // The contracted depth balances the head within the resolution of its
    // bisection, on the supercritical side of the jet's critical depth.
    const double hc = state.hc;
    const double hco = state.hco;
    const double resolution = std::abs(hc - 0.2) / 65536 + 4e-7 * hco;
    QVERIFY(hco > 0);
    QVERIFY(hco <= jetCriticalDepth(w) * (1 + 1e-6));
    QVERIFY2(headResidual(w, E0, hco - resolution) <= 0
                    && headResidual(w, E0, std::min(hco + resolution, jetCriticalDepth(w))) >= 0,
            qPrintable(QStringLiteral("hco %1").arg(hco)));

    // The conjugate depth has the specific force of the contracted depth.
    QVERIFY(relativelyClose(specificForce(w.q, state.hco2), specificForce(w.q, hco), 1e-5));
    // Critical where the two depths read alike on the form, otherwise remote
    // for a conjugate depth above the tailwater.
    QCOMPARE(form.verdict(), verdictText(kind));
    if (form.text(Field::Text9) == SingleText(state.ht, notation))
        QCOMPARE(kind, JumpKind::Critical);
    else
        QCOMPARE(kind, state.hco2 > state.ht ? JumpKind::Remote : JumpKind::Submerged);

    const int basinError = errorKindOf([&] { Command2_Click(form, state); });
    if (basinError != -1) {
        QCOMPARE(basinError, int(ErrorKind::NoSolution));
        const double atZero = exactBasinBalance(w, 0);
        QVERIFY2(std::isnan(atZero) || atZero >= -1e-3 || exactBasinBalance(w, 1000) < 0,
                qPrintable(QStringLiteral("balance at d = 0: %1").arg(atZero)));
        return;
    }

    // The basin depth balances the heads with exact contracted depths, within
    // what the fixed bisections resolve: the trial contracted depth to
    // (hc − 0.2) / 2^10, which moves σ·hco2 by about σ·hco2·Δh / (2 hco),
    // and the basin depth to (hc − 0.1) / 2^16.
    const double d = state.d;
    const double trialResolution = std::abs(hc - 0.2) / 1024;
    const double tolerance = w.sigma * state.hco2 * trialResolution / hco
            + std::abs(hc - 0.1) / 65536 + 1e-4 * std::abs(d) + 1e-6;
    QVERIFY2(exactBasinBalance(w, std::max(0.0, d - tolerance)) <= 0
                    && exactBasinBalance(w, d + tolerance) >= 0,
            qPrintable(QStringLiteral("d %1 tolerance %2").arg(d).arg(tolerance)));

    // The lengths are 4.83 and 5.52 times the final hco2 − hco.
    const QStringList lengths = form.text(Field::Text12).split(QStringLiteral("----"));
    QCOMPARE(lengths.size(), 2);
    const double jump = double(state.hco2) - double(state.hco);
    QVERIFY(std::abs(lengthValue(lengths[0], notation) - 4.83 * jump) <= 0.005 + 1e-12);
    QVERIFY(std::abs(lengthValue(lengths[1], notation) - 5.52 * jump) <= 0.005 + 1e-12);
}

QTEST_GUILESS_MAIN(TestHydraulicInvariants)
#include "tst_hydraulic_invariants.moc"
