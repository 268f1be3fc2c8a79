#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets up, builds and runs every test: a plain debug build (unit, widget and real-display tests),
# the Debian package (built, installed, started and removed again: this changes the system, so
# it asks for sudo when not run as root), and the whole suite once more under AddressSanitizer,
# LeakSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh --tests
jobs="$(nproc)"

cmake -S . -B build/debug -DCMAKE_BUILD_TYPE=Debug
cmake --build build/debug -j"$jobs"
(cd build/debug && ctest --output-on-failure -j"$jobs")

LW_PACKAGE_BUILD_DIR=build/package bash tests/packaging/check_package.sh

cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=Debug -DLW_SANITIZE=ON
cmake --build build/sanitize -j"$jobs"
# The light's server takes a minute of random bytes and requests here.
(cd build/sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    LSAN_OPTIONS="suppressions=$PWD/../../tests/lsan.supp" LW_FUZZ_MS=60000 \
    ctest --output-on-failure -j"$jobs")
