<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Desktop entry</name>
    <message>
        <source>Quillon</source>
        <translation>Quillon</translation>
    </message>
    <message>
        <source>Document Scanner</source>
        <translation>Scanner de documents</translation>
    </message>
    <message>
        <source>Scan paper documents to PDF, TIFF, JPEG or PNG</source>
        <translation>Numériser des documents papier en PDF, TIFF, JPEG ou PNG</translation>
    </message>
    <message>
        <source>scan;scanner;document;PDF;TIFF;</source>
        <translation>numériser;numérisation;scanner;document;chargeur;PDF;TIFF;</translation>
    </message>
    <message>
        <source>Scan paper documents into one compact file</source>
        <translation>Numériser des documents papier dans un seul fichier compact</translation>
    </message>
    <message>
        <source>Quillon scans from the document feeder or the flatbed into one PDF or multi-page TIFF, or a single JPEG or PNG image, leaving out blank pages. A searchable PDF carries the text read from its pages, with pages scanned sideways or upside down turned upright.</source>
        <translation>Quillon numérise depuis le chargeur de documents ou la vitre d’exposition dans un seul PDF ou TIFF multipage, ou dans une seule image JPEG ou PNG, en omettant les pages blanches. Un PDF interrogeable contient le texte lu sur ses pages&#xa0;; les pages numérisées sur le côté ou à l’envers sont remises à l’endroit.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number.</source>
        <translation>Dépassement&#xa0;: «&#xa0;%1&#xa0;» est un nombre trop grand.</translation>
    </message>
    <message>
        <source>Quillon Error Message</source>
        <translation>Message d’erreur de Quillon</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number.</source>
        <translation>Type incompatible&#xa0;: «&#xa0;%1&#xa0;» n’est pas un nombre.</translation>
    </message>
    <message>
        <source>ERROR: #%1 %2</source>
        <comment>a failure&apos;s number and its description</comment>
        <translation>ERREUR&#xa0;: #%1 %2</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Mémoire insuffisante.</translation>
    </message>
    <message>
        <source>Unknown failure.</source>
        <translation>Erreur inconnue.</translation>
    </message>
</context>
<context>
    <name>ImageFileSource</name>
    <message>
        <source>Image files</source>
        <translation>Fichiers image</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 est introuvable.</translation>
    </message>
    <message>
        <source>%1 holds no JPEG, PNG or TIFF image.</source>
        <translation>%1 ne contient aucune image JPEG, PNG ou TIFF.</translation>
    </message>
    <message>
        <source>%1 is not a JPEG, PNG or TIFF image.</source>
        <translation>%1 n&apos;est pas une image JPEG, PNG ou TIFF.</translation>
    </message>
    <message>
        <source>No image file was given.</source>
        <translation>Aucun fichier image n&apos;a été indiqué.</translation>
    </message>
    <message>
        <source>Page %1 of %2 could not be read.</source>
        <translation>La page %1 de %2 n&apos;a pas pu être lue.</translation>
    </message>
</context>
<context>
    <name>Imaging</name>
    <message>
        <source>A JPEG or PNG file holds one page only.</source>
        <translation>Un fichier JPEG ou PNG ne contient qu’une seule page.</translation>
    </message>
    <message>
        <source>The image could not be encoded: </source>
        <translation>L’image n’a pas pu être encodée&#xa0;: </translation>
    </message>
    <message>
        <source>The image file has no page.</source>
        <translation>Le fichier image n’a aucune page.</translation>
    </message>
    <message>
        <source>An empty page cannot be written.</source>
        <translation>Une page vide ne peut pas être écrite.</translation>
    </message>
    <message>
        <source>A page could not be compressed: </source>
        <translation>Une page n’a pas pu être compressée&#xa0;: </translation>
    </message>
    <message>
        <source>A page could not be compressed as JPEG.</source>
        <translation>Une page n’a pas pu être compressée en JPEG.</translation>
    </message>
    <message>
        <source>Reading the text of page %1 of %2</source>
        <translation>Lecture du texte de la page %L1 sur %L2</translation>
    </message>
    <message>
        <source>The page was saved without searchable text.</source>
        <translation>La page a été enregistrée sans texte interrogeable.</translation>
    </message>
    <message>
        <source>%1 of %2 pages were saved without searchable text.</source>
        <translation>Enregistrées sans texte interrogeable&#xa0;: %L1 pages sur %L2.</translation>
    </message>
    <message>
        <source>There is not enough memory for a page this large: a lower resolution, or grey or black and white, needs less.</source>
        <translation>La mémoire ne suffit pas pour une page aussi grande&#xa0;: une résolution plus basse, ou les niveaux de gris ou le noir et blanc, en demandent moins.</translation>
    </message>
    <message>
        <source>No document is open.</source>
        <translation>Aucun document n’est ouvert.</translation>
    </message>
    <message>
        <source>The PDF file is already complete.</source>
        <translation>Le fichier PDF est déjà terminé.</translation>
    </message>
    <message>
        <source>The PDF file has no page.</source>
        <translation>Le fichier PDF n’a aucune page.</translation>
    </message>
    <message>
        <source>The PDF file has no page %1.</source>
        <translation>Le fichier PDF n’a pas de page %L1.</translation>
    </message>
    <message>
        <source>%1 is a link to a file that cannot be reached: %2.</source>
        <translation>%1 est un lien vers un fichier inaccessible&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 is a device, a pipe or a socket, not a file.</source>
        <translation>%1 est un périphérique, un tube ou un socket, pas un fichier.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 est un dossier, pas un fichier.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Le dossier %1 n’existe pas.</translation>
    </message>
    <message>
        <source>Cannot write in %1: %2.</source>
        <translation>Impossible d’écrire dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>No file is open.</source>
        <translation>Aucun fichier n’est ouvert.</translation>
    </message>
    <message>
        <source>Cannot save %1: %2.</source>
        <translation>Impossible d’enregistrer %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>%1 was given up: nothing was saved.</source>
        <translation>%1 a été abandonné&#xa0;: rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>Quillon separator sheet</source>
        <translation>Feuille de séparation Quillon</translation>
    </message>
    <message>
        <source>Put this sheet between two documents in the feeder.
Print it at full size (100 %).</source>
        <translation>Placez cette feuille entre deux documents dans le chargeur.
