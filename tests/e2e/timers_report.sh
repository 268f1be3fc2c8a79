#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Three CUSTOM speeches timed with no grace period, one under, one qualified, one over, the last
# two with the report open beside the timer and its lamps on their seconds all the same. Ctrl+T
# shows the three with their verdicts; a speech deleted comes back with Ctrl+Z; a name typed into
# the first row is in the CSV and the PDF and still there after a quit and a new start. The
# report's dialogs never block the timer, and Alt+S and Alt+P start and stop it from the report.
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

report_has_lines() { [ "$(lw_copied_report | grep -c '^[0-9]\. ')" = "$1" ]; }
keep() { [ -z "${LW_KEEP_DIR:-}" ] || cp "$@" "$LW_KEEP_DIR"/; }
dialog_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
dialog_shown() { [ -n "$(dialog_window "$1")" ]; }
# Saves through the report's file dialog, opened by its button's access key, and waits for the
# file.
save_as()
{
    local key=$1 title=$2 path=$3
    lw_focus_report
    lw_key "$key"
    lw_wait_until 10000 dialog_shown "$title" || { lw_fail "no dialog '$title'"; return; }
    lw_focus "$(dialog_window "$title")"
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
expected="1. CUSTOM Events: 0:02, under time by 0:01
2. CUSTOM Events: 0:03, qualified
3. CUSTOM Events: 0:06, over time by 0:01
Did not qualify: CUSTOM Events (under time by 0:01); CUSTOM Events (over time by 0:01)."
lw_wait_until 5000 report_has_lines 3 || lw_fail "the report never showed three speeches"
lw_check "the report read aloud" "$expected" "$(lw_copied_report)"

# The table has the focus, the first row current: typing names its speaker, Enter saves it.
lw_focus_report
lw_type "$NAME"
lw_key Return
named() { lw_copied_report | grep -qxF "1. $NAME, CUSTOM Events: 0:02, under time by 0:01"; }
lw_wait_until 5000 named || lw_fail "the name never reached the report: $(lw_copied_report)"
# Delete takes the second speech out, Ctrl+Z brings it back.
lw_focus_report
lw_key Down Delete
lw_wait_until 5000 report_has_lines 2 || lw_fail "Delete left $(lw_copied_report | grep -c '^[0-9]\. ') rows"
lw_key ctrl+z
lw_wait_until 5000 report_has_lines 3 || lw_fail "Ctrl+Z did not bring the speech back"
import -window "$(lw_report_window)" "$LW_TMP/report.png"
keep "$LW_TMP/report.png"

save_as alt+e "Export CSV" "$LW_TMP/meeting.csv"
csv_line() { sed -n "$1p" "$LW_TMP/meeting.csv" | tr -d '\r' | cut -d, -f2-; }
lw_check "CSV row 1 from the speaker on" \
    "\"$NAME\",CUSTOM Events,0:03,3,0:04,4,0:05,5,0:02,2,None,Under by 0:01,0,no,no,yes" "$(csv_line 2)"
lw_check "CSV row 3 from the speaker on" \
    ",CUSTOM Events,0:03,3,0:04,4,0:05,5,0:06,6,Red,Over by 0:01,0,no,no,yes" "$(csv_line 4)"

save_as alt+d "Save as PDF" "$LW_TMP/meeting.pdf"
pdftotext -layout "$LW_TMP/meeting.pdf" "$LW_TMP/meeting.txt"
for text in "$NAME" "0:02" "0:03" "0:06" "Under by 0:01" "Qualified" "Over by 0:01"; do
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

# The report's dialogs leave the timer free: with Export CSV... open, Alt+S and a click on STOP
# still time a speech.
lw_focus_report
lw_key alt+e
lw_wait_until 10000 dialog_shown "Export CSV" || lw_fail "no dialog 'Export CSV'"
# The window manager gives the new dialog the focus; the timer takes it back only after that.
lw_wait_until 5000 lw_active_is "$(dialog_window "Export CSV")" ||
    lw_fail "the dialog never became active"
lw_focus_timer
lw_key alt+s
lw_wait_until 5000 lw_stop_only_shown || lw_fail "Alt+S did not start with the report's dialog open"
lw_click "${LW_STOP_XY[@]}"
lw_wait_until 5000 lw_start_only_shown || lw_fail "STOP did not stop with the report's dialog open"
lw_focus "$(dialog_window "Export CSV")"
lw_key Escape
dialog_gone() { ! dialog_shown "Export CSV"; }
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
lw_finish
