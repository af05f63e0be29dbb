#!/usr/bin/env bash
# Times varnolt-report on 10,000 cases from CSV to JSON, and on the first
# 100 of them to the Word report (.docx, a sketch painted per case; the
# target is 2 s): generates the cases (random weirs in the ranges met in
# practice, a fixed seed), builds the program in the default preset if
# needed, and runs it with hyperfine (or, without hyperfine, ten timed runs)
# reporting the median.
#
#   BENCH_CASES        number of cases (default 10000)
#   BENCH_DOCX_CASES   number of cases for the Word report (default 100)
set -euo pipefail
cd "$(dirname "$0")/.."

cases="${BENCH_CASES:-10000}"
docx_cases="${BENCH_DOCX_CASES:-100}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

if [ ! -x build/report/varnolt-report ]; then
    cmake --preset default >/dev/null
    cmake --build build --target varnolt-report
fi
program="$PWD/build/report/varnolt-report"

python3 - "$cases" >"$work/cases.csv" <<'PY'
import random, sys
random.seed(20261207)
print('name,q,H,a1,v,ht,phi,sigma')
for i in range(int(sys.argv[1])):
    q = random.uniform(1, 50)
    H = random.uniform(0.5, 12)
    a1 = random.uniform(1, 30)
    v = random.uniform(0, 4)
    ht = random.uniform(0.5, 25)
    phi = random.uniform(0.85, 0.98)
    sigma = random.uniform(1.0, 1.1)
    print(f'case {i + 1},{q:.2f},{H:.2f},{a1:.2f},{v:.2f},{ht:.2f},{phi:.3f},{sigma:.3f}')
PY
echo "cases: $cases ($(wc -c <"$work/cases.csv") bytes of CSV)"

if command -v hyperfine >/dev/null; then
    hyperfine --warmup 1 --runs 10 --export-json "$work/timing.json" \
        "$program $work/cases.csv -o $work/out.json" >/dev/null
    python3 - "$work/timing.json" <<'PY'
import json, sys
r = json.load(open(sys.argv[1]))['results'][0]
print(f"CSV to JSON: median {r['median'] * 1000:.0f} ms, "
      f"min {r['min'] * 1000:.0f} ms, max {r['max'] * 1000:.0f} ms (hyperfine, 10 runs)")
PY
else
    times=()
    for _ in $(seq 10); do
        start=$(date +%s%N)
        "$program" "$work/cases.csv" -o "$work/out.json"
        times+=($(( ($(date +%s%N) - start) / 1000000 )))
    done
    median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 5p)
    echo "CSV to JSON: median ${median} ms (10 runs)"
fi
python3 -c "import json,sys; d=json.load(open(sys.argv[1])); print('cases written:', len(d['cases']))" "$work/out.json"

# The Word report of the first cases: the same generator, fewer rows.
head -n "$((docx_cases + 1))" "$work/cases.csv" >"$work/docx-cases.csv"
export SOURCE_DATE_EPOCH=1796601600
if command -v hyperfine >/dev/null; then
    hyperfine --warmup 1 --runs 10 --export-json "$work/docx-timing.json" \
        "$program $work/docx-cases.csv -o $work/out.docx" >/dev/null
    python3 - "$work/docx-timing.json" "$docx_cases" <<'PY'
import json, sys
r = json.load(open(sys.argv[1]))['results'][0]
print(f"{sys.argv[2]} cases to .docx: median {r['median'] * 1000:.0f} ms, "
      f"min {r['min'] * 1000:.0f} ms, max {r['max'] * 1000:.0f} ms (hyperfine, 10 runs)")
PY
else
    times=()
    for _ in $(seq 10); do
        start=$(date +%s%N)
        "$program" "$work/docx-cases.csv" -o "$work/out.docx"
        times+=($(( ($(date +%s%N) - start) / 1000000 )))
    done
    median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n 5p)
    echo "$docx_cases cases to .docx: median ${median} ms (10 runs)"
fi
echo ".docx written: $(wc -c <"$work/out.docx") bytes"
