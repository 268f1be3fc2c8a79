#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Without a display to open, the timer says so in one line, naming the display, and exits 1.
set -uo pipefail
binary=$1
failures=0
# An X display nobody serves: no socket and no lock file.
n=99
while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n - 1)); done

expect_refusal() { # WHAT NAMED-DISPLAY ENV...
    local what=$1 named=$2 out status
    shift 2
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE "$@" \
        "$binary" 2>&1)
    status=$?
    local expected="lecternworks-timer: no graphical display could be opened (tried $named)"
    if [ "$status" -eq 1 ] && [ "$out" = "$expected" ]; then
        echo "ok: $what"
    else
        echo "FAIL: $what: status $status, said '$out', expected '$expected'" >&2
        failures=$((failures + 1))
    fi
}
expect_refusal "DISPLAY unset" "X11, but DISPLAY is not set"
expect_refusal "DISPLAY :$n unreachable" "X11 display \":$n\"" DISPLAY=":$n"
exit $((failures > 0))
