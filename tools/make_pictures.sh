#!/usr/bin/env bash
# Redraws the pictures of assets/ (background, toolbar looks, intro animation)
# and the menu entry's icons in desktop/icons/.
# Needs the build's packages and ImageMagick (apt-get install imagemagick).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build"
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target palimora_assetgen -j"$(nproc)"
frames=$(mktemp -d)
trap 'rm -rf "$frames"' EXIT
QT_QPA_PLATFORM=offscreen "$build/tools/palimora_assetgen" "$root/assets" "$frames"
QT_QPA_PLATFORM=offscreen "$build/tools/palimora_assetgen" --sharp "$root/assets"
QT_QPA_PLATFORM=offscreen "$build/tools/palimora_assetgen" --patterns "$root/assets/motifs"
QT_QPA_PLATFORM=offscreen "$build/tools/palimora_assetgen" --icons "$root/desktop/icons"
QT_QPA_PLATFORM=offscreen "$build/tools/palimora_assetgen" --demo "$root/assets/Projets/Demo/images"
# 24 frames of 70 ms, the last held for a second; no loop extension, so it plays once.
/usr/bin/convert -delay 7 "$frames"/logo0*.png "$frames"/logo1[0-9].png "$frames"/logo2[0-2].png \
  -delay 100 "$frames"/logo23.png -layers Optimize +map "$root/assets/logo.gif"
python3 "$root/tools/language_texts.py"
python3 "$root/tools/help_pages.py"
python3 "$root/tools/default_settings.py"
python3 "$root/tools/make_templates.py"
python3 "$root/tools/make_demo.py"
