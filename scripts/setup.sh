#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs whatever the build, the game, the tests and every target of the
# Makefile need from Debian's packages (librsvg2-bin renders the icons, dpkg-dev
# and file let CPack compute the package's dependencies, lintian checks the
# package, clang-format serves make format; Qt Charts' CMake files need those
# of Qt OpenGL, from libqt6opengl6-dev). Does nothing when everything is
# already there; uses sudo when not run as root.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-multimedia-dev qt6-charts-dev libqt6opengl6-dev libqt6sql6-sqlite libgl-dev
    fonts-ipafont-gothic qt6-translations-l10n
    xvfb openbox xdotool xclip imagemagick x11-utils python3
    libx11-dev libxtst-dev libxdamage-dev
    appstream desktop-file-utils
    librsvg2-bin dpkg-dev file lintian clang-format
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing from Debian's packages: ${missing[*]}"
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
