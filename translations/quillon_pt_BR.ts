<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Desktop entry</name>
    <message>
        <source>Quillon</source>
        <translation>Quillon</translation>
    </message>
    <message>
        <source>Document Scanner</source>
        <translation>Digitalizador de documentos</translation>
    </message>
    <message>
        <source>Scan paper documents to PDF, TIFF, JPEG or PNG</source>
        <translation>Digitalize documentos em papel para PDF, TIFF, JPEG ou PNG</translation>
    </message>
    <message>
        <source>scan;scanner;document;PDF;TIFF;</source>
        <translation>digitalizar;digitalizador;escanear;scanner;documento;alimentador;PDF;TIFF;</translation>
    </message>
    <message>
        <source>Scan paper documents into one compact file</source>
        <translation>Digitalize documentos em papel em um único arquivo compacto</translation>
    </message>
    <message>
        <source>Quillon scans from the document feeder or the flatbed into one PDF or multi-page TIFF, or a single JPEG or PNG image, leaving out blank pages. A searchable PDF carries the text read from its pages, with pages scanned sideways or upside down turned upright.</source>
        <translation>O Quillon digitaliza do alimentador automático de documentos ou da mesa digitalizadora para um único PDF ou TIFF de várias páginas, ou para uma única imagem JPEG ou PNG, deixando de fora as páginas em branco. Um PDF pesquisável contém o texto lido das suas páginas, e as páginas digitalizadas de lado ou de cabeça para baixo são endireitadas.</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number.</source>
        <translation>Estouro: “%1” é um número grande demais.</translation>
    </message>
    <message>
        <source>Quillon Error Message</source>
        <translation>Mensagem de erro do Quillon</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number.</source>
        <translation>Tipos incompatíveis: “%1” não é um número.</translation>
    </message>
    <message>
        <source>ERROR: #%1 %2</source>
        <comment>a failure&apos;s number and its description</comment>
        <translation>ERRO: #%1 %2</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Memória insuficiente.</translation>
    </message>
    <message>
        <source>Unknown failure.</source>
        <translation>Falha desconhecida.</translation>
    </message>
</context>
<context>
    <name>ImageFileSource</name>
    <message>
        <source>Image files</source>
        <translation>Arquivos de imagem</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>%1 não foi encontrado.</translation>
    </message>
    <message>
        <source>%1 holds no JPEG, PNG or TIFF image.</source>
        <translation>%1 não contém nenhuma imagem JPEG, PNG ou TIFF.</translation>
    </message>
    <message>
        <source>%1 is not a JPEG, PNG or TIFF image.</source>
        <translation>%1 não é uma imagem JPEG, PNG ou TIFF.</translation>
    </message>
    <message>
        <source>No image file was given.</source>
        <translation>Nenhum arquivo de imagem foi indicado.</translation>
    </message>
    <message>
        <source>Page %1 of %2 could not be read.</source>
        <translation>Não foi possível ler a página %1 de %2.</translation>
    </message>
</context>
<context>
    <name>Imaging</name>
    <message>
        <source>A JPEG or PNG file holds one page only.</source>
        <translation>Um arquivo JPEG ou PNG contém uma única página.</translation>
    </message>
    <message>
        <source>The image could not be encoded: </source>
        <translation>Não foi possível codificar a imagem: </translation>
    </message>
    <message>
        <source>The image file has no page.</source>
        <translation>O arquivo de imagem não tem nenhuma página.</translation>
    </message>
    <message>
        <source>An empty page cannot be written.</source>
        <translation>Não é possível gravar uma página vazia.</translation>
    </message>
    <message>
        <source>A page could not be compressed: </source>
        <translation>Não foi possível comprimir uma página: </translation>
    </message>
    <message>
        <source>A page could not be compressed as JPEG.</source>
        <translation>Não foi possível comprimir uma página como JPEG.</translation>
    </message>
    <message>
        <source>Reading the text of page %1 of %2</source>
        <translation>Lendo o texto da página %L1 de %L2</translation>
    </message>
    <message>
        <source>The page was saved without searchable text.</source>
        <translation>A página foi salva sem texto pesquisável.</translation>
    </message>
    <message>
        <source>%1 of %2 pages were saved without searchable text.</source>
        <translation>%L1 de %L2 páginas foram salvas sem texto pesquisável.</translation>
    </message>
    <message>
        <source>There is not enough memory for a page this large: a lower resolution, or grey or black and white, needs less.</source>
        <translation>Não há memória suficiente para uma página tão grande: uma resolução menor, ou tons de cinza ou preto e branco, precisam de menos.</translation>
    </message>
    <message>
        <source>No document is open.</source>
        <translation>Nenhum documento está aberto.</translation>
    </message>
    <message>
        <source>The PDF file is already complete.</source>
        <translation>O arquivo PDF já está concluído.</translation>
    </message>
    <message>
        <source>The PDF file has no page.</source>
        <translation>O arquivo PDF não tem nenhuma página.</translation>
    </message>
    <message>
        <source>The PDF file has no page %1.</source>
        <translation>O arquivo PDF não tem a página %L1.</translation>
    </message>
    <message>
        <source>%1 is a link to a file that cannot be reached: %2.</source>
        <translation>%1 é um link para um arquivo inacessível: %2.</translation>
    </message>
    <message>
        <source>%1 is a device, a pipe or a socket, not a file.</source>
        <translation>%1 é um dispositivo, um pipe ou um socket, não um arquivo.</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 é uma pasta, não um arquivo.</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 é um arquivo, não uma pasta.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>A pasta %1 não existe.</translation>
    </message>
    <message>
        <source>Cannot write in %1: %2.</source>
        <translation>Não é possível gravar em %1: %2.</translation>
    </message>
    <message>
        <source>No file is open.</source>
        <translation>Nenhum arquivo está aberto.</translation>
    </message>
    <message>
        <source>Cannot save %1: %2.</source>
        <translation>Não é possível salvar %1: %2.</translation>
    </message>
    <message>
        <source>%1 was given up: nothing was saved.</source>
        <translation>%1 foi descartado: nada foi salvo.</translation>
    </message>
    <message>
        <source>Quillon separator sheet</source>
        <translation>Folha separadora do Quillon</translation>
    </message>
    <message>
        <source>Put this sheet between two documents in the feeder.
