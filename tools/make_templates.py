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

# The looks: type, spacing and how a picture is framed. None of them sets a
# colour the settings give (page, table, text and border colours come from
# the BODY, TABLE and FONT attributes the writers write).
THEMES = {
    "clair": """
body { margin: 0; font-family: "Trebuchet MS", "DejaVu Sans", Verdana, sans-serif; line-height: 1.4; }
.page { max-width: 1100px; margin: 0 auto; padding: 20px 16px 32px; }
.head { padding: 8px 0 14px; border-bottom: 1px solid rgba(0,0,0,.12); margin-bottom: 18px; }
a { text-decoration: none; }
td img { border-radius: 4px; box-shadow: 0 2px 8px rgba(0,0,0,.18); }
a:hover img { box-shadow: 0 4px 14px rgba(0,0,0,.3); }
.nav a { display: inline-block; padding: 3px 12px; margin: 2px; border-radius: 14px; border: 1px solid rgba(0,0,0,.15); }
.foot { margin-top: 28px; font-size: 12px; opacity: .6; text-align: center; }
""",
    "moderne": """
body { margin: 0; font-family: "Helvetica Neue", "Liberation Sans", Arial, sans-serif; line-height: 1.45; }
.page { max-width: 1200px; margin: 0 auto; padding: 22px 18px 36px; }
.head { padding: 6px 0 18px; letter-spacing: .04em; }
a { text-decoration: none; }
td img { outline: 1px solid rgba(0,0,0,.12); outline-offset: 3px; }
a:hover img { outline: 2px solid rgba(0,0,0,.35); }
.nav { text-transform: uppercase; letter-spacing: .08em; }
.nav a { display: inline-block; padding: 3px 10px; }
.foot { margin-top: 30px; font-size: 12px; opacity: .5; text-align: center; }
""",
    "carnet": """
body { margin: 0; font-family: Georgia, "DejaVu Serif", "Times New Roman", serif; line-height: 1.5; }
.page { max-width: 980px; margin: 0 auto; padding: 24px 20px 40px; }
.head { padding: 6px 0 14px; margin-bottom: 18px; border-bottom: 3px double rgba(0,0,0,.25); font-style: italic; }
a { text-decoration: none; }
td img { padding: 4px; background: #fff; box-shadow: 1px 2px 6px rgba(0,0,0,.25); transform: rotate(-.6deg); }
a:hover img { transform: rotate(0deg); }
.nav { font-style: italic; }
.nav a { display: inline-block; padding: 2px 10px; }
.foot { margin-top: 30px; font-size: 12px; opacity: .6; text-align: center; }
""",
    # Each picture in a black mat, as on a gallery wall: photographs glow on
    # it, and most on a dark page colour.
    "ecrin": """
body { margin: 0; font-family: "Gill Sans", "Gillius ADF", "DejaVu Sans", sans-serif; line-height: 1.45; }
.page { max-width: 1240px; margin: 0 auto; padding: 22px 18px 36px; }
.head { padding: 4px 0 20px; text-transform: uppercase; letter-spacing: .18em; font-weight: 300; }
a { text-decoration: none; }
td img { box-shadow: 0 0 0 7px #0b0b0b, 0 8px 22px rgba(0,0,0,.55); }
a:hover img { box-shadow: 0 0 0 7px #0b0b0b, 0 0 0 9px rgba(255,255,255,.35), 0 8px 22px rgba(0,0,0,.55); }
.shot { padding: 12px 0; --around: 274px; }
.shot img { box-shadow: 0 0 0 12px #0b0b0b, 0 14px 40px rgba(0,0,0,.6); }
.nav { text-transform: uppercase; letter-spacing: .14em; font-size: 13px; }
.nav a { display: inline-block; padding: 4px 14px; border-bottom: 1px solid rgba(128,128,128,.5); }
.foot { margin-top: 30px; font-size: 11px; letter-spacing: .2em; text-transform: uppercase; opacity: .45; text-align: center; }
""",
}

# The most grid columns a table is given (at 8 x the cell width and more).
MOST_COLUMNS = 8


def between(first, last):
    """Selects the cells first..last (1-based) of a row, counting only cells
    with content (the padding cells the writers put in front of a last row
    are empty and hidden)."""
    of = "of td:not(:empty)"
    return f"td:nth-child(n+{first} {of}):nth-child(-n+{last} {of})"


# The page's side margins on a phone, around the table.
PHONE_GUTTER = 16
MODERN = "(container-type: inline-size) and selector(:has(a)) and selector(:nth-child(1 of a))"


