#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets up, builds and launches the timer.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release
cmake --build build/release --target lecternworks-timer -j"$(nproc)"
exec build/release/app/lecternworks-timer
