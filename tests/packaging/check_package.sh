#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# check_package.sh CPACK BUILD_DIR: packs BUILD_DIR into a Debian package in a
# scratch folder; lintian must find no error; the package must hold exactly the
# files a desktop needs and depend on Qt (Qt Charts and the SQLite driver of Qt
# SQL among it) and the Japanese font; the metainfo must name this version as
# a release; the unpacked menu entry and metainfo must validate and the
# unpacked program must start.
# Exit status 77 (skipped) when a checking tool is missing.
set -euo pipefail
cpack=$1
build=$2
for tool in dpkg-shlibdeps lintian desktop-file-validate appstreamcli; do
    command -v $tool >/dev/null || { echo "SKIPPED: no $tool (scripts/setup.sh installs it)"; exit 77; }
done

# CPack installs through the build folder, which rewrites its install_manifest.txt
# (the README uninstalls a `cmake --install` with it): keep it as it was.
work=$(mktemp -d)
manifest=$build/install_manifest.txt
if [ -f "$manifest" ]; then cp "$manifest" "$work.manifest"; fi
restore() {
    if [ -f "$work.manifest" ]; then mv -f "$work.manifest" "$manifest"; else rm -f "$manifest"; fi
    rm -rf "$work"
}
trap restore EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

(cd "$build" && "$cpack" -B "$work" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$(echo "$work"/junban_*_*.deb)
[ -f "$deb" ] || fail "no junban_<version>_<arch>.deb: $deb"
lintian --fail-on error "$deb" || fail "lintian reports errors"

share=./usr/share
diff -u <(printf '%s\n' ./usr/bin/junban $share/applications/io.github.junban.desktop \
    $share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/io.github.junban.png \
    $share/icons/hicolor/scalable/apps/io.github.junban.svg $share/metainfo/io.github.junban.metainfo.xml \
    $share/man/man6/junban.6.gz $share/doc/junban/{changelog.gz,copyright} \
    $share/lintian/overrides/junban | sort) \
    <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort) || fail "the package's file list differs"
depends=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | awk '{ print $1 }')
for d in fonts-ipafont-gothic libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6 \
    libqt6charts6 libqt6sql6 libqt6sql6-sqlite; do
    grep -qx "$d" <<<"$depends" || fail "Depends lacks $d: $(dpkg-deb -f "$deb" Depends)"
done
[ "$(dpkg-deb -f "$deb" Section Recommends)" = $'Section: games\nRecommends: qt6-translations-l10n' ] ||
    fail "wrong Section or Recommends"

root=$work/root
dpkg-deb -x "$deb" "$root"
desktop=$root/usr/share/applications/io.github.junban.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the menu entry"
appstreamcli validate-tree --no-net "$root/usr" || fail "appstreamcli rejects the installed tree"
version=$(dpkg-deb -f "$deb" Version)
grep -q "<release version=\"$version\" date=\"[0-9-]*\"" "$root/usr/share/metainfo/io.github.junban.metainfo.xml" ||
    fail "the metainfo names no release $version"
grep -qx 'Exec=junban' "$desktop" && grep -qx 'Icon=io.github.junban' "$desktop" ||
    fail "the menu entry does not start /usr/bin/junban with the io.github.junban icon"
# Still running after a moment (timeout's status 124): it found its libraries
# and plugins and opened its windows.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/junban" || status=$?
[ $status -eq 124 ] || fail "the unpacked program ended with status $status"
echo "PASS: $(basename "$deb") checked, unpacked and started"