Imprimez-la en taille réelle (100&#xa0;%).</translation>
    </message>
    <message>
        <source>The text-recognition engine could not be loaded (%1).</source>
        <translation>Le moteur de reconnaissance de texte n’a pas pu être chargé (%1).</translation>
    </message>
    <message>
        <source>The text-recognition engine %1 is not one this program can use.</source>
        <translation>Le moteur de reconnaissance de texte %1 n’est pas utilisable par ce programme.</translation>
    </message>
    <message>
        <source>The text-recognition languages &quot;%1&quot; could not be loaded.</source>
        <translation>Les langues de reconnaissance de texte «&#xa0;%1&#xa0;» n’ont pas pu être chargées.</translation>
    </message>
    <message>
        <source>The text of a page could not be recognised.</source>
        <translation>Le texte d’une page n’a pas pu être reconnu.</translation>
    </message>
    <message>
        <source>%1 needs the language data for %2, which is not installed. Install the package %3, or choose other languages. (Looked in %4.)</source>
        <translation>%1 nécessite les données de langue pour %2, qui ne sont pas installées. Installez le paquet %3 ou choisissez d’autres langues. (Recherchées dans %4.)</translation>
    </message>
    <message>
        <source>no folder</source>
        <translation>aucun dossier</translation>
    </message>
    <message>
        <source>Reading the pages&apos; text</source>
        <translation>La lecture du texte des pages</translation>
    </message>
    <message>
        <source>The text-recognition languages &quot;%1&quot; are not a list of language codes. Write codes joined by &quot;+&quot;, for example &quot;deu+eng&quot;.</source>
        <translation>Les langues de reconnaissance de texte «&#xa0;%1&#xa0;» ne sont pas une liste de codes de langue. Écrivez des codes joints par «&#xa0;+&#xa0;», par exemple «&#xa0;deu+eng&#xa0;».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no language that text recognition knows. Choose language codes such as &quot;eng&quot; or &quot;deu+eng&quot;.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas une langue connue de la reconnaissance de texte. Choisissez des codes de langue tels que «&#xa0;eng&#xa0;» ou «&#xa0;deu+eng&#xa0;».</translation>
    </message>
    <message>
        <source>Turning pages upright needs the data for finding which way up a page is, which is not installed. Install the package tesseract-ocr-osd. (Looked in %1.)</source>
        <translation>La remise à l’endroit des pages nécessite les données qui indiquent le sens d’une page, et elles ne sont pas installées. Installez le paquet tesseract-ocr-osd. (Recherchées dans %1.)</translation>
    </message>
    <message>
        <source>The TIFF file&apos;s header could not be read.</source>
        <translation>L’en-tête du fichier TIFF n’a pas pu être lu.</translation>
    </message>
    <message>
        <source>The TIFF file&apos;s page %1 could not be read.</source>
        <translation>La page %L1 du fichier TIFF n’a pas pu être lue.</translation>
    </message>
    <message>
        <source>The TIFF file could not be read.</source>
        <translation>Le fichier TIFF n’a pas pu être lu.</translation>
    </message>
    <message>
        <source>A TIFF file needs at least one page.</source>
        <translation>Un fichier TIFF doit avoir au moins une page.</translation>
    </message>
    <message>
        <source>The TIFF file has no page %1.</source>
        <translation>Le fichier TIFF n’a pas de page %L1.</translation>
    </message>
    <message>
        <source>The TIFF file&apos;s pages could not be put in order.</source>
        <translation>Les pages du fichier TIFF n’ont pas pu être mises en ordre.</translation>
    </message>
    <message>
        <source>The TIFF file could not be started: </source>
        <translation>Le fichier TIFF n’a pas pu être créé&#xa0;: </translation>
    </message>
    <message>
        <source>The TIFF file is already complete.</source>
        <translation>Le fichier TIFF est déjà terminé.</translation>
    </message>
    <message>
        <source>The TIFF file has no page.</source>
        <translation>Le fichier TIFF n’a aucune page.</translation>
    </message>
    <message>
        <source>The pages could not be held for review: </source>
        <translation>Les pages n’ont pas pu être conservées pour la vérification&#xa0;: </translation>
    </message>
    <message>
        <source>A page held for review could not be read back.</source>
        <translation>Une page conservée pour la vérification n’a pas pu être relue.</translation>
    </message>
</context>
<context>
    <name>OutputFileChooser</name>
    <message>
        <source>PDF document</source>
        <translation>Document PDF</translation>
    </message>
    <message>
        <source>TIFF image</source>
        <translation>Image TIFF</translation>
    </message>
    <message>
        <source>JPEG image</source>
        <translation>Image JPEG</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>Image PNG</translation>
    </message>
    <message>
        <source>%1 file</source>
        <comment>a file format&apos;s name</comment>
        <translation>Fichier %1</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>ERROR: Invalid File Selection. Please try again.</source>
        <translation>ERREUR&#xa0;: choix de fichier non valide. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Quillon Error</source>
        <translation>Erreur de Quillon</translation>
    </message>
    <message>
        <source>Please choose another file.</source>
        <translation>Veuillez choisir un autre fichier.</translation>
    </message>
    <message>
        <source>%1 is one of the system&apos;s own folders, where no file can be saved.</source>
        <translation>%1 est l’un des dossiers propres au système, où aucun fichier ne peut être enregistré.</translation>
    </message>
    <message>
        <source>%1 is too long a name for its folder.</source>
        <translation>%1 est un nom trop long pour son dossier.</translation>
    </message>
    <message>
        <source>%1 is a link to a file that does not exist.</source>
        <translation>%1 est un lien vers un fichier qui n’existe pas.</translation>
    </message>
    <message>
        <source>%1 is a device, a pipe or a socket, not a file.</source>
        <translation>%1 est un périphérique, un tube ou un socket, pas un fichier.</translation>
    </message>
    <message>
        <source>%1 is write-protected.</source>
        <translation>%1 est protégé en écriture.</translation>
    </message>
    <message>
        <source>%1 belongs to another user, in a folder where only its owner may replace it.</source>
        <translation>%1 appartient à un autre utilisateur, dans un dossier où seul son propriétaire peut le remplacer.</translation>
    </message>
</context>
<context>
    <name>PageReview</name>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>%1, separator sheet</source>
        <translation>%1, feuille de séparation</translation>
    </message>
    <message>
        <source>%1, left out: blank</source>
        <translation>%1, écartée&#xa0;: blanche</translation>
    </message>
</context>
<context>
    <name>PendingChangesRetry</name>
    <message>
        <source>Your last changes to the options could not be stored: %1.</source>
        <translation>Vos dernières modifications des options n’ont pas pu être enregistrées&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Your change is not stored yet: %1. It is kept, and stored as soon as it can be.</source>
        <translation>Votre modification n’est pas encore enregistrée&#xa0;: %1. Elle est conservée et sera enregistrée dès que possible.</translation>
    </message>
    <message>
        <source>Your changes are stored now.</source>
        <translation>Vos modifications sont maintenant enregistrées.</translation>
    </message>
    <message>
        <source>another program holds the settings file %1</source>
        <translation>un autre programme bloque le fichier de paramètres %1</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>the settings file could not be written</source>
        <translation>le fichier de paramètres n’a pas pu être écrit</translation>
    </message>
    <message>
        <source>the settings file %1 could not be written</source>
        <translation>le fichier de paramètres %1 n’a pas pu être écrit</translation>
    </message>
</context>
<context>
    <name>QuillonScan</name>
    <message>
        <source>%1 or %2</source>
        <comment>the last of a list of choices</comment>
        <translation>%1 ou %2</translation>
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
        <translation>Utilisation&#xa0;: quillon-scan [OPTIONS] SORTIE
Numérise dans SORTIE (%1) avec les options
enregistrées par Quillon, modifiées pour cette exécution seulement par les options données.
Les options enregistrées ne sont jamais modifiées.

  -d, --device NOM          le périphérique SANE à utiliser, tel que SANE le nomme&#xa0;; le nom d’un
                            backend seul («&#xa0;test&#xa0;») ouvre son premier périphérique (par défaut&#xa0;:
                            le dernier scanner choisi)
  -L, --list-devices        liste les scanners, un par ligne&#xa0;: nom SANE, puis fabricant et modèle
      --source auto|feeder|flatbed
                            auto&#xa0;: le chargeur, ou la vitre d’exposition quand il est vide
      --duplex, --no-duplex recto verso, ou le recto seulement
      --duplex manual       recto verso avec un chargeur qui ne numérise qu’une face&#xa0;: les rectos,
                            puis la pile retournée pour les versos&#xa0;; les pages sortent intercalées
      --mode bw|grey|colour noir et blanc, niveaux de gris (aussi gray) ou couleur (aussi color)
      --dpi N               %2
      --paper %3
      --quality 0..%4|compact  0 fichier le plus petit, %5 par défaut, %4 la meilleure&#xa0;; compact&#xa0;:
                            les pages de texte d’un PDF en texte net sur une petite image du
                            papier, plusieurs fois plus petites (autres formats comme par défaut)
      --blank-threshold X   les pages avec moins d’encre que X (0.001 à 0.05) sont omises&#xa0;;
                            0 les garde toutes
      --contrast, --no-contrast, --crop, --no-crop, --deskew, --no-deskew
      --single, --multiple  une seule image, comme avec «&#xa0;Plusieurs pages&#xa0;» décoché, ou plusieurs
                            pages dans un seul fichier, comme avec la case cochée
      --split, --no-split   un fichier par document, aux feuilles de séparation (Patch T, ou la
                            feuille de --print-separator)&#xa0;: SORTIE, puis SORTIE-2, SORTIE-3…
      --print-separator FICHIER.pdf  écrit une feuille de séparation à imprimer (une page Letter
                            et une page A4)
      --searchable          un PDF interrogeable&#xa0;: le texte des pages sous l’image, les pages
                            remises à l’endroit&#xa0;; lu dans les langues choisies dans Quillon,
                            sinon la vôtre
      --languages CODES     avec --searchable&#xa0;: lire dans ces langues, jointes par + (deu+eng)
      --timeout SECONDES    combien de temps le scanner peut ne rien envoyer avant que la
                            numérisation ne s’arrête (60)
  -q, --quiet               ni progression, ni message en cas de réussite
      --help, --version

Les questions sont posées dans le terminal. Sans terminal, «&#xa0;Numériser une autre page&#xa0;?&#xa0;» reçoit
la réponse Non, et un chargeur vide se rabat sur la vitre d’exposition (--source auto) ou met fin
à la numérisation (--source feeder).

Code de sortie&#xa0;: 0 le fichier a été écrit&#xa0;; 1 une erreur d’utilisation, ou les options enregistrées
n’ont pas pu être lues&#xa0;; 2 aucun scanner, ou il n’a pas pu être ouvert&#xa0;;
3 la numérisation a échoué et rien n’a été écrit (un fichier plus ancien est conservé)&#xa0;; 4 des pages
ont été enregistrées, puis la numérisation a échoué&#xa0;; 128+N arrêté par le signal N (130 après
Ctrl+C), aucun fichier partiel ne reste.
</translation>
    </message>
    <message>
        <source>--print-separator writes a .pdf file.</source>
        <translation>--print-separator écrit un fichier .pdf.</translation>
    </message>
    <message>
        <source>Give one OUTPUT file.</source>
        <translation>Indiquez un seul fichier SORTIE.</translation>
    </message>
    <message>
        <source>%1 names no format Quillon writes: use %2.</source>
        <translation>%1 ne désigne aucun format que Quillon sait écrire&#xa0;: utilisez %2.</translation>
    </message>
    <message>
        <source>--searchable needs a .pdf OUTPUT.</source>
        <translation>--searchable demande un fichier SORTIE en .pdf.</translation>
    </message>
    <message>
        <source>--languages is for --searchable.</source>
        <translation>--languages ne sert qu’avec --searchable.</translation>
    </message>
    <message>
        <source>--languages takes codes joined by +, such as deu+eng.</source>
        <translation>--languages attend des codes joints par +, comme deu+eng.</translation>
    </message>
    <message>
        <source>An option and its --no- form cannot both be given.</source>
        <translation>Une option et sa forme --no- ne peuvent pas être données ensemble.</translation>
    </message>
    <message>
        <source>Give one of --duplex, --duplex manual and --no-duplex.</source>
        <translation>Indiquez une seule option parmi --duplex, --duplex manual et --no-duplex.</translation>
    </message>
    <message>
        <source>Give one of --single and --multiple.</source>
        <translation>Indiquez une seule option parmi --single et --multiple.</translation>
    </message>
    <message>
        <source>--source takes auto, feeder or flatbed.</source>
        <translation>--source attend auto, feeder ou flatbed.</translation>
    </message>
    <message>
        <source>--mode takes bw, grey or colour.</source>
        <translation>--mode attend bw, grey ou colour.</translation>
    </message>
    <message>
        <source>--dpi takes one of %1.</source>
        <translation>--dpi attend l’une de ces valeurs&#xa0;: %1.</translation>
    </message>
    <message>
        <source>--paper takes %1.</source>
        <translation>--paper attend %1.</translation>
    </message>
    <message>
        <source>--quality takes 0 to %1, or compact.</source>
        <translation>--quality attend 0 à %1, ou compact.</translation>
    </message>
    <message>
        <source>--timeout takes a number of seconds, 1 or more.</source>
        <translation>--timeout attend un nombre de secondes, 1 ou plus.</translation>
    </message>
    <message>
        <source>--blank-threshold takes 0, or 0.001 to 0.05 in steps of 0.001.</source>
        <translation>--blank-threshold attend 0, ou 0.001 à 0.05 par pas de 0.001.</translation>
    </message>
    <message>
        <source>No scanner was found.</source>
        <translation>Aucun scanner n’a été trouvé.</translation>
    </message>
    <message>
        <source>The separator sheet could not be written: %1</source>
        <translation>La feuille de séparation n’a pas pu être écrite&#xa0;: %1</translation>
    </message>
    <message>
        <source>A separator sheet to print at full size (a Letter page and an A4 page): %1</source>
        <translation>Une feuille de séparation à imprimer en taille réelle (une page Letter et une page A4)&#xa0;: %1</translation>
    </message>
    <message>
        <source>quillon-scan --help tells how to use it.</source>
        <translation>quillon-scan --help explique comment l’utiliser.</translation>
    </message>
    <message>
        <source>The stored options could not be read: %1 belongs to another user. Nothing was scanned.</source>
        <translation>Les options enregistrées n’ont pas pu être lues&#xa0;: %1 appartient à un autre utilisateur. Rien n’a été numérisé.</translation>
    </message>
    <message>
        <source>The stored options could not be read (%1 is held by another program, or is a link to something that is not Quillon&apos;s settings): nothing was scanned.</source>
        <translation>Les options enregistrées n’ont pas pu être lues (%1 est bloqué par un autre programme, ou c’est un lien vers autre chose que les paramètres de Quillon)&#xa0;: rien n’a été numérisé.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
    <message>
        <source>No scanner is named %1. quillon-scan --list-devices lists them.</source>
        <translation>Aucun scanner ne s’appelle %1. quillon-scan --list-devices les liste.</translation>
    </message>
    <message>
        <source>The scanner used last, %1, could not be opened. quillon-scan --list-devices lists the scanners; -d NAME chooses one.</source>
        <translation>Le dernier scanner utilisé, %1, n’a pas pu être ouvert. quillon-scan --list-devices liste les scanners&#xa0;; -d NOM en choisit un.</translation>
    </message>
    <message>
        <source>Without a terminal, no one could be asked to turn the stack over for the back sides.</source>
        <translation>Sans terminal, personne n’a pu être invité à retourner la pile pour les versos.</translation>
    </message>
    <message>
        <source>y</source>
        <comment>the key that answers Yes</comment>
        <translation>o</translation>
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
        <translation>[o/n/a]</translation>
    </message>
    <message>
        <source>[y/n]</source>
        <comment>the keys that answer Yes and No</comment>
        <translation>[o/n]</translation>
    </message>
    <message>
        <source>Load the documents into the feeder. Retry? [y] yes, [n] use the flatbed, [c] cancel</source>
        <translation>Placez les documents dans le chargeur. Réessayer&#xa0;? [o] oui, [n] utiliser la vitre d’exposition, [a] annuler</translation>
    </message>
    <message>
        <source>Put the next page on the flatbed. Scan it? [y] yes, [n] no, save the file</source>
        <translation>Posez la page suivante sur la vitre d’exposition. La numériser&#xa0;? [o] oui, [n] non, enregistrer le fichier</translation>
    </message>
    <message>
        <source>Turn the stack over, without changing its order, and load it into the feeder again. Scan the back sides? [y] yes, [n] keep the front sides only</source>
        <translation>Retournez la pile sans changer son ordre, et replacez-la dans le chargeur. Numériser les versos&#xa0;? [o] oui, [n] ne garder que les rectos</translation>
    </message>
    <message>
        <source>Save every page, the unmatched ones at the end? [y] yes, [n] keep the front sides only</source>
        <translation>Enregistrer toutes les pages, celles sans correspondance à la fin&#xa0;? [o] oui, [n] ne garder que les rectos</translation>
    </message>
    <message>
        <source>Scanning page %1: %2 %</source>
        <translation>Numérisation de la page %1&#xa0;: %2&#xa0;%</translation>
    </message>
    <message>
        <source>%1 (no terminal to ask)</source>
        <comment>the answer given</comment>
        <translation>%1 (pas de terminal pour demander)</translation>
    </message>
    <message>
        <source>%1 (document %2)</source>
        <translation>%L1 (document %L2)</translation>
    </message>
    <message>
        <source>Scanning page %1</source>
        <translation>Numérisation de la page %1</translation>
    </message>
    <message>
        <source>
