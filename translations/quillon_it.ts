<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Desktop entry</name>
    <message>
        <source>Quillon</source>
        <translation>Quillon</translation>
    </message>
    <message>
        <source>Document Scanner</source>
        <translation>Scanner di documenti</translation>
    </message>
    <message>
        <source>Scan paper documents to PDF, TIFF, JPEG or PNG</source>
        <translation>Scansiona documenti cartacei in PDF, TIFF, JPEG o PNG</translation>
    </message>
    <message>
        <source>scan;scanner;document;PDF;TIFF;</source>
        <translation>scansionare;scansione;scanner;documento;alimentatore;PDF;TIFF;</translation>
    </message>
    <message>
        <source>Scan paper documents into one compact file</source>
        <translation>Scansiona documenti cartacei in un unico file compatto</translation>
    </message>
    <message>
        <source>Quillon scans from the document feeder or the flatbed into one PDF or multi-page TIFF, or a single JPEG or PNG image, leaving out blank pages. A searchable PDF carries the text read from its pages, with pages scanned sideways or upside down turned upright.</source>
        <translation>Quillon scansiona dall&apos;alimentatore di documenti o dal piano di scansione in un unico PDF o TIFF multipagina, oppure in una singola immagine JPEG o PNG, tralasciando le pagine bianche. Un PDF ricercabile contiene il testo letto dalle sue pagine, e le pagine scansionate di lato o capovolte vengono orientate correttamente.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number.</source>
        <translation>Overflow: «%1» è un numero troppo grande.</translation>
    </message>
    <message>
        <source>Quillon Error Message</source>
        <translation>Messaggio di errore di Quillon</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number.</source>
        <translation>Tipo non corrispondente: «%1» non è un numero.</translation>
    </message>
    <message>
        <source>ERROR: #%1 %2</source>
        <comment>a failure&apos;s number and its description</comment>
        <translation>ERRORE: #%1 %2</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Memoria esaurita.</translation>
    </message>
    <message>
        <source>Unknown failure.</source>
        <translation>Errore sconosciuto.</translation>
    </message>
</context>
<context>
    <name>ImageFileSource</name>
    <message>
        <source>Image files</source>
        <translation>File di immagine</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 non è stato trovato.</translation>
    </message>
    <message>
        <source>%1 holds no JPEG, PNG or TIFF image.</source>
        <translation>%1 non contiene immagini JPEG, PNG o TIFF.</translation>
    </message>
    <message>
        <source>%1 is not a JPEG, PNG or TIFF image.</source>
        <translation>%1 non è un&apos;immagine JPEG, PNG o TIFF.</translation>
    </message>
    <message>
        <source>No image file was given.</source>
        <translation>Non è stato indicato alcun file di immagine.</translation>
    </message>
    <message>
        <source>Page %1 of %2 could not be read.</source>
        <translation>Non è stato possibile leggere la pagina %1 di %2.</translation>
    </message>
</context>
<context>
    <name>Imaging</name>
    <message>
        <source>A JPEG or PNG file holds one page only.</source>
        <translation>Un file JPEG o PNG contiene una sola pagina.</translation>
    </message>
    <message>
        <source>The image could not be encoded: </source>
        <translation>Impossibile codificare l&apos;immagine: </translation>
    </message>
    <message>
        <source>The image file has no page.</source>
        <translation>Il file immagine non ha alcuna pagina.</translation>
    </message>
    <message>
        <source>An empty page cannot be written.</source>
        <translation>Impossibile scrivere una pagina vuota.</translation>
    </message>
    <message>
        <source>A page could not be compressed: </source>
        <translation>Impossibile comprimere una pagina: </translation>
    </message>
    <message>
        <source>A page could not be compressed as JPEG.</source>
        <translation>Impossibile comprimere una pagina in JPEG.</translation>
    </message>
    <message>
        <source>Reading the text of page %1 of %2</source>
        <translation>Lettura del testo della pagina %L1 di %L2</translation>
    </message>
    <message>
        <source>The page was saved without searchable text.</source>
        <translation>La pagina è stata salvata senza testo ricercabile.</translation>
    </message>
    <message>
        <source>%1 of %2 pages were saved without searchable text.</source>
        <translation>Salvate senza testo ricercabile: %L1 pagine su %L2.</translation>
    </message>
    <message>
        <source>There is not enough memory for a page this large: a lower resolution, or grey or black and white, needs less.</source>
        <translation>La memoria non basta per una pagina così grande: una risoluzione più bassa, o la scala di grigi o il bianco e nero, ne richiedono meno.</translation>
    </message>
    <message>
        <source>No document is open.</source>
        <translation>Nessun documento aperto.</translation>
    </message>
    <message>
        <source>The PDF file is already complete.</source>
        <translation>Il file PDF è già completo.</translation>
    </message>
    <message>
        <source>The PDF file has no page.</source>
        <translation>Il file PDF non ha alcuna pagina.</translation>
    </message>
    <message>
        <source>The PDF file has no page %1.</source>
        <translation>Il file PDF non ha una pagina %L1.</translation>
    </message>
    <message>
        <source>%1 is a link to a file that cannot be reached: %2.</source>
        <translation>%1 è un collegamento a un file non raggiungibile: %2.</translation>
    </message>
    <message>
        <source>%1 is a device, a pipe or a socket, not a file.</source>
        <translation>%1 è un dispositivo, una pipe o un socket, non un file.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 è una cartella, non un file.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 è un file, non una cartella.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La cartella %1 non esiste.</translation>
    </message>
    <message>
        <source>Cannot write in %1: %2.</source>
        <translation>Impossibile scrivere in %1: %2.</translation>
    </message>
    <message>
        <source>No file is open.</source>
        <translation>Nessun file aperto.</translation>
    </message>
    <message>
        <source>Cannot save %1: %2.</source>
        <translation>Impossibile salvare %1: %2.</translation>
    </message>
    <message>
        <source>%1 was given up: nothing was saved.</source>
        <translation>%1 è stato abbandonato: non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>Quillon separator sheet</source>
        <translation>Foglio separatore di Quillon</translation>
    </message>
    <message>
        <source>Put this sheet between two documents in the feeder.
Print it at full size (100 %).</source>
        <translation>Inserire questo foglio tra due documenti nell&apos;alimentatore.