Print it at full size (100 %).</source>
        <translation>Coloque esta folha entre dois documentos no alimentador.
Imprima-a em tamanho real (100%).</translation>
    </message>
    <message>
        <source>The text-recognition engine could not be loaded (%1).</source>
        <translation>Não foi possível carregar o mecanismo de reconhecimento de texto (%1).</translation>
    </message>
    <message>
        <source>The text-recognition engine %1 is not one this program can use.</source>
        <translation>Este programa não pode usar o mecanismo de reconhecimento de texto %1.</translation>
    </message>
    <message>
        <source>The text-recognition languages &quot;%1&quot; could not be loaded.</source>
        <translation>Não foi possível carregar os idiomas “%1” do reconhecimento de texto.</translation>
    </message>
    <message>
        <source>The text of a page could not be recognised.</source>
        <translation>Não foi possível reconhecer o texto de uma página.</translation>
    </message>
    <message>
        <source>%1 needs the language data for %2, which is not installed. Install the package %3, or choose other languages. (Looked in %4.)</source>
        <translation>%1 precisa dos dados de idioma para %2, que não estão instalados. Instale o pacote %3 ou escolha outros idiomas. (Pasta consultada: %4.)</translation>
    </message>
    <message>
        <source>no folder</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>Reading the pages&apos; text</source>
        <translation>A leitura do texto das páginas</translation>
    </message>
    <message>
        <source>The text-recognition languages &quot;%1&quot; are not a list of language codes. Write codes joined by &quot;+&quot;, for example &quot;deu+eng&quot;.</source>
        <translation>Os idiomas “%1” do reconhecimento de texto não são uma lista de códigos de idioma. Escreva os códigos unidos por “+”, por exemplo “por+eng”.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no language that text recognition knows. Choose language codes such as &quot;eng&quot; or &quot;deu+eng&quot;.</source>
        <translation>“%1” não é um idioma que o reconhecimento de texto conheça. Escolha códigos de idioma como “eng” ou “por+eng”.</translation>
    </message>
    <message>
        <source>Turning pages upright needs the data for finding which way up a page is, which is not installed. Install the package tesseract-ocr-osd. (Looked in %1.)</source>
        <translation>Para endireitar as páginas são necessários os dados que detectam a orientação de uma página, que não estão instalados. Instale o pacote tesseract-ocr-osd. (Pasta consultada: %1.)</translation>
    </message>
    <message>
        <source>The TIFF file&apos;s header could not be read.</source>
        <translation>Não foi possível ler o cabeçalho do arquivo TIFF.</translation>
    </message>
    <message>
        <source>The TIFF file&apos;s page %1 could not be read.</source>
        <translation>Não foi possível ler a página %L1 do arquivo TIFF.</translation>
    </message>
    <message>
        <source>The TIFF file could not be read.</source>
        <translation>Não foi possível ler o arquivo TIFF.</translation>
    </message>
    <message>
        <source>A TIFF file needs at least one page.</source>
        <translation>Um arquivo TIFF precisa de pelo menos uma página.</translation>
    </message>
    <message>
        <source>The TIFF file has no page %1.</source>
        <translation>O arquivo TIFF não tem a página %L1.</translation>
    </message>
    <message>
        <source>The TIFF file&apos;s pages could not be put in order.</source>
        <translation>Não foi possível ordenar as páginas do arquivo TIFF.</translation>
    </message>
    <message>
        <source>The TIFF file could not be started: </source>
        <translation>Não foi possível criar o arquivo TIFF: </translation>
    </message>
    <message>
        <source>The TIFF file is already complete.</source>
        <translation>O arquivo TIFF já está concluído.</translation>
    </message>
    <message>
        <source>The TIFF file has no page.</source>
        <translation>O arquivo TIFF não tem nenhuma página.</translation>
    </message>
    <message>
        <source>The pages could not be held for review: </source>
        <translation>Não foi possível guardar as páginas para revisão: </translation>
    </message>
    <message>
        <source>A page held for review could not be read back.</source>
        <translation>Não foi possível ler de volta uma página guardada para revisão.</translation>
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
        <translation>Imagem TIFF</translation>
    </message>
    <message>
        <source>JPEG image</source>
        <translation>Imagem JPEG</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>Imagem PNG</translation>
    </message>
    <message>
        <source>%1 file</source>
        <comment>a file format&apos;s name</comment>
        <translation>Arquivo %1</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salvar arquivo</translation>
    </message>
    <message>
        <source>ERROR: Invalid File Selection. Please try again.</source>
        <translation>ERRO: Seleção de arquivo inválida. Tente novamente.</translation>
    </message>
    <message>
        <source>Quillon Error</source>
        <translation>Erro do Quillon</translation>
    </message>
    <message>
        <source>Please choose another file.</source>
        <translation>Escolha outro arquivo.</translation>
    </message>
    <message>
        <source>%1 is one of the system&apos;s own folders, where no file can be saved.</source>
        <translation>%1 é uma das pastas do próprio sistema, onde nenhum arquivo pode ser salvo.</translation>
    </message>
    <message>
        <source>%1 is too long a name for its folder.</source>
        <translation>%1 é um nome longo demais para a sua pasta.</translation>
    </message>
    <message>
        <source>%1 is a link to a file that does not exist.</source>
        <translation>%1 é um link para um arquivo que não existe.</translation>
    </message>
    <message>
        <source>%1 is a device, a pipe or a socket, not a file.</source>
        <translation>%1 é um dispositivo, um pipe ou um socket, não um arquivo.</translation>
    </message>
    <message>
        <source>%1 is write-protected.</source>
        <translation>%1 está protegido contra gravação.</translation>
    </message>
    <message>
        <source>%1 belongs to another user, in a folder where only its owner may replace it.</source>
        <translation>%1 pertence a outro usuário, em uma pasta onde somente o dono pode substituí-lo.</translation>
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
        <translation>%1, folha separadora</translation>
    </message>
    <message>
        <source>%1, left out: blank</source>
        <translation>%1, deixada de fora: em branco</translation>
    </message>
