// The four conversions between field texts and numbers, under a full-stop and
// a comma locale. Expected values are written out by hand from the rules.
#include "locale_scope.h"
#include "model/errors.h"
#include "model/number_text.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <thread>

using namespace varnolt;

Q_DECLARE_METATYPE(varnolt::ErrorKind)

namespace {

// -1 stands for "no error" in the error column.
constexpr int NoError = -1;

int kindOf(const CalcError &error)
{
    return static_cast<int>(error.kind());
}

} // namespace

class TestNumberText : public QObject {
    Q_OBJECT

private slots:
    void strictNumber_data();
    void strictNumber();
    void quotedTextIsBounded_data();
    void quotedTextIsBounded();
    void strictNumberUnroundedKeepsDoubleRange();
    void leadingNumber_data();
    void leadingNumber();
    void singleText_data();
    void singleText();
    void singleTextRoundTrip_data();
    void singleTextRoundTrip();
    void fixedTwo_data();
    void fixedTwo();
    void givenLocaleNotTheUsers_data();
    void givenLocaleNotTheUsers();
    void threadsInTwoLocalesKeepTheirOwn();
    void plainDecimalsReadToTheNearestDouble_data();
    void plainDecimalsReadToTheNearestDouble();
};

void TestNumberText::strictNumber_data()
{
    // clang-format off
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("expected");
    QTest::addColumn<int>("error");

    const int mismatch = static_cast<int>(ErrorKind::TypeMismatch);
    const int overflow = static_cast<int>(ErrorKind::Overflow);

    // Full-stop locale.
    QTest::newRow("en plain") << "en_US" << "2.5" << 2.5f << NoError;
    QTest::newRow("en blanks around") << "en_US" << "  2.5 " << 2.5f << NoError;
    QTest::newRow("en integer") << "en_US" << "10" << 10.f << NoError;
    QTest::newRow("en leading point") << "en_US" << ".5" << 0.5f << NoError;
    QTest::newRow("en trailing point") << "en_US" << "5." << 5.f << NoError;
    QTest::newRow("en minus") << "en_US" << "-0.25" << -0.25f << NoError;
    QTest::newRow("en plus") << "en_US" << "+3" << 3.f << NoError;
    QTest::newRow("en exponent") << "en_US" << "1.5e2" << 150.f << NoError;
    QTest::newRow("en capital exponent") << "en_US" << "25E-1" << 2.5f << NoError;
    QTest::newRow("en grouped") << "en_US" << "1,234.5" << 1234.5f << NoError;
    QTest::newRow("en two groups") << "en_US" << "12,345,678" << 12345678.f << NoError;
    QTest::newRow("en 0.2 rounds to single") << "en_US" << "0.2" << 0.2f << NoError;
    QTest::newRow("en underflow is zero") << "en_US" << "1e-60" << 0.f << NoError;
    QTest::newRow("en largest single") << "en_US" << "3.4028234e38" << FLT_MAX << NoError;
    QTest::newRow("en empty") << "en_US" << "" << 0.f << mismatch;
    QTest::newRow("en blanks only") << "en_US" << "   " << 0.f << mismatch;
    QTest::newRow("en unit suffix") << "en_US" << "2.5m" << 0.f << mismatch;
    QTest::newRow("en letters") << "en_US" << "abc" << 0.f << mismatch;
    QTest::newRow("en inf") << "en_US" << "inf" << 0.f << mismatch;
    QTest::newRow("en nan") << "en_US" << "nan" << 0.f << mismatch;
    QTest::newRow("en sign only") << "en_US" << "-" << 0.f << mismatch;
    QTest::newRow("en point only") << "en_US" << "." << 0.f << mismatch;
    QTest::newRow("en exponent without digits") << "en_US" << "1e" << 0.f << mismatch;
    QTest::newRow("en exponent alone") << "en_US" << "e5" << 0.f << mismatch;
    QTest::newRow("en blank inside") << "en_US" << "1 2" << 0.f << mismatch;
    QTest::newRow("en comma as decimal") << "en_US" << "3,5" << 0.f << mismatch;
    QTest::newRow("en group of two") << "en_US" << "1,23" << 0.f << mismatch;
    QTest::newRow("en group after four") << "en_US" << "1234,567" << 0.f << mismatch;
    QTest::newRow("en group in fraction") << "en_US" << "1.234,5" << 0.f << mismatch;
    QTest::newRow("en leading group mark") << "en_US" << ",123" << 0.f << mismatch;
    QTest::newRow("en two points") << "en_US" << "1.2.3" << 0.f << mismatch;
    QTest::newRow("en two signs") << "en_US" << "--1" << 0.f << mismatch;
    // Pasted from a spreadsheet cell or a Chinese document: white space of
    // any kind around the number is trimmed, inside it is still wrong.
    QTest::newRow("en tab before") << "en_US" << "\t2" << 2.f << NoError;
    QTest::newRow("en tab after") << "en_US" << "10\t" << 10.f << NoError;
    QTest::newRow("en line break after") << "en_US" << "10\r\n" << 10.f << NoError;
    QTest::newRow("en no-break space") << "en_US" << "\u00a010" << 10.f << NoError;
    QTest::newRow("en ideographic space") << "en_US" << "10\u3000" << 10.f << NoError;
    QTest::newRow("en thin and narrow spaces") << "en_US" << "\u2009\u202f2.5\u205f" << 2.5f << NoError;
    QTest::newRow("en tab inside") << "en_US" << "1\t0" << 0.f << mismatch;
    QTest::newRow("en no-break space inside") << "en_US" << "1\u00a0000" << 0.f << mismatch;
    QTest::newRow("en zero-width space is no white space") << "en_US" << "\u200b10" << 0.f << mismatch;
    QTest::newRow("en only white space") << "en_US" << "\t\u3000\r\n" << 0.f << mismatch;
    // No locale writes a group mark after a leading zero.
    QTest::newRow("en group mark after zero") << "en_US" << "0,950" << 0.f << mismatch;
    QTest::newRow("en group mark after zeros") << "en_US" << "00,950" << 0.f << mismatch;
    QTest::newRow("en signed group mark after zero") << "en_US" << "-0,950" << 0.f << mismatch;
    QTest::newRow("en grouped with leading zero") << "en_US" << "012,345" << 0.f << mismatch;
    QTest::newRow("en well-formed grouping") << "en_US" << "1,050" << 1050.f << NoError;
    QTest::newRow("en grouped weir height") << "en_US" << "1,005" << 1005.f << NoError;
    QTest::newRow("en zero fraction") << "en_US" << "0.950" << 0.95f << NoError;
    QTest::newRow("en hex") << "en_US" << "0x10" << 0.f << mismatch;
    QTest::newRow("en beyond single") << "en_US" << "1e40" << 0.f << overflow;
    QTest::newRow("en beyond single negative") << "en_US" << "-4e38" << 0.f << overflow;
    QTest::newRow("en beyond double") << "en_US" << "1e400" << 0.f << overflow;
    QTest::newRow("en huge exponent") << "en_US" << "1e99999999999999999999" << 0.f << overflow;
    // Exponents near the range of long long, on zero and non-zero mantissas.
    QTest::newRow("en zero, huge negative exponent") << "en_US" << "0e-8166666661661066610" << 0.f << NoError;
    QTest::newRow("en zero, beyond long long") << "en_US" << "0.0e-99999999999999999999" << 0.f << NoError;
    QTest::newRow("en zero, huge exponent") << "en_US" << "0e9223372036854775807" << 0.f << NoError;
    QTest::newRow("en tiny, huge negative exponent") << "en_US" << "80e-8166666661661066610" << 0.f << NoError;

    // Comma locale: the comma is the decimal separator, the full stop groups.
    QTest::newRow("de comma") << "de_DE" << "3,5" << 3.5f << NoError;
    QTest::newRow("de blanks around") << "de_DE" << " 0,95 " << 0.95f << NoError;
    QTest::newRow("de grouped") << "de_DE" << "1.234,5" << 1234.5f << NoError;
    QTest::newRow("de exponent") << "de_DE" << "2,5e1" << 25.f << NoError;
    QTest::newRow("de full stop is no decimal") << "de_DE" << "0.95" << 0.f << mismatch;
    QTest::newRow("de preset of full-stop locale") << "de_DE" << "1.05" << 0.f << mismatch;
    QTest::newRow("de empty") << "de_DE" << "" << 0.f << mismatch;
    QTest::newRow("de group mark after zero") << "de_DE" << "0.950" << 0.f << mismatch;
    QTest::newRow("de grouped weir height") << "de_DE" << "1.005,5" << 1005.5f << NoError;
    QTest::newRow("de pasted") << "de_DE" << "\u00a03,5\t" << 3.5f << NoError;
    QTest::newRow("de beyond single") << "de_DE" << "1e40" << 0.f << overflow;
    // clang-format on
}

