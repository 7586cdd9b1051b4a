// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/compact/LetterHeight.h"

#include "scan/imaging/pages/PageImage.h"

#include <algorithm>
#include <vector>

namespace quillon {

namespace {

// More marks than this and the page is no page of text (noise or a fine
// dither, whose marks are specks anyway): it is not measured, which keeps the
// memory to some 20 MB.
constexpr std::size_t kMostMarks = 1'000'000;

// Marks are found a run of ink at a time: each run joins the runs of the row
// above that touch it, corners included.
struct Run {
    int from, to;  // columns, inclusive
    int mark;
};

struct Extent {
    int top, bottom, left, right;
};

class Marks {
public:
    int Add(int y, int from, int to) {
        parent_.push_back(static_cast<int>(parent_.size()));
        extents_.push_back({y, y, from, to});
        return parent_.back();
    }

    int Root(int mark) {
        while (parent_[static_cast<std::size_t>(mark)] != mark) {
            int& up = parent_[static_cast<std::size_t>(mark)];
            up = parent_[static_cast<std::size_t>(up)];  // halves the path as it goes
            mark = up;
        }
        return mark;
    }

    void Join(int a, int b) {
        a = Root(a), b = Root(b);
        if (a == b) return;
        if (a > b) std::swap(a, b);
        parent_[static_cast<std::size_t>(b)] = a;
        Extent& into = extents_[static_cast<std::size_t>(a)];
        const Extent& from = extents_[static_cast<std::size_t>(b)];
        into = {std::min(into.top, from.top), std::max(into.bottom, from.bottom), std::min(into.left, from.left),
                std::max(into.right, from.right)};
    }

    void Grow(int mark, int y, int from, int to) {
        Extent& extent = extents_[static_cast<std::size_t>(Root(mark))];
        extent = {std::min(extent.top, y), std::max(extent.bottom, y), std::min(extent.left, from),
                  std::max(extent.right, to)};
    }

    std::size_t size() const { return parent_.size(); }

    template <typename Visit>
    void ForEachMark(Visit visit) const {
        for (std::size_t i = 0; i < parent_.size(); ++i)
            if (parent_[i] == static_cast<int>(i)) visit(extents_[i]);
    }

private:
    std::vector<int> parent_;
    std::vector<Extent> extents_;
};

// The runs of ink of one row, black as 1.
void RunsOf(const uchar* bits, int width, std::vector<Run>& runs) {
    runs.clear();
    int x = 0;
    while (x < width) {
        if (bits[x >> 3] == 0 && (x & 7) == 0) {
            x += 8;
            continue;
        }
        if (!((bits[x >> 3] >> (7 - (x & 7))) & 1)) {
            ++x;
            continue;
        }
        const int from = x;
        while (x < width && ((bits[x >> 3] >> (7 - (x & 7))) & 1)) ++x;
        runs.push_back({from, x - 1, -1});
    }
}

}  // namespace

int MedianLetterHeight(const QImage& mono, int dpi, int* count) {
    if (count) *count = 0;
    if (mono.isNull() || mono.format() != QImage::Format_Mono) return 0;
    const int width = mono.width();
    const bool blackIsOne = MonoBlackIsOne(mono);
    std::vector<uchar> row(static_cast<std::size_t>((width + 7) / 8));
    std::vector<Run> above, here;
    Marks marks;
    for (int y = 0; y < mono.height(); ++y) {
        const uchar* line = mono.constScanLine(y);
        for (std::size_t i = 0; i < row.size(); ++i) row[i] = blackIsOne ? line[i] : static_cast<uchar>(~line[i]);
        RunsOf(row.data(), width, here);
        std::size_t first = 0;  // the first run above that can still touch this row's runs
        for (Run& run : here) {
            while (first < above.size() && above[first].to < run.from - 1) ++first;
            for (std::size_t i = first; i < above.size() && above[i].from <= run.to + 1; ++i) {
                if (run.mark < 0) run.mark = above[i].mark, marks.Grow(run.mark, y, run.from, run.to);
                else marks.Join(run.mark, above[i].mark);
            }
            if (run.mark < 0) run.mark = marks.Add(y, run.from, run.to);
        }
        if (marks.size() > kMostMarks) return 0;
        std::swap(above, here);
    }
    const int speck = std::max(3, dpi / 100), largest = std::max(speck, dpi / 3);
    std::vector<int> heights;
    marks.ForEachMark([&](const Extent& extent) {
        const int height = extent.bottom - extent.top + 1, markWidth = extent.right - extent.left + 1;
        if (height >= speck && height <= largest && markWidth <= largest) heights.push_back(height);
    });
    if (count) *count = static_cast<int>(heights.size());
    if (heights.empty()) return 0;
    std::nth_element(heights.begin(), heights.begin() + static_cast<std::ptrdiff_t>(heights.size() / 2), heights.end());
    return heights[heights.size() / 2];
}

}  // namespace quillon
