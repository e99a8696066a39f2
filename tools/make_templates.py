#!/usr/bin/env python3
"""Writes the page templates of assets/models: three looks for each kind of
page (summary, gallery, picture). Each carries the marker lines the page
writers search and, after them, the slot lines they overwrite; the HTML
around them opens and closes what the writers leave open.

Windows-1252, CR LF. Colours of the page itself come from the settings
(BODY and TABLE attributes), so the style sheets only shape the page."""
import pathlib

SUMMARY_SLOTS = 11
GALLERY_SLOTS = 50

THEMES = {
    "clair": """
body { margin: 0; font-family: "Trebuchet MS", "DejaVu Sans", Verdana, sans-serif; line-height: 1.4; }
.page { max-width: 1100px; margin: 0 auto; padding: 24px 16px 40px; }
.head { padding: 12px 0 20px; border-bottom: 1px solid rgba(0,0,0,.12); margin-bottom: 24px; }
table { margin: 0 auto; }
td { vertical-align: top; }
img { max-width: 100%; height: auto; vertical-align: bottom; }
td img { border-radius: 4px; box-shadow: 0 2px 8px rgba(0,0,0,.18); }
a { text-decoration: none; }
a:hover img { box-shadow: 0 4px 14px rgba(0,0,0,.3); }
.nav { margin: 18px 0; }
.nav a { display: inline-block; padding: 4px 12px; margin: 2px; border-radius: 14px; border: 1px solid rgba(0,0,0,.15); }
.foot { margin-top: 32px; font-size: 12px; opacity: .6; text-align: center; }
""",
    "moderne": """
body { margin: 0; font-family: "Helvetica Neue", "Liberation Sans", Arial, sans-serif; line-height: 1.45; }
.page { max-width: 1200px; margin: 0 auto; padding: 28px 18px 44px; }
.head { padding: 10px 0 24px; letter-spacing: .04em; }
table { margin: 0 auto; }
td { vertical-align: top; }
img { max-width: 100%; height: auto; vertical-align: bottom; }
td img { outline: 1px solid rgba(0,0,0,.12); outline-offset: 3px; }
a { text-decoration: none; }
a:hover img { outline: 2px solid rgba(0,0,0,.35); }
.nav { margin: 20px 0; text-transform: uppercase; letter-spacing: .08em; }
.nav a { display: inline-block; padding: 4px 10px; }
.foot { margin-top: 36px; font-size: 12px; opacity: .5; text-align: center; }
""",
    "carnet": """
body { margin: 0; font-family: Georgia, "DejaVu Serif", "Times New Roman", serif; line-height: 1.5; }
.page { max-width: 980px; margin: 0 auto; padding: 32px 20px 48px; }
.head { padding: 8px 0 18px; margin-bottom: 22px; border-bottom: 3px double rgba(0,0,0,.25); font-style: italic; }
table { margin: 0 auto; }
td { vertical-align: top; }
img { max-width: 100%; height: auto; vertical-align: bottom; }
td img { background: #fff; padding: 6px; box-shadow: 1px 2px 6px rgba(0,0,0,.25); transform: rotate(-.6deg); }
a { text-decoration: none; }
a:hover img { transform: rotate(0deg); }
.nav { margin: 18px 0; font-style: italic; }
.nav a { display: inline-block; padding: 2px 10px; }
.foot { margin-top: 34px; font-size: 12px; opacity: .6; text-align: center; }
""",
}

# What each kind of page adds: summary and gallery cells hold a picture
# and, beside it, its title; the gallery's last row holds the links.
KIND_CSS = {
    "sommaires": "td { vertical-align: middle; white-space: nowrap; padding: 6px 10px; }",
    "galeries": ("td { vertical-align: middle; padding: 6px 8px; }\n"
                 "table tr:last-child td { padding-top: 18px; }\n"
                 "table tr:last-child a { display: inline-block; padding: 3px 12px; margin: 2px 3px;"
                 " border-radius: 14px; border: 1px solid rgba(128,128,128,.45); }\n"
                 "a:empty { display: none; }"),
    "images": "td { text-align: center; }",
}

