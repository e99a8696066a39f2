#!/usr/bin/env python3
"""Adds a photo and phone clips made by Debian's ffmpeg (H.264 with a
location, HEVC turned a quarter, VP9 WebM) to a project with
`palimora-cli add`, builds it, and checks what visitors get: each clip's MP4
is H.264 (with AAC sound where the clip had sound) with its index first and
no location; in headless Chromium each clip's page plays it (the video
element's readyState reaches 4 and its time advances) at its upright size,
and the gallery's thumbnails of the clips load.

Usage: site_clips.py <program folder>"""
import json
import pathlib
import shutil
import subprocess
import sys
import tempfile

from site_layout import ROOT, Browser, report, serve

# Picture numbers as added (natural order of names): the photo, then the clips.
CLIPS = {2: ("clip.webm", 320, 240, "opus"), 3: ("located.mp4", 320, 240, "aac"), 4: ("rotated.mov", 240, 320, None)}

# Run in a clip's page: plays the clip muted until its time has moved on.
PLAY = """new Promise(done => {
  const v = document.querySelector('.shot video');
  if (!v) return done(null);
  v.muted = true;
  v.play().catch(e => done('play: ' + e));
  const check = () => v.readyState === 4 && v.currentTime > 0.2
    ? done([v.readyState, v.videoWidth, v.videoHeight]) : setTimeout(check, 50);
  check();
})"""
THUMBNAILS_LOADED = """Promise.all([...document.images].map(i => i.complete ? i : new Promise(r => { i.onload = i.onerror = r; })))
  .then(() => [...document.images].filter(i => /tn_images/.test(i.src)).map(i => i.naturalWidth > 0))"""


def probe(mp4):
    shown = subprocess.run(["ffprobe", "-v", "error", "-show_streams", "-show_format", "-of", "json", str(mp4)],
                           capture_output=True, text=True, check=True)
    return json.loads(shown.stdout)


def main():
    stage = pathlib.Path(sys.argv[1])
    failures = []

    def expect(what, seen, wanted):
        if seen != wanted:
            failures.append(f"{what}: {seen!r}, expected {wanted!r}")

    with tempfile.TemporaryDirectory() as work:
        work = pathlib.Path(work)
        programs = work / "palimora"
        shutil.copytree(stage, programs)
        (programs / "palimora.lock").unlink(missing_ok=True)
        clips = work / "clips"
        subprocess.run(["bash", str(ROOT / "tests" / "support" / "make_clips.sh"), str(clips)], check=True)
        cli = str(programs / "palimora-cli")
        photo = programs / "Projets" / "Demo" / "images" / "000001.jpg"
        added = subprocess.run([cli, "add", "Clips", str(photo), *(str(clips / c[0]) for c in CLIPS.values())],
                               capture_output=True, text=True)
        expect("adding the photo and the clips", added.returncode, 0)
        built = subprocess.run([cli, "build", "Clips"], capture_output=True, text=True)
        if built.returncode != 0:
            print(added.stdout, added.stderr, built.stdout, built.stderr)
            return 1
        site = programs / "Projets" / "Clips"

        for number, (name, width, height, sound) in CLIPS.items():
            mp4 = site / "clips" / f"{number:06d}.mp4"
            facts = probe(mp4)
            codecs = {s["codec_type"]: s["codec_name"] for s in facts["streams"]}
            expect(f"the video of {name}", codecs.get("video"), "h264")
            expect(f"the sound of {name}", codecs.get("audio"), "aac" if sound else None)
            tags = " ".join(facts["format"].get("tags", {}).keys())
            expect(f"a location left in {name}", "location" in tags, False)
            data = mp4.read_bytes()
            expect(f"the index of {name} before its frames", data.find(b"moov") < data.find(b"mdat"), True)

        server = serve(site)
        address = f"http://127.0.0.1:{server.server_address[1]}/"
        browser = Browser(work / "profile")
        try:
            for number, (name, width, height, _) in CLIPS.items():
                browser.open(address + f"g1-{number:06d}.htm", 1280, 800)
                expect(f"{name} played on its page", browser.evaluate(PLAY), [4, width, height])
            browser.open(address + "Gal1.htm", 1280, 800)
            expect("the gallery's thumbnails loaded", browser.evaluate(THUMBNAILS_LOADED), [True] * 4)
        finally:
            browser.close()
            server.shutdown()
    return report(failures)


if __name__ == "__main__":
    sys.exit(main())