</context>
<context>
    <name>PendingChangesRetry</name>
    <message>
        <source>Your last changes to the options could not be stored: %1.</source>
        <translation>Não foi possível salvar suas últimas alterações nas configurações: %1.</translation>
    </message>
    <message>
        <source>Your change is not stored yet: %1. It is kept, and stored as soon as it can be.</source>
        <translation>Sua alteração ainda não foi salva: %1. Ela foi mantida e será salva assim que possível.</translation>
    </message>
    <message>
        <source>Your changes are stored now.</source>
        <translation>Suas alterações foram salvas.</translation>
    </message>
    <message>
        <source>another program holds the settings file %1</source>
        <translation>outro programa está bloqueando o arquivo de configurações %1</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 pertence a outro usuário</translation>
    </message>
    <message>
        <source>the settings file could not be written</source>
        <translation>não foi possível gravar o arquivo de configurações</translation>
    </message>
    <message>
        <source>the settings file %1 could not be written</source>
        <translation>não foi possível gravar o arquivo de configurações %1</translation>
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
        <translation>Uso: quillon-scan [OPÇÕES] SAÍDA
Digitaliza para SAÍDA (%1) com as configurações salvas pelo Quillon,
alteradas somente nesta execução pelas opções informadas. As configurações salvas nunca
são alteradas.

  -d, --device NOME         o dispositivo SANE a usar, como o SANE o nomeia; só o nome de um
                            backend (&quot;test&quot;) abre o primeiro dispositivo dele (padrão: o último
                            scanner escolhido)
  -L, --list-devices        lista os scanners, um por linha: nome SANE, depois fabricante e modelo
      --source auto|feeder|flatbed
                            auto: o alimentador ou, quando ele estiver vazio, a mesa digitalizadora
      --duplex, --no-duplex frente e verso, ou só a frente
      --duplex manual       frente e verso com um alimentador que digitaliza um só lado: as
                            frentes, depois a pilha virada para os versos; as páginas saem
                            intercaladas
      --mode bw|grey|colour preto e branco, tons de cinza (grey/gray) ou colorido (colour/color)
      --dpi N               %2
      --paper %3
      --quality 0..%4|compact  0 menor arquivo, %5 o padrão, %4 o melhor; compact: as páginas de
                            texto de um PDF como texto nítido sobre uma pequena imagem do papel,
                            várias vezes menor (outros formatos como no padrão)
      --blank-threshold X   páginas com menos tinta que X (0.001 a 0.05) são deixadas de fora;
                            0 mantém todas
      --contrast, --no-contrast, --crop, --no-crop, --deskew, --no-deskew
      --single, --multiple  uma imagem, como com “Permitir várias páginas” desmarcado, ou muitas
                            páginas em um arquivo, como com a opção marcada
      --split, --no-split   um arquivo por documento, nas folhas separadoras (Patch T, ou a folha
                            que --print-separator cria): SAÍDA, depois SAÍDA-2, SAÍDA-3, ...
      --print-separator ARQUIVO.pdf  grava uma folha separadora para imprimir (uma página
                            Letter e uma A4)
      --searchable          um PDF pesquisável: o texto das páginas sob a imagem, as páginas
                            endireitadas; lido nos idiomas escolhidos no Quillon, senão no seu
      --languages CÓDIGOS   com --searchable: lê nestes idiomas, unidos por + (por+eng)
      --timeout SEGUNDOS    por quanto tempo o scanner pode não enviar nada antes que a
                            digitalização termine (60)
  -q, --quiet               sem progresso e sem mensagem em caso de sucesso
      --help, --version

As perguntas são feitas no terminal. Sem um terminal, “Digitalizar outra página?” é respondida
com Não, e um alimentador vazio passa para a mesa digitalizadora (--source auto) ou encerra a
digitalização (--source feeder).

