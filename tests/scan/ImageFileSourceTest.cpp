// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/ScannerErrors.h"
#include "scan/files/ImageFileSource.h"

#include "../common/TempDir.h"
#include "../common/TestPages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>
#include <tiffio.h>

namespace quillon {
namespace {

// Every page the source gives until it ends, and how it ended.
struct Fed {
    std::vector<SourcePage> pages;
    SourcePage::End end = SourcePage::End::None;
};

Fed FeedAll(ImageFileSource& source, double paperWidthMm = 0) {
    Fed fed;
    EXPECT_FALSE(source.Open(ImageFileSource::kName).failed());
    source.Apply({1, 0, paperWidthMm, 0, true, false});
    const auto progress = std::make_shared<SourceProgress>();
    for (SourcePage page = source.Next(progress);; page = source.Next(progress)) {
        if (page.ended()) {
            fed.end = page.end;
            return fed;
        }
        fed.pages.push_back(std::move(page));
    }
}

QImage Filled(int width, int height, QImage::Format format, int dpi) {
    QImage page(width, height, format);
    page.fill(Qt::white);
    page.setDotsPerMeterX(int(dpi / 0.0254 + 0.5));
    page.setDotsPerMeterY(int(dpi / 0.0254 + 0.5));
    return page;
}

// A TIFF of three pages as scanners write them: black and white, grey, colour.
void WriteThreePageTiff(const QString& path) {
    TIFF* tiff = TIFFOpen(QFile::encodeName(path).constData(), "w");
    ASSERT_NE(tiff, nullptr);
    const struct {
        uint32_t width;
        uint16_t bits, samples;
    } pages[] = {{80, 1, 1}, {90, 8, 1}, {100, 8, 3}};
    for (const auto& page : pages) {
        TIFFSetField(tiff, TIFFTAG_IMAGEWIDTH, page.width);
        TIFFSetField(tiff, TIFFTAG_IMAGELENGTH, 40u);
        TIFFSetField(tiff, TIFFTAG_BITSPERSAMPLE, page.bits);
        TIFFSetField(tiff, TIFFTAG_SAMPLESPERPIXEL, page.samples);
        TIFFSetField(tiff, TIFFTAG_PHOTOMETRIC,
                     page.samples == 3 ? PHOTOMETRIC_RGB : page.bits == 1 ? PHOTOMETRIC_MINISWHITE : PHOTOMETRIC_MINISBLACK);
        TIFFSetField(tiff, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
        TIFFSetField(tiff, TIFFTAG_COMPRESSION, page.bits == 1 ? COMPRESSION_CCITTFAX4 : COMPRESSION_LZW);
        TIFFSetField(tiff, TIFFTAG_XRESOLUTION, 200.0f);
        TIFFSetField(tiff, TIFFTAG_YRESOLUTION, 200.0f);
        TIFFSetField(tiff, TIFFTAG_RESOLUTIONUNIT, RESUNIT_INCH);
        std::vector<uint8_t> line((page.width * page.bits * page.samples + 7) / 8, page.bits == 1 ? 0 : 255);
        for (uint32_t y = 0; y < 40; ++y) TIFFWriteScanline(tiff, line.data(), y, 0);
        TIFFWriteDirectory(tiff);
    }
    TIFFClose(tiff);
}

TEST(ImageFileSourceTest, AFolderIsFedInTheNaturalOrderOfItsNamesItsOtherFilesLeftAside) {
    testing::TempDir temp;
    for (const char* name : {"page 10.png", "page 2.jpg", "Page 1.png"})
        ASSERT_TRUE(Filled(60 + int(QString(name).size()), 40, QImage::Format_RGB32, 150).save(temp.File(name)));
    QFile notes(temp.File("notes.txt"));
    ASSERT_TRUE(notes.open(QIODevice::WriteOnly));
    notes.write("not a page");
    notes.close();

    ImageFileSource source({temp.path()});
    const Fed fed = FeedAll(source);
    QStringList order;
    for (const auto& page : source.pages()) order.append(QFileInfo(page.path).fileName());
    EXPECT_EQ(order, (QStringList{"Page 1.png", "page 2.jpg", "page 10.png"}));
    ASSERT_EQ(fed.pages.size(), 3u);
    EXPECT_EQ(fed.end, SourcePage::End::NoMorePaper);
    EXPECT_EQ(fed.pages[0].image.width(), 70);
    EXPECT_EQ(fed.pages[0].dpi, 150);
}

TEST(ImageFileSourceTest, EveryPageOfATiffComesWithItsResolutionGreyOrColourAsStored) {
    testing::TempDir temp;
    const QString tiff = temp.File("three.tif");
    ASSERT_NO_FATAL_FAILURE(WriteThreePageTiff(tiff));
    ImageFileSource source({tiff});
    const Fed fed = FeedAll(source);
    ASSERT_EQ(fed.pages.size(), 3u);
    const int widths[] = {80, 90, 100};
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(fed.pages[i].image.width(), widths[i]);
        EXPECT_EQ(fed.pages[i].dpi, 200);
        EXPECT_EQ(fed.pages[i].image.pixel(5, 5), qRgb(255, 255, 255));
    }
    EXPECT_TRUE(fed.pages[0].image.isGrayscale());
    EXPECT_EQ(fed.pages[2].image.format(), QImage::Format_RGB32);
}

// A phone's picture says 72 dpi, which means nothing: it is taken to be as
// wide as the paper chosen (A4 here), or a Letter sheet.
TEST(ImageFileSourceTest, APictureWithoutAResolutionIsAsWideAsThePaper) {
    testing::TempDir temp;
    const QString photo = temp.File("photo.jpg");
    ASSERT_TRUE(Filled(2480, 3508, QImage::Format_RGB32, 72).save(photo));
    ImageFileSource a4({photo});
    EXPECT_EQ(FeedAll(a4, 210).pages.at(0).dpi, 300);
    ImageFileSource letter({photo});
    EXPECT_EQ(FeedAll(letter).pages.at(0).dpi, 292);
}

TEST(ImageFileSourceTest, AFileThatIsNotAnImageIsNamedAndNothingIsFed) {
    testing::TempDir temp;
    const QString page = temp.File("page.png");
    ASSERT_TRUE(Filled(50, 50, QImage::Format_Grayscale8, 300).save(page));
    const QString text = temp.File("letter.png");  // a misleading name does not make an image
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Dear Sir,");
    file.close();
    ASSERT_TRUE(QDir(temp.path()).mkdir("empty"));
    const QString empty = temp.File("empty"), missing = temp.File("missing.png");
    const struct {
        QStringList given;
        int error;
        QString named;
    } cases[] = {
        {{page, text}, kScannerErrorImageFile, text},
        {{page, missing}, kScannerErrorImageFile, missing},
        {{empty}, kScannerErrorImageFile, empty},  // a folder without images
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.named.toStdString());
        ImageFileSource source(c.given);
        const SourceFault fault = source.Open(ImageFileSource::kName);
        EXPECT_EQ(fault.error, c.error);
        EXPECT_TRUE(fault.text.contains(QDir::toNativeSeparators(c.named))) << fault.text.toStdString();
    }
}

TEST(ImageFileSourceTest, ACancelEndsTheFeedAtTheNextPage) {
    testing::TempDir temp;
    ASSERT_TRUE(Filled(50, 50, QImage::Format_Grayscale8, 300).save(temp.File("1.png")));
    ASSERT_TRUE(Filled(50, 50, QImage::Format_Grayscale8, 300).save(temp.File("2.png")));
    ImageFileSource source({temp.path()});
    ASSERT_FALSE(source.Open(ImageFileSource::kName).failed());
    const auto progress = std::make_shared<SourceProgress>();
    EXPECT_FALSE(source.Next(progress).ended());
    source.Cancel();
    EXPECT_EQ(source.Next(progress).end, SourcePage::End::Cancelled);
}

// The real scans, as a folder: every one of them is a page, in name order.
TEST(ImageFileSourceTest, TheFolderOfRealScansIsFedWhole) {
    const QString scans = testing::ScansFolder();
    if (scans.isEmpty()) GTEST_SKIP() << "the real scans are not here";
    ImageFileSource source({scans});
    ASSERT_FALSE(source.Open(ImageFileSource::kName).failed());
    const QStringList pngs = QDir(scans).entryList({"*.png"}, QDir::Files, QDir::Name);
    ASSERT_EQ(source.pages().size(), std::size_t(pngs.size()));
    const auto progress = std::make_shared<SourceProgress>();
    const SourcePage first = source.Next(progress);
    ASSERT_FALSE(first.ended());
    EXPECT_EQ(first.image.size(), QImage(QDir(scans).filePath(QFileInfo(source.pages()[0].path).fileName())).size());
}

}  // namespace
}  // namespace quillon
