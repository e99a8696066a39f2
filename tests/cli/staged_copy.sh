# Sourced by the command-line tests: a copy of the staged program folder in a
# temporary folder removed at exit ($work, $program, $cli), English messages,
# and a failure count with fail() and finish.
# Usage: source staged_copy.sh STAGE_DIR
set -uo pipefail
work=$(mktemp -d)
on_exit=()  # more clean-up, run before the folder goes
trap 'for step in "${on_exit[@]}"; do eval "$step"; done; rm -rf "$work"' EXIT
cp -r "$1" "$work/palimora"
program="$work/palimora"
cli="$program/palimora-cli"
export LC_ALL=C.UTF-8 LANG=C.UTF-8  # messages in English before a language is chosen
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
finish() {
  [ "$failures" -eq 0 ] || { echo "$failures failed"; exit 1; }
  echo "1 passed, 0 failed"
}
