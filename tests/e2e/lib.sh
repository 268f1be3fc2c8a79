# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Helpers for the end-to-end tests only: checks of buttons, rows and boxes read through the
# clipboard (xclip), and a timing run watched lamp by lamp; the display, the window, the hands
# and the eyes come from tools/lib.sh. Source it, then call lw_start "$binary".

source "$(dirname "${BASH_SOURCE[0]}")/../../tools/lib.sh"

# The script's own arguments, for running it once more.
LW_SCRIPT_ARGS=("$@")
# Lamp-second checks that missed; the only checks a busy machine can fail.
LW_TIMING_MISSES=0

# A lamp's second missed: a failure that a run once more may clear (lw_finish).
lw_timing_miss()
{
    lw_fail "$*"
    LW_TIMING_MISSES=$((LW_TIMING_MISSES + 1))
}

# Ends the test: nonzero when any check failed. A run whose only misses were a lamp's second
# is run once more from the start, and says so; a second miss fails.
lw_finish()
{
    if [ "$LW_FAILURES" -gt 0 ] && [ "$LW_FAILURES" -eq "$LW_TIMING_MISSES" ] &&
        [ -z "${LW_RETRYING:-}" ]; then
        lw_log "RETRY: $LW_TIMING_MISSES lamp second(s) missed; running the test once more"
        lw_cleanup
        trap - EXIT
        LW_RETRYING=1 exec bash "$0" "${LW_SCRIPT_ARGS[@]}"
    fi
    if [ "$LW_FAILURES" -gt 0 ]; then
        lw_log "$LW_FAILURES check(s) failed"
        if [ -n "${LW_KEEP_SHOT:-}" ] && [ -n "${DISPLAY:-}" ]; then
            import -window root "$LW_KEEP_SHOT" 2>/dev/null || true
        fi
        exit 1
    fi
    lw_log "all checks passed"
    exit 0
}

# Waits until "$@" prints the expected text, for up to LW_SOON_MS; fails with what it printed
# last. For every look at the screen or the window after an action the program has to handle.
LW_SOON_MS=${LW_SOON_MS:-5000}
lw_check_soon()
{
    local what=$1 expected=$2 actual end
    shift 2
    end=$(($(lw_now_ms) + LW_SOON_MS))
    until actual=$("$@") && [ "$actual" = "$expected" ]; do
        if [ "$(lw_now_ms)" -ge "$end" ]; then
            lw_fail "$what: expected '$expected', got '$actual'"
            return 0
        fi
        sleep 0.05
    done
    lw_log "ok: $what = $actual"
}

# Runs the script again on a D-Bus session of its own, where the accessibility bus starts on
# demand, in a runtime folder of its own, and returns there once the bus is up, with the
# program's accessibility on. Call it before lw_start.
lw_accessible_session()
{
    if [ -z "${LW_OWN_SESSION_BUS:-}" ]; then
        export LW_OWN_SESSION_BUS=1 XDG_RUNTIME_DIR
        XDG_RUNTIME_DIR=$(mktemp -d)
        local status=0
        dbus-run-session -- bash "$0" "${LW_SCRIPT_ARGS[@]}" || status=$?
        rm -rf "$XDG_RUNTIME_DIR"
        exit "$status"
    fi
    # Debian's own Python, which has the AT-SPI bindings.
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
        { lw_log "missing python3-pyatspi (bash tools/setup.sh --tests installs it)"; exit 1; }
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    lw_wait_until 10000 lw_a11y_bus_up || { lw_log "the accessibility bus never came up"; exit 1; }
}

lw_a11y_bus_up()
{
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress >/dev/null 2>&1
}

# ---- eyes ----------------------------------------------------------------------------------

# Whether START or STOP shows: a button's face is not the light's grey panel behind it.
lw_shows_button()
{
    local face
    face=$(lw_pixel "$1" "$2")
    [ "$face" != "$LW_PANEL_RGB" ]
}

lw_start_only_shown() { lw_shows_button "${LW_START_XY[@]}" && ! lw_shows_button "${LW_STOP_XY[@]}"; }
lw_stop_only_shown() { lw_shows_button "${LW_STOP_XY[@]}" && ! lw_shows_button "${LW_START_XY[@]}"; }

# Prints "Y" or "-" per row, 1 to 7, for rows whose three boxes are all yellow or all white.
lw_selected_rows()
{
    local args=() row box
    for row in 1 2 3 4 5 6 7; do
        for box in 1 2 3; do
            args+=("${LW_BOX_X[$box]}" "${LW_ROW_Y[$row]}")
        done
    done
    local -a rgb
    read -r -a rgb < <(lw_pixels "${args[@]}")
    local out=""
    for row in 0 1 2 3 4 5 6; do
        local a=${rgb[$((row * 3))]} b=${rgb[$((row * 3 + 1))]} c=${rgb[$((row * 3 + 2))]}
        if [ "$a" = "$LW_YELLOW_RGB" ] && [ "$b" = "$a" ] && [ "$c" = "$a" ]; then
            out+="Y"
        elif [ "$a" = "$LW_WHITE_RGB" ] && [ "$b" = "$a" ] && [ "$c" = "$a" ]; then
            out+="-"
        else
            out+="?"
        fi
    done
    echo "$out"
}