Image files in place of a scanner:
      --from PATH           JPEG, PNG and TIFF files (every page of a TIFF), or a folder&apos;s images
                            in the order of their names, as the pages of a feeder; give it again
                            for more. The stored options apply as to a scan.
</source>
        <translation>
Des fichiers image à la place d&apos;un scanner :
      --from CHEMIN         fichiers JPEG, PNG et TIFF (chaque page d&apos;un TIFF), ou les images d&apos;un dossier
                            dans l&apos;ordre de leurs noms, comme les pages d&apos;un chargeur ; à répéter
                            pour en ajouter. Les options enregistrées s&apos;appliquent comme à un scan.
</translation>
    </message>
    <message>
        <source>Give one of --from and --device.</source>
        <translation>Indiquez soit --from, soit --device.</translation>
    </message>
    <message>
        <source>--from takes each image as a page of its own: --duplex is for a scanner.</source>
        <translation>--from prend chaque image comme une page à part : --duplex est pour un scanner.</translation>
    </message>
    <message>
        <source>--from takes the images as a feeder&apos;s pages: --source flatbed is for a scanner.</source>
        <translation>--from prend les images comme les pages d&apos;un chargeur : --source flatbed est pour un scanner.</translation>
    </message>
    <message>
        <source>%1 holds one image, and %2 were given: write them to a .pdf or .tiff file.</source>
        <translation>%1 ne contient qu&apos;une image, et %2 ont été indiquées : écrivez-les dans un fichier .pdf ou .tiff.</translation>
    </message>
