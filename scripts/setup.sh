#!/usr/bin/env bash
# Installs whatever the build, the game and the tests need from Debian's
# packages. Does nothing when everything is already there; uses sudo when not
# run as root.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-multimedia-dev libgl-dev
    fonts-ipafont-gothic
    xvfb openbox xdotool xclip imagemagick x11-utils
    libx11-dev libxtst-dev libxdamage-dev
    appstream desktop-file-utils
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
