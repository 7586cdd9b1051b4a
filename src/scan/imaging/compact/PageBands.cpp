// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/compact/PageBands.h"

#include "scan/imaging/pages/PageImage.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <vector>

namespace quillon {

namespace {

constexpr int kInk = 128;                // darker than this, a pixel is ink
constexpr double kSmallestInches = 4.0;  // a page with a side below this is read whole: it is read soon
                                         // anyway, and a short page of a few big words (handwriting)
                                         // would be cut between its words
// Below this resolution the engine reads the parts of a page worse than the
// whole (measured: a 75 dpi report page lost half its words).
constexpr int kLeastDpi = 150;
constexpr double kGutterInches = 0.12;   // the least blank width between two columns
constexpr double kBlankInches = 0.025;   // the least blank height between two lines
constexpr double kNoiseShare = 0.002;    // specks along a blank row or column, of its length
constexpr double kEdgeShare = 0.04;      // scanner edges and wedges live in this border
constexpr double kLeastInkShare = 0.1;   // a part with less of the ink is not worth a core of its own
constexpr int kStripsPerInch = 20;       // rows are looked at in strips for the columns' extent

// The middles of the blank stretches of at least least entries within
// [from, to) with ink after them: a stretch that runs to the end is the
// page's margin, or the ragged end of lines, not a gap between parts.
std::vector<int> Blanks(const std::vector<int>& profile, int from, int to, int least, int noise) {
    std::vector<int> middles;
    int runStart = -1;
    for (int i = from; i < to; ++i) {
        const bool blank = profile[static_cast<std::size_t>(i)] <= noise;
        if (blank && runStart < 0) runStart = i;
        if (blank || runStart < 0) continue;
        if (i - runStart >= least) middles.push_back((runStart + i) / 2);
        runStart = -1;
    }
    return middles;
}

int NearestTo(const std::vector<int>& middles, int target) {
    int best = -1;
    for (const int middle : middles)
        if (best < 0 || std::abs(middle - target) < std::abs(best - target)) best = middle;
    return best;
}

}  // namespace

std::vector<QRect> TextBands(const QImage& page) {
    const int dpi = PageDpi(page);
    if (page.isNull() || dpi < kLeastDpi || page.width() < kSmallestInches * dpi || page.height() < kSmallestInches * dpi)
        return {};
    const int width = page.width(), height = page.height();
    const int border = static_cast<int>(width * kEdgeShare), top = static_cast<int>(height * kEdgeShare);
    const int strip = std::max(1, dpi / kStripsPerInch), strips = (height + strip - 1) / strip;
    // Ink of each row, and of each column in each strip of rows, inside the border.
    std::vector<int> rows(static_cast<std::size_t>(height), 0);
    std::vector<int> inkBelow(static_cast<std::size_t>(strips + 1) * width, 0);  // of each column, strips [0, s)
    std::vector<uchar> line(static_cast<std::size_t>(width));
    for (int y = top; y < height - top; ++y) {
        GreyRow(page, y, line.data());
        int* columns = inkBelow.data() + static_cast<std::size_t>(y / strip + 1) * width;
        for (int x = border; x < width - border; ++x) {
            if (line[static_cast<std::size_t>(x)] >= kInk) continue;
            ++rows[static_cast<std::size_t>(y)];
            ++columns[x];
        }
    }
    for (int s = 1; s <= strips; ++s)
        for (int x = 0; x < width; ++x)
            inkBelow[static_cast<std::size_t>(s) * width + x] += inkBelow[static_cast<std::size_t>(s - 1) * width + x];
    const auto columnInk = [&](int x, int fromStrip, int toStrip) {
        return inkBelow[static_cast<std::size_t>(toStrip) * width + x] - inkBelow[static_cast<std::size_t>(fromStrip) * width + x];
    };
    const int gutter = std::max(2, static_cast<int>(kGutterInches * dpi));
    const int lineGap = std::max(2, static_cast<int>(kBlankInches * dpi));
    const double allInk = std::accumulate(rows.begin(), rows.end(), 0.0);
    // A gutter between the blank rows above and below: the columns there, left then
    // right, between what runs across the page above and below them.
    // Rows are cut only where there is no ink at all: a speck's allowance on a
    // row can be the thin stroke of a tall handwritten letter.
    const std::vector<int> blankRows = Blanks(rows, top, height - top, lineGap, 0);
    std::vector<int> cuts{0};
    for (const int y : blankRows) cuts.push_back(y);
    cuts.push_back(height);
    const auto stripOf = [&](int y) { return std::min(strips, (y + strip / 2) / strip); };
    int bestAbove = -1, bestBelow = -1, bestSplit = -1;
    for (const int above : cuts) {
        if (above > height * 2 / 5) break;  // what runs across the top: a headline, not the page
        for (auto below = cuts.rbegin(); below != cuts.rend() && *below >= height * 3 / 5; ++below) {
            if (bestSplit >= 0 && *below - above <= bestBelow - bestAbove) break;
            const int from = stripOf(above), to = stripOf(*below);
            std::vector<int> columns(static_cast<std::size_t>(width), 0);
            double left = 0, right = 0;
            for (int x = 0; x < width; ++x) columns[static_cast<std::size_t>(x)] = columnInk(x, from, to);
            const int split = NearestTo(Blanks(columns, width * 35 / 100, width * 65 / 100, gutter,
                                               static_cast<int>(kNoiseShare * (*below - above))),
                                        width / 2);
            if (split < 0) continue;
            for (int x = 0; x < width; ++x) (x < split ? left : right) += columns[static_cast<std::size_t>(x)];
            if (std::min(left, right) < kLeastInkShare * allInk) continue;
            bestAbove = above, bestBelow = *below, bestSplit = split;
            break;
        }
    }
    if (bestSplit >= 0) {
        std::vector<QRect> bands;
        if (bestAbove > 0) bands.emplace_back(0, 0, width, bestAbove);
        bands.emplace_back(0, bestAbove, bestSplit, bestBelow - bestAbove);
        bands.emplace_back(bestSplit, bestAbove, width - bestSplit, bestBelow - bestAbove);
        if (bestBelow < height) bands.emplace_back(0, bestBelow, width, height - bestBelow);
        return bands;
    }
    // Else one column: the top and the bottom, at the blank row nearest the middle.
    const int cut = NearestTo(Blanks(rows, height * 35 / 100, height * 65 / 100, lineGap, 0), height / 2);
    if (cut < 0) return {};
    const double inkAbove = std::accumulate(rows.begin(), rows.begin() + cut, 0.0);
    if (std::min(inkAbove, allInk - inkAbove) < kLeastInkShare * allInk) return {};
    // Columns on either side of the cut would be read out of their order: the
    // top halves of both before the bottom halves.
    for (const auto& [from, to] : {std::pair{stripOf(std::max(0, cut - dpi)), stripOf(cut)},
                                   std::pair{stripOf(cut), stripOf(std::min(height, cut + dpi))}}) {
        std::vector<int> columns(static_cast<std::size_t>(width), 0);
        for (int x = 0; x < width; ++x) columns[static_cast<std::size_t>(x)] = columnInk(x, from, to);
        if (!Blanks(columns, width * 20 / 100, width * 80 / 100, gutter, static_cast<int>(kNoiseShare * dpi)).empty())
            return {};
    }
    return {QRect(0, 0, width, cut), QRect(0, cut, width, height - cut)};
}

}  // namespace quillon
