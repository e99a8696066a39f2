#!/usr/bin/env bash
# Checks a .deb made by cpack -G DEB: its files where a Debian system wants
# them and dependencies computed from the libraries the programs link.
# Usage: deb_contents.sh <package.deb>
set -euo pipefail
deb=$1
fail() { echo "$deb: $*"; exit 1; }

contents=$(dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|')
for file in /usr/bin/palimora /usr/bin/palimora-cli \
            /usr/share/palimora/runweb.in_ /usr/share/palimora/french.asc /usr/share/palimora/english.asc \
            /usr/share/palimora/interface/fond.jpg /usr/share/palimora/Projets/Demo/Demo.ini \
            /usr/share/applications/org.palimora.Palimora.desktop /usr/share/man/man1/palimora-cli.1.gz \
            /usr/share/man/man1/palimora.1.gz /usr/share/doc/palimora/copyright /usr/share/doc/palimora/changelog.gz \
            /usr/share/metainfo/org.palimora.Palimora.metainfo.xml \
            /usr/share/icons/hicolor/48x48/apps/org.palimora.Palimora.png \
            /usr/share/icons/hicolor/128x128/apps/org.palimora.Palimora.png \
            /usr/share/icons/hicolor/256x256/apps/org.palimora.Palimora.png \
            /usr/share/icons/hicolor/scalable/apps/org.palimora.Palimora.svg; do
  grep -qx "$file" <<<"$contents" || fail "does not hold $file"
done
outside=$(grep -v -e '^/usr/bin/' -e '^/usr/share/' -e '/$' <<<"$contents" || true)
[ -z "$outside" ] || fail "holds files outside /usr/bin and /usr/share: $outside"

info=$(dpkg-deb -I "$deb")
grep -q '^ Package: palimora$' <<<"$info" || fail "is not the palimora package"
depends=$(grep '^ Depends:' <<<"$info") || fail "has no dependencies"
names=$(sed 's/^ Depends://; s/([^)]*)//g; s/|/,/g' <<<"$depends" | tr ',' '\n' | tr -d ' ')
# Computed ones (libc, the C++ library, Qt) and the run-time ones the libraries do not link.
for package in libc6 libstdc++6 libqt6core6 libqt6widgets6 libqt6webenginewidgets6 libjpeg62-turbo \
               libssl3 libssh-4 libqt6webenginecore6-bin qt6-qpa-plugins; do
  grep -qxF "$package" <<<"$names" || fail "does not depend on $package: $depends"
done

# Debian's own checks: no error (the Windows-1252 language files stay a
# warning, overridden with the reason).
report=$(lintian --tag-display-limit 0 "$deb" 2>&1) || true
errors=$(grep '^E: ' <<<"$report" || true)
[ -z "$errors" ] || fail "lintian reports errors: $errors"
echo "1 passed, 0 failed"
