#!/usr/bin/env python3
"""Draws the small picture of each look that the template lists show.

Builds a sample site with each look (the same one the layout test builds),
takes its contents, gallery and picture pages in headless Chromium and
writes them, shrunk, beside the templates: assets/models/<kind>/<look>.png.

Usage: tools/make_look_pictures.py <built program folder, e.g. build/palimora>
Needs chromium and ImageMagick.
"""

import pathlib
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parents[1]
sys.path.insert(0, str(ROOT / "tests" / "e2e"))
from site_layout import PROJECT, Browser, serve, stage_sample_project, write_settings  # noqa: E402

PAGES = {"sommaires": "index.html", "galeries": "Gal1.htm", "images": "g1-000002.htm"}
SHOT_SIZE = (1024, 720)
PICTURE_SIZE = "192x136"  # shown at half that size, sharp on screens that scale by 2


def main():
    stage = pathlib.Path(sys.argv[1])
    with tempfile.TemporaryDirectory() as work:
        work = pathlib.Path(work)
        programs, site = stage_sample_project(stage, work)
        browser = Browser(work / "profile")
        server = serve(site)
        address = f"http://127.0.0.1:{server.server_address[1]}/"
        try:
            for look in sorted(p.name for p in (ROOT / "assets" / "models" / "galeries").glob("*.htm")):
                write_settings(programs, look)
                subprocess.run([str(programs / "palimora-cli"), "build", PROJECT], check=True, capture_output=True)
                for kind, page in PAGES.items():
                    browser.open(address + page, *SHOT_SIZE)
                    shot = work / "shot.png"
                    browser.screenshot(shot)
                    target = ROOT / "assets" / "models" / kind / (look[:-4] + ".png")
                    subprocess.run(["convert", str(shot), "-resize", PICTURE_SIZE, "-strip", str(target)], check=True)
                    print(target.relative_to(ROOT))
        finally:
            server.shutdown()
            browser.close()


if __name__ == "__main__":
    main()
