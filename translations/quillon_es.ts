<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Desktop entry</name>
    <message>
        <source>Quillon</source>
        <translation>Quillon</translation>
    </message>
    <message>
        <source>Document Scanner</source>
        <translation>Escáner de documentos</translation>
    </message>
    <message>
        <source>Scan paper documents to PDF, TIFF, JPEG or PNG</source>
        <translation>Escanear documentos en papel a PDF, TIFF, JPEG o PNG</translation>
    </message>
    <message>
        <source>scan;scanner;document;PDF;TIFF;</source>
        <translation>escanear;escáner;documento;alimentador;PDF;TIFF;</translation>
    </message>
    <message>
        <source>Scan paper documents into one compact file</source>
        <translation>Escanear documentos en papel a un único archivo compacto</translation>
    </message>
    <message>
        <source>Quillon scans from the document feeder or the flatbed into one PDF or multi-page TIFF, or a single JPEG or PNG image, leaving out blank pages. A searchable PDF carries the text read from its pages, with pages scanned sideways or upside down turned upright.</source>
        <translation>Quillon escanea desde el alimentador de documentos o la cama plana a un único PDF o TIFF de varias páginas, o a una sola imagen JPEG o PNG, omitiendo las páginas en blanco. Un PDF con búsqueda contiene el texto leído de sus páginas, y las páginas escaneadas de lado o del revés se orientan correctamente.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number.</source>
        <translation>Desbordamiento: «%1» es un número demasiado grande.</translation>
    </message>
    <message>
        <source>Quillon Error Message</source>
        <translation>Mensaje de error de Quillon</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number.</source>
        <translation>Tipos incompatibles: «%1» no es un número.</translation>
    </message>
    <message>
        <source>ERROR: #%1 %2</source>
        <comment>a failure&apos;s number and its description</comment>
        <translation>ERROR: #%1 %2</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Memoria insuficiente.</translation>
    </message>
    <message>
        <source>Unknown failure.</source>
        <translation>Error desconocido.</translation>
    </message>
</context>
<context>
    <name>ImageFileSource</name>
    <message>
        <source>Image files</source>
        <translation>Archivos de imagen</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>No se encontró %1.</translation>
    </message>
    <message>
        <source>%1 holds no JPEG, PNG or TIFF image.</source>
        <translation>%1 no contiene ninguna imagen JPEG, PNG o TIFF.</translation>
    </message>
    <message>
        <source>%1 is not a JPEG, PNG or TIFF image.</source>
        <translation>%1 no es una imagen JPEG, PNG o TIFF.</translation>
    </message>
    <message>
        <source>No image file was given.</source>
        <translation>No se indicó ningún archivo de imagen.</translation>
    </message>
    <message>
        <source>Page %1 of %2 could not be read.</source>
        <translation>No se pudo leer la página %1 de %2.</translation>
    </message>
</context>
<context>
    <name>Imaging</name>
    <message>
        <source>A JPEG or PNG file holds one page only.</source>
        <translation>Un archivo JPEG o PNG contiene una sola página.</translation>
    </message>
    <message>
        <source>The image could not be encoded: </source>
        <translation>No se pudo codificar la imagen: </translation>
    </message>
    <message>
        <source>The image file has no page.</source>
        <translation>El archivo de imagen no tiene ninguna página.</translation>
    </message>
    <message>
        <source>An empty page cannot be written.</source>
        <translation>No se puede escribir una página vacía.</translation>
    </message>
    <message>
        <source>A page could not be compressed: </source>
        <translation>No se pudo comprimir una página: </translation>
    </message>
    <message>
        <source>A page could not be compressed as JPEG.</source>
        <translation>No se pudo comprimir una página como JPEG.</translation>
    </message>
    <message>
        <source>Reading the text of page %1 of %2</source>
        <translation>Leyendo el texto de la página %L1 de %L2</translation>
    </message>
    <message>
        <source>The page was saved without searchable text.</source>
        <translation>La página se guardó sin texto con búsqueda.</translation>
    </message>
    <message>
        <source>%1 of %2 pages were saved without searchable text.</source>
        <translation>Guardadas sin texto con búsqueda: %L1 de %L2 páginas.</translation>
    </message>
    <message>
        <source>There is not enough memory for a page this large: a lower resolution, or grey or black and white, needs less.</source>
        <translation>No hay memoria suficiente para una página tan grande: una resolución menor, o escala de grises o blanco y negro, necesita menos.</translation>
    </message>
    <message>
        <source>No document is open.</source>
        <translation>No hay ningún documento abierto.</translation>
    </message>
    <message>
        <source>The PDF file is already complete.</source>
        <translation>El archivo PDF ya está terminado.</translation>
    </message>
    <message>
        <source>The PDF file has no page.</source>
        <translation>El archivo PDF no tiene ninguna página.</translation>
    </message>
    <message>
        <source>The PDF file has no page %1.</source>
        <translation>El archivo PDF no tiene página %L1.</translation>
    </message>
    <message>
        <source>%1 is a link to a file that cannot be reached: %2.</source>
        <translation>%1 es un enlace a un archivo al que no se puede acceder: %2.</translation>
    </message>
    <message>
        <source>%1 is a device, a pipe or a socket, not a file.</source>
        <translation>%1 es un dispositivo, una tubería o un socket, no un archivo.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 es una carpeta, no un archivo.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 es un archivo, no una carpeta.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>Cannot write in %1: %2.</source>
        <translation>No se puede escribir en %1: %2.</translation>
    </message>
    <message>
        <source>No file is open.</source>
        <translation>No hay ningún archivo abierto.</translation>
    </message>
    <message>
        <source>Cannot save %1: %2.</source>
        <translation>No se puede guardar %1: %2.</translation>
    </message>
    <message>
        <source>%1 was given up: nothing was saved.</source>
        <translation>Se abandonó %1: no se guardó nada.</translation>
    </message>
    <message>
        <source>Quillon separator sheet</source>
        <translation>Hoja separadora de Quillon</translation>
    </message>
    <message>
        <source>Put this sheet between two documents in the feeder.
