#!/usr/bin/env python3
"""Writes the help pages of assets/aide in both languages (Windows-1252)."""
import pathlib

STYLE = """body{font-family:Arial,Helvetica,sans-serif;background:#FDEBD3;color:#2B2352;margin:0;padding:16px;line-height:1.4;font-size:14px}
h1{color:#4A3EA0;font-size:22px;margin:0 0 8px} h2{color:#4A3EA0;font-size:17px;margin:16px 0 6px}
.card{background:#fff;border:1px solid #E0A060;border-radius:10px;padding:12px 16px;margin-bottom:12px}
li{margin:3px 0} a{color:#4A3EA0}"""

PAGES = {
    "fr": {
        "infos.htm": ("Bienvenue dans Palimora", """
<div class="card"><p>Palimora construit votre site photo sans que vous écriviez une ligne de HTML.</p>
<ol><li><b>Étape 1</b> : ajoutez vos images, donnez à chacune un titre et un commentaire, rangez-les dans l'ordre voulu.</li>
<li>Enregistrez votre projet sous un nom.</li>
<li><b>Étape 2</b> : choisissez l'allure des pages sommaire, galeries et images ; l'aperçu se met à jour à chaque réglage.</li>
<li><b>Voir le résultat</b> construit le site et l'ouvre dans votre navigateur.</li>
<li><b>Publier sur le web</b> envoie le site sur votre hébergement par FTP.</li></ol></div>
<p>Touche F1 ou bouton <b>?</b> : l'aide de l'écran affiché. Échap : quitter.</p>"""),
        "sommairewebs.htm": ("Étape 1 : les images du projet", """
<div class="card"><h2>Ajouter des images</h2><p>Le bouton <b>+</b> ajoute une image JPEG, GIF ou BMP. Elle est copiée dans le projet :
l'original n'est jamais modifié. Les BMP et les GIF peuvent être convertis en JPEG, mieux affichés par les navigateurs.</p></div>
<div class="card"><h2>Titres et commentaires</h2><p>Cliquez une image dans la liste, puis l'onglet <b>Textes</b> : tapez le titre et le commentaire, puis <b>OK</b>.</p></div>
<div class="card"><h2>Ordre et suppression</h2><p>Les flèches montent ou descendent l'image choisie. Cochez des images puis cliquez la croix pour les retirer du projet.</p></div>
<div class="card"><h2>Enregistrer</h2><p>Le bouton disquette enregistre le projet sous un nom ; sans cela vos images ne sont pas gardées à la fermeture.</p></div>"""),
    },
    "en": {
        "infos.htm": ("Welcome to Palimora", """
<div class="card"><p>Palimora builds your photo web site without you writing a single line of HTML.</p>
<ol><li><b>Step 1</b>: add your pictures, give each a title and a comment, and put them in the order you want.</li>
<li>Save your project under a name.</li>
<li><b>Step 2</b>: choose how the contents, gallery and picture pages look; the preview follows every change.</li>
<li><b>See the result</b> builds the site and opens it in your web browser.</li>
<li><b>Publish on the web</b> sends the site to your web host by FTP.</li></ol></div>
<p>F1 key or the <b>?</b> button: help for the screen shown. Escape: quit.</p>"""),
        "sommairewebs.htm": ("Step 1: the project's pictures", """
<div class="card"><h2>Adding pictures</h2><p>The <b>+</b> button adds a JPEG, GIF or BMP picture. It is copied into the project:
the original is never changed. BMP and GIF pictures can be converted to JPEG, which browsers show better.</p></div>
<div class="card"><h2>Titles and comments</h2><p>Click a picture in the list, then the <b>Texts</b> tab: type the title and the comment, then <b>OK</b>.</p></div>
<div class="card"><h2>Order and deletion</h2><p>The arrows move the chosen picture up or down. Tick pictures and click the cross to take them out of the project.</p></div>
<div class="card"><h2>Saving</h2><p>The disk button saves the project under a name; without it your pictures are not kept when the program closes.</p></div>"""),
    },
}

FOLDERS = {"fr": "aide/aide_france/aideweb", "en": "aide/aide_us/aideweb_us"}


def page(lang, title, body):
    return (f'<!DOCTYPE html>\n<html lang="{lang}">\n<head>\n<meta charset="windows-1252">\n'
            f'<meta name="viewport" content="width=device-width, initial-scale=1">\n<title>{title}</title>\n'
            f'<style>{STYLE}</style>\n</head>\n<body>\n<h1>{title}</h1>{body}\n</body>\n</html>\n')


if __name__ == "__main__":
    assets = pathlib.Path(__file__).resolve().parent.parent / "assets"
    for lang, pages in PAGES.items():
        folder = assets / FOLDERS[lang]
        folder.mkdir(parents=True, exist_ok=True)
        for name, (title, body) in pages.items():
            (folder / name).write_bytes(page(lang, title, body).replace("\n", "\r\n").encode("cp1252"))
