#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Three CUSTOM speeches timed with no grace period, one under, one qualified, one over, the last
# two with the report open beside the timer and its lamps on their seconds all the same. Ctrl+T
# shows the three with their verdicts and the summary; a speech deleted, with its key or from the
# table's context menu, comes back with Ctrl+Z; a click on a heading sorts the table; a name
# typed into the first row, the meeting's title and the timer's name are in the CSV and the PDF
# and still there after a quit and a new start. The print dialog opens at a usable size. The
# report's dialogs never block the timer, and Alt+S and Alt+P start and stop it from the report.
# A meeting of 30 speeches put into the record gives a PDF with every name, category and the
# summary line whole.
# LW_KEEP_DIR, when set, receives the screenshots, the CSV and the PDF.
source "$(dirname "$0")/lib.sh"
command -v pdftotext >/dev/null || { lw_log "pdftotext missing (bash tools/setup.sh --tests)"; exit 1; }
# Room for the report beside the timer.
LW_SCREEN_W=1700
LW_SCREEN_H=900
# Under a window manager, which places the report's dialogs.
LW_WM=openbox lw_start "$1"
# "ë" on a key of its own: xdotool would otherwise remap a key for it on the fly, and a busy
# program can read that key before the new map and lose the letter.
xmodmap -e "keycode 255 = ediaeresis"

NAME="Zoë Lee, Jr."
TITLE="Club of the Lectern"
TIMER="Marie-Claire O'Neil"

report_has_lines() { [ "$(lw_copied_report | grep -c '^[0-9]\. ')" = "$1" ]; }
# The copied report's speeches and verdicts, without its heading.
report_speeches() { lw_copied_report | grep -E '^([0-9]+\. |Did not qualify)'; }
# Sets row_x and row_y to the top left of the table's current row in the report's window, found
# by its selection colour; false while no row shows it.
selected_row_found()
{
    read -r row_x row_y <<<"$(import -window "$(lw_report_window)" -depth 8 txt:- 2>/dev/null |
        awk -F'[,: ()]+' 'NR > 1 && $3 < 80 && $4 > 110 && $4 < 170 && $5 > 170 { print $1, $2; exit }')"
    [ -n "$row_y" ]
}
keep() { [ -z "${LW_KEEP_DIR:-}" ] || cp "$@" "$LW_KEEP_DIR"/; }
# "x y width height" of a window's client area, on the screen (xdotool's counts the frame twice).
geometry()
{
    xwininfo -id "$1" | awk '/Absolute upper-left [XY]:/ { p = p $4 " " }
        /^  (Width|Height):/ { p = p $2 " " } END { print p }'
}
# Saves through the report's file dialog, opened by its button's access key, and waits for the
# file.
save_as()
{
    local key=$1 title=$2 path=$3
    lw_focus_report
    lw_key "$key"
    lw_wait_until 10000 lw_dialog_shown "$title" || { lw_fail "no dialog '$title'"; return; }
    lw_focus "$(lw_dialog_window "$title")"
    lw_key ctrl+a
    lw_type "$path"
    lw_key Return
    lw_wait_until 10000 test -s "$path" || lw_fail "$path was never written"
}

lw_menu alt+o g n
lw_choose_custom 0003 0004 0005
# Under: stopped 2.4 s in, before green at 3 s.
lw_time_speech "" 2400

# The report opens beside the timer; the next two speeches are timed with it open, each one
# joining it at STOP.
lw_open_report
lw_wait_until 5000 report_has_lines 1 || lw_fail "the report never showed the first speech"
# The centred timer moves aside for it, so that it opens wide enough for every column.
read -r _ _ report_w _ <<<"$(geometry "$(lw_report_window)")"
[ "${report_w:-0}" -ge 940 ] || lw_fail "the report opened ${report_w:-0} px wide"
lw_focus_timer
# Qualified: stopped as green lights.
lw_time_speech G 3000
lw_check_lamp_time G 3
lw_wait_until 5000 report_has_lines 2 || lw_fail "the report never showed the second speech"
lw_focus_timer
# Over: stopped 1.5 s after red at 5 s.
lw_time_speech GYR 6500
lw_check_lamp_time G 3
lw_check_lamp_time Y 4
lw_check_lamp_time R 5

# A second Ctrl+T brings the report to the front, three rows in it.
lw_open_report
expected="1. CUSTOM Events (0:03 to 0:05): 0:02, under time by 0:01
2. CUSTOM Events (0:03 to 0:05): 0:03, qualified
3. CUSTOM Events (0:03 to 0:05): 0:06, over time by 0:01
Did not qualify: CUSTOM Events (under time by 0:01); CUSTOM Events (over time by 0:01)."
lw_wait_until 5000 report_has_lines 3 || lw_fail "the report never showed three speeches"
lw_check "the report read aloud" "$expected" "$(report_speeches)"
summary="3 speeches: 1 qualified, 1 under time, 1 over time; grace: none"
lw_copied_report | grep -qxF "$summary" || lw_fail "no summary line: $(lw_copied_report)"

