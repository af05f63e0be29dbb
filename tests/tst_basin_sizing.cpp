// The stilling-basin sizing on the in-memory form, after a jump check.
// Expected texts and exact depths come from tests/reference/derive_cases.py.
#include "commands/commands.h"
#include "form_fixture.h"
#include "locale_scope.h"
#include "model/errors.h"
#include "model/number_text.h"

#include <QTest>

using namespace varnolt;

class TestBasinSizing : public QObject {
    Q_OBJECT

private slots:
    void workedExamples_data();
    void workedExamples();
    void basinHeadReadsLocaleNumbers();
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
    // clang-format on
}

void TestBasinSizing::workedExamples()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, inputs);
    QFETCH(QStringList, results);
    LocaleScope scope(locale);

    MemoryFormModel form;
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

// The head of the basin is read in the locale's notation, so under a comma
// locale "3,5" enters it as 3.5, as "3.5" does under a full-stop locale.
void TestBasinSizing::basinHeadReadsLocaleNumbers()
{
    auto sized = [](const char *locale, const QString &head, FormState &state) {
        LocaleScope scope(QString::fromLatin1(locale));
        MemoryFormModel form;
        typeInputs(form, {"10", "3", "5", "1", "3"});
        Command1_Click(form, state);
        form.setText(Field::Text2, head);
        Command2_Click(form, state);
        return QStringList{
                form.text(Field::Text11), form.text(Field::Text8), form.text(Field::Text12)}
                .join(u'|')
                .replace(u',', u'.');
    };
    FormState comma;
    FormState fullStop;
    FormState whole;
    const QString commaTexts = sized("de_DE", QStringLiteral("3,5"), comma);
    QCOMPARE(commaTexts, sized("en_US", QStringLiteral("3.5"), fullStop));
    QVERIFY(commaTexts != sized("de_DE", QStringLiteral("3"), whole));
    QCOMPARE(comma.H, 3.5f);
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
    LocaleScope scope(QStringLiteral("en_US"));

    MemoryFormModel form;
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
    LocaleScope scope(QStringLiteral("en_US"));
    MemoryFormModel form;
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
    MemoryFormModel form;
    FormState state;
    auto sized = [&](const char *locale, const char *criticalDepth) {
        LocaleScope scope(QString::fromLatin1(locale));
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

    const int mismatch = int(ErrorKind::TypeMismatch);
    const int byZero = int(ErrorKind::DivisionByZero);
    // A bad submergence factor is read first of all.
    QTest::newRow("bad sigma") << QStringList{"10", "3", "5", "1", "3", "0.95", "1,05"}
                               << "2.168255" << mismatch << false << false;
    QTest::newRow("sigma beyond single") << QStringList{"10", "3", "5", "1", "3", "0.95", "4e38"}
                                         << "2.168255" << int(ErrorKind::Overflow) << false
                                         << false;
    QTest::newRow("bad ht") << QStringList{"10", "3", "5", "1", "x", "0.95", "1.05"}
                            << "2.168255" << mismatch << true << false;
    // Before any jump check the upper bound is an empty text.
    QTest::newRow("no critical depth yet")
            << QStringList{"10", "3", "5", "1", "3", "0.95", "1.05"} << "" << mismatch << true
            << true;
    QTest::newRow("critical depth not a number")
            << QStringList{"10", "3", "5", "1", "3", "0.95", "1.05"} << "2.17 m" << mismatch << true
            << true;
    QTest::newRow("dry tailwater") << QStringList{"10", "3", "5", "1", "0", "0.95", "1.05"}
                                   << "2.168255" << byZero << true << false;
    QTest::newRow("zero coefficient") << QStringList{"10", "3", "5", "1", "3", "0", "1.05"}
                                      << "2.168255" << byZero << true << false;
    QTest::newRow("zero submergence") << QStringList{"10", "3", "5", "1", "3", "0.95", "0"}
                                      << "2.168255" << byZero << true << true;
    // clang-format on
}

void TestBasinSizing::errorsStopAtTheirStep()
{
    QFETCH(QStringList, inputs);
    QFETCH(QString, criticalDepth);
    QFETCH(int, kind);
    QFETCH(bool, dischargeRead);
    QFETCH(bool, exitHeadComputed);
    LocaleScope scope(QStringLiteral("en_US"));

    MemoryFormModel form;
    typeInputs(form, inputs);
    form.setText(Field::Text7, criticalDepth);
    form.setText(Field::Text8, QStringLiteral("0.8879251"));
    FormState state;
    state.q = state.Et = -7;

    QCOMPARE(errorKindOf([&] { Command2_Click(form, state); }), kind);
    // Nothing is written when the sizing stops before it has a depth.
    QVERIFY(form.text(Field::Text11).isEmpty());
    QCOMPARE(form.text(Field::Text8), QStringLiteral("0.8879251"));
    QVERIFY(form.text(Field::Text12).isEmpty());
    QCOMPARE(state.q != -7, dischargeRead);
    QCOMPARE(state.Et != -7, exitHeadComputed);
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
    LocaleScope scope(QStringLiteral("en_US"));

    MemoryFormModel form;
    FormState state;
    typeInputs(form, inputs);
    Command1_Click(form, state);
    Command2_Click(form, state);
    QVERIFY2(relativelyClose(StrictNumber(form.text(Field::Text11)), depth, 1e-4),
            qPrintable(form.text(Field::Text11)));
    QCOMPARE(state.d, StrictNumber(form.text(Field::Text11)));
    QVERIFY(form.text(Field::Text12).contains(QStringLiteral("----")));
}

void TestBasinSizing::noBasinNeededOrPossible_data()
{
    // clang-format off
    QTest::addColumn<QStringList>("inputs");
    // A tailwater of 6 m holds the worked example's jump (hco2 = 4.37 m)
    // with a factor of 1.05 and more: no basin at all.
    QTest::newRow("held without basin") << QStringList{"10", "3", "5", "1", "6"};
    // A flood over a 30 km high weir would need a basin 1531 m deep.
    QTest::newRow("deeper than any basin") << QStringList{"3e4", "3e4", "0", "0", "450"};
    // clang-format on
}

void TestBasinSizing::noBasinNeededOrPossible()
{
    QFETCH(QStringList, inputs);
    LocaleScope scope(QStringLiteral("en_US"));

    MemoryFormModel form;
    FormState state;
    typeInputs(form, inputs);
    Command1_Click(form, state);
    const QString contracted = form.text(Field::Text8);
    QCOMPARE(errorKindOf([&] { Command2_Click(form, state); }), int(ErrorKind::NoSolution));
    QVERIFY(form.text(Field::Text11).isEmpty());
    QCOMPARE(form.text(Field::Text8), contracted);
    QVERIFY(form.text(Field::Text12).isEmpty());
}

QTEST_GUILESS_MAIN(TestBasinSizing)
#include "tst_basin_sizing.moc"
