# SPDX-License-Identifier: MIT
# shellcheck shell=bash disable=SC2034,SC2119,SC2120 # names and optional arguments for the scripts
# The display harness the scripts share: a private X server with its monitors and a window
# manager, the real timer window, a mouse and keyboard (xdotool) and eyes on the screen
# (ImageMagick). Source it; lw_start "$binary" starts a display and the timer. Coordinates are
# logical pixels of the window's client area (below the menu bar), as the stored layout places
# the controls.

set -euo pipefail

# ---- settings: a script may set these before lw_start -----------------------------------

# The private X server's screen: room for the window at its tallest, with a corner beside it.
LW_SCREEN_W=1024
LW_SCREEN_H=768
# Monitors the screen is split into, side by side and of equal width, as a desktop with more
# than one display shows them to programs (RandR monitors).
LW_MONITORS=1
# LW_WM: the window manager to start (openbox), none when unset.
# LW_EYES_DISPLAY: the display the screen is read from when not the one the hands work (a
# compositor drawing its outputs as windows on the X server).
# LW_LAYOUT_POINTS: the layout tool (tools/layoutpoints) that lw_load_layout runs.

# ---- the window's layout -------------------------------------------------------------------

# Set by lw_load_layout from the stored layouts: the window's caption LW_TITLE, its client area
# LW_CLIENT_W x LW_CLIENT_H, the light's size as the window places it (LW_LIGHT_W, LW_LIGHT_H)
# and on its own (LW_LIGHT_OWN_W, LW_LIGHT_OWN_H), and these points:
#   LW_LAMP_X        each lamp's centre, left to right
#   LW_LAMP_Y        where the lamps are read: below the elapsed time, which covers the yellow
#                    lamp's middle; LW_LAMP_MID_Y is the lamps' centre, LW_LAMP_H their height
#   LW_START_XY, LW_STOP_XY, LW_ELAPSED_XY   the buttons' and the elapsed time's centres
#   LW_RADIO_X, LW_NAME_X, LW_BOX_X          in a row: the radio button's and the name's
#                    centre, and a point in each of the three time boxes clear of its digits
#   LW_ROW_Y         each row's centre
#   LW_NEUTRAL_XY    a spot on the light's panel that reacts to nothing, for focusing the window
#                    by a click
# Rows and boxes count from 1.
LW_TITLE=""

# The lamps' lit colours, left to right; a dark lamp shows the light's grey panel. A selected
# row's time boxes are yellow, the others white.
LW_LAMP_RGB=("0,255,0" "255,255,0" "255,0,0")
LW_PANEL_RGB="106,106,106"
LW_YELLOW_RGB="255,255,0"
LW_WHITE_RGB="255,255,255"

# ---- the harness's own state: scripts read it; only the functions here change it -----------

LW_TMP=""
LW_XVFB_PID=""
LW_APP_PID=""
# The timer's exit status once lw_await_app_exit has seen it end.
LW_APP_STATUS=""
LW_WM_PID=""
LW_WIN=""
# Where a client-area point is on the screen: LW_ORIGIN + point * LW_SCALE_NUM / LW_SCALE_DEN.
LW_ORIGIN_X=0
LW_ORIGIN_Y=0
LW_SCALE_NUM=1
LW_SCALE_DEN=1
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

# Reads the window's caption, size and points (see above) from the layout tool: the one given,
# else LW_LAYOUT_POINTS, as the tests' environment sets it.
lw_load_layout()
{
    local tool=${1:-${LW_LAYOUT_POINTS:-}} points
    if [ ! -x "$tool" ]; then
        lw_log "no layout tool at '$tool': build lw-layout-points and set LW_LAYOUT_POINTS"
        exit 1
    fi
    points=$("$tool") || { lw_log "$tool could not read the stored layouts"; exit 1; }
    eval "$points"
}

# ---- a private X server --------------------------------------------------------------------

