// SPDX-License-Identifier: GPL-3.0-or-later
// Searchable PDF on real scanned pages, against ocrmypdf grafting the same
// engine's text onto the same image data, in one run:
//   - speed, processor time and peak memory of each side;
//   - the text: what pdftotext finds in Quillon's file against what the
//     engine's own program reads from the same image;
//   - the placement: pdftotext's word boxes against the engine's own boxes;
//   - the size: what the text layer adds, and Quillon's file against ocrmypdf's;
//   - orientation: every page turned by 90, 180 and 270 degrees;
//   - first, the headline: processor time of a one-page searchable scan of
//     each 300 dpi page, quillon-scan run as a process against a simulated
//     network scanner, against the engine's own program on the same page;
//   - with --phases, where each page's processor time goes instead: the
//     engine's layout analysis, its recognition, its second look at doubtful
//     lines with the shades swapped, its orientation check, and Quillon's own
//     work around it, each page read whole on one thread and in parts by two,
//     against the engine's own program on the same page, and the words found
//     and placed either way.
//
//   - with --askew, every page turned by that many degrees first, as a sheet
//     fed slightly askew comes in (the engine's program reads the same turned page).
//
// ocr_bench [--pages a.png,b.png,/my/page.png] [--askew DEGREES] [--no-peer] [--no-orientation]
//           [--no-processes] [--keep] [--phases]
#include "app/PrepareProcess.h"
#include "ChildProcess.h"
#include "EsclSimulator.h"
#include "scan/imaging/writers/DocumentWriter.h"
#include "scan/imaging/pages/Enhancements.h"
#include "scan/ScanDocument.h"
#include "scan/imaging/writers/PageEncoders.h"
#include "scan/imaging/compact/PageBands.h"
#include "scan/imaging/pages/PageImage.h"
#include "scan/imaging/text/PdfTextLayer.h"
#include "scan/imaging/writers/PdfWriter.h"
#include "scan/imaging/text/TextLanguages.h"
#include "scan/imaging/text/TextRecognizer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <tesseract/baseapi.h>
#include <omp.h>

#include <algorithm>
#include <cmath>
#include <ctime>
#include <memory>
#include <cstdio>
#include <map>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

using namespace quillon;
using namespace quillon::bench;

namespace {

// The real scans that carry printed text the English model can read
// (music, separator sheets, blank pages and the Hebrew column left out).
const QStringList kTextPages{
    "ocrmypdf_linn.png",     "ocrmypdf_typewriter.png", "ocrmypdf_c02-22.png",      "ocrmypdf_epson.png",
    "naps2_notblank.png",    "tess_8071_093.3B.png",    "tess_8087_054.3B.png",     "paperless_fax_p1.png",
    "paperless_fax_p3.png",  "pdfjs_scan-bad.png",      "pdfjs_issue5747.png",      "lept_feyn.png",
    "lept_witten.png",       "lept_pageseg2.png",       "lept_scots-frag.png",      "lept_patent.png",
    "lept_harmoniam-11.png", "lept_table.27.png",       "lept_rabi.png",            "lept_lucasta.047.png",
    "lept_lion-page.00012.png", "lept_lion-page.00013.png", "lept_cat.007.png",     "lept_zanotti-78.png",
    "lept_amoris.2.150.png", "lept_breviar.38.150.png", "lept_colorpage.030.png"};

constexpr int kUnknownDpi = 300;

struct Page {
    QString name, path;
    int dpi = kUnknownDpi;
    QImage image;
};

std::map<QString, int> DpiLabels(const QString& folder) {
    std::map<QString, int> dpis;
    QFile labels(folder + "/labels.tsv");
    if (!labels.open(QIODevice::ReadOnly)) return dpis;
    while (!labels.atEnd()) {
        const QStringList fields = QString::fromUtf8(labels.readLine()).split('\t');
        if (fields.size() > 5) dpis[fields[0]] = fields[5].toInt();
    }
    return dpis;
}

QByteArray Run(const QStringList& command) {
    QStringList quoted;
    for (const QString& part : command) quoted << "'" + QString(part).replace("'", "'\\''") + "'";
    FILE* pipe = popen((quoted.join(' ') + " 2>/dev/null").toLocal8Bit().constData(), "r");
    QByteArray output;
    if (!pipe) return output;
    char buffer[65536];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, static_cast<qsizetype>(n));
    pclose(pipe);
    return output;
}

