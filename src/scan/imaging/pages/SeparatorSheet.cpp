// SPDX-License-Identifier: GPL-3.0-or-later
#define ZX_USE_UTF8
#include "scan/imaging/pages/SeparatorSheet.h"

#include <QCoreApplication>

#include "scan/imaging/pages/PageImage.h"

#include <ZXing/BitMatrix.h>
#include <ZXing/MultiFormatWriter.h>
#include <ZXing/ReadBarcode.h>

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace quillon {

namespace {

constexpr double kNarrowInches = 0.08, kWideInches = 0.2, kGapInches = 0.08;
constexpr int kReadDpi = 50;  // the reduced copy the codes are read from: a QR module of the sheet is 4 pixels

// The grey copy the codes are read from, and its resolution.
QImage ReducedGrey(const QImage& page, double& dpi) {
    const double pageDpi = PageDpi(page) > 0 ? PageDpi(page) : 200.0;
    // Reduced first, by sampling: bars and modules are many pixels wide, and
    // the page's every pixel need not be read.
    QImage reduced = page;
    dpi = pageDpi;
    if (pageDpi > kReadDpi * 1.2) {
        const double scale = kReadDpi / pageDpi;
        reduced = page.scaled(std::max(1, int(page.width() * scale)), std::max(1, int(page.height() * scale)),
                              Qt::IgnoreAspectRatio, Qt::FastTransformation);
        dpi = kReadDpi;
    }
    return reduced.convertToFormat(QImage::Format_Grayscale8);
}

// The first four dark runs of a line of grey levels read from the sheet's
// edge inward, and the light runs between them: Patch T when they are
// narrow, wide, narrow, wide with narrow gaps, the first within 1.5 inch of
// the edge.
bool PatchTAlong(const std::vector<uchar>& line, double dpi) {
    const int threshold = 128;
    std::vector<std::pair<int, int>> dark;  // start, length
    for (int x = 0; x < static_cast<int>(line.size()) && dark.size() < 5;) {
        if (line[static_cast<std::size_t>(x)] >= threshold) {
            ++x;
            continue;
        }
        const int start = x;
        while (x < static_cast<int>(line.size()) && line[static_cast<std::size_t>(x)] < threshold) ++x;
        dark.emplace_back(start, x - start);
    }
    if (dark.size() < 4 || dark[0].first > 1.5 * dpi) return false;
    const auto near = [dpi](int pixels, double inches, double tolerance) {
        return std::fabs(pixels - inches * dpi) <= std::max(1.6, tolerance * inches * dpi);
    };
    const std::array<double, 4> bars{kNarrowInches, kWideInches, kNarrowInches, kWideInches};
    for (std::size_t i = 0; i < 4; ++i) {
        if (!near(dark[i].second, bars[i], 0.45)) return false;
        if (i > 0 && !near(dark[i].first - dark[i - 1].first - dark[i - 1].second, kGapInches, 0.6)) return false;
    }
    // The bars stand apart from what follows: a fifth run would not sit in the pattern's gap.
    return dark.size() < 5 || dark[4].first - dark[3].first - dark[3].second > 0.5 * kGapInches * dpi;
}

// Lines across each of the four edges, at several places along it: Patch T
// when most lines along one edge find it (its bars run most of the sheet's length).
bool HasPatchT(const QImage& grey, double dpi) {
    const int width = grey.width(), height = grey.height();
    const int depth = static_cast<int>(std::min<double>(2.5 * dpi, std::min(width, height) / 2));
    for (int edge = 0; edge < 4; ++edge) {
        const bool vertical = edge < 2;  // bars along the left or right edge
        const int along = vertical ? height : width;
        int found = 0, lines = 0;
        for (int k = 1; k <= 9; ++k) {
            const int at = along * k / 10;
            std::vector<uchar> line(static_cast<std::size_t>(depth));
            for (int d = 0; d < depth; ++d) {
                const int x = vertical ? (edge == 0 ? d : width - 1 - d) : at;
                const int y = vertical ? at : (edge == 2 ? d : height - 1 - d);
                line[static_cast<std::size_t>(d)] = grey.constScanLine(y)[x];
            }
            ++lines;
            if (PatchTAlong(line, dpi)) ++found;
        }
        if (found * 2 > lines) return true;
    }
    return false;
}

bool HasSeparatorQrCode(const QImage& grey) {
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::QRCode);
    // A QR code is found whichever way up; the faster search is enough for a
    // code two inches across on a sheet printed for the purpose.
    hints.setTryRotate(false);
    hints.setTryHarder(false);
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(), ZXing::ImageFormat::Lum,
                                static_cast<int>(grey.bytesPerLine()));
    for (const ZXing::Result& result : ZXing::ReadBarcodes(view, hints))
        if (result.isValid() && QString::fromStdString(result.text()) == kSeparatorCodeText) return true;
    return false;
}

}  // namespace

