// SPDX-License-Identifier: GPL-3.0-or-later
// A searchable scan as the user waits for it: a network scanner (the eSCL
// simulator through sane-airscan) feeds a real scanned page at a scanner's
// pace, and the time is taken from the start of the scan to the finished file.
//   - Quillon into a plain PDF: the scanner's own time;
//   - Quillon into a searchable PDF: recognition while the feeder feeds;
//   - the command line a user would pick: scanimage, img2pdf, then ocrmypdf.
//
// searchable_scan_bench [--page FILE] [--sheets N] [--pace SECONDS]
#include "app/PrepareProcess.h"
#include "HeadlessDialogs.h"
#include "ChildProcess.h"
#include "scan/imaging/TextLanguages.h"
#include "scan/sane/SaneLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <string>
#include <thread>
#include <vector>

using namespace quillon;

namespace {


// The job's calls for one feeder batch in grey at 300 dpi; 0 pages when it failed.
int ScanBatch(const QString& folder, const QString& output, bool searchable) {
    HeadlessDialogs dialogs;
    SaneLibrary library(dialogs, folder + "/config", folder + "/scanner.log");
    if (searchable && !library.TWAIN_SetTextRecognition(1, QStringLiteral("eng")).isEmpty()) return 0;
    library.TWAIN_SelectImageSource(0);
    library.TWAIN_OpenDefaultSource();
    library.TWAIN_SetJpegQuality(75);
    library.TWAIN_SetPixelType(1);
    library.TWAIN_SetResolution(300);
    library.TWAIN_SetPaperSize(kPaperUsLetter);
    library.TWAIN_SelectFeeder(1);
    library.TWAIN_SetXferCount(-1);
    library.TWAIN_BeginMultipageFile(output);
    int pages = 0;
    for (ImageHandle image; (image = library.TWAIN_Acquire(0));) {
        library.TWAIN_DibWritePage(image);
        library.DIB_Free(image);
        ++pages;
        if (library.TWAIN_State() <= kStateEnabled) break;
    }
    library.TWAIN_CloseSource();
    const bool written = library.TWAIN_EndMultipageFile() == 0;
    library.TWAIN_UnloadSourceManager();
    return written ? pages : 0;
}

// The simulated scanner, started afresh for each side with a full feeder.
class Simulator {
public:
    Simulator(const QString& folder, const QString& page, int sheets, double pace) {
        process_.setProgram("python3");
        process_.setArguments({QStringLiteral(QUILLON_SOURCE_DIR "/tests/sane/escl_simulator.py"), "--sheets",
                               QString::number(sheets), "--page", page, "--pace", QString::number(pace)});
        process_.start();
        if (!process_.waitForReadyRead(10000)) return;
        port_ = QString::fromLatin1(process_.readLine()).trimmed();
        QDir().mkpath(folder + "/sane");
        QFile dll(folder + "/sane/dll.conf"), airscan(folder + "/sane/airscan.conf");
        if (!dll.open(QIODevice::WriteOnly) || !airscan.open(QIODevice::WriteOnly)) port_.clear();
        dll.write("airscan\n");
        airscan.write(QStringLiteral("[devices]\n\"Bench Scanner\" = http://127.0.0.1:%1/eSCL\n[options]\ndiscovery = disable\n")
                          .arg(port_)
                          .toUtf8());
    }
    ~Simulator() {
        process_.kill();
        process_.waitForFinished();
    }
    bool started() const { return !port_.isEmpty(); }

private:
    QProcess process_;
    QString port_;
};

void Row(const char* who, int pages, const bench::ChildUsage& usage, const QString& file, double scannerSeconds) {
    std::printf("%-46s %6d %9.2f %9.2f %9.2f %9.1f %9.1f\n", who, pages, usage.seconds, usage.seconds - scannerSeconds,
                usage.cpuSeconds, usage.peakKb / 1024.0, QFileInfo(file).size() / 1024.0);
}

}  // namespace

