#!/usr/bin/env bash
# Installs this build into a scratch DESTDIR and checks the menu entry, the
# AppStream metadata and the icons the way desktops read them.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$*"; exit 1; }

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null
share="$work/root/usr/share"
id=org.palimora.Palimora
entry="$share/applications/$id.desktop"

desktop-file-validate "$entry" || fail "desktop-file-validate refused $entry"
appstreamcli validate --no-net --pedantic "$share/metainfo/$id.metainfo.xml" || fail "appstreamcli refused the metadata"

grep -qx 'Exec=palimora' "$entry" || fail "the entry does not start palimora"
grep -qx "Icon=$id" "$entry" || fail "the entry's icon is not $id"
for key in Name Comment; do
  grep -q "^$key\[fr\]=" "$entry" || fail "no French $key"
done
categories=$(grep '^Categories=' "$entry")
for category in Graphics WebDevelopment; do
  [[ "$categories" == *"$category;"* ]] || fail "not in the $category category"
done

png_size() {  # the width and height of a PNG file, from its header
  od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8 }'
}
for size in 48 128 256; do
  icon="$share/icons/hicolor/${size}x${size}/apps/$id.png"
  [ -f "$icon" ] || fail "no ${size}-pixel icon"
  [ "$(png_size "$icon")" = "${size}x${size}" ] || fail "the ${size}-pixel icon is $(png_size "$icon")"
done
python3 -c 'import sys, xml.etree.ElementTree as tree; assert tree.parse(sys.argv[1]).getroot().tag == "{http://www.w3.org/2000/svg}svg"' \
  "$share/icons/hicolor/scalable/apps/$id.svg" || fail "the scalable icon is not an SVG picture"
echo "1 passed, 0 failed"