Print it at full size (100 %).</source>
        <translation>Ponga esta hoja entre dos documentos en el alimentador.
Imprímala a tamaño real (100 %).</translation>
    </message>
    <message>
        <source>The text-recognition engine could not be loaded (%1).</source>
        <translation>No se pudo cargar el motor de reconocimiento de texto (%1).</translation>
    </message>
    <message>
        <source>The text-recognition engine %1 is not one this program can use.</source>
        <translation>El motor de reconocimiento de texto %1 no es uno que este programa pueda usar.</translation>
    </message>
    <message>
        <source>The text-recognition languages &quot;%1&quot; could not be loaded.</source>
        <translation>No se pudieron cargar los idiomas de reconocimiento de texto «%1».</translation>
    </message>
    <message>
        <source>The text of a page could not be recognised.</source>
        <translation>No se pudo reconocer el texto de una página.</translation>
    </message>
    <message>
        <source>%1 needs the language data for %2, which is not installed. Install the package %3, or choose other languages. (Looked in %4.)</source>
        <translation>%1 necesita los datos de idioma de %2, que no están instalados. Instale el paquete %3 o elija otros idiomas. (Se buscó en %4.)</translation>
    </message>
    <message>
        <source>no folder</source>
        <translation>ninguna carpeta</translation>
    </message>
    <message>
        <source>Reading the pages&apos; text</source>
        <translation>La lectura del texto de las páginas</translation>
    </message>
    <message>
        <source>The text-recognition languages &quot;%1&quot; are not a list of language codes. Write codes joined by &quot;+&quot;, for example &quot;deu+eng&quot;.</source>
        <translation>Los idiomas de reconocimiento de texto «%1» no son una lista de códigos de idioma. Escriba códigos unidos por «+», por ejemplo «deu+eng».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no language that text recognition knows. Choose language codes such as &quot;eng&quot; or &quot;deu+eng&quot;.</source>
        <translation>«%1» no es un idioma que el reconocimiento de texto conozca. Elija códigos de idioma como «eng» o «deu+eng».</translation>
    </message>
    <message>
        <source>Turning pages upright needs the data for finding which way up a page is, which is not installed. Install the package tesseract-ocr-osd. (Looked in %1.)</source>
        <translation>Para orientar correctamente las páginas se necesitan los datos que detectan la orientación de una página, que no están instalados. Instale el paquete tesseract-ocr-osd. (Se buscó en %1.)</translation>
    </message>
    <message>
        <source>The TIFF file&apos;s header could not be read.</source>
        <translation>No se pudo leer la cabecera del archivo TIFF.</translation>
    </message>
    <message>
        <source>The TIFF file&apos;s page %1 could not be read.</source>
        <translation>No se pudo leer la página %L1 del archivo TIFF.</translation>
    </message>
    <message>
        <source>The TIFF file could not be read.</source>
        <translation>No se pudo leer el archivo TIFF.</translation>
    </message>
    <message>
        <source>A TIFF file needs at least one page.</source>
        <translation>Un archivo TIFF necesita al menos una página.</translation>
    </message>
    <message>
        <source>The TIFF file has no page %1.</source>
        <translation>El archivo TIFF no tiene página %L1.</translation>
    </message>
    <message>
        <source>The TIFF file&apos;s pages could not be put in order.</source>
        <translation>No se pudieron ordenar las páginas del archivo TIFF.</translation>
    </message>
    <message>
        <source>The TIFF file could not be started: </source>
        <translation>No se pudo crear el archivo TIFF: </translation>
    </message>
    <message>
        <source>The TIFF file is already complete.</source>
        <translation>El archivo TIFF ya está terminado.</translation>
    </message>
    <message>
        <source>The TIFF file has no page.</source>
        <translation>El archivo TIFF no tiene ninguna página.</translation>
    </message>
    <message>
        <source>The pages could not be held for review: </source>
        <translation>No se pudieron guardar las páginas para revisarlas: </translation>
    </message>
    <message>
        <source>A page held for review could not be read back.</source>
        <translation>No se pudo volver a leer una página guardada para revisar.</translation>
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
        <translation>Imagen TIFF</translation>
    </message>
    <message>
        <source>JPEG image</source>
        <translation>Imagen JPEG</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>Imagen PNG</translation>
    </message>
    <message>
        <source>%1 file</source>
        <comment>a file format&apos;s name</comment>
        <translation>Archivo %1</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>ERROR: Invalid File Selection. Please try again.</source>
        <translation>ERROR: Selección de archivo no válida. Inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Quillon Error</source>
        <translation>Error de Quillon</translation>
    </message>
    <message>
        <source>Please choose another file.</source>
        <translation>Elija otro archivo.</translation>
    </message>
    <message>
        <source>%1 is one of the system&apos;s own folders, where no file can be saved.</source>
        <translation>%1 es una de las carpetas propias del sistema, donde no se puede guardar ningún archivo.</translation>
    </message>
    <message>
        <source>%1 is too long a name for its folder.</source>
        <translation>%1 es un nombre demasiado largo para su carpeta.</translation>
    </message>
    <message>
        <source>%1 is a link to a file that does not exist.</source>
        <translation>%1 es un enlace a un archivo que no existe.</translation>
    </message>
    <message>
        <source>%1 is a device, a pipe or a socket, not a file.</source>
        <translation>%1 es un dispositivo, una tubería o un socket, no un archivo.</translation>
    </message>
    <message>
        <source>%1 is write-protected.</source>
        <translation>%1 está protegido contra escritura.</translation>
    </message>
    <message>
        <source>%1 belongs to another user, in a folder where only its owner may replace it.</source>
        <translation>%1 pertenece a otro usuario, en una carpeta donde solo su propietario puede reemplazarlo.</translation>
    </message>
