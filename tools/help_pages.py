#!/usr/bin/env python3
"""Writes the help pages of assets/aide in every language (Windows-1252).

In a page's text, {Name} stands for the program's caption named Name in
tools/language_texts.py, shown in bold without its closing colon, so the help
uses the very words of the windows it explains. With --check the script writes
nothing and fails when a page on disk differs from what it would write or
links to a page that does not exist."""
import html
import pathlib
import re
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent))
import help_german  # noqa: E402
import help_spanish  # noqa: E402
from language_texts import LANGUAGES, NAMES  # noqa: E402

STYLE = """body{font-family:Arial,Helvetica,sans-serif;background:#FDEBD3;color:#2B2352;margin:0;padding:16px;line-height:1.4;font-size:14px}
h1{color:#4A3EA0;font-size:22px;margin:0 0 8px} h2{color:#4A3EA0;font-size:17px;margin:16px 0 6px}
.card{background:#fff;border:1px solid #E0A060;border-radius:10px;padding:12px 16px;margin-bottom:12px}
li{margin:3px 0} a{color:#4A3EA0}"""

# The language tables by the help's language tags.
TABLES = {"fr": "french", "en": "english", "de": "german", "es": "spanish"}


class Captions(dict):
    """{Name} in a page's text: the caption Name of the language, in bold."""

    def __init__(self, lang):
        super().__init__()
        self.texts = LANGUAGES[TABLES[lang]]

    def __missing__(self, name):
        if name not in NAMES.values():
            raise KeyError(f"no language text is named {name}")
        text = self.texts[name]
        return "<b>" + html.escape(re.sub(r"\s*:\s*$", "", text), quote=False) + "</b>"

