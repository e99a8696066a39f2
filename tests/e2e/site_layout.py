#!/usr/bin/env python3
"""Builds a 23-picture, 3-gallery project with every look of the program
folder's models, opens each page in headless Chromium at a phone, tablet,
laptop and desktop size, and checks the layout from the DOM through the
DevTools protocol (over --remote-debugging-pipe):

- no page scrolls sideways, every picture loads and every link leads to a
  file of the site;
- on the summary and gallery pages each picture is drawn at its file's size
  (or scaled down only where its column is narrower), each title stands
  directly under its own picture, in the same column, and no two cells
  overlap;
- on picture pages at 1280 x 800 and 390 x 844 the whole picture and every
  navigation link are inside the window;
- titles read as typed ("<", ">", "&") and `palimora-cli build` names the
  start page;
- with pages for today's browsers (the default of new projects), nothing
  shifts while the page loads, even with its pictures held back by the
  network, axe-core finds nothing serious or critical on any page, in the
  light colours and in the dark ones a visitor's system may ask for, and
  html-validate finds no error in any page.

Usage: site_layout.py <program folder> [screenshot folder]"""
import base64
import functools
import http.server
import json
import os
import pathlib
import select
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import urllib.parse

ROOT = pathlib.Path(__file__).resolve().parents[2]
sys.path.insert(0, str(ROOT / "tools"))
from make_demo import comma_list, record  # noqa: E402
from setting_lines import LINE, LINE_COUNT, gallery_line  # noqa: E402

VIEWPORTS = [(390, 844), (768, 1024), (1280, 800), (1920, 1080)]
FITS_WHOLE = {(390, 844), (1280, 800)}
TYPED_TITLE = "Le pont <vieux> & ça"
GALLERIES = [("Rivages", 1, 8), ("Sommets & cols", 9, 15), ("Rues", 16, 23)]
PROJECT = "Mise"


def title_of(n):
    if n == 5:
        return TYPED_TITLE
    if n % 6 == 0:
        return f"Un titre plus long pour la photo {n}, sur deux lignes"
    return f"Photo {n}"


def make_project(programs):
    project = programs / "Projets" / PROJECT
    demo = programs / "Projets" / "Demo" / "images"
    sources = sorted(demo.glob("*.jpg"))
    (project / "images").mkdir(parents=True)
    (project / "textes").mkdir()
    data = bytes(456)
    for n in range(1, 24):
        shutil.copy(sources[(n - 1) % len(sources)], project / "images" / f"{n:06d}.jpg")
        data += record(n, title_of(n), comma_list([f"Commentaire de la photo {n}."]))
    (project / "textes" / "images.dat").write_bytes(data)


def stage_sample_project(stage, work):
    """A copy of the program folder with the sample project; its folder and the project's."""
    programs = work / "palimora"
    shutil.copytree(stage, programs)
    make_project(programs)
    return programs, programs / "Projets" / PROJECT


def write_settings(programs, look):
    lines = (programs / "runweb.in_").read_bytes().decode("cp1252").split("\r\n")[:LINE_COUNT]
    lines[LINE["SummaryTitle"]] = "Mise en page"
    for k, (name, first, last) in enumerate(GALLERIES, start=1):
        lines[gallery_line("GalleryName1", k)] = name
        lines[gallery_line("GalleryFirstPicture1", k)] = f"{first:06d}.jpg"
        lines[gallery_line("GalleryLastPicture1", k)] = f"{last:06d}.jpg"
    for line in ("PictureTemplate", "SummaryTemplate", "GalleryTemplate"):
        lines[LINE[line]] = look
    text = ("\r\n".join(lines) + "\r\n").encode("cp1252")
    project = programs / "Projets" / PROJECT
    for name in ("runweb.ini", PROJECT + ".ini"):
        (project / name).write_bytes(text)