</context>
<context>
    <name>PageReview</name>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>%1, separator sheet</source>
        <translation>%1, hoja separadora</translation>
    </message>
    <message>
        <source>%1, left out: blank</source>
        <translation>%1, omitida: en blanco</translation>
    </message>
</context>
<context>
    <name>PendingChangesRetry</name>
    <message>
        <source>Your last changes to the options could not be stored: %1.</source>
        <translation>No se pudieron guardar sus últimos cambios en las opciones: %1.</translation>
    </message>
    <message>
        <source>Your change is not stored yet: %1. It is kept, and stored as soon as it can be.</source>
        <translation>Su cambio aún no está guardado: %1. Se conserva y se guardará en cuanto sea posible.</translation>
    </message>
    <message>
        <source>Your changes are stored now.</source>
        <translation>Sus cambios ya están guardados.</translation>
    </message>
    <message>
        <source>another program holds the settings file %1</source>
        <translation>otro programa tiene bloqueado el archivo de configuración %1</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 pertenece a otro usuario</translation>
    </message>
    <message>
        <source>the settings file could not be written</source>
        <translation>no se pudo escribir el archivo de configuración</translation>
    </message>
    <message>
        <source>the settings file %1 could not be written</source>
        <translation>no se pudo escribir el archivo de configuración %1</translation>
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
        <translation>Uso: quillon-scan [OPCIONES] SALIDA
Escanea a SALIDA (%1) con las opciones guardadas por Quillon,
cambiadas solo para esta ejecución por las opciones dadas. Las opciones guardadas nunca cambian.

  -d, --device NOMBRE       el dispositivo SANE que usar, tal como SANE lo nombra; el nombre de un
                            backend solo («test») abre su primer dispositivo (predeterminado: el
                            último escáner elegido)
  -L, --list-devices        lista los escáneres, uno por línea: nombre SANE, fabricante y modelo
      --source auto|feeder|flatbed
                            auto: el alimentador, o la cama plana si está vacío
      --duplex, --no-duplex ambas caras, o solo el anverso
      --duplex manual       ambas caras con un alimentador que escanea una: los anversos y luego,
                            con la pila dada la vuelta, los reversos; las páginas salen intercaladas
      --mode bw|grey|colour bw: blanco y negro; grey o gray: escala de grises; colour o color: color
      --dpi N               %2
      --paper %3
      --quality 0..%4|compact  0 archivo más pequeño, %5 el predeterminado, %4 el mejor; compact:
                            las páginas de texto de un PDF como texto nítido sobre una imagen
                            pequeña del papel, varias veces menor (los demás formatos, como con el
                            predeterminado)
      --blank-threshold X   se omiten las páginas con menos tinta que X (de 0.001 a 0.05);
                            0 las conserva todas
      --contrast, --no-contrast, --crop, --no-crop, --deskew, --no-deskew
      --single, --multiple  una sola imagen, como con «Permitir varias páginas» sin marcar, o
                            muchas páginas en un archivo, como con la casilla marcada
      --split, --no-split   un archivo por documento, en las hojas separadoras (Patch T, o la hoja
                            que hace --print-separator): SALIDA, luego SALIDA-2, SALIDA-3…
      --print-separator ARCHIVO.pdf  escribe una hoja separadora para imprimir (una página Carta
                            y una A4)
      --searchable          un PDF con búsqueda: el texto de las páginas bajo la imagen, las
                            páginas bien orientadas; leído en los idiomas elegidos en Quillon, si
                            no en el suyo
      --languages CÓDIGOS   con --searchable: leer en estos idiomas, unidos por + (deu+eng)
      --timeout SEGUNDOS    cuánto tiempo puede el escáner no enviar nada antes de que el escaneo
                            termine (60)
  -q, --quiet               sin progreso, y sin mensaje si todo va bien
      --help, --version

Las preguntas se hacen en la terminal. Sin terminal, a «¿Escanear otra página?» se responde No, y
un alimentador vacío recurre a la cama plana (--source auto) o termina el escaneo (--source feeder).