</context>
<context>
    <name>RunScan</name>
    <message>
        <source>User Canceled Scan</source>
        <translation>Numérisation annulée par l’utilisateur</translation>
    </message>
    <message>
        <source>ERROR: Invalid DPI Selected. (%1) Please select a correct option.</source>
        <translation>ERREUR&#xa0;: résolution (DPI) choisie non valide. (%1) Veuillez choisir une option correcte.</translation>
    </message>
    <message>
        <source>ERROR: Invalid Scan Color Option Selected. (%1) Please select a correct option.</source>
        <translation>ERREUR&#xa0;: option de couleur choisie non valide. (%1) Veuillez choisir une option correcte.</translation>
    </message>
    <message>
        <source>ERROR: Invalid Duplex Option Selected. (%1) Please select a correct option.</source>
        <translation>ERREUR&#xa0;: option recto verso choisie non valide. (%1) Veuillez choisir une option correcte.</translation>
    </message>
    <message>
        <source>ERROR: Invalid PageRejectionCoverage Selected. (%1) Please select a correct option.</source>
        <translation>ERREUR&#xa0;: seuil de page blanche (PageRejectionCoverage) choisi non valide. (%1) Veuillez choisir une option correcte.</translation>
    </message>
    <message>
        <source>ERROR: Searchable PDF cannot be made.</source>
        <translation>ERREUR&#xa0;: le PDF interrogeable ne peut pas être créé.</translation>
    </message>
    <message>
        <source>You have selected a WIA scanner, but did not check the WIA option. This may lead to unexpected problems.</source>
        <translation>Vous avez choisi un scanner WIA, mais n’avez pas coché l’option WIA. Cela peut entraîner des problèmes inattendus.</translation>
    </message>
    <message>
        <source>Quillon Warning</source>
        <translation>Avertissement de Quillon</translation>
    </message>
    <message>
        <source>Please load the documents into the Auto-Document Feeder.</source>
        <translation>Veuillez placer les documents dans le chargeur automatique de documents.</translation>
    </message>
    <message>
        <source>Click YES to retry or</source>
        <translation>Cliquez sur OUI pour réessayer ou</translation>
    </message>
    <message>
        <source>Click NO to use the flatbed or other scan head (if equipped).</source>
        <translation>sur NON pour utiliser la vitre d’exposition ou une autre tête de numérisation (si l’appareil en a une).</translation>
    </message>
    <message>
        <source>Scan Another Page?</source>
        <translation>Numériser une autre page&#xa0;?</translation>
    </message>
    <message>
        <source>Quillon Question</source>
        <translation>Question de Quillon</translation>
    </message>
    <message>
        <source>%1 front sides but %2 back sides were scanned.</source>
        <translation>%L1 rectos ont été numérisés, mais %L2 versos.</translation>
    </message>
    <message>
        <source>Click YES to save every page, the unmatched ones at the end, or NO to keep the front sides only.</source>
        <translation>Cliquez sur OUI pour enregistrer toutes les pages, celles sans correspondance à la fin, ou sur NON pour ne garder que les rectos.</translation>
    </message>
    <message>
        <source>1 back side belongs to no front side; it goes at the end.</source>
        <translation>1 verso ne correspond à aucun recto&#xa0;; il est placé à la fin.</translation>
    </message>
    <message numerus="yes">
        <source>%n back sides belong to no front side; they go at the end.</source>
        <translation>
            <numerusform>%Ln verso ne correspond à aucun recto&#xa0;; il est placé à la fin.</numerusform>
            <numerusform>%Ln versos ne correspondent à aucun recto&#xa0;; ils sont placés à la fin.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sheet 1 has no back side.</source>
        <translation>La feuille 1 n’a pas de verso.</translation>
    </message>
    <message>
        <source>Sheets %1 and %2 have no back side.</source>
        <translation>Les feuilles %1 et %2 n’ont pas de verso.</translation>
    </message>
    <message>
        <source>The scan stopped at back side %1 of %2 (the back of sheet %3).</source>
        <translation>La numérisation s’est arrêtée au verso %L1 sur %L2 (le verso de la feuille %L3).</translation>
    </message>
    <message>
        <source>Documents saved before:</source>
        <translation>Documents enregistrés auparavant&#xa0;:</translation>
    </message>
    <message>
        <source>TWAIN Error #%1 %2</source>
        <comment>the library&apos;s error number and its text</comment>
        <translation>Erreur TWAIN #%1 %2</translation>
    </message>
    <message>
        <source>Could not locate file: %1</source>
        <translation>Fichier introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>Nothing was saved to: %1</source>
        <translation>Rien n’a été enregistré dans&#xa0;: %1</translation>
    </message>
    <message>
        <source>The file that was already there has not been changed.</source>
        <translation>Le fichier qui s’y trouvait déjà n’a pas été modifié.</translation>
    </message>
    <message>
        <source>The back sides did not match them and were left out.</source>
        <translation>Les versos ne leur correspondaient pas et ont été omis.</translation>
    </message>
    <message>
        <source>The stack was not turned over for the back sides.</source>
        <translation>La pile n’a pas été retournée pour les versos.</translation>
    </message>
    <message>
        <source>Only the front sides were saved to:</source>
        <translation>Seuls les rectos ont été enregistrés dans&#xa0;:</translation>
    </message>
    <message>
        <source>Scanned Successfully to:</source>
        <translation>Numérisation réussie dans&#xa0;:</translation>
    </message>
    <message>
        <source>Quillon Successful</source>
        <translation>Quillon – Réussite</translation>
    </message>
    <message>
        <source>1 page was saved to:</source>
        <translation>1 page a été enregistrée dans&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>%n pages were saved to:</source>
        <translation>
            <numerusform>%Ln page a été enregistrée dans&#xa0;:</numerusform>
            <numerusform>%Ln pages ont été enregistrées dans&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>The file already at %1 was kept as it was.</source>
        <translation>Le fichier déjà présent sous %1 a été conservé tel quel.</translation>
    </message>
    <message>
        <source>ERROR: An error occurred while scanning.</source>
        <translation>ERREUR&#xa0;: une erreur est survenue pendant la numérisation.</translation>
    </message>
    <message>
        <source>Quillon Scanning Error</source>
        <translation>Erreur de numérisation de Quillon</translation>
    </message>
    <message>
        <source>Quillon Information</source>
        <translation>Information de Quillon</translation>
    </message>
    <message>
        <source>Canceled Scan</source>
        <translation>Numérisation annulée</translation>
    </message>
    <message>
        <source>Warning: An attempt was made to enable duplex scanning, however your scanner either does not support it, or does not behave according to the TWAIN specifications.</source>
        <translation>Avertissement&#xa0;: une tentative d’activer la numérisation recto verso a été faite, mais votre scanner ne la prend pas en charge ou ne se comporte pas selon les spécifications TWAIN.</translation>
    </message>
    <message>
        <source>%1 (1 page)</source>
        <comment>a file and its pages</comment>
        <translation>%1 (1 page)</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n pages)</source>
        <comment>a file and its pages</comment>
        <translation>
            <numerusform>%1 (%Ln page)</numerusform>
            <numerusform>%1 (%Ln pages)</numerusform>
        </translation>
    </message>
    <message>
        <source>Turn the stack over, without changing its order, and load it into the feeder again. Click YES to scan the back sides or NO to keep the front sides only.</source>
        <translation>Retournez la pile sans changer son ordre, et replacez-la dans le chargeur. Cliquez sur OUI pour numériser les versos ou sur NON pour ne garder que les rectos.</translation>
    </message>