Status de saída: 0 o arquivo foi gravado; 1 erro de uso, ou não foi possível ler as
configurações salvas; 2 nenhum scanner, ou não foi possível abri-lo;
3 a digitalização falhou e nada foi gravado (um arquivo anterior é mantido); 4 algumas páginas
foram salvas, depois a digitalização falhou; 128+N encerrado pelo sinal N (130 após Ctrl+C),
sem deixar arquivo parcial.
</translation>
    </message>
    <message>
        <source>--print-separator writes a .pdf file.</source>
        <translation>--print-separator grava um arquivo .pdf.</translation>
    </message>
    <message>
        <source>Give one OUTPUT file.</source>
        <translation>Informe um único arquivo de SAÍDA.</translation>
    </message>
    <message>
        <source>%1 names no format Quillon writes: use %2.</source>
        <translation>%1 não corresponde a nenhum formato que o Quillon grave: use %2.</translation>
    </message>
    <message>
        <source>--searchable needs a .pdf OUTPUT.</source>
        <translation>--searchable precisa de uma SAÍDA .pdf.</translation>
    </message>
    <message>
        <source>--languages is for --searchable.</source>
        <translation>--languages só vale com --searchable.</translation>
    </message>
    <message>
        <source>--languages takes codes joined by +, such as deu+eng.</source>
        <translation>--languages aceita códigos unidos por +, como por+eng.</translation>
    </message>
    <message>
        <source>An option and its --no- form cannot both be given.</source>
        <translation>Uma opção e sua forma --no- não podem ser informadas juntas.</translation>
    </message>
    <message>
        <source>Give one of --duplex, --duplex manual and --no-duplex.</source>
        <translation>Informe só uma de --duplex, --duplex manual e --no-duplex.</translation>
    </message>
    <message>
        <source>Give one of --single and --multiple.</source>
        <translation>Informe só uma de --single e --multiple.</translation>
    </message>
    <message>
        <source>--source takes auto, feeder or flatbed.</source>
        <translation>--source aceita auto, feeder ou flatbed.</translation>
    </message>
    <message>
        <source>--mode takes bw, grey or colour.</source>
        <translation>--mode aceita bw, grey ou colour.</translation>
    </message>
    <message>
        <source>--dpi takes one of %1.</source>
        <translation>--dpi aceita um destes valores: %1.</translation>
    </message>
    <message>
        <source>--paper takes %1.</source>
        <translation>--paper aceita %1.</translation>
    </message>
    <message>
        <source>--quality takes 0 to %1, or compact.</source>
        <translation>--quality aceita de 0 a %1, ou compact.</translation>
    </message>
    <message>
        <source>--timeout takes a number of seconds, 1 or more.</source>
        <translation>--timeout aceita um número de segundos, 1 ou mais.</translation>
    </message>
    <message>
        <source>--blank-threshold takes 0, or 0.001 to 0.05 in steps of 0.001.</source>
        <translation>--blank-threshold aceita 0, ou de 0.001 a 0.05 em passos de 0.001.</translation>
    </message>
    <message>
        <source>No scanner was found.</source>
        <translation>Nenhum scanner foi encontrado.</translation>
    </message>
    <message>
        <source>The separator sheet could not be written: %1</source>
        <translation>Não foi possível gravar a folha separadora: %1</translation>
    </message>
    <message>
        <source>A separator sheet to print at full size (a Letter page and an A4 page): %1</source>
        <translation>Uma folha separadora para imprimir em tamanho real (uma página Letter e uma A4): %1</translation>
    </message>
    <message>
        <source>quillon-scan --help tells how to use it.</source>
        <translation>quillon-scan --help explica como usá-lo.</translation>
    </message>
    <message>
        <source>The stored options could not be read: %1 belongs to another user. Nothing was scanned.</source>
        <translation>Não foi possível ler as configurações salvas: %1 pertence a outro usuário. Nada foi digitalizado.</translation>
    </message>
    <message>
        <source>The stored options could not be read (%1 is held by another program, or is a link to something that is not Quillon&apos;s settings): nothing was scanned.</source>
        <translation>Não foi possível ler as configurações salvas (outro programa está bloqueando %1, ou ele é um link para algo que não são as configurações do Quillon): nada foi digitalizado.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
    <message>
        <source>No scanner is named %1. quillon-scan --list-devices lists them.</source>
        <translation>Nenhum scanner se chama %1. quillon-scan --list-devices lista os scanners.</translation>
    </message>
    <message>
        <source>The scanner used last, %1, could not be opened. quillon-scan --list-devices lists the scanners; -d NAME chooses one.</source>
        <translation>Não foi possível abrir o último scanner usado, %1. quillon-scan --list-devices lista os scanners; -d NOME escolhe um.</translation>
    </message>
    <message>
        <source>Without a terminal, no one could be asked to turn the stack over for the back sides.</source>
        <translation>Sem um terminal, não foi possível pedir a ninguém que virasse a pilha para digitalizar os versos.</translation>
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
        <translation>Coloque os documentos no alimentador. Tentar novamente? [s] sim, [n] usar a mesa digitalizadora, [c] cancelar</translation>
    </message>
    <message>
        <source>Put the next page on the flatbed. Scan it? [y] yes, [n] no, save the file</source>
        <translation>Coloque a próxima página na mesa digitalizadora. Digitalizá-la? [s] sim, [n] não, salvar o arquivo</translation>
    </message>
    <message>
        <source>Turn the stack over, without changing its order, and load it into the feeder again. Scan the back sides? [y] yes, [n] keep the front sides only</source>
        <translation>Vire a pilha, sem mudar a ordem, e coloque-a de novo no alimentador. Digitalizar os versos? [s] sim, [n] manter só as frentes</translation>
    </message>
    <message>
        <source>Save every page, the unmatched ones at the end? [y] yes, [n] keep the front sides only</source>
        <translation>Salvar todas as páginas, as sem par no final? [s] sim, [n] manter só as frentes</translation>
    </message>
    <message>
        <source>Scanning page %1: %2 %</source>
        <translation>Digitalizando página %1: %2 %</translation>
    </message>
    <message>
        <source>%1 (no terminal to ask)</source>
        <comment>the answer given</comment>
        <translation>%1 (nenhum terminal para perguntar)</translation>
    </message>
    <message>
        <source>%1 (document %2)</source>
        <translation>%L1 (documento %L2)</translation>
    </message>
    <message>
        <source>Scanning page %1</source>
        <translation>Digitalizando página %1</translation>
    </message>
    <message>
        <source>
Image files in place of a scanner:
      --from PATH           JPEG, PNG and TIFF files (every page of a TIFF), or a folder&apos;s images
                            in the order of their names, as the pages of a feeder; give it again
                            for more. The stored options apply as to a scan.
</source>
        <translation>
Arquivos de imagem no lugar de um scanner:
      --from CAMINHO        arquivos JPEG, PNG e TIFF (cada página de um TIFF), ou as imagens de uma pasta
                            na ordem de seus nomes, como as páginas de um alimentador; repita-o
                            para mais. As opções salvas valem como para uma digitalização.