Estado de salida: 0 se escribió el archivo; 1 un error de uso, o no se pudieron leer las opciones
guardadas; 2 ningún escáner, o no se pudo abrir;
3 el escaneo falló y no se escribió nada (se conserva un archivo anterior); 4 se guardaron algunas
páginas y después el escaneo falló; 128+N terminado por la señal N (130 tras Ctrl+C), sin dejar
ningún archivo parcial.
</translation>
    </message>
    <message>
        <source>--print-separator writes a .pdf file.</source>
        <translation>--print-separator escribe un archivo .pdf.</translation>
    </message>
    <message>
        <source>Give one OUTPUT file.</source>
        <translation>Indique un solo archivo SALIDA.</translation>
    </message>
    <message>
        <source>%1 names no format Quillon writes: use %2.</source>
        <translation>%1 no indica ningún formato que Quillon escriba: use %2.</translation>
    </message>
    <message>
        <source>--searchable needs a .pdf OUTPUT.</source>
        <translation>--searchable necesita una SALIDA .pdf.</translation>
    </message>
    <message>
        <source>--languages is for --searchable.</source>
        <translation>--languages solo sirve con --searchable.</translation>
    </message>
    <message>
        <source>--languages takes codes joined by +, such as deu+eng.</source>
        <translation>--languages admite códigos unidos por +, como deu+eng.</translation>
    </message>
    <message>
        <source>An option and its --no- form cannot both be given.</source>
        <translation>No se pueden dar a la vez una opción y su forma --no-.</translation>
    </message>
    <message>
        <source>Give one of --duplex, --duplex manual and --no-duplex.</source>
        <translation>Indique solo una de --duplex, --duplex manual y --no-duplex.</translation>
    </message>
    <message>
        <source>Give one of --single and --multiple.</source>
        <translation>Indique solo una de --single y --multiple.</translation>
    </message>
    <message>
        <source>--source takes auto, feeder or flatbed.</source>
        <translation>--source admite auto, feeder o flatbed.</translation>
    </message>
    <message>
        <source>--mode takes bw, grey or colour.</source>
        <translation>--mode admite bw, grey o colour.</translation>
    </message>
    <message>
        <source>--dpi takes one of %1.</source>
        <translation>--dpi admite uno de estos valores: %1.</translation>
    </message>
    <message>
        <source>--paper takes %1.</source>
        <translation>--paper admite %1.</translation>
    </message>
    <message>
        <source>--quality takes 0 to %1, or compact.</source>
        <translation>--quality admite de 0 a %1, o compact.</translation>
    </message>
    <message>
        <source>--timeout takes a number of seconds, 1 or more.</source>
        <translation>--timeout admite un número de segundos, 1 o más.</translation>
    </message>
    <message>
        <source>--blank-threshold takes 0, or 0.001 to 0.05 in steps of 0.001.</source>
        <translation>--blank-threshold admite 0, o de 0.001 a 0.05 en pasos de 0.001.</translation>
    </message>
    <message>
        <source>No scanner was found.</source>
        <translation>No se encontró ningún escáner.</translation>
    </message>
    <message>
        <source>The separator sheet could not be written: %1</source>
        <translation>No se pudo escribir la hoja separadora: %1</translation>
    </message>
    <message>
        <source>A separator sheet to print at full size (a Letter page and an A4 page): %1</source>
        <translation>Una hoja separadora para imprimir a tamaño real (una página Carta y una A4): %1</translation>
    </message>
    <message>
        <source>quillon-scan --help tells how to use it.</source>
        <translation>quillon-scan --help explica cómo usarlo.</translation>
    </message>
    <message>
        <source>The stored options could not be read: %1 belongs to another user. Nothing was scanned.</source>
        <translation>No se pudieron leer las opciones guardadas: %1 pertenece a otro usuario. No se escaneó nada.</translation>
    </message>
    <message>
        <source>The stored options could not be read (%1 is held by another program, or is a link to something that is not Quillon&apos;s settings): nothing was scanned.</source>
        <translation>No se pudieron leer las opciones guardadas (otro programa tiene bloqueado %1, o es un enlace a algo que no es la configuración de Quillon): no se escaneó nada.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>No scanner is named %1. quillon-scan --list-devices lists them.</source>
        <translation>Ningún escáner se llama %1. quillon-scan --list-devices los lista.</translation>
    </message>
    <message>
        <source>The scanner used last, %1, could not be opened. quillon-scan --list-devices lists the scanners; -d NAME chooses one.</source>
        <translation>No se pudo abrir el último escáner usado, %1. quillon-scan --list-devices lista los escáneres; -d NOMBRE elige uno.</translation>
    </message>
    <message>
        <source>Without a terminal, no one could be asked to turn the stack over for the back sides.</source>
        <translation>Sin terminal, no se pudo pedir a nadie que diera la vuelta a la pila para los reversos.</translation>
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
        <translation>c</translation>
    </message>
    <message>
        <source>[y/n/c]</source>
        <comment>the keys that answer Yes, No and Cancel</comment>
        <translation>[s/n/c]</translation>
    </message>
    <message>
        <source>[y/n]</source>
        <comment>the keys that answer Yes and No</comment>
        <translation>[s/n]</translation>
    </message>
    <message>
        <source>Load the documents into the feeder. Retry? [y] yes, [n] use the flatbed, [c] cancel</source>
        <translation>Cargue los documentos en el alimentador. ¿Reintentar? [s] sí, [n] usar la cama plana, [c] cancelar</translation>
    </message>
    <message>
        <source>Put the next page on the flatbed. Scan it? [y] yes, [n] no, save the file</source>
        <translation>Ponga la página siguiente en la cama plana. ¿Escanearla? [s] sí, [n] no, guardar el archivo</translation>
    </message>
    <message>
        <source>Turn the stack over, without changing its order, and load it into the feeder again. Scan the back sides? [y] yes, [n] keep the front sides only</source>
        <translation>Dé la vuelta a la pila sin cambiar su orden y vuelva a cargarla en el alimentador. ¿Escanear los reversos? [s] sí, [n] conservar solo los anversos</translation>
    </message>
    <message>
        <source>Save every page, the unmatched ones at the end? [y] yes, [n] keep the front sides only</source>
        <translation>¿Guardar todas las páginas, las que no tienen pareja al final? [s] sí, [n] conservar solo los anversos</translation>
    </message>
    <message>
        <source>Scanning page %1: %2 %</source>
        <translation>Escaneando la página %1: %2 %</translation>
    </message>
    <message>
        <source>%1 (no terminal to ask)</source>
        <comment>the answer given</comment>
        <translation>%1 (no hay terminal para preguntar)</translation>
    </message>
    <message>
        <source>%1 (document %2)</source>
        <translation>%L1 (documento %L2)</translation>
    </message>
    <message>
        <source>Scanning page %1</source>
        <translation>Escaneando la página %1</translation>
    </message>
    <message>
        <source>
Image files in place of a scanner:
      --from PATH           JPEG, PNG and TIFF files (every page of a TIFF), or a folder&apos;s images
                            in the order of their names, as the pages of a feeder; give it again
                            for more. The stored options apply as to a scan.
</source>
        <translation>
Archivos de imagen en lugar de un escáner:
      --from RUTA           archivos JPEG, PNG y TIFF (cada página de un TIFF), o las imágenes de una
                            carpeta en el orden de sus nombres, como las páginas de un alimentador;
                            repítalo para añadir más. Las opciones guardadas se aplican como al escanear.
</translation>
    </message>
    <message>
        <source>Give one of --from and --device.</source>
        <translation>Indique solo uno de --from y --device.</translation>
    </message>
    <message>
        <source>--from takes each image as a page of its own: --duplex is for a scanner.</source>
        <translation>--from toma cada imagen como una página propia: --duplex es para un escáner.</translation>
    </message>
    <message>
        <source>--from takes the images as a feeder&apos;s pages: --source flatbed is for a scanner.</source>
        <translation>--from toma las imágenes como páginas de un alimentador: --source flatbed es para un escáner.</translation>
    </message>
    <message>
        <source>%1 holds one image, and %2 were given: write them to a .pdf or .tiff file.</source>
        <translation>%1 contiene una sola imagen y se indicaron %2: escríbalas en un archivo .pdf o .tiff.</translation>
    </message>
