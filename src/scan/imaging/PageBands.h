// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QRect>

#include <vector>

namespace quillon {

// Where a page's text can be cut in two and each part read on its own, the
// parts in reading order: the columns of a page of two at their gutter, else
// the top and the bottom at a blank stretch between lines near the middle
// where the text runs across the page in one column. Empty when no such cut
// is found (a page of columns under a headline, a picture across the middle,
// a page too small to be worth it). No mark of ink is cut.
std::vector<QRect> TextBands(const QImage& page);

}  // namespace quillon
