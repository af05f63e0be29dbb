#!/usr/bin/env bash
# Builds the benchmarks (Release) and runs them: ten repetitions of each,
# reporting the mean, median, standard deviation and coefficient of variation.
# Extra arguments go to the benchmark program, e.g.
#   bash scripts/bench.sh --benchmark_filter=Command
# Targets: Command1_Click <= 1.5 us and Command2_Click <= 20 us median.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! bash scripts/install-deps.sh libbenchmark-dev; then
    if [ "$(id -u)" -ne 0 ] && command -v sudo >/dev/null; then
        sudo bash scripts/install-deps.sh libbenchmark-dev
    else
        exit 1
    fi
fi

cmake --preset bench >/dev/null
cmake --build --preset bench --target varnolt_bench

exec build-bench/bench/varnolt_bench --benchmark_repetitions=10 \
    --benchmark_report_aggregates_only=true "$@"
