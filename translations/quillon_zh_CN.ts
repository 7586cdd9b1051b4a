<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Desktop entry</name>
    <message>
        <source>Quillon</source>
        <translation>Quillon</translation>
    </message>
    <message>
        <source>Document Scanner</source>
        <translation>文档扫描仪</translation>
    </message>
    <message>
        <source>Scan paper documents to PDF, TIFF, JPEG or PNG</source>
        <translation>将纸质文档扫描为 PDF、TIFF、JPEG 或 PNG</translation>
    </message>
    <message>
        <source>scan;scanner;document;PDF;TIFF;</source>
        <translation>扫描;扫描仪;文档;自动进纸器;scan;scanner;PDF;TIFF;</translation>
    </message>
    <message>
        <source>Scan paper documents into one compact file</source>
        <translation>将纸质文档扫描为一个紧凑的文件</translation>
    </message>
    <message>
        <source>Quillon scans from the document feeder or the flatbed into one PDF or multi-page TIFF, or a single JPEG or PNG image, leaving out blank pages. A searchable PDF carries the text read from its pages, with pages scanned sideways or upside down turned upright.</source>
        <translation>Quillon 从自动进纸器或平板扫描，生成一个 PDF 或多页 TIFF 文件，或单个 JPEG 或 PNG 图像，并略去空白页。可搜索的 PDF 包含从其页面中识别出的文字，横向或倒置扫描的页面会被转正。</translation>
    </message>
</context>
<context>
    <name>ErrorReport</name>
    <message>
        <source>Overflow: &quot;%1&quot; is too large a number.</source>
        <translation>溢出：“%1”这个数字太大。</translation>
    </message>
    <message>
        <source>Quillon Error Message</source>
        <translation>Quillon 错误消息</translation>
    </message>
    <message>
        <source>Type mismatch: &quot;%1&quot; is not a number.</source>
        <translation>类型不匹配：“%1”不是数字。</translation>
    </message>
    <message>
        <source>ERROR: #%1 %2</source>
        <comment>a failure&apos;s number and its description</comment>
        <translation>错误：#%1 %2</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>内存不足。</translation>
    </message>
    <message>
        <source>Unknown failure.</source>
        <translation>未知错误。</translation>
    </message>
</context>
<context>
    <name>ImageFileSource</name>
    <message>
        <source>Image files</source>
        <translation>图像文件</translation>
    </message>
    <message>
        <source>%1 was not found.</source>
        <translation>找不到 %1。</translation>
    </message>
    <message>
        <source>%1 holds no JPEG, PNG or TIFF image.</source>
        <translation>%1 中没有 JPEG、PNG 或 TIFF 图像。</translation>
    </message>
    <message>
        <source>%1 is not a JPEG, PNG or TIFF image.</source>
        <translation>%1 不是 JPEG、PNG 或 TIFF 图像。</translation>
    </message>
    <message>
        <source>No image file was given.</source>
        <translation>未指定图像文件。</translation>
    </message>
    <message>
        <source>Page %1 of %2 could not be read.</source>
        <translation>无法读取 %2 的第 %1 页。</translation>
    </message>
</context>
<context>
    <name>Imaging</name>
    <message>
        <source>A JPEG or PNG file holds one page only.</source>
        <translation>JPEG 或 PNG 文件只能包含一页。</translation>
    </message>
    <message>
        <source>The image could not be encoded: </source>
        <translation>无法编码图像: </translation>
    </message>
    <message>
        <source>The image file has no page.</source>
        <translation>图像文件中没有页面。</translation>
    </message>
    <message>
        <source>An empty page cannot be written.</source>
        <translation>无法写入空页面。</translation>
    </message>
    <message>
        <source>A page could not be compressed: </source>
        <translation>无法压缩页面: </translation>
    </message>
    <message>
        <source>A page could not be compressed as JPEG.</source>
        <translation>无法将页面压缩为 JPEG。</translation>
    </message>
    <message>
        <source>Reading the text of page %1 of %2</source>
        <translation>正在识别第 %L1 页的文字（共 %L2 页）</translation>
    </message>
    <message>
        <source>The page was saved without searchable text.</source>
        <translation>页面已保存，但不含可搜索的文字。</translation>
    </message>
    <message>
        <source>%1 of %2 pages were saved without searchable text.</source>
        <translation>%L2 页中有 %L1 页保存时不含可搜索的文字。</translation>
    </message>
    <message>
        <source>There is not enough memory for a page this large: a lower resolution, or grey or black and white, needs less.</source>
        <translation>内存不足以处理这么大的页面：降低分辨率，或改用灰度或黑白，所需内存会更少。</translation>
    </message>
    <message>
        <source>No document is open.</source>
        <translation>没有打开的文档。</translation>
    </message>
    <message>
        <source>The PDF file is already complete.</source>
        <translation>PDF 文件已经完成。</translation>
    </message>
    <message>
        <source>The PDF file has no page.</source>
        <translation>PDF 文件中没有页面。</translation>
    </message>
    <message>
        <source>The PDF file has no page %1.</source>
        <translation>PDF 文件中没有第 %L1 页。</translation>
    </message>
    <message>
        <source>%1 is a link to a file that cannot be reached: %2.</source>
        <translation>%1 是指向无法访问的文件的链接：%2。</translation>
    </message>
    <message>
        <source>%1 is a device, a pipe or a socket, not a file.</source>
        <translation>%1 是设备、管道或套接字，而不是文件。</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file.</source>
        <translation>%1 是文件夹，而不是文件。</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 是文件，而不是文件夹。</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>文件夹 %1 不存在。</translation>
    </message>
    <message>
        <source>Cannot write in %1: %2.</source>
        <translation>无法在 %1 中写入：%2。</translation>
    </message>
    <message>
        <source>No file is open.</source>
        <translation>没有打开的文件。</translation>
    </message>
    <message>
        <source>Cannot save %1: %2.</source>
        <translation>无法保存 %1：%2。</translation>
    </message>
    <message>
        <source>%1 was given up: nothing was saved.</source>
        <translation>%1 已放弃：未保存任何内容。</translation>
    </message>
    <message>
        <source>Quillon separator sheet</source>
        <translation>Quillon 分隔页</translation>
    </message>
    <message>
        <source>Put this sheet between two documents in the feeder.
