<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AlphaStretch</name>
    <message>
        <source>Cannot resample a %1 x %2 picture to %3 x %4: the source needs at least 1 x 2 pixels and the destination at least 2 x 2.</source>
        <translation>Ein Bild von %1 x %2 Pixeln kann nicht auf %3 x %4 Pixel umgerechnet werden: Die Quelle braucht mindestens 1 x 2 Pixel, das Ziel mindestens 2 x 2.</translation>
    </message>
</context>
<context>
    <name>FileErrors</name>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht angelegt werden. %2</translation>
    </message>
</context>
<context>
    <name>FileStorage</name>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden. %2</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden. %2</translation>
    </message>
    <message>
        <source>The picture container &quot;%1&quot; cannot grow beyond 2 GiB.</source>
        <translation>Der Bildcontainer „%1“ kann nicht über 2 GiB hinaus wachsen.</translation>
    </message>
    <message>
        <source>ends inside its length field</source>
        <translation>endet mitten in seiner Längenangabe</translation>
    </message>
    <message>
        <source>runs past the end of the file</source>
        <translation>reicht über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>lies beyond 2 GiB</source>
        <translation>liegt jenseits von 2 GiB</translation>
    </message>
    <message>
        <source>The file ended unexpectedly</source>
        <translation>Die Datei endete unerwartet</translation>
    </message>
    <message>
        <source>The picture container &quot;%1&quot; is damaged (entry %2 %3).</source>
        <translation>Der Bildcontainer „%1“ ist beschädigt (Eintrag %2 %3).</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holding %2 cannot be written (%3); nothing was changed</source>
        <translation>In den Ordner „%1“ mit %2 kann nicht geschrieben werden (%3); es wurde nichts geändert</translation>
    </message>
</context>
<context>
    <name>JpegImage</name>
    <message>
        <source>The JPEG picture is too large (%1 x %2 pixels).</source>
        <translation>Das JPEG-Bild ist zu groß (%1 x %2 Pixel).</translation>
    </message>
    <message>
        <source>The JPEG picture uses a colour space that cannot be shown.</source>
        <translation>Das JPEG-Bild verwendet einen Farbraum, der nicht angezeigt werden kann.</translation>
    </message>
</context>
<context>
    <name>PageText</name>
    <message>
        <source>on line %1</source>
        <translation>in Zeile %1</translation>
    </message>
    <message>
        <source>on lines %1 and %2</source>
        <translation>in den Zeilen %1 und %2</translation>
    </message>
    <message>
        <source>, and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>, and further on</source>
        <translation> und weiter unten</translation>
    </message>
    <message>
        <source>Its popup markers %1 do not pair: only blanks and one script element may lie between &quot;%2&quot; and the &quot;%3&quot; after it</source>
        <translation>Ihre Popup-Markierungen %1 bilden kein Paar: Zwischen „%2“ und dem folgenden „%3“ dürfen nur Leerraum und ein einziges script-Element stehen</translation>
    </message>
    <message>
        <source>The page &quot;%1&quot; was left unchanged. %2</source>
        <translation>Die Seite „%1“ wurde nicht verändert. %2</translation>
    </message>
    <message>
        <source>The page &quot;%1&quot; is not single-byte text (it is stored as UTF-16 or UTF-32, or holds NUL bytes); it was left unchanged</source>
        <translation>Die Seite „%1“ ist kein Text aus Einzelbytes (sie ist in UTF-16 oder UTF-32 gespeichert oder enthält NUL-Bytes); sie wurde nicht verändert</translation>
    </message>
</context>
<context>
    <name>PictureBase</name>
    <message>
        <source>Cannot read file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden. %2</translation>
    </message>
    <message>
        <source>Entry %1 of the picture container &quot;%2&quot; cannot be used as a picture. %3</source>
        <translation>Eintrag %1 des Bildcontainers „%2“ kann nicht als Bild verwendet werden. %3</translation>
    </message>
    <message>
        <source>
It is shown as a damaged picture, which Remove deletes</source>
        <translation>
Sie wird als beschädigtes Bild angezeigt, das „Entfernen“ löscht</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large for the picture base: it holds %2 bytes, and a picture may have at most %3</source>
        <translation>Die Datei „%1“ ist zu groß für den Bildbestand: Sie enthält %2 Bytes, ein Bild darf höchstens %3 haben</translation>
    </message>
    <message>
        <source>The picture base in &quot;%1&quot; is in use by another copy of Vantelle Pro. This copy shows its pictures, but Load... and Remove stay off until it is started again after the other copy has ended</source>
        <translation>Der Bildbestand in „%1“ wird von einer anderen Instanz von Vantelle Pro verwendet. Diese Instanz zeigt seine Bilder, aber „Laden...“ und „Entfernen“ bleiben gesperrt, bis sie nach dem Beenden der anderen Instanz neu gestartet wird</translation>
    </message>
    <message>
        <source>Load... is off because &quot;%1&quot; could not be read when Vantelle Pro started. Start Vantelle Pro again once the file can be read</source>
        <translation>„Laden...“ ist gesperrt, weil „%1“ beim Start von Vantelle Pro nicht gelesen werden konnte. Starten Sie Vantelle Pro neu, sobald die Datei lesbar ist</translation>
    </message>
    <message>
        <source>This picture is damaged and cannot be used for a popup. Choose another picture, or delete this one with Remove</source>
        <translation>Dieses Bild ist beschädigt und kann nicht für ein Popup verwendet werden. Wählen Sie ein anderes Bild oder löschen Sie dieses mit „Entfernen“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program since Vantelle Pro read it, so nothing was removed. The pictures have been read again; choose the picture to remove once more</source>
        <translation>„%1“ wurde von einem anderen Programm geändert, seit Vantelle Pro die Datei gelesen hat; daher wurde nichts entfernt. Die Bilder wurden neu eingelesen; wählen Sie das zu entfernende Bild noch einmal</translation>
    </message>
