#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Under a window manager, START and STOP set the outer height, frame included, to 300 and 520
# pixels; a maximised window is let go first.
source "$(dirname "$0")/lib.sh"
LW_WM=openbox lw_start "$1"

lw_click "${LW_START_XY[@]}"
lw_wait_until 3000 lw_outer_height_is 300 || lw_fail "outer height running: $(lw_outer_height)"
lw_click "${LW_STOP_XY[@]}"
lw_wait_until 3000 lw_outer_height_is 520 || lw_fail "outer height stopped: $(lw_outer_height)"

# Maximised by a double click on the title bar, as a person would, then started from the keyboard.
read -r x y _ _ < <(lw_window_geometry)
xdotool mousemove --sync $((x + 200)) $((y - 8)) click --repeat 2 --delay 80 1
lw_wait_until 3000 lw_maximised || lw_fail "the window did not maximise"
lw_key alt+s
lw_wait_until 3000 lw_outer_height_is 300 || lw_fail "outer height running: $(lw_outer_height)"
lw_wait_until 3000 lw_not_maximised || lw_fail "still maximised while running"
lw_check_soon "width while running" "$LW_CLIENT_W" lw_window_width
lw_key alt+p
lw_wait_until 3000 lw_outer_height_is 520 || lw_fail "outer height stopped: $(lw_outer_height)"
kill -0 "$LW_APP_PID" || lw_fail "the timer ended"
lw_finish