Print it at full size (100 %).</source>
        <translation>请将此页放在自动进纸器中的两份文档之间。
请按实际尺寸 (100%) 打印。</translation>
    </message>
    <message>
        <source>The text-recognition engine could not be loaded (%1).</source>
        <translation>无法加载文字识别引擎 (%1)。</translation>
    </message>
    <message>
        <source>The text-recognition engine %1 is not one this program can use.</source>
        <translation>本程序无法使用文字识别引擎 %1。</translation>
    </message>
    <message>
        <source>The text-recognition languages &quot;%1&quot; could not be loaded.</source>
        <translation>无法加载文字识别语言“%1”。</translation>
    </message>
    <message>
        <source>The text of a page could not be recognised.</source>
        <translation>无法识别页面中的文字。</translation>
    </message>
    <message>
        <source>%1 needs the language data for %2, which is not installed. Install the package %3, or choose other languages. (Looked in %4.)</source>
        <translation>%1 需要 %2 的语言数据，但该数据尚未安装。请安装软件包 %3，或选择其他语言。（查找的文件夹：%4）</translation>
    </message>
    <message>
        <source>no folder</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Reading the pages&apos; text</source>
        <translation>识别页面文字</translation>
    </message>
    <message>
        <source>The text-recognition languages &quot;%1&quot; are not a list of language codes. Write codes joined by &quot;+&quot;, for example &quot;deu+eng&quot;.</source>
        <translation>文字识别语言“%1”不是语言代码列表。请用“+”连接各个代码，例如“chi_sim+eng”。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no language that text recognition knows. Choose language codes such as &quot;eng&quot; or &quot;deu+eng&quot;.</source>
        <translation>“%1”不是文字识别所知的语言。请选择语言代码，例如“eng”或“chi_sim+eng”。</translation>
    </message>
    <message>
        <source>Turning pages upright needs the data for finding which way up a page is, which is not installed. Install the package tesseract-ocr-osd. (Looked in %1.)</source>
        <translation>将页面转正需要用于判断页面朝向的数据，但该数据尚未安装。请安装软件包 tesseract-ocr-osd。（查找的文件夹：%1）</translation>
    </message>
    <message>
        <source>The TIFF file&apos;s header could not be read.</source>
        <translation>无法读取 TIFF 文件头。</translation>
    </message>
    <message>
        <source>The TIFF file&apos;s page %1 could not be read.</source>
        <translation>无法读取 TIFF 文件的第 %L1 页。</translation>
    </message>
    <message>
        <source>The TIFF file could not be read.</source>
        <translation>无法读取 TIFF 文件。</translation>
    </message>
    <message>
        <source>A TIFF file needs at least one page.</source>
        <translation>TIFF 文件至少需要一页。</translation>
    </message>
    <message>
        <source>The TIFF file has no page %1.</source>
        <translation>TIFF 文件中没有第 %L1 页。</translation>
    </message>
    <message>
        <source>The TIFF file&apos;s pages could not be put in order.</source>
        <translation>无法对 TIFF 文件的页面排序。</translation>
    </message>
    <message>
        <source>The TIFF file could not be started: </source>
        <translation>无法创建 TIFF 文件: </translation>
    </message>
    <message>
        <source>The TIFF file is already complete.</source>
        <translation>TIFF 文件已经完成。</translation>
    </message>
    <message>
        <source>The TIFF file has no page.</source>
        <translation>TIFF 文件中没有页面。</translation>
    </message>
    <message>
        <source>The pages could not be held for review: </source>
        <translation>无法保留页面以供检查：</translation>
    </message>
    <message>
        <source>A page held for review could not be read back.</source>
        <translation>无法读回为检查而保留的页面。</translation>
    </message>
</context>
<context>
    <name>OutputFileChooser</name>
    <message>
        <source>PDF document</source>
        <translation>PDF 文档</translation>
    </message>
    <message>
        <source>TIFF image</source>
        <translation>TIFF 图像</translation>
    </message>
    <message>
        <source>JPEG image</source>
        <translation>JPEG 图像</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>PNG 图像</translation>
    </message>
    <message>
        <source>%1 file</source>
        <comment>a file format&apos;s name</comment>
        <translation>%1 文件</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>保存文件</translation>
    </message>
    <message>
        <source>ERROR: Invalid File Selection. Please try again.</source>
        <translation>错误：所选文件无效。请重试。</translation>
    </message>
    <message>
        <source>Quillon Error</source>
        <translation>Quillon 错误</translation>
    </message>
    <message>
        <source>Please choose another file.</source>
        <translation>请选择其他文件。</translation>
    </message>
    <message>
        <source>%1 is one of the system&apos;s own folders, where no file can be saved.</source>
        <translation>%1 是系统自身的文件夹，无法在其中保存文件。</translation>
    </message>
    <message>
        <source>%1 is too long a name for its folder.</source>
        <translation>对所在文件夹来说，%1 这个名称太长。</translation>
    </message>
    <message>
        <source>%1 is a link to a file that does not exist.</source>
        <translation>%1 是指向不存在的文件的链接。</translation>
    </message>
    <message>
        <source>%1 is a device, a pipe or a socket, not a file.</source>
        <translation>%1 是设备、管道或套接字，而不是文件。</translation>
    </message>
    <message>
        <source>%1 is write-protected.</source>
        <translation>%1 处于写保护状态。</translation>
    </message>
    <message>
        <source>%1 belongs to another user, in a folder where only its owner may replace it.</source>
        <translation>%1 属于其他用户，且所在文件夹只允许其所有者替换它。</translation>
    </message>
