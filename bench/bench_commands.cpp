// The two commands through their public seam, on the in-memory form, for the
// worked example: q = 10 m²/s, H = 3 m, a1 = 5 m, v = 1 m/s, ht = 3 m,
// phi = 0.95, sigma = 1.05, a remote jump that needs a basin.
#include "commands/commands.h"
#include "model/errors.h"
#include "model/form_model.h"
#include "model/form_state.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <benchmark/benchmark.h>

using namespace varnolt;

namespace {

// The notation the worked example is typed in.
const QLocale fullStop(QLocale::English, QLocale::UnitedStates);

void typeWorkedExample(MemoryFormModel &form)
{
    form.setText(Field::Text1, QStringLiteral("10"));
    form.setText(Field::Text2, QStringLiteral("3"));
    form.setText(Field::Text3, QStringLiteral("5"));
    form.setText(Field::Text4, QStringLiteral("1"));
    form.setText(Field::Text5, QStringLiteral("3"));
    form.setText(Field::Text6, QStringLiteral("0.95"));
    form.setText(Field::Text10, QStringLiteral("1.05"));
}

// Stops the benchmark when a field does not hold the worked example's result,
// so a timing is never reported for a wrong calculation.
bool expect(benchmark::State &bench, const MemoryFormModel &form, Field field, const char *text)
{
    if (form.text(field) == QLatin1String(text))
        return true;
    bench.SkipWithError(QStringLiteral("Text%1 is \"%2\", not \"%3\"")
                                .arg(int(field))
                                .arg(form.text(field), QLatin1String(text))
                                .toUtf8()
                                .constData());
    return false;
}

// Stops the benchmark unless the form shows the worked example's basin.
void expectWorkedBasin(benchmark::State &bench, const MemoryFormModel &form)
{
    if (expect(bench, form, Field::Text11, "1.466713")
            && expect(bench, form, Field::Text8, "0.8050936"))
        expect(bench, form, Field::Text12, "18.55----21.2");
}

// Runs one command; where it fails, the benchmark stops with its message.
template <class Command>
bool click(benchmark::State &bench, Command command, MemoryFormModel &form, FormState &state)
{
    try {
        command(form, state);
    } catch (const CalcError &e) {
        bench.SkipWithError(e.what());
        return false;
    }
    return true;
}

// The worked example typed and its jump checked, as the sizing finds it.
bool checkWorkedExample(benchmark::State &bench, MemoryFormModel &form, FormState &state)
{
    typeWorkedExample(form);
    return click(bench, Command1_Click, form, state);
}

void BM_Command1_Click(benchmark::State &bench)
{
    MemoryFormModel form(fullStop);
    typeWorkedExample(form);
    FormState state;
    for (auto _ : bench) {
        if (!click(bench, Command1_Click, form, state))
            break;
        benchmark::DoNotOptimize(state);
    }
    if (expect(bench, form, Field::Text7, "2.168255")
            && expect(bench, form, Field::Text8, "0.8879251"))
        expect(bench, form, Field::Text9, "4.36829");
}
BENCHMARK(BM_Command1_Click);

void BM_Command2_Click(benchmark::State &bench)
{
    MemoryFormModel form(fullStop);
    FormState state;
    // The sizing bisects up to the critical depth the jump check wrote.
    if (!checkWorkedExample(bench, form, state))
        return;
    for (auto _ : bench) {
        if (!click(bench, Command2_Click, form, state))
            break;
        benchmark::DoNotOptimize(state);
    }
    expectWorkedBasin(bench, form);
}
BENCHMARK(BM_Command2_Click);

// The same click with the critical depth retyped before every click, in
// turn as twenty spellings of the same number: no reading of that text is
// left from an earlier click, so every click converts it afresh, as after an
// edit. The results are those of the worked example.
void BM_Command2_Click_RetypedBound(benchmark::State &bench)
{
    MemoryFormModel form(fullStop);
    FormState state;
    if (!checkWorkedExample(bench, form, state))
        return;
    const QString typed = form.text(Field::Text7);
    QStringList spellings;
    for (const QString &sign : {QString(), QStringLiteral("+")}) {
        for (int zeros = 0; zeros < 10; ++zeros)
            spellings << sign + typed + QString(zeros, u'0');
    }
    qsizetype next = 0;
    for (auto _ : bench) {
        form.setText(Field::Text7, spellings[next]);
        next = (next + 1) % spellings.size();
        if (!click(bench, Command2_Click, form, state))
            break;
        benchmark::DoNotOptimize(state);
    }
    expectWorkedBasin(bench, form);
}
BENCHMARK(BM_Command2_Click_RetypedBound);

} // namespace