</context>
<context>
    <name>RunScan</name>
    <message>
        <source>User Canceled Scan</source>
        <translation>Escaneo cancelado por el usuario</translation>
    </message>
    <message>
        <source>ERROR: Invalid DPI Selected. (%1) Please select a correct option.</source>
        <translation>ERROR: Resolución (PPP) elegida no válida. (%1) Elija una opción correcta.</translation>
    </message>
    <message>
        <source>ERROR: Invalid Scan Color Option Selected. (%1) Please select a correct option.</source>
        <translation>ERROR: Opción de color elegida no válida. (%1) Elija una opción correcta.</translation>
    </message>
    <message>
        <source>ERROR: Invalid Duplex Option Selected. (%1) Please select a correct option.</source>
        <translation>ERROR: Opción de dúplex elegida no válida. (%1) Elija una opción correcta.</translation>
    </message>
    <message>
        <source>ERROR: Invalid PageRejectionCoverage Selected. (%1) Please select a correct option.</source>
        <translation>ERROR: Umbral de página en blanco (PageRejectionCoverage) elegido no válido. (%1) Elija una opción correcta.</translation>
    </message>
    <message>
        <source>ERROR: Searchable PDF cannot be made.</source>
        <translation>ERROR: No se puede crear el PDF con búsqueda.</translation>
    </message>
    <message>
        <source>You have selected a WIA scanner, but did not check the WIA option. This may lead to unexpected problems.</source>
        <translation>Ha elegido un escáner WIA, pero no ha marcado la opción WIA. Esto puede causar problemas inesperados.</translation>
    </message>
    <message>
        <source>Quillon Warning</source>
        <translation>Advertencia de Quillon</translation>
    </message>
    <message>
        <source>Please load the documents into the Auto-Document Feeder.</source>
        <translation>Cargue los documentos en el alimentador automático de documentos.</translation>
    </message>
    <message>
        <source>Click YES to retry or</source>
        <translation>Pulse SÍ para reintentar o</translation>
    </message>
    <message>
        <source>Click NO to use the flatbed or other scan head (if equipped).</source>
        <translation>NO para usar la cama plana u otro cabezal de escaneo (si lo hay).</translation>
    </message>
    <message>
        <source>Scan Another Page?</source>
        <translation>¿Escanear otra página?</translation>
    </message>
    <message>
        <source>Quillon Question</source>
        <translation>Pregunta de Quillon</translation>
    </message>
    <message>
        <source>%1 front sides but %2 back sides were scanned.</source>
        <translation>Se escanearon %L1 anversos pero %L2 reversos.</translation>
    </message>
    <message>
        <source>Click YES to save every page, the unmatched ones at the end, or NO to keep the front sides only.</source>
        <translation>Pulse SÍ para guardar todas las páginas, las que no tienen pareja al final, o NO para conservar solo los anversos.</translation>
    </message>
    <message>
        <source>1 back side belongs to no front side; it goes at the end.</source>
        <translation>1 reverso no corresponde a ningún anverso; va al final.</translation>
    </message>
    <message numerus="yes">
        <source>%n back sides belong to no front side; they go at the end.</source>
        <translation>
            <numerusform>%Ln reverso no corresponde a ningún anverso; va al final.</numerusform>
            <numerusform>%Ln reversos no corresponden a ningún anverso; van al final.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sheet 1 has no back side.</source>
        <translation>La hoja 1 no tiene reverso.</translation>
    </message>
    <message>
        <source>Sheets %1 and %2 have no back side.</source>
        <translation>Las hojas %1 y %2 no tienen reverso.</translation>
    </message>
    <message>
        <source>The scan stopped at back side %1 of %2 (the back of sheet %3).</source>
        <translation>El escaneo se detuvo en el reverso %L1 de %L2 (el reverso de la hoja %L3).</translation>
    </message>
    <message>
        <source>Documents saved before:</source>
        <translation>Documentos guardados antes:</translation>
    </message>
    <message>
        <source>TWAIN Error #%1 %2</source>
        <comment>the library&apos;s error number and its text</comment>
        <translation>Error de TWAIN #%1 %2</translation>
    </message>
    <message>
        <source>Could not locate file: %1</source>
        <translation>No se encontró el archivo: %1</translation>
    </message>
    <message>
        <source>Nothing was saved to: %1</source>
        <translation>No se guardó nada en: %1</translation>
    </message>
    <message>
        <source>The file that was already there has not been changed.</source>
        <translation>El archivo que ya estaba allí no se ha modificado.</translation>
    </message>
    <message>
        <source>The back sides did not match them and were left out.</source>
        <translation>Los reversos no coincidían con ellos y se omitieron.</translation>
    </message>
    <message>
        <source>The stack was not turned over for the back sides.</source>
        <translation>No se dio la vuelta a la pila para los reversos.</translation>
    </message>
    <message>
        <source>Only the front sides were saved to:</source>
        <translation>Solo se guardaron los anversos en:</translation>
    </message>
    <message>
        <source>Scanned Successfully to:</source>
        <translation>Escaneado correctamente en:</translation>
    </message>
    <message>
        <source>Quillon Successful</source>
        <translation>Quillon – Éxito</translation>
    </message>
    <message>
        <source>1 page was saved to:</source>
        <translation>Se guardó 1 página en:</translation>
    </message>
    <message numerus="yes">
        <source>%n pages were saved to:</source>
        <translation>
            <numerusform>Se guardó %Ln página en:</numerusform>
            <numerusform>Se guardaron %Ln páginas en:</numerusform>
        </translation>
    </message>
    <message>
        <source>The file already at %1 was kept as it was.</source>
        <translation>El archivo que ya estaba en %1 se conservó tal como estaba.</translation>
    </message>
    <message>
        <source>ERROR: An error occurred while scanning.</source>
        <translation>ERROR: Se produjo un error durante el escaneo.</translation>
    </message>
    <message>
        <source>Quillon Scanning Error</source>
        <translation>Error de escaneo de Quillon</translation>
    </message>
    <message>
        <source>Quillon Information</source>
        <translation>Información de Quillon</translation>
    </message>
    <message>
        <source>Canceled Scan</source>
        <translation>Escaneo cancelado</translation>
    </message>
    <message>
        <source>Warning: An attempt was made to enable duplex scanning, however your scanner either does not support it, or does not behave according to the TWAIN specifications.</source>
        <translation>Advertencia: Se intentó activar el escaneo dúplex, pero su escáner no lo admite o no se comporta según las especificaciones TWAIN.</translation>
    </message>
    <message>
        <source>%1 (1 page)</source>
        <comment>a file and its pages</comment>
        <translation>%1 (1 página)</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n pages)</source>
        <comment>a file and its pages</comment>
        <translation>
            <numerusform>%1 (%Ln página)</numerusform>
            <numerusform>%1 (%Ln páginas)</numerusform>
        </translation>
    </message>
    <message>
        <source>Turn the stack over, without changing its order, and load it into the feeder again. Click YES to scan the back sides or NO to keep the front sides only.</source>
        <translation>Dé la vuelta a la pila sin cambiar su orden y vuelva a cargarla en el alimentador. Pulse SÍ para escanear los reversos o NO para conservar solo los anversos.</translation>
    </message>
