#!/usr/bin/env bash
# palimora-cli add and build killed at random moments (a fixed seed, 30 runs
# each): the project must open again with every picture whole and with its
# record, no partial file may stay, and the next build must succeed.
source "$(dirname "$0")/staged_copy.sh" "$1"
project="$program/Projets/Trip"
RANDOM=2026

cd "$work"
mkdir photos
/usr/bin/python3 - <<'PY'
import random
from PIL import Image
random.seed(7)
for n in range(1, 9):
    Image.frombytes("RGB", (800, 600), random.randbytes(800 * 600 * 3)).save(f"photos/p{n}.jpg", quality=92)
PY
"$cli" add Trip photos/p1.jpg photos/p2.jpg >/dev/null 2>&1 || fail "the first add failed"
cp -r "$project" baseline
sums=$(md5sum photos/*.jpg | cut -d' ' -f1 | sort)

# Checks the project after a kill: opened again (an add), then built.
check() {
  local what=$1
  "$cli" add Trip photos/p8.jpg >out 2>&1 || { fail "$what: the next add failed: $(tail -2 out)"; return; }
  for picture in "$project"/images/*; do
    grep -qx "$(md5sum "$picture" | cut -d' ' -f1)" <<<"$sums" || fail "$what: $(basename "$picture") is not a whole photo"
  done
  "$cli" build Trip >out 2>&1 || { fail "$what: the next build failed: $(tail -2 out)"; return; }
  local count
  count=$(ls "$project/images" | wc -l)
  for n in $(seq "$count"); do
    [ -f "$project/$(printf 'g1-%06d.htm' "$n")" ] || fail "$what: picture $n has no page after the build"
  done
  grep -q "in no gallery" out && fail "$what: pictures left out of the gallery"
  local leftovers
  leftovers=$(find "$project" -name '*.tmp' -o -name '.adding')
  [ -z "$leftovers" ] || fail "$what: left $leftovers"
  return 0
}

for run in $(seq 30); do
  rm -rf "$project"; cp -r baseline "$project"
  "$cli" add Trip photos/p3.jpg photos/p4.jpg photos/p5.jpg photos/p6.jpg photos/p7.jpg >/dev/null 2>&1 &
  pid=$!
  sleep "0.$(printf '%03d' $((RANDOM % 250)))"
  kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
  check "add killed in run $run"
done

for run in $(seq 30); do
  rm -rf "$project"; cp -r baseline "$project"
  "$cli" build Trip >/dev/null 2>&1 &
  pid=$!
  sleep "0.$(printf '%03d' $((RANDOM % 200)))"
  kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
  check "build killed in run $run"
done

finish
