# SPDX-License-Identifier: MIT
# Shared helpers for the end-to-end tests: a private X server, the real timer window, a mouse
# and keyboard (xdotool), eyes on the screen (ImageMagick) and the clipboard (xclip).
# Source it, then call lw_start "$binary". Coordinates are logical pixels of the window's client
# area (below the menu bar), as the stored layout places the controls.

set -euo pipefail

LW_TITLE="Brindlewick's Lecternworks Timer - Version 1.1"
LW_CLIENT_W=661
LW_CLIENT_H=462

# A point inside each lamp, below the elapsed time shown over the yellow one, and the lamps'
# lit colours; a dark lamp shows the light's grey panel.
LW_LAMP_X=(171 334 494)
LW_LAMP_Y=165
LW_LAMP_RGB=("0,255,0" "255,255,0" "255,0,0")
LW_PANEL_RGB="106,106,106"
LW_START_XY=(74 197)
LW_STOP_XY=(601 197)
LW_ELAPSED_XY=(337 128)
# Rows 1 to 7: the radio button's x, each row's centre y, the three time boxes' x.
LW_RADIO_X=23
LW_ROW_Y=(0 270 296 322 349 377 403 436)
LW_BOX_X=(0 472 552 632)
LW_YELLOW_RGB="255,255,0"
LW_WHITE_RGB="255,255,255"
# A spot on the light's panel that reacts to nothing, for focusing the window by a click.
LW_NEUTRAL_XY=(610 60)

LW_TMP=""
LW_XVFB_PID=""
LW_APP_PID=""
LW_WIN=""
LW_ORIGIN_X=0
LW_ORIGIN_Y=0
LW_FAILURES=0

lw_log() { printf '%s\n' "$*" >&2; }

lw_fail()
{
    lw_log "FAIL: $*"
    LW_FAILURES=$((LW_FAILURES + 1))
}

lw_check()
{
    local what=$1 expected=$2 actual=$3
    if [ "$expected" = "$actual" ]; then
        lw_log "ok: $what = $actual"
    else
        lw_fail "$what: expected '$expected', got '$actual'"
    fi
}

lw_now_ms() { echo $(($(date +%s%N) / 1000000)); }

lw_cleanup()
{
    local pid
    for pid in "$LW_APP_PID" "$LW_XVFB_PID"; do
        if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        fi
    done
    if [ -n "$LW_TMP" ]; then
        rm -rf "$LW_TMP"
    fi
}

