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
    // Text space is the image's pixels, y upward: every number is a whole pixel.
    const QByteArray scale = QByteArray::number(kPointsPerInch / dpi, 'f', 6);
    QByteArray& content = layer.content;
    content = "BT 3 Tr " + scale + " 0 0 " + scale + " 0 0 Tm\n";
    int x = 0, y = 0, size = -1, font = -1, stretch = -1;
    for (const RecognizedWord& word : words) {
        const std::vector<char16_t> codes = LaidOutCodes(word);
        if (codes.empty() || word.box.isEmpty()) continue;
        const int wordSize = std::max(1, word.size);
        const double above = static_cast<double>(word.baseline - word.box.top()) / wordSize;
        const double below = static_cast<double>(word.box.bottom() + 1 - word.baseline) / wordSize;
        const int wordFont = NearestGlyphlessVariant(above, std::max(0.0, below));
        layer.variants.insert(wordFont);
        const double naturalWidth = static_cast<double>(codes.size()) * wordSize * kGlyphlessAdvance / 1000.0;
        const int wordStretch = std::max(1, static_cast<int>(std::lround(100.0 * word.box.width() / naturalWidth)));
        if (wordSize != size || wordFont != font)
            content += "/F" + QByteArray::number(wordFont) + ' ' + QByteArray::number(wordSize) + " Tf ";
        if (wordStretch != stretch) content += QByteArray::number(wordStretch) + " Tz ";
        const int baselineX = word.box.left();
        const int baselineY = pageHeightPixels - word.baseline;
        content += QByteArray::number(baselineX - x) + ' ' + QByteArray::number(baselineY - y) + " Td " +
                   LiteralString(codes) + "Tj\n";
        x = baselineX, y = baselineY, size = wordSize, font = wordFont, stretch = wordStretch;
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
