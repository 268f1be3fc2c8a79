#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the timer (Release), runs it on a private Xvfb and saves the README's screenshots:
# docs/screenshots/startup.png (the window as it opens), docs/screenshots/running.png (a
# timing run of the "Timer TEST" row at FAST speed with the light at red) and
# docs/screenshots/speaker.png (that run in the speaker's view on a 1920 x 1080 screen, under a
# window manager, scaled to half size), docs/screenshots/report.png (the timer's report after
# three named speeches), docs/screenshots/report-page.png (the first page of its PDF),
# docs/screenshots/report-laptop.png (the timer and its report on a 1366 x 768 screen) and
# docs/screenshots/two-screens.png (a run timed from the window on one of two 1280 x 720
# monitors, the speaker's screen on the other, half size), docs/screenshots/agenda.png (a
# meeting half way through its imported agenda, the timer and the meeting's window), and under
# a German locale docs/screenshots/german.png (the Options menu open beside the report,
# 1366 x 768) and docs/screenshots/report-page-de.png (the report's PDF).
#
# Settings through the environment: LW_SCREENSHOTS_BUILD_DIR, LW_SCREENSHOTS_DISPLAY (:74).
set -euo pipefail

repo="$(cd "$(dirname "$0")/.." && pwd)"
build="$(realpath -m "${LW_SCREENSHOTS_BUILD_DIR:-$repo/build/screenshots}")"
display="${LW_SCREENSHOTS_DISPLAY:-:74}"
shots="$repo/docs/screenshots"
# The end-to-end helpers time speeches and work the report; they bring tools/lib.sh along.
source "$repo/tests/e2e/lib.sh"

"$repo/tools/setup.sh" --tests
cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target lecternworks-timer lw-layout-points -j"$(nproc)" >/dev/null
lw_load_layout "$build/tools/layoutpoints/lw-layout-points"
mkdir -p "$shots"

# The window as it opens, once painted, on a screen as large as the speaker's view wants.
LW_SCREEN_W=1920
LW_SCREEN_H=1080
lw_start "$build/app/lecternworks-timer" "$display"
[ "$LW_FAILURES" -eq 0 ] || exit 1
import -window "$LW_WIN" "$shots/startup.png"

# Options -> Timer Test Speed -> FAST, then the TEST row takes its thresholds.
lw_menu alt+o t f
lw_click_radio 7
lw_click "${LW_START_XY[@]}"
lw_pointer_away
lw_wait_until 20000 lw_lamps_are "--R" || lw_fail "the red lamp never lit alone"
[ "$LW_FAILURES" -eq 0 ] || exit 1
import -window "$LW_WIN" "$shots/running.png"

# The speaker's view needs a window manager to fill the screen.
LW_WM=openbox
lw_start_wm
lw_wait_until 20000 lw_window_framed || lw_fail "openbox never framed the window"
xdotool windowactivate --sync "$LW_WIN"
lw_key F11
lw_wait_until 20000 lw_geometry_is "0 0 $LW_SCREEN_W $LW_SCREEN_H" || lw_fail "F11 did not fill the screen"
# The red lamp's centre at the view's scale: the light fills the width, 1920 / 660.
lw_locate_view
xdotool mousemove 0 0
lw_wait_until 20000 lw_pixel_is "${LW_LAMP_X[2]}" "$LW_LAMP_MID_Y" "255,0,0" ||
    lw_fail "the red lamp is not lit in the view"
[ "$LW_FAILURES" -eq 0 ] || exit 1
import -window root -resize 50% -depth 8 "$shots/speaker.png"

# Three speeches on the CUSTOM row (3, 4 and 5 s, no grace, chosen by the menu keys given), one
# under, one qualified, one over, then the report opened and each speaker named.
three_named_speeches()
{
    lw_menu "$@"
    lw_choose_custom 0003 0004 0005
    lw_time_speech "" 2400
    lw_time_speech G 3000
    lw_time_speech GYR 6500
    lw_open_report
    lw_focus_report
    for name in "Ann Lee" "Raj Patel" "Zoë Okafor"; do
        lw_type "$name"
        lw_key Return Down
    done
}

