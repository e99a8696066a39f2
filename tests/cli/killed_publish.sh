#!/usr/bin/env bash
# palimora-cli publish killed while it sends a clip to a throttled local FTP
# server (pyftpdlib): the next publication sends only the rest of the clip,
# and the server ends up holding it byte for byte.
source "$(dirname "$0")/staged_copy.sh" "$1"
cd "$work"
# A 1080 x 720 H.264 clip of about 36 MB: within the site's size limit, so
# the build keeps it as it is (remuxed) and the site's copy is as large.
ffmpeg -v error -y -f lavfi -i "testsrc2=size=1080x720:rate=25:duration=20" -c:v libx264 -preset ultrafast \
  -b:v 32M -pix_fmt yuv420p clip.mp4 || fail "no clip made"
"$cli" add Trip clip.mp4 >/dev/null 2>&1 || fail "the clip was not added"
"$cli" build Trip --quiet >/dev/null 2>&1 || fail "the site was not built"
site_clip="$program/Projets/Trip/clips/000001.mp4"
[ -f "$site_clip" ] || fail "the build made no web copy of the clip"

mkdir served
port_file=$work/port
/usr/bin/python3 - "$work/served" "$port_file" <<'PY' &
import sys
from pyftpdlib.authorizers import DummyAuthorizer
from pyftpdlib.handlers import FTPHandler, ThrottledDTPHandler
from pyftpdlib.servers import FTPServer
authorizer = DummyAuthorizer()
authorizer.add_user("photo", "secret", sys.argv[1], perm="elradfmwMT")
dtp = type("Slow", (ThrottledDTPHandler,), {"read_limit": 4 * 1024 * 1024})  # 4 MB/s in
handler = type("Handler", (FTPHandler,), {"authorizer": authorizer, "dtp_handler": dtp})
server = FTPServer(("127.0.0.1", 0), handler)
open(sys.argv[2], "w").write(str(server.address[1]))
server.serve_forever()
PY
server_pid=$!
on_exit+=("kill $server_pid 2>/dev/null")
for _ in $(seq 100); do [ -s "$port_file" ] && break; sleep 0.1; done
port=$(cat "$port_file")
export PALIMORA_FTP_PASSWORD=secret
publish=("$cli" publish Trip --host "ftp://127.0.0.1:$port" --user photo --folder Trip --replace changed
         --progress=json)

# Killed once the clip is well on its way.
"${publish[@]}" >first.json 2>&1 &
pid=$!
arriving="$work/served/Trip/clips/000001.mp4"
for _ in $(seq 300); do
  [ "$(stat -c %s "$arriving" 2>/dev/null || echo 0)" -gt 4000000 ] && break
  sleep 0.05
done
kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
held=$(stat -c %s "$arriving" 2>/dev/null || echo 0)
whole=$(stat -c %s "$site_clip")
[ "$held" -gt 0 ] && [ "$held" -lt "$whole" ] || fail "the kill did not cut the clip off ($held of $whole bytes)"

"${publish[@]}" >second.json 2>&1 || fail "the next publication failed: $(tail -2 second.json)"
grep -q '000001.mp4, resumed after' second.json || fail "the clip was sent again whole: $(grep -a 000001 second.json)"
cmp -s "$site_clip" "$arriving" || fail "the server's clip differs from the site's"
finish
