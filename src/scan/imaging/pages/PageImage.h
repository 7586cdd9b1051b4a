// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace quillon {

// A page without a resolution of its own is taken to be at this one.
constexpr int kDefaultPageDpi = 200;

// The page's resolution in dots per inch (horizontal).
int PageDpi(const QImage& page);
void SetPageDpi(QImage& page, double dpi);

// True for the three page formats below; the blank test and the
// enhancements take pages in them only.
bool IsPageFormat(const QImage& image);

// The page in one of the three page formats: Format_Mono (black and white),
// Format_Grayscale8 or Format_RGB888, keeping its resolution.
QImage AsPageFormat(const QImage& image);

// True when bit value 1 of a Format_Mono page is the black one.
bool MonoBlackIsOne(const QImage& page);

// Row y of a page in a page format as grey levels, 0 black to 255 white, into
// grey (width() bytes); a row of any other format reads as white. Much faster
// than converting the whole page for a look at it.
void GreyRow(const QImage& page, int y, uchar* grey);

}  // namespace quillon
