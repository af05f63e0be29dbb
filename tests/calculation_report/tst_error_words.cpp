// Every reason a command can stop for, driven through the commands where a
// user can reach it: the window's Chinese sentence stays what it has always
// been, and the report's English sentence says the same with the same
// figures.

#include "commands/commands.h"
#include "form_fixture.h"
#include "model/checked_math.h"
#include "model/errors.h"
#include "model/form_model.h"
#include "model/form_state.h"
#include "model/number_text.h"
#include "model/window_messages.h"
#include "writers/error_words.h"

#include <QTest>

#include <algorithm>
#include <cmath>

using namespace varnolt;
using namespace varnolt::writers;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(varnolt::ErrorReason)
Q_DECLARE_METATYPE(varnolt::ErrorKind)

namespace {

bool hasChinese(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        const char16_t u = c.unicode();
        return (u >= 0x2E80 && u <= 0x9FFF) || (u >= 0xFF00 && u <= 0xFFEF);
    });
}

// The worked weir, q H a1 v ht, with one of its texts replaced.
QStringList workedWeir(int index = -1, const QString &text = {})
{
    QStringList inputs{u"10"_s, u"3"_s, u"5"_s, u"1"_s, u"3"_s, u"0.95"_s, u"1.05"_s};
    if (index >= 0)
        inputs[index] = text;
    return inputs;
}

// One way to make a failure happen without a window.
enum class Route {
    Check, // the jump-type check on the inputs
    CheckThenBasin, // the check, then the basin sizing whatever the verdict
    BasinFirst, // the basin sizing on a form that has not been checked
    DivideZeroByZero,
    DivideByZero,
    OverflowDouble,
    PowerOfZero,
    PowerOfNegative,
    UndefinedSingle,
    OverflowSingle,
    UnnamedText,
    CaptionedHugeNumber,
    NoCalculator,
};

CalcError failure(Route route, const QStringList &inputs)
{
    MemoryFormModel form(QLocale::c());
    typeInputs(form, inputs);
    FormState state;
    const auto error = errorOf([&] {
        switch (route) {
        case Route::Check:
            Command1_Click(form, state);
            break;
        case Route::CheckThenBasin:
            Command1_Click(form, state);
            Command2_Click(form, state);
            break;
        case Route::BasinFirst:
            Command2_Click(form, state);
            break;
        case Route::DivideZeroByZero:
            checked::div(0, 0);
            break;
        case Route::DivideByZero:
            checked::div(1, 0);
            break;
        case Route::OverflowDouble:
            checked::mul(1e300, 1e300);
            break;
        case Route::PowerOfZero:
            // The very call the checked power refuses before the library sees it.
            // cppcheck-suppress wrongmathcall
            checked::pow(0, -1);
            break;
        case Route::PowerOfNegative:
            checked::pow(-8, 0.5);
            break;
        case Route::UndefinedSingle:
            checked::toSingle(std::nan(""));
            break;
        case Route::OverflowSingle:
            checked::toSingle(1e39);
            break;
        case Route::UnnamedText:
            StrictNumber(u"  1,5 kg  "_s, QLocale::c());
            break;
        case Route::CaptionedHugeNumber:
            StrictNumberUnrounded(u"1e400"_s, QLocale::c(), u"rating curve"_s);
            break;
        case Route::NoCalculator: {
            ErrorFigures figures;
            figures.programs = QStringList{u"kcalc"_s, u"xcalc"_s};
            throw CalcError(ErrorReason::CalculatorNotStarted, figures);
        }
        }
    });
    if (!error)
        qFatal("the route finished without an error");
    return *error;
}

} // namespace

Q_DECLARE_METATYPE(Route)

class TestErrorWords : public QObject {
    Q_OBJECT

private slots:
    void sentences_data();
    void sentences();
    void standardFailures_data();
    void standardFailures();
};

