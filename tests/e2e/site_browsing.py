#!/usr/bin/env python3
"""Builds the 23-picture project of the layout test with pages for today's
browsers and browses it in headless Chromium as a visitor would, through the
DevTools protocol: on a picture page the arrow keys and a swipe land on the
next and previous pictures and "f" shows the picture full screen; on a
gallery page the arrow keys move between the thumbnails; with scripts off
the picture's own link still leads on.

Usage: site_browsing.py <program folder>"""
import pathlib
import shutil
import subprocess
import sys
import tempfile

from site_layout import PROJECT, Browser, make_project, report, serve, write_settings

KEYS = {"ArrowLeft": 37, "ArrowRight": 39, "ArrowDown": 40, "f": 70}


class Visitor(Browser):
    def press(self, key):
        for kind in ("keyDown", "keyUp"):
            self.call("Input.dispatchKeyEvent", {"type": kind, "key": key, "code": key if len(key) > 1 else "Key" + key.upper(),
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
        built = subprocess.run([str(programs / "palimora-cli"), "build", PROJECT], capture_output=True, text=True)
        if built.returncode != 0:
            print(built.stderr)
            return 1
        site = programs / "Projets" / PROJECT
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


if __name__ == "__main__":
    sys.exit(main())
