#!/usr/bin/env python3
"""Writes the demo project assets/Projets/Demo: its texts (images.dat) and
settings (runweb.ini, Demo.ini). Its pictures are drawn by
`palimora_assetgen --demo` (tools/make_pictures.sh)."""
import pathlib
import struct

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

    lines = (ROOT / "assets" / "runweb.in_").read_bytes().decode("cp1252").split("\r\n")[:152]
    lines[1] = "Carnet de voyage"
    for k, (name, first, last) in enumerate(GALLERIES):
        lines[58 + k] = name
        lines[114 + k] = f"{first:06d}.jpg"
        lines[124 + k] = f"{last:06d}.jpg"
    lines[88] = "0"
    lines[92] = "3"
    lines[101] = "3"
    lines[102], lines[103] = "240", "160"
    lines[83], lines[84] = "260", "174"
    lines[145], lines[146] = "1200", "800"
    lines[49] = rgb("#1D3557")
    lines[79] = rgb("#1D3557")
    text = "\r\n".join(lines) + "\r\n"
    for name in ("runweb.ini", "Demo.ini"):
        (DEMO / name).write_bytes(text.encode("cp1252"))
