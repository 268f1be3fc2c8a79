#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Leave Colors On keeps the earlier lamps lit; switched off again, each lamp lights alone. The
# second run is started and stopped from the keyboard.
source "$(dirname "$0")/lib.sh"
lw_start "$1"

lw_key ctrl+l
lw_menu alt+o t f
lw_click_radio 7
lw_start_and_watch GYR 6000 || lw_fail "not every lamp lit within 6 s: ${LW_LOOKS[*]}"
lw_check "looks in turn with colours left on" "--- G-- GY- GYR" "${LW_LOOKS[*]}"
lw_check_lamp_time Y 2
lw_check_lamp_time R 3
lw_click "${LW_STOP_XY[@]}"
lw_wait_until 3000 lw_start_only_shown || lw_fail "START did not come back"
lw_check_soon "lamps after STOP" "GYR" lw_lamps

lw_key ctrl+l
lw_click_radio 7
lw_start_and_watch GYR 6000 alt+s || lw_fail "not every lamp lit within 6 s: ${LW_LOOKS[*]}"
lw_check "looks in turn with the option off" "--- G-- -Y- --R" "${LW_LOOKS[*]}"
lw_check_lamp_time G 1
lw_key alt+p
lw_wait_until 3000 lw_start_only_shown || lw_fail "Alt+P did not stop the run"
lw_wait_until 3000 lw_height_is 520 || lw_fail "height after Alt+P: $(lw_window_height)"
lw_finish
