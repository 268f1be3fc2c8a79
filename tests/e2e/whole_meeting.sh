#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A whole meeting as a club runs it, in the program's language given as "$2": "en" on a
# 1920 x 1080 screen, or "de" on a 1366 x 768 laptop; the timer opens centred (openbox).
# 1. The day before: the plan imported from a spreadsheet's CSV in Windows-1252, spreadsheet
#    times ("0:05:00"), headings and categories in the program's language, one CUSTOM speaker.
# 2. A new start: the first speaker's row chosen and named in the timer, the plan in view at once.
# 3. A START stopped by mistake, then six planned speeches with START and STOP alone, the timer
#    on each next speaker's row; an unplanned table topics speaker set apart in one step.
# 4. A forgotten START added by hand, from the next planned speaker, with thresholds typed.
# 5. Next week's speaker added with CUSTOM thresholds typed, New Meeting, and START times her.
# 6. The record holds each speech under its name, category, thresholds and verdict; no window
#    of the program covered the light or ran off the screen at any step.
source "$(dirname "$0")/lib.sh"
lw_accessible_session
command -v sqlite3 >/dev/null || { lw_log "sqlite3 missing (bash tools/setup.sh --tests)"; exit 1; }
language=${2:-en}
LW_SCREEN_W=1920 LW_SCREEN_H=1080
if [ "$language" = de ]; then
    LW_LANGUAGE=de_DE LW_SCREEN_W=1366 LW_SCREEN_H=768
    heading="Name;Kategorie;Grün;Gelb;Rot"
    categories=(Eisbrecher Standardrede Fortgeschrittene Redebewertung Stegreifreden EIGENE)
else
    heading="Name;Category;Green;Yellow;Red"
    categories=(Ice Standard Advanced "Speech Evaluation" "Table Topics" CUSTOM)
fi
TS="$(dirname "$0")/../../translations/lecternworks-timer_de.ts"

