#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Speeches timed with no grace period are in the meeting's record with their verdicts the moment
# STOP returns: a kill -9 right after loses none of them. Started again, the timer records a run
# ended by SIGTERM (the desktop logging out) as not stopped.
source "$(dirname "$0")/lib.sh"
command -v sqlite3 >/dev/null || { lw_log "sqlite3 missing (bash tools/setup.sh --tests)"; exit 1; }
lw_start "$1"
record="$XDG_DATA_HOME/lecternworks-timer/meetings.sqlite"

lw_menu alt+o g n
for box in 1 2 3; do
    lw_click_box 6 "$box"
    lw_key Home
    lw_type "000$((box + 2))"
done
lw_click_radio 6

since_start_ms() { [ $(($(lw_now_ms) - LW_T0A)) -ge "$1" ]; }

# Under: stopped 2.4 s in, before green at 3 s.
lw_start_and_watch "" 0
lw_wait_until 5000 since_start_ms 2400
lw_click "${LW_STOP_XY[@]}"
lw_wait_until 5000 lw_start_only_shown || lw_fail "START never came back"
# Qualified: stopped as green lights.
lw_start_and_watch G 6000 || lw_fail "green never lit: ${LW_LOOKS[*]}"
lw_click "${LW_STOP_XY[@]}"
lw_wait_until 5000 lw_start_only_shown || lw_fail "START never came back"
# Over: stopped 1.5 s after red at 5 s.
lw_start_and_watch R 8000 || lw_fail "red never lit: ${LW_LOOKS[*]}"
lw_wait_until 5000 since_start_ms 6500
lw_click "${LW_STOP_XY[@]}"
lw_wait_until 5000 lw_start_only_shown || lw_fail "START never came back"
# A rehearsal on the TEST row.
lw_click_radio 7
lw_start_and_watch G 5000 || lw_fail "green never lit: ${LW_LOOKS[*]}"
lw_click "${LW_STOP_XY[@]}"
lw_wait_until 5000 lw_start_only_shown || lw_fail "START never came back"

kill -9 "$LW_APP_PID"
wait "$LW_APP_PID" 2>/dev/null || true
LW_APP_PID=""

rows() { sqlite3 "$record" "$1" 2>&1 | tr '\n' ' ' | sed 's/ $//'; }
lw_check "speeches after kill -9 (row|elapsed|verdict|rehearsal)" \
    "6|2|under time by 0:01|0 6|3|qualified|0 6|6|over time by 0:01|0 7|2||1" \
    "$(rows "SELECT row_index, elapsed_seconds, verdict, rehearsal FROM speech ORDER BY id")"
lw_check "thresholds as timed" "00:03 00:04 00:05 3 4 5" \
    "$(rows "SELECT green_text, yellow_text, red_text, green_seconds, yellow_seconds, red_seconds
             FROM speech WHERE id = 1" | tr '|' ' ')"

lw_launch "$1"
lw_start_and_watch G 5000 || lw_fail "green never lit after the restart: ${LW_LOOKS[*]}"
kill -TERM "$LW_APP_PID"
app_gone() { ! kill -0 "$LW_APP_PID" 2>/dev/null; }
lw_wait_until 5000 app_gone || lw_fail "the timer was still running 5 s after SIGTERM"
lw_check "the run ended by SIGTERM (stopped, rehearsal, meeting)" "0|1|1" \
    "$(rows "SELECT stopped, rehearsal, meeting_id FROM speech WHERE id = 5")"
lw_finish
