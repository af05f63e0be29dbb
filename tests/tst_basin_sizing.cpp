// The stilling-basin sizing on the in-memory form, after a jump check.
// Expected texts and exact depths come from tests/reference/derive_cases.py.
#include "commands/commands.h"
#include "form_fixture.h"
#include "model/errors.h"
#include "model/number_text.h"

#include <QTest>

#include <optional>

using namespace varnolt;

class TestBasinSizing : public QObject {
    Q_OBJECT

private slots:
    void workedExamples_data();
    void workedExamples();
    void headsWithGroupMarks_data();
    void headsWithGroupMarks();
    void earlierResultsAreCleared_data();
    void earlierResultsAreCleared();
    void handEditedCriticalDepthMovesTheBounds_data();
    void handEditedCriticalDepthMovesTheBounds();
    void repeatedClickGivesSameTexts();
    void clicksFollowEditsAndLocaleBetweenThem();
    void errorsStopAtTheirStep_data();
    void errorsStopAtTheirStep();
    void basinDepthOutsideFixedInterval_data();
    void basinDepthOutsideFixedInterval();
    void noBasinNeededOrPossible_data();
    void noBasinNeededOrPossible();
};

void TestBasinSizing::workedExamples_data()
{
    // clang-format off
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("inputs"); // q, H, a1, v, ht, phi, sigma
    QTest::addColumn<QStringList>("results"); // Text11, Text8, Text12

    QTest::newRow("worked example") << "en_US" << QStringList{"10", "3", "5", "1", "3", "0.95", "1.05"}
                                    << QStringList{"1.466713", "0.8050936", "18.55----21.2"};
    QTest::newRow("more submergence") << "en_US" << QStringList{"10", "3", "5", "1", "3", "0.95", "1.1"}
                                      << QStringList{"1.722499", "0.7930203", "18.82----21.51"};
    QTest::newRow("high dam") << "en_US" << QStringList{"20", "4", "10", "2", "5", "0.9", "1.05"}
                              << QStringList{"2.001715", "1.299436", "28.98----33.12"};
    QTest::newRow("no extra submergence")
            << "en_US" << QStringList{"7.5", "2.2", "3.3", "0.8", "2.5", "0.92", "1"}
            << QStringList{"0.6232192", "0.7948735", "12.69----14.5"};
    QTest::newRow("comma worked example")
            << "de_DE" << QStringList{"10", "3", "5", "1", "3", "0,95", "1,05"}
            << QStringList{"1,466713", "0,8050936", "18,55----21,2"};
    QTest::newRow("comma more submergence")
            << "de_DE" << QStringList{"10", "3", "5", "1", "3", "0,95", "1,1"}
            << QStringList{"1,722499", "0,7930203", "18,82----21,51"};
    // The heads of the basin in the user's notation: the same weir gives the
    // same basin in either locale.
    QTest::newRow("comma heads")
            << "de_DE" << QStringList{"10", "3,5", "5,5", "1,5", "3", "0,95", "1,05"}
            << QStringList{"1,661053", "0,7505534", "19,8----22,63"};
    QTest::newRow("full-stop heads")
            << "en_US" << QStringList{"10", "3.5", "5.5", "1.5", "3", "0.95", "1.05"}
            << QStringList{"1.661053", "0.7505534", "19.8----22.63"};
    QTest::newRow("pasted heads")
            << "de_DE" << QStringList{"10", "3,5\t", "\u00a05,5", "1,5\u3000", "3", "0,95", "1,05\r\n"}
            << QStringList{"1,661053", "0,7505534", "19,8----22,63"};
    // The shown conjugate depth typed as the tailwater: a critical jump, and
    // with sigma 1.05 still a shallow basin.
    QTest::newRow("critical tailwater")
            << "en_US" << QStringList{"10", "3", "5", "1", "4.36829", "0.95", "1.05"}
            << QStringList{"0.2013835", "0.8749208", "17.07----19.51"};
    // Both coefficients at the ends of their ranges.
    QTest::newRow("phi 1, sigma 1")
            << "en_US" << QStringList{"10", "3", "5", "1", "3", "1", "1"}
            << QStringList{"1.452448", "0.7636479", "19.49----22.28"};
    // clang-format on
}

