// SPDX-License-Identifier: GPL-3.0-or-later
// A searchable scan as the user waits for it: a network scanner (the eSCL
// simulator through sane-airscan) feeds a real scanned page at a scanner's
// pace, and the time is taken from the start of the scan to the finished file.
// Every side is a program run as a user runs it, timed as a process:
//   - quillon-scan into a plain PDF: the scanner's own time;
//   - quillon-scan --searchable: recognition while the feeder feeds, and the
//     wait it adds after the last page;
//   - the same for a scan of one page;
//   - the command line a user would pick for the same file: scanimage,
//     img2pdf, then ocrmypdf;
//   - the engine's own program on the page alone, one thread: the processor
//     time a page's reading costs by itself.
//
// searchable_scan_bench [--page FILE] [--sheets N] [--pace SECONDS] [--also PROGRAM]
// --also: another build of quillon-scan (an older one), its searchable scans
// timed in the same run.
#include "app/PrepareProcess.h"
#include "ChildProcess.h"
#include "EsclSimulator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <string>
#include <vector>

using namespace quillon;

namespace {

void Row(const char* who, int pages, const bench::ChildUsage& usage, const QString& file, double scannerSeconds) {
    std::printf("%-50s %6d %9.2f %9.2f %9.2f %9.2f %9.1f %9.1f%s\n", who, pages, usage.seconds,
                usage.seconds - scannerSeconds, usage.cpuSeconds, usage.cpuSeconds / std::max(1, pages),
                usage.peakKb / 1024.0, QFileInfo(file).size() / 1024.0, usage.ok ? "" : "  (failed)");
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    quillon::PrepareProcess();
    QCoreApplication app(argc, argv);
    QString page = QStringLiteral(QUILLON_SOURCE_DIR "/../shared/data/scans/ocrmypdf_linn.png");
    int sheets = 20;
    double pace = 2.0;
    std::string also;
    for (int i = 1; i + 1 < argc; i += 2) {
        const QString option = QString::fromLocal8Bit(argv[i]), value = QString::fromLocal8Bit(argv[i + 1]);
        if (option == "--page") page = value;
        else if (option == "--sheets") sheets = value.toInt();
        else if (option == "--pace") pace = value.toDouble();
        else if (option == "--also") also = value.toStdString();
    }
    if (!QFileInfo(page).isFile()) return std::fprintf(stderr, "no page %s\n", qPrintable(page)), 1;
    if (!also.empty()) std::printf("--also: %s\n", also.c_str());
    QTemporaryDir work;
    const QString folder = work.path();
    // quillon-scan with the stored options of nobody: those given on its command line decide.
    qputenv("SANE_CONFIG_DIR", (folder + "/sane").toLocal8Bit());
    qputenv("HOME", folder.toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (folder + "/config").toLocal8Bit());
    qputenv("XDG_STATE_HOME", (folder + "/state").toLocal8Bit());

    std::printf("%d sheets of %s from the feeder of a network scanner (eSCL, sane-airscan) that takes %.1f s a page\n"
                "(%.0f pages a minute); grey, 300 dpi, Letter, JPEG quality 75; timed from the start of each program\n"
                "to the finished file, processor time user+system of the whole process, 2 cores.\n",
                sheets, qPrintable(QFileInfo(page).fileName()), pace, 60.0 / pace);
    std::printf("%s\n", bench::kBenchScanCommandText);
    std::printf("peer:  scanimage -d '%s' --source ADF --mode Gray --resolution 300 -x 215.9 -y 279.4 "
                "--format=jpeg --batch=p%%04d.jpg\n"
                "       img2pdf p*.jpg -o plain.pdf\n"
                "       ocrmypdf -O0 --output-type pdf --jobs 2 plain.pdf out.pdf\n"
                "peer:  OMP_THREAD_LIMIT=1 tesseract PAGE - --dpi 300   (the page's reading alone, no scanner)\n\n",
                bench::kBenchDevice);
    std::printf("%-50s %6s %9s %9s %9s %9s %9s %9s\n", "who", "pages", "seconds", "beyond", "CPU s", "CPU s/p",
                "peak MB", "file KB");

    for (const int count : {sheets, 1}) {
        double scannerSeconds = 0;
        struct Side {
            std::string program;
            bool searchable;
            const char* who;
        };
        std::vector<Side> sides{{QUILLON_SCAN_PROGRAM, false, "quillon-scan, plain PDF (the scanner's own time)"},
                                {QUILLON_SCAN_PROGRAM, true, "quillon-scan --searchable"}};
        if (!also.empty()) sides.push_back({also, true, "quillon-scan --searchable, the --also build"});
        for (const Side& side : sides) {
            bench::EsclSimulator simulator(folder, page, count, pace);
            if (!simulator.started()) return std::fprintf(stderr, "the simulator did not start\n"), 1;
            const QString output = folder + (side.searchable ? "/searchable.pdf" : "/plain.pdf");
            QFile::remove(output);
            const bench::ChildUsage usage = bench::RunProgram(bench::BenchScanCommand(side.program, output, side.searchable));
            if (!side.searchable) scannerSeconds = usage.seconds;
            Row(side.who, count, usage, output, scannerSeconds);
        }
        if (count == 1) break;
        bench::EsclSimulator simulator(folder, page, count, pace);
        if (!simulator.started()) return std::fprintf(stderr, "the simulator did not start\n"), 1;
        const std::string peer = (folder + "/peer").toStdString();
        QDir(QString::fromStdString(peer)).removeRecursively();
        QDir().mkpath(QString::fromStdString(peer));
        const std::string script =
            "cd '" + peer + "' && scanimage -d '" + std::string(bench::kBenchDevice) + "' --source ADF --mode Gray --resolution 300 "
            "-x 215.9 -y 279.4 --format=jpeg --batch=p%04d.jpg >/dev/null 2>&1; "
            "img2pdf p*.jpg -o plain.pdf && ocrmypdf -O0 --output-type pdf --jobs 2 plain.pdf out.pdf";
        const bench::ChildUsage usage = bench::RunProgram({"sh", "-c", script});
        const int pages = static_cast<int>(QDir(QString::fromStdString(peer)).entryList({"p*.jpg"}).size());
        Row("scanimage + img2pdf + ocrmypdf -O0 --jobs 2", pages, usage, QString::fromStdString(peer) + "/out.pdf",
            scannerSeconds);
    }
    const bench::ChildUsage engine =
        bench::RunProgram({"env", "OMP_THREAD_LIMIT=1", "tesseract", page.toStdString(), "-", "--dpi", "300"});
    Row("tesseract PAGE - (one thread, no scanner)", 1, engine, QString(), engine.seconds);
    std::printf("\nbeyond: seconds past the scanner's own time for as many pages, that is, the wait the recognition adds\n"
                "after the last page (for ocrmypdf, the wait after scanimage's pages).\n");
    return 0;
}