</context>
<context>
    <name>SaneLibrary</name>
    <message>
        <source>The scanner has sent nothing for %1 s. The scan ends by itself after %2 s; Cancel ends it now.</source>
        <translation>El escáner lleva %L1 s sin enviar nada. El escaneo terminará solo tras %L2 s; Cancelar lo termina ahora.</translation>
    </message>
    <message>
        <source>Looking for scanners...</source>
        <translation>Buscando escáneres…</translation>
    </message>
    <message>
        <source>Waiting for the scanner to be let go...</source>
        <translation>Esperando a que se libere el escáner…</translation>
    </message>
    <message>
        <source>Opening the scanner...</source>
        <translation>Abriendo el escáner…</translation>
    </message>
    <message>
        <source>Saving the document...</source>
        <translation>Guardando el documento…</translation>
    </message>
    <message>
        <source>Waiting for page %1...</source>
        <translation>Esperando la página %L1…</translation>
    </message>
</context>
<context>
    <name>ScannerErrors</name>
    <message>
        <source>The scan was cancelled.</source>
        <translation>Se canceló el escaneo.</translation>
    </message>
    <message>
        <source>The document feeder is empty.</source>
        <translation>El alimentador de documentos está vacío.</translation>
    </message>
    <message>
        <source>The document feeder is jammed.</source>
        <translation>El alimentador de documentos está atascado.</translation>
    </message>
    <message>
        <source>The scanner cover is open.</source>
        <translation>La tapa del escáner está abierta.</translation>
    </message>
    <message>
        <source>The scanner stopped answering. Check its cable and power.</source>
        <translation>El escáner dejó de responder. Compruebe el cable y la alimentación.</translation>
    </message>
    <message>
        <source>The scanner is busy.</source>
        <translation>El escáner está ocupado.</translation>
    </message>
    <message>
        <source>There is not enough memory for a page this large: a lower resolution, or grey or black and white, needs less.</source>
        <translation>No hay memoria suficiente para una página tan grande: una resolución menor, o escala de grises o blanco y negro, necesita menos.</translation>
    </message>
    <message>
        <source>You are not allowed to use this scanner.</source>
        <translation>No tiene permiso para usar este escáner.</translation>
    </message>
    <message>
        <source>The scanner could not be found. It may have been unplugged.</source>
        <translation>No se encontró el escáner. Puede que se haya desconectado.</translation>
    </message>
    <message>
        <source>The scanner does not support this operation.</source>
        <translation>El escáner no admite esta operación.</translation>
    </message>
    <message>
        <source>The scanner refused a setting.</source>
        <translation>El escáner rechazó un ajuste.</translation>
    </message>
    <message>
        <source>No scanner is open.</source>
        <translation>No hay ningún escáner abierto.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>No se pudo escribir el archivo.</translation>
    </message>
    <message>
        <source>This file type cannot be written.</source>
        <translation>No se puede escribir este tipo de archivo.</translation>
    </message>
    <message>
        <source>No page was scanned, so no file was written.</source>
        <translation>No se escaneó ninguna página, así que no se escribió ningún archivo.</translation>
    </message>
    <message>
        <source>The scanner sent an incomplete page.</source>
        <translation>El escáner envió una página incompleta.</translation>
    </message>
    <message>
        <source>The scanner lamp is still warming up. Try again in a moment.</source>
        <translation>La lámpara del escáner aún se está calentando. Inténtelo de nuevo en un momento.</translation>
    </message>
    <message>
        <source>The scanner is locked for transport. Unlock it and try again.</source>
        <translation>El escáner está bloqueado para el transporte. Desbloquéelo e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>The scanner stopped answering.</source>
        <translation>El escáner dejó de responder.</translation>
    </message>
    <message>
        <source>The system refused:</source>
        <translation>El sistema lo rechazó:</translation>
    </message>
    <message>
        <source>The scanner sent a page that could not be read: its image was damaged, or the connection broke off.</source>
        <translation>El escáner envió una página que no se pudo leer: su imagen estaba dañada o se cortó la conexión.</translation>
    </message>
    <message>
        <source>The scanner library failed unexpectedly.</source>
        <translation>La biblioteca del escáner falló de forma inesperada.</translation>
    </message>
    <message>
        <source>An image file could not be used:</source>
        <translation>No se pudo usar un archivo de imagen:</translation>
    </message>