</translation>
    </message>
    <message>
        <source>Give one of --from and --device.</source>
        <translation>Indique apenas um de --from e --device.</translation>
    </message>
    <message>
        <source>--from takes each image as a page of its own: --duplex is for a scanner.</source>
        <translation>--from toma cada imagem como uma página própria: --duplex é para um scanner.</translation>
    </message>
    <message>
        <source>--from takes the images as a feeder&apos;s pages: --source flatbed is for a scanner.</source>
        <translation>--from toma as imagens como páginas de um alimentador: --source flatbed é para um scanner.</translation>
    </message>
    <message>
        <source>%1 holds one image, and %2 were given: write them to a .pdf or .tiff file.</source>
        <translation>%1 contém uma única imagem, e foram indicadas %2: grave-as em um arquivo .pdf ou .tiff.</translation>
    </message>
</context>
<context>
    <name>RunScan</name>
    <message>
        <source>User Canceled Scan</source>
        <translation>Digitalização cancelada pelo usuário</translation>
    </message>
    <message>
        <source>ERROR: Invalid DPI Selected. (%1) Please select a correct option.</source>
        <translation>ERRO: Resolução (DPI) inválida selecionada. (%1) Selecione uma opção válida.</translation>
    </message>
    <message>
        <source>ERROR: Invalid Scan Color Option Selected. (%1) Please select a correct option.</source>
        <translation>ERRO: Opção de cor inválida selecionada. (%1) Selecione uma opção válida.</translation>
    </message>
    <message>
        <source>ERROR: Invalid Duplex Option Selected. (%1) Please select a correct option.</source>
        <translation>ERRO: Opção de frente e verso inválida selecionada. (%1) Selecione uma opção válida.</translation>
    </message>
    <message>
        <source>ERROR: Invalid PageRejectionCoverage Selected. (%1) Please select a correct option.</source>
        <translation>ERRO: Limite de página em branco (PageRejectionCoverage) inválido selecionado. (%1) Selecione uma opção válida.</translation>
    </message>
    <message>
        <source>ERROR: Searchable PDF cannot be made.</source>
        <translation>ERRO: Não é possível criar o PDF pesquisável.</translation>
    </message>
    <message>
        <source>You have selected a WIA scanner, but did not check the WIA option. This may lead to unexpected problems.</source>
        <translation>Você selecionou um scanner WIA, mas não marcou a opção WIA. Isso pode causar problemas inesperados.</translation>
    </message>
    <message>
        <source>Quillon Warning</source>
        <translation>Aviso do Quillon</translation>
    </message>
    <message>
        <source>Please load the documents into the Auto-Document Feeder.</source>
        <translation>Coloque os documentos no alimentador automático de documentos.</translation>
    </message>
    <message>
        <source>Click YES to retry or</source>
        <translation>Clique em SIM para tentar novamente ou</translation>
    </message>
    <message>
        <source>Click NO to use the flatbed or other scan head (if equipped).</source>
        <translation>em NÃO para usar a mesa digitalizadora ou outra unidade de digitalização (se houver).</translation>
    </message>
    <message>
        <source>Scan Another Page?</source>
        <translation>Digitalizar outra página?</translation>
    </message>
    <message>
        <source>Quillon Question</source>
        <translation>Pergunta do Quillon</translation>
    </message>
    <message>
        <source>%1 front sides but %2 back sides were scanned.</source>
        <translation>Foram digitalizadas %L1 frentes, mas %L2 versos.</translation>
    </message>
    <message>
        <source>Click YES to save every page, the unmatched ones at the end, or NO to keep the front sides only.</source>
        <translation>Clique em SIM para salvar todas as páginas, com as sem par no final, ou em NÃO para manter só as frentes.</translation>
    </message>
    <message>
        <source>1 back side belongs to no front side; it goes at the end.</source>
        <translation>1 verso não corresponde a nenhuma frente; ele vai para o final.</translation>
    </message>
    <message numerus="yes">
        <source>%n back sides belong to no front side; they go at the end.</source>
        <translation>
            <numerusform>%Ln verso não corresponde a nenhuma frente; ele vai para o final.</numerusform>
            <numerusform>%Ln versos não correspondem a nenhuma frente; eles vão para o final.</numerusform>
        </translation>
    </message>
    <message>
        <source>Sheet 1 has no back side.</source>
        <translation>A folha 1 não tem verso.</translation>
    </message>
    <message>
        <source>Sheets %1 and %2 have no back side.</source>
        <translation>As folhas %1 e %2 não têm verso.</translation>
    </message>
    <message>
        <source>The scan stopped at back side %1 of %2 (the back of sheet %3).</source>
        <translation>A digitalização parou no verso %L1 de %L2 (o verso da folha %L3).</translation>
    </message>
    <message>
        <source>Documents saved before:</source>
        <translation>Documentos salvos antes:</translation>
    </message>
    <message>
        <source>TWAIN Error #%1 %2</source>
        <comment>the library&apos;s error number and its text</comment>
        <translation>Erro TWAIN #%1 %2</translation>
    </message>
    <message>
        <source>Could not locate file: %1</source>
        <translation>Não foi possível localizar o arquivo: %1</translation>
    </message>
    <message>
        <source>Nothing was saved to: %1</source>
        <translation>Nada foi salvo em: %1</translation>
    </message>
    <message>
        <source>The file that was already there has not been changed.</source>
        <translation>O arquivo que já estava lá não foi alterado.</translation>
    </message>
    <message>
        <source>The back sides did not match them and were left out.</source>
        <translation>Os versos não correspondiam a elas e foram deixados de fora.</translation>
    </message>
    <message>
        <source>The stack was not turned over for the back sides.</source>
        <translation>A pilha não foi virada para digitalizar os versos.</translation>
    </message>
    <message>
        <source>Only the front sides were saved to:</source>
        <translation>Somente as frentes foram salvas em:</translation>
    </message>
    <message>
        <source>Scanned Successfully to:</source>
        <translation>Digitalizado com sucesso em:</translation>
    </message>
    <message>
        <source>Quillon Successful</source>
        <translation>Quillon – Sucesso</translation>
    </message>
    <message>
        <source>1 page was saved to:</source>
        <translation>1 página foi salva em:</translation>
    </message>
    <message numerus="yes">
        <source>%n pages were saved to:</source>
        <translation>
            <numerusform>%Ln página foi salva em:</numerusform>
            <numerusform>%Ln páginas foram salvas em:</numerusform>
        </translation>
    </message>
    <message>
        <source>The file already at %1 was kept as it was.</source>
        <translation>O arquivo que já estava em %1 foi mantido como estava.</translation>
    </message>
    <message>
        <source>ERROR: An error occurred while scanning.</source>
        <translation>ERRO: Ocorreu um erro durante a digitalização.</translation>
    </message>
    <message>
        <source>Quillon Scanning Error</source>
        <translation>Erro de digitalização do Quillon</translation>
    </message>
    <message>
        <source>Quillon Information</source>
        <translation>Informação do Quillon</translation>
    </message>
    <message>
        <source>Canceled Scan</source>
        <translation>Digitalização cancelada</translation>
    </message>
    <message>
        <source>Warning: An attempt was made to enable duplex scanning, however your scanner either does not support it, or does not behave according to the TWAIN specifications.</source>
        <translation>Aviso: houve uma tentativa de ativar a digitalização frente e verso, mas o seu scanner não a suporta ou não se comporta conforme as especificações TWAIN.</translation>
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
        <translation>Vire a pilha, sem mudar a ordem, e coloque-a de novo no alimentador. Clique em SIM para digitalizar os versos ou em NÃO para manter só as frentes.</translation>
    </message>
