// The design library on real cases: textbook jumps reproduced from weirs
// derived to give their incoming depths, the window's texts for every
// full-stop scenario, the standard's cross-check and the slab against the
// independent derivation in tests/reference/derive_design.py, and the
// governing cases of a design.
#include "commands/commands.h"
#include "design/design.h"
#include "design/labels.h"
#include "design/standard_check.h"
#include "design_cases.h"
#include "locale_scope.h"
#include "model/errors.h"
#include "model/form_model.h"
#include "model/form_state.h"
#include "model/jump_kind.h"

#include <QFile>
#include <QLocale>
#include <QMap>
#include <QTest>

#include <algorithm>
#include <bit>
#include <cmath>
#include <type_traits>

using namespace varnolt;
using namespace varnolt::design;

namespace {

QList<QStringList> tableRows(const char *path)
{
    QList<QStringList> rows;
    QFile file(QString::fromUtf8(path));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return rows;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).chopped(1);
        if (!line.startsWith(u'#') && !line.isEmpty())
            rows.append(line.split(u'\t'));
    }
    return rows;
}

double number(const QString &text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    return ok ? value : std::nan("");
}

// A published figure holds when the computed value rounds to it.
bool withinRounding(double value, double published, double halfUnit)
{
    return std::abs(value - published) <= halfUnit;
}

// A weir whose contracted depth is `depth` for a discharge q, with a
// velocity coefficient of 1: the head above the floor is the depth plus the
// jet's velocity head, E0 = y1 + q²/(2g·y1²), split into a head of 1.5 m over
// a weir of the rest. The tailwater at half the conjugate depth lets the jump
// run away, so the check states a remote jump.
CaseInputs weirForIncomingDepth(double q, double depth, double conjugate)
{
    CaseInputs inputs;
    inputs.name = QStringLiteral("derived");
    const double E0 = depth + q * q / (19.62 * depth * depth);
    inputs.q = q;
    inputs.H = 1.5;
    inputs.a1 = E0 - 1.5;
    inputs.v = 0;
    inputs.ht = conjugate / 2;
    inputs.phi = 1.0;
    return inputs;
}

// Every figure and text of a design's case, each number by its bits: two
// cases with the same fingerprint agree to the last bit.
class Fingerprint {
public:
    QByteArray bytes;

    void add(double value) { bytes += QByteArray::number(std::bit_cast<quint64>(value), 16) + ';'; }
    void add(bool flag) { bytes += flag ? "y;" : "n;"; }
    void add(const QString &text) { bytes += text.toUtf8() + '\0'; }
    template <class E>
    requires std::is_enum_v<E>
    void add(E value) { bytes += QByteArray::number(static_cast<int>(value)) + ';'; }
    template <class T> void add(const std::optional<T> &value)
    {
        add(value.has_value());
        if (value)
            add(*value);
    }
    void add(const CheckResult &c)
    {
        addAll(c.hc, c.E0, c.hco, c.hco2, c.jump, c.Fr1, c.form, c.energyLoss, c.specificEnergy,
                c.relativeLoss, c.jumpLength, c.verdict, c.text7, c.text8, c.text9);
    }
    void add(const StandardCheck &s)
    {
        addAll(s.d, s.length, s.hco, s.conjugate, s.deltaZ, s.failure.has_value());
    }
    void add(const BasinResult &b)
    {
        addAll(b.d, b.E0, b.Et, b.hco, b.hco2, b.lengthMin, b.lengthMax, b.Fr1, b.form, b.advice,
                b.standard, b.headDifference, b.slabThickness, b.apronLength,
                b.slabFormulaOutsideRange, b.text11, b.text8, b.text12);
    }
    void add(const CaseError &e) { addAll(e.stage, e.error.kind(), e.error.message()); }
    template <class... T> void addAll(const T &...values) { (add(values), ...); }
};

QByteArray fingerprintOf(const CaseResult &result)
{
    Fingerprint print;
    print.addAll(result.inputs.name, result.check, result.basin, result.error);
    return print.bytes;
}

// Some 1,500 weirs, more than two blocks of the design's sharing out: remote
// jumps with their basins, submerged jumps, basins that cannot be sized,
// and checks that stop on a discharge of zero.
std::vector<CaseInputs> sweepOfCases()
{
    std::vector<CaseInputs> cases;
    for (int i = 0; i < 1500; ++i) {
        const double q = i % 101 == 0 ? 0 : 0.5 + (i % 37) * 1.3;
        cases.push_back(designCase(QStringLiteral("weir %1").arg(i), q, 0.8 + (i % 6) * 0.7,
                1 + (i % 7) * 2.5, (i % 5) * 0.4, 0.4 + (i % 11) * 0.9, 1 + (i % 4) * 0.05));
    }
    return cases;
}

} // namespace

