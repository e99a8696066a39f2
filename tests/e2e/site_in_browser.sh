#!/usr/bin/env bash
# Builds the demo project with palimora-cli into a scratch copy of the
# program folder and opens its pages in headless Chromium, as a visitor
# would: the summary links the galleries, a gallery shows its thumbnails,
# a picture page shows its picture, title and comment, all as UTF-8 text.
set -euo pipefail
stage=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$stage" "$work/palimora"
"$work/palimora/palimora-cli" build Demo 2>"$work/build.log" || { cat "$work/build.log"; exit 1; }
site="$work/palimora/Projets/Demo"

browse() {
  chromium --headless --no-sandbox --disable-gpu --no-first-run --disable-background-networking \
    --disable-component-update --disable-sync --user-data-dir="$work/profile" "$@" 2>/dev/null
}

# Images that loaded report their natural width; a broken one reports 0.
probe='<script>window.onload=function(){var b=[];for(var i of document.images){if(!i.naturalWidth)b.push(i.src)}document.title="broken:"+b.length+":"+b.join(",")}</script>'
check_page() {
  local page=$1; shift
  local dom
  cp "$site/$page" "$site/probe-$page"
  printf '%s\r\n' "$probe" >> "$site/probe-$page"
  dom=$(browse --virtual-time-budget=5000 --dump-dom "file://$site/probe-$page")
  rm "$site/probe-$page"
  grep -q '<title>broken:0:</title>' <<<"$dom" || { echo "$page: pictures that did not load: $(grep -o '<title>[^<]*' <<<"$dom")"; exit 1; }
  for expected in "$@"; do
    grep -qF -- "$expected" <<<"$dom" || { echo "$page: missing $expected"; exit 1; }
  done
}

check_page index.html 'href="Gal1.htm"' 'href="Gal3.htm"' 'La montagne' 'tns_images/tns-000004.jpg'
check_page Gal2.htm 'href="g2-000004.htm"' 'Crépuscule alpin' 'href="index.html"' 'href="Gal1.htm"'
check_page g2-000004.htm 'src="./images/000004.jpg"' 'Les trois sommets' 'à 2 100 mètres' 'href="g2-000005.htm"'

# A phone-sized screenshot has the page's own colours, not a blank page.
browse --hide-scrollbars --window-size=390,844 --screenshot="$work/phone.png" "file://$site/index.html" >/dev/null
[ -s "$work/phone.png" ] || { echo "no screenshot"; exit 1; }
echo "1 passed, 0 failed"