</context>
<context>
    <name>PageReview</name>
    <message>
        <source>Page %1</source>
        <translation>第 %1 页</translation>
    </message>
    <message>
        <source>%1, separator sheet</source>
        <translation>%1，分隔页</translation>
    </message>
    <message>
        <source>%1, left out: blank</source>
        <translation>%1，已略去：空白</translation>
    </message>
</context>
<context>
    <name>PendingChangesRetry</name>
    <message>
        <source>Your last changes to the options could not be stored: %1.</source>
        <translation>无法保存您最近对设置的更改：%1。</translation>
    </message>
    <message>
        <source>Your change is not stored yet: %1. It is kept, and stored as soon as it can be.</source>
        <translation>您的更改尚未保存：%1。更改已保留，一旦可以保存就会立即保存。</translation>
    </message>
    <message>
        <source>Your changes are stored now.</source>
        <translation>您的更改现已保存。</translation>
    </message>
    <message>
        <source>another program holds the settings file %1</source>
        <translation>另一个程序占用了设置文件 %1</translation>
    </message>
    <message>
        <source>%1 belongs to another user</source>
        <translation>%1 属于其他用户</translation>
    </message>
    <message>
        <source>the settings file could not be written</source>
        <translation>无法写入设置文件</translation>
    </message>
    <message>
        <source>the settings file %1 could not be written</source>
        <translation>无法写入设置文件 %1</translation>
    </message>
</context>
<context>
    <name>QuillonScan</name>
    <message>
        <source>%1 or %2</source>
        <comment>the last of a list of choices</comment>
        <translation>%1 或 %2</translation>
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
        <translation>用法：quillon-scan [选项] 输出文件
按 Quillon 保存的设置扫描到 输出文件 (%1)，
仅本次运行按给出的选项更改这些设置。保存的设置永远不会被更改。

  -d, --device 名称         要使用的 SANE 设备，名称按 SANE 的写法；只写一个后端的名称
                            (&quot;test&quot;) 则打开该后端的第一个设备（默认：上次选择的扫描仪）
  -L, --list-devices        列出扫描仪，每行一台：SANE 名称，然后是厂商和型号
      --source auto|feeder|flatbed
                            auto：使用自动进纸器，进纸器为空时改用平板
      --duplex, --no-duplex 双面，或仅正面
      --duplex manual       用只能扫描单面的自动进纸器扫描双面：先扫描正面，再将纸叠
                            翻转后扫描背面；页面按交错顺序合并
      --mode bw|grey|colour 黑白、灰度（也可写 gray）或彩色（也可写 color）
      --dpi N               %2
      --paper %3
      --quality 0..%4|compact  0 为文件最小，%5 为默认，%4 为最佳；compact：PDF 中的
                            文字页面以清晰的文字叠加在纸张的缩小图像上，文件小数倍
                            （其他格式与默认相同）
      --blank-threshold X   墨迹少于 X (0.001 到 0.05) 的页面将被略去；0 表示保留所有页面
      --contrast, --no-contrast, --crop, --no-crop, --deskew, --no-deskew
      --single, --multiple  单张图像，相当于不勾选“允许多页”；或将多页存入一个文件，
                            相当于勾选该项
      --split, --no-split   每份文档一个文件，在分隔页处拆分（Patch T，或 --print-separator
                            生成的分隔页）：输出文件，然后是 输出文件-2、输出文件-3……
      --print-separator 文件.pdf  写入一张用于打印的分隔页（一页 Letter 和一页 A4）
      --searchable          可搜索的 PDF：页面文字位于图像之下，页面自动转正；
                            按 Quillon 中选择的语言识别，否则按您自己的语言
      --languages 代码      与 --searchable 一起使用：按这些语言识别，用 + 连接 (chi_sim+eng)
      --timeout 秒数        扫描仪多久未发送任何数据后结束扫描 (60)
  -q, --quiet               不显示进度，成功时不显示消息
      --help, --version

问题在终端中询问。没有终端时，“扫描另一页？”的回答为“否”，空的自动进纸器
会改用平板 (--source auto) 或结束扫描 (--source feeder)。