# The program's text "$2" of the context "$1" in this run's language; untranslated, as it is.
tx()
{
    [ "$language" = de ] || { printf '%s\n' "$2"; return; }
    /usr/bin/python3 - "$TS" "$1" "$2" <<'PY'
import sys, xml.etree.ElementTree as ET
found = [m.findtext("translation") for c in ET.parse(sys.argv[1]).iter("context")
         if c.findtext("name") == sys.argv[2] for m in c.iter("message")
         if m.findtext("source") == sys.argv[3] and (m.findtext("translation") or "").strip()]
print(found[0] if found else sys.argv[3])
PY
}
# A text's access key, lower case.
key() { local text; text=$(tx "$1" "$2"); text=${text#*&}; text=${text:0:1}; printf '%s\n' "${text,,}"; }
LW_REPORT_TITLE=$(tx ReportWindow "Timer's Report")

# The points clicked follow the timer's window when it moves; it may grow below (a status
# line), so they are found from its top, the menu bar's height below it as at start-up.
follow_timer()
{
    local y
    read -r LW_ORIGIN_X y _ < <(lw_window_geometry)
    LW_ORIGIN_Y=$((y + menu_bar))
}
# Every window of the program but the timer (menus and tooltips aside), frame included, lies
# whole on the screen and clear of the lamps.
light_clear()
{
    local win l t r b sx sy lx0 ly0 what half=$((LW_LAMP_H / 2))
    follow_timer
    lw_map_point $((LW_LAMP_X[0] - half)) $((LW_LAMP_MID_Y - half)) && lx0=$sx ly0=$sy
    lw_map_point $((LW_LAMP_X[2] + half)) $((LW_LAMP_MID_Y + half))
    for win in $(xdotool search --onlyvisible --pid "$LW_APP_PID" 2>/dev/null); do
        [ "$win" != "$LW_WIN" ] || continue
        xwininfo -id "$win" | grep -q 'Override Redirect State: yes' && continue
        read -r l t r b < <(lw_framed "$win")
        what="$1: '$(xdotool getwindowname "$win")' from $l,$t to $r,$b"
        if ((l < sx && r > lx0 && t < sy && b > ly0)); then lw_fail "$what covers the light"; fi
        if ((l < 0 || t < 0 || r > LW_SCREEN_W || b > LW_SCREEN_H)); then
            lw_fail "$what runs off the screen"
        fi
    done
}
# Whether the window whose title starts with "$1" shows the text "$2", as a screen reader reads it.
shows()
{
    /usr/bin/python3 "$(dirname "$0")/read_texts.py" "$1" 2>/dev/null | grep -qF -- "$2"
}
# Opens the item "$1" of the Agenda menu in the meeting's window; waits for its dialog, "$2".
agenda_item()
{
    lw_focus_report
    lw_menu_item "alt+$(key ReportWindow '&Agenda')" "$(key ReportWindow "$1")"
    lw_await_dialog "$2" && light_clear "$2"
}
# START and STOP alone after "$1" ms, on the row the timer chose; then the timer must choose
# the rows "$2" (as lw_selected_rows prints them) for the next speaker.
speech()
{
    lw_focus_timer
    lw_time_speech "" "$1"
    lw_wait_until 5000 lw_selected_rows_are "$2" ||
        lw_fail "after STOP the timer chose $(lw_selected_rows), not $2"
    light_clear "after a speech"
}
# Types CUSTOM's thresholds into a speech form, its category box given the keyboard first.
type_custom()
{
    local threshold
    lw_key "alt+$(key SpeechForm 'Cate&gory:')" Home Down Down Down Down Down
    for threshold in "$@"; do
        lw_key Tab Home
        lw_type "$threshold"
    done
}

# ---- 1. The day before: the plan imported ------------------------------------------------
LW_WM=openbox lw_start "$1"
read -r _ menu_bar _ < <(lw_window_geometry)
menu_bar=$((LW_ORIGIN_Y - menu_bar))
record="$XDG_DATA_HOME/lecternworks-timer/meetings.sqlite"
printf '%s\r\n' "$heading" "Ann Lee;${categories[0]};;;" "Bo Chen;${categories[1]};;;" \
    "Chloé Dubois;${categories[3]};;;" "Dmitri Jürgens;${categories[3]};;;" \
    "Eve Park;${categories[4]};;;" "Fritz Weiß;${categories[2]};00:08:00;00:09:00;00:10:00" \
    "Zoë Hart;${categories[5]};0:05:00;0:06:00;0:07:00" | iconv -f UTF-8 -t CP1252 >"$LW_TMP/plan.csv"
lw_open_report
light_clear "the meeting's window"
agenda_item 'Imp&ort Plan...' "$(tx ReportFiles 'Import Plan')" || lw_finish
lw_key ctrl+a
lw_type "$LW_TMP/plan.csv"
# Asked whether the file is Windows-1252, in a box of the same title: yes.
file_dialog=$(lw_dialog_window "$(tx ReportFiles 'Import Plan')")
question=$(tx MeetingEditor 'Import Plan')
lw_key Return
asked() { local w; w=$(lw_dialog_window "$question") && [ -n "$w" ] && [ "$w" != "$file_dialog" ]; }
lw_wait_until 10000 asked || lw_fail "not asked whether the file is Windows-1252"
lw_await_dialog "$question" && light_clear "the question" && lw_key Return
planned() { sqlite3 "$record" "SELECT group_concat(p, '|') FROM (SELECT speaker_name || ' ' ||
    row_index || ' ' || green_seconds || ' ' || yellow_seconds || ' ' || red_seconds AS p
    FROM planned_speech ORDER BY position)" 2>&1; }
LW_SOON_MS=10000
lw_check_soon "the plan imported" "Ann Lee 1 240 300 360|Bo Chen 2 300 360 420|Chloé Dubois 4 120 150 180|Dmitri Jürgens 4 120 150 180|Eve Park 5 60 90 120|Fritz Weiß 3 480 540 600|Zoë Hart 6 300 360 420" planned
lw_focus_timer
lw_key ctrl+q
lw_await_app_exit 10000 || lw_fail "the timer did not quit"

# ---- 2. The meeting's day: a new start, the plan in view at once ----------------------------
lw_launch "$1"
lw_wait_until 5000 lw_selected_rows_are "Y------" ||
    lw_fail "at start-up the timer chose $(lw_selected_rows), not Ann's Ice Breaker"
next=$(tx RecordLink " - Next: %1")
next=${next%%%1*}
next_is() { [[ "$(xdotool getwindowname "$LW_WIN")" == "$LW_TITLE$next$1 — "* ]]; }
lw_wait_until 5000 next_is "Ann Lee" || lw_fail "the timer's title does not name Ann as next"
lw_open_report
light_clear "Ctrl+T"
lw_wait_until 10000 shows "$LW_REPORT_TITLE" "$(tx ReportWindow 'planned for the next meeting')" ||
    lw_fail "the meeting's window does not show the plan under its heading"
lw_wait_until 5000 shows "$LW_REPORT_TITLE" "Zoë Hart" ||
    lw_fail "the meeting's window does not show the plan's last speaker"

# ---- 3. START and STOP alone --------------------------------------------------------------
lw_focus_timer
lw_click "${LW_START_XY[@]}"
lw_wait_until 5000 lw_stop_only_shown || lw_fail "START did not start"
lw_click "${LW_STOP_XY[@]}"
lw_wait_until 5000 lw_start_only_shown || lw_fail "STOP did not stop"
lw_wait_until 5000 lw_selected_rows_are "Y------" || lw_fail "a mistaken start took Ann's turn"
speech 3000 "-Y-----"
speech 3000 "---Y---"
speech 3000 "---Y---"
speech 3000 "----Y--"
# Sam, called for table topics, speaks in Eve's place: set apart from the plan in one step
# (Not the Planned Speaker), unnamed.
speech 3000 "--Y----"
lw_focus_report
lw_key ctrl+u
lw_wait_until 5000 lw_selected_rows_are "----Y--" || lw_fail "Eve's row was not chosen again"
lw_wait_until 5000 next_is "Eve Park" || lw_fail "the timer's title does not name Eve as next again"
speech 3000 "--Y----"
speech 3000 "-----Y-"

# ---- 4. Zoë spoke with START forgotten: added by hand, her limits changed on the day ---------
lw_focus_report
lw_open_dialog "alt+$(key ReportWindow 'Add Speech by &Hand...')" "$(tx MeetingEditor 'Add a Speech by Hand')" &&
    light_clear "Add Speech by Hand"
lw_check "Add Speech by Hand opens on the next speaker" "Zoë Hart" "$(lw_read_focused_text)"
type_custom 0400 0500 0630
lw_key "alt+$(key SpeechForm '&Time spoken:')"
lw_type "5:45"
lw_key Return

# ---- 5. Next week's first speaker planned, then New Meeting -------------------------------
agenda_item '&Add Speaker...' "$(tx MeetingEditor 'Add a Speaker to the Plan')"
lw_type "Uma Roy"
type_custom 0002 0004 0006
lw_key Return
lw_focus_timer
lw_menu "alt+$(key StoredLayout '&File')" "$(key StoredLayout '&New Meeting')"
lw_wait_until 5000 lw_selected_rows_are "-----Y-" ||
    lw_fail "after New Meeting the timer chose $(lw_selected_rows), not Uma's CUSTOM"
lw_check "Uma's red threshold in the timer" "00:06" "$(lw_read_box 6 3)"
lw_focus_timer
lw_time_speech GY 5000
light_clear "New Meeting"

# ---- 6. The record ----------------------------------------------------------------------
lw_focus_timer
lw_key ctrl+q
lw_await_app_exit 10000 || lw_fail "the timer did not quit"
under=$(tx Verdict "under time by %1") over=$(tx Verdict "over time by %1")
names=("Ann Lee" "Bo Chen" "Chloé Dubois" "Dmitri Jürgens" "" "Eve Park" "Fritz Weiß"
    "Zoë Hart" "Uma Roy")
rows=(1 2 4 4 5 5 3 6 6)
# The thresholds, then 1 for a speech in the next meeting.
limits=("240 300 360 0" "300 360 420 0" "120 150 180 0" "120 150 180 0" "60 90 120 0"
    "60 90 120 0" "480 540 600 0" "240 300 390 0" "2 4 6 1")
i=0
while IFS='|' read -r name row green yellow red later elapsed grace verdict; do
    lw_check "speech $((i + 1))" "${names[$i]} ${rows[$i]} ${limits[$i]}" "$name $row $green $yellow $red $later"
    lw_check "speech $((i + 1))'s verdict" "$(lw_verdict_for "$elapsed" "$green" "$red" "$grace" \
        "${under/\%1/%s}" "$(tx Verdict qualified)" "${over/\%1/%s}")" "$verdict"
    i=$((i + 1))
done < <(sqlite3 "$record" "SELECT speaker_name, row_index, green_seconds, yellow_seconds,
    red_seconds, meeting_id > (SELECT MIN(meeting_id) FROM speech), elapsed_seconds,
    grace_seconds, verdict FROM speech WHERE deleted = 0 AND mistaken_start = 0 ORDER BY id" 2>&1)
lw_check "speeches recorded" 9 "$i"
lw_check "mistaken starts recorded" 1 "$(sqlite3 "$record" "SELECT COUNT(*) FROM speech WHERE mistaken_start = 1")"
lw_check "Zoë's speech added by hand, 5:45" "2 345" "$(sqlite3 "$record" "SELECT by_hand || ' ' || elapsed_seconds FROM speech WHERE speaker_name = 'Zoë Hart'")"
lw_check "planned speeches not spoken, or spoken under another name" 0 "$(sqlite3 "$record" "SELECT COUNT(*)
    FROM planned_speech p LEFT JOIN speech s ON s.id = p.speech_id
    WHERE s.id IS NULL OR s.speaker_name <> p.speaker_name")"
lw_finish
