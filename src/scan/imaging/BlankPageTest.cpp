// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/BlankPageTest.h"

#include "scan/imaging/GreyLevels.h"
#include "scan/imaging/PageImage.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace quillon {

namespace {

// How the measure was chosen, from the real scans kept with the tests (blank
// pages with scanner edges, skewed-sheet wedges, show-through and dust; pages
// whose only ink is one short word or faint text; tinted old paper):
//
// - Only a sample of the page is read, about 150 per inch: strokes of print and
//   pencil are wider than that spacing, and it keeps the test to a few
//   milliseconds a page.
// - A band of 2.5 % along every side is left out. Scanner edges and the dark
//   corners of a skewed sheet live there; the labelled blank pages measure
//   0.0000 inside a 2 % band and up to 0.0038 with it.
// - Beyond the band, a dark run that starts at either end of a sampled row is
//   the scanner's background showing past the sheet, not ink, and is left out
//   too (wedges reach further in than any band), but only where it hugs the
//   page's border: the band beside it is dark as well. Rows dark all across
//   are background only in a block that reaches the top or the bottom; a dark
//   band inside the page (a black table header, a photograph across the
//   page) is ink. When background would make up more than a third of the
//   page, the page itself is dark and it counts.
// - The cut-off follows the paper: ink is what is clearly darker than the
//   paper's own level (its 75th percentile), by kInkContrast grey levels, but
//   never lighter than 200 (show-through and paper grain on white paper stay
//   above it, faint print falls below it) and never darker than 128 (text on
//   tinted or yellowed paper still counts).
constexpr double kMarginFraction = 0.025;
constexpr int kSamplesPerInch = 150;
constexpr int kEdgeDarkness = 128;
constexpr double kMaxEdgeShare = 1.0 / 3.0;
constexpr double kPaperPercentile = 0.75;
constexpr int kInkContrast = 60;
constexpr int kLightestInk = 200;
constexpr int kDarkestCutoff = 128;

// Grey samples of one row, every step-th pixel from x0.
class RowSampler {
public:
    RowSampler(const QImage& page, int x0, int step, int count)
        : page_(page), x0_(x0), step_(step), count_(count), buffer_(static_cast<std::size_t>(count)),
          monoBlack_(MonoBlackIsOne(page) ? 1 : 0) {}

    const std::uint8_t* Row(int y) {
        const std::uint8_t* line = page_.constScanLine(y);
        std::uint8_t* out = buffer_.data();
        switch (page_.format()) {
            case QImage::Format_Grayscale8:
                if (step_ == 1) return line + x0_;
                for (int i = 0, x = x0_; i < count_; ++i, x += step_) out[i] = line[x];
                break;
            case QImage::Format_RGB888:
                for (int i = 0, x = x0_; i < count_; ++i, x += step_) {
                    out[i] = static_cast<std::uint8_t>(Luminance(line + 3 * x));
                }
                break;
            default:  // Format_Mono
                for (int i = 0, x = x0_; i < count_; ++i, x += step_) out[i] = static_cast<std::uint8_t>(MonoGrey(line, x));
                break;
        }
        return out;
    }

    // True when most of the samples of row y between x columns from and to
    // are dark: a run that reaches there hugs the page's border.
    bool IsDarkBetween(int y, int from, int to) const {
        if (from >= to) return true;  // no band on so small a page
        const std::uint8_t* line = page_.constScanLine(y);
        int dark = 0, samples = 0;
        for (int x = from; x < to; x += step_, ++samples) dark += Grey(line, x) < kEdgeDarkness ? 1 : 0;
        return 4 * dark >= 3 * samples;
    }

private:
    // The grey level of one pixel of a row.
    int Grey(const std::uint8_t* line, int x) const {
        switch (page_.format()) {
            case QImage::Format_Grayscale8: return line[x];
            case QImage::Format_RGB888: return Luminance(line + 3 * x);
            default: return MonoGrey(line, x);
        }
    }
    int MonoGrey(const std::uint8_t* line, int x) const {
        return ((line[x >> 3] >> (7 - (x & 7))) & 1) == monoBlack_ ? 0 : 255;
    }

