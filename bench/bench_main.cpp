// Runs the benchmarks. Each one gives its conversions and forms the
// full-stop notation of en_US itself, so the numbers do not depend on the
// LANG of the machine they are measured on.
#include <benchmark/benchmark.h>

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