// Writes the pages as one PDF, as a scan does: page after page through the
// pipeline. Searchable when the languages are given.
bool WriteDocument(const std::vector<Page>& pages, const QString& path, const TextLanguages& text) {
    ScanDocument session;
    session.SetJpegQuality(75);
    session.SetTextRecognition(text);
    if (session.BeginDocument(path) != 0) return false;
    for (const Page& page : pages) {
        session.WaitForRoom([] { return false; });
        const ImageHandle handle = session.Adopt(page.image, page.dpi);
        if (session.WritePage(handle) != 0) return false;
        session.Free(handle);
    }
    return session.EndDocument() == 0;
}

QString Collapsed(const QString& text) { return text.simplified(); }

// Edit distance between two sequences (of characters or of words), two rows at a time.
template <typename Sequence>
int EditDistance(const Sequence& a, const Sequence& b) {
    std::vector<int> previous(static_cast<std::size_t>(b.size()) + 1), current(previous.size());
    for (std::size_t j = 0; j < previous.size(); ++j) previous[j] = static_cast<int>(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        current[0] = static_cast<int>(i);
        for (qsizetype j = 1; j <= b.size(); ++j)
            current[static_cast<std::size_t>(j)] =
                std::min({previous[static_cast<std::size_t>(j)] + 1, current[static_cast<std::size_t>(j - 1)] + 1,
                          previous[static_cast<std::size_t>(j - 1)] + (a[i - 1] == b[j - 1] ? 0 : 1)});
        std::swap(previous, current);
    }
    return previous.back();
}

struct Box {
    QString text;
    double left, top, right, bottom;
};

double IoU(const Box& a, const Box& b) {
    const double w = std::min(a.right, b.right) - std::max(a.left, b.left);
    const double h = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    if (w <= 0 || h <= 0) return 0;
    const double both = w * h;
    return both / ((a.right - a.left) * (a.bottom - a.top) + (b.right - b.left) * (b.bottom - b.top) - both);
}

std::vector<Box> EngineBoxes(const QByteArray& tsv) {
    std::vector<Box> boxes;
    for (const QByteArray& line : tsv.split('\n')) {
        const QList<QByteArray> f = line.split('\t');
        if (f.size() < 12 || f[0] != "5" || f[11].trimmed().isEmpty()) continue;
        const double left = f[6].toDouble(), top = f[7].toDouble();
        boxes.push_back({QString::fromUtf8(f[11]).trimmed(), left, top, left + f[8].toDouble(), top + f[9].toDouble()});
    }
    return boxes;
}

QString Unescaped(QString text) {
    return text.replace("&lt;", "<").replace("&gt;", ">").replace("&quot;", "\"").replace("&apos;", "'").replace("&amp;", "&");
}

std::vector<Box> PdfBoxes(const QByteArray& html, double pixelsPerPoint) {
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<Box> boxes;
    auto it = word.globalMatch(QString::fromUtf8(html));
    while (it.hasNext()) {
        const auto m = it.next();
        boxes.push_back({Unescaped(m.captured(5)), m.captured(1).toDouble() * pixelsPerPoint,
                         m.captured(2).toDouble() * pixelsPerPoint, m.captured(3).toDouble() * pixelsPerPoint,
                         m.captured(4).toDouble() * pixelsPerPoint});
    }
    return boxes;
}

// Characters of the reference found in the text, in any order and blanks aside.
int CharactersFound(const QString& reference, const QString& text) {
    std::map<QChar, int> left;
    for (const QChar c : text)
        if (!c.isSpace()) ++left[c];
    int found = 0;
    for (const QChar c : reference)
        if (!c.isSpace() && left[c]-- > 0) ++found;
    return found;
}

int NonBlank(const QString& text) {
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](QChar c) { return !c.isSpace(); }));
}

struct PageCheck {
    int referenceChars = 0, differingChars = 0, differingRaw = 0, differingPeer = 0;
    int nonBlankChars = 0, foundChars = 0;
    int referenceWords = 0, differingWords = 0, differingRawWords = 0;
    int engineWords = 0, placedWords = 0;
    bool turned = false;
};


// The whole process's: a reading may take a second core for part of its page.
double ProcessSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

template <typename Work>
double Timed(Work work) {
    const double start = ProcessSeconds();
    work();
    return ProcessSeconds() - start;
}

// The engine set up as the text-engine module sets it up: one thread, the
// layout found, warnings off.
std::unique_ptr<tesseract::TessBaseAPI> Engine(const TextLanguages& languages, const char* codes, bool orientation) {
    auto api = std::make_unique<tesseract::TessBaseAPI>();
    if (api->Init(languages.dataDirectory.toUtf8().constData(), codes,
                  orientation ? tesseract::OEM_TESSERACT_ONLY : tesseract::OEM_LSTM_ONLY) != 0)
        return nullptr;
    api->SetVariable("debug_file", "/dev/null");
    if (!orientation) api->SetPageSegMode(tesseract::PSM_AUTO);
    return api;
}

