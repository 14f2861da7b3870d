#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages that building, running or testing needs, only
# when some are missing. Usage: tools/install-deps.sh build|run|test
set -euo pipefail

packages=(cmake g++ make qt6-base-dev qt6-qpa-plugins fonts-dejavu-core)
case "${1:-build}" in
    run) ;;
    # Xvfb, xdotool and strace start the installed program in the install
    # test; the desktop tools check its desktop entry and metainfo; man-db
    # renders its manual page; dpkg-dev and lintian build and judge the .deb;
    # clang with its runtime builds the fuzz targets.
    test) packages+=(xauth xvfb xdotool strace desktop-file-utils appstream man-db
                     dpkg-dev lintian clang libclang-rt-14-dev) ;;
esac

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
