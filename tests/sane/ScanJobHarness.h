// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/sane/SaneLibrary.h"

#include "../common/JobHarness.h"
#include "SaneTestConfig.h"

#include <QFile>

#include <gtest/gtest.h>
#include <tiffio.h>

#include <cmath>
#include <cstdlib>
#include <vector>

namespace quillon::testing {

// What a scan job through the SANE library runs with: a store, scripted
// dialogs and answers, and option controls set by the test.
struct ScanJobHarness : JobHarness {
    // The controls for a 150 dpi TIFF, read back page by page.
    void AskForTiff(int pixelType, int paper, bool feeder, bool duplex) {
        controls.texts[OptionId::DPI] = "150";
        controls.indexes[OptionId::Format] = 3;
        controls.indexes[OptionId::ScanType] = pixelType;
        controls.indexes[OptionId::PaperSize] = paper;
        controls.indexes[OptionId::DuplexSetting] = duplex ? 1 : 0;
        controls.states[OptionId::TryADFFirst] = feeder ? 1 : 0;
        controls.states[OptionId::AutoContrast] = 0;
    }

    // SANE takes its configuration folder at its first start in the process:
    // the shared one, even for a job whose devices are the test's own.
    QString saneConfig = SaneConfigFolder();
    SaneLibrary library{dialogs, temp.File("config"), temp.File("state/scanner.log")};
};

struct TiffPage {
    uint32_t width = 0, height = 0;
    uint16_t bits = 0, samples = 0;
    float dpi = 0;
};

inline std::vector<TiffPage> ReadTiffPages(const QString& path) {
    std::vector<TiffPage> pages;
    TIFF* tiff = TIFFOpen(QFile::encodeName(path).constData(), "r");
    if (!tiff) return pages;
    do {
        TiffPage page;
        TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &page.width);
        TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &page.height);
        TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &page.bits);
        TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &page.samples);
        TIFFGetField(tiff, TIFFTAG_XRESOLUTION, &page.dpi);
        pages.push_back(page);
    } while (TIFFReadDirectory(tiff));
    TIFFClose(tiff);
    return pages;
}

// Every page is what AskForTiff asked: its mode, 150 dpi, and Letter or Legal
// (paper 1 or 2) within 2 mm.
// Pages at 150 dpi of the paper at a position of the list (Letter, Legal, A4, A5).
inline void ExpectPagesAsAsked(const std::vector<TiffPage>& pages, int pixelType, int paper) {
    static constexpr int kSizes[][2] = {{1275, 1650}, {1275, 2100}, {1240, 1754}, {874, 1240}};
    ASSERT_TRUE(paper >= 1 && paper <= 4) << paper;
    const int width = kSizes[paper - 1][0], height = kSizes[paper - 1][1];
    constexpr int kTolerance = 12;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        SCOPED_TRACE("page " + std::to_string(i + 1));
        const TiffPage& page = pages[i];
        EXPECT_EQ(page.bits, pixelType == 0 ? 1 : 8);
        EXPECT_EQ(page.samples, pixelType == 2 ? 3 : 1);
        EXPECT_EQ(std::lround(page.dpi), 150);
        EXPECT_LE(std::abs(int(page.width) - width), kTolerance) << page.width;
        EXPECT_LE(std::abs(int(page.height) - height), kTolerance) << page.height;
    }
}

}  // namespace quillon::testing
