<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Desktop entry</name>
    <message>
        <source>Quillon</source>
        <translation>Quillon</translation>
    </message>
    <message>
        <source>Document Scanner</source>
        <translation>Dokumentenscanner</translation>
    </message>
    <message>
        <source>Scan paper documents to PDF, TIFF, JPEG or PNG</source>
        <translation>Papierdokumente als PDF, TIFF, JPEG oder PNG scannen</translation>
    </message>
    <message>
        <source>scan;scanner;document;PDF;TIFF;</source>
        <translation>scannen;Scanner;Dokument;Einzug;PDF;TIFF;</translation>
    </message>
    <message>
        <source>Scan paper documents into one compact file</source>
        <translation>Papierdokumente in eine kompakte Datei scannen</translation>
    </message>
    <message>
        <source>Quillon scans from the document feeder or the flatbed into one PDF or multi-page TIFF, or a single JPEG or PNG image, leaving out blank pages. A searchable PDF carries the text read from its pages, with pages scanned sideways or upside down turned upright.</source>
        <translation>Quillon scannt aus dem automatischen Dokumenteneinzug oder vom Flachbett in ein PDF oder mehrseitiges TIFF oder in ein einzelnes JPEG- oder PNG-Bild und lässt leere Seiten weg. Ein durchsuchbares PDF enthält den aus seinen Seiten gelesenen Text; quer oder kopfüber gescannte Seiten werden aufgerichtet.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number.</source>
        <translation>Überlauf: „%1“ ist eine zu große Zahl.</translation>
    </message>
    <message>
        <source>Quillon Error Message</source>
        <translation>Quillon-Fehlermeldung</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number.</source>
        <translation>Typen unverträglich: „%1“ ist keine Zahl.</translation>
    </message>
    <message>
        <source>ERROR: #%1 %2</source>
        <comment>a failure&apos;s number and its description</comment>
        <translation>FEHLER: #%1 %2</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Nicht genügend Arbeitsspeicher.</translation>
    </message>
    <message>
        <source>Unknown failure.</source>
        <translation>Unbekannter Fehler.</translation>
    </message>
</context>
<context>
    <name>ImageFileSource</name>
    <message>
        <source>Image files</source>
        <translation>Bilddateien</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>%1 holds no JPEG, PNG or TIFF image.</source>
        <translation>%1 enthält kein JPEG-, PNG- oder TIFF-Bild.</translation>
    </message>
    <message>
        <source>%1 is not a JPEG, PNG or TIFF image.</source>
        <translation>%1 ist kein JPEG-, PNG- oder TIFF-Bild.</translation>
    </message>
    <message>
        <source>No image file was given.</source>
        <translation>Es wurde keine Bilddatei angegeben.</translation>
    </message>
    <message>
        <source>Page %1 of %2 could not be read.</source>
        <translation>Seite %1 von %2 konnte nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>Imaging</name>
    <message>
        <source>A JPEG or PNG file holds one page only.</source>
        <translation>Eine JPEG- oder PNG-Datei enthält nur eine Seite.</translation>
    </message>
    <message>
        <source>The image could not be encoded: </source>
        <translation>Das Bild konnte nicht kodiert werden: </translation>
    </message>
    <message>
        <source>The image file has no page.</source>
        <translation>Die Bilddatei hat keine Seite.</translation>
    </message>
    <message>
        <source>An empty page cannot be written.</source>
        <translation>Eine leere Seite kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>A page could not be compressed: </source>
        <translation>Eine Seite konnte nicht komprimiert werden: </translation>
    </message>
    <message>
        <source>A page could not be compressed as JPEG.</source>
        <translation>Eine Seite konnte nicht als JPEG komprimiert werden.</translation>
    </message>
    <message>
        <source>Reading the text of page %1 of %2</source>
        <translation>Text von Seite %L1 von %L2 wird gelesen</translation>
    </message>
    <message>
        <source>The page was saved without searchable text.</source>
        <translation>Die Seite wurde ohne durchsuchbaren Text gespeichert.</translation>
    </message>
    <message>
        <source>%1 of %2 pages were saved without searchable text.</source>
        <translation>Ohne durchsuchbaren Text gespeichert: %L1 von %L2 Seiten.</translation>
    </message>
    <message>
        <source>There is not enough memory for a page this large: a lower resolution, or grey or black and white, needs less.</source>
        <translation>Für eine so große Seite reicht der Arbeitsspeicher nicht: Eine niedrigere Auflösung oder Graustufen oder Schwarzweiß brauchen weniger.</translation>
    </message>
    <message>
        <source>No document is open.</source>
        <translation>Es ist kein Dokument geöffnet.</translation>
    </message>
    <message>
        <source>The PDF file is already complete.</source>
        <translation>Die PDF-Datei ist bereits abgeschlossen.</translation>
    </message>
    <message>
        <source>The PDF file has no page.</source>
        <translation>Die PDF-Datei hat keine Seite.</translation>
    </message>
    <message>
        <source>The PDF file has no page %1.</source>
        <translation>Die PDF-Datei hat keine Seite %L1.</translation>
    </message>
    <message>
        <source>%1 is a link to a file that cannot be reached: %2.</source>
        <translation>%1 ist eine Verknüpfung auf eine Datei, die nicht erreichbar ist: %2.</translation>
    </message>
    <message>
        <source>%1 is a device, a pipe or a socket, not a file.</source>
        <translation>%1 ist ein Gerät, eine Pipe oder ein Socket, keine Datei.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 ist ein Ordner, keine Datei.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Cannot write in %1: %2.</source>
        <translation>In %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>No file is open.</source>
        <translation>Es ist keine Datei geöffnet.</translation>
    </message>
    <message>
        <source>Cannot save %1: %2.</source>
        <translation>%1 kann nicht gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>%1 was given up: nothing was saved.</source>
        <translation>%1 wurde verworfen: Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>Quillon separator sheet</source>
        <translation>Quillon-Trennblatt</translation>
    </message>
    <message>
        <source>Put this sheet between two documents in the feeder.
Print it at full size (100 %).</source>
        <translation>Legen Sie dieses Blatt im Einzug zwischen zwei Dokumente.
