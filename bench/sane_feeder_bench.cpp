// SPDX-License-Identifier: GPL-3.0-or-later
// The feeder batch of SANE's test scanner (300 dpi, Letter) through the
// library and the PDF writer, 10 and 100 pages, grey and colour: pages per
// second and peak memory, each run in its own process; beside it, scanimage
// --batch followed by img2pdf on the same device and settings.
#include "scan/sane/SaneLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "ChildProcess.h"

#include <cstdio>
#include <thread>

using namespace quillon;

namespace {

struct HeadlessDialogs : ScannerDialogs {
    int ChooseScanner(const QList<ScannerChoice>& scanners, int) override { return scanners.isEmpty() ? -1 : 0; }
    void RunTransfer(int, TransferTask& task) override {
        std::thread worker([&] { task.Run(); });
        worker.join();
    }
};

struct Result {
    int pages = 0;
    double seconds = 0;
    long peakKb = 0;
};

// The test scanner's feeder holds 10 sheets; it is refilled by choosing it again.
Result ScanDocument(const QString& folder, int pixelType, int pages) {
    HeadlessDialogs dialogs;
    SaneLibrary library(dialogs, folder + "/config", folder + "/scanner.log");
    QElapsedTimer timer;
    timer.start();
    Result result;
    library.TWAIN_SelectImageSource(0);
    library.TWAIN_OpenDefaultSource();
    library.TWAIN_SetPixelType(pixelType);
    library.TWAIN_SetResolution(300);
    library.TWAIN_SetPaperSize(kPaperUsLetter);
    library.TWAIN_BeginMultipageFile(folder + "/bench.pdf");
    while (result.pages < pages) {
        library.TWAIN_SelectFeeder(0);
        library.TWAIN_SelectFeeder(1);
        int inBatch = 0;
        for (ImageHandle image; result.pages < pages && (image = library.TWAIN_Acquire(0)); ++inBatch) {
            library.TWAIN_DibWritePage(image);
            library.DIB_Free(image);
            ++result.pages;
        }
        if (inBatch == 0) break;
    }
    library.TWAIN_EndMultipageFile();
    library.TWAIN_UnloadSourceManager();
    result.seconds = timer.nsecsElapsed() / 1e9;
    return result;
}

Result Measure(const QString& folder, int pixelType, int pages) {
    long peakKb = 0;
    Result result = bench::RunInChild<Result>([&] { return ScanDocument(folder, pixelType, pages); }, &peakKb);
    result.peakKb = peakKb;
    return result;
}

// scanimage --batch then img2pdf, the usual command-line way.
double CommandLineSeconds(const QString& folder, const char* mode, int pages) {
    QElapsedTimer timer;
    timer.start();
    QStringList images;
    for (int batch = 0; batch * 10 < pages; ++batch) {
        QProcess scan;
        scan.start("scanimage", {"-d", "test", "--source", "Automatic Document Feeder", "--mode", mode, "--resolution",
                                 "300", "-x", "215.9", "-y", "279.4", "--format=png",
                                 QStringLiteral("--batch=%1/page-%2-%%d.png").arg(folder).arg(batch),
                                 QStringLiteral("--batch-count=%1").arg(std::min(10, pages - batch * 10))});
        scan.waitForFinished(600000);
    }
    for (const QFileInfo& file : QDir(folder).entryInfoList({"page-*.png"}, QDir::Files, QDir::Name))
        images << file.filePath();
    QProcess convert;
    convert.start("img2pdf", images + QStringList{"-o", folder + "/cli.pdf"});
    convert.waitForFinished(600000);
    for (const QString& image : images) QFile::remove(image);
    return timer.nsecsElapsed() / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("SANE_CONFIG_DIR")) qputenv("SANE_CONFIG_DIR", QUILLON_SANE_TEST_CONFIG);
    QTemporaryDir folder;
    std::printf("%-7s %6s %10s %10s %10s %18s %8s\n", "mode", "pages", "seconds", "pages/s", "peak MB",
                "scanimage+img2pdf s", "ratio");
    for (const int pixelType : {1, 2}) {
        for (const int pages : {10, 100}) {
            const Result r = Measure(folder.path(), pixelType, pages);
            const double cli = CommandLineSeconds(folder.path(), pixelType == 1 ? "Gray" : "Color", pages);
            std::printf("%-7s %6d %10.2f %10.1f %10.1f %18.2f %8.2f\n", pixelType == 1 ? "grey" : "colour", r.pages,
                        r.seconds, r.pages / r.seconds, r.peakKb / 1024.0, cli, cli / r.seconds);
        }
    }
    std::printf("\nratio: time of scanimage --batch plus img2pdf over Quillon's time (above 1: Quillon is faster)\n");
    return 0;
}
