#!/usr/bin/env bash
# The read-me's terminal workflow, run as written: pictures added to a new
# project, the site built and published to a local FTP server, then a site of
# two galleries made with --gallery alone. Every picture must reach the server.
source "$(dirname "$0")/staged_copy.sh" "$1"

cd "$work"
/usr/bin/python3 - <<'PY'
from PIL import Image
for name, colour in [("a", (200, 40, 40)), ("b", (40, 200, 40)), ("c", (40, 40, 200)),
                     ("sea1", (0, 90, 160)), ("sea2", (0, 120, 200)), ("city1", (90, 90, 90)), ("city2", (140, 120, 100))]:
    Image.new("RGB", (640, 480), colour).save(name + ".jpg")
PY

mkdir -p served
port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
/usr/bin/python3 -m pyftpdlib -i 127.0.0.1 -p "$port" -w -d served -u me -P secret >server.log 2>&1 &
on_exit+=("kill $! 2>/dev/null")
for _ in $(seq 50); do (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && break; sleep 0.1; done

publish() {  # publish PROJECT FOLDER
  PALIMORA_FTP_PASSWORD=secret "$cli" publish "$1" --host "ftp://127.0.0.1:$port" --user me \
    --folder "$2" --replace changed >>out 2>&1
}

"$cli" add Holidays a.jpg b.jpg c.jpg >out 2>&1 || fail "add Holidays: $(tail -3 out)"
"$cli" build Holidays >>out 2>&1 || fail "build Holidays: $(tail -3 out)"
publish Holidays photos/Holidays || fail "publish Holidays: $(tail -3 out)"
site=served/photos/Holidays
for n in 1 2 3; do
  [ -f "$site/g1-00000$n.htm" ] || fail "picture page $n of Holidays was not published"
  grep -q "g1-00000$n.htm" "$site/Gal1.htm" 2>/dev/null || fail "the gallery of Holidays does not show picture $n"
done
grep -qi "in no gallery" out && fail "the read-me's project left pictures out of its gallery"

"$cli" add Trip --gallery Sea sea1.jpg sea2.jpg >>out 2>&1 || fail "add --gallery Sea: $(tail -3 out)"
"$cli" add Trip --gallery City city1.jpg city2.jpg >>out 2>&1 || fail "add --gallery City: $(tail -3 out)"
"$cli" build Trip >>out 2>&1 || fail "build Trip: $(tail -3 out)"
publish Trip Trip || fail "publish Trip: $(tail -3 out)"
for page in g1-000001 g1-000002 g2-000003 g2-000004; do
  [ -f "served/Trip/$page.htm" ] || fail "$page.htm of Trip was not published"
done
grep -q ">Sea<" served/Trip/index.html && grep -q ">City<" served/Trip/index.html ||
  fail "the summary of Trip does not name its galleries Sea and City"
[ -f served/Trip/Gal3.htm ] && fail "Trip has a third gallery"

finish
