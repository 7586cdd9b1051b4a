// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/pages/BlankPageTest.h"
#include "scan/imaging/pages/Enhancements.h"
#include "scan/imaging/pages/PageImage.h"

#include "../common/NamedCases.h"
#include "../common/TestPages.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>

namespace quillon {
namespace {

int GreyAt(const QImage& page, int x, int y) { return qGray(page.pixel(x, y)); }

TEST(EnhancementsTest, AutoContrastMakesPaperWhiteAndInkBlack) {
    QImage page = testing::BlankPage(1000, 1000, QImage::Format_Grayscale8, 100);
    page.fill(190);
    {
        QPainter painter(&page);
        painter.fillRect(100, 100, 800, 60, QColor(70, 70, 70));
    }
    const QImage stretched = AutoContrast(page);
    EXPECT_GE(GreyAt(stretched, 500, 600), 250);
    EXPECT_LE(GreyAt(stretched, 500, 130), 16);
    EXPECT_EQ(PageDpi(stretched), 100);
}

TEST(EnhancementsTest, AutoContrastKeepsABlankPageBlank) {
    QImage page = testing::BlankPage(2550, 3300, QImage::Format_Grayscale8);
    page.fill(235);
    {
        QPainter painter(&page);  // show-through from the back of the sheet
        for (int y = 400; y < 3000; y += 80) painter.fillRect(300, y, 1900, 30, QColor(212, 212, 212));
    }
    ASSERT_TRUE(IsBlankPage(page, 0.001));
    EXPECT_TRUE(IsBlankPage(AutoContrast(page), 0.001)) << MeasureInk(AutoContrast(page)).coverage;
}

TEST(EnhancementsTest, AutoContrastLeavesFullRangeAndBlackAndWhitePagesAlone) {
    QImage full = testing::BlankPage(1000, 1000, QImage::Format_Grayscale8, 100);
    {
        QPainter painter(&full);
        painter.fillRect(100, 100, 800, 60, Qt::black);
    }
    EXPECT_EQ(AutoContrast(full), full);
    const QImage mono = testing::TextPage(QImage::Format_Mono, 10);
    EXPECT_EQ(AutoContrast(mono), mono);
}

TEST(EnhancementsTest, AutoCropCutsAPhotographOutOfTheLid) {
    QImage bed = testing::BlankPage(2550, 3300, QImage::Format_RGB888);
    bed.fill(QColor(245, 245, 240));
    SetPageDpi(bed, 300);
    const QRect photo(120, 90, 1800, 1200);
    {
        QPainter painter(&bed);
        painter.fillRect(photo, QColor(90, 120, 60));
        painter.fillRect(photo.adjusted(200, 200, -200, -200), QColor(200, 220, 240));  // a light sky inside
        painter.fillRect(2000, 3000, 2, 2, Qt::black);  // dust on the glass
    }
    const QImage cropped = AutoCrop(bed);
    // The photograph plus a margin of a twentieth of an inch (15 pixels), within the sampling step.
    EXPECT_NEAR(cropped.width(), photo.width() + 2 * 15, 8);
    EXPECT_NEAR(cropped.height(), photo.height() + 2 * 15, 8);
    EXPECT_EQ(PageDpi(cropped), 300);
    EXPECT_EQ(AutoCrop(testing::BlankPage(800, 800, QImage::Format_Grayscale8)).size(), QSize(800, 800));
}

class DeskewTest : public ::testing::TestWithParam<testing::PageFormat> {};

TEST_P(DeskewTest, StraightensASkewedPageAndLeavesAStraightOneAlone) {
    const QImage skewed = testing::TextPage(GetParam().format, 30, 2.0);
    const SkewEstimate before = FindSkew(skewed);
    ASSERT_TRUE(before.found);
    EXPECT_NEAR(std::fabs(before.degrees), 2.0, 0.3);
    const QImage straightened = AutoDeskew(skewed);
    EXPECT_EQ(straightened.size(), skewed.size());
    EXPECT_EQ(straightened.format(), skewed.format());
    EXPECT_LT(std::fabs(FindSkew(straightened).degrees), 0.3);

    const QImage straight = testing::TextPage(GetParam().format, 30, 0.0);
    EXPECT_EQ(AutoDeskew(straight), straight);
}

INSTANTIATE_TEST_SUITE_P(Formats, DeskewTest, ::testing::ValuesIn(testing::kPageFormats), testing::NameOfCase());

// Text printed light, a pencil or a faint copy: ink at 60 % of the way to white.
TEST(EnhancementsTest, DeskewStraightensAPageOfLightText) {
    QImage light = testing::TextPage(QImage::Format_Grayscale8, 30, 2.0);
    for (int y = 0; y < light.height(); ++y) {
        uchar* row = light.scanLine(y);
        for (int x = 0; x < light.width(); ++x) row[x] = static_cast<uchar>(255 - (255 - row[x]) * 2 / 5);
    }
    const SkewEstimate before = FindSkew(light);
    ASSERT_TRUE(before.found);
    EXPECT_NEAR(std::fabs(before.degrees), 2.0, 0.3);
    EXPECT_LT(std::fabs(FindSkew(AutoDeskew(light)).degrees), 0.3);
}

TEST(EnhancementsTest, DeskewLeavesPagesWithoutLinesAlone) {
    const QImage blank = testing::BlankPage(2550, 3300, QImage::Format_Grayscale8);
    EXPECT_EQ(AutoDeskew(blank), blank);
    const QImage tiny = testing::BlankPage(1, 20000, QImage::Format_Mono);
    EXPECT_EQ(AutoDeskew(tiny), tiny);
}

}  // namespace
}  // namespace quillon
