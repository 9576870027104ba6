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
</TS>
