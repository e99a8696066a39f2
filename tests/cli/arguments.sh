#!/usr/bin/env bash
# palimora-cli as a user calls it: a project by name, by a path (absolute,
# relative, with a trailing separator), and what is no project (a folder
# without pictures, a file, a missing name) or no command at all.
source "$(dirname "$0")/staged_copy.sh" "$1"

# run EXPECTED_STATUS ARGS...: runs the program from $work/here, keeping its messages in $work/err
mkdir -p "$work/here"
run() {
  local expected=$1 status
  shift
  (cd "$work/here" && "$cli" "$@") >"$work/out" 2>"$work/err"
  status=$?
  [ "$status" -eq "$expected" ] || { fail "palimora-cli $* ended with $status, not $expected: $(tail -3 "$work/err")"; return 1; }
}

# By name, under the program folder's Projets.
site="$work/palimora/Projets/Demo"
run 0 build Demo && grep -qx "$site/index.html" "$work/err" || fail "build Demo did not tell its start page"
[ -f "$site/index.html" ] || fail "build Demo wrote no index.html"

# A folder of the current folder named like the project, which is no project, does not hide it.
mkdir -p "$work/here/Demo"
rm -f "$site/index.html"
run 0 build Demo && [ -f "$site/index.html" ] || fail "a folder named Demo in the current folder hid the project Demo"

# By path: absolute, with a trailing separator, relative to the current folder.
mkdir -p "$work/elsewhere"
cp -r "$site" "$work/elsewhere/Copie"
rm -f "$work/elsewhere/Copie/"*.htm*
run 0 build "$work/elsewhere/Copie" && [ -f "$work/elsewhere/Copie/index.html" ] || fail "build by absolute path"
rm -f "$work/elsewhere/Copie/index.html"
run 0 build "$work/elsewhere/Copie/" && [ -f "$work/elsewhere/Copie/index.html" ] || fail "build by a path ending in a separator"
rm -f "$work/elsewhere/Copie/index.html"
run 0 build ../elsewhere/Copie && [ -f "$work/elsewhere/Copie/index.html" ] || fail "build by relative path"
[ ! -e "$work/palimora/Projets/Copie" ] || fail "a build by path wrote into Projets"

# What is no project: exit status 2, a message naming it, nothing written.
mkdir -p "$work/empty"
run 2 build "$work/empty" && grep -q "No project here .*: $work/empty" "$work/err" || fail "a folder without pictures was not refused"
[ -z "$(ls -A "$work/empty")" ] || fail "something was written into a folder that is no project"
echo "text" > "$work/file.txt"
run 2 build "$work/file.txt" && grep -q "No project here" "$work/err" || fail "a file was not refused"
run 2 build Absent && grep -q "No project here .*: Absent" "$work/err" || fail "a missing name was not refused"

# No project, too many arguments, an unknown command: the usage, status 2.
for args in "build" "build Demo Demo" "bake Demo" ""; do
  # shellcheck disable=SC2086
  run 2 $args && grep -q '^Usage: palimora-cli build PROJECT' "$work/err" || fail "'palimora-cli $args' did not show the usage"
done

# An unknown command is named; the usage follows the user's language; the
# window program refuses what it does not know rather than opening.
run 2 bake Demo && grep -q "Unknown command: bake" "$work/err" || fail "an unknown command was not named"
LC_ALL=fr_FR.UTF-8 run 2 build && grep -q '^Utilisation : palimora-cli build PROJECT' "$work/err" ||
  fail "the usage did not follow the language: $(cat "$work/err")"
status=0
"$program/palimora" --bogus >/dev/null 2>"$work/err" || status=$?
[ "$status" -eq 2 ] && grep -q "Unknown option: --bogus" "$work/err" || fail "palimora --bogus ended with $status"

# A chosen language whose file was damaged, and a site language that names
# no language, are said, not passed over in silence.
printf 'Fran\xe7ais\r\n' >"$program/palimora.ini"
# A language file an editor saved with a byte-order mark is still the chosen one.
{ printf '\xef\xbb\xbf'; iconv -f CP1252 -t UTF-8 "$program/french.asc"; } >"$work/french.asc" && mv "$work/french.asc" "$program/french.asc"
run 2 build && grep -q '^Utilisation : palimora-cli build PROJECT' "$work/err" || fail "a language file with a byte-order mark was dropped: $(cat "$work/err")"
sed -i '10d' "$program/french.asc"
python3 - "$site/runweb.ini" <<'PY'
import sys
lines = open(sys.argv[1], "rb").read().split(b"\r\n")
lines[51] = b"Klingon"
open(sys.argv[1], "wb").write(b"\r\n".join(lines))
PY
run 0 build Demo || true
grep -q "The language chosen in the window cannot be read .*Chosen: Français" "$work/err" || fail "a damaged chosen language was not told"
grep -q "site language setting names no language .*Setting: Klingon" "$work/err" || fail "an unknown site language was not told"

# Progress for scripts (one JSON object a line on standard output) and --quiet (the result only).
run 0 build Demo --progress=json || fail "build --progress=json failed: $(tail -3 "$work/err")"
python3 -c 'import json, sys; steps = [json.loads(line) for line in open(sys.argv[1])]; assert steps and steps[-1]["done"] == steps[-1]["total"]' "$work/out" \
  || fail "--progress=json wrote no JSON steps: $(head -3 "$work/out")"
run 0 build Demo --quiet && ! grep -q '^\[' "$work/err" && grep -qx "$site/index.html" "$work/err" \
  || fail "build --quiet printed its steps or no start page: $(head -3 "$work/err")"
run 2 build Demo --progress=xml

finish
