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
    lw_type "000$((box + 3))"
done
lw_click_radio 6

since_start_ms() { [ $(($(lw_now_ms) - LW_T0A)) -ge "$1" ]; }
stop() {
    lw_click "${LW_STOP_XY[@]}"
    lw_wait_until 5000 lw_start_only_shown || lw_fail "START never came back"
}

# Under: stopped 2.3 s in, well before green at 4 s.
lw_start_and_watch "" 0
lw_wait_until 5000 since_start_ms 2300
stop
# Qualified: stopped as green lights.
lw_start_and_watch G 6000 || lw_fail "green never lit: ${LW_LOOKS[*]}"
stop
# Over: stopped 1.5 s after red at 6 s.
lw_start_and_watch R 9000 || lw_fail "red never lit: ${LW_LOOKS[*]}"
lw_wait_until 5000 since_start_ms 7500
stop
# A rehearsal on the TEST row.
lw_click_radio 7
lw_start_and_watch G 5000 || lw_fail "green never lit: ${LW_LOOKS[*]}"
stop

lw_end_app KILL

rows() { sqlite3 "$record" "$1" 2>&1 | tr '\n' ' ' | sed 's/ $//'; }
expected=("under" "qualified" "over" "")
i=0
while IFS='|' read -r row elapsed verdict rehearsal; do
    lw_log "speech $((i + 1)): row $row, $elapsed s, '$verdict', rehearsal $rehearsal"
    if [ "$i" -lt 3 ]; then
        lw_check "speech $((i + 1)) row and rehearsal" "6 0" "$row $rehearsal"
        # No grace, lamps at 4, 5 and 6 s, whatever second STOP came in.
        lw_check "speech $((i + 1)) verdict by the table" "$(lw_verdict_for "$elapsed" 4 6)" "$verdict"
        [[ "$verdict" == "${expected[$i]}"* ]] || lw_fail "speech $((i + 1)) is not ${expected[$i]}"
    else
        lw_check "the TEST run: row, rehearsal, verdict" "7 1 " "$row $rehearsal $verdict"
    fi
    i=$((i + 1))
done < <(sqlite3 "$record" "SELECT row_index, elapsed_seconds, verdict, rehearsal FROM speech
                             ORDER BY id" 2>&1)
lw_check "speeches after kill -9" 4 "$i"
lw_check "thresholds as timed" "00:04 00:05 00:06 4 5 6" \
    "$(rows "SELECT green_text, yellow_text, red_text, green_seconds, yellow_seconds, red_seconds
             FROM speech WHERE id = 1" | tr '|' ' ')"

lw_launch "$1"
lw_start_and_watch G 5000 || lw_fail "green never lit after the restart: ${LW_LOOKS[*]}"
kill -TERM "$LW_APP_PID"
lw_await_app_exit 5000 || lw_fail "the timer was still running 5 s after SIGTERM"
lw_check "the run ended by SIGTERM (stopped, rehearsal, meeting)" "0|1|1" \
    "$(rows "SELECT stopped, rehearsal, meeting_id FROM speech WHERE id = 5")"
lw_finish