退出状态：0 文件已写入；1 用法错误，或无法读取保存的设置；
2 没有扫描仪，或无法打开扫描仪；
3 扫描失败且未写入任何内容（保留原有文件）；4 已保存部分页面，随后扫描失败；
128+N 被信号 N 终止（按 Ctrl+C 后为 130），不会留下不完整的文件。
</translation>
    </message>
    <message>
        <source>--print-separator writes a .pdf file.</source>
        <translation>--print-separator 写入的是 .pdf 文件。</translation>
    </message>
    <message>
        <source>Give one OUTPUT file.</source>
        <translation>请指定一个输出文件。</translation>
    </message>
    <message>
        <source>%1 names no format Quillon writes: use %2.</source>
        <translation>%1 不是 Quillon 可以写入的格式：请使用 %2。</translation>
    </message>
    <message>
        <source>--searchable needs a .pdf OUTPUT.</source>
        <translation>--searchable 需要 .pdf 格式的输出文件。</translation>
    </message>
    <message>
        <source>--languages is for --searchable.</source>
        <translation>--languages 仅用于 --searchable。</translation>
    </message>
    <message>
        <source>--languages takes codes joined by +, such as deu+eng.</source>
        <translation>--languages 接受用 + 连接的代码，例如 chi_sim+eng。</translation>
    </message>
    <message>
        <source>An option and its --no- form cannot both be given.</source>
        <translation>不能同时指定一个选项及其 --no- 形式。</translation>
    </message>
    <message>
        <source>Give one of --duplex, --duplex manual and --no-duplex.</source>
        <translation>--duplex, --duplex manual 和 --no-duplex 只能指定其中之一。</translation>
    </message>
    <message>
        <source>Give one of --single and --multiple.</source>
        <translation>--single 和 --multiple 只能指定其中之一。</translation>
    </message>
    <message>
        <source>--source takes auto, feeder or flatbed.</source>
        <translation>--source 接受 auto, feeder 或 flatbed。</translation>
    </message>
    <message>
        <source>--mode takes bw, grey or colour.</source>
        <translation>--mode 接受 bw, grey 或 colour。</translation>
    </message>
    <message>
        <source>--dpi takes one of %1.</source>
        <translation>--dpi 接受以下值之一：%1。</translation>
    </message>
    <message>
        <source>--paper takes %1.</source>
        <translation>--paper 接受 %1。</translation>
    </message>
    <message>
        <source>--quality takes 0 to %1, or compact.</source>
        <translation>--quality 接受 0 到 %1，或 compact。</translation>
    </message>
    <message>
        <source>--timeout takes a number of seconds, 1 or more.</source>
        <translation>--timeout 接受以秒为单位的数值，至少为 1。</translation>
    </message>
    <message>
        <source>--blank-threshold takes 0, or 0.001 to 0.05 in steps of 0.001.</source>
        <translation>--blank-threshold 接受 0，或 0.001 到 0.05 之间、步长为 0.001 的值。</translation>
    </message>
    <message>
        <source>No scanner was found.</source>
        <translation>未找到扫描仪。</translation>
    </message>
    <message>
        <source>The separator sheet could not be written: %1</source>
        <translation>无法写入分隔页：%1</translation>
    </message>
    <message>
        <source>A separator sheet to print at full size (a Letter page and an A4 page): %1</source>
        <translation>请按实际尺寸打印的分隔页（一页 Letter 和一页 A4）：%1</translation>
    </message>
    <message>
        <source>quillon-scan --help tells how to use it.</source>
        <translation>运行 quillon-scan --help 查看用法。</translation>
    </message>
    <message>
        <source>The stored options could not be read: %1 belongs to another user. Nothing was scanned.</source>
        <translation>无法读取保存的设置：%1 属于其他用户。未扫描任何内容。</translation>
    </message>
    <message>
        <source>The stored options could not be read (%1 is held by another program, or is a link to something that is not Quillon&apos;s settings): nothing was scanned.</source>
        <translation>无法读取保存的设置（%1 被另一个程序占用，或者它是指向非 Quillon 设置的链接）：未扫描任何内容。</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>已取消。</translation>
    </message>
    <message>
        <source>No scanner is named %1. quillon-scan --list-devices lists them.</source>
        <translation>没有名为 %1 的扫描仪。quillon-scan --list-devices 可列出所有扫描仪。</translation>
    </message>
    <message>
        <source>The scanner used last, %1, could not be opened. quillon-scan --list-devices lists the scanners; -d NAME chooses one.</source>
        <translation>无法打开上次使用的扫描仪 %1。quillon-scan --list-devices 可列出扫描仪；-d 名称 可选择其中一台。</translation>
    </message>
    <message>
        <source>Without a terminal, no one could be asked to turn the stack over for the back sides.</source>
        <translation>没有终端，无法请人翻转纸叠来扫描背面。</translation>
    </message>
    <message>
        <source>y</source>
        <comment>the key that answers Yes</comment>
        <translation>y</translation>
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
        <translation>[y/n/c]</translation>
    </message>
    <message>
        <source>[y/n]</source>
        <comment>the keys that answer Yes and No</comment>
        <translation>[y/n]</translation>
    </message>
    <message>
        <source>Load the documents into the feeder. Retry? [y] yes, [n] use the flatbed, [c] cancel</source>
        <translation>请将文档放入自动进纸器。是否重试？[y] 是，[n] 使用平板，[c] 取消</translation>
    </message>
    <message>
        <source>Put the next page on the flatbed. Scan it? [y] yes, [n] no, save the file</source>
        <translation>请将下一页放到平板上。是否扫描？[y] 是，[n] 否，保存文件</translation>
    </message>
    <message>
        <source>Turn the stack over, without changing its order, and load it into the feeder again. Scan the back sides? [y] yes, [n] keep the front sides only</source>
        <translation>请在不改变顺序的情况下翻转纸叠，然后重新放入自动进纸器。是否扫描背面？[y] 是，[n] 仅保留正面</translation>
    </message>
    <message>
        <source>Save every page, the unmatched ones at the end? [y] yes, [n] keep the front sides only</source>
        <translation>是否保存所有页面，并将未配对的页面放在末尾？[y] 是，[n] 仅保留正面</translation>
    </message>
    <message>
        <source>Scanning page %1: %2 %</source>
        <translation>正在扫描页面 %1：%2 %</translation>
    </message>
    <message>
        <source>%1 (no terminal to ask)</source>
        <comment>the answer given</comment>
        <translation>%1（没有可询问的终端）</translation>
    </message>
    <message>
        <source>%1 (document %2)</source>
        <translation>%L1（文档 %L2）</translation>
    </message>
    <message>
        <source>Scanning page %1</source>
        <translation>正在扫描页面 %1</translation>
    </message>
    <message>
        <source>
Image files in place of a scanner:
      --from PATH           JPEG, PNG and TIFF files (every page of a TIFF), or a folder&apos;s images
                            in the order of their names, as the pages of a feeder; give it again
                            for more. The stored options apply as to a scan.
</source>
        <translation>
用图像文件代替扫描仪：
      --from 路径           JPEG、PNG 和 TIFF 文件（TIFF 的每一页），或文件夹中按名称顺序排列的图像，
                            作为进纸器的页面；可多次指定。已保存的选项与扫描时一样适用。