</context>
<context>
    <name>PngErrors</name>
    <message>
        <source>Cannot write the picture. %1</source>
        <translation>Das Bild kann nicht geschrieben werden. %1</translation>
    </message>
    <message>
        <source>There is no such palette entry.</source>
        <translation>Diesen Paletteneintrag gibt es nicht.</translation>
    </message>
    <message>
        <source>Some operation could not be performed because the system is out of resources. Close some windows and try again.</source>
        <translation>Ein Vorgang konnte nicht ausgeführt werden, weil dem System die Ressourcen ausgegangen sind. Schließen Sie einige Fenster und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image is invalid because the decoder found an unexpected end of the file.</source>
        <translation>Dieses PNG-Bild („Portable Network Graphics“) ist ungültig, weil der Decoder auf ein unerwartetes Dateiende gestoßen ist.</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image is not valid because it contains invalid pieces of data (crc error)</source>
        <translation>Dieses PNG-Bild („Portable Network Graphics“) ist ungültig, weil es fehlerhafte Datenblöcke enthält (CRC-Fehler)</translation>
    </message>
    <message>
        <source>The &quot;Portable Network Graphics&quot; image could not be loaded because one of its main piece of data (ihdr) might be corrupted</source>
        <translation>Das PNG-Bild („Portable Network Graphics“) konnte nicht geladen werden, weil einer seiner Hauptdatenblöcke (IHDR) beschädigt sein könnte</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image is invalid because it has missing image parts.</source>
        <translation>Dieses PNG-Bild („Portable Network Graphics“) ist ungültig, weil Teile des Bildes fehlen.</translation>
    </message>
    <message>
        <source>The file being read is not a valid &quot;Portable Network Graphics&quot; image because it contains an invalid header. This file may be corruped, try obtaining it again.</source>
        <translation>Die gelesene Datei ist kein gültiges PNG-Bild („Portable Network Graphics“), weil ihr Dateikopf ungültig ist. Die Datei ist womöglich beschädigt; besorgen Sie sie erneut.</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image is not supported or it might be invalid.
(IHDR chunk is not the first)</source>
        <translation>Dieses PNG-Bild („Portable Network Graphics“) wird nicht unterstützt oder ist möglicherweise ungültig.
(Der IHDR-Block steht nicht am Anfang)</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image is not supported because either it&apos;s width or height exceeds the maximum size, which is 65535 pixels length.</source>
        <translation>Dieses PNG-Bild („Portable Network Graphics“) wird nicht unterstützt, weil seine Breite oder Höhe das Maximum von 65535 Pixeln überschreitet.</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image contains an unknown critical part which could not be decoded.</source>
        <translation>Dieses PNG-Bild („Portable Network Graphics“) enthält einen unbekannten kritischen Block, der nicht decodiert werden konnte.</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image is encoded with an unknown compression scheme which could not be decoded.</source>
        <translation>Dieses PNG-Bild („Portable Network Graphics“) verwendet ein unbekanntes Kompressionsverfahren, das nicht decodiert werden konnte.</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image uses an unknown interlace scheme which could not be decoded.</source>
        <translation>Dieses PNG-Bild („Portable Network Graphics“) verwendet ein unbekanntes Zeilensprungverfahren (Interlacing), das nicht decodiert werden konnte.</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image contains no data.</source>
        <translation>Dieses PNG-Bild („Portable Network Graphics“) enthält keine Daten.</translation>
    </message>
    <message>
        <source>The png image could not be loaded from the resource ID.</source>
        <translation>Das PNG-Bild konnte nicht aus der Ressource geladen werden.</translation>
    </message>
    <message>
        <source>The &quot;Portable Network Graphics&quot; image contains an invalid palette.</source>
        <translation>Das PNG-Bild („Portable Network Graphics“) enthält eine ungültige Palette.</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image uses a combination of colour type and bit depth which could not be decoded.</source>
        <translation>Dieses PNG-Bild („Portable Network Graphics“) verwendet eine Kombination aus Farbtyp und Bittiefe, die nicht decodiert werden konnte.</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image is too large to be loaded: it has more than 100,000,000 pixels.</source>
        <translation>Dieses PNG-Bild („Portable Network Graphics“) ist zu groß zum Laden: Es hat mehr als 100.000.000 Pixel.</translation>
    </message>
    <message>
        <source>This &quot;Portable Network Graphics&quot; image contains a piece of data which is too large to be loaded.</source>
        <translation>Dieses PNG-Bild („Portable Network Graphics“) enthält einen Datenblock, der zu groß zum Laden ist.</translation>
    </message>
    <message>
        <source>Could not decompress the image because it contains invalid compressed data.
 Description: </source>
        <translation>Das Bild konnte nicht entpackt werden, weil es ungültige komprimierte Daten enthält.
 Beschreibung: </translation>
    </message>
    <message>
        <source>incompatible version (-6)</source>
        <translation>inkompatible Version (-6)</translation>
    </message>
    <message>
        <source>buffer error (-5)</source>
        <translation>Pufferfehler (-5)</translation>
    </message>
    <message>
        <source>insufficient memory (-4)</source>
        <translation>nicht genügend Speicher (-4)</translation>
    </message>
    <message>
        <source>data error (-3)</source>
        <translation>Datenfehler (-3)</translation>
    </message>
    <message>
        <source>stream error (-2)</source>
        <translation>Datenstromfehler (-2)</translation>
    </message>
    <message>
        <source>file error (-1)</source>
        <translation>Dateifehler (-1)</translation>
    </message>
    <message>
        <source>unknown error (%1)</source>
        <translation>unbekannter Fehler (%1)</translation>
    </message>