</context>
<context>
    <name>SelectScanner</name>
    <message>
        <source>Select Scanner</source>
        <translation>Elegir escáner</translation>
    </message>
    <message>
        <source>No scanner was found. Check that it is connected and switched on, then press SCAN again.</source>
        <translation>No se encontró ningún escáner. Compruebe que está conectado y encendido, y pulse ESCANEAR de nuevo.</translation>
    </message>
    <message>
        <source>Scan with:</source>
        <translation>Escanear con:</translation>
    </message>
    <message>
        <source>Scanners</source>
        <translation>Escáneres</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Scanning page %1...</source>
        <translation>Escaneando la página %L1…</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Searchable PDF</source>
        <translation>PDF con búsqueda</translation>
    </message>
    <message>
        <source>Poor - Smallest Size</source>
        <translation>Mínima – archivo más pequeño</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baja</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Good - Default</source>
        <translation>Buena – predeterminada</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Highest - Largest Size</source>
        <translation>Máxima – archivo más grande</translation>
    </message>
    <message>
        <source>Compact - Text Pages</source>
        <translation>Compacta – páginas de texto</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Legal</translation>
    </message>
    <message>
        <source>Black &amp; White</source>
        <translation>Blanco y negro</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Escala de grises</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Front Only</source>
        <translation>Solo anverso</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Dúplex</translation>
    </message>
    <message>
        <source>Manual Duplex (turn the stack)</source>
        <translation>Dúplex manual (dar la vuelta a la pila)</translation>
    </message>
    <message>
        <source>The settings file %1 is a link to something that is not Quillon&apos;s settings; it is left as it is, and the options are not stored.</source>
        <translation>El archivo de configuración %1 es un enlace a algo que no es la configuración de Quillon; se deja como está, y las opciones no se guardan.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be used as Quillon&apos;s; it was kept as %2, and a fresh one was started.</source>
        <translation>No se pudo usar el archivo de configuración %1 como el de Quillon; se conservó como %2 y se creó uno nuevo.</translation>
    </message>
    <message>
        <source>checked</source>
        <translation>marcada</translation>
    </message>
    <message>
        <source>unchecked</source>
        <translation>sin marcar</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes long</source>
        <translation>
            <numerusform>de %Ln byte de largo</numerusform>
            <numerusform>de %Ln bytes de largo</numerusform>
        </translation>
    </message>
    <message>
        <source>The stored value of %1, %2, cannot be used; its default (%3) is used instead.</source>
        <translation>El valor guardado de %1, %2, no se puede usar; se usa en su lugar el predeterminado (%3).</translation>
    </message>
</context>
<context>
    <name>quillon</name>
    <message>
        <source>Scans paper documents into one PDF, TIFF, JPEG or PNG file.</source>
        <translation>Escanea documentos en papel a un único archivo PDF, TIFF, JPEG o PNG.</translation>
    </message>