class TestDesign : public QObject {
    Q_OBJECT

private slots:
    void textbookJumps_data();
    void textbookJumps();
    void windowTexts_data();
    void windowTexts();
    void standardCheckAndSlab_data();
    void standardCheckAndSlab();
    void slabWithoutHeadDifference();
    void standardWithoutRoot();
    void governingCases();
    void sameBitsWhateverTheUsersLocale_data();
    void sameBitsWhateverTheUsersLocale();
};

void TestDesign::textbookJumps_data()
{
    QTest::addColumn<double>("q");
    QTest::addColumn<double>("y1");
    QTest::addColumn<double>("froude");
    QTest::addColumn<double>("froudeHalfUnit");
    QTest::addColumn<double>("y2");
    QTest::addColumn<double>("y2HalfUnit");
    QTest::addColumn<double>("loss");
    QTest::addColumn<double>("lossHalfUnit");
    QTest::addColumn<double>("share");
    QTest::addColumn<double>("shareHalfUnit");

    // F. M. White, Fluid Mechanics, 5th edition, Example 10.10: a wide
    // channel with q = 10 m³/(s·m) at y1 = 1.25 m jumps to y2 = 3.46 m with
    // Fr1 = 2.285, a head loss of 0.625 m, 14 % of the energy upstream.
    QTest::newRow("White 5th ed. Ex. 10.10")
            << 10.0 << 1.25 << 2.285 << 0.0005 << 3.46 << 0.005 << 0.625 << 0.0005 << 0.14 << 0.005;
    // Y. A. Çengel and J. M. Cimbala, Fluid Mechanics: Fundamentals and
    // Applications, 1st edition, the hydraulic-jump example of chapter 13:
    // y1 = 0.8 m, V1 = 7 m/s (q = 5.6 m²/s), Fr1 = 2.50, y2 = 2.46 m, head loss
    // 0.572 m. The book forms the loss from y2 and V2 already rounded to
    // 2.46 m and 2.28 m; the unrounded momentum balance gives 0.577 m, so the
    // loss is held to 1 % of the book's figure, not to its last digit. The
    // book's dissipation ratio carries the same rounding and is not checked.
    QTest::newRow("Cengel-Cimbala 1st ed. ch. 13")
            << 5.6 << 0.8 << 2.50 << 0.005 << 2.46 << 0.005 << 0.572 << 0.006 << -1.0 << 0.0;
}

void TestDesign::textbookJumps()
{
    QFETCH(double, q);
    QFETCH(double, y1);
    QFETCH(double, froude);
    QFETCH(double, froudeHalfUnit);
    QFETCH(double, y2);
    QFETCH(double, y2HalfUnit);
    QFETCH(double, loss);
    QFETCH(double, lossHalfUnit);
    QFETCH(double, share);
    QFETCH(double, shareHalfUnit);

    const CaseResult result = evaluateCase(weirForIncomingDepth(q, y1, y2), DesignOptions{});
    QVERIFY(!result.error);
    QVERIFY(result.check);
    const CheckResult &check = *result.check;
    QCOMPARE(check.jump, JumpKind::Remote);
    // The contracted depth is the textbook's incoming depth to single precision.
    QVERIFY2(std::abs(check.hco - y1) <= 1e-5 * y1, qPrintable(QString::number(check.hco)));
    QVERIFY2(withinRounding(check.Fr1, froude, froudeHalfUnit),
            qPrintable(QString::number(check.Fr1)));
    QVERIFY2(withinRounding(check.hco2, y2, y2HalfUnit), qPrintable(QString::number(check.hco2)));
    QVERIFY2(withinRounding(check.energyLoss, loss, lossHalfUnit),
            qPrintable(QString::number(check.energyLoss)));
    if (share > 0) {
        QVERIFY2(withinRounding(check.relativeLoss, share, shareHalfUnit),
                qPrintable(QString::number(check.relativeLoss)));
    }
    // Both jumps are weak ones (Fr1 from 1.7 up to 2.5); the second lies
    // just below the border, at 2.4987.
    QVERIFY(check.form);
    QCOMPARE(jumpFormKey(*check.form), QStringLiteral("weak"));
    QVERIFY(withinRounding(check.jumpLength, 6.9 * (y2 - y1), 6.9 * y2HalfUnit + 1e-4));
}

