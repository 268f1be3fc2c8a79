#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package in a Release tree of its own, checks what it holds and has lintian
# judge it, installs it through apt-get, validates and checks the installed files and that the
# program starts, then removes it and checks that nothing is left. Needs root (or sudo): it
# installs into the system.
set -euo pipefail

repo="$(cd "$(dirname "$0")/../.." && pwd)"
source "$repo/tools/packages.sh"
build="$(realpath -m "${LW_PACKAGE_BUILD_DIR:-$repo/build/package}")"
pkg=lecternworks-timer
bin=/usr/bin/lecternworks-timer
desktop=/usr/share/applications/lecternworks-timer.desktop
metainfo=/usr/share/metainfo/org.lecternworks.timer.metainfo.xml
icon=/usr/share/icons/hicolor/scalable/apps/lecternworks-timer.svg
manpage=/usr/share/man/man1/lecternworks-timer.1.gz
docdir=/usr/share/doc/lecternworks-timer
# The meeting's record and its report, which the program loads from beside itself when first used.
record_module=/usr/lib/$(gcc -print-multiarch)/lecternworks-timer/liblecternworks-timer-record.so
# The light on other devices, loaded from there when switched on.
light_module=/usr/lib/$(gcc -print-multiarch)/lecternworks-timer/liblecternworks-timer-light.so
# The light for screen capture, loaded from there when first opened.
capture_module=/usr/lib/$(gcc -print-multiarch)/lecternworks-timer/liblecternworks-timer-capture.so
installed_files=("$bin" "$desktop" "$metainfo" "$icon" "$manpage" "$docdir/copyright"
    /usr/lib/lecternworks-timer/sound/lecternworks-timer-sound.so
    "$docdir/changelog.gz" "$record_module" "$light_module" "$capture_module")

export DEBIAN_FRONTEND=noninteractive

passed=0
failed=0
pass() { passed=$((passed + 1)); echo "ok: $*"; }
fail() { failed=$((failed + 1)); echo "FAIL: $*" >&2; }
check() { # check DESCRIPTION COMMAND... : runs the command, counts the result
    local what="$1"
    shift
    if "$@"; then pass "$what"; else fail "$what"; fi
}

app_pid=""
we_installed=0
cleanup() {
    [ -z "$app_pid" ] || kill "$app_pid" 2>/dev/null || true
    # A run that stopped half-way must not leave its package in the system.
    if [ "$we_installed" -eq 1 ] && dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q installed; then
        lw_as_root apt-get remove -y "$pkg" >/dev/null 2>&1 || true
    fi
}
trap cleanup EXIT

# The test tools (the validators among them), then what builds the package (dpkg-shlibdeps) and
# renders the icon.
"$repo/tools/setup.sh" --tests
lw_install_missing dpkg-dev librsvg2-bin

# Skipping the install-all dependency keeps the tests out of a packaging build.
cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON
cmake --build "$build" --target lecternworks-timer -j"$(nproc)"
rm -f "$build/${pkg}"_*.deb
(cd "$build" && cpack -G DEB)