</context>
<context>
    <name>SaneLibrary</name>
    <message>
        <source>The scanner has sent nothing for %1 s. The scan ends by itself after %2 s; Cancel ends it now.</source>
        <translation>O scanner não envia nada há %L1 s. A digitalização termina sozinha após %L2 s; Cancelar a encerra agora.</translation>
    </message>
    <message>
        <source>Looking for scanners...</source>
        <translation>Procurando scanners…</translation>
    </message>
    <message>
        <source>Waiting for the scanner to be let go...</source>
        <translation>Aguardando o scanner ser liberado…</translation>
    </message>
    <message>
        <source>Opening the scanner...</source>
        <translation>Abrindo o scanner…</translation>
    </message>
    <message>
        <source>Saving the document...</source>
        <translation>Salvando o documento…</translation>
    </message>
    <message>
        <source>Waiting for page %1...</source>
        <translation>Aguardando a página %L1…</translation>
    </message>
</context>
<context>
    <name>ScannerErrors</name>
    <message>
        <source>The scan was cancelled.</source>
        <translation>A digitalização foi cancelada.</translation>
    </message>
    <message>
        <source>The document feeder is empty.</source>
        <translation>O alimentador de documentos está vazio.</translation>
    </message>
    <message>
        <source>The document feeder is jammed.</source>
        <translation>Há um atolamento de papel no alimentador de documentos.</translation>
    </message>
    <message>
        <source>The scanner cover is open.</source>
        <translation>A tampa do scanner está aberta.</translation>
    </message>
    <message>
        <source>The scanner stopped answering. Check its cable and power.</source>
        <translation>O scanner parou de responder. Verifique o cabo e a energia.</translation>
    </message>
    <message>
        <source>The scanner is busy.</source>
        <translation>O scanner está ocupado.</translation>
    </message>
    <message>
        <source>There is not enough memory for a page this large: a lower resolution, or grey or black and white, needs less.</source>
        <translation>Não há memória suficiente para uma página tão grande: uma resolução menor, ou tons de cinza ou preto e branco, precisam de menos.</translation>
    </message>
    <message>
        <source>You are not allowed to use this scanner.</source>
        <translation>Você não tem permissão para usar este scanner.</translation>
    </message>
    <message>
        <source>The scanner could not be found. It may have been unplugged.</source>
        <translation>O scanner não foi encontrado. Ele pode ter sido desconectado.</translation>
    </message>
    <message>
        <source>The scanner does not support this operation.</source>
        <translation>O scanner não oferece suporte a esta operação.</translation>
    </message>
    <message>
        <source>The scanner refused a setting.</source>
        <translation>O scanner recusou uma configuração.</translation>
    </message>
    <message>
        <source>No scanner is open.</source>
        <translation>Nenhum scanner está aberto.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Não foi possível gravar o arquivo.</translation>
    </message>
    <message>
        <source>This file type cannot be written.</source>
        <translation>Não é possível gravar este tipo de arquivo.</translation>
    </message>
    <message>
        <source>No page was scanned, so no file was written.</source>
        <translation>Nenhuma página foi digitalizada, então nenhum arquivo foi gravado.</translation>
    </message>
    <message>
        <source>The scanner sent an incomplete page.</source>
        <translation>O scanner enviou uma página incompleta.</translation>
    </message>
    <message>
        <source>The scanner lamp is still warming up. Try again in a moment.</source>
        <translation>A lâmpada do scanner ainda está aquecendo. Tente novamente daqui a pouco.</translation>
    </message>
    <message>
        <source>The scanner is locked for transport. Unlock it and try again.</source>
        <translation>O scanner está travado para transporte. Destrave-o e tente novamente.</translation>
    </message>
    <message>
        <source>The scanner stopped answering.</source>
        <translation>O scanner parou de responder.</translation>
    </message>
    <message>
        <source>The system refused:</source>
        <translation>O sistema recusou:</translation>
    </message>
    <message>
        <source>The scanner sent a page that could not be read: its image was damaged, or the connection broke off.</source>
        <translation>O scanner enviou uma página que não pôde ser lida: a imagem estava danificada ou a conexão caiu.</translation>
    </message>
    <message>
        <source>The scanner library failed unexpectedly.</source>
        <translation>A biblioteca do scanner falhou inesperadamente.</translation>
    </message>
    <message>
        <source>An image file could not be used:</source>
        <translation>Não foi possível usar um arquivo de imagem:</translation>
    </message>
