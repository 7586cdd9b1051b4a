// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/compact/CompactPage.h"

#include "scan/imaging/pages/GreyLevels.h"
#include "scan/imaging/compact/LetterHeight.h"
#include "scan/imaging/writers/PageEncoders.h"
#include "scan/imaging/pages/PageImage.h"
#include "scan/imaging/pages/PageMemory.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cmath>
#include <functional>
#include <vector>

namespace quillon {

namespace {

constexpr int kLowestDpi = 150;
// Ink is darker than this share of the paper around it, or darker than the
// floor: a solid black area darkens its own paper estimate, the floor keeps it ink.
constexpr int kInkShareOfPaper = 75;  // per cent
constexpr int kDarkFloor = 70;
// Ink whose strokes' cores are lighter than this share of the paper is faint:
// a threshold would break its strokes.
constexpr int kFaintCore = 55;  // per cent
// A pixel this far below its paper that is not ink is a mid-tone: an edge of
// a letter, a light stroke, or a picture.
constexpr int kMidToneDrop = 48;
// Ink whose channels differ this much is coloured; a page with enough of it
// keeps its ink's colours.
constexpr int kColouredInk = 60;
// The paper's JPEG: smooth, so a low quality costs nothing one can see.
constexpr int kBackgroundQuality = 50;
constexpr int kInkColoursQuality = 75;
// Letters fewer pixels high than this lose their shapes to a 1-bit mask:
// tesseract misreads o for a, e for c in them (on the real scans, print whose
// letters measured 9 to 12 pixels read 4 to 13 points worse from the mask than
// from the JPEG page; 13 pixels and more read as well). Such a page is kept
// whole, once it has enough letters to tell.
constexpr int kSmallestMaskedLetter = 13;
constexpr int kLettersToTell = 100;
// Such a page's paper is evened out: pixels this close to their paper's level
// are paper, its grain and the scanner's noise, which cost a JPEG of small
// print most of its bytes. The letters' soft edges lie below it and stay.
constexpr int kPaperGrain = 32;
// And so is its ink's: neutral ink up to this much lighter than the strokes'
// cores takes the cores' tone.
constexpr int kInkGrain = 24;

struct LumaPage {
    int width = 0, height = 0;
    std::vector<uchar> values;
};

LumaPage LumaOf(const QImage& page) {
    LumaPage luma{page.width(), page.height(), {}};
    luma.values.resize(static_cast<std::size_t>(luma.width) * luma.height);
    for (int y = 0; y < luma.height; ++y) {
        const uchar* in = page.constScanLine(y);
        uchar* out = luma.values.data() + static_cast<std::size_t>(y) * luma.width;
        if (page.format() == QImage::Format_Grayscale8) {
            std::copy(in, in + luma.width, out);
        } else {
            for (int x = 0; x < luma.width; ++x, in += 3) out[x] = static_cast<uchar>(Luminance(in));
        }
    }
    return luma;
}

// The paper's brightness in blocks of about a tenth of an inch: a bright
// quantile of each block, then the brightest of its neighbours, smoothed, so a
// block dense with text takes its paper from around it.
struct PaperLevels {
    int block = 1, columns = 0, rows = 0;
    std::vector<int> levels;
    double notPaperShare = 0;  // of the blocks, those much darker than the page's paper
    int pageLevel = 255;       // the page's paper as most of it is
    int At(int x, int y) const { return levels[static_cast<std::size_t>(y / block) * columns + x / block]; }
    // The level under each pixel of row y, width long; unchanged within a row of blocks.
    void RowAt(int y, std::vector<int>& row) const {
        const int* blocks = levels.data() + static_cast<std::size_t>(y / block) * columns;
        for (std::size_t x = 0; x < row.size(); ++x) row[x] = blocks[x / static_cast<std::size_t>(block)];
    }
};

PaperLevels PaperOf(const LumaPage& luma, int dpi) {
    PaperLevels paper;
    paper.block = std::max(8, dpi / 10);
    paper.columns = (luma.width + paper.block - 1) / paper.block;
    paper.rows = (luma.height + paper.block - 1) / paper.block;
    std::vector<int> quantile(static_cast<std::size_t>(paper.columns) * paper.rows);
    std::array<int, 256> histogram{};
    for (int by = 0; by < paper.rows; ++by) {
        for (int bx = 0; bx < paper.columns; ++bx) {
            histogram.fill(0);
            const int x0 = bx * paper.block, y0 = by * paper.block;
            const int x1 = std::min(luma.width, x0 + paper.block), y1 = std::min(luma.height, y0 + paper.block);
            for (int y = y0; y < y1; ++y) {
                const uchar* row = luma.values.data() + static_cast<std::size_t>(y) * luma.width;
                for (int x = x0; x < x1; ++x) ++histogram[row[x]];
            }
            // The level that a quarter of the block is brighter than.
            int above = (x1 - x0) * (y1 - y0) / 4, level = 255;
            while (level > 0 && (above -= histogram[static_cast<std::size_t>(level)]) > 0) --level;
            quantile[static_cast<std::size_t>(by) * paper.columns + bx] = level;
        }
    }
    const auto smoothed = [&](const std::vector<int>& in, bool brightest) {
        std::vector<int> out(in.size());
        for (int by = 0; by < paper.rows; ++by)
            for (int bx = 0; bx < paper.columns; ++bx) {
                int best = 0, sum = 0, count = 0;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int x = bx + dx, y = by + dy;
                        if (x < 0 || y < 0 || x >= paper.columns || y >= paper.rows) continue;
                        const int value = in[static_cast<std::size_t>(y) * paper.columns + x];
                        best = std::max(best, value);
                        sum += value;
                        ++count;
                    }
                out[static_cast<std::size_t>(by) * paper.columns + bx] = brightest ? best : sum / count;
            }
        return out;
    };
    paper.levels = smoothed(smoothed(quantile, true), false);
    // A page of text is paper almost everywhere; a picture is not.
    std::vector<int> sorted = quantile;
    std::sort(sorted.begin(), sorted.end());
    const int page = sorted[sorted.size() * 9 / 10];
    const auto dark = std::count_if(quantile.begin(), quantile.end(), [&](int level) { return level * 10 < page * 7; });
    paper.notPaperShare = double(dark) / double(quantile.size());
    paper.pageLevel = page;
    return paper;
}

bool IsInk(int value, int paper) { return value < kDarkFloor || value * 100 < paper * kInkShareOfPaper; }

// Cells with nothing to average take the mean of their known neighbours,
// growing inwards; cells with no known cell anywhere near keep their value.
void FillUnknownCells(QImage& cells, std::vector<bool>& known) {
    const int columns = cells.width(), rows = cells.height();
    const int channels = cells.format() == QImage::Format_RGB888 ? 3 : 1;
    for (bool filled = true; filled;) {
        filled = false;
        std::vector<bool> next = known;
        for (int row = 0; row < rows; ++row)
            for (int column = 0; column < columns; ++column) {
                const std::size_t cell = static_cast<std::size_t>(row) * columns + column;
                if (known[cell]) continue;
                std::array<int, 3> sum{};
                int count = 0;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int x = column + dx, y = row + dy;
                        if (x < 0 || y < 0 || x >= columns || y >= rows || !known[static_cast<std::size_t>(y) * columns + x]) continue;
                        const uchar* near = cells.constScanLine(y) + x * channels;
                        for (int c = 0; c < channels; ++c) sum[static_cast<std::size_t>(c)] += near[c];
                        ++count;
                    }
                if (count == 0) continue;
                uchar* out = cells.scanLine(row) + column * channels;
                for (int c = 0; c < channels; ++c) out[c] = static_cast<uchar>(sum[static_cast<std::size_t>(c)] / count);
                next[cell] = true;
                filled = true;
            }
        known.swap(next);
    }
}

