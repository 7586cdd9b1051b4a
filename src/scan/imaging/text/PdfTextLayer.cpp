// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/text/PdfTextLayer.h"

#include "scan/imaging/text/GlyphlessFont.h"

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

// Lines within this of level are written level: a text tool puts letters on
// one line only when they share a baseline, and the baseline of a line a
// degree askew falls by a line's height across a page.
constexpr double kMostSlopeWrittenLevel = 0.0524;  // tan 3 degrees

// The least gap between words, as a fraction of the size, that text tools
// take for a space between them.
constexpr double kLeastSpace = 0.2;

// How far, as a fraction of the size, a word's baseline may be from where its
// line's would pass and the word still be on that line.
constexpr double kSameBaseline = 0.25;

// Where a line is written: level along its mean baseline, or along its own
// slope when it is more askew than that.
struct LinePlacement {
    std::size_t end = 0;  // the word after the line's last
    bool level = true;
    double baseline = 0;  // level: the baseline's mean height over the line's words
};

// Whether a word goes on along the baseline of the one before, to its right:
// on a page scanned askew the engine may read one line of print as pieces.
bool ContinuesLine(const RecognizedWord& before, const RecognizedWord& word) {
    if (word.box.left() <= before.box.right() || word.rightToLeft || before.rightToLeft) return false;
    const double expected = before.baseline + before.slope * (word.box.left() - before.box.left());
    return std::abs(word.baseline - expected) <= kSameBaseline * std::max(1, before.size);
}

LinePlacement PlaceLine(const std::vector<RecognizedWord>& words, std::size_t first) {
    std::size_t end = first + 1;
    while (end < words.size() && (words[end].line == words[first].line || ContinuesLine(words[end - 1], words[end])))
        ++end;
    double slope = 0, baseline = 0;
    int count = 0;
    for (std::size_t i = first; i < end; ++i) {
        if (words[i].box.isEmpty()) continue;
        // The baseline under the middle of the word, from where it crosses the left edge.
        slope += words[i].slope;
        baseline += words[i].baseline + words[i].slope * words[i].box.width() / 2.0;
        ++count;
    }
    if (count == 0) return {end, true, 0};
    return {end, std::abs(slope / count) <= kMostSlopeWrittenLevel, baseline / count};
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
    long shownStretch = -1;
    const auto laidOut = [](const RecognizedWord& word) { return !word.box.isEmpty() && !word.text.isEmpty(); };
    // Codes shown squeezed or stretched to a width in pixels along the line.
    const auto show = [&](const std::vector<char16_t>& codes, double width, int wordSize) {
        const double naturalWidth = static_cast<double>(codes.size()) * wordSize * kGlyphlessAdvance / 1000.0;
        const long stretch = std::max(1L, std::lround(100.0 * width / naturalWidth));
        if (stretch != shownStretch) content += QByteArray::number(stretch) + " Tz ";
        shownStretch = stretch;
        content += LiteralString(codes) + "Tj\n";
    };
    LinePlacement line;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const RecognizedWord& word = words[i];
        if (i == line.end) line = PlaceLine(words, i);
        const std::vector<char16_t> codes = LaidOutCodes(word);
        if (codes.empty() || !laidOut(word)) continue;
        const int wordSize = std::max(1, word.size);
        // Reach above and below the baseline the word is written on, which on
        // a level line may lie a little above or below its own.
        const double baseline = line.level ? line.baseline : word.baseline;
        const double above = (baseline - word.box.top()) / wordSize;
        const double below = (word.box.bottom() + 1 - baseline) / wordSize;
        const int wordFont = NearestGlyphlessVariant(above, std::max(0.0, below));
        layer.variants.insert(wordFont);
        if (wordSize != size || wordFont != font)
            content += "/F" + QByteArray::number(wordFont) + ' ' + QByteArray::number(wordSize) + " Tf ";
        size = wordSize, font = wordFont;

        // Text space is the image's pixels, y upward, its origin where the
        // word starts on its line's baseline. A level line's words share
        // one baseline; a line more askew is turned with its slope, each
        // word along the line as in the image.
        const double slope = line.level ? 0.0 : word.slope;
        const double along = std::sqrt(1.0 + slope * slope);  // a pixel across, measured along the line
        const double cosine = 1.0 / along, sine = -slope / along;
        content += number(scale * cosine, 6) + ' ' + number(scale * sine, 6) + ' ' + number(-scale * sine, 6) + ' ' +
                   number(scale * cosine, 6) + ' ' + number(scale * word.box.left(), 3) + ' ' +
                   number(scale * (pageHeightPixels - baseline), 3) + " Tm ";
        // The letters fill the word's box and no more, so no text tool finds
        // them reaching into the next word or apart within this one. A word
        // followed on its line by another carries a space over the gap between
        // them: the tools then find the words apart by the space itself. They
        // also want the gap itself a fifth of the size wide or more, so where
        // the engine's boxes leave less (a letter overhanging, words set
        // tight) the word's own letters end that much short of its box.
        double letters = word.box.width(), space = 0;
        const RecognizedWord* next = i + 1 < words.size() ? &words[i + 1] : nullptr;
        if (next && i + 1 < line.end && laidOut(*next) && !word.rightToLeft && !next->rightToLeft) {
            const double gap = next->box.left() - (word.box.left() + letters);
            const double taken = std::clamp(kLeastSpace * wordSize - gap, 0.0, letters / 2);
            letters -= taken;
            space = std::max(gap + taken, 1.0);
        }
        show(codes, letters * along, wordSize);
        if (space > 0) show({u' '}, space * along, wordSize);
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
