#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A FAST test run: each lamp alone, on its second; the window's heights; the elapsed time.
source "$(dirname "$0")/lib.sh"
lw_start "$1"

lw_menu alt+o t f
lw_check "FAST green threshold" "00:01" "$(lw_read_box 7 1)"
lw_check "FAST red threshold" "00:03" "$(lw_read_box 7 3)"
lw_click_radio 7
lw_wait_until 3000 lw_selected_rows_are "------Y" ||
    lw_fail "rows with yellow boxes after choosing row 7: $(lw_selected_rows)"

lw_start_and_watch GYR 6000 || lw_fail "not every lamp lit within 6 s: ${LW_LOOKS[*]}"
lw_check "looks in turn" "--- G-- -Y- --R" "${LW_LOOKS[*]}"
lw_check_lamp_time G 1
lw_check_lamp_time Y 2
lw_check_lamp_time R 3
lw_check "height while running" 300 "$(lw_window_height)"
lw_stop_only_shown || lw_fail "STOP alone should show while running"

stop_a=$(lw_now_ms)
lw_click "${LW_STOP_XY[@]}"
stop_b=$(lw_now_ms)
lw_wait_until 3000 lw_height_is 520 || lw_fail "height after STOP: $(lw_window_height)"
lw_wait_until 3000 lw_start_only_shown || lw_fail "START alone should show after STOP"
lw_check_soon "lamps after STOP" "--R" lw_lamps

# The run lasted between these many whole seconds, judged from the moments around both clicks.
fewest=$(((stop_a - LW_T0B) / 1000))
most=$(((stop_b - LW_T0A) / 1000))
shown=$(lw_read_text_at "${LW_ELAPSED_XY[@]}")
ok=0
for ((s = fewest; s <= most; s++)); do
    [ "$shown" = "$(printf '%02d:%02d' $((s / 60)) $((s % 60)))" ] && ok=1
done
if [ "$ok" = 1 ]; then
    lw_log "ok: elapsed time shows $shown (run of $fewest to $most s)"
else
    lw_fail "elapsed time shows '$shown', run lasted $fewest to $most s"
fi

# A new START darkens the light at once.
lw_click "${LW_START_XY[@]}"
lw_wait_until 3000 lw_lamps_are "---" || lw_fail "lamps after a new START: $(lw_lamps)"
lw_check_soon "height while running again" 300 lw_window_height
lw_finish
