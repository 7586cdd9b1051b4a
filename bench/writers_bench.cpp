// SPDX-License-Identifier: GPL-3.0-or-later
// Writes 100 and 300 pages of 300 dpi Letter, grey and black and white, to PDF
// and TIFF, each run in its own process, and prints pages per second, the
// writer's own time per page (without compression), peak memory and file size
// per page; then img2pdf on the same page for comparison.
#include "app/PrepareProcess.h"
#include "scan/imaging/writers/DocumentWriter.h"
#include "scan/imaging/writers/PageEncoders.h"
#include "scan/imaging/pages/PageImage.h"
#include "scan/imaging/writers/SafeOutputFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "ChildProcess.h"

#include <cstdio>

using namespace quillon;

namespace {

QImage ScanLikePage(bool blackAndWhite) {
    QImage page(2550, 3300, QImage::Format_Grayscale8);
    page.fill(245);
    QPainter painter(&page);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(42);
    painter.setFont(font);
    painter.setPen(QColor(30, 30, 30));
    for (int line = 0; line < 34; ++line)
        painter.drawText(250, 300 + line * 85, QStringLiteral("Line %1: the quick brown fox jumps over the lazy dog again and again.").arg(line));
    painter.end();
    // Paper grain, as a scanner sees it.
    QRandomGenerator random(3);
    for (int y = 0; y < page.height(); ++y) {
        uchar* row = page.scanLine(y);
        for (int x = 0; x < page.width(); ++x)
            if (row[x] > 200) row[x] = static_cast<uchar>(row[x] - random.bounded(6));
    }
    if (blackAndWhite) page = page.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    SetPageDpi(page, 300);
    return page;
}

struct Result {
    double seconds = 0;
    double writerSecondsPerPage = 0;
    long peakKb = 0;
    qint64 bytes = 0;
};

// Runs in a child process so its peak memory is its own.
Result WriteDocument(const QString& path, DocumentFormat format, bool blackAndWhite, int pages) {
    const QImage page = ScanLikePage(blackAndWhite);
    // The compression alone, to tell the writer's own time apart.
    QElapsedTimer timer;
    timer.start();
    QString why;
    for (int i = 0; i < 5; ++i)
        blackAndWhite ? (void)EncodeG4(page, &why) : (void)EncodeJpeg(page, 75);
    const double encodeSeconds = timer.nsecsElapsed() / 1e9 / 5;

    SafeOutputFile output;
    output.Open(path);
    auto writer = CreateDocumentWriter(format, output.fd(), 75);
    timer.restart();
    for (int i = 0; i < pages; ++i) writer->AddPage(page);
    writer->Finish();
    output.Commit();
    Result result;
    result.seconds = timer.nsecsElapsed() / 1e9;
    result.writerSecondsPerPage = result.seconds / pages - encodeSeconds;
    result.bytes = QFileInfo(path).size();
    return result;
}

Result Measure(const QString& path, DocumentFormat format, bool blackAndWhite, int pages) {
    bench::ChildUsage usage;
    Result result = bench::RunInChild<Result>([&] { return WriteDocument(path, format, blackAndWhite, pages); }, &usage);
    result.peakKb = usage.peakKb;
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    quillon::PrepareProcess();
    // Images only: no display is needed, so none is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir folder;
    std::printf("%-5s %-16s %5s %9s %16s %12s %14s\n", "file", "pages", "count", "pages/s", "writer ms/page",
                "peak MB", "KB per page");
    for (const bool blackAndWhite : {false, true}) {
        for (const DocumentFormat format : {DocumentFormat::Pdf, DocumentFormat::Tiff}) {
            for (const int pages : {100, 300}) {
                const QString path = folder.filePath(QStringLiteral("out-%1.%2").arg(pages).arg(format == DocumentFormat::Pdf ? "pdf" : "tiff"));
                const Result r = Measure(path, format, blackAndWhite, pages);
                std::printf("%-5s %-16s %5d %9.1f %16.2f %12.1f %14.1f\n", format == DocumentFormat::Pdf ? "PDF" : "TIFF",
                            blackAndWhite ? "black and white" : "grey, quality 75", pages, pages / r.seconds,
                            r.writerSecondsPerPage * 1000, r.peakKb / 1024.0, r.bytes / 1024.0 / pages);
                QFile::remove(path);
            }
        }
    }

    // img2pdf on the same pages (PNG in, as a scanner program would hand them over).
    std::printf("\nimg2pdf, same pages, 10 of each:\n");
    for (const bool blackAndWhite : {false, true}) {
        const QString png = folder.filePath(blackAndWhite ? "bw.png" : "grey.png");
        ScanLikePage(blackAndWhite).save(png);
        QStringList arguments;
        for (int i = 0; i < 10; ++i) arguments << png;
        const QString pdf = folder.filePath("img2pdf.pdf");
        arguments << "-o" << pdf;
        QProcess process;
        process.start("img2pdf", arguments);
        if (!process.waitForFinished(300000) || process.exitCode() != 0) {
            std::printf("  img2pdf could not run: %s\n", process.readAllStandardError().constData());
            continue;
        }
        std::printf("  %-16s %14.1f KB per page (lossless input kept lossless)\n",
                    blackAndWhite ? "black and white" : "grey", QFileInfo(pdf).size() / 1024.0 / 10);
    }
    return 0;
}
