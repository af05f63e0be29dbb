// The jump-type check on the in-memory form. Expected texts come from
// tests/reference/derive_cases.py, a separate implementation of the
// hydraulics, and from hand calculation.
#include "commands/commands.h"
#include "form_fixture.h"
#include "model/errors.h"
#include "model/jump_kind.h"
#include "model/number_text.h"

#include <QTest>

#include <optional>

using namespace varnolt;

namespace {

const QString remote = verdictText(JumpKind::Remote);
const QString submerged = verdictText(JumpKind::Submerged);
const QString critical = verdictText(JumpKind::Critical);

} // namespace

class TestJumpCheck : public QObject {
    Q_OBJECT

private slots:
    void workedExamples_data();
    void workedExamples();
    void presetsFollowTheLocale_data();
    void presetsFollowTheLocale();
    void criticalJumpKeepsBasinState_data();
    void criticalJumpKeepsBasinState();
    void submergedAfterRemoteKeepsBasinEnabled();
    void repeatedClickGivesSameTexts();
    void errorsStopAtTheirStep_data();
    void errorsStopAtTheirStep();
    void contractedDepthOutsideFixedInterval_data();
    void contractedDepthOutsideFixedInterval();
    void headTooSmallHasNoContractedDepth();
};

void TestJumpCheck::workedExamples_data()
{
    // clang-format off
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("inputs"); // q, H, a1, v, ht, phi
    QTest::addColumn<QStringList>("depths"); // Text7, Text8, Text9
    QTest::addColumn<QString>("verdict");

    QTest::newRow("remote") << "en_US" << QStringList{"10", "3", "5", "1", "3", "0.95"}
                            << QStringList{"2.168255", "0.8879251", "4.36829"} << remote;
    QTest::newRow("submerged") << "en_US" << QStringList{"10", "3", "5", "1", "6", "0.95"}
                               << QStringList{"2.168255", "0.8879251", "4.36829"} << submerged;
    QTest::newRow("high dam") << "en_US" << QStringList{"20", "4", "10", "2", "5", "0.9"}
                              << QStringList{"3.44189", "1.402179", "6.957277"} << remote;
    QTest::newRow("small weir") << "en_US" << QStringList{"3", "1.5", "4", "0.5", "2", "0.95"}
                                << QStringList{"0.9716828", "0.3126332", "2.271335"} << remote;
    QTest::newRow("large flood") << "en_US" << QStringList{"45", "8", "25", "3", "9", "1"}
                                 << QStringList{"5.909971", "1.805712", "14.24467"} << remote;
    QTest::newRow("deep tailwater")
            << "en_US" << QStringList{"7.5", "2.2", "3.3", "0.8", "3.9", "0.92"}
            << QStringList{"1.789855", "0.8505728", "3.27112"} << submerged;
    QTest::newRow("comma remote") << "de_DE" << QStringList{"10", "3", "5", "1", "3", "0,95"}
                                  << QStringList{"2,168255", "0,8879251", "4,36829"} << remote;
    QTest::newRow("comma deep tailwater")
            << "de_DE" << QStringList{"7,5", "2,2", "3,3", "0,8", "3,9", "0,92"}
            << QStringList{"1,789855", "0,8505728", "3,27112"} << submerged;
    QTest::newRow("comma grouped and blanks")
            << "de_DE" << QStringList{" 20 ", "4,0", "1.000,0e-2", "2", "5", "0,9"}
            << QStringList{"3,44189", "1,402179", "6,957277"} << remote;
    // The conjugate depth as the window shows it, typed as the tailwater:
    // critical. One unit of the seventh digit either way is not.
    QTest::newRow("shown conjugate depth typed") << "en_US" << QStringList{"10", "3", "5", "1", "4.36829"}
                                                 << QStringList{"2.168255", "0.8879251", "4.36829"} << critical;
    QTest::newRow("comma shown conjugate depth typed")
            << "de_DE" << QStringList{"10", "3", "5", "1", "4,36829"}
            << QStringList{"2,168255", "0,8879251", "4,36829"} << critical;
    QTest::newRow("a digit deeper") << "en_US" << QStringList{"10", "3", "5", "1", "4.368291"}
                                    << QStringList{"2.168255", "0.8879251", "4.36829"} << submerged;
    QTest::newRow("a digit shallower") << "en_US" << QStringList{"10", "3", "5", "1", "4.368289"}
                                       << QStringList{"2.168255", "0.8879251", "4.36829"} << remote;
    // Pasted from a spreadsheet or a Chinese document.
    QTest::newRow("pasted padding")
            << "en_US" << QStringList{"10\t", "3\r\n", "\u00a05", "1\u3000", "\n3"}
            << QStringList{"2.168255", "0.8879251", "4.36829"} << remote;
    QTest::newRow("comma pasted padding")
            << "de_DE" << QStringList{"\u300010", "3\t", "5", "1", "3", "0,95\r\n"}
            << QStringList{"2,168255", "0,8879251", "4,36829"} << remote;
    // The basin inputs of a German user: the check reads them strictly.
    QTest::newRow("comma heads") << "de_DE" << QStringList{"10", "3,5", "5,5", "1,5", "3"}
                                 << QStringList{"2,168255", "0,8253961", "4,574327"} << remote;
    // clang-format on
}

