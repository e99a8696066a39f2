#!/usr/bin/env bash
# Runs small_disk_test with its temporary folder on a 16 MB file system of
# its own: as root a tmpfs is mounted in a private mount namespace; otherwise
# a user namespace gives the right to mount one.
set -euo pipefail
test_binary=$1
if [ "$(id -u)" -eq 0 ]; then as_root=(); else as_root=(--user --map-root-user); fi
exec unshare "${as_root[@]}" --mount --propagation private bash -c '
  set -e
  disk=$(mktemp -d)
  mount -t tmpfs -o size=16m palimora-small-disk "$disk"
  TMPDIR=$disk exec "$0"
' "$test_binary"
