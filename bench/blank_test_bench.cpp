// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the blank test's measure for every page of the real scans, with its
// label, and the time it takes on 300 dpi Letter pages.
#include "app/PrepareProcess.h"
#include "scan/imaging/pages/BlankPageTest.h"
#include "scan/imaging/pages/PageImage.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace quillon;

namespace {

QImage LetterPage(QImage::Format format) {
    QImage page(2550, 3300, format);
    page.fill(Qt::white);
    // A little text-like ink so the page is not trivially uniform.
    QRandomGenerator random(7);
    for (int line = 0; line < 40; ++line)
        for (int x = 300; x < 2200; x += 3)
            if (random.bounded(3) != 0) page.setPixel(x, 400 + line * 60, qRgb(20, 20, 20));
    SetPageDpi(page, 300);
    return page;
}

double MillisecondsPerPage(const QImage& page) {
    std::vector<double> times;
    for (int run = 0; run < 30; ++run) {
        QElapsedTimer timer;
        timer.start();
        volatile double coverage = MeasureInk(page).coverage;
        (void)coverage;
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    quillon::PrepareProcess();
    // Images only: no display is needed, so none is asked for.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(QUILLON_SCANS_DIR);
    QFile labels(folder + "/labels.tsv");
    if (labels.open(QIODevice::ReadOnly)) {
        std::printf("%-36s %-5s %9s %9s %5s %6s %7s %7s\n", "page", "blank", "inner128", "coverage", "paper", "cutoff",
                    "@0.001", "@0.01");
        labels.readLine();
        while (!labels.atEnd()) {
            const QStringList fields = QString::fromUtf8(labels.readLine()).trimmed().split('\t');
            if (fields.size() < 10) continue;
            QImage image(folder + "/" + fields[0]);
            if (image.isNull()) continue;
            const InkMeasurement m = MeasureInk(AsPageFormat(image));
            std::printf("%-36s %-5s %9s %9.5f %5d %6d %7s %7s\n", qPrintable(fields[0]), qPrintable(fields[1]),
                        qPrintable(fields[9]), m.coverage, m.paperLevel, m.inkCutoff,
                        m.coverage < 0.001 ? "blank" : "kept", m.coverage < 0.01 ? "blank" : "kept");
        }
    } else {
        std::printf("no labelled scans at %s\n", qPrintable(folder));
    }
    std::printf("\nblank test, 300 dpi Letter, median of 30 runs on one core:\n");
    std::printf("  grey:   %.2f ms per page\n", MillisecondsPerPage(LetterPage(QImage::Format_Grayscale8)));
    std::printf("  colour: %.2f ms per page\n", MillisecondsPerPage(LetterPage(QImage::Format_RGB888)));
    std::printf("  black and white: %.2f ms per page\n",
                MillisecondsPerPage(LetterPage(QImage::Format_Grayscale8).convertToFormat(QImage::Format_Mono)));
    return 0;
}
