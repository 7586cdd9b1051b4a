// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/pages/PageImage.h"

#include <algorithm>
#include <cmath>

namespace quillon {

namespace {
constexpr double kMetresPerInch = 0.0254;
}

int PageDpi(const QImage& page) {
    const int dotsPerMetre = page.dotsPerMeterX();
    if (dotsPerMetre <= 0) return kDefaultPageDpi;
    const int dpi = static_cast<int>(std::lround(dotsPerMetre * kMetresPerInch));
    return dpi > 0 ? dpi : kDefaultPageDpi;
}

void SetPageDpi(QImage& page, double dpi) {
    const int dotsPerMetre = static_cast<int>(std::lround(dpi / kMetresPerInch));
    page.setDotsPerMeterX(dotsPerMetre);
    page.setDotsPerMeterY(dotsPerMetre);
}

bool MonoBlackIsOne(const QImage& page) {
    if (page.colorCount() < 2) return false;
    return qGray(page.color(1)) < qGray(page.color(0));
}

void GreyRow(const QImage& page, int y, uchar* grey) {
    const uchar* line = page.constScanLine(y);
    const int width = page.width();
    switch (page.format()) {
        case QImage::Format_Grayscale8: std::copy(line, line + width, grey); break;
        case QImage::Format_RGB888:
            for (int x = 0; x < width; ++x, line += 3)
                grey[x] = static_cast<uchar>((line[0] * 77 + line[1] * 150 + line[2] * 29) >> 8);
            break;
        case QImage::Format_Mono: {
            const uchar black = MonoBlackIsOne(page) ? 1 : 0;
            for (int x = 0; x < width; ++x) grey[x] = ((line[x >> 3] >> (7 - (x & 7))) & 1) == black ? 0 : 255;
            break;
        }
        default: std::fill(grey, grey + width, uchar(255));  // not a page format: nothing on it
    }
}

bool IsPageFormat(const QImage& image) {
    const QImage::Format format = image.format();
    return format == QImage::Format_Mono || format == QImage::Format_Grayscale8 || format == QImage::Format_RGB888;
}

QImage AsPageFormat(const QImage& image) {
    switch (image.format()) {
        case QImage::Format_Mono:
        case QImage::Format_Grayscale8:
        case QImage::Format_RGB888:
            return image;
        case QImage::Format_MonoLSB:
            return image.convertToFormat(QImage::Format_Mono);
        default:
            break;
    }
    if (image.depth() == 1) return image.convertToFormat(QImage::Format_Mono);
    return image.allGray() ? image.convertToFormat(QImage::Format_Grayscale8)
                           : image.convertToFormat(QImage::Format_RGB888);
}

}  // namespace quillon