void TestJumpCheck::workedExamples()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, depths);
    QFETCH(QString, verdict);
    const QLocale notation(locale);

    MemoryFormModel form(notation);
    FormState state;
    form.setBasinEnabled(false);
    typeInputs(form, inputs);
    Command1_Click(form, state);

    QCOMPARE(form.text(Field::Text7), depths[0]);
    QCOMPARE(form.text(Field::Text8), depths[1]);
    QCOMPARE(form.text(Field::Text9), depths[2]);
    QCOMPARE(form.verdict(), verdict);
    QCOMPARE(form.basinEnabled(), verdict == remote);
    // The check reads no output field and writes none of the basin's.
    QVERIFY(form.text(Field::Text11).isEmpty());
    QVERIFY(form.text(Field::Text12).isEmpty());
}

void TestJumpCheck::presetsFollowTheLocale_data()
{
    // clang-format off
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("phi");
    QTest::addColumn<QString>("sigma");
    QTest::newRow("full stop") << "en_US" << "0.95" << "1.05";
    QTest::newRow("comma") << "de_DE" << "0,95" << "1,05";
    // clang-format on
}

// A new form under a comma locale must be computable without retyping the
// preset coefficients.
void TestJumpCheck::presetsFollowTheLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, phi);
    QFETCH(QString, sigma);
    const QLocale notation(locale);

    MemoryFormModel form(notation);
    QCOMPARE(form.text(Field::Text6), phi);
    QCOMPARE(form.text(Field::Text10), sigma);
    for (Field empty : {Field::Text1, Field::Text7, Field::Text9, Field::Text12})
        QVERIFY(form.text(empty).isEmpty());
    QVERIFY(form.verdict().isEmpty());
    QVERIFY(form.basinEnabled());

    FormState state;
    typeInputs(form, {"10", "3", "5", "1", "3"});
    Command1_Click(form, state);
    QCOMPARE(state.phi, 0.95f);
}

void TestJumpCheck::criticalJumpKeepsBasinState_data()
{
    // clang-format off
    QTest::addColumn<bool>("enabledBefore");
    QTest::addColumn<QString>("tailwater");
    QTest::newRow("shown, enabled") << true << "4.36829";
    QTest::newRow("shown, disabled") << false << "4.36829";
    QTest::newRow("same single, disabled") << false << "4.36829042";
    // clang-format on
}

// The conjugate depth of the worked example shows as 4.36829; typed as the
// tailwater, or as the digits of the single itself, it is a critical jump,
// and the basin button keeps its state.
void TestJumpCheck::criticalJumpKeepsBasinState()
{
    QFETCH(bool, enabledBefore);
    QFETCH(QString, tailwater);
    const QLocale notation(QStringLiteral("en_US"));
    MemoryFormModel form(notation);
    FormState state;
    form.setBasinEnabled(enabledBefore);
    typeInputs(form, {"10", "3", "5", "1", tailwater});
    Command1_Click(form, state);
    QCOMPARE(form.text(Field::Text9), QStringLiteral("4.36829"));
    QCOMPARE(form.verdict(), critical);
    QCOMPARE(form.basinEnabled(), enabledBefore);
}

