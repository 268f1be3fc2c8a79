#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The window-height test of the timing run, under a real Wayland compositor (weston, headless):
# START and STOP on a maximised or full-screen window let it go and size it, never end it.
set -euo pipefail
test_binary=$1
keep_loaded=$2
for tool in weston; do
    command -v "$tool" >/dev/null || { echo "missing $tool (bash tools/setup.sh --tests)" >&2; exit 1; }
done
runtime=$(mktemp -d)
chmod 700 "$runtime"
weston_pid=""
cleanup()
{
    [ -z "$weston_pid" ] || kill "$weston_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$runtime"
}
trap cleanup EXIT
export XDG_RUNTIME_DIR=$runtime
weston --no-config --backend=headless-backend.so --socket=lw-wayland --idle-time=0 \
    --width=1280 --height=800 >"$runtime/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
    [ -S "$runtime/lw-wayland" ] && break
    kill -0 "$weston_pid" 2>/dev/null || break
    sleep 0.1
done
if [ ! -S "$runtime/lw-wayland" ]; then
    echo "weston did not start:" >&2
    cat "$runtime/weston.log" >&2
    exit 1
fi
# Every library stays loaded until the leak check (see keeploaded.cpp); a sanitizer's runtime
# must still come first among the preloaded.
preload=$keep_loaded
asan=$(ldd "$test_binary" | awk '/libasan/ { print $3 }')
[ -z "$asan" ] || preload="$asan $keep_loaded"
WAYLAND_DISPLAY=lw-wayland QT_QPA_PLATFORM=wayland LD_PRELOAD=$preload \
    "$test_binary" startAndStopSetTheOuterHeight