</translation>
    </message>
    <message>
        <source>Give one of --from and --device.</source>
        <translation>--from 和 --device 只能指定其一。</translation>
    </message>
    <message>
        <source>--from takes each image as a page of its own: --duplex is for a scanner.</source>
        <translation>--from 把每个图像当作单独的一页：--duplex 用于扫描仪。</translation>
    </message>
    <message>
        <source>--from takes the images as a feeder&apos;s pages: --source flatbed is for a scanner.</source>
        <translation>--from 把图像当作进纸器的页面：--source flatbed 用于扫描仪。</translation>
    </message>
    <message>
        <source>%1 holds one image, and %2 were given: write them to a .pdf or .tiff file.</source>
        <translation>%1 只能容纳一个图像，但指定了 %2 个：请将它们写入 .pdf 或 .tiff 文件。</translation>
    </message>
</context>
<context>
    <name>RunScan</name>
    <message>
        <source>User Canceled Scan</source>
        <translation>用户取消了扫描</translation>
    </message>
    <message>
        <source>ERROR: Invalid DPI Selected. (%1) Please select a correct option.</source>
        <translation>错误：所选分辨率 (DPI) 无效。(%1) 请选择正确的选项。</translation>
    </message>
    <message>
        <source>ERROR: Invalid Scan Color Option Selected. (%1) Please select a correct option.</source>
        <translation>错误：所选颜色选项无效。(%1) 请选择正确的选项。</translation>
    </message>
    <message>
        <source>ERROR: Invalid Duplex Option Selected. (%1) Please select a correct option.</source>
        <translation>错误：所选双面选项无效。(%1) 请选择正确的选项。</translation>
    </message>
    <message>
        <source>ERROR: Invalid PageRejectionCoverage Selected. (%1) Please select a correct option.</source>
        <translation>错误：所选空白页阈值 (PageRejectionCoverage) 无效。(%1) 请选择正确的选项。</translation>
    </message>
    <message>
        <source>ERROR: Searchable PDF cannot be made.</source>
        <translation>错误：无法生成可搜索的 PDF。</translation>
    </message>
    <message>
        <source>You have selected a WIA scanner, but did not check the WIA option. This may lead to unexpected problems.</source>
        <translation>您选择了 WIA 扫描仪，但未勾选 WIA 选项。这可能会导致意外问题。</translation>
    </message>
    <message>
        <source>Quillon Warning</source>
        <translation>Quillon 警告</translation>
    </message>
    <message>
        <source>Please load the documents into the Auto-Document Feeder.</source>
        <translation>请将文档放入自动进纸器。</translation>
    </message>
    <message>
        <source>Click YES to retry or</source>
        <translation>点击“是”重试，或</translation>
    </message>
    <message>
        <source>Click NO to use the flatbed or other scan head (if equipped).</source>
        <translation>点击“否”使用平板或其他扫描单元（如有）。</translation>
    </message>
    <message>
        <source>Scan Another Page?</source>
        <translation>扫描另一页？</translation>
    </message>
    <message>
        <source>Quillon Question</source>
        <translation>Quillon 询问</translation>
    </message>
    <message>
        <source>%1 front sides but %2 back sides were scanned.</source>
        <translation>已扫描 %L1 个正面，但背面为 %L2 个。</translation>
    </message>
    <message>
        <source>Click YES to save every page, the unmatched ones at the end, or NO to keep the front sides only.</source>
        <translation>点击“是”保存所有页面（未配对的页面放在末尾），或点击“否”仅保留正面。</translation>
    </message>
    <message>
        <source>1 back side belongs to no front side; it goes at the end.</source>
        <translation>有 1 个背面没有对应的正面，它将放在末尾。</translation>
    </message>
    <message numerus="yes">
        <source>%n back sides belong to no front side; they go at the end.</source>
        <translation>
            <numerusform>有 %Ln 个背面没有对应的正面，它们将放在末尾。</numerusform>
        </translation>
    </message>
    <message>
        <source>Sheet 1 has no back side.</source>
        <translation>第 1 张纸没有背面。</translation>
    </message>
    <message>
        <source>Sheets %1 and %2 have no back side.</source>
        <translation>第 %1 和 %2 张纸没有背面。</translation>
    </message>
    <message>
        <source>The scan stopped at back side %1 of %2 (the back of sheet %3).</source>
        <translation>扫描停止于第 %L1 个背面（共 %L2 个），即第 %L3 张纸的背面。</translation>
    </message>
    <message>
        <source>Documents saved before:</source>
        <translation>之前已保存的文档：</translation>
    </message>
    <message>
        <source>TWAIN Error #%1 %2</source>
        <comment>the library&apos;s error number and its text</comment>
        <translation>TWAIN 错误 #%1 %2</translation>
    </message>
    <message>
        <source>Could not locate file: %1</source>
        <translation>找不到文件：%1</translation>
    </message>
    <message>
        <source>Nothing was saved to: %1</source>
        <translation>未保存任何内容到：%1</translation>
    </message>
    <message>
        <source>The file that was already there has not been changed.</source>
        <translation>原有文件未被更改。</translation>
    </message>
    <message>
        <source>The back sides did not match them and were left out.</source>
        <translation>背面与正面不匹配，已被略去。</translation>
    </message>
    <message>
        <source>The stack was not turned over for the back sides.</source>
        <translation>纸叠未翻转，未扫描背面。</translation>
    </message>
    <message>
        <source>Only the front sides were saved to:</source>
        <translation>仅将正面保存到：</translation>
    </message>
    <message>
        <source>Scanned Successfully to:</source>
        <translation>已成功扫描到：</translation>
    </message>
    <message>
        <source>Quillon Successful</source>
        <translation>Quillon 扫描成功</translation>
    </message>
    <message>
        <source>1 page was saved to:</source>
        <translation>已将 1 页保存到：</translation>
    </message>
    <message numerus="yes">
        <source>%n pages were saved to:</source>
        <translation>
            <numerusform>已将 %Ln 页保存到：</numerusform>
        </translation>
    </message>
    <message>
        <source>The file already at %1 was kept as it was.</source>
        <translation>%1 处的原有文件保持不变。</translation>
    </message>
    <message>
        <source>ERROR: An error occurred while scanning.</source>
        <translation>错误：扫描时出错。</translation>
    </message>
    <message>
        <source>Quillon Scanning Error</source>
        <translation>Quillon 扫描错误</translation>
    </message>
    <message>
        <source>Quillon Information</source>
        <translation>Quillon 信息</translation>
    </message>
    <message>
        <source>Canceled Scan</source>
        <translation>扫描已取消</translation>
    </message>
    <message>
        <source>Warning: An attempt was made to enable duplex scanning, however your scanner either does not support it, or does not behave according to the TWAIN specifications.</source>
        <translation>警告：尝试启用双面扫描，但您的扫描仪不支持该功能，或其行为不符合 TWAIN 规范。</translation>
    </message>
    <message>
        <source>%1 (1 page)</source>
        <comment>a file and its pages</comment>
        <translation>%1 (1 页)</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n pages)</source>
        <comment>a file and its pages</comment>
        <translation>
            <numerusform>%1 (%Ln 页)</numerusform>
        </translation>
    </message>
    <message>
        <source>Turn the stack over, without changing its order, and load it into the feeder again. Click YES to scan the back sides or NO to keep the front sides only.</source>
        <translation>请在不改变顺序的情况下翻转纸叠，然后重新放入自动进纸器。点击“是”扫描背面，或点击“否”仅保留正面。</translation>
    </message>
