// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>

#include <vector>

namespace quillon {

// Where a page's text can be cut so that its parts are read on their own, at
// once, the parts in reading order: a page of two columns at their gutter,
// what runs across the page above and below them (a headline, a footer) a
// part of its own; else a page of one column into its top and its bottom at a
// blank stretch between lines near the middle. Empty when no such cut is
// found (columns across the middle with no gutter that runs through them, a
// picture across the middle, little text, a page too small to be worth it).
// Cuts run only through blank rows and columns: no mark of ink is cut.
std::vector<QRect> TextBands(const QImage& page);

}  // namespace quillon
