#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# setup.sh [GROUP...]: installs from Debian's packages what the named groups
# need, every group when none is named:
#   run      build the program and play it
#   test     build and run every test and the benchmarks (run's packages, a
#            real X server for the end-to-end game, and what the packaging
#            test checks the package with)
#   package  make the Debian package (rsvg-convert renders the icons; dpkg-dev
#            and file let CPack compute the package's dependencies)
#   bench-x  the latency benchmark in a real X server
#   format   make format
# Does nothing when everything is already there; uses sudo when not run as root.
set -euo pipefail

run=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-multimedia-dev qt6-charts-dev libqt6sql6-sqlite libgl-dev
    fonts-ipafont-gothic qt6-translations-l10n
)
package=(librsvg2-bin dpkg-dev file)
x_server=(xvfb openbox xdotool x11-utils libx11-dev libxtst-dev libxdamage-dev)

[ $# -eq 0 ] && set -- run test package bench-x format
packages=()
for group in "$@"; do
    case $group in
    run) packages+=("${run[@]}") ;;
    test) packages+=("${run[@]}" "${package[@]}" "${x_server[@]}" xclip imagemagick python3
                     appstream desktop-file-utils lintian) ;;
    package) packages+=("${run[@]}" "${package[@]}") ;;
    bench-x) packages+=("${run[@]}" "${x_server[@]}") ;;
    format) packages+=(clang-format) ;;
    *) echo "usage: $0 [run|test|package|bench-x|format]..." >&2; exit 2 ;;
    esac
done

missing=()
for p in $(printf '%s\n' "${packages[@]}" | sort -u); do
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