// Adds a row's pixels whose bit is `wanted` to their cells' sums and counts,
// eight at a time: most bytes of the bits are all wanted or all not.
template <int Channels>
void AccumulateRow(const uchar* bits, bool wanted, const uchar* source, int width, const int* cellOf,
                   std::uint32_t* sums, int* counts) {
    for (int x0 = 0; x0 < width; x0 += 8) {
        const unsigned taken = static_cast<uchar>(wanted ? bits[x0 >> 3] : ~bits[x0 >> 3]);
        if (taken == 0) continue;
        const int end = std::min(width, x0 + 8);
        for (int x = x0; x < end; ++x) {
            if ((taken & (0x80u >> (x - x0))) == 0) continue;
            const int cell = cellOf[x];
            ++counts[cell];
            for (int c = 0; c < Channels; ++c) sums[cell * Channels + c] += source[x * Channels + c];
        }
    }
}

// Each cell of `cells` (the page shrunk by factor, in its format) becomes the
// mean of the page's pixels in it whose bit in rowBits(y) is `wanted`; cells
// with none are filled from their neighbours, keeping their value where none is near.
void AverageIntoCells(const QImage& page, int factor, const std::function<const uchar*(int y)>& rowBits, bool wanted,
                      QImage& cells) {
    const int columns = cells.width(), channels = page.format() == QImage::Format_RGB888 ? 3 : 1;
    // One row of cells at a time; a cell's sums fit in 32 bits at any resolution.
    std::vector<std::uint32_t> sums(static_cast<std::size_t>(columns) * channels, 0);
    std::vector<int> counts(static_cast<std::size_t>(columns), 0);
    std::vector<bool> known(static_cast<std::size_t>(columns) * cells.height());
    const int width = page.width(), height = page.height();
    std::vector<int> cellOf(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x) cellOf[static_cast<std::size_t>(x)] = x / factor;
    for (int y = 0; y < height; ++y) {
        const uchar* bits = rowBits(y);
        const uchar* source = page.constScanLine(y);
        if (channels == 3)
            AccumulateRow<3>(bits, wanted, source, width, cellOf.data(), sums.data(), counts.data());
        else
            AccumulateRow<1>(bits, wanted, source, width, cellOf.data(), sums.data(), counts.data());
        if (y % factor != factor - 1 && y != height - 1) continue;
        const int row = y / factor;
        uchar* out = cells.scanLine(row);
        for (int column = 0; column < columns; ++column) {
            const std::size_t cell = static_cast<std::size_t>(column);
            known[static_cast<std::size_t>(row) * columns + column] = counts[cell] > 0;
            if (counts[cell] > 0)
                for (int c = 0; c < channels; ++c)
                    out[column * channels + c] = static_cast<uchar>(sums[cell * channels + c] / static_cast<std::uint32_t>(counts[cell]));
        }
        std::fill(sums.begin(), sums.end(), 0u);
        std::fill(counts.begin(), counts.end(), 0);
    }
    FillUnknownCells(cells, known);
}

