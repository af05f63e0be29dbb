// Both commands on the in-memory form, fed any field texts.
//
// The input is the texts of Text1 .. Text12 in order, separated by '|'
// (UTF-8, malformed sequences becoming replacement characters); fields
// beyond the last text keep the text they open with, so a short input keeps
// the preset coefficients. Every input runs once under each notation: the
// jump check, then the basin sizing on the same form and state.
//
// Properties, after each command:
// - it finishes or throws a CalcError of kind TypeMismatch, Overflow,
//   DivisionByZero, InvalidOperation, NoSolution or InvalidInput;
// - an InvalidInput error carries an input field whose text reads as a
//   number outside that field's range; every message stays short, whatever
//   the texts;
// - a failed check leaves no verdict and no basin on the form, a failed
//   sizing no length range;
// - no quantity of the form state is NaN or infinite;
// - when it finishes, every text it wrote reads back strictly as a finite
//   number and is the text of the quantity it stored (the basin length
//   range is two "###.##" numbers joined by "----", where "." alone is a
//   length that rounded to zero).
#include "commands/commands.h"
#include "fuzz_support.h"
#include "model/errors.h"
#include "model/form_model.h"
#include "model/form_state.h"
#include "model/input_ranges.h"
#include "model/number_text.h"

#include <QString>
#include <QStringList>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <exception>

using namespace varnolt;
using namespace varnolt::fuzz;

