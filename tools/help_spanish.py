"""The help pages in Spanish, for tools/help_pages.py: the same pages, blocks
and {Name} captions as the French and English ones."""

PAGES = {
    "infos.htm": ("Bienvenido a Palimora", """
<div class="card"><p>Palimora crea su sitio web de fotos sin que usted escriba una sola línea de HTML.</p>
<ol><li><b>Paso 1</b>: añada sus imágenes, dé a cada una un título y un comentario y póngalas en el orden que desee.</li>
<li>Guarde su proyecto con un nombre.</li>
<li><b>Paso 2</b>: elija el aspecto de las páginas índice, de galería y de imagen; la vista previa sigue cada cambio.</li>
<li><b>Ver el resultado</b> crea el sitio y lo abre en su navegador.</li>
<li><b>Publicar en la web</b> envía el sitio a su alojamiento por FTP.</li></ol></div>
<p>Tecla F1 o botón <b>?</b>: ayuda de la pantalla mostrada. Esc: salir.</p>
<p>Teclas: Ctrl+N nuevo, Ctrl+O abrir, Ctrl+S guardar, Ctrl+1 y Ctrl+2 los pasos, Ctrl+3 a Ctrl+5 las páginas de índice, galería e imagen, F5 la vista previa de nuevo, Ctrl+I añadir, Alt+Up y Alt+Down mover, Supr quitar las imágenes marcadas, Ctrl+R ver el resultado, Ctrl+P publicar, Ctrl+Mayús+P publicar en otro sitio, Ctrl+Q salir. Tab pasa de un control a otro, Espacio pulsa el botón elegido.</p>"""),
    "sommairewebs.htm": ("Paso 1: las imágenes del proyecto", """
<div class="card"><h2>Añadir imágenes</h2><p>El botón <b>+</b> añade una imagen JPEG, GIF o BMP. Se copia en el proyecto:
el original nunca se modifica. Las imágenes BMP y GIF pueden convertirse a JPEG, que los navegadores muestran mejor.</p></div>
<div class="card"><h2>Títulos y comentarios</h2><p>Haga clic en una imagen de la lista y luego en la pestaña <b>Textos</b>: escriba el título y el comentario y luego <b>Aceptar</b>.</p></div>
<div class="card"><h2>Orden y borrado</h2><p>Las flechas suben o bajan la imagen elegida. Marque imágenes y haga clic en la cruz para quitarlas del proyecto.</p></div>
<div class="card"><h2>Guardar</h2><p>El botón del disquete guarda el proyecto con un nombre; sin él, sus imágenes no se conservan al cerrar el programa.</p></div>"""),
}

COMMON = """
<div class="card"><h2>Ajustes que se repiten</h2><ul>
<li><b>Cuadros de color</b>: haga clic en un cuadro para elegir su color.</li>
<li>{PositionLabel}: {PositionCentred}, {PositionLeft} o {PositionRight}.</li>
<li>{FontLabel}: {BrowserFont} deja elegir al navegador del visitante. Las demás fuentes son las de su ordenador:
un visitante que no tenga la fuente elegida ve el texto en Arial o Helvetica.</li>
<li>Estilo: {StylePlain}, {StyleBold}, {StyleItalic} o {StyleUnderlined}.</li>
<li>Tamaño del texto: de 1 (muy pequeño) a 7 (muy grande); 3 es el tamaño habitual.</li>
<li>{BorderLabel}: el grosor del marco en píxeles; 0: sin marco.</li>
<li>{PatternLabel}: una imagen de fondo, que el navegador repite por toda la superficie. El botoncito a la derecha del campo
abre la elección de un archivo; la imagen se copia con el sitio. También puede escribir la dirección de una imagen de la web (que empiece por http o www).</li>
</ul></div>"""

PREVIEW = """<p>Pase de un tipo de página a otro con los botones {SummaryDesignHint}, {GalleryDesignHint} y {PictureDesignHint}.
A la derecha, la vista previa muestra una página de ejemplo con sus propias imágenes. Cada cambio aparece en ella en cuanto hace una pausa;
la lupa ({RefreshPreviewHint}) la rehace al instante. Un clic derecho en la vista previa, o el interruptor de al lado, la muestra como en un teléfono.
Cada ajuste cuenta en cuanto lo cambia: guarde el proyecto para conservarlo
y luego haga clic en {SeeResult} para crear el sitio.</p>"""

