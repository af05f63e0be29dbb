#!/usr/bin/env bash
# Counts the machine instructions of one click of each command on the worked
# example, under callgrind: unlike the timings of scripts/bench.sh the count
# does not depend on what else the machine is running, so it shows what a
# change gains even on a busy machine. With --keep the callgrind profiles
# stay in build-bench/ for callgrind_annotate.
set -euo pipefail
cd "$(dirname "$0")/.."

keep=false
if [ "${1:-}" = "--keep" ]; then
    keep=true
fi

if ! bash scripts/install-deps.sh libbenchmark-dev valgrind; then
    if [ "$(id -u)" -ne 0 ] && command -v sudo >/dev/null; then
        sudo bash scripts/install-deps.sh libbenchmark-dev valgrind
    else
        exit 1
    fi
fi

cmake --preset bench >/dev/null
cmake --build --preset bench --target varnolt_bench >/dev/null

for command in Command1_Click Command2_Click; do
    profile="build-bench/callgrind.$command.out"
    valgrind --tool=callgrind --callgrind-out-file="$profile" \
        --toggle-collect="varnolt::$command(*" \
        build-bench/bench/varnolt_bench --benchmark_filter="^BM_$command\$" \
        --benchmark_min_time=1 >/dev/null 2>&1
    # Instructions collected inside the command, and how often it was called.
    total=$(callgrind_annotate "$profile" | awk '/PROGRAM TOTALS/ { gsub(",", "", $1); print $1 }')
    calls=$(callgrind_annotate --threshold=100 --tree=caller "$profile" | awk -v name="varnolt::$command(" '
        BEGIN { RS = "" }
        index($0, "*  ???:" name) {
            n = split($0, lines, "\n")
            for (i = 1; i <= n; ++i) {
                if (index(lines[i], " < ") && match(lines[i], /\([0-9,]+x\)/)) {
                    count = substr(lines[i], RSTART + 1, RLENGTH - 3)
                    gsub(",", "", count)
                    sum += count
                }
            }
        }
        END { print sum }')
    echo "$command: $((total / calls)) instructions per click ($calls clicks)"
    if ! $keep; then
        rm -f "$profile"
    fi
done