namespace {

constexpr char fieldSeparator = '|';

QString describeState(const FormState &s)
{
    const float values[] = {
            s.q, s.a1, s.H, s.P, s.v, s.E0, s.hc, s.phi, s.hco, s.hco2, s.ht, s.Et, s.d, s.sigma};
    const char *names[] = {
            "q", "a1", "H", "P", "v", "E0", "hc", "phi", "hco", "hco2", "ht", "Et", "d", "sigma"};
    QString text;
    for (std::size_t i = 0; i < std::size(values); ++i)
        text += QStringLiteral("%1=%2 ").arg(QLatin1String(names[i])).arg(double(values[i]));
    return text;
}

void checkStateFinite(const FormState &s, const char *command, const QString &inputs)
{
    const float values[] = {
            s.q, s.a1, s.H, s.P, s.v, s.E0, s.hc, s.phi, s.hco, s.hco2, s.ht, s.Et, s.d, s.sigma};
    for (const float value : values) {
        check(std::isfinite(value), command,
                QStringLiteral("a form quantity is not finite: %1 after %2")
                        .arg(describeState(s), inputs));
    }
}

QString formTexts(const FormModel &form)
{
    QStringList texts;
    for (int i = 1; i <= FieldCount; ++i)
        texts << form.text(static_cast<Field>(i));
    return QStringLiteral("[%1] under %2")
            .arg(excerpt(texts.join(QLatin1Char(fieldSeparator))), form.locale().name());
}

// A text written from a single-precision quantity.
void checkSingleOutput(const FormModel &form, Field field, float stored, const QString &inputs)
{
    const QString written = form.text(field);
    const QString detail
            = QStringLiteral("Text%1 = \"%2\" for %3").arg(int(field)).arg(written, inputs);
    check(written == SingleText(stored, form.locale()),
            "an output is not the text of the stored quantity",
            detail + QStringLiteral(", stored %1").arg(double(stored), 0, 'g', 9));
    try {
        check(std::isfinite(StrictNumber(written, form.locale())),
                "an output reads back as non-finite", detail);
    } catch (const CalcError &e) {
        fail("an output does not read back as a number",
                detail + QStringLiteral(": ") + errorKindKey(e.kind()));
    }
}

// One "###.##" half of the basin length range; its value is not stored in
// the form state and keeps double precision.
void checkFixedOutput(const QString &half, const QLocale &locale, const QString &inputs)
{
    const QString detail = QStringLiteral("length \"%1\" for %2").arg(half, inputs);
    if (half == locale.decimalPoint())
        return;
    try {
        check(std::isfinite(StrictNumberUnrounded(half, locale)),
                "a length reads back as non-finite", detail);
    } catch (const CalcError &e) {
        fail("a length does not read back as a number",
                detail + QStringLiteral(": ") + errorKindKey(e.kind()));
    }
}

// Fixed words, a caption, a quoted text of at most 40 characters, a range.
constexpr qsizetype longestMessage = 100;

void checkOutOfRange(const CalcError &error, const FormModel &form, const QString &inputs)
{
    check(error.field().has_value(), "an impossible input is not named", inputs);
    const Field field = *error.field();
    const auto range = inputRange(field);
    check(range.has_value(), "an InvalidInput error names a result field", inputs);
    try {
        check(!range->holds(StrictNumber(form.text(field), form.locale())),
                "an input within its range is refused", inputs);
    } catch (const CalcError &) {
        fail("an InvalidInput error names a field that is not a number", inputs);
    }
}

// Runs a command; true when it finishes, false when it stops with one of the
// kinds a command may end with.
template <class Command>
bool runCommand(
        Command command, FormModel &form, FormState &state, const char *name, const QString &inputs)
{
    try {
        command(form, state);
        return true;
    } catch (const CalcError &e) {
        const ErrorKind kind = e.kind();
        check(kind == ErrorKind::TypeMismatch || kind == ErrorKind::Overflow
                        || kind == ErrorKind::DivisionByZero || kind == ErrorKind::InvalidOperation
                        || kind == ErrorKind::NoSolution || kind == ErrorKind::InvalidInput,
                name, QStringLiteral("stops with %1 for %2").arg(errorKindKey(kind), inputs));
        check(e.message().size() <= longestMessage, "a message is too long",
                excerpt(e.message()) + QStringLiteral(" for ") + inputs);
        if (kind == ErrorKind::InvalidInput)
            checkOutOfRange(e, form, inputs);
        return false;
    } catch (const std::exception &e) {
        fail(name,
                QStringLiteral("throws something other than CalcError (%1) for %2")
                        .arg(QString::fromUtf8(e.what()), inputs));
    }
}

void runBothCommands(const QStringList &texts, const QLocale &locale)
{
    MemoryFormModel form(locale);
    for (qsizetype i = 0; i < texts.size() && i < FieldCount; ++i)
        form.setText(static_cast<Field>(i + 1), texts[i]);
    const QString inputs = formTexts(form);
    FormState state;

    if (runCommand(Command1_Click, form, state, "Command1_Click", inputs)) {
        checkSingleOutput(form, Field::Text7, state.hc, inputs);
        checkSingleOutput(form, Field::Text8, state.hco, inputs);
        checkSingleOutput(form, Field::Text9, state.hco2, inputs);
    } else {
        check(form.verdict().isEmpty() && form.text(Field::Text11).isEmpty()
                        && form.text(Field::Text12).isEmpty(),
                "a failed check leaves a verdict or a basin", formTexts(form));
    }
    checkStateFinite(state, "Command1_Click", inputs);

    const QString afterCheck = formTexts(form);
    if (runCommand(Command2_Click, form, state, "Command2_Click", afterCheck)) {
        checkSingleOutput(form, Field::Text11, state.d, afterCheck);
        checkSingleOutput(form, Field::Text8, state.hco, afterCheck);
        const QStringList halves = form.text(Field::Text12).split(QStringLiteral("----"));
        check(halves.size() == 2, "the basin length range is not two lengths",
                form.text(Field::Text12) + QStringLiteral(" for ") + afterCheck);
        for (const QString &half : halves)
            checkFixedOutput(half, locale, afterCheck);
    } else {
        check(form.text(Field::Text12).isEmpty(), "a failed sizing leaves a length range",
                formTexts(form));
    }
    checkStateFinite(state, "Command2_Click", afterCheck);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QStringList texts
            = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size))
                      .split(QLatin1Char(fieldSeparator));
    for (const QLocale *locale : {&fullStopLocale(), &commaLocale()}) {
        runBothCommands(texts, *locale);
    }
    return 0;
}
