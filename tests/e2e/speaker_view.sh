#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The speaker's view under a real window manager on a 1920 x 1080 screen: F11 fills the screen
# with the light, the lamps light on their seconds there at about 2.9 times their size, START
# and STOP leave it full screen, and Esc brings back the window as it was entered, or at the
# height the run state asks after a START or STOP in the view.
source "$(dirname "$0")/lib.sh"
SCREEN_W=1920
SCREEN_H=1080

LW_SCREEN_W=$SCREEN_W
LW_SCREEN_H=$SCREEN_H
LW_WM=openbox lw_start "$1"
# The red lamp's centre on the light, and its designed height. The light as the window places
# it fits the screen's width in the view.
RED_XY=("${LW_LAMP_X[2]}" "$LW_LAMP_MID_Y")
LAMP_PX=$LW_LAMP_H
read -r x0 y0 w0 h0 < <(lw_window_geometry)
menu_bar=$((h0 - LW_CLIENT_H))
lw_log "window client area at $x0,$y0 size ${w0}x$h0, outer height $(lw_outer_height)"

# The length of the red run through the given screen point, across ("x") or down ("y").
red_chord()
{
    local axis=$1 x=$2 y=$3 crop
    if [ "$axis" = x ]; then crop="${SCREEN_W}x1+0+$y"; else crop="1x${SCREEN_H}+$x+0"; fi
    import -window root png:- 2>/dev/null | convert png:- -crop "$crop" txt:- |
        grep -c '#FF0000'
}

lw_place_and_width() { lw_window_geometry | awk '{ print $1, $2, $3 }'; }
# The red lamp at its designed size, all of it painted back in the window.
designed_lamp_painted()
{
    local across down
    across=$(red_chord x 0 $((y0 + menu_bar + RED_XY[1])))
    down=$(red_chord y $((x0 + RED_XY[0])) 0)
    [ "$across" -ge $((LAMP_PX - 4)) ] && [ "$across" -le $((LAMP_PX + 4)) ] &&
        [ "$down" -ge $((LAMP_PX - 4)) ] && [ "$down" -le $((LAMP_PX + 4)) ]
}

lw_key F11
lw_wait_until 5000 lw_geometry_is "0 0 $SCREEN_W $SCREEN_H" ||
    lw_fail "F11 did not fill the screen: $(lw_window_geometry)"
lw_locate_view
# The window is full screen before the light has been painted at its new scale.
lw_check_soon "lamps in the view before START" "---" lw_lamps
lw_check_soon "above the light, where the menu bar was" "0,0,0" lw_screen_pixel 20 5

# Esc before any START gives the window back as it was entered, height and all.
lw_key Escape
lw_wait_until 5000 lw_geometry_is "$x0 $y0 $w0 $h0" ||
    lw_fail "Esc before START: $(lw_window_geometry), entered at $x0 $y0 $w0 $h0"
lw_key F11
lw_wait_until 5000 lw_geometry_is "0 0 $SCREEN_W $SCREEN_H" || lw_fail "F11 again: $(lw_window_geometry)"

# START right after start-up times the TEST row at MED: green 2 s, yellow 4 s, red 6 s.
lw_start_and_watch GYR 9000 alt+s || lw_fail "lamps seen in the view: ${LW_LOOKS[*]}"
lw_check_lamp_time G 2
lw_check_lamp_time Y 4
lw_check_lamp_time R 6
lw_check "window after START in the view" "0 0 $SCREEN_W $SCREEN_H" "$(lw_window_geometry)"
read -r rx ry < <(lw_screen_point "${RED_XY[@]}")
big_across=$(red_chord x "$rx" "$ry")
big_down=$(red_chord y "$rx" "$ry")

lw_key Escape
lw_wait_until 5000 lw_outer_height_is 300 || lw_fail "Esc during a run: outer height $(lw_outer_height)"
lw_check_soon "place and width after Esc" "$x0 $y0 $w0" lw_place_and_width
lw_wait_until 5000 designed_lamp_painted ||
    lw_fail "designed lamp not painted after Esc: $(red_chord x 0 $((y0 + menu_bar + RED_XY[1]))) px across"
small_across=$(red_chord x 0 $((y0 + menu_bar + RED_XY[1])))
small_down=$(red_chord y $((x0 + RED_XY[0])) 0)
lw_log "red lamp across x down: $small_across x $small_down px designed, $big_across x $big_down px in the view"
for pair in "$small_across $big_across" "$small_down $big_down"; do
    read -r small large <<<"$pair"
    # 1920 / 660 = 2.91; anti-aliased edges may take a pixel or two off either count.
    if [ $((large * 100)) -lt $((small * 285)) ] || [ $((large * 100)) -gt $((small * 297)) ]; then
        lw_fail "lamp $large px in the view against $small px designed"
    fi
done
[ "$small_across" -ge $((LAMP_PX - 4)) ] || lw_fail "designed lamp only $small_across px across"

# STOP in the view: the screen stays the speaker's and the elapsed time shows on the light.
lw_key F11
lw_wait_until 5000 lw_geometry_is "0 0 $SCREEN_W $SCREEN_H" || lw_fail "F11 again: $(lw_window_geometry)"
lw_key alt+p
lw_wait_until 3000 lw_shows_button "${LW_START_XY[@]}" ||
    lw_fail "START did not come back in the view"
lw_check_soon "elapsed time's box on the light" "255,255,255" lw_pixel "${LW_ELAPSED_XY[@]}"
lw_check "window after STOP in the view" "0 0 $SCREEN_W $SCREEN_H" "$(lw_window_geometry)"
lw_key Escape
lw_wait_until 5000 lw_outer_height_is 520 || lw_fail "Esc after a run: outer height $(lw_outer_height)"
lw_check_soon "place and width after the second Esc" "$x0 $y0 $w0" lw_place_and_width

# A height set by hand comes back too when nothing was started or stopped in the view.
hand_h=$((h0 - 100))
xdotool windowsize "$LW_WIN" "$w0" "$hand_h"
lw_wait_until 5000 lw_geometry_is "$x0 $y0 $w0 $hand_h" || lw_fail "resize by hand: $(lw_window_geometry)"
lw_key F11
lw_wait_until 5000 lw_geometry_is "0 0 $SCREEN_W $SCREEN_H" || lw_fail "F11 a third time: $(lw_window_geometry)"
lw_key F11
lw_wait_until 5000 lw_geometry_is "$x0 $y0 $w0 $hand_h" ||
    lw_fail "F11 out of the view: $(lw_window_geometry), entered at $x0 $y0 $w0 $hand_h"
lw_finish
