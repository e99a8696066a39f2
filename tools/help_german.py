"""The help pages in German, for tools/help_pages.py: the same pages, blocks
and {Name} captions as the French and English ones."""

PAGES = {
    "infos.htm": ("Willkommen bei Palimora", """
<div class="card"><p>Palimora erstellt Ihre Fotowebseite, ohne dass Sie eine einzige Zeile HTML schreiben.</p>
<ol><li><b>Schritt 1</b>: fügen Sie Ihre Bilder hinzu, geben Sie jedem einen Titel und einen Kommentar und bringen Sie sie in die gewünschte Reihenfolge.</li>
<li>Speichern Sie Ihr Projekt unter einem Namen.</li>
<li><b>Schritt 2</b>: wählen Sie das Aussehen der Übersichts-, Galerie- und Bildseiten; die Vorschau folgt jeder Änderung.</li>
<li><b>Ergebnis ansehen</b> erstellt die Seite und öffnet sie in Ihrem Browser.</li>
<li><b>Im Web veröffentlichen</b> sendet die Seite per FTP zu Ihrem Webhoster.</li></ol></div>
<p>Taste F1 oder Schaltfläche <b>?</b>: Hilfe zum gezeigten Bildschirm. Esc: beenden.</p>
<p>Tasten: Strg+N neu, Strg+O öffnen, Strg+S speichern, Strg+1 und Strg+2 die Schritte, Strg+3 bis Strg+5 Inhalts-, Galerie- und Bildseite, F5 die Vorschau neu, Strg+I hinzufügen, Alt+Up und Alt+Down verschieben, Entf die angekreuzten Bilder entfernen, Strg+R Ergebnis ansehen, Strg+P veröffentlichen, Strg+Umschalt+P anderswo veröffentlichen, Strg+Q beenden. Tab wechselt von Element zu Element, die Leertaste drückt die gewählte Schaltfläche.</p>"""),
    "sommairewebs.htm": ("Schritt 1: die Bilder des Projekts", """
<div class="card"><h2>Bilder hinzufügen</h2><p>Die Schaltfläche <b>+</b> fügt ein JPEG-, GIF- oder BMP-Bild hinzu. Es wird ins Projekt kopiert:
das Original bleibt immer unverändert. BMP- und GIF-Bilder können in JPEG umgewandelt werden, das Browser besser zeigen.</p></div>
<div class="card"><h2>Titel und Kommentare</h2><p>Klicken Sie ein Bild in der Liste an, dann den Reiter <b>Texte</b>: tippen Sie Titel und Kommentar, dann <b>OK</b>.</p></div>
<div class="card"><h2>Reihenfolge und Löschen</h2><p>Die Pfeile schieben das gewählte Bild nach oben oder unten. Haken Sie Bilder an und klicken Sie auf das Kreuz, um sie aus dem Projekt zu nehmen.</p></div>
<div class="card"><h2>Speichern</h2><p>Die Diskettenschaltfläche speichert das Projekt unter einem Namen; ohne sie werden Ihre Bilder beim Schließen nicht behalten.</p></div>"""),
}

COMMON = """
<div class="card"><h2>Einstellungen, die wiederkehren</h2><ul>
<li><b>Farbfelder</b>: klicken Sie auf ein Feld, um seine Farbe zu wählen.</li>
<li>{PositionLabel}: {PositionCentred}, {PositionLeft} oder {PositionRight}.</li>
<li>{FontLabel}: {BrowserFont} lässt den Browser des Besuchers wählen. Die anderen Schriften sind die Ihres Computers:
ein Besucher, der die gewählte Schrift nicht hat, sieht den Text in Arial oder Helvetica.</li>
<li>Stil: {StylePlain}, {StyleBold}, {StyleItalic} oder {StyleUnderlined}.</li>
<li>Textgröße: von 1 (sehr klein) bis 7 (sehr groß); 3 ist die übliche Größe.</li>
<li>{BorderLabel}: die Stärke des Rahmens in Pixeln; 0: kein Rahmen.</li>
<li>{PatternLabel}: ein Hintergrundbild, das der Browser über die ganze Fläche wiederholt. Die kleine Schaltfläche rechts neben dem Feld
öffnet die Wahl einer Datei; das Bild wird mit der Seite kopiert. Sie können auch die Adresse eines Bildes im Web eingeben (beginnend mit http oder www).</li>
</ul></div>"""

