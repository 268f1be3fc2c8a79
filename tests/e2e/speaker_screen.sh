#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The speaker's screen on two monitors side by side under a window manager: F11 puts the light
# full screen on the second monitor while the operator's window keeps its place, its size and
# the keys; the lamps light on their seconds on both lights. Past the red lamp (FAST, no grace)
# the red stays steady, and with Flash When Over Time it is dark and lit in alternate seconds
# on both. F11 closes the speaker's window.
source "$(dirname "$0")/lib.sh"
MONITOR_W=1280
MONITOR_H=720
SPEAKER_TITLE="Speaker's view"

LW_SCREEN_W=$((2 * MONITOR_W))
LW_SCREEN_H=$MONITOR_H
LW_MONITORS=2
LW_WM=openbox lw_start "$1"
read -r x0 y0 w0 h0 < <(lw_window_geometry)
[ $((x0 + w0)) -le $MONITOR_W ] || lw_fail "the window is not on the first monitor: $x0 $y0 $w0 $h0"

lw_menu alt+o t f
lw_menu alt+o g n

speaker_window() { xdotool search --onlyvisible --name "^${SPEAKER_TITLE}\$" 2>/dev/null | head -n 1; }
speaker_shown() { [ -n "$(speaker_window)" ]; }
speaker_geometry() { lw_window_geometry "$(speaker_window)"; }
speaker_gone() { ! speaker_shown; }
place_and_width() { lw_window_geometry | awk '{ print $1, $2, $3 }'; }
active_is_operator() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$LW_WIN" ]; }

lw_key F11
lw_wait_until 5000 speaker_shown || lw_fail "F11 opened no speaker's window"
lw_check_soon "speaker's window" "$MONITOR_W 0 $MONITOR_W $MONITOR_H" speaker_geometry
lw_check_soon "operator's window" "$x0 $y0 $w0 $h0" lw_window_geometry
active_is_operator || lw_fail "the speaker's window took the focus: $(xdotool getactivewindow)"

# Each lamp point on the speaker's light, the light as designed on its own at the scale that
# fits the monitor's width, relative to the operator's client area as lw_pixels takes them.
light_top=$(((MONITOR_H - LW_LIGHT_OWN_H * MONITOR_W / LW_LIGHT_OWN_W) / 2))
SPEAKER_X=()
for i in 0 1 2; do
    SPEAKER_X[i]=$((MONITOR_W + LW_LAMP_X[i] * MONITOR_W / LW_LIGHT_OWN_W - LW_ORIGIN_X))
done
SPEAKER_Y=$((light_top + LW_LAMP_Y * MONITOR_W / LW_LIGHT_OWN_W - LW_ORIGIN_Y))

# Both lights in one screenshot: a lamp's letter where both show it alike, "?" where not.
operator_lamps() { lw_lamps; }
lamp_letter()
{
    local rgb=$1 i=$2 letters=(G Y R)
    if [ "$rgb" = "${LW_LAMP_RGB[$i]}" ]; then
        echo "${letters[$i]}"
    elif [ "$rgb" = "$LW_PANEL_RGB" ]; then
        echo "-"
    else
        echo "?"
    fi
}
lw_lamps()
{
    local -a rgb
    read -r -a rgb < <(lw_pixels "${LW_LAMP_X[0]}" "$LW_LAMP_Y" "${LW_LAMP_X[1]}" "$LW_LAMP_Y" \
        "${LW_LAMP_X[2]}" "$LW_LAMP_Y" "${SPEAKER_X[0]}" "$SPEAKER_Y" "${SPEAKER_X[1]}" \
        "$SPEAKER_Y" "${SPEAKER_X[2]}" "$SPEAKER_Y")
    local look="" i a b
    for i in 0 1 2; do
        a=$(lamp_letter "${rgb[$i]:-}" "$i")
        b=$(lamp_letter "${rgb[$((i + 3))]:-}" "$i")
        if [ "$a" = "$b" ]; then look+=$a; else look+="?"; fi
    done
    echo "$look"
}
lw_check_soon "both lights before START" "---" lw_lamps

# Watches both lights for "$1" ms from now; LOOKS holds each change as "ms:look" from T0.
watch_looks()
{
    local end=$(($(lw_now_ms) + $1)) look last=""
    LOOKS=()
    while [ "$(lw_now_ms)" -lt "$end" ]; do
        look=$(lw_lamps)
        if [ "$look" != "$last" ]; then
            LOOKS+=("$(($(lw_now_ms) - LW_T0A)):$look")
            last=$look
        fi
    done
}

# START by key on the operator's window: FAST lights green at 1 s, yellow 2 s, red 3 s.
lw_start_and_watch GYR 6000 alt+s || lw_fail "lamps seen on both: ${LW_LOOKS[*]}"
lw_check_lamp_time G 1
lw_check_lamp_time Y 2
lw_check_lamp_time R 3
# Not chosen, the flash never comes: the red stays lit on both past its limit.
watch_looks 2500
lw_check "both lights past the limit without the flash" "--R" "$(printf '%s\n' "${LOOKS[@]}" | cut -d: -f2 | sort -u | tr '\n' ' ' | sed 's/ $//')"
lw_key alt+p
lw_wait_until 3000 lw_start_only_shown || lw_fail "Alt+P on the operator's window did not stop"
lw_check_soon "operator's window after STOP" "$x0 $y0 $w0" place_and_width

# With the flash: red at 3 s, dark from 4 s, lit from 5 s, dark from 6 s.
lw_menu alt+o f
lw_start_and_watch R 6000 alt+s || lw_fail "red never lit on both: ${LW_LOOKS[*]}"
lw_check_lamp_time R 3
watch_looks $((6500 - ($(lw_now_ms) - LW_T0A)))
lw_log "both lights with the flash: ${LOOKS[*]}"
changes=()
for entry in "${LOOKS[@]}"; do
    [ "${entry#*:}" = "?" ] || [[ "${entry#*:}" == *"?"* ]] && continue
    changes+=("$entry")
done
turns="$(printf '%s\n' "${changes[@]}" | cut -d: -f2 | tr '\n' ' ' | sed 's/ $//')"
if [ "${turns%% *}" = "---" ]; then
    # The first look came after the red's first dark second: a busy machine, not a wrong light.
    lw_timing_miss "the first look was past 4 s: $turns"
else
    lw_check "red lit and dark in turn" "--R --- --R ---" "$turns"
fi
for pair in "1 4000" "2 5000" "3 6000"; do
    read -r index due <<<"$pair"
    entry=${changes[$index]:-}
    seen=${entry%%:*}
    if [ -z "$seen" ] || [ "$seen" -lt "$due" ] || [ "$seen" -gt $((due + LW_LATE_MS + 300)) ]; then
        lw_timing_miss "red turned ${entry#*:} at ${seen:-never} ms, due at $due"
    fi
done
lw_key alt+p
lw_wait_until 3000 lw_start_only_shown || lw_fail "Alt+P did not stop the second run"
lw_check_soon "red steady after STOP" "--R" lw_lamps
watch_looks 1500
lw_check "red after STOP" "--R" "$(printf '%s\n' "${LOOKS[@]}" | cut -d: -f2 | sort -u | tr '\n' ' ' | sed 's/ $//')"

lw_key F11
lw_wait_until 5000 speaker_gone || lw_fail "F11 did not close the speaker's window"
lw_check_soon "operator's window at the end" "$x0 $y0 $w0" place_and_width
lw_finish
