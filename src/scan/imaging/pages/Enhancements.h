// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace quillon {

// What the library does to a page when the scanner itself cannot. Each takes
// a page already in a page format (Mono, Grayscale8 or RGB888: pages are
// converted once, as they enter the library) and returns it improved, or
// unchanged when there is nothing sure to improve.

// Stretches the grey levels so the darkest ink becomes black and the paper
// white; paper stays paper and show-through is not darkened into ink.
QImage AutoContrast(const QImage& page);

// Crops a photograph to its content plus a small margin, cutting away the
// scanner lid around it.
QImage AutoCrop(const QImage& page);

// Straightens a skewed page (angle found by Leptonica); no change below a
// tenth of a degree or when the angle is not found with confidence.
QImage AutoDeskew(const QImage& page);

// The page turned clockwise by quarter turns (1: 90 degrees, 2: upside down).
QImage TurnPage(const QImage& page, int quarterTurns);

// The skew angle in degrees that AutoDeskew would correct, and its confidence.
struct SkewEstimate {
    double degrees = 0;
    double confidence = 0;
    bool found = false;
};
SkewEstimate FindSkew(const QImage& page);

}  // namespace quillon
