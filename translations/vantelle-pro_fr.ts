<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AlphaStretch</name>
    <message>
        <source>Cannot resample a %1 x %2 picture to %3 x %4: the source needs at least 1 x 2 pixels and the destination at least 2 x 2.</source>
        <translation>Impossible de rééchantillonner une image de %1 x %2 en %3 x %4&#xa0;: la source doit faire au moins 1 x 2 pixels et la destination au moins 2 x 2.</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d’ouvrir le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Impossible de créer le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
</context>
<context>
    <name>FileStorage</name>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Impossible de lire le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Impossible d’écrire le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>The picture container &quot;%1&quot; cannot grow beyond 2 GiB.</source>
        <translation>Le conteneur d’images «&#xa0;%1&#xa0;» ne peut pas dépasser 2 Gio.</translation>
    </message>
    <message>
        <source>ends inside its length field</source>
        <translation>s’arrête au milieu de son champ de longueur</translation>
    </message>
    <message>
        <source>runs past the end of the file</source>
        <translation>dépasse la fin du fichier</translation>
    </message>
    <message>
        <source>lies beyond 2 GiB</source>
        <translation>se trouve au-delà de 2 Gio</translation>
    </message>
    <message>
        <source>The file ended unexpectedly</source>
        <translation>Le fichier s’est terminé de façon inattendue</translation>
    </message>
    <message>
        <source>The picture container &quot;%1&quot; is damaged (entry %2 %3).</source>
        <translation>Le conteneur d’images «&#xa0;%1&#xa0;» est endommagé (l’entrée %2 %3).</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holding %2 cannot be written (%3); nothing was changed</source>
        <translation>Impossible d’écrire dans le dossier «&#xa0;%1&#xa0;» qui contient %2 (%3)&#xa0;; rien n’a été modifié</translation>
    </message>
</context>
<context>
    <name>JpegImage</name>
    <message>
        <source>The JPEG picture is too large (%1 x %2 pixels).</source>
        <translation>L’image JPEG est trop grande (%1 x %2 pixels).</translation>
    </message>
    <message>
        <source>The JPEG picture uses a colour space that cannot be shown.</source>
        <translation>L’image JPEG utilise un espace colorimétrique qui ne peut pas être affiché.</translation>
    </message>
</context>
<context>
    <name>PageText</name>
    <message>
        <source>on line %1</source>
        <translation>à la ligne %1</translation>
    </message>
    <message>
        <source>on lines %1 and %2</source>
        <translation>aux lignes %1 et %2</translation>
    </message>
    <message>
        <source>, and </source>
        <translation>, et </translation>
    </message>
    <message>
        <source>, and further on</source>
        <translation>, et plus loin</translation>
    </message>
    <message>
        <source>Its popup markers %1 do not pair: only blanks and one script element may lie between &quot;%2&quot; and the &quot;%3&quot; after it</source>
        <translation>Ses marqueurs de pop-up %1 ne forment pas une paire&#xa0;: entre «&#xa0;%2&#xa0;» et le «&#xa0;%3&#xa0;» qui le suit, seuls des blancs et un seul élément script sont permis</translation>
    </message>
    <message>
        <source>The page &quot;%1&quot; was left unchanged. %2</source>
        <translation>La page «&#xa0;%1&#xa0;» n’a pas été modifiée. %2</translation>
    </message>
    <message>
        <source>The page &quot;%1&quot; is not single-byte text (it is stored as UTF-16 or UTF-32, or holds NUL bytes); it was left unchanged</source>
        <translation>La page «&#xa0;%1&#xa0;» n’est pas un texte à un octet par caractère (elle est enregistrée en UTF-16 ou UTF-32, ou contient des octets NUL)&#xa0;; elle n’a pas été modifiée</translation>
    </message>