Stamparlo a grandezza naturale (100 %).</translation>
    </message>
    <message>
        <source>The text-recognition engine could not be loaded (%1).</source>
        <translation>Impossibile caricare il motore di riconoscimento del testo (%1).</translation>
    </message>
    <message>
        <source>The text-recognition engine %1 is not one this program can use.</source>
        <translation>Il motore di riconoscimento del testo %1 non è utilizzabile da questo programma.</translation>
    </message>
    <message>
        <source>The text-recognition languages &quot;%1&quot; could not be loaded.</source>
        <translation>Impossibile caricare le lingue di riconoscimento del testo «%1».</translation>
    </message>
    <message>
        <source>The text of a page could not be recognised.</source>
        <translation>Impossibile riconoscere il testo di una pagina.</translation>
    </message>
    <message>
        <source>%1 needs the language data for %2, which is not installed. Install the package %3, or choose other languages. (Looked in %4.)</source>
        <translation>%1 richiede i dati della lingua %2, che non sono installati. Installare il pacchetto %3 o scegliere altre lingue. (Cercati in %4.)</translation>
    </message>
    <message>
        <source>no folder</source>
        <translation>nessuna cartella</translation>
    </message>
    <message>
        <source>Reading the pages&apos; text</source>
        <translation>La lettura del testo delle pagine</translation>
    </message>
    <message>
        <source>The text-recognition languages &quot;%1&quot; are not a list of language codes. Write codes joined by &quot;+&quot;, for example &quot;deu+eng&quot;.</source>
        <translation>Le lingue di riconoscimento del testo «%1» non sono un elenco di codici di lingua. Scrivere i codici uniti da «+», per esempio «deu+eng».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no language that text recognition knows. Choose language codes such as &quot;eng&quot; or &quot;deu+eng&quot;.</source>
        <translation>«%1» non è una lingua nota al riconoscimento del testo. Scegliere codici di lingua come «eng» o «deu+eng».</translation>
    </message>
    <message>
        <source>Turning pages upright needs the data for finding which way up a page is, which is not installed. Install the package tesseract-ocr-osd. (Looked in %1.)</source>
        <translation>Per orientare correttamente le pagine servono i dati che rilevano in che verso è girata una pagina, che non sono installati. Installare il pacchetto tesseract-ocr-osd. (Cercati in %1.)</translation>
    </message>
    <message>
        <source>The TIFF file&apos;s header could not be read.</source>
        <translation>Impossibile leggere l&apos;intestazione del file TIFF.</translation>
    </message>
    <message>
        <source>The TIFF file&apos;s page %1 could not be read.</source>
        <translation>Impossibile leggere la pagina %L1 del file TIFF.</translation>
    </message>
    <message>
        <source>The TIFF file could not be read.</source>
        <translation>Impossibile leggere il file TIFF.</translation>
    </message>
    <message>
        <source>A TIFF file needs at least one page.</source>
        <translation>Un file TIFF richiede almeno una pagina.</translation>
    </message>
    <message>
        <source>The TIFF file has no page %1.</source>
        <translation>Il file TIFF non ha una pagina %L1.</translation>
    </message>
    <message>
        <source>The TIFF file&apos;s pages could not be put in order.</source>
        <translation>Impossibile ordinare le pagine del file TIFF.</translation>
    </message>
    <message>
        <source>The TIFF file could not be started: </source>
        <translation>Impossibile creare il file TIFF: </translation>
    </message>
    <message>
        <source>The TIFF file is already complete.</source>
        <translation>Il file TIFF è già completo.</translation>
    </message>
    <message>
        <source>The TIFF file has no page.</source>
        <translation>Il file TIFF non ha alcuna pagina.</translation>
    </message>
    <message>
        <source>The pages could not be held for review: </source>
        <translation>Non è stato possibile conservare le pagine per la revisione: </translation>
    </message>
    <message>
        <source>A page held for review could not be read back.</source>
        <translation>Non è stato possibile rileggere una pagina conservata per la revisione.</translation>
    </message>
</context>
<context>
    <name>OutputFileChooser</name>
    <message>
        <source>PDF document</source>
        <translation>Documento PDF</translation>
    </message>
    <message>
        <source>TIFF image</source>
        <translation>Immagine TIFF</translation>
    </message>
    <message>
        <source>JPEG image</source>
        <translation>Immagine JPEG</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>Immagine PNG</translation>
    </message>
    <message>
        <source>%1 file</source>
        <comment>a file format&apos;s name</comment>
        <translation>File %1</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salva file</translation>
    </message>
    <message>
        <source>ERROR: Invalid File Selection. Please try again.</source>
        <translation>ERRORE: selezione del file non valida. Riprovare.</translation>
    </message>
    <message>
        <source>Quillon Error</source>
        <translation>Errore di Quillon</translation>
    </message>
    <message>
        <source>Please choose another file.</source>
        <translation>Scegliere un altro file.</translation>
    </message>
    <message>
        <source>%1 is one of the system&apos;s own folders, where no file can be saved.</source>
        <translation>%1 è una delle cartelle proprie del sistema, in cui non si può salvare alcun file.</translation>
    </message>
    <message>
        <source>%1 is too long a name for its folder.</source>
        <translation>%1 è un nome troppo lungo per la sua cartella.</translation>
    </message>
    <message>
        <source>%1 is a link to a file that does not exist.</source>
        <translation>%1 è un collegamento a un file che non esiste.</translation>
    </message>
    <message>
        <source>%1 is a device, a pipe or a socket, not a file.</source>
        <translation>%1 è un dispositivo, una pipe o un socket, non un file.</translation>
    </message>
    <message>
        <source>%1 is write-protected.</source>
        <translation>%1 è protetto da scrittura.</translation>
    </message>
    <message>
        <source>%1 belongs to another user, in a folder where only its owner may replace it.</source>
        <translation>%1 appartiene a un altro utente, in una cartella dove solo il suo proprietario può sostituirlo.</translation>
    </message>
</context>
<context>
    <name>PageReview</name>
    <message>
        <source>Page %1</source>
        <translation>Pagina %1</translation>
    </message>
    <message>
        <source>%1, separator sheet</source>
        <translation>%1, foglio separatore</translation>
    </message>
    <message>
        <source>%1, left out: blank</source>
        <translation>%1, esclusa: vuota</translation>
    </message>
