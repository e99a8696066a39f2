#!/usr/bin/env bash
# Installs this build into a scratch DESTDIR, makes the installed files
# read-only and builds the demo project's site with the installed
# palimora-cli: the site must be built in the per-user program folder under
# XDG_DATA_HOME, and nothing may change under the install prefix.
set -euo pipefail
build=$1 version=$2
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
fail() { echo "$*"; exit 1; }

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null
prefix="$work/root/usr"
for file in bin/palimora bin/palimora-cli share/palimora/runweb.in_ share/palimora/french.asc \
            share/palimora/english.asc share/palimora/interface/fond.jpg share/palimora/Projets/Demo/Demo.ini; do
  [ -f "$prefix/$file" ] || fail "not installed: $file"
done
[ "$(find "$prefix/bin" -type f | wc -l)" -eq 2 ] || fail "bin/ holds more than the two programs: $(ls "$prefix/bin")"

"$prefix/bin/palimora-cli" --version | grep -qx "palimora-cli $version" || fail "palimora-cli --version: $("$prefix/bin/palimora-cli" --version)"
"$prefix/bin/palimora-cli" --help | grep -q 'palimora-cli build PROJECT' || fail "palimora-cli --help has no usage line"
"$prefix/bin/palimora" --version | grep -qx "palimora $version" || fail "palimora --version: $("$prefix/bin/palimora" --version)"

chmod -R a-w "$work/root"
listing() { (cd "$work/root" && find . -printf '%p %s %T@ %m\n' | sort); }
before=$(listing)

export XDG_DATA_HOME="$work/data" HOME="$work/home"
user="$XDG_DATA_HOME/palimora"
"$prefix/bin/palimora-cli" build Demo 2>"$work/build.log" || { cat "$work/build.log"; fail "the build failed"; }
grep -qx "$user/Projets/Demo/index.html" "$work/build.log" || { cat "$work/build.log"; fail "the build did not tell the per-user index.html"; }
[ -f "$user/Projets/Demo/index.html" ] || fail "no index.html in the per-user folder"
[ -f "$user/palimora.ini" ] || fail "no palimora.ini in the per-user folder"
[ "$(listing)" = "$before" ] || { diff <(echo "$before") <(listing); fail "the install prefix changed"; }
[ ! -e "$work/home/.local" ] || fail "wrote under HOME although XDG_DATA_HOME was set"

# A second start finds the folder made and builds again.
"$prefix/bin/palimora-cli" build Demo 2>"$work/build.log" || { cat "$work/build.log"; fail "the second build failed"; }
[ "$(listing)" = "$before" ] || fail "the install prefix changed on the second start"

# Without XDG_DATA_HOME the folder is under ~/.local/share.
unset XDG_DATA_HOME
"$prefix/bin/palimora-cli" build Demo 2>"$work/build.log" || { cat "$work/build.log"; fail "the build under HOME failed"; }
[ -f "$HOME/.local/share/palimora/Projets/Demo/index.html" ] || fail "no index.html under ~/.local/share/palimora"

# A data home that cannot be made: --help and --version still answer, and a
# command says why it cannot run, in the user's language, with status 1.
touch "$work/a-file"
for language in C fr_FR.UTF-8; do
  export XDG_DATA_HOME="$work/a-file/data" LC_ALL=$language LANG=$language
  for program in palimora palimora-cli; do
    "$prefix/bin/$program" --version >/dev/null 2>"$work/start.log" || fail "$program --version failed: $(cat "$work/start.log")"
    "$prefix/bin/$program" --help >/dev/null 2>"$work/start.log" || fail "$program --help failed: $(cat "$work/start.log")"
  done
  status=0
  "$prefix/bin/palimora-cli" build Demo 2>"$work/start.log" || status=$?
  [ "$status" -eq 1 ] || fail "palimora-cli build with no usable folder ended with $status: $(cat "$work/start.log")"
  expected="Palimora cannot prepare its folder, so it cannot start: $work/a-file/data/palimora"
  [ "$language" = C ] || expected="Palimora ne peut pas préparer son dossier et ne peut donc pas démarrer : $work/a-file/data/palimora"
  grep -qF "$expected (" "$work/start.log" || fail "not told why, in $language: $(cat "$work/start.log")"
done
echo "1 passed, 0 failed"