void TestNumberText::strictNumber()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(float, expected);
    QFETCH(int, error);
    const QLocale notation(locale);

    try {
        const float value = StrictNumber(text, notation, Field::Text1);
        QCOMPARE(error, NoError);
        QCOMPARE(value, expected);
        QCOMPARE(float(StrictNumberUnrounded(text, notation, Field::Text1)), value);
    } catch (const CalcError &e) {
        QCOMPARE(kindOf(e), error);
        // The message tells the user which field could not be read, and the
        // error carries it so that the window can take the user back there.
        QVERIFY(e.message().contains(QStringLiteral("单宽流量q")));
        QCOMPARE(e.field(), std::optional<Field>(Field::Text1));
    }
}

void TestNumberText::quotedTextIsBounded_data()
{
    // clang-format off
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("quoted");

    const QString forty = QString(38, u'9') + QStringLiteral("ab");
    QTest::newRow("short whole") << "2.5m" << "2.5m";
    QTest::newRow("forty whole") << forty << forty;
    QTest::newRow("forty-one cut") << forty + u'x' << forty + u'…';
    QTest::newRow("long paste cut") << QString(10000, u'x') << QString(40, u'x') + u'…';
    // A character beyond the BMP straddling the cut is not split.
    QTest::newRow("surrogate pair at the cut") << QString(39, u'1') + QStringLiteral("\U0001F4A7xyz")
                                               << QString(39, u'1') + u'…';
    // clang-format on
}

