#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Options > Light for Screen Capture on a real display: a frameless window whose badge lamps
# follow the window's lamps, the chroma key's green everywhere else; the timer keeps the keyboard
# while it is open, and the window comes back where it was left after a restart.
source "$(dirname "$0")/lib.sh"
LW_WM=openbox lw_start "$1"
TITLE="Light for Screen Capture"
capture_window() { xdotool search --onlyvisible --name "^${TITLE}\$" 2>/dev/null | head -n 1; }
capture_shown() { [ -n "$(capture_window)" ]; }
open_capture()
{
    local menus
    lw_focus_timer
    menus=$(lw_visible_windows)
    lw_key alt+o
    lw_wait_until 5000 lw_menu_shown "$menus" || lw_fail "Alt+O opened no menu"
    lw_key c
    lw_wait_until 5000 capture_shown || lw_fail "Options > $TITLE opened no window"
}
# The window's pixels at x y pairs, as "r,g,b" each.
capture_pixels()
{
    local expr=""
    while [ $# -ge 2 ]; do
        expr+="%[fx:round(255*p{$1,$2}.r)],%[fx:round(255*p{$1,$2}.g)],%[fx:round(255*p{$1,$2}.b)] "
        shift 2
    done
    import -window "$(capture_window)" png:- 2>/dev/null | convert png:- -format "${expr% }" info:-
}
# The badge's lamps as "GYR" with "-" for dark, "?" for anything else; a 480x270 window with
# the badge of a quarter of its height in the top right corner.
SIDE=$((270 * 25 / 100)) GAP=$((270 * 25 / 100 / 5))
LEFT=$((480 - GAP - 3 * SIDE - 2 * GAP)) MID=$((GAP + SIDE / 2))
capture_lamps()
{
    local look="" i lit=(0,255,0 255,255,0 255,0,0) names=GYR pixels
    read -r -a pixels < <(capture_pixels $((LEFT + SIDE / 2)) $MID $((LEFT + SIDE + GAP + SIDE / 2)) $MID \
        $((LEFT + 2 * (SIDE + GAP) + SIDE / 2)) $MID)
    for i in 0 1 2; do
        case "${pixels[$i]}" in
            "${lit[$i]}") look+=${names:$i:1} ;;
            43,43,43) look+="-" ;;
            *) look+="?" ;;
        esac
    done
    echo "$look"
}
capture_look_is() { [ "$(capture_lamps)" = "$1" ]; }
KEY=0,177,64

open_capture
lw_check "the timer keeps the keyboard" "$LW_WIN" "$(xdotool getactivewindow)"
lw_check "its size" "480x270" "$(xdotool getwindowgeometry "$(capture_window)" | sed -n 's/.*Geometry: //p')"
lw_check "the key colour around the badge" "$KEY $KEY $KEY $KEY" "$(capture_pixels 3 3 3 266 240 266 476 266)"
lw_wait_until 5000 capture_look_is "$(lw_lamps)" || lw_fail "lamps at start: $(capture_lamps) for $(lw_lamps)"

# A click into it takes nothing from the timer: its menu still opens on Alt+O.
capture=$(capture_window)
xdotool mousemove --sync --window "$capture" 100 200 click 1
lw_check "the timer active after a click into it" "$LW_WIN" "$(xdotool getactivewindow)"
menus=$(lw_visible_windows)
lw_key alt+o
lw_wait_until 5000 lw_menu_shown "$menus" || lw_fail "the timer's Alt+O went elsewhere"
lw_key Escape

lw_click "${LW_START_XY[@]}"
for look in G-- -Y- --R; do
    lw_wait_until 15000 lw_lamps_are "$look" || lw_fail "the window never showed $look"
    lw_wait_until 1000 capture_look_is "$look" || lw_fail "capture shows $(capture_lamps) for $look"
done
lw_click "${LW_STOP_XY[@]}"

# Where it was left, it opens again after a restart.
xdotool windowmove --sync "$capture" 40 480
lw_wait_until 3000 eval '[ "$(xdotool getwindowgeometry "$capture" | sed -n "s/.*Position: //p")" = "40,480 (screen: 0)" ]' ||
    lw_log "moved to $(xdotool getwindowgeometry "$capture" | sed -n 's/.*Position: //p')"
lw_focus_timer
lw_key ctrl+q
lw_await_app_exit 10000 || lw_fail "the timer did not quit"
lw_launch "$1"
open_capture
lw_check "back where it was left" "40,480 (screen: 0)" \
    "$(xdotool getwindowgeometry "$(capture_window)" | sed -n 's/.*Position: //p')"
lw_finish