// The page with its paper evened out: every pixel near its paper's level
// takes that level, grey as it is, colour in the paper's own tint (its mean
// over the page); and neutral ink a little lighter than the strokes' cores
// takes the core. The letters' edges and coloured ink are kept as scanned.
QImage EvenedPaper(const QImage& page, const LumaPage& luma, const PaperLevels& paper, int core) {
    const bool colour = page.format() == QImage::Format_RGB888;
    const int width = page.width(), height = page.height();
    std::vector<int> paperRow(static_cast<std::size_t>(width));
    const auto isPaper = [&](int value, int level) { return value >= level - kPaperGrain; };
    std::array<double, 3> tint{1, 1, 1};
    if (colour) {
        std::array<long long, 3> sums{};
        long long lumaSum = 0;
        for (int y = 0; y < height; y += 4) {
            const uchar* source = page.constScanLine(y);
            const uchar* lumaRow = luma.values.data() + static_cast<std::size_t>(y) * width;
            paper.RowAt(y, paperRow);
            for (int x = 0; x < width; x += 4) {
                if (!isPaper(lumaRow[x], paperRow[static_cast<std::size_t>(x)])) continue;
                for (int c = 0; c < 3; ++c) sums[static_cast<std::size_t>(c)] += source[3 * x + c];
                lumaSum += lumaRow[x];
            }
        }
        for (int c = 0; c < 3 && lumaSum > 0; ++c)
            tint[static_cast<std::size_t>(c)] = double(sums[static_cast<std::size_t>(c)]) / double(lumaSum);
    }
    QImage evened = RecycledPage(width, height, page.format());
    if (evened.isNull()) return page;
    evened.setDotsPerMeterX(page.dotsPerMeterX());
    evened.setDotsPerMeterY(page.dotsPerMeterY());
    for (int y = 0; y < height; ++y) {
        const uchar* source = page.constScanLine(y);
        const uchar* lumaRow = luma.values.data() + static_cast<std::size_t>(y) * width;
        uchar* out = evened.scanLine(y);
        if (y % paper.block == 0) paper.RowAt(y, paperRow);
        for (int x = 0; x < width; ++x) {
            const int level = paperRow[static_cast<std::size_t>(x)], value = lumaRow[x];
            const bool inkCore = value <= core + kInkGrain;
            if (!colour) {
                out[x] = static_cast<uchar>(isPaper(value, level) ? level : inkCore ? std::min(value, core) : value);
                continue;
            }
            const uchar* rgb = source + 3 * x;
            if (isPaper(value, level)) {
                for (int c = 0; c < 3; ++c)
                    out[3 * x + c] = static_cast<uchar>(std::min(255L, std::lround(level * tint[static_cast<std::size_t>(c)])));
            } else if (inkCore && std::max({rgb[0], rgb[1], rgb[2]}) - std::min({rgb[0], rgb[1], rgb[2]}) <= kColouredInk) {
                std::fill(out + 3 * x, out + 3 * x + 3, static_cast<uchar>(std::min(value, core)));
            } else {
                std::copy(rgb, rgb + 3, out + 3 * x);
            }
        }
    }
    return evened;
}

}  // namespace