INSERT_HTML = """<p>En {InsertHtmlLabel}, el contenido de un archivo HTML suyo (una cabecera, una dirección, un enlace...) se inserta tal cual
donde lo prevé la plantilla, arriba ({TopHtmlLabel}) o abajo ({BottomHtmlLabel}) de la página.
Elija el archivo con el botoncito a la derecha del campo. {HtmlPathNote} Deje el campo vacío para no insertar nada.
Si el archivo ya no existe, Palimora lo avisa y crea la página sin él.</p>"""

TABLE = """<li>{BorderLabel} y su color: el marco de la tabla.</li>
<li>{PositionLabel}: dónde está la tabla en la página.</li>
<li>El fondo de la tabla: un color, o una imagen de {PatternLabel} repetida.</li>
<li>{MarginLabel}: el espacio entre las celdas de la tabla, en píxeles.</li>
<li>{CellPaddingLabel}: el espacio entre el borde de una celda y su contenido, en píxeles.</li>"""

NEW_PAGES = {
    "etape2.htm": ("Paso 2: diseño de la página índice", """
<div class="card"><p>La página índice es la portada de su sitio (index.html): presenta sus galerías,
cada una con una imagen y su nombre, que llevan a la página de la galería. Sus ajustes están en cuatro pestañas.</p>
{PREVIEW}</div>
<div class="card"><h2>Pestaña {SummaryPageTab}</h2><ul>
<li>{MakeSummaryCaption}: sin esta casilla, el sitio no tiene página índice y se abre en la primera galería
(o en la página de la primera imagen si no hay galerías).</li>
<li>{TemplateLabel}: la disposición general de la página, elegida entre las plantillas incluidas.</li>
<li>{BackgroundColourLabel} y {PatternLabel}: el fondo de la página.</li>
<li>{MakeThumbnailsCaption}: Palimora hace copias reducidas de sus imágenes JPEG para la página índice y las páginas de galería,
a los tamaños elegidos en las pestañas {MoreTab}. Las páginas se muestran entonces mucho más deprisa. Sin esta casilla,
estas páginas muestran las imágenes enteras, a su tamaño real (las imágenes que no son JPEG se muestran siempre enteras).</li>
<li>{SummaryTitleCaption}: el título de arriba de la página. {TitleLabel}: su texto; si se deja vacío, es el nombre del proyecto.
Este título figura también en el nombre de cada página del sitio, en la barra o la pestaña del navegador.
Luego vienen su posición, fuente, estilo, tamaño y color.</li>
</ul></div>
<div class="card"><h2>Pestaña {MoreTab}</h2>
<p>{TableLabel}: las galerías se colocan en una tabla.</p><ul>
<li>{ItemsPerRowLabel}: de 1 a 11 celdas por fila (las galerías, y el enlace de inicio si se muestra).</li>
{TABLE}</ul>
<p>{GalleryPicturesCaption}: cada galería se muestra con su primera imagen; un clic en ella abre la galería.</p><ul>
<li>{MaxSizeLabel}: ancho {ByLabel} alto, en píxeles. Cuando se crean miniaturas (pestaña {SummaryPageTab}),
cada imagen se reduce para caber en este tamaño, sin deformarse ni ampliarse.</li>
<li>Su posición, y el grosor y el color de su borde.</li></ul>
<p>{GalleryTitlesCaption}: el nombre de cada galería, que también lleva a la galería; su posición, fuente, estilo,
tamaño y color (el color de los enlaces de la página).</p></div>
<div class="card"><h2>Pestaña {ButtonsTab}: sus galerías</h2>
<p>Esta pestaña forma hasta diez galerías, una fila cada una ({Gallery1} a {Gallery10}):</p><ul>
<li>{NamesLabel}: el nombre de la galería. Una galería sin nombre no existe.</li>
<li>{FirstPictureLabel} y {LastPictureLabel}: la galería reúne las imágenes de la primera a la última,
en el orden de la lista del paso 1. Las imágenes se llaman ahí por su número en esa lista (000001.jpg la primera).
Si la última va antes que la primera, la galería está vacía.</li></ul>
<p>Una imagen puede estar en varias galerías. Un proyecto nuevo tiene una sola galería, {Gallery1}, de la primera imagen a la última.
Rellene las galerías en orden, sin dejar una fila vacía entre dos galerías.</p></div>
<div class="card"><h2>Pestaña {ExtrasTab}</h2>
<p>{HomeLinkCaption}: añade a la tabla una celda que lleva a la dirección que elija, por ejemplo su página personal.</p><ul>
<li>{HomeTitleLabel}: el texto de este enlace ({Home} si lo deja vacío).</li>
<li>{HomeLinkLabel}: la dirección completa, usada tal como la escribe (por ejemplo http://www.example.com).</li>
<li>{HomePictureLabel}: la imagen de esta celda, mostrada cuando las galerías tienen imagen; un archivo o una dirección de la web.</li></ul>
{INSERT_HTML}
<p>{TodaysBrowsersCaption}: cada página indica su idioma y describe el sitio, cada imagen lleva su título como texto alternativo y cada página de imagen lleva el nombre de su imagen. Las imágenes llevan su tamaño, las galerías grandes continúan en otras páginas, y las flechas del teclado, un deslizamiento del dedo o la tecla F recorren las imágenes. Sin marcar, las páginas quedan exactamente como las escribían las versiones anteriores.</p>
<p>{SiteLanguageLabel} las palabras fijas de las páginas («Anterior», «Índice», los títulos de las páginas) están en este idioma, sea cual sea el del programa.</p></div>
{COMMON}
"""),
    "etape2b.htm": ("Paso 2: diseño de las páginas de galería", """
<div class="card"><p>Cada galería tiene su página: sus imágenes se muestran en pequeño en una tabla, y un clic en una de ellas
abre la página de la imagen. Bajo la tabla, unos enlaces llevan a la página índice (cuando se crea) y a las demás galerías.
Las galerías mismas (nombres, primera y última imagen) se forman en la pestaña {ButtonsTab} de la página índice.</p>
{PREVIEW}</div>
<div class="card"><h2>Pestaña {GalleryPagesTab}</h2><ul>
<li>{MakeGalleriesCaption}: sin esta casilla, el sitio no tiene páginas de galería y todas las imágenes del proyecto
se suceden, de la primera a la última.</li>
<li>{TemplateLabel}: la disposición general de las páginas de galería.</li>
<li>{BackgroundColourLabel} y {PatternLabel}: el fondo de las páginas.</li>
<li>{TableFrameLabel}: las imágenes pequeñas se colocan en una tabla, con como mucho el número de imágenes por fila que elija ({PerRowLabel}).</li>
{TABLE}</ul></div>
<div class="card"><h2>Pestaña {MoreTab}</h2><ul>
<li>{GalleryTitleCaption}: el nombre de la galería arriba de su página; su posición, fuente, estilo, tamaño y color.</li>
<li>Las imágenes pequeñas: su posición, y el grosor y el color de su borde.
{MaxWidthLabel} y {MaxHeightLabel}, en píxeles: cuando la pestaña {SummaryPageTab} pide {MakeThumbnailsCaption},
cada imagen se reduce para caber en este tamaño, sin deformarse ni ampliarse.</li>
<li>{ThumbnailTitlesCaption}: el título dado a cada imagen en el paso 1, con su imagen pequeña, que también lleva
a la página de la imagen; su posición, fuente, estilo, tamaño y color. Este color es también el de los enlaces del pie de la página.</li>
</ul></div>
<div class="card"><h2>Pestaña {ExtrasTab}</h2>{INSERT_HTML}</div>
{COMMON}
"""),
    "etape2c.htm": ("Paso 2: diseño de las páginas de imagen", """
<div class="card"><p>Cada imagen tiene su página, en cada galería a la que pertenece: la imagen, su título y su comentario
(escritos en el paso 1) y botones para ir a la imagen anterior, a la galería y a la imagen siguiente.
Un clic en la imagen lleva también a la siguiente.</p>
{PREVIEW}</div>
<div class="card"><h2>Pestaña {PicturePagesTab}</h2><ul>
<li>{MakePicturePagesCaption}: sin esta casilla, un clic en una imagen pequeña de una galería muestra la imagen sola en el navegador.</li>
<li>{TemplateLabel}: la disposición general de las páginas de imagen.</li>
<li>{BackgroundColourLabel} y {PatternLabel}: el fondo de las páginas.</li>
<li>{PictureTitleCaption}: el título de la imagen; su posición, fuente, estilo, tamaño y color.</li>
<li>{TableFrameLabel}: la tabla de la página.</li>
{TABLE}</ul></div>
<div class="card"><h2>Pestaña {MoreTab}</h2><ul>
<li>{PictureLabel}: la posición de la imagen.</li>
<li>{PictureBorderLabel}: el grosor y el color del marco alrededor de la imagen.</li>
<li>{PictureSpaceLabel}: {HorizontalLabel} el espacio libre a izquierda y derecha, {VerticalLabel} el espacio libre arriba y abajo, en píxeles.</li>
<li>{PictureSizeLimitLabel}: ancho y alto en píxeles. {ResizeNote} Cuando ambos valores no son cero, cada imagen JPEG más grande
se reduce para caber al crear el sitio ({SeeResult}); el sitio muestra la copia reducida, y el proyecto conserva la imagen
tal como usted la dio, sin enviarla nunca a la red. Las imágenes más pequeñas conservan su tamaño.</li>
<li>{CommentCaption}: el comentario de la imagen; {CommentLabel}: su posición, fuente, estilo, tamaño y color.</li>
</ul></div>
<div class="card"><h2>Pestaña {ButtonsTab}</h2><ul>
<li>{ButtonsAtTopCaption}, {ButtonsAtBottomCaption}: dónde van los botones; puede marcar ambas.</li>
<li>{ButtonsLabel}: su posición, fuente, estilo, tamaño y color (para los botones de texto;
el color es también el de los enlaces de la página).</li>
<li>{ShowTexts}: los tres campos {BackTextLabel}, {ContentsTextLabel} y {NextTextLabel} dan las palabras de los botones
({Previous}, {ContentsButton}, {Next} si los deja vacíos).</li>
<li>{ShowPictures}: los tres campos pasan a ser {BackPictureLabel}, {ContentsPictureLabel} y {NextPictureLabel};
elija cada imagen con el botoncito a la derecha del campo.</li></ul>
<p>La primera imagen de una galería no tiene botón hacia la anterior, la última no tiene botón hacia la siguiente.
El botón del medio lleva a la página de la galería; solo aparece cuando se crean las páginas de galería.</p></div>
<div class="card"><h2>Pestaña {ExtrasTab}</h2>{INSERT_HTML}
<h2>{ProtectionLabel}</h2><ul>
<li>{StripsLabel}: de 1 a 9 {StripsUnit}. Cada imagen JPEG se corta en franjas puestas una debajo de otra: el visitante ve
la imagen entera, pero al guardarla solo obtiene una franja. 1: la imagen no se corta.</li>
<li>{StampCaption}: una pequeña imagen JPEG suya (su nombre, su firma) se pega en una esquina de cada imagen JPEG.
{StampPictureLabel}: el archivo de esa imagen; luego la esquina ({CornerBottomRight}, {CornerBottomLeft}, {CornerTopRight}, {CornerTopLeft})
y la {EdgeDistanceLabel} en píxeles (0 a 100). El sello tapa la imagen que hay debajo (sin transparencia).</li></ul>
<p>{StripsNote} Sin franjas, el sello se pega una vez en la copia de la imagen que muestra el sitio;
con franjas, va en la última franja. El proyecto conserva la imagen tal como usted la dio, sin sello, y nunca la envía a la red.</p></div>
{COMMON}
"""),
    "etape4.htm": ("Publicar en la web", """
<div class="card"><p>El botón {PublishHint} de la barra de herramientas envía su sitio a su alojamiento por FTP.
Necesita la dirección de su servidor FTP, su nombre de usuario y su contraseña: se los da su proveedor de alojamiento.</p>
<h2>Antes de publicar</h2><p>El proyecto debe tener imágenes, estar guardado con un nombre y tener al menos un tipo de página marcado,
y el sitio debe haberse creado con {SeeResult}. Si el proyecto tiene cambios sin guardar, Palimora ofrece
guardarlo; esa vez no se envía nada: haga clic en {SeeResult} para volver a crear el sitio y luego otra vez en {PublishHint}.</p></div>
<div class="card"><h2>La ventana {PublishTitle}</h2><ul>
<li>{FtpServerLabel}: por ejemplo ftp.miproveedor.es, sin http:// delante.</li>
<li>{UserNameLabel} y {PasswordLabel}: los de su cuenta en el alojamiento; la contraseña no se ve al escribirla.</li>
<li>{Ok} solo funciona cuando los tres campos están rellenos; Palimora pregunta entonces: {PublishQuestion}</li>
<li>{HelpButton} (o la tecla F1) abre esta página; {Cancel} (o la tecla Esc) cierra la ventana sin enviar nada.</li></ul>
<p>La dirección y el nombre de usuario se vuelven a ofrecer hasta que salga de Palimora. La contraseña debe escribirse de nuevo
en cada publicación, salvo si marca {RememberPassword}: entonces se guarda en el llavero de su escritorio, nunca en un archivo
de Palimora, y la ventana la vuelve a poner la próxima vez. Desmarque la casilla para que se olvide.</p>
<p>Con la contraseña guardada, la publicación siguiente se hace con un clic, incluso tras salir de Palimora: el proyecto se guarda, el sitio se construye
si hace falta y se envía al mismo servidor y a la misma carpeta, sin esta ventana. Solo se pregunta el plan de los cambios. Para volver a esta ventana
(otro servidor, otra contraseña), pulse Ctrl+Mayús+P o mantenga Mayús pulsada al hacer clic en el botón de publicar.</p>
<p>Si el servidor no ofrece cifrado, Palimora lo dice antes de enviar la contraseña y no envía nada en claro sin su acuerdo;
su respuesta se recuerda para ese servidor. Un certificado o una clave de servidor que aceptó se recuerdan igual; si cambian,
Palimora se detiene y muestra la huella antigua y la nueva.</p></div>
<div class="card"><h2>Conexión</h2><p>La ventana {Publishing} muestra cada paso: {ConnectingTo} su servidor, {LoggingIn}
y luego {ReadingServerFolders} Si la conexión falla, aparece el mensaje {ConnectionFailed} y la ventana se cierra.</p>
<h2>La carpeta del servidor</h2><p>La ventana {ServerFolder} pide, en {PublishFolderLabel}, la carpeta del servidor donde poner el sitio. Ofrece el nombre del proyecto,
con sus espacios cambiados por "_". La carpeta se toma dentro de aquella en la que le recibe el servidor, y se crea si no existe.</p><ul>
<li>Para una carpeta dentro de otra, separe los nombres con "/", por ejemplo fotos/vacaciones; ".." sube una carpeta;
una "/" al principio parte de la carpeta superior del servidor.</li>
<li>Un nombre vacío envía el sitio directamente a la carpeta de bienvenida del servidor.</li>
<li>{Cancel} detiene la publicación sin enviar nada.</li></ul></div>
<div class="card"><h2>Qué se envía</h2><p>Palimora crea las carpetas del sitio en el servidor (images, param, tn_images, tns_images, o morc_images
para las imágenes cortadas en franjas). Si una carpeta no se puede crear ni abrir, aparece el mensaje {FolderNotEntered} y no se envía nada:
el sitio nunca acaba en otra carpeta.</p>
<p>Palimora guarda en el proyecto un registro de lo que envió a cada servidor, nombre de usuario y carpeta. Luego compara cada archivo del sitio
con ese registro y con la lista del servidor: un archivo es nuevo, cambiado (su contenido cambió desde el último envío, o su tamaño en el
servidor ya no es el correcto), sin cambios, o que quitar (Palimora lo envió y el sitio ya no lo tiene, por ejemplo tras borrar una imagen;
un archivo que Palimora no envió nunca se quita).</p>
<p>Cuando se reemplazarían o quitarían archivos del servidor, una pregunta muestra este plan, con el número y el tamaño de los archivos
(el detalle archivo por archivo se abre debajo):</p><ul>
<li>{SendChangesButton} (lo predeterminado, tecla Intro) envía los archivos nuevos y cambiados y quita los que hay que quitar;</li>
<li>{SendAllButton} vuelve a enviar todos los archivos del sitio;</li>
<li>{Cancel} detiene la publicación sin enviar nada.</li></ul>
<p>Si el sitio en línea ya está al día, no se pregunta ni se envía nada: {NothingToSend}</p></div>
<div class="card"><h2>Envío</h2><p>La línea de arriba dice qué archivo sale ({Sending} ...), la barra muestra el avance.
{Cancel} detiene el envío entre dos archivos: la ventana se cierra y un mensaje dice cuántos archivos se enviaron y cuáles no.
Si el envío falla, el mensaje dice por qué ({SendFolderError}, {ConnectionFailed}...) con, en una segunda línea, la respuesta del servidor
o el motivo que dio el sistema.</p></div>
<div class="card"><h2>Ver el sitio publicado</h2><p>Al final aparece {PublishingFinished} y el botón {ViewOnline} abre el sitio en su navegador:
la página índice, o la primera galería, o la primera imagen, según las páginas creadas. Palimora deduce la dirección del sitio
de la del servidor cuando puede:</p><ul>
<li>una dirección de servidor que empieza por "www." se conserva: www.misitio.es/carpeta/index.html;</li>
<li>una dirección que empieza por "ftp." pasa a "www." y se añade su nombre de usuario: con ftp.miproveedor.es y
el usuario garcia, www.miproveedor.es/garcia/carpeta/index.html;</li>
<li>para cualquier otra dirección, Palimora le pide una vez la dirección de su sitio ({WebAddressPrompt}) y la guarda con el proyecto.</li></ul>
<p>Si la página no se abre, pida a su proveedor de alojamiento la dirección de su sitio.</p></div>
"""),
}

NAV = ("Véase también", [("sommairewebs.htm", "Paso 1: las imágenes"), ("etape2.htm", "La página índice"),
                         ("etape2b.htm", "Las páginas de galería"), ("etape2c.htm", "Las páginas de imagen"),
                         ("etape4.htm", "Publicar en la web")])
