#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The timer as a user starts it in a Wayland session (weston, two outputs drawn on a private X
# server, with XWayland), no platform chosen: it runs through XWayland. Alt+S and Alt+P work
# and give the client area its designed heights right after F11 opens the speaker's window;
# Ctrl+T opens the report clear of the lit lamp, read from the outputs as drawn.
source "$(dirname "$0")/lib.sh"
command -v weston >/dev/null && command -v Xwayland >/dev/null ||
    { lw_log "missing weston or Xwayland (bash tools/setup.sh --tests)"; exit 1; }
MONITOR_W=1920
LW_SCREEN_W=$((2 * MONITOR_W)) LW_SCREEN_H=1080
RUN_TO_STOP_PX=220 # 7800 - 4500 twips
lw_require_tools
lw_load_layout
lw_begin
lw_start_display || exit 1
LW_EYES_DISPLAY=$DISPLAY
export XDG_RUNTIME_DIR="$LW_TMP/runtime" WAYLAND_DISPLAY=lw-wayland XDG_SESSION_TYPE=wayland
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --no-config --backend=x11-backend.so --xwayland --socket=lw-wayland --idle-time=0 \
    --output-count=2 --width=$MONITOR_W --height=$LW_SCREEN_H >"$LW_TMP/weston.log" 2>&1 &
LW_WM_PID=$!
xwayland_display() { sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$LW_TMP/weston.log"; }
output() { xwininfo -root -children | awk -v n="\"Weston Compositor - $1\":" '$2" "$3" "$4" "$5 == n { print $1 }'; }
weston_up() { [ -n "$(output screen0)" ] && [ -n "$(output screen1)" ] && [ -n "$(xwayland_display)" ]; }
lw_wait_until 15000 weston_up || { lw_log "weston did not start:"; cat "$LW_TMP/weston.log" >&2; exit 1; }
xdotool windowmove "$(output screen1)" $MONITOR_W 0 # as the outputs stand in weston's space
DISPLAY=$(xwayland_display)
unset QT_QPA_PLATFORM
"$1" >>"$LW_TMP/app.log" 2>&1 &
LW_APP_PID=$!
lw_wait_until 15000 lw_window_mapped || { lw_log "no window through XWayland"; cat "$LW_TMP/app.log" >&2; exit 1; }
# The shell places the window once mapped: looked for until the dark light is where it says.
located_and_dark() { lw_locate_client 2>/dev/null && lw_lamps_are "---"; }
lw_wait_until 15000 located_and_dark || lw_fail "lamps never painted dark at start-up"
read -r x0 _ _ h0 < <(lw_window_geometry)

# Weston shows the speaker's window on an output of its choosing and gives it the keyboard.
lw_key F11
speaker() { xdotool search --onlyvisible --name "^Speaker's view\$" 2>/dev/null | head -n 1; }
speaker_active() { lw_active_is "$(speaker)"; }
lw_wait_until 5000 speaker_active || lw_log "the keyboard stayed with $(xdotool getactivewindow)"
# The speaker's window hands the keyboard back as it comes up, and weston may leave it to no
# window in between: keys go once it has stayed with one of the program's windows a moment.
keyboard_settled() {
    local focus
    focus=$(xdotool getwindowfocus 2>/dev/null)
    if [ "$focus" != "${settled_on:-}" ]; then
        settled_on=$focus settled_since=$(lw_now_ms)
        return 1
    fi
    { [ "$focus" = "$LW_WIN" ] || [ "$focus" = "$(speaker)" ]; } &&
        [ $(($(lw_now_ms) - settled_since)) -ge 300 ]
}
lw_wait_until 5000 keyboard_settled || lw_fail "the keyboard is with no window of the program: $settled_on"
lw_key alt+s
lw_wait_until 3000 lw_height_is $((h0 - RUN_TO_STOP_PX)) || lw_fail "Alt+S after F11: height $(lw_window_height)"
light_lit() { [[ "$(lw_lamps)" =~ ^(G--|-Y-|--R)$ ]]; }
lw_key alt+p
lw_wait_until 3000 lw_height_is "$h0" || lw_fail "Alt+P after F11: height $(lw_window_height)"
lw_key F11
speaker_gone() { [ -z "$(speaker)" ]; }
lw_wait_until 5000 speaker_gone || lw_fail "F11 did not close the speaker's window"
lw_focus "$LW_WIN" # weston leaves the keyboard to no window then, as after the report

lw_key alt+s
lw_wait_until 8000 light_lit || lw_fail "no lamp lit: $(lw_lamps)"
lw_key alt+p
lw_wait_until 3000 lw_start_only_shown || lw_fail "Alt+P did not stop"
lit=$(lw_lamps)
lw_key ctrl+t
lw_wait_until 10000 lw_report_shown || lw_fail "Ctrl+T showed no report"
read -r rx ry rw _ < <(lw_window_geometry "$(lw_report_window)")
lw_map_point "$LW_LIGHT_W" "$LW_LIGHT_H"
[ "$rx" -ge "$sx" ] || [ $((rx + rw)) -le "$x0" ] || [ "$ry" -ge "$sy" ] || lw_fail "the report covers the light"
lw_check_soon "lamps with the report open" "$lit" lw_lamps
lw_finish