# The timer's frame in the screen's top left corner, its client inside the frame's extents.
timer_to_corner()
{
    local frame_left frame_top
    read -r frame_left _ frame_top _ <<<"$(xprop -id "$LW_WIN" _NET_FRAME_EXTENTS | tr -dc '0-9 ,' | tr ',' ' ')"
    xdotool windowmove --sync "$LW_WIN" "${frame_left:-0}" "${frame_top:-0}"
    lw_locate_client
}

# The report after three speeches on the CUSTOM row (3, 4 and 5 s, no grace), one under, one
# qualified, one over, each speaker named; the timer in a corner, so the report opens at its
# full size beside it.
lw_end_app
lw_launch "$build/app/lecternworks-timer"
timer_to_corner
# A meeting of its own, without the rehearsal above.
lw_menu alt+f n
three_named_speeches alt+o g n
named() { lw_copied_report | grep -q "^3. Zoë Okafor"; }
lw_wait_until 10000 named || lw_fail "the names never reached the report"
lw_focus_report
lw_key alt+l
lw_type "Riverside Speakers Club"
lw_key Return
lw_focus_report
lw_key alt+n
lw_type "Marie-Claire O'Neil"
lw_key Return
titled() { lw_copied_report | grep -q "timer: Marie-Claire O'Neil"; }
lw_wait_until 10000 titled || lw_fail "the title never reached the report"
lw_pointer_away
[ "$LW_FAILURES" -eq 0 ] || exit 1
import -window "$(lw_report_window)" "$shots/report.png"
# Its PDF, through Save as PDF..., the first page at 60 dpi.
lw_focus_report
lw_key alt+d
pdf_title="Save as PDF"
pdf_dialog() { xdotool search --onlyvisible --name "^$pdf_title\$" 2>/dev/null | head -n 1; }
pdf_shown() { [ -n "$(pdf_dialog)" ]; }
# The first page of the report's PDF, through its dialog, at 60 dpi as "$1".png.
pdf_page()
{
    lw_wait_until 10000 pdf_shown || lw_fail "no dialog '$pdf_title'"
    lw_focus "$(pdf_dialog)"
    lw_key ctrl+a
    lw_type "$LW_TMP/report.pdf"
    lw_key Return
    lw_wait_until 10000 test -s "$LW_TMP/report.pdf" || lw_fail "the PDF was never written"
    [ "$LW_FAILURES" -eq 0 ] || exit 1
    pdftoppm -r 60 -png -singlefile "$LW_TMP/report.pdf" "$1"
}
pdf_page "$shots/report-page"

# A 1366 x 768 laptop: the timer in the top left corner, the report beside it.
lw_cleanup
trap - EXIT
LW_SCREEN_W=1366
LW_SCREEN_H=768
LW_WM=openbox lw_start "$build/app/lecternworks-timer" "$display"
timer_to_corner
three_named_speeches alt+o g n
lw_wait_until 10000 named || lw_fail "the names never reached the report"
lw_pointer_away
[ "$LW_FAILURES" -eq 0 ] || exit 1
import -window root -depth 8 "$shots/report-laptop.png"

# Two monitors side by side: the window on the first, the speaker's screen on the second.
lw_cleanup
trap - EXIT
LW_SCREEN_W=2560
LW_SCREEN_H=720
LW_MONITORS=2
LW_WM=openbox lw_start "$build/app/lecternworks-timer" "$display"
lw_menu alt+o t f
lw_click_radio 7
lw_key F11
# The red lamp's centre on the second monitor, the light as designed on its own fitting its width.
monitor_w=$((LW_SCREEN_W / LW_MONITORS))
red_x=$((monitor_w + LW_LAMP_X[2] * monitor_w / LW_LIGHT_OWN_W))
red_y=$(((LW_SCREEN_H - LW_LIGHT_OWN_H * monitor_w / LW_LIGHT_OWN_W) / 2 +
    LW_LAMP_MID_Y * monitor_w / LW_LIGHT_OWN_W))
speaker_red() { [ "$(lw_screen_pixel "$red_x" "$red_y")" = "255,0,0" ]; }
lw_key alt+s
lw_pointer_away
lw_wait_until 20000 lw_lamps_are "--R" || lw_fail "the red lamp never lit alone"
lw_wait_until 20000 speaker_red || lw_fail "the speaker's red lamp never lit"
[ "$LW_FAILURES" -eq 0 ] || exit 1
import -window root -resize 50% -depth 8 "$shots/two-screens.png"

