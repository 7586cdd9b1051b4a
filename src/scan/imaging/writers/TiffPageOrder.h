// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <vector>

namespace quillon {

// Puts the pages of a finished TIFF file (classic or BigTIFF, either byte
// order) in a new order without moving their data: the chain of image
// directories is linked again in that order, and each page's number is set
// to its new place. order lists the pages as they stand in the file (from 0)
// in the order wanted; a page not listed is left out of the chain. An empty
// text on success, else why not.
QString ReorderTiffPages(int fd, const std::vector<int>& order);

}  // namespace quillon