void SetEnginePage(tesseract::TessBaseAPI& api, const QImage& page) {
    api.SetImage(page.constBits(), page.width(), page.height(), page.format() == QImage::Format_RGB888 ? 3 : 1,
                 static_cast<int>(page.bytesPerLine()));
    api.SetSourceResolution(std::max(PageDpi(page), 70));
}

// Quillon's work for one page of a searchable PDF, as its writer does it:
// the page read upright, its image encoded, the text layer made.
struct QuillonReading {
    double seconds = 0;
    UprightText read;
};
QuillonReading QuillonPage(const QImage& page, const TextLanguages& languages, PdfWriter& plain) {
    QuillonReading result;
    result.seconds = Timed([&] {
        result.read = ReadUpright(page, languages);
        const EncodedPage encoded = plain.Encode(TurnPage(page, result.read.quarterTurns));
        const TextLayer layer = MakeTextLayer(result.read.text.words, encoded.height, encoded.dpi);
        (void)EncodeFlate(layer.content);
    });
    return result;
}

// Of the words the engine's own program reads: the share Quillon found too,
// and the share it placed where the program does (IoU >= 0.8; a page written
// turned is left out of the boxes).
std::pair<double, double> Agreement(const std::vector<Box>& reference, const UprightText& read) {
    std::map<QString, int> left;
    for (const RecognizedWord& word : read.text.words) ++left[word.text];
    int found = 0, placed = 0;
    for (const Box& word : reference) {
        if (left[word.text]-- > 0) ++found;
        if (read.quarterTurns != 0) continue;
        for (const RecognizedWord& candidate : read.text.words) {
            const QRectF box(candidate.box);
            if (candidate.text == word.text && IoU(word, {candidate.text, box.left(), box.top(), box.right() + 1,
                                                          box.bottom() + 1}) >= 0.8) {
                ++placed;
                break;
            }
        }
    }
    const double whole = std::max<std::size_t>(1, reference.size());
    return {100.0 * found / whole, read.quarterTurns != 0 ? -1.0 : 100.0 * placed / whole};
}