AXE = ROOT / "tests" / "e2e" / "node_modules" / "axe-core" / "axe.min.js"
HTML_VALIDATE = ROOT / "tests" / "e2e" / "node_modules" / ".bin" / "html-validate"
SHIFT_VIEWPORTS = {(390, 844), (1280, 800)}  # where pictures arrive late and layout shift is measured
AXE_VIEWPORT = (1280, 800)


DARK_GROUND = "getComputedStyle(document.body).backgroundColor"


class SlowPictures(http.server.SimpleHTTPRequestHandler):
    """Serves the site; pictures come late while `delay` is set, as over a slow network."""
    delay = 0.0

    def do_GET(self):
        if self.path.lower().endswith((".jpg", ".gif")) and SlowPictures.delay:
            time.sleep(SlowPictures.delay)
        super().do_GET()

    def log_message(self, *args):
        pass


def serve(folder):
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(SlowPictures, directory=str(folder)))
    # A page left while its next one was still being fetched ahead cuts that download: no failure.
    server.handle_error = lambda request, address: None
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


# Run in the page: the serious and critical findings of axe-core.
AXE_RUN = r"""
axe.run(document, {resultTypes: ['violations']}).then(r => r.violations
  .filter(v => v.impact === 'serious' || v.impact === 'critical')
  .map(v => `${v.impact} ${v.id}: ${v.nodes.length} (${v.nodes[0].target.join(' ')}: ${v.help})`))
"""


