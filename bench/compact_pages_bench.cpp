// SPDX-License-Identifier: GPL-3.0-or-later
// Each real scan written as a one-page PDF at "Good - Default" (JPEG q75, G4
// for black and white) and at "Compact - Text Pages" by Quillon's own writer
// (an internal driver, not the shipped program; bench/compact_scan_bench.sh
// times quillon-scan itself). Per page: bytes of each and their ratio, what
// the page became, the CPU time of its compact encoding, and for grey and
// colour pages how legible each file is: tesseract's word recall on the page
// rendered at 300 dpi by poppler and by Ghostscript (against the words it
// reads on the original scan), and SSIM against the original. Beside it, in
// the same run, the peers a user would pick, with their exact commands.
#include "app/PrepareProcess.h"
#include "scan/imaging/compact/CompactPage.h"
#include "scan/imaging/writers/DocumentWriter.h"
#include "scan/imaging/compact/Jbig2Encoder.h"
#include "scan/imaging/writers/PageEncoders.h"
#include "scan/imaging/pages/PageImage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <map>
#include <vector>

using namespace quillon;

namespace {

double CpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + now.tv_nsec / 1e6;
}

struct Written {
    qint64 bytes = -1;
    double cpuMs = 0;  // the page's encoding
    QString note;
};

Written WritePdf(const QImage& page, const QString& path, bool compact) {
    Written written;
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) return written;
    {
        const auto writer = CreateDocumentWriter(DocumentFormat::Pdf, fd, 75, compact);
        const double before = CpuMs();
        EncodedPage encoded = writer->Encode(page);
        written.cpuMs = CpuMs() - before;
        written.note = encoded.note;
        if (!writer->AddEncoded(std::move(encoded)) || !writer->Finish()) return ::close(fd), written;
    }
    ::close(fd);
    written.bytes = QFileInfo(path).size();
    return written;
}

QByteArray Run(const QStringList& command) {
    QProcess process;
    process.start(command.first(), command.mid(1));
    process.waitForFinished(-1);
    return process.readAllStandardOutput();
}

// A PDF's page as a grey PNG, by poppler or Ghostscript.
QString Rendered(const QString& pdf, const QString& renderer, int dpi) {
    const QString png = pdf + '-' + renderer + '-' + QString::number(dpi) + ".png";
    if (renderer == "poppler")
        Run({"pdftoppm", "-r", QString::number(dpi), "-gray", "-png", "-singlefile", pdf, png.chopped(4)});
    else
        Run({"gs", "-q", "-dNOPAUSE", "-dBATCH", "-sDEVICE=pnggray", "-r" + QString::number(dpi), "-o", png, pdf});
    return png;
}

// The words tesseract reads on an image, lower case, without the punctuation around them.
std::map<QString, int> WordsRead(const QString& image, int dpi) {
    static const QRegularExpression edges(QStringLiteral("^\\W+|\\W+$"));
    std::map<QString, int> words;
    const QString text = QString::fromUtf8(
        Run({"env", "OMP_THREAD_LIMIT=1", "tesseract", image, "stdout", "--dpi", QString::number(dpi), "-l", "eng"}));
    for (QString word : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
        word = word.remove(edges).toLower();
        if (word.size() >= 2) ++words[word];
    }
    return words;
}

int Count(const std::map<QString, int>& words) {
    int count = 0;
    for (const auto& [word, times] : words) count += times;
    return count;
}

double Recall(const std::map<QString, int>& reference, const std::map<QString, int>& read) {
    int found = 0;
    for (const auto& [word, times] : reference) {
        const auto seen = read.find(word);
        if (seen != read.end()) found += std::min(times, seen->second);
    }
    return double(found) / std::max(1, Count(reference));
}

