#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The light on a phone: the timer switched on at start on 127.0.0.1, its QR code read off the
# screen and opened in a headless browser the size of a phone, which pairs. A viewer sees no
# START, STOP or rows, and the next planned speaker once asked to. Made a controller, the phone
# shows the green lamp after START, STOP pressed on the phone stops the window and the next
# speaker moves on. A video source pairs through the link the pairing window copies and shows each
# layout on a transparent picture at 1280x720 and 1920x1080, read off its screenshots: the
# background the lamp's colour edge to edge at each lamp, grey while the timer is away, badge and
# border nothing outside them. Revoked, the phone loses the light. LW_KEEP_DIR, when set, receives the screenshots.
source "$(dirname "$0")/lib.sh"
PY=/usr/bin/python3
for tool in zbarimg chromedriver chromium "$PY"; do
    command -v "$tool" >/dev/null || { lw_log "missing $tool (bash tools/setup.sh --tests)"; exit 1; }
done
"$PY" -c "import selenium" 2>/dev/null || { lw_log "missing python3-selenium"; exit 1; }

PAIRING_TITLE="Light on Other Devices"
pairing_window() { xdotool search --onlyvisible --name "^${PAIRING_TITLE}\$" 2>/dev/null | head -n 1; }
pairing_shown() { [ -n "$(pairing_window)" ]; }
keep() { [ -z "${LW_KEEP_DIR:-}" ] || cp "$@" "$LW_KEEP_DIR"/; }
# The address in the QR code the pairing window shows, as a phone's camera reads it.
scanned() { import -window "$(pairing_window)" png:- 2>/dev/null | zbarimg --raw -q - 2>/dev/null; }
scanned_here() { [[ "$(scanned)" == "http://127.0.0.1:$PORT/#pair="* ]]; }