</context>
<context>
    <name>SaneLibrary</name>
    <message>
        <source>The scanner has sent nothing for %1 s. The scan ends by itself after %2 s; Cancel ends it now.</source>
        <translation>扫描仪已有 %L1 秒未发送任何数据。扫描将在 %L2 秒后自动结束；点击“取消”可立即结束。</translation>
    </message>
    <message>
        <source>Looking for scanners...</source>
        <translation>正在查找扫描仪…</translation>
    </message>
    <message>
        <source>Waiting for the scanner to be let go...</source>
        <translation>正在等待扫描仪被释放…</translation>
    </message>
    <message>
        <source>Opening the scanner...</source>
        <translation>正在打开扫描仪…</translation>
    </message>
    <message>
        <source>Saving the document...</source>
        <translation>正在保存文档…</translation>
    </message>
    <message>
        <source>Waiting for page %1...</source>
        <translation>正在等待第 %L1 页…</translation>
    </message>
</context>
<context>
    <name>ScannerErrors</name>
    <message>
        <source>The scan was cancelled.</source>
        <translation>扫描已取消。</translation>
    </message>
    <message>
        <source>The document feeder is empty.</source>
        <translation>自动进纸器中没有纸。</translation>
    </message>
    <message>
        <source>The document feeder is jammed.</source>
        <translation>自动进纸器卡纸。</translation>
    </message>
    <message>
        <source>The scanner cover is open.</source>
        <translation>扫描仪盖板已打开。</translation>
    </message>
    <message>
        <source>The scanner stopped answering. Check its cable and power.</source>
        <translation>扫描仪停止响应。请检查线缆和电源。</translation>
    </message>
    <message>
        <source>The scanner is busy.</source>
        <translation>扫描仪正忙。</translation>
    </message>
    <message>
        <source>There is not enough memory for a page this large: a lower resolution, or grey or black and white, needs less.</source>
        <translation>内存不足以处理这么大的页面：降低分辨率，或改用灰度或黑白，所需内存会更少。</translation>
    </message>
    <message>
        <source>You are not allowed to use this scanner.</source>
        <translation>您无权使用此扫描仪。</translation>
    </message>
    <message>
        <source>The scanner could not be found. It may have been unplugged.</source>
        <translation>找不到扫描仪。它可能已被拔出。</translation>
    </message>
    <message>
        <source>The scanner does not support this operation.</source>
        <translation>扫描仪不支持此操作。</translation>
    </message>
    <message>
        <source>The scanner refused a setting.</source>
        <translation>扫描仪拒绝了某项设置。</translation>
    </message>
    <message>
        <source>No scanner is open.</source>
        <translation>没有打开的扫描仪。</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>无法写入文件。</translation>
    </message>
    <message>
        <source>This file type cannot be written.</source>
        <translation>无法写入此类型的文件。</translation>
    </message>
    <message>
        <source>No page was scanned, so no file was written.</source>
        <translation>未扫描任何页面，因此未写入文件。</translation>
    </message>
    <message>
        <source>The scanner sent an incomplete page.</source>
        <translation>扫描仪发送的页面不完整。</translation>
    </message>
    <message>
        <source>The scanner lamp is still warming up. Try again in a moment.</source>
        <translation>扫描仪灯管仍在预热。请稍后重试。</translation>
    </message>
    <message>
        <source>The scanner is locked for transport. Unlock it and try again.</source>
        <translation>扫描仪处于运输锁定状态。请解锁后重试。</translation>
    </message>
    <message>
        <source>The scanner stopped answering.</source>
        <translation>扫描仪停止响应。</translation>
    </message>
    <message>
        <source>The system refused:</source>
        <translation>系统拒绝了操作：</translation>
    </message>
    <message>
        <source>The scanner sent a page that could not be read: its image was damaged, or the connection broke off.</source>
        <translation>扫描仪发送的页面无法读取：图像已损坏，或连接已中断。</translation>
    </message>
    <message>
        <source>The scanner library failed unexpectedly.</source>
        <translation>扫描仪库意外出错。</translation>
    </message>
    <message>
        <source>An image file could not be used:</source>
        <translation>无法使用图像文件：</translation>
    </message>