CompactChoice MakeCompactPage(const QImage& input, int dpi) {
    CompactChoice choice;
    const QImage page = AsPageFormat(input);
    if (page.isNull() || page.format() == QImage::Format_Mono) {
        choice.why = QStringLiteral("not a grey or colour page");
        return choice;
    }
    if (dpi < kLowestDpi) {
        choice.why = QStringLiteral("below %1 dpi").arg(kLowestDpi);
        return choice;
    }
    const bool colour = page.format() == QImage::Format_RGB888;
    const int width = page.width(), height = page.height();
    const LumaPage luma = LumaOf(page);
    const PaperLevels paper = PaperOf(luma, dpi);

    // What the ink is like: pixels clearly darker than their paper, edges included.
    long long inkPixels = 0, midTones = 0, colouredInk = 0;
    std::array<long long, 3> inkSum{};
    std::array<long long, 256> inkLevels{};
    std::vector<int> paperRow(static_cast<std::size_t>(width));
    for (int y = 0; y < height; ++y) {
        const uchar* source = page.constScanLine(y);
        const uchar* lumaRow = luma.values.data() + static_cast<std::size_t>(y) * width;
        if (y % paper.block == 0) paper.RowAt(y, paperRow);
        for (int x = 0; x < width; ++x) {
            const int value = lumaRow[x], level = paperRow[static_cast<std::size_t>(x)];
            if (IsInk(value, level)) {
                ++inkPixels;
                ++inkLevels[static_cast<std::size_t>(value)];
                for (int c = 0; c < 3; ++c) inkSum[static_cast<std::size_t>(c)] += colour ? source[x * 3 + c] : source[x];
                if (colour) {
                    const uchar* rgb = source + x * 3;
                    colouredInk += std::max({rgb[0], rgb[1], rgb[2]}) - std::min({rgb[0], rgb[1], rgb[2]}) > kColouredInk;
                }
            } else if (value < level - kMidToneDrop) {
                ++midTones;
            }
        }
    }
    const double area = double(width) * height;
    // Text has more core than fringe; light strokes and pictures are mostly mid-tones.
    if (paper.notPaperShare > 0.15 || midTones > area * 0.12 || inkPixels > area * 0.35) {
        choice.why = QStringLiteral("mostly picture");
        return choice;
    }
    // The strokes' cores: the darkest third of the ink.
    long long seen = 0;
    int core = 0;
    while (core < 255 && (seen += inkLevels[static_cast<std::size_t>(core)]) * 3 < inkPixels) ++core;
    if (midTones > inkPixels + area * 0.002 || (inkPixels > 0 && core * 100 > paper.pageLevel * kFaintCore)) {
        choice.why = QStringLiteral("faint or low-contrast ink");
        return choice;
    }
    // The mask, with ink as black (1) in a Mono image. A stroke's edge lies
    // halfway between its core and the paper: a lighter cut would thicken the
    // letters, closing the eyes of small ones.
    QImage mask(width, height, QImage::Format_Mono);
    mask.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    mask.fill(0);
    for (int y = 0; y < height; ++y) {
        uchar* bits = mask.scanLine(y);
        const uchar* lumaRow = luma.values.data() + static_cast<std::size_t>(y) * width;
        if (y % paper.block == 0) paper.RowAt(y, paperRow);
        for (int x = 0; x < width; ++x) {
            const int value = lumaRow[x], level = paperRow[static_cast<std::size_t>(x)];
            if (IsInk(value, level) && (value < kDarkFloor || value * 2 < level + core))
                bits[x >> 3] |= static_cast<uchar>(0x80 >> (x & 7));
        }
    }
    int letters = 0;
    const int letterHeight = MedianLetterHeight(mask, dpi, &letters);
    if (letters >= kLettersToTell && letterHeight < kSmallestMaskedLetter) {
        choice.why = QStringLiteral("print too small for a mask, letters %1 px").arg(letterHeight);
        choice.kept = EvenedPaper(page, luma, paper, core);
        return choice;
    }
    if (inkPixels > 0) {
        // The ink's hue from all of it, its darkness from the strokes' cores
        // (the darkest third): the mean would grey the letters by their edges.
        const double mean =
            (inkSum[0] * kRedWeight + inkSum[1] * kGreenWeight + inkSum[2] * kBlueWeight) / 256.0 / double(inkPixels);
        const double scale = mean > 0 ? std::min(1.0, (core + 0.5) / mean) : 0;
        const auto channel = [&](int c) { return int(std::lround(inkSum[static_cast<std::size_t>(c)] / double(inkPixels) * scale)); };
        choice.page.ink = qRgb(channel(0), channel(1), channel(2));
    }

    // The paper: each cell the mean of the pixels that are neither ink nor
    // next to it (a letter's soft edge would leave a shadow of it).
    const int factor = std::max(3, (dpi + 99) / 100);
    QImage background((width + factor - 1) / factor, (height + factor - 1) / factor, page.format());
    const int channels = colour ? 3 : 1;
    for (int row = 0; row < background.height(); ++row) {  // where no paper shows anywhere near: its estimate
        uchar* out = background.scanLine(row);
        for (int column = 0; column < background.width(); ++column) {
            const int level = paper.At(std::min(width - 1, column * factor), std::min(height - 1, row * factor));
            std::fill(out + column * channels, out + (column + 1) * channels, static_cast<uchar>(level));
        }
    }
    const int bytesPerRow = (width + 7) / 8;
    std::vector<uchar> vertical(static_cast<std::size_t>(bytesPerRow)), near(static_cast<std::size_t>(bytesPerRow));
    // Ink within one pixel: the mask's rows around this one, widened by a pixel.
    const auto nearInk = [&](int y) -> const uchar* {
        std::fill(vertical.begin(), vertical.end(), uchar(0));
        for (int dy = -1; dy <= 1; ++dy) {
            if (y + dy < 0 || y + dy >= height) continue;
            const uchar* bits = mask.constScanLine(y + dy);
            for (int i = 0; i < bytesPerRow; ++i) vertical[static_cast<std::size_t>(i)] |= bits[i];
        }
        for (int i = 0; i < bytesPerRow; ++i) {
            const unsigned here = vertical[static_cast<std::size_t>(i)];
            const unsigned before = i > 0 ? vertical[static_cast<std::size_t>(i - 1)] : 0;
            const unsigned after = i + 1 < bytesPerRow ? vertical[static_cast<std::size_t>(i + 1)] : 0;
            near[static_cast<std::size_t>(i)] = static_cast<uchar>(here | (here >> 1) | (before << 7) | (here << 1) | (after >> 7));
        }
        return near.data();
    };
    AverageIntoCells(page, factor, nearInk, false, background);

    choice.page.background = EncodeJpeg(background, kBackgroundQuality);
    choice.page.backgroundSize = background.size();
    if (choice.page.background.isEmpty()) {
        choice.why = QStringLiteral("its layers could not be compressed");
        return choice;
    }
    if (colouredInk > 500 && colouredInk * 100 > inkPixels) {
        // The ink's own colours (a red heading): each cell the mean of its ink,
        // at a sixth of the resolution or less; the mask gives the letters their shape.
        const int inkFactor = 2 * factor;
        QImage colours((width + inkFactor - 1) / inkFactor, (height + inkFactor - 1) / inkFactor, QImage::Format_RGB888);
        colours.fill(Qt::black);
        AverageIntoCells(page, inkFactor, [&](int y) { return mask.constScanLine(y); }, true, colours);
        choice.page.inkColours = EncodeJpeg(colours, kInkColoursQuality);
        choice.page.inkColoursSize = colours.size();
        if (choice.page.inkColours.isEmpty()) {
            choice.why = QStringLiteral("its layers could not be compressed");
            return choice;
        }
    }
    SetPageDpi(mask, dpi);
    choice.page.mask = std::move(mask);
    choice.compact = true;
    choice.why = QStringLiteral("text mask and paper at 1/%1 resolution, letters %2 px").arg(factor).arg(letterHeight) +
                 (choice.page.inkColours.isEmpty() ? QString() : QStringLiteral(", coloured ink"));
    return choice;
}

}  // namespace quillon
