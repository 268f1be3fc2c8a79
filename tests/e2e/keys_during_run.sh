#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The keyboard during and after a speech: the rows are out of reach while it runs, Enter works
# the focused button, and the elapsed time is a result that takes no typing.
source "$(dirname "$0")/lib.sh"
lw_start "$1"

lw_click "${LW_START_XY[@]}"
lw_wait_until 3000 lw_height_is 300 || lw_fail "height while running: $(lw_window_height)"
# Where row 1 would show below the light, only the window's own background is left.
lw_check_soon "below the light while running" "$(lw_pixel 5 250)" lw_pixel "${LW_BOX_X[1]}" 262
lw_key Tab 9 Tab 9 Tab 9 shift+Tab 9 Tab Tab 9
lw_stop_only_shown || lw_fail "keys typed during the run stopped it"
lw_key Return
lw_wait_until 3000 lw_height_is 520 || lw_fail "Enter on STOP: height $(lw_window_height)"
lw_wait_until 3000 lw_start_only_shown || lw_fail "START alone should show after Enter on STOP"
for box in 1 2 3; do
    lw_check "row 1 box $box after typing during the run" "0$((box + 3)):00" "$(lw_read_box 1 "$box")"
done

shown=$(lw_read_text_at "${LW_ELAPSED_XY[@]}")
lw_key End 9 BackSpace Home Delete 9
lw_check "elapsed time after typing into it" "$shown" "$(lw_read_text_at "${LW_ELAPSED_XY[@]}")"
# START comes before the elapsed time in the tab order; Enter presses it.
lw_key shift+Tab Return
lw_wait_until 3000 lw_height_is 300 || lw_fail "Enter on START: height $(lw_window_height)"
lw_wait_until 3000 lw_stop_only_shown || lw_fail "STOP alone should show after Enter on START"
lw_finish