# The table has the focus, the first row current: typing names its speaker, Enter saves it.
lw_focus_report
lw_type "$NAME"
lw_key Return
named() { lw_copied_report | grep -qxF "1. $NAME, CUSTOM Events (0:03 to 0:05): 0:02, under time by 0:01"; }
lw_wait_until 5000 named || lw_fail "the name never reached the report: $(lw_copied_report)"
# Delete takes the second speech out, Ctrl+Z brings it back.
lw_focus_report
lw_key Down Delete
lw_wait_until 5000 report_has_lines 2 || lw_fail "Delete left $(lw_copied_report | grep -c '^[0-9]\. ') rows"
lw_key ctrl+z
lw_wait_until 5000 report_has_lines 3 || lw_fail "Ctrl+Z did not bring the speech back"
# The same from the table's context menu (the Menu key), its Delete Speech item by its letter.
windows=$(lw_visible_windows)
lw_key ctrl+Home Down Menu
lw_wait_until 5000 lw_menu_shown "$windows" || lw_fail "the Menu key showed no context menu"
lw_key d
lw_wait_until 5000 report_has_lines 2 || lw_fail "the context menu's Delete left $(lw_copied_report | grep -c '^[0-9]\. ') rows"
lw_focus_report
lw_key ctrl+z
lw_wait_until 5000 report_has_lines 3 || lw_fail "Ctrl+Z did not bring the speech back"

# A click on the Time heading, just above the first row, turns the order round: the first row is
# then the last speech, which a name typed there names.
lw_focus_report
lw_key ctrl+Home
lw_wait_until 5000 selected_row_found || lw_fail "the table's current row was not found"
read -r report_x report_y _ <<<"$(geometry "$(lw_report_window)")"
xdotool mousemove --sync $((report_x + row_x + 8)) $((report_y + row_y - 8)) click 1
lw_focus_report
lw_key ctrl+Home
lw_type "Last Speaker"
lw_key Return
last_named() { lw_copied_report | grep -qxF "3. Last Speaker, CUSTOM Events (0:03 to 0:05): 0:06, over time by 0:01"; }
lw_wait_until 5000 last_named || lw_fail "sorting did not put the last speech first: $(lw_copied_report)"
xdotool mousemove --sync $((report_x + row_x + 8)) $((report_y + row_y - 8)) click 1

# The meeting's title and its timer, typed once, head the report.
lw_focus_report
lw_key alt+l
lw_type "$TITLE"
lw_key Return
lw_focus_report
lw_key alt+n
lw_type "$TIMER"
lw_key Return
titled() { lw_copied_report | head -n 2 | tr '\n' '|' | grep -qF "$TITLE|Meeting of " && lw_copied_report | grep -qF "; timer: $TIMER"; }
lw_wait_until 5000 titled || lw_fail "the title and timer are not in the report: $(lw_copied_report)"
lw_pointer_away
import -window "$(lw_report_window)" "$LW_TMP/report.png"
keep "$LW_TMP/report.png"

# The print dialog opens whole, at no less than the size it asks for.
lw_focus_report
lw_key alt+i
lw_wait_until 10000 lw_dialog_shown "Print" || lw_fail "no dialog 'Print'"
read -r _ _ print_w print_h <<<"$(geometry "$(lw_dialog_window "Print")")"
[ "${print_w:-0}" -ge 480 ] && [ "${print_h:-0}" -ge 300 ] || lw_fail "the print dialog is ${print_w}x${print_h}"
lw_focus "$(lw_dialog_window "Print")"
lw_key Escape
print_gone() { ! lw_dialog_shown "Print"; }
lw_wait_until 5000 print_gone || lw_fail "Esc left the print dialog open"

save_as alt+e "Export CSV" "$LW_TMP/meeting.csv"
csv_line() { sed -n "$1p" "$LW_TMP/meeting.csv" | tr -d '\r' | cut -d, -f2-; }
lw_check "CSV row 1 from the speaker on" \
    "\"$NAME\",CUSTOM Events,0:03,3,0:04,4,0:05,5,0:02,2,None,Under time by 0:01,no,0,no,no,yes,$TITLE,$TIMER" "$(csv_line 2)"
lw_check "CSV row 3 from the speaker on" \
    "Last Speaker,CUSTOM Events,0:03,3,0:04,4,0:05,5,0:06,6,Red,Over time by 0:01,no,0,no,no,yes,$TITLE,$TIMER" "$(csv_line 4)"

save_as alt+d "Save as PDF" "$LW_TMP/meeting.pdf"
pdftotext -layout "$LW_TMP/meeting.pdf" "$LW_TMP/meeting.txt"
for text in "$NAME" "0:02" "0:03" "0:06" "Under time by 0:01" "Qualified" "Over time by 0:01" \
    "$TITLE" "timer: $TIMER" "$summary" "Page 1 of 1"; do
    grep -qF "$text" "$LW_TMP/meeting.txt" || lw_fail "the PDF lacks '$text': $(cat "$LW_TMP/meeting.txt")"