# A meeting half way through its agenda, imported as a CSV file: two speakers timed with START
# and STOP alone, the third speaking, her time counting in the meeting's window beside the timer.
lw_cleanup
trap - EXIT
LW_SCREEN_W=1700
LW_SCREEN_H=900
LW_WM=openbox lw_start "$build/app/lecternworks-timer" "$display"
timer_to_corner
lw_menu alt+o g n
printf '%s\r\n' "Name,Category,Green,Yellow,Red" "Ann Lee,CUSTOM,0:02,0:03,0:04" \
    "Raj Patel,Table Topics,,," "Zoë Okafor,CUSTOM,0:03,0:04,0:05" "Tom Brandt,Standard,,," \
    "Mei Chen,Speech Evaluation,,," >"$LW_TMP/plan.csv"
lw_open_report
lw_focus_report
windows=$(lw_visible_windows)
lw_key alt+a
lw_wait_until 10000 lw_menu_shown "$windows" || lw_fail "Alt+A showed no Agenda menu"
lw_key o
import_dialog() { xdotool search --onlyvisible --name "^Import Plan\$" 2>/dev/null | head -n 1; }
import_shown() { [ -n "$(import_dialog)" ]; }
lw_wait_until 10000 import_shown || lw_fail "no dialog 'Import Plan'"
lw_focus "$(import_dialog)"
lw_key ctrl+a
lw_type "$LW_TMP/plan.csv"
lw_key Return
lw_focus_timer
lw_wait_until 10000 lw_selected_rows_are "-----Y-" || lw_fail "the plan chose no row"
lw_time_speech GY 3500
lw_time_speech "" 3500
lw_start_and_watch G 6000 || lw_fail "green never lit for the third speaker"
lw_pointer_away
[ "$LW_FAILURES" -eq 0 ] || exit 1
import -window root -depth 8 "$shots/agenda.png"


# In German, started under a German locale: the timer with its Options menu open beside the
# report of three named speeches, and the report's PDF.
lw_cleanup
trap - EXIT
LW_SCREEN_W=1366
LW_SCREEN_H=768
LW_MONITORS=1
# The German locale for the timer alone: it needs none generated, but xdotool types "Zoë"
# only in a locale the system has.
german="$build/lecternworks-timer-de"
printf '#!/bin/sh\nexec env LANGUAGE=de LANG=de_DE.UTF-8 "%s"\n' "$build/app/lecternworks-timer" >"$german"
chmod +x "$german"
lw_report_window() { xdotool search --onlyvisible --name "^Bericht des Zeitnehmers" 2>/dev/null | head -n 1; }
LW_WM=openbox lw_start "$german" "$display"
timer_to_corner
three_named_speeches alt+o z k
lw_wait_until 10000 named || lw_fail "the names never reached the report"
lw_focus_report
lw_key alt+i
lw_type "Rednerclub am Fluss"
lw_key Return
lw_focus_report
lw_key alt+n
lw_type "Marie-Claire O'Neil"
lw_key Return
titled() { lw_copied_report | grep -q "Zeitnehmer: Marie-Claire O'Neil"; }
lw_wait_until 10000 titled || lw_fail "the title never reached the report"
lw_focus_timer
windows=$(lw_visible_windows)
lw_key alt+o
lw_wait_until 5000 lw_menu_shown "$windows" || lw_fail "alt+o opened no menu"
lw_pointer_away
[ "$LW_FAILURES" -eq 0 ] || exit 1
import -window root -depth 8 "$shots/german.png"
lw_key Escape
lw_focus_report
lw_key alt+d
pdf_title="Als PDF speichern"
rm -f "$LW_TMP/report.pdf"
pdf_page "$shots/report-page-de"


echo "saved $shots/startup.png, $shots/running.png, $shots/speaker.png, $shots/report.png," \
    "$shots/report-page.png, $shots/report-laptop.png, $shots/two-screens.png, $shots/agenda.png," \
    "$shots/german.png and $shots/report-page-de.png"