Drucken Sie es in voller Größe (100 %).</translation>
    </message>
    <message>
        <source>The text-recognition engine could not be loaded (%1).</source>
        <translation>Die Texterkennung konnte nicht geladen werden (%1).</translation>
    </message>
    <message>
        <source>The text-recognition engine %1 is not one this program can use.</source>
        <translation>Die Texterkennung %1 kann von diesem Programm nicht verwendet werden.</translation>
    </message>
    <message>
        <source>The text-recognition languages &quot;%1&quot; could not be loaded.</source>
        <translation>Die Sprachen „%1“ der Texterkennung konnten nicht geladen werden.</translation>
    </message>
    <message>
        <source>The text of a page could not be recognised.</source>
        <translation>Der Text einer Seite konnte nicht erkannt werden.</translation>
    </message>
    <message>
        <source>%1 needs the language data for %2, which is not installed. Install the package %3, or choose other languages. (Looked in %4.)</source>
        <translation>%1 benötigt die Sprachdaten für %2, die nicht installiert sind. Installieren Sie das Paket %3 oder wählen Sie andere Sprachen. (Gesucht in %4.)</translation>
    </message>
    <message>
        <source>no folder</source>
        <translation>keinem Ordner</translation>
    </message>
    <message>
        <source>Reading the pages&apos; text</source>
        <translation>Das Lesen des Textes der Seiten</translation>
    </message>
    <message>
        <source>The text-recognition languages &quot;%1&quot; are not a list of language codes. Write codes joined by &quot;+&quot;, for example &quot;deu+eng&quot;.</source>
        <translation>Die Sprachen „%1“ der Texterkennung sind keine Liste von Sprachcodes. Schreiben Sie Codes, verbunden durch „+“, zum Beispiel „deu+eng“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no language that text recognition knows. Choose language codes such as &quot;eng&quot; or &quot;deu+eng&quot;.</source>
        <translation>„%1“ ist keine Sprache, die die Texterkennung kennt. Wählen Sie Sprachcodes wie „eng“ oder „deu+eng“.</translation>
    </message>
    <message>
        <source>Turning pages upright needs the data for finding which way up a page is, which is not installed. Install the package tesseract-ocr-osd. (Looked in %1.)</source>
        <translation>Zum Aufrichten der Seiten werden die Daten zum Erkennen der Seitenausrichtung benötigt, die nicht installiert sind. Installieren Sie das Paket tesseract-ocr-osd. (Gesucht in %1.)</translation>
    </message>
    <message>
        <source>The TIFF file&apos;s header could not be read.</source>
        <translation>Der Kopf der TIFF-Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The TIFF file&apos;s page %1 could not be read.</source>
        <translation>Seite %L1 der TIFF-Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The TIFF file could not be read.</source>
        <translation>Die TIFF-Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>A TIFF file needs at least one page.</source>
        <translation>Eine TIFF-Datei braucht mindestens eine Seite.</translation>
    </message>
    <message>
        <source>The TIFF file has no page %1.</source>
        <translation>Die TIFF-Datei hat keine Seite %L1.</translation>
    </message>
    <message>
        <source>The TIFF file&apos;s pages could not be put in order.</source>
        <translation>Die Seiten der TIFF-Datei konnten nicht geordnet werden.</translation>
    </message>
    <message>
        <source>The TIFF file could not be started: </source>
        <translation>Die TIFF-Datei konnte nicht angelegt werden: </translation>
    </message>
    <message>
        <source>The TIFF file is already complete.</source>
        <translation>Die TIFF-Datei ist bereits abgeschlossen.</translation>
    </message>
    <message>
        <source>The TIFF file has no page.</source>
        <translation>Die TIFF-Datei hat keine Seite.</translation>
    </message>
    <message>
        <source>The pages could not be held for review: </source>
        <translation>Die Seiten konnten nicht zur Durchsicht behalten werden: </translation>
    </message>
    <message>
        <source>A page held for review could not be read back.</source>
        <translation>Eine zur Durchsicht behaltene Seite konnte nicht wieder gelesen werden.</translation>
    </message>
</context>
<context>
    <name>OutputFileChooser</name>
    <message>
        <source>PDF document</source>
        <translation>PDF-Dokument</translation>
    </message>
    <message>
        <source>TIFF image</source>
        <translation>TIFF-Bild</translation>
    </message>
    <message>
        <source>JPEG image</source>
        <translation>JPEG-Bild</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <source>%1 file</source>
        <comment>a file format&apos;s name</comment>
        <translation>%1-Datei</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>ERROR: Invalid File Selection. Please try again.</source>
        <translation>FEHLER: Ungültige Dateiauswahl. Bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Quillon Error</source>
        <translation>Quillon-Fehler</translation>
    </message>
    <message>
        <source>Please choose another file.</source>
        <translation>Bitte wählen Sie eine andere Datei.</translation>
    </message>
    <message>
        <source>%1 is one of the system&apos;s own folders, where no file can be saved.</source>
        <translation>%1 ist ein Ordner des Systems, in dem keine Datei gespeichert werden kann.</translation>
    </message>
    <message>
        <source>%1 is too long a name for its folder.</source>
        <translation>%1 ist ein zu langer Name für seinen Ordner.</translation>
    </message>
    <message>
        <source>%1 is a link to a file that does not exist.</source>
        <translation>%1 ist eine Verknüpfung auf eine Datei, die nicht existiert.</translation>
    </message>
    <message>
        <source>%1 is a device, a pipe or a socket, not a file.</source>
        <translation>%1 ist ein Gerät, eine Pipe oder ein Socket, keine Datei.</translation>
    </message>
    <message>
        <source>%1 is write-protected.</source>
        <translation>%1 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>%1 belongs to another user, in a folder where only its owner may replace it.</source>
        <translation>%1 gehört einem anderen Benutzer, in einem Ordner, in dem nur der Eigentümer sie ersetzen darf.</translation>
    </message>
</context>
<context>
    <name>PageReview</name>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>%1, separator sheet</source>
        <translation>%1, Trennblatt</translation>
    </message>
    <message>
        <source>%1, left out: blank</source>
        <translation>%1, ausgelassen: leer</translation>
    </message>
</context>
<context>
    <name>PendingChangesRetry</name>
    <message>
        <source>Your last changes to the options could not be stored: %1.</source>
        <translation>Ihre letzten Änderungen an den Einstellungen konnten nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>Your change is not stored yet: %1. It is kept, and stored as soon as it can be.</source>
        <translation>Ihre Änderung ist noch nicht gespeichert: %1. Sie wird aufbewahrt und gespeichert, sobald es möglich ist.</translation>
    </message>
    <message>
        <source>Your changes are stored now.</source>
        <translation>Ihre Änderungen sind jetzt gespeichert.</translation>
    </message>
    <message>
        <source>another program holds the settings file %1</source>
        <translation>ein anderes Programm blockiert die Einstellungsdatei %1</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>the settings file could not be written</source>
        <translation>die Einstellungsdatei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the settings file %1 could not be written</source>
        <translation>die Einstellungsdatei %1 konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>QuillonScan</name>
    <message>
        <source>%1 or %2</source>
        <comment>the last of a list of choices</comment>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>Usage: quillon-scan [OPTIONS] OUTPUT
