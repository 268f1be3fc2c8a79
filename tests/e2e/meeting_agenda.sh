#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A meeting run from its agenda: a plan of three speakers, one of them CUSTOM, imported as a CSV
# file into the meeting's window; the three timed with START and STOP alone, the timer choosing
# each one's row by itself, CUSTOM's thresholds written into its row. After a quit and a new
# start the record holds the three names against their categories and verdicts. A speech whose
# START was forgotten is added by hand, another's category changed, and the CSV marks both as
# set by hand.
# LW_KEEP_DIR, when set, receives a screenshot of the meeting half way through and the CSV.
source "$(dirname "$0")/lib.sh"
command -v sqlite3 >/dev/null || { lw_log "sqlite3 missing (bash tools/setup.sh --tests)"; exit 1; }
LW_SCREEN_W=1700
LW_SCREEN_H=900
LW_WM=openbox lw_start "$1"
record="$XDG_DATA_HOME/lecternworks-timer/meetings.sqlite"

keep() { [ -z "${LW_KEEP_DIR:-}" ] || cp "$@" "$LW_KEEP_DIR"/; }
lw_menu alt+o g n
cat >"$LW_TMP/plan.csv" <<'CSV'
Name;Category;Green;Yellow;Red
Ann Lee;Table Topics;;;
Bo Chen;CUSTOM;0:01;0:02;0:03
Cy Diaz;4;;;
CSV

lw_open_report
lw_focus_report
lw_menu_item alt+a o
lw_await_dialog "Import Plan" || lw_finish
lw_key ctrl+a
lw_type "$LW_TMP/plan.csv"
lw_key Return
# The first speaker's category is chosen in the timer: Table Topics, row 5.
lw_focus_timer
lw_wait_until 5000 lw_selected_rows_are "----Y--" ||
    lw_fail "the plan did not choose Table Topics: $(lw_selected_rows)"

# START and STOP only: each STOP moves to the next planned speaker and chooses its row.
lw_focus_timer
lw_time_speech "" 3500
lw_wait_until 5000 lw_selected_rows_are "-----Y-" ||
    lw_fail "STOP did not choose CUSTOM for the second speaker: $(lw_selected_rows)"
lw_pointer_away
import -window root "$LW_TMP/agenda.png"
keep "$LW_TMP/agenda.png"
lw_time_speech GYR 3500
lw_check "CUSTOM green as planned" "00:01" "$(lw_read_box 6 1)"
lw_check "CUSTOM red as planned" "00:03" "$(lw_read_box 6 3)"
lw_wait_until 5000 lw_selected_rows_are "---Y---" ||
    lw_fail "STOP did not choose Speech Evaluation for the third speaker: $(lw_selected_rows)"
lw_focus_timer
lw_time_speech "" 3500

lw_focus_timer
lw_key ctrl+q
lw_await_app_exit 10000 || lw_fail "the timer did not quit"
lw_launch "$1"

firsts=(60 1 120)
lasts=(120 3 180)
names=("Ann Lee" "Bo Chen" "Cy Diaz")
rows=(5 6 4)
i=0
while IFS='|' read -r name row elapsed verdict; do
    lw_check "speech $((i + 1)): name and row" "${names[$i]} ${rows[$i]}" "$name $row"
    lw_check "speech $((i + 1)): verdict" "$(lw_verdict_for "$elapsed" "${firsts[$i]}" "${lasts[$i]}")" "$verdict"
    i=$((i + 1))
done < <(sqlite3 "$record" "SELECT speaker_name, row_index, elapsed_seconds, verdict FROM speech
                             WHERE deleted = 0 ORDER BY id" 2>&1)
lw_check "speeches recorded" 3 "$i"

# A forgotten speech, added by hand: its speaker, category and time.
lw_open_report
lw_open_dialog alt+h "Add a Speech by Hand" || lw_finish
lw_type "Di Evans"
lw_key alt+g
lw_type "Standard"
lw_key alt+t
lw_type "6:10"
lw_key Return
lw_wait_until 5000 test "$(sqlite3 "$record" "SELECT COUNT(*) FROM speech WHERE deleted = 0")" = 4 ||
    lw_fail "the speech added by hand is not in the record"
# Ann spoke in another category: her row, the first, set right.
lw_focus_report
lw_key ctrl+Home
lw_open_dialog alt+g "Set the Speech Right" || lw_finish
# A blank would open the list: the first letters find the category.
lw_type "Spe"
lw_key Return
changed() { [ "$(sqlite3 "$record" "SELECT row_index FROM speech WHERE speaker_name = 'Ann Lee'")" = 4 ]; }
lw_wait_until 5000 changed || lw_fail "Ann's category was not changed"

lw_open_dialog alt+e "Export CSV" || lw_finish
lw_key ctrl+a
lw_type "$LW_TMP/meeting.csv"
lw_key Return
lw_wait_until 10000 test -s "$LW_TMP/meeting.csv" || lw_fail "the CSV was never written"
keep "$LW_TMP/meeting.csv"
# The "Set by hand" column, found by its heading.
column=$(head -n 1 "$LW_TMP/meeting.csv" | tr -d '\r\357\273\277' | tr ',' '\n' | grep -nxF "Set by hand" | cut -d: -f1)
[ -n "$column" ] || lw_fail "the CSV has no 'Set by hand' column: $(head -n 1 "$LW_TMP/meeting.csv")"
marked() { grep -F "$1" "$LW_TMP/meeting.csv" | cut -d, -f"${column:-1}"; }
lw_check "Ann Lee, her category changed" yes "$(marked "Ann Lee")"
lw_check "Di Evans, added" yes "$(marked "Di Evans")"
lw_check "Bo Chen, as timed" no "$(marked "Bo Chen")"

# The largest plan the window takes, imported just before START: the timer chooses its first
# speaker's CUSTOM row, and the lamps of that speech light on time.
{
    echo "name,category,green,yellow,red"
    for i in $(seq 500); do echo "Speaker $i,CUSTOM,0:01,0:02,0:03"; done
} >"$LW_TMP/largest.csv"
lw_focus_report
lw_menu_item alt+a o
lw_await_dialog "Import Plan" || lw_finish
lw_key ctrl+a
lw_type "$LW_TMP/largest.csv"
lw_key Return
lw_focus_timer
# START once the plan has chosen CUSTOM, as the operator sees it chosen.
lw_wait_until 10000 lw_selected_rows_are "-----Y-" ||
    lw_fail "the largest plan did not choose CUSTOM: $(lw_selected_rows)"
lw_start_and_watch GYR 6000 || lw_fail "not every lamp lit after the import: ${LW_LOOKS[*]}"
lw_check_lamp_time G 1
lw_check_lamp_time Y 2
lw_check_lamp_time R 3
lw_click "${LW_STOP_XY[@]}"
lw_wait_until 5000 lw_start_only_shown || lw_fail "START never came back"
lw_check "the largest plan, one speech spoken" 499 \
    "$(sqlite3 "$record" "SELECT COUNT(*) FROM planned_speech WHERE speech_id IS NULL")"
lw_finish