</context>
<context>
    <name>SelectScanner</name>
    <message>
        <source>Select Scanner</source>
        <translation>Selecionar scanner</translation>
    </message>
    <message>
        <source>No scanner was found. Check that it is connected and switched on, then press SCAN again.</source>
        <translation>Nenhum scanner foi encontrado. Verifique se ele está conectado e ligado e pressione DIGITALIZAR novamente.</translation>
    </message>
    <message>
        <source>Scan with:</source>
        <translation>Digitalizar com:</translation>
    </message>
    <message>
        <source>Scanners</source>
        <translation>Scanners</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Selecionar</translation>
    </message>
    <message>
        <source>Scanning page %1...</source>
        <translation>Digitalizando a página %L1…</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Searchable PDF</source>
        <translation>PDF pesquisável</translation>
    </message>
    <message>
        <source>Poor - Smallest Size</source>
        <translation>Mínima – menor arquivo</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Baixa</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>Média</translation>
    </message>
    <message>
        <source>Good - Default</source>
        <translation>Boa – padrão</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Alta</translation>
    </message>
    <message>
        <source>Highest - Largest Size</source>
        <translation>Máxima – maior arquivo</translation>
    </message>
    <message>
        <source>Compact - Text Pages</source>
        <translation>Compacta – páginas de texto</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
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
        <translation>Preto e branco</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>Tons de cinza</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Colorido</translation>
    </message>
    <message>
        <source>Front Only</source>
        <translation>Somente frente</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Frente e verso</translation>
    </message>
    <message>
        <source>Manual Duplex (turn the stack)</source>
        <translation>Frente e verso manual (virar a pilha)</translation>
    </message>
    <message>
        <source>The settings file %1 is a link to something that is not Quillon&apos;s settings; it is left as it is, and the options are not stored.</source>
        <translation>O arquivo de configurações %1 é um link para algo que não são as configurações do Quillon; ele é deixado como está, e as configurações não são salvas.</translation>
    </message>
    <message>
        <source>The settings file %1 could not be used as Quillon&apos;s; it was kept as %2, and a fresh one was started.</source>
        <translation>O arquivo de configurações %1 não pôde ser usado pelo Quillon; ele foi mantido como %2, e um novo foi criado.</translation>
    </message>
    <message>
        <source>checked</source>
        <translation>marcado</translation>
    </message>
    <message>
        <source>unchecked</source>
        <translation>desmarcado</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes long</source>
        <translation>
            <numerusform>com %Ln byte</numerusform>
            <numerusform>com %Ln bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>The stored value of %1, %2, cannot be used; its default (%3) is used instead.</source>
        <translation>O valor salvo de %1, %2, não pode ser usado; em seu lugar é usado o padrão (%3).</translation>
    </message>
</context>
<context>
    <name>quillon</name>
    <message>
        <source>Scans paper documents into one PDF, TIFF, JPEG or PNG file.</source>
        <translation>Digitaliza documentos em papel para um único arquivo PDF, TIFF, JPEG ou PNG.</translation>
    </message>