Scans into OUTPUT (%1) with the options stored by Quillon,
changed for this run only by the options given. The stored options are never changed.

  -d, --device NAME         the SANE device to use, as SANE names it; a backend&apos;s name alone
                            (&quot;test&quot;) opens its first device (default: the scanner chosen last)
  -L, --list-devices        list the scanners, one a line: SANE name, then vendor and model
      --source auto|feeder|flatbed
                            auto: the feeder, or the flatbed when it is empty
      --duplex, --no-duplex both sides, or the front only
      --duplex manual       both sides from a feeder that scans one: the fronts, then the stack
                            turned over for the backs; the pages come out interleaved
      --mode bw|grey|colour black and white, grey (gray) or colour (color)
      --dpi N               %2
      --paper %3
      --quality 0..%4|compact  0 smallest file, %5 the default, %4 best; compact: a PDF&apos;s pages
                            of text as sharp text over a small picture of the paper, several
                            times smaller (other formats as the default)
      --blank-threshold X   pages with less ink than X (0.001 to 0.05) are left out; 0 keeps all
      --contrast, --no-contrast, --crop, --no-crop, --deskew, --no-deskew
      --single, --multiple  one image, as with multiple pages unchecked, or many pages into
                            one file, as with it checked
      --split, --no-split   one file per document, at separator sheets (Patch T, or the sheet
                            --print-separator makes): OUTPUT, then OUTPUT-2, OUTPUT-3, ...
      --print-separator FILE.pdf  writes a separator sheet to print (a Letter and an A4 page)
      --searchable          a searchable PDF: the pages&apos; text under the image, pages turned upright;
                            read in the languages chosen in Quillon, else your own
      --languages CODES     with --searchable: read in these languages, joined by + (deu+eng)
      --timeout SECONDS     how long the scanner may send nothing before the scan ends (60)
  -q, --quiet               no progress, and no message on success
      --help, --version

Questions are asked on the terminal. Without one, &quot;Scan Another Page?&quot; is answered No, and an
empty feeder falls back to the flatbed (--source auto) or ends the scan (--source feeder).

Exit status: 0 the file was written; 1 a usage error, or the stored options could not be read;
2 no scanner, or it could not be opened;
3 the scan failed and nothing was written (an older file is kept); 4 some pages were saved,
then the scan failed; 128+N ended by signal N (130 after Ctrl-C), no partial file left.
</source>
        <translation>Aufruf: quillon-scan [OPTIONEN] AUSGABE
Scannt in AUSGABE (%1) mit den in Quillon
gespeicherten Einstellungen, nur für diesen Lauf geändert durch die angegebenen Optionen.
Die gespeicherten Einstellungen werden nie verändert.

  -d, --device NAME         das SANE-Gerät, wie SANE es nennt; der Name eines Backends allein
                            (&quot;test&quot;) öffnet dessen erstes Gerät
                            (Standard: der zuletzt gewählte Scanner)
  -L, --list-devices        die Scanner auflisten, einer je Zeile: SANE-Name, dann Hersteller
                            und Modell
      --source auto|feeder|flatbed
                            auto: der Einzug, oder das Flachbett, wenn der Einzug leer ist
      --duplex, --no-duplex beide Seiten, oder nur die Vorderseite
      --duplex manual       beide Seiten aus einem Einzug, der nur eine scannt: erst die
                            Vorderseiten, dann der umgedrehte Stapel für die Rückseiten;
                            die Seiten kommen abwechselnd heraus, wie die Blätter lagen
      --mode bw|grey|colour Schwarzweiß, Graustufen (auch gray) oder Farbe (auch color)
      --dpi N               %2
      --paper %3
      --quality 0..%4|compact  0 kleinste Datei, %5 Standard, %4 beste; compact: die Textseiten
                            eines PDF als scharfe Schrift über einem kleinen Bild des Papiers,
                            um ein Mehrfaches kleiner (andere Formate wie mit dem Standard)
      --blank-threshold X   Seiten mit weniger Druck als X (0.001 bis 0.05) werden weggelassen;
                            0 behält alle
      --contrast, --no-contrast, --crop, --no-crop, --deskew, --no-deskew
      --single, --multiple  ein Bild, wie ohne Haken bei „Mehrere Seiten erlauben“, oder viele
                            Seiten in eine Datei, wie mit Haken
      --split, --no-split   eine Datei je Dokument, an Trennblättern (Patch T oder das Blatt von
                            --print-separator): AUSGABE, dann AUSGABE-2, AUSGABE-3, …
      --print-separator DATEI.pdf  schreibt ein Trennblatt zum Drucken
                            (eine Letter- und eine A4-Seite)
      --searchable          ein durchsuchbares PDF: der Text der Seiten unter dem Bild, Seiten
                            aufgerichtet; gelesen in den in Quillon gewählten Sprachen,
                            sonst in Ihrer
      --languages CODES     mit --searchable: in diesen Sprachen lesen, verbunden durch + (deu+eng)
      --timeout SEKUNDEN    wie lange der Scanner nichts senden darf, bevor das Scannen endet (60)
  -q, --quiet               kein Fortschritt und keine Meldung bei Erfolg
      --help, --version

Fragen werden im Terminal gestellt. Ohne Terminal wird „Eine weitere Seite scannen?“ mit Nein
beantwortet, und ein leerer Einzug weicht auf das Flachbett aus (--source auto) oder beendet das
Scannen (--source feeder).