done
keep "$LW_TMP/meeting.csv" "$LW_TMP/meeting.pdf"

# Quit and start again: the name is kept.
lw_focus_timer
lw_key ctrl+q
app_gone() { ! kill -0 "$LW_APP_PID" 2>/dev/null; }
lw_wait_until 10000 app_gone || lw_fail "the timer did not quit"
lw_launch "$1"
lw_open_report
lw_wait_until 5000 named || lw_fail "the name was lost across the restart: $(lw_copied_report)"
lw_wait_until 5000 titled || lw_fail "the title was lost across the restart: $(lw_copied_report)"

# The report's dialogs leave the timer free: with Export CSV... open, Alt+S and a click on STOP
# still time a speech.
lw_focus_report
lw_key alt+e
lw_wait_until 10000 lw_dialog_shown "Export CSV" || lw_fail "no dialog 'Export CSV'"
# The window manager gives the new dialog the focus; the timer takes it back only after that.
lw_wait_until 5000 lw_active_is "$(lw_dialog_window "Export CSV")" ||
    lw_fail "the dialog never became active"
lw_focus_timer
lw_key alt+s
lw_wait_until 5000 lw_stop_only_shown || lw_fail "Alt+S did not start with the report's dialog open"
lw_click "${LW_STOP_XY[@]}"
lw_wait_until 5000 lw_start_only_shown || lw_fail "STOP did not stop with the report's dialog open"
lw_focus "$(lw_dialog_window "Export CSV")"
lw_key Escape
dialog_gone() { ! lw_dialog_shown "Export CSV"; }
lw_wait_until 5000 dialog_gone || lw_fail "Esc left the dialog open"
# With the report in front, Alt+S and Alt+P are the timer's START and STOP.
lw_focus_report
lw_key alt+s
lw_wait_until 5000 lw_stop_only_shown || lw_fail "Alt+S in the report did not start the timer"
lw_key alt+p
lw_wait_until 5000 lw_start_only_shown || lw_fail "Alt+P in the report did not stop the timer"

# Asked to end, the program quits with the report open.
kill -TERM "$LW_APP_PID"
lw_wait_until 10000 app_gone || lw_fail "SIGTERM did not quit with the report open"

# A meeting of 30 speeches, put straight into the record: long names with commas and accents,
# the longest category. Its PDF has each whole (wrapped, maybe, never cut) and the summary.
record="$(find "$LW_TMP/data" -name meetings.sqlite | head -n 1)"
python3 - "$record" <<'PYTHON'
import sqlite3, sys, time
db = sqlite3.connect(sys.argv[1])
begun = int(time.time() * 1000) + 3600 * 1000
meeting = db.execute("INSERT INTO meeting (begun_utc_ms, begun_utc_offset) VALUES (?, 0)", (begun,)).lastrowid
for i in range(30):
    elapsed = [200, 330, 430][i % 3]
    verdict = ["under time by 0:10", "qualified", "over time by 0:40"][i % 3]
    db.execute(
        "INSERT INTO speech (meeting_id, started_utc_ms, started_utc_offset, started_at, row_index,"
        " description, green_text, yellow_text, red_text, green_seconds, yellow_seconds, red_seconds,"
        " elapsed_seconds, lamp, grace_seconds, verdict, stopped, mistaken_start, rehearsal, speaker_name)"
        " VALUES (?, ?, 0, '', 1, 'Ice Breaker Speech (4 to 6 Minutes)', '04:00', '05:00', '06:00',"
        " 240, 300, 360, ?, 3, 30, ?, 1, 0, 0, ?)",
        (meeting, begun + i * 600000, elapsed, verdict, "Speaker %02d Marie-Claire d'Ávila-Łukasiewicz, Jr." % i))
db.commit()
PYTHON
lw_launch "$1"
lw_open_report
save_as alt+d "Save as PDF" "$LW_TMP/thirty.pdf"
pdftotext "$LW_TMP/thirty.pdf" - | tr '\n' ' ' | tr -s ' ' >"$LW_TMP/thirty.txt"
for i in $(seq -w 0 29); do
    grep -qF "Speaker $i Marie-Claire d'Ávila-Łukasiewicz, Jr." "$LW_TMP/thirty.txt" || lw_fail "the PDF lacks speaker $i"
done
[ "$(grep -oF "Ice Breaker Speech (4 to 6 Minutes)" "$LW_TMP/thirty.txt" | wc -l)" -ge 30 ] ||
    lw_fail "the PDF lacks a category: $(cat "$LW_TMP/thirty.txt")"
grep -qF "30 speeches: 10 qualified, 10 under time, 10 over time; grace: 30 s" "$LW_TMP/thirty.txt" ||
    lw_fail "the PDF lacks the summary: $(cat "$LW_TMP/thirty.txt")"
keep "$LW_TMP/thirty.pdf"
lw_finish
