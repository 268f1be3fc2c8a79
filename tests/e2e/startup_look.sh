#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# At start-up: the light dark, START alone, the test row selected, every row's thresholds.
source "$(dirname "$0")/lib.sh"
lw_start "$1"

lw_check "lamps at start-up" "---" "$(lw_lamps)"
lw_start_only_shown || lw_fail "START alone should show at start-up"
lw_check "elapsed time hidden over the yellow lamp" "$LW_PANEL_RGB" \
    "$(lw_pixel "${LW_ELAPSED_XY[@]}")"
lw_check "rows with yellow boxes" "------Y" "$(lw_selected_rows)"

expected_times=(
    ""
    "04:00 05:00 06:00"
    "05:00 06:00 07:00"
    "08:00 09:00 10:00"
    "02:00 02:30 03:00"
    "01:00 01:30 02:00"
    "__:__ __:__ __:__"
    "00:02 00:04 00:06"
)
for row in 1 2 3 4 5 6 7; do
    read -r -a times <<<"${expected_times[$row]}"
    for box in 1 2 3; do
        lw_check "row $row box $box" "${times[$((box - 1))]}" "$(lw_read_box "$row" "$box")"
    done
done

expected_names=("" "Ice Breaker" "Standard" "Advanced" "Speech Evaluation" "Table Topics"
    "CUSTOM Events" "Timer TEST")
for row in 1 7; do
    name=$(lw_read_text_at "$LW_NAME_X" "${LW_ROW_Y[$row]}")
    case "$name" in
    "${expected_names[$row]}"*) lw_log "ok: row $row is '$name'" ;;
    *) lw_fail "row $row: expected a name starting '${expected_names[$row]}', got '$name'" ;;
    esac
done

# Looking into the boxes selects nothing and lights nothing.
lw_check "rows with yellow boxes after reading" "------Y" "$(lw_selected_rows)"
lw_check "lamps after reading" "---" "$(lw_lamps)"
lw_finish