Exit-Status: 0 die Datei wurde geschrieben; 1 ein Fehler im Aufruf, oder die gespeicherten
Einstellungen konnten nicht gelesen werden; 2 kein Scanner, oder er ließ sich nicht öffnen;
3 das Scannen schlug fehl und nichts wurde geschrieben (eine ältere Datei bleibt erhalten);
4 einige Seiten wurden gespeichert, dann schlug das Scannen fehl; 128+N beendet durch Signal N
(130 nach Strg+C), keine unvollständige Datei bleibt zurück.
</translation>
    </message>
    <message>
        <source>--print-separator writes a .pdf file.</source>
        <translation>--print-separator schreibt eine .pdf-Datei.</translation>
    </message>
    <message>
        <source>Give one OUTPUT file.</source>
        <translation>Geben Sie genau eine AUSGABE-Datei an.</translation>
    </message>
    <message>
        <source>%1 names no format Quillon writes: use %2.</source>
        <translation>%1 nennt kein Format, das Quillon schreibt: Verwenden Sie %2.</translation>
    </message>
    <message>
        <source>--searchable needs a .pdf OUTPUT.</source>
        <translation>--searchable braucht eine .pdf-Datei als AUSGABE.</translation>
    </message>
    <message>
        <source>--languages is for --searchable.</source>
        <translation>--languages gilt nur mit --searchable.</translation>
    </message>
    <message>
        <source>--languages takes codes joined by +, such as deu+eng.</source>
        <translation>--languages nimmt Codes, verbunden durch +, wie deu+eng.</translation>
    </message>
    <message>
        <source>An option and its --no- form cannot both be given.</source>
        <translation>Eine Option und ihre --no-Form können nicht beide angegeben werden.</translation>
    </message>
    <message>
        <source>Give one of --duplex, --duplex manual and --no-duplex.</source>
        <translation>Geben Sie nur eine von --duplex, --duplex manual und --no-duplex an.</translation>
    </message>
    <message>
        <source>Give one of --single and --multiple.</source>
        <translation>Geben Sie nur eine von --single und --multiple an.</translation>
    </message>
    <message>
        <source>--source takes auto, feeder or flatbed.</source>
        <translation>--source nimmt auto, feeder oder flatbed.</translation>
    </message>
    <message>
        <source>--mode takes bw, grey or colour.</source>
        <translation>--mode nimmt bw, grey oder colour.</translation>
    </message>
    <message>
        <source>--dpi takes one of %1.</source>
        <translation>--dpi nimmt einen dieser Werte: %1.</translation>
    </message>
    <message>
        <source>--paper takes %1.</source>
        <translation>--paper nimmt %1.</translation>
    </message>
    <message>
        <source>--quality takes 0 to %1, or compact.</source>
        <translation>--quality nimmt 0 bis %1 oder compact.</translation>
    </message>
    <message>
        <source>--timeout takes a number of seconds, 1 or more.</source>
        <translation>--timeout nimmt eine Anzahl Sekunden, 1 oder mehr.</translation>
    </message>
    <message>
        <source>--blank-threshold takes 0, or 0.001 to 0.05 in steps of 0.001.</source>
        <translation>--blank-threshold nimmt 0 oder 0.001 bis 0.05 in Schritten von 0.001.</translation>
    </message>
    <message>
        <source>No scanner was found.</source>
        <translation>Es wurde kein Scanner gefunden.</translation>
    </message>
    <message>
        <source>The separator sheet could not be written: %1</source>
        <translation>Das Trennblatt konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>A separator sheet to print at full size (a Letter page and an A4 page): %1</source>
        <translation>Ein Trennblatt zum Drucken in voller Größe (eine Letter- und eine A4-Seite): %1</translation>
    </message>
    <message>
        <source>quillon-scan --help tells how to use it.</source>
        <translation>quillon-scan --help erklärt den Aufruf.</translation>
    </message>
    <message>
        <source>The stored options could not be read: %1 belongs to another user. Nothing was scanned.</source>
        <translation>Die gespeicherten Einstellungen konnten nicht gelesen werden: %1 gehört einem anderen Benutzer. Es wurde nichts gescannt.</translation>
    </message>
    <message>
        <source>The stored options could not be read (%1 is held by another program, or is a link to something that is not Quillon&apos;s settings): nothing was scanned.</source>
        <translation>Die gespeicherten Einstellungen konnten nicht gelesen werden (ein anderes Programm blockiert %1, oder die Datei ist eine Verknüpfung auf etwas, das nicht Quillons Einstellungen sind): Es wurde nichts gescannt.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
    <message>
        <source>No scanner is named %1. quillon-scan --list-devices lists them.</source>
        <translation>Kein Scanner heißt %1. quillon-scan --list-devices listet sie auf.</translation>
    </message>
    <message>
        <source>The scanner used last, %1, could not be opened. quillon-scan --list-devices lists the scanners; -d NAME chooses one.</source>
        <translation>Der zuletzt verwendete Scanner, %1, konnte nicht geöffnet werden. quillon-scan --list-devices listet die Scanner auf; -d NAME wählt einen.</translation>
    </message>
    <message>
        <source>Without a terminal, no one could be asked to turn the stack over for the back sides.</source>
        <translation>Ohne Terminal konnte niemand gebeten werden, den Stapel für die Rückseiten umzudrehen.</translation>
    </message>
    <message>
        <source>y</source>
        <comment>the key that answers Yes</comment>
        <translation>j</translation>
    </message>
    <message>
        <source>n</source>
        <comment>the key that answers No</comment>
        <translation>n</translation>
    </message>
    <message>
        <source>c</source>
        <comment>the key that answers Cancel</comment>
        <translation>a</translation>
    </message>
    <message>
        <source>[y/n/c]</source>
        <comment>the keys that answer Yes, No and Cancel</comment>
        <translation>[j/n/a]</translation>
    </message>
    <message>
        <source>[y/n]</source>
        <comment>the keys that answer Yes and No</comment>
        <translation>[j/n]</translation>
    </message>
    <message>
        <source>Load the documents into the feeder. Retry? [y] yes, [n] use the flatbed, [c] cancel</source>
        <translation>Legen Sie die Dokumente in den Einzug. Erneut versuchen? [j] ja, [n] Flachbett verwenden, [a] abbrechen</translation>
    </message>
    <message>
        <source>Put the next page on the flatbed. Scan it? [y] yes, [n] no, save the file</source>
        <translation>Legen Sie die nächste Seite auf das Flachbett. Scannen? [j] ja, [n] nein, Datei speichern</translation>
    </message>
    <message>
        <source>Turn the stack over, without changing its order, and load it into the feeder again. Scan the back sides? [y] yes, [n] keep the front sides only</source>
        <translation>Drehen Sie den Stapel um, ohne seine Reihenfolge zu ändern, und legen Sie ihn wieder in den Einzug. Rückseiten scannen? [j] ja, [n] nur die Vorderseiten behalten</translation>
    </message>
    <message>
        <source>Save every page, the unmatched ones at the end? [y] yes, [n] keep the front sides only</source>
        <translation>Alle Seiten speichern, die nicht zugeordneten am Ende? [j] ja, [n] nur die Vorderseiten behalten</translation>
    </message>
    <message>
        <source>Scanning page %1: %2 %</source>
        <translation>Seite %1 wird gescannt: %2 %</translation>
    </message>
    <message>
        <source>%1 (no terminal to ask)</source>
        <comment>the answer given</comment>
        <translation>%1 (kein Terminal zum Fragen)</translation>
    </message>
    <message>
        <source>%1 (document %2)</source>
        <translation>%L1 (Dokument %L2)</translation>
    </message>
    <message>
        <source>Scanning page %1</source>
        <translation>Seite %1 wird gescannt</translation>
    </message>
    <message>
        <source>
