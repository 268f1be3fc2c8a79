#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# START right after launch: no row's thresholds have been taken yet, so nothing lights.
source "$(dirname "$0")/lib.sh"
lw_start "$1"

lw_click "${LW_START_XY[@]}"
lw_wait_until 3000 lw_height_is 300 || lw_fail "height while running: $(lw_window_height)"
lw_stop_only_shown || lw_fail "STOP alone should show while running"
# Watch past the default test row's first threshold (2 s): the light must stay dark throughout.
end=$(($(lw_now_ms) + 3000))
while [ "$(lw_now_ms)" -lt "$end" ]; do
    look=$(lw_lamps)
    if [ "$look" != "---" ]; then
        lw_fail "a lamp lit although no row was chosen: $look"
        break
    fi
done
lw_click "${LW_STOP_XY[@]}"
lw_wait_until 3000 lw_height_is 520 || lw_fail "height after STOP: $(lw_window_height)"
lw_start_only_shown || lw_fail "START alone should show after STOP"
lw_check "lamps after STOP" "---" "$(lw_lamps)"
lw_finish
