// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/pages/ConformPage.h"

#include "scan/imaging/pages/PageImage.h"

#include <QPainter>

#include <cmath>
#include <cstdlib>

namespace quillon {

namespace {

constexpr double kMmPerInch = 25.4;
// Scanners round the scan area to their own steps: within two millimetres a
// page is taken to be the paper asked.
constexpr double kPaperToleranceMm = 2.0;

int MmToPixels(double mm, int dpi) { return static_cast<int>(std::lround(mm / kMmPerInch * dpi)); }

QImage ToMode(const QImage& page, int pixelType) {
    if (pixelType == 0 && page.format() != QImage::Format_Mono)
        return page.convertToFormat(QImage::Format_Grayscale8)
            .convertToFormat(QImage::Format_Mono, Qt::ThresholdDither | Qt::MonoOnly);
    if (pixelType == 1 && page.format() == QImage::Format_RGB888) return page.convertToFormat(QImage::Format_Grayscale8);
    return page;
}

// White paper where the scanner gave less than the paper asked.
QImage ToPaper(const QImage& page, int width, int height) {
    if (page.format() == QImage::Format_Mono) {
        // Painting needs a grey page; black and white is thresholded again after.
        return ToMode(ToPaper(page.convertToFormat(QImage::Format_Grayscale8), width, height), 0);
    }
    QImage paper(width, height, page.format());
    paper.fill(Qt::white);
    QPainter painter(&paper);
    painter.drawImage(0, 0, page, 0, 0, std::min(width, page.width()), std::min(height, page.height()));
    painter.end();
    return paper;
}

}  // namespace

// The page is taken by value and worked on in place: a page already as asked
// is never copied.
QImage ConformPage(QImage page, int deliveredDpi, const PageRequest& request) {
    page = AsPageFormat(page);
    if (page.isNull()) return page;
    const bool scannedMono = page.format() == QImage::Format_Mono;
    int dpi = deliveredDpi > 0 ? deliveredDpi : PageDpi(page);
    // Resample before thresholding, so black and white stays sharp.
    if (request.dpi > 0 && std::abs(dpi - request.dpi) * 100 > request.dpi) {
        const QImage grey = page.format() == QImage::Format_Mono ? page.convertToFormat(QImage::Format_Grayscale8) : page;
        const double scale = double(request.dpi) / dpi;
        page = grey.scaled(std::max(1, int(std::lround(page.width() * scale))),
                           std::max(1, int(std::lround(page.height() * scale))), Qt::IgnoreAspectRatio,
                           Qt::SmoothTransformation);
        if (scannedMono && request.pixelType < 0) page = ToMode(page, 0);
        dpi = request.dpi;
    }
    page = ToMode(page, request.pixelType);
    if (request.widthMm > 0 && request.heightMm > 0) {
        const int width = MmToPixels(request.widthMm, dpi), height = MmToPixels(request.heightMm, dpi);
        const int tolerance = MmToPixels(kPaperToleranceMm, dpi);
        if (std::abs(page.width() - width) > tolerance || std::abs(page.height() - height) > tolerance)
            page = ToPaper(page, width, height);
    }
    SetPageDpi(page, dpi);
    return page;
}

}  // namespace quillon
