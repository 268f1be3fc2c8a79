#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Speeches the record cannot take are not lost when the desktop logs out: SIGTERM keeps them in a
# recovery file and says where, and the next start takes them into the record.
source "$(dirname "$0")/lib.sh"
command -v sqlite3 >/dev/null || { lw_log "sqlite3 missing (bash tools/setup.sh --tests)"; exit 1; }
LW_WM=openbox lw_start "$1"
folder="$XDG_DATA_HOME/lecternworks-timer"
record="$folder/meetings.sqlite"
# A file where the record's folder should be: nothing can be written there, not even by root.
mkdir -p "$XDG_DATA_HOME"
: >"$folder"

unsaved_shown() { [[ "$(xdotool getwindowname "$LW_WIN" 2>/dev/null)" == *" (record not saved)" ]]; }
for speech in 1 2; do
    lw_start_and_watch "" 0
    lw_wait_until 5000 lw_since_start_ms 2300
    lw_click "${LW_STOP_XY[@]}"
    lw_wait_until 5000 lw_start_only_shown || lw_fail "speech $speech: START never came back"
done
lw_wait_until 5000 unsaved_shown || lw_fail "the title does not say the record is not saved"

lw_end_app TERM
recovery="$(find "$XDG_STATE_HOME/lecternworks-timer" -name 'lecternworks-timer-recovery-*.json' 2>/dev/null)"
[ -n "$recovery" ] || lw_fail "no recovery file in $XDG_STATE_HOME/lecternworks-timer"
lw_check "speeches in the recovery file" 2 "$(grep -c '"startedUtcMs"' "$recovery")"
grep -qF "kept in $recovery" "$LW_TMP/app.log" || lw_fail "standard error does not say where they went"

rm "$folder"
lw_launch "$1"
offer() { xdotool search --onlyvisible --name "^Unsaved Speeches Kept\$" 2>/dev/null | head -n 1; }
offered() { [ -n "$(offer)" ]; }
lw_wait_until 10000 offered || lw_fail "the next start did not offer to take them in"
lw_focus "$(offer)"
lw_key Return
taken() { [ ! -e "$recovery" ] && [ "$(sqlite3 "$record" 'SELECT COUNT(*) FROM speech' 2>/dev/null)" = 2 ]; }
lw_wait_until 10000 taken || lw_fail "the record does not hold both speeches, or the file stayed"
lw_check "the speeches taken in (row, stopped)" "7|1 7|1" \
    "$(sqlite3 "$record" 'SELECT row_index, stopped FROM speech ORDER BY id' | tr '\n' ' ' | sed 's/ $//')"
lw_finish