</context>
<context>
    <name>SaneLibrary</name>
    <message>
        <source>The scanner has sent nothing for %1 s. The scan ends by itself after %2 s; Cancel ends it now.</source>
        <translation>Le scanner n’a rien envoyé depuis %L1 s. La numérisation s’arrêtera d’elle-même après %L2 s&#xa0;; Annuler l’arrête tout de suite.</translation>
    </message>
    <message>
        <source>Looking for scanners...</source>
        <translation>Recherche des scanners…</translation>
    </message>
    <message>
        <source>Waiting for the scanner to be let go...</source>
        <translation>Attente de la libération du scanner…</translation>
    </message>
    <message>
        <source>Opening the scanner...</source>
        <translation>Ouverture du scanner…</translation>
    </message>
    <message>
        <source>Saving the document...</source>
        <translation>Enregistrement du document…</translation>
    </message>
    <message>
        <source>Waiting for page %1...</source>
        <translation>Attente de la page %L1…</translation>
    </message>
</context>
<context>
    <name>ScannerErrors</name>
    <message>
        <source>The scan was cancelled.</source>
        <translation>La numérisation a été annulée.</translation>
    </message>
    <message>
        <source>The document feeder is empty.</source>
        <translation>Le chargeur de documents est vide.</translation>
    </message>
    <message>
        <source>The document feeder is jammed.</source>
        <translation>Bourrage dans le chargeur de documents.</translation>
    </message>
    <message>
        <source>The scanner cover is open.</source>
        <translation>Le couvercle du scanner est ouvert.</translation>
    </message>
    <message>
        <source>The scanner stopped answering. Check its cable and power.</source>
        <translation>Le scanner ne répond plus. Vérifiez son câble et son alimentation.</translation>
    </message>
    <message>
        <source>The scanner is busy.</source>
        <translation>Le scanner est occupé.</translation>
    </message>
    <message>
        <source>There is not enough memory for a page this large: a lower resolution, or grey or black and white, needs less.</source>
        <translation>La mémoire ne suffit pas pour une page aussi grande&#xa0;: une résolution plus basse, ou les niveaux de gris ou le noir et blanc, en demandent moins.</translation>
    </message>
    <message>
        <source>You are not allowed to use this scanner.</source>
        <translation>Vous n’avez pas le droit d’utiliser ce scanner.</translation>
    </message>
    <message>
        <source>The scanner could not be found. It may have been unplugged.</source>
        <translation>Le scanner est introuvable. Il a peut-être été débranché.</translation>
    </message>
    <message>
        <source>The scanner does not support this operation.</source>
        <translation>Le scanner ne prend pas en charge cette opération.</translation>
    </message>
    <message>
        <source>The scanner refused a setting.</source>
        <translation>Le scanner a refusé un réglage.</translation>
    </message>
    <message>
        <source>No scanner is open.</source>
        <translation>Aucun scanner n’est ouvert.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Le fichier n’a pas pu être écrit.</translation>
    </message>
    <message>
        <source>This file type cannot be written.</source>
        <translation>Ce type de fichier ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>No page was scanned, so no file was written.</source>
        <translation>Aucune page n’a été numérisée, donc aucun fichier n’a été écrit.</translation>
    </message>
    <message>
        <source>The scanner sent an incomplete page.</source>
        <translation>Le scanner a envoyé une page incomplète.</translation>
    </message>
    <message>
        <source>The scanner lamp is still warming up. Try again in a moment.</source>
        <translation>La lampe du scanner chauffe encore. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>The scanner is locked for transport. Unlock it and try again.</source>
        <translation>Le scanner est verrouillé pour le transport. Déverrouillez-le et réessayez.</translation>
    </message>
    <message>
        <source>The scanner stopped answering.</source>
        <translation>Le scanner ne répond plus.</translation>
    </message>
    <message>
        <source>The system refused:</source>
        <translation>Le système a refusé&#xa0;:</translation>
    </message>
    <message>
        <source>The scanner sent a page that could not be read: its image was damaged, or the connection broke off.</source>
        <translation>Le scanner a envoyé une page illisible&#xa0;: son image était endommagée, ou la connexion a été interrompue.</translation>
    </message>
    <message>
        <source>The scanner library failed unexpectedly.</source>
        <translation>La bibliothèque du scanner a échoué de façon inattendue.</translation>
    </message>
    <message>
        <source>An image file could not be used:</source>
        <translation>Un fichier image n&apos;a pas pu être utilisé :</translation>
    </message>
