// Scenarios replayed through both commands on one form: the cases kept from
// the project's reviews (heads in either notation, re-checks after a basin,
// failures, impossible and pasted inputs, a supercritical tailwater) and four
// hundred random weirs in the ranges met in practice, under a full-stop and
// a comma locale. tests/data/scenarios.tsv holds one row per button press;
// the rows of one scenario run in order on one form. The expected texts were
// computed by tests/reference/derive_cases.py: exact texts where the fixed
// bisections hold their roots, exact roots (compared to 1e-4) elsewhere.
#include "commands/commands.h"
#include "form_fixture.h"
#include "model/errors.h"
#include "model/jump_kind.h"
#include "model/number_text.h"

#include <QFile>
#include <QTest>

#include <optional>

using namespace varnolt;

namespace {

// One press of a button and what the form shows after it.
struct Step {
    QString typed; // "5=6;10=1.05": texts typed into fields before the press
    QString press; // "check" or "size"
    QString kind; // "ok" or the kind's key without blanks: "NoSolution"
    QString field; // the number of the field the error carries, or empty
    QString note; // "supercritical", "check first" or empty
    QStringList texts; // Text7, Text8, Text9, Text11, Text12
    QString verdict; // R, S, C or empty
    bool exact = true;
};

using Scenario = QList<Step>;

const Field shownFields[]
        = {Field::Text7, Field::Text8, Field::Text9, Field::Text11, Field::Text12};

// The cells escape what a TSV cannot hold: \t, \r, \n, \\ and \uXXXX.
QString unescaped(const QString &cell)
{
    QString text;
    for (qsizetype i = 0; i < cell.size(); ++i) {
        if (cell[i] != u'\\' || i + 1 == cell.size()) {
            text += cell[i];
            continue;
        }
        const QChar next = cell[++i];
        if (next == u't')
            text += u'\t';
        else if (next == u'r')
            text += u'\r';
        else if (next == u'n')
            text += u'\n';
        else if (next == u'u') {
            text += QChar(char16_t(cell.mid(i + 1, 4).toUShort(nullptr, 16)));
            i += 4;
        } else
            text += next;
    }
    return text;
}

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

// R, S or C for the verdict line's kind of jump; any other line as it is.
QString verdictCode(const QString &verdict)
{
    constexpr char16_t codes[] = u"RSC";
    for (const JumpKind kind : {JumpKind::Remote, JumpKind::Submerged, JumpKind::Critical}) {
        if (verdict == verdictText(kind))
            return QString(QChar(codes[int(kind)]));
    }
    return verdict;
}

double lengthValue(const QString &text, const QLocale &locale)
{
    return LeadingNumber(QString(text).replace(locale.decimalPoint(), QStringLiteral(".")));
}

// A result text against its expected text: equal, or, where an exact root
// stands in for the fixed bisection, a depth within 1e-4 and lengths within
// a unit of their second decimal.
void compareShown(const QString &actual, const QString &expected, Field field, bool exact,
        const QLocale &locale)
{
    if (exact || expected.isEmpty() || actual.isEmpty()) {
        QCOMPARE(actual, expected);
        return;
    }
    const QString detail = actual + QStringLiteral(" vs ") + expected;
    if (field != Field::Text12) {
        QVERIFY2(
                relativelyClose(StrictNumber(actual, locale), StrictNumber(expected, locale), 1e-4),
                qPrintable(detail));
        return;
    }
    const QStringList a = actual.split(QStringLiteral("----"));
    const QStringList e = expected.split(QStringLiteral("----"));
    QCOMPARE(a.size(), 2);
    for (int i = 0; i < 2; ++i) {
        const double y = lengthValue(e[i], locale);
        QVERIFY2(std::abs(lengthValue(a[i], locale) - y) <= 0.0101 + 1e-4 * y, qPrintable(detail));
    }
}

void type(FormModel &form, const QString &typed)
{
    for (const QString &entry : typed.split(u';', Qt::SkipEmptyParts)) {
        const qsizetype equals = entry.indexOf(u'=');
        form.setText(
                static_cast<Field>(entry.left(equals).toInt()), unescaped(entry.mid(equals + 1)));
    }
}

void runStep(MemoryFormModel &form, FormState &state, const Step &step)
{
    type(form, step.typed);
    std::optional<JumpKind> decided;
    const std::optional<CalcError> error = errorOf([&] {
        if (step.press == QLatin1String("check"))
            decided = Command1_Click(form, state);
        else
            Command2_Click(form, state);
    });
    // The check hands back the kind its verdict line states.
    if (decided)
        QCOMPARE(form.verdict(), verdictText(*decided));

    QCOMPARE(error ? int(error->kind()) : -1, kindNamed(step.kind));
    const std::optional<Field> field = error ? error->field() : std::nullopt;
    QCOMPARE(field ? QString::number(int(*field)) : QString(), step.field);
    if (!step.note.isEmpty())
        QVERIFY(error);
    if (step.note == QLatin1String("supercritical")) {
        // The message names the critical depth and gives both depths.
        QVERIFY(error->message().contains(QStringLiteral("临界水深")));
        QVERIFY(error->message().contains(SingleText(state.ht, form.locale())));
        QVERIFY(error->message().contains(form.text(Field::Text7)));
    } else if (step.note == QLatin1String("check first")) {
        QVERIFY(error->message().contains(QStringLiteral("求解并判断下游水跃形式")));
    } else if (error && error->kind() == ErrorKind::NoSolution) {
        // Other reasons for no basin do not speak of a supercritical tailwater.
        QVERIFY(!error->message().contains(QStringLiteral("临界水深")));
    }

    for (int i = 0; i < 5; ++i)
        compareShown(form.text(shownFields[i]), step.texts[i], shownFields[i], step.exact,
                form.locale());
    // Where the depths are exact roots, a verdict on the edge of critical may
    // go either way.
    const bool nearCritical = !step.exact && !form.text(Field::Text9).isEmpty()
            && relativelyClose(
                    StrictNumber(form.text(Field::Text9), form.locale()), state.ht, 1e-4);
    if (!nearCritical)
        QCOMPARE(verdictCode(form.verdict()), step.verdict);
}

} // namespace

Q_DECLARE_METATYPE(Scenario)

class TestScenarios : public QObject {
    Q_OBJECT

private slots:
    void replay_data();
    void replay();
};

void TestScenarios::replay_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<Scenario>("steps");
    QFile file(QStringLiteral(VARNOLT_SCENARIOS));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QString name;
    QString locale;
    Scenario steps;
    auto flush = [&] {
        if (!steps.isEmpty())
            QTest::newRow(qPrintable(name)) << locale << steps;
        steps.clear();
    };
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).chopped(1);
        if (line.startsWith(u'#'))
            continue;
        const QStringList cells = line.split(u'\t');
        QCOMPARE(cells.size(), 14);
        if (cells[0] != name)
            flush();
        name = cells[0];
        locale = cells[1];
        steps << Step{cells[2], cells[3], cells[4], cells[5], cells[6], cells.mid(7, 5), cells[12],
                cells[13] == QLatin1String("exact")};
    }
    flush();
}

void TestScenarios::replay()
{
    QFETCH(QString, locale);
    QFETCH(Scenario, steps);
    const QLocale notation(locale);
    MemoryFormModel form(notation);
    FormState state;
    for (qsizetype i = 0; i < steps.size(); ++i) {
        runStep(form, state, steps[i]);
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("at press %1").arg(i + 1)));
    }
}

QTEST_GUILESS_MAIN(TestScenarios)
#include "tst_scenarios.moc"
