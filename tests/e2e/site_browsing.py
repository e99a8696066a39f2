#!/usr/bin/env python3
"""Builds the 23-picture project of the layout test with pages for today's
browsers and browses it in headless Chromium as a visitor would, through the
DevTools protocol: on a picture page the arrow keys and a swipe land on the
next and previous pictures and "f" shows the picture full screen; on a
gallery page the arrow keys move between the thumbnails; with scripts off
the picture's own link still leads on.

What the pages offer visitors beyond that: the space bar plays the
slideshow from page to page and any other key stops it; the picture's
download and the gallery's ZIP are there and hold the pictures as given;
the camera's facts under a picture are those of its EXIF; the feed is valid
Atom; `palimora-cli sort` puts a gallery in the order its photos were taken,
titles following.

Usage: site_browsing.py <program folder>"""
import pathlib
import shutil
import subprocess
import sys
import tempfile
import urllib.request
import zipfile

from site_layout import LINE, PROJECT, ROOT, Browser, make_project, report, serve, write_settings

KEYS = {"ArrowLeft": 37, "ArrowRight": 39, "ArrowDown": 40, "f": 70, " ": 32, "x": 88}
ATOM = ROOT / "tests" / "e2e" / "atom.rng"
# The photos of gallery 1 ("Rivages", pictures 1 to 8) as taken, out of order, and their facts.
TAKEN = {1: "2024:06:03 09:00:00", 2: "2024:06:01 18:30:00", 3: "2024:06:02 12:00:00", 5: "2024:05:30 07:15:00"}
FACTS = ["-Make=Fujifilm", "-Model=X-T5", "-LensModel=XF23mmF1.4 R", "-FocalLength=23", "-FNumber=2.8",
         "-ExposureTime=1/250", "-ISO=400"]


def give_exif(site):
    """Dates for four photos of gallery 1, and a camera's facts for picture 2."""
    for n, taken in TAKEN.items():
        facts = FACTS if n == 2 else []
        subprocess.run(["exiftool", "-q", "-overwrite_original", f"-DateTimeOriginal={taken}", *facts,
                        str(site / "images" / f"{n:06d}.jpg")], check=True)


def set_extras(programs, extras):
    project = programs / "Projets" / PROJECT
    for name in ("runweb.ini", PROJECT + ".ini"):
        lines = (project / name).read_bytes().split(b"\r\n")
        lines[LINE["VisitorExtras"]] = extras.encode()
        (project / name).write_bytes(b"\r\n".join(lines))


