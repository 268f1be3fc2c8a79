#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A Wayland session as a user starts the timer there: weston with two outputs, drawn on a private
# X server, and XWayland, with no platform chosen. The timer runs through XWayland: START and
# STOP give the client area its designed heights, Alt+S and Alt+P work right after F11 opens
# the speaker's window, and Ctrl+T opens the report clear of the lit green lamp, read from the
# outputs as drawn.
source "$(dirname "$0")/lib.sh"
command -v weston >/dev/null && command -v Xwayland >/dev/null ||
    { lw_log "missing weston or Xwayland (bash tools/setup.sh --tests)"; exit 1; }
MONITOR_W=1920
MONITOR_H=1080
LW_SCREEN_W=$((2 * MONITOR_W))
LW_SCREEN_H=$MONITOR_H
RUN_TO_STOP_PX=220 # 7800 - 4500 twips

lw_require_tools
lw_load_layout
lw_begin
lw_start_display || exit 1
LW_EYES_DISPLAY=$DISPLAY
export XDG_RUNTIME_DIR="$LW_TMP/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --no-config --backend=x11-backend.so --xwayland --socket=lw-wayland --idle-time=0 \
    --output-count=2 --width=$MONITOR_W --height=$MONITOR_H >"$LW_TMP/weston.log" 2>&1 &
LW_WM_PID=$!
xwayland_display() { sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$LW_TMP/weston.log"; }
output_window() { xwininfo -root -children | awk -v name="\"Weston Compositor - $1\":" '$2 " " $3 " " $4 " " $5 == name { print $1 }'; }
outputs_drawn() { [ -n "$(output_window screen0)" ] && [ -n "$(output_window screen1)" ]; }
lw_wait_until 15000 outputs_drawn && [ -n "$(xwayland_display)" ] ||
    { lw_log "weston did not start:"; cat "$LW_TMP/weston.log" >&2; exit 1; }
# The outputs side by side on the X server, as they stand in the compositor's space.
xdotool windowmove "$(output_window screen1)" $MONITOR_W 0
export DISPLAY WAYLAND_DISPLAY=lw-wayland XDG_SESSION_TYPE=wayland
DISPLAY=$(xwayland_display)
unset QT_QPA_PLATFORM
located_and_dark() { lw_locate_client 2>/dev/null && lw_lamps_are "---"; }
start_timer()
{
    "$1" >>"$LW_TMP/app.log" 2>&1 &
    LW_APP_PID=$!
    lw_wait_until 15000 lw_window_mapped || { lw_log "no window through XWayland"; cat "$LW_TMP/app.log" >&2; exit 1; }
    # The shell places the window once mapped: looked for until the dark light is where the
    # window says.
    lw_wait_until 15000 located_and_dark || lw_fail "lamps never painted dark at start-up"
    read -r x0 y0 w0 h0 < <(lw_window_geometry)
    lw_log "the timer through XWayland at $x0,$y0 size ${w0}x$h0"
}
start_timer "$1"

lw_key alt+s
lw_wait_until 3000 lw_stop_only_shown || lw_fail "Alt+S did not start"
light_lit() { [[ "$(lw_lamps)" =~ ^(G--|-Y-|--R)$ ]]; }
lw_wait_until 8000 light_lit || lw_fail "no lamp lit: $(lw_lamps)"
lw_key alt+p
lw_wait_until 3000 lw_start_only_shown || lw_fail "Alt+P did not stop"
# The light as STOP left it: green, or later on a busy machine.
lit=$(lw_lamps)

lw_key ctrl+t
lw_wait_until 10000 lw_report_shown || lw_fail "Ctrl+T showed no report"
read -r rx ry rw rh < <(lw_window_geometry "$(lw_report_window)")
lw_log "report at $rx,$ry size ${rw}x$rh"
lw_map_point "$LW_LIGHT_W" "$LW_LIGHT_H"
[ "$rx" -ge "$sx" ] || [ $((rx + rw)) -le "$x0" ] || [ "$ry" -ge "$sy" ] ||
    lw_fail "the report covers the light"
lw_check_soon "lamps with the report open" "$lit" lw_lamps
# Once more from the start: weston leaves the keyboard to no window once the report has it.
lw_end_app
start_timer "$1"
# Weston makes the speaker's window full screen on an output of its choosing, the operator's
# included: the run is seen in the window's height.
lw_key F11
speaker_window() { xdotool search --onlyvisible --name "^Speaker's view\$" 2>/dev/null | head -n 1; }
speaker_shown() { [ -n "$(speaker_window)" ]; }
speaker_gone() { ! speaker_shown; }
lw_wait_until 5000 speaker_shown || lw_fail "F11 opened no speaker's window"
# Weston gives it the keyboard once it shows; the keys come after that, as a person's would.
speaker_active() { lw_active_is "$(speaker_window)"; }
lw_wait_until 3000 speaker_active || lw_log "the keyboard stayed with $(xdotool getactivewindow)"
lw_key alt+s
lw_wait_until 3000 lw_height_is $((h0 - RUN_TO_STOP_PX)) || lw_fail "Alt+S right after F11: height $(lw_window_height)"
lw_key alt+p
lw_wait_until 3000 lw_height_is "$h0" || lw_fail "Alt+P right after F11: height $(lw_window_height)"
lw_key F11
lw_wait_until 5000 speaker_gone || lw_fail "F11 did not close the speaker's window"

lw_finish