// Where each page's processor time goes, in seconds of one thread.
void PrintPhases(const std::vector<Page>& pages, const TextLanguages& english) {
    QTemporaryDir work;
    omp_set_max_active_levels(0);  // one thread for the engine, as in the module
    const auto reader = Engine(english, "eng", false), detector = Engine(english, "osd", true);
    if (!reader || !detector) return void(std::fprintf(stderr, "the engine could not start\n"));
    const int fd = ::open("/dev/null", O_WRONLY);
    PdfWriter plain(fd, 75);
    TextLanguages everywhere = english;
    everywhere.asTheEngineAlone = true;
    (void)ReadUpright(pages.front().image, english);  // the module and its engines loaded
    std::printf("processor seconds a page, user+system; the peer: OMP_THREAD_LIMIT=1 tesseract PAGE BASE --dpi DPI tsv\n"
                "engine: layout = layout analysis alone; recognition = the reading less its layout; inverted = the\n"
                "second look at doubtful lines with the shades swapped; orientation = the orientation check\n"
                "Quillon: the page as its writer makes it (read upright, image, text layer); beyond = that less\n"
                "the engine's one reading (extra readings, orientation check, image, text layer);\n"
                "before: the page read whole on one thread, as the engine alone; after: a page that can be cut read\n"
                "in parts by two threads at once (parts?: how many)\n\n");
    std::printf("%-26s %9s %7s %8s %8s %8s | %8s %7s %6s | %6s %8s %7s %6s\n", "page", "tesseract", "layout",
                "recogn.", "inverted", "orient.", "before", "beyond", "x tess", "parts?", "after", "beyond", "x tess");
    double sumPeer = 0, sumBefore = 0, sumAfter = 0;
    struct PageAgreement {
        QString name;
        std::pair<double, double> before, after;
        int words;
    };
    std::vector<PageAgreement> agreements;
    for (const Page& page : pages) {
        const std::string base = work.filePath(page.name).toStdString();
        const bench::ChildUsage peer =
            bench::RunProgram({"env", "OMP_THREAD_LIMIT=1", "tesseract", page.path.toStdString(), base, "--dpi",
                               std::to_string(page.dpi), "tsv"});
        QFile tsv(QString::fromStdString(base) + ".tsv");
        const std::vector<Box> reference = EngineBoxes(tsv.open(QIODevice::ReadOnly) ? tsv.readAll() : QByteArray());
        const QImage image = page.image.format() == QImage::Format_Mono
                                 ? page.image.convertToFormat(QImage::Format_Grayscale8)
                                 : page.image;
        reader->SetVariable("tessedit_do_invert", "0");
        SetEnginePage(*reader, image);
        const double layout = Timed([&] { delete reader->AnalyseLayout(); });
        SetEnginePage(*reader, image);
        const double once = Timed([&] { reader->Recognize(nullptr); });
        reader->SetVariable("tessedit_do_invert", "1");  // the engine's default, as Quillon reads
        SetEnginePage(*reader, image);
        const double withInverted = Timed([&] { reader->Recognize(nullptr); });
        reader->Clear();
        SetEnginePage(*detector, image);
        const double orientation = Timed([&] {
            int degrees = 0;
            float confidence = 0, scriptConfidence = 0;
            const char* script = nullptr;
            detector->DetectOrientationScript(&degrees, &confidence, &script, &scriptConfidence);
        });
        detector->Clear();
        const QuillonReading beforeRead = QuillonPage(page.image, everywhere, plain);
        const QuillonReading afterRead = QuillonPage(page.image, english, plain);
        const double before = beforeRead.seconds, after = afterRead.seconds;
        agreements.push_back({page.name, Agreement(reference, beforeRead.read), Agreement(reference, afterRead.read),
                              static_cast<int>(reference.size())});
        std::printf("%-26s %9.2f %7.2f %8.2f %8.2f %8.2f | %8.2f %7.2f %6.2f | %6zu %8.2f %7.2f %6.2f\n",
                    qPrintable(page.name), peer.cpuSeconds, layout, once - layout, withInverted - once, orientation,
                    before, before - withInverted, before / peer.cpuSeconds, std::max<std::size_t>(1, TextBands(page.image).size()),
                    after, after - withInverted, after / peer.cpuSeconds);
        std::fflush(stdout);
        sumPeer += peer.cpuSeconds, sumBefore += before, sumAfter += after;
    }
    std::printf("%-26s %9.2f %7s %8s %8s %8s | %8.2f %7s %6.2f | %6s %8.2f %7s %6.2f\n", "all", sumPeer, "", "",
                "", "", sumBefore, "", sumBefore / sumPeer, "", sumAfter, "", sumAfter / sumPeer);
    ::close(fd);
    std::printf("\nof the words the engine's own program reads (OMP_THREAD_LIMIT=1 tesseract PAGE BASE --dpi DPI tsv):\n"
                "found = the share Quillon reads too; placed = the share with a box of IoU >= 0.8 (- : page turned)\n");
    std::printf("%-26s %6s | %8s %8s | %8s %8s | %7s\n", "page", "words", "found", "placed", "found", "placed", "change");
    const auto shown = [](double share) { return share < 0 ? QByteArray("-") : QByteArray::number(share, 'f', 1); };
    for (const PageAgreement& a : agreements)
        std::printf("%-26s %6d | %8s %8s | %8s %8s | %+7.1f\n", qPrintable(a.name), a.words,
                    shown(a.before.first).constData(), shown(a.before.second).constData(),
                    shown(a.after.first).constData(), shown(a.after.second).constData(), a.after.first - a.before.first);
}

