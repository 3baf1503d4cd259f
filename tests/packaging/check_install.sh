#!/usr/bin/env bash
# check_install.sh CMAKE BUILD_DIR BINARY_NAME: installs BUILD_DIR with prefix
# /usr into a scratch DESTDIR, checks that every file a desktop needs is in place
# and that they name one another, then validates them; 77 when a validator is missing.
set -euo pipefail

cmake_cmd=$1
build=$2
binary=$3

# Keep the build's install_manifest.txt (the README uninstalls with it) as it was.
root=$(mktemp -d)
manifest=$build/install_manifest.txt
if [ -f "$manifest" ]; then cp "$manifest" "$root.manifest"; fi
restore() {
    if [ -f "$root.manifest" ]; then mv -f "$root.manifest" "$manifest"; else rm -f "$manifest"; fi
    rm -rf "$root"
}
trap restore EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

DESTDIR="$root" "$cmake_cmd" --install "$build" --prefix /usr >"$root/install.log" 2>&1 ||
    { cat "$root/install.log"; fail "cmake --install failed"; }
rm "$root/install.log"

usr=$root/usr
desktop=$usr/share/applications/io.github.junban.desktop
icon=$usr/share/icons/hicolor/32x32/apps/io.github.junban.png
metainfo=$usr/share/metainfo/io.github.junban.metainfo.xml

[ -x "$usr/bin/$binary" ] || fail "no executable /usr/bin/$binary"
for f in "$desktop" "$icon" "$metainfo"; do
    [ -s "$f" ] || fail "missing or empty: ${f#"$root"}"
done
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[ "${exec_line%% *}" = "$binary" ] || fail "Exec= '$exec_line' does not start the installed $binary"
[ "$(sed -n 's/^Icon=//p' "$desktop")" = io.github.junban ] || fail "Icon= names no installed icon"
# The icon lies in the 32x32 folder: the PNG signature, then an IHDR of 32 x 32.
[ "$(od -An -tx1 -N24 "$icon" | tr -d ' \n')" = 89504e470d0a1a0a0000000d494844520000002000000020 ] ||
    fail "the icon is not a 32 x 32 PNG file"
grep -q '<id>io.github.junban</id>' "$metainfo" || fail "the metainfo's id does not match its file name"
grep -q '<launchable type="desktop-id">io.github.junban.desktop</launchable>' "$metainfo" ||
    fail "the metainfo does not launch io.github.junban.desktop"
grep -q "<binary>$binary</binary>" "$metainfo" || fail "the metainfo does not provide $binary"

missing=()
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the menu entry"
else
    missing+=(desktop-file-validate)
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects the metainfo"
    # The tree check also proves that the metainfo finds its desktop entry.
    appstreamcli validate-tree --no-net "$usr" || fail "appstreamcli rejects the installed tree"
else
    missing+=(appstreamcli)
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "SKIPPED: the installed files are in place, but ${missing[*]} is not installed" \
        "(scripts/setup.sh installs desktop-file-utils and appstream)"
    exit 77
fi
echo "PASS: installed and validated"
