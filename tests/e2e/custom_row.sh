#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Thresholds typed into the empty CUSTOM row: only digits go in, a colon typed early ends the
# minutes ("0:01" reads 00:01); chosen, they time the run.
source "$(dirname "$0")/lib.sh"
lw_start "$1"

typed=("" "0:01" "0002" "0 0 0 3")
for box in 1 2 3; do
    lw_click_box 6 "$box"
    lw_key Home
    lw_type "${typed[$box]}"
done
lw_check "CUSTOM green" "00:01" "$(lw_read_box 6 1)"
lw_check "CUSTOM yellow" "00:02" "$(lw_read_box 6 2)"
lw_check "CUSTOM red" "00:03" "$(lw_read_box 6 3)"
lw_check "rows with yellow boxes while typing" "------Y" "$(lw_selected_rows)"

lw_click_radio 6
lw_wait_until 3000 lw_selected_rows_are "-----Y-" ||
    lw_fail "rows with yellow boxes after choosing CUSTOM: $(lw_selected_rows)"
lw_start_and_watch GYR 6000 || lw_fail "not every lamp lit within 6 s: ${LW_LOOKS[*]}"
lw_check "looks in turn" "--- G-- -Y- --R" "${LW_LOOKS[*]}"
lw_check_lamp_time G 1
lw_check_lamp_time Y 2
lw_check_lamp_time R 3
lw_finish