// The scenarios of one weir typed in full stops and checked, then sized:
// "random N" rows of the scenario table under en_US. Columns: scenario,
// locale, typed (field=text;…), press, kind, field, note, Text7 … Text12,
// verdict, match.
void TestDesign::windowTexts_data()
{
    QTest::addColumn<QStringList>("check");
    QTest::addColumn<QStringList>("size");
    const QList<QStringList> rows = tableRows(VARNOLT_SCENARIOS);
    int used = 0;
    for (qsizetype i = 0; i + 1 < rows.size(); ++i) {
        const QStringList &check = rows[i];
        const QStringList &size = rows[i + 1];
        if (check.size() < 14 || size.size() < 14 || check[1] != QLatin1String("en_US")
                || !check[0].startsWith(QLatin1String("random")) || size[0] != check[0]
                || check[3] != QLatin1String("check") || size[3] != QLatin1String("size"))
            continue;
        QTest::newRow(qPrintable(check[0])) << check << size;
        ++used;
    }
    QVERIFY2(used > 0, "no full-stop scenarios found");
}

// The design's texts are the window's: the same commands on a form in the
// full-stop notation of en_US give exactly the texts the design records, and where the
// scenario table states exact texts the design gives those too.
void TestDesign::windowTexts()
{
    QFETCH(QStringList, check);
    QFETCH(QStringList, size);
    QMap<int, QString> typed;
    for (const QString &entry : check[2].split(u';')) {
        const qsizetype eq = entry.indexOf(u'=');
        typed.insert(entry.left(eq).toInt(), entry.mid(eq + 1));
    }
    CaseInputs inputs;
    inputs.q = number(typed.value(1));
    inputs.H = number(typed.value(2));
    inputs.a1 = number(typed.value(3));
    inputs.v = number(typed.value(4));
    inputs.ht = number(typed.value(5));
    inputs.phi = number(typed.value(6, QStringLiteral("0.95")));
    inputs.sigma = number(typed.value(10, QStringLiteral("1.05")));
    const CaseResult result = evaluateCase(inputs, DesignOptions{});

    MemoryFormModel form(QLocale(QStringLiteral("en_US")));
    for (auto it = typed.cbegin(); it != typed.cend(); ++it)
        form.setText(static_cast<Field>(it.key()), it.value());
    FormState state;
    std::optional<Stage> stopped;
    try {
        stopped = Stage::Check;
        const JumpKind jump = Command1_Click(form, state);
        stopped.reset();
        if (jump == JumpKind::Remote) {
            stopped = Stage::Basin;
            Command2_Click(form, state);
            stopped.reset();
        }
    } catch (const CalcError &error) {
        QVERIFY(result.error);
        QCOMPARE(result.error->error.kind(), error.kind());
        QCOMPARE(result.error->error.reason(), error.reason());
        QCOMPARE(result.error->error.field(), error.field());
        QCOMPARE(result.error->error.message(), error.message());
    }

    if (!stopped)
        QVERIFY(!result.error);
    else
        QCOMPARE(result.error->stage, *stopped);
    if (stopped == Stage::Check) {
        QVERIFY(!result.check);
        QCOMPARE_NE(check[4], QStringLiteral("ok"));
        return;
    }
    QVERIFY(result.check);
    QCOMPARE(result.check->text7, form.text(Field::Text7));
    QCOMPARE(result.check->text7, check[7]);
    QCOMPARE(result.check->text9, form.text(Field::Text9));
    if (check[13] == QLatin1String("exact")) {
        QCOMPARE(result.check->text8, check[8]);
        QCOMPARE(result.check->text9, check[9]);
    }
    if (!result.basin) {
        if (!stopped)
            QCOMPARE_NE(result.check->jump, JumpKind::Remote);
        return;
    }
    QCOMPARE(result.basin->text11, form.text(Field::Text11));
    QCOMPARE(result.basin->text8, form.text(Field::Text8));
    QCOMPARE(result.basin->text12, form.text(Field::Text12));
    if (size[4] == QLatin1String("ok") && size[13] == QLatin1String("exact")) {
        QCOMPARE(result.basin->text11, size[10]);
        QCOMPARE(result.basin->text8, size[8]);
        QCOMPARE(result.basin->text12, size[11]);
    }
}

void TestDesign::standardCheckAndSlab_data()
{
    QTest::addColumn<QStringList>("row");
    int used = 0;
    for (const QStringList &row : tableRows(VARNOLT_DESIGN_REFERENCE)) {
        QTest::newRow(qPrintable(row[0])) << row;
        ++used;
    }
    QVERIFY2(used > 0, "no reference rows found");
}