// Mean SSIM over 8x8 blocks of two grey images (the smaller size of both).
double Ssim(const QImage& first, const QImage& second) {
    const QImage a = first.convertToFormat(QImage::Format_Grayscale8), b = second.convertToFormat(QImage::Format_Grayscale8);
    const int width = std::min(a.width(), b.width()) / 8 * 8, height = std::min(a.height(), b.height()) / 8 * 8;
    if (width == 0 || height == 0) return 0;
    constexpr double c1 = 6.5025, c2 = 58.5225;  // (0.01 * 255)^2, (0.03 * 255)^2
    double sum = 0;
    int blocks = 0;
    for (int y0 = 0; y0 < height; y0 += 8)
        for (int x0 = 0; x0 < width; x0 += 8, ++blocks) {
            double sa = 0, sb = 0, saa = 0, sbb = 0, sab = 0;
            for (int y = y0; y < y0 + 8; ++y) {
                const uchar* pa = a.constScanLine(y);
                const uchar* pb = b.constScanLine(y);
                for (int x = x0; x < x0 + 8; ++x) {
                    sa += pa[x], sb += pb[x], saa += pa[x] * pa[x], sbb += pb[x] * pb[x], sab += pa[x] * pb[x];
                }
            }
            const double ma = sa / 64, mb = sb / 64;
            const double va = saa / 64 - ma * ma, vb = sbb / 64 - mb * mb, cov = sab / 64 - ma * mb;
            sum += (2 * ma * mb + c1) * (2 * cov + c2) / ((ma * ma + mb * mb + c1) * (va + vb + c2));
        }
    return sum / blocks;
}

// CPU seconds (user and system) of a command, and whether it succeeded.
double CpuSecondsOf(const QStringList& command, bool* ok) {
    QTemporaryDir temp;
    const QString times = temp.filePath("times");
    QProcess process;
    process.start("/usr/bin/time", QStringList{"-f", "%U %S", "-o", times} + command);
    process.waitForFinished(-1);
    *ok = process.exitCode() == 0;
    QFile file(times);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QList<QByteArray> parts = file.readAll().trimmed().split(' ');
    return parts.size() == 2 ? parts[0].toDouble() + parts[1].toDouble() : -1;
}

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Row {
    QString name, kind;
    int dpi = 0;
    Written plain, compact;
    bool legibility = false;
    int referenceWords = 0;
    double recallPlain = 0, recallPoppler = 0, recallGhostscript = 0, ssimPlain = 0, ssimCompact = 0;
    qint64 img2pdf = -1, ocrmypdf = -1;
    double ocrmypdfCpuMs = 0, maskJbig2Ms = 0, maskG4Ms = 0;
    qint64 maskJbig2 = 0, maskG4 = 0;
};

}  // namespace

