// The numbers the commands read from the fields: one command after another
// on one form, with texts edited and the locale changed between them.
#include "model/errors.h"
#include "model/field_readings.h"
#include "model/form_model.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace varnolt;

class TestFieldReadings : public QObject {
    Q_OBJECT

private slots:
    void eachCommandReadsTheTextsOfItsMoment();
    void strictReadingRoundsAndOverflowsAsStrictNumber();
};

// Every step is a new command reading Text7: its number is that of the text
// under the locale of the moment, whatever earlier commands read, and a text
// that is not a number fails every time it is read.
void TestFieldReadings::eachCommandReadsTheTextsOfItsMoment()
{
    struct Step {
        const char *locale;
        QString text;
        double expected; // NaN: a type mismatch
    };
    const double fails = std::numeric_limits<double>::quiet_NaN();
    const Step steps[] = {
            {"en_US", QString(), fails},
            {"en_US", QStringLiteral("1,500"), 1500},
            {"de_DE", QString(), fails},
            {"de_DE", QStringLiteral("1,500"), 1.5},
            {"en_US", QStringLiteral("1,500"), 1500},
            {"en_US", QStringLiteral("2"), 2},
            {"en_US", QString(), fails},
            {"en_US", QStringLiteral(""), fails},
            {"en_US", QStringLiteral("2.5x"), fails},
            {"en_US", QStringLiteral("2.5"), 2.5},
            {"en_US", QStringLiteral("2.5x"), fails},
            {"en_US", QStringLiteral("2.5x"), fails},
            {"de_DE", QStringLiteral("2.5"), fails},
            {"de_DE", QStringLiteral("2,5"), 2.5},
            {"en_US", QStringLiteral("2,5"), fails},
            {"en_US", QStringLiteral("2.5"), 2.5},
    };
    MemoryFormModel form(QLocale::c());
    for (const Step &step : steps) {
        form.setLocale(QLocale(QString::fromLatin1(step.locale)));
        form.setText(Field::Text7, step.text);
        FieldReadings readings(form);
        const QString where = QStringLiteral("\"%1\" under %2")
                                      .arg(step.text, QString::fromLatin1(step.locale));
        try {
            const double number = readings.unrounded(Field::Text7);
            QVERIFY2(number == step.expected, qPrintable(where));
            QVERIFY2(readings.strict(Field::Text7) == float(step.expected), qPrintable(where));
        } catch (const CalcError &e) {
            QVERIFY2(std::isnan(step.expected), qPrintable(where));
            QCOMPARE(e.kind(), ErrorKind::TypeMismatch);
            QVERIFY(e.message().contains(fieldCaption(Field::Text7)));
        }
    }
}

// Within one command the unrounded reading keeps the double range, and the
// strict one fails beyond the single range as StrictNumber does.
void TestFieldReadings::strictReadingRoundsAndOverflowsAsStrictNumber()
{
    const QLocale notation(QStringLiteral("en_US"));
    MemoryFormModel form(notation);
    form.setText(Field::Text1, QStringLiteral("1e39"));
    form.setText(Field::Text2, QStringLiteral("0.1"));
    FieldReadings readings(form);
    QCOMPARE(readings.unrounded(Field::Text1), 1e39);
    try {
        readings.strict(Field::Text1);
        QFAIL("1e39 read as a single");
    } catch (const CalcError &e) {
        QCOMPARE(e.kind(), ErrorKind::Overflow);
        QVERIFY(e.message().contains(fieldCaption(Field::Text1)));
    }
    QCOMPARE(readings.strict(Field::Text2), 0.1f);
    QCOMPARE(readings.unrounded(Field::Text2), 0.1);
}

QTEST_GUILESS_MAIN(TestFieldReadings)
#include "tst_field_readings.moc"