PREVIEW = """<p>Wechseln Sie mit den Schaltflächen {SummaryDesignHint}, {GalleryDesignHint} und {PictureDesignHint} von einer Art Seite zur anderen.
Rechts zeigt die Vorschau eine Beispielseite mit Ihren eigenen Bildern. Jede Änderung erscheint dort, sobald Sie innehalten;
die Lupe ({RefreshPreviewHint}) erneuert sie sofort. Ein Rechtsklick auf die Vorschau oder der Schalter daneben zeigt sie wie ein Telefon.
Jede Einstellung gilt, sobald Sie sie ändern: speichern Sie das Projekt, um sie zu behalten,
und klicken Sie dann auf {SeeResult}, um die Seite zu erstellen.</p>"""

INSERT_HTML = """<p>Unter {InsertHtmlLabel} wird der Inhalt einer eigenen HTML-Datei (ein Banner, eine Adresse, ein Link...) unverändert
dort eingefügt, wo die Vorlage es vorsieht, oben ({TopHtmlLabel}) oder unten ({BottomHtmlLabel}) auf der Seite.
Wählen Sie die Datei mit der kleinen Schaltfläche rechts neben dem Feld. {HtmlPathNote} Lassen Sie das Feld leer, um nichts einzufügen.
Gibt es die Datei nicht mehr, sagt Palimora es und erstellt die Seite ohne sie.</p>"""

TABLE = """<li>{BorderLabel} und seine Farbe: der Rahmen der Tabelle.</li>
<li>{PositionLabel}: wo die Tabelle auf der Seite steht.</li>
<li>Der Hintergrund der Tabelle: eine Farbe oder ein wiederholtes Bild unter {PatternLabel}.</li>
<li>{MarginLabel}: der Abstand zwischen den Zellen der Tabelle, in Pixeln.</li>
<li>{CellPaddingLabel}: der Abstand zwischen dem Rand einer Zelle und ihrem Inhalt, in Pixeln.</li>"""

