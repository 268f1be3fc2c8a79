#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the timer (Release), runs it on a private Xvfb and saves the README's screenshots:
# docs/screenshots/startup.png (the window as it opens) and docs/screenshots/running.png (a
# timing run of the "Timer TEST" row at FAST speed with the light at red).
#
# Settings through the environment: LW_SCREENSHOTS_BUILD_DIR, LW_SCREENSHOTS_DISPLAY (:74).
set -euo pipefail

repo="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath -m "${LW_SCREENSHOTS_BUILD_DIR:-$repo/build/screenshots}")"
display="${LW_SCREENSHOTS_DISPLAY:-:74}"
shots="$repo/docs/screenshots"
source "$repo/tools/lib.sh"

"$repo/tools/setup.sh" --tests
cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target lecternworks-timer -j"$(nproc)" >/dev/null
mkdir -p "$shots"

# The window as it opens, once painted.
lw_start "$build/app/lecternworks-timer" "$display"
[ "$LW_FAILURES" -eq 0 ] || exit 1
import -window "$LW_WIN" "$shots/startup.png"

# Options -> Timer Test Speed -> FAST, then the TEST row takes its thresholds.
lw_menu alt+o t f
lw_click_radio 7
lw_click "${LW_START_XY[@]}"
lw_pointer_away
lw_wait_until 20000 lw_lamps_are "--R" || lw_fail "the red lamp never lit alone"
[ "$LW_FAILURES" -eq 0 ] || exit 1
import -window "$LW_WIN" "$shots/running.png"

echo "saved $shots/startup.png and $shots/running.png"