class Visitor(Browser):
    def press(self, key):
        for kind in ("keyDown", "keyUp"):
            self.call("Input.dispatchKeyEvent", {"type": kind, "key": key, "code": key if len(key) > 1 else "Space" if key == " " else "Key" + key.upper(),
                                                 "windowsVirtualKeyCode": KEYS[key]}, session=True)


    def swipe(self, x_from, x_to, y=400):
        touch = lambda x: [{"x": x, "y": y}]
        self.call("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": touch(x_from)}, session=True)
        for step in range(1, 5):
            self.call("Input.dispatchTouchEvent",
                      {"type": "touchMove", "touchPoints": touch(x_from + (x_to - x_from) * step / 4)}, session=True)
        self.call("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []}, session=True)

    def page(self):
        return self.evaluate("location.pathname.split('/').pop()")

    def lands_on(self, act):
        self.leave()
        act()
        self.arrive()
        return self.page()

    def script_ready(self):
        return self.evaluate("document.documentElement.dataset.browse")

    def focused(self):
        return self.evaluate("document.activeElement.getAttribute('href')")


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
        make_project(programs)
        write_settings(programs, "clair.htm")
        set_extras(programs, "download=1 zip=1 slideshow=1 seconds=3 scheme=follow facts=1 feed=1")
        site = programs / "Projets" / PROJECT
        give_exif(site)
        cli = str(programs / "palimora-cli")
        sorted_ = subprocess.run([cli, "sort", PROJECT, "--by", "date", "--gallery", "Rivages"],
                                 capture_output=True, text=True)
        expect("the sort", sorted_.returncode, 0)
        (site / ".published").mkdir(exist_ok=True)
        (site / ".published" / "web-address.txt").write_text("https://photos.example.org/mise/\n")
        built = subprocess.run([cli, "build", PROJECT], capture_output=True, text=True)
        if built.returncode != 0:
            print(built.stderr)
            return 1
        check_offers(site, expect)
        server = serve(site)
        address = f"http://127.0.0.1:{server.server_address[1]}/"
        browser = Visitor(work / "profile")
        try:
            browser.call("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 1}, session=True)
            browser.open(address + "g1-000005.htm", 390, 844)
            expect("a swipe to the left on picture 5", browser.lands_on(lambda: browser.swipe(320, 60)), "g1-000006.htm")
            expect("a swipe to the right on picture 6", browser.lands_on(lambda: browser.swipe(60, 320)), "g1-000005.htm")
            browser.call("Emulation.setTouchEmulationEnabled", {"enabled": False}, session=True)

            browser.open(address + "g1-000002.htm", 1280, 800)
            expect("the browsing script on picture 2", browser.script_ready(), "ready")
            expect("ArrowRight on picture 2", browser.lands_on(lambda: browser.press("ArrowRight")), "g1-000003.htm")
            expect("ArrowLeft on picture 3", browser.lands_on(lambda: browser.press("ArrowLeft")), "g1-000002.htm")
            browser.press("f")
            expect("f on picture 2 shows it full screen",
                   browser.evaluate("document.fullscreenElement ? true : new Promise(r => document.addEventListener("
                                    "'fullscreenchange', () => r(!!document.fullscreenElement)))"), True)

            browser.open(address + "Gal1.htm", 1280, 800)
            expect("the browsing script on gallery 1", browser.script_ready(), "ready")
            browser.press("ArrowRight")
            expect("the first ArrowRight on gallery 1", browser.focused(), "g1-000001.htm")
            browser.press("ArrowRight")
            expect("the second ArrowRight on gallery 1", browser.focused(), "g1-000002.htm")
            browser.press("ArrowDown")
            below = browser.evaluate("document.activeElement.getBoundingClientRect().top > "
                                     "document.querySelector('a[href=\"g1-000002.htm\"]').getBoundingClientRect().bottom")
            expect("ArrowDown moves to the row below", below, True)

            # The slideshow: the space bar plays it from page to page, another key stops it.
            browser.open(address + "g1-000004.htm", 1280, 800)
            expect("the space bar on picture 4", browser.lands_on(lambda: browser.press(" ")), "g1-000005.htm")
            expect("the slideshow goes on", browser.lands_on(lambda: None), "g1-000006.htm")
            browser.press("x")
            expect("a key stops the slideshow",
                   browser.evaluate("[document.querySelector('button.play').getAttribute('aria-pressed'), "
                                    "sessionStorage.getItem('slideshow')]"), ["false", None])
            facts = browser.evaluate("[...document.querySelectorAll('.facts dd')].map(d => d.textContent)")
            expect("picture 6 has no facts", facts, [])

            browser.open(address + "g1-000002.htm", 1280, 800)
            facts = browser.evaluate("[...document.querySelectorAll('.facts div')].map(d => d.textContent)")
            expect("the facts under picture 2 (the second taken)", facts,
                   ["CameraFujifilm X-T5", "LensXF23mmF1.4 R", "Focal length23 mm", "Aperturef/2.8",
                    "Exposure1/250 s", "ISO400", "Taken2024-06-01 18:30"])
            for link in browser.evaluate("[...document.querySelectorAll('a.download')].map(a => a.href)"):
                expect(f"the download {link}", urllib.request.urlopen(link).status, 200)

            browser.call("Emulation.setScriptExecutionDisabled", {"value": True}, session=True)
            browser.open(address + "g1-000002.htm", 1280, 800)
            expect("the picture's link with scripts off", browser.lands_on(
                lambda: browser.evaluate("document.querySelector('a[href=\"g1-000003.htm\"] img').parentNode.click()")),
                "g1-000003.htm")
        finally:
            server.shutdown()
            browser.close()
        script = site / "param" / "browse.js"
        if not script.is_file() or script.stat().st_size >= 6144:
            failures.append(f"the browsing script is missing or not under 6 KB: {script}")
    return report(failures)


def check_offers(site, expect):
    """The built site's feed, gallery ZIP and the order of its gallery 1, as files."""
    validated = subprocess.run(["xmllint", "--noout", "--relaxng", str(ATOM), str(site / "feed.xml")],
                               capture_output=True, text=True)
    expect("the feed against the Atom schema", validated.returncode, 0)
    with zipfile.ZipFile(site / "orig_images" / "Gal1.zip") as archive:
        held = [archive.read(name) for name in archive.namelist()]
    given = [(site / "images" / f"{n:06d}.jpg").read_bytes() for n in range(1, 9)]
    expect("the gallery's ZIP holds its pictures as given, in order", held == given, True)
    expect("the picture's download is the picture as given",
           (site / "orig_images" / "000003.jpg").read_bytes() == given[2], True)
    # Sorted by date: 5, 2, 3, 1 were taken in that order; 4, 6, 7, 8 have no date and follow.
    titles = [(site / f"g1-{n:06d}.htm").read_text(encoding="utf-8").split("<title>")[1].split(" - ")[0]
              for n in range(1, 9)]
    expect("gallery 1 in the order taken", titles[:4], ["Le pont &lt;vieux&gt; &amp; ça", "Photo 2", "Photo 3",
                                                        "Photo 1"])
    expect("the undated pictures after", titles[4:], ["Photo 4", "Un titre plus long pour la photo 6, sur deux lignes",
                                                      "Photo 7", "Photo 8"])


if __name__ == "__main__":
    sys.exit(main())