</context>
<context>
    <name>quillon::Main</name>
    <message>
        <source>%1 choices</source>
        <comment>a list&apos;s open items, named by its label</comment>
        <translation>Opções de %1</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>The stored options could not be read (another program holds them, or the settings file is a link to something else); the defaults are shown, and the stored options are kept as they are.</source>
        <translation>Não foi possível ler as configurações salvas (outro programa as está bloqueando, ou o arquivo de configurações é um link para outra coisa); os valores padrão são exibidos, e as configurações salvas são mantidas como estão.</translation>
    </message>
    <message>
        <source>SCAN</source>
        <translation>DIGITALIZAR</translation>
    </message>
    <message>
        <source>Try ADF First</source>
        <translation>Alimentador primeiro</translation>
    </message>
    <message>
        <source>Will try to feed from the ADF (if available) first, otherwise it will then try the flatbed.</source>
        <translation>Tenta primeiro digitalizar pelo alimentador automático de documentos (se houver); caso contrário, usa a mesa digitalizadora.</translation>
    </message>
    <message>
        <source>Allow Multiple Pages</source>
        <translation>Permitir várias páginas</translation>
    </message>
    <message>
        <source>Controls whether the ADF will scan all available pages or whether the user will be prompted to add additional pages.</source>
        <translation>Define se o alimentador digitaliza todas as páginas colocadas nele ou se você será solicitado a colocar mais páginas.</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Sets the Initial Scan Quality.</source>
        <translation>Define a resolução da digitalização.</translation>
    </message>
    <message>
        <source>Scan Type</source>
        <translation>Modo de cor</translation>
    </message>
    <message>
        <source>Sets the Scan Color Settings.</source>
        <translation>Define as cores da digitalização.</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>Lados</translation>
    </message>
    <message>
        <source>Sets the Sides of the Paper Scaned.</source>
        <translation>Define quais lados do papel são digitalizados.</translation>
    </message>
    <message>
        <source>Page Rejection</source>
        <translation>Descarte de páginas</translation>
    </message>
    <message>
        <source>Sets the percantage of ink coverage per page necessary to include the page.</source>
        <translation>Define a porcentagem de cobertura de tinta necessária para que uma página seja incluída.</translation>
    </message>
    <message>
        <source>Quillon document scanner · v 1.07</source>
        <translation>Digitalizador de documentos Quillon · v 1.07</translation>
    </message>
    <message>
        <source>Auto Crop</source>
        <translation>Recorte automático</translation>
    </message>
    <message>
        <source>Automatically crops the excess area from the scan. (Used for photos only)</source>
        <translation>Recorta automaticamente as margens excedentes da digitalização. (Somente para fotos)</translation>
    </message>
    <message>
        <source>Auto Deskew</source>
        <translation>Corrigir inclinação</translation>
    </message>
    <message>
        <source>Will automatically rotate pages that are not aligned correctly in the scanner.</source>
        <translation>Gira automaticamente as páginas que ficaram tortas no scanner.</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Sets the resulting file format.</source>
        <translation>Define o formato do arquivo gerado.</translation>
    </message>
    <message>
        <source>WIA</source>
        <translation>WIA</translation>
    </message>
    <message>
        <source>Changes various internal settings to be work better with Windows Image Aquisition (WIA) scanners.</source>
        <translation>Altera várias configurações internas para funcionar melhor com scanners Windows Image Acquisition (WIA).</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>Padrões</translation>
    </message>
    <message>
        <source>Auto Contrast</source>
        <translation>Contraste automático</translation>
    </message>
    <message>
        <source>Automatically adjusts contrast levels.</source>
        <translation>Ajusta o contraste automaticamente.</translation>
    </message>
    <message>
        <source>Quality (Size)</source>
        <translation>Qualidade (tamanho)</translation>
    </message>
    <message>
        <source>Sets the result file format compression.</source>
        <translation>Define a compressão do arquivo gerado.</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>Tamanho do papel</translation>
    </message>
    <message>
        <source>Split at Separator Sheets</source>
        <translation>Dividir nas folhas separadoras</translation>
    </message>
    <message>
        <source>Starts a new file at each separator sheet in the stack: a printed Patch T sheet, or the sheet that quillon-scan --print-separator makes. The separator sheets themselves are not kept.</source>
        <translation>Inicia um novo arquivo a cada folha separadora na pilha: uma folha Patch T impressa, ou a folha que quillon-scan --print-separator cria. As próprias folhas separadoras não são mantidas.</translation>
    </message>
    <message>
        <source>PDF pages of text are written as sharp text over a small picture of the paper, several times smaller. A page below 150 dpi, of faint ink, mostly picture or of print too small is kept as with Good - Default, as are TIFF, JPEG and PNG files.</source>
        <translation>As páginas de texto de um PDF são gravadas como texto nítido sobre uma pequena imagem do papel, várias vezes menores. Uma página abaixo de 150 dpi, de tinta fraca, composta principalmente de imagem ou com letras pequenas demais é gravada como em “Boa – padrão”, assim como os arquivos TIFF, JPEG e PNG.</translation>
    </message>
    <message>
        <source>The Auto-Crop feature is intended to only be used for photographs and should not be used for documents as it may produce unexpected results.</source>
        <translation>O recorte automático destina-se apenas a fotografias e não deve ser usado em documentos, pois pode produzir resultados inesperados.</translation>
    </message>
    <message>
        <source>The stored options could not be read: %1 belongs to another user. The defaults are shown, and the stored options are kept as they are.</source>
        <translation>Não foi possível ler as configurações salvas: %1 pertence a outro usuário. Os valores padrão são exibidos, e as configurações salvas são mantidas como estão.</translation>
    </message>
    <message>
        <source>Quillon Information</source>
        <translation>Informação do Quillon</translation>
    </message>
    <message>
        <source>Review Pages Before Saving</source>
        <translation>Revisar páginas antes de salvar</translation>
    </message>
    <message>
        <source>Shows the scanned pages before the file is written: turn, delete, reorder or keep pages the blank test left out, and scan more.</source>
        <translation>Mostra as páginas digitalizadas antes de gravar o arquivo: girar, excluir, reordenar ou manter páginas que o teste de página em branco deixou de fora, e digitalizar mais.</translation>
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
        <translation>, 1 página em branco omitida</translation>
    </message>
    <message numerus="yes">
        <source>, %n blank pages left out</source>
        <translation>
            <numerusform>, %Ln página em branco omitida</numerusform>
            <numerusform>, %Ln páginas em branco omitidas</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Scan progress</source>
        <translation>Progresso da digitalização</translation>
    </message>
    <message>
        <source>The last page scanned</source>
        <translation>A última página digitalizada</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
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
        <translation>Páginas digitalizadas</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Girar para a esquerda</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Girar para a direita</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Manter</translation>
    </message>
    <message>
        <source>Saves a page the blank test left out after all.</source>
        <translation>Salva mesmo assim uma página que o teste de página em branco deixou de fora.</translation>
    </message>
    <message>
        <source>Move Earlier</source>
        <translation>Mover para antes</translation>
    </message>
    <message>
        <source>Move Later</source>
        <translation>Mover para depois</translation>
    </message>
    <message>
        <source>Scan More</source>
        <translation>Digitalizar mais</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>1 page will be saved.</source>
        <translation>1 página será salva.</translation>
    </message>
    <message numerus="yes">
        <source>%n pages will be saved.</source>
        <translation>
            <numerusform>%Ln página será salva.</numerusform>
            <numerusform>%Ln páginas serão salvas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Discard the 1 scanned page?</source>
        <translation>Descartar a 1 página digitalizada?</translation>
    </message>
    <message numerus="yes">
        <source>Discard the %n scanned pages?</source>
        <translation>
            <numerusform>Descartar a %Ln página digitalizada?</numerusform>
            <numerusform>Descartar as %Ln páginas digitalizadas?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillon::ScanProgress</name>
    <message>
        <source>Stopping the scanner...</source>
        <translation>Parando o scanner…</translation>
    </message>
</context>
<context>
    <name>quillon::TextLanguageChoice</name>
    <message>
        <source>Text Language</source>
        <translation>Idioma do texto</translation>
    </message>
    <message>
        <source>The languages the text of a Searchable PDF is read in. Check several for pages in more than one.</source>
        <translation>Os idiomas em que o texto de um PDF pesquisável é lido. Marque vários para páginas em mais de um idioma.</translation>
    </message>
    <message>
        <source>%1 choices</source>
        <comment>a list&apos;s open items, named by its label</comment>
        <translation>Opções de %1</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automático</translation>
    </message>
</context>
</TS>
