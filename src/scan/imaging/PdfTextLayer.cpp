// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/PdfTextLayer.h"

#include "scan/imaging/GlyphlessFont.h"

#include <algorithm>
#include <cmath>

namespace quillon {

namespace {

constexpr double kPointsPerInch = 72.0;

// The word as codes in the order they are laid out; characters beyond the
// 16-bit plane have no code of their own and read as the replacement character.
std::vector<char16_t> LaidOutCodes(const RecognizedWord& word) {
    std::vector<char16_t> codes;
    for (const char32_t character : word.text.toUcs4())
        codes.push_back(character > 0xFFFF ? char16_t{0xFFFD} : static_cast<char16_t>(character));
    if (word.rightToLeft) std::reverse(codes.begin(), codes.end());
    return codes;
}

// Two bytes a code, as a literal string: only the bytes a reader would take
// for syntax or a line end are escaped.
QByteArray LiteralString(const std::vector<char16_t>& codes) {
    QByteArray string = "(";
    for (const char16_t code : codes) {
        for (const char byte : {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)}) {
            if (byte == '(' || byte == ')' || byte == '\\') string += '\\';
            if (byte == '\r') string += "\\r";
            else if (byte == '\n') string += "\\n";
            else string += byte;
        }
    }
    return string + ")";
}

}  // namespace

TextLayer MakeTextLayer(const std::vector<RecognizedWord>& words, int pageHeightPixels, int dpi) {
    TextLayer layer;
    if (words.empty() || dpi <= 0) return layer;
    const double scale = kPointsPerInch / dpi;
    const auto number = [](double value, int decimals) { return QByteArray::number(value, 'f', decimals); };
    QByteArray& content = layer.content;
    content = "BT 3 Tr\n";
    int size = -1, font = -1;
    const auto laidOut = [](const RecognizedWord& word) { return !word.box.isEmpty() && !word.text.isEmpty(); };
    for (std::size_t i = 0; i < words.size(); ++i) {
        const RecognizedWord& word = words[i];
        const std::vector<char16_t> codes = LaidOutCodes(word);
        if (codes.empty() || !laidOut(word)) continue;
        const int wordSize = std::max(1, word.size);
        const double above = static_cast<double>(word.baseline - word.box.top()) / wordSize;
        const double below = static_cast<double>(word.box.bottom() + 1 - word.baseline) / wordSize;
        const int wordFont = NearestGlyphlessVariant(above, std::max(0.0, below));
        layer.variants.insert(wordFont);
        if (wordSize != size || wordFont != font)
            content += "/F" + QByteArray::number(wordFont) + ' ' + QByteArray::number(wordSize) + " Tf ";
        size = wordSize, font = wordFont;

        // Text space is the image's pixels, y upward, turned with the word's
        // line on an askew page, its origin where the line's baseline meets
        // the word's left edge: the word lies along its line as in the image.
        const double along = std::sqrt(1.0 + word.slope * word.slope);  // a pixel across, measured along the line
        const double cosine = 1.0 / along, sine = -word.slope / along;
        content += number(scale * cosine, 6) + ' ' + number(scale * sine, 6) + ' ' + number(-scale * sine, 6) + ' ' +
                   number(scale * cosine, 6) + ' ' + number(scale * word.box.left(), 3) + ' ' +
                   number(scale * (pageHeightPixels - word.baseline), 3) + " Tm ";
        // A word followed on its line by another carries a space, and together
        // they reach to where the next word starts: a reader then finds the
        // words apart by the space's width instead of guessing from the gap.
        std::vector<char16_t> shown = codes;
        double width = word.box.width();
        const RecognizedWord* next = i + 1 < words.size() ? &words[i + 1] : nullptr;
        if (next && laidOut(*next) && next->line == word.line && !word.rightToLeft && !next->rightToLeft &&
            next->box.left() > word.box.right()) {
            shown.push_back(u' ');
            width = next->box.left() - word.box.left();
        }
        const double naturalWidth = static_cast<double>(shown.size()) * wordSize * kGlyphlessAdvance / 1000.0;
        const long stretch = std::max(1L, std::lround(100.0 * width * along / naturalWidth));
        content += QByteArray::number(stretch) + " Tz " + LiteralString(shown) + "Tj\n";
    }
    content += "ET\n";
    return layer;
}

QByteArray IdentityToUnicodeMap() {
    QByteArray map =
        "/CIDInit /ProcSet findresource begin 12 dict begin begincmap\n"
        "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
        "/CMapName /Adobe-Identity-UCS def /CMapType 2 def\n"
        "1 begincodespacerange <0000> <FFFF> endcodespacerange\n";
    // A range may only vary in its last byte: one for each high byte, the
    // surrogate halves left out since no code is one.
    QByteArray ranges;
    int count = 0;
    for (int high = 0; high < 256; ++high) {
        if (high >= 0xD8 && high <= 0xDF) continue;
        const QByteArray from = QByteArray::number(high, 16).rightJustified(2, '0').toUpper();
        ranges += "<" + from + "00> <" + from + "FF> <" + from + "00>\n";
        if (++count == 100 || high == 255) {
            map += QByteArray::number(count) + " beginbfrange\n" + ranges + "endbfrange\n";
            ranges.clear();
            count = 0;
        }
    }
    return map + "endcmap CMapName currentdict /CMap defineresource pop end end\n";
}

}  // namespace quillon