int main(int argc, char** argv) {
    PrepareProcess();
    QCoreApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(QUILLON_SCANS_DIR);
    QTemporaryDir temp;
    if (qEnvironmentVariableIsSet("QUILLON_KEEP_PAGES")) temp.setAutoRemove(false), std::printf("pages kept in %s\n", qPrintable(temp.path()));
    std::printf(
        "Quillon's writer, driven inside this program (the shipped program is timed by compact_scan_bench.sh).\n"
        "plain: \"Good - Default\" (JPEG q75; G4 for black and white). compact: \"Compact - Text Pages\".\n"
        "recall: share of the words tesseract reads on the scan that it reads on the page rendered at 300 dpi\n"
        "  (plain and compact by poppler, compact also by Ghostscript):\n"
        "  tesseract PAGE.png stdout --dpi DPI -l eng; pdftoppm -r 300 -gray; gs -sDEVICE=pnggray -r300\n"
        "SSIM: against the scan, rendered by poppler at the scan's resolution.\n"
        "peers, on each grey or colour page (page.jpg: the page as JPEG q75):\n"
        "  img2pdf page.jpg -o img2pdf.pdf\n"
        "  ocrmypdf --skip-text --tesseract-timeout 0 --jobs 1 -O3 img2pdf.pdf ocrmypdf.pdf\n\n");
    std::printf("%-27s %-6s %4s %8s %8s %6s %6s %5s %5s %5s %5s %5s %5s %8s %8s %7s  %s\n", "page", "kind", "dpi", "plain B",
                "compact", "ratio", "cpu ms", "words", "rPlai", "rPopp", "rGs", "sPlai", "sComp", "img2pdf", "ocrmypdf",
                "ocr ms", "became");
    std::vector<Row> rows;
    for (const QFileInfo& file : QDir(folder).entryInfoList({"*.png", "*.jpg", "*.tif"}, QDir::Files, QDir::Name)) {
        const QImage page = AsPageFormat(QImage(file.filePath()));
        if (page.isNull()) continue;
        Row row;
        row.name = file.completeBaseName();
        row.dpi = PageDpi(page);
        row.kind = page.format() == QImage::Format_Mono ? "bw" : page.format() == QImage::Format_RGB888 ? "colour" : "grey";
        const QString base = temp.filePath(row.name);
        row.plain = WritePdf(page, base + "-plain.pdf", false);
        row.compact = WritePdf(page, base + "-compact.pdf", true);
        // The mask's two encodings, timed apart.
        const QImage mask = page.format() == QImage::Format_Mono ? page : MakeCompactPage(page, row.dpi).page.mask;
        if (!mask.isNull()) {
            QString why;
            double before = CpuMs();
            row.maskJbig2 = EncodeJbig2(mask).size();
            row.maskJbig2Ms = CpuMs() - before;
            before = CpuMs();
            row.maskG4 = EncodeG4(mask, &why).size();
            row.maskG4Ms = CpuMs() - before;
        }
        if (row.kind != "bw") {
            const std::map<QString, int> reference = WordsRead(file.filePath(), row.dpi);
            row.referenceWords = Count(reference);
            row.legibility = row.referenceWords >= 20;
            if (row.legibility) {
                row.recallPlain = Recall(reference, WordsRead(Rendered(base + "-plain.pdf", "poppler", 300), 300));
                row.recallPoppler = Recall(reference, WordsRead(Rendered(base + "-compact.pdf", "poppler", 300), 300));
                row.recallGhostscript = Recall(reference, WordsRead(Rendered(base + "-compact.pdf", "gs", 300), 300));
            }
            row.ssimPlain = Ssim(page, QImage(Rendered(base + "-plain.pdf", "poppler", row.dpi)));
            row.ssimCompact = Ssim(page, QImage(Rendered(base + "-compact.pdf", "poppler", row.dpi)));
            QImage peerPage = page;
            SetPageDpi(peerPage, row.dpi);
            peerPage.save(base + ".jpg", "JPEG", 75);
            bool ok = false;
            CpuSecondsOf({"img2pdf", base + ".jpg", "-o", base + "-img2pdf.pdf"}, &ok);
            if (ok) row.img2pdf = QFileInfo(base + "-img2pdf.pdf").size();
            const double seconds = CpuSecondsOf({"ocrmypdf", "-q", "--skip-text", "--tesseract-timeout", "0", "--jobs", "1",
                                                 "-O3", base + "-img2pdf.pdf", base + "-ocrmypdf.pdf"}, &ok);
            if (ok) row.ocrmypdf = QFileInfo(base + "-ocrmypdf.pdf").size(), row.ocrmypdfCpuMs = seconds * 1000;
        }
        const auto value = [&](double v) { return row.legibility ? QString::number(v, 'f', 2) : QStringLiteral("-"); };
        const auto ssim = [&](double v) { return row.kind == "bw" ? QStringLiteral("-") : QString::number(v, 'f', 2); };
        std::printf("%-27s %-6s %4d %8lld %8lld %6.3f %6.0f %5d %5s %5s %5s %5s %5s %8lld %8lld %7.0f  %s\n",
                    qPrintable(row.name.left(27)), qPrintable(row.kind), row.dpi, static_cast<long long>(row.plain.bytes),
                    static_cast<long long>(row.compact.bytes), double(row.compact.bytes) / double(std::max<qint64>(1, row.plain.bytes)),
                    row.compact.cpuMs, row.referenceWords, qPrintable(value(row.recallPlain)), qPrintable(value(row.recallPoppler)),
                    qPrintable(value(row.recallGhostscript)), qPrintable(ssim(row.ssimPlain)), qPrintable(ssim(row.ssimCompact)),
                    static_cast<long long>(row.img2pdf), static_cast<long long>(row.ocrmypdf), row.ocrmypdfCpuMs,
                    qPrintable(row.compact.note.section("), ", 0, 0) + ")"));
        std::fflush(stdout);
        rows.push_back(row);
    }

    // By kind of page.
    std::vector<double> compactRatios, bwRatios, ssims, jbig2Ms, g4Ms, jbig2Share, evenedRatios, textRatios;
    double worstRatio = 0, worstPoppler = 0, worstGhostscript = 0, cpuCompact = 0, cpuOcrmypdf = 0;
    int compactPages = 0, kept = 0, legible = 0, jbig2Smaller = 0, masks = 0, peerPages = 0;
    for (const Row& row : rows) {
        const double ratio = double(row.compact.bytes) / double(std::max<qint64>(1, row.plain.bytes));
        if (row.maskJbig2 > 0) {
            ++masks;
            jbig2Smaller += row.maskJbig2 <= row.maskG4;
            jbig2Ms.push_back(row.maskJbig2Ms * 300.0 * 300.0 / (row.dpi * row.dpi));
            g4Ms.push_back(row.maskG4Ms * 300.0 * 300.0 / (row.dpi * row.dpi));
            jbig2Share.push_back(double(row.maskJbig2) / double(std::max<qint64>(1, row.maskG4)));
        }
        if (row.kind == "bw") {
            bwRatios.push_back(ratio);
            continue;
        }
        // Legibility and size over every page the compact quality decides on:
        // grey and colour pages of 150 dpi or more.
        if (row.dpi >= 150) {
            textRatios.push_back(ratio);
            if (row.legibility && row.recallPlain >= 0.9) {
                ++legible;
                worstPoppler = std::min(worstPoppler, row.recallPoppler - row.recallPlain);
                worstGhostscript = std::min(worstGhostscript, row.recallGhostscript - row.recallPlain);
            }
        }
        if (!row.compact.note.startsWith("compact")) {
            ++kept;
            if (row.compact.note.contains("evened")) evenedRatios.push_back(ratio);
            continue;
        }
        ++compactPages;
        compactRatios.push_back(ratio);
        worstRatio = std::max(worstRatio, ratio);
        ssims.push_back(row.ssimCompact);
        if (row.ocrmypdf > 0) ++peerPages, cpuCompact += row.compact.cpuMs, cpuOcrmypdf += row.ocrmypdfCpuMs;
    }
    std::printf("\ngrey and colour pages made compact: %d (median %.3f of the plain page, largest %.3f); kept whole: %d\n",
                compactPages, Median(compactRatios), worstRatio, kept);
    std::printf("kept as JPEG with the paper evened out (print too small for a mask): %zu, median %.3f of the plain page\n",
                evenedRatios.size(), Median(evenedRatios));
    std::printf("all grey and colour pages of 150 dpi or more: %zu, median %.3f of the plain page\n", textRatios.size(),
                Median(textRatios));
    std::printf("black-and-white pages: %zu, median %.3f of G4\n", bwRatios.size(), Median(bwRatios));
    std::printf("masks and black-and-white pages: JBIG2 no larger than G4 on %d of %d, median %.3f of G4; "
                "median CPU per 300 dpi page JBIG2 %.1f ms, G4 %.1f ms\n",
                jbig2Smaller, masks, Median(jbig2Share), Median(jbig2Ms), Median(g4Ms));
    std::printf("legibility, pages of 150 dpi or more whose plain page reads 0.9 or more (%d): worst recall change %+.2f "
                "(poppler), "
                "%+.2f (Ghostscript); median SSIM %.3f\n",
                legible, worstPoppler, worstGhostscript, Median(ssims));
    if (peerPages > 0)
        std::printf("CPU per compact page: Quillon's encoding %.0f ms, ocrmypdf -O3 %.0f ms (a process per page)\n",
                    cpuCompact / peerPages, cpuOcrmypdf / peerPages);
    return 0;
}
