// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/ReverseText.h"

#include "scan/imaging/PageImage.h"

#include <algorithm>
#include <vector>

namespace quillon {

namespace {

// The page is judged in cells of about a fortieth of an inch, each its mean grey.
constexpr int kCellsPerInch = 40;
constexpr int kDarkCell = 110;      // below this mean a cell is ground, not paper
constexpr int kLightPixel = 160;    // a light mark's pixel inside a dark block
// A block that could hold a line of reversed print: a sixth of an inch tall
// (a 9-point line with its margins) and half an inch wide, mostly dark.
constexpr double kLeastHeightInches = 1.0 / 6;
constexpr double kLeastWidthInches = 0.5;
constexpr double kLeastDarkShare = 0.5;
// Light marks in it: white letters fill some of a block; a plain dark box has none.
constexpr double kLeastLightShare = 0.03;

struct Block {
    int left, top, right, bottom;  // cells, inclusive
    int cells = 0;
    bool touchesBorder = false;
};

}  // namespace

bool MayHoldReverseText(const QImage& page) {
    if (page.isNull()) return false;
    const int dpi = PageDpi(page), width = page.width(), height = page.height();
    const int columns = std::max(1, width * kCellsPerInch / dpi), rows = std::max(1, height * kCellsPerInch / dpi);
    // Each cell's mean grey, and each cell's light pixels.
    std::vector<qint64> sums(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows), 0);
    std::vector<int> pixels(sums.size(), 0), lights(sums.size(), 0);
    std::vector<int> cellOfColumn(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x) cellOfColumn[static_cast<std::size_t>(x)] = std::min(columns - 1, x * columns / width);
    std::vector<uchar> grey(static_cast<std::size_t>(width));
    for (int y = 0; y < height; ++y) {
        GreyRow(page, y, grey.data());
        const std::size_t row = static_cast<std::size_t>(std::min(rows - 1, y * rows / height)) * columns;
        for (int x = 0; x < width; ++x) {
            const std::size_t cell = row + static_cast<std::size_t>(cellOfColumn[static_cast<std::size_t>(x)]);
            sums[cell] += grey[static_cast<std::size_t>(x)];
            ++pixels[cell];
            lights[cell] += grey[static_cast<std::size_t>(x)] >= kLightPixel ? 1 : 0;
        }
    }
    const auto dark = [&](int x, int y) {
        const std::size_t cell = static_cast<std::size_t>(y) * columns + x;
        return sums[cell] < static_cast<qint64>(kDarkCell) * pixels[cell];
    };
    std::vector<char> seen(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows), 0);
    std::vector<std::pair<int, int>> stack;
    const int leastRows = std::max(2, static_cast<int>(kLeastHeightInches * kCellsPerInch));
    const int leastColumns = std::max(2, static_cast<int>(kLeastWidthInches * kCellsPerInch));
    for (int y0 = 0; y0 < rows; ++y0) {
        for (int x0 = 0; x0 < columns; ++x0) {
            const std::size_t at0 = static_cast<std::size_t>(y0) * columns + x0;
            if (seen[at0] || !dark(x0, y0)) continue;
            // The dark block through this cell, its cells joined side to side.
            Block block{x0, y0, x0, y0};
            seen[at0] = 1;
            stack.assign(1, {x0, y0});
            while (!stack.empty()) {
                const auto [x, y] = stack.back();
                stack.pop_back();
                ++block.cells;
                block.left = std::min(block.left, x), block.right = std::max(block.right, x);
                block.top = std::min(block.top, y), block.bottom = std::max(block.bottom, y);
                if (x == 0 || y == 0 || x == columns - 1 || y == rows - 1) block.touchesBorder = true;
                for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= columns || ny >= rows) continue;
                    const std::size_t at = static_cast<std::size_t>(ny) * columns + nx;
                    if (seen[at] || !dark(nx, ny)) continue;
                    seen[at] = 1;
                    stack.push_back({nx, ny});
                }
            }
            const int height = block.bottom - block.top + 1, width = block.right - block.left + 1;
            if (block.touchesBorder || height < leastRows || width < leastColumns ||
                block.cells < kLeastDarkShare * height * width)
                continue;
            // Light marks inside its bounds.
            qint64 light = 0, inside = 0;
            for (int y = block.top; y <= block.bottom; ++y)
                for (int x = block.left; x <= block.right; ++x) {
                    const std::size_t cell = static_cast<std::size_t>(y) * columns + x;
                    light += lights[cell], inside += pixels[cell];
                }
            if (light >= kLeastLightShare * static_cast<double>(inside)) return true;
        }
    }
    return false;
}

}  // namespace quillon