# Ends the test: nonzero when any check failed.
lw_finish()
{
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

# Runs "$@" until it succeeds or the deadline (ms) passes; returns 1 on timeout.
lw_wait_until()
{
    local deadline_ms=$1
    shift
    local end=$(($(lw_now_ms) + deadline_ms))
    until "$@"; do
        if [ "$(lw_now_ms)" -ge "$end" ]; then
            return 1
        fi
        sleep 0.05
    done
}

lw_require_tools()
{
    local tool missing=()
    for tool in Xvfb xdotool import convert xclip xwininfo; do
        command -v "$tool" >/dev/null || missing+=("$tool")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        lw_log "missing tools: ${missing[*]} (bash tools/setup.sh --tests installs them)"
        exit 1
    fi
}

# Starts Xvfb on the first free display from 80 to 89; another test may take one at the same
# moment, so a server that dies at once is taken as a lost race and the next number is tried.
lw_start_display()
{
    local n ready
    for n in 80 81 82 83 84 85 86 87 88 89; do
        [ -e "/tmp/.X$n-lock" ] && continue
        ready="$LW_TMP/xvfb-ready-$n"
        : >"$ready"
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -displayfd 3 3>"$ready" \
            >"$LW_TMP/xvfb-$n.log" 2>&1 &
        LW_XVFB_PID=$!
        if lw_wait_until 10000 lw_display_settled "$ready" && [ -s "$ready" ] &&
            kill -0 "$LW_XVFB_PID" 2>/dev/null; then
            export DISPLAY=":$n"
            lw_log "X server on $DISPLAY"
            return 0
        fi
        kill "$LW_XVFB_PID" 2>/dev/null || true
        wait "$LW_XVFB_PID" 2>/dev/null || true
        LW_XVFB_PID=""
    done
    lw_log "no free X display among :80 to :89"
    exit 1
}

# Ready (it has written its display number) or dead.
lw_display_settled()
{
    [ -s "$1" ] || ! kill -0 "$LW_XVFB_PID" 2>/dev/null
}

lw_window_mapped()
{
    LW_WIN=$(xdotool search --onlyvisible --name "^${LW_TITLE}\$" 2>/dev/null | head -n 1)
    [ -n "$LW_WIN" ]
}

lw_window_geometry()
{
    xwininfo -id "$LW_WIN" | awk '
        /Absolute upper-left X:/ { x = $4 }
        /Absolute upper-left Y:/ { y = $4 }
        /^  Width:/ { w = $2 }
        /^  Height:/ { h = $2 }
        END { print x, y, w, h }'
}

lw_window_height() { lw_window_geometry | awk '{ print $4 }'; }

lw_height_is() { [ "$(lw_window_height)" = "$1" ]; }

# Starts a display and the timer, and waits for its window; everything is ended on exit.
lw_start()
{
    local binary=$1
    lw_require_tools
    if [ ! -x "$binary" ]; then
        lw_log "no timer binary at '$binary'"
        exit 1
    fi
    LW_TMP=$(mktemp -d)
    trap lw_cleanup EXIT
    trap 'exit 130' INT TERM
    lw_start_display
    export QT_QPA_PLATFORM=xcb
    "$binary" >"$LW_TMP/app.log" 2>&1 &
    LW_APP_PID=$!
    if ! lw_wait_until 15000 lw_window_mapped; then
        lw_log "the timer's window never appeared"
        cat "$LW_TMP/app.log" >&2
        exit 1
    fi
    local x y w h
    read -r x y w h < <(lw_window_geometry)
    # The window is the menu bar over the client area; the menu bar's height follows the font.
    LW_ORIGIN_X=$x
    LW_ORIGIN_Y=$((y + h - LW_CLIENT_H))
    lw_log "window $LW_WIN at $x,$y size ${w}x$h, client area from y=$LW_ORIGIN_Y"
    lw_check "window width" "$LW_CLIENT_W" "$w"
    # Wait for the first paint before anyone looks or clicks.
    lw_wait_until 10000 lw_lamps_are "---" || lw_fail "lamps never painted dark at start-up"
    lw_click "${LW_NEUTRAL_XY[@]}"
}

# ---- hands ---------------------------------------------------------------------------------

lw_click()
{
    xdotool mousemove --sync $((LW_ORIGIN_X + $1)) $((LW_ORIGIN_Y + $2)) click 1
}

lw_key() { xdotool key --delay 30 "$@"; }

lw_type() { xdotool type --delay 40 "$1"; }

lw_click_radio() { lw_click "$LW_RADIO_X" "${LW_ROW_Y[$1]}"; }

lw_click_box() { lw_click "${LW_BOX_X[$2]}" "${LW_ROW_Y[$1]}"; }

# ---- eyes ----------------------------------------------------------------------------------

# Prints "r,g,b" for each client-area point given as x y pairs, one screenshot for all.
lw_pixels()
{
    local expr="" x y c
    while [ $# -ge 2 ]; do
        x=$((LW_ORIGIN_X + $1))
        y=$((LW_ORIGIN_Y + $2))
        for c in r g b; do
            expr+="%[fx:round(255*p{$x,$y}.$c)]"
            [ "$c" = b ] || expr+=","
        done
        expr+=" "
        shift 2
    done
    import -window root png:- 2>/dev/null | convert png:- -format "${expr% }" info:-
}

lw_pixel() { lw_pixels "$1" "$2"; }

# The light as a person sees it: "GYR" with "-" for a dark lamp and "?" for anything else.
lw_lamps()
{
    local look="" i
    local -a rgb
    read -r -a rgb < <(lw_pixels "${LW_LAMP_X[0]}" "$LW_LAMP_Y" "${LW_LAMP_X[1]}" "$LW_LAMP_Y" \
        "${LW_LAMP_X[2]}" "$LW_LAMP_Y")
    local letters=(G Y R)
    for i in 0 1 2; do
        if [ "${rgb[$i]:-}" = "${LW_LAMP_RGB[$i]}" ]; then
            look+=${letters[$i]}
        elif [ "${rgb[$i]:-}" = "$LW_PANEL_RGB" ]; then
            look+="-"
        else
            look+="?"
        fi
    done
    echo "$look"
}

lw_lamps_are() { [ "$(lw_lamps)" = "$1" ]; }

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
    printf '%s' "$LW_SENTINEL" | xclip -selection clipboard -i
    lw_click "$1" "$2"
    lw_key Home shift+End ctrl+c
    if ! lw_wait_until 5000 lw_clipboard_changed; then
        lw_log "nothing was copied from the box at $1,$2"
        echo "<nothing copied>"
        return 0
    fi
    lw_clipboard
}

lw_read_box() { lw_read_text_at "${LW_BOX_X[$2]}" "${LW_ROW_Y[$1]}"; }

# ---- menus ---------------------------------------------------------------------------------

lw_visible_windows() { xdotool search --onlyvisible --pid "$LW_APP_PID" 2>/dev/null | wc -l; }

lw_menu_shown() { [ "$(lw_visible_windows)" -gt "$1" ]; }

# Opens a menu by its access keys, each step once its popup has come up, then picks the item.
# Example: lw_menu alt+o t f
lw_menu()
{
    local base
    base=$(lw_visible_windows)
    local steps=("$@")
    local last=$((${#steps[@]} - 1)) i
    for i in "${!steps[@]}"; do
        lw_key "${steps[$i]}"
        if [ "$i" -lt "$last" ]; then
            lw_wait_until 5000 lw_menu_shown $((base + i)) ||
                lw_fail "menu step ${steps[$i]} opened nothing"
        fi
    done
    lw_wait_until 5000 lw_menus_closed "$base" || lw_fail "menu stayed open after ${steps[*]}"
}

lw_menus_closed() { [ "$(lw_visible_windows)" -le "$1" ]; }

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
    [ "$latest" -ge "$due" ] || lw_fail "lamp $letter lit after at most $latest ms, due at $due"
    # Still dark in a screenshot begun well after its second: it came on late.
    [ "$earliest" -le $((due + LW_LATE_MS)) ] ||
        lw_fail "lamp $letter still dark $earliest ms after START, due at $due"
}

# ---- under a window manager, on a screen of a chosen size ----------------------------------

LW_WM_PID=""

lw_wm_cleanup()
{
    if [ -n "$LW_WM_PID" ] && kill -0 "$LW_WM_PID" 2>/dev/null; then
        kill "$LW_WM_PID" 2>/dev/null || true
        wait "$LW_WM_PID" 2>/dev/null || true
    fi
    lw_cleanup
}

lw_wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

lw_window_framed() { xprop -id "$LW_WIN" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '='; }

# Starts Xvfb with one screen of the given size (such as 1920x1080) on the first free display
# from 90 to 99, openbox on it, and the timer; waits until openbox has framed the window.
lw_start_under_wm()
{
    local binary=$1 size=$2 n ready
    lw_require_tools
    command -v openbox >/dev/null && command -v xprop >/dev/null || {
        lw_log "missing openbox or xprop (bash tools/setup.sh --tests installs them)"
        exit 1
    }
    LW_TMP=$(mktemp -d)
    trap lw_wm_cleanup EXIT
    trap 'exit 130' INT TERM
    for n in 90 91 92 93 94 95 96 97 98 99; do
        [ -e "/tmp/.X$n-lock" ] && continue
        ready="$LW_TMP/xvfb-ready-$n"
        : >"$ready"
        Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp -displayfd 3 3>"$ready" \
            >"$LW_TMP/xvfb-$n.log" 2>&1 &
        LW_XVFB_PID=$!
        if lw_wait_until 10000 lw_display_settled "$ready" && [ -s "$ready" ] &&
            kill -0 "$LW_XVFB_PID" 2>/dev/null; then
            export DISPLAY=":$n"
            break
        fi
        kill "$LW_XVFB_PID" 2>/dev/null || true
        wait "$LW_XVFB_PID" 2>/dev/null || true
        LW_XVFB_PID=""
    done
    [ -n "$LW_XVFB_PID" ] || { lw_log "no free X display among :90 to :99"; exit 1; }
    openbox >"$LW_TMP/openbox.log" 2>&1 &
    LW_WM_PID=$!
    lw_wait_until 10000 lw_wm_running || { lw_log "openbox did not start"; exit 1; }
    lw_log "X server on $DISPLAY ($size) with openbox"
    export QT_QPA_PLATFORM=xcb
    "$binary" >"$LW_TMP/app.log" 2>&1 &
    LW_APP_PID=$!
    lw_wait_until 15000 lw_window_mapped && lw_wait_until 5000 lw_window_framed || {
        lw_log "the timer's window never appeared framed"
        cat "$LW_TMP/app.log" >&2
        exit 1
    }
    xdotool windowactivate --sync "$LW_WIN"
}

# The window's outer height, its frame and title bar included, as the window manager adds them.
lw_outer_height()
{
    local left right top bottom
    IFS=', ' read -r left right top bottom < <(xprop -id "$LW_WIN" _NET_FRAME_EXTENTS |
        sed 's/.*= //')
    echo $(($(lw_window_height) + top + bottom))
}

lw_outer_height_is() { [ "$(lw_outer_height)" = "$1" ]; }

lw_geometry_is() { [ "$(lw_window_geometry)" = "$1" ]; }