void TestBasinSizing::workedExamples()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, results);
    const QLocale notation(locale);

    MemoryFormModel form(notation);
    FormState state;
    typeInputs(form, inputs);
    Command1_Click(form, state);
    const QStringList checked{form.text(Field::Text7), form.text(Field::Text9), form.verdict()};
    form.setBasinEnabled(false); // the sizing neither needs nor changes it

    Command2_Click(form, state);
    QCOMPARE(form.text(Field::Text11), results[0]);
    QCOMPARE(form.text(Field::Text8), results[1]);
    QCOMPARE(form.text(Field::Text12), results[2]);
    QCOMPARE((QStringList{form.text(Field::Text7), form.text(Field::Text9), form.verdict()}),
            checked);
    QVERIFY(!form.basinEnabled());
}

void TestBasinSizing::headsWithGroupMarks_data()
{
    // clang-format off
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("grouped"); // a1 with a group mark
    QTest::addColumn<QString>("plain"); // the same number without it
    QTest::addColumn<double>("depth"); // exact root of the basin balance

    QTest::newRow("full stop") << "en_US" << "1,005" << "1005" << 13.73801;
    QTest::newRow("comma") << "de_DE" << "1.005,5" << "1005,5" << 13.74015;
    // clang-format on
}

// A weir 1005 m high needs a basin 13.7 m deep however its height is
// written; the group mark must not cut the height to 1.
void TestBasinSizing::headsWithGroupMarks()
{
    QFETCH(QString, locale);
    QFETCH(QString, grouped);
    QFETCH(QString, plain);
    QFETCH(double, depth);
    const QLocale notation(locale);
    auto sized = [&notation](const QString &a1) {
        MemoryFormModel form(notation);
        FormState state;
        typeInputs(form, {"10", "3", a1, "1", "3"});
        Command1_Click(form, state);
        Command2_Click(form, state);
        return QStringList{
                form.text(Field::Text11), form.text(Field::Text8), form.text(Field::Text12)};
    };
    const QStringList results = sized(grouped);
    QCOMPARE(results, sized(plain));
    QVERIFY2(relativelyClose(StrictNumber(results[0], notation), depth, 1e-5),
            qPrintable(results[0]));
}

void TestBasinSizing::handEditedCriticalDepthMovesTheBounds_data()
{
    // clang-format off
    QTest::addColumn<QString>("criticalDepth");
    QTest::addColumn<QStringList>("results");
    QTest::newRow("3") << "3" << QStringList{"1.46276", "0.8053009", "18.55----21.2"};
    QTest::newRow("2.5") << "2.5" << QStringList{"1.463934", "0.8052346", "18.55----21.2"};
    // clang-format on
}

void TestBasinSizing::handEditedCriticalDepthMovesTheBounds()
{
    QFETCH(QString, criticalDepth);
    QFETCH(QStringList, results);
    const QLocale notation(QStringLiteral("en_US"));

    MemoryFormModel form(notation);
    FormState state;
    typeInputs(form, {"10", "3", "5", "1", "3"});
    Command1_Click(form, state);
    form.setText(Field::Text7, criticalDepth);
    Command2_Click(form, state);
    QCOMPARE((QStringList{
                     form.text(Field::Text11), form.text(Field::Text8), form.text(Field::Text12)}),
            results);
}

void TestBasinSizing::repeatedClickGivesSameTexts()
{
    const QLocale notation(QStringLiteral("en_US"));
    MemoryFormModel form(notation);
    FormState state;
    typeInputs(form, {"20", "4", "10", "2", "5", "0.9"});
    Command1_Click(form, state);
    Command2_Click(form, state);
    const QStringList first{
            form.text(Field::Text11), form.text(Field::Text8), form.text(Field::Text12)};
    Command2_Click(form, state);
    QCOMPARE((QStringList{
                     form.text(Field::Text11), form.text(Field::Text8), form.text(Field::Text12)}),
            first);
}