class Browser:
    """One headless Chromium driven through the DevTools protocol on a pipe."""

    def __init__(self, profile):
        to_child_r, self.to_child = os.pipe()
        self.from_child, from_child_w = os.pipe()

        def pipes():
            os.dup2(to_child_r, 3)
            os.dup2(from_child_w, 4)

        self.process = subprocess.Popen(
            ["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
             "--disable-background-networking", "--disable-component-update", "--disable-sync",
             "--hide-scrollbars", "--remote-debugging-pipe", f"--user-data-dir={profile}",
             # A swipe is the page's to handle: the browser's own going back on it would race the page's link.
             "--overscroll-history-navigation=0", "about:blank"],
            pass_fds=(3, 4), preexec_fn=pipes,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(to_child_r)
        os.close(from_child_w)
        self.buffer = b""
        self.next_id = 0
        self.events = []
        target = self.call("Target.createTarget", {"url": "about:blank"})["targetId"]
        self.session = self.call("Target.attachToTarget", {"targetId": target, "flatten": True})["sessionId"]
        self.call("Page.enable", session=True)

    def read_message(self):
        while b"\0" not in self.buffer:
            chunk = os.read(self.from_child, 1 << 16)
            if not chunk:
                raise RuntimeError("the browser went away")
            self.buffer += chunk
        message, self.buffer = self.buffer.split(b"\0", 1)
        return json.loads(message)

    def call(self, method, params=None, session=False):
        self.next_id += 1
        message = {"id": self.next_id, "method": method, "params": params or {}}
        if session:
            message["sessionId"] = self.session
        os.write(self.to_child, json.dumps(message).encode() + b"\0")
        while True:
            reply = self.read_message()
            if reply.get("id") == self.next_id:
                if "error" in reply:
                    raise RuntimeError(f"{method}: {reply['error']}")
                return reply.get("result", {})
            self.events.append(reply)

    def wait_event(self, method, limit=120):
        """The next event `method`; a browser that sends none within `limit` seconds fails the test."""
        deadline = time.monotonic() + limit
        while True:
            for i, event in enumerate(self.events):
                if event.get("method") == method:
                    del self.events[: i + 1]
                    return event
            if b"\0" not in self.buffer and not select.select([self.from_child], [], [], max(0, deadline - time.monotonic()))[0]:
                raise RuntimeError(f"no {method} within {limit} s")
            self.events.append(self.read_message())

    def leave(self):
        """Marks the page being left, so that a late load event of it is not taken for the next page's."""
        try:
            self.evaluate("window.__leaving = true")
        except RuntimeError:
            pass
        self.events.clear()

    def arrive(self):
        """Waits until a page that was not marked has loaded (its deferred scripts have run by then)."""
        while True:
            self.wait_event("Page.loadEventFired")
            try:
                if self.evaluate("!window.__leaving && document.readyState === 'complete'"):
                    break
            except RuntimeError:
                pass  # the page was being replaced: its own load event follows

    def open(self, url, width, height):
        self.call("Emulation.setDeviceMetricsOverride",
                  {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": width < 600}, session=True)
        # A load event of the page before (a late one, after an emulation
        # change) is not this page's.
        self.leave()
        self.call("Page.navigate", {"url": url}, session=True)
        self.arrive()

    def evaluate(self, expression):
        result = self.call("Runtime.evaluate", {"expression": expression, "returnByValue": True, "awaitPromise": True},
                           session=True)
        if "exceptionDetails" in result:
            raise RuntimeError(json.dumps(result["exceptionDetails"])[:400])
        return result["result"].get("value")

    def screenshot(self, path):
        data = self.call("Page.captureScreenshot", {"format": "png"}, session=True)["data"]
        path.write_bytes(base64.b64decode(data))

    def close(self):
        try:
            self.call("Browser.close")
        except RuntimeError:
            pass
        self.process.wait(timeout=20)


# Run in the page once it has loaded: the layout problems it shows, and the
# links and pictures it refers to (checked against the files by the caller).
PROBE = r"""
(async measureShift => {
  const problems = [];
  for (const i of document.images) if (i.loading === 'lazy') i.loading = 'eager';  // every picture is checked
  await Promise.all([...document.images].map(i => i.complete ? 0 : new Promise(r => { i.onload = i.onerror = r; })));
  const vw = document.documentElement.clientWidth, vh = window.innerHeight;
  if (document.documentElement.scrollWidth > vw) problems.push(`scrolls sideways: ${document.documentElement.scrollWidth} > ${vw}`);
  for (const img of document.images) {
    if (!img.naturalWidth) problems.push(`picture not loaded: ${img.getAttribute('src')}`);
  }
  const box = e => e.getBoundingClientRect();
  const name = e => (e.querySelector('img') ? e.querySelector('img').getAttribute('src') : e.textContent.trim()).slice(0, 40);
  const cells = [...document.querySelectorAll('table td')].filter(td => td.offsetParent && box(td).width > 0 && (td.textContent.trim() || td.querySelector('img')));
  const grid = !document.querySelector('.shot');
  let titlesChecked = 0;
  if (grid) {
    for (const td of cells) {
      const img = td.querySelector('img');
      if (!img || !img.naturalWidth) continue;
      const style = getComputedStyle(td);
      const room = td.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
      const atSize = Math.abs(img.width - img.naturalWidth) <= 1 && Math.abs(img.height - img.naturalHeight) <= 1;
      const fitted = img.width < img.naturalWidth && img.offsetWidth >= room - 1;
      if (!atSize && !fitted) problems.push(`${name(td)} drawn ${img.width}x${img.height}, file ${img.naturalWidth}x${img.naturalHeight}`);
      if (Math.abs(img.width / img.height - img.naturalWidth / img.naturalHeight) > 0.02) problems.push(`${name(td)} distorted`);
    }
    for (const tr of document.querySelectorAll('table tr')) {
      const filled = [...tr.children].filter(td => td.tagName === 'TD' && td.innerHTML.trim() !== '');
      const pictures = filled.filter(td => td.querySelector('img'));
      const titles = filled.filter(td => !td.querySelector('img'));
      if (!pictures.length || pictures.length !== titles.length) continue;
      pictures.forEach((p, i) => {
        const a = box(p), b = box(titles[i]);
        titlesChecked++;
        if (b.top < a.bottom - 1 || b.top - a.bottom > 12) problems.push(`title "${name(titles[i])}" is not right under its picture (${a.bottom} -> ${b.top})`);
        if (Math.abs(a.left - b.left) > 1 || Math.abs(a.width - b.width) > 1) problems.push(`title "${name(titles[i])}" is not in its picture's column`);
      });
    }
    for (let i = 0; i < cells.length; i++) {
      for (let j = i + 1; j < cells.length; j++) {
        const a = box(cells[i]), b = box(cells[j]);
        const w = Math.min(a.right, b.right) - Math.max(a.left, b.left), h = Math.min(a.bottom, b.bottom) - Math.max(a.top, b.top);
        if (w > 1 && h > 1) problems.push(`"${name(cells[i])}" and "${name(cells[j])}" overlap`);
      }
    }
  }
  const whole = [];
  if (!grid) {
    const picture = document.querySelector('.shot img');
    whole.push(['the picture', box(picture)]);
    if (picture.width > picture.naturalWidth + 1) problems.push('the picture is drawn larger than its file');
    for (const a of document.querySelectorAll('.nav a')) whole.push([`link "${a.textContent.trim()}"`, box(a)]);
  }
  const shift = !measureShift ? 0 : await new Promise(done => {
    let sum = 0;
    new PerformanceObserver(list => { for (const e of list.getEntries()) if (!e.hadRecentInput) sum += e.value; })
      .observe({type: 'layout-shift', buffered: true});
    setTimeout(() => done(sum), 200);
  });
  // What the program's phone preview is held to as well (tst_preview): the gallery's
  // columns, and how much of the screen's width a large enough picture takes.
  const columns = new Set(cells.filter(td => td.querySelector('img')).map(td => Math.round(box(td).left))).size;
  const shot = document.querySelector('.shot img');
  const share = shot && shot.naturalWidth >= vw ? box(shot).width / vw : null;
  return {problems, titlesChecked, shift, cells: cells.length, vw, vh, columns, share,
          whole: whole.map(([n, r]) => [n, r.left, r.top, r.right, r.bottom]),
          links: [...document.querySelectorAll('a[href]')].map(a => a.getAttribute('href')),
          sources: [...document.images].map(i => i.getAttribute('src')),
          texts: [...document.querySelectorAll('a')].map(a => a.textContent)};
})
"""


def report(failures):
    """Prints the failures, or the one test's pass; the exit status."""
    for failure in failures:
        print("FAIL", failure)
    if failures:
        print(f"{len(failures)} problems")
        return 1
    print("1 passed, 0 failed")
    return 0


def main():
    stage = pathlib.Path(sys.argv[1])
    shots = pathlib.Path(sys.argv[2]) if len(sys.argv) > 2 else None
    failures = []
    with tempfile.TemporaryDirectory() as work:
        work = pathlib.Path(work)
        programs, site = stage_sample_project(stage, work)
        looks = sorted(p.name for p in (programs / "models" / "galeries").glob("*.htm"))
        if len(looks) < 4:
            failures.append(f"only {len(looks)} looks: {looks}")
        browser = Browser(work / "profile")
        server = serve(site)
        address = f"http://127.0.0.1:{server.server_address[1]}/"
        axe = AXE.read_text()
        try:
            for look in looks:
                write_settings(programs, look)
                built = subprocess.run([str(programs / "palimora-cli"), "build", PROJECT], capture_output=True, text=True)
                if built.returncode != 0:
                    failures.append(f"{look}: build failed: {built.stderr[-500:]}")
                    continue
                told = built.stderr.strip().splitlines()[-1] if built.stderr.strip() else ""  # messages and the start page go to stderr
                if pathlib.Path(told) != site / "index.html":
                    failures.append(f"{look}: the build named {told!r} as its start page")
                pages = ["index.html"] + [f"Gal{k}.htm" for k in range(1, 4)]
                pages += sorted(p.name for p in site.glob("g?-*.htm"))
                if len(pages) != 4 + 23:
                    failures.append(f"{look}: {len(pages)} pages")
                checked = subprocess.run([str(HTML_VALIDATE), "--preset", "standard", "--formatter", "text",
                                          *(str(site / page) for page in pages)], capture_output=True, text=True)
                if checked.returncode != 0:
                    failures += [f"{look}: html-validate: {line}" for line in
                                 (checked.stdout + checked.stderr).strip().splitlines()[:20]]
                titles = 0
                for width, height in VIEWPORTS:
                    for page in pages:
                        where = f"{look} {page} {width}x{height}"
                        SlowPictures.delay = 0.15 if (width, height) in SHIFT_VIEWPORTS else 0
                        browser.open(address + urllib.parse.quote(page), width, height)
                        seen = browser.evaluate(f"({PROBE})({str((width, height) in SHIFT_VIEWPORTS).lower()})")
                        failures += [f"{where}: {p}" for p in seen["problems"]]
                        if (width, height) in SHIFT_VIEWPORTS and seen["shift"] > 0:
                            failures.append(f"{where}: the layout shifts by {seen['shift']:.3f} while loading")
                        if (width, height) == AXE_VIEWPORT:
                            browser.evaluate(axe)
                            failures += [f"{where}: axe: {f}" for f in browser.evaluate(AXE_RUN)]
                            # The dark variant, as a visitor whose system asks for it sees the page.
                            browser.call("Emulation.setEmulatedMedia",
                                         {"features": [{"name": "prefers-color-scheme", "value": "dark"}]}, session=True)
                            if browser.evaluate(DARK_GROUND) != "rgb(22, 24, 29)":
                                failures.append(f"{where}: no dark ground in the dark scheme")
                            failures += [f"{where} dark: axe: {f}" for f in browser.evaluate(AXE_RUN)]
                            browser.call("Emulation.setEmulatedMedia", {"features": []}, session=True)
                        titles += seen["titlesChecked"]
                        for reference in seen["links"] + seen["sources"]:
                            if reference.startswith(("http:", "https:", "mailto:")):
                                continue
                            target = site / urllib.parse.unquote(reference.split("#")[0])
                            if not reference or not target.is_file():
                                failures.append(f"{where}: refers to a missing file {reference!r}")
                        if page.startswith("g") and (width, height) in FITS_WHOLE:
                            if len(seen["whole"]) < 1 + 2:
                                failures.append(f"{where}: no navigation links")
                            for what, left, top, right, bottom in seen["whole"]:
                                if left < 0 or top < 0 or right > seen["vw"] + 0.5 or bottom > seen["vh"] + 0.5:
                                    failures.append(f"{where}: {what} is not inside the window "
                                                    f"({left:.0f},{top:.0f})-({right:.0f},{bottom:.0f})")
                        if width == 390 and page.startswith("Gal") and seen["columns"] != 2:
                            failures.append(f"{where}: {seen['columns']} columns of pictures on a phone, not 2")
                        if width == 390 and seen["share"] is not None and seen["share"] < 0.8:
                            failures.append(f"{where}: the picture takes {seen['share']:.0%} of a phone's width")
                        if page == "Gal1.htm" and TYPED_TITLE not in seen["texts"]:
                            failures.append(f"{where}: the title {TYPED_TITLE!r} does not read as typed")
                        if shots and width in (390, 1280) and page in ("Gal1.htm", "g1-000002.htm"):
                            shots.mkdir(parents=True, exist_ok=True)
                            kind = "gallery" if page.startswith("Gal") else "picture"
                            browser.screenshot(shots / f"{look[:-4]}-{kind}-{width}.png")
                if titles < 23 * len(VIEWPORTS):
                    failures.append(f"{look}: only {titles} titles were checked under their pictures")
                print(f"{look}: {len(pages)} pages at {len(VIEWPORTS)} sizes, {titles} titles under their pictures")
        finally:
            server.shutdown()
            browser.close()
    return report(failures)


if __name__ == "__main__":
    sys.exit(main())