void TestErrorWords::sentences_data()
{
    QTest::addColumn<Route>("route");
    QTest::addColumn<QStringList>("inputs");
    QTest::addColumn<ErrorReason>("reason");
    QTest::addColumn<ErrorKind>("kind");
    QTest::addColumn<QString>("chinese");
    QTest::addColumn<QString>("reportChinese");
    QTest::addColumn<QString>("english");

    using R = ErrorReason;
    using K = ErrorKind;
    QTest::newRow("not a number")
            << Route::Check << workedWeir(0, u"3m"_s) << R::NotANumber << K::TypeMismatch
            << u"「单宽流量q」中的“3m”不是一个数。"_s << u"“单宽流量q”中的“3m”不是一个数。"_s
            << u"“3m” in the field “discharge per unit width q” is not a number."_s;
    QTest::newRow("long text quoted short")
            << Route::Check << workedWeir(3, QString(50, u'x')) << R::NotANumber << K::TypeMismatch
            << u"「行进流速v」中的“%1…”不是一个数。"_s.arg(QString(40, u'x'))
            << u"“行进流速v”中的“%1…”不是一个数。"_s.arg(QString(40, u'x'))
            << u"“%1…” in the field “approach velocity v” is not a number."_s.arg(
                       QString(40, u'x'));
    QTest::newRow("unnamed text") << Route::UnnamedText << QStringList() << R::NotANumber
                                  << K::TypeMismatch << u"文本中的“1,5 kg”不是一个数。"_s
                                  << u"文本中的“1,5 kg”不是一个数。"_s
                                  << u"“1,5 kg” in the text is not a number."_s;
    QTest::newRow("beyond single precision")
            << Route::Check << workedWeir(1, u"1e39"_s) << R::NumberTooLarge << K::Overflow
            << u"「堰上水头H」中的数超出单精度范围。"_s << u"“堰上水头H”中的数超出单精度范围。"_s
            << u"The number in the field “head over the crest H” lies beyond the "
               u"single-precision range."_s;
    QTest::newRow("beyond double precision")
            << Route::CaptionedHugeNumber << QStringList() << R::NumberTooLarge << K::Overflow
            << u"「rating curve」中的数超出双精度范围。"_s
            << u"“rating curve”中的数超出双精度范围。"_s
            << u"The number in “rating curve” lies beyond the double-precision range."_s;
    QTest::newRow("coefficient out of range")
            << Route::Check << workedWeir(5, u"1.5"_s) << R::OutOfRange << K::InvalidInput
            << u"「流速系数」的值“1.5”超出允许范围:应为 0 ~ 1。"_s
            << u"“流速系数”的值“1.5”超出允许范围，应为 0～1。"_s
            << u"The value “1.5” of the velocity coefficient φ lies outside its range: it must "
               u"be between 0 and 1."_s;
    QTest::newRow("negative tailwater")
            << Route::Check << workedWeir(4, u" -3 "_s) << R::OutOfRange << K::InvalidInput
            << u"「下游水深ht」的值“-3”超出允许范围:应为 ≥ 0。"_s
            << u"“下游水深ht”的值“-3”超出允许范围，应不小于 0。"_s
            << u"The value “-3” of the tailwater depth ht lies outside its range: it must be at "
               u"least 0."_s;
    QTest::newRow("submergence factor below 1")
            << Route::CheckThenBasin << workedWeir(6, u"0.5"_s) << R::OutOfRange << K::InvalidInput
            << u"「淹没系数」的值“0.5”超出允许范围:应为 ≥ 1。"_s
            << u"“淹没系数”的值“0.5”超出允许范围，应不小于 1。"_s
            << u"The value “0.5” of the submergence factor σ lies outside its range: it must be "
               u"at least 1."_s;
    QTest::newRow("no discharge") << Route::Check << workedWeir(0, u"0"_s) << R::ZeroInput
                                  << K::InvalidOperation
                                  << u"「单宽流量q」为 0:计算中出现零除以零。"_s
                                  << u"“单宽流量q”为 0，计算中出现零除以零。"_s
                                  << u"The discharge per unit width q is 0, so the calculation "
                                     u"divides zero by zero."_s;
    QTest::newRow("no velocity coefficient")
            << Route::Check << workedWeir(5, u"0"_s) << R::ZeroInput << K::DivisionByZero
            << u"「流速系数」为 0:计算中出现除数为零。"_s
            << u"“流速系数”为 0，计算中出现除数为零。"_s
            << u"The velocity coefficient φ is 0, so the calculation divides by zero."_s;
    QTest::newRow("head too small")
            << Route::Check
            << QStringList{u"100"_s, u"0.01"_s, u"0.01"_s, u"0"_s, u"3"_s, u"0.95"_s, u"1.05"_s}
            << R::HeadTooSmall << K::NoSolution
            << u"总水头不足以通过该单宽流量:收缩断面水深无解。"_s
            << u"总水头不足以通过该单宽流量，收缩断面水深无解。"_s
            << u"The total head cannot pass this discharge per unit width: the contracted depth "
               u"has no solution."_s;
    QTest::newRow("supercritical tailwater")
            << Route::CheckThenBasin << workedWeir(4, u"0.5"_s) << R::SupercriticalTailwater
            << K::NoSolution
            << u"下游水深 0.5 m 小于临界水深 2.168255 m:下游为急流,不能形成水跃,"
               u"无法据此尾水设计消力池。"_s
            << u"下游水深 0.5 m 小于临界水深 2.168255 m，下游为急流，不能形成水跃，"
               u"无法据此尾水设计消力池。"_s
            << u"The tailwater depth 0.5 m is less than the critical depth 2.168255 m: the flow "
               u"downstream is supercritical, no jump can form there, and no stilling basin can "
               u"be designed for this tailwater."_s;
    QTest::newRow("jump held without basin")
            << Route::CheckThenBasin << workedWeir(4, u"6"_s) << R::JumpHeldWithoutBasin
            << K::NoSolution << u"在此淹没系数下,不设消力池已能形成淹没水跃,无需消力池。"_s
            << u"在此淹没系数下，不设消力池已能形成淹没水跃，无需消力池。"_s
            << u"At this submergence factor a submerged jump forms without a basin: no stilling "
               u"basin is needed."_s;
    QTest::newRow("no basin deep enough")
            << Route::CheckThenBasin << workedWeir(6, u"1000"_s) << R::NoBasinDeepEnough
            << K::NoSolution << u"池深到 1000 m 仍不能形成淹没水跃:消力池深无解。"_s
            << u"池深到 1000 m 仍不能形成淹没水跃，消力池深无解。"_s
            << u"Even a basin 1000 m deep does not hold a submerged jump: the basin depth has no "
               u"solution."_s;
    QTest::newRow("basin before the check")
            << Route::BasinFirst << workedWeir() << R::NoCriticalDepthYet << K::TypeMismatch
            << u"还没有临界水深:请先点击「求解并判断下游水跃形式」,再进行消力池水力计算。"_s
            << u"尚无临界水深，应先判别水跃形式，再计算消力池。"_s
            << u"There is no critical depth yet: run the jump-type check before sizing the "
               u"stilling basin."_s;
    QTest::newRow("zero by zero") << Route::DivideZeroByZero << QStringList()
                                  << R::ZeroDividedByZero << K::InvalidOperation
                                  << u"计算中出现零除以零。"_s << u"计算中出现零除以零。"_s
                                  << u"The calculation divides zero by zero."_s;
    QTest::newRow("division by zero")
            << Route::DivideByZero << QStringList() << R::DivisionByZero << K::DivisionByZero
            << u"计算中出现除数为零。"_s << u"计算中出现除数为零。"_s
            << u"The calculation divides by zero."_s;
    QTest::newRow("double overflow")
            << Route::OverflowDouble << QStringList() << R::ResultTooLarge << K::Overflow
            << u"计算结果超出数值范围。"_s << u"计算结果超出数值范围。"_s
            << u"A result of the calculation lies beyond the range of numbers."_s;
    QTest::newRow("negative power of zero")
            << Route::PowerOfZero << QStringList() << R::NegativePowerOfZero << K::DivisionByZero
            << u"计算中对零取负数次幂。"_s << u"计算中对零取负数次幂。"_s
            << u"The calculation raises zero to a negative power."_s;
    QTest::newRow("fractional power of a negative")
            << Route::PowerOfNegative << QStringList() << R::FractionalPowerOfNegative
            << K::InvalidOperation << u"计算中对负数取分数次幂。"_s << u"计算中对负数取分数次幂。"_s
            << u"The calculation raises a negative number to a fractional power."_s;
    QTest::newRow("undefined result")
            << Route::UndefinedSingle << QStringList() << R::UndefinedResult << K::InvalidOperation
            << u"计算结果无定义。"_s << u"计算结果无定义。"_s
            << u"A result of the calculation is undefined."_s;
    QTest::newRow("single overflow")
            << Route::OverflowSingle << QStringList() << R::BeyondSinglePrecision << K::Overflow
            << u"计算结果超出单精度范围。"_s << u"计算结果超出单精度范围。"_s
            << u"A result of the calculation lies beyond the single-precision range."_s;
    QTest::newRow("no calculator")
            << Route::NoCalculator << QStringList() << R::CalculatorNotStarted << K::FileNotFound
            << u"在程序搜索路径中找不到可启动的计算器(已查找 kcalc, xcalc)。"_s
            << u"在程序搜索路径中找不到可启动的计算器（已查找 kcalc、xcalc）。"_s
            << u"No calculator could be started from the program search path (looked for kcalc, "
               u"xcalc)."_s;
}

