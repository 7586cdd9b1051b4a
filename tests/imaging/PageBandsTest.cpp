// SPDX-License-Identifier: GPL-3.0-or-later
// Where a page is cut to be read in two parts at once, and that a page so
// read gives the words it gives read whole.
#include "scan/imaging/compact/PageBands.h"
#include "scan/imaging/pages/PageImage.h"
#include "scan/imaging/text/TextLanguages.h"
#include "scan/imaging/text/TextRecognizer.h"

#include "../common/NamedCases.h"
#include "../common/TestPages.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace quillon {
namespace {

// A Letter page at 300 dpi: lines of words in the given columns (left edge,
// width) that fill them (clipped at their edges) or not, and an optional
// headline across the top.
QImage Lines(std::vector<std::pair<int, int>> columns, bool headline, int lines = 30, bool fill = true) {
    QImage page(2550, 3300, QImage::Format_Grayscale8);
    page.fill(255);
    {
        QPainter painter(&page);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(36);
        painter.setFont(font);
        if (headline) painter.drawText(QRect(200, 200, 2150, 100), Qt::AlignCenter, "A headline across both columns of the page");
        for (const auto& [left, width] : columns)
            for (int line = 0; line < lines; ++line)
                painter.drawText(QRect(left, 400 + line * 90, width, 60), Qt::AlignLeft,
                                 QStringLiteral("words of line %1 fill the column").arg(line + 1) +
                                     (fill ? " from its left edge to its right edge and on beyond it, as far as it goes"
                                           : ""));
    }
    SetPageDpi(page, 300);
    return page;
}

QImage At(QImage page, int dpi) {
    SetPageDpi(page, dpi);
    return page;
}

QImage FigureAcross(QImage page) {
    QPainter(&page).fillRect(200, 1500, 2150, 300, QColor(90, 90, 90));
    return page;
}

struct BandCase {
    const char* name;
    QImage page;
    std::vector<QRect> expected;  // up to a few pixels where the cut falls
    friend void PrintTo(const BandCase& c, std::ostream* out) { *out << c.name; }
};

class PageBandsTest : public ::testing::TestWithParam<BandCase> {};

TEST_P(PageBandsTest, CutsOnlyWhereTheReadingOrderSurvives) {
    const std::vector<QRect> bands = TextBands(GetParam().page);
    ASSERT_EQ(bands.size(), GetParam().expected.size());
    for (std::size_t i = 0; i < bands.size(); ++i) {
        const QRect& want = GetParam().expected[i];
        EXPECT_NEAR(bands[i].left(), want.left(), 80) << i;
        EXPECT_NEAR(bands[i].top(), want.top(), 80) << i;
        EXPECT_NEAR(bands[i].right(), want.right(), 80) << i;
        EXPECT_NEAR(bands[i].bottom(), want.bottom(), 80) << i;
    }
    // The parts cover the page once.
    int area = 0;
    for (const QRect& band : bands) area += band.width() * band.height();
    if (!bands.empty()) {
        EXPECT_EQ(area, GetParam().page.width() * GetParam().page.height());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PageBandsTest,
    ::testing::Values(
        BandCase{"OneColumnAtALineGapNearTheMiddle", Lines({{200, 2150}}, false),
                 {QRect(0, 0, 2550, 1650), QRect(0, 1650, 2550, 1650)}},
        BandCase{"TwoColumnsAtTheirGutter", Lines({{200, 1000}, {1350, 1000}}, false),
                 {QRect(0, 0, 1275, 3300), QRect(1275, 0, 1275, 3300)}},
        BandCase{"AHeadlineOverTwoColumnsIsAPartOfItsOwn", Lines({{200, 1000}, {1350, 1000}}, true),
                 {QRect(0, 0, 2550, 350), QRect(0, 350, 1275, 2950), QRect(1275, 350, 1275, 2950)}},
        BandCase{"AFigureAcrossTwoColumnsIsReadWhole", FigureAcross(Lines({{200, 1000}, {1350, 1000}}, false)), {}},
        BandCase{"TextOnlyAtTheTopIsReadWhole", Lines({{200, 2150}}, false, 5), {}},
        BandCase{"ASmallPageIsReadWhole", Lines({{200, 2150}}, false).copy(0, 0, 2550, 1100), {}},
        BandCase{"ALowResolutionPageIsReadWhole", At(Lines({{200, 1000}, {1350, 1000}}, false), 100), {}}),
    testing::NameOfCase());

TEST(PageBandsReadingTest, APageReadInTwoPartsGivesTheWordsAndBoxesOfThePageReadWhole) {
    TextLanguages english = ChooseTextLanguages("eng", QLocale::c(), TextDataDirectory());
    ASSERT_EQ(english.problem, "") << "the project's set-up installs the English and orientation data";
    const QImage page = Lines({{200, 1000}, {1350, 1000}}, false, 20, false);
    ASSERT_EQ(TextBands(page).size(), 2u);
    // Read alone, with the other core free, the page goes in two parts.
    const RecognizedText parts = RecognizeText(page, english);
    english.asTheEngineAlone = true;
    const RecognizedText whole = RecognizeText(page, english);
    ASSERT_EQ(parts.words.size(), whole.words.size());
    for (std::size_t i = 0; i < whole.words.size(); ++i) {
        EXPECT_EQ(parts.words[i].text, whole.words[i].text) << i;
        const QRect a = parts.words[i].box, b = whole.words[i].box;
        EXPECT_LE(std::max({std::abs(a.left() - b.left()), std::abs(a.top() - b.top()), std::abs(a.right() - b.right()),
                            std::abs(a.bottom() - b.bottom())}),
                  2)
            << whole.words[i].text.toStdString();
        EXPECT_EQ(parts.words[i].line, whole.words[i].line) << whole.words[i].text.toStdString();
    }
}

}  // namespace
}  // namespace quillon
