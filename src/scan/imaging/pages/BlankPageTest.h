// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace quillon {

struct InkMeasurement {
    double coverage = 0;   // share of the inspected area that is ink
    int paperLevel = 255;  // the paper's grey level
    int inkCutoff = 0;     // grey levels below this count as ink
};

// Measures the ink on a page already in a page format (Mono, Grayscale8 or RGB888).
InkMeasurement MeasureInk(const QImage& page);

// True when the page's ink coverage stays below the threshold.
bool IsBlankPage(const QImage& page, double threshold);

}  // namespace quillon