</context>
<context>
    <name>quillon::Main</name>
    <message>
        <source>%1 choices</source>
        <comment>a list&apos;s open items, named by its label</comment>
        <translation>Opciones de %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>The stored options could not be read (another program holds them, or the settings file is a link to something else); the defaults are shown, and the stored options are kept as they are.</source>
        <translation>No se pudieron leer las opciones guardadas (otro programa las tiene bloqueadas, o el archivo de configuración es un enlace a otra cosa); se muestran los valores predeterminados, y las opciones guardadas se quedan como están.</translation>
    </message>
    <message>
        <source>SCAN</source>
        <translation>ESCANEAR</translation>
    </message>
    <message>
        <source>Try ADF First</source>
        <translation>Alimentador primero</translation>
    </message>
    <message>
        <source>Will try to feed from the ADF (if available) first, otherwise it will then try the flatbed.</source>
        <translation>Intenta primero escanear desde el alimentador automático de documentos (si lo hay) y, si no, desde la cama plana.</translation>
    </message>
    <message>
        <source>Allow Multiple Pages</source>
        <translation>Permitir varias páginas</translation>
    </message>
    <message>
        <source>Controls whether the ADF will scan all available pages or whether the user will be prompted to add additional pages.</source>
        <translation>Determina si el alimentador escanea todas las páginas cargadas o si se le pedirá que añada más páginas.</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>PPP</translation>
    </message>
    <message>
        <source>Sets the Initial Scan Quality.</source>
        <translation>Establece la resolución del escaneo.</translation>
    </message>
    <message>
        <source>Scan Type</source>
        <translation>Modo de color</translation>
    </message>
    <message>
        <source>Sets the Scan Color Settings.</source>
        <translation>Establece el ajuste de color del escaneo.</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Dúplex</translation>
    </message>
    <message>
        <source>Sets the Sides of the Paper Scaned.</source>
        <translation>Establece qué caras del papel se escanean.</translation>
    </message>
    <message>
        <source>Page Rejection</source>
        <translation>Umbral de página en blanco</translation>
    </message>
    <message>
        <source>Sets the percantage of ink coverage per page necessary to include the page.</source>
        <translation>Establece qué porcentaje de una página debe tener tinta para que la página se incluya.</translation>
    </message>
    <message>
        <source>Quillon document scanner · v 1.07</source>
        <translation>Quillon, escáner de documentos · v 1.07</translation>
    </message>
    <message>
        <source>Auto Crop</source>
        <translation>Recorte automático</translation>
    </message>
    <message>
        <source>Automatically crops the excess area from the scan. (Used for photos only)</source>
        <translation>Recorta automáticamente el área sobrante del escaneo. (Solo para fotos)</translation>
    </message>
    <message>
        <source>Auto Deskew</source>
        <translation>Enderezado automático</translation>
    </message>
    <message>
        <source>Will automatically rotate pages that are not aligned correctly in the scanner.</source>
        <translation>Endereza automáticamente las páginas que estaban torcidas en el escáner.</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Sets the resulting file format.</source>
        <translation>Establece el formato del archivo resultante.</translation>
    </message>
    <message>
        <source>WIA</source>
        <translation>WIA</translation>
    </message>
    <message>
        <source>Changes various internal settings to be work better with Windows Image Aquisition (WIA) scanners.</source>
        <translation>Cambia varios ajustes internos para que los escáneres Windows Image Acquisition (WIA) funcionen mejor.</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Predeterminados</translation>
    </message>
    <message>
        <source>Auto Contrast</source>
        <translation>Contraste automático</translation>
    </message>
    <message>
        <source>Automatically adjusts contrast levels.</source>
        <translation>Ajusta automáticamente el contraste.</translation>
    </message>
    <message>
        <source>Quality (Size)</source>
        <translation>Calidad (tamaño)</translation>
    </message>
    <message>
        <source>Sets the result file format compression.</source>
        <translation>Establece la compresión del archivo resultante.</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>Papel</translation>
    </message>
    <message>
        <source>Split at Separator Sheets</source>
        <translation>Dividir en hojas separadoras</translation>
    </message>
    <message>
        <source>Starts a new file at each separator sheet in the stack: a printed Patch T sheet, or the sheet that quillon-scan --print-separator makes. The separator sheets themselves are not kept.</source>
        <translation>Empieza un archivo nuevo en cada hoja separadora de la pila: una hoja Patch T impresa, o la hoja que hace quillon-scan --print-separator. Las propias hojas separadoras no se conservan.</translation>
    </message>
    <message>
        <source>PDF pages of text are written as sharp text over a small picture of the paper, several times smaller. A page below 150 dpi, of faint ink, mostly picture or of print too small is kept as with Good - Default, as are TIFF, JPEG and PNG files.</source>
        <translation>Las páginas de texto de un PDF se escriben como texto nítido sobre una imagen pequeña del papel, varias veces menor. Una página de menos de 150 ppp, de tinta tenue, sobre todo imagen o de letra demasiado pequeña se escribe como con «Buena – predeterminada», igual que los archivos TIFF, JPEG y PNG.</translation>
    </message>
    <message>
        <source>The Auto-Crop feature is intended to only be used for photographs and should not be used for documents as it may produce unexpected results.</source>
        <translation>El recorte automático está pensado solo para fotografías y no debería usarse con documentos, ya que puede dar resultados inesperados.</translation>
    </message>
    <message>
        <source>The stored options could not be read: %1 belongs to another user. The defaults are shown, and the stored options are kept as they are.</source>
        <translation>No se pudieron leer las opciones guardadas: %1 pertenece a otro usuario. Se muestran los valores predeterminados, y las opciones guardadas se quedan como están.</translation>
    </message>
    <message>
        <source>Quillon Information</source>
        <translation>Información de Quillon</translation>
    </message>
    <message>
        <source>Review Pages Before Saving</source>
        <translation>Revisar páginas antes de guardar</translation>
    </message>
    <message>
        <source>Shows the scanned pages before the file is written: turn, delete, reorder or keep pages the blank test left out, and scan more.</source>
        <translation>Muestra las páginas escaneadas antes de escribir el archivo: girar, eliminar, reordenar o conservar páginas que la prueba de página en blanco omitió, y escanear más.</translation>
    </message>
</context>
<context>
    <name>quillon::ProgressWindow</name>
    <message>
        <source>1 page</source>
        <translation>1 página</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%Ln página</numerusform>
            <numerusform>%Ln páginas</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 blank page left out</source>
        <translation>, 1 página en blanco omitida</translation>
    </message>
    <message numerus="yes">
        <source>, %n blank pages left out</source>
        <translation>
            <numerusform>, %Ln página en blanco omitida</numerusform>
            <numerusform>, %Ln páginas en blanco omitidas</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Scan progress</source>
        <translation>Progreso del escaneo</translation>
    </message>
    <message>
        <source>The last page scanned</source>
        <translation>La última página escaneada</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
</context>
<context>
    <name>quillon::ReviewWindow</name>
    <message>
        <source>Review Pages</source>
        <translation>Revisar páginas</translation>
    </message>
    <message>
        <source>Scanned pages</source>
        <translation>Páginas escaneadas</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Conservar</translation>
    </message>
    <message>
        <source>Saves a page the blank test left out after all.</source>
        <translation>Guarda igualmente una página que la prueba de página en blanco omitió.</translation>
    </message>
    <message>
        <source>Move Earlier</source>
        <translation>Mover antes</translation>
    </message>
    <message>
        <source>Move Later</source>
        <translation>Mover después</translation>
    </message>
    <message>
        <source>Scan More</source>
        <translation>Escanear más</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>1 page will be saved.</source>
        <translation>Se guardará 1 página.</translation>
    </message>
    <message numerus="yes">
        <source>%n pages will be saved.</source>
        <translation>
            <numerusform>Se guardará %Ln página.</numerusform>
            <numerusform>Se guardarán %Ln páginas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Discard the 1 scanned page?</source>
        <translation>¿Descartar la 1 página escaneada?</translation>
    </message>
    <message numerus="yes">
        <source>Discard the %n scanned pages?</source>
        <translation>
            <numerusform>¿Descartar la %Ln página escaneada?</numerusform>
            <numerusform>¿Descartar las %Ln páginas escaneadas?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillon::ScanProgress</name>
    <message>
        <source>Stopping the scanner...</source>
        <translation>Deteniendo el escáner…</translation>
    </message>
</context>
<context>
    <name>quillon::TextLanguageChoice</name>
    <message>
        <source>Text Language</source>
        <translation>Idioma del texto</translation>
    </message>
    <message>
        <source>The languages the text of a Searchable PDF is read in. Check several for pages in more than one.</source>
        <translation>Los idiomas en los que se lee el texto de un PDF con búsqueda. Marque varios para páginas en más de un idioma.</translation>
    </message>
    <message>
        <source>%1 choices</source>
        <comment>a list&apos;s open items, named by its label</comment>
        <translation>Opciones de %1</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
</context>
</TS>