// A 10,000-character paste must not make a message box taller than the screen.
void TestNumberText::quotedTextIsBounded()
{
    QFETCH(QString, text);
    QFETCH(QString, quoted);
    try {
        StrictNumber(text, QLocale(QStringLiteral("en_US")), Field::Text2);
        QFAIL("not a number, yet read");
    } catch (const CalcError &e) {
        QVERIFY2(e.message().contains(QStringLiteral("“") + quoted + QStringLiteral("”")),
                qPrintable(e.message()));
    }
}

void TestNumberText::strictNumberUnroundedKeepsDoubleRange()
{
    const QLocale notation(QStringLiteral("en_US"));
    QCOMPARE(StrictNumberUnrounded(QStringLiteral("1e40"), notation), 1e40);
    QCOMPARE(StrictNumberUnrounded(QStringLiteral("0.2"), notation), 0.2);
    QVERIFY_THROWS_EXCEPTION(CalcError, StrictNumberUnrounded(QStringLiteral("1e400"), notation));
}

void TestNumberText::leadingNumber_data()
{
    // clang-format off
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::addColumn<int>("error");

    const int overflow = static_cast<int>(ErrorKind::Overflow);
    QTest::newRow("empty") << "en_US" << "" << 0.0 << NoError;
    QTest::newRow("plain") << "en_US" << "3.5" << 3.5 << NoError;
    QTest::newRow("unit suffix") << "en_US" << "3.5m" << 3.5 << NoError;
    QTest::newRow("letters") << "en_US" << "abc" << 0.0 << NoError;
    QTest::newRow("exponent then junk") << "en_US" << "-1.5e1x" << -15.0 << NoError;
    QTest::newRow("blank between digits") << "en_US" << "1 2" << 12.0 << NoError;
    QTest::newRow("tabs and line feeds") << "en_US" << "\t1\n2 .5" << 12.5 << NoError;
    QTest::newRow("blank after sign") << "en_US" << "- 5" << -5.0 << NoError;
    QTest::newRow("second point stops") << "en_US" << "1.2.3" << 1.2 << NoError;
    QTest::newRow("leading point") << "en_US" << ".25" << 0.25 << NoError;
    QTest::newRow("exponent without digits") << "en_US" << "2e" << 2.0 << NoError;
    QTest::newRow("exponent sign without digits") << "en_US" << "2e+" << 2.0 << NoError;
    QTest::newRow("sign only") << "en_US" << "+" << 0.0 << NoError;
    QTest::newRow("comma stops") << "en_US" << "3,5" << 3.0 << NoError;
    QTest::newRow("comma locale ignored") << "de_DE" << "3,5" << 3.0 << NoError;
    QTest::newRow("full stop under comma locale") << "de_DE" << "3.5" << 3.5 << NoError;
    QTest::newRow("beyond single is fine") << "en_US" << "1e300" << 1e300 << NoError;
    QTest::newRow("underflow is zero") << "en_US" << "1e-400" << 0.0 << NoError;
    QTest::newRow("zero, huge negative exponent") << "en_US" << "0.e-9223372036854775807x" << 0.0 << NoError;
    QTest::newRow("tiny, exponent beyond long long") << "en_US" << "80e-8166666661661066610666.e400" << 0.0 << NoError;
    QTest::newRow("beyond double") << "en_US" << "1e309" << 0.0 << overflow;
    QTest::newRow("beyond double by digits") << "en_US" << QString(400, u'9') << 0.0 << overflow;
    // clang-format on
}

