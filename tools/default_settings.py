#!/usr/bin/env python3
"""Writes assets/runweb.in_, the settings a new project starts from.

List lines (fonts, styles, positions, corners) stay empty so that they pick
their first item in either language; the templates give the pages their
fonts. Colours are red + 256 x green + 65536 x blue."""
import pathlib


def rgb(hex_colour):
    r, g, b = (int(hex_colour[i:i + 2], 16) for i in (1, 3, 5))
    return str(r + 256 * g + 65536 * b)


PAPER, WHITE = rgb("#FAF6EE"), rgb("#FFFFFF")
INK, MUTED, ACCENT, RULE = rgb("#2B2D42"), rgb("#4A4E69"), rgb("#3D5A80"), rgb("#D8D2C4")

LINES = {
    0: PAPER, 2: "6", 4: "1", 7: INK, 9: "5", 10: "clair.htm",
    12: WHITE, 13: "0", 14: "0", 15: "10", 16: "1", 20: "3", 21: MUTED,
    22: "0", 23: "1", 27: "3", 28: ACCENT, 29: "1",
    34: WHITE, 35: RULE, 36: "0", 37: "8", 38: "0",
    41: "1", 42: "1", 43: "1", 44: "clair.htm", 45: "clair.htm",
    46: "1", 49: INK, 52: "1", 55: INK, 57: "5",
    69: WHITE, 70: RULE, 71: "0", 72: "10", 73: "0",
    76: "1", 79: ACCENT, 81: "4", 82: "1", 83: "200", 84: "150", 86: RULE, 87: "1",
    88: "0", 92: "3",
    94: WHITE, 95: RULE, 96: "0", 97: "8", 98: "0",
    101: "4", 102: "160", 103: "120", 105: RULE, 106: "1", 107: "1", 110: MUTED, 112: "2",
    134: PAPER, 135: PAPER, 138: "1",
    145: "1200", 146: "900", 147: "1", 148: "0", 151: "10",
}

if __name__ == "__main__":
    lines = [LINES.get(n, "") for n in range(152)]
    target = pathlib.Path(__file__).resolve().parent.parent / "assets" / "runweb.in_"
    target.write_bytes(("\r\n".join(lines) + "\r\n").encode("cp1252"))
