// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/pages/Enhancements.h"

#include "scan/imaging/pages/GreyLevels.h"
#include "scan/imaging/writers/PageEncoders.h"
#include "scan/imaging/pages/PageImage.h"
#include "scan/imaging/pages/PageMemory.h"

#include <leptonica/allheaders.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>
#include <memory>

namespace quillon {

namespace {

int GreyAt(const QImage& page, int x, int y) {
    const uchar* line = page.constScanLine(y);
    return page.format() == QImage::Format_RGB888 ? Luminance(line + 3 * x) : line[x];
}

// Luminance histogram of a grey or colour page over a sample grid.
Histogram SampledHistogram(const QImage& page, int step, std::uint64_t* total) {
    Histogram histogram{};
    const bool colour = page.format() == QImage::Format_RGB888;
    const int perRow = (page.width() + step - 1) / step;
    std::vector<std::uint8_t> luminance(colour ? static_cast<std::size_t>(perRow) : 0);
    *total = 0;
    for (int y = 0; y < page.height(); y += step) {
        const uchar* line = page.constScanLine(y);
        if (colour) {
            SampleLuminance(line, step, perRow, luminance.data());
            for (const std::uint8_t level : luminance) ++histogram[level];
        } else {
            for (int i = 0; i < perRow; ++i) ++histogram[line[static_cast<std::size_t>(i) * step]];
        }
        *total += static_cast<std::uint64_t>(perRow);
    }
    return histogram;
}

int SampleStep(const QImage& page) { return std::max(1, PageDpi(page) / 100); }

// --- Leptonica ---------------------------------------------------------------

struct PixDeleter {
    void operator()(PIX* pix) const { pixDestroy(&pix); }
};
using PixHandle = std::unique_ptr<PIX, PixDeleter>;

// Leptonica keeps pixels in 32-bit words, most significant byte first.
PixHandle ToPix(const QImage& page) {
    const int width = page.width();
    const int height = page.height();
    const bool mono = page.format() == QImage::Format_Mono;
    const bool colour = page.format() == QImage::Format_RGB888;
    PixHandle pix(pixCreate(width, height, mono ? 1 : colour ? 32 : 8));
    if (!pix) return nullptr;
    l_uint32* data = pixGetData(pix.get());
    const int wpl = pixGetWpl(pix.get());
    for (int y = 0; y < height; ++y) {
        l_uint32* line = data + static_cast<std::ptrdiff_t>(y) * wpl;
        if (colour) {
            const uchar* in = page.constScanLine(y);
            for (int x = 0; x < width; ++x, in += 3)
                line[x] = (l_uint32(in[0]) << 24) | (l_uint32(in[1]) << 16) | (l_uint32(in[2]) << 8);
        } else if (mono) {
            MonoRowBlackIsOne(page, y, reinterpret_cast<uchar*>(line));  // 1 is black in Leptonica too
        } else {
            std::memcpy(line, page.constScanLine(y), static_cast<std::size_t>(width));
        }
    }
    if (!colour) pixEndianByteSwap(pix.get());
    return pix;
}

QImage FromPix(PIX* pix, const QImage& like) {
    const int width = pixGetWidth(pix);
    const int height = pixGetHeight(pix);
    const int depth = pixGetDepth(pix);
    if (depth != 32) pixEndianByteSwap(pix);  // bytes in reading order again
    QImage page(width, height, depth == 1 ? QImage::Format_Mono : depth == 32 ? QImage::Format_RGB888
                                                                               : QImage::Format_Grayscale8);
    if (depth == 1) page.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    const l_uint32* data = pixGetData(pix);
    const int wpl = pixGetWpl(pix);
    for (int y = 0; y < height; ++y) {
        const l_uint32* line = data + static_cast<std::ptrdiff_t>(y) * wpl;
        uchar* out = page.scanLine(y);
        if (depth == 32) {
            for (int x = 0; x < width; ++x, out += 3) {
                out[0] = static_cast<uchar>(line[x] >> 24);
                out[1] = static_cast<uchar>(line[x] >> 16);
                out[2] = static_cast<uchar>(line[x] >> 8);
            }
        } else {
            std::memcpy(out, line, static_cast<std::size_t>(depth == 1 ? (width + 7) / 8 : width));
        }
    }
    page.setDotsPerMeterX(like.dotsPerMeterX());
    page.setDotsPerMeterY(like.dotsPerMeterY());
    return page;
}

constexpr double kSmallestSkewDegrees = 0.1;
constexpr double kLeastConfidence = 3.0;  // Leptonica's own minimum for a trustworthy angle
constexpr int kInkCut = 130;             // where print is dark, as most is
constexpr int kLeastInkContrast = 48;    // grey levels between paper and the faintest print

// The grey level that tells the page's ink from its paper, for finding its
// lines: halfway between the two, so that light print (a faint copy, pencil)
// makes lines as black print does. Dark print keeps the usual cut, and so
// does a page with too little contrast to hold print at all: its specks and
// paper grain must not be taken for lines.
int InkCut(const QImage& page) {
    if (page.format() == QImage::Format_Mono) return kInkCut;
    std::uint64_t total = 0;
    const Histogram histogram = SampledHistogram(page, SampleStep(page), &total);
    const int ink = Percentile(histogram, total, 0.005);
    const int paper = Percentile(histogram, total, 0.5);
    if (paper - ink < kLeastInkContrast) return kInkCut;
    return std::max(kInkCut, (ink + paper) / 2);
}

}  // namespace

QImage AutoContrast(const QImage& input) {
    const QImage& page = input;
    Q_ASSERT(page.isNull() || IsPageFormat(page));
    if (page.format() == QImage::Format_Mono || page.isNull()) return page;
    std::uint64_t total = 0;
    const Histogram histogram = SampledHistogram(page, SampleStep(page), &total);
    // The ink end is never taken lighter than 64, so faint show-through on a
    // blank page is not stretched into ink; the paper end becomes white.
    const int dark = std::min(Percentile(histogram, total, 0.005), 64);
    const int light = Percentile(histogram, total, 0.99);
    if (light - dark < 48 || (dark <= 2 && light >= 253)) return page;

    std::array<uchar, 256> map{};
    for (int level = 0; level < 256; ++level)
        map[level] = static_cast<uchar>(std::clamp((level - dark) * 255 / (light - dark), 0, 255));
    // Mapped straight into memory kept for pages, in one pass.
    QImage result = RecycledPage(page.width(), page.height(), page.format());
    if (result.isNull()) return page;
    result.setDotsPerMeterX(page.dotsPerMeterX());
    result.setDotsPerMeterY(page.dotsPerMeterY());
    const int bytes = page.format() == QImage::Format_RGB888 ? 3 * page.width() : page.width();
    for (int y = 0; y < result.height(); ++y) {
        const uchar* in = page.constScanLine(y);
        uchar* out = result.scanLine(y);
        for (int i = 0; i < bytes; ++i) out[i] = map[in[i]];
    }
    return result;
}

QImage AutoCrop(const QImage& input) {
    const QImage& page = input;
    Q_ASSERT(page.isNull() || IsPageFormat(page));
    if (page.format() == QImage::Format_Mono || page.width() < 8 || page.height() < 8) return page;
    const int step = SampleStep(page);
    // The lid's level, from the outermost ring of the scan.
    Histogram ring{};
    std::uint64_t ringCount = 0;
    const int band = std::max(1, std::min(page.width(), page.height()) / 100);
    for (int y = 0; y < page.height(); y += step)
        for (int x = 0; x < page.width(); x += step)
            if (x < band || y < band || x >= page.width() - band || y >= page.height() - band)
                ++ring[GreyAt(page, x, y)], ++ringCount;
    const int lid = Percentile(ring, ringCount, 0.9);
    constexpr int kContentDifference = 40;

    int left = page.width(), right = -1, top = page.height(), bottom = -1;
    for (int y = 0; y < page.height(); y += step) {
        int rowHits = 0, rowLeft = page.width(), rowRight = -1;
        for (int x = 0; x < page.width(); x += step) {
            if (lid - GreyAt(page, x, y) > kContentDifference) {
                ++rowHits;
                rowLeft = std::min(rowLeft, x);
                rowRight = std::max(rowRight, x);
            }
        }
        if (rowHits < 2) continue;  // a speck of dust makes no content
        left = std::min(left, rowLeft);
        right = std::max(right, rowRight);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
    }
    if (right < 0) return page;
    const int margin = std::max(1, PageDpi(page) / 20);  // a twentieth of an inch
    const QRect content = QRect(QPoint(left - margin, top - margin), QPoint(right + step + margin, bottom + step + margin))
                              .intersected(page.rect());
    const double share = double(content.width()) * content.height() / (double(page.width()) * page.height());
    if (share > 0.98 || share < 0.0005) return page;
    QImage cropped = page.copy(content);
    cropped.setDotsPerMeterX(page.dotsPerMeterX());
    cropped.setDotsPerMeterY(page.dotsPerMeterY());
    return cropped;
}

SkewEstimate FindSkew(const QImage& input) {
    const QImage& page = input;
    Q_ASSERT(page.isNull() || IsPageFormat(page));
    SkewEstimate estimate;
    if (page.width() < 64 || page.height() < 64) return estimate;
    PixHandle pix = ToPix(page);
    if (!pix) return estimate;
    PixHandle binary(pixGetDepth(pix.get()) == 1 ? pixClone(pix.get()) : pixConvertTo1(pix.get(), InkCut(page)));
    l_float32 angle = 0, confidence = 0;
    if (!binary || pixFindSkew(binary.get(), &angle, &confidence) != 0) return estimate;
    estimate.degrees = angle;
    estimate.confidence = confidence;
    estimate.found = confidence >= kLeastConfidence;
    return estimate;
}

QImage AutoDeskew(const QImage& input) {
    const QImage& page = input;
    Q_ASSERT(page.isNull() || IsPageFormat(page));
    const SkewEstimate skew = FindSkew(page);
    if (!skew.found || std::fabs(skew.degrees) < kSmallestSkewDegrees) return page;
    PixHandle pix = ToPix(page);
    if (!pix) return page;
    const bool mono = page.format() == QImage::Format_Mono;
    PixHandle rotated(pixRotate(pix.get(), static_cast<l_float32>(skew.degrees * M_PI / 180.0),
                                mono ? L_ROTATE_SAMPLING : L_ROTATE_AREA_MAP, L_BRING_IN_WHITE, 0, 0));
    if (!rotated) return page;
    return FromPix(rotated.get(), page);
}

QImage TurnPage(const QImage& page, int quarterTurns) {
    quarterTurns = ((quarterTurns % 4) + 4) % 4;
    if (quarterTurns == 0 || page.isNull()) return page;
    PixHandle pix = ToPix(page);
    if (!pix) return page;
    PixHandle turned(pixRotateOrth(pix.get(), quarterTurns));
    if (!turned) return page;
    QImage result = FromPix(turned.get(), page);
    if (quarterTurns % 2 == 1) {
        result.setDotsPerMeterX(page.dotsPerMeterY());
        result.setDotsPerMeterY(page.dotsPerMeterX());
    }
    return result;
}

}  // namespace quillon
