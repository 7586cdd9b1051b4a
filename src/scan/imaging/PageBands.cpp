// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/PageBands.h"

#include "scan/imaging/PageImage.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>
#include <vector>

namespace quillon {

namespace {

constexpr int kInk = 128;                   // darker than this, a pixel is ink
constexpr double kSmallestInches = 2.0;     // a page with a side below this is read whole
constexpr double kGutterInches = 0.12;      // the least blank width between two columns
constexpr double kBlankInches = 0.025;      // the least blank height between two lines
constexpr double kNoiseShare = 0.002;       // specks along a blank row or column, of its length
constexpr double kEdgeShare = 0.04;         // scanner edges and wedges live in this border
constexpr double kLeastInkShare = 0.1;      // a part with less of the ink is not worth a core of its own

// The blank stretch of the profile within [from, to) nearest to the middle
// that is at least least long: its middle, or -1.
int NearestBlank(const std::vector<int>& profile, int from, int to, int least, int noise) {
    const int middle = (from + to) / 2;
    int best = -1, runStart = -1;
    for (int i = from; i <= to; ++i) {
        const bool blank = i < to && profile[static_cast<std::size_t>(i)] <= noise;
        if (blank && runStart < 0) runStart = i;
        if (blank || runStart < 0) continue;
        if (i - runStart >= least) {
            const int centre = (runStart + i) / 2;
            if (best < 0 || std::abs(centre - middle) < std::abs(best - middle)) best = centre;
        }
        runStart = -1;
    }
    return best;
}

// Ink in each column of rows [top, bottom), and in each row, inside the border.
void Profiles(const QImage& page, int top, int bottom, std::vector<int>* columns, std::vector<int>* rows) {
    const int left = static_cast<int>(page.width() * kEdgeShare), right = page.width() - left;
    columns->assign(static_cast<std::size_t>(page.width()), 0);
    rows->assign(static_cast<std::size_t>(page.height()), 0);
    std::vector<uchar> line(static_cast<std::size_t>(page.width()));
    for (int y = top; y < bottom; ++y) {
        GreyRow(page, y, line.data());
        int ink = 0;
        for (int x = left; x < right; ++x) {
            if (line[x] >= kInk) continue;
            ++ink;
            ++(*columns)[static_cast<std::size_t>(x)];
        }
        (*rows)[static_cast<std::size_t>(y)] = ink;
    }
}

}  // namespace

std::vector<QRect> TextBands(const QImage& page) {
    const int dpi = PageDpi(page);
    if (page.isNull() || page.width() < kSmallestInches * dpi || page.height() < kSmallestInches * dpi) return {};
    const int width = page.width(), height = page.height();
    const int top = static_cast<int>(height * kEdgeShare), bottom = height - top;
    std::vector<int> columns, rows;
    Profiles(page, top, bottom, &columns, &rows);
    const int gutter = std::max(2, static_cast<int>(kGutterInches * dpi));
    // Two columns down the whole page: left, then right.
    const int columnNoise = static_cast<int>(kNoiseShare * (bottom - top));
    const auto balanced = [](const std::vector<int>& profile, int at) {
        const double before = std::accumulate(profile.begin(), profile.begin() + at, 0.0);
        const double after = std::accumulate(profile.begin() + at, profile.end(), 0.0);
        return std::min(before, after) >= kLeastInkShare * (before + after);
    };
    const int split = NearestBlank(columns, width * 35 / 100, width * 65 / 100, gutter, columnNoise);
    if (split > 0 && balanced(columns, split)) return {QRect(0, 0, split, height), QRect(split, 0, width - split, height)};
    // Else one column across the middle: top, then bottom, at a blank row near the middle.
    const int rowNoise = static_cast<int>(kNoiseShare * width);
    const int cut = NearestBlank(rows, height * 35 / 100, height * 65 / 100, std::max(2, static_cast<int>(kBlankInches * dpi)),
                                 rowNoise);
    if (cut < 0 || !balanced(rows, cut)) return {};
    // Columns just above and below the cut would be read out of their order: the
    // top halves of both before the bottom halves.
    std::vector<int> nearColumns, unused;
    Profiles(page, std::max(top, cut - dpi), std::min(bottom, cut + dpi), &nearColumns, &unused);
    const int nearNoise = static_cast<int>(kNoiseShare * 2 * dpi);
    if (NearestBlank(nearColumns, width * 20 / 100, width * 80 / 100, gutter, nearNoise) >= 0) return {};
    return {QRect(0, 0, width, cut), QRect(0, cut, width, height - cut)};
}

}  // namespace quillon
