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
    <name>HelpText</name>
    <message>
        <source>Usage:</source>
        <translation>Utilisation&#xa0;:</translation>
    </message>
    <message>
        <source>Vantelle Pro builds a picture popup for a web page: choose a picture, place texts and a
close button on it, set how the popup behaves, preview it and write the web files.
</source>
        <translation>Vantelle Pro crée un pop-up illustré pour une page web&#xa0;: choisissez une image, placez-y des textes
et un bouton de fermeture, réglez le comportement, prévisualisez et écrivez les fichiers web.
</translation>
    </message>
    <message>
        <source>open this design</source>
        <translation>ouvrir cette création</translation>
    </message>
    <message>
        <source>open the design of the popup published in this page</source>
        <translation>ouvrir la création du pop-up publié dans cette page</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>afficher cette aide et quitter</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>afficher la version et quitter</translation>
    </message>
    <message>
        <source>publish puts the design&apos;s popup on the pages of a site (.htm and .html files in DIR and
the folders below), takedown takes it off every page it was published to again.
</source>
        <translation>publish place le pop-up de la création sur les pages d’un site (fichiers .htm et .html de DIR
et des dossiers en dessous), takedown le retire de toutes les pages où il a été publié.
</translation>
    </message>
    <message>
        <source>the site&apos;s folder</source>
        <translation>le dossier du site</translation>
    </message>
    <message>
        <source>only pages that match (&quot;shop/**&quot;, &quot;*.html&quot;, a folder)</source>
        <translation>seulement les pages correspondantes («&#xa0;shop/**&#xa0;», «&#xa0;*.html&#xa0;», un dossier)</translation>
    </message>
    <message>
        <source>leave out pages that match</source>
        <translation>exclure les pages correspondantes</translation>
    </message>
    <message>
        <source>where the popup&apos;s files go (popup/&lt;design name&gt;/ in the site)</source>
        <translation>où vont les fichiers du pop-up (popup/&lt;nom de la création&gt;/ dans le site)</translation>
    </message>
    <message>
        <source>say what would change, and change nothing</source>
        <translation>indiquer ce qui changerait, sans rien changer</translation>
    </message>
    <message>
        <source>report as JSON</source>
        <translation>rapport en JSON</translation>
    </message>
    <message>
        <source>Exit status: 0 when every chosen page is done, 1 when some were skipped or nothing could
be done, 2 for a wrong command line.
</source>
        <translation>Code de sortie&#xa0;: 0 si chaque page choisie est traitée, 1 si certaines ont été ignorées ou si rien
n’a pu être fait, 2 pour une ligne de commande incorrecte.
</translation>
    </message>
    <message>
        <source>Try &apos;vantelle-pro --help&apos; for more information.</source>
        <translation>Essayez «&#xa0;vantelle-pro --help&#xa0;» pour plus d’informations.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; for %2</source>
        <translation>option inconnue «&#xa0;%1&#xa0;» pour %2</translation>
    </message>
    <message>
        <source>%1 takes one design file, but %2 were given</source>
        <translation>%1 attend un fichier de création, mais %2 ont été donnés</translation>
    </message>
    <message>
        <source>%1 needs the site&apos;s folder: --site DIR</source>
        <translation>%1 a besoin du dossier du site&#xa0;: --site DIR</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 est donné plus d’une fois</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>one design at a time, but %1 files were given</source>
        <translation>une seule création à la fois, mais %1 fichiers ont été donnés</translation>
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
    <name>PageControls</name>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
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
    <message>
        <source>.
The pictures in it are not shown, and Load... is refused until the next start so that the file stays as it is</source>
        <translation>.
Ses images ne sont pas affichées et «&#xa0;Charger...&#xa0;» est refusé jusqu’au prochain démarrage, pour que le fichier reste tel quel</translation>
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
    <name>PopupLanguageControl</name>
    <message>
        <source>Language of the popup&apos;s own words</source>
        <translation>Langue des mots du pop-up</translation>
    </message>
    <message>
        <source>The language in which the popup names its close button and describes itself to screen readers</source>
        <translation>La langue dans laquelle le pop-up nomme son bouton de fermeture et se décrit aux lecteurs d’écran</translation>
    </message>
    <message>
        <source>Popup language</source>
        <translation>Langue du pop-up</translation>
    </message>
    <message>
        <source>Popup language:</source>
        <translation>Langue du pop-up&#xa0;:</translation>
    </message>
</context>
<context>
    <name>PopupSchedule</name>
    <message>
        <source>The schedule&apos;s %1 &quot;%2&quot; is not a date and time written as 2026-12-24T18:00:00</source>
        <translation>%1 du calendrier «&#xa0;%2&#xa0;» n’est pas une date et une heure écrites sous la forme 2026-12-24T18:00:00</translation>
    </message>
    <message>
        <source>The schedule&apos;s %1 %2 must lie in the years %3 to %4</source>
        <translation>%1 du calendrier %2 doit se situer entre les années %3 et %4</translation>
    </message>
    <message>
        <source>start</source>
        <translation>Le début</translation>
    </message>
    <message>
        <source>end</source>
        <translation>La fin</translation>
    </message>
    <message>
        <source>The schedule ends (%1) before it begins (%2): the popup would never show</source>
        <translation>Le calendrier se termine (%1) avant de commencer (%2)&#xa0;: le pop-up ne s’afficherait jamais</translation>
    </message>
    <message>
        <source>The schedule&apos;s clock must be UTC-12:00 to UTC+14:00, not %1 minutes from UTC</source>
        <translation>L’horloge du calendrier doit être entre UTC-12:00 et UTC+14:00, et non à %1 minutes d’UTC</translation>
    </message>
    <message>
        <source>The schedule names no day of the week: choose at least one day, or every day</source>
        <translation>Le calendrier ne nomme aucun jour de la semaine&#xa0;: choisissez au moins un jour, ou tous les jours</translation>
    </message>
    <message>
        <source>The schedule&apos;s hours must be times of the day from 00:00 to 23:59</source>
        <translation>Les heures du calendrier doivent être comprises entre 00:00 et 23:59</translation>
    </message>
    <message>
        <source>The schedule&apos;s hours begin and end at %1: give two different times, or no hours</source>
        <translation>Les heures du calendrier commencent et finissent à %1&#xa0;: indiquez deux heures différentes, ou aucune</translation>
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
<context>
    <name>SitePublisher</name>
    <message>
        <source>The site journal &quot;%1&quot; is damaged at line %2: %3</source>
        <translation>Le journal du site «&#xa0;%1&#xa0;» est endommagé à la ligne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>The site folder &quot;%1&quot; does not exist</source>
        <translation>Le dossier du site «&#xa0;%1&#xa0;» n’existe pas</translation>
    </message>
    <message>
        <source>Not a file</source>
        <translation>Ce n’est pas un fichier</translation>
    </message>
    <message>
        <source>It holds another popup (%1)</source>
        <translation>Elle contient un autre pop-up (%1)</translation>
    </message>
    <message>
        <source>It is read-only</source>
        <translation>Elle est en lecture seule</translation>
    </message>
    <message>
        <source>Its folder cannot be written to</source>
        <translation>Son dossier n’est pas accessible en écriture</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
</context>
<context>
    <name>TBehaviourPage</name>
    <message>
        <source>Popup click action</source>
        <translation>Action du clic sur le pop-up</translation>
    </message>
    <message>
        <source>Close Popup</source>
        <translation>Fermer le pop-up</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>Ouvrir le lien</translation>
    </message>
    <message>
        <source>Text for screen readers:</source>
        <translation>Texte pour lecteurs d’écran&#xa0;:</translation>
    </message>
    <message>
        <source>What screen readers say for the popup and its picture; empty: the design&apos;s texts</source>
        <translation>Ce que les lecteurs d’écran disent du pop-up et de son image&#xa0;; vide&#xa0;: les textes de la création</translation>
    </message>
    <message>
        <source>Website link</source>
        <translation>Lien vers le site</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL&#xa0;:</translation>
    </message>
    <message>
        <source>The address a click on the popup opens: http:// or https://, mailto:, tel:, or relative to the page; empty for none</source>
        <translation>L’adresse qu’ouvre un clic sur le pop-up&#xa0;: http:// ou https://, mailto:, tel:, ou relative à la page&#xa0;; vide pour aucune</translation>
    </message>
    <message>
        <source>Open link in the same browser window</source>
        <translation>Ouvrir le lien dans la même fenêtre</translation>
    </message>
    <message>
        <source>Open link in a new browser window</source>
        <translation>Ouvrir le lien dans une nouvelle fenêtre</translation>
    </message>
    <message>
        <source>Auto close popup</source>
        <translation>Fermeture automatique</translation>
    </message>
    <message>
        <source>Enable auto close</source>
        <translation>Fermer automatiquement</translation>
    </message>
    <message>
        <source>Delay in seconds:</source>
        <translation>Délai en secondes&#xa0;:</translation>
    </message>
    <message>
        <source>Sessions</source>
        <translation>Sessions</translation>
    </message>
    <message>
        <source>Open popup once per session</source>
        <translation>Une fois par session</translation>
    </message>
    <message>
        <source>Open popup every time page is loaded</source>
        <translation>À chaque chargement de la page</translation>
    </message>
    <message>
        <source>More options...</source>
        <translation>Plus d’options...</translation>
    </message>
    <message>
        <source>Show it again to visitors who have seen it</source>
        <translation>Le remontrer à ceux qui l’ont vu</translation>
    </message>
    <message>
        <source>The next Add popup or Save files gives the popup a new name, so that browsers show it again to visitors who have seen it; otherwise the popup keeps its name</source>
        <translation>Le prochain «&#xa0;Ajouter&#xa0;» ou «&#xa0;Générer&#xa0;» donne un nouveau nom au pop-up, pour que les navigateurs le remontrent aux visiteurs qui l’ont vu&#xa0;; sinon le pop-up garde son nom</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Auto center popup window</source>
        <translation>Centrer automatiquement</translation>
    </message>
    <message>
        <source>Set popup window position on page</source>
        <translation>Position fixe sur la page</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>X&#xa0;:</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>Y&#xa0;:</translation>
    </message>
    <message>
        <source>The popup has no link: a click on it will do nothing.<byte value="xd"/>
Type the address to open in the URL box, or choose &quot;Close Popup&quot; to let a click close it.</source>
        <translation>Le pop-up n’a pas de lien&#xa0;: un clic dessus ne fera rien.<byte value="xd"/>
Saisissez l’adresse à ouvrir dans le champ URL, ou choisissez «&#xa0;Fermer le pop-up&#xa0;» pour qu’un clic le ferme.</translation>
    </message>
    <message>
        <source>More options</source>
        <translation>Plus d’options</translation>
    </message>
</context>
<context>
    <name>TDesignFiles</name>
    <message>
        <source>Designs and published pages (*.vpopup *.htm *.html);;Vantelle Pro designs (*.vpopup);;Web pages (*.htm *.html);;Any file (*)</source>
        <translation>Créations et pages publiées (*.vpopup *.htm *.html);;Créations Vantelle Pro (*.vpopup);;Pages web (*.htm *.html);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is shown in &quot;%2&quot;</source>
        <translation>«&#xa0;%1&#xa0;» est affiché dans «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>Open design...</source>
        <translation>Ouvrir...</translation>
    </message>
    <message>
        <source>Open a design, or the page of a published popup (Ctrl+O)</source>
        <translation>Ouvrir une création, ou la page d’un pop-up publié (Ctrl+O)</translation>
    </message>
    <message>
        <source>Save design</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save design (Ctrl+S)</source>
        <translation>Enregistrer la création (Ctrl+S)</translation>
    </message>
    <message>
        <source>Save design as...</source>
        <translation>Enregistrer la création sous...</translation>
    </message>
    <message>
        <source>New design</source>
        <translation>Nouvelle création</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Annuler (Ctrl+Z)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Shift+Z, Ctrl+Y)</source>
        <translation>Rétablir (Ctrl+Maj+Z, Ctrl+Y)</translation>
    </message>
    <message>
        <source>new design</source>
        <translation>nouvelle création</translation>
    </message>
    <message>
        <source>Design: </source>
        <translation>Création&#xa0;: </translation>
    </message>
    <message>
        <source>Not saved yet</source>
        <translation>Pas encore enregistrée</translation>
    </message>
    <message>
        <source>a new design</source>
        <translation>une nouvelle création</translation>
    </message>
    <message>
        <source>the design &quot;%1&quot;</source>
        <translation>la création «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Vantelle Pro did not end normally last time. Restore the unsaved changes to %1?

No deletes them for good.</source>
        <translation>Vantelle Pro ne s’est pas terminé normalement la dernière fois. Restaurer les modifications non enregistrées de %1&#xa0;?

«&#xa0;Non&#xa0;» les supprime définitivement.</translation>
    </message>
    <message>
        <source>Cannot restore &quot;%1&quot;. %2</source>
        <translation>Impossible de restaurer «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>the new design</source>
        <translation>la nouvelle création</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Enregistrer les modifications de %1&#xa0;?</translation>
    </message>
    <message>
        <source>Open design</source>
        <translation>Ouvrir une création</translation>
    </message>
    <message>
        <source>Cannot open design &quot;%1&quot;. %2</source>
        <translation>Impossible d’ouvrir la création «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message>
        <source>Some faces of the design &quot;%1&quot; are not installed here: %2. The design keeps its faces.</source>
        <translation>Certaines polices de la création «&#xa0;%1&#xa0;» ne sont pas installées ici&#xa0;: %2. La création garde ses polices.</translation>
    </message>
    <message>
        <source>Save design as</source>
        <translation>Enregistrer la création sous</translation>
    </message>
    <message>
        <source>Vantelle Pro designs (*.vpopup)</source>
        <translation>Créations Vantelle Pro (*.vpopup)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Replace it?</source>
        <translation>«&#xa0;%1&#xa0;» existe déjà. Le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program or another copy of Vantelle Pro since this copy opened or saved it. Overwrite those changes, save this design under another name, or cancel?</source>
        <translation>«&#xa0;%1&#xa0;» a été modifié par un autre programme ou une autre instance de Vantelle Pro depuis que celle-ci l’a ouvert ou enregistré. Écraser ces modifications, enregistrer cette création sous un autre nom, ou annuler&#xa0;?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Écraser</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>%1 - Design: %2, not saved</source>
        <translation>%1 - Création&#xa0;: %2, non enregistrée</translation>
    </message>
    <message>
        <source>%1 - Design: %2</source>
        <translation>%1 - Création&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>TDesignModel</name>
    <message>
        <source>Scale (%1)</source>
        <translation>Échelle (%1)</translation>
    </message>
</context>
<context>
    <name>TDesignerPage</name>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>Document size:</source>
        <translation>Format&#xa0;:</translation>
    </message>
    <message>
        <source>150px - 500px</source>
        <translation>150px - 500px</translation>
    </message>
    <message>
        <source>No close button</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Échelle</translation>
    </message>
    <message>
        <source>Sample text</source>
        <translation>Texte d’exemple</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Autre...</translation>
    </message>
    <message>
        <source>Font Style:</source>
        <translation>Style&#xa0;:</translation>
    </message>
    <message>
        <source>B</source>
        <comment>bold</comment>
        <translation>G</translation>
    </message>
    <message>
        <source>I</source>
        <comment>italic</comment>
        <translation>I</translation>
    </message>
    <message>
        <source>U</source>
        <comment>underline</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>↑</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>↓</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>←</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>→</translation>
    </message>
    <message>
        <source>AddText</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>%1 px x %1 px</source>
        <translation>%1 px x %1 px</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Add text</source>
        <translation>Ajouter un texte</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Close button</source>
        <translation>Bouton de fermeture</translation>
    </message>
    <message>
        <source>Document size</source>
        <translation>Taille du document</translation>
    </message>
    <message>
        <source>Close button scale</source>
        <translation>Échelle du bouton de fermeture</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Bordeaux</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Olive</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Bleu marine</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violet</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Sarcelle</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Argent</translation>
    </message>
    <message>
        <source>Mint green</source>
        <translation>Vert menthe</translation>
    </message>
    <message>
        <source>Sky blue</source>
        <translation>Bleu ciel</translation>
    </message>
    <message>
        <source>Cream</source>
        <translation>Crème</translation>
    </message>
    <message>
        <source>Medium grey</source>
        <translation>Gris moyen</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Gris</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Vert citron</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Fuchsia</source>
        <translation>Fuchsia</translation>
    </message>
    <message>
        <source>Aqua</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Création</translation>
    </message>
    <message>
        <source>C&amp;lose button Style:</source>
        <translation>Style du bouton de &amp;fermeture&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Texte&#xa0;:</translation>
    </message>
    <message>
        <source>Font &amp;Face:</source>
        <translation>&amp;Police&#xa0;:</translation>
    </message>
    <message>
        <source>Font &amp;Color:</source>
        <translation>&amp;Couleur&#xa0;:</translation>
    </message>
    <message>
        <source>Custo&amp;m...</source>
        <translation>A&amp;utre...</translation>
    </message>
    <message>
        <source>Font S&amp;ize:</source>
        <translation>T&amp;aille&#xa0;:</translation>
    </message>
    <message>
        <source>An&amp;gle:</source>
        <translation>A&amp;ngle&#xa0;:</translation>
    </message>
    <message>
        <source>E&amp;rase</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>Larger document</source>
        <translation>Document plus grand</translation>
    </message>
    <message>
        <source>Smaller document</source>
        <translation>Document plus petit</translation>
    </message>
    <message>
        <source>Larger close button</source>
        <translation>Bouton de fermeture plus grand</translation>
    </message>
    <message>
        <source>Smaller close button</source>
        <translation>Bouton de fermeture plus petit</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>&amp;Post copy</source>
        <translation>Copie&amp;r</translation>
    </message>
    <message>
        <source>Add ne&amp;w</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <source>Nothing selected</source>
        <translation>Rien de sélectionné</translation>
    </message>
    <message>
        <source>Close button at %1, %2</source>
        <translation>Bouton de fermeture en %1, %2</translation>
    </message>
    <message>
        <source>Text &quot;%1&quot; at %2, %3</source>
        <translation>Texte «&#xa0;%1&#xa0;» en %2, %3</translation>
    </message>
    <message>
        <source>Custom color %1</source>
        <translation>Couleur personnalisée %1</translation>
    </message>
    <message>
        <source>Close button %1</source>
        <translation>Bouton de fermeture %1</translation>
    </message>
</context>
<context>
    <name>TFontPickers</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nombre entier valide</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Update Base</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Précédent</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Suivant &gt;</translation>
    </message>
    <message>
        <source>Vantelle Pro - popup wizard for your web pages</source>
        <translation>Vantelle Pro - assistant de pop-up pour vos pages web</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Choisir une image</translation>
    </message>
    <message>
        <source>Design the popup</source>
        <translation>Concevoir le pop-up</translation>
    </message>
    <message>
        <source>What the popup does</source>
        <translation>Ce que fait le pop-up</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Publier</translation>
    </message>
    <message>
        <source>Step %1 of 5: %2</source>
        <translation>Étape %1 sur 5&#xa0;: %2</translation>
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
        <translation>Mer</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Ven</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sam</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Dim</translation>
    </message>
    <message>
        <source>When and to whom it shows</source>
        <translation>Quand et à qui il s’affiche</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Du</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Au</translation>
    </message>
    <message>
        <source>the visitor&apos;s local time</source>
        <translation>l’heure locale du visiteur</translation>
    </message>
    <message>
        <source>Only between</source>
        <translation>Seulement entre</translation>
    </message>
    <message>
        <source>All devices</source>
        <translation>Tous les appareils</translation>
    </message>
    <message>
        <source>Touch screens only (phones and tablets)</source>
        <translation>Écrans tactiles seulement (téléphones et tablettes)</translation>
    </message>
    <message>
        <source>Desktops only</source>
        <translation>Ordinateurs seulement</translation>
    </message>
    <message>
        <source>and</source>
        <translation>et</translation>
    </message>
    <message>
        <source>On the days:</source>
        <translation>Les jours&#xa0;:</translation>
    </message>
    <message>
        <source>Times are read on:</source>
        <translation>Heures lues selon&#xa0;:</translation>
    </message>
    <message>
        <source>Devices:</source>
        <translation>Appareils&#xa0;:</translation>
    </message>
    <message>
        <source>More options</source>
        <translation>Plus d’options</translation>
    </message>
    <message>
        <source>When the popup shows</source>
        <translation>Quand le pop-up s’affiche</translation>
    </message>
    <message>
        <source>When the page has loaded</source>
        <translation>Une fois la page chargée</translation>
    </message>
    <message>
        <source>After a delay</source>
        <translation>Après un délai</translation>
    </message>
    <message>
        <source>When the visitor is about to leave the page</source>
        <translation>Quand le visiteur s’apprête à quitter la page</translation>
    </message>
    <message>
        <source>When the visitor has scrolled through part of the page</source>
        <translation>Quand le visiteur a fait défiler une partie de la page</translation>
    </message>
    <message>
        <source>Delay (on touch screens also for leaving):</source>
        <translation>Délai (aussi pour le départ sur écran tactile)&#xa0;:</translation>
    </message>
    <message>
        <source>Share of the page scrolled:</source>
        <translation>Part de la page défilée&#xa0;:</translation>
    </message>
    <message>
        <source>How often</source>
        <translation>À quelle fréquence</translation>
    </message>
    <message>
        <source>Show it once in so many days, also after the browser was closed (instead of &quot;Sessions&quot;)</source>
        <translation>L’afficher une fois tous les N jours, même après la fermeture du navigateur (au lieu de «&#xa0;Sessions&#xa0;»)</translation>
    </message>
    <message>
        <source> days</source>
        <translation> jours</translation>
    </message>
    <message>
        <source>Backdrop</source>
        <translation>Arrière-plan</translation>
    </message>
    <message>
        <source>Dim the page behind the popup (the popup then keeps the keyboard until it is closed)</source>
        <translation>Assombrir la page derrière le pop-up (il garde alors le clavier jusqu’à sa fermeture)</translation>
    </message>
    <message>
        <source>A click on the backdrop closes the popup</source>
        <translation>Un clic sur l’arrière-plan ferme le pop-up</translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation>Couleur&#xa0;:</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>Opacité&#xa0;:</translation>
    </message>
    <message>
        <source>Entrance and accessibility</source>
        <translation>Apparition et accessibilité</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Fade in</source>
        <translation>Fondu</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Give screen readers the popup&apos;s text (&quot;Text for screen readers&quot; on the page)</source>
        <translation>Donner le texte du pop-up aux lecteurs d’écran («&#xa0;Texte pour lecteurs d’écran&#xa0;» sur la page)</translation>
    </message>
    <message>
        <source>Sharp picture for high-density screens (writes logo@2x.png)</source>
        <translation>Image nette pour écrans haute densité (écrit logo@2x.png)</translation>
    </message>
    <message>
        <source>Entrance (none when the visitor asks for reduced motion):</source>
        <translation>Apparition (aucune si le visiteur demande moins d’animations)&#xa0;:</translation>
    </message>
</context>
<context>
    <name>TPreviewLoader</name>
    <message>
        <source>The preview cannot be shown: %1 is not the program&apos;s browser module.</source>
        <translation>L’aperçu ne peut pas être affiché&#xa0;: %1 n’est pas le module navigateur du programme.</translation>
    </message>
    <message>
        <source>The preview cannot be shown: its browser module (%1) could not be loaded.%2</source>
        <translation>L’aperçu ne peut pas être affiché&#xa0;: son module navigateur (%1) n’a pas pu être chargé.%2</translation>
    </message>
</context>
<context>
    <name>TPreviewPage</name>
    <message>
        <source>The preview shows the popup whatever its schedule and devices.</source>
        <translation>L’aperçu montre le pop-up quels que soient son calendrier et ses appareils.</translation>
    </message>
    <message>
        <source>Preview of the popup</source>
        <translation>Aperçu du pop-up</translation>
    </message>
    <message>
        <source>The popup on an empty page, as a browser shows it</source>
        <translation>Le pop-up sur une page vide, tel qu’un navigateur l’affiche</translation>
    </message>
</context>
<context>
    <name>TPublishPage</name>
    <message>
        <source>Auto modify existing HTML file (or create new)</source>
        <translation>Modifier automatiquement un fichier HTML (ou le créer)</translation>
    </message>
    <message>
        <source>File to modify or create:</source>
        <translation>Fichier à modifier ou créer&#xa0;:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Add popup</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Publish to a site...</source>
        <translation>Publier sur un site...</translation>
    </message>
    <message>
        <source>Manual HTML change</source>
        <translation>Modification manuelle du HTML</translation>
    </message>
    <message>
        <source>Folder to save necessary files:</source>
        <translation>Dossier des fichiers nécessaires&#xa0;:</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Changer...</translation>
    </message>
    <message>
        <source>HTML file must be one level above the popup files.</source>
        <translation>Le fichier HTML doit se trouver un niveau au-dessus des fichiers du pop-up.</translation>
    </message>
    <message>
        <source>If used in an alternative location, please edit paths in JavaScript and HTML files manually.</source>
        <translation>Ailleurs, modifiez à la main les chemins dans les fichiers JavaScript et HTML.</translation>
    </message>
    <message>
        <source>Save files</source>
        <translation>Générer</translation>
    </message>
    <message>
        <source>Code to place in HTML file:</source>
        <translation>Code à placer dans le fichier HTML&#xa0;:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Your Vantelle files have been saved,<byte value="xd"/>
and your HTML document modified.<byte value="xd"/>
You are now ready to upload the files to your server</source>
        <translation>Vos fichiers Vantelle ont été enregistrés<byte value="xd"/>
et votre document HTML modifié.<byte value="xd"/>
Vous pouvez maintenant envoyer les fichiers sur votre serveur</translation>
    </message>
    <message>
        <source>Your Vantelle files have been saved,<byte value="xd"/>
but your HTML document ought to be modified by you</source>
        <translation>Vos fichiers Vantelle ont été enregistrés,<byte value="xd"/>
mais vous devez modifier vous-même votre document HTML</translation>
    </message>
    <message>
        <source>HTML pages (*.htm;*.html)|*.htm;*.html|Any file (*.*)|*.*</source>
        <translation>Pages HTML (*.htm;*.html)|*.htm;*.html|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <source>Folder to save files to</source>
        <translation>Dossier où enregistrer les fichiers</translation>
    </message>
</context>
<context>
    <name>TSitePublishDialog</name>
    <message>
        <source>Publish to a site</source>
        <translation>Publier sur un site</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>all pages, or patterns such as shop/** *.html</source>
        <translation>toutes les pages, ou des motifs comme shop/** *.html</translation>
    </message>
    <message>
        <source>patterns of pages to leave out</source>
        <translation>motifs des pages à exclure</translation>
    </message>
    <message>
        <source>Show pages</source>
        <translation>Afficher les pages</translation>
    </message>
    <message>
        <source>Site folder:</source>
        <translation>Dossier du site&#xa0;:</translation>
    </message>
    <message>
        <source>Popup folder:</source>
        <translation>Dossier du pop-up&#xa0;:</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Pages&#xa0;:</translation>
    </message>
    <message>
        <source>Leave out:</source>
        <translation>Exclure&#xa0;:</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>What will change</source>
        <translation>Ce qui va changer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Publier</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Take down</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Site folder</source>
        <translation>Dossier du site</translation>
    </message>
    <message>
        <source>Choose the site&apos;s folder and show its pages first</source>
        <translation>Choisissez d’abord le dossier du site et affichez ses pages</translation>
    </message>
    <message numerus="yes">
        <source>%n pages in the site&apos;s folder match.</source>
        <translation>
            <numerusform>%n page du dossier du site correspond.</numerusform>
            <numerusform>%n pages du dossier du site correspondent.</numerusform>
        </translation>
    </message>
    <message>
        <source>What will change: %1 added, %2 updated, %3 removed, %4 unchanged, %5 skipped.</source>
        <translation>Ce qui va changer&#xa0;: %1 ajoutées, %2 mises à jour, %3 retirées, %4 inchangées, %5 ignorées.</translation>
    </message>
    <message>
        <source>%1: %2 added, %3 updated, %4 removed, %5 unchanged, %6 skipped.</source>
        <translation>%1&#xa0;: %2 ajoutées, %3 mises à jour, %4 retirées, %5 inchangées, %6 ignorées.</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Publish the design again to the %1 pages it was published to? Visitors who have seen it keep not seeing it again.</source>
        <translation>Publier à nouveau la création sur les %1 pages où elle a été publiée&#xa0;? Les visiteurs qui l’ont déjà vue ne la reverront toujours pas.</translation>
    </message>
    <message>
        <source>Take the popup off %1 pages? Pages nobody changed since get back exactly what they were.</source>
        <translation>Retirer le pop-up de %1 pages&#xa0;? Les pages que personne n’a modifiées depuis redeviennent exactement ce qu’elles étaient.</translation>
    </message>
    <message>
        <source>Pages of the site</source>
        <translation>Pages du site</translation>
    </message>
    <message>
        <source>Example of a change</source>
        <translation>Exemple de modification</translation>
    </message>
</context>
<context>
    <name>TTemplateGrid</name>
    <message>
        <source>Damaged picture
entry %1</source>
        <translation>Image endommagée
entrée %1</translation>
    </message>
</context>
<context>
    <name>TTemplatePage</name>
    <message>
        <source>Select Template</source>
        <translation>Choisir un modèle</translation>
    </message>
    <message>
        <source>Select the thumbnail image of the graphic you would like to use</source>
        <translation>Choisissez la miniature de l’image que vous souhaitez utiliser,</translation>
    </message>
    <message>
        <source>for your SoftName, then click the next button to continue</source>
        <translation>puis cliquez sur «&#xa0;Suivant &gt;&#xa0;» pour continuer</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>Charger...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Garder</translation>
    </message>
    <message>
        <source>This picture came with the design and is shown for this run only. Keep it in your pictures</source>
        <translation>Cette image est venue avec la création et n’est montrée que pour cette session. La garder dans vos images</translation>
    </message>
    <message>
        <source>for your Vantelle Pro, then click the next button to continue</source>
        <translation>puis cliquez sur «&#xa0;Suivant &gt;&#xa0;» pour continuer</translation>
    </message>
    <message>
        <source>Png Image (*.png)|*.png</source>
        <translation>Image PNG (*.png)|*.png</translation>
    </message>
    <message>
        <source>Remove this picture from the list? It came with the design and is not in the program&apos;s base, so it is only dropped from this run&apos;s list</source>
        <translation>Retirer cette image de la liste&#xa0;? Elle est venue avec la création et n’est pas dans la base du programme&#xa0;; elle est donc seulement retirée de la liste de cette session</translation>
    </message>
    <message>
        <source>Delete selected picture from program&apos;s base?</source>
        <translation>Supprimer l’image choisie de la base du programme&#xa0;?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Template %1</source>
        <translation>Modèle %1</translation>
    </message>
    <message>
        <source>The opened design&apos;s picture, not kept in your pictures</source>
        <translation>Image de la création ouverte, non gardée dans vos images</translation>
    </message>
    <message>
        <source>Your picture %1, damaged</source>
        <translation>Votre image %1, endommagée</translation>
    </message>
    <message>
        <source>Your picture %1</source>
        <translation>Votre image %1</translation>
    </message>
</context>
</TS>
