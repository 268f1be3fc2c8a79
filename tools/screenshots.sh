#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the timer (Release), runs it on a private Xvfb and saves the README's screenshots:
# docs/screenshots/startup.png (the window as it opens), docs/screenshots/running.png (a
# timing run of the "Timer TEST" row at FAST speed with the light at red) and
# docs/screenshots/speaker.png (that run in the speaker's view on a 1920 x 1080 screen, under a
# window manager, scaled to half size).
#
# Settings through the environment: LW_SCREENSHOTS_BUILD_DIR, LW_SCREENSHOTS_DISPLAY (:74).
set -euo pipefail

repo="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath -m "${LW_SCREENSHOTS_BUILD_DIR:-$repo/build/screenshots}")"
display="${LW_SCREENSHOTS_DISPLAY:-:74}"
shots="$repo/docs/screenshots"

"$repo/tools/setup.sh" --tests
cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target lecternworks-timer -j"$(nproc)" >/dev/null
mkdir -p "$shots"

lock="/tmp/.X${display#:}-lock"
if [ -e "$lock" ] && kill -0 "$(tr -d ' ' <"$lock")" 2>/dev/null; then
    echo "display $display is in use; set LW_SCREENSHOTS_DISPLAY" >&2
    exit 1
fi
# -noreset: otherwise the server resets whenever its last client leaves, refusing connections
# for a moment.
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
app_pid=""
wm_pid=""
cleanup() {
    [ -z "$app_pid" ] || kill "$app_pid" 2>/dev/null || true
    [ -z "$wm_pid" ] || kill "$wm_pid" 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY="$display" QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

# wait_for WHAT SECONDS COMMAND...: polls COMMAND until it succeeds or the deadline passes.
wait_for() {
    local what="$1" limit="$2"
    shift 2
    local deadline=$((SECONDS + limit))
    until "$@"; do
        [ $SECONDS -lt $deadline ] || { echo "timed out waiting for $what" >&2; exit 1; }
        sleep 0.1
    done
}
wait_for "Xvfb" 20 xdpyinfo -display "$display" >/dev/null 2>&1

"$build/app/lecternworks-timer" >/dev/null 2>&1 &
app_pid=$!
find_window() { win="$(xdotool search --onlyvisible --name 'Lecternworks Timer - Version' 2>/dev/null | head -1)"; [ -n "$win" ]; }
wait_for "the timer's window" 30 find_window
geometry="$(xwininfo -id "$win")"
wx="$(awk '/Absolute upper-left X/ {print $NF}' <<<"$geometry")"
wy="$(awk '/Absolute upper-left Y/ {print $NF}' <<<"$geometry")"

# Positions in the window (read off a screenshot; no window manager, so the menu bar is the
# top of the window): lamp centres, a point of the light's panel that the Options menu covers
# when open, one that its Timer Test Speed submenu covers, START and the TEST row's button.
green_lamp=(171 140)
red_lamp=(494 140)
options_menu=(68 8)
options_popup_point=(100 53)
speed_submenu_point=(350 53)
test_row_button=(23 455)
start_button=(73 215)

# rgb X Y: the screen's colour at a window position, as "R G B".
rgb() { import -window root -crop "1x1+$((wx + $1))+$((wy + $2))" -depth 8 rgb:- | od -An -tu1 | xargs; }
is_panel() { read -r r g b <<<"$(rgb "$@")"; [ "$r" -lt 140 ] && [ "$r" -eq "$g" ] && [ "$g" -eq "$b" ]; }
is_light() { read -r r g b <<<"$(rgb "$@")"; [ "$r" -gt 200 ] && [ "$g" -gt 200 ] && [ "$b" -gt 200 ]; }
is_red() { read -r r g b <<<"$(rgb "$@")"; [ "$r" -gt 200 ] && [ "$g" -lt 100 ] && [ "$b" -lt 100 ]; }
click() { xdotool mousemove $((wx + $1)) $((wy + $2)) click 1; }

# Drawn: the green lamp's centre shows the dark panel, not the background of an empty window.
wait_for "the light to be drawn" 20 is_panel "${green_lamp[@]}"
import -window "$win" "$shots/startup.png"

# Options -> Timer Test Speed -> FAST, by the menus' own letters once each menu is open.
click "${options_menu[@]}"
wait_for "the Options menu" 10 is_light "${options_popup_point[@]}"
xdotool key t
wait_for "the Timer Test Speed menu" 10 is_light "${speed_submenu_point[@]}"
xdotool key f
wait_for "the menus to close" 10 is_panel "${options_popup_point[@]}"

click "${test_row_button[@]}"
click "${start_button[@]}"
xdotool mousemove $((wx + 640)) $((wy + 10)) # keep the pointer off the light
wait_for "the red lamp" 20 is_red "${red_lamp[@]}"
import -window "$win" "$shots/running.png"

# The speaker's view needs a window manager to fill the screen.
openbox >/dev/null 2>&1 &
wm_pid=$!
framed() { xprop -id "$win" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '='; }
wait_for "openbox to frame the window" 20 framed
xdotool windowactivate "$win"
active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$win" ]; }
wait_for "the window to be active" 20 active
xdotool key F11
full_screen() {
    [ "$(xwininfo -id "$win" | awk '/Absolute upper-left|Width:|Height:/ {printf "%s ", $NF}')" = "0 0 1920 1080 " ]
}
wait_for "the speaker's view" 20 full_screen
wx=0
wy=0
xdotool mousemove 0 0
# The red lamp's centre at the view's scale: the light fills the width, 1920 / 660.
wait_for "the red lamp in the speaker's view" 20 is_red 1437 542
import -window root -resize 50% -depth 8 "$shots/speaker.png"

echo "saved $shots/startup.png, $shots/running.png and $shots/speaker.png"
