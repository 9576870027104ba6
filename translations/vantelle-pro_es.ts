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
        <source>Popup lan&amp;guage:</source>
        <translation>Idioma del po&amp;pup:</translation>
    </message>
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
</context>
</TS>