void TestJumpCheck::submergedAfterRemoteKeepsBasinEnabled()
{
    const QLocale notation(QStringLiteral("en_US"));
    MemoryFormModel form(notation);
    FormState state;
    form.setBasinEnabled(false);
    typeInputs(form, {"10", "3", "5", "1", "3"});
    Command1_Click(form, state);
    QVERIFY(form.basinEnabled());
    form.setText(Field::Text5, QStringLiteral("6"));
    Command1_Click(form, state);
    QCOMPARE(form.verdict(), submerged);
    QVERIFY(form.basinEnabled());
}

void TestJumpCheck::repeatedClickGivesSameTexts()
{
    const QLocale notation(QStringLiteral("en_US"));
    MemoryFormModel form(notation);
    FormState state;
    typeInputs(form, {"3", "1.5", "4", "0.5", "2"});
    Command1_Click(form, state);
    const QStringList first{form.text(Field::Text7), form.text(Field::Text8),
            form.text(Field::Text9), form.verdict()};
    Command1_Click(form, state);
    QCOMPARE((QStringList{form.text(Field::Text7), form.text(Field::Text8), form.text(Field::Text9),
                     form.verdict()}),
            first);
}

void TestJumpCheck::errorsStopAtTheirStep_data()
{
    // clang-format off
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<int>("kind");
    // The texts of Text7, Text8, Text9 after the failure: the check clears
    // them when it starts.
    QTest::addColumn<QStringList>("written");
    // Members read before the failure, in reading order: q, H, a1, v, ht, phi.
    QTest::addColumn<int>("membersRead");
    // The field the error carries (0 for none).
    QTest::addColumn<int>("field");

    const int mismatch = int(ErrorKind::TypeMismatch);
    const int invalid = int(ErrorKind::InvalidInput);
    const QStringList none{"", "", ""};
    QTest::newRow("empty q") << QStringList{"", "3", "5", "1", "3"} << mismatch << none << 0 << 1;
    QTest::newRow("bad a1") << QStringList{"10", "3", "5 m", "1", "3"} << mismatch << none << 2 << 3;
    QTest::newRow("bad phi") << QStringList{"10", "3", "5", "1", "3", "0,95"} << mismatch << none
                             << 5 << 6;
    QTest::newRow("phi beyond single") << QStringList{"10", "3", "5", "1", "3", "1e39"}
                                       << int(ErrorKind::Overflow) << none << 5 << 6;
    // v² / 19.62 + P is beyond single precision when E0 is stored.
    QTest::newRow("head beyond single") << QStringList{"10", "3", "5", "1e20", "3"}
                                        << int(ErrorKind::Overflow) << none << 6 << 0;
    // hc = 0 is written, then R at the upper bound divides zero by zero.
    QTest::newRow("no discharge") << QStringList{"0", "3", "5", "1", "3"}
                                  << int(ErrorKind::InvalidOperation)
                                  << QStringList{"0", "", ""} << 6 << 1;
    // R divides by phi² · 19.62 = 0 after the critical depth is written.
    QTest::newRow("zero coefficient") << QStringList{"10", "3", "5", "1", "3", "0"}
                                      << int(ErrorKind::DivisionByZero)
                                      << QStringList{"2.168255", "", ""} << 6 << 6;
    // Physically impossible values stop the reading where they are read.
    QTest::newRow("negative q") << QStringList{"-10", "3", "5", "1", "3"} << invalid << none << 0 << 1;
    QTest::newRow("negative H") << QStringList{"10", "-3", "5", "1", "3"} << invalid << none << 1 << 2;
    QTest::newRow("negative a1") << QStringList{"10", "3", "-5", "1", "3"} << invalid << none << 2 << 3;
    QTest::newRow("negative v") << QStringList{"10", "3", "5", "-1", "3"} << invalid << none << 3 << 4;
    QTest::newRow("negative ht") << QStringList{"10", "3", "5", "1", "-3"} << invalid << none << 4 << 5;
    QTest::newRow("phi above 1") << QStringList{"10", "3", "5", "1", "3", "1.5"} << invalid << none
                                 << 5 << 6;
    QTest::newRow("negative phi") << QStringList{"10", "3", "5", "1", "3", "-0.95"} << invalid
                                  << none << 5 << 6;
    QTest::newRow("negative q before bad H") << QStringList{"-10", "x", "5", "1", "3"} << invalid
                                             << none << 0 << 1;
    QTest::newRow("group mark after zero") << QStringList{"10", "3", "5", "1", "3", "0,950"}
                                           << mismatch << none << 5 << 6;
    // clang-format on
}

