#!/usr/bin/env bash
# Runs a command inside a session bus of its own, with a Secret Service
# (gnome-keyring) whose login keyring lives in a throw-away home and is
# unlocked, as a desktop session would have it. The bus and the keyring end
# with the command.
set -uo pipefail
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
export HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset GNOME_KEYRING_CONTROL
dbus-run-session -- bash -c '
  printf "test-keyring" | gnome-keyring-daemon --unlock --components=secrets >/dev/null || exit 1
  "$@"' _ "$@"
