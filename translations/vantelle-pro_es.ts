<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AlphaStretch</name>
    <message>
        <source>Cannot resample a %1 x %2 picture to %3 x %4: the source needs at least 1 x 2 pixels and the destination at least 2 x 2.</source>
        <translation>No se puede redimensionar una imagen de %1 x %2 a %3 x %4: el origen necesita al menos 1 x 2 píxeles y el destino al menos 2 x 2.</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>No se puede abrir el archivo «%1». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>No se puede crear el archivo «%1». %2</translation>
    </message>
</context>
<context>
    <name>FileStorage</name>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>No se puede leer el archivo «%1». %2</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>No se puede escribir el archivo «%1». %2</translation>
    </message>
    <message>
        <source>The picture container &quot;%1&quot; cannot grow beyond 2 GiB.</source>
        <translation>El contenedor de imágenes «%1» no puede superar los 2 GiB.</translation>
    </message>
    <message>
        <source>ends inside its length field</source>
        <translation>termina dentro de su campo de longitud</translation>
    </message>
    <message>
        <source>runs past the end of the file</source>
        <translation>sobrepasa el final del archivo</translation>
    </message>
    <message>
        <source>lies beyond 2 GiB</source>
        <translation>está más allá de los 2 GiB</translation>
    </message>
    <message>
        <source>The file ended unexpectedly</source>
        <translation>El archivo terminó de forma inesperada</translation>
    </message>
    <message>
        <source>The picture container &quot;%1&quot; is damaged (entry %2 %3).</source>
        <translation>El contenedor de imágenes «%1» está dañado (la entrada %2 %3).</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holding %2 cannot be written (%3); nothing was changed</source>
        <translation>No se puede escribir en la carpeta «%1» que contiene %2 (%3); no se ha cambiado nada</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <source>Usage:</source>
        <translation>Uso:</translation>
    </message>
    <message>
        <source>Vantelle Pro builds a picture popup for a web page: choose a picture, place texts and a
close button on it, set how the popup behaves, preview it and write the web files.
</source>
        <translation>Vantelle Pro crea un popup con imagen para una página web: elija una imagen, coloque textos y un
