#!/usr/bin/env python3
"""Writes the demo project assets/Projets/Demo: its texts (images.dat) and
settings (runweb.ini, Demo.ini). Its pictures are drawn by
`palimora_assetgen --demo` (tools/make_pictures.sh)."""
import pathlib
import struct

from setting_lines import LINE, LINE_COUNT, gallery_line

ROOT = pathlib.Path(__file__).resolve().parent.parent
DEMO = ROOT / "assets" / "Projets" / "Demo"

PICTURES = [
    ("Matin sur la baie", ["Le premier bateau sort", "quand le soleil se lève."]),
    ("Voile au large", ["Un vent régulier,", "la mer d'huile."]),
    ("Reflets d'argent", ["Le soir, la baie", "devient un miroir."]),
    ("Les trois sommets", ["Vus depuis le refuge,", "à 2 100 mètres."]),
    ("Crépuscule alpin", ["La dernière lumière", "sur les crêtes."]),
    ("Névé de printemps", ["Il reste un peu de neige", "sur le versant nord."]),
    ("La ville s'allume", ["Les fenêtres une à une."]),
    ("Quartier des docks", ["Anciens entrepôts,", "nouveaux ateliers."]),
    ("Nuit d'hiver", ["Froid sec et ciel clair."]),
]
GALLERIES = [("La mer", 1, 3), ("La montagne", 4, 6), ("La ville", 7, 9)]


def comma_list(lines):
    def item(line):
        if any(ord(c) <= 32 or c in '",' for c in line):
            return '"' + line.replace('"', '""') + '"'
        return line
    return ",".join(item(line) for line in lines)


def record(number, title, comment):
    title_bytes = title.encode("cp1252")[:200]
    comment_bytes = comment.encode("cp1252")[:249]
    data = struct.pack("<i", number)
    data += bytes([len(title_bytes)]) + title_bytes.ljust(200, b"\0")
    data += bytes([len(comment_bytes)]) + comment_bytes.ljust(249, b"\0")
    return data + b"\0"


def rgb(hex_colour):
    r, g, b = (int(hex_colour[i:i + 2], 16) for i in (1, 3, 5))
    return str(r + 256 * g + 65536 * b)


if __name__ == "__main__":
    (DEMO / "textes").mkdir(parents=True, exist_ok=True)
    data = bytes(456)
    for n, (title, comment) in enumerate(PICTURES, start=1):
        data += record(n, title, comma_list(comment))
    (DEMO / "textes" / "images.dat").write_bytes(data)

    lines = (ROOT / "assets" / "runweb.in_").read_bytes().decode("cp1252").split("\r\n")[:LINE_COUNT]
    lines[LINE["SummaryTitle"]] = "Carnet de voyage"
    for k, (name, first, last) in enumerate(GALLERIES, start=1):
        lines[gallery_line("GalleryName1", k)] = name
        lines[gallery_line("GalleryFirstPicture1", k)] = f"{first:06d}.jpg"
        lines[gallery_line("GalleryLastPicture1", k)] = f"{last:06d}.jpg"
    lines[LINE["HomeLinkShown"]] = "0"
    lines[LINE["SummaryTableEntriesPerRow"]] = "3"
    lines[LINE["GalleryTablePicturesPerRow"]] = "3"
    lines[LINE["GalleryThumbnailWidth"]], lines[LINE["GalleryThumbnailHeight"]] = "240", "160"
    lines[LINE["SummaryGalleryPictureWidth"]], lines[LINE["SummaryGalleryPictureHeight"]] = "260", "174"
    lines[LINE["LargestPictureWidth"]], lines[LINE["LargestPictureHeight"]] = "1200", "800"
    lines[LINE["SummaryTitleColour"]] = rgb("#1D3557")
    lines[LINE["SummaryGalleryTitleColour"]] = rgb("#1D3557")
    text = "\r\n".join(lines) + "\r\n"
    for name in ("runweb.ini", "Demo.ini"):
        (DEMO / name).write_bytes(text.encode("cp1252"))
