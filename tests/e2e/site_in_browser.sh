#!/usr/bin/env bash
# Builds the demo project with palimora-cli into a scratch copy of the
# program folder and visits its site in headless Chromium as a visitor
# would: from index.html every link to a page of the site is followed, and
# on every page reached each picture must have loaded and each link must
# lead to a page that exists. Spot checks of text read back as UTF-8 make
# sure the Windows-1252 pages are decoded by their declared charset.
set -euo pipefail
stage=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$stage" "$work/palimora"
"$work/palimora/palimora-cli" build Demo 2>"$work/build.log" || { cat "$work/build.log"; exit 1; }
site="$work/palimora/Projets/Demo"

browse() {
  timeout 60 chromium --headless --no-sandbox --disable-gpu --no-first-run --disable-background-networking \
    --disable-component-update --disable-sync --user-data-dir="$work/profile" "$@" 2>/dev/null
}

# Once loaded, the page lists in its title the pictures that did not load.
probe='<script>window.onload=function(){var b=[];for(var i of document.images){if(!i.complete||!i.naturalWidth)b.push(i.getAttribute("src"))}document.title="broken:"+b.length+":"+b.join(",")}</script>'

visit() {  # page -> the page's DOM after load, with its pictures checked
  local page=$1 dom
  cp "$site/$page" "$site/.probe-$page"
  printf '%s\r\n' "$probe" >> "$site/.probe-$page"
  dom=$(browse --virtual-time-budget=5000 --dump-dom "file://$site/.probe-$page")
  rm "$site/.probe-$page"
  grep -q '<title>broken:0:</title>' <<<"$dom" || { echo "$page: pictures that did not load: $(grep -o '<title>[^<]*' <<<"$dom")"; exit 1; }
  printf '%s' "$dom"
}

declare -A seen=([index.html]=1)
queue=(index.html)
pages=0
while [ ${#queue[@]} -gt 0 ]; do
  page=${queue[0]}
  queue=("${queue[@]:1}")
  dom=$(visit "$page")
  echo "$dom" > "$work/dom-$page"
  pages=$((pages + 1))
  for link in $(grep -o 'href="[^"]*"' <<<"$dom" | sed 's/href="//; s/"$//' | sort -u); do
    case "$link" in http*|mailto:*) continue ;; esac
    [ -f "$site/$link" ] || { echo "$page links to a missing page: $link"; exit 1; }
    case "$link" in
      *.htm|*.html)
        if [ -z "${seen[$link]:-}" ]; then seen[$link]=1; queue+=("$link"); fi ;;
    esac
  done
done
[ "$pages" -eq 13 ] || { echo "reached $pages pages, expected the summary, 3 galleries and 9 picture pages"; exit 1; }

grep -qF 'La montagne' "$work/dom-index.html"
grep -qF 'Crépuscule alpin' "$work/dom-Gal2.htm"
grep -qF 'à 2 100 mètres' "$work/dom-g2-000004.htm" || { echo "the comment was not read as Windows-1252"; exit 1; }

# A phone-sized screenshot renders.
browse --hide-scrollbars --window-size=390,844 --screenshot="$work/phone.png" "file://$site/index.html" >/dev/null
[ -s "$work/phone.png" ] || { echo "no screenshot"; exit 1; }
echo "$pages pages visited"
echo "1 passed, 0 failed"
