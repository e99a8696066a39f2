#!/usr/bin/env python3
"""The program's language texts: a name for the code, then the French and the
English text. Run it to write assets/french.asc and assets/english.asc
(Windows-1252, CR LF, line N = "N,text N") and lang/TextId.h, the names the
code reads the texts by. With --check it writes nothing and fails when one of
those files differs from what it would write."""
import pathlib
import sys

TEXTS = {
    0: ("ProgramTitle", "Palimora", "Palimora"),
    1: ("PublishHint", "Publier sur le web", "Publish on the web"),
    2: ("SaveHint", "Enregistrer le projet en cours", "Save the current project"),
    3: ("GalleryDesignHint", "Dessin des pages galeries", "Design the gallery pages"),
    4: ("PictureDesignHint", "Dessin des pages images", "Design the picture pages"),
    5: ("AlreadyInProject", "Cette image fait déjà partie du projet.", "This picture is already part of the project."),
    6: ("SaveChangesQuestion", "Le projet a été modifié. Voulez-vous l'enregistrer ?", "The project has changed. Do you want to save it?"),
    7: ("WorkingName", "Nouveau Projet", "New Project"),
    8: ("SaveNewCaption", "Enregistrer le nouveau projet", "Save the new project"),
    9: ("SaveOtherCaption", "Enregistrer le projet sous un autre nom", "Save the project under another name"),
    10: ("OverwriteQuestion", "Un projet porte déjà ce nom. Voulez-vous le remplacer ?", "A project with this name already exists. Do you want to replace it?"),
    11: ("ReservedName", "Ce nom est réservé au projet en cours de création. Choisissez-en un autre.", "This name is reserved for the project being created. Please choose another one."),
    12: ("SaveFirstQuestion", "Votre projet doit d'abord être enregistré. L'enregistrer maintenant ?", "Your project must be saved first. Save it now?"),
    13: ("NoPictures", "Le projet ne contient aucune image. Ajoutez d'abord des images.", "The project has no pictures. Add some pictures first."),
    14: ("Previous", "Précédente", "Previous"),
    15: ("Next", "Suivante", "Next"),
    16: ("ContentsButton", "Sommaire", "Contents"),
    17: ("HelpHint", "Pour obtenir de l'aide...", "Get help..."),
    18: ("MoveDownHint", "Descendre l'image d'un cran", "Move the picture down one place"),
    19: ("AddPicturesHint", "Ajouter des images au projet", "Add pictures to the project"),
    20: ("PicturesStepHint", "Étape 1 : les images du projet", "Step 1: the project's pictures"),
    21: ("RefreshPreviewHint", "Rafraîchir l'aperçu", "Refresh the preview"),
    22: ("MoveUpHint", "Monter l'image d'un cran", "Move the picture up one place"),
    23: ("NewProjectHint", "Créer un nouveau projet", "Create a new project"),
    24: ("OpenProjectHint", "Ouvrir un projet existant", "Open an existing project"),
    25: ("Ok", "OK", "OK"),
    26: ("Cancel", "Annuler", "Cancel"),
    27: ("SeeResult", "Voir le résultat !", "See the result!"),
    28: ("BackTextLabel", "Texte Retour :", "Back text:"),
    29: ("NextTextLabel", "Texte Suite :", "Next text:"),
    30: ("ContentsTextLabel", "Texte Sommaire :", "Contents text:"),
    31: ("QuitHint", "Quitter le logiciel", "Quit the program"),
    33: ("BackPictureLabel", "Image Retour :", "Back picture:"),
    34: ("NextPictureLabel", "Image Suite :", "Next picture:"),
    35: ("ContentsPictureLabel", "Image Sommaire :", "Contents picture:"),
    36: ("SummaryDesignHint", "Dessin de la page sommaire", "Design the contents page"),
    37: ("DeleteTickedHint", "Supprimer les images cochées", "Delete the ticked pictures"),
    38: ("DesignPages", "Dessiner vos pages", "Design your pages"),
    39: ("ButtonsAtBottomCaption", "Afficher les boutons en bas", "Show the buttons at the bottom"),
    40: ("ButtonsAtTopCaption", "Afficher les boutons en haut", "Show the buttons at the top"),
    41: ("PictureTitleCaption", "Afficher le titre des images", "Show the picture titles"),
    42: ("CommentCaption", "Afficher le commentaire des images", "Show the picture comments"),
    43: ("MakeGalleriesCaption", "Générer les pages \"Galerie\"", "Make the \"Gallery\" pages"),
    44: ("MakePicturePagesCaption", "Générer les pages \"Image\" (sinon, images seules)", "Make the \"Picture\" pages (if unticked, pictures alone)"),
    45: ("MakeSummaryCaption", "Générer la page \"Sommaire\"", "Make the \"Contents\" page"),
    46: ("GalleryTitleCaption", "Afficher le titre des galeries", "Show the gallery titles"),
    47: ("ThumbnailTitlesCaption", "Afficher les titres des images", "Show the picture titles"),
    48: ("MakeThumbnailsCaption", "Créer des imagettes pour le sommaire et les galeries", "Make thumbnails for the contents and gallery pages"),
    49: ("HomeLinkCaption", "Afficher le lien Accueil", "Show the Home link"),
    50: ("GalleryPicturesCaption", "Afficher une image pour chaque galerie", "Show a picture for each gallery"),
    52: ("SummaryTitleCaption", "Afficher le titre du sommaire", "Show the contents title"),
    53: ("MessageTitle", "Palimora", "Palimora"),
    54: ("Yes", "Oui", "Yes"),
    55: ("GalleryTitlesCaption", "Afficher les titres des galeries", "Show the gallery titles"),
    56: ("OpenTitle", "Ouvrir un projet", "Open a project"),
    57: ("MainWindowTitle", "Palimora : votre site photo sans écrire une ligne de HTML", "Palimora: your photo site without writing any HTML"),
    58: ("TitleLabel", "Titre :", "Title:"),
    59: ("BackgroundLabel", "Fond :", "Background:"),
    60: ("HomeLinkLabel", "Lien du bouton Accueil :", "Home button link:"),
    61: ("TemplateLabel", "Modèle utilisé :", "Template:"),
    62: ("BackgroundColourLabel", "Couleur de fond :", "Background colour:"),
    63: ("PatternLabel", "Motif :", "Pattern:"),
    64: ("BorderLabel", "Bordure :", "Border:"),
    65: ("MarginLabel", "Marge :", "Margin:"),
    66: ("CellPaddingLabel", "Marge des cellules :", "Cell padding:"),
    67: ("FontLabel", "Police :", "Font:"),
    68: ("PictureBorderLabel", "Bordure de l'image :", "Picture border:"),
    69: ("CommentLabel", "Commentaire :", "Comment:"),
    70: ("PictureSpaceLabel", "Espacement autour de l'image :", "Space around the picture:"),
    71: ("HorizontalLabel", "H :", "H:"),
    72: ("VerticalLabel", "V :", "V:"),
    73: ("PositionLabel", "Position :", "Position:"),
    74: ("PictureLabel", "Image :", "Picture:"),
    75: ("ButtonsLabel", "Boutons Retour, Galerie, Suite :", "Back, Gallery and Next buttons:"),
    76: ("SavedChanged", "Le projet est enregistré. Reconstruisez le site (Voir le résultat) pour le mettre à jour.", "The project is saved. Build the site again (See the result) to bring it up to date."),
    77: ("StylePlain", "Normal", "Plain"),
    78: ("StyleBold", "Gras", "Bold"),
    79: ("StyleItalic", "Italique", "Italic"),
    80: ("StyleUnderlined", "Souligné", "Underlined"),
    81: ("PositionCentred", "Centré", "Centred"),
    82: ("PositionLeft", "Gauche", "Left"),
    83: ("PositionRight", "Droite", "Right"),
    84: ("SampleTitle", "Titre de l'image", "Picture title"),
    85: ("BrowserFont", "Police du navigateur", "Browser's font"),
    86: ("SampleComment1", "Voici le commentaire de l'image,", "Here is the picture's comment,"),
    87: ("SampleComment2", "écrit sur plusieurs lignes", "written over several lines"),
    88: ("SampleComment3", "pour juger de son allure.", "to see how it looks."),
    **{88 + k: (f"Gallery{k}", f"Galerie {k}", f"Gallery {k}") for k in range(1, 11)},
    99: ("Home", "Accueil", "Home"),
    100: ("PictureWord", "Image", "Picture"),
    101: ("GalleryWord", "Galerie", "Gallery"),
    102: ("SummaryWord", "Sommaire", "Contents"),
    103: ("StepOne", "Étape n°1", "Step 1"),
    104: ("StepTwoSummary", "Étape n°2 : sommaire", "Step 2: contents"),
    105: ("StepTwoGalleries", "Étape n°2 : galeries", "Step 2: galleries"),
    106: ("StepTwoPictures", "Étape n°2 : images", "Step 2: pictures"),
    107: ("Connecting", "Connexion au serveur...", "Connecting to the server..."),
    108: ("ConnectingTo", "Connexion à", "Connecting to"),
    109: ("ReadingServerFolders", "Connecté. Lecture des dossiers du serveur...", "Connected. Reading the server's folders..."),
    110: ("LoggingIn", "Identification...", "Logging in..."),
    111: ("CannotCreateFolder", "Impossible de créer le dossier", "Could not create the folder"),
    112: ("SendingProject", "Envoi du projet", "Sending the project"),
    113: ("SendingFolder", "Envoi du dossier", "Sending the folder"),
    114: ("Sending", "Envoi de", "Sending"),
    115: ("PublishingFinished", "Publication terminée.", "Publishing finished."),
    116: ("Disconnecting", "Déconnexion...", "Disconnecting..."),
    117: ("RemovingOldSite", "Suppression de l'ancien site...", "Removing the old site..."),
    118: ("GalleryPageStatus", "Page de la galerie", "Gallery page"),
    119: ("PicturePageStatus", "Page de l'image", "Picture page"),
    120: ("PreparingPicture", "Préparation de l'image", "Preparing picture"),
    121: ("SiteReady", "Le site est prêt !", "The site is ready!"),
    122: ("MissingHeader", "Le fichier HTML du haut est introuvable : rien n'est inséré.", "The top HTML file cannot be found: nothing is inserted."),
    123: ("MissingFooter", "Le fichier HTML du bas est introuvable : rien n'est inséré.", "The bottom HTML file cannot be found: nothing is inserted."),
    124: ("PictureTooLarge", "Cette image est trop grande pour être ouverte :", "This picture is too large to open:"),
    125: ("PictureTooLargeEnd", "(plus de 200 millions de pixels).", "(more than 200 million pixels)."),
    126: ("NameNotStorable", "Ce nom de fichier contient un caractère que Palimora ne peut pas enregistrer :", "This file name holds a character that Palimora cannot store:"),
    127: ("UnusableName", "Ce nom ne peut pas nommer un projet : évitez les caractères < > : \" / \\ | ? *, les noms réservés et un point ou un espace à la fin.", "This name cannot name a project: avoid the characters < > : \" / \\ | ? *, reserved names, and a dot or a blank at the end."),
    128: ("SaveIncomplete", "Le projet n'a pas pu être enregistré entièrement :", "The project could not be saved completely:"),
    129: ("DeleteQuestion", "Supprimer définitivement ce projet et toutes ses images ?", "Delete this project and all its pictures for good?"),
    130: ("TextNotStorable", "Ce texte contient un caractère que Palimora ne peut pas enregistrer ; il n'a pas été enregistré.", "This text holds a character that Palimora cannot store; it was not stored."),
    133: ("ConvertStart", "L'image", "The picture"),
    134: ("ConvertBmpEnd", " est au format BMP, que les navigateurs affichent mal. La convertir en JPEG ?", " is a BMP file, which browsers show poorly. Convert it to JPEG?"),
    135: ("ConvertGifEnd", " est une image GIF. La convertir en JPEG ?", " is a GIF picture. Convert it to JPEG?"),
    136: ("ConvertAnimatedGifEnd", " est une image GIF animée : seule sa première image serait gardée. La convertir en JPEG ?", " is an animated GIF: only its first frame would be kept. Convert it to JPEG?"),
    137: ("FileWord", "Le fichier", "The file"),
    138: ("DoesNotExist", "n'existe pas.", "does not exist."),
    139: ("UnknownFormat", "Format d'image inconnu.", "Unknown picture format."),
    140: ("NotAPicture", "Ce fichier n'est pas une image lisible.", "This file is not a readable picture."),
    141: ("CannotReadPicture", "impossible de lire l'image", "cannot read the picture"),
    142: ("DamagedOrUnknown", "(fichier endommagé ou format non reconnu).", "(damaged file or unknown format)."),
    143: ("PictureNotFound", "Image introuvable.", "Picture not found."),
    144: ("TableFrameLabel", "Tableau - Cadre :", "Table - frame:"),
    145: ("PerRowLabel", "image(s) au plus par ligne", "picture(s) at most per row"),
    146: ("ColonLabel", " :", ":"),
    147: ("MaxWidthLabel", "Largeur max. :", "Max. width:"),
    148: ("HomeTitleLabel", "Titre du bouton Accueil :", "Home button title:"),
    149: ("HomePictureLabel", "Image du bouton Accueil :", "Home button picture:"),
    150: ("MaxHeightLabel", "Hauteur max. :", "Max. height:"),
    151: ("NamesLabel", "Noms", "Names"),
    152: ("FirstPictureLabel", "Première image", "First picture"),
    153: ("LastPictureLabel", "Dernière image", "Last picture"),
    154: ("PicturesLabel", "Images :", "Pictures:"),
    155: ("MaxSizeLabel", "Taille max. :", "Max. size:"),
    156: ("ByLabel", "par", "by"),
    157: ("ItemsPerRowLabel", "Nombre max. d'éléments par ligne :", "Max. items per row:"),
    158: ("TableLabel", "Tableau :", "Table:"),
    159: ("TopHtmlLabel", "Fichier HTML du haut :", "Top HTML file:"),
    160: ("BottomHtmlLabel", "Fichier HTML du bas :", "Bottom HTML file:"),
    161: ("PictureSizeLimitLabel", "Taille max. des images (0 : libre) :", "Max. picture size (0: free):"),
    162: ("ResizeNote", "NB : si ces valeurs ne sont pas nulles, les images seront retaillées.", "Note: if these values are not zero, the pictures will be resized."),
    163: ("PictureFilter", "Images (*.jpg *.jpeg *.heic *.heif *.png *.webp *.tif *.tiff *.bmp *.gif)|*.jpg;*.jpeg;*.heic;*.heif;*.png;*.webp;*.tif;*.tiff;*.bmp;*.gif|JPEG|*.jpg;*.jpeg|HEIC|*.heic;*.heif|PNG|*.png|WebP|*.webp|TIFF|*.tif;*.tiff|BMP|*.bmp|GIF|*.gif;*.giff",
          "Pictures (*.jpg *.jpeg *.heic *.heif *.png *.webp *.tif *.tiff *.bmp *.gif)|*.jpg;*.jpeg;*.heic;*.heif;*.png;*.webp;*.tif;*.tiff;*.bmp;*.gif|JPEG|*.jpg;*.jpeg|HEIC|*.heic;*.heif|PNG|*.png|WebP|*.webp|TIFF|*.tif;*.tiff|BMP|*.bmp|GIF|*.gif;*.giff"),
    164: ("ShowPictures", "Afficher des images", "Show pictures"),
    165: ("ShowTexts", "Afficher des textes", "Show texts"),
    166: ("GalleryPagesTab", "Les pages galeries", "Gallery pages"),
    167: ("MoreTab", "Suite", "More"),
    168: ("ExtrasTab", "Compléments", "Extras"),
    169: ("SummaryPageTab", "La page sommaire", "Contents page"),
    170: ("ButtonsTab", "Boutons", "Buttons"),
    171: ("PicturePagesTab", "Les pages images", "Picture pages"),
    172: ("ImageTab", "Image", "Picture"),
    173: ("TextsTab", "Textes", "Texts"),
    174: ("No", "Non", "No"),
    175: ("ProjectNameLabel", "Nom du projet :", "Project name:"),
    176: ("StyleLabel", "Style :", "Style:"),
    177: ("SizeLabel", "Taille :", "Size:"),
    178: ("ColourLabel", "Couleur :", "Colour:"),
    179: ("ThicknessLabel", "Épaisseur :", "Thickness:"),
    186: ("PleaseWait", "Patientez...", "Please wait..."),
    187: ("BuildTitle", "Construction du site", "Building the site"),
    188: ("ViewSite", "Voir le site", "View the site"),
    189: ("PublishTitle", "Publication sur le web", "Publishing on the web"),
    190: ("FtpServerLabel", "Serveur FTP :", "FTP server:"),
    191: ("UserNameLabel", "Votre identifiant :", "Your user name:"),
    192: ("PasswordLabel", "Mot de passe :", "Password:"),
    193: ("FtpServerExample", "(par exemple : ftp.monhebergeur.fr)", "(for example: ftp.myhost.com)"),
    194: ("AskYourHost", "Si vous l'ignorez, demandez-le à votre hébergeur.", "If you do not know it, ask your hosting provider."),
    195: ("TheProject", "Le projet", "The project"),
    196: ("PublishedInFolder", " sera publié dans le dossier du serveur que vous choisirez.", " will be published in the server folder that you choose."),
    197: ("Publishing", "Publication en cours", "Publishing"),
    198: ("ViewOnline", "Voir en ligne", "View online"),
    199: ("WaitTitle", "Chargement des images en cours...", "Loading pictures..."),
    200: ("ListUnreadable", "Une image n'a pas pu être lue : la liste s'arrête avant elle.", "A picture could not be read: the list stops before it."),
    201: ("CannotGoUp", "Impossible de remonter d'un dossier sur le serveur.", "Could not go up one folder on the server."),
    202: ("HtmlFilter", "Pages HTML (*.htm *.html)|*.htm;*.html", "HTML pages (*.htm *.html)|*.htm;*.html"),
    203: ("StripsLabel", "Découper chaque image JPEG en :", "Cut each JPEG picture into:"),
    204: ("StripsNote", "NB : ces réglages modifient les images JPEG du projet.", "Note: these settings change the project's JPEG pictures."),
    205: ("HtmlPathNote", "Donnez le chemin complet des fichiers HTML.", "Give the full path of the HTML files."),
    206: ("StampCaption", "Mettre un copyright sur les images JPEG", "Stamp a copyright on the JPEG pictures"),
    207: ("CornerBottomRight", "En bas à droite", "Bottom right"),
    208: ("CornerBottomLeft", "En bas à gauche", "Bottom left"),
    209: ("CornerTopRight", "En haut à droite", "Top right"),
    210: ("CornerTopLeft", "En haut à gauche", "Top left"),
    211: ("StampPictureLabel", "Image du copyright :", "Copyright picture:"),
    212: ("EdgeDistanceLabel", "Écart avec le bord :", "Distance from the edge:"),
    214: ("ProtectionLabel", "Protection de vos images :", "Protecting your pictures:"),
    215: ("StripsUnit", "morceau(x)", "strip(s)"),
    216: ("NoKindOfPage", "Aucun type de page n'est choisi : cochez la page sommaire, les pages galeries ou les pages images.", "No kind of page is chosen: tick the contents page, the gallery pages or the picture pages."),
    217: ("NoKindOfPageToPublish", "Aucun type de page n'est choisi : cochez la page sommaire, les pages galeries ou les pages images.", "No kind of page is chosen: tick the contents page, the gallery pages or the picture pages."),
    218: ("PictureAlt", "Photo", "Photo"),
    219: ("MissingMarker", "Le modèle de page ne contient pas le repère", "The page template lacks the marker"),
    220: ("MadeWith", "Site réalisé avec", "Site made with"),
    221: ("SignatureName", "Palimora", "Palimora"),
    222: ("TopOfPage", "Haut de page", "Top of page"),
    223: ("Back", "Retour", "Back"),
    224: ("LogoFile", "logo.gif", "logo.gif"),
    225: ("NothingToSave", "Ce projet ne contient aucune image : il n'y a rien à enregistrer.", "This project has no pictures: there is nothing to save."),
    226: ("PublishQuestion", "Se connecter maintenant au serveur pour publier le site ?", "Connect to the server now and publish the site?"),
    227: ("SendFolderError", "Erreur pendant l'envoi du dossier", "Error while sending the folder"),
    228: ("RemoteFileWord", "Le fichier", "The file"),
    229: ("ReplaceRemoteQuestion", "existe déjà sur le serveur. Le remplacer ?", "already exists on the server. Replace it?"),
    230: ("NotBuiltYet", "Le site n'a pas encore été construit : cliquez d'abord sur « Voir le résultat ».", "The site has not been built yet: click \"See the result\" first."),
    231: ("ConnectionFailed", "La connexion au serveur a échoué. Vérifiez l'adresse, l'identifiant et le mot de passe.", "Could not connect to the server. Check the address, user name and password."),
    232: ("SaveFirst", "Le projet doit d'abord être enregistré sous un nom.", "The project must first be saved under a name."),
    233: ("SaveFirstToPublish", "Le projet doit d'abord être enregistré sous un nom.", "The project must first be saved under a name."),
    234: ("DeleteCaption", "Supprimer", "Delete"),
    235: ("OpenProjectCannotGo", "Le projet ouvert ne peut pas être supprimé.", "The open project cannot be deleted."),
    236: ("NarrowScreen", "Votre écran fait moins de 800 pixels de large : la fenêtre n'y tiendra pas entièrement.", "Your screen is less than 800 pixels wide: the window will not fit on it."),
    237: ("OpenFailed", "Le projet n'a pas pu être ouvert. Un nouveau projet commence.", "The project could not be opened. A new project is started."),
    238: ("QuitQuestion", "Voulez-vous vraiment quitter Palimora ?", "Do you really want to quit Palimora?"),
    239: ("FewColours", "Votre écran n'affiche que 256 couleurs ou moins : les images seront mal rendues.", "Your screen shows 256 colours or fewer: pictures will look poor."),
    240: ("InsertHtmlLabel", "Insérer des pages HTML :", "Insert HTML pages:"),
    241: ("HelpButton", "Aide", "Help"),
    242: ("ServerFolder", "Dossier du serveur", "Server folder"),
    243: ("PublishFolderLabel", "Dossier où publier le site :", "Folder to publish the site in:"),
    244: ("FileUnusable", "Ce fichier ou ce dossier n'a pas pu être utilisé :", "This file or folder could not be used:"),
    245: ("OutOfMemory", "La mémoire manque pour terminer cette commande. Fermez d'autres programmes et réessayez.",
          "There is not enough memory to finish this command. Close other programs and try again."),
    246: ("UnexpectedError", "Erreur inattendue :", "Unexpected error:"),
    247: ("SampleUnavailable", "L'aperçu ne peut pas être affiché : choisissez un modèle dans le premier onglet.",
          "The preview cannot be shown: choose a template on the first tab."),
    248: ("PreviewWidthHint", "Clic droit sur l'aperçu : la page comme sur un téléphone, ou comme sur un ordinateur.",
          "Right-click the preview: the page as on a phone, or as on a computer."),
    249: ("ServerTimedOut", "Le serveur ne répond plus : temps dépassé.", "The server stopped answering: timed out."),
    250: ("RemotePathTooLong", "Le chemin du dossier du serveur ne peut pas dépasser 400 caractères.",
          "The server folder's path cannot be longer than 400 characters."),
    251: ("AlreadyRunning", "Palimora est déjà ouvert avec ce dossier de programme : utilisez la fenêtre déjà ouverte.",
          "Palimora is already running with this program folder: please use the window that is already open."),
    252: ("FileUnreadable", "Ce fichier n'a pas pu être lu :", "This file could not be read:"),
    253: ("NotAnOrdinaryFile", "Ce nom ne désigne pas un fichier ordinaire (un dossier ou un fichier spécial) :",
          "This name is not an ordinary file (a folder or a special file):"),
    254: ("FileTooLarge", "Ce fichier est trop grand pour être lu :", "This file is too large to be read:"),
    255: ("FileUnwritable", "Ce fichier n'a pas pu être écrit :", "This file could not be written:"),
    256: ("FileNotReplaced", "Ce fichier n'a pas pu être remplacé :", "This file could not be replaced:"),
    257: ("FileNotCopied", "Ce fichier n'a pas pu être copié :", "This file could not be copied:"),
    258: ("TextNotUtf8", "Ce texte est illisible (ce n'est pas de l'UTF-8) :", "This text cannot be read (it is not UTF-8):"),
    259: ("CharacterNotStorable", "Ce caractère ne peut pas être enregistré (Windows-1252) :",
          "This character cannot be stored (Windows-1252):"),
    260: ("NotConnected", "Le serveur n'est pas connecté.", "The server is not connected."),
    261: ("ListingUnderWay", "Une lecture de dossier du serveur est déjà en cours.", "A server folder is already being read."),
    280: ("ConvertPhotoEnd", " n'est pas une image JPEG, la seule sorte que le site garde. La convertir en JPEG ?",
          " is not a JPEG picture, the only kind the site keeps. Convert it to JPEG?"),
    281: ("SkippedWithoutConvert", "Image non ajoutée : ajoutez --convert pour la convertir.",
          "Picture not added: add --convert to have it converted."),
    282: ("PictureAdded", "Image ajoutée :", "Picture added:"),
    310: ("PictureNotMoved", "L'image n'a pas pu être déplacée ; les images restent à leur place. Fichier en cause :",
          "The picture could not be moved; the pictures stay where they were. File concerned:"),
    311: ("ParamCopyFailed", "Ces fichiers n'ont pas pu être copiés dans le dossier param du site, les pages qui les montrent resteront sans eux :",
          "These files could not be copied into the site's param folder, so the pages that show them will be without them:"),
    312: ("PreviewPixels", "pixels", "pixels"),
    330: ("UntrustedCertificate", "Le certificat présenté par le serveur n'a pas pu être vérifié.",
          "The certificate the server presented could not be verified."),
    331: ("UnknownHostKey", "La clé de ce serveur SSH est inconnue : elle ne figure pas dans ~/.ssh/known_hosts.",
          "This SSH server's key is unknown: it is not in ~/.ssh/known_hosts."),
    332: ("ChangedHostKey", "ATTENTION : la clé de ce serveur SSH a changé depuis la dernière fois. Quelqu'un pourrait se faire passer pour lui.",
          "WARNING: this SSH server's key has changed since last time. Someone may be pretending to be it."),
    333: ("ReasonLabel", "Raison :", "Reason:"),
    334: ("FingerprintLabel", "Empreinte SHA-256 :", "SHA-256 fingerprint:"),
    335: ("ConnectOnlyIfKnown", "Ne continuez que si vous reconnaissez cette empreinte. Continuer ?",
          "Go on only if you recognise this fingerprint. Go on?"),
}