</context>
<context>
    <name>PendingChangesRetry</name>
    <message>
        <source>Your last changes to the options could not be stored: %1.</source>
        <translation>Impossibile memorizzare le ultime modifiche alle opzioni: %1.</translation>
    </message>
    <message>
        <source>Your change is not stored yet: %1. It is kept, and stored as soon as it can be.</source>
        <translation>La modifica non è ancora memorizzata: %1. Viene conservata e memorizzata appena possibile.</translation>
    </message>
    <message>
        <source>Your changes are stored now.</source>
        <translation>Le modifiche sono ora memorizzate.</translation>
    </message>
    <message>
        <source>another program holds the settings file %1</source>
        <translation>un altro programma blocca il file delle impostazioni %1</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 appartiene a un altro utente</translation>
    </message>
    <message>
        <source>the settings file could not be written</source>
        <translation>impossibile scrivere il file delle impostazioni</translation>
    </message>
    <message>
        <source>the settings file %1 could not be written</source>
        <translation>impossibile scrivere il file delle impostazioni %1</translation>
    </message>
</context>
<context>
    <name>QuillonScan</name>
    <message>
        <source>%1 or %2</source>
        <comment>the last of a list of choices</comment>
        <translation>%1 o %2</translation>
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
        <translation>Uso: quillon-scan [OPZIONI] DESTINAZIONE
Scansiona in DESTINAZIONE (%1) con le opzioni
memorizzate da Quillon, modificate solo per questa esecuzione dalle opzioni indicate. Le
opzioni memorizzate non vengono mai modificate.

  -d, --device NOME         il dispositivo SANE da usare, come lo chiama SANE; il solo nome di un
                            backend («test») apre il suo primo dispositivo (predefinito: l&apos;ultimo
                            scanner scelto)
  -L, --list-devices        elenca gli scanner, uno per riga: nome SANE, poi produttore e modello
      --source auto|feeder|flatbed
                            auto: l&apos;alimentatore, oppure il piano di scansione quando è vuoto
      --duplex, --no-duplex fronte-retro, oppure solo il fronte
      --duplex manual       fronte-retro con un alimentatore che scansiona un solo lato: i fronti,
                            poi la pila girata per i retro; le pagine vengono intercalate
      --mode bw|grey|colour bianco e nero, scala di grigi (anche gray) o colore (anche color)
      --dpi N               %2
      --paper %3
      --quality 0..%4|compact  0 file più piccolo, %5 il predefinito, %4 il migliore; compact: le
                            pagine di testo di un PDF come testo nitido su una piccola immagine
                            del foglio, molte volte più piccole (gli altri formati come con il
                            predefinito)
      --blank-threshold X   le pagine con meno inchiostro di X (da 0.001 a 0.05) vengono
                            tralasciate; 0 le mantiene tutte
      --contrast, --no-contrast, --crop, --no-crop, --deskew, --no-deskew
      --single, --multiple  una sola immagine, come con «Consenti più pagine» non selezionato,
                            oppure molte pagine in un file, come con la casella selezionata
      --split, --no-split   un file per documento, ai fogli separatori (Patch T, o il foglio
                            creato da --print-separator): DESTINAZIONE, poi DESTINAZIONE-2,
                            DESTINAZIONE-3, …
      --print-separator FILE.pdf  scrive un foglio separatore da stampare (una pagina
                            Letter e una A4)
      --searchable          un PDF ricercabile: il testo delle pagine sotto l&apos;immagine, le
                            pagine orientate correttamente; letto nelle lingue scelte in Quillon,
                            altrimenti nella propria
      --languages CODICI    con --searchable: legge in queste lingue, unite da + (deu+eng)
      --timeout SECONDI     per quanto tempo lo scanner può non inviare nulla prima che la
                            scansione termini (60)
  -q, --quiet               nessun avanzamento e nessun messaggio in caso di successo
      --help, --version

Le domande vengono poste nel terminale. Senza terminale, a «Scansionare un&apos;altra pagina?» si
risponde No, e con l&apos;alimentatore vuoto si passa al piano di scansione (--source auto) o la
scansione termina (--source feeder).

