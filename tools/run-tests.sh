#!/usr/bin/env bash
# Every test of the project, in the order a failure is cheapest to find:
#   1. the normal build and its tests (engine tests, window tests offscreen)
#   2. the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer
# Called by ./dev.sh test after the machine is set up.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)
jobs=$(nproc 2>/dev/null || echo 2)

step() { printf '\n==== %s ====\n' "$*"; }

step "build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"

step "tests"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")

step "tests under AddressSanitizer and UndefinedBehaviorSanitizer"
CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELTRIN_SANITIZE=ON >/dev/null
cmake --build build-asan -j "$jobs"
(cd build-asan && \
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  LSAN_OPTIONS=suppressions=$top/tests/lsan.supp:print_suppressions=0 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$jobs")

step "all tests passed"
