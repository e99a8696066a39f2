#!/usr/bin/env python3
"""Builds the layout test's project with every look and runs Lighthouse, as
a phone on a mobile network (its default), on a summary, a gallery and a
picture page of each: performance at least 95, accessibility, best
practices and SEO at 100.

Usage: site_lighthouse.py <program folder>"""
import json
import os
import pathlib
import subprocess
import sys
import tempfile

from site_layout import PROJECT, ROOT, report, serve, stage_sample_project, write_settings

LIGHTHOUSE = ROOT / "tests" / "e2e" / "node_modules" / ".bin" / "lighthouse"
PAGES = ["index.html", "Gal1.htm", "g1-000002.htm"]
CATEGORIES = ["performance", "accessibility", "best-practices", "seo"]
LEAST = {"performance": 0.95, "accessibility": 1, "best-practices": 1, "seo": 1}


def lighthouse(url, work):
    out = work / "report.json"
    subprocess.run([str(LIGHTHOUSE), url, "--quiet", "--output=json", f"--output-path={out}",
                    "--only-categories=" + ",".join(CATEGORIES),
                    "--chrome-flags=--headless=new --no-sandbox --disable-gpu"],
                   check=True, timeout=300, env=dict(os.environ, CHROME_PATH="/usr/bin/chromium"),
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return json.loads(out.read_text())


def main():
    stage = pathlib.Path(sys.argv[1])
    failures = []
    with tempfile.TemporaryDirectory() as work:
        work = pathlib.Path(work)
        programs, site = stage_sample_project(stage, work)
        server = serve(site)
        address = f"http://127.0.0.1:{server.server_address[1]}/"
        try:
            for look in sorted(p.name for p in (programs / "models" / "galeries").glob("*.htm")):
                write_settings(programs, look)
                subprocess.run([str(programs / "palimora-cli"), "build", PROJECT], check=True, capture_output=True)
                for page in PAGES:
                    found = lighthouse(address + page, work)
                    scores = {c: found["categories"][c]["score"] for c in CATEGORIES}
                    print(f"{look} {page}: " + ", ".join(f"{c} {round(100 * s)}" for c, s in scores.items()))
                    for category, score in scores.items():
                        if score is None or score < LEAST[category]:
                            audits = [ref["id"] for ref in found["categories"][category]["auditRefs"]
                                      if (found["audits"][ref["id"]].get("score") or 1) < 1 and ref["weight"] > 0]
                            failures.append(f"{look} {page}: {category} {score} ({', '.join(audits[:6])})")
        finally:
            server.shutdown()
    return report(failures)


if __name__ == "__main__":
    sys.exit(main())