Image files in place of a scanner:
      --from PATH           JPEG, PNG and TIFF files (every page of a TIFF), or a folder&apos;s images
                            in the order of their names, as the pages of a feeder; give it again
                            for more. The stored options apply as to a scan.
</source>
        <translation>
Bilddateien statt eines Scanners:
      --from PFAD           JPEG-, PNG- und TIFF-Dateien (jede Seite einer TIFF-Datei) oder die Bilder
                            eines Ordners in der Reihenfolge ihrer Namen, als Seiten eines Einzugs;
                            für weitere erneut angeben. Die gespeicherten Optionen gelten wie beim Scannen.
</translation>
    </message>
    <message>
        <source>Give one of --from and --device.</source>
        <translation>Geben Sie entweder --from oder --device an.</translation>
    </message>
    <message>
        <source>--from takes each image as a page of its own: --duplex is for a scanner.</source>
        <translation>--from nimmt jedes Bild als eigene Seite: --duplex gilt für einen Scanner.</translation>
    </message>
    <message>
        <source>--from takes the images as a feeder&apos;s pages: --source flatbed is for a scanner.</source>
        <translation>--from nimmt die Bilder als Seiten eines Einzugs: --source flatbed gilt für einen Scanner.</translation>
    </message>
    <message>
        <source>%1 holds one image, and %2 were given: write them to a .pdf or .tiff file.</source>
        <translation>%1 nimmt ein einziges Bild auf, angegeben wurden %2: Schreiben Sie sie in eine .pdf- oder .tiff-Datei.</translation>
    </message>
</context>
<context>
    <name>RunScan</name>
    <message>
        <source>User Canceled Scan</source>
        <translation>Scannen vom Benutzer abgebrochen</translation>
    </message>
    <message>
        <source>ERROR: Invalid DPI Selected. (%1) Please select a correct option.</source>
        <translation>FEHLER: Ungültige Auflösung (DPI) gewählt. (%1) Bitte wählen Sie eine gültige Einstellung.</translation>
    </message>
    <message>
        <source>ERROR: Invalid Scan Color Option Selected. (%1) Please select a correct option.</source>
        <translation>FEHLER: Ungültige Farbeinstellung gewählt. (%1) Bitte wählen Sie eine gültige Einstellung.</translation>
    </message>
    <message>
        <source>ERROR: Invalid Duplex Option Selected. (%1) Please select a correct option.</source>
        <translation>FEHLER: Ungültige Duplex-Einstellung gewählt. (%1) Bitte wählen Sie eine gültige Einstellung.</translation>
    </message>
    <message>
        <source>ERROR: Invalid PageRejectionCoverage Selected. (%1) Please select a correct option.</source>
        <translation>FEHLER: Ungültige Leerseitenschwelle (PageRejectionCoverage) gewählt. (%1) Bitte wählen Sie eine gültige Einstellung.</translation>
    </message>
    <message>
        <source>ERROR: Searchable PDF cannot be made.</source>
        <translation>FEHLER: Ein durchsuchbares PDF kann nicht erstellt werden.</translation>
    </message>
    <message>
        <source>You have selected a WIA scanner, but did not check the WIA option. This may lead to unexpected problems.</source>
        <translation>Sie haben einen WIA-Scanner gewählt, aber die Option WIA nicht angekreuzt. Das kann zu unerwarteten Problemen führen.</translation>
    </message>
    <message>
        <source>Quillon Warning</source>
        <translation>Quillon-Warnung</translation>
    </message>
    <message>
        <source>Please load the documents into the Auto-Document Feeder.</source>
        <translation>Bitte legen Sie die Dokumente in den automatischen Dokumenteneinzug.</translation>
    </message>
    <message>
        <source>Click YES to retry or</source>
        <translation>Klicken Sie auf JA, um es erneut zu versuchen, oder</translation>
    </message>
    <message>
        <source>Click NO to use the flatbed or other scan head (if equipped).</source>
        <translation>auf NEIN, um das Flachbett oder eine andere Scaneinheit (falls vorhanden) zu verwenden.</translation>
    </message>
    <message>
        <source>Scan Another Page?</source>
        <translation>Eine weitere Seite scannen?</translation>
    </message>
    <message>
        <source>Quillon Question</source>
        <translation>Quillon-Frage</translation>
    </message>
    <message>
        <source>%1 front sides but %2 back sides were scanned.</source>
        <translation>Es wurden %L1 Vorderseiten, aber %L2 Rückseiten gescannt.</translation>
    </message>
    <message>
        <source>Click YES to save every page, the unmatched ones at the end, or NO to keep the front sides only.</source>
        <translation>Klicken Sie auf JA, um alle Seiten zu speichern, die nicht zugeordneten am Ende, oder auf NEIN, um nur die Vorderseiten zu behalten.</translation>
    </message>
    <message>
        <source>1 back side belongs to no front side; it goes at the end.</source>
        <translation>1 Rückseite gehört zu keiner Vorderseite; sie kommt ans Ende.</translation>
    </message>
    <message numerus="yes">
        <source>%n back sides belong to no front side; they go at the end.</source>
        <translation>
            <numerusform>%Ln Rückseite gehört zu keiner Vorderseite; sie kommt ans Ende.</numerusform>
            <numerusform>%Ln Rückseiten gehören zu keiner Vorderseite; sie kommen ans Ende.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sheet 1 has no back side.</source>
        <translation>Blatt 1 hat keine Rückseite.</translation>
    </message>
    <message>
        <source>Sheets %1 and %2 have no back side.</source>
        <translation>Die Blätter %1 und %2 haben keine Rückseite.</translation>
    </message>
    <message>
        <source>The scan stopped at back side %1 of %2 (the back of sheet %3).</source>
        <translation>Das Scannen endete bei Rückseite %L1 von %L2 (der Rückseite von Blatt %L3).</translation>
    </message>
    <message>
        <source>Documents saved before:</source>
        <translation>Zuvor gespeicherte Dokumente:</translation>
    </message>
    <message>
        <source>TWAIN Error #%1 %2</source>
        <comment>the library&apos;s error number and its text</comment>
        <translation>TWAIN-Fehler #%1 %2</translation>
    </message>
    <message>
        <source>Could not locate file: %1</source>
        <translation>Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>Nothing was saved to: %1</source>
        <translation>Nichts wurde gespeichert in: %1</translation>
    </message>
    <message>
        <source>The file that was already there has not been changed.</source>
        <translation>Die Datei, die dort bereits war, wurde nicht verändert.</translation>
    </message>
    <message>
        <source>The back sides did not match them and were left out.</source>
        <translation>Die Rückseiten passten nicht zu ihnen und wurden weggelassen.</translation>
    </message>
    <message>
        <source>The stack was not turned over for the back sides.</source>
        <translation>Der Stapel wurde für die Rückseiten nicht umgedreht.</translation>
    </message>
    <message>
        <source>Only the front sides were saved to:</source>
        <translation>Nur die Vorderseiten wurden gespeichert in:</translation>
    </message>
    <message>
        <source>Scanned Successfully to:</source>
        <translation>Erfolgreich gescannt in:</translation>
    </message>
    <message>
        <source>Quillon Successful</source>
        <translation>Quillon – Erfolgreich</translation>
    </message>
    <message>
        <source>1 page was saved to:</source>
        <translation>1 Seite wurde gespeichert in:</translation>
    </message>
    <message numerus="yes">
        <source>%n pages were saved to:</source>
        <translation>
            <numerusform>%Ln Seite wurde gespeichert in:</numerusform>
            <numerusform>%Ln Seiten wurden gespeichert in:</numerusform>
        </translation>
    </message>
    <message>
        <source>The file already at %1 was kept as it was.</source>
        <translation>Die Datei, die bereits unter %1 lag, blieb unverändert.</translation>
    </message>
    <message>
        <source>ERROR: An error occurred while scanning.</source>
        <translation>FEHLER: Beim Scannen ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Quillon Scanning Error</source>
        <translation>Quillon-Scanfehler</translation>
    </message>
    <message>
        <source>Quillon Information</source>
        <translation>Quillon-Information</translation>
    </message>
    <message>
        <source>Canceled Scan</source>
        <translation>Scannen abgebrochen</translation>
    </message>
    <message>
        <source>Warning: An attempt was made to enable duplex scanning, however your scanner either does not support it, or does not behave according to the TWAIN specifications.</source>
        <translation>Warnung: Es wurde versucht, beidseitiges Scannen einzuschalten, aber Ihr Scanner unterstützt es nicht oder verhält sich nicht nach den TWAIN-Vorgaben.</translation>
    </message>
    <message>
        <source>%1 (1 page)</source>
        <comment>a file and its pages</comment>
        <translation>%1 (1 Seite)</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n pages)</source>
        <comment>a file and its pages</comment>
        <translation>
            <numerusform>%1 (%Ln Seite)</numerusform>
            <numerusform>%1 (%Ln Seiten)</numerusform>
        </translation>
    </message>
    <message>
        <source>Turn the stack over, without changing its order, and load it into the feeder again. Click YES to scan the back sides or NO to keep the front sides only.</source>
        <translation>Drehen Sie den Stapel um, ohne seine Reihenfolge zu ändern, und legen Sie ihn wieder in den Einzug. Klicken Sie auf JA, um die Rückseiten zu scannen, oder auf NEIN, um nur die Vorderseiten zu behalten.</translation>
    </message>
