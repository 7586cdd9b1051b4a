// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace quillon {

// A grey or colour page of text split in two layers: the ink as a 1-bit mask
// at the page's full resolution, painted in the ink's colour over
// the paper as a JPEG at a third of the resolution or less, the text's pixels
// filled from the paper around them. Text stays sharp, and the paper's tone
// and any light marks are kept at a fraction of one JPEG's size.
struct CompactPage {
    QImage mask;            // Mono, the page's size, black (1) where the ink is
    QByteArray background;  // JPEG of backgroundSize, the page's format
    QSize backgroundSize;
    QRgb ink = qRgb(0, 0, 0);  // the mean ink, painted through the mask
    // Where the ink is coloured: the ink's colours (JPEG, RGB) painted through
    // the mask instead of the mean ink.
    QByteArray inkColours;
    QSize inkColoursSize;
};

// How a page is stored by the compact quality.
struct CompactChoice {
    bool compact = false;  // false: the page is kept as an ordinary JPEG
    QString why;           // what was decided, for the scanner's log
    CompactPage page;
    // Not compact: the page with its paper evened out, which a JPEG may keep
    // in fewer bytes than the page as scanned (null when there is none).
    QImage kept;
};

// Splits a Grayscale8 or RGB888 page, or says why it is better kept whole: a
// page below 150 dpi, faint or low-contrast ink, mostly picture, or print
// too small for a mask at the page's resolution.
CompactChoice MakeCompactPage(const QImage& page, int dpi);

}  // namespace quillon
