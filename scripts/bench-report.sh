#!/usr/bin/env bash
# Times varnolt-report against its targets: 10,000 cases from CSV to JSON
# (hyperfine's median, or the median of ten timed runs), the same cases as
# an HTML calculation report, and a large file from CSV to JSON, the last
# two with their peak resident memory (GNU time). The cases are random
# weirs in the ranges met in practice, with a fixed seed. Builds the program
# in the default preset if needed.
#
#   BENCH_CASES     cases of the small runs (default 10000)
#   BENCH_LARGE     cases of the large run (default 100000)
#   BENCH_MILLION=1 the large run with 1,000,000 cases, the target's size
#                   (about a minute with the file's generation)
#   BENCH_DOCX_CASES   cases of the Word report (default 100; target 2 s)
set -euo pipefail
cd "$(dirname "$0")/.."

cases="${BENCH_CASES:-10000}"
large="${BENCH_LARGE:-100000}"
if [ "${BENCH_MILLION:-0}" = 1 ]; then
    large=1000000
fi
docx_cases="${BENCH_DOCX_CASES:-100}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

if [ ! -x /usr/bin/time ]; then
    echo "bench-report.sh: GNU time is missing (apt-get install time)" >&2
    exit 1
fi
if [ ! -x build/report/varnolt-report ]; then
    cmake --preset default >/dev/null
    cmake --build build --target varnolt-report
fi
program="$PWD/build/report/varnolt-report"

# generate COUNT FILE: COUNT random cases as CSV.
generate() {
    python3 - "$1" >"$2" <<'PY'
import random, sys
random.seed(20261207)
out = ['name,q,H,a1,v,ht,phi,sigma']
for i in range(int(sys.argv[1])):
    q = random.uniform(1, 50)
    H = random.uniform(0.5, 12)
    a1 = random.uniform(1, 30)
    v = random.uniform(0, 4)
    ht = random.uniform(0.5, 25)
    phi = random.uniform(0.85, 0.98)
    sigma = random.uniform(1.0, 1.1)
    out.append(f'case {i + 1},{q:.2f},{H:.2f},{a1:.2f},{v:.2f},{ht:.2f},{phi:.3f},{sigma:.3f}')
print('\n'.join(out))
PY
}

# measured LABEL ARGS...: one run under GNU time, its wall time and peak
# resident set size; the warnings on standard error are dropped.
measured() {
    local label="$1"
    shift
    /usr/bin/time -f '%e %M' -o "$work/time.txt" "$program" "$@" 2>/dev/null || true
    read -r seconds kilobytes <"$work/time.txt"
    echo "$label: ${seconds} s, peak RSS $((kilobytes / 1024)) MB"
}

# median LABEL ARGS...: the median wall time of ten runs (hyperfine's, with
# a warm-up run, where it is installed); the warnings on standard error are
# dropped.
median() {
    local label="$1"
    shift
    if command -v hyperfine >/dev/null; then
        hyperfine --warmup 1 --runs 10 --export-json "$work/timing.json" \
            "$program $* 2>/dev/null" >/dev/null
        python3 - "$work/timing.json" "$label" <<'PY'
import json, sys
r = json.load(open(sys.argv[1]))['results'][0]
print(f"{sys.argv[2]}: median {r['median'] * 1000:.0f} ms, "
      f"min {r['min'] * 1000:.0f} ms, max {r['max'] * 1000:.0f} ms (hyperfine, 10 runs)")
PY
        return
    fi
    local times=()
    for _ in $(seq 10); do
        local start
        start=$(date +%s%N)
        "$program" "$@" 2>/dev/null || true
        times+=($((($(date +%s%N) - start) / 1000000)))
    done
    echo "$label: median $(printf '%s\n' "${times[@]}" | sort -n | sed -n 5p) ms (10 runs)"
}

generate "$cases" "$work/cases.csv"
echo "cases: $cases ($(wc -c <"$work/cases.csv") bytes of CSV)"

median "CSV to JSON (target 250 ms)" "$work/cases.csv" -o "$work/out.json"
python3 -c "import json,sys; d=json.load(open(sys.argv[1])); print('cases written:', len(d['cases']))" "$work/out.json"
measured "CSV to JSON (one run)" "$work/cases.csv" -o "$work/out.json"
measured "CSV to HTML (target 5 s, 500 MB)" "$work/cases.csv" -o "$work/out.html"
rm -f "$work/out.html"

generate "$large" "$work/large.csv"
echo "large: $large cases ($(wc -c <"$work/large.csv") bytes of CSV)"
measured "large CSV to JSON (1,000,000: target 15 s, 600 MB)" "$work/large.csv" -o "$work/out.json"
# Each case stands on a line of its own: counted without loading the file.
echo "cases written: $(grep -c '^{"name":' "$work/out.json")"

# The Word report of the first cases: the same generator, fewer rows.
head -n "$((docx_cases + 1))" "$work/cases.csv" >"$work/docx-cases.csv"
export SOURCE_DATE_EPOCH=1796601600
median "$docx_cases cases to .docx (target 2 s)" "$work/docx-cases.csv" -o "$work/out.docx"
echo ".docx written: $(wc -c <"$work/out.docx") bytes"