    const QImage& page_;
    int x0_, step_, count_;
    std::vector<std::uint8_t> buffer_;
    int monoBlack_;
};

}  // namespace

InkMeasurement MeasureInk(const QImage& input) {
    const QImage& page = input;
    Q_ASSERT(page.isNull() || IsPageFormat(page));
    const int width = page.width();
    const int height = page.height();
    InkMeasurement result;
    if (width <= 0 || height <= 0) return result;

    const int step = std::max(1, static_cast<int>(std::lround(PageDpi(page) / double(kSamplesPerInch))));
    int x0 = static_cast<int>(width * kMarginFraction), x1 = width - x0;
    int y0 = static_cast<int>(height * kMarginFraction), y1 = height - y0;
    if (x1 <= x0) x0 = 0, x1 = width;
    if (y1 <= y0) y0 = 0, y1 = height;
    const int perRow = (x1 - x0 + step - 1) / step;

    // Four interleaved histograms: on plain paper most samples hit one bin,
    // and a single histogram would make every increment wait for the last.
    std::array<Histogram, 4> inner{};
    Histogram edges{};
    // Rows dark all across, held back until it is known whether their block
    // reaches the bottom (background) or ends inside the page (ink).
    Histogram darkRows{};
    bool atTop = true;
    RowSampler sampler(page, x0, step, perRow);
    for (int y = y0; y < y1; y += step) {
        const std::uint8_t* grey = sampler.Row(y);
        int left = 0;
        while (left < perRow && grey[left] < kEdgeDarkness) ++left;
        if (left == perRow) {
            for (int i = 0; i < perRow; ++i) ++(atTop ? edges : darkRows)[grey[i]];
            continue;
        }
        atTop = false;
        for (int level = 0; level < 256; ++level) inner[0][level] += std::exchange(darkRows[level], 0);
        if (left > 0 && sampler.IsDarkBetween(y, 0, x0))
            for (int i = 0; i < left; ++i) ++edges[grey[i]];
        else
            left = 0;
        int right = perRow;
        while (right > left && grey[right - 1] < kEdgeDarkness) --right;
        if (right < perRow && sampler.IsDarkBetween(y, x1, width))
            for (int i = right; i < perRow; ++i) ++edges[grey[i]];
        else
            right = perRow;
        int i = left;
        for (; i + 4 <= right; i += 4) {
            ++inner[0][grey[i]];
            ++inner[1][grey[i + 1]];
            ++inner[2][grey[i + 2]];
            ++inner[3][grey[i + 3]];
        }
        for (; i < right; ++i) ++inner[0][grey[i]];
    }

    Histogram histogram{};
    std::uint64_t innerCount = 0, edgeCount = 0;
    for (int level = 0; level < 256; ++level) {
        edges[level] += darkRows[level];  // a block that reaches the bottom
        histogram[level] = inner[0][level] + inner[1][level] + inner[2][level] + inner[3][level];
        innerCount += histogram[level];
        edgeCount += edges[level];
    }
    if (edgeCount > kMaxEdgeShare * static_cast<double>(innerCount + edgeCount)) {
        for (int level = 0; level < 256; ++level) histogram[level] += edges[level];
        innerCount += edgeCount;
    }
    if (innerCount == 0) return result;

    result.paperLevel = Percentile(histogram, innerCount, kPaperPercentile);
    result.inkCutoff = std::clamp(result.paperLevel - kInkContrast, kDarkestCutoff, kLightestInk);
    std::uint64_t ink = 0;
    for (int level = 0; level < result.inkCutoff; ++level) ink += histogram[level];
    result.coverage = static_cast<double>(ink) / static_cast<double>(innerCount);
    return result;
}

bool IsBlankPage(const QImage& page, double threshold) { return MeasureInk(page).coverage < threshold; }

}  // namespace quillon