</context>
<context>
    <name>PopupSettings</name>
    <message>
        <source>%1 must be from %2 to %3 %4, not %5</source>
        <translation>%1 muss zwischen %2 und %3 %4 liegen, nicht bei %5</translation>
    </message>
    <message>
        <source>The link holds a line break or another control character</source>
        <translation>Der Link enthält einen Zeilenumbruch oder ein anderes Steuerzeichen</translation>
    </message>
    <message>
        <source>The link %1 %2</source>
        <translation>Der Link %1 %2</translation>
    </message>
    <message>
        <source>would open a file beside the page: write https:// before the site&apos;s name</source>
        <translation>würde eine Datei neben der Seite öffnen: Schreiben Sie https:// vor den Namen der Website</translation>
    </message>
    <message>
        <source>is not a valid address</source>
        <translation>ist keine gültige Adresse</translation>
    </message>
    <message>
        <source>names no site: write the whole address, such as https://www.example.com/offer.htm</source>
        <translation>nennt keine Website: Schreiben Sie die vollständige Adresse, etwa https://www.example.com/offer.htm</translation>
    </message>
    <message>
        <source>is not a valid address: check the site&apos;s name and port</source>
        <translation>ist keine gültige Adresse: Prüfen Sie den Namen und den Port der Website</translation>
    </message>
    <message>
        <source>names no e-mail address: write mailto: and the address, such as mailto:info@example.com</source>
        <translation>nennt keine E-Mail-Adresse: Schreiben Sie mailto: und die Adresse, etwa mailto:info@example.com</translation>
    </message>
    <message>
        <source>names no telephone number: write tel: and the number, such as tel:+15550100</source>
        <translation>nennt keine Telefonnummer: Schreiben Sie tel: und die Nummer, etwa tel:+15550100</translation>
    </message>
    <message>
        <source>cannot be used: a link is a web address (http:// or https://), an e-mail address (mailto:), a telephone number (tel:) or an address relative to the page (such as offer.htm)</source>
        <translation>kann nicht verwendet werden: Ein Link ist eine Webadresse (http:// oder https://), eine E-Mail-Adresse (mailto:), eine Telefonnummer (tel:) oder eine Adresse relativ zur Seite (etwa offer.htm)</translation>
    </message>
    <message>
        <source>The cookie name %1 must begin with a letter and hold only letters, digits and underscores, at most %2</source>
        <translation>Der Cookie-Name %1 muss mit einem Buchstaben beginnen und darf nur Buchstaben, Ziffern und Unterstriche enthalten, höchstens %2</translation>
    </message>
    <message>
        <source>The auto close delay</source>
        <translation>Die Zeit bis zum automatischen Schließen</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>The delay before the popup shows</source>
        <translation>Die Verzögerung, bevor das Popup erscheint</translation>
    </message>
    <message>
        <source>The share of the page scrolled before the popup shows</source>
        <translation>Der Anteil der Seite, der gescrollt sein muss, bevor das Popup erscheint</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <source>The days before the popup shows again (0 for no such limit)</source>
        <translation>Die Tage, bis das Popup erneut erscheint (0 für keine solche Grenze)</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tagen</translation>
    </message>
    <message>
        <source>The backdrop&apos;s opacity</source>
        <translation>Die Deckkraft des Hintergrunds</translation>
    </message>
</context>
<context>
    <name>PopupWriter</name>
    <message>
        <source>The spacer picture is missing from the program</source>
        <translation>Dem Programm fehlt das Platzhalterbild (Spacer)</translation>
    </message>
    <message>
        <source>Unable to create directory</source>
        <translation>Ordner kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>ScriptBuilder</name>
    <message>
        <source>The script template is missing from the program</source>
        <translation>Dem Programm fehlt die Skriptvorlage</translation>
    </message>
</context>
</TS>