</context>
<context>
    <name>SaneLibrary</name>
    <message>
        <source>The scanner has sent nothing for %1 s. The scan ends by itself after %2 s; Cancel ends it now.</source>
        <translation>Der Scanner hat seit %L1 s nichts gesendet. Das Scannen endet nach %L2 s von selbst; Abbrechen beendet es sofort.</translation>
    </message>
    <message>
        <source>Looking for scanners...</source>
        <translation>Scanner werden gesucht …</translation>
    </message>
    <message>
        <source>Waiting for the scanner to be let go...</source>
        <translation>Warten, bis der Scanner freigegeben ist …</translation>
    </message>
    <message>
        <source>Opening the scanner...</source>
        <translation>Scanner wird geöffnet …</translation>
    </message>
    <message>
        <source>Saving the document...</source>
        <translation>Dokument wird gespeichert …</translation>
    </message>
    <message>
        <source>Waiting for page %1...</source>
        <translation>Warten auf Seite %L1 …</translation>
    </message>
</context>
<context>
    <name>ScannerErrors</name>
    <message>
        <source>The scan was cancelled.</source>
        <translation>Das Scannen wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The document feeder is empty.</source>
        <translation>Der Einzug ist leer.</translation>
    </message>
    <message>
        <source>The document feeder is jammed.</source>
        <translation>Im Einzug gibt es einen Papierstau.</translation>
    </message>
    <message>
        <source>The scanner cover is open.</source>
        <translation>Die Abdeckung des Scanners ist offen.</translation>
    </message>
    <message>
        <source>The scanner stopped answering. Check its cable and power.</source>
        <translation>Der Scanner antwortet nicht mehr. Prüfen Sie Kabel und Stromversorgung.</translation>
    </message>
    <message>
        <source>The scanner is busy.</source>
        <translation>Der Scanner ist belegt.</translation>
    </message>
    <message>
        <source>There is not enough memory for a page this large: a lower resolution, or grey or black and white, needs less.</source>
        <translation>Für eine so große Seite reicht der Arbeitsspeicher nicht: Eine niedrigere Auflösung oder Graustufen oder Schwarzweiß brauchen weniger.</translation>
    </message>
    <message>
        <source>You are not allowed to use this scanner.</source>
        <translation>Sie dürfen diesen Scanner nicht verwenden.</translation>
    </message>
    <message>
        <source>The scanner could not be found. It may have been unplugged.</source>
        <translation>Der Scanner wurde nicht gefunden. Vielleicht wurde er ausgesteckt.</translation>
    </message>
    <message>
        <source>The scanner does not support this operation.</source>
        <translation>Der Scanner unterstützt diesen Vorgang nicht.</translation>
    </message>
    <message>
        <source>The scanner refused a setting.</source>
        <translation>Der Scanner hat eine Einstellung abgelehnt.</translation>
    </message>
    <message>
        <source>No scanner is open.</source>
        <translation>Es ist kein Scanner geöffnet.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Die Datei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>This file type cannot be written.</source>
        <translation>Dieser Dateityp kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>No page was scanned, so no file was written.</source>
        <translation>Es wurde keine Seite gescannt, daher wurde keine Datei geschrieben.</translation>
    </message>
    <message>
        <source>The scanner sent an incomplete page.</source>
        <translation>Der Scanner hat eine unvollständige Seite gesendet.</translation>
    </message>
    <message>
        <source>The scanner lamp is still warming up. Try again in a moment.</source>
        <translation>Die Lampe des Scanners wärmt sich noch auf. Versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>The scanner is locked for transport. Unlock it and try again.</source>
        <translation>Der Scanner ist für den Transport verriegelt. Entriegeln Sie ihn und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The scanner stopped answering.</source>
        <translation>Der Scanner antwortet nicht mehr.</translation>
    </message>
    <message>
        <source>The system refused:</source>
        <translation>Das System hat abgelehnt:</translation>
    </message>
    <message>
        <source>The scanner sent a page that could not be read: its image was damaged, or the connection broke off.</source>
        <translation>Der Scanner hat eine Seite gesendet, die nicht gelesen werden konnte: Ihr Bild war beschädigt oder die Verbindung brach ab.</translation>
    </message>
    <message>
        <source>The scanner library failed unexpectedly.</source>
        <translation>In der Scanner-Bibliothek ist ein unerwarteter Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>An image file could not be used:</source>
        <translation>Eine Bilddatei konnte nicht verwendet werden:</translation>
    </message>