</context>
<context>
    <name>SelectScanner</name>
    <message>
        <source>Select Scanner</source>
        <translation>Choisir le scanner</translation>
    </message>
    <message>
        <source>No scanner was found. Check that it is connected and switched on, then press SCAN again.</source>
        <translation>Aucun scanner n’a été trouvé. Vérifiez qu’il est branché et allumé, puis appuyez à nouveau sur NUMÉRISER.</translation>
    </message>
    <message>
        <source>Scan with:</source>
        <translation>Numériser avec&#xa0;:</translation>
    </message>
    <message>
        <source>Scanners</source>
        <translation>Scanners</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Choisir</translation>
    </message>
    <message>
        <source>Scanning page %1...</source>
        <translation>Numérisation de la page %L1…</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Searchable PDF</source>
        <translation>PDF interrogeable</translation>
    </message>
    <message>
        <source>Poor - Smallest Size</source>
        <translation>Minimale – fichier le plus petit</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Basse</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Good - Default</source>
        <translation>Bonne – par défaut</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Haute</translation>
    </message>
    <message>
        <source>Highest - Largest Size</source>
        <translation>Maximale – fichier le plus gros</translation>
    </message>
    <message>
        <source>Compact - Text Pages</source>
        <translation>Compacte – pages de texte</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
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
        <translation>Noir et blanc</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Niveaux de gris</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Front Only</source>
        <translation>Recto seulement</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Recto verso</translation>
    </message>
    <message>
        <source>Manual Duplex (turn the stack)</source>
        <translation>Recto verso manuel (retourner la pile)</translation>
    </message>
    <message>
        <source>The settings file %1 is a link to something that is not Quillon&apos;s settings; it is left as it is, and the options are not stored.</source>
        <translation>Le fichier de paramètres %1 est un lien vers autre chose que les paramètres de Quillon&#xa0;; il est laissé tel quel, et les options ne sont pas enregistrées.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be used as Quillon&apos;s; it was kept as %2, and a fresh one was started.</source>
        <translation>Le fichier de paramètres %1 n’a pas pu être utilisé comme celui de Quillon&#xa0;; il a été conservé sous %2, et un nouveau fichier a été créé.</translation>
    </message>
    <message>
        <source>checked</source>
        <translation>coché</translation>
    </message>
    <message>
        <source>unchecked</source>
        <translation>décoché</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes long</source>
        <translation>
            <numerusform>longue de %Ln octet</numerusform>
            <numerusform>longue de %Ln octets</numerusform>
        </translation>
    </message>
    <message>
        <source>The stored value of %1, %2, cannot be used; its default (%3) is used instead.</source>
        <translation>La valeur enregistrée de %1, %2, n’est pas utilisable&#xa0;; sa valeur par défaut (%3) est utilisée à la place.</translation>
    </message>
