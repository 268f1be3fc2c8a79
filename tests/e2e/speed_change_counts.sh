#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A test speed chosen from the menu shows its thresholds at once and times the next START, with
# no new click on row 7.
source "$(dirname "$0")/lib.sh"
lw_start "$1"

lw_menu alt+o t f
lw_check "FAST yellow threshold" "00:02" "$(lw_read_box 7 2)"
lw_start_and_watch G 4000 || lw_fail "green never lit: ${LW_LOOKS[*]}"
lw_check_lamp_time G 1
lw_click "${LW_STOP_XY[@]}"
lw_wait_until 3000 lw_start_only_shown || lw_fail "START did not come back"

lw_menu alt+o t s
lw_start_and_watch G 6000 || lw_fail "green never lit: ${LW_LOOKS[*]}"
lw_check_lamp_time G 3
lw_finish
