// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFile>
#include <QStringList>

#include <tiffio.h>

#include <algorithm>
#include <vector>

namespace quillon::testing {

// What the pages of a TIFF show, in order: "2f" the front of sheet 2, "2b"
// its back, "blank" a page without the marks. The marks are ten bands below
// a margin of two, each 1/30 of the page's height and dark in the middle or
// not: the first always, the second for a back, then the sheet's number in
// binary, lowest bit first.
inline QStringList SidesShown(const QString& path) {
    QStringList sides;
    TIFF* tiff = TIFFOpen(QFile::encodeName(path).constData(), "r");
    if (!tiff) return {"unreadable"};
    do {
        uint32_t width = 0, height = 0;
        TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
        TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
        std::vector<uint32_t> pixels(static_cast<std::size_t>(width) * height);
        if (!TIFFReadRGBAImageOriented(tiff, width, height, pixels.data(), ORIENTATION_TOPLEFT, 0)) {
            sides.append("undecodable");
            continue;
        }
        const uint32_t band = std::max<uint32_t>(2, height / 30);
        const auto dark = [&](int index) {
            const uint32_t y = band * static_cast<uint32_t>(index + 2) + band / 2;
            return TIFFGetR(pixels[static_cast<std::size_t>(y) * width + width / 2]) < 128;
        };
        if (!dark(0)) {
            sides.append("blank");
            continue;
        }
        int sheet = 0;
        for (int bit = 0; bit < 8; ++bit) sheet |= dark(2 + bit) ? 1 << bit : 0;
        sides.append(QString::number(sheet) + (dark(1) ? "b" : "f"));
    } while (TIFFReadDirectory(tiff));
    TIFFClose(tiff);
    return sides;
}

// "1f 1b 2f" as a list.
inline QStringList Sides(const char* text) { return QString::fromLatin1(text).split(' ', Qt::SkipEmptyParts); }

}  // namespace quillon::testing
