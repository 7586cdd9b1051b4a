// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/pages/BlankPageTest.h"

#include "scan/imaging/pages/GreyLevels.h"
#include "scan/imaging/pages/PageImage.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
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

// The processor's own bit count where it has one, chosen as the program
// loads. ThreadSanitizer cannot run that choice (it comes before the
// sanitizer is set up), so its builds take the plain count.
#ifdef __SANITIZE_THREAD__
#define QUILLON_BIT_COUNT_CLONES
#else
#define QUILLON_BIT_COUNT_CLONES __attribute__((target_clones("popcnt", "default")))
#endif

// How many of the marked bits of a row are set (or clear, with flip), a word
// at a time.
QUILLON_BIT_COUNT_CLONES std::uint64_t CountMarkedBits(
    const std::uint8_t* row, std::size_t rowBytes, const std::vector<std::uint64_t>& marks, bool flip) {
    const std::uint64_t flipped = flip ? ~std::uint64_t{0} : 0;
    std::uint64_t count = 0;
    for (std::size_t w = 0; w < marks.size(); ++w) {
        std::uint64_t word = 0;
        std::memcpy(&word, row + 8 * w, std::min<std::size_t>(8, rowBytes - 8 * w));
        count += static_cast<std::uint64_t>(__builtin_popcountll((word ^ flipped) & marks[w]));
    }
    return count;
}

// The samples of one row, every step-th pixel from x0, and their counts.
class RowSampler {
public:
    RowSampler(const QImage& page, int x0, int step, int count)
        : page_(page), format_(page.format()), mono_(format_ == QImage::Format_Mono), x0_(x0), step_(step), count_(count),
          stride_(format_ == QImage::Format_Grayscale8 ? static_cast<std::size_t>(step) : 1),
          buffer_(format_ == QImage::Format_RGB888 ? static_cast<std::size_t>(count) : 0), monoBlack_(MonoBlackIsOne(page) ? 1 : 0) {
        if (mono_) MarkSamples();
    }

    void Load(int y) {
        line_ = page_.constScanLine(y);
        if (mono_) {
            darkSamples_ = CountDarkSamples();
            return;
        }
        if (format_ == QImage::Format_Grayscale8) {
            grey_ = line_ + x0_;  // read in place, every step-th byte
            return;
        }
        SampleLuminance(line_ + 3 * x0_, step_, count_, buffer_.data());
        grey_ = buffer_.data();
    }

    bool IsDark(int i) const { return Sample(i) < kEdgeDarkness; }

    // Adds the samples from to to, a run known to be dark throughout.
    void CountDark(Histogram& histogram, int from, int to) const {
        if (mono_) {
            histogram[0] += static_cast<std::uint64_t>(to - from);
            return;
        }
        for (int i = from; i < to; ++i) ++histogram[GreySample(i)];
    }

    // Adds the samples from to to, the row between its dark ends (the
    // samples before from and from to on are all dark), into four
    // interleaved histograms: on plain paper most samples hit one bin, and a
    // single histogram would make every increment wait for the last. Black
    // and white is counted a word at a time, the dark ends taken off.
    void CountBetweenDarkEnds(std::array<Histogram, 4>& histograms, int from, int to) const {
        if (mono_) {
            const std::uint64_t dark = darkSamples_ - static_cast<std::uint64_t>(from + (count_ - to));
            histograms[0][0] += dark;
            histograms[0][255] += static_cast<std::uint64_t>(to - from) - dark;
            return;
        }
        const std::uint8_t* sample = grey_ + static_cast<std::size_t>(from) * stride_;
        int i = from;
        for (; i + 4 <= to; i += 4, sample += 4 * stride_) {
            ++histograms[0][sample[0]];
            ++histograms[1][sample[stride_]];
            ++histograms[2][sample[2 * stride_]];
            ++histograms[3][sample[3 * stride_]];
        }
        for (; i < to; ++i, sample += stride_) ++histograms[0][*sample];
    }

    // True when most of the samples of the loaded row between x columns from
    // and to are dark: a run that reaches there hugs the page's border.
    bool IsDarkBetween(int from, int to) const {
        if (from >= to) return true;  // no band on so small a page
        int dark = 0, samples = 0;
        for (int x = from; x < to; x += step_, ++samples) dark += Grey(x) < kEdgeDarkness ? 1 : 0;
        return 4 * dark >= 3 * samples;
    }

private:
    int Sample(int i) const { return mono_ ? Grey(x0_ + i * step_) : GreySample(i); }
    std::uint8_t GreySample(int i) const { return grey_[static_cast<std::size_t>(i) * stride_]; }

    // The grey level of one pixel of the loaded row.
    int Grey(int x) const {
        switch (format_) {
            case QImage::Format_Grayscale8: return line_[x];
            case QImage::Format_RGB888: return Luminance(line_ + 3 * x);
            default: return ((line_[x >> 3] >> (7 - (x & 7))) & 1) == monoBlack_ ? 0 : 255;
        }
    }

    // One bit for every sampled pixel of a black-and-white row, in words.
    void MarkSamples() {
        const std::size_t words = (static_cast<std::size_t>(page_.width()) + 63) / 64;
        std::vector<std::uint8_t> bytes(words * 8, 0);
        for (int i = 0, x = x0_; i < count_; ++i, x += step_) bytes[x >> 3] |= static_cast<std::uint8_t>(0x80 >> (x & 7));
        mask_.resize(words);
        std::memcpy(mask_.data(), bytes.data(), bytes.size());
    }

    std::uint64_t CountDarkSamples() const {
        return CountMarkedBits(line_, (static_cast<std::size_t>(page_.width()) + 7) / 8, mask_, monoBlack_ == 0);
    }

    const QImage& page_;
    const QImage::Format format_;
    const bool mono_;
    int x0_, step_, count_;
    // Grey rows are read where they lie, every step-th byte; colour rows from
    // their sampled luminance in buffer_, byte after byte.
    const std::size_t stride_;
    std::vector<std::uint8_t> buffer_;
    int monoBlack_;
    std::vector<std::uint64_t> mask_;  // black and white: the sampled pixels
    const std::uint8_t* line_ = nullptr;
    const std::uint8_t* grey_ = nullptr;
    std::uint64_t darkSamples_ = 0;
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

    std::array<Histogram, 4> inner{};
    Histogram edges{};
    // Rows dark all across, held back until it is known whether their block
    // reaches the bottom (background) or ends inside the page (ink).
    Histogram darkRows{};
    bool atTop = true, heldBack = false;
    RowSampler row(page, x0, step, perRow);
    for (int y = y0; y < y1; y += step) {
        row.Load(y);
        int left = 0;
        while (left < perRow && row.IsDark(left)) ++left;
        if (left == perRow) {
            row.CountDark(atTop ? edges : darkRows, 0, perRow);
            heldBack = !atTop;
            continue;
        }
        atTop = false;
        if (std::exchange(heldBack, false))
            for (int level = 0; level < 256; ++level) inner[0][level] += std::exchange(darkRows[level], 0);
        if (left > 0 && row.IsDarkBetween(0, x0))
            row.CountDark(edges, 0, left);
        else
            left = 0;
        int right = perRow;
        while (right > left && row.IsDark(right - 1)) --right;
        if (right < perRow && row.IsDarkBetween(x1, width))
            row.CountDark(edges, right, perRow);
        else
            right = perRow;
        row.CountBetweenDarkEnds(inner, left, right);
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
