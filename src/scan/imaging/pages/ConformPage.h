// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace quillon {

// What the user asked a page to be. Zero or less: not asked, kept as scanned.
struct PageRequest {
    int pixelType = -1;     // 0 black and white, 1 grey, 2 colour
    int dpi = 0;
    double widthMm = 0;     // the paper, when a size was chosen
    double heightMm = 0;
};

// Makes a page scanned at deliveredDpi what was asked, where the scanner
// could not: thresholded to black and white or turned grey, resampled to the
// asked resolution, cut or padded with white to the paper. A page already so
// is returned unchanged; colour is never invented for a grey page.
QImage ConformPage(QImage page, int deliveredDpi, const PageRequest& request);

}  // namespace quillon
