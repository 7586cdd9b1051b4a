// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/imaging/text/TextRecognizer.h"

#include <QByteArray>

#include <set>
#include <vector>

namespace quillon {

// A page's recognised words as invisible PDF text in the glyph-less font's
// variants (resource /F<n> for variant n), one word at a time: on its line's
// baseline, in its paragraph's size, in the variant whose ascent and descent
// come nearest the top and bottom of its box, its letters stretched to fill
// the box's width, so what a reader selects or finds lies over the word in
// the image. The words of a line within 3 degrees of level share the line's
// mean baseline, level, so text tools read each line whole; a line more
// askew is written along its slope. Between the words of a line a space
// covers the gap, so text tools find the words apart. Each code is the
// character's UTF-16 value; right-to-left words are laid out right to left.
// No content when there are no words.
struct TextLayer {
    QByteArray content;
    std::set<int> variants;  // of the font, as the page's resources must name them
};
TextLayer MakeTextLayer(const std::vector<RecognizedWord>& words, int pageHeightPixels, int dpi);

// The ToUnicode map that reads each code as the character it is.
QByteArray IdentityToUnicodeMap();

}  // namespace quillon
