// SPDX-License-Identifier: GPL-3.0-or-later
// Each real scan written as a one-page PDF at "Good - Default" (JPEG q75) and
// at "Compact - Text Pages" by Quillon's own writer (an internal driver, not
// the shipped program): bytes of each, their ratio, what the page became, the
// CPU time of the compact encoding, and how far the compact page rendered back
// by poppler (pdftoppm) differs from the JPEG page's rendering. Beside it, in
// the same run, the peers a user would pick, with their exact commands:
// img2pdf of the page as JPEG q75 (same format and quality as "Good -
// Default"), and ocrmypdf -O3 on that PDF for a smaller file.
#include "app/PrepareProcess.h"
#include "scan/imaging/CompactPage.h"
#include "scan/imaging/DocumentWriter.h"
#include "scan/imaging/PageImage.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace quillon;

namespace {

qint64 WritePdf(const QImage& page, const QString& path, bool compact) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return -1;
    {
        const auto writer = CreateDocumentWriter(DocumentFormat::Pdf, fd, 75, {}, compact);
        if (!writer->AddPage(page) || !writer->Finish()) return -1;
    }
    ::close(fd);
    return QFileInfo(path).size();
}

qint64 PeerBytes(const QString& program, const QStringList& arguments, const QString& output) {
    QFile::remove(output);
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitCode() != 0) return -1;
    return QFileInfo(output).size();
}

QImage Rendered(const QString& pdf, int dpi) {
    QProcess::execute("pdftoppm", {"-r", QString::number(dpi), "-gray", "-png", "-singlefile", pdf, pdf});
    return QImage(pdf + ".png").convertToFormat(QImage::Format_Grayscale8);
}

// The share of pixels whose grey differs by more than 64: lost or added ink.
double InkDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull()) return -1;
    long long differ = 0;
    for (int y = 0; y < a.height(); ++y) {
        const uchar* p = a.constScanLine(y);
        const uchar* q = b.constScanLine(y);
        for (int x = 0; x < a.width(); ++x) differ += std::abs(p[x] - q[x]) > 64;
    }
    return double(differ) / (double(a.width()) * a.height());
}

double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + now.tv_nsec / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
    PrepareProcess();
    QCoreApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(QUILLON_SCANS_DIR);
    QTemporaryDir temp;
    if (qEnvironmentVariableIsSet("QUILLON_KEEP_PAGES")) temp.setAutoRemove(false), std::printf("pages kept in %s\n", qPrintable(temp.path()));
    std::printf("peers (run on each page that became compact):\n"
                "  img2pdf page.jpg -o img2pdf.pdf    (page.jpg: the page as JPEG q75)\n"
                "  ocrmypdf --skip-text --tesseract-timeout 0 --jobs 1 -O3 img2pdf.pdf ocrmypdf.pdf\n"
                "cpu ms: the compact encoding inside this driver; ink diff: share of pixels more than 64 grey\n"
                "levels apart between the JPEG and the compact page rendered by pdftoppm\n\n");
    std::printf("%-34s %5s %9s %9s %7s %8s %8s %9s %9s  %s\n", "page", "dpi", "jpeg B", "compact B", "ratio", "cpu ms",
                "ink diff", "img2pdf B", "ocrmypdf", "became");
    std::vector<double> ratios;
    for (const QFileInfo& file : QDir(folder).entryInfoList({"*.png", "*.jpg", "*.tif"}, QDir::Files, QDir::Name)) {
        QImage page = AsPageFormat(QImage(file.filePath()));
        if (page.isNull()) continue;
        const int dpi = PageDpi(page);
        const QString jpeg = temp.filePath(file.baseName() + "-q75.pdf");
        const QString compact = temp.filePath(file.baseName() + "-compact.pdf");
        const qint64 jpegBytes = WritePdf(page, jpeg, false);
        const double before = CpuSeconds();
        const CompactChoice choice = MakeCompactPage(page, dpi);
        const double cpuMs = (CpuSeconds() - before) * 1000;
        const qint64 compactBytes = WritePdf(page, compact, true);
        const double ratio = jpegBytes > 0 ? double(compactBytes) / double(jpegBytes) : 0;
        if (choice.compact) ratios.push_back(ratio);
        const double difference = choice.compact ? InkDifference(Rendered(jpeg, dpi), Rendered(compact, dpi)) : 0;
        qint64 img2pdfBytes = -1, ocrmypdfBytes = -1;
        if (choice.compact) {
            const QString pageJpeg = temp.filePath(file.baseName() + ".jpg");
            QImage peerPage = page;
            SetPageDpi(peerPage, dpi);
            peerPage.save(pageJpeg, "JPEG", 75);
            const QString img2pdf = temp.filePath(file.baseName() + "-img2pdf.pdf");
            img2pdfBytes = PeerBytes("img2pdf", {pageJpeg, "-o", img2pdf}, img2pdf);
            const QString ocrmypdf = temp.filePath(file.baseName() + "-ocrmypdf.pdf");
            ocrmypdfBytes = PeerBytes("ocrmypdf", {"-q", "--skip-text", "--tesseract-timeout", "0", "--jobs", "1", "-O3",
                                                   img2pdf, ocrmypdf}, ocrmypdf);
        }
        std::printf("%-34s %5d %9lld %9lld %7.3f %8.1f %8.4f %9lld %9lld  %s\n", qPrintable(file.fileName().left(34)), dpi,
                    static_cast<long long>(jpegBytes), static_cast<long long>(compactBytes), ratio, cpuMs, difference,
                    static_cast<long long>(img2pdfBytes), static_cast<long long>(ocrmypdfBytes),
                    qPrintable(choice.compact ? choice.why : "JPEG: " + choice.why));
    }
    if (!ratios.empty()) {
        std::sort(ratios.begin(), ratios.end());
        std::printf("\ncompact pages: %zu, median size %.3f of the JPEG q75 page\n", ratios.size(), ratios[ratios.size() / 2]);
    }
    return 0;
}