LAST = 335
FRENCH, ENGLISH = 1, 2


def language_file(column):
    lines = [f"{n},{TEXTS[n][column] if n in TEXTS else ''}" for n in range(LAST + 1)]
    for n, line in enumerate(lines):
        assert len(line.encode("cp1252")) <= 249, f"text {n} is too long"
    return ("\r\n".join(lines) + "\r\n").encode("cp1252")


def text_id_header():
    names = [TEXTS[n][0] for n in sorted(TEXTS)]
    assert len(set(names)) == len(names), "two texts share a name"
    enumerators = "".join(f"    {TEXTS[n][0]} = {n},\n" for n in sorted(TEXTS))
    table = "".join(f"    TextId::{name},\n" for name in names)
    return f"""#pragma once

// Written by tools/language_texts.py from its table of texts: edit the table
// and run the script, not this file.

#include <array>

namespace palimora {{

// A language text, by what the program uses it for. Its value is the text's
// line in french.asc and english.asc.
enum class TextId {{
{enumerators}}};

// Every text the language files hold, in line order.
inline constexpr std::array<TextId, {len(names)}> kAllTextIds{{{{
{table}}}}};

inline constexpr int kLanguageFileLines = {LAST + 1};

// The default name of gallery `gallery` (1 to 10).
constexpr TextId GalleryText(int gallery) {{
    return static_cast<TextId>(static_cast<int>(TextId::Gallery1) + gallery - 1);
}}

}}  // namespace palimora
""".encode("ascii")


def outputs(root):
    return {
        root / "assets" / "french.asc": language_file(FRENCH),
        root / "assets" / "english.asc": language_file(ENGLISH),
        root / "lang" / "TextId.h": text_id_header(),
    }


if __name__ == "__main__":
    root = pathlib.Path(__file__).resolve().parent.parent
    check = sys.argv[1:] == ["--check"]
    stale = []
    for path, content in outputs(root).items():
        if check:
            if not path.exists() or path.read_bytes() != content:
                stale.append(path)
        else:
            path.write_bytes(content)
    for path in stale:
        print(f"{path} differs from what tools/language_texts.py writes: run it", file=sys.stderr)
    sys.exit(1 if stale else 0)