void TestDesign::standardCheckAndSlab()
{
    QFETCH(QStringList, row);
    QCOMPARE(row.size(), 21);
    CaseInputs inputs;
    inputs.name = row[0];
    inputs.q = number(row[1]);
    inputs.H = number(row[2]);
    inputs.a1 = number(row[3]);
    inputs.v = number(row[4]);
    inputs.ht = number(row[5]);
    inputs.phi = number(row[6]);
    inputs.sigma = number(row[7]);
    DesignOptions options;
    options.alpha = number(row[8]);
    options.widthRatio = number(row[9]);
    options.beta = number(row[10]);
    options.slopeLength = number(row[11]);
    options.k1 = number(row[12]);
    if (row[13] != QLatin1String("none"))
        options.ks = number(row[13]);

    const CaseResult result = evaluateCase(inputs, options);
    QVERIFY(!result.error);
    QVERIFY(result.basin);
    const BasinResult &basin = *result.basin;
    const auto close = [](std::optional<double> value, const QString &expected) {
        return value && std::abs(*value - number(expected)) <= 1e-9 * std::abs(number(expected));
    };
    QVERIFY2(close(basin.standard.d, row[14]),
            basin.standard.failure ? "the cross-check found no root" : "d′ differs");
    QVERIFY(close(basin.standard.length, row[15]));
    QVERIFY(close(basin.standard.hco, row[16]));
    QVERIFY(close(basin.standard.conjugate, row[17]));
    QVERIFY(close(basin.slabThickness, row[18]));
    if (row[19] == QLatin1String("none"))
        QVERIFY(!basin.apronLength);
    else
        QVERIFY(close(basin.apronLength, row[19]));
    QCOMPARE(basin.slabFormulaOutsideRange, row[20] == QLatin1String("yes"));
}

// A tailwater standing above the headwater leaves no head for the slab
// formula: thickness and apron are zero and flagged, never NaN.
void TestDesign::slabWithoutHeadDifference()
{
    DesignOptions options;
    options.ks = 12;
    const WeirFlow flow{10, 1, 1, 0, 3, 0.95, 1.05};
    const SlabAndApron slab = slabAndApron(flow, options);
    QCOMPARE(slab.headDifference, -1.0);
    QCOMPARE(slab.slabThickness, 0.0);
    QVERIFY(slab.apronLength);
    QCOMPARE(*slab.apronLength, 0.0);
    QVERIFY(slab.outsideRange);
}

// A jet the head cannot pass under the standard's larger velocity head:
// α·q²/(2g·φ²) above 4·T0³/27 leaves the cubic without a root, which is said,
// not guessed, while the window's own results stand.
void TestDesign::standardWithoutRoot()
{
    DesignOptions options;
    options.alpha = 40;
    const CaseInputs inputs = designCase(QString(), 10, 3, 5, 1, 3);
    const CaseResult result = evaluateCase(inputs, options);
    QVERIFY(!result.error);
    QVERIFY(result.basin);
    const StandardCheck &standard = result.basin->standard;
    QVERIFY(!standard.d && !standard.length);
    QVERIFY(standard.failure);
    QCOMPARE(standard.failure->reason, StandardFailure::Reason::NoContractedDepth);
    // The total head at which the cubic first had no root: d′ = 0, so E0.
    QVERIFY(std::abs(standard.failure->T0
                    - standardTotalHead(WeirFlow{10, 3, 5, 1, 3, 0.95, 1.05}, 40))
            < 1e-12);
    QCOMPARE(result.basin->text11, QStringLiteral("1.466713"));
    // The cubic's own test: 40·100/(19.62·0.95²) = 225.9 against
    // 4·8.051³/27 = 77.3, so not even d′ = 0 has a contracted depth.
    QVERIFY(!standardContractedDepth(8.051, 10, 0.95, 40));
    QVERIFY(standardContractedDepth(8.051, 10, 0.95, 1));
}