</context>
<context>
    <name>SelectScanner</name>
    <message>
        <source>Select Scanner</source>
        <translation>Scanner auswählen</translation>
    </message>
    <message>
        <source>No scanner was found. Check that it is connected and switched on, then press SCAN again.</source>
        <translation>Es wurde kein Scanner gefunden. Prüfen Sie, ob er angeschlossen und eingeschaltet ist, und drücken Sie dann erneut SCANNEN.</translation>
    </message>
    <message>
        <source>Scan with:</source>
        <translation>Scannen mit:</translation>
    </message>
    <message>
        <source>Scanners</source>
        <translation>Scanner</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Scanning page %1...</source>
        <translation>Seite %L1 wird gescannt …</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Searchable PDF</source>
        <translation>Durchsuchbares PDF</translation>
    </message>
    <message>
        <source>Poor - Smallest Size</source>
        <translation>Gering – kleinste Datei</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Good - Default</source>
        <translation>Gut – Standard</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Highest - Largest Size</source>
        <translation>Höchste – größte Datei</translation>
    </message>
    <message>
        <source>Compact - Text Pages</source>
        <translation>Kompakt – Textseiten</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Legal</translation>
    </message>
    <message>
        <source>Black &amp; White</source>
        <translation>Schwarzweiß</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Graustufen</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Front Only</source>
        <translation>Nur Vorderseite</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Manual Duplex (turn the stack)</source>
        <translation>Manuell beidseitig (Stapel umdrehen)</translation>
    </message>
    <message>
        <source>The settings file %1 is a link to something that is not Quillon&apos;s settings; it is left as it is, and the options are not stored.</source>
        <translation>Die Einstellungsdatei %1 ist eine Verknüpfung auf etwas, das nicht Quillons Einstellungen sind; sie bleibt, wie sie ist, und die Einstellungen werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be used as Quillon&apos;s; it was kept as %2, and a fresh one was started.</source>
        <translation>Die Einstellungsdatei %1 konnte nicht als die von Quillon verwendet werden; sie wurde als %2 aufbewahrt und eine neue wurde angelegt.</translation>
    </message>
    <message>
        <source>checked</source>
        <translation>angekreuzt</translation>
    </message>
    <message>
        <source>unchecked</source>
        <translation>nicht angekreuzt</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes long</source>
        <translation>
            <numerusform>%Ln Byte lang</numerusform>
            <numerusform>%Ln Bytes lang</numerusform>
        </translation>
    </message>
    <message>
        <source>The stored value of %1, %2, cannot be used; its default (%3) is used instead.</source>
        <translation>Der gespeicherte Wert von %1, %2, ist nicht verwendbar; stattdessen gilt der Standardwert (%3).</translation>
    </message>
</context>
<context>
    <name>quillon</name>
    <message>
        <source>Scans paper documents into one PDF, TIFF, JPEG or PNG file.</source>
        <translation>Scannt Papierdokumente in eine PDF-, TIFF-, JPEG- oder PNG-Datei.</translation>
    </message>
