// Runs the benchmarks under a fixed full-stop locale, so that the numbers do
// not depend on the LANG of the machine they are measured on.
#include <QLocale>

#include <benchmark/benchmark.h>

int main(int argc, char **argv)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