void TestNumberText::leadingNumber()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(double, expected);
    QFETCH(int, error);
    LocaleScope scope(locale);

    try {
        const double value = LeadingNumber(text);
        QCOMPARE(error, NoError);
        QCOMPARE(value, expected);
    } catch (const CalcError &e) {
        QCOMPARE(kindOf(e), error);
    }
}

void TestNumberText::singleText_data()
{
    // clang-format off
    QTest::addColumn<QString>("locale");
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("single nearest 0.2") << "en_US" << 0.2f << "0.2";
    QTest::newRow("whole") << "en_US" << 2.f << "2";
    QTest::newRow("half") << "en_US" << 2.5f << "2.5";
    QTest::newRow("negative half") << "en_US" << -0.5f << "-0.5";
    QTest::newRow("one third") << "en_US" << 1.f / 3.f << "0.3333333";
    QTest::newRow("two thirds rounds up") << "en_US" << 2.f / 3.f << "0.6666667";
    QTest::newRow("zero") << "en_US" << 0.f << "0";
    QTest::newRow("negative zero") << "en_US" << -0.f << "0";
    QTest::newRow("seven digits") << "en_US" << 1234567.f << "1234567";
    QTest::newRow("carry to next digit") << "en_US" << 9.9999999f << "10";
    QTest::newRow("small") << "en_US" << 0.0001f << "0.0001";
    QTest::newRow("smaller uses exponent") << "en_US" << 0.00001f << "1E-05";
    QTest::newRow("large uses exponent") << "en_US" << 12345678.f << "1.234568E+07";
    QTest::newRow("exact half rounds away") << "en_US" << 1048576.5f << "1048577";
    QTest::newRow("comma third") << "de_DE" << 1.f / 3.f << "0,3333333";
    QTest::newRow("comma whole") << "de_DE" << 2.f << "2";
    QTest::newRow("comma negative") << "de_DE" << -2.75f << "-2,75";
    QTest::newRow("comma exponent") << "de_DE" << 1.5e-7f << "1,5E-07";
    // clang-format on
}

