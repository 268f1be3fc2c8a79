#!/usr/bin/env bash
# Sets up, builds and runs every test: once in a plain debug build, once under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh --tests
jobs="$(nproc)"

cmake -S . -B build/debug -DCMAKE_BUILD_TYPE=Debug
cmake --build build/debug -j"$jobs"
(cd build/debug && ctest --output-on-failure -j"$jobs")

cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DLW_SANITIZE=ON
cmake --build build/sanitize -j"$jobs"
(cd build/sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j"$jobs" -LE display)