int main(int argc, char** argv) {
    quillon::PrepareProcess();
    QCoreApplication app(argc, argv);
    QString page = QStringLiteral(QUILLON_SOURCE_DIR "/../shared/data/scans/ocrmypdf_epson.png");
    int sheets = 10;
    double pace = 1.0;
    for (int i = 1; i + 1 < argc; i += 2) {
        const QString option = QString::fromLocal8Bit(argv[i]), value = QString::fromLocal8Bit(argv[i + 1]);
        if (option == "--page") page = value;
        else if (option == "--sheets") sheets = value.toInt();
        else if (option == "--pace") pace = value.toDouble();
    }
    if (!QFileInfo(page).isFile()) return std::fprintf(stderr, "no page %s\n", qPrintable(page)), 1;
    QTemporaryDir work;
    const QString folder = work.path();
    qputenv("SANE_CONFIG_DIR", (folder + "/sane").toLocal8Bit());

    std::printf("%d sheets of %s from the feeder of a network scanner (eSCL, sane-airscan) that takes %.1f s a page;\n"
                "grey, 300 dpi, Letter, JPEG quality 75; timed from the start of the scan to the finished file, 2 cores.\n",
                sheets, qPrintable(QFileInfo(page).fileName()), pace);
    std::printf("peer:  scanimage -d 'airscan:e0:Bench Scanner' --source ADF --mode Gray --resolution 300 -x 215.9 -y 279.4 "
                "--format=jpeg --batch=p%%04d.jpg\n"
                "       img2pdf p*.jpg -o plain.pdf\n"
                "       ocrmypdf -O0 --output-type pdf --jobs 2 plain.pdf out.pdf\n\n");
    std::printf("%-46s %6s %9s %9s %9s %9s %9s\n", "who", "pages", "seconds", "beyond", "CPU s", "peak MB", "file KB");

    double scannerSeconds = 0;
    for (const bool searchable : {false, true}) {
        Simulator simulator(folder, page, sheets, pace);
        if (!simulator.started()) return std::fprintf(stderr, "the simulator did not start\n"), 1;
        const QString output = folder + (searchable ? "/searchable.pdf" : "/plain.pdf");
        bench::ChildUsage usage;
        const int pages = bench::RunInChild<int>([&] { return ScanBatch(folder, output, searchable); }, &usage);
        if (!searchable) scannerSeconds = usage.seconds;
        Row(searchable ? "Quillon, Searchable PDF" : "Quillon, PDF (the scanner's own time)", pages, usage, output,
            scannerSeconds);
    }
    {
        Simulator simulator(folder, page, sheets, pace);
        if (!simulator.started()) return std::fprintf(stderr, "the simulator did not start\n"), 1;
        const std::string peer = (folder + "/peer").toStdString();
        QDir().mkpath(QString::fromStdString(peer));
        const std::string script =
            "cd '" + peer + "' && scanimage -d 'airscan:e0:Bench Scanner' --source ADF --mode Gray --resolution 300 "
            "-x 215.9 -y 279.4 --format=jpeg --batch=p%04d.jpg >/dev/null 2>&1; "
            "img2pdf p*.jpg -o plain.pdf && ocrmypdf -O0 --output-type pdf --jobs 2 plain.pdf out.pdf";
        const bench::ChildUsage usage = bench::RunProgram({"sh", "-c", script});
        const int pages = static_cast<int>(QDir(QString::fromStdString(peer)).entryList({"p*.jpg"}).size());
        Row(usage.ok ? "scanimage + img2pdf + ocrmypdf -O0 --jobs 2" : "scanimage + img2pdf + ocrmypdf (failed)", pages,
            usage, QString::fromStdString(peer) + "/out.pdf", scannerSeconds);
    }
    std::printf("\nbeyond: seconds past the scanner's own time, that is, the wait the recognition adds.\n");
    return 0;
}