botón de cierre, ajuste su comportamiento, véalo en vista previa y escriba los archivos web.
</translation>
    </message>
    <message>
        <source>open this design</source>
        <translation>abrir este diseño</translation>
    </message>
    <message>
        <source>open the design of the popup published in this page</source>
        <translation>abrir el diseño del popup publicado en esta página</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>mostrar esta ayuda y salir</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>mostrar la versión y salir</translation>
    </message>
    <message>
        <source>publish puts the design&apos;s popup on the pages of a site (.htm and .html files in DIR and
the folders below), takedown takes it off every page it was published to again.
</source>
        <translation>publish pone el popup del diseño en las páginas de un sitio (archivos .htm y .html de DIR y
de sus subcarpetas); takedown lo retira de todas las páginas donde se publicó.
</translation>
    </message>
    <message>
        <source>the site&apos;s folder</source>
        <translation>la carpeta del sitio</translation>
    </message>
    <message>
        <source>only pages that match (&quot;shop/**&quot;, &quot;*.html&quot;, a folder)</source>
        <translation>solo las páginas que coincidan («shop/**», «*.html», una carpeta)</translation>
    </message>
    <message>
        <source>leave out pages that match</source>
        <translation>excluir las páginas que coincidan</translation>
    </message>
    <message>
        <source>where the popup&apos;s files go (popup/&lt;design name&gt;/ in the site)</source>
        <translation>dónde van los archivos del popup (popup/&lt;nombre del diseño&gt;/ en el sitio)</translation>
    </message>
    <message>
        <source>say what would change, and change nothing</source>
        <translation>decir qué cambiaría, sin cambiar nada</translation>
    </message>
    <message>
        <source>report as JSON</source>
        <translation>informe en JSON</translation>
    </message>
    <message>
        <source>Exit status: 0 when every chosen page is done, 1 when some were skipped or nothing could
be done, 2 for a wrong command line.
</source>
        <translation>Estado de salida: 0 si se completaron todas las páginas elegidas, 1 si se omitieron algunas o no
se pudo hacer nada, 2 si la línea de órdenes es incorrecta.
</translation>
    </message>
    <message>
        <source>Try &apos;vantelle-pro --help&apos; for more information.</source>
        <translation>Pruebe «vantelle-pro --help» para más información.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; for %2</source>
        <translation>opción desconocida «%1» para %2</translation>
    </message>
    <message>
        <source>%1 takes one design file, but %2 were given</source>
        <translation>%1 admite un archivo de diseño, pero se indicaron %2</translation>
    </message>
    <message>
        <source>%1 needs the site&apos;s folder: --site DIR</source>
        <translation>%1 necesita la carpeta del sitio: --site DIR</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 se indicó más de una vez</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>opción desconocida «%1»</translation>
    </message>
    <message>
        <source>one design at a time, but %1 files were given</source>
        <translation>un diseño cada vez, pero se indicaron %1 archivos</translation>
    </message>
</context>
<context>
    <name>JpegImage</name>
    <message>
        <source>The JPEG picture is too large (%1 x %2 pixels).</source>
        <translation>La imagen JPEG es demasiado grande (%1 x %2 píxeles).</translation>
    </message>
    <message>
        <source>The JPEG picture uses a colour space that cannot be shown.</source>
        <translation>La imagen JPEG usa un espacio de color que no se puede mostrar.</translation>
    </message>
</context>
<context>
    <name>PageControls</name>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
</context>
<context>
    <name>PageText</name>
    <message>
        <source>on line %1</source>
        <translation>en la línea %1</translation>
    </message>
    <message>
        <source>on lines %1 and %2</source>
        <translation>en las líneas %1 y %2</translation>
    </message>
    <message>
        <source>, and </source>
        <translation>, y </translation>
    </message>
    <message>
        <source>, and further on</source>
        <translation>, y más adelante</translation>
    </message>
    <message>
        <source>Its popup markers %1 do not pair: only blanks and one script element may lie between &quot;%2&quot; and the &quot;%3&quot; after it</source>
        <translation>Sus marcadores de popup %1 no forman pareja: entre «%2» y el «%3» que le sigue solo puede haber espacios en blanco y un único elemento script</translation>
    </message>
    <message>
        <source>The page &quot;%1&quot; was left unchanged. %2</source>
        <translation>La página «%1» no se ha modificado. %2</translation>
    </message>
    <message>
        <source>The page &quot;%1&quot; is not single-byte text (it is stored as UTF-16 or UTF-32, or holds NUL bytes); it was left unchanged</source>
        <translation>La página «%1» no es texto de un byte por carácter (está guardada en UTF-16 o UTF-32, o contiene bytes NUL); no se ha modificado</translation>
    </message>
</context>
<context>
    <name>PictureBase</name>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>No se puede leer el archivo «%1». %2</translation>
    </message>
    <message>
        <source>Entry %1 of the picture container &quot;%2&quot; cannot be used as a picture. %3</source>
        <translation>La entrada %1 del contenedor de imágenes «%2» no se puede usar como imagen. %3</translation>
    </message>
    <message>
        <source>
It is shown as a damaged picture, which Remove deletes</source>
        <translation>
Se muestra como una imagen dañada, que «Quitar» elimina</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large for the picture base: it holds %2 bytes, and a picture may have at most %3</source>
        <translation>El archivo «%1» es demasiado grande para la biblioteca de imágenes: contiene %2 bytes y una imagen puede tener como máximo %3</translation>
    </message>
    <message>
        <source>The picture base in &quot;%1&quot; is in use by another copy of Vantelle Pro. This copy shows its pictures, but Load... and Remove stay off until it is started again after the other copy has ended</source>
        <translation>La biblioteca de imágenes de «%1» la está usando otra instancia de Vantelle Pro. Esta instancia muestra sus imágenes, pero «Cargar...» y «Quitar» siguen desactivados hasta que se vuelva a iniciar después de cerrar la otra instancia</translation>
    </message>
    <message>
        <source>Load... is off because &quot;%1&quot; could not be read when Vantelle Pro started. Start Vantelle Pro again once the file can be read</source>
        <translation>«Cargar...» está desactivado porque no se pudo leer «%1» al iniciar Vantelle Pro. Vuelva a iniciar Vantelle Pro cuando el archivo se pueda leer</translation>
    </message>
    <message>
        <source>This picture is damaged and cannot be used for a popup. Choose another picture, or delete this one with Remove</source>
        <translation>Esta imagen está dañada y no se puede usar para un popup. Elija otra imagen o elimine esta con «Quitar»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program since Vantelle Pro read it, so nothing was removed. The pictures have been read again; choose the picture to remove once more</source>
        <translation>«%1» ha sido modificado por otro programa desde que Vantelle Pro lo leyó, así que no se ha quitado nada. Las imágenes se han vuelto a leer; elija de nuevo la imagen que quiere quitar</translation>
    </message>
    <message>
        <source>.
The pictures in it are not shown, and Load... is refused until the next start so that the file stays as it is</source>
        <translation>.
Sus imágenes no se muestran y «Cargar...» queda desactivado hasta el próximo inicio para que el archivo siga como está</translation>
    </message>
</context>
<context>
    <name>PngErrors</name>
    <message>
        <source>Cannot write the picture. %1</source>
        <translation>No se puede escribir la imagen. %1</translation>
    </message>
    <message>
        <source>There is no such palette entry.</source>
        <translation>No existe esa entrada de la paleta.</translation>
    </message>
    <message>
        <source>Some operation could not be performed because the system is out of resources. Close some windows and try again.</source>
        <translation>No se pudo realizar una operación porque el sistema se ha quedado sin recursos. Cierre algunas ventanas y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image is invalid because the decoder found an unexpected end of the file.</source>
        <translation>Esta imagen PNG («Portable Network Graphics») no es válida porque el decodificador encontró un final de archivo inesperado.</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image is not valid because it contains invalid pieces of data (crc error)</source>
        <translation>Esta imagen PNG («Portable Network Graphics») no es válida porque contiene bloques de datos erróneos (error de CRC)</translation>
    </message>
    <message>
        <source>The &quot;Portable Network Graphics&quot; image could not be loaded because one of its main piece of data (ihdr) might be corrupted</source>
        <translation>No se pudo cargar la imagen PNG («Portable Network Graphics») porque uno de sus bloques de datos principales (IHDR) podría estar dañado</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image is invalid because it has missing image parts.</source>
        <translation>Esta imagen PNG («Portable Network Graphics») no es válida porque le faltan partes de la imagen.</translation>
    </message>
    <message>
        <source>The file being read is not a valid &quot;Portable Network Graphics&quot; image because it contains an invalid header. This file may be corruped, try obtaining it again.</source>
        <translation>El archivo leído no es una imagen PNG («Portable Network Graphics») válida porque su cabecera no es válida. Puede que el archivo esté dañado; intente obtenerlo de nuevo.</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image is not supported or it might be invalid.
(IHDR chunk is not the first)</source>
        <translation>Esta imagen PNG («Portable Network Graphics») no es compatible o puede que no sea válida.
(El bloque IHDR no es el primero)</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image is not supported because either it&apos;s width or height exceeds the maximum size, which is 65535 pixels length.</source>
        <translation>Esta imagen PNG («Portable Network Graphics») no es compatible porque su anchura o su altura supera el tamaño máximo de 65535 píxeles.</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image contains an unknown critical part which could not be decoded.</source>
        <translation>Esta imagen PNG («Portable Network Graphics») contiene un bloque crítico desconocido que no se pudo decodificar.</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image is encoded with an unknown compression scheme which could not be decoded.</source>
        <translation>Esta imagen PNG («Portable Network Graphics») usa un método de compresión desconocido que no se pudo decodificar.</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image uses an unknown interlace scheme which could not be decoded.</source>
        <translation>Esta imagen PNG («Portable Network Graphics») usa un método de entrelazado desconocido que no se pudo decodificar.</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image contains no data.</source>
        <translation>Esta imagen PNG («Portable Network Graphics») no contiene datos.</translation>
    </message>
    <message>
        <source>The png image could not be loaded from the resource ID.</source>
        <translation>No se pudo cargar la imagen PNG desde el recurso.</translation>
    </message>
    <message>
        <source>The &quot;Portable Network Graphics&quot; image contains an invalid palette.</source>
        <translation>La imagen PNG («Portable Network Graphics») contiene una paleta no válida.</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image uses a combination of colour type and bit depth which could not be decoded.</source>
        <translation>Esta imagen PNG («Portable Network Graphics») usa una combinación de tipo de color y profundidad de bits que no se pudo decodificar.</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image is too large to be loaded: it has more than 100,000,000 pixels.</source>
        <translation>Esta imagen PNG («Portable Network Graphics») es demasiado grande para cargarla: tiene más de 100.000.000 de píxeles.</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image contains a piece of data which is too large to be loaded.</source>
        <translation>Esta imagen PNG («Portable Network Graphics») contiene un bloque de datos demasiado grande para cargarlo.</translation>
    </message>
    <message>
        <source>Could not decompress the image because it contains invalid compressed data.
 Description: </source>
        <translation>No se pudo descomprimir la imagen porque contiene datos comprimidos no válidos.
 Descripción: </translation>
    </message>
    <message>
        <source>incompatible version (-6)</source>
        <translation>versión incompatible (-6)</translation>
    </message>
    <message>
        <source>buffer error (-5)</source>
        <translation>error de búfer (-5)</translation>
    </message>
    <message>
        <source>insufficient memory (-4)</source>
        <translation>memoria insuficiente (-4)</translation>
    </message>
    <message>
        <source>data error (-3)</source>
        <translation>error de datos (-3)</translation>
    </message>
    <message>
        <source>stream error (-2)</source>
        <translation>error de flujo (-2)</translation>
    </message>
    <message>
        <source>file error (-1)</source>
        <translation>error de archivo (-1)</translation>
    </message>
    <message>
        <source>unknown error (%1)</source>
        <translation>error desconocido (%1)</translation>
    </message>
</context>
<context>
    <name>PopupLanguageControl</name>
    <message>
        <source>Language of the popup&apos;s own words</source>
        <translation>Idioma de las palabras del popup</translation>
    </message>
    <message>
        <source>The language in which the popup names its close button and describes itself to screen readers</source>
        <translation>El idioma en que el popup nombra su botón de cierre y se describe a los lectores de pantalla</translation>
    </message>
    <message>
        <source>Popup language</source>
        <translation>Idioma del popup</translation>
    </message>
    <message>
        <source>Popup language:</source>
        <translation>Idioma del popup:</translation>
    </message>
</context>
<context>
    <name>PopupSchedule</name>
    <message>
        <source>The schedule&apos;s %1 &quot;%2&quot; is not a date and time written as 2026-12-24T18:00:00</source>
        <translation>%1 de la programación «%2» no es una fecha y hora escrita como 2026-12-24T18:00:00</translation>
    </message>
    <message>
        <source>The schedule&apos;s %1 %2 must lie in the years %3 to %4</source>
        <translation>%1 de la programación %2 debe estar entre los años %3 y %4</translation>
    </message>
    <message>
        <source>start</source>
        <translation>El inicio</translation>
    </message>
    <message>
        <source>end</source>
        <translation>El final</translation>
    </message>
    <message>
        <source>The schedule ends (%1) before it begins (%2): the popup would never show</source>
        <translation>La programación termina (%1) antes de empezar (%2): el popup no aparecería nunca</translation>
    </message>
    <message>
        <source>The schedule&apos;s clock must be UTC-12:00 to UTC+14:00, not %1 minutes from UTC</source>
        <translation>El reloj de la programación debe estar entre UTC-12:00 y UTC+14:00, no a %1 minutos de UTC</translation>
    </message>
    <message>
        <source>The schedule names no day of the week: choose at least one day, or every day</source>
        <translation>La programación no indica ningún día de la semana: elija al menos un día, o todos</translation>
    </message>
    <message>
        <source>The schedule&apos;s hours must be times of the day from 00:00 to 23:59</source>
        <translation>Las horas de la programación deben estar entre 00:00 y 23:59</translation>
    </message>
    <message>
        <source>The schedule&apos;s hours begin and end at %1: give two different times, or no hours</source>
        <translation>Las horas de la programación empiezan y terminan a las %1: indique dos horas distintas, o ninguna</translation>
    </message>
</context>
<context>
    <name>PopupSettings</name>
    <message>
        <source>%1 must be from %2 to %3 %4, not %5</source>
        <translation>%1 debe estar entre %2 y %3 %4, no en %5</translation>
    </message>
    <message>
        <source>The link holds a line break or another control character</source>
        <translation>El enlace contiene un salto de línea u otro carácter de control</translation>
    </message>
    <message>
        <source>The link %1 %2</source>
        <translation>El enlace %1 %2</translation>
    </message>
    <message>
        <source>would open a file beside the page: write https:// before the site&apos;s name</source>
        <translation>abriría un archivo junto a la página: escriba https:// delante del nombre del sitio</translation>
    </message>
    <message>
        <source>is not a valid address</source>
        <translation>no es una dirección válida</translation>
    </message>
    <message>
        <source>names no site: write the whole address, such as https://www.example.com/offer.htm</source>
        <translation>no indica ningún sitio: escriba la dirección completa, por ejemplo https://www.example.com/offer.htm</translation>
    </message>
    <message>
        <source>is not a valid address: check the site&apos;s name and port</source>
        <translation>no es una dirección válida: compruebe el nombre y el puerto del sitio</translation>
    </message>
    <message>
        <source>names no e-mail address: write mailto: and the address, such as mailto:info@example.com</source>
        <translation>no indica ninguna dirección de correo electrónico: escriba mailto: y la dirección, por ejemplo mailto:info@example.com</translation>
    </message>
    <message>
        <source>names no telephone number: write tel: and the number, such as tel:+15550100</source>
        <translation>no indica ningún número de teléfono: escriba tel: y el número, por ejemplo tel:+15550100</translation>
    </message>
    <message>
        <source>cannot be used: a link is a web address (http:// or https://), an e-mail address (mailto:), a telephone number (tel:) or an address relative to the page (such as offer.htm)</source>
        <translation>no se puede usar: un enlace es una dirección web (http:// o https://), una dirección de correo electrónico (mailto:), un número de teléfono (tel:) o una dirección relativa a la página (por ejemplo offer.htm)</translation>
    </message>
    <message>
        <source>The cookie name %1 must begin with a letter and hold only letters, digits and underscores, at most %2</source>
        <translation>El nombre de la cookie %1 debe empezar por una letra y contener solo letras, dígitos y guiones bajos, %2 como máximo</translation>
    </message>
    <message>
        <source>The auto close delay</source>
        <translation>El tiempo hasta el cierre automático</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>The delay before the popup shows</source>
        <translation>El retardo antes de que aparezca el popup</translation>
    </message>
    <message>
        <source>The share of the page scrolled before the popup shows</source>
        <translation>La parte de la página que se desplaza antes de que aparezca el popup</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>por ciento</translation>
    </message>
    <message>
        <source>The days before the popup shows again (0 for no such limit)</source>
        <translation>Los días hasta que el popup vuelve a aparecer (0 para ningún límite)</translation>
    </message>
    <message>
        <source>days</source>
        <translation>días</translation>
    </message>
    <message>
        <source>The backdrop&apos;s opacity</source>
        <translation>La opacidad del fondo</translation>
    </message>
</context>
<context>
    <name>PopupWriter</name>
    <message>
        <source>The spacer picture is missing from the program</source>
        <translation>Al programa le falta la imagen espaciadora (spacer)</translation>
    </message>
    <message>
        <source>Unable to create directory</source>
        <translation>No se puede crear la carpeta</translation>
    </message>
</context>
<context>
    <name>ScriptBuilder</name>
    <message>
        <source>The script template is missing from the program</source>
        <translation>Al programa le falta la plantilla del script</translation>
    </message>
</context>
<context>
    <name>SitePublisher</name>
    <message>
        <source>The site journal &quot;%1&quot; is damaged at line %2: %3</source>
        <translation>El registro del sitio «%1» está dañado en la línea %2: %3</translation>
    </message>
    <message>
        <source>The site folder &quot;%1&quot; does not exist</source>
        <translation>La carpeta del sitio «%1» no existe</translation>
    </message>
    <message>
        <source>Not a file</source>
        <translation>No es un archivo</translation>
    </message>
    <message>
        <source>It holds another popup (%1)</source>
        <translation>Contiene otro popup (%1)</translation>
    </message>
    <message>
        <source>It is read-only</source>
        <translation>Es de solo lectura</translation>
    </message>
    <message>
        <source>Its folder cannot be written to</source>
        <translation>No se puede escribir en su carpeta</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
</context>
<context>
    <name>TBehaviourPage</name>
    <message>
        <source>Popup click action</source>
        <translation>Acción al hacer clic en el popup</translation>
    </message>
    <message>
        <source>Close Popup</source>
        <translation>Cerrar el popup</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>Abrir el enlace</translation>
    </message>
    <message>
        <source>Text for screen readers:</source>
        <translation>Texto para lectores de pantalla:</translation>
    </message>
    <message>
        <source>What screen readers say for the popup and its picture; empty: the design&apos;s texts</source>
        <translation>Lo que dicen los lectores de pantalla del popup y su imagen; vacío: los textos del diseño</translation>
    </message>
    <message>
        <source>Website link</source>
        <translation>Enlace al sitio web</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>The address a click on the popup opens: http:// or https://, mailto:, tel:, or relative to the page; empty for none</source>
        <translation>La dirección que abre un clic en el popup: http:// o https://, mailto:, tel:, o relativa a la página; vacía para ninguna</translation>
    </message>
    <message>
        <source>Open link in the same browser window</source>
        <translation>Abrir el enlace en la misma ventana</translation>
    </message>
    <message>
        <source>Open link in a new browser window</source>
        <translation>Abrir el enlace en una ventana nueva</translation>
    </message>
    <message>
        <source>Auto close popup</source>
        <translation>Cierre automático</translation>
    </message>
    <message>
        <source>Enable auto close</source>
        <translation>Cerrar automáticamente</translation>
    </message>
    <message>
        <source>Delay in seconds:</source>
        <translation>Retardo en segundos:</translation>
    </message>
    <message>
        <source>Sessions</source>
        <translation>Sesiones</translation>
    </message>
    <message>
        <source>Open popup once per session</source>
        <translation>Una vez por sesión</translation>
    </message>
    <message>
        <source>Open popup every time page is loaded</source>
        <translation>Cada vez que se carga la página</translation>
    </message>
    <message>
        <source>More options...</source>
        <translation>Más opciones...</translation>
    </message>
    <message>
        <source>Show it again to visitors who have seen it</source>
        <translation>Mostrarlo otra vez a quien ya lo vio</translation>
    </message>
    <message>
        <source>The next Add popup or Save files gives the popup a new name, so that browsers show it again to visitors who have seen it; otherwise the popup keeps its name</source>
        <translation>El próximo «Añadir» o «Generar» da un nombre nuevo al popup, para que los navegadores lo muestren otra vez a los visitantes que ya lo vieron; si no, el popup conserva su nombre</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Auto center popup window</source>
        <translation>Centrar automáticamente</translation>
    </message>
    <message>
        <source>Set popup window position on page</source>
        <translation>Posición fija en la página</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>X:</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>Y:</translation>
    </message>
    <message>
        <source>The popup has no link: a click on it will do nothing.<byte value="xd"/>
Type the address to open in the URL box, or choose &quot;Close Popup&quot; to let a click close it.</source>
        <translation>El popup no tiene enlace: un clic en él no hará nada.<byte value="xd"/>
Escriba la dirección que abrir en el cuadro URL, o elija «Cerrar el popup» para que un clic lo cierre.</translation>
    </message>
    <message>
        <source>More options</source>
        <translation>Más opciones</translation>
    </message>
</context>
<context>
    <name>TDesignFiles</name>
    <message>
        <source>Designs and published pages (*.vpopup *.htm *.html);;Vantelle Pro designs (*.vpopup);;Web pages (*.htm *.html);;Any file (*)</source>
        <translation>Diseños y páginas publicadas (*.vpopup *.htm *.html);;Diseños de Vantelle Pro (*.vpopup);;Páginas web (*.htm *.html);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is shown in &quot;%2&quot;</source>
        <translation>«%1» se muestra en «%2»</translation>
    </message>
    <message>
        <source>Open design...</source>
        <translation>Abrir diseño...</translation>
    </message>
    <message>
        <source>Open a design, or the page of a published popup (Ctrl+O)</source>
        <translation>Abrir un diseño, o la página de un popup publicado (Ctrl+O)</translation>
    </message>
    <message>
        <source>Save design</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save design (Ctrl+S)</source>
        <translation>Guardar el diseño (Ctrl+S)</translation>
    </message>
    <message>
        <source>Save design as...</source>
        <translation>Guardar el diseño como...</translation>
    </message>
    <message>
        <source>New design</source>
        <translation>Diseño nuevo</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Deshacer (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Shift+Z, Ctrl+Y)</source>
        <translation>Rehacer (Ctrl+Mayús+Z, Ctrl+Y)</translation>
    </message>
    <message>
        <source>new design</source>
        <translation>diseño nuevo</translation>
    </message>
    <message>
        <source>Design: </source>
        <translation>Diseño: </translation>
    </message>
    <message>
        <source>Not saved yet</source>
        <translation>Aún sin guardar</translation>
    </message>
    <message>
        <source>a new design</source>
        <translation>un diseño nuevo</translation>
    </message>
    <message>
        <source>the design &quot;%1&quot;</source>
        <translation>el diseño «%1»</translation>
    </message>
    <message>
        <source>Vantelle Pro did not end normally last time. Restore the unsaved changes to %1?

No deletes them for good.</source>
        <translation>Vantelle Pro no terminó con normalidad la última vez. ¿Restaurar los cambios sin guardar de %1?

«No» los elimina para siempre.</translation>
    </message>
    <message>
        <source>Cannot restore &quot;%1&quot;. %2</source>
        <translation>No se puede restaurar «%1». %2</translation>
    </message>
    <message>
        <source>the new design</source>
        <translation>el diseño nuevo</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>¿Guardar los cambios de %1?</translation>
    </message>
    <message>
        <source>Open design</source>
        <translation>Abrir diseño</translation>
    </message>
    <message>
        <source>Cannot open design &quot;%1&quot;. %2</source>
        <translation>No se puede abrir el diseño «%1». %2</translation>
    </message>
    <message>
        <source>Some faces of the design &quot;%1&quot; are not installed here: %2. The design keeps its faces.</source>
        <translation>Algunas fuentes del diseño «%1» no están instaladas aquí: %2. El diseño conserva sus fuentes.</translation>
    </message>
    <message>
        <source>Save design as</source>
        <translation>Guardar el diseño como</translation>
    </message>
    <message>
        <source>Vantelle Pro designs (*.vpopup)</source>
        <translation>Diseños de Vantelle Pro (*.vpopup)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Replace it?</source>
        <translation>«%1» ya existe. ¿Reemplazarlo?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program or another copy of Vantelle Pro since this copy opened or saved it. Overwrite those changes, save this design under another name, or cancel?</source>
        <translation>Otro programa u otra copia de Vantelle Pro cambió «%1» desde que esta copia lo abrió o guardó. ¿Sobrescribir esos cambios, guardar este diseño con otro nombre o cancelar?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescribir</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>%1 - Design: %2, not saved</source>
        <translation>%1 - Diseño: %2, sin guardar</translation>
    </message>
    <message>
        <source>%1 - Design: %2</source>
        <translation>%1 - Diseño: %2</translation>
    </message>
</context>
<context>
    <name>TDesignModel</name>
    <message>
        <source>Scale (%1)</source>
        <translation>Escala (%1)</translation>
    </message>
</context>
<context>
    <name>TDesignerPage</name>
    <message>
        <source>Properties</source>
        <translation>Propiedades</translation>
    </message>
    <message>
        <source>Document size:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>150px - 500px</source>
        <translation>150px - 500px</translation>
    </message>
    <message>
        <source>No close button</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>Sample text</source>
        <translation>Texto de ejemplo</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Otro...</translation>
    </message>
    <message>
        <source>Font Style:</source>
        <translation>Estilo:</translation>
    </message>
    <message>
        <source>B</source>
        <comment>bold</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>I</source>
        <comment>italic</comment>
        <translation>C</translation>
    </message>
    <message>
        <source>U</source>
        <comment>underline</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izq.</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Der.</translation>
    </message>
    <message>
        <source>AddText</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>%1 px x %1 px</source>
        <translation>%1 px x %1 px</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Add text</source>
        <translation>Añadir texto</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Close button</source>
        <translation>Botón de cierre</translation>
    </message>
    <message>
        <source>Document size</source>
        <translation>Tamaño del documento</translation>
    </message>
    <message>
        <source>Close button scale</source>
        <translation>Escala del botón de cierre</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Granate</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliva</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Azul marino</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Púrpura</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Verde azulado</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Plata</translation>
    </message>
    <message>
        <source>Mint green</source>
        <translation>Verde menta</translation>
    </message>
    <message>
        <source>Sky blue</source>
        <translation>Azul cielo</translation>
    </message>
    <message>
        <source>Cream</source>
        <translation>Crema</translation>
    </message>
    <message>
        <source>Medium grey</source>
        <translation>Gris medio</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Lima</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fucsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Diseño</translation>
    </message>
    <message>
        <source>C&amp;lose button Style:</source>
        <translation>Estilo del botón de &amp;cierre:</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Texto:</translation>
    </message>
    <message>
        <source>Font &amp;Face:</source>
        <translation>&amp;Fuente:</translation>
    </message>
    <message>
        <source>Font &amp;Color:</source>
        <translation>C&amp;olor:</translation>
    </message>
    <message>
        <source>Custo&amp;m...</source>
        <translation>Ot&amp;ro...</translation>
    </message>
    <message>
        <source>Font S&amp;ize:</source>
        <translation>Ta&amp;maño:</translation>
    </message>
    <message>
        <source>An&amp;gle:</source>
        <translation>Án&amp;gulo:</translation>
    </message>
    <message>
        <source>E&amp;rase</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Larger document</source>
        <translation>Documento más grande</translation>
    </message>
    <message>
        <source>Smaller document</source>
        <translation>Documento más pequeño</translation>
    </message>
    <message>
        <source>Larger close button</source>
        <translation>Botón de cierre más grande</translation>
    </message>
    <message>
        <source>Smaller close button</source>
        <translation>Botón de cierre más pequeño</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Subrayado</translation>
    </message>
    <message>
        <source>&amp;Post copy</source>
        <translation>Co&amp;piar</translation>
    </message>
    <message>
        <source>Add ne&amp;w</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>Nothing selected</source>
        <translation>Nada seleccionado</translation>
    </message>
    <message>
        <source>Close button at %1, %2</source>
        <translation>Botón de cierre en %1, %2</translation>
    </message>
    <message>
        <source>Text &quot;%1&quot; at %2, %3</source>
        <translation>Texto «%1» en %2, %3</translation>
    </message>
    <message>
        <source>Custom color %1</source>
        <translation>Color personalizado %1</translation>
    </message>
    <message>
        <source>Close button %1</source>
        <translation>Botón de cierre %1</translation>
    </message>
</context>
<context>
    <name>TFontPickers</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«%1» no es un número entero válido</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Update Base</source>
        <translation>Actualizar base</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Atrás</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Siguiente &gt;</translation>
    </message>
    <message>
        <source>Vantelle Pro - popup wizard for your web pages</source>
        <translation>Vantelle Pro - asistente de popups para sus páginas web</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Elegir una imagen</translation>
    </message>
    <message>
        <source>Design the popup</source>
        <translation>Diseñar el popup</translation>
    </message>
    <message>
        <source>What the popup does</source>
        <translation>Qué hace el popup</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Publicar</translation>
    </message>
    <message>
        <source>Step %1 of 5: %2</source>
        <translation>Paso %1 de 5: %2</translation>
    </message>
</context>
<context>
    <name>TMoreOptionsDialog</name>
    <message>
        <source>Mon</source>
        <translation>Lun</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mié</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Jue</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Vie</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sáb</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dom</translation>
    </message>
    <message>
        <source>When and to whom it shows</source>
        <translation>Cuándo y a quién se muestra</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Hasta</translation>
    </message>
    <message>
        <source>the visitor&apos;s local time</source>
        <translation>la hora local del visitante</translation>
    </message>
    <message>
        <source>Only between</source>
        <translation>Solo entre</translation>
    </message>
    <message>
        <source>All devices</source>
        <translation>Todos los dispositivos</translation>
    </message>
    <message>
        <source>Touch screens only (phones and tablets)</source>
        <translation>Solo pantallas táctiles (móviles y tabletas)</translation>
    </message>
    <message>
        <source>Desktops only</source>
        <translation>Solo ordenadores</translation>
    </message>
    <message>
        <source>and</source>
        <translation>y</translation>
    </message>
    <message>
        <source>On the days:</source>
        <translation>Los días:</translation>
    </message>
    <message>
        <source>Times are read on:</source>
        <translation>Las horas se leen en:</translation>
    </message>
    <message>
        <source>Devices:</source>
        <translation>Dispositivos:</translation>
    </message>
    <message>
        <source>More options</source>
        <translation>Más opciones</translation>
    </message>
    <message>
        <source>When the popup shows</source>
        <translation>Cuándo aparece el popup</translation>
    </message>
    <message>
        <source>When the page has loaded</source>
        <translation>Al terminar de cargar la página</translation>
    </message>
    <message>
        <source>After a delay</source>
        <translation>Tras un retardo</translation>
    </message>
    <message>
        <source>When the visitor is about to leave the page</source>
        <translation>Cuando el visitante va a salir de la página</translation>
    </message>
    <message>
        <source>When the visitor has scrolled through part of the page</source>
        <translation>Cuando el visitante ha desplazado parte de la página</translation>
    </message>
    <message>
        <source>Delay (on touch screens also for leaving):</source>
        <translation>Retardo (en pantallas táctiles también al salir):</translation>
    </message>
    <message>
        <source>Share of the page scrolled:</source>
        <translation>Parte de la página desplazada:</translation>
    </message>
    <message>
        <source>How often</source>
        <translation>Con qué frecuencia</translation>
    </message>
    <message>
        <source>Show it once in so many days, also after the browser was closed (instead of &quot;Sessions&quot;)</source>
        <translation>Mostrarlo una vez cada tantos días, también tras cerrar el navegador (en lugar de «Sesiones»)</translation>
    </message>
    <message>
        <source> days</source>
        <translation> días</translation>
    </message>
    <message>
        <source>Backdrop</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Dim the page behind the popup (the popup then keeps the keyboard until it is closed)</source>
        <translation>Oscurecer la página tras el popup (el popup retiene entonces el teclado hasta que se cierra)</translation>
    </message>
    <message>
        <source>A click on the backdrop closes the popup</source>
        <translation>Un clic en el fondo cierra el popup</translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation>Color:</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>Opacidad:</translation>
    </message>
    <message>
        <source>Entrance and accessibility</source>
        <translation>Entrada y accesibilidad</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Fade in</source>
        <translation>Fundido</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Give screen readers the popup&apos;s text (&quot;Text for screen readers&quot; on the page)</source>
        <translation>Dar a los lectores de pantalla el texto del popup («Texto para lectores de pantalla» en la página)</translation>
    </message>
    <message>
        <source>Sharp picture for high-density screens (writes logo@2x.png)</source>
        <translation>Imagen nítida para pantallas de alta densidad (escribe logo@2x.png)</translation>
    </message>
    <message>
        <source>Entrance (none when the visitor asks for reduced motion):</source>
        <translation>Entrada (ninguna si el visitante pide menos movimiento):</translation>
    </message>
</context>
<context>
    <name>TPreviewLoader</name>
    <message>
        <source>The preview cannot be shown: %1 is not the program&apos;s browser module.</source>
        <translation>No se puede mostrar la vista previa: %1 no es el módulo de navegador del programa.</translation>
    </message>
    <message>
        <source>The preview cannot be shown: its browser module (%1) could not be loaded.%2</source>
        <translation>No se puede mostrar la vista previa: no se pudo cargar su módulo de navegador (%1).%2</translation>
    </message>
</context>
<context>
    <name>TPreviewPage</name>
    <message>
        <source>The preview shows the popup whatever its schedule and devices.</source>
        <translation>La vista previa muestra el popup sean cuales sean su programación y dispositivos.</translation>
    </message>
    <message>
        <source>Preview of the popup</source>
        <translation>Vista previa del popup</translation>
    </message>
    <message>
        <source>The popup on an empty page, as a browser shows it</source>
        <translation>El popup en una página vacía, tal como lo muestra un navegador</translation>
    </message>
</context>
<context>
    <name>TPublishPage</name>
    <message>
        <source>Auto modify existing HTML file (or create new)</source>
        <translation>Modificar automáticamente un archivo HTML (o crearlo)</translation>
    </message>
    <message>
        <source>File to modify or create:</source>
        <translation>Archivo que modificar o crear:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>Add popup</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Publish to a site...</source>
        <translation>Publicar en un sitio...</translation>
    </message>
    <message>
        <source>Manual HTML change</source>
        <translation>Cambio manual del HTML</translation>
    </message>
    <message>
        <source>Folder to save necessary files:</source>
        <translation>Carpeta para los archivos necesarios:</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Cambiar...</translation>
    </message>
    <message>
        <source>HTML file must be one level above the popup files.</source>
        <translation>El archivo HTML debe estar un nivel por encima de los archivos del popup.</translation>
    </message>
    <message>
        <source>If used in an alternative location, please edit paths in JavaScript and HTML files manually.</source>
        <translation>En otra ubicación, edite a mano las rutas de los archivos JavaScript y HTML.</translation>
    </message>
    <message>
        <source>Save files</source>
        <translation>Generar</translation>
    </message>
    <message>
        <source>Code to place in HTML file:</source>
        <translation>Código para el archivo HTML:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Your Vantelle files have been saved,<byte value="xd"/>
and your HTML document modified.<byte value="xd"/>
You are now ready to upload the files to your server</source>
        <translation>Sus archivos de Vantelle se han guardado<byte value="xd"/>
y su documento HTML se ha modificado.<byte value="xd"/>
Ya puede subir los archivos a su servidor</translation>
    </message>
    <message>
        <source>Your Vantelle files have been saved,<byte value="xd"/>
but your HTML document ought to be modified by you</source>
        <translation>Sus archivos de Vantelle se han guardado,<byte value="xd"/>
pero debe modificar usted mismo su documento HTML</translation>
    </message>
    <message>
        <source>HTML pages (*.htm;*.html)|*.htm;*.html|Any file (*.*)|*.*</source>
        <translation>Páginas HTML (*.htm;*.html)|*.htm;*.html|Todos los archivos (*.*)|*.*</translation>
    </message>
    <message>
        <source>Folder to save files to</source>
        <translation>Carpeta donde guardar los archivos</translation>
    </message>
</context>
<context>
    <name>TSitePublishDialog</name>
    <message>
        <source>Publish to a site</source>
        <translation>Publicar en un sitio</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>all pages, or patterns such as shop/** *.html</source>
        <translation>todas las páginas, o patrones como shop/** *.html</translation>
    </message>
    <message>
        <source>patterns of pages to leave out</source>
        <translation>patrones de páginas que excluir</translation>
    </message>
    <message>
        <source>Show pages</source>
        <translation>Mostrar páginas</translation>
    </message>
    <message>
        <source>Site folder:</source>
        <translation>Carpeta del sitio:</translation>
    </message>
    <message>
        <source>Popup folder:</source>
        <translation>Carpeta del popup:</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Páginas:</translation>
    </message>
    <message>
        <source>Leave out:</source>
        <translation>Excluir:</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>What will change</source>
        <translation>Qué cambiará</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Publicar</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Take down</source>
        <translation>Retirar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Site folder</source>
        <translation>Carpeta del sitio</translation>
    </message>
    <message>
        <source>Choose the site&apos;s folder and show its pages first</source>
        <translation>Elija primero la carpeta del sitio y muestre sus páginas</translation>
    </message>
    <message numerus="yes">
        <source>%n pages in the site&apos;s folder match.</source>
        <translation>
            <numerusform>%n página de la carpeta del sitio coincide.</numerusform>
            <numerusform>%n páginas de la carpeta del sitio coinciden.</numerusform>
        </translation>
    </message>
    <message>
        <source>What will change: %1 added, %2 updated, %3 removed, %4 unchanged, %5 skipped.</source>
        <translation>Qué cambiará: %1 añadidas, %2 actualizadas, %3 retiradas, %4 sin cambios, %5 omitidas.</translation>
    </message>
    <message>
        <source>%1: %2 added, %3 updated, %4 removed, %5 unchanged, %6 skipped.</source>
        <translation>%1: %2 añadidas, %3 actualizadas, %4 retiradas, %5 sin cambios, %6 omitidas.</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Publish the design again to the %1 pages it was published to? Visitors who have seen it keep not seeing it again.</source>
        <translation>¿Publicar de nuevo el diseño en las %1 páginas donde se publicó? Los visitantes que ya lo vieron seguirán sin volver a verlo.</translation>
    </message>
    <message>
        <source>Take the popup off %1 pages? Pages nobody changed since get back exactly what they were.</source>
        <translation>¿Retirar el popup de %1 páginas? Las páginas que nadie ha cambiado desde entonces vuelven a ser exactamente como eran.</translation>
    </message>
    <message>
        <source>Pages of the site</source>
        <translation>Páginas del sitio</translation>
    </message>
    <message>
        <source>Example of a change</source>
        <translation>Ejemplo de un cambio</translation>
    </message>
</context>
<context>
    <name>TTemplateGrid</name>
    <message>
        <source>Damaged picture
entry %1</source>
        <translation>Imagen dañada
entrada %1</translation>
    </message>
</context>
<context>
    <name>TTemplatePage</name>
    <message>
        <source>Select Template</source>
        <translation>Elegir plantilla</translation>
    </message>
    <message>
        <source>Select the thumbnail image of the graphic you would like to use</source>
        <translation>Elija la miniatura de la imagen que desea usar</translation>
    </message>
    <message>
        <source>for your SoftName, then click the next button to continue</source>
        <translation>y pulse «Siguiente &gt;» para continuar</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>Cargar...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Conservar</translation>
    </message>
    <message>
        <source>This picture came with the design and is shown for this run only. Keep it in your pictures</source>
        <translation>Esta imagen llegó con el diseño y solo se muestra en esta sesión. Conservarla en sus imágenes</translation>
    </message>
    <message>
        <source>for your Vantelle Pro, then click the next button to continue</source>
        <translation>y pulse «Siguiente &gt;» para continuar</translation>
    </message>
    <message>
        <source>Png Image (*.png)|*.png</source>
        <translation>Imagen PNG (*.png)|*.png</translation>
    </message>
    <message>
        <source>Remove this picture from the list? It came with the design and is not in the program&apos;s base, so it is only dropped from this run&apos;s list</source>
        <translation>¿Quitar esta imagen de la lista? Llegó con el diseño y no está en la base del programa, así que solo se quita de la lista de esta sesión</translation>
    </message>
    <message>
        <source>Delete selected picture from program&apos;s base?</source>
        <translation>¿Eliminar la imagen elegida de la base del programa?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Plantilla</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Template %1</source>
        <translation>Plantilla %1</translation>
    </message>
    <message>
        <source>The opened design&apos;s picture, not kept in your pictures</source>
        <translation>Imagen del diseño abierto, no guardada en sus imágenes</translation>
    </message>
    <message>
        <source>Your picture %1, damaged</source>
        <translation>Su imagen %1, dañada</translation>
    </message>
    <message>
        <source>Your picture %1</source>
        <translation>Su imagen %1</translation>
    </message>
</context>
</TS>
