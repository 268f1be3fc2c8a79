#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Choosing FAST shows its thresholds at once, but the run keeps the thresholds taken when
# row 7 was chosen (MED) until its button is clicked again.
source "$(dirname "$0")/lib.sh"
lw_start "$1"

lw_menu alt+o t f
lw_check "FAST yellow threshold" "00:02" "$(lw_read_box 7 2)"
lw_start_and_watch G 5000 || lw_fail "green never lit: ${LW_LOOKS[*]}"
lw_check_lamp_time G 2
lw_click "${LW_STOP_XY[@]}"
lw_wait_until 3000 lw_start_only_shown || lw_fail "START did not come back"

lw_click_radio 7
lw_start_and_watch G 4000 || lw_fail "green never lit: ${LW_LOOKS[*]}"
lw_check_lamp_time G 1
lw_finish