NEW_PAGES = {
    "etape2.htm": ("Schritt 2: die Übersichtsseite gestalten", """
<div class="card"><p>Die Übersichtsseite ist die Startseite Ihrer Website (index.html): sie zeigt Ihre Galerien,
jede mit einem Bild und ihrem Namen, die zur Seite der Galerie führen. Ihre Einstellungen stehen auf vier Reitern.</p>
{PREVIEW}</div>
<div class="card"><h2>Reiter {SummaryPageTab}</h2><ul>
<li>{MakeSummaryCaption}: ohne dieses Häkchen hat die Website keine Übersichtsseite und öffnet sich mit der ersten Galerie
(oder mit der Seite des ersten Bildes, wenn es keine Galerien gibt).</li>
<li>{TemplateLabel}: das allgemeine Layout der Seite, aus den mitgelieferten Vorlagen gewählt.</li>
<li>{BackgroundColourLabel} und {PatternLabel}: der Hintergrund der Seite.</li>
<li>{MakeThumbnailsCaption}: Palimora macht kleine Kopien Ihrer JPEG-Bilder für die Übersichts- und Galerieseiten,
in den Größen, die auf den Reitern {MoreTab} gewählt sind. Die Seiten erscheinen dann viel schneller. Ohne dieses Häkchen
zeigen diese Seiten die ganzen Bilder in ihrer echten Größe (Bilder, die kein JPEG sind, werden immer ganz gezeigt).</li>
<li>{SummaryTitleCaption}: der Titel oben auf der Seite. {TitleLabel}: sein Text; leer gelassen ist es der Name des Projekts.
Dieser Titel steht auch im Namen jeder Seite der Website, in der Titelleiste oder dem Reiter des Browsers.
Dann folgen Position, Schrift, Stil, Größe und Farbe.</li>
</ul></div>
<div class="card"><h2>Reiter {MoreTab}</h2>
<p>{TableLabel}: die Galerien stehen in einer Tabelle.</p><ul>
<li>{ItemsPerRowLabel}: 1 bis 11 Zellen pro Zeile (die Galerien und der Link zur Startseite, wenn er gezeigt wird).</li>
{TABLE}</ul>
<p>{GalleryPicturesCaption}: jede Galerie wird durch ihr erstes Bild gezeigt; ein Klick darauf öffnet die Galerie.</p><ul>
<li>{MaxSizeLabel}: Breite {ByLabel} Höhe, in Pixeln. Wenn Vorschaubilder erstellt werden (Reiter {SummaryPageTab}),
wird jedes Bild so verkleinert, dass es in diese Größe passt, nie verzerrt oder vergrößert.</li>
<li>Seine Position sowie Stärke und Farbe seines Rahmens.</li></ul>
<p>{GalleryTitlesCaption}: der Name jeder Galerie, der ebenfalls zur Galerie führt; Position, Schrift, Stil,
Größe und Farbe (die Farbe der Links der Seite).</p></div>
<div class="card"><h2>Reiter {ButtonsTab}: Ihre Galerien</h2>
<p>Dieser Reiter bildet bis zu zehn Galerien, eine Zeile für jede ({Gallery1} bis {Gallery10}):</p><ul>
<li>{NamesLabel}: der Name der Galerie. Eine Galerie ohne Namen gibt es nicht.</li>
<li>{FirstPictureLabel} und {LastPictureLabel}: die Galerie enthält die Bilder vom ersten bis zum letzten,
in der Reihenfolge der Liste von Schritt 1. Die Bilder heißen dort nach ihrer Nummer in dieser Liste (000001.jpg für das erste).
Kommt das letzte vor dem ersten, ist die Galerie leer.</li></ul>
<p>Ein Bild kann zu mehreren Galerien gehören. Ein neues Projekt hat eine einzige Galerie, {Gallery1}, vom ersten bis zum letzten Bild.
Füllen Sie die Galerien der Reihe nach, ohne eine leere Zeile zwischen zwei Galerien zu lassen.</p></div>
<div class="card"><h2>Reiter {ExtrasTab}</h2>
<p>{HomeLinkCaption}: fügt der Tabelle eine Zelle hinzu, die zu einer Adresse Ihrer Wahl führt, etwa Ihrer eigenen Homepage.</p><ul>
<li>{HomeTitleLabel}: der Text dieses Links ({Home}, wenn Sie es leer lassen).</li>
<li>{HomeLinkLabel}: die vollständige Adresse, genau so verwendet, wie Sie sie tippen (zum Beispiel http://www.example.com).</li>
<li>{HomePictureLabel}: das Bild dieser Zelle, gezeigt, wenn die Galerien ein Bild haben; eine Datei oder eine Adresse im Web.</li></ul>
{INSERT_HTML}
<p>{TodaysBrowsersCaption}: jede Seite nennt ihre Sprache und beschreibt die Website, jedes Bild trägt seinen Titel als Textalternative, und jede Bildseite ist nach ihrem Bild benannt. Die Bilder tragen ihre Größe, große Galerien gehen auf weiteren Seiten weiter, und die Pfeiltasten, ein Wischen oder die Taste F blättern durch die Bilder. Ohne Häkchen bleiben die Seiten genau so, wie frühere Versionen sie schrieben.</p>
<p>{SiteLanguageLabel} die festen Wörter der Seiten (\u201eZurück\u201c, \u201eÜbersicht\u201c, die Seitentitel) stehen in dieser Sprache, gleich welche das Programm spricht.</p></div>
{COMMON}
"""),
    "etape2b.htm": ("Schritt 2: die Galerieseiten gestalten", """
<div class="card"><p>Jede Galerie hat ihre eigene Seite: ihre Bilder werden dort klein in einer Tabelle gezeigt, und ein Klick auf eines von ihnen
öffnet die Seite des Bildes. Unter der Tabelle führen Links zur Übersichtsseite (wenn sie erstellt wird) und zu den anderen Galerien.
Die Galerien selbst (Namen, erstes und letztes Bild) entstehen auf dem Reiter {ButtonsTab} der Übersichtsseite.</p>
{PREVIEW}</div>
<div class="card"><h2>Reiter {GalleryPagesTab}</h2><ul>
<li>{MakeGalleriesCaption}: ohne dieses Häkchen hat die Website keine Galerieseiten, und alle Bilder des Projekts
folgen aufeinander, vom ersten bis zum letzten.</li>
<li>{TemplateLabel}: das allgemeine Layout der Galerieseiten.</li>
<li>{BackgroundColourLabel} und {PatternLabel}: der Hintergrund der Seiten.</li>
<li>{TableFrameLabel}: die kleinen Bilder stehen in einer Tabelle, mit höchstens so vielen Bildern pro Zeile, wie Sie wählen ({PerRowLabel}).</li>
{TABLE}</ul></div>
<div class="card"><h2>Reiter {MoreTab}</h2><ul>
<li>{GalleryTitleCaption}: der Name der Galerie oben auf ihrer Seite; Position, Schrift, Stil, Größe und Farbe.</li>
<li>Die kleinen Bilder: ihre Position sowie Stärke und Farbe ihres Rahmens.
{MaxWidthLabel} und {MaxHeightLabel}, in Pixeln: wenn der Reiter {SummaryPageTab} verlangt: {MakeThumbnailsCaption},
wird jedes Bild so verkleinert, dass es in diese Größe passt, nie verzerrt oder vergrößert.</li>
<li>{ThumbnailTitlesCaption}: der Titel, den jedes Bild in Schritt 1 bekam, mit seinem kleinen Bild; er führt ebenfalls
zur Seite des Bildes; Position, Schrift, Stil, Größe und Farbe. Diese Farbe ist auch die der Links unten auf der Seite.</li>
</ul></div>
<div class="card"><h2>Reiter {ExtrasTab}</h2>{INSERT_HTML}</div>
{COMMON}
"""),
    "etape2c.htm": ("Schritt 2: die Bildseiten gestalten", """
<div class="card"><p>Jedes Bild hat seine eigene Seite, in jeder Galerie, zu der es gehört: das Bild, sein Titel und sein Kommentar
(in Schritt 1 getippt) und Schaltflächen zum vorigen Bild, zur Galerie und zum nächsten Bild.
Ein Klick auf das Bild führt ebenfalls zum nächsten.</p>
{PREVIEW}</div>
<div class="card"><h2>Reiter {PicturePagesTab}</h2><ul>
<li>{MakePicturePagesCaption}: ohne dieses Häkchen zeigt ein Klick auf ein kleines Bild einer Galerie das Bild allein im Browser.</li>
<li>{TemplateLabel}: das allgemeine Layout der Bildseiten.</li>
<li>{BackgroundColourLabel} und {PatternLabel}: der Hintergrund der Seiten.</li>
<li>{PictureTitleCaption}: der Titel des Bildes; Position, Schrift, Stil, Größe und Farbe.</li>
<li>{TableFrameLabel}: die Tabelle der Seite.</li>
{TABLE}</ul></div>
<div class="card"><h2>Reiter {MoreTab}</h2><ul>
<li>{PictureLabel}: die Position des Bildes.</li>
<li>{PictureBorderLabel}: Stärke und Farbe des Rahmens um das Bild.</li>
<li>{PictureSpaceLabel}: {HorizontalLabel} der freie Raum links und rechts, {VerticalLabel} der freie Raum oben und unten, in Pixeln.</li>
<li>{PictureSizeLimitLabel}: Breite und Höhe in Pixeln. {ResizeNote} Sind beide Werte nicht null, wird jedes größere JPEG-Bild
beim Erstellen der Website ({SeeResult}) passend verkleinert; die Website zeigt die verkleinerte Kopie, das Projekt behält das Bild
so, wie Sie es gegeben haben, und schickt es nie ins Netz. Kleinere Bilder behalten ihre Größe.</li>
<li>{CommentCaption}: der Kommentar des Bildes; {CommentLabel}: Position, Schrift, Stil, Größe und Farbe.</li>
</ul></div>
<div class="card"><h2>Reiter {ButtonsTab}</h2><ul>
<li>{ButtonsAtTopCaption}, {ButtonsAtBottomCaption}: wo die Schaltflächen stehen; Sie können beides anhaken.</li>
<li>{ButtonsLabel}: Position, Schrift, Stil, Größe und Farbe (bei Schaltflächen aus Text;
die Farbe ist auch die der Links der Seite).</li>
<li>{ShowTexts}: die drei Felder {BackTextLabel}, {ContentsTextLabel} und {NextTextLabel} geben die Wörter der Schaltflächen
({Previous}, {ContentsButton}, {Next}, wenn Sie sie leer lassen).</li>
<li>{ShowPictures}: die drei Felder werden zu {BackPictureLabel}, {ContentsPictureLabel} und {NextPictureLabel};
wählen Sie jedes Bild mit der kleinen Schaltfläche rechts neben dem Feld.</li></ul>
<p>Das erste Bild einer Galerie hat keine Schaltfläche zum vorigen, das letzte keine zum nächsten.
Die mittlere Schaltfläche führt zur Seite der Galerie; sie erscheint nur, wenn die Galerieseiten erstellt werden.</p></div>
<div class="card"><h2>Reiter {ExtrasTab}</h2>{INSERT_HTML}
<h2>{ProtectionLabel}</h2><ul>
<li>{StripsLabel}: 1 bis 9 {StripsUnit}. Jedes JPEG-Bild wird in untereinander liegende Streifen geschnitten: der Besucher sieht
das ganze Bild, aber wer es speichert, bekommt nur einen Streifen. 1: das Bild wird nicht geschnitten.</li>
<li>{StampCaption}: ein kleines eigenes JPEG-Bild (Ihr Name, Ihre Unterschrift) wird in eine Ecke jedes JPEG-Bildes geklebt.
{StampPictureLabel}: die Datei dieses Bildes; dann die Ecke ({CornerBottomRight}, {CornerBottomLeft}, {CornerTopRight}, {CornerTopLeft})
und der {EdgeDistanceLabel} in Pixeln (0 bis 100). Der Stempel verdeckt das Bild darunter (keine Transparenz).</li></ul>
<p>{StripsNote} Ohne Streifen wird der Stempel einmal in die Kopie des Bildes geklebt, die die Website zeigt;
mit Streifen kommt er auf den letzten Streifen. Das Projekt behält das Bild so, wie Sie es gegeben haben, ohne Stempel, und schickt es nie ins Netz.</p></div>
{COMMON}
"""),
    "etape4.htm": ("Im Web veröffentlichen", """
<div class="card"><p>Die Schaltfläche {PublishHint} der Werkzeugleiste sendet Ihre Website per FTP zu Ihrem Webhoster.
Sie brauchen die Adresse seines FTP-Servers, Ihren Benutzernamen und Ihr Passwort: Ihr Webhoster gibt sie Ihnen.</p>
<h2>Vor dem Veröffentlichen</h2><p>Das Projekt muss Bilder haben, unter einem Namen gespeichert sein und mindestens eine Art Seite angehakt haben,
und die Website muss mit {SeeResult} erstellt worden sein. Hat das Projekt ungespeicherte Änderungen, bietet Palimora an,
es zu speichern; dann wird nichts gesendet: klicken Sie auf {SeeResult}, um die Website neu zu erstellen, dann wieder auf {PublishHint}.</p></div>
<div class="card"><h2>Das Fenster {PublishTitle}</h2><ul>
<li>{FtpServerLabel}: zum Beispiel ftp.meinanbieter.de, ohne http:// davor.</li>
<li>{UserNameLabel} und {PasswordLabel}: die Ihres Kontos beim Webhoster; das Passwort wird beim Tippen nicht gezeigt.</li>
<li>{Ok} geht erst, wenn alle drei Felder ausgefüllt sind; Palimora fragt dann: {PublishQuestion}</li>
<li>{HelpButton} (oder die Taste F1) öffnet diese Seite; {Cancel} (oder die Taste Esc) schließt das Fenster, ohne etwas zu senden.</li></ul>
<p>Adresse und Benutzername werden wieder angeboten, bis Sie Palimora beenden. Das Passwort muss bei jeder Veröffentlichung
neu getippt werden, außer Sie kreuzen {RememberPassword} an: Dann wird es im Schlüsselbund Ihres Desktops aufbewahrt, nie in einer
Datei von Palimora, und das Fenster setzt es beim nächsten Mal wieder ein. Entfernen Sie das Kreuz, damit es vergessen wird.</p>
<p>Mit aufbewahrtem Passwort geht die nächste Veröffentlichung mit einem Klick, auch nach einem Neustart von Palimora: Das Projekt wird gespeichert, die Website
wenn nötig erstellt und an denselben Server in denselben Ordner gesendet, ohne dieses Fenster. Nur der Plan der Änderungen wird erfragt. Zurück zu diesem
Fenster (anderer Server, anderes Passwort) kommen Sie mit Strg+Umschalt+P oder mit gedrückter Umschalttaste beim Klick auf die Schaltfläche Veröffentlichen.</p>
<p>Bietet der Server keine Verschlüsselung an, sagt Palimora das, bevor das Passwort gesendet wird, und sendet nichts im Klartext ohne Ihre
Zustimmung; Ihre Antwort wird für diesen Server gemerkt. Ein angenommenes Zertifikat oder ein Serverschlüssel wird ebenso gemerkt; ändert er sich,
hält Palimora an und zeigt den alten und den neuen Fingerabdruck.</p></div>
<div class="card"><h2>Verbinden</h2><p>Das Fenster {Publishing} zeigt jeden Schritt: {ConnectingTo} Ihrem Server, {LoggingIn}
dann {ReadingServerFolders} Scheitert die Verbindung, erscheint die Meldung {ConnectionFailed}, und das Fenster schließt sich.</p>
<h2>Der Ordner auf dem Server</h2><p>Das Fenster {ServerFolder} fragt unter {PublishFolderLabel} nach dem Ordner auf dem Server, in den die Website kommt. Es bietet den Namen des Projekts an,
mit "_" statt Leerzeichen. Der Ordner liegt in dem, in dem der Server Sie empfängt, und wird angelegt, wenn es ihn nicht gibt.</p><ul>
<li>Für einen Ordner in einem Ordner trennen Sie die Namen mit "/", zum Beispiel fotos/urlaub; ".." geht einen Ordner hinauf;
ein "/" am Anfang beginnt beim obersten Ordner des Servers.</li>
<li>Ein leerer Name sendet die Website direkt in den Empfangsordner des Servers.</li>
<li>{Cancel} beendet die Veröffentlichung, ohne etwas zu senden.</li></ul></div>
<div class="card"><h2>Was gesendet wird</h2><p>Palimora legt die Ordner der Website auf dem Server an (images, param, tn_images, tns_images oder morc_images
für in Streifen geschnittene Bilder). Lässt sich ein Ordner weder anlegen noch öffnen, erscheint die Meldung {FolderNotEntered}, und nichts wird gesendet:
die Website landet nie in einem anderen Ordner.</p>
<p>Palimora führt im Projekt Buch darüber, was es an jeden Server, Benutzernamen und Ordner gesendet hat. Es vergleicht dann jede Datei der Website
mit diesem Buch und mit der Liste des Servers: eine Datei ist neu, geändert (ihr Inhalt hat sich seit dem letzten Senden geändert, oder ihre Größe auf dem
Server stimmt nicht mehr), unverändert oder zu entfernen (Palimora hat sie gesendet, und die Website hat sie nicht mehr, zum Beispiel nachdem ein Bild
gelöscht wurde; eine Datei, die Palimora nicht gesendet hat, wird nie entfernt).</p>
<p>Würden Dateien auf dem Server ersetzt oder entfernt, zeigt eine Frage diesen Plan, mit Anzahl und Größe der Dateien
(die Einzelheiten Datei für Datei öffnen sich darunter):</p><ul>
<li>{SendChangesButton} (die Vorgabe, Eingabetaste) sendet die neuen und geänderten Dateien und entfernt die zu entfernenden;</li>
<li>{SendAllButton} sendet jede Datei der Website erneut;</li>
<li>{Cancel} beendet die Veröffentlichung, ohne etwas zu senden.</li></ul>
<p>Ist die Website im Netz schon aktuell, wird nichts gefragt oder gesendet: {NothingToSend}</p></div>
<div class="card"><h2>Senden</h2><p>Die obere Zeile sagt, welche Datei gerade geht ({Sending} ...), der Balken zeigt den Fortschritt.
{Cancel} hält das Senden zwischen zwei Dateien an: das Fenster schließt sich, und eine Meldung sagt, wie viele Dateien gesendet wurden und welche nicht.
Scheitert das Senden, sagt die Meldung warum ({SendFolderError}, {ConnectionFailed}...), mit der Antwort des Servers
oder dem Grund, den das System nannte, in einer zweiten Zeile.</p></div>
<div class="card"><h2>Die veröffentlichte Website ansehen</h2><p>Am Ende erscheint {PublishingFinished}, und die Schaltfläche {ViewOnline} öffnet die Website in Ihrem Browser:
die Übersichtsseite, die erste Galerie oder das erste Bild, je nach den erstellten Seiten. Palimora leitet die Adresse der Website
wenn möglich aus der des Servers ab:</p><ul>
<li>eine Serveradresse, die mit "www." beginnt, bleibt: www.meineseite.de/ordner/index.html;</li>
<li>eine Adresse, die mit "ftp." beginnt, wird zu "www.", und Ihr Benutzername kommt dazu: mit ftp.meinanbieter.de und
dem Benutzernamen schmidt www.meinanbieter.de/schmidt/ordner/index.html;</li>
<li>bei jeder anderen Adresse fragt Palimora Sie einmal nach der Adresse Ihrer Website ({WebAddressPrompt}) und behält sie beim Projekt.</li></ul>
<p>Öffnet sich die Seite nicht, fragen Sie Ihren Webhoster nach der Adresse Ihrer Website.</p></div>
"""),
}

NAV = ("Siehe auch", [("sommairewebs.htm", "Schritt 1: die Bilder"), ("etape2.htm", "Die Übersichtsseite"),
                      ("etape2b.htm", "Die Galerieseiten"), ("etape2c.htm", "Die Bildseiten"),
                      ("etape4.htm", "Im Web veröffentlichen")])
