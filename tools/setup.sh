#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what building, running and testing the timer needs on Debian 12; installs nothing
# when all of it is there already.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/packages.sh"

packages=(
    cmake g++ make
    qt6-base-dev qt6-qpa-plugins libgl-dev libqt6sql6-sqlite libfontconfig-dev
    # The translations: lupdate and lrelease with their CMake functions, and Qt's own texts for
    # the standard dialogs.
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    # The sounds' module, loaded only once sounds are switched on.
    qt6-multimedia-dev
    fonts-dejavu-core fonts-liberation2
    # The light on other devices: Qt's HTTP and WebSocket servers, and the QR code.
    qt6-httpserver-dev qt6-websockets-dev libqrencode-dev pkgconf
)
if [ "${1:-}" = "--tests" ]; then
    # A real X server, a hand on its mouse and keyboard, and eyes on its screen.
    packages+=(xvfb xauth xdotool imagemagick xclip x11-utils)
    # Two monitors on one X screen, for the speaker's screen.
    packages+=(x11-xserver-utils)
    # Reads the meeting record as another program would.
    packages+=(sqlite3)
    # Reads the text back out of the report's PDF.
    packages+=(poppler-utils)
    # Judges of the Debian package and of its desktop entry and metainfo.
    packages+=(lintian appstream appstream-util desktop-file-utils)
    # A window manager and a Wayland compositor, for the window's heights where a shell holds it.
    packages+=(openbox weston qt6-wayland)
    # XWayland, which the timer uses by default in a Wayland session.
    packages+=(xwayland)
    # A screen reader's view of the window: the accessibility bus and its Python bindings.
    packages+=(at-spi2-core python3-pyatspi dbus-bin)
    # A real browser on the light's page, and a reader for the QR code the window shows.
    packages+=(chromium chromium-driver python3-selenium zbar-tools)
fi

lw_install_missing "${packages[@]}"
