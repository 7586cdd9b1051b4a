// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace quillon {

// The median height in pixels of the marks of a black-and-white page that
// could be letters: ink connected through its eight neighbours, taller than a
// speck and no larger than a third of an inch. 0 when there are none. On a
// page of text most marks are lower-case letters, so this is about the
// print's x-height. *count, when given, is how many such marks there are.
// A page of a million marks or more (noise, a fine dither) is not measured.
int MedianLetterHeight(const QImage& mono, int dpi, int* count = nullptr);

}  // namespace quillon