def older_phone_css(cell):
    """An older engine (the program's preview among them) on a phone lays a
    table row out in the columns a newer one would: as many as the screen's
    width holds cells of `cell` pixels. Without :has() it tells a table whose
    cells alternate picture and title by the writer's class "paired"; a row's
    cells are counted from its first (the writers put no padding cells in
    today's pages). Placed by column only, each cell takes the first free grid
    line of its column, so a title falls under its picture; the row of links
    (one cell spanning the row) takes the whole width."""
    css = [f"@supports not ({MODERN}) {{"]
    columns = 1
    while columns * cell + PHONE_GUTTER <= 640:
        low = columns * cell + PHONE_GUTTER
        high = min(640, (columns + 1) * cell + PHONE_GUTTER - 1)
        query = f"(max-width: {high}px)" if columns == 1 else f"(min-width: {low}px) and (max-width: {high}px)"
        rules = [f"tr {{ grid-auto-flow: row dense; grid-template-rows: none; "
                 f"grid-template-columns: repeat({columns}, minmax(0, 1fr)); }}"]
        for column in range(1, columns + 1 if columns > 1 else 1):
            rules.append(f"td:nth-child({columns}n+{column}) {{ grid-column: {column}; }}")
            pair = f".paired td:nth-child({2 * columns}n+{2 * column - 1}), .paired td:nth-child({2 * columns}n+{2 * column})"
            rules.append(f"{pair} {{ grid-column: {column}; }}")
        rules.append("td[colspan], .paired td[colspan] { grid-column: 1 / -1; }")
        css += [f"@media {query} {{", *("  " + r for r in rules), "}"]
        columns += 1
    css.append("}")
    return css


def grid_css(cell, most_per_row):
    """The writers' table as a grid. Each table row becomes a grid whose
    entries stand in columns of at least `cell` pixels, as many as the table's
    width holds: a row of entries wraps onto as many grid lines as it needs,
    each picture on one line and its title on the next, in the same column.
    The rules count a row's cells: with pictures and titles both shown they
    alternate (picture, title), otherwise each cell is an entry; a table
    narrower than two cells stacks them in one column, in order. A browser
    without these selectors keeps each table row on one band. Rows are placed
    for table rows of up to `most_per_row` entries; the entries of a wider
    row beyond that take the grid's free cells."""
    css = [
        # Every engine: each table row is a band of columns, the title under
        # its picture (an older engine, the program's preview among them,
        # stops here and keeps a table row on one band).
        "table { display: block; width: 100%; }",
        "tbody { display: block; }",
        "tr { display: grid; grid-auto-flow: column; grid-template-rows: auto auto; justify-content: center; row-gap: 4px; }",
        'div[align="left" i] tr, div[style*="text-align:left"] tr { justify-content: start; }',
        'div[align="right" i] tr, div[style*="text-align:right"] tr { justify-content: end; }',
        "td { display: block; min-width: 0; align-self: start; }",
        "td:empty { display: none; }",
        "td img { max-width: 100%; height: auto; vertical-align: bottom; }",
        "a:empty { display: none; }",
        "td a + a { margin-left: 1em; }",
        # An older engine on a phone: a table row's columns share the screen's
        # width, each picture scaled to its column, rather than run past it.
        "@media (max-width: 640px) { tr { grid-auto-columns: minmax(0, 1fr); } }",
        *older_phone_css(cell),
        f"@supports {MODERN} {{",
        "table { container-type: inline-size; }",
        "tr { grid-auto-flow: row; grid-template-rows: none; grid-auto-columns: var(--col, 100%); }",
        "td:has(img) { align-self: end; }",
        # The gallery's row of links under the grid is one wide cell.
        "tr:not(:has(img)):has(> td:only-child) { display: block; margin-top: 14px; }",
        "tr:not(:has(img)):has(> td:only-child) a { display: inline-block; padding: 3px 10px; margin: 2px; }",
    ]
    both = "tr:has(> td img):has(> td :is(font, span)) "
    for columns in range(2, MOST_COLUMNS + 1):
        rules = [f"tr {{ --col: {100 / columns:.4f}%; }}"]
        bands = -(-most_per_row // columns)
        for band in range(1, bands + 1):
            first, last = (band - 1) * columns + 1, band * columns
            rules.append(f"{between(first, last)} {{ grid-row: {band}; }}")
            cells = between(2 * first - 1, 2 * last)
            rules.append(f"{both}{cells}:nth-child(odd of td:not(:empty)) {{ grid-row: {2 * band - 1}; }}")
            rules.append(f"{both}{cells}:nth-child(even of td:not(:empty)) {{ grid-row: {2 * band}; }}")
        css += [f"@container (min-width: {columns * cell}px) {{", *("  " + r for r in rules), "}"]
    css.append("}")
    return "\n".join(css)


# A picture page shows the whole picture and the buttons above and below it
# without scrolling: the picture is scaled down to the window, never up. A
# picture whose size the page gives (--w, --h) takes that place before it arrives.
PICTURE_CSS = """
table, tbody, tr, td { display: block; }
table { margin: 0 auto; }
.head { text-align: center; padding-bottom: 6px; }
.shot img { max-width: 100%; height: auto; vertical-align: bottom; box-sizing: border-box; }
.shot img[hspace], .shot img.photo { max-width: calc(100% - 24px); max-height: calc(100vh - var(--around, 250px)); width: auto; }
@supports (height: 100svh) { .shot img[hspace], .shot img.photo { max-height: calc(100svh - var(--around, 250px)); } }
.shot img[hspace][style], .shot img.photo[style*="--w"] { max-width: none; max-height: none; height: auto;
  width: min(calc(100% - 24px), calc(var(--w) * 1px), calc((100vh - var(--around, 250px)) * var(--w) / var(--h))); }
@supports (height: 100svh) { .shot img[hspace][style], .shot img.photo[style*="--w"] {
  width: min(calc(100% - 24px), calc(var(--w) * 1px), calc((100svh - var(--around, 250px)) * var(--w) / var(--h))); } }
/* A clip takes a picture's place, scaled the same way. */
.shot video.photo { max-width: calc(100% - 24px); height: auto; vertical-align: bottom; box-sizing: border-box;
  width: min(calc(100% - 24px), calc(var(--w) * 1px), calc((100vh - var(--around, 250px)) * var(--w) / var(--h))); }
.note { max-width: 46em; margin: 4px auto 0; }
.nav { margin: 6px 0; }
.nav:empty { display: none; }
@media (max-width: 640px) {
  .page { padding: 8px 8px 20px; }
  .head { padding: 2px 0 4px; margin-bottom: 4px; }
  .nav { letter-spacing: normal; }
  .nav a { padding: 3px 8px; margin: 1px; }
}
"""

# Summary entries are the galleries' larger pictures; gallery cells hold thumbnails.
KIND_CSS = {
    "sommaires": grid_css(240, 11),
    "galeries": grid_css(180, 20),
    "images": PICTURE_CSS.strip(),
}

PHONE = """
@media (max-width: 640px) {
  .page { padding: 12px 8px 24px; }
}
"""

# A page is shown once it has been read to its end: laid out while it is
# still arriving, a cell or a row of links not yet filled is empty and
# hidden, and what follows would move when it fills.
WHOLE_PAGE = "body:not(:has(#end)) .page { visibility: hidden; }"


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
        WHOLE_PAGE,
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
        '<i id="end" hidden></i>',
        "</body>",
        "</html>",
    ]