// One form clicked again and again: a critical depth edited between the
// clicks, and a locale that reads the same bound text differently, move the
// bounds of the next click, whatever texts were read before.
void TestBasinSizing::clicksFollowEditsAndLocaleBetweenThem()
{
    MemoryFormModel form(QLocale::c());
    FormState state;
    auto sized = [&](const char *locale, const char *criticalDepth) {
        form.setLocale(QLocale(QString::fromLatin1(locale)));
        form.setText(Field::Text7, QString::fromLatin1(criticalDepth));
        const int kind = errorKindOf([&] { Command2_Click(form, state); });
        if (kind != -1)
            return QStringList{errorKindKey(ErrorKind(kind))};
        return QStringList{
                form.text(Field::Text11), form.text(Field::Text8), form.text(Field::Text12)};
    };
    const QStringList worked{"1.466713", "0.8050936", "18.55----21.2"};
    const QStringList three{"1.46276", "0.8053009", "18.55----21.2"};
    const QStringList twoAndAHalf{"1.463934", "0.8052346", "18.55----21.2"};
    const QStringList mismatch{errorKindKey(ErrorKind::TypeMismatch)};

    typeInputs(form, {"10", "3", "5", "1", "3", "1", "1"});
    QCOMPARE(sized("en_US", "2"), sized("en_US", "2.0"));
    typeInputs(form, {"10", "3", "5", "1", "3", "0.95", "1.05"});
    QCOMPARE(sized("en_US", "2.168255"), worked);
    QCOMPARE(sized("en_US", "3"), three);
    QCOMPARE(sized("en_US", "2.5"), twoAndAHalf);
    QCOMPARE(sized("en_US", "2.168255"), worked);
    QCOMPARE(sized("en_US", "2,5"), mismatch);
    typeInputs(form, {"10", "3", "5", "1", "3", "0,95", "1,05"});
    QCOMPARE(sized("de_DE", "2,5"), (QStringList{"1,463934", "0,8052346", "18,55----21,2"}));
    QCOMPARE(sized("de_DE", "2.5"), mismatch);
    typeInputs(form, {"10", "3", "5", "1", "3", "0.95", "1.05"});
    QCOMPARE(sized("en_US", "2,5"), mismatch);
    QCOMPARE(sized("en_US", "2.5"), twoAndAHalf);
}

void TestBasinSizing::errorsStopAtTheirStep_data()
{
    // clang-format off
    QTest::addColumn<QStringList>("inputs"); // q, H, a1, v, ht, phi, sigma
    QTest::addColumn<QString>("criticalDepth");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("dischargeRead");
    QTest::addColumn<bool>("exitHeadComputed");
    QTest::addColumn<int>("field"); // the field the error carries, 0 for none

    const int mismatch = int(ErrorKind::TypeMismatch);
    const int byZero = int(ErrorKind::DivisionByZero);
    const int invalid = int(ErrorKind::InvalidInput);
    // A bad submergence factor is read first of all.
    QTest::newRow("bad sigma") << QStringList{"10", "3", "5", "1", "3", "0.95", "1,05"}
                               << "2.168255" << mismatch << false << false << 10;
    QTest::newRow("sigma beyond single") << QStringList{"10", "3", "5", "1", "3", "0.95", "4e38"}
                                         << "2.168255" << int(ErrorKind::Overflow) << false
                                         << false << 10;
    QTest::newRow("bad ht") << QStringList{"10", "3", "5", "1", "x", "0.95", "1.05"}
                            << "2.168255" << mismatch << true << false << 5;
    // Before any jump check the upper bound is an empty text: the user is
    // sent to the check, not to a field never typed in.
    QTest::newRow("no critical depth yet")
            << QStringList{"10", "3", "5", "1", "3", "0.95", "1.05"} << "" << mismatch << true
            << true << 0;
    QTest::newRow("critical depth not a number")
            << QStringList{"10", "3", "5", "1", "3", "0.95", "1.05"} << "2.17 m" << mismatch << true
            << true << 7;
    QTest::newRow("dry tailwater") << QStringList{"10", "3", "5", "1", "0", "0.95", "1.05"}
                                   << "2.168255" << byZero << true << false << 5;
    QTest::newRow("zero coefficient") << QStringList{"10", "3", "5", "1", "3", "0", "1.05"}
                                      << "2.168255" << byZero << true << false << 6;
    // No discharge: no jet, a conjugate depth of 0 and 0/0 in the balance.
    QTest::newRow("no discharge") << QStringList{"0", "3", "5", "1", "3", "0.95", "1.05"}
                                  << "2.168255" << int(ErrorKind::InvalidOperation) << true
                                  << true << 1;
    // A submergence factor below 1 would not submerge the jump; it is read
    // and refused before the discharge.
    QTest::newRow("sigma below 1") << QStringList{"-10", "3", "5", "1", "3", "0.95", "0.9"}
                                   << "2.168255" << invalid << false << false << 10;
    QTest::newRow("zero submergence") << QStringList{"10", "3", "5", "1", "3", "0.95", "0"}
                                      << "2.168255" << invalid << false << false << 10;
    QTest::newRow("negative q") << QStringList{"-10", "3", "5", "1", "3", "0.95", "1.05"}
                                << "2.168255" << invalid << false << false << 1;
    QTest::newRow("negative v") << QStringList{"10", "3", "5", "-1", "3", "0.95", "1.05"}
                                << "2.168255" << invalid << true << false << 4;
    QTest::newRow("phi above 1") << QStringList{"10", "3", "5", "1", "3", "1.5", "1.05"}
                                 << "2.168255" << invalid << true << false << 6;
    // clang-format on
}

