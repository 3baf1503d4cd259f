#!/usr/bin/env bash
# check_install.sh CMAKE BUILD_DIR BINARY_NAME
#
# Installs BUILD_DIR with prefix /usr into a scratch DESTDIR and checks that
# every file a desktop needs is where it looks for it, and that the files name
# one another correctly (the entry's Exec and Icon, the metainfo's launchable).
# Exits 77 (skipped) after those checks when desktop-file-validate or
# appstreamcli is missing, so the validation is never passed over unseen.
set -euo pipefail

cmake_cmd=$1
build=$2
binary=$3

root=$(mktemp -d)
# cmake --install rewrites the build's install_manifest.txt, which lists what
# a real install put in place (the README uninstalls with it): keep it as it was.
manifest=$build/install_manifest.txt
saved=$root.manifest
if [ -f "$manifest" ]; then cp "$manifest" "$saved"; fi
restore() {
    if [ -f "$saved" ]; then mv -f "$saved" "$manifest"; else rm -f "$manifest"; fi
    rm -rf "$root"
}
trap restore EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

if ! DESTDIR="$root" "$cmake_cmd" --install "$build" --prefix /usr >"$root.log" 2>&1; then
    cat "$root.log"
    rm -f "$root.log"
    echo "FAIL: cmake --install failed"
    exit 1
fi
rm -f "$root.log"

usr=$root/usr
bin=$usr/bin/$binary
desktop=$usr/share/applications/junban.desktop
icon=$usr/share/icons/hicolor/32x32/apps/junban.png
metainfo=$usr/share/metainfo/io.github.junban.metainfo.xml

[ -x "$bin" ] || fail "no executable $bin"
for f in "$desktop" "$icon" "$metainfo"; do
    [ -s "$f" ] || fail "missing or empty: ${f#"$root"}"
done

if [ -s "$desktop" ]; then
    exec_line=$(sed -n 's/^Exec=//p' "$desktop")
    [ "${exec_line%% *}" = "$binary" ] || fail "Exec= '$exec_line' does not start the installed $binary"
    icon_line=$(sed -n 's/^Icon=//p' "$desktop")
    [ "$icon_line" = "$(basename "$icon" .png)" ] || fail "Icon= '$icon_line' names no installed icon"
fi

# The icon lies in the 32x32 folder, so it must be a 32 x 32 PNG.
if [ -s "$icon" ]; then
    magic=$(od -An -tx1 -N8 "$icon" | tr -d ' \n')
    [ "$magic" = "89504e470d0a1a0a" ] || fail "the icon is not a PNG file"
    size=$(od -An -tu1 -j16 -N8 "$icon" | awk '{ print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8 }')
    [ "$size" = "32x32" ] || fail "the icon is $size pixels, not 32x32"
fi

if [ -s "$metainfo" ]; then
    grep -q '<id>io.github.junban</id>' "$metainfo" || fail "the metainfo's id does not match its file name"
    grep -q "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$metainfo" ||
        fail "the metainfo does not launch $(basename "$desktop")"
    grep -q "<binary>$binary</binary>" "$metainfo" || fail "the metainfo does not provide $binary"
fi

[ "$failures" -eq 0 ] || exit 1

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

[ "$failures" -eq 0 ] || exit 1
if [ ${#missing[@]} -gt 0 ]; then
    echo "SKIPPED: the installed files are in place, but ${missing[*]} is not installed" \
        "(scripts/setup.sh installs desktop-file-utils and appstream)"
    exit 77
fi
echo "PASS: installed and validated"