void TestJumpCheck::errorsStopAtTheirStep()
{
    QFETCH(QStringList, inputs);
    QFETCH(int, kind);
    QFETCH(QStringList, written);
    QFETCH(int, membersRead);
    QFETCH(int, field);
    const QLocale notation(QStringLiteral("en_US"));

    // A form that shows the results of earlier inputs.
    MemoryFormModel form(notation);
    form.setBasinEnabled(false);
    form.setVerdict(verdictText(JumpKind::Remote));
    for (Field f : {Field::Text7, Field::Text8, Field::Text9, Field::Text11, Field::Text12})
        form.setText(f, QStringLiteral("-"));
    typeInputs(form, inputs);
    FormState state;
    const float untouched = -7;
    state.q = state.H = state.a1 = state.v = state.ht = state.phi = untouched;

    const std::optional<CalcError> error = errorOf([&] { Command1_Click(form, state); });
    QVERIFY(error);
    QCOMPARE(int(error->kind()), kind);
    QCOMPARE(error->field() ? int(*error->field()) : 0, field);
    if (field != 0) // the message names the field at fault
        QVERIFY2(error->message().contains(fieldCaption(Field(field))),
                qPrintable(error->message()));

    QCOMPARE(form.text(Field::Text7), written[0]);
    QCOMPARE(form.text(Field::Text8), written[1]);
    QCOMPARE(form.text(Field::Text9), written[2]);
    QVERIFY(form.text(Field::Text11).isEmpty());
    QVERIFY(form.text(Field::Text12).isEmpty());
    QVERIFY(form.verdict().isEmpty());
    QVERIFY(!form.basinEnabled());
    QCOMPARE(form.text(Field::Text10), initialText(Field::Text10, notation));
    const float members[] = {state.q, state.H, state.a1, state.v, state.ht, state.phi};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(members[i] == untouched, i >= membersRead);
}

void TestJumpCheck::contractedDepthOutsideFixedInterval_data()
{
    // clang-format off
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<double>("hco");  // exact root of the contracted-depth equation
    QTest::addColumn<double>("hco2"); // its conjugate
    QTest::addColumn<QString>("verdict");

    // The contracted depth lies below 0.2 m, outside [0.2, hc].
    QTest::newRow("low weir, small q") << QStringList{"1", "0.5", "2", "0", "0.6"} << 0.155193451
                                       << 1.07118316 << remote;
    // hc < 0.2: the fixed interval is reversed and holds no root.
    QTest::newRow("reversed interval") << QStringList{"0.3", "0.4", "3", "0", "0.5"}
                                       << 0.0388871952 << 0.667739345 << remote;
    QTest::newRow("high weir, tiny q") << QStringList{"0.5", "0.3", "6", "0.2", "1", "0.9"}
                                       << 0.0501617615 << 0.983239399 << submerged;
    // clang-format on
}

void TestJumpCheck::contractedDepthOutsideFixedInterval()
{
    QFETCH(QStringList, inputs);
    QFETCH(double, hco);
    QFETCH(double, hco2);
    QFETCH(QString, verdict);
    const QLocale notation(QStringLiteral("en_US"));

    MemoryFormModel form(notation);
    FormState state;
    typeInputs(form, inputs);
    Command1_Click(form, state);
    QVERIFY(relativelyClose(StrictNumber(form.text(Field::Text8), notation), hco, 1e-5));
    QVERIFY(relativelyClose(StrictNumber(form.text(Field::Text9), notation), hco2, 1e-5));
    QCOMPARE(form.verdict(), verdict);
}

// q = 10 m²/s cannot pass over a weir with 0.2 m of head: no depth below h*
// balances the head, and the check says so instead of writing a depth.
void TestJumpCheck::headTooSmallHasNoContractedDepth()
{
    const QLocale notation(QStringLiteral("en_US"));
    MemoryFormModel form(notation);
    FormState state;
    typeInputs(form, {"10", "0.2", "0.5", "0", "3"});
    QCOMPARE(errorKindOf([&] { Command1_Click(form, state); }), int(ErrorKind::NoSolution));
    QCOMPARE(form.text(Field::Text7), QStringLiteral("2.168255"));
    QVERIFY(form.text(Field::Text8).isEmpty());
    QVERIFY(form.verdict().isEmpty());
}

QTEST_GUILESS_MAIN(TestJumpCheck)
#include "tst_jump_check.moc"