void TestBasinSizing::errorsStopAtTheirStep()
{
    QFETCH(QStringList, inputs);
    QFETCH(QString, criticalDepth);
    QFETCH(int, kind);
    QFETCH(bool, dischargeRead);
    QFETCH(bool, exitHeadComputed);
    QFETCH(int, field);
    const QLocale notation(QStringLiteral("en_US"));

    // A form that shows a basin of earlier inputs.
    MemoryFormModel form(notation);
    typeInputs(form, inputs);
    form.setText(Field::Text7, criticalDepth);
    form.setText(Field::Text8, QStringLiteral("0.8050936"));
    form.setText(Field::Text11, QStringLiteral("1.466713"));
    form.setText(Field::Text12, QStringLiteral("18.55----21.2"));
    FormState state;
    state.q = state.Et = -7;

    const std::optional<CalcError> error = errorOf([&] { Command2_Click(form, state); });
    QVERIFY(error);
    QCOMPARE(int(error->kind()), kind);
    QCOMPARE(error->field() ? int(*error->field()) : 0, field);
    if (field != 0) // the message names the field at fault
        QVERIFY2(error->message().contains(fieldCaption(Field(field))),
                qPrintable(error->message()));
    if (criticalDepth.isEmpty())
        QVERIFY(error->message().contains(QStringLiteral("求解并判断下游水跃形式")));
    // The old basin is gone; the contracted depth is written only with a
    // new basin depth.
    QVERIFY(form.text(Field::Text11).isEmpty());
    QCOMPARE(form.text(Field::Text8), QStringLiteral("0.8050936"));
    QVERIFY(form.text(Field::Text12).isEmpty());
    QCOMPARE(form.text(Field::Text7), criticalDepth);
    QCOMPARE(state.q != -7, dischargeRead);
    QCOMPARE(state.Et != -7, exitHeadComputed);
}