// quillon-scan, one page from the simulated scanner, against the engine's own
// program on the same page: processor time of each whole process.
void PrintProcessHeadline(const std::vector<Page>& pages) {
    QTemporaryDir work;
    const QString folder = work.path();
    // quillon-scan with the stored options of nobody: those on its command line decide.
    qputenv("SANE_CONFIG_DIR", (folder + "/sane").toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (folder + "/config").toLocal8Bit());
    qputenv("XDG_STATE_HOME", (folder + "/state").toLocal8Bit());
    std::printf("headline: processor seconds (user+system) of one process a page, each 300 dpi page alone:\n"
                "  %s\n  (one sheet from the simulated network scanner, sent as scanned)\n"
                "  peer: OMP_THREAD_LIMIT=1 tesseract PAGE - --dpi 300\n\n",
                bench::kBenchScanCommandText);
    std::printf("%-26s %10s %12s %10s %9s %8s\n", "page", "plain PDF", "searchable", "tesseract", "x tess", "seconds");
    double searchable = 0, engine = 0;
    int count = 0;
    for (const Page& page : pages) {
        if (page.dpi != 300) continue;
        bench::ChildUsage usage[2];
        for (const bool text : {false, true}) {
            bench::EsclSimulator simulator(folder, page.path, 1, 0);
            if (!simulator.started()) return void(std::fprintf(stderr, "the simulator did not start\n"));
            usage[text] = bench::RunProgram(bench::BenchScanCommand(QUILLON_SCAN_PROGRAM, folder + "/page.pdf", text));
        }
        const bench::ChildUsage peer = bench::RunProgram(
            {"env", "OMP_THREAD_LIMIT=1", "tesseract", page.path.toStdString(), "-", "--dpi", "300"});
        std::printf("%-26s %10.2f %12.2f %10.2f %9.2f %8.2f%s\n", qPrintable(page.name), usage[0].cpuSeconds,
                    usage[1].cpuSeconds, peer.cpuSeconds, usage[1].cpuSeconds / peer.cpuSeconds, usage[1].seconds,
                    usage[0].ok && usage[1].ok && peer.ok ? "" : "  (failed)");
        std::fflush(stdout);
        searchable += usage[1].cpuSeconds, engine += peer.cpuSeconds, ++count;
    }
    std::printf("%-26s %10s %12.2f %10.2f %9.2f   (%d pages; target 0.70x, stretch 0.45x)\n\n", "mean", "",
                searchable / std::max(1, count), engine / std::max(1, count), searchable / std::max(0.01, engine), count);
}

}  // namespace

