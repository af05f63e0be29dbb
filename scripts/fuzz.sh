#!/usr/bin/env bash
# Builds the libFuzzer harnesses (clang, address and undefined-behaviour
# sanitizers) and runs each for a bounded time on a copy of its committed
# seed corpus, so the corpus in the repository does not grow. Fails when any
# harness finds a crash or a broken property; the failing inputs are kept in
# build-fuzz/artifacts/.
#
#   FUZZ_SECONDS   time per harness (default 30; five harnesses)
#   FUZZ_MAX_LEN   longest input in bytes (default 256)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${FUZZ_SECONDS:-30}"
max_len="${FUZZ_MAX_LEN:-256}"
harnesses=(fuzz_strict_number fuzz_leading_number fuzz_commands fuzz_case_reader fuzz_design_file)

if ! bash scripts/install-deps.sh clang libclang-rt-14-dev; then
    if [ "$(id -u)" -ne 0 ] && command -v sudo >/dev/null; then
        sudo bash scripts/install-deps.sh clang libclang-rt-14-dev
    else
        exit 1
    fi
fi

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "${harnesses[@]}"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
artifacts="$PWD/build-fuzz/artifacts"
mkdir -p "$artifacts"

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

failed=()
total=0
for harness in "${harnesses[@]}"; do
    corpus="$work/$harness"
    cp -r "fuzz/corpus/$harness" "$corpus"
    log="$work/$harness.log"
    status=0
    "build-fuzz/fuzz/$harness" "$corpus" \
        -dict=fuzz/numbers.dict -max_len="$max_len" -max_total_time="$seconds" \
        -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$artifacts/$harness-" >"$log" 2>&1 || status=$?

    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)"
    runs="${runs:-0}"
    total=$((total + runs))
    if [ "$status" -eq 0 ]; then
        printf '%-22s %10s executions  ok\n' "$harness" "$runs"
    else
        printf '%-22s %10s executions  FAILED (exit %s)\n' "$harness" "$runs" "$status"
        grep -E 'property failed|\*\*\* |runtime error|ERROR: |SUMMARY|Test unit written|^Base64' \
            "$log" | awk '!seen[$0]++' | head -n 12 | sed 's/^/    /'
        failed+=("$harness")
    fi
done
printf '%-22s %10s executions\n' "all harnesses" "$total"

if ((${#failed[@]})); then
    echo "Failing inputs are in $artifacts; reproduce one with build-fuzz/fuzz/<harness> <file>." >&2
    exit 1
fi
