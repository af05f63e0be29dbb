#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite:
# the normal build, the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, the layout and static-analysis checks, and a
# bounded run of each fuzzer.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

echo "== tests"
cmake --preset default
cmake --build --preset default
ctest --preset default

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize

echo "== layout and static analysis"
bash scripts/check-static.sh build

echo "== fuzzing, bounded"
bash scripts/fuzz.sh