Stato di uscita: 0 il file è stato scritto; 1 un errore di utilizzo, oppure non è stato possibile
leggere le opzioni memorizzate; 2 nessuno scanner, oppure non è stato possibile aprirlo;
3 la scansione non è riuscita e non è stato scritto nulla (un file precedente viene mantenuto);
4 alcune pagine sono state salvate, poi la scansione non è riuscita; 128+N terminato dal segnale N
(130 dopo Ctrl+C), nessun file parziale rimasto.
</translation>
    </message>
    <message>
        <source>--print-separator writes a .pdf file.</source>
        <translation>--print-separator scrive un file .pdf.</translation>
    </message>
    <message>
        <source>Give one OUTPUT file.</source>
        <translation>Indicare un solo file DESTINAZIONE.</translation>
    </message>
    <message>
        <source>%1 names no format Quillon writes: use %2.</source>
        <translation>%1 non indica alcun formato che Quillon scrive: usare %2.</translation>
    </message>
    <message>
        <source>--searchable needs a .pdf OUTPUT.</source>
        <translation>--searchable richiede una DESTINAZIONE .pdf.</translation>
    </message>
    <message>
        <source>--languages is for --searchable.</source>
        <translation>--languages vale solo con --searchable.</translation>
    </message>
    <message>
        <source>--languages takes codes joined by +, such as deu+eng.</source>
        <translation>--languages accetta codici uniti da +, come deu+eng.</translation>
    </message>
    <message>
        <source>An option and its --no- form cannot both be given.</source>
        <translation>Non è possibile indicare insieme un&apos;opzione e la sua forma --no-.</translation>
    </message>
    <message>
        <source>Give one of --duplex, --duplex manual and --no-duplex.</source>
        <translation>Indicare solo una tra --duplex, --duplex manual e --no-duplex.</translation>
    </message>
    <message>
        <source>Give one of --single and --multiple.</source>
        <translation>Indicare solo una tra --single e --multiple.</translation>
    </message>
    <message>
        <source>--source takes auto, feeder or flatbed.</source>
        <translation>--source accetta auto, feeder o flatbed.</translation>
    </message>
    <message>
        <source>--mode takes bw, grey or colour.</source>
        <translation>--mode accetta bw, grey o colour.</translation>
    </message>
    <message>
        <source>--dpi takes one of %1.</source>
        <translation>--dpi accetta uno di questi valori: %1.</translation>
    </message>
    <message>
        <source>--paper takes %1.</source>
        <translation>--paper accetta %1.</translation>
    </message>
    <message>
        <source>--quality takes 0 to %1, or compact.</source>
        <translation>--quality accetta da 0 a %1, o compact.</translation>
    </message>
    <message>
        <source>--timeout takes a number of seconds, 1 or more.</source>
        <translation>--timeout accetta un numero di secondi, 1 o più.</translation>
    </message>
    <message>
        <source>--blank-threshold takes 0, or 0.001 to 0.05 in steps of 0.001.</source>
        <translation>--blank-threshold accetta 0, oppure da 0.001 a 0.05 a passi di 0.001.</translation>
    </message>
    <message>
        <source>No scanner was found.</source>
        <translation>Non è stato trovato alcuno scanner.</translation>
    </message>
    <message>
        <source>The separator sheet could not be written: %1</source>
        <translation>Impossibile scrivere il foglio separatore: %1</translation>
    </message>
    <message>
        <source>A separator sheet to print at full size (a Letter page and an A4 page): %1</source>
        <translation>Un foglio separatore da stampare a grandezza naturale (una pagina Letter e una A4): %1</translation>
    </message>
    <message>
        <source>quillon-scan --help tells how to use it.</source>
        <translation>quillon-scan --help spiega come usarlo.</translation>
    </message>
    <message>
        <source>The stored options could not be read: %1 belongs to another user. Nothing was scanned.</source>
        <translation>Impossibile leggere le opzioni memorizzate: %1 appartiene a un altro utente. Non è stato scansionato nulla.</translation>
    </message>
    <message>
        <source>The stored options could not be read (%1 is held by another program, or is a link to something that is not Quillon&apos;s settings): nothing was scanned.</source>
        <translation>Impossibile leggere le opzioni memorizzate (%1 è bloccato da un altro programma, o è un collegamento a qualcosa che non sono le impostazioni di Quillon): non è stato scansionato nulla.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annullato.</translation>
    </message>
    <message>
        <source>No scanner is named %1. quillon-scan --list-devices lists them.</source>
        <translation>Nessuno scanner si chiama %1. quillon-scan --list-devices li elenca.</translation>
    </message>
    <message>
        <source>The scanner used last, %1, could not be opened. quillon-scan --list-devices lists the scanners; -d NAME chooses one.</source>
        <translation>Impossibile aprire l&apos;ultimo scanner usato, %1. quillon-scan --list-devices elenca gli scanner; -d NOME ne sceglie uno.</translation>
    </message>
    <message>
        <source>Without a terminal, no one could be asked to turn the stack over for the back sides.</source>
        <translation>Senza un terminale non è stato possibile chiedere a nessuno di girare la pila per i retro.</translation>
    </message>
    <message>
        <source>y</source>
        <comment>the key that answers Yes</comment>
        <translation>s</translation>
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
        <translation>[s/n/a]</translation>
    </message>
    <message>
        <source>[y/n]</source>
        <comment>the keys that answer Yes and No</comment>
        <translation>[s/n]</translation>
    </message>
    <message>
        <source>Load the documents into the feeder. Retry? [y] yes, [n] use the flatbed, [c] cancel</source>
        <translation>Inserire i documenti nell&apos;alimentatore. Riprovare? [s] sì, [n] usare il piano di scansione, [a] annullare</translation>
    </message>
    <message>
        <source>Put the next page on the flatbed. Scan it? [y] yes, [n] no, save the file</source>
        <translation>Appoggiare la pagina successiva sul piano di scansione. Scansionarla? [s] sì, [n] no, salvare il file</translation>
    </message>
    <message>
        <source>Turn the stack over, without changing its order, and load it into the feeder again. Scan the back sides? [y] yes, [n] keep the front sides only</source>
        <translation>Girare la pila senza cambiarne l&apos;ordine e reinserirla nell&apos;alimentatore. Scansionare i retro? [s] sì, [n] mantenere solo i fronti</translation>
    </message>
    <message>
        <source>Save every page, the unmatched ones at the end? [y] yes, [n] keep the front sides only</source>
        <translation>Salvare tutte le pagine, quelle senza corrispondenza alla fine? [s] sì, [n] mantenere solo i fronti</translation>
    </message>
    <message>
        <source>Scanning page %1: %2 %</source>
        <translation>Scansione della pagina %1: %2 %</translation>
    </message>
    <message>
        <source>%1 (no terminal to ask)</source>
        <comment>the answer given</comment>
        <translation>%1 (nessun terminale per chiedere)</translation>
    </message>
    <message>
        <source>%1 (document %2)</source>
        <translation>%L1 (documento %L2)</translation>
    </message>
    <message>
        <source>Scanning page %1</source>
        <translation>Scansione della pagina %1</translation>
    </message>
    <message>
        <source>
Image files in place of a scanner:
      --from PATH           JPEG, PNG and TIFF files (every page of a TIFF), or a folder&apos;s images
                            in the order of their names, as the pages of a feeder; give it again
                            for more. The stored options apply as to a scan.
</source>
        <translation>
File di immagine al posto di uno scanner:
      --from PERCORSO       file JPEG, PNG e TIFF (ogni pagina di un TIFF), o le immagini di una cartella
                            nell&apos;ordine dei loro nomi, come le pagine di un alimentatore; ripeterlo
                            per aggiungerne altri. Le opzioni memorizzate valgono come per una scansione.