void TestNumberText::singleText()
{
    QFETCH(QString, locale);
    QFETCH(float, value);
    QFETCH(QString, expected);
    QCOMPARE(SingleText(value, QLocale(locale)), expected);
}

void TestNumberText::singleTextRoundTrip_data()
{
    // clang-format off
    QTest::addColumn<QString>("locale");
    QTest::addRow("full stop") << "en_US";
    QTest::addRow("comma") << "de_DE";
    // clang-format on
}

// What a command writes, the next command reads: the text of any single in
// the fixed-notation range reads back within half a unit of its 7th digit,
// plus the half spacing of singles that the final rounding may add.
void TestNumberText::singleTextRoundTrip()
{
    QFETCH(QString, locale);
    const QLocale notation(locale);
    quint32 bits = 0x3c23d70au; // 0.01f, then a walk through the range
    for (int i = 0; i < 20000; ++i) {
        float value = 0;
        std::memcpy(&value, &bits, sizeof value);
        if (std::fabs(value) >= 1e-4f && std::fabs(value) < 9.999999e6f) {
            const double back = StrictNumber(SingleText(value, notation), notation);
            const double digit
                    = std::pow(10.0, std::floor(std::log10(std::fabs(double(value)))) - 6);
            const double spacing = std::nextafter(std::fabs(value), FLT_MAX) - std::fabs(value);
            QVERIFY2(std::fabs(back - value) <= 0.5 * digit + 0.5 * spacing,
                    qPrintable(SingleText(value, notation)));
        }
        bits = bits * 1664525u + 1013904223u;
    }
}

void TestNumberText::fixedTwo_data()
{
    // clang-format off
    QTest::addColumn<QString>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("two decimals kept") << "en_US" << 18.5547 << "18.55";
    QTest::newRow("rounds up") << "en_US" << 18.555001 << "18.56";
    QTest::newRow("trailing zero dropped") << "en_US" << 21.2 << "21.2";
    QTest::newRow("whole keeps separator") << "en_US" << 12.0 << "12.";
    QTest::newRow("rounds to whole") << "en_US" << 11.999 << "12.";
    QTest::newRow("no leading zero") << "en_US" << 0.5 << ".5";
    QTest::newRow("small") << "en_US" << 0.04 << ".04";
    QTest::newRow("rounds to zero") << "en_US" << 0.004 << ".";
    QTest::newRow("zero") << "en_US" << 0.0 << ".";
    QTest::newRow("exact half rounds away") << "en_US" << 0.125 << ".13";
    QTest::newRow("negative") << "en_US" << -3.456 << "-3.46";
    QTest::newRow("negative rounds to zero") << "en_US" << -0.001 << ".";
    QTest::newRow("large") << "en_US" << 123456.789 << "123456.79";
    QTest::newRow("comma") << "de_DE" << 18.5547 << "18,55";
    QTest::newRow("comma whole") << "de_DE" << 12.0 << "12,";
    QTest::newRow("comma fraction") << "de_DE" << 0.5 << ",5";
    // clang-format on
}

void TestNumberText::fixedTwo()
{
    QFETCH(QString, locale);
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(FixedTwo(value, QLocale(locale)), expected);
}

void TestNumberText::givenLocaleNotTheUsers_data()
{
    // clang-format off
    QTest::addColumn<QString>("user"); // the default locale while converting
    QTest::addColumn<QString>("given"); // the form's locale, passed in
    QTest::addColumn<QString>("text"); // 1005.5 with a group mark
    QTest::addColumn<QString>("written"); // 1005.5 as SingleText and FixedTwo write it

    QTest::newRow("full-stop form, comma user") << "de_DE" << "C" << "1,005.5" << "1005.5";
    QTest::newRow("comma form, full-stop user") << "en_US" << "de_DE" << "1.005,5" << "1005,5";
    QTest::newRow("comma form, comma user") << "de_DE" << "de_DE" << "1.005,5" << "1005,5";
    QTest::newRow("full-stop form, Chinese user") << "zh_CN" << "en_US" << "1,005.5" << "1005.5";
    // clang-format on
}

