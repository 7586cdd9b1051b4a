// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <array>

namespace quillon {

// The font of a PDF's invisible text layer: a whole TrueType program (its
// missing glyph a box, as readers expect) whose glyph for every character
// draws nothing, half an em wide and a whole em tall, so the text a word's
// box is fitted with can be selected and searched but never seen.
QByteArray GlyphlessFontProgram();
// The CID-to-glyph map: every code but 0 draws the blank glyph.
QByteArray GlyphlessCodeToGlyphMap();

constexpr int kGlyphlessAdvance = 500;    // in thousandths of the font size
constexpr int kGlyphlessAscent = 1000;
constexpr int kGlyphlessGlyphs = 2;       // the missing glyph and the blank one

// The font is offered in variants of ascent and descent, so every word of a
// line can share the line's baseline and size, as readers want to join words
// into lines, and still span its own box: a word of small letters, one with
// capitals, one with descenders. A variant is numbered from 0 up.
struct GlyphlessVariant {
    int ascent;   // in thousandths of the size, above the baseline
    int descent;  // in thousandths, below it, negative; never 0, which readers take for "not given"
};
constexpr int kGlyphlessVariants = 40;
GlyphlessVariant GlyphlessVariantAt(int number);
// The variant nearest a word's reach above and below its baseline, as fractions of the size.
int NearestGlyphlessVariant(double above, double below);

}  // namespace quillon
