#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Veltrin's Test developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Every test of the project, in the order a failure is cheapest to find:
#   1. the normal build and its tests (engine tests, window tests offscreen,
#      the bank checker on the shipped bank, the real program under Xvfb)
#   2. the code's layout (clang-format) and checks (clang-tidy)
#   3. the licences of every file (reuse lint) and the Debian package (lintian)
#   4. the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer
#   5. a minute of fuzzing for each fuzz target, under the same sanitizers
# Called by ./dev.sh test after the machine is set up.
#
#   tools/run-tests.sh          everything, as CI runs it
#   tools/run-tests.sh quick    the build and its tests only (and the layout
#                               check), for the edit-and-test loop
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)
jobs=$(nproc 2>/dev/null || echo 2)

step() { printf '\n==== %s ====\n' "$*"; }

step "build"
# The benchmarks are built too, so that they keep building; they are run by
# tools/measure-performance.sh, not here.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DVELTRIN_BENCHMARKS=ON >/dev/null
cmake --build build -j "$jobs"

step "tests"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")

step "code layout and checks"
sources=$(find src tools tests bench -name '*.cpp' -o -name '*.h' | sort)
# shellcheck disable=SC2086
clang-format --dry-run --Werror $sources
if [ "${1:-}" = quick ]; then
  step "quick: build, tests and layout passed (no clang-tidy, sanitizers or fuzzing)"
  exit 0
fi
run-clang-tidy -p build -quiet -j "$jobs" "^$top/(src|tools)/.*\.cpp$" >build/clang-tidy.log 2>&1 \
  || { grep -E "(warning|error):" build/clang-tidy.log; echo "clang-tidy found faults" >&2; exit 1; }
echo "clang-format and clang-tidy: clean"

step "licences and the Debian package"
reuse lint >build/reuse.log 2>&1 || { cat build/reuse.log; echo "reuse lint found files without a licence" >&2; exit 1; }
tail -n 1 build/reuse.log
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build-release -j "$jobs" --target package >/dev/null
deb=$(ls build-release/veltrin_*.deb)
# Errors fail the run; warnings are listed (the two left are explained in
# docs/packaging.md).
lintian --fail-on error "$deb" 2>&1 | grep -v "running with root privileges" || true
lintian --fail-on error "$deb" >/dev/null 2>&1 || { echo "lintian found errors in $deb" >&2; exit 1; }
echo "reuse lint and lintian: no errors"

step "tests under AddressSanitizer and UndefinedBehaviorSanitizer"
CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELTRIN_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$jobs"
(cd build-asan && \
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  LSAN_OPTIONS=suppressions=$top/tests/lsan.supp:print_suppressions=0 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")

step "fuzzing the bank reader, the bank checker and the progress store's reader"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELTRIN_SANITIZE=ON -DVELTRIN_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build-fuzz -j "$jobs" --target fuzz_bank fuzz_checkbank fuzz_progress
fuzz_seconds=${VELTRIN_FUZZ_SECONDS:-60}
for target in fuzz_bank fuzz_checkbank fuzz_progress; do
  corpus=build-fuzz/corpus/$target
  seeds=tests/fuzz/seeds
  [ "$target" = fuzz_progress ] && seeds=tests/fuzz/seeds-progress
  mkdir -p "$corpus"
  # Inputs that once crashed stay as regression cases.
  if [ "$target" != fuzz_progress ] && compgen -G "tests/fuzz/regressions/*" >/dev/null; then
    build-fuzz/tests/fuzz/$target tests/fuzz/regressions/*
  fi
  build-fuzz/tests/fuzz/$target -max_total_time="$fuzz_seconds" -rss_limit_mb=2048 -timeout=10 \
    -artifact_prefix=build-fuzz/ -print_final_stats=1 "$corpus" "$seeds" 2>build-fuzz/$target.log \
    || { tail -n 40 build-fuzz/$target.log; echo "$target found a fault" >&2; exit 1; }
  grep -E "stat::(number_of_executed_units|average_exec_per_sec)" build-fuzz/$target.log | sed "s/^/$target /"
done

step "all tests passed"
