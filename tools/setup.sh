#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what building, running and testing the timer needs on Debian 12; installs nothing
# when all of it is there already.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

packages=(
    cmake g++ make
    qt6-base-dev qt6-qpa-plugins libgl-dev libqt6sql6-sqlite libfontconfig-dev
    fonts-dejavu-core fonts-liberation2
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
fi

lw_install_missing "${packages[@]}"