void TestErrorWords::sentences()
{
    QFETCH(Route, route);
    QFETCH(QStringList, inputs);
    QFETCH(ErrorReason, reason);
    QFETCH(ErrorKind, kind);
    QFETCH(QString, chinese);
    QFETCH(QString, reportChinese);
    QFETCH(QString, english);

    const CalcError error = failure(route, inputs);
    QCOMPARE(error.reason(), reason);
    QCOMPARE(error.kind(), kind);
    // The window's message box and the error's own text say the same; the
    // report writes the same facts in written Chinese.
    QCOMPARE(error.message(), chinese);
    QCOMPARE(QString::fromUtf8(error.what()), chinese);
    QCOMPARE(windowMessage(error), chinese);
    QCOMPARE(errorWords(error, ReportLanguage::Chinese), reportChinese);
    QVERIFY(!reportChinese.contains(u'「') && !reportChinese.contains(u'」'));
    QCOMPARE(errorWords(error, ReportLanguage::English), english);
    QVERIFY(!hasChinese(english));
}

void TestErrorWords::standardFailures_data()
{
    QTest::addColumn<int>("reason");
    QTest::addColumn<double>("T0");
    QTest::addColumn<QString>("chinese");
    QTest::addColumn<QString>("english");
    using Reason = design::StandardFailure::Reason;
    QTest::newRow("no contracted depth")
            << int(Reason::NoContractedDepth) << 10.038735983690112
            << u"按规范公式，总水头 T0 = 10.0387 m 时收缩水深无解。"_s
            << u"By the standard's formula the contracted depth has no root at a total head "
               u"T0 = 10.0387 m."_s;
    QTest::newRow("not settled") << int(Reason::NotSettled) << 0.0
                                 << u"按规范公式迭代消力池深度 d′ 不收敛。"_s
                                 << u"The standard's iteration of the basin depth d′ does not "
                                    u"settle."_s;
    QTest::newRow("arithmetic") << int(Reason::Arithmetic) << 0.0
                                << u"按规范公式计算时出错：计算中出现除数为零。"_s
                                << u"The standard's formulas failed: The calculation divides by "
                                   u"zero."_s;
}

void TestErrorWords::standardFailures()
{
    QFETCH(int, reason);
    QFETCH(double, T0);
    QFETCH(QString, chinese);
    QFETCH(QString, english);
    design::StandardFailure failed;
    failed.reason = design::StandardFailure::Reason(reason);
    failed.T0 = T0;
    if (failed.reason == design::StandardFailure::Reason::Arithmetic)
        failed.arithmetic = CalcError(ErrorReason::DivisionByZero);
    QCOMPARE(standardFailureWords(failed, ReportLanguage::Chinese), chinese);
    QCOMPARE(standardFailureWords(failed, ReportLanguage::English), english);
}

QTEST_GUILESS_MAIN(TestErrorWords)
#include "tst_error_words.moc"
