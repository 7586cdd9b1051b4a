// SPDX-License-Identifier: GPL-3.0-or-later
// The feeder batch of SANE's test scanner (300 dpi, Letter) into one PDF, in
// black and white, grey and colour, for 10, 100 and 300 pages, through the
// scanner library with the scan job's own calls; beside it, in the same run,
// the command line a user would pick for the same file:
//
//   grey, colour:    scanimage --format=jpeg (quality 75, as Quillon's
//                    "Good - Default"), then img2pdf, which copies the JPEGs;
//   black and white: scanimage --format=tiff at 1 bit, tiffcp -c g4, tiff2pdf
//                    (which copies the G4 data);
//   and, labelled as such, the lossless line: scanimage --format=png, img2pdf.
//
// Every run is its own process (or processes): wall time, processor time
// (user + system, from getrusage of the children) and peak resident memory
// are each one's own. The test scanner's feeder holds 10 sheets, so both
// sides load it again every 10 pages; quillon-scan's jobs and the peer's scans
// take turns. --rounds repeats each comparison, to show how far the figures of
// a noisy machine wander.
//
// --before PROGRAM runs an earlier build of quillon-scan in turns with this
// one, job by job, instead of the peers: whether a change cost speed.
//
//   sane_feeder_bench [--pages 10,100,300] [--modes bw,grey,colour] [--rounds N] [--no-png] [--quillon-only]
//                     [--before PROGRAM]
#include "app/PrepareProcess.h"
#include "HeadlessDialogs.h"
#include "scan/sane/SaneLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "ChildProcess.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

using namespace quillon;