# A folder for the server's and the timer's files; it, the timer and the server end on exit.
lw_begin()
{
    LW_TMP=$(mktemp -d)
    # The timer's settings and meeting record stay in here, never the user's own.
    export XDG_CONFIG_HOME="$LW_TMP/config" XDG_DATA_HOME="$LW_TMP/data" XDG_STATE_HOME="$LW_TMP/state"
    # The texts the scripts look for and the keys they press are English, whatever the machine's
    # language, unless a script asks for another (LW_LANGUAGE=de_DE, say).
    export LANGUAGE=${LW_LANGUAGE:-en}
    trap lw_cleanup EXIT
    trap 'exit 130' INT TERM
}

lw_cleanup()
{
    local pid
    for pid in "$LW_APP_PID" "$LW_WM_PID" "$LW_XVFB_PID"; do
        if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
            kill "$pid" 2>/dev/null || true
            wait "$pid" 2>/dev/null || true
        fi
    done
    if [ -n "$LW_TMP" ]; then
        rm -rf "$LW_TMP"
    fi
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

# Whether a live server holds the display; a lock left by a dead one the new server clears.
lw_display_taken()
{
    local lock="/tmp/.X${1#:}-lock"
    [ -e "$lock" ] && kill -0 "$(tr -d ' ' <"$lock" 2>/dev/null)" 2>/dev/null
}

# Starts Xvfb on the first free display of those given (":N"), by default of :80 to :89, and
# sends the X clients started from here to it; returns 1 when none could be had. Another program
# may take a display at the same moment, so a server that dies at once is taken as a lost race
# and the next display is tried. Call lw_begin first.
lw_start_display()
{
    local displays=("$@") d ready
    [ $# -gt 0 ] || displays=(:80 :81 :82 :83 :84 :85 :86 :87 :88 :89)
    for d in "${displays[@]}"; do
        lw_display_taken "$d" && continue
        ready="$LW_TMP/xvfb-ready-${d#:}"
        : >"$ready"
        # -noreset: otherwise the server resets whenever its last client leaves, refusing
        # connections for a moment.
        Xvfb "$d" -screen 0 "${LW_SCREEN_W}x${LW_SCREEN_H}x24" -nolisten tcp -noreset \
            -displayfd 3 3>"$ready" >"$LW_TMP/xvfb-${d#:}.log" 2>&1 &
        LW_XVFB_PID=$!
        if lw_wait_until 10000 lw_display_settled "$ready" && [ -s "$ready" ] &&
            kill -0 "$LW_XVFB_PID" 2>/dev/null; then
            export DISPLAY=$d QT_QPA_PLATFORM=xcb
            unset WAYLAND_DISPLAY
            lw_log "X server on $DISPLAY"
            lw_split_monitors
            return 0
        fi
        kill "$LW_XVFB_PID" 2>/dev/null || true
        wait "$LW_XVFB_PID" 2>/dev/null || true
        LW_XVFB_PID=""
    done
    lw_log "no free X display among ${displays[*]}"
    return 1
}

lw_split_monitors()
{
    [ "$LW_MONITORS" -gt 1 ] || return 0
    command -v xrandr >/dev/null || { lw_log "missing xrandr (bash tools/setup.sh --tests installs it)"; exit 1; }
    local width=$((LW_SCREEN_W / LW_MONITORS)) i output=screen
    # The first monitor takes over Xvfb's one output, "screen", so that the whole-screen
    # monitor goes; the others show part of that output.
    for ((i = 0; i < LW_MONITORS; i++)); do
        xrandr --setmonitor "monitor$i" "$width/$((width / 4))x$LW_SCREEN_H/$((LW_SCREEN_H / 4))+$((i * width))+0" \
            "$output" >/dev/null
        output=none
    done
    lw_log "monitors: $(xrandr --listmonitors | tail -n +2 | awk '{ print $3 }' | tr '\n' ' ')"
}

# Ready (it has written its display number) or dead.
lw_display_settled()
{
    [ -s "$1" ] || ! kill -0 "$LW_XVFB_PID" 2>/dev/null
}

# Starts the window manager named in LW_WM (openbox) on the display, if any, and waits until it
# manages windows.
lw_start_wm()
{
    [ -n "${LW_WM:-}" ] || return 0
    "$LW_WM" >"$LW_TMP/wm.log" 2>&1 &
    LW_WM_PID=$!
    lw_wait_until 10000 lw_wm_running || { lw_log "$LW_WM did not start"; exit 1; }
}

lw_wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

lw_window_framed() { xprop -id "$LW_WIN" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '='; }

# ---- the window ----------------------------------------------------------------------------

# The caption may go on: " - Next: Ann Lee — Ice Breaker", " (record not saved)".
lw_window_mapped()
{
    LW_WIN=$(xdotool search --onlyvisible --name "^${LW_TITLE}( .*)?\$" 2>/dev/null | head -n 1)
    [ -n "$LW_WIN" ]
}

# "x y width height" of the timer's window, or of the window given.
lw_window_geometry()
{
    xwininfo -id "${1-$LW_WIN}" | awk '
        /Absolute upper-left X:/ { x = $4 }
        /Absolute upper-left Y:/ { y = $4 }
        /^  Width:/ { w = $2 }
        /^  Height:/ { h = $2 }
        END { print x, y, w, h }'
}

lw_window_width() { lw_window_geometry | awk '{ print $3 }'; }

lw_window_height() { lw_window_geometry | awk '{ print $4 }'; }

lw_height_is() { [ "$(lw_window_height)" = "$1" ]; }

# The window's height with the frame the window manager adds (none without one).
lw_outer_height()
{
    local extents
    extents=$(xprop -id "$LW_WIN" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= *//p')
    IFS=', ' read -r _ _ top bottom <<<"${extents:-0, 0, 0, 0}"
    echo $(($(lw_window_height) + top + bottom))
}

lw_outer_height_is() { [ "$(lw_outer_height)" = "$1" ]; }

lw_geometry_is() { [ "$(lw_window_geometry)" = "$1" ]; }

lw_maximised() { xprop -id "$LW_WIN" _NET_WM_STATE 2>/dev/null | grep -q MAXIMIZED; }

lw_not_maximised() { ! lw_maximised; }

# Finds the client area of window LW_WIN as it opens. The window is the menu bar over the client
# area; the menu bar's height follows the font.
lw_locate_client()
{
    local x y w h
    read -r x y w h < <(lw_window_geometry)
    LW_ORIGIN_X=$x
    # The menu bar's height as the window first shows: STOP grows the window below the rows, so
    # its bottom is no guide once a speech was timed.
    LW_MENU_BAR_H=${LW_MENU_BAR_H:-$((h - LW_CLIENT_H))}
    LW_ORIGIN_Y=$((y + LW_MENU_BAR_H))
    LW_SCALE_NUM=1
    LW_SCALE_DEN=1
    lw_log "window $LW_WIN at $x,$y size ${w}x$h, client area from y=$LW_ORIGIN_Y"
}

# Takes the given window, a timer started by another program (the benchmark's probe), as the
# one to work, and finds its client area.
lw_use_window()
{
    LW_WIN=$1
    lw_locate_client
}

# Points on the speaker's view until the next lw_locate_client: the window fills the screen
# with the light scaled to the screen's width and centred in height, everything on it scaled
# alike.
lw_locate_view()
{
    LW_SCALE_NUM=$LW_SCREEN_W
    LW_SCALE_DEN=$LW_LIGHT_W
    LW_ORIGIN_X=0
    LW_ORIGIN_Y=$(((LW_SCREEN_H - LW_LIGHT_H * LW_SCALE_NUM / LW_SCALE_DEN) / 2))
    lw_log "speaker's view: the light from y=$LW_ORIGIN_Y at $LW_SCALE_NUM/$LW_SCALE_DEN"
}

# Sets the caller's sx and sy to the screen point of a client-area point.
lw_map_point()
{
    sx=$((LW_ORIGIN_X + $1 * LW_SCALE_NUM / LW_SCALE_DEN))
    sy=$((LW_ORIGIN_Y + $2 * LW_SCALE_NUM / LW_SCALE_DEN))
}

# Prints the screen point "x y" of a client-area point.
lw_screen_point()
{
    local sx sy
    lw_map_point "$1" "$2"
    echo "$sx $sy"
}

# Starts a display (the first free one of those given after the binary, see lw_start_display)
# and the timer, and waits for its window; everything is ended on exit.
lw_start()
{
    local binary=$1
    shift
    lw_require_tools
    if [ ! -x "$binary" ]; then
        lw_log "no timer binary at '$binary'"
        exit 1
    fi
    [ -n "$LW_TITLE" ] || lw_load_layout
    lw_begin
    lw_start_display "$@" || exit 1
    lw_start_wm
    lw_launch "$binary"
}

# Starts the timer (again) on the display and waits for its window, ready for clicks.
lw_launch()
{
    local binary=$1
    "$binary" >>"$LW_TMP/app.log" 2>&1 &
    LW_APP_PID=$!
    if ! lw_wait_until 15000 lw_window_mapped; then
        lw_log "the timer's window never appeared"
        cat "$LW_TMP/app.log" >&2
        exit 1
    fi
    if [ -n "${LW_WM:-}" ]; then
        lw_wait_until 5000 lw_window_framed || lw_fail "$LW_WM never framed the window"
        xdotool windowactivate --sync "$LW_WIN"
    fi
    lw_locate_client
    lw_check "window width" "$LW_CLIENT_W" "$(lw_window_width)"
    # Wait for the first paint before anyone looks or clicks.
    lw_wait_until 10000 lw_lamps_are "---" || lw_fail "lamps never painted dark at start-up"
    lw_click "${LW_NEUTRAL_XY[@]}"
}

lw_app_gone() { ! kill -0 "$LW_APP_PID" 2>/dev/null; }

# Waits up to the deadline (ms) for the timer to end by itself, such as after Quit; returns 1
# when it still runs. LW_APP_STATUS then holds its exit status.
lw_await_app_exit()
{
    lw_wait_until "$1" lw_app_gone || return 1
    LW_APP_STATUS=0
    wait "$LW_APP_PID" || LW_APP_STATUS=$?
    LW_APP_PID=""
}

# Ends the timer with the given signal (TERM by default) and waits for it, as before lw_launch
# starts it again.
lw_end_app()
{
    kill -"${1:-TERM}" "$LW_APP_PID" 2>/dev/null || true
    wait "$LW_APP_PID" 2>/dev/null || true
    LW_APP_PID=""
}

# ---- hands ---------------------------------------------------------------------------------

lw_click()
{
    local sx sy
    lw_map_point "$1" "$2"
    xdotool mousemove --sync "$sx" "$sy" click 1
}

lw_key() { xdotool key --delay 30 "$@"; }

lw_type() { xdotool type --delay 40 "$1"; }

lw_click_radio() { lw_click "$LW_RADIO_X" "${LW_ROW_Y[$1]}"; }

lw_click_box() { lw_click "${LW_BOX_X[$2]}" "${LW_ROW_Y[$1]}"; }

# Out of the light's way and off every control: the screen's far corner, beside the window.
lw_pointer_away() { xdotool mousemove --sync $((LW_SCREEN_W - 1)) $((LW_SCREEN_H - 1)); }

# ---- eyes ----------------------------------------------------------------------------------

# Prints "r,g,b" for each screen point given as x y pairs, one screenshot for all.
lw_screen_pixels()
{
    local expr="" c
    while [ $# -ge 2 ]; do
        for c in r g b; do
            expr+="%[fx:round(255*p{$1,$2}.$c)]"
            [ "$c" = b ] || expr+=","
        done
        expr+=" "
        shift 2
    done
    DISPLAY=${LW_EYES_DISPLAY:-$DISPLAY} import -window root png:- 2>/dev/null |
        convert png:- -format "${expr% }" info:-
}

lw_screen_pixel() { lw_screen_pixels "$1" "$2"; }

# The same for client-area points.
lw_pixels()
{
    local points=() sx sy
    while [ $# -ge 2 ]; do
        lw_map_point "$1" "$2"
        points+=("$sx" "$sy")
        shift 2
    done
    lw_screen_pixels "${points[@]}"
}

lw_pixel() { lw_pixels "$1" "$2"; }

lw_pixel_is() { [ "$(lw_pixel "$1" "$2")" = "$3" ]; }

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