debs=("$build/${pkg}"_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    echo "expected one package in $build" >&2
    exit 1
fi
deb="${debs[0]}"
echo "package: $deb"

# ---- The package's contents and control fields ------------------------------------------
contents="$(dpkg-deb -c "$deb" | awk '{print $NF}')"
for f in "${installed_files[@]}"; do
    check "package holds $f" grep -qxF ".$f" <<<"$contents"
done
check "binary is executable in the package" \
    grep -qE '^-rwxr-xr-x .* \./usr/bin/lecternworks-timer$' <<<"$(dpkg-deb -c "$deb")"

info="$(dpkg-deb -I "$deb")"
echo "$info"
check "package name" grep -qx " Package: $pkg" <<<"$info"
check "package version 1.00" grep -qx " Version: 1.00" <<<"$info"
depends="$(dpkg-deb -f "$deb" Depends)"
check "depends on libqt6widgets6" grep -qE '(^|, )libqt6widgets6( |,|$)' <<<"$depends"
check "depends on the HTTP server" grep -qE '(^|, )libqt6httpserver6( |,|$)' <<<"$depends"
check "depends on the WebSockets" grep -qE '(^|, )libqt6websockets6( |,|$)' <<<"$depends"
check "depends on the QR encoder" grep -qE '(^|, )libqrencode4( |,|$)' <<<"$depends"
check "depends on the platform plugins" grep -qE '(^|, )qt6-qpa-plugins( |,|$)' <<<"$depends"
check "depends on the SQLite driver" grep -qE '(^|, )libqt6sql6-sqlite( |,|$)' <<<"$depends"
check "depends on Qt Print Support, which the record's module needs" \
    grep -qE '(^|, )libqt6printsupport6( |,|$)' <<<"$depends"
check "has a maintainer" test -n "$(dpkg-deb -f "$deb" Maintainer)"
check "has a description" test -n "$(dpkg-deb -f "$deb" Description)"
check "recommends qt6-wayland" \
    grep -qE '(^|, )qt6-wayland( |,|$)' <<<"$(dpkg-deb -f "$deb" Recommends)"

# Errors, warnings and pedantic remarks fail; lintian's informational notes are shown but pass
# (such as the .comment section of the C runtime's start files, which only Debian's own build
# helpers strip).
check "lintian --pedantic finds nothing to fix" \
    lintian --pedantic --display-info --fail-on error,warning,pedantic "$deb"

# ---- Install --------------------------------------------------------------------------
if lw_installed "$pkg"; then
    # A left-over from an earlier run would hide whether this install puts the files there.
    lw_as_root apt-get remove -y "$pkg"
fi
for f in "${installed_files[@]}"; do
    check "$f absent before install" test ! -e "$f"
done
we_installed=1
# Only the package itself: what it recommends would stay behind after the remove.
lw_as_root apt-get install -y --no-install-recommends "$deb"
check "package installed" \
    test "$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null)" = "install ok installed"
for f in "${installed_files[@]}"; do
    check "$f installed" test -s "$f"
done
check "desktop entry valid, without warnings" test -z "$(desktop-file-validate "$desktop" 2>&1)"
# --strict fails on its informational issues too, not only on errors and warnings.
check "metainfo valid for appstreamcli" appstreamcli validate --no-net --strict "$metainfo"
check "metainfo valid for appstream-util" appstream-util validate --nonet "$metainfo"
check "desktop entry names the program" grep -qx 'Name=LecternWorks Timer' "$desktop"
check "desktop entry's command is on PATH" \
    test "$(command -v "$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")")" = "$bin"

# The icon must render to the three lamps on a dark panel: green, yellow and red from left.
png="$(mktemp --suffix=.png)"
rsvg-convert -w 128 -h 128 "$icon" -o "$png"
pixel() { convert "$png" -format "%[fx:int(255*p{$1}.r)] %[fx:int(255*p{$1}.g)] %[fx:int(255*p{$1}.b)]" info:; }
is_green() { read -r r g b <<<"$(pixel "$1")"; [ "$g" -gt 150 ] && [ "$r" -lt 100 ] && [ "$b" -lt 100 ]; }
is_yellow() { read -r r g b <<<"$(pixel "$1")"; [ "$r" -gt 200 ] && [ "$g" -gt 150 ] && [ "$b" -lt 100 ]; }
is_red() { read -r r g b <<<"$(pixel "$1")"; [ "$r" -gt 150 ] && [ "$g" -lt 100 ] && [ "$b" -lt 100 ]; }
is_dark() { read -r r g b <<<"$(pixel "$1")"; [ "$r" -lt 110 ] && [ "$r" -eq "$g" ] && [ "$g" -eq "$b" ]; }
check "icon: green lamp at left" is_green 28,64
check "icon: yellow lamp in the middle" is_yellow 64,64
check "icon: red lamp at right" is_red 100,64
check "icon: dark grey panel around the lamps" is_dark 10,64
rm -f "$png"

# ---- The installed program starts --------------------------------------------------------
log="$(mktemp)"
QT_QPA_PLATFORM=offscreen "$bin" >"$log" 2>&1 &
app_pid=$!
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null; }
# Up means: the platform plugin is loaded and the process sits idle in its event loop (its CPU
# time stops growing); a crash or an early exit ends the wait.
up=0
last=-1
deadline=$((SECONDS + 30))
while [ $SECONDS -lt $deadline ] && kill -0 "$app_pid" 2>/dev/null; do
    if grep -q libqoffscreen "/proc/$app_pid/maps" 2>/dev/null; then
        now="$(cpu_ticks "$app_pid")"
        if [ -n "$now" ] && [ "$now" = "$last" ]; then
            up=1
            break
        fi
        last="$now"
    fi
    sleep 0.2
done
check "installed program starts and idles in its event loop" test "$up" -eq 1
check "installed program still running" kill -0 "$app_pid"
kill "$app_pid" 2>/dev/null || true
wait "$app_pid" 2>/dev/null || true
app_pid=""
check "program printed no error" bash -c "! grep -Eiq 'could not|cannot|error|fatal' '$log'"
cat "$log"
rm -f "$log"

# ---- Remove ----------------------------------------------------------------------------
lw_as_root apt-get remove -y "$pkg"
we_installed=0
check "package removed" bash -c "! dpkg-query -W -f='\${Status}' $pkg 2>/dev/null | grep -q 'ok installed'"
for f in "${installed_files[@]}"; do
    check "$f gone after remove" test ! -e "$f"
done

echo "check_package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
