#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Ctrl+Q in the middle of a run ends the program at once and cleanly.
source "$(dirname "$0")/lib.sh"
lw_start "$1"

lw_click_radio 7
lw_start_and_watch G 5000 || lw_fail "green never lit: ${LW_LOOKS[*]}"
lw_key ctrl+q

if lw_await_app_exit 5000; then
    lw_check "exit status after Quit" 0 "$LW_APP_STATUS"
    lw_window_mapped && lw_fail "the window is still shown after Quit"
else
    lw_fail "the program was still running 5 s after Ctrl+Q"
fi
lw_finish
