#!/usr/bin/env bash
# palimora-cli against what users and their files throw at it: folders that
# cannot be made, the window open on the same program folder, reserved and
# over-long names, files that are no pictures, names with escape sequences,
# unknown options. Each ends with its exit status and a message in the
# user's language, and changes nothing it should not.
source "$(dirname "$0")/staged_copy.sh" "$1"

# run EXPECTED ARGS...: from $work, messages kept in $work/err, standard output in $work/out
run() {
  local expected=$1 status
  shift
  (cd "$work" && "$cli" "$@") >"$work/out" 2>"$work/err"
  status=$?
  [ "$status" -eq "$expected" ] || { fail "palimora-cli $* ended with $status, not $expected: $(tail -2 "$work/err")"; return 1; }
  if grep -qE 'terminate called|filesystem error|what\(\)' "$work/err"; then fail "palimora-cli $* printed a raw error: $(cat "$work/err")"; return 1; fi
}
projects() { ls "$program/Projets" | sort | tr '\n' ' '; }

cd "$work"
/usr/bin/python3 - <<'PY'
from PIL import Image
Image.new("RGB", (320, 240), (200, 40, 40)).save("photo.jpg")
PY
cp photo.jpg "camera.JPG"; cp photo.jpg "old.jpe"; cp photo.jpg "noextension"
printf 'root:x:0:0\n' >text.jpg
head -c 2000 /dev/urandom >clip.mp4
before=$(projects)

# 1. Folders that cannot be made, and a project whose images or tn_images is a file.
touch plainfile
run 1 add plainfile/Trip photo.jpg && grep -q "could not be used" err || fail "a project under a plain file was not told"
run 1 add /proc/1/x photo.jpg || true
run 1 add /sys/x photo.jpg || true
mkdir -p broken/textes && touch broken/images
run 2 add "$work/broken" photo.jpg && grep -q "not empty.*: $work/broken" err || fail "a folder with an images file was taken over"
[ -f broken/images ] && [ -z "$(ls -A broken/textes)" ] || fail "a folder that is no project was touched"
run 0 add Site photo.jpg
run 0 build Site
rm -rf "$program/Projets/Site/tn_images" && touch "$program/Projets/Site/tn_images"
run 1 build Site && grep -q "tn_images" err || fail "a tn_images file was not named"

# 4. The window open on the program folder: every command refuses, status 3, nothing touched.
exec 9>"$program/palimora.lock"
flock 9  # held as the window holds it, until the descriptor closes
snapshot=$(find "$program/Projets" -type f -printf '%p %s %T@\n' | sort)
run 3 add Site photo.jpg && grep -q "open on this program folder" err || fail "add did not tell the window holds the folder"
run 3 add Fresh photo.jpg
run 3 build Site
PALIMORA_FTP_PASSWORD=x run 3 publish Site --host 127.0.0.1 --user me --replace all
[ "$snapshot" = "$(find "$program/Projets" -type f -printf '%p %s %T@\n' | sort)" ] || fail "a refused command changed the projects"
exec 9>&-

# 5. and 8. The working folder's names in both languages, and names too long to write whole.
run 2 add "New Project" photo.jpg && grep -q "reserved" err || fail "New Project was not refused"
run 2 add "Nouveau Projet" photo.jpg || true
for length in 201 247 255 256; do
  run 2 add "$(printf 'n%.0s' $(seq "$length"))" photo.jpg || fail "a name of $length bytes was not refused"
done
[ -e "$program/Projets/New Project" ] || [ -e "$program/Projets/Nouveau Projet" ] && fail "a working folder name became a project"
[ "$(projects)" = "$before"Site" " ] || fail "refused names left folders: $(projects)"

# 6. Files are what their bytes say: JPEGs under any name become .jpg, the rest is refused, nothing copied.
run 0 add Kinds camera.JPG old.jpe noextension
[ "$(ls "$program/Projets/Kinds/images" | tr '\n' ' ')" = "000001.jpg 000002.jpg 000003.jpg " ] ||
  fail "JPEGs named otherwise were not added as .jpg: $(ls "$program/Projets/Kinds/images")"
for odd in /etc/passwd text.jpg clip.mp4; do
  run 1 add Kinds "$odd" && grep -q "not a picture" err || fail "$odd was not refused as no picture"
done
[ "$(ls "$program/Projets/Kinds/images" | wc -l)" -eq 3 ] || fail "a refused file was copied"
run 0 build Kinds

# 7. Escape sequences in a name never reach the terminal raw.
hostile=$(printf 'evil\033]2;owned\007\033[31m.jpg')
cp photo.jpg "$hostile"
run 0 add Kinds "$hostile"
grep -q $'\033' err && fail "an escape character reached the terminal"
grep -qF '\x1b' err || fail "the escape character was not shown escaped"

# 9. and 10. Conventions, and the user's language.
run 2 add Kinds photo.jpg --bogus && grep -q "Unknown option: --bogus" err || fail "an unknown option was not named"
grep -q "^Usage: palimora-cli add" err || fail "an unknown option was not followed by the usage"
{ LC_ALL=fr_FR.UTF-8 run 2 build --bogus; } 2>/dev/null && grep -q "Option inconnue : --bogus" err || fail "no French message under a French locale"
run 0 build --help && grep -q "^Usage: palimora-cli build PROJECT" out || fail "build --help did not show its help"
grep -q "3 program folder in use" out || fail "the help does not tell the exit statuses"
(cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=none "$program/palimora" --help) >out 2>&1 &&
  grep -q "^Usage: palimora" out || fail "palimora --help started something else: $(head -2 out)"
(cd "$work" && env -u DISPLAY QT_QPA_PLATFORM=none "$program/palimora" --version) >out 2>&1 &&
  grep -q "^palimora " out || fail "palimora --version did not print the version"

finish
