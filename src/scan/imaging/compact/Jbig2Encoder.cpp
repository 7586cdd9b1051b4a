// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/compact/Jbig2Encoder.h"

#include "scan/imaging/compact/ArithmeticEncoder.h"
#include "scan/imaging/writers/PageEncoders.h"
#include "scan/imaging/pages/PageImage.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace quillon {

namespace {

constexpr std::uint8_t kPageInformation = 48;
constexpr std::uint8_t kImmediateGenericRegion = 38;
// The context of the bit that says whether a row repeats the one above.
constexpr std::size_t kRepeatedRowContext = 0x9B25;
// Left and right of each row, pixels outside the page read as white.
constexpr int kMargin = 8;

void AppendNumber(QByteArray& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.append(static_cast<char>((value >> shift) & 0xFF));
}

// A segment of page 1, referring to no other.
void AppendSegment(QByteArray& out, std::uint32_t number, std::uint8_t type, const QByteArray& data) {
    AppendNumber(out, number);
    out.append(static_cast<char>(type));
    out.append('\0');  // no segments referred to
    out.append('\1');  // page 1
    AppendNumber(out, static_cast<std::uint32_t>(data.size()));
    out.append(data);
}

// One row as a byte per pixel (1 for black), with white margins.
void Unpack(const QImage& page, int y, std::vector<uchar>& packed, std::vector<std::uint8_t>& row) {
    MonoRowBlackIsOne(page, y, packed.data());
    const int width = page.width();
    for (int x = 0; x < width; ++x)
        row[static_cast<std::size_t>(x + kMargin)] = (packed[static_cast<std::size_t>(x >> 3)] >> (7 - (x & 7))) & 1;
}

// The generic region's coded data: template 0 with the usual adaptive pixels
// (3,-1), (-3,-1), (2,-2), (-2,-2), and rows that repeat the one above skipped.
QByteArray CodeRegion(const QImage& page) {
    const int width = page.width();
    ArithmeticEncoder coder(1 << 16);
    std::vector<uchar> packed(static_cast<std::size_t>((width + 7) / 8));
    const std::size_t span = static_cast<std::size_t>(width + 2 * kMargin);
    std::vector<std::uint8_t> above2(span, 0), above1(span, 0), current(span, 0);
    int repeating = 0;
    for (int y = 0; y < page.height(); ++y) {
        Unpack(page, y, packed, current);
        const bool repeats = current == above1;
        coder.Encode(kRepeatedRowContext, repeats != (repeating != 0));
        repeating = repeats;
        if (!repeats) {
            const std::uint8_t* row = current.data() + kMargin;
            const std::uint8_t* up1 = above1.data() + kMargin;
            const std::uint8_t* up2 = above2.data() + kMargin;
            // Bits 0-3: this row at x-1 .. x-4; 4: (x+3, y-1); 5-9: y-1 at
            // x+2 .. x-2; 10: (x-3, y-1); 11: (x+2, y-2); 12-14: y-2 at x+1 ..
            // x-1; 15: (x-2, y-2). Moving one pixel right shifts every bit up
            // one place, so only the three newest pixels enter.
            unsigned context = 0;
            for (int x = -5; x < width; ++x) {
                context = ((context << 1) & 0xF7EE) | row[x - 1] | (unsigned(up1[x + 3]) << 4) | (unsigned(up2[x + 2]) << 11);
                if (x >= 0) coder.Encode(context, row[x]);
            }
        }
        above2.swap(above1);
        above1.swap(current);
    }
    return coder.Finish();
}

}  // namespace

QByteArray EncodeJbig2(const QImage& page) {
    if (page.isNull() || page.width() <= 0 || page.height() <= 0) return {};
    const std::uint32_t width = static_cast<std::uint32_t>(page.width());
    const std::uint32_t height = static_cast<std::uint32_t>(page.height());
    const std::uint32_t perMetre = static_cast<std::uint32_t>(std::lround(PageDpi(page) / 0.0254));

    QByteArray information;
    AppendNumber(information, width);
    AppendNumber(information, height);
    AppendNumber(information, perMetre);
    AppendNumber(information, perMetre);
    information.append('\1');  // the page is complete and lossless once this region is placed
    information.append(2, '\0');  // not striped

    QByteArray region;
    AppendNumber(region, width);
    AppendNumber(region, height);
    AppendNumber(region, 0);  // at the page's top left
    AppendNumber(region, 0);
    region.append('\0');     // combined by OR
    region.append('\x08');   // arithmetic coding, template 0, repeated rows skipped
    region.append("\x03\xFF\xFD\xFF\x02\xFE\xFE\xFE", 8);  // the adaptive pixels
    region.append(CodeRegion(page));

    QByteArray stream;
    AppendSegment(stream, 0, kPageInformation, information);
    AppendSegment(stream, 1, kImmediateGenericRegion, region);
    return stream;
}

}  // namespace quillon