bool IsSeparatorSheet(const QImage& page) {
    if (page.isNull()) return false;
    double dpi = 0;
    const QImage grey = ReducedGrey(page, dpi);
    return HasPatchT(grey, dpi) || HasSeparatorQrCode(grey);
}

QImage DrawSeparatorSheet(double widthInches, double heightInches, int dpi) {
    const int width = static_cast<int>(std::lround(widthInches * dpi));
    const int height = static_cast<int>(std::lround(heightInches * dpi));
    QImage sheet(width, height, QImage::Format_Grayscale8);
    sheet.fill(255);
    QPainter painter(&sheet);
    const auto inches = [dpi](double value) { return value * dpi; };
    // Patch T along every edge, 0.5 inch in: narrow, wide, narrow, wide.
    const std::array<double, 4> bars{kNarrowInches, kWideInches, kNarrowInches, kWideInches};
    double offset = 0.5;
    for (const double bar : bars) {
        const double inner = offset + bar;
        painter.fillRect(QRectF(inches(offset), inches(1.5), inches(bar), height - inches(3.0)), Qt::black);
        painter.fillRect(QRectF(width - inches(inner), inches(1.5), inches(bar), height - inches(3.0)), Qt::black);
        painter.fillRect(QRectF(inches(1.5), inches(offset), width - inches(3.0), inches(bar)), Qt::black);
        painter.fillRect(QRectF(inches(1.5), height - inches(inner), width - inches(3.0), inches(bar)), Qt::black);
        offset = inner + kGapInches;
    }
    // The QR code, two inches across, in the middle.
    const ZXing::BitMatrix code =
        ZXing::MultiFormatWriter(ZXing::BarcodeFormat::QRCode).setMargin(0).encode(kSeparatorCodeText.toStdString(), 0, 0);
    const double module = inches(2.0) / code.width();
    const double left = (width - code.width() * module) / 2, top = (height - code.height() * module) / 2;
    for (int y = 0; y < code.height(); ++y)
        for (int x = 0; x < code.width(); ++x)
            if (code.get(x, y)) painter.fillRect(QRectF(left + x * module, top + y * module, module, module), Qt::black);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(static_cast<int>(inches(0.3)));
    painter.setFont(font);
    painter.drawText(QRectF(0, top - inches(1.2), width, inches(0.5)), Qt::AlignCenter,
                     QCoreApplication::translate("Imaging", "Quillon separator sheet"));
    font.setPixelSize(static_cast<int>(inches(0.16)));
    painter.setFont(font);
    painter.drawText(QRectF(0, top + inches(2.4), width, inches(0.8)), Qt::AlignCenter,
                     QCoreApplication::translate("Imaging", "Put this sheet between two documents in the feeder.\nPrint it at full size (100 %)."));
    painter.end();
    QImage mono = sheet.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    SetPageDpi(mono, dpi);
    return mono;
}

}  // namespace quillon
