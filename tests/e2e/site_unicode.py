#!/usr/bin/env python3
"""Makes a project whose name, gallery name, pictures' names and so titles are
in Japanese, Polish, Greek and Arabic with palimora-cli, builds its site with
the designed pages and again with pages for today's browsers, and reads the
titles back in headless Chromium: every one whole, none as a reference or as
mojibake, the Arabic one drawn from right to left; and the project's own
files keep Windows-1252 for what it holds.

Usage: site_unicode.py <program folder>"""
import pathlib
import shutil
import subprocess
import sys
import tempfile

from site_layout import Browser, report, serve
from setting_lines import LINE

PROJECT = "旅行の写真"
GALLERY = "Podróże i wspomnienia"
TITLES = ["Łódź nocą", "Ακρόπολη της Αθήνας", "東京タワーの夜景", "القاهرة القديمة"]
ARABIC = TITLES[3]

# What the page shows of the titles, and where the Arabic title's first and
# last letters are drawn.
READ_BACK = r"""
(arabic => {
  const text = document.body.innerText + ' ' + [...document.images].map(i => i.alt).join(' ');
  let drawn = null;
  const walk = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
  for (let node; (node = walk.nextNode());) {
    const at = node.data.indexOf(arabic);
    if (at < 0) continue;
    const x = i => { const r = document.createRange(); r.setStart(node, i); r.setEnd(node, i + 1); return r.getBoundingClientRect().left; };
    drawn = [x(at), x(at + arabic.length - 1)];
    break;
  }
  return {charset: document.characterSet, title: document.title, text, drawn};
})
"""


def run(programs, *arguments):
    done = subprocess.run([str(programs / "palimora-cli"), *arguments], capture_output=True, text=True)
    if done.returncode != 0:
        raise RuntimeError(f"palimora-cli {' '.join(arguments)}: {done.stderr}")


def set_todays_browsers(project, on):
    for name in ("runweb.ini", PROJECT + ".ini"):
        settings = project / name
        lines = settings.read_bytes().split(b"\r\n")
        lines[LINE["TodaysBrowsers"]] = b"1" if on else b"0"
        settings.write_bytes(b"\r\n".join(lines))


def main():
    stage = pathlib.Path(sys.argv[1])
    failures = []
    with tempfile.TemporaryDirectory() as work:
        work = pathlib.Path(work)
        programs = work / "palimora"
        shutil.copytree(stage, programs)
        demo = sorted((programs / "Projets" / "Demo" / "images").glob("*.jpg"))
        photos = []
        for n, title in enumerate(TITLES):
            photos.append(work / "photos" / f"{title}.jpg")
            photos[-1].parent.mkdir(exist_ok=True)
            shutil.copy(demo[n], photos[-1])
        run(programs, "add", PROJECT, "--titles-from-names", "--gallery", GALLERY, *map(str, photos))
        project = programs / "Projets" / PROJECT

        # The texts are kept in Windows-1252, with references for the rest.
        kept = (project / "textes" / "images.dat").read_bytes()
        if "&#321;".encode() not in kept or "d&#378;".encode() not in kept:
            failures.append("images.dat does not keep Łódź as Windows-1252 with references")

        for todays in (False, True):
            set_todays_browsers(project, todays)
            run(programs, "build", PROJECT)
            server = serve(project)
            browser = Browser(work / f"profile-{todays}")
            address = f"http://127.0.0.1:{server.server_address[1]}/"
            kind = "today's" if todays else "designed"
            try:
                # The pictures come in the order of their names: each title
                # on a page of its own.
                shown = {title: [] for title in TITLES}
                for page in ["Gal1.htm"] + [f"g1-{n:06d}.htm" for n in range(1, len(TITLES) + 1)]:
                    browser.open(address + page, 1280, 800)
                    seen = browser.evaluate(READ_BACK + f"({ARABIC!r})")
                    if seen["charset"] != "UTF-8":
                        failures.append(f"{kind} {page} is read as {seen['charset']}")
                    if page == "Gal1.htm" and GALLERY not in seen["text"]:
                        failures.append(f"{kind} {page} does not show {GALLERY!r}")
                    for title in TITLES:
                        if title in seen["text"] and page != "Gal1.htm":
                            shown[title].append(page)
                        elif title not in seen["text"] and page == "Gal1.htm":
                            failures.append(f"{kind} {page} does not show {title!r}")
                    for wrong in ("&#", "Ã", "Å"):
                        if wrong in seen["text"]:
                            failures.append(f"{kind} {page} shows {wrong!r}: {seen['text'][:200]!r}")
                    if ARABIC in seen["text"] and (not seen["drawn"] or seen["drawn"][0] <= seen["drawn"][1]):
                        failures.append(f"{kind} {page}: the Arabic title is not drawn right to left: {seen['drawn']}")
                for title, pages in shown.items():
                    if len(pages) != 1:
                        failures.append(f"{kind}: {title!r} is the title of {pages}, not of one picture page")
            finally:
                server.shutdown()
                browser.close()
    return report(failures)


if __name__ == "__main__":
    sys.exit(main())
