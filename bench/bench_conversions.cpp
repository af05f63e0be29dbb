// The four conversions between field texts and numbers, on values of the
// worked example.
#include "model/number_text.h"

#include <QString>

#include <benchmark/benchmark.h>

using namespace varnolt;

namespace {

void BM_StrictNumber(benchmark::State &bench)
{
    const QString text = QStringLiteral("2.168255");
    for (auto _ : bench)
        benchmark::DoNotOptimize(StrictNumber(text));
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
        benchmark::DoNotOptimize(SingleText(value));
    }
}
BENCHMARK(BM_SingleText);

void BM_FixedTwo(benchmark::State &bench)
{
    double value = 18.5547;
    for (auto _ : bench) {
        benchmark::DoNotOptimize(value);
        benchmark::DoNotOptimize(FixedTwo(value));
    }
}
BENCHMARK(BM_FixedTwo);

} // namespace
