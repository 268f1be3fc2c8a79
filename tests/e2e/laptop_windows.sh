#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A 1366 x 768 laptop, the timer centred by the window manager: Ctrl+T moves it to the left edge
# and opens the meeting window beside it; that window, its Print Preview, Back Up Meetings and
# the pairing window each open clear of the timer and whole on the screen.
source "$(dirname "$0")/lib.sh"
LW_SCREEN_W=1366
LW_SCREEN_H=768
LW_WM=openbox lw_start "$1"

clear_and_whole()
{
    local l t r b tl tt tr tb
    read -r l t r b <<<"$(lw_framed "$1")"
    read -r tl tt tr tb <<<"$(lw_framed "$LW_WIN")"
    [ "$l" -ge 0 ] && [ "$t" -ge 0 ] && [ "$r" -le "$LW_SCREEN_W" ] && [ "$b" -le "$LW_SCREEN_H" ] &&
        { [ "$l" -ge "$tr" ] || [ "$r" -le "$tl" ] || [ "$t" -ge "$tb" ] || [ "$b" -le "$tt" ]; }
}
named() { xdotool search --onlyvisible --name "^$1" 2>/dev/null | head -n 1; }
shown() { [ -n "$(named "$1")" ]; }
# Waits for the window titled "$1" and checks where it is.
check_clear()
{
    lw_wait_until 10000 shown "$1" || { lw_fail "no window '$1'"; lw_finish; }
    lw_wait_until 5000 clear_and_whole "$(named "$1")" || lw_fail "$1 at $(lw_framed "$(named "$1")"), the timer at $(lw_framed "$LW_WIN")"
}

lw_open_report
[ "$(lw_framed "$LW_WIN" | cut -d' ' -f1)" = 0 ] || lw_fail "Ctrl+T left the timer at $(lw_framed "$LW_WIN")"
check_clear "Timer's Report"
lw_check_soon "lamps beside the meeting window" "---" lw_lamps
lw_focus_report
lw_key alt+v
check_clear "Print Preview"
lw_focus_timer
lw_menu_item alt+f b
check_clear "Back Up Meetings"
lw_focus_timer
lw_menu_item alt+o o
check_clear "Light on Other Devices"
lw_finish