namespace {

constexpr int kSheetsInFeeder = 10;
constexpr double kBlankThreshold = 0.01;  // a page with less than 1 % ink is blank, as the window offers


struct Mode {
    const char* name;
    int pixelType;
    std::vector<std::string> scanOptions;  // scanimage's, for the same pages
};

const Mode kModes[] = {
    {"bw", 0, {"--mode", "Gray", "--depth", "1"}},
    {"grey", 1, {"--mode", "Gray", "--depth", "8"}},
    {"colour", 2, {"--mode", "Color", "--depth", "8"}},
};

struct Figures {
    std::string who;
    int pages = 0;
    bench::ChildUsage usage;
    long long bytes = 0;
    double longestCallMs = -1;  // Quillon's: the longest the job's thread waited in a call
};

// What a scan in a child process gives back.
struct ScanRecord {
    int pages = 0;  // -1: the document failed
    double longestCallMs = 0;
};

// The time a call of the job takes, on the job's (the window's) thread.
class CallTimer {
public:
    template <typename Call>
    auto operator()(Call call) {
        const auto start = std::chrono::steady_clock::now();
        auto result = call();
        longestMs = std::max(longestMs, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        return result;
    }
    double longestMs = 0;
};

// The scan job's calls for a feeder batch, loading the feeder again when it
// runs out. Reading a page runs the transfer dialog, which keeps the window
// answering; every other call blocks the window while it runs, and is timed.
ScanRecord ScanPages(const QString& folder, const QString& output, int pixelType, int pages) {
    CallTimer timed;
    HeadlessDialogs dialogs;
    SaneLibrary library(dialogs, folder + "/config", folder + "/scanner.log");
    int scanned = 0;
    library.TWAIN_SelectImageSource(0);
    library.TWAIN_OpenDefaultSource();
    library.TWAIN_SetJpegQuality(75);
    library.TWAIN_SetPixelType(pixelType);
    library.TWAIN_SetResolution(300);
    library.TWAIN_SetPaperSize(kPaperUsLetter);
    library.TWAIN_BeginMultipageFile(output);
    while (scanned < pages) {
        library.TWAIN_SelectFeeder(0);
        library.TWAIN_SelectFeeder(1);
        library.TWAIN_SetXferCount(-1);
        int inBatch = 0;
        for (ImageHandle image; scanned < pages && (image = library.TWAIN_Acquire(0)); ++inBatch) {
            const bool blank = timed([&] { return library.DIB_IsBlank(image, kBlankThreshold); }) == 1;
            if (scanned == 0 || !blank) timed([&] { return library.TWAIN_DibWritePage(image); });
            timed([&] { return library.DIB_Free(image), 0; });
            ++scanned;
            if (library.TWAIN_State() <= kStateEnabled) break;
        }
        if (inBatch == 0) break;
    }
    library.TWAIN_CloseSource();
    const int failed = timed([&] { return library.TWAIN_EndMultipageFile(); });
    library.TWAIN_UnloadSourceManager();
    return {failed == 0 ? scanned : -1, timed.longestMs};
}

// quillon-scan as a user runs it: one process for each load of the feeder,
// each writing its own PDF. The page as scanned, like the peer's: no contrast
// stretched, which the stored defaults would do.
std::vector<std::string> QuillonScanCommand(const Mode& mode, const std::string& output,
                                            const std::string& program = QUILLON_SCAN_PROGRAM) {
    return {program, "-q", "-d", "test", "--source", "feeder", "--mode", mode.name, "--dpi", "300",
            "--paper", "letter", "--quality", "3", "--blank-threshold", "0.01", "--no-contrast", output};
}

// A program that hangs (scanimage can: the test backend cancels its reader
// thread, which may take the dynamic loader's lock with it) is killed, said so,
// and run again, its time not counted; hanging three times over, it has failed.
bench::ChildUsage RunOnce(const std::vector<std::string>& command) {
    bench::ChildUsage usage;
    for (int attempt = 0; attempt < 3; ++attempt) {
        usage = bench::RunProgram(command, std::chrono::seconds(60));
        if (!usage.hung) return usage;
        std::printf("note: %s hung and was killed after %.0f s; %s\n", command[0].c_str(), usage.seconds,
                    attempt < 2 ? "it is run again, its time left out" : "it has failed");
    }
    return usage;
}

void Add(Figures& figures, const bench::ChildUsage& usage) {
    figures.usage.seconds += usage.seconds;
    figures.usage.cpuSeconds += usage.cpuSeconds;
    figures.usage.peakKb = std::max(figures.usage.peakKb, usage.peakKb);
    if (!usage.ok) figures.pages = -1;
}

Figures QuillonScanFigures(int pages) {
    Figures figures;
    figures.who = "quillon-scan, a process per 10 pages";
    figures.pages = pages;
    return figures;
}

// One quillon-scan job of the feeder's load, into job<number>.pdf.
void RunQuillonScanJob(Figures& figures, const QString& folder, const Mode& mode, int job,
                       const std::string& program = QUILLON_SCAN_PROGRAM) {
    const QString output = folder + QStringLiteral("/job%1.pdf").arg(job);
    QFile::remove(output);
    Add(figures, RunOnce(QuillonScanCommand(mode, output.toStdString(), program)));
    if (!QFileInfo::exists(output)) figures.pages = -1;
    figures.bytes += QFileInfo(output).size();
}

// The benchmark's own driver of the library, in one process: not what a user
// runs, shown for the library's share of the time.
Figures Quillon(const QString& folder, const Mode& mode, int pages) {
    const QString output = folder + "/quillon.pdf";
    QFile::remove(output);
    Figures figures;
    figures.who = "(internal driver, one process)";
    const ScanRecord record = bench::RunInChild<ScanRecord>(
        [&] { return ScanPages(folder, output, mode.pixelType, pages); }, &figures.usage);
    figures.pages = record.pages;
    figures.longestCallMs = record.longestCallMs;
    figures.bytes = QFileInfo(output).size();
    return figures;
}

std::string Quoted(const std::vector<std::string>& arguments) {
    std::string line;
    for (const std::string& argument : arguments) {
        const bool plain = argument.find_first_of(" %*") == std::string::npos;
        line += (line.empty() ? "" : " ") + (plain ? argument : "'" + argument + "'");
    }
    return line;
}

// A pipeline of programs: the scans batch by batch, then the conversion steps.
struct CommandLine {
    std::string who;
    std::string extension;                            // of the scanned pages
    std::vector<std::string> scanFormat;              // scanimage's --format and the like
    std::vector<std::vector<std::string>> afterwards;  // given the page files by "{pages}"
};

std::vector<std::string> ScanCommand(const Mode& mode, const CommandLine& peer, const QString& folder, int start,
                                     int count) {
    std::vector<std::string> command{"scanimage", "-d", "test", "--source", "Automatic Document Feeder"};
    command.insert(command.end(), mode.scanOptions.begin(), mode.scanOptions.end());
    for (const char* option : {"--resolution", "300", "-x", "215.9", "-y", "279.4"}) command.push_back(option);
    command.insert(command.end(), peer.scanFormat.begin(), peer.scanFormat.end());
    command.push_back("--batch=" + folder.toStdString() + "/p%04d." + peer.extension);
    command.push_back("--batch-start=" + std::to_string(start));
    command.push_back("--batch-count=" + std::to_string(count));
    return command;
}

// The conversion steps, with the page files in place of "{pages}".
std::vector<std::vector<std::string>> Afterwards(const CommandLine& peer, const QString& work,
                                                 const std::vector<std::string>& files) {
    std::vector<std::vector<std::string>> commands;
    for (const std::vector<std::string>& step : peer.afterwards) {
        std::vector<std::string> command;
        for (const std::string& argument : step) {
            if (argument == "{pages}")
                command.insert(command.end(), files.begin(), files.end());
            else
                command.push_back(QString::fromStdString(argument).replace("{work}", work).toStdString());
        }
        commands.push_back(command);
    }
    return commands;
}

void PrintCommands(const Mode& mode, const CommandLine& peer, int pages) {
    std::printf("  %s\n", Quoted(ScanCommand(mode, peer, ".", 0, std::min(kSheetsInFeeder, pages))).c_str());
    if (pages > kSheetsInFeeder) std::printf("  (again with --batch-start=10, 20, ... for every further 10 pages)\n");
    for (const std::vector<std::string>& command : Afterwards(peer, ".", {"./p0000." + peer.extension, "..."}))
        std::printf("  %s\n", Quoted(command).c_str());
}

// A command line's run: its scans, then its conversion steps. With quillon-scan
// beside it, the two take turns job by job, so that both meet the same moments
// of a noisy machine.
Figures RunCommandLine(const QString& folder, const Mode& mode, const CommandLine& peer, int pages,
                       Figures* quillonScan = nullptr) {
    const QString work = folder + "/cli";
    QDir(work).removeRecursively();
    QDir().mkpath(work);
    Figures figures;
    figures.who = peer.who;
    figures.pages = pages;
    if (quillonScan) *quillonScan = QuillonScanFigures(pages);
    for (int start = 0; start < pages; start += kSheetsInFeeder) {
        if (quillonScan) RunQuillonScanJob(*quillonScan, folder, mode, start / kSheetsInFeeder);
        Add(figures, RunOnce(ScanCommand(mode, peer, work, start, std::min(kSheetsInFeeder, pages - start))));
    }
    std::vector<std::string> files;
    const QString pattern = QString::fromStdString("p*." + peer.extension);
    for (const QFileInfo& file : QDir(work).entryInfoList({pattern}, QDir::Files, QDir::Name))
        files.push_back(file.filePath().toStdString());
    if (static_cast<int>(files.size()) != pages) figures.pages = -1;
    for (const std::vector<std::string>& command : Afterwards(peer, work, files)) Add(figures, RunOnce(command));
    figures.bytes = QFileInfo(work + "/out.pdf").size();
    return figures;
}

// quillon-scan alone, when no peer is run; with an earlier build, the two
// take turns job by job.
Figures QuillonScan(const QString& folder, const Mode& mode, int pages, const std::string& before = {},
                    Figures* earlier = nullptr) {
    Figures figures = QuillonScanFigures(pages);
    if (earlier) {
        *earlier = QuillonScanFigures(pages);
        earlier->who = "quillon-scan before";
    }
    for (int job = 0; job * kSheetsInFeeder < pages; ++job) {
        RunQuillonScanJob(figures, folder, mode, job);
        if (earlier) RunQuillonScanJob(*earlier, folder, mode, job, before);
    }
    return figures;
}

const CommandLine kJpegPeer{"scanimage jpeg + img2pdf", "jpg", {"--format=jpeg"}, {{"img2pdf", "{pages}", "-o", "{work}/out.pdf"}}};
const CommandLine kG4Peer{"scanimage tiff + tiffcp g4 + tiff2pdf",
                          "tif",
                          {"--format=tiff"},
                          {{"tiffcp", "-c", "g4", "{pages}", "{work}/all.tif"}, {"tiff2pdf", "-o", "{work}/out.pdf", "{work}/all.tif"}}};
const CommandLine kPngLine{"scanimage png + img2pdf (lossless)", "png", {"--format=png"}, {{"img2pdf", "{pages}", "-o", "{work}/out.pdf"}}};

void PrintRow(const char* mode, const Figures& f, const Figures* peer) {
    if (f.pages <= 0) {
        std::printf("%-7s %-38s  failed\n", mode, f.who.c_str());
        return;
    }
    const double pagesPerSecond = f.pages / f.usage.seconds;
    const double cpu = f.usage.cpuSeconds / f.pages;
    const double kb = f.bytes / 1024.0 / f.pages;
    std::printf("%-7s %-38s %5d %8.2f %8.1f %9.1f %8.1f %8.1f", mode, f.who.c_str(), f.pages, f.usage.seconds,
                pagesPerSecond, cpu * 1000, f.usage.peakKb / 1024.0, kb);
    if (peer && peer->pages > 0)
        std::printf("   %5.2fx  %5.2fx  %5.2fx", pagesPerSecond / (peer->pages / peer->usage.seconds),
                    cpu / (peer->usage.cpuSeconds / peer->pages), kb / (peer->bytes / 1024.0 / peer->pages));
    if (f.longestCallMs >= 0) std::printf("   %6.1f", f.longestCallMs);
    std::printf("\n");
    std::fflush(stdout);
}

std::vector<int> NumbersOf(const QString& list) {
    std::vector<int> numbers;
    for (const QString& item : list.split(',', Qt::SkipEmptyParts)) numbers.push_back(item.toInt());
    return numbers;
}

}  // namespace

int main(int argc, char** argv) {
    quillon::PrepareProcess();
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("SANE_CONFIG_DIR")) qputenv("SANE_CONFIG_DIR", QUILLON_SANE_TEST_CONFIG);
    std::vector<int> counts{10, 100, 300};
    QStringList modes{"bw", "grey", "colour"};
    bool png = true, peers = true;
    int rounds = 1;
    std::string before;
    const QStringList arguments = app.arguments();
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--pages" && i + 1 < arguments.size()) counts = NumbersOf(arguments[++i]);
        if (arguments[i] == "--modes" && i + 1 < arguments.size()) modes = arguments[++i].split(',');
        if (arguments[i] == "--rounds" && i + 1 < arguments.size()) rounds = std::max(1, arguments[++i].toInt());
        if (arguments[i] == "--no-png") png = false;
        if (arguments[i] == "--quillon-only") peers = false, png = false;
        if (arguments[i] == "--before" && i + 1 < arguments.size()) {
            before = QFileInfo(arguments[++i]).absoluteFilePath().toStdString();
            peers = false, png = false;
        }
    }
    QTemporaryDir folder;
    // quillon-scan reads its options from a store of its own here, not the user's.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path() + "/config"));
    qputenv("XDG_STATE_HOME", QFile::encodeName(folder.path() + "/state"));
    std::printf("SANE test device, 300 dpi, Letter, feeder; %u cores\n", std::thread::hardware_concurrency());
    std::printf("ratios are Quillon's over the peer's: speed (pages/s; above 1 is faster), CPU per page and size per "
                "page (below 1 is less)\n");
    std::printf("wait ms: the longest any call but the page transfer kept the window's thread (blank test, write, "
                "free, end of file)\n\n");
    for (const Mode& mode : kModes) {
        if (!modes.contains(mode.name)) continue;
        const CommandLine& peer = mode.pixelType == 0 ? kG4Peer : kJpegPeer;
        if (before.empty()) {
            std::printf("%s: the peer a user would pick, for %d pages:\n", mode.name, counts.back());
            PrintCommands(mode, peer, counts.back());
        } else {
            std::printf("%s: an earlier build of Quillon, in turns with this one; ratios are this one's over it:\n  %s\n",
                        mode.name, Quoted(QuillonScanCommand(mode, "job0.pdf", before)).c_str());
        }
        if (png) {
            std::printf("%s: the lossless line:\n", mode.name);
            PrintCommands(mode, kPngLine, std::min(100, counts.back()));
        }
        std::printf("%s: Quillon as a user runs it, for every 10 pages:\n  %s\n", mode.name,
                    Quoted(QuillonScanCommand(mode, "job0.pdf")).c_str());
        std::printf("%-7s %-38s %5s %8s %8s %9s %8s %8s   %6s  %6s  %6s   %6s\n", "mode", "who", "pages", "seconds",
                    "pages/s", "CPU ms/p", "peak MB", "KB/page", "speed", "CPU", "size", "wait ms");
        for (const int pages : counts)
            for (int round = 0; round < rounds; ++round) {
                if (!before.empty()) {
                    Figures earlier;
                    const Figures now = QuillonScan(folder.path(), mode, pages, before, &earlier);
                    PrintRow(mode.name, now, &earlier);
                    PrintRow(mode.name, earlier, nullptr);
                    continue;
                }
                if (!peers) {
                    PrintRow(mode.name, QuillonScan(folder.path(), mode, pages), nullptr);
                    PrintRow(mode.name, Quillon(folder.path(), mode, pages), nullptr);
                    continue;
                }
                Figures program;
                const Figures other = RunCommandLine(folder.path(), mode, peer, pages, &program);
                const Figures quillon = Quillon(folder.path(), mode, pages);
                PrintRow(mode.name, program, &other);
                PrintRow(mode.name, other, nullptr);
                PrintRow(mode.name, quillon, &other);
                if (png && pages <= 100 && round == 0)
                    PrintRow(mode.name, RunCommandLine(folder.path(), mode, kPngLine, pages), nullptr);
            }
        std::printf("\n");
    }
    if (png)
        std::printf("the lossless line (scanimage --format=png, then img2pdf) writes a different, larger file; it is "
                    "run up to 100 pages\n");
    return 0;
}
