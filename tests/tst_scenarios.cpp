// Four hundred random weirs in the ranges met in practice, both commands on
// one form, under a full-stop and a comma locale. The expected texts were
// computed by tests/reference/derive_cases.py: exact texts where the fixed
// bisections hold their roots, exact roots (compared to 1e-4) elsewhere.
#include "commands/commands.h"
#include "form_fixture.h"
#include "locale_scope.h"
#include "model/errors.h"
#include "model/jump_kind.h"
#include "model/number_text.h"

#include <QFile>
#include <QTest>

using namespace varnolt;

namespace {

// "ok", or the kind's key with blanks dropped: "NoSolution", "TypeMismatch".
int kindNamed(const QString &name)
{
    if (name == QLatin1String("ok"))
        return -1;
    for (const ErrorKind kind :
            {ErrorKind::TypeMismatch, ErrorKind::Overflow, ErrorKind::DivisionByZero,
                    ErrorKind::InvalidOperation, ErrorKind::NoSolution, ErrorKind::InvalidInput}) {
        if (QString(errorKindKey(kind)).remove(u' ').compare(name, Qt::CaseInsensitive) == 0)
            return int(kind);
    }
    return -2;
}

// R, S or C for the verdict line's kind of jump.
QString verdictCode(const QString &verdict)
{
    const auto kind = jumpKindOfVerdict(verdict);
    if (!kind)
        return verdict;
    constexpr char16_t codes[] = u"RSC";
    return QString(QChar(codes[int(*kind)]));
}

// A depth text against its expected text: equal, or within 1e-4 of it.
void compareDepth(const QString &actual, const QString &expected, bool exact)
{
    if (exact) {
        QCOMPARE(actual, expected);
        return;
    }
    QVERIFY2(relativelyClose(StrictNumber(actual), StrictNumber(expected), 1e-4),
            qPrintable(actual + QStringLiteral(" vs ") + expected));
}

// Lengths "18.55----21.2": within a unit of the second decimal when near.
void compareLengths(const QString &actual, const QString &expected, bool exact)
{
    if (exact) {
        QCOMPARE(actual, expected);
        return;
    }
    const QStringList a = actual.split(QStringLiteral("----"));
    const QStringList e = expected.split(QStringLiteral("----"));
    QCOMPARE(a.size(), 2);
    for (int i = 0; i < 2; ++i) {
        const double x = LeadingNumber(QString(a[i]).replace(u',', u'.'));
        const double y = LeadingNumber(QString(e[i]).replace(u',', u'.'));
        QVERIFY2(std::abs(x - y) <= 0.0101 + 1e-4 * y,
                qPrintable(actual + QStringLiteral(" vs ") + expected));
    }
}

} // namespace

class TestScenarios : public QObject {
    Q_OBJECT

private slots:
    void bothCommands_data();
    void bothCommands();
};

void TestScenarios::bothCommands_data()
{
    // clang-format off
    QTest::addColumn<QStringList>("row");
    QFile file(QStringLiteral(VARNOLT_SCENARIOS));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    int line = 0;
    while (!file.atEnd()) {
        const QString text = QString::fromUtf8(file.readLine()).chopped(1);
        ++line;
        if (text.startsWith(u'#'))
            continue;
        QTest::addRow("line %d", line) << text.split(u'\t');
    }
    // clang-format on
}

void TestScenarios::bothCommands()
{
    QFETCH(QStringList, row);
    QCOMPARE(row.size(), 19);
    LocaleScope scope(row[0]);

    MemoryFormModel form;
    FormState state;
    typeInputs(form, row.mid(1, 7));

    QCOMPARE(errorKindOf([&] { Command1_Click(form, state); }), kindNamed(row[8]));
    QCOMPARE(form.text(Field::Text7), row[9]);
    if (row[8] != QLatin1String("ok")) {
        QVERIFY(form.text(Field::Text8).isEmpty());
        return;
    }
    const bool checkExact = row[13] == QLatin1String("exact");
    compareDepth(form.text(Field::Text8), row[10], checkExact);
    compareDepth(form.text(Field::Text9), row[11], checkExact);
    if (checkExact || std::abs(state.hco2 - state.ht) > 1e-4 * state.ht)
        QCOMPARE(verdictCode(form.verdict()), row[12]);

    const QString contracted = form.text(Field::Text8);
    QCOMPARE(errorKindOf([&] { Command2_Click(form, state); }), kindNamed(row[14]));
    if (row[14] != QLatin1String("ok")) {
        QVERIFY(form.text(Field::Text11).isEmpty());
        QCOMPARE(form.text(Field::Text8), contracted);
        QVERIFY(form.text(Field::Text12).isEmpty());
        return;
    }
    const bool basinExact = row[18] == QLatin1String("exact");
    compareDepth(form.text(Field::Text11), row[15], basinExact);
    compareDepth(form.text(Field::Text8), row[16], basinExact);
    compareLengths(form.text(Field::Text12), row[17], basinExact);
}

QTEST_GUILESS_MAIN(TestScenarios)
#include "tst_scenarios.moc"