</translation>
    </message>
    <message>
        <source>Give one of --from and --device.</source>
        <translation>Indicare solo uno tra --from e --device.</translation>
    </message>
    <message>
        <source>--from takes each image as a page of its own: --duplex is for a scanner.</source>
        <translation>--from prende ogni immagine come una pagina a sé: --duplex è per uno scanner.</translation>
    </message>
    <message>
        <source>--from takes the images as a feeder&apos;s pages: --source flatbed is for a scanner.</source>
        <translation>--from prende le immagini come pagine di un alimentatore: --source flatbed è per uno scanner.</translation>
    </message>
    <message>
        <source>%1 holds one image, and %2 were given: write them to a .pdf or .tiff file.</source>
        <translation>%1 contiene una sola immagine e ne sono state indicate %2: scriverle in un file .pdf o .tiff.</translation>
    </message>
</context>
<context>
    <name>RunScan</name>
    <message>
        <source>User Canceled Scan</source>
        <translation>Scansione annullata dall&apos;utente</translation>
    </message>
    <message>
        <source>ERROR: Invalid DPI Selected. (%1) Please select a correct option.</source>
        <translation>ERRORE: risoluzione (DPI) selezionata non valida. (%1) Selezionare un&apos;opzione corretta.</translation>
    </message>
    <message>
        <source>ERROR: Invalid Scan Color Option Selected. (%1) Please select a correct option.</source>
        <translation>ERRORE: opzione colore selezionata non valida. (%1) Selezionare un&apos;opzione corretta.</translation>
    </message>
    <message>
        <source>ERROR: Invalid Duplex Option Selected. (%1) Please select a correct option.</source>
        <translation>ERRORE: opzione fronte-retro selezionata non valida. (%1) Selezionare un&apos;opzione corretta.</translation>
    </message>
    <message>
        <source>ERROR: Invalid PageRejectionCoverage Selected. (%1) Please select a correct option.</source>
        <translation>ERRORE: soglia pagina bianca (PageRejectionCoverage) selezionata non valida. (%1) Selezionare un&apos;opzione corretta.</translation>
    </message>
    <message>
        <source>ERROR: Searchable PDF cannot be made.</source>
        <translation>ERRORE: impossibile creare il PDF ricercabile.</translation>
    </message>
    <message>
        <source>You have selected a WIA scanner, but did not check the WIA option. This may lead to unexpected problems.</source>
        <translation>È stato selezionato uno scanner WIA, ma l&apos;opzione WIA non è spuntata. Ciò può causare problemi imprevisti.</translation>
    </message>
    <message>
        <source>Quillon Warning</source>
        <translation>Avviso di Quillon</translation>
    </message>
    <message>
        <source>Please load the documents into the Auto-Document Feeder.</source>
        <translation>Inserire i documenti nell&apos;alimentatore automatico di documenti.</translation>
    </message>
    <message>
        <source>Click YES to retry or</source>
        <translation>Fare clic su SÌ per riprovare o</translation>
    </message>
    <message>
        <source>Click NO to use the flatbed or other scan head (if equipped).</source>
        <translation>su NO per usare il piano di scansione o un&apos;altra testina di scansione (se presente).</translation>
    </message>
    <message>
        <source>Scan Another Page?</source>
        <translation>Scansionare un&apos;altra pagina?</translation>
    </message>
    <message>
        <source>Quillon Question</source>
        <translation>Domanda di Quillon</translation>
    </message>
    <message>
        <source>%1 front sides but %2 back sides were scanned.</source>
        <translation>Sono stati scansionati %L1 fronti ma %L2 retro.</translation>
    </message>
    <message>
        <source>Click YES to save every page, the unmatched ones at the end, or NO to keep the front sides only.</source>
        <translation>Fare clic su SÌ per salvare tutte le pagine, quelle senza corrispondenza alla fine, o su NO per mantenere solo i fronti.</translation>
    </message>
    <message>
        <source>1 back side belongs to no front side; it goes at the end.</source>
        <translation>1 retro non corrisponde ad alcun fronte; va alla fine.</translation>
    </message>
    <message numerus="yes">
        <source>%n back sides belong to no front side; they go at the end.</source>
        <translation>
            <numerusform>%Ln retro non corrisponde ad alcun fronte; va alla fine.</numerusform>
            <numerusform>%Ln retro non corrispondono ad alcun fronte; vanno alla fine.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sheet 1 has no back side.</source>
        <translation>Il foglio 1 non ha un retro.</translation>
    </message>
    <message>
        <source>Sheets %1 and %2 have no back side.</source>
        <translation>I fogli %1 e %2 non hanno un retro.</translation>
    </message>
    <message>
        <source>The scan stopped at back side %1 of %2 (the back of sheet %3).</source>
        <translation>La scansione si è fermata al retro %L1 di %L2 (il retro del foglio %L3).</translation>
    </message>
    <message>
        <source>Documents saved before:</source>
        <translation>Documenti salvati in precedenza:</translation>
    </message>
    <message>
        <source>TWAIN Error #%1 %2</source>
        <comment>the library&apos;s error number and its text</comment>
        <translation>Errore TWAIN #%1 %2</translation>
    </message>
    <message>
        <source>Could not locate file: %1</source>
        <translation>Impossibile trovare il file: %1</translation>
    </message>
    <message>
        <source>Nothing was saved to: %1</source>
        <translation>Non è stato salvato nulla in: %1</translation>
    </message>
    <message>
        <source>The file that was already there has not been changed.</source>
        <translation>Il file che era già presente non è stato modificato.</translation>
    </message>
    <message>
        <source>The back sides did not match them and were left out.</source>
        <translation>I retro non corrispondevano ai fronti e sono stati tralasciati.</translation>
    </message>
    <message>
        <source>The stack was not turned over for the back sides.</source>
        <translation>La pila non è stata girata per i retro.</translation>
    </message>
    <message>
        <source>Only the front sides were saved to:</source>
        <translation>Sono stati salvati solo i fronti in:</translation>
    </message>
    <message>
        <source>Scanned Successfully to:</source>
        <translation>Scansione riuscita in:</translation>
    </message>
    <message>
        <source>Quillon Successful</source>
        <translation>Quillon – Operazione riuscita</translation>
    </message>
    <message>
        <source>1 page was saved to:</source>
        <translation>1 pagina è stata salvata in:</translation>
    </message>
    <message numerus="yes">
        <source>%n pages were saved to:</source>
        <translation>
            <numerusform>%Ln pagina è stata salvata in:</numerusform>
            <numerusform>%Ln pagine sono state salvate in:</numerusform>
        </translation>
    </message>
    <message>
        <source>The file already at %1 was kept as it was.</source>
        <translation>Il file già presente in %1 è stato mantenuto com&apos;era.</translation>
    </message>
    <message>
        <source>ERROR: An error occurred while scanning.</source>
        <translation>ERRORE: si è verificato un errore durante la scansione.</translation>
    </message>
    <message>
        <source>Quillon Scanning Error</source>
        <translation>Errore di scansione di Quillon</translation>
    </message>
    <message>
        <source>Quillon Information</source>
        <translation>Informazioni di Quillon</translation>
    </message>
    <message>
        <source>Canceled Scan</source>
        <translation>Scansione annullata</translation>
    </message>
    <message>
        <source>Warning: An attempt was made to enable duplex scanning, however your scanner either does not support it, or does not behave according to the TWAIN specifications.</source>
        <translation>Avviso: si è tentato di attivare la scansione fronte-retro, ma lo scanner non la supporta o non si comporta secondo le specifiche TWAIN.</translation>
    </message>
    <message>
        <source>%1 (1 page)</source>
        <comment>a file and its pages</comment>
        <translation>%1 (1 pagina)</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n pages)</source>
        <comment>a file and its pages</comment>
        <translation>
            <numerusform>%1 (%Ln pagina)</numerusform>
            <numerusform>%1 (%Ln pagine)</numerusform>
        </translation>
    </message>
    <message>
        <source>Turn the stack over, without changing its order, and load it into the feeder again. Click YES to scan the back sides or NO to keep the front sides only.</source>
        <translation>Girare la pila senza cambiarne l&apos;ordine e reinserirla nell&apos;alimentatore. Fare clic su SÌ per scansionare i retro o su NO per mantenere solo i fronti.</translation>
    </message>