// The depth is governed by the deepest basin, the length by the longest;
// a submerged jump and a case that stopped govern nothing, even where a
// stopped case comes first.
void TestDesign::governingCases()
{
    const std::vector<CaseInputs> cases{
            designCase(QStringLiteral("no discharge"), 0, 3, 5, 1, 3),
            designCase(QStringLiteral("worked"), 10, 3, 5, 1, 3),
            designCase(QStringLiteral("submerged"), 10, 3, 5, 1, 6),
            designCase(QStringLiteral("high weir"), 5, 2, 30, 1, 3),
            designCase(QStringLiteral("flood"), 40, 8, 5, 2, 9),
    };
    const DesignResult design = evaluateDesign(cases, DesignOptions{});
    QCOMPARE(design.cases.size(), cases.size());
    QVERIFY(design.cases[0].error);
    QCOMPARE(design.cases[0].error->stage, Stage::Check);
    QCOMPARE(stageKey(design.cases[0].error->stage), QStringLiteral("Command1"));
    QVERIFY(!design.cases[0].check);
    QVERIFY(design.cases[2].check);
    QCOMPARE(design.cases[2].check->jump, JumpKind::Submerged);
    QVERIFY(!design.cases[2].basin);

    // The high weir's small discharge needs the deepest basin (2.03 m, the
    // README's bracket example, against 1.47 m for the worked example and
    // under 0.5 m for the flood), yet the flood of 40 m²/s, with a jump of
    // over 6 m, the longest.
    QVERIFY(design.cases[3].basin && design.cases[1].basin && design.cases[4].basin);
    QCOMPARE(design.cases[3].basin->text11, QStringLiteral("2.031804"));
    QCOMPARE(design.governingDepth, std::optional<std::size_t>(3));
    QCOMPARE(design.governingLength, std::optional<std::size_t>(4));
    QVERIFY(design.cases[4].basin->lengthMax > design.cases[3].basin->lengthMax);
    QVERIFY(design.cases[4].basin->d < design.cases[1].basin->d);

    // Equal cases: the first governs.
    const DesignResult twice = evaluateDesign({cases[1], cases[1]}, DesignOptions{});
    QCOMPARE(twice.governingDepth, std::optional<std::size_t>(0));
    QCOMPARE(twice.governingLength, std::optional<std::size_t>(0));
    // Nothing to govern.
    const DesignResult none = evaluateDesign({cases[0], cases[2]}, DesignOptions{});
    QVERIFY(!none.governingDepth && !none.governingLength);
}

void TestDesign::sameBitsWhateverTheUsersLocale_data()
{
    QTest::addColumn<QString>("user");
    QTest::newRow("comma") << QStringLiteral("de_DE");
    QTest::newRow("comma, narrow no-break group mark") << QStringLiteral("fr_FR");
    QTest::newRow("Chinese") << QStringLiteral("zh_CN");
    QTest::newRow("C") << QStringLiteral("C");
}

// The design reads and writes its texts in full stops on its own forms: the
// user's locale changes no bit of it, and the design leaves that locale as
// it found it. Shared out among the cores or worked one case after the
// other, every case comes out the same.
void TestDesign::sameBitsWhateverTheUsersLocale()
{
    QFETCH(QString, user);
    const std::vector<CaseInputs> cases = sweepOfCases();
    DesignResult reference;
    {
        const LocaleScope fullStop(QStringLiteral("C"));
        reference = evaluateDesign(cases, DesignOptions{});
    }
    // The sweep holds every way a case ends.
    const auto count = [&reference](auto &&holds) {
        return std::count_if(reference.cases.cbegin(), reference.cases.cend(), holds);
    };
    QVERIFY(count([](const CaseResult &c) { return c.basin.has_value(); }) > 0);
    QVERIFY(count([](const CaseResult &c) { return !c.check && c.error; }) > 0);
    QVERIFY(count([](const CaseResult &c) { return c.check && c.error; }) > 0);
    QVERIFY(count([](const CaseResult &c) {
        return c.check && c.check->jump == JumpKind::Submerged;
    }) > 0);

    const LocaleScope scope(user);
    const DesignResult design = evaluateDesign(cases, DesignOptions{});
    QCOMPARE(QLocale().name(), QLocale(user).name());
    QCOMPARE(design.cases.size(), cases.size());
    QCOMPARE(design.governingDepth, reference.governingDepth);
    QCOMPARE(design.governingLength, reference.governingLength);
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const QByteArray bits = fingerprintOf(design.cases[i]);
        QVERIFY2(bits == fingerprintOf(reference.cases[i]), qPrintable(cases[i].name));
        if (i % 50 == 0) {
            QVERIFY2(bits == fingerprintOf(evaluateCase(cases[i], DesignOptions{})),
                    qPrintable(cases[i].name));
        }
    }
    QCOMPARE(QLocale().name(), QLocale(user).name());
}

QTEST_GUILESS_MAIN(TestDesign)
#include "tst_design.moc"