lw_selected_rows_are() { [ "$(lw_selected_rows)" = "$1" ]; }

# ---- the clipboard -------------------------------------------------------------------------

LW_SENTINEL="lw-clipboard-sentinel"

lw_clipboard() { xclip -o -selection clipboard 2>/dev/null || true; }

lw_clipboard_changed() { [ "$(lw_clipboard)" != "$LW_SENTINEL" ]; }

# Prints the text of the edit box under the given point, copied as a person would: click into
# it, select from the start to the end of the line and copy.
lw_read_text_at()
{
    lw_click "$1" "$2"
    lw_read_focused_text
}

# The same for the edit box that has the keyboard.
lw_read_focused_text()
{
    printf '%s' "$LW_SENTINEL" | xclip -selection clipboard -i
    lw_key Home shift+End ctrl+c
    if ! lw_wait_until 5000 lw_clipboard_changed; then
        lw_log "nothing was copied from the box with the keyboard"
        echo "<nothing copied>"
        return 0
    fi
    lw_clipboard
}

lw_read_box() { lw_read_text_at "${LW_BOX_X[$2]}" "${LW_ROW_Y[$1]}"; }

# ---- a timing run --------------------------------------------------------------------------

# Clicks START (or presses the key given as "$3") and watches the light until every lamp in "$1"
# (letters of GYR) has been seen lit or the deadline "$2" (ms) passes. Sets LW_T0A/LW_T0B (around the click) and, per lamp letter,
# LW_SEEN_<L>_POLL, LW_SEEN_<L>_AFTER (end of the screenshot that first saw it lit) and
# LW_SEEN_<L>_PREV (start of the screenshot before, which still saw it dark). LW_LOOKS holds
# every look seen, in order.
lw_start_and_watch()
{
    local want=$1 deadline_ms=$2 key=${3:-}
    local poll=0 prev_start=0 start after look letter i
    unset LW_SEEN_G_POLL LW_SEEN_Y_POLL LW_SEEN_R_POLL
    LW_LOOKS=()
    LW_T0A=$(lw_now_ms)
    if [ -n "$key" ]; then
        lw_key "$key"
    else
        lw_click "${LW_START_XY[@]}"
    fi
    LW_T0B=$(lw_now_ms)
    prev_start=$LW_T0A
    while :; do
        start=$(lw_now_ms)
        look=$(lw_lamps)
        after=$(lw_now_ms)
        poll=$((poll + 1))
        if [ ${#LW_LOOKS[@]} -eq 0 ] || [ "${LW_LOOKS[-1]}" != "$look" ]; then
            LW_LOOKS+=("$look")
        fi
        for i in 0 1 2; do
            letter=${look:$i:1}
            [ "$letter" = "-" ] || [ "$letter" = "?" ] && continue
            local var="LW_SEEN_${letter}_POLL"
            if [ -z "${!var:-}" ]; then
                printf -v "LW_SEEN_${letter}_POLL" '%s' "$poll"
                printf -v "LW_SEEN_${letter}_AFTER" '%s' "$after"
                printf -v "LW_SEEN_${letter}_PREV" '%s' "$prev_start"
            fi
        done
        local complete=1
        for ((i = 0; i < ${#want}; i++)); do
            local v="LW_SEEN_${want:$i:1}_POLL"
            [ -n "${!v:-}" ] || complete=0
        done
        [ "$complete" = 1 ] && return 0
        [ $((after - LW_T0A)) -ge "$deadline_ms" ] && return 1
        prev_start=$start
    done
}

# Checks that a lamp came on at its second after START, not earlier and at most LW_LATE_MS
# later, from the moments of the screenshots around its coming on.
LW_LATE_MS=${LW_LATE_MS:-400}
lw_check_lamp_time()
{
    local letter=$1 seconds=$2
    local pollv="LW_SEEN_${letter}_POLL" afterv="LW_SEEN_${letter}_AFTER"
    local prevv="LW_SEEN_${letter}_PREV"
    if [ -z "${!pollv:-}" ]; then
        lw_fail "lamp $letter never lit"
        return
    fi
    local due=$((seconds * 1000))
    local latest=$((${!afterv} - LW_T0A)) earliest=$((${!prevv} - LW_T0B))
    lw_log "lamp $letter came on between $earliest and $latest ms after START (due $due)"
    # Seen lit by a screenshot that ended before its second: it came on early.
    if [ "$latest" -lt "$due" ]; then
        lw_timing_miss "lamp $letter lit after at most $latest ms, due at $due"
    fi
    # Still dark in a screenshot begun well after its second: it came on late.
    if [ "$earliest" -gt $((due + LW_LATE_MS)) ]; then
        lw_timing_miss "lamp $letter still dark $earliest ms after START, due at $due"
    fi
}

# Whether the given milliseconds have passed since the last START (lw_start_and_watch).
lw_since_start_ms() { [ $(($(lw_now_ms) - LW_T0A)) -ge "$1" ]; }

# Times one speech: START, the lamps in "$1" (letters of GYR) watched until lit, STOP once "$2" ms
# have passed since START; waits for START to come back.
lw_time_speech()
{
    lw_start_and_watch "$1" $(($2 + 2000)) || lw_fail "not every lamp of '$1' lit: ${LW_LOOKS[*]}"
    lw_wait_until $(($2 + 2000)) lw_since_start_ms "$2"
    lw_click "${LW_STOP_XY[@]}"
    lw_wait_until 5000 lw_start_only_shown || lw_fail "START never came back"
}

# The CUSTOM row chosen with the thresholds given as digits (e.g. 0003 0004 0005).
lw_choose_custom()
{
    local box
    for box in 1 2 3; do
        lw_click_box 6 "$box"
        lw_key Home
        lw_type "${!box}"
    done
    lw_click_radio 6
}

# ---- the timer's report --------------------------------------------------------------------

# The report's title in the program's language.
LW_REPORT_TITLE="Timer's Report"
lw_report_window() { xdotool search --onlyvisible --name "^$LW_REPORT_TITLE" 2>/dev/null | head -n 1; }
lw_report_shown() { [ -n "$(lw_report_window)" ]; }
lw_active_is() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
# Gives a window the keyboard. Under a window manager it goes through the manager, which would
# otherwise hand the focus to a window it has only just mapped, and it is given once the manager
# reports the window active.
lw_focus()
{
    if [ -z "$LW_WM_PID" ]; then
        xdotool windowfocus --sync "$1"
        return
    fi
    xdotool windowactivate --sync "$1" 2>/dev/null || true
    lw_wait_until 5000 lw_active_is "$1" || lw_fail "window $1 never became active"
}
lw_focus_timer() { lw_focus "$LW_WIN"; }
lw_focus_report() { lw_focus "$(lw_report_window)"; }

# Ctrl+T on the timer; waits for the report to show, and finds the timer again: it moves aside
# for the report where no room beside it holds the report whole, before the report shows.
lw_open_report()
{
    lw_focus_timer
    lw_key ctrl+t
    lw_wait_until 10000 lw_report_shown || lw_fail "Ctrl+T showed no report"
    lw_locate_client
}

# "left top right bottom" of a window with the frame the window manager draws, right and bottom
# just outside it.
lw_framed()
{
    local x y w h left right top bottom
    read -r x y w h < <(lw_window_geometry "$1")
    IFS=', ' read -r left right top bottom <<<"$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p')"
    echo $((x - ${left:-0})) $((y - ${top:-0})) $((x + w + ${right:-0})) $((y + h + ${bottom:-0}))
}

# Opens a menu by key "$1" and picks its item "$2" that opens a window (lw_menu would count the
# window as a menu left open).
lw_menu_item()
{
    local windows
    windows=$(lw_visible_windows)
    lw_key "$1"
    lw_wait_until 5000 lw_menu_shown "$windows" || lw_fail "$1 opened no menu"
    lw_key "$2"
}

lw_dialog_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1; }
lw_dialog_shown() { [ -n "$(lw_dialog_window "$1")" ]; }
# Gives the keyboard to the dialog titled "$1" once it shows.
lw_await_dialog()
{
    lw_wait_until 10000 lw_dialog_shown "$1" || { lw_fail "no dialog '$1'"; return 1; }
    lw_focus "$(lw_dialog_window "$1")"
}
# Opens a dialog of the report's window by its access key.
lw_open_dialog()
{
    lw_focus_report
    lw_key "$1"
    lw_await_dialog "$2"
}

# The verdict on a speech of "$1" seconds with its first and last lamp at "$2" and "$3" and a
# grace of "$4" seconds (none when not given): under its first lamp less the grace by how far,
# qualified, or over its last plus the grace by how far. "$5", "$6" and "$7" word the three, as
# the record keeps them in English.
lw_verdict_for()
{
    local elapsed=$1 first=$(($2 - ${4:-0})) last=$(($3 + ${4:-0}))
    local under=${5:-under time by %s} qualified=${6:-qualified} over=${7:-over time by %s}
    if [ "$elapsed" -lt "$first" ]; then
        # shellcheck disable=SC2059 # the wording is the format
        printf "$under\n" "$(printf '%d:%02d' $(((first - elapsed) / 60)) $(((first - elapsed) % 60)))"
    elif [ "$elapsed" -le "$last" ]; then
        echo "$qualified"
    else
        # shellcheck disable=SC2059
        printf "$over\n" "$(printf '%d:%02d' $(((elapsed - last) / 60)) $(((elapsed - last) % 60)))"
    fi
}

# The report as Copy (Ctrl+C) puts it on the clipboard.
lw_copied_report()
{
    printf '%s' "$LW_SENTINEL" | xclip -selection clipboard -i
    lw_focus_report
    lw_key ctrl+c
    lw_wait_until 5000 lw_clipboard_changed || lw_log "Copy put nothing on the clipboard"
    lw_clipboard
}
