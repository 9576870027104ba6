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
    <name>HelpText</name>
    <message>
        <source>Usage:</source>
        <translation>Aufruf:</translation>
    </message>
    <message>
        <source>Vantelle Pro builds a picture popup for a web page: choose a picture, place texts and a
close button on it, set how the popup behaves, preview it and write the web files.
</source>
        <translation>Vantelle Pro erstellt ein Bild-Popup für eine Webseite: Bild wählen, Texte und eine
Schließen-Schaltfläche darauf setzen, das Verhalten festlegen, Vorschau ansehen, Webdateien schreiben.
</translation>
    </message>
    <message>
        <source>open this design</source>
        <translation>dieses Design öffnen</translation>
    </message>
    <message>
        <source>open the design of the popup published in this page</source>
        <translation>das Design des Popups öffnen, das in dieser Seite steht</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>diese Hilfe zeigen und beenden</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>die Version zeigen und beenden</translation>
    </message>
    <message>
        <source>publish puts the design&apos;s popup on the pages of a site (.htm and .html files in DIR and
the folders below), takedown takes it off every page it was published to again.
</source>
        <translation>publish setzt das Popup des Designs auf die Seiten einer Website (.htm- und .html-Dateien
in DIR und den Ordnern darunter), takedown nimmt es von allen diesen Seiten wieder herunter.
</translation>
    </message>
    <message>
        <source>the site&apos;s folder</source>
        <translation>der Ordner der Website</translation>
    </message>
    <message>
        <source>only pages that match (&quot;shop/**&quot;, &quot;*.html&quot;, a folder)</source>
        <translation>nur passende Seiten („shop/**“, „*.html“, ein Ordner)</translation>
    </message>
    <message>
        <source>leave out pages that match</source>
        <translation>passende Seiten auslassen</translation>
    </message>
    <message>
        <source>where the popup&apos;s files go (popup/&lt;design name&gt;/ in the site)</source>
        <translation>wohin die Dateien des Popups kommen (popup/&lt;Designname&gt;/ in der Website)</translation>
    </message>
    <message>
        <source>say what would change, and change nothing</source>
        <translation>sagen, was sich ändern würde, und nichts ändern</translation>
    </message>
    <message>
        <source>report as JSON</source>
        <translation>Bericht als JSON</translation>
    </message>
    <message>
        <source>Exit status: 0 when every chosen page is done, 1 when some were skipped or nothing could
be done, 2 for a wrong command line.
</source>
        <translation>Rückgabewert: 0, wenn jede gewählte Seite erledigt ist, 1, wenn Seiten übersprungen wurden oder
nichts getan werden konnte, 2 bei einer falschen Befehlszeile.
</translation>
    </message>
    <message>
        <source>Try &apos;vantelle-pro --help&apos; for more information.</source>
        <translation>„vantelle-pro --help“ gibt weitere Informationen.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos; for %2</source>
        <translation>unbekannte Option „%1“ für %2</translation>
    </message>
    <message>
        <source>%1 takes one design file, but %2 were given</source>
        <translation>%1 erwartet eine Design-Datei, es wurden aber %2 angegeben</translation>
    </message>
    <message>
        <source>%1 needs the site&apos;s folder: --site DIR</source>
        <translation>%1 braucht den Ordner der Website: --site DIR</translation>
    </message>
    <message>
        <source>--%1 is given more than once</source>
        <translation>--%1 ist mehr als einmal angegeben</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <source>one design at a time, but %1 files were given</source>
        <translation>nur ein Design auf einmal, es wurden aber %1 Dateien angegeben</translation>
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
    <name>PageControls</name>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
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
Sie wird als beschädigtes Bild angezeigt, das „Löschen“ löscht</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; is too large for the picture base: it holds %2 bytes, and a picture may have at most %3</source>
        <translation>Die Datei „%1“ ist zu groß für den Bildbestand: Sie enthält %2 Bytes, ein Bild darf höchstens %3 haben</translation>
    </message>
    <message>
        <source>The picture base in &quot;%1&quot; is in use by another copy of Vantelle Pro. This copy shows its pictures, but Load... and Remove stay off until it is started again after the other copy has ended</source>
        <translation>Der Bildbestand in „%1“ wird von einer anderen Instanz von Vantelle Pro verwendet. Diese Instanz zeigt seine Bilder, aber „Laden...“ und „Löschen“ bleiben gesperrt, bis sie nach dem Beenden der anderen Instanz neu gestartet wird</translation>
    </message>
    <message>
        <source>Load... is off because &quot;%1&quot; could not be read when Vantelle Pro started. Start Vantelle Pro again once the file can be read</source>
        <translation>„Laden...“ ist gesperrt, weil „%1“ beim Start von Vantelle Pro nicht gelesen werden konnte. Starten Sie Vantelle Pro neu, sobald die Datei lesbar ist</translation>
    </message>
    <message>
        <source>This picture is damaged and cannot be used for a popup. Choose another picture, or delete this one with Remove</source>
        <translation>Dieses Bild ist beschädigt und kann nicht für ein Popup verwendet werden. Wählen Sie ein anderes Bild oder löschen Sie dieses mit „Löschen“</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program since Vantelle Pro read it, so nothing was removed. The pictures have been read again; choose the picture to remove once more</source>
        <translation>„%1“ wurde von einem anderen Programm geändert, seit Vantelle Pro die Datei gelesen hat; daher wurde nichts entfernt. Die Bilder wurden neu eingelesen; wählen Sie das zu entfernende Bild noch einmal</translation>
    </message>
    <message>
        <source>.
The pictures in it are not shown, and Load... is refused until the next start so that the file stays as it is</source>
        <translation>.
Ihre Bilder werden nicht gezeigt, und „Laden...“ ist bis zum nächsten Start gesperrt, damit die Datei bleibt, wie sie ist</translation>
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
    <name>PopupLanguageControl</name>
    <message>
        <source>Language of the popup&apos;s own words</source>
        <translation>Sprache der Wörter des Popups</translation>
    </message>
    <message>
        <source>The language in which the popup names its close button and describes itself to screen readers</source>
        <translation>Die Sprache, in der das Popup seine Schließen-Schaltfläche benennt und sich Screenreadern beschreibt</translation>
    </message>
    <message>
        <source>Popup language</source>
        <translation>Popup-Sprache</translation>
    </message>
    <message>
        <source>Popup language:</source>
        <translation>Popup-Sprache:</translation>
    </message>
</context>
<context>
    <name>PopupSchedule</name>
    <message>
        <source>The schedule&apos;s %1 &quot;%2&quot; is not a date and time written as 2026-12-24T18:00:00</source>
        <translation>%1 des Zeitplans „%2“ ist kein Datum mit Uhrzeit in der Form 2026-12-24T18:00:00</translation>
    </message>
    <message>
        <source>The schedule&apos;s %1 %2 must lie in the years %3 to %4</source>
        <translation>%1 des Zeitplans %2 muss in den Jahren %3 bis %4 liegen</translation>
    </message>
    <message>
        <source>start</source>
        <translation>Der Beginn</translation>
    </message>
    <message>
        <source>end</source>
        <translation>Das Ende</translation>
    </message>
    <message>
        <source>The schedule ends (%1) before it begins (%2): the popup would never show</source>
        <translation>Der Zeitplan endet (%1), bevor er beginnt (%2): Das Popup würde nie erscheinen</translation>
    </message>
    <message>
        <source>The schedule&apos;s clock must be UTC-12:00 to UTC+14:00, not %1 minutes from UTC</source>
        <translation>Die Uhr des Zeitplans muss zwischen UTC-12:00 und UTC+14:00 liegen, nicht %1 Minuten von UTC entfernt</translation>
    </message>
    <message>
        <source>The schedule names no day of the week: choose at least one day, or every day</source>
        <translation>Der Zeitplan nennt keinen Wochentag: Wählen Sie mindestens einen Tag oder jeden Tag</translation>
    </message>
    <message>
        <source>The schedule&apos;s hours must be times of the day from 00:00 to 23:59</source>
        <translation>Die Uhrzeiten des Zeitplans müssen zwischen 00:00 und 23:59 liegen</translation>
    </message>
    <message>
        <source>The schedule&apos;s hours begin and end at %1: give two different times, or no hours</source>
        <translation>Die Uhrzeiten des Zeitplans beginnen und enden um %1: Geben Sie zwei verschiedene Zeiten an oder keine</translation>
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
<context>
    <name>SitePublisher</name>
    <message>
        <source>The site journal &quot;%1&quot; is damaged at line %2: %3</source>
        <translation>Das Protokoll der Website „%1“ ist in Zeile %2 beschädigt: %3</translation>
    </message>
    <message>
        <source>The site folder &quot;%1&quot; does not exist</source>
        <translation>Der Ordner der Website „%1“ existiert nicht</translation>
    </message>
    <message>
        <source>Not a file</source>
        <translation>Keine Datei</translation>
    </message>
    <message>
        <source>It holds another popup (%1)</source>
        <translation>Sie enthält ein anderes Popup (%1)</translation>
    </message>
    <message>
        <source>It is read-only</source>
        <translation>Sie ist schreibgeschützt</translation>
    </message>
    <message>
        <source>Its folder cannot be written to</source>
        <translation>In ihren Ordner kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
</context>
<context>
    <name>TBehaviourPage</name>
    <message>
        <source>Popup click action</source>
        <translation>Aktion beim Klick auf das Popup</translation>
    </message>
    <message>
        <source>Close Popup</source>
        <translation>Popup schließen</translation>
    </message>
    <message>
        <source>Open Link</source>
        <translation>Link öffnen</translation>
    </message>
    <message>
        <source>Text for screen readers:</source>
        <translation>Text für Screenreader:</translation>
    </message>
    <message>
        <source>What screen readers say for the popup and its picture; empty: the design&apos;s texts</source>
        <translation>Was Screenreader für das Popup und sein Bild sagen; leer: die Texte des Designs</translation>
    </message>
    <message>
        <source>Website link</source>
        <translation>Link zur Website</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>The address a click on the popup opens: http:// or https://, mailto:, tel:, or relative to the page; empty for none</source>
        <translation>Die Adresse, die ein Klick auf das Popup öffnet: http:// oder https://, mailto:, tel: oder relativ zur Seite; leer für keine</translation>
    </message>
    <message>
        <source>Open link in the same browser window</source>
        <translation>Link im selben Browserfenster öffnen</translation>
    </message>
    <message>
        <source>Open link in a new browser window</source>
        <translation>Link in einem neuen Browserfenster öffnen</translation>
    </message>
    <message>
        <source>Auto close popup</source>
        <translation>Popup automatisch schließen</translation>
    </message>
    <message>
        <source>Enable auto close</source>
        <translation>Automatisch schließen</translation>
    </message>
    <message>
        <source>Delay in seconds:</source>
        <translation>Nach Sekunden:</translation>
    </message>
    <message>
        <source>Sessions</source>
        <translation>Sitzungen</translation>
    </message>
    <message>
        <source>Open popup once per session</source>
        <translation>Einmal pro Sitzung öffnen</translation>
    </message>
    <message>
        <source>Open popup every time page is loaded</source>
        <translation>Bei jedem Laden der Seite öffnen</translation>
    </message>
    <message>
        <source>More options...</source>
        <translation>Weitere Optionen...</translation>
    </message>
    <message>
        <source>Show it again to visitors who have seen it</source>
        <translation>Auch Besuchern erneut zeigen, die es sahen</translation>
    </message>
    <message>
        <source>The next Add popup or Save files gives the popup a new name, so that browsers show it again to visitors who have seen it; otherwise the popup keeps its name</source>
        <translation>Das nächste „Einfügen“ oder „Erzeugen“ gibt dem Popup einen neuen Namen, sodass Browser es Besuchern, die es gesehen haben, erneut zeigen; sonst behält das Popup seinen Namen</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Auto center popup window</source>
        <translation>Popup automatisch zentrieren</translation>
    </message>
    <message>
        <source>Set popup window position on page</source>
        <translation>Position auf der Seite festlegen</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>Links:</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>Oben:</translation>
    </message>
    <message>
        <source>The popup has no link: a click on it will do nothing.<byte value="xd"/>
Type the address to open in the URL box, or choose &quot;Close Popup&quot; to let a click close it.</source>
        <translation>Das Popup hat keinen Link: Ein Klick darauf bewirkt nichts.<byte value="xd"/>
Geben Sie die zu öffnende Adresse in das URL-Feld ein oder wählen Sie „Popup schließen“, damit ein Klick es schließt.</translation>
    </message>
    <message>
        <source>More options</source>
        <translation>Weitere Optionen</translation>
    </message>
</context>
<context>
    <name>TDesignFiles</name>
    <message>
        <source>Designs and published pages (*.vpopup *.htm *.html);;Vantelle Pro designs (*.vpopup);;Web pages (*.htm *.html);;Any file (*)</source>
        <translation>Designs und veröffentlichte Seiten (*.vpopup *.htm *.html);;Vantelle-Pro-Designs (*.vpopup);;Webseiten (*.htm *.html);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is shown in &quot;%2&quot;</source>
        <translation>„%1“ wird in „%2“ gezeigt</translation>
    </message>
    <message>
        <source>Open design...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Open a design, or the page of a published popup (Ctrl+O)</source>
        <translation>Ein Design öffnen oder die Seite eines veröffentlichten Popups (Strg+O)</translation>
    </message>
    <message>
        <source>Save design</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save design (Ctrl+S)</source>
        <translation>Design speichern (Strg+S)</translation>
    </message>
    <message>
        <source>Save design as...</source>
        <translation>Design speichern unter...</translation>
    </message>
    <message>
        <source>New design</source>
        <translation>Neues Design</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Undo (Ctrl+Z)</source>
        <translation>Rückgängig (Strg+Z)</translation>
    </message>
    <message>
        <source>Redo (Ctrl+Shift+Z, Ctrl+Y)</source>
        <translation>Wiederholen (Strg+Umschalt+Z, Strg+Y)</translation>
    </message>
    <message>
        <source>new design</source>
        <translation>neues Design</translation>
    </message>
    <message>
        <source>Design: </source>
        <translation>Design: </translation>
    </message>
    <message>
        <source>Not saved yet</source>
        <translation>Noch nicht gespeichert</translation>
    </message>
    <message>
        <source>a new design</source>
        <translation>ein neues Design</translation>
    </message>
    <message>
        <source>the design &quot;%1&quot;</source>
        <translation>das Design „%1“</translation>
    </message>
    <message>
        <source>Vantelle Pro did not end normally last time. Restore the unsaved changes to %1?

No deletes them for good.</source>
        <translation>Vantelle Pro wurde beim letzten Mal nicht normal beendet. Die nicht gespeicherten Änderungen an %1 wiederherstellen?

„Nein“ löscht sie endgültig.</translation>
    </message>
    <message>
        <source>Cannot restore &quot;%1&quot;. %2</source>
        <translation>„%1“ kann nicht wiederhergestellt werden. %2</translation>
    </message>
    <message>
        <source>the new design</source>
        <translation>das neue Design</translation>
    </message>
    <message>
        <source>Save the changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Open design</source>
        <translation>Design öffnen</translation>
    </message>
    <message>
        <source>Cannot open design &quot;%1&quot;. %2</source>
        <translation>Das Design „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message>
        <source>Some faces of the design &quot;%1&quot; are not installed here: %2. The design keeps its faces.</source>
        <translation>Einige Schriftarten des Designs „%1“ sind hier nicht installiert: %2. Das Design behält seine Schriftarten.</translation>
    </message>
    <message>
        <source>Save design as</source>
        <translation>Design speichern unter</translation>
    </message>
    <message>
        <source>Vantelle Pro designs (*.vpopup)</source>
        <translation>Vantelle-Pro-Designs (*.vpopup)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists. Replace it?</source>
        <translation>„%1“ existiert bereits. Ersetzen?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program or another copy of Vantelle Pro since this copy opened or saved it. Overwrite those changes, save this design under another name, or cancel?</source>
        <translation>„%1“ wurde von einem anderen Programm oder einer anderen Instanz von Vantelle Pro geändert, seit diese Instanz es geöffnet oder gespeichert hat. Diese Änderungen überschreiben, dieses Design unter einem anderen Namen speichern oder abbrechen?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>%1 - Design: %2, not saved</source>
        <translation>%1 - Design: %2, nicht gespeichert</translation>
    </message>
    <message>
        <source>%1 - Design: %2</source>
        <translation>%1 - Design: %2</translation>
    </message>
</context>
<context>
    <name>TDesignModel</name>
    <message>
        <source>Scale (%1)</source>
        <translation>Skalierung (%1)</translation>
    </message>
</context>
<context>
    <name>TDesignerPage</name>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Document size:</source>
        <translation>Dokumentgröße:</translation>
    </message>
    <message>
        <source>150px - 500px</source>
        <translation>150px - 500px</translation>
    </message>
    <message>
        <source>No close button</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Skalierung</translation>
    </message>
    <message>
        <source>Sample text</source>
        <translation>Beispieltext</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Eigene...</translation>
    </message>
    <message>
        <source>Font Style:</source>
        <translation>Schriftstil:</translation>
    </message>
    <message>
        <source>B</source>
        <comment>bold</comment>
        <translation>F</translation>
    </message>
    <message>
        <source>I</source>
        <comment>italic</comment>
        <translation>K</translation>
    </message>
    <message>
        <source>U</source>
        <comment>underline</comment>
        <translation>U</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Runter</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>AddText</source>
        <translation>Text hinzufügen</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>%1 px x %1 px</source>
        <translation>%1 px x %1 px</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Add text</source>
        <translation>Text hinzufügen</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Close button</source>
        <translation>Schließen-Schaltfläche</translation>
    </message>
    <message>
        <source>Document size</source>
        <translation>Dokumentgröße</translation>
    </message>
    <message>
        <source>Close button scale</source>
        <translation>Skalierung der Schließen-Schaltfläche</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Maroon</source>
        <translation>Kastanienbraun</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Olive</source>
        <translation>Oliv</translation>
    </message>
    <message>
        <source>Navy</source>
        <translation>Marineblau</translation>
    </message>
    <message>
        <source>Purple</source>
        <translation>Violett</translation>
    </message>
    <message>
        <source>Teal</source>
        <translation>Blaugrün</translation>
    </message>
    <message>
        <source>Silver</source>
        <translation>Silber</translation>
    </message>
    <message>
        <source>Mint green</source>
        <translation>Mintgrün</translation>
    </message>
    <message>
        <source>Sky blue</source>
        <translation>Himmelblau</translation>
    </message>
    <message>
        <source>Cream</source>
        <translation>Creme</translation>
    </message>
    <message>
        <source>Medium grey</source>
        <translation>Mittelgrau</translation>
    </message>
    <message>
        <source>Grey</source>
        <translation>Grau</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Lime</source>
        <translation>Hellgrün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
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
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Design</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>C&amp;lose button Style:</source>
        <translation>Stil der &amp;Schließen-Schaltfläche:</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Text:</translation>
    </message>
    <message>
        <source>Font &amp;Face:</source>
        <translation>Schrift&amp;art:</translation>
    </message>
    <message>
        <source>Font &amp;Color:</source>
        <translation>Schrift&amp;farbe:</translation>
    </message>
    <message>
        <source>Custo&amp;m...</source>
        <translation>&amp;Eigene...</translation>
    </message>
    <message>
        <source>Font S&amp;ize:</source>
        <translation>Schrift&amp;größe:</translation>
    </message>
    <message>
        <source>An&amp;gle:</source>
        <translation>&amp;Winkel:</translation>
    </message>
    <message>
        <source>E&amp;rase</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Larger document</source>
        <translation>Größeres Dokument</translation>
    </message>
    <message>
        <source>Smaller document</source>
        <translation>Kleineres Dokument</translation>
    </message>
    <message>
        <source>Larger close button</source>
        <translation>Größere Schließen-Schaltfläche</translation>
    </message>
    <message>
        <source>Smaller close button</source>
        <translation>Kleinere Schließen-Schaltfläche</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>&amp;Post copy</source>
        <translation>&amp;Kopie einfügen</translation>
    </message>
    <message>
        <source>Add ne&amp;w</source>
        <translation>&amp;Neu einfügen</translation>
    </message>
    <message>
        <source>Nothing selected</source>
        <translation>Nichts ausgewählt</translation>
    </message>
    <message>
        <source>Close button at %1, %2</source>
        <translation>Schließen-Schaltfläche bei %1, %2</translation>
    </message>
    <message>
        <source>Text &quot;%1&quot; at %2, %3</source>
        <translation>Text „%1“ bei %2, %3</translation>
    </message>
    <message>
        <source>Custom color %1</source>
        <translation>Eigene Farbe %1</translation>
    </message>
    <message>
        <source>Close button %1</source>
        <translation>Schließen-Schaltfläche %1</translation>
    </message>
</context>
<context>
    <name>TFontPickers</name>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Update Base</source>
        <translation>Basis aktualisieren</translation>
    </message>
    <message>
        <source>&lt; Back</source>
        <translation>&lt; Zurück</translation>
    </message>
    <message>
        <source>Next &gt;</source>
        <translation>Weiter &gt;</translation>
    </message>
    <message>
        <source>Vantelle Pro - popup wizard for your web pages</source>
        <translation>Vantelle Pro - Popup-Assistent für Ihre Webseiten</translation>
    </message>
    <message>
        <source>Choose a picture</source>
        <translation>Bild wählen</translation>
    </message>
    <message>
        <source>Design the popup</source>
        <translation>Popup gestalten</translation>
    </message>
    <message>
        <source>What the popup does</source>
        <translation>Was das Popup tut</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Veröffentlichen</translation>
    </message>
    <message>
        <source>Step %1 of 5: %2</source>
        <translation>Schritt %1 von 5: %2</translation>
    </message>
</context>
<context>
    <name>TMoreOptionsDialog</name>
    <message>
        <source>Mon</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>Tue</source>
        <translation>Di</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>Mi</translation>
    </message>
    <message>
        <source>Thu</source>
        <translation>Do</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>Fr</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>Sa</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>So</translation>
    </message>
    <message>
        <source>When and to whom it shows</source>
        <translation>Wann und wem es erscheint</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Ab</translation>
    </message>
    <message>
        <source>Until</source>
        <translation>Bis</translation>
    </message>
    <message>
        <source>the visitor&apos;s local time</source>
        <translation>der Ortszeit des Besuchers</translation>
    </message>
    <message>
        <source>Only between</source>
        <translation>Nur zwischen</translation>
    </message>
    <message>
        <source>All devices</source>
        <translation>Alle Geräte</translation>
    </message>
    <message>
        <source>Touch screens only (phones and tablets)</source>
        <translation>Nur Touchscreens (Telefone und Tablets)</translation>
    </message>
    <message>
        <source>Desktops only</source>
        <translation>Nur Desktop-Rechner</translation>
    </message>
    <message>
        <source>and</source>
        <translation>und</translation>
    </message>
    <message>
        <source>On the days:</source>
        <translation>An den Tagen:</translation>
    </message>
    <message>
        <source>Times are read on:</source>
        <translation>Zeiten gelten nach:</translation>
    </message>
    <message>
        <source>Devices:</source>
        <translation>Geräte:</translation>
    </message>
    <message>
        <source>More options</source>
        <translation>Weitere Optionen</translation>
    </message>
    <message>
        <source>When the popup shows</source>
        <translation>Wann das Popup erscheint</translation>
    </message>
    <message>
        <source>When the page has loaded</source>
        <translation>Wenn die Seite geladen ist</translation>
    </message>
    <message>
        <source>After a delay</source>
        <translation>Nach einer Verzögerung</translation>
    </message>
    <message>
        <source>When the visitor is about to leave the page</source>
        <translation>Wenn der Besucher die Seite gleich verlässt</translation>
    </message>
    <message>
        <source>When the visitor has scrolled through part of the page</source>
        <translation>Wenn der Besucher einen Teil der Seite durchgeblättert hat</translation>
    </message>
    <message>
        <source>Delay (on touch screens also for leaving):</source>
        <translation>Verzögerung (auf Touchscreens auch fürs Verlassen):</translation>
    </message>
    <message>
        <source>Share of the page scrolled:</source>
        <translation>Gescrollter Anteil der Seite:</translation>
    </message>
    <message>
        <source>How often</source>
        <translation>Wie oft</translation>
    </message>
    <message>
        <source>Show it once in so many days, also after the browser was closed (instead of &quot;Sessions&quot;)</source>
        <translation>Einmal in so vielen Tagen zeigen, auch nach dem Schließen des Browsers (statt „Sitzungen“)</translation>
    </message>
    <message>
        <source> days</source>
        <translation> Tage</translation>
    </message>
    <message>
        <source>Backdrop</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Dim the page behind the popup (the popup then keeps the keyboard until it is closed)</source>
        <translation>Die Seite hinter dem Popup abdunkeln (das Popup behält dann die Tastatur, bis es geschlossen wird)</translation>
    </message>
    <message>
        <source>A click on the backdrop closes the popup</source>
        <translation>Ein Klick auf den Hintergrund schließt das Popup</translation>
    </message>
    <message>
        <source>Colour:</source>
        <translation>Farbe:</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>Deckkraft:</translation>
    </message>
    <message>
        <source>Entrance and accessibility</source>
        <translation>Erscheinen und Barrierefreiheit</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>Fade in</source>
        <translation>Einblenden</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Einzoomen</translation>
    </message>
    <message>
        <source>Give screen readers the popup&apos;s text (&quot;Text for screen readers&quot; on the page)</source>
        <translation>Screenreadern den Text des Popups geben („Text für Screenreader“ auf der Seite)</translation>
    </message>
    <message>
        <source>Sharp picture for high-density screens (writes logo@2x.png)</source>
        <translation>Scharfes Bild für hochauflösende Bildschirme (schreibt logo@2x.png)</translation>
    </message>
    <message>
        <source>Entrance (none when the visitor asks for reduced motion):</source>
        <translation>Erscheinen (keines, wenn der Besucher reduzierte Bewegung wünscht):</translation>
    </message>
</context>
<context>
    <name>TPreviewLoader</name>
    <message>
        <source>The preview cannot be shown: %1 is not the program&apos;s browser module.</source>
        <translation>Die Vorschau kann nicht gezeigt werden: %1 ist nicht das Browsermodul des Programms.</translation>
    </message>
    <message>
        <source>The preview cannot be shown: its browser module (%1) could not be loaded.%2</source>
        <translation>Die Vorschau kann nicht gezeigt werden: Ihr Browsermodul (%1) konnte nicht geladen werden.%2</translation>
    </message>
</context>
<context>
    <name>TPreviewPage</name>
    <message>
        <source>The preview shows the popup whatever its schedule and devices.</source>
        <translation>Die Vorschau zeigt das Popup unabhängig von Zeitplan und Geräten.</translation>
    </message>
    <message>
        <source>Preview of the popup</source>
        <translation>Vorschau des Popups</translation>
    </message>
    <message>
        <source>The popup on an empty page, as a browser shows it</source>
        <translation>Das Popup auf einer leeren Seite, wie ein Browser es zeigt</translation>
    </message>
</context>
<context>
    <name>TPublishPage</name>
    <message>
        <source>Auto modify existing HTML file (or create new)</source>
        <translation>Vorhandene HTML-Datei automatisch ändern (oder neu anlegen)</translation>
    </message>
    <message>
        <source>File to modify or create:</source>
        <translation>Zu ändernde oder neue Datei:</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Suchen...</translation>
    </message>
    <message>
        <source>Add popup</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Publish to a site...</source>
        <translation>Veröffentlichen...</translation>
    </message>
    <message>
        <source>Manual HTML change</source>
        <translation>HTML von Hand ändern</translation>
    </message>
    <message>
        <source>Folder to save necessary files:</source>
        <translation>Ordner für die nötigen Dateien:</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Ändern...</translation>
    </message>
    <message>
        <source>HTML file must be one level above the popup files.</source>
        <translation>Die HTML-Datei muss eine Ebene über den Popup-Dateien liegen.</translation>
    </message>
    <message>
        <source>If used in an alternative location, please edit paths in JavaScript and HTML files manually.</source>
        <translation>An einem anderen Ort passen Sie bitte die Pfade in JavaScript- und HTML-Dateien von Hand an.</translation>
    </message>
    <message>
        <source>Save files</source>
        <translation>Erzeugen</translation>
    </message>
    <message>
        <source>Code to place in HTML file:</source>
        <translation>Code für die HTML-Datei:</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Your Vantelle files have been saved,<byte value="xd"/>
and your HTML document modified.<byte value="xd"/>
You are now ready to upload the files to your server</source>
        <translation>Ihre Vantelle-Dateien wurden gespeichert<byte value="xd"/>
und Ihr HTML-Dokument geändert.<byte value="xd"/>
Sie können die Dateien jetzt auf Ihren Server hochladen</translation>
    </message>
    <message>
        <source>Your Vantelle files have been saved,<byte value="xd"/>
but your HTML document ought to be modified by you</source>
        <translation>Ihre Vantelle-Dateien wurden gespeichert,<byte value="xd"/>
Ihr HTML-Dokument müssen Sie aber selbst ändern</translation>
    </message>
    <message>
        <source>HTML pages (*.htm;*.html)|*.htm;*.html|Any file (*.*)|*.*</source>
        <translation>HTML-Seiten (*.htm;*.html)|*.htm;*.html|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <source>Folder to save files to</source>
        <translation>Ordner zum Speichern der Dateien</translation>
    </message>
</context>
<context>
    <name>TSitePublishDialog</name>
    <message>
        <source>Publish to a site</source>
        <translation>Auf einer Website veröffentlichen</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>all pages, or patterns such as shop/** *.html</source>
        <translation>alle Seiten oder Muster wie shop/** *.html</translation>
    </message>
    <message>
        <source>patterns of pages to leave out</source>
        <translation>Muster der auszulassenden Seiten</translation>
    </message>
    <message>
        <source>Show pages</source>
        <translation>Seiten zeigen</translation>
    </message>
    <message>
        <source>Site folder:</source>
        <translation>Ordner der Website:</translation>
    </message>
    <message>
        <source>Popup folder:</source>
        <translation>Popup-Ordner:</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Seiten:</translation>
    </message>
    <message>
        <source>Leave out:</source>
        <translation>Auslassen:</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>What will change</source>
        <translation>Was sich ändert</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Publish</source>
        <translation>Veröffentlichen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Take down</source>
        <translation>Herunternehmen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Site folder</source>
        <translation>Ordner der Website</translation>
    </message>
    <message>
        <source>Choose the site&apos;s folder and show its pages first</source>
        <translation>Wählen Sie zuerst den Ordner der Website und lassen Sie seine Seiten zeigen</translation>
    </message>
    <message numerus="yes">
        <source>%n pages in the site&apos;s folder match.</source>
        <translation>
            <numerusform>%n Seite im Ordner der Website passt.</numerusform>
            <numerusform>%n Seiten im Ordner der Website passen.</numerusform>
        </translation>
    </message>
    <message>
        <source>What will change: %1 added, %2 updated, %3 removed, %4 unchanged, %5 skipped.</source>
        <translation>Was sich ändert: %1 hinzugefügt, %2 aktualisiert, %3 entfernt, %4 unverändert, %5 übersprungen.</translation>
    </message>
    <message>
        <source>%1: %2 added, %3 updated, %4 removed, %5 unchanged, %6 skipped.</source>
        <translation>%1: %2 hinzugefügt, %3 aktualisiert, %4 entfernt, %5 unverändert, %6 übersprungen.</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Publish the design again to the %1 pages it was published to? Visitors who have seen it keep not seeing it again.</source>
        <translation>Das Design erneut auf den %1 Seiten veröffentlichen, auf denen es veröffentlicht wurde? Besucher, die es gesehen haben, sehen es weiterhin nicht noch einmal.</translation>
    </message>
    <message>
        <source>Take the popup off %1 pages? Pages nobody changed since get back exactly what they were.</source>
        <translation>Das Popup von %1 Seiten herunternehmen? Seiten, die seither niemand geändert hat, werden genau wieder, was sie waren.</translation>
    </message>
    <message>
        <source>Pages of the site</source>
        <translation>Seiten der Website</translation>
    </message>
    <message>
        <source>Example of a change</source>
        <translation>Beispiel einer Änderung</translation>
    </message>
</context>
<context>
    <name>TTemplateGrid</name>
    <message>
        <source>Damaged picture
entry %1</source>
        <translation>Beschädigtes Bild
Eintrag %1</translation>
    </message>
</context>
<context>
    <name>TTemplatePage</name>
    <message>
        <source>Select Template</source>
        <translation>Vorlage wählen</translation>
    </message>
    <message>
        <source>Select the thumbnail image of the graphic you would like to use</source>
        <translation>Wählen Sie das Vorschaubild der Grafik aus, die Sie verwenden möchten,</translation>
    </message>
    <message>
        <source>for your SoftName, then click the next button to continue</source>
        <translation>und klicken Sie dann auf „Weiter &gt;“, um fortzufahren</translation>
    </message>
    <message>
        <source>Load...</source>
        <translation>Laden...</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>This picture came with the design and is shown for this run only. Keep it in your pictures</source>
        <translation>Dieses Bild kam mit dem Design und wird nur bei diesem Start gezeigt. In Ihren Bildern behalten</translation>
    </message>
    <message>
        <source>for your Vantelle Pro, then click the next button to continue</source>
        <translation>und klicken Sie dann auf „Weiter &gt;“, um fortzufahren</translation>
    </message>
    <message>
        <source>Png Image (*.png)|*.png</source>
        <translation>PNG-Bild (*.png)|*.png</translation>
    </message>
    <message>
        <source>Remove this picture from the list? It came with the design and is not in the program&apos;s base, so it is only dropped from this run&apos;s list</source>
        <translation>Dieses Bild aus der Liste entfernen? Es kam mit dem Design und ist nicht in der Basis des Programms, daher wird es nur aus der Liste dieses Starts genommen</translation>
    </message>
    <message>
        <source>Delete selected picture from program&apos;s base?</source>
        <translation>Das gewählte Bild aus der Basis des Programms löschen?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Template</source>
        <translation>Vorlage</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Template %1</source>
        <translation>Vorlage %1</translation>
    </message>
    <message>
        <source>The opened design&apos;s picture, not kept in your pictures</source>
        <translation>Bild des geöffneten Designs, nicht in Ihren Bildern gespeichert</translation>
    </message>
    <message>
        <source>Your picture %1, damaged</source>
        <translation>Ihr Bild %1, beschädigt</translation>
    </message>
    <message>
        <source>Your picture %1</source>
        <translation>Ihr Bild %1</translation>
    </message>
</context>
</TS>
