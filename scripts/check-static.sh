#!/usr/bin/env bash
# Layout and static analysis of the project's C++: clang-format, clang-tidy
# (against the compile commands of a configured build) and cppcheck.
# Usage: scripts/check-static.sh [build-dir]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

bash scripts/install-deps.sh clang-format clang-tidy cppcheck

mapfile -t sources < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find model commands window design writers report tests fuzz bench -name '*.cpp' -o -name '*.h')

echo "clang-format: ${#sources[@]} files"
clang-format --dry-run --Werror "${sources[@]}"

# clang-tidy reads the translation units the build compiled; headers are
# checked through them.
mapfile -t units < <(printf '%s\n' "${sources[@]}" | grep '\.cpp$' | grep -v '^fuzz/\|^bench/')
echo "clang-tidy: ${#units[@]} translation units"
# (clang's own "N warnings generated" counts of system headers are dropped.)
printf '%s\n' "${units[@]}" | xargs -P "$(nproc)" -n 4 bash -c \
    'clang-tidy -p "$0" --quiet "$@" 2>&1 | grep -v "warnings generated"; exit "${PIPESTATUS[0]}"' "$build"

echo "cppcheck"
cppcheck --enable=warning,style,performance,portability --std=c++20 --language=c++ \
    --library=qt --inline-suppr --error-exitcode=1 --quiet \
    --suppress=missingIncludeSystem -I . "${units[@]}"
echo "static checks clean"