</context>
<context>
    <name>SelectScanner</name>
    <message>
        <source>Select Scanner</source>
        <translation>选择扫描仪</translation>
    </message>
    <message>
        <source>No scanner was found. Check that it is connected and switched on, then press SCAN again.</source>
        <translation>未找到扫描仪。请检查扫描仪是否已连接并开启，然后再次按“扫描”。</translation>
    </message>
    <message>
        <source>Scan with:</source>
        <translation>扫描设备：</translation>
    </message>
    <message>
        <source>Scanners</source>
        <translation>扫描仪</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>Scanning page %1...</source>
        <translation>正在扫描第 %L1 页…</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Searchable PDF</source>
        <translation>可搜索的 PDF</translation>
    </message>
    <message>
        <source>Poor - Smallest Size</source>
        <translation>最低 – 文件最小</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
    <message>
        <source>Moderate</source>
        <translation>中等</translation>
    </message>
    <message>
        <source>Good - Default</source>
        <translation>良好 – 默认</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Highest - Largest Size</source>
        <translation>最高 – 文件最大</translation>
    </message>
    <message>
        <source>Compact - Text Pages</source>
        <translation>紧凑 – 文字页面</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>默认</translation>
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
        <translation>黑白</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>灰度</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>彩色</translation>
    </message>
    <message>
        <source>Front Only</source>
        <translation>仅正面</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>双面</translation>
    </message>
    <message>
        <source>Manual Duplex (turn the stack)</source>
        <translation>手动双面 (翻转纸叠)</translation>
    </message>
    <message>
        <source>The settings file %1 is a link to something that is not Quillon&apos;s settings; it is left as it is, and the options are not stored.</source>
        <translation>设置文件 %1 是指向非 Quillon 设置的链接；该文件保持不变，设置不会被保存。</translation>
    </message>
    <message>
        <source>The settings file %1 could not be used as Quillon&apos;s; it was kept as %2, and a fresh one was started.</source>
        <translation>设置文件 %1 无法用作 Quillon 的设置；已将其保留为 %2，并新建了一个设置文件。</translation>
    </message>
    <message>
        <source>checked</source>
        <translation>已勾选</translation>
    </message>
    <message>
        <source>unchecked</source>
        <translation>未勾选</translation>
    </message>
    <message numerus="yes">
        <source>%n bytes long</source>
        <translation>
            <numerusform>长 %Ln 字节</numerusform>
        </translation>
    </message>
    <message>
        <source>The stored value of %1, %2, cannot be used; its default (%3) is used instead.</source>
        <translation>%1 的保存值（%2）无法使用，改用其默认值（%3）。</translation>
    </message>
</context>
<context>
    <name>quillon</name>
    <message>
        <source>Scans paper documents into one PDF, TIFF, JPEG or PNG file.</source>
        <translation>将纸质文档扫描为一个 PDF、TIFF、JPEG 或 PNG 文件。</translation>
    </message>