</context>
<context>
    <name>PictureBase</name>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Impossible de lire le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>Entry %1 of the picture container &quot;%2&quot; cannot be used as a picture. %3</source>
        <translation>L’entrée %1 du conteneur d’images «&#xa0;%2&#xa0;» ne peut pas servir d’image. %3</translation>
    </message>
    <message>
        <source>
It is shown as a damaged picture, which Remove deletes</source>
        <translation>
Elle apparaît comme une image endommagée, que «&#xa0;Supprimer&#xa0;» efface</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large for the picture base: it holds %2 bytes, and a picture may have at most %3</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» est trop grand pour la bibliothèque d’images&#xa0;: il contient %2 octets, et une image peut en avoir au plus %3</translation>
    </message>
    <message>
        <source>The picture base in &quot;%1&quot; is in use by another copy of Vantelle Pro. This copy shows its pictures, but Load... and Remove stay off until it is started again after the other copy has ended</source>
        <translation>La bibliothèque d’images de «&#xa0;%1&#xa0;» est utilisée par une autre instance de Vantelle Pro. Cette instance affiche ses images, mais «&#xa0;Charger...&#xa0;» et «&#xa0;Supprimer&#xa0;» restent désactivés jusqu’à ce qu’elle soit relancée une fois l’autre instance fermée</translation>
    </message>
    <message>
        <source>Load... is off because &quot;%1&quot; could not be read when Vantelle Pro started. Start Vantelle Pro again once the file can be read</source>
        <translation>«&#xa0;Charger...&#xa0;» est désactivé car «&#xa0;%1&#xa0;» n’a pas pu être lu au démarrage de Vantelle Pro. Relancez Vantelle Pro dès que le fichier peut être lu</translation>
    </message>
    <message>
        <source>This picture is damaged and cannot be used for a popup. Choose another picture, or delete this one with Remove</source>
        <translation>Cette image est endommagée et ne peut pas servir pour un pop-up. Choisissez une autre image, ou effacez celle-ci avec «&#xa0;Supprimer&#xa0;»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program since Vantelle Pro read it, so nothing was removed. The pictures have been read again; choose the picture to remove once more</source>
        <translation>«&#xa0;%1&#xa0;» a été modifié par un autre programme depuis sa lecture par Vantelle Pro&#xa0;; rien n’a donc été supprimé. Les images ont été relues&#xa0;; choisissez à nouveau l’image à supprimer</translation>
    </message>
