// The four conversions between field texts and numbers, on values of the
// worked example.
#include "model/number_text.h"

#include <QLocale>
#include <QString>

#include <benchmark/benchmark.h>

using namespace varnolt;

namespace {

// The notation of the worked example's texts.
const QLocale fullStop(QLocale::English, QLocale::UnitedStates);

void BM_StrictNumber(benchmark::State &bench)
{
    const QString text = QStringLiteral("2.168255");
    for (auto _ : bench)
        benchmark::DoNotOptimize(StrictNumber(text, fullStop));
}
BENCHMARK(BM_StrictNumber);

void BM_LeadingNumber(benchmark::State &bench)
{
    const QString text = QStringLiteral("3.5m");
    for (auto _ : bench)
        benchmark::DoNotOptimize(LeadingNumber(text));
}
BENCHMARK(BM_LeadingNumber);

void BM_SingleText(benchmark::State &bench)
{
    float value = 0.8879251f;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(SingleText(value, fullStop));
    }
}
BENCHMARK(BM_SingleText);

void BM_FixedTwo(benchmark::State &bench)
{
    double value = 18.5547;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(FixedTwo(value, fullStop));
    }
}
BENCHMARK(BM_FixedTwo);

} // namespace