</context>
<context>
    <name>quillon::Main</name>
    <message>
        <source>%1 choices</source>
        <comment>a list&apos;s open items, named by its label</comment>
        <translation>%1 选项列表</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>The stored options could not be read (another program holds them, or the settings file is a link to something else); the defaults are shown, and the stored options are kept as they are.</source>
        <translation>无法读取保存的设置（另一个程序占用了这些设置，或设置文件是指向其他内容的链接）；现显示默认值，保存的设置保持不变。</translation>
    </message>
    <message>
        <source>SCAN</source>
        <translation>扫描</translation>
    </message>
    <message>
        <source>Try ADF First</source>
        <translation>优先自动进纸器</translation>
    </message>
    <message>
        <source>Will try to feed from the ADF (if available) first, otherwise it will then try the flatbed.</source>
        <translation>先尝试从自动进纸器（如有）进纸，否则改用平板。</translation>
    </message>
    <message>
        <source>Allow Multiple Pages</source>
        <translation>允许多页</translation>
    </message>
    <message>
        <source>Controls whether the ADF will scan all available pages or whether the user will be prompted to add additional pages.</source>
        <translation>控制自动进纸器是扫描所有已放入的页面，还是提示您添加更多页面。</translation>
    </message>
    <message>
        <source>DPI</source>
        <translation>DPI</translation>
    </message>
    <message>
        <source>Sets the Initial Scan Quality.</source>
        <translation>设置扫描分辨率。</translation>
    </message>
    <message>
        <source>Scan Type</source>
        <translation>颜色模式</translation>
    </message>
    <message>
        <source>Sets the Scan Color Settings.</source>
        <translation>设置扫描的颜色。</translation>
    </message>
    <message>
        <source>Duplex</source>
        <translation>扫描面</translation>
    </message>
    <message>
        <source>Sets the Sides of the Paper Scaned.</source>
        <translation>设置扫描纸张的哪些面。</translation>
    </message>
    <message>
        <source>Page Rejection</source>
        <translation>空白页阈值</translation>
    </message>
    <message>
        <source>Sets the percantage of ink coverage per page necessary to include the page.</source>
        <translation>设置页面需要达到的墨迹覆盖百分比，达到该比例的页面才会被保留。</translation>
    </message>
    <message>
        <source>Quillon document scanner · v 1.07</source>
        <translation>Quillon 文档扫描仪 · v 1.07</translation>
    </message>
    <message>
        <source>Auto Crop</source>
        <translation>自动裁剪</translation>
    </message>
    <message>
        <source>Automatically crops the excess area from the scan. (Used for photos only)</source>
        <translation>自动裁掉扫描结果中多余的区域。（仅用于照片）</translation>
    </message>
    <message>
        <source>Auto Deskew</source>
        <translation>自动纠偏</translation>
    </message>
    <message>
        <source>Will automatically rotate pages that are not aligned correctly in the scanner.</source>
        <translation>自动旋转在扫描仪中放歪的页面。</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Sets the resulting file format.</source>
        <translation>设置生成文件的格式。</translation>
    </message>
    <message>
        <source>WIA</source>
        <translation>WIA</translation>
    </message>
    <message>
        <source>Changes various internal settings to be work better with Windows Image Aquisition (WIA) scanners.</source>
        <translation>更改多项内部设置，以便更好地配合 Windows 图像采集 (WIA) 扫描仪工作。</translation>
    </message>
    <message>
        <source>Defaults</source>
        <translation>默认值</translation>
    </message>
    <message>
        <source>Auto Contrast</source>
        <translation>自动对比度</translation>
    </message>
    <message>
        <source>Automatically adjusts contrast levels.</source>
        <translation>自动调整对比度。</translation>
    </message>
    <message>
        <source>Quality (Size)</source>
        <translation>质量（大小）</translation>
    </message>
    <message>
        <source>Sets the result file format compression.</source>
        <translation>设置生成文件的压缩程度。</translation>
    </message>
    <message>
        <source>Paper Size</source>
        <translation>纸张大小</translation>
    </message>
    <message>
        <source>Split at Separator Sheets</source>
        <translation>按分隔页拆分</translation>
    </message>
    <message>
        <source>Starts a new file at each separator sheet in the stack: a printed Patch T sheet, or the sheet that quillon-scan --print-separator makes. The separator sheets themselves are not kept.</source>
        <translation>在纸叠中的每张分隔页处开始一个新文件：分隔页可以是打印的 Patch T 页，也可以是 quillon-scan --print-separator 生成的页面。分隔页本身不会保留。</translation>
    </message>
    <message>
        <source>PDF pages of text are written as sharp text over a small picture of the paper, several times smaller. A page below 150 dpi, of faint ink, mostly picture or of print too small is kept as with Good - Default, as are TIFF, JPEG and PNG files.</source>
        <translation>PDF 中的文字页面将以清晰的文字叠加在纸张的缩小图像上写入，文件可缩小数倍。低于 150 dpi、墨迹较淡、以图片为主或字体过小的页面，按“良好 – 默认”保存，TIFF、JPEG 和 PNG 文件也是如此。</translation>
    </message>
    <message>
        <source>The Auto-Crop feature is intended to only be used for photographs and should not be used for documents as it may produce unexpected results.</source>
        <translation>自动裁剪功能仅适用于照片，不应用于文档，否则可能产生意外结果。</translation>
    </message>
    <message>
        <source>The stored options could not be read: %1 belongs to another user. The defaults are shown, and the stored options are kept as they are.</source>
        <translation>无法读取保存的设置：%1 属于其他用户。现显示默认值，保存的设置保持不变。</translation>
    </message>
    <message>
        <source>Quillon Information</source>
        <translation>Quillon 信息</translation>
    </message>
    <message>
        <source>Review Pages Before Saving</source>
        <translation>保存前检查页面</translation>
    </message>
    <message>
        <source>Shows the scanned pages before the file is written: turn, delete, reorder or keep pages the blank test left out, and scan more.</source>
        <translation>在写入文件之前显示扫描的页面：旋转、删除、重新排序或保留空白页检测略去的页面，以及继续扫描。</translation>
    </message>
</context>
<context>
    <name>quillon::ProgressWindow</name>
    <message>
        <source>1 page</source>
        <translation>1 页</translation>
    </message>
    <message numerus="yes">
        <source>%n pages</source>
        <translation>
            <numerusform>%Ln 页</numerusform>
        </translation>
    </message>
    <message>
        <source>, 1 blank page left out</source>
        <translation>，略去 1 个空白页</translation>
    </message>
    <message numerus="yes">
        <source>, %n blank pages left out</source>
        <translation>
            <numerusform>，略去 %Ln 个空白页</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Scan progress</source>
        <translation>扫描进度</translation>
    </message>
    <message>
        <source>The last page scanned</source>
        <translation>最后扫描的页面</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
</context>
<context>
    <name>quillon::ReviewWindow</name>
    <message>
        <source>Review Pages</source>
        <translation>检查页面</translation>
    </message>
    <message>
        <source>Scanned pages</source>
        <translation>已扫描的页面</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>向左旋转</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>向右旋转</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>保留</translation>
    </message>
    <message>
        <source>Saves a page the blank test left out after all.</source>
        <translation>仍然保存被空白页检测略去的页面。</translation>
    </message>
    <message>
        <source>Move Earlier</source>
        <translation>前移</translation>
    </message>
    <message>
        <source>Move Later</source>
        <translation>后移</translation>
    </message>
    <message>
        <source>Scan More</source>
        <translation>继续扫描</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>1 page will be saved.</source>
        <translation>将保存 1 页。</translation>
    </message>
    <message numerus="yes">
        <source>%n pages will be saved.</source>
        <translation>
            <numerusform>将保存 %Ln 页。</numerusform>
        </translation>
    </message>
    <message>
        <source>Discard the 1 scanned page?</source>
        <translation>放弃已扫描的 1 页吗？</translation>
    </message>
    <message numerus="yes">
        <source>Discard the %n scanned pages?</source>
        <translation>
            <numerusform>放弃已扫描的 %Ln 页吗？</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillon::ScanProgress</name>
    <message>
        <source>Stopping the scanner...</source>
        <translation>正在停止扫描仪…</translation>
    </message>
</context>
<context>
    <name>quillon::TextLanguageChoice</name>
    <message>
        <source>Text Language</source>
        <translation>文字语言</translation>
    </message>
    <message>
        <source>The languages the text of a Searchable PDF is read in. Check several for pages in more than one.</source>
        <translation>识别可搜索的 PDF 中文字时所用的语言。页面包含多种语言时可勾选多项。</translation>
    </message>
    <message>
        <source>%1 choices</source>
        <comment>a list&apos;s open items, named by its label</comment>
        <translation>%1 选项列表</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>自动</translation>
    </message>
</context>
</TS>
