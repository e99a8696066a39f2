#!/usr/bin/env python3
"""Writes the demo project assets/Projets/Demo: its texts (images.dat) and
settings (runweb.ini, Demo.ini). Its pictures are drawn by
`palimora_assetgen --demo` (tools/make_pictures.sh)."""
import pathlib
import struct

from setting_lines import LINE, LINE_COUNT, gallery_line

ROOT = pathlib.Path(__file__).resolve().parent.parent
DEMO = ROOT / "assets" / "Projets" / "Demo"

# The demo's words in each language of the program: the shipped project
# speaks French; demo/<language>.dat and .ini hold its texts and settings in
# every language, for the program to give the demo the user's language.
WORDS = {
    "french": {
        "title": "Carnet de voyage",
        "galleries": ["La mer", "La montagne", "La ville"],
        "pictures": [
            ("Matin sur la baie", ["Le premier bateau sort", "quand le soleil se lève."]),
            ("Voile au large", ["Un vent régulier,", "la mer d'huile."]),
            ("Reflets d'argent", ["Le soir, la baie", "devient un miroir."]),
            ("Les trois sommets", ["Vus depuis le refuge,", "à 2 100 mètres."]),
            ("Crépuscule alpin", ["La dernière lumière", "sur les crêtes."]),
            ("Névé de printemps", ["Il reste un peu de neige", "sur le versant nord."]),
            ("La ville s'allume", ["Les fenêtres une à une."]),
            ("Quartier des docks", ["Anciens entrepôts,", "nouveaux ateliers."]),
            ("Nuit d'hiver", ["Froid sec et ciel clair."]),
        ],
    },
    "english": {
        "title": "Travel journal",
        "galleries": ["The sea", "The mountains", "The city"],
        "pictures": [
            ("Morning on the bay", ["The first boat heads out", "as the sun comes up."]),
            ("Sailing offshore", ["A steady wind,", "a sea like glass."]),
            ("Silver reflections", ["At dusk the bay", "becomes a mirror."]),
            ("The three peaks", ["Seen from the hut,", "at 2,100 metres."]),
            ("Alpine twilight", ["The last light", "on the ridges."]),
            ("Spring snowfield", ["A little snow lingers", "on the north face."]),
            ("The city lights up", ["One window after another."]),
            ("The docks", ["Old warehouses,", "new workshops."]),
            ("Winter night", ["Dry cold and a clear sky."]),
        ],
    },
    "german": {
        "title": "Reisetagebuch",
        "galleries": ["Das Meer", "Die Berge", "Die Stadt"],
        "pictures": [
            ("Morgen in der Bucht", ["Das erste Boot läuft aus,", "wenn die Sonne aufgeht."]),
            ("Segel auf hoher See", ["Ein gleichmäßiger Wind,", "die See spiegelglatt."]),
            ("Silbernes Licht", ["Am Abend wird die Bucht", "zum Spiegel."]),
            ("Die drei Gipfel", ["Von der Hütte aus gesehen,", "auf 2100 Metern."]),
            ("Abend am Berg", ["Das letzte Licht", "auf den Graten."]),
            ("Firnfeld im Frühling", ["Ein wenig Schnee liegt noch", "am Nordhang."]),
            ("Lichter der Stadt", ["Ein Fenster nach dem anderen."]),
            ("Im Hafenviertel", ["Alte Lagerhäuser,", "neue Werkstätten."]),
            ("Winternacht", ["Trockene Kälte, klarer Himmel."]),
        ],
    },
    "spanish": {
        "title": "Cuaderno de viaje",
        "galleries": ["El mar", "La montaña", "La ciudad"],
        "pictures": [
            ("Mañana en la bahía", ["El primer barco sale", "cuando sale el sol."]),
            ("Vela mar adentro", ["Un viento constante,", "el mar en calma."]),
            ("Reflejos de plata", ["Al atardecer la bahía", "se vuelve un espejo."]),
            ("Las tres cumbres", ["Vistas desde el refugio,", "a 2100 metros."]),
            ("Crepúsculo alpino", ["La última luz", "sobre las crestas."]),
            ("Nevero de primavera", ["Aún queda algo de nieve", "en la ladera norte."]),
            ("La ciudad se enciende", ["Las ventanas, una a una."]),
            ("Barrio del puerto", ["Antiguos almacenes,", "nuevos talleres."]),
            ("Noche de invierno", ["Frío seco y cielo despejado."]),
        ],
    },
}
SHIPPED = "french"
PICTURES = WORDS[SHIPPED]["pictures"]
GALLERY_PICTURES = [(1, 3), (4, 6), (7, 9)]
GALLERIES = [(name, first, last) for name, (first, last) in zip(WORDS[SHIPPED]["galleries"], GALLERY_PICTURES)]


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


def texts_file(words):
    data = bytes(456)
    for n, (title, comment) in enumerate(words["pictures"], start=1):
        data += record(n, title, comma_list(comment))
    return data


def settings_file(words):
    lines = (ROOT / "assets" / "runweb.in_").read_bytes().decode("cp1252").split("\r\n")[:LINE_COUNT]
    lines[LINE["SummaryTitle"]] = words["title"]
    for k, (name, (first, last)) in enumerate(zip(words["galleries"], GALLERY_PICTURES), start=1):
        lines[gallery_line("GalleryName1", k)] = name
        lines[gallery_line("GalleryFirstPicture1", k)] = f"{first:06d}.jpg"
        lines[gallery_line("GalleryLastPicture1", k)] = f"{last:06d}.jpg"
    lines[LINE["HomeLinkShown"]] = "0"
    lines[LINE["TodaysBrowsers"]] = "1"  # the first site a user builds is the modern one
    lines[LINE["SummaryTableEntriesPerRow"]] = "3"
    lines[LINE["GalleryTablePicturesPerRow"]] = "3"
    lines[LINE["GalleryThumbnailWidth"]], lines[LINE["GalleryThumbnailHeight"]] = "240", "160"
    lines[LINE["SummaryGalleryPictureWidth"]], lines[LINE["SummaryGalleryPictureHeight"]] = "260", "174"
    lines[LINE["LargestPictureWidth"]], lines[LINE["LargestPictureHeight"]] = "1200", "800"
    lines[LINE["SummaryTitleColour"]] = rgb("#1D3557")
    lines[LINE["SummaryGalleryTitleColour"]] = rgb("#1D3557")
    return ("\r\n".join(lines) + "\r\n").encode("cp1252")


if __name__ == "__main__":
    (DEMO / "textes").mkdir(parents=True, exist_ok=True)
    (DEMO / "textes" / "images.dat").write_bytes(texts_file(WORDS[SHIPPED]))
    for name in ("runweb.ini", "Demo.ini"):
        (DEMO / name).write_bytes(settings_file(WORDS[SHIPPED]))
    LANGUAGES = ROOT / "assets" / "demo"
    LANGUAGES.mkdir(exist_ok=True)
    for language, words in WORDS.items():
        (LANGUAGES / f"{language}.dat").write_bytes(texts_file(words))
        (LANGUAGES / f"{language}.ini").write_bytes(settings_file(words))