# A port free a moment ago, on loopback only.
PORT=$("$PY" -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')

lw_require_tools
lw_load_layout
lw_begin
# Switched on at start, as the operator left it, on loopback.
mkdir -p "$XDG_CONFIG_HOME/lecternworks-timer"
printf '[network]\naddress=127.0.0.1\nport=%s\nonAtStart=true\n' "$PORT" \
    >"$XDG_CONFIG_HOME/lecternworks-timer/lecternworks-timer.conf"
lw_start_display || exit 1
LW_WM=openbox lw_start_wm
lw_launch "$1"

coproc BROWSER { "$PY" "$(dirname "$0")/light_browser.py" 2>"$LW_TMP/browser.log"; }
# Sends one command to the browser and prints its answer.
browse()
{
    local answer
    echo "$*" >&"${BROWSER[1]}"
    if ! read -r -t 30 answer <&"${BROWSER[0]}"; then
        answer="fail no answer to '$*'"
        cat "$LW_TMP/browser.log" >&2
    fi
    echo "$answer"
}
coproc VIDEO { "$PY" "$(dirname "$0")/light_browser.py" --video 2>"$LW_TMP/video.log"; }
video()
{
    local answer
    echo "$*" >&"${VIDEO[1]}"
    read -r -t 30 answer <&"${VIDEO[0]}" || { answer="fail no answer to '$*'"; cat "$LW_TMP/video.log" >&2; }
    echo "$answer"
}

# Two speakers planned, timed by CUSTOM's seconds.
printf 'Name;Category;Green;Yellow;Red\nAnn Lee;CUSTOM;0:01;0:02;0:03\nBo Chen;CUSTOM;0:03;0:06;0:09\n' \
    >"$LW_TMP/plan.csv"
lw_open_report
lw_focus_report
menus=$(lw_visible_windows)
lw_key alt+a
lw_wait_until 5000 lw_menu_shown "$menus" || lw_fail "Alt+A showed no Agenda menu"
lw_key o
import_shown() { [ -n "$(xdotool search --onlyvisible --name '^Import Plan$' 2>/dev/null)" ]; }
lw_wait_until 10000 import_shown || lw_fail "no Import Plan dialog"
lw_focus "$(xdotool search --onlyvisible --name '^Import Plan$' | head -n 1)"
lw_key ctrl+a
lw_type "$LW_TMP/plan.csv"
lw_key Return
lw_focus_timer
lw_wait_until 5000 lw_selected_rows_are "-----Y-" || lw_fail "the plan chose no CUSTOM row"

# Not lw_menu: the window the item opens counts among the program's windows.
menus=$(lw_visible_windows)
lw_key alt+o
lw_wait_until 5000 lw_menu_shown "$menus" || lw_fail "Alt+O opened no menu"
lw_key o
lw_wait_until 5000 pairing_shown || lw_fail "Options > Light on Other Devices... opened no window"
lw_wait_until 10000 scanned_here || lw_fail "no QR code for port $PORT: '$(scanned)'"
url=$(scanned)

lw_check "open the scanned address" ok "$(browse open "$url")"
lw_check "paired and shown" ok "$(browse state live 10000)"
# Dark, as the window's lamps are at start-up (lw_launch waited for them).
lw_check "the lamps as the window shows them" ok "$(browse lamps --- 5000)"
lw_check "a viewer sees no START, STOP or rows" ok "$(browse controls hidden 2000)"
lw_check "ask for the next speaker" ok "$(browse tick show-next)"
lw_check "the next speaker shown" ok "$(browse next 5000 Ann Lee)"

lw_focus "$(pairing_window)"
lw_key alt+c
lw_check "START and STOP on the phone once a controller" ok "$(browse controls shown 5000)"

lw_focus_timer
lw_click "${LW_START_XY[@]}"
lw_check "green on the phone after START" ok "$(browse lamps G-- 8000)"
lw_check "then yellow" ok "$(browse lamps -Y- 8000)"
[ -z "${LW_KEEP_DIR:-}" ] || browse shot "$LW_KEEP_DIR/phone.png" >/dev/null

lw_check "STOP pressed on the phone" ok "$(browse click stop)"
lw_wait_until 5000 lw_start_only_shown || lw_fail "STOP on the phone did not stop the window"
lw_check "the next speaker moved on at STOP" ok "$(browse next 5000 Bo Chen)"

# The lamps' way from the window to the phone's screen: median within 100 ms.
read -r verdict median most count <<<"$(browse delay)"
lw_log "lamp changes, window to phone: median ${median:-?} ms, max ${most:-?} ms, of ${count:-0}"
[ "$verdict" = ok ] && [ "$median" -le 100 ] || lw_fail "lamp delay to the phone: $verdict $median"


lw_focus "$(pairing_window)"
[ -z "${LW_KEEP_DIR:-}" ] || import -window "$(pairing_window)" "$LW_KEEP_DIR/pairing.png"
lw_key alt+r
lw_check "the phone loses the light when revoked" ok "$(browse state unpaired 5000)"

# The video source, paired through the copied link (a badge, by default).
lw_focus "$(pairing_window)"
printf '%s' "$LW_SENTINEL" | xclip -selection clipboard -i
lw_key alt+l
video_dialog() { [ -n "$(xdotool search --onlyvisible --name '^Link for Video$' 2>/dev/null)" ]; }
lw_wait_until 5000 video_dialog || lw_fail "Copy Link for Video... opened no dialog"
lw_focus "$(xdotool search --onlyvisible --name '^Link for Video$' | head -n 1)"
lw_key Return
lw_wait_until 5000 lw_clipboard_changed || lw_fail "Copy Link put nothing on the clipboard"
link=$(lw_clipboard)
[[ "$link" == "http://127.0.0.1:$PORT/?video=badge&"*"#pair="* ]] || lw_fail "the video link: '$link'"
lw_check "the video source paired" ok "$(video open "$link")"
lw_check "the video source live" ok "$(video state live 10000)"
lw_check "the badge" ok "$(video frame badge lit 5000)"
# The same link loaded again, as a video program does at each scene change, its code long used,
# now asking for the background: the source keeps its key.
lw_check "the link again" ok "$(video open "${link/video=badge/video=background}")"
lw_check "still live on its key" ok "$(video state live 10000)"
lw_focus_timer
lw_click "${LW_START_XY[@]}"
for colour in green yellow red; do
    lw_check "the background $colour edge to edge" ok "$(video frame background $colour 8000)"
done
lw_click "${LW_STOP_XY[@]}"
lw_wait_until 5000 lw_start_only_shown || lw_fail "STOP did not stop the window"
read -r verdict median most count <<<"$(video delay)"
lw_log "lamp changes, window to video: median ${median:-?} ms, max ${most:-?} ms, of ${count:-0}"
[ "$verdict" = ok ] && [ "$median" -le 100 ] || lw_fail "lamp delay to the video: $verdict $median"
lw_check "red kept after STOP" ok "$(video lamps --R 5000)"
for size in "1280 720" "1920 1080"; do
    video size $size >/dev/null
    for layout in background badge border; do
        lw_check "$layout at ${size/ /x}" ok "$(video open "${link/video=badge/video=$layout}")"
        lw_check "$layout at ${size/ /x}, live" ok "$(video state live 10000)"
        # A width the link does not name is the default's.
        lw_check "$layout at ${size/ /x}, read" ok "$(video frame $layout red 5000 4)"
        [ -z "${LW_KEEP_DIR:-}" ] || video shot "$LW_KEEP_DIR/video-$layout-${size/ /x}.png" >/dev/null
    done
done
# The timer switched off: the source shows grey, never a stale colour.
lw_focus "$(pairing_window)"
lw_key alt+s
lw_check "grey while the timer is away" ok "$(video frame border grey 8000)"
lw_key alt+s
lw_check "back once the timer is" ok "$(video frame border red 15000)"
video quit >/dev/null

browse quit >/dev/null
wait "${BROWSER_PID:-}" 2>/dev/null || true
lw_finish
