// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/text/GlyphlessFont.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>

#include <cstdint>
#include <initializer_list>
#include <map>

namespace quillon {

namespace {

constexpr int kUnitsPerEm = 1000;

// Big-endian fields, as every TrueType table is written.
class Table {
public:
    Table& U16(int value) {
        const auto v = qToBigEndian(static_cast<std::uint16_t>(value));
        bytes_.append(reinterpret_cast<const char*>(&v), 2);
        return *this;
    }
    Table& U32(std::uint32_t value) {
        const auto v = qToBigEndian(value);
        bytes_.append(reinterpret_cast<const char*>(&v), 4);
        return *this;
    }
    Table& U16s(std::initializer_list<int> values) {
        for (const int value : values) U16(value);
        return *this;
    }
    const QByteArray& bytes() const { return bytes_; }

private:
    QByteArray bytes_;
};

std::uint32_t Checksum(const QByteArray& bytes) {
    std::uint32_t sum = 0;
    for (qsizetype i = 0; i < bytes.size(); i += 4) {
        std::uint32_t word = 0;
        for (qsizetype j = 0; j < 4; ++j)
            word = (word << 8) | static_cast<std::uint8_t>(i + j < bytes.size() ? bytes[i + j] : 0);
        sum += word;
    }
    return sum;
}

std::map<QByteArray, QByteArray> Tables() {
    std::map<QByteArray, QByteArray> tables;
    tables["head"] = Table()
                         .U32(0x00010000).U32(0x00010000)
                         .U32(0)  // checksum adjustment, set once the whole font is known
                         .U32(0x5F0F3CF5)
                         .U16s({0x000B, kUnitsPerEm})
                         .U32(0).U32(0).U32(0).U32(0)  // created, modified
                         .U16s({0, 0, kGlyphlessAdvance, kGlyphlessAscent, 0, 3, 2, 0, 0})
                         .bytes();
    tables["hhea"] = Table()
                         .U32(0x00010000)
                         .U16s({kGlyphlessAscent, 0, 0, kGlyphlessAdvance, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0,
                                kGlyphlessGlyphs})
                         .bytes();
    // The missing glyph is an outline, a box, as readers expect a font to
    // have one; the blank glyph every code draws has none.
    const Table missingGlyph = Table()
                                   .U16s({1, 50, 0, 450, 700})  // one contour, its bounds
                                   .U16s({3, 0})                // its last point; no instructions
                                   .U16s({0x0101, 0x0101})      // four points on the outline, coordinates as words
                                   .U16s({50, 400, 0, static_cast<std::uint16_t>(-400)})  // x, each from the last
                                   .U16s({0, 0, 700, 0});                                // y
    tables["maxp"] = Table().U32(0x00010000).U16s({kGlyphlessGlyphs, 4, 1, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0}).bytes();
    Table metrics, locations;
    for (int glyph = 0; glyph < kGlyphlessGlyphs; ++glyph) metrics.U16s({kGlyphlessAdvance, 0});
    const int missingEnd = static_cast<int>(missingGlyph.bytes().size()) / 2;  // short offsets count words
    locations.U16s({0, missingEnd, missingEnd});
    tables["hmtx"] = metrics.bytes();
    tables["loca"] = locations.bytes();
    tables["glyf"] = missingGlyph.bytes();
    // One segment that maps nothing: the PDF names glyphs by number.
    tables["cmap"] = Table().U16s({0, 1, 3, 1}).U32(12).U16s({4, 24, 0, 2, 2, 0, 0, 0xFFFF, 0, 0xFFFF, 1, 0}).bytes();
    tables["post"] = Table().U32(0x00030000).U32(0).U16s({0, 0}).U32(1).U32(0).U32(0).U32(0).U32(0).bytes();
    tables["name"] = Table().U16s({0, 0, 6}).bytes();
    return tables;
}

}  // namespace

namespace {

// Ascents from a tenth to the whole size, a tenth apart; descents 0 to 0.45.
constexpr int kAscentSteps = 10;
constexpr std::array<int, 4> kDescents{-1, -150, -300, -450};
static_assert(kAscentSteps * static_cast<int>(kDescents.size()) == kGlyphlessVariants);

}  // namespace

GlyphlessVariant GlyphlessVariantAt(int number) {
    number = std::clamp(number, 0, kGlyphlessVariants - 1);
    return {(number / static_cast<int>(kDescents.size()) + 1) * 1000 / kAscentSteps,
            kDescents[static_cast<std::size_t>(number) % kDescents.size()]};
}

int NearestGlyphlessVariant(double above, double below) {
    const int ascent = std::clamp(static_cast<int>(std::lround(above * kAscentSteps)), 1, kAscentSteps) - 1;
    std::size_t descent = 0;
    for (std::size_t k = 1; k < kDescents.size(); ++k)
        if (std::abs(below * 1000 + kDescents[k]) < std::abs(below * 1000 + kDescents[descent])) descent = k;
    return ascent * static_cast<int>(kDescents.size()) + static_cast<int>(descent);
}

QByteArray GlyphlessFontProgram() {
    static const QByteArray program = [] {
        const std::map<QByteArray, QByteArray> tables = Tables();  // in tag order, as the directory wants
        const int count = static_cast<int>(tables.size());
        int power = 1, log2 = 0;
        while (power * 2 <= count) power *= 2, ++log2;
        Table directory;
        directory.U32(0x00010000).U16s({count, power * 16, log2, count * 16 - power * 16});
        std::uint32_t offset = 12 + 16 * static_cast<std::uint32_t>(count), head = 0;
        QByteArray body;
        for (const auto& [tag, bytes] : tables) {
            if (tag == "head") head = offset;
            directory.U32(qFromBigEndian<std::uint32_t>(tag.constData()))
                .U32(Checksum(bytes))
                .U32(offset)
                .U32(static_cast<std::uint32_t>(bytes.size()));
            QByteArray padded = bytes;
            padded.append((4 - bytes.size() % 4) % 4, '\0');
            body += padded;
            offset += static_cast<std::uint32_t>(padded.size());
        }
        QByteArray font = directory.bytes() + body;
        // head's adjustment makes the whole font sum to the format's constant.
        qToBigEndian<std::uint32_t>(0xB1B0AFBA - Checksum(font), font.data() + head + 8);
        return font;
    }();
    return program;
}

QByteArray GlyphlessCodeToGlyphMap() {
    QByteArray glyphs(2 * 0x10000, '\0');
    for (qsizetype code = 1; code < 0x10000; ++code) glyphs[2 * code + 1] = 1;
    return glyphs;
}

}  // namespace quillon