</context>
<context>
    <name>quillon::Main</name>
    <message>
        <source>%1 choices</source>
        <comment>a list&apos;s open items, named by its label</comment>
        <translation>Auswahl für %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>The stored options could not be read (another program holds them, or the settings file is a link to something else); the defaults are shown, and the stored options are kept as they are.</source>
        <translation>Die gespeicherten Einstellungen konnten nicht gelesen werden (ein anderes Programm blockiert sie, oder die Einstellungsdatei ist eine Verknüpfung auf etwas anderes); die Standardwerte werden angezeigt, und die gespeicherten Einstellungen bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>SCAN</source>
        <translation>SCANNEN</translation>
    </message>
    <message>
        <source>Try ADF First</source>
        <translation>Zuerst Einzug</translation>
    </message>
    <message>
        <source>Will try to feed from the ADF (if available) first, otherwise it will then try the flatbed.</source>
        <translation>Versucht zuerst, aus dem automatischen Dokumenteneinzug (falls vorhanden) zu scannen, sonst vom Flachbett.</translation>
    </message>
    <message>
        <source>Allow Multiple Pages</source>
        <translation>Mehrere Seiten erlauben</translation>
    </message>
    <message>
        <source>Controls whether the ADF will scan all available pages or whether the user will be prompted to add additional pages.</source>
        <translation>Legt fest, ob der Einzug alle eingelegten Seiten scannt oder ob Sie gefragt werden, weitere Seiten aufzulegen.</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Sets the Initial Scan Quality.</source>
        <translation>Legt die Auflösung des Scannens fest.</translation>
    </message>
    <message>
        <source>Scan Type</source>
        <translation>Farbmodus</translation>
    </message>
    <message>
        <source>Sets the Scan Color Settings.</source>
        <translation>Legt die Farbeinstellung des Scannens fest.</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Duplex</translation>
    </message>
    <message>
        <source>Sets the Sides of the Paper Scaned.</source>
        <translation>Legt fest, welche Seiten des Papiers gescannt werden.</translation>
    </message>
    <message>
        <source>Page Rejection</source>
        <translation>Leerseitenschwelle</translation>
    </message>
    <message>
        <source>Sets the percantage of ink coverage per page necessary to include the page.</source>
        <translation>Legt fest, wie viel Prozent einer Seite bedruckt sein müssen, damit sie aufgenommen wird.</translation>
    </message>
    <message>
        <source>Quillon document scanner · v 1.07</source>
        <translation>Quillon Dokumentenscanner · v 1.07</translation>
    </message>
    <message>
        <source>Auto Crop</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <source>Automatically crops the excess area from the scan. (Used for photos only)</source>
        <translation>Schneidet überschüssige Ränder automatisch ab. (Nur für Fotos)</translation>
    </message>
    <message>
        <source>Auto Deskew</source>
        <translation>Geraderichten</translation>
    </message>
    <message>
        <source>Will automatically rotate pages that are not aligned correctly in the scanner.</source>
        <translation>Dreht Seiten, die schief im Scanner lagen, automatisch gerade.</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Sets the resulting file format.</source>
        <translation>Legt das Format der erzeugten Datei fest.</translation>
    </message>
    <message>
        <source>WIA</source>
        <translation>WIA</translation>
    </message>
    <message>
        <source>Changes various internal settings to be work better with Windows Image Aquisition (WIA) scanners.</source>
        <translation>Ändert verschiedene interne Einstellungen, damit Scanner mit Windows Image Acquisition (WIA) besser funktionieren.</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>Auto Contrast</source>
        <translation>Auto-Kontrast</translation>
    </message>
    <message>
        <source>Automatically adjusts contrast levels.</source>
        <translation>Passt den Kontrast automatisch an.</translation>
    </message>
    <message>
        <source>Quality (Size)</source>
        <translation>Qualität (Größe)</translation>
    </message>
    <message>
        <source>Sets the result file format compression.</source>
        <translation>Legt die Kompression der erzeugten Datei fest.</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>Papiergröße</translation>
    </message>
    <message>
        <source>Split at Separator Sheets</source>
        <translation>An Trennblättern teilen</translation>
    </message>
    <message>
        <source>Starts a new file at each separator sheet in the stack: a printed Patch T sheet, or the sheet that quillon-scan --print-separator makes. The separator sheets themselves are not kept.</source>
        <translation>Beginnt an jedem Trennblatt im Stapel eine neue Datei: an einem gedruckten Patch-T-Blatt oder dem Blatt, das quillon-scan --print-separator erstellt. Die Trennblätter selbst werden nicht behalten.</translation>
    </message>
    <message>
        <source>PDF pages of text are written as sharp text over a small picture of the paper, several times smaller. A page below 150 dpi, of faint ink, mostly picture or of print too small is kept as with Good - Default, as are TIFF, JPEG and PNG files.</source>
        <translation>PDF-Seiten mit Text werden als scharfe Schrift über einem kleinen Bild des Papiers geschrieben, um ein Mehrfaches kleiner. Eine Seite unter 150 dpi, mit blasser Schrift, überwiegend Bild oder mit zu kleiner Schrift wird wie mit „Gut – Standard“ geschrieben, ebenso TIFF-, JPEG- und PNG-Dateien.</translation>
    </message>
    <message>
        <source>The Auto-Crop feature is intended to only be used for photographs and should not be used for documents as it may produce unexpected results.</source>
        <translation>Das automatische Zuschneiden ist nur für Fotos gedacht und sollte nicht für Dokumente verwendet werden, da es zu unerwarteten Ergebnissen führen kann.</translation>
    </message>
    <message>
        <source>The stored options could not be read: %1 belongs to another user. The defaults are shown, and the stored options are kept as they are.</source>
        <translation>Die gespeicherten Einstellungen konnten nicht gelesen werden: %1 gehört einem anderen Benutzer. Die Standardwerte werden angezeigt, und die gespeicherten Einstellungen bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>Quillon Information</source>
        <translation>Quillon-Information</translation>
    </message>
    <message>
        <source>Review Pages Before Saving</source>
        <translation>Seiten vor dem Speichern durchsehen</translation>
    </message>
    <message>
        <source>Shows the scanned pages before the file is written: turn, delete, reorder or keep pages the blank test left out, and scan more.</source>
        <translation>Zeigt die gescannten Seiten, bevor die Datei geschrieben wird: drehen, löschen, umordnen oder vom Leerseitentest ausgelassene Seiten behalten, und weitere scannen.</translation>
    </message>
</context>
<context>
    <name>quillon::ProgressWindow</name>
    <message>
        <source>1 page</source>
        <translation>1 Seite</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%Ln Seite</numerusform>
            <numerusform>%Ln Seiten</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 blank page left out</source>
        <translation>, 1 leere Seite weggelassen</translation>
    </message>
    <message numerus="yes">
        <source>, %n blank pages left out</source>
        <translation>
            <numerusform>, %Ln leere Seite weggelassen</numerusform>
            <numerusform>, %Ln leere Seiten weggelassen</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Scan progress</source>
        <translation>Fortschritt des Scannens</translation>
    </message>
    <message>
        <source>The last page scanned</source>
        <translation>Die zuletzt gescannte Seite</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
</context>
<context>
    <name>quillon::ReviewWindow</name>
    <message>
        <source>Review Pages</source>
        <translation>Seiten durchsehen</translation>
    </message>
    <message>
        <source>Scanned pages</source>
        <translation>Gescannte Seiten</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Saves a page the blank test left out after all.</source>
        <translation>Speichert eine vom Leerseitentest ausgelassene Seite doch.</translation>
    </message>
    <message>
        <source>Move Earlier</source>
        <translation>Nach vorn</translation>
    </message>
    <message>
        <source>Move Later</source>
        <translation>Nach hinten</translation>
    </message>
    <message>
        <source>Scan More</source>
        <translation>Weiter scannen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>1 page will be saved.</source>
        <translation>1 Seite wird gespeichert.</translation>
    </message>
    <message numerus="yes">
        <source>%n pages will be saved.</source>
        <translation>
            <numerusform>%Ln Seite wird gespeichert.</numerusform>
            <numerusform>%Ln Seiten werden gespeichert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Discard the 1 scanned page?</source>
        <translation>Die 1 gescannte Seite verwerfen?</translation>
    </message>
    <message numerus="yes">
        <source>Discard the %n scanned pages?</source>
        <translation>
            <numerusform>Die %Ln gescannte Seite verwerfen?</numerusform>
            <numerusform>Die %Ln gescannten Seiten verwerfen?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillon::ScanProgress</name>
    <message>
        <source>Stopping the scanner...</source>
        <translation>Scanner wird angehalten …</translation>
    </message>
</context>
<context>
    <name>quillon::TextLanguageChoice</name>
    <message>
        <source>Text Language</source>
        <translation>Textsprache</translation>
    </message>
    <message>
        <source>The languages the text of a Searchable PDF is read in. Check several for pages in more than one.</source>
        <translation>Die Sprachen, in denen der Text eines durchsuchbaren PDF gelesen wird. Kreuzen Sie mehrere an für Seiten in mehr als einer Sprache.</translation>
    </message>
    <message>
        <source>%1 choices</source>
        <comment>a list&apos;s open items, named by its label</comment>
        <translation>Auswahl für %1</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
</context>
</TS>
