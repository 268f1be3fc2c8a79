#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A laptop's 1366 x 768 screen, the timer centred on it: no room beside the timer for the
# meeting window, so Ctrl+T moves the timer to the screen's left edge and opens the window
# beside it. The meeting window, its Print Preview, Back Up Meetings and the light's pairing
# window each open clear of the timer and whole on the screen.
source "$(dirname "$0")/lib.sh"
LW_SCREEN_W=1366
LW_SCREEN_H=768
LW_WM=openbox lw_start "$1"

# "left top right bottom" of a window with the frame the window manager draws, right and bottom
# just outside it.
framed()
{
    local x y w h left right top bottom
    read -r x y w h < <(lw_window_geometry "$1")
    IFS=', ' read -r left right top bottom <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p')"
    echo $((x - ${left:-0})) $((y - ${top:-0})) $((x + w + ${right:-0})) $((y + h + ${bottom:-0}))
}
# Whether the window is whole on the screen and beside the timer, not over any of it.
clear_and_whole()
{
    local l t r b tl tt tr tb
    read -r l t r b <<<"$(framed "$1")"
    read -r tl tt tr tb <<<"$(framed "$LW_WIN")"
    [ "$l" -ge 0 ] && [ "$t" -ge 0 ] && [ "$r" -le "$LW_SCREEN_W" ] && [ "$b" -le "$LW_SCREEN_H" ] &&
        { [ "$l" -ge "$tr" ] || [ "$r" -le "$tl" ] || [ "$t" -ge "$tb" ] || [ "$b" -le "$tt" ]; }
}
check_clear() { lw_wait_until 5000 clear_and_whole "$1" || lw_fail "$2 at $(framed "$1"), the timer at $(framed "$LW_WIN")"; }
window_named() { xdotool search --onlyvisible --name "^$1" 2>/dev/null | head -n 1; }
shown() { [ -n "$(window_named "$1")" ]; }
gone() { ! shown "$1"; }

read -r l t r b <<<"$(framed "$LW_WIN")"
xdotool windowmove "$LW_WIN" $(((LW_SCREEN_W - r + l) / 2)) $(((LW_SCREEN_H - b + t) / 2))
centred() { read -r l _ r _ <<<"$(framed "$LW_WIN")"; [ $((l + r - LW_SCREEN_W)) -ge -4 ] && [ $((l + r - LW_SCREEN_W)) -le 4 ]; }
lw_wait_until 5000 centred || lw_fail "the timer was not centred: $(framed "$LW_WIN")"

lw_open_report
at_left_edge() { [ "$(framed "$LW_WIN" | cut -d' ' -f1)" = 0 ]; }
lw_wait_until 5000 at_left_edge || lw_fail "Ctrl+T left the timer at $(framed "$LW_WIN")"
check_clear "$(lw_report_window)" "the meeting window"
# The timer's light, moved, still shows.
lw_check_soon "lamps beside the meeting window" "---" lw_lamps

lw_focus_report
lw_key alt+v
lw_wait_until 10000 shown "Print Preview" || { lw_fail "no Print Preview"; lw_finish; }
check_clear "$(window_named "Print Preview")" "Print Preview"
lw_focus "$(window_named "Print Preview")"
lw_key Escape
lw_wait_until 5000 gone "Print Preview" || lw_fail "Esc left Print Preview open"

# A menu's item by its letters; not lw_menu: the window it opens counts as a menu still open.
menu_item()
{
    local windows
    lw_focus_timer
    windows=$(lw_visible_windows)
    lw_key "$1"
    lw_wait_until 5000 lw_menu_shown "$windows" || lw_fail "$1 opened no menu"
    lw_key "$2"
}
menu_item alt+f b
lw_wait_until 10000 shown "Back Up Meetings" || { lw_fail "no Back Up Meetings"; lw_finish; }
check_clear "$(window_named "Back Up Meetings")" "Back Up Meetings"
lw_focus "$(window_named "Back Up Meetings")"
lw_key Escape
lw_wait_until 5000 gone "Back Up Meetings" || lw_fail "Esc left Back Up Meetings open"

menu_item alt+o o
lw_wait_until 10000 shown "Light on Other Devices" || { lw_fail "no pairing window"; lw_finish; }
check_clear "$(window_named "Light on Other Devices")" "the pairing window"
lw_finish