PAGES = {
    "fr": {
        "infos.htm": ("Bienvenue dans Palimora", """
<div class="card"><p>Palimora construit votre site photo sans que vous écriviez une ligne de HTML.</p>
<ol><li><b>Étape 1</b> : ajoutez vos images, donnez à chacune un titre et un commentaire, rangez-les dans l'ordre voulu.</li>
<li>Enregistrez votre projet sous un nom.</li>
<li><b>Étape 2</b> : choisissez l'allure des pages sommaire, galeries et images ; l'aperçu se met à jour à chaque réglage.</li>
<li><b>Voir le résultat</b> construit le site et l'ouvre dans votre navigateur.</li>
<li><b>Publier sur le web</b> envoie le site sur votre hébergement par FTP.</li></ol></div>
<p>Touche F1 ou bouton <b>?</b> : l'aide de l'écran affiché. Échap : quitter.</p>
<p>Raccourcis : Ctrl+N nouveau, Ctrl+O ouvrir, Ctrl+S enregistrer, Ctrl+1 et Ctrl+2 les étapes, Ctrl+3 à Ctrl+5 les pages sommaire, galerie et image, F5 l'aperçu, Ctrl+I ajouter, Alt+Up et Alt+Down déplacer, Suppr retirer les images cochées, Ctrl+R voir le résultat, Ctrl+P publier, Ctrl+Maj+P publier ailleurs, Ctrl+Q quitter. Tab passe d'un contrôle à l'autre, Espace appuie sur le bouton choisi.</p>"""),
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
<p>F1 key or the <b>?</b> button: help for the screen shown. Escape: quit.</p>
<p>Keys: Ctrl+N new, Ctrl+O open, Ctrl+S save, Ctrl+1 and Ctrl+2 the steps, Ctrl+3 to Ctrl+5 the contents, gallery and picture pages, F5 the preview again, Ctrl+I add, Alt+Up and Alt+Down move, Del remove the ticked pictures, Ctrl+R see the result, Ctrl+P publish, Ctrl+Shift+P publish elsewhere, Ctrl+Q quit. Tab goes from control to control, Space presses the button chosen.</p>"""),
        "sommairewebs.htm": ("Step 1: the project's pictures", """
<div class="card"><h2>Adding pictures</h2><p>The <b>+</b> button adds a JPEG, GIF or BMP picture. It is copied into the project:
the original is never changed. BMP and GIF pictures can be converted to JPEG, which browsers show better.</p></div>
<div class="card"><h2>Titles and comments</h2><p>Click a picture in the list, then the <b>Texts</b> tab: type the title and the comment, then <b>OK</b>.</p></div>
<div class="card"><h2>Order and deletion</h2><p>The arrows move the chosen picture up or down. Tick pictures and click the cross to take them out of the project.</p></div>
<div class="card"><h2>Saving</h2><p>The disk button saves the project under a name; without it your pictures are not kept when the program closes.</p></div>"""),
    },
}

COMMON = {
    "fr": """
<div class="card"><h2>Les réglages qui reviennent</h2><ul>
<li><b>Carrés de couleur</b> : cliquez un carré pour choisir sa couleur.</li>
<li>{PositionLabel} : {PositionCentred}, {PositionLeft} ou {PositionRight}.</li>
<li>{FontLabel} : {BrowserFont} laisse le navigateur du visiteur choisir. Les autres polices sont celles de votre ordinateur :
un visiteur qui ne possède pas la police choisie voit le texte en Arial ou Helvetica.</li>
<li>Style : {StylePlain}, {StyleBold}, {StyleItalic} ou {StyleUnderlined}.</li>
<li>Taille du texte : de 1 (très petit) à 7 (très grand) ; 3 est la taille habituelle.</li>
<li>{BorderLabel} : l'épaisseur du cadre en pixels ; 0 : pas de cadre.</li>
<li>{PatternLabel} : une image de fond, que le navigateur répète sur toute la surface. Le petit bouton à droite du champ
ouvre le choix d'un fichier ; l'image est copiée avec le site. Vous pouvez aussi taper l'adresse d'une image du web (commençant par http ou www).</li>
</ul></div>""",
    "en": """
<div class="card"><h2>Settings that come back</h2><ul>
<li><b>Colour squares</b>: click a square to choose its colour.</li>
<li>{PositionLabel}: {PositionCentred}, {PositionLeft} or {PositionRight}.</li>
<li>{FontLabel}: {BrowserFont} lets the visitor's browser choose. The other fonts are those of your computer:
a visitor who does not have the chosen font sees the text in Arial or Helvetica.</li>
<li>Style: {StylePlain}, {StyleBold}, {StyleItalic} or {StyleUnderlined}.</li>
<li>Text size: from 1 (very small) to 7 (very large); 3 is the usual size.</li>
<li>{BorderLabel}: the thickness of the frame in pixels; 0: no frame.</li>
<li>{PatternLabel}: a background picture, which the browser repeats over the whole area. The small button at the right of the field
lets you choose a file; the picture is copied with the site. You can also type the address of a picture on the web (beginning with http or www).</li>
</ul></div>""",
}

PREVIEW = {
    "fr": """<p>Passez d'une sorte de page à l'autre avec les boutons {SummaryDesignHint}, {GalleryDesignHint} et {PictureDesignHint}.
À droite, l'aperçu montre une page d'exemple avec vos propres images. Chaque changement s'y voit dès que vous marquez une pause ;
la loupe ({RefreshPreviewHint}) la refait tout de suite. Un clic droit sur l'aperçu, ou le bouton à côté, la montre comme un téléphone.
Chaque réglage compte dès que vous le changez : enregistrez le projet pour le garder,
puis cliquez {SeeResult} pour construire le site.</p>""",
    "en": """<p>Go from one kind of page to another with the buttons {SummaryDesignHint}, {GalleryDesignHint} and {PictureDesignHint}.
On the right, the preview shows a sample page with your own pictures. Every change shows there as soon as you pause;
the magnifier ({RefreshPreviewHint}) rebuilds it at once. A right-click on the preview, or the switch beside it, shows it as a phone does.
Every setting counts as soon as you change it: save the project to keep it,
then click {SeeResult} to build the site.</p>""",
}

INSERT_HTML = {
    "fr": """<p>Sous {InsertHtmlLabel}, le contenu d'un fichier HTML à vous (un bandeau, une adresse, un lien...) est inséré tel quel
à l'endroit que le modèle prévoit, en haut ({TopHtmlLabel}) ou en bas ({BottomHtmlLabel}) de la page.
Choisissez le fichier avec le petit bouton à droite du champ. {HtmlPathNote} Laissez le champ vide pour ne rien insérer.
Si le fichier n'existe plus, Palimora le signale et construit la page sans lui.</p>""",
    "en": """<p>Under {InsertHtmlLabel}, the content of an HTML file of your own (a banner, an address, a link...) is inserted as it is
where the template provides for it, at the top ({TopHtmlLabel}) or at the bottom ({BottomHtmlLabel}) of the page.
Choose the file with the small button at the right of the field. {HtmlPathNote} Leave the field empty to insert nothing.
If the file no longer exists, Palimora says so and builds the page without it.</p>""",
}

TABLE = {
    "fr": """<li>{BorderLabel} et sa couleur : le cadre du tableau.</li>
<li>{PositionLabel} : la place du tableau dans la page.</li>
<li>Le fond du tableau : une couleur, ou une image de {PatternLabel} répétée.</li>
<li>{MarginLabel} : l'espace entre les cases du tableau, en pixels.</li>
<li>{CellPaddingLabel} : l'espace entre le bord d'une case et ce qu'elle contient, en pixels.</li>""",
    "en": """<li>{BorderLabel} and its colour: the frame of the table.</li>
<li>{PositionLabel}: where the table stands on the page.</li>
<li>The table's background: a colour, or a repeated {PatternLabel} picture.</li>
<li>{MarginLabel}: the space between the cells of the table, in pixels.</li>
<li>{CellPaddingLabel}: the space between the edge of a cell and what it holds, in pixels.</li>""",
}

NEW_PAGES = {
    "fr": {
        "etape2.htm": ("Étape 2 : dessin de la page sommaire", """
<div class="card"><p>La page sommaire est la page d'accueil de votre site (index.html) : elle présente vos galeries,
chacune par une image et par son nom, qui mènent à la page de la galerie. Ses réglages sont rangés dans quatre onglets.</p>
{PREVIEW}</div>
<div class="card"><h2>Onglet {SummaryPageTab}</h2><ul>
<li>{MakeSummaryCaption} : sans cette case, le site n'a pas de page sommaire et s'ouvre sur la première galerie
(ou sur la page de la première image s'il n'y a pas de galeries).</li>
<li>{TemplateLabel} : la mise en page générale de la page, choisie parmi les modèles fournis.</li>
<li>{BackgroundColourLabel} et {PatternLabel} : le fond de la page.</li>
<li>{MakeThumbnailsCaption} : Palimora fait des copies réduites de vos images JPEG pour la page sommaire et les pages galeries,
aux tailles choisies dans les onglets {MoreTab}. Les pages s'affichent alors bien plus vite. Sans cette case,
ces pages montrent les images entières, à leur taille réelle (c'est toujours le cas des images qui ne sont pas en JPEG).</li>
<li>{SummaryTitleCaption} : le titre en haut de la page. {TitleLabel} : son texte ; laissé vide, c'est le nom du projet.
Ce titre figure aussi dans le nom de chaque page du site, dans la barre ou l'onglet du navigateur.
Viennent ensuite sa position, sa police, son style, sa taille et sa couleur.</li>
</ul></div>
<div class="card"><h2>Onglet {MoreTab}</h2>
<p>{TableLabel} : les galeries sont rangées dans un tableau.</p><ul>
<li>{ItemsPerRowLabel} : de 1 à 11 cases par ligne (les galeries, et le lien d'accueil s'il est affiché).</li>
{TABLE}</ul>
<p>{GalleryPicturesCaption} : chaque galerie est montrée par sa première image ; un clic dessus ouvre la galerie.</p><ul>
<li>{MaxSizeLabel} : largeur {ByLabel} hauteur, en pixels. Quand les imagettes sont créées (onglet {SummaryPageTab}),
chaque image est réduite pour tenir dans cette taille, sans être déformée ni agrandie.</li>
<li>Sa position, l'épaisseur et la couleur de sa bordure.</li></ul>
<p>{GalleryTitlesCaption} : le nom de chaque galerie, qui mène lui aussi à la galerie ; sa position, sa police, son style,
sa taille et sa couleur (la couleur des liens de la page).</p></div>
<div class="card"><h2>Onglet {ButtonsTab} : vos galeries</h2>
<p>Cet onglet forme jusqu'à dix galeries, une ligne chacune ({Gallery1} à {Gallery10}) :</p><ul>
<li>{NamesLabel} : le nom de la galerie. Une galerie sans nom n'existe pas.</li>
<li>{FirstPictureLabel} et {LastPictureLabel} : la galerie réunit les images de la première à la dernière,
dans l'ordre de la liste de l'étape 1. Les images y portent leur numéro dans cette liste (000001.jpg pour la première).
Si la dernière vient avant la première, la galerie est vide.</li></ul>
<p>Une image peut faire partie de plusieurs galeries. Un nouveau projet a une seule galerie, {Gallery1}, de la première à la dernière image.
Remplissez les galeries dans l'ordre, sans laisser de ligne vide entre deux galeries.</p></div>
<div class="card"><h2>Onglet {ExtrasTab}</h2>
<p>{HomeLinkCaption} : ajoute au tableau une case qui mène à l'adresse de votre choix, par exemple votre page personnelle.</p><ul>
<li>{HomeTitleLabel} : le texte de ce lien ({Home} si vous le laissez vide).</li>
<li>{HomeLinkLabel} : l'adresse complète, utilisée telle que vous la tapez (par exemple http://www.exemple.fr).</li>
<li>{HomePictureLabel} : l'image de cette case, montrée quand les galeries ont une image ; un fichier ou une adresse du web.</li></ul>
{INSERT_HTML}
<p>{TodaysBrowsersCaption} : chaque page dit sa langue et décrit le site, chaque image porte son titre comme texte de remplacement, et chaque page d'image porte le titre de son image. Les images ont leur taille, les grandes galeries continuent sur d'autres pages, et les flèches du clavier, un glissement du doigt ou la touche F font parcourir les images. Décochée, les pages restent exactement celles des versions précédentes.</p>
<p>{SiteLanguageLabel} les mots fixes des pages (« Précédente », « Sommaire », les titres des pages) sont dans cette langue, quelle que soit celle du programme.</p></div>
{COMMON}
"""),
        "etape2b.htm": ("Étape 2 : dessin des pages galeries", """
<div class="card"><p>Chaque galerie a sa page : ses images y sont montrées en petit dans un tableau, et un clic sur l'une d'elles
ouvre la page de l'image. Sous le tableau, des liens mènent à la page sommaire (quand elle est générée) et aux autres galeries.
Les galeries elles-mêmes (noms, première et dernière image) se forment dans l'onglet {ButtonsTab} de la page sommaire.</p>
{PREVIEW}</div>
<div class="card"><h2>Onglet {GalleryPagesTab}</h2><ul>
<li>{MakeGalleriesCaption} : sans cette case, le site n'a pas de pages galeries et toutes les images du projet
se suivent, de la première à la dernière.</li>
<li>{TemplateLabel} : la mise en page générale des pages galeries.</li>
<li>{BackgroundColourLabel} et {PatternLabel} : le fond des pages.</li>
<li>{TableFrameLabel} : les petites images sont rangées dans un tableau, avec au plus le nombre d'images par ligne choisi ({PerRowLabel}).</li>
{TABLE}</ul></div>
<div class="card"><h2>Onglet {MoreTab}</h2><ul>
<li>{GalleryTitleCaption} : le nom de la galerie en haut de sa page ; sa position, sa police, son style, sa taille et sa couleur.</li>
<li>Les petites images : leur position, l'épaisseur et la couleur de leur bordure.
{MaxWidthLabel} et {MaxHeightLabel}, en pixels : quand l'onglet {SummaryPageTab} demande de {MakeThumbnailsCaption},
chaque image est réduite pour tenir dans cette taille, sans être déformée ni agrandie.</li>
<li>{ThumbnailTitlesCaption} : le titre donné à chaque image à l'étape 1, avec sa petite image, qui mène lui aussi
à la page de l'image ; sa position, sa police, son style, sa taille et sa couleur. Cette couleur est aussi celle des liens du bas de la page.</li>
</ul></div>
<div class="card"><h2>Onglet {ExtrasTab}</h2>{INSERT_HTML}</div>
{COMMON}
"""),
        "etape2c.htm": ("Étape 2 : dessin des pages images", """
<div class="card"><p>Chaque image a sa page, dans chaque galerie dont elle fait partie : l'image, son titre et son commentaire
(tapés à l'étape 1) et des boutons pour aller à l'image précédente, à la galerie et à l'image suivante.
Un clic sur l'image mène aussi à la suivante.</p>
{PREVIEW}</div>
<div class="card"><h2>Onglet {PicturePagesTab}</h2><ul>
<li>{MakePicturePagesCaption} : sans cette case, un clic sur une petite image d'une galerie montre l'image seule dans le navigateur.</li>
<li>{TemplateLabel} : la mise en page générale des pages images.</li>
<li>{BackgroundColourLabel} et {PatternLabel} : le fond des pages.</li>
<li>{PictureTitleCaption} : le titre de l'image ; sa position, sa police, son style, sa taille et sa couleur.</li>
<li>{TableFrameLabel} : le tableau de la page.</li>
{TABLE}</ul></div>
<div class="card"><h2>Onglet {MoreTab}</h2><ul>
<li>{PictureLabel} : la position de l'image.</li>
<li>{PictureBorderLabel} : l'épaisseur et la couleur du cadre autour de l'image.</li>
<li>{PictureSpaceLabel} : {HorizontalLabel} l'espace vide à gauche et à droite, {VerticalLabel} l'espace vide au-dessus et au-dessous, en pixels.</li>
<li>{PictureSizeLimitLabel} : largeur et hauteur en pixels. {ResizeNote} Quand les deux valeurs ne sont pas nulles, chaque image JPEG plus grande
est réduite pour y tenir quand le site est construit ({SeeResult}) ; le site montre la copie réduite, et le projet garde l'image
telle que vous l'avez donnée, sans jamais l'envoyer en ligne. Les images plus petites gardent leur taille.</li>
<li>{CommentCaption} : le commentaire de l'image  ; {CommentLabel} : sa position, sa police, son style, sa taille et sa couleur.</li>
</ul></div>
<div class="card"><h2>Onglet {ButtonsTab}</h2><ul>
<li>{ButtonsAtTopCaption}, {ButtonsAtBottomCaption} : où placer les boutons ; vous pouvez cocher les deux.</li>
<li>{ButtonsLabel} : leur position, leur police, leur style, leur taille et leur couleur (pour des boutons en texte ;
la couleur est aussi celle des liens de la page).</li>
<li>{ShowTexts} : les trois champs {BackTextLabel}, {ContentsTextLabel} et {NextTextLabel} donnent les mots des boutons
({Previous}, {ContentsButton}, {Next} si vous les laissez vides).</li>
<li>{ShowPictures} : les trois champs deviennent {BackPictureLabel}, {ContentsPictureLabel} et {NextPictureLabel} ;
choisissez chaque image avec le petit bouton à droite du champ.</li></ul>
<p>La première image d'une galerie n'a pas de bouton vers la précédente, la dernière pas de bouton vers la suivante.
Le bouton du milieu mène à la page de la galerie ; il n'apparaît que si les pages galeries sont générées.</p></div>
<div class="card"><h2>Onglet {ExtrasTab}</h2>{INSERT_HTML}
<h2>{ProtectionLabel}</h2><ul>
<li>{StripsLabel} : 1 à 9 {StripsUnit}. Chaque image JPEG est coupée en bandes posées l'une sous l'autre : le visiteur voit
l'image entière, mais s'il l'enregistre il n'obtient qu'une bande. 1 : l'image n'est pas coupée.</li>
<li>{StampCaption} : une petite image JPEG à vous (votre nom, votre signature) est collée dans un coin de chaque image JPEG.
{StampPictureLabel} : le fichier de cette image ; puis le coin ({CornerBottomRight}, {CornerBottomLeft}, {CornerTopRight}, {CornerTopLeft})
et {EdgeDistanceLabel} en pixels (0 à 100). La marque cache l'image en dessous (pas de transparence).</li></ul>
<p>{StripsNote} Sans découpe, la marque est collée une fois dans la copie de l'image que montre le site ;
avec une découpe, elle va sur la dernière bande. Le projet garde l'image telle que vous l'avez donnée, sans marque, et ne l'envoie jamais en ligne.</p></div>
{COMMON}
"""),
        "etape4.htm": ("Publier sur le web", """
<div class="card"><p>Le bouton {PublishHint} de la barre d'outils envoie votre site chez votre hébergeur par FTP.
Il vous faut l'adresse de son serveur FTP, votre identifiant et votre mot de passe : votre hébergeur vous les donne.</p>
<h2>Avant de publier</h2><p>Le projet doit avoir des images, être enregistré sous un nom et avoir au moins une sorte de page cochée,
et le site doit avoir été construit avec {SeeResult}. Si le projet a des modifications non enregistrées, Palimora propose
de l'enregistrer ; rien n'est envoyé cette fois-là : cliquez {SeeResult} pour reconstruire le site, puis de nouveau {PublishHint}.</p></div>
<div class="card"><h2>La fenêtre {PublishTitle}</h2><ul>
<li>{FtpServerLabel} : par exemple ftp.monhebergeur.fr, sans http:// devant.</li>
<li>{UserNameLabel} et {PasswordLabel} : ceux de votre compte chez l'hébergeur ; le mot de passe ne s'affiche pas quand vous le tapez.</li>
<li>{Ok} ne s'active que lorsque les trois champs sont remplis ; Palimora demande alors {PublishQuestion}</li>
<li>{HelpButton} (ou la touche F1) ouvre cette page ; {Cancel} (ou la touche Échap) ferme la fenêtre sans rien envoyer.</li></ul>
<p>L'adresse et l'identifiant restent proposés jusqu'à ce que vous quittiez Palimora. Le mot de passe est à retaper
à chaque publication, sauf si vous cochez {RememberPassword} : il est alors gardé dans le trousseau de votre bureau, jamais dans un
fichier de Palimora, et la fenêtre le remet à sa place la fois suivante. Décochez la case pour qu'il soit oublié.</p>
<p>Avec le mot de passe gardé, la publication suivante se fait d'un clic, même après avoir quitté Palimora : le projet est enregistré, le site construit s'il le faut,
puis envoyé au même serveur et dans le même dossier, sans cette fenêtre. Seul le plan des changements est demandé. Pour revenir à cette fenêtre
(autre serveur, autre mot de passe), appuyez sur Ctrl+Maj+P ou gardez Maj enfoncée en cliquant sur le bouton de publication.</p>
<p>Si le serveur ne propose aucun chiffrement, Palimora le dit avant d'envoyer le mot de passe, et n'envoie rien en clair sans votre accord ;
votre réponse est retenue pour ce serveur. Un certificat ou une clé de serveur que vous avez acceptés sont retenus de même ; s'ils changent,
Palimora s'arrête et montre l'ancienne et la nouvelle empreinte.</p></div>
<div class="card"><h2>La connexion</h2><p>La fenêtre {Publishing} montre chaque étape : {ConnectingTo} votre serveur, {LoggingIn}
puis {ReadingServerFolders} Si la connexion échoue, le message {ConnectionFailed} s'affiche et la fenêtre se ferme.</p>
<h2>Le dossier du serveur</h2><p>La fenêtre {ServerFolder} demande, sous {PublishFolderLabel}, le dossier du serveur où mettre le site. Elle propose le nom du projet,
les espaces remplacés par « _ ». Le dossier est pris dans celui où le serveur vous accueille, et créé s'il n'existe pas.</p><ul>
<li>Pour un dossier dans un dossier, séparez les noms par « / », par exemple photos/vacances ; « .. » remonte d'un dossier ;
un « / » au début part du dossier le plus haut du serveur.</li>
<li>Un nom vide envoie le site directement dans le dossier d'accueil du serveur.</li>
<li>{Cancel} arrête la publication sans rien envoyer.</li></ul></div>
<div class="card"><h2>Ce qui est envoyé</h2><p>Palimora crée sur le serveur les dossiers du site (images, param, tn_images, tns_images, ou morc_images
pour des images découpées). Si un dossier ne peut être ni créé ni ouvert, le message {FolderNotEntered} s'affiche et rien n'est envoyé :
le site n'atterrit jamais dans un autre dossier.</p>
<p>Palimora garde dans le projet la trace de ce qu'il a envoyé à chaque serveur, identifiant et dossier. Il compare ensuite chaque fichier
du site à cette trace et à la liste du serveur : un fichier est nouveau, modifié (son contenu a changé depuis le dernier envoi, ou sa taille
sur le serveur n'est plus la bonne), inchangé, ou à supprimer (Palimora l'avait envoyé et le site ne l'a plus, par exemple après la
suppression d'une image ; un fichier que Palimora n'a pas envoyé n'est jamais supprimé).</p>
<p>Quand des fichiers du serveur seraient remplacés ou supprimés, une seule question montre ce plan, avec le nombre et la taille des fichiers
(le détail fichier par fichier s'ouvre en dessous) :</p><ul>
<li>{SendChangesButton} (le choix par défaut, touche Entrée) envoie les fichiers nouveaux et modifiés et supprime ceux à supprimer ;</li>
<li>{SendAllButton} envoie de nouveau tous les fichiers du site ;</li>
<li>{Cancel} arrête la publication sans rien envoyer.</li></ul>
<p>Quand le site en ligne est déjà à jour, rien n'est demandé ni envoyé : {NothingToSend}</p></div>
<div class="card"><h2>L'envoi</h2><p>La ligne du haut dit quel fichier part ({Sending} ...), la barre montre l'avancement.
{Cancel} arrête l'envoi entre deux fichiers : la fenêtre se ferme et un message dit combien de fichiers étaient envoyés et lesquels ne l'étaient pas.
Si l'envoi échoue, le message dit pourquoi ({SendFolderError}, {ConnectionFailed}...) avec, sur une seconde ligne, la réponse du serveur
ou la raison donnée par le système.</p></div>
<div class="card"><h2>Voir le site publié</h2><p>À la fin s'affiche {PublishingFinished} et le bouton {ViewOnline} ouvre le site dans votre navigateur :
la page sommaire, ou la première galerie, ou la première image, selon les pages générées. Palimora déduit l'adresse du site
de celle du serveur quand elle le permet :</p><ul>
<li>une adresse de serveur qui commence par « www. » est gardée : www.monsite.fr/dossier/index.html ;</li>
<li>une adresse qui commence par « ftp. » devient « www. » et votre identifiant est ajouté : avec ftp.monhebergeur.fr et
l'identifiant dupont, www.monhebergeur.fr/dupont/dossier/index.html ;</li>
<li>pour toute autre adresse, Palimora vous demande une fois l'adresse de votre site ({WebAddressPrompt}) et la garde avec le projet.</li></ul>
<p>Si la page ne s'ouvre pas, demandez l'adresse de votre site à votre hébergeur.</p></div>
"""),
    },
    "en": {
        "etape2.htm": ("Step 2: designing the contents page", """
<div class="card"><p>The contents page is the front page of your site (index.html): it shows your galleries,
each by a picture and by its name, which lead to the gallery's page. Its settings are kept in four tabs.</p>
{PREVIEW}</div>
<div class="card"><h2>{SummaryPageTab} tab</h2><ul>
<li>{MakeSummaryCaption}: without this box, the site has no contents page and opens on the first gallery
(or on the page of the first picture when there are no galleries).</li>
<li>{TemplateLabel}: the general layout of the page, chosen among the templates supplied.</li>
<li>{BackgroundColourLabel} and {PatternLabel}: the background of the page.</li>
<li>{MakeThumbnailsCaption}: Palimora makes small copies of your JPEG pictures for the contents and gallery pages,
at the sizes chosen on the {MoreTab} tabs. The pages then show much faster. Without this box,
these pages show the whole pictures at their real size (pictures that are not JPEG are always shown whole).</li>
<li>{SummaryTitleCaption}: the title at the top of the page. {TitleLabel}: its text; left empty, it is the project's name.
This title also appears in the name of every page of the site, in the browser's title bar or tab.
Then come its position, font, style, size and colour.</li>
</ul></div>
<div class="card"><h2>{MoreTab} tab</h2>
<p>{TableLabel}: the galleries are laid out in a table.</p><ul>
<li>{ItemsPerRowLabel}: from 1 to 11 cells per row (the galleries, and the home link when it is shown).</li>
{TABLE}</ul>
<p>{GalleryPicturesCaption}: each gallery is shown by its first picture; a click on it opens the gallery.</p><ul>
<li>{MaxSizeLabel}: width {ByLabel} height, in pixels. When thumbnails are made ({SummaryPageTab} tab),
each picture is reduced to fit in this size, never distorted nor enlarged.</li>
<li>Its position, and the width and colour of its border.</li></ul>
<p>{GalleryTitlesCaption}: the name of each gallery, which also leads to the gallery; its position, font, style,
size and colour (the colour of the page's links).</p></div>
<div class="card"><h2>{ButtonsTab} tab: your galleries</h2>
<p>This tab makes up to ten galleries, one row each ({Gallery1} to {Gallery10}):</p><ul>
<li>{NamesLabel}: the gallery's name. A gallery without a name does not exist.</li>
<li>{FirstPictureLabel} and {LastPictureLabel}: the gallery holds the pictures from the first to the last,
in the order of the list of step 1. The pictures are named there by their number in that list (000001.jpg for the first).
When the last comes before the first, the gallery is empty.</li></ul>
<p>A picture can belong to several galleries. A new project has a single gallery, {Gallery1}, from the first picture to the last.
Fill the galleries in order, without leaving an empty row between two galleries.</p></div>
<div class="card"><h2>{ExtrasTab} tab</h2>
<p>{HomeLinkCaption}: adds to the table a cell that leads to the address of your choice, your own home page for instance.</p><ul>
<li>{HomeTitleLabel}: the text of this link ({Home} when you leave it empty).</li>
<li>{HomeLinkLabel}: the full address, used exactly as you type it (for instance http://www.example.com).</li>
<li>{HomePictureLabel}: the picture of this cell, shown when the galleries have a picture; a file or an address on the web.</li></ul>
{INSERT_HTML}
<p>{TodaysBrowsersCaption}: every page tells its language and describes the site, every picture carries its title as its text alternative, and every picture page is named after its picture. Pictures carry their sizes, large galleries go on over further pages, and the arrow keys, a swipe or the F key browse the pictures. Unticked, the pages stay exactly as earlier versions wrote them.</p>
<p>{SiteLanguageLabel} the pages' fixed words (“Previous”, “Contents”, the page titles) are in this language, whatever the program's.</p></div>
{COMMON}
"""),
        "etape2b.htm": ("Step 2: designing the gallery pages", """
<div class="card"><p>Every gallery has its own page: its pictures are shown small in a table, and a click on one of them
opens the picture's page. Under the table, links lead to the contents page (when it is made) and to the other galleries.
The galleries themselves (names, first and last picture) are made on the {ButtonsTab} tab of the contents page.</p>
{PREVIEW}</div>
<div class="card"><h2>{GalleryPagesTab} tab</h2><ul>
<li>{MakeGalleriesCaption}: without this box, the site has no gallery pages and all the project's pictures
follow one another, from the first to the last.</li>
<li>{TemplateLabel}: the general layout of the gallery pages.</li>
<li>{BackgroundColourLabel} and {PatternLabel}: the background of the pages.</li>
<li>{TableFrameLabel}: the small pictures are laid out in a table, with at most the number of pictures per row you choose ({PerRowLabel}).</li>
{TABLE}</ul></div>
<div class="card"><h2>{MoreTab} tab</h2><ul>
<li>{GalleryTitleCaption}: the gallery's name at the top of its page; its position, font, style, size and colour.</li>
<li>The small pictures: their position, and the width and colour of their border.
{MaxWidthLabel} and {MaxHeightLabel}, in pixels: when the {SummaryPageTab} tab asks to {MakeThumbnailsCaption},
each picture is reduced to fit in this size, never distorted nor enlarged.</li>
<li>{ThumbnailTitlesCaption}: the title given to each picture at step 1, with its small picture, which also leads
to the picture's page; its position, font, style, size and colour. This colour is also that of the links at the bottom of the page.</li>
</ul></div>
<div class="card"><h2>{ExtrasTab} tab</h2>{INSERT_HTML}</div>
{COMMON}
"""),
        "etape2c.htm": ("Step 2: designing the picture pages", """
<div class="card"><p>Every picture has its own page, in every gallery it belongs to: the picture, its title and its comment
(typed at step 1), and buttons to go to the previous picture, to the gallery and to the next picture.
A click on the picture also leads to the next one.</p>
{PREVIEW}</div>
<div class="card"><h2>{PicturePagesTab} tab</h2><ul>
<li>{MakePicturePagesCaption}: without this box, a click on a small picture of a gallery shows the picture alone in the browser.</li>
<li>{TemplateLabel}: the general layout of the picture pages.</li>
<li>{BackgroundColourLabel} and {PatternLabel}: the background of the pages.</li>
<li>{PictureTitleCaption}: the picture's title; its position, font, style, size and colour.</li>
<li>{TableFrameLabel}: the table of the page.</li>
{TABLE}</ul></div>
<div class="card"><h2>{MoreTab} tab</h2><ul>
<li>{PictureLabel}: the position of the picture.</li>
<li>{PictureBorderLabel}: the width and colour of the frame around the picture.</li>
<li>{PictureSpaceLabel}: {HorizontalLabel} the empty space left and right, {VerticalLabel} the empty space above and below, in pixels.</li>
<li>{PictureSizeLimitLabel}: width and height in pixels. {ResizeNote} When both values are not zero, every larger JPEG picture
is reduced to fit when the site is built ({SeeResult}); the site shows the reduced copy, while the project keeps the picture
as you gave it, never sent online. Smaller pictures keep their size.</li>
<li>{CommentCaption}: the picture's comment; {CommentLabel}: its position, font, style, size and colour.</li>
</ul></div>
<div class="card"><h2>{ButtonsTab} tab</h2><ul>
<li>{ButtonsAtTopCaption}, {ButtonsAtBottomCaption}: where the buttons go; you can tick both.</li>
<li>{ButtonsLabel}: their position, font, style, size and colour (for buttons made of text;
the colour is also that of the page's links).</li>
<li>{ShowTexts}: the three fields {BackTextLabel}, {ContentsTextLabel} and {NextTextLabel} give the buttons' words
({Previous}, {ContentsButton}, {Next} when you leave them empty).</li>
<li>{ShowPictures}: the three fields become {BackPictureLabel}, {ContentsPictureLabel} and {NextPictureLabel};
choose each picture with the small button at the right of the field.</li></ul>
<p>The first picture of a gallery has no button to the previous one, the last no button to the next one.
The middle button leads to the gallery's page; it only shows when the gallery pages are made.</p></div>
<div class="card"><h2>{ExtrasTab} tab</h2>{INSERT_HTML}
<h2>{ProtectionLabel}</h2><ul>
<li>{StripsLabel}: 1 to 9 {StripsUnit}. Every JPEG picture is cut into strips laid one under the other: the visitor sees
the whole picture, but saving it only gives one strip. 1: the picture is not cut.</li>
<li>{StampCaption}: a small JPEG picture of your own (your name, your signature) is pasted into a corner of every JPEG picture.
{StampPictureLabel}: the file of that picture; then the corner ({CornerBottomRight}, {CornerBottomLeft}, {CornerTopRight}, {CornerTopLeft})
and the {EdgeDistanceLabel} in pixels (0 to 100). The stamp hides the picture under it (no transparency).</li></ul>
<p>{StripsNote} Without strips, the stamp is pasted into the copy of the picture the site shows, once;
with strips, it goes on the last strip. The project keeps the picture as you gave it, without the stamp, and never sends it online.</p></div>
{COMMON}
"""),
        "etape4.htm": ("Publish on the web", """
<div class="card"><p>The {PublishHint} button of the toolbar sends your site to your web host by FTP.
You need the address of its FTP server, your user name and your password: your host gives them to you.</p>
<h2>Before publishing</h2><p>The project must have pictures, be saved under a name and have at least one kind of page ticked,
and the site must have been built with {SeeResult}. When the project has unsaved changes, Palimora offers
to save it; nothing is sent that time: click {SeeResult} to build the site again, then {PublishHint} again.</p></div>
<div class="card"><h2>The {PublishTitle} window</h2><ul>
<li>{FtpServerLabel}: for example ftp.myhost.com, without http:// in front.</li>
<li>{UserNameLabel} and {PasswordLabel}: those of your account with the host; the password is not shown as you type it.</li>
<li>{Ok} only works once the three fields are filled; Palimora then asks {PublishQuestion}</li>
<li>{HelpButton} (or the F1 key) opens this page; {Cancel} (or the Escape key) closes the window without sending anything.</li></ul>
<p>The address and the user name are offered again until you quit Palimora. The password must be typed again
at every publication, unless you tick {RememberPassword}: it is then kept in your desktop's keyring, never in a file of Palimora,
and the window puts it back the next time. Untick the box to have it forgotten.</p>
<p>With the password kept, the next publication takes one click, even after you quit Palimora: the project is saved, the site built when needed,
then sent to the same server and folder, without this window. Only the plan of the changes is asked. To come back to this window
(another server, another password), press Ctrl+Shift+P or hold Shift while clicking the publish button.</p>
<p>When the server offers no encryption, Palimora says so before the password is sent, and sends nothing in clear without your consent;
your answer is remembered for that server. A certificate or server key you accepted is remembered too; when it changes,
Palimora stops and shows the old and the new fingerprint.</p></div>
<div class="card"><h2>Connecting</h2><p>The {Publishing} window shows each step: {ConnectingTo} your server, {LoggingIn}
then {ReadingServerFolders} When the connection fails, the message {ConnectionFailed} shows and the window closes.</p>
<h2>The server folder</h2><p>The {ServerFolder} window asks, under {PublishFolderLabel}, for the server folder to put the site in. It offers the project's name,
with its blanks replaced by "_". The folder is taken inside the one the server welcomes you in, and made when it does not exist.</p><ul>
<li>For a folder inside a folder, separate the names with "/", for example photos/holidays; ".." goes up one folder;
a "/" at the start begins from the server's top folder.</li>
<li>An empty name sends the site straight into the server's welcome folder.</li>
<li>{Cancel} stops the publication without sending anything.</li></ul></div>
<div class="card"><h2>What is sent</h2><p>Palimora makes the site's folders on the server (images, param, tn_images, tns_images, or morc_images
for pictures cut into strips). When a folder can be neither made nor opened, the message {FolderNotEntered} shows and nothing is sent:
the site never lands in another folder.</p>
<p>Palimora keeps in the project a record of what it sent to each server, user name and folder. It then compares each file of the site
with that record and with the server's listing: a file is new, changed (its content changed since it was last sent, or its size on the
server is no longer right), unchanged, or to be removed (Palimora sent it and the site no longer has it, for example after a picture was
deleted; a file Palimora did not send is never removed).</p>
<p>When files on the server would be replaced or removed, one question shows this plan, with the number and size of the files
(the file-by-file details open below it):</p><ul>
<li>{SendChangesButton} (the default, Enter key) sends the new and changed files and removes those to be removed;</li>
<li>{SendAllButton} sends every file of the site again;</li>
<li>{Cancel} stops the publication without sending anything.</li></ul>
<p>When the site online is already up to date, nothing is asked or sent: {NothingToSend}</p></div>
<div class="card"><h2>Sending</h2><p>The top line tells which file is leaving ({Sending} ...), the bar shows the progress.
{Cancel} stops the sending between two files: the window closes and a message says how many files were sent and which were not.
When sending fails, the message says why ({SendFolderError}, {ConnectionFailed}...) with, on a second line, the server's reply
or the reason the system gave.</p></div>
<div class="card"><h2>Seeing the published site</h2><p>At the end {PublishingFinished} shows and the {ViewOnline} button opens the site in your browser:
the contents page, or the first gallery, or the first picture, depending on the pages made. Palimora works out the site's address
from the server's when it can:</p><ul>
<li>a server address beginning with "www." is kept: www.mysite.com/folder/index.html;</li>
<li>an address beginning with "ftp." becomes "www." and your user name is added: with ftp.myhost.com and
the user name smith, www.myhost.com/smith/folder/index.html;</li>
<li>for any other address, Palimora asks you once for your site's address ({WebAddressPrompt}) and keeps it with the project.</li></ul>
<p>If the page does not open, ask your host for your site's address.</p></div>
"""),
    },
}

NAV = {
    "fr": ("Voir aussi", [("sommairewebs.htm", "Étape 1 : les images"), ("etape2.htm", "La page sommaire"),
                          ("etape2b.htm", "Les pages galeries"), ("etape2c.htm", "Les pages images"),
                          ("etape4.htm", "Publier sur le web")]),
    "en": ("See also", [("sommairewebs.htm", "Step 1: the pictures"), ("etape2.htm", "The contents page"),
                        ("etape2b.htm", "The gallery pages"), ("etape2c.htm", "The picture pages"),
                        ("etape4.htm", "Publishing on the web")]),
}

# German and Spanish come from modules of their own, one per language.
for _lang, _module in {"de": help_german, "es": help_spanish}.items():
    PAGES[_lang], NEW_PAGES[_lang], NAV[_lang] = _module.PAGES, _module.NEW_PAGES, _module.NAV
    COMMON[_lang], PREVIEW[_lang], INSERT_HTML[_lang], TABLE[_lang] = (
        _module.COMMON, _module.PREVIEW, _module.INSERT_HTML, _module.TABLE)

# A language other than French and English keeps its help in aide/<its code>.
FOLDERS = {"fr": "aide/aide_france/aideweb", "en": "aide/aide_us/aideweb_us", "de": "aide/german", "es": "aide/spanish"}
BLOCKS = {"COMMON": COMMON, "PREVIEW": PREVIEW, "TABLE": TABLE, "INSERT_HTML": INSERT_HTML}


def page(lang, title, body):
    return (f'<!DOCTYPE html>\n<html lang="{lang}">\n<head>\n<meta charset="windows-1252">\n'
            f'<meta name="viewport" content="width=device-width, initial-scale=1">\n<title>{title}</title>\n'
            f'<style>{STYLE}</style>\n</head>\n<body>\n<h1>{title}</h1>{body}\n</body>\n</html>\n')


def see_also(lang, name):
    heading, links = NAV[lang]
    colon = " :" if lang == "fr" else ":"
    return f"<p>{heading}{colon} " + " | ".join(
        f'<a href="{target}">{text}</a>' for target, text in links if target != name) + "</p>"


def new_page(lang, name, body):
    for block, texts in BLOCKS.items():
        body = body.replace("{" + block + "}", texts[lang])
    return body.format_map(Captions(lang)) + see_also(lang, name)


def pages(lang):
    """Every help page of a language: file name -> bytes as written."""
    assert NEW_PAGES[lang].keys().isdisjoint(PAGES[lang]), "a page is written twice"
    texts = dict(PAGES[lang])
    texts.update({name: (title, new_page(lang, name, body)) for name, (title, body) in NEW_PAGES[lang].items()})
    return {name: page(lang, title, body).replace("\n", "\r\n").encode("cp1252") for name, (title, body) in texts.items()}


def broken_links(written):
    """(page, target) for every link of a page to a help page that is not written."""
    return [(name, target) for name, content in written.items()
            for target in re.findall(rb'href="([^"#:]+)"', content) if target.decode("cp1252") not in written]


def outputs(assets):
    assert PAGES.keys() == NEW_PAGES.keys() == FOLDERS.keys()
    result = {}
    for lang in FOLDERS:
        written = pages(lang)
        assert not broken_links(written), f"{lang}: links to missing pages: {broken_links(written)}"
        result.update({assets / FOLDERS[lang] / name: content for name, content in written.items()})
    names = [{path.name for path in result if path.parent == assets / folder} for folder in FOLDERS.values()]
    assert all(n == names[0] for n in names), "the languages do not have the same help pages"
    return result


if __name__ == "__main__":
    from generated import write_or_check
    write_or_check(outputs(pathlib.Path(__file__).resolve().parent.parent / "assets"), "help_pages.py")