</context>
<context>
    <name>SaneLibrary</name>
    <message>
        <source>The scanner has sent nothing for %1 s. The scan ends by itself after %2 s; Cancel ends it now.</source>
        <translation>Lo scanner non invia nulla da %L1 s. La scansione termina da sola dopo %L2 s; Annulla la termina subito.</translation>
    </message>
    <message>
        <source>Looking for scanners...</source>
        <translation>Ricerca degli scanner…</translation>
    </message>
    <message>
        <source>Waiting for the scanner to be let go...</source>
        <translation>In attesa che lo scanner venga rilasciato…</translation>
    </message>
    <message>
        <source>Opening the scanner...</source>
        <translation>Apertura dello scanner…</translation>
    </message>
    <message>
        <source>Saving the document...</source>
        <translation>Salvataggio del documento…</translation>
    </message>
    <message>
        <source>Waiting for page %1...</source>
        <translation>In attesa della pagina %L1…</translation>
    </message>
</context>
<context>
    <name>ScannerErrors</name>
    <message>
        <source>The scan was cancelled.</source>
        <translation>La scansione è stata annullata.</translation>
    </message>
    <message>
        <source>The document feeder is empty.</source>
        <translation>L&apos;alimentatore di documenti è vuoto.</translation>
    </message>
    <message>
        <source>The document feeder is jammed.</source>
        <translation>L&apos;alimentatore di documenti è inceppato.</translation>
    </message>
    <message>
        <source>The scanner cover is open.</source>
        <translation>Il coperchio dello scanner è aperto.</translation>
    </message>
    <message>
        <source>The scanner stopped answering. Check its cable and power.</source>
        <translation>Lo scanner ha smesso di rispondere. Controllare il cavo e l&apos;alimentazione.</translation>
    </message>
    <message>
        <source>The scanner is busy.</source>
        <translation>Lo scanner è occupato.</translation>
    </message>
    <message>
        <source>There is not enough memory for a page this large: a lower resolution, or grey or black and white, needs less.</source>
        <translation>La memoria non basta per una pagina così grande: una risoluzione più bassa, o la scala di grigi o il bianco e nero, ne richiedono meno.</translation>
    </message>
    <message>
        <source>You are not allowed to use this scanner.</source>
        <translation>Non si dispone dei permessi per usare questo scanner.</translation>
    </message>
    <message>
        <source>The scanner could not be found. It may have been unplugged.</source>
        <translation>Impossibile trovare lo scanner. Potrebbe essere stato scollegato.</translation>
    </message>
    <message>
        <source>The scanner does not support this operation.</source>
        <translation>Lo scanner non supporta questa operazione.</translation>
    </message>
    <message>
        <source>The scanner refused a setting.</source>
        <translation>Lo scanner ha rifiutato un&apos;impostazione.</translation>
    </message>
    <message>
        <source>No scanner is open.</source>
        <translation>Nessuno scanner aperto.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Impossibile scrivere il file.</translation>
    </message>
    <message>
        <source>This file type cannot be written.</source>
        <translation>Impossibile scrivere questo tipo di file.</translation>
    </message>
    <message>
        <source>No page was scanned, so no file was written.</source>
        <translation>Non è stata scansionata alcuna pagina, quindi non è stato scritto alcun file.</translation>
    </message>
    <message>
        <source>The scanner sent an incomplete page.</source>
        <translation>Lo scanner ha inviato una pagina incompleta.</translation>
    </message>
    <message>
        <source>The scanner lamp is still warming up. Try again in a moment.</source>
        <translation>La lampada dello scanner si sta ancora scaldando. Riprovare tra un momento.</translation>
    </message>
    <message>
        <source>The scanner is locked for transport. Unlock it and try again.</source>
        <translation>Lo scanner è bloccato per il trasporto. Sbloccarlo e riprovare.</translation>
    </message>
    <message>
        <source>The scanner stopped answering.</source>
        <translation>Lo scanner ha smesso di rispondere.</translation>
    </message>
    <message>
        <source>The system refused:</source>
        <translation>Il sistema ha rifiutato:</translation>
    </message>
    <message>
        <source>The scanner sent a page that could not be read: its image was damaged, or the connection broke off.</source>
        <translation>Lo scanner ha inviato una pagina illeggibile: l&apos;immagine era danneggiata o la connessione si è interrotta.</translation>
    </message>
    <message>
        <source>The scanner library failed unexpectedly.</source>
        <translation>La libreria dello scanner ha avuto un errore imprevisto.</translation>
    </message>
    <message>
        <source>An image file could not be used:</source>
        <translation>Non è stato possibile usare un file di immagine:</translation>
    </message>
