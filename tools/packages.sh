# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Debian packages for the scripts that install what they need: tools/setup.sh, the benchmark
# and the package test. Source it.

set -euo pipefail

# Runs "$@" as root: directly when root already, through sudo otherwise.
lw_as_root()
{
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

lw_installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

# Installs those of the given packages that are missing; nothing when all are there.
lw_install_missing()
{
    local p missing=()
    for p in "$@"; do
        lw_installed "$p" || missing+=("$p")
    done
    [ ${#missing[@]} -gt 0 ] || return 0
    lw_as_root env DEBIAN_FRONTEND=noninteractive apt-get update
    lw_as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
        "${missing[@]}"
}