</context>
<context>
    <name>quillon</name>
    <message>
        <source>Scans paper documents into one PDF, TIFF, JPEG or PNG file.</source>
        <translation>Numérise des documents papier dans un seul fichier PDF, TIFF, JPEG ou PNG.</translation>
    </message>
</context>
<context>
    <name>quillon::Main</name>
    <message>
        <source>%1 choices</source>
        <comment>a list&apos;s open items, named by its label</comment>
        <translation>Choix pour %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>The stored options could not be read (another program holds them, or the settings file is a link to something else); the defaults are shown, and the stored options are kept as they are.</source>
        <translation>Les options enregistrées n’ont pas pu être lues (un autre programme les bloque, ou le fichier de paramètres est un lien vers autre chose)&#xa0;; les valeurs par défaut sont affichées, et les options enregistrées restent telles quelles.</translation>
    </message>
    <message>
        <source>SCAN</source>
        <translation>NUMÉRISER</translation>
    </message>
    <message>
        <source>Try ADF First</source>
        <translation>Chargeur d’abord</translation>
    </message>
    <message>
        <source>Will try to feed from the ADF (if available) first, otherwise it will then try the flatbed.</source>
        <translation>Essaie d’abord le chargeur automatique de documents (s’il y en a un), sinon la vitre d’exposition.</translation>
    </message>
    <message>
        <source>Allow Multiple Pages</source>
        <translation>Plusieurs pages</translation>
    </message>
    <message>
        <source>Controls whether the ADF will scan all available pages or whether the user will be prompted to add additional pages.</source>
        <translation>Indique si le chargeur numérise toutes les pages qu’il contient ou si l’on vous demande d’ajouter d’autres pages.</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Sets the Initial Scan Quality.</source>
        <translation>Définit la résolution de numérisation.</translation>
    </message>
    <message>
        <source>Scan Type</source>
        <translation>Mode couleur</translation>
    </message>
    <message>
        <source>Sets the Scan Color Settings.</source>
        <translation>Définit le réglage de couleur de la numérisation.</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Recto verso</translation>
    </message>
    <message>
        <source>Sets the Sides of the Paper Scaned.</source>
        <translation>Définit les faces du papier à numériser.</translation>
    </message>
    <message>
        <source>Page Rejection</source>
        <translation>Seuil page blanche</translation>
    </message>
    <message>
        <source>Sets the percantage of ink coverage per page necessary to include the page.</source>
        <translation>Définit le pourcentage d’encre nécessaire sur une page pour qu’elle soit gardée.</translation>
    </message>
    <message>
        <source>Quillon document scanner · v 1.07</source>
        <translation>Quillon, scanner de documents · v 1.07</translation>
    </message>
    <message>
        <source>Auto Crop</source>
        <translation>Recadrage auto</translation>
    </message>
    <message>
        <source>Automatically crops the excess area from the scan. (Used for photos only)</source>
        <translation>Rogne automatiquement les bords superflus de l’image numérisée. (Pour les photos uniquement)</translation>
    </message>
    <message>
        <source>Auto Deskew</source>
        <translation>Redressement auto</translation>
    </message>
    <message>
        <source>Will automatically rotate pages that are not aligned correctly in the scanner.</source>
        <translation>Redresse automatiquement les pages posées de travers dans le scanner.</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Sets the resulting file format.</source>
        <translation>Définit le format du fichier produit.</translation>
    </message>
    <message>
        <source>WIA</source>
        <translation>WIA</translation>
    </message>
    <message>
        <source>Changes various internal settings to be work better with Windows Image Aquisition (WIA) scanners.</source>
        <translation>Modifie divers réglages internes pour que les scanners Windows Image Acquisition (WIA) fonctionnent mieux.</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Auto Contrast</source>
        <translation>Contraste auto</translation>
    </message>
    <message>
        <source>Automatically adjusts contrast levels.</source>
        <translation>Ajuste automatiquement le contraste.</translation>
    </message>
    <message>
        <source>Quality (Size)</source>
        <translation>Qualité (taille)</translation>
    </message>
    <message>
        <source>Sets the result file format compression.</source>
        <translation>Définit la compression du fichier produit.</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Split at Separator Sheets</source>
        <translation>Scinder aux feuilles de séparation</translation>
    </message>
    <message>
        <source>Starts a new file at each separator sheet in the stack: a printed Patch T sheet, or the sheet that quillon-scan --print-separator makes. The separator sheets themselves are not kept.</source>
        <translation>Commence un nouveau fichier à chaque feuille de séparation de la pile&#xa0;: une feuille Patch T imprimée, ou la feuille que crée quillon-scan --print-separator. Les feuilles de séparation elles-mêmes ne sont pas gardées.</translation>
    </message>
    <message>
        <source>PDF pages of text are written as sharp text over a small picture of the paper, several times smaller. A page below 150 dpi, of faint ink, mostly picture or of print too small is kept as with Good - Default, as are TIFF, JPEG and PNG files.</source>
        <translation>Les pages de texte d’un PDF sont écrites en texte net sur une petite image du papier, plusieurs fois plus petites. Une page en dessous de 150 dpi, à l’encre pâle, surtout faite d’images ou aux caractères trop petits est écrite comme avec «&#xa0;Bonne – par défaut&#xa0;», de même que les fichiers TIFF, JPEG et PNG.</translation>
    </message>
    <message>
        <source>The Auto-Crop feature is intended to only be used for photographs and should not be used for documents as it may produce unexpected results.</source>
        <translation>Le recadrage automatique est prévu pour les photos seulement et ne devrait pas être utilisé pour des documents, car il peut donner des résultats inattendus.</translation>
    </message>
    <message>
        <source>The stored options could not be read: %1 belongs to another user. The defaults are shown, and the stored options are kept as they are.</source>
        <translation>Les options enregistrées n’ont pas pu être lues&#xa0;: %1 appartient à un autre utilisateur. Les valeurs par défaut sont affichées, et les options enregistrées restent telles quelles.</translation>
    </message>
    <message>
        <source>Quillon Information</source>
        <translation>Information de Quillon</translation>
    </message>
    <message>
        <source>Review Pages Before Saving</source>
        <translation>Vérifier les pages avant d’enregistrer</translation>
    </message>
    <message>
        <source>Shows the scanned pages before the file is written: turn, delete, reorder or keep pages the blank test left out, and scan more.</source>
        <translation>Affiche les pages numérisées avant l’écriture du fichier&#xa0;: tourner, supprimer, réordonner ou garder les pages écartées par le test de page blanche, et numériser davantage.</translation>
    </message>
