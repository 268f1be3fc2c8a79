#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# START right after launch times the row shown selected, "Timer TEST" at MED; a second START
# times the whole light again, as for the next speaker in the same category.
source "$(dirname "$0")/lib.sh"
lw_start "$1"

for speaker in first second; do
    lw_start_and_watch GYR 9000 || lw_fail "$speaker run: not every lamp lit: ${LW_LOOKS[*]}"
    lw_check "$speaker run: looks in turn" "--- G-- -Y- --R" "${LW_LOOKS[*]}"
    lw_check_lamp_time G 2
    lw_check_lamp_time Y 4
    lw_check_lamp_time R 6
    lw_click "${LW_STOP_XY[@]}"
    lw_wait_until 3000 lw_height_is 520 || lw_fail "height after STOP: $(lw_window_height)"
    lw_wait_until 3000 lw_start_only_shown || lw_fail "START alone should show after STOP"
done
lw_finish