</context>
<context>
    <name>PngErrors</name>
    <message>
        <source>Cannot write the picture. %1</source>
        <translation>Impossible d’écrire l’image. %1</translation>
    </message>
    <message>
        <source>There is no such palette entry.</source>
        <translation>Cette entrée de palette n’existe pas.</translation>
    </message>
    <message>
        <source>Some operation could not be performed because the system is out of resources. Close some windows and try again.</source>
        <translation>Une opération n’a pas pu être effectuée car le système manque de ressources. Fermez quelques fenêtres et réessayez.</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image is invalid because the decoder found an unexpected end of the file.</source>
        <translation>Cette image PNG («&#xa0;Portable Network Graphics&#xa0;») n’est pas valide car le décodeur a rencontré une fin de fichier inattendue.</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image is not valid because it contains invalid pieces of data (crc error)</source>
        <translation>Cette image PNG («&#xa0;Portable Network Graphics&#xa0;») n’est pas valide car elle contient des blocs de données erronés (erreur CRC)</translation>
    </message>
    <message>
        <source>The &quot;Portable Network Graphics&quot; image could not be loaded because one of its main piece of data (ihdr) might be corrupted</source>
        <translation>L’image PNG («&#xa0;Portable Network Graphics&#xa0;») n’a pas pu être chargée car l’un de ses blocs de données principaux (IHDR) est peut-être endommagé</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image is invalid because it has missing image parts.</source>
        <translation>Cette image PNG («&#xa0;Portable Network Graphics&#xa0;») n’est pas valide car il manque des parties de l’image.</translation>
    </message>
    <message>
        <source>The file being read is not a valid &quot;Portable Network Graphics&quot; image because it contains an invalid header. This file may be corruped, try obtaining it again.</source>
        <translation>Le fichier lu n’est pas une image PNG («&#xa0;Portable Network Graphics&#xa0;») valide car son en-tête n’est pas valide. Le fichier est peut-être endommagé&#xa0;; essayez de vous le procurer à nouveau.</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image is not supported or it might be invalid.
(IHDR chunk is not the first)</source>
        <translation>Cette image PNG («&#xa0;Portable Network Graphics&#xa0;») n’est pas prise en charge ou n’est peut-être pas valide.
(Le bloc IHDR n’est pas le premier)</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image is not supported because either it&apos;s width or height exceeds the maximum size, which is 65535 pixels length.</source>
        <translation>Cette image PNG («&#xa0;Portable Network Graphics&#xa0;») n’est pas prise en charge car sa largeur ou sa hauteur dépasse la taille maximale de 65535 pixels.</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image contains an unknown critical part which could not be decoded.</source>
        <translation>Cette image PNG («&#xa0;Portable Network Graphics&#xa0;») contient un bloc critique inconnu qui n’a pas pu être décodé.</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image is encoded with an unknown compression scheme which could not be decoded.</source>
        <translation>Cette image PNG («&#xa0;Portable Network Graphics&#xa0;») utilise une méthode de compression inconnue qui n’a pas pu être décodée.</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image uses an unknown interlace scheme which could not be decoded.</source>
        <translation>Cette image PNG («&#xa0;Portable Network Graphics&#xa0;») utilise une méthode d’entrelacement inconnue qui n’a pas pu être décodée.</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image contains no data.</source>
        <translation>Cette image PNG («&#xa0;Portable Network Graphics&#xa0;») ne contient aucune donnée.</translation>
    </message>
    <message>
        <source>The png image could not be loaded from the resource ID.</source>
        <translation>L’image PNG n’a pas pu être chargée depuis la ressource.</translation>
    </message>
    <message>
        <source>The &quot;Portable Network Graphics&quot; image contains an invalid palette.</source>
        <translation>L’image PNG («&#xa0;Portable Network Graphics&#xa0;») contient une palette non valide.</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image uses a combination of colour type and bit depth which could not be decoded.</source>
        <translation>Cette image PNG («&#xa0;Portable Network Graphics&#xa0;») utilise une combinaison de type de couleur et de profondeur de bits qui n’a pas pu être décodée.</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image is too large to be loaded: it has more than 100,000,000 pixels.</source>
        <translation>Cette image PNG («&#xa0;Portable Network Graphics&#xa0;») est trop grande pour être chargée&#xa0;: elle compte plus de 100 000 000 pixels.</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image contains a piece of data which is too large to be loaded.</source>
        <translation>Cette image PNG («&#xa0;Portable Network Graphics&#xa0;») contient un bloc de données trop grand pour être chargé.</translation>
    </message>
    <message>
        <source>Could not decompress the image because it contains invalid compressed data.
 Description: </source>
        <translation>Impossible de décompresser l’image car elle contient des données compressées non valides.
 Description&#xa0;: </translation>
    </message>
    <message>
        <source>incompatible version (-6)</source>
        <translation>version incompatible (-6)</translation>
    </message>
    <message>
        <source>buffer error (-5)</source>
        <translation>erreur de tampon (-5)</translation>
    </message>
    <message>
        <source>insufficient memory (-4)</source>
        <translation>mémoire insuffisante (-4)</translation>
    </message>
    <message>
        <source>data error (-3)</source>
        <translation>erreur de données (-3)</translation>
    </message>
    <message>
        <source>stream error (-2)</source>
        <translation>erreur de flux (-2)</translation>
    </message>
    <message>
        <source>file error (-1)</source>
        <translation>erreur de fichier (-1)</translation>
    </message>
    <message>
        <source>unknown error (%1)</source>
        <translation>erreur inconnue (%1)</translation>
    </message>
</context>
<context>
    <name>PopupSettings</name>
    <message>
        <source>%1 must be from %2 to %3 %4, not %5</source>
        <translation>%1 doit se situer entre %2 et %3 %4, et non à %5</translation>
    </message>
    <message>
        <source>The link holds a line break or another control character</source>
        <translation>Le lien contient un saut de ligne ou un autre caractère de contrôle</translation>
    </message>
    <message>
        <source>The link %1 %2</source>
        <translation>Le lien %1 %2</translation>
    </message>
    <message>
        <source>would open a file beside the page: write https:// before the site&apos;s name</source>
        <translation>ouvrirait un fichier à côté de la page&#xa0;: écrivez https:// devant le nom du site</translation>
    </message>
    <message>
        <source>is not a valid address</source>
        <translation>n’est pas une adresse valide</translation>
    </message>
    <message>
        <source>names no site: write the whole address, such as https://www.example.com/offer.htm</source>
        <translation>ne désigne aucun site&#xa0;: écrivez l’adresse complète, par exemple https://www.example.com/offer.htm</translation>
    </message>
    <message>
        <source>is not a valid address: check the site&apos;s name and port</source>
        <translation>n’est pas une adresse valide&#xa0;: vérifiez le nom et le port du site</translation>
    </message>
    <message>
        <source>names no e-mail address: write mailto: and the address, such as mailto:info@example.com</source>
        <translation>ne désigne aucune adresse e-mail&#xa0;: écrivez mailto: suivi de l’adresse, par exemple mailto:info@example.com</translation>
    </message>
    <message>
        <source>names no telephone number: write tel: and the number, such as tel:+15550100</source>
        <translation>ne désigne aucun numéro de téléphone&#xa0;: écrivez tel: suivi du numéro, par exemple tel:+15550100</translation>
    </message>
    <message>
        <source>cannot be used: a link is a web address (http:// or https://), an e-mail address (mailto:), a telephone number (tel:) or an address relative to the page (such as offer.htm)</source>
        <translation>ne peut pas être utilisé&#xa0;: un lien est une adresse web (http:// ou https://), une adresse e-mail (mailto:), un numéro de téléphone (tel:) ou une adresse relative à la page (par exemple offer.htm)</translation>
    </message>
    <message>
        <source>The cookie name %1 must begin with a letter and hold only letters, digits and underscores, at most %2</source>
        <translation>Le nom de cookie %1 doit commencer par une lettre et ne contenir que des lettres, des chiffres et des traits de soulignement, %2 au plus</translation>
    </message>
    <message>
        <source>The auto close delay</source>
        <translation>Le délai de fermeture automatique</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>The delay before the popup shows</source>
        <translation>Le délai avant l’apparition du pop-up</translation>
    </message>
    <message>
        <source>The share of the page scrolled before the popup shows</source>
        <translation>La part de la page à faire défiler avant l’apparition du pop-up</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>pour cent</translation>
    </message>
    <message>
        <source>The days before the popup shows again (0 for no such limit)</source>
        <translation>Le nombre de jours avant que le pop-up réapparaisse (0 pour aucune limite)</translation>
    </message>
    <message>
        <source>days</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>The backdrop&apos;s opacity</source>
        <translation>L’opacité de l’arrière-plan</translation>
    </message>
</context>
<context>
    <name>PopupWriter</name>
    <message>
        <source>The spacer picture is missing from the program</source>
        <translation>L’image d’espacement (spacer) manque dans le programme</translation>
    </message>
    <message>
        <source>Unable to create directory</source>
        <translation>Impossible de créer le dossier</translation>
    </message>
</context>
<context>
    <name>ScriptBuilder</name>
    <message>
        <source>The script template is missing from the program</source>
        <translation>Le modèle de script manque dans le programme</translation>
    </message>
</context>
</TS>