# On a narrow screen the table cells flow and wrap instead of overflowing.
PHONE = """
@media (max-width: 640px) {
  .page { padding: 12px 8px 24px; }
  table, tbody, tr { display: block; width: 100% !important; }
  td { display: inline-block; vertical-align: top; max-width: 100%; white-space: normal; }
}
"""


def marker(name):
    return f"<!--{name}--!>"


def slots(count, content=""):
    return [content] * count


def head(theme, kind):
    return [
        "<!DOCTYPE html>",
        "<html>",
        "<head>",
        '<meta http-equiv="Content-Type" content="text/html; charset=windows-1252">',
        '<meta name="viewport" content="width=device-width, initial-scale=1">',
        marker("TITRE"),
        "<title>Palimora</title>",
        "<style>",
        *THEMES[theme].strip().splitlines(),
        *KIND_CSS[kind].splitlines(),
        *PHONE.strip().splitlines(),
        "</style>",
        "</head>",
        marker("BODY"),
        "<body>",
        '<div class="page">',
        marker("TEMPLATEHAUT"),
        "",
        marker("FINTEMPLATEHAUT"),
    ]


def title_block():
    return ['<div class="head">', marker("TITREIMAGE"), *slots(5), marker("FINTITREIMAGE"), "</div>"]


def entry(n):
    """One entry slot of a summary or gallery table: picture cell, title cell."""
    return [
        marker(f"SOMMAIRE{n}"), "",
        marker(f"IMAGE{n}"), *slots(5), marker(f"FINIMAGE{n}"),
        marker(f"TITRE{n}"), *slots(7), marker(f"FINTITRE{n}"),
        "", marker(f"FINSOMMAIRE{n}"),
    ]


def tail():
    return [
        marker("TEMPLATEBAS"), "", marker("FINTEMPLATEBAS"),
        '<div class="foot">',
        marker("SIGNATURE"), "Palimora", marker("FINSIGNATURE"),
        "</div>",
        "</div>",
        "</body>",
        "</html>",
    ]


def summary(theme):
    lines = head(theme, "sommaires") + title_block()
    lines += [marker("TABLEAU"), *slots(2), "<TR>"]
    for n in range(1, SUMMARY_SLOTS + 1):
        lines += entry(n)
    lines += ["</TR>", "</TABLE>", marker("FINTABLEAU"), ""]
    return lines + tail()


def gallery(theme):
    lines = head(theme, "galeries") + title_block()
    lines += [marker("TABLEAU"), *slots(2), "<TR>"]
    for n in range(1, GALLERY_SLOTS + 1):
        lines += entry(n)
    # The row of links under the grid, opened by the writer's four lines.
    lines += [*slots(4), marker("TITRESOMMAIRE"), ""]
    for g in range(1, 11):
        lines += [marker(f"TITREGALERIE{g}"), ""]
    lines += ["</FONT></DIV></TD></TR>", "</TABLE>", marker("FINTABLEAU"), ""]
    return lines + tail()


def buttons(name):
    return ['<div class="nav">', marker(name), *slots(7), marker("FIN" + name), "</div>"]


def picture(theme):
    lines = head(theme, "images") + buttons("BOUTHAUT")
    lines += [marker("TABLEAU"), *slots(3), '<TR><TD class="head">']
    lines += [marker("TITREIMAGE"), *slots(5), marker("FINTITREIMAGE"), "</TD>"]
    lines += ["</TR><TR><TD>", marker("IMAGE"), *slots(3)]
    lines += [marker("COMMENTAIRE"), *slots(7), marker("FINCOMMENTAIRE"), "</TD></TR>", "</TABLE>"]
    lines += buttons("BOUTBAS")
    return lines + tail()


KINDS = {"sommaires": summary, "galeries": gallery, "images": picture}

if __name__ == "__main__":
    models = pathlib.Path(__file__).resolve().parent.parent / "assets" / "models"
    for folder, make in KINDS.items():
        (models / folder).mkdir(parents=True, exist_ok=True)
        for theme in THEMES:
            text = "\r\n".join(make(theme)) + "\r\n"
            (models / folder / f"{theme}.htm").write_bytes(text.encode("cp1252"))
