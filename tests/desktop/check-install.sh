#!/bin/sh
# Installs the build tree into a temporary prefix and checks what a desktop
# needs of it: the program, a valid menu entry that starts it, the icon at
# every size of the hicolor theme and valid AppStream metadata.
# Usage: check-install.sh <build folder>
set -eu

build=$1
id=example.kestrelrow.garvo
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null

[ -x "$prefix/bin/garvo" ] || fail "the program is not installed in bin"

desktop=$prefix/share/applications/$id.desktop
[ -f "$desktop" ] || fail "no desktop file"
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
grep -qx "Exec=$prefix/bin/garvo" "$desktop" || fail "Exec does not start the installed program"
grep -qx "Icon=$id" "$desktop" || fail "Icon is not the application icon"
grep -qx "StartupWMClass=Garvo" "$desktop" || fail "StartupWMClass is not the window class"
grep -qx "Categories=Office;Finance;" "$desktop" || fail "Categories"

# A PNG's width and height are the big-endian words at bytes 16 and 20.
for size in 16 22 24 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -f "$png" ] || fail "no $size px icon"
    dimensions=$(od -An -tu1 -j16 -N8 "$png" |
        awk '{ printf "%dx%d", (($1 * 256 + $2) * 256 + $3) * 256 + $4, (($5 * 256 + $6) * 256 + $7) * 256 + $8 }')
    [ "$dimensions" = "${size}x${size}" ] || fail "$png is $dimensions, not ${size}x${size}"
done
[ -f "$prefix/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no scalable icon"

metainfo=$prefix/share/metainfo/$id.metainfo.xml
[ -f "$metainfo" ] || fail "no metainfo file"
appstreamcli validate --no-net "$metainfo" >/dev/null || { appstreamcli validate --no-net "$metainfo"; fail "appstreamcli validate"; }
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "metainfo does not name the desktop file"

echo "installed tree in order"