void TestBasinSizing::earlierResultsAreCleared_data()
{
    // clang-format off
    QTest::addColumn<int>("changed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("recheck");
    QTest::addColumn<int>("kind"); // of the second sizing
    QTest::addColumn<QStringList>("shown"); // Text7, Text8, Text9, Text11, Text12 after it

    // The tailwater of 6 m holds the jump: no basin, and none of ht 3 stays.
    QTest::newRow("ht 6, check, size") << 5 << "6" << true << int(ErrorKind::NoSolution)
                                       << QStringList{"2.168255", "0.8879251", "4.36829", "", ""};
    // A failed check leaves nothing to size from.
    QTest::newRow("bad q, check, size") << 1 << "x" << true << int(ErrorKind::TypeMismatch)
                                        << QStringList{"", "", "", "", ""};
    QTest::newRow("negative ht, check, size") << 5 << "-3" << true << int(ErrorKind::InvalidInput)
                                              << QStringList{"", "", "", "", ""};
    // A failed sizing leaves no basin beside its error.
    QTest::newRow("bad sigma, size") << 10 << "1,05" << false << int(ErrorKind::TypeMismatch)
                                     << QStringList{"2.168255", "0.8050936", "4.36829", "", ""};
    QTest::newRow("supercritical ht, size") << 5 << "0.17" << false << int(ErrorKind::NoSolution)
                                            << QStringList{"2.168255", "0.8050936", "4.36829", "", ""};
    // clang-format on
}

// Size the worked example, change one input, perhaps check again, size again.
void TestBasinSizing::earlierResultsAreCleared()
{
    QFETCH(int, changed);
    QFETCH(QString, text);
    QFETCH(bool, recheck);
    QFETCH(int, kind);
    QFETCH(QStringList, shown);
    const QLocale notation(QStringLiteral("en_US"));

    MemoryFormModel form(notation);
    FormState state;
    typeInputs(form, {"10", "3", "5", "1", "3"});
    Command1_Click(form, state);
    Command2_Click(form, state);
    QCOMPARE(form.text(Field::Text11), QStringLiteral("1.466713"));

    form.setText(Field(changed), text);
    if (recheck)
        errorKindOf([&] { Command1_Click(form, state); });
    QCOMPARE(errorKindOf([&] { Command2_Click(form, state); }), kind);
    QCOMPARE((QStringList{form.text(Field::Text7), form.text(Field::Text8), form.text(Field::Text9),
                     form.text(Field::Text11), form.text(Field::Text12)}),
            shown);
}

void TestBasinSizing::basinDepthOutsideFixedInterval_data()
{
    // clang-format off
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<double>("depth"); // exact root of the basin balance

    // Deeper than the critical depth, the upper end of the fixed interval.
    QTest::newRow("high weir") << QStringList{"5", "2", "30", "1", "3"} << 2.031804192549572;
    QTest::newRow("small q, high weir") << QStringList{"2", "1", "10", "0.5", "1.5"}
                                        << 0.9094356732909368;
    // Shallower than 0.1 m, the lower end; the check found a submerged jump,
    // but the submergence factor still asks for a little basin.
    QTest::newRow("shallow basin") << QStringList{"10", "3", "5", "1", "4.5"}
                                   << 0.0621390448405319;
    // The contracted depth is below 0.2 m at every trial depth.
    QTest::newRow("low weir") << QStringList{"1", "0.5", "2", "0", "0.6"} << 0.46820345565806;
    // clang-format on
}

void TestBasinSizing::basinDepthOutsideFixedInterval()
{
    QFETCH(QStringList, inputs);
    QFETCH(double, depth);
    const QLocale notation(QStringLiteral("en_US"));

    MemoryFormModel form(notation);
    FormState state;
    typeInputs(form, inputs);
    Command1_Click(form, state);
    Command2_Click(form, state);
    QVERIFY2(relativelyClose(StrictNumber(form.text(Field::Text11), notation), depth, 1e-4),
            qPrintable(form.text(Field::Text11)));
    QCOMPARE(state.d, StrictNumber(form.text(Field::Text11), notation));
    QVERIFY(form.text(Field::Text12).contains(QStringLiteral("----")));
}

void TestBasinSizing::noBasinNeededOrPossible_data()
{
    // clang-format off
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("inputs");
    // For a tailwater below the critical depth: both depths as the message
    // gives them. Empty where the tailwater is subcritical.
    QTest::addColumn<QStringList>("depths");

    // A tailwater of 6 m holds the worked example's jump (hco2 = 4.37 m)
    // with a factor of 1.05 and more: no basin at all.
    QTest::newRow("held without basin") << "en_US" << QStringList{"10", "3", "5", "1", "6"}
                                        << QStringList{};
    // A flood over a 30 km high weir would need a basin 1531 m deep.
    QTest::newRow("deeper than any basin") << "en_US" << QStringList{"3e4", "3e4", "0", "0", "450"}
                                           << QStringList{};
    // 0.17 m of tailwater below a critical depth of 2.47 m: supercritical
    // flow downstream, which holds no jump at all.
    QTest::newRow("supercritical tailwater")
            << "en_US" << QStringList{"12.16", "5.35", "8.65", "0.95", "0.17", "0.95", "1.05"}
            << QStringList{"0.17", "2.470203"};
    QTest::newRow("comma supercritical tailwater")
            << "de_DE" << QStringList{"12,16", "5,35", "8,65", "0,95", "0,17", "0,95", "1,05"}
            << QStringList{"0,17", "2,470203"};
    // clang-format on
}

void TestBasinSizing::noBasinNeededOrPossible()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, depths);
    const QLocale notation(locale);

    MemoryFormModel form(notation);
    FormState state;
    typeInputs(form, inputs);
    Command1_Click(form, state);
    const QString contracted = form.text(Field::Text8);
    QString message;
    try {
        Command2_Click(form, state);
        QFAIL("a basin was sized");
    } catch (const CalcError &e) {
        QCOMPARE(e.kind(), ErrorKind::NoSolution);
        message = e.message();
    }
    // Only a supercritical tailwater is said to be below the critical depth.
    QCOMPARE(message.contains(QStringLiteral("临界水深")), !depths.isEmpty());
    for (const QString &depth : depths)
        QVERIFY2(message.contains(depth), qPrintable(message));
    QVERIFY(form.text(Field::Text11).isEmpty());
    QCOMPARE(form.text(Field::Text8), contracted);
    QVERIFY(form.text(Field::Text12).isEmpty());
}

QTEST_GUILESS_MAIN(TestBasinSizing)
#include "tst_basin_sizing.moc"