</context>
<context>
    <name>SelectScanner</name>
    <message>
        <source>Select Scanner</source>
        <translation>Seleziona scanner</translation>
    </message>
    <message>
        <source>No scanner was found. Check that it is connected and switched on, then press SCAN again.</source>
        <translation>Non è stato trovato alcuno scanner. Verificare che sia collegato e acceso, poi premere di nuovo SCANSIONA.</translation>
    </message>
    <message>
        <source>Scan with:</source>
        <translation>Scansiona con:</translation>
    </message>
    <message>
        <source>Scanners</source>
        <translation>Scanner</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Seleziona</translation>
    </message>
    <message>
        <source>Scanning page %1...</source>
        <translation>Scansione della pagina %L1…</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Searchable PDF</source>
        <translation>PDF ricercabile</translation>
    </message>
    <message>
        <source>Poor - Smallest Size</source>
        <translation>Minima – file più piccolo</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Bassa</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Good - Default</source>
        <translation>Buona – predefinita</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Highest - Largest Size</source>
        <translation>Massima – file più grande</translation>
    </message>
    <message>
        <source>Compact - Text Pages</source>
        <translation>Compatta – pagine di testo</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
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
        <translation>Bianco e nero</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Scala di grigi</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Front Only</source>
        <translation>Solo fronte</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Fronte-retro</translation>
    </message>
    <message>
        <source>Manual Duplex (turn the stack)</source>
        <translation>Fronte-retro manuale (girare la pila)</translation>
    </message>
    <message>
        <source>The settings file %1 is a link to something that is not Quillon&apos;s settings; it is left as it is, and the options are not stored.</source>
        <translation>Il file delle impostazioni %1 è un collegamento a qualcosa che non sono le impostazioni di Quillon; viene lasciato com&apos;è, e le opzioni non vengono memorizzate.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be used as Quillon&apos;s; it was kept as %2, and a fresh one was started.</source>
        <translation>Il file delle impostazioni %1 non era utilizzabile come quello di Quillon; è stato conservato come %2, e ne è stato creato uno nuovo.</translation>
    </message>
    <message>
        <source>checked</source>
        <translation>selezionato</translation>
    </message>
    <message>
        <source>unchecked</source>
        <translation>non selezionato</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes long</source>
        <translation>
            <numerusform>lungo %Ln byte</numerusform>
            <numerusform>lungo %Ln byte</numerusform>
        </translation>
    </message>
    <message>
        <source>The stored value of %1, %2, cannot be used; its default (%3) is used instead.</source>
        <translation>Il valore memorizzato di %1, %2, non è utilizzabile; viene usato invece il suo predefinito (%3).</translation>
    </message>
</context>
<context>
    <name>quillon</name>
    <message>
        <source>Scans paper documents into one PDF, TIFF, JPEG or PNG file.</source>
        <translation>Scansiona documenti cartacei in un unico file PDF, TIFF, JPEG o PNG.</translation>
    </message>