// The conversions read and write in the locale they are given, whatever the
// user's locale, and one given just before does not linger in the next.
void TestNumberText::givenLocaleNotTheUsers()
{
    QFETCH(QString, user);
    QFETCH(QString, given);
    QFETCH(QString, text);
    QFETCH(QString, written);
    LocaleScope scope(user);
    const QLocale notation(given);
    const QLocale other(given == u"de_DE" ? QLocale::c() : QLocale(QStringLiteral("de_DE")));

    // The thread's last conversion in the same locale, then in another.
    for (const QLocale &before : {notation, other}) {
        SingleText(0.5f, before);
        QCOMPARE(StrictNumber(text, notation), 1005.5f);
        QCOMPARE(StrictNumberUnrounded(text, notation), 1005.5);
        QCOMPARE(SingleText(1005.5f, notation), written);
        QCOMPARE(FixedTwo(1005.5, notation), written);
    }
    QCOMPARE(QLocale().name(), QLocale(user).name());
}

// Two threads converting at once in two notations: each keeps its own
// symbols, so neither ever writes or reads with the other's separator.
void TestNumberText::threadsInTwoLocalesKeepTheirOwn()
{
    auto convert = [](const QLocale &locale, const QString &half, int &wrong) {
        for (int i = 0; i < 20000; ++i) {
            if (SingleText(2.5f, locale) != half || StrictNumber(half, locale) != 2.5f)
                ++wrong;
        }
    };
    int commaWrong = 0;
    int fullStopWrong = 0;
    std::thread comma(
            convert, QLocale(QStringLiteral("de_DE")), QStringLiteral("2,5"), std::ref(commaWrong));
    convert(QLocale::c(), QStringLiteral("2.5"), fullStopWrong);
    comma.join();
    QCOMPARE(commaWrong, 0);
    QCOMPARE(fullStopWrong, 0);
}

// Plain decimals, the texts most fields hold, read to the double nearest
// their value (Qt's own conversion as the reference), the full stop taken
// as the decimal separator only where the locale writes it so: in German
// it groups thousands.
void TestNumberText::plainDecimalsReadToTheNearestDouble_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QByteArray>("reference");
    const auto row = [](const char *text, const char *locale, const char *reference) {
        QTest::addRow("%s in %s", text, locale)
                << QString::fromLatin1(text) << QString::fromLatin1(locale)
                << QByteArray(reference);
    };
    row("0.95", "C", "0.95");
    row(" 12 ", "C", "12");
    row("0", "C", "0");
    row("1.234", "zh_CN", "1.234");
    row("1.234", "de_DE", "1234");
    row("12", "de_DE", "12");
    row("007", "C", "7");
    row("9007199254740993", "C", "9007199254740993");
    row("2.2250738585072014", "C", "2.2250738585072014");
    row("123456789012345678901234", "C", "123456789012345678901234");
    row("0.12345678901234567890123456789", "C", "0.12345678901234567890123456789");
    QRandomGenerator random(20261208);
    for (int i = 0; i < 300; ++i) {
        QByteArray text = QByteArray::number(random.bounded(100000));
        const int digits = int(random.bounded(20));
        if (digits > 0)
            text += '.';
        for (int d = 0; d < digits; ++d)
            text += char('0' + random.bounded(10));
        row(text.constData(), i % 2 ? "C" : "zh_CN", text.constData());
    }
}

void TestNumberText::plainDecimalsReadToTheNearestDouble()
{
    QFETCH(QString, text);
    QFETCH(QString, locale);
    QFETCH(QByteArray, reference);
    bool ok = false;
    const double expected = reference.toDouble(&ok);
    QVERIFY(ok);
    const double read = varnolt::StrictNumberUnrounded(text, QLocale(locale), QString());
    QCOMPARE(std::bit_cast<quint64>(read), std::bit_cast<quint64>(expected));
}

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_number_text.moc"