int main(int argc, char** argv) {
    quillon::PrepareProcess();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QStringList names = kTextPages;
    bool peer = true, orientation = true, keep = false, phases = false, processes = true;
    double askew = 0;
    QString writeOnly;  // the measured process: writes the searchable PDF of the pages there, and ends
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument == "--pages" && i + 1 < argc) names = QString::fromLocal8Bit(argv[++i]).split(',');
        else if (argument == "--no-peer") peer = false;
        else if (argument == "--no-orientation") orientation = false;
        else if (argument == "--keep") keep = true;
        else if (argument == "--phases") phases = true;
        else if (argument == "--no-processes") processes = false;
        else if (argument == "--askew" && i + 1 < argc) askew = QString::fromLocal8Bit(argv[++i]).toDouble();
        else if (argument == "--write" && i + 1 < argc) writeOnly = QString::fromLocal8Bit(argv[++i]);
    }
    const QString folder = QStringLiteral(QUILLON_SCANS_DIR);
    const std::map<QString, int> dpis = DpiLabels(folder);
    std::vector<Page> pages;
    for (const QString& name : names) {
        // A name with a folder is a page of one's own, outside the real scans.
        const QFileInfo file(name.contains('/') ? name : folder + "/" + name);
        Page page{file.fileName(), file.filePath(), kUnknownDpi, QImage()};
        const auto dpi = dpis.find(page.name);
        if (dpi != dpis.end() && dpi->second > 0) page.dpi = dpi->second;
        const QImage read(page.path);
        // A page of one's own says its resolution in the file.
        if (dpi == dpis.end() && read.dotsPerMeterX() > 0) page.dpi = static_cast<int>(std::lround(read.dotsPerMeterX() * 0.0254));
        page.image = AsPageFormat(read);
        if (page.image.isNull()) return std::fprintf(stderr, "cannot read %s\n", qPrintable(page.path)), 1;
        SetPageDpi(page.image, page.dpi);
        pages.push_back(page);
    }
    QTemporaryDir work;
    work.setAutoRemove(!keep);
    if (askew != 0) {
        // Turned about the middle on white paper, as the scanner sees a sheet fed askew.
        for (Page& page : pages) {
            QImage turned = page.image.convertToFormat(QImage::Format_RGB32)
                                .transformed(QTransform().rotate(askew), Qt::SmoothTransformation);
            QImage paper(page.image.size(), QImage::Format_RGB32);
            paper.fill(Qt::white);
            QPainter(&paper).drawImage((paper.width() - turned.width()) / 2, (paper.height() - turned.height()) / 2, turned);
            page.image = AsPageFormat(page.image.format() == QImage::Format_RGB888 ? paper : paper.convertToFormat(QImage::Format_Grayscale8));
            SetPageDpi(page.image, page.dpi);
            page.path = work.filePath(QString("askew-%1").arg(page.name));
            if (!page.image.save(page.path)) return std::fprintf(stderr, "cannot write %s\n", qPrintable(page.path)), 1;
        }
    }
    const TextLanguages english = ChooseTextLanguages("eng", QLocale::c(), TextDataDirectory());
    if (!english.problem.isEmpty()) return std::fprintf(stderr, "%s\n", qPrintable(english.problem)), 1;
    if (!writeOnly.isEmpty()) return WriteDocument(pages, writeOnly, english) ? 0 : 1;
    if (phases) return PrintPhases(pages, english), 0;
    if (processes) PrintProcessHeadline(pages);
    if (keep) std::printf("files kept in %s\n", qPrintable(work.path()));
    const QString plain = work.filePath("plain.pdf"), quillon = work.filePath("quillon.pdf"),
                  peerFile = work.filePath("ocrmypdf.pdf");
    if (!WriteDocument(pages, plain, {})) return std::fprintf(stderr, "the plain PDF failed\n"), 1;

    const int count = static_cast<int>(pages.size());
    std::printf("%d real scanned pages with text, 2 cores; both sides read English with the same engine (%s).\n",
                count, Run({"tesseract", "--version"}).split('\n').value(0).constData());
    std::printf("peer:  ocrmypdf -O0 --output-type pdf --jobs 2 plain.pdf ocrmypdf.pdf\n"
                "       (plain.pdf: Quillon's own PDF of the pages without text, so both files hold the same image data)\n"
                "text:  tesseract PAGE.png - --dpi DPI   against   pdftotext -f N -l N quillon.pdf -\n"
                "boxes: tesseract PAGE.png - --dpi DPI tsv   against   pdftotext -bbox -f N -l N quillon.pdf -\n\n");

    ChildUsage theirs;
    // Written by a process of its own, so its time, processor time and memory are the writing's
    // alone: this program started again on the same pages (as files, already turned when askew).
    // Not a fork: Qt's image threads, started here while loading the pages, would not be there.
    QStringList files;
    for (const Page& page : pages) files << page.path;
    ChildUsage ours = RunProgram({QCoreApplication::applicationFilePath().toStdString(), "--write", quillon.toStdString(),
                                  "--pages", files.join(',').toStdString()});
    if (!ours.ok) return std::fprintf(stderr, "the searchable PDF failed\n"), 1;
    if (peer) theirs = RunProgram({"ocrmypdf", "-O0", "--output-type", "pdf", "--jobs", "2", plain.toStdString(),
                                   peerFile.toStdString()});

    // The engine's own reading of each page, two pages at a time.
    std::vector<QByteArray> referenceText(pages.size()), referenceTsv(pages.size());
    {
        std::vector<std::thread> readers;
        for (int start = 0; start < 2; ++start)
            readers.emplace_back([&, start] {
                for (int i = start; i < count; i += 2) {
                    const QString base = work.filePath(QString("ref%1").arg(i));
                    // One thread each, or the engine's program spins more threads than there are
                    // cores (ocrmypdf sets the same limit for the engine it starts).
                    Run({"env", "OMP_THREAD_LIMIT=1", "tesseract", pages[i].path, base, "--dpi", QString::number(pages[i].dpi), "txt", "tsv"});
                    QFile text(base + ".txt"), tsv(base + ".tsv");
                    if (text.open(QIODevice::ReadOnly)) referenceText[i] = text.readAll();
                    if (tsv.open(QIODevice::ReadOnly)) referenceTsv[i] = tsv.readAll();
                }
            });
        for (std::thread& reader : readers) reader.join();
    }

    std::printf("text in order: 1 - edit distance / characters, blanks collapsed; -raw keeps the file's own order,\n"
                "the default lets pdftotext find columns and lines itself (the ocrmypdf column: its file, the same way);\n"
                "any order: the characters found at all, blanks aside\n\n");
    std::printf("%-26s %5s %7s %9s %9s %9s %9s %7s %8s %9s %9s\n", "page", "dpi", "chars", "-raw", "default",
                "ocrmypdf", "any order", "words", "IoU>=0.8", "WER -raw", "WER dflt");
    PageCheck total;
    int turnedPages = 0;
    for (int i = 0; i < count; ++i) {
        const QString number = QString::number(i + 1);
        const QString ours = Collapsed(QString::fromUtf8(Run({"pdftotext", "-f", number, "-l", number, quillon, "-"})));
        const QString raw =
            Collapsed(QString::fromUtf8(Run({"pdftotext", "-raw", "-f", number, "-l", number, quillon, "-"})));
        const QString theirs =
            peer ? Collapsed(QString::fromUtf8(Run({"pdftotext", "-f", number, "-l", number, peerFile, "-"}))) : QString();
        const QString reference = Collapsed(QString::fromUtf8(referenceText[i]));
        const QString info = QString::fromUtf8(Run({"pdfinfo", "-f", number, "-l", number, quillon}));
        PageCheck check;
        // A page written turned has its sides swapped; the engine's program read it as scanned.
        const QRegularExpression size(QString(R"(Page\s+%1 size:\s+([\d.]+) x ([\d.]+))").arg(number));
        const auto m = size.match(info);
        const bool sidesSwapped = m.hasMatch() && (m.captured(1).toDouble() > m.captured(2).toDouble()) !=
                                                       (pages[i].image.width() > pages[i].image.height());
        if (sidesSwapped) {
            ++turnedPages;
            std::printf("%-26s %6d   written turned upright: left out of the text and box comparison\n",
                        qPrintable(pages[i].name), pages[i].dpi);
            continue;
        }
        check.referenceChars = static_cast<int>(reference.size());
        check.differingChars = EditDistance(reference, ours);
        check.differingRaw = EditDistance(reference, raw);
        check.differingPeer = peer ? EditDistance(reference, theirs) : check.referenceChars;
        const QStringList referenceWords = reference.split(' ', Qt::SkipEmptyParts);
        check.referenceWords = static_cast<int>(referenceWords.size());
        check.differingWords = EditDistance(referenceWords, ours.split(' ', Qt::SkipEmptyParts));
        check.differingRawWords = EditDistance(referenceWords, raw.split(' ', Qt::SkipEmptyParts));
        check.nonBlankChars = NonBlank(reference);
        check.foundChars = CharactersFound(reference, ours);
        const std::vector<Box> engine = EngineBoxes(referenceTsv[i]);
        const std::vector<Box> placed =
            PdfBoxes(Run({"pdftotext", "-bbox", "-f", number, "-l", number, quillon, "-"}), pages[i].dpi / 72.0);
        check.engineWords = static_cast<int>(engine.size());
        for (const Box& word : engine) {
            double best = 0;
            for (const Box& candidate : placed)
                if (candidate.text == word.text) best = std::max(best, IoU(word, candidate));
            if (best >= 0.8) ++check.placedWords;
        }
        const auto share = [](int part, int whole) { return whole ? 100.0 * part / whole : 100.0; };
        std::printf("%-26s %5d %7d %8.2f%% %8.2f%% %8.2f%% %8.2f%% %7d %7.2f%% %8.2f%% %8.2f%%\n", qPrintable(pages[i].name),
                    pages[i].dpi, check.referenceChars,
                    share(check.referenceChars - check.differingRaw, check.referenceChars),
                    share(check.referenceChars - check.differingChars, check.referenceChars),
                    share(check.referenceChars - check.differingPeer, check.referenceChars),
                    share(check.foundChars, check.nonBlankChars), check.engineWords,
                    share(check.placedWords, check.engineWords), share(check.differingRawWords, check.referenceWords),
                    share(check.differingWords, check.referenceWords));
        total.referenceChars += check.referenceChars;
        total.differingChars += check.differingChars;
        total.differingRaw += check.differingRaw;
        total.differingPeer += check.differingPeer;
        total.nonBlankChars += check.nonBlankChars;
        total.foundChars += check.foundChars;
        total.engineWords += check.engineWords;
        total.placedWords += check.placedWords;
        total.referenceWords += check.referenceWords;
        total.differingWords += check.differingWords;
        total.differingRawWords += check.differingRawWords;
    }
    const double plainKb = QFileInfo(plain).size() / 1024.0, quillonKb = QFileInfo(quillon).size() / 1024.0,
                 peerKb = peer ? QFileInfo(peerFile).size() / 1024.0 : 0;
    const auto percent = [](int part, int whole) { return 100.0 * part / std::max(1, whole); };
    std::printf("\ntext:   of %d characters as the engine's program reads them (target 99%%): %.2f%% in the file's order "
                "(pdftotext -raw), %.2f%% in pdftotext's own order (ocrmypdf's file: %.2f%%), %.2f%% in any order\n",
                total.referenceChars, percent(total.referenceChars - total.differingRaw, total.referenceChars),
                percent(total.referenceChars - total.differingChars, total.referenceChars),
                percent(total.referenceChars - total.differingPeer, total.referenceChars),
                percent(total.foundChars, total.nonBlankChars));
    std::printf("words:  word error (word edit distance / the engine's words) %.2f%% in the file's order, %.2f%% in "
                "pdftotext's own order\n",
                percent(total.differingRawWords, total.referenceWords), percent(total.differingWords, total.referenceWords));
    std::printf("boxes:  %.2f%% of %d words placed with IoU >= 0.8 (target 95%%)\n",
                100.0 * total.placedWords / std::max(1, total.engineWords), total.engineWords);
    std::printf("turned: %d page(s) written upright that were scanned sideways or upside down\n\n", turnedPages);
    std::printf("%-36s %6s %8s %8s %9s %8s %9s\n", "who", "pages", "seconds", "pages/s", "CPU s/p", "peak MB", "file KB");
    std::printf("%-36s %6d %8.2f %8.3f %9.2f %8.1f %9.1f\n", "Quillon in-process driver, the pipeline", count, ours.seconds,
                count / ours.seconds, ours.cpuSeconds / count, ours.peakKb / 1024.0, quillonKb);
    if (peer)
        std::printf("%-36s %6d %8.2f %8.3f %9.2f %8.1f %9.1f%s\n", "ocrmypdf -O0 --jobs 2", count, theirs.seconds,
                    count / theirs.seconds, theirs.cpuSeconds / count, theirs.peakKb / 1024.0, peerKb,
                    theirs.ok ? "" : "  (failed)");
    std::printf("%-36s %6d %8s %8s %9s %8s %9.1f\n", "the same pages without text", count, "", "", "", "", plainKb);
    std::printf("\nspeed %.2fx ocrmypdf (target 1.5x); text layer adds %.1f%% (target 10%%); file %.2fx ocrmypdf's\n",
                peer ? theirs.seconds / ours.seconds : 0.0, 100.0 * (quillonKb - plainKb) / plainKb,
                peer ? quillonKb / peerKb : 0.0);
    std::printf("peak memory (largest process of each side): Quillon %.1f MB, ocrmypdf %.1f MB (target < 400 MB)\n",
                ours.peakKb / 1024.0, theirs.peakKb / 1024.0);

    if (!orientation) return 0;
    // Every page at each quarter turn: which way the engine says it must go,
    // and which way the page is written, two pages at a time.
    std::printf("\norientation: each page turned by 0, 90, 180 and 270 degrees clockwise\n");
    struct Finding {
        int expected = 0, found = 0, written = 0;
        double confidence = 0;
    };
    std::vector<Page> upright;
    for (const Page& page : pages)
        if (page.name != "pdfjs_issue5747.png") upright.push_back(page);  // scanned sideways already
    std::vector<Finding> findings(upright.size() * 4);
    {
        std::vector<std::thread> workers;
        for (int start = 0; start < 2; ++start)
            workers.emplace_back([&, start] {
                for (std::size_t i = static_cast<std::size_t>(start); i < findings.size(); i += 2) {
                    const int turn = static_cast<int>(i % 4);
                    const QImage turned = TurnPage(upright[i / 4].image, turn);
                    const PageOrientation found = DetectOrientation(turned, english);
                    findings[i] = {(4 - turn) % 4, found.quarterTurns, ReadUpright(turned, english).quarterTurns,
                                   found.confidence};
                }
            });
        for (std::thread& worker : workers) worker.join();
    }
    for (std::size_t i = 0; i < findings.size(); ++i)
        if (findings[i].found != findings[i].expected || findings[i].written != findings[i].expected)
            std::printf("  %-26s turned %3d: detection says %3d at %5.2f, written turned %3d\n",
                        qPrintable(upright[i / 4].name), static_cast<int>(i % 4) * 90, findings[i].found * 90,
                        findings[i].confidence, findings[i].written * 90);
    const auto tally = [&](const char* label, auto applied) {
        int uprightTurned = 0, uprightCount = 0, rotated = 0, corrected = 0, wrong = 0;
        for (const Finding& f : findings) {
            const int turn = applied(f);
            if (f.expected == 0) {
                ++uprightCount;
                if (turn != 0) ++uprightTurned;
            } else {
                ++rotated;
                if (turn == f.expected) ++corrected;
                else if (turn != 0) ++wrong;
            }
        }
        std::printf("  %-44s %3d/%d turned pages upright (%.1f%%), %d turned wrongly, %d of %d upright pages turned\n",
                    label, corrected, rotated, 100.0 * corrected / std::max(1, rotated), wrong, uprightTurned,
                    uprightCount);
    };
    std::printf(" orientation detection alone, trusted from a confidence of:\n");
    for (const double threshold : {0.0, 1.0, 2.0, 3.0, 5.0, 8.0, 10.0, 15.0}) {
        const QByteArray label = "confidence >= " + QByteArray::number(threshold, 'f', 1);
        tally(label.constData(), [threshold](const Finding& f) { return f.confidence >= threshold ? f.found : 0; });
    }
    std::printf(" as Searchable PDF writes them (detection asked only for a doubtful reading, from %.1f; the turned\n"
                " reading kept only when surer):\n", kUprightConfidence);
    tally("written", [](const Finding& f) { return f.written; });
    return 0;
}