</context>
<context>
    <name>quillon::Main</name>
    <message>
        <source>%1 choices</source>
        <comment>a list&apos;s open items, named by its label</comment>
        <translation>Scelte per %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>The stored options could not be read (another program holds them, or the settings file is a link to something else); the defaults are shown, and the stored options are kept as they are.</source>
        <translation>Impossibile leggere le opzioni memorizzate (un altro programma le blocca, o il file delle impostazioni è un collegamento a qualcos&apos;altro); vengono mostrati i valori predefiniti, e le opzioni memorizzate restano come sono.</translation>
    </message>
    <message>
        <source>SCAN</source>
        <translation>SCANSIONA</translation>
    </message>
    <message>
        <source>Try ADF First</source>
        <translation>Prima l&apos;alimentatore</translation>
    </message>
    <message>
        <source>Will try to feed from the ADF (if available) first, otherwise it will then try the flatbed.</source>
        <translation>Prova prima a scansionare dall&apos;alimentatore automatico di documenti (se presente), altrimenti dal piano di scansione.</translation>
    </message>
    <message>
        <source>Allow Multiple Pages</source>
        <translation>Consenti più pagine</translation>
    </message>
    <message>
        <source>Controls whether the ADF will scan all available pages or whether the user will be prompted to add additional pages.</source>
        <translation>Stabilisce se l&apos;alimentatore scansiona tutte le pagine inserite o se viene chiesto di aggiungere altre pagine.</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Sets the Initial Scan Quality.</source>
        <translation>Imposta la risoluzione della scansione.</translation>
    </message>
    <message>
        <source>Scan Type</source>
        <translation>Modalità colore</translation>
    </message>
    <message>
        <source>Sets the Scan Color Settings.</source>
        <translation>Imposta il colore della scansione.</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Fronte-retro</translation>
    </message>
    <message>
        <source>Sets the Sides of the Paper Scaned.</source>
        <translation>Imposta i lati del foglio da scansionare.</translation>
    </message>
    <message>
        <source>Page Rejection</source>
        <translation>Soglia pagina bianca</translation>
    </message>
    <message>
        <source>Sets the percantage of ink coverage per page necessary to include the page.</source>
        <translation>Imposta la percentuale di copertura d&apos;inchiostro necessaria perché una pagina venga inclusa.</translation>
    </message>
    <message>
        <source>Quillon document scanner · v 1.07</source>
        <translation>Quillon, scanner di documenti · v 1.07</translation>
    </message>
    <message>
        <source>Auto Crop</source>
        <translation>Ritaglio automatico</translation>
    </message>
    <message>
        <source>Automatically crops the excess area from the scan. (Used for photos only)</source>
        <translation>Ritaglia automaticamente l&apos;area in eccesso dalla scansione. (Solo per le foto)</translation>
    </message>
    <message>
        <source>Auto Deskew</source>
        <translation>Raddrizzamento automatico</translation>
    </message>
    <message>
        <source>Will automatically rotate pages that are not aligned correctly in the scanner.</source>
        <translation>Ruota automaticamente le pagine non allineate correttamente nello scanner.</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Sets the resulting file format.</source>
        <translation>Imposta il formato del file risultante.</translation>
    </message>
    <message>
        <source>WIA</source>
        <translation>WIA</translation>
    </message>
    <message>
        <source>Changes various internal settings to be work better with Windows Image Aquisition (WIA) scanners.</source>
        <translation>Modifica varie impostazioni interne per funzionare meglio con gli scanner Windows Image Acquisition (WIA).</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Predefiniti</translation>
    </message>
    <message>
        <source>Auto Contrast</source>
        <translation>Contrasto automatico</translation>
    </message>
    <message>
        <source>Automatically adjusts contrast levels.</source>
        <translation>Regola automaticamente il contrasto.</translation>
    </message>
    <message>
        <source>Quality (Size)</source>
        <translation>Qualità (dimensione)</translation>
    </message>
    <message>
        <source>Sets the result file format compression.</source>
        <translation>Imposta la compressione del file risultante.</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>Split at Separator Sheets</source>
        <translation>Dividi ai fogli separatori</translation>
    </message>
    <message>
        <source>Starts a new file at each separator sheet in the stack: a printed Patch T sheet, or the sheet that quillon-scan --print-separator makes. The separator sheets themselves are not kept.</source>
        <translation>Inizia un nuovo file a ogni foglio separatore nella pila: un foglio Patch T stampato, o il foglio creato da quillon-scan --print-separator. I fogli separatori non vengono conservati.</translation>
    </message>
    <message>
        <source>PDF pages of text are written as sharp text over a small picture of the paper, several times smaller. A page below 150 dpi, of faint ink, mostly picture or of print too small is kept as with Good - Default, as are TIFF, JPEG and PNG files.</source>
        <translation>Le pagine di testo di un PDF vengono scritte come testo nitido su una piccola immagine del foglio, molte volte più piccole. Una pagina sotto i 150 dpi, con inchiostro sbiadito, composta soprattutto da immagini o con caratteri troppo piccoli viene scritta come con «Buona – predefinita», così come i file TIFF, JPEG e PNG.</translation>
    </message>
    <message>
        <source>The Auto-Crop feature is intended to only be used for photographs and should not be used for documents as it may produce unexpected results.</source>
        <translation>Il ritaglio automatico è pensato solo per le fotografie e non dovrebbe essere usato per i documenti, perché può produrre risultati imprevisti.</translation>
    </message>
    <message>
        <source>The stored options could not be read: %1 belongs to another user. The defaults are shown, and the stored options are kept as they are.</source>
        <translation>Impossibile leggere le opzioni memorizzate: %1 appartiene a un altro utente. Vengono mostrati i valori predefiniti, e le opzioni memorizzate restano come sono.</translation>
    </message>
    <message>
        <source>Quillon Information</source>
        <translation>Informazioni di Quillon</translation>
    </message>
    <message>
        <source>Review Pages Before Saving</source>
        <translation>Rivedi le pagine prima di salvare</translation>
    </message>
    <message>
        <source>Shows the scanned pages before the file is written: turn, delete, reorder or keep pages the blank test left out, and scan more.</source>
        <translation>Mostra le pagine acquisite prima di scrivere il file: ruotare, eliminare, riordinare o tenere le pagine escluse dal controllo delle pagine vuote, e acquisirne altre.</translation>
    </message>
</context>
<context>
    <name>quillon::ProgressWindow</name>
    <message>
        <source>1 page</source>
        <translation>1 pagina</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%Ln pagina</numerusform>
            <numerusform>%Ln pagine</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 blank page left out</source>
        <translation>, 1 pagina bianca tralasciata</translation>
    </message>
    <message numerus="yes">
        <source>, %n blank pages left out</source>
        <translation>
            <numerusform>, %Ln pagina bianca tralasciata</numerusform>
            <numerusform>, %Ln pagine bianche tralasciate</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Scan progress</source>
        <translation>Avanzamento della scansione</translation>
    </message>
    <message>
        <source>The last page scanned</source>
        <translation>L&apos;ultima pagina scansionata</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
</context>
<context>
    <name>quillon::ReviewWindow</name>
    <message>
        <source>Review Pages</source>
        <translation>Rivedi le pagine</translation>
    </message>
    <message>
        <source>Scanned pages</source>
        <translation>Pagine acquisite</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Ruota a sinistra</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Ruota a destra</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Tieni</translation>
    </message>
    <message>
        <source>Saves a page the blank test left out after all.</source>
        <translation>Salva comunque una pagina esclusa dal controllo delle pagine vuote.</translation>
    </message>
    <message>
        <source>Move Earlier</source>
        <translation>Sposta prima</translation>
    </message>
    <message>
        <source>Move Later</source>
        <translation>Sposta dopo</translation>
    </message>
    <message>
        <source>Scan More</source>
        <translation>Acquisisci altre</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>1 page will be saved.</source>
        <translation>Verrà salvata 1 pagina.</translation>
    </message>
    <message numerus="yes">
        <source>%n pages will be saved.</source>
        <translation>
            <numerusform>Verrà salvata %Ln pagina.</numerusform>
            <numerusform>Verranno salvate %Ln pagine.</numerusform>
        </translation>
    </message>
    <message>
        <source>Discard the 1 scanned page?</source>
        <translation>Scartare la 1 pagina acquisita?</translation>
    </message>
    <message numerus="yes">
        <source>Discard the %n scanned pages?</source>
        <translation>
            <numerusform>Scartare la %Ln pagina acquisita?</numerusform>
            <numerusform>Scartare le %Ln pagine acquisite?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillon::ScanProgress</name>
    <message>
        <source>Stopping the scanner...</source>
        <translation>Arresto dello scanner…</translation>
    </message>
</context>
<context>
    <name>quillon::TextLanguageChoice</name>
    <message>
        <source>Text Language</source>
        <translation>Lingua del testo</translation>
    </message>
    <message>
        <source>The languages the text of a Searchable PDF is read in. Check several for pages in more than one.</source>
        <translation>Le lingue in cui viene letto il testo di un PDF ricercabile. Selezionarne più di una per pagine in più lingue.</translation>
    </message>
    <message>
        <source>%1 choices</source>
        <comment>a list&apos;s open items, named by its label</comment>
        <translation>Scelte per %1</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatica</translation>
    </message>
</context>
</TS>