def summary(theme):
    lines = head(theme, "sommaires") + title_block()
    lines += [marker("TABLEAU"), *slots(2), "<tr>"]
    for n in range(1, SUMMARY_SLOTS + 1):
        lines += entry(n)
    lines += ["</tr>", "</table>", marker("FINTABLEAU"), ""]
    return lines + tail()


def gallery(theme):
    lines = head(theme, "galeries") + title_block()
    lines += [marker("TABLEAU"), *slots(2), "<tr>"]
    for n in range(1, GALLERY_SLOTS + 1):
        lines += entry(n)
    # The row of links under the grid, opened by the writer's four lines.
    lines += [*slots(4), marker("TITRESOMMAIRE"), ""]
    for g in range(1, 11):
        lines += [marker(f"TITREGALERIE{g}"), ""]
    lines += ["</font></div></td></tr>", "</table>", marker("FINTABLEAU"), ""]
    return lines + tail()


def buttons(name):
    return ['<div class="nav">', marker(name), *slots(7), marker("FIN" + name), "</div>"]


def picture(theme):
    lines = head(theme, "images") + buttons("BOUTHAUT")
    lines += [marker("TABLEAU"), *slots(3), '<tr><td class="head">']
    lines += [marker("TITREIMAGE"), *slots(5), marker("FINTITREIMAGE"), "</td>"]
    lines += ["</tr><tr><td>", '<div class="shot">', marker("IMAGE"), *slots(3), "</div>"]
    lines += ['<div class="note">', marker("COMMENTAIRE"), *slots(7), marker("FINCOMMENTAIRE"), "</div>", "</td></tr>", "</table>"]
    lines += buttons("BOUTBAS")
    return lines + tail()


KINDS = {"sommaires": summary, "galeries": gallery, "images": picture}

def outputs(models):
    return {models / folder / f"{theme}.htm": ("\r\n".join(make(theme)) + "\r\n").encode("cp1252")
            for folder, make in KINDS.items() for theme in THEMES}


if __name__ == "__main__":
    from generated import write_or_check
    write_or_check(outputs(pathlib.Path(__file__).resolve().parent.parent / "assets" / "models"), "make_templates.py")
