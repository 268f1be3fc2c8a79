#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The light as a screen reader finds it over AT-SPI: its name and its lamps' names say which lamps
# are lit, and the name changes once a lamp, not with each second of the overtime flash. On a
# D-Bus session of its own, where the accessibility bus starts on demand, in a runtime folder of
# its own.
source "$(dirname "$0")/lib.sh"
lw_accessible_session

LW_READ_LIGHT=(/usr/bin/python3 "$(dirname "$0")/read_light.py")
lw_light_names() { "${LW_READ_LIGHT[@]}" 2>/dev/null || true; }
lw_file_has() { [ -s "$1" ]; }

lw_start "$1"
grep -qi multimedia "/proc/$LW_APP_PID/maps" && lw_fail "the sounds' module loaded at start-up"
LW_SOON_MS=15000
lw_check_soon "the light at start-up" \
    "Signal light: dark|green lamp, dark|yellow lamp, dark|red lamp, dark" lw_light_names
# No grace, the flash and the marks: the red lamp is drawn anew every second from 7 s.
lw_menu alt+o g n
lw_menu alt+o f
lw_menu alt+o m
# 12 s: the lamps at 2, 4 and 6 s and the flash after them.
"${LW_READ_LIGHT[@]}" count 12 "$LW_TMP/listening" >"$LW_TMP/counted" 2>"$LW_TMP/names" &
counter=$!
lw_wait_until 10000 lw_file_has "$LW_TMP/listening" || lw_fail "the event counter never listened"
lw_click_radio 7
lw_click "${LW_START_XY[@]}"
LW_SOON_MS=6000
lw_check_soon "the light once green lights" \
    "Signal light: green|green lamp, lit|yellow lamp, dark|red lamp, dark" lw_light_names
lw_check_soon "the light once yellow lights" \
    "Signal light: yellow|green lamp, dark|yellow lamp, lit|red lamp, dark" lw_light_names
wait "$counter" || lw_fail "the event counter failed"
lw_check "name changes ($(tr '\n' ',' <"$LW_TMP/names"))" 3 "$(cat "$LW_TMP/counted")"
lw_click "${LW_STOP_XY[@]}"
lw_finish