</context>
<context>
    <name>quillon::ProgressWindow</name>
    <message>
        <source>1 page</source>
        <translation>1 page</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%Ln page</numerusform>
            <numerusform>%Ln pages</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 blank page left out</source>
        <translation>, 1 page blanche omise</translation>
    </message>
    <message numerus="yes">
        <source>, %n blank pages left out</source>
        <translation>
            <numerusform>, %Ln page blanche omise</numerusform>
            <numerusform>, %Ln pages blanches omises</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Scan progress</source>
        <translation>Progression de la numérisation</translation>
    </message>
    <message>
        <source>The last page scanned</source>
        <translation>La dernière page numérisée</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
</context>
<context>
    <name>quillon::ReviewWindow</name>
    <message>
        <source>Review Pages</source>
        <translation>Vérifier les pages</translation>
    </message>
    <message>
        <source>Scanned pages</source>
        <translation>Pages numérisées</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Tourner à gauche</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Tourner à droite</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Garder</translation>
    </message>
    <message>
        <source>Saves a page the blank test left out after all.</source>
        <translation>Enregistre malgré tout une page écartée par le test de page blanche.</translation>
    </message>
    <message>
        <source>Move Earlier</source>
        <translation>Avancer</translation>
    </message>
    <message>
        <source>Move Later</source>
        <translation>Reculer</translation>
    </message>
    <message>
        <source>Scan More</source>
        <translation>Numériser davantage</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>1 page will be saved.</source>
        <translation>1 page sera enregistrée.</translation>
    </message>
    <message numerus="yes">
        <source>%n pages will be saved.</source>
        <translation>
            <numerusform>%Ln page sera enregistrée.</numerusform>
            <numerusform>%Ln pages seront enregistrées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Discard the 1 scanned page?</source>
        <translation>Abandonner la 1 page numérisée&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>Discard the %n scanned pages?</source>
        <translation>
            <numerusform>Abandonner la %Ln page numérisée&#xa0;?</numerusform>
            <numerusform>Abandonner les %Ln pages numérisées&#xa0;?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillon::ScanProgress</name>
    <message>
        <source>Stopping the scanner...</source>
        <translation>Arrêt du scanner…</translation>
    </message>
</context>
<context>
    <name>quillon::TextLanguageChoice</name>
    <message>
        <source>Text Language</source>
        <translation>Langue du texte</translation>
    </message>
    <message>
        <source>The languages the text of a Searchable PDF is read in. Check several for pages in more than one.</source>
        <translation>Les langues dans lesquelles le texte d’un PDF interrogeable est lu. Cochez-en plusieurs pour des pages en plusieurs langues.</translation>
    </message>
    <message>
        <source>%1 choices</source>
        <comment>a list&apos;s open items, named by its label</comment>
        <translation>Choix pour %1</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
</context>
</TS>
