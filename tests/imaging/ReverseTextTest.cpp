// SPDX-License-Identifier: GPL-3.0-or-later
// Which pages are read for light text on a dark ground too, and that such
// text is still found while the pages without it are read no worse.
#include "scan/imaging/ReverseText.h"
#include "scan/imaging/PageImage.h"
#include "scan/imaging/TextLanguages.h"
#include "scan/imaging/TextRecognizer.h"

#include "../common/NamedCases.h"
#include "../common/TestPages.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace quillon {
namespace {

constexpr const char* kReversed = "Reversed headline over the column";

// A Letter page at 300 dpi, text drawn on it by draw.
QImage Page(QImage::Format format, const std::function<void(QPainter&)>& draw) {
    QImage page = testing::TextPage(QImage::Format_RGB888, 8);
    {
        QPainter painter(&page);
        draw(painter);
    }
    SetPageDpi(page, 300);
    return format == QImage::Format_RGB888 ? page : AsPageFormat(page.convertToFormat(format, Qt::ThresholdDither));
}

void WhiteOnBlack(QPainter& painter) {
    painter.fillRect(300, 1300, 1900, 110, Qt::black);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(60);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(340, 1380, kReversed);
}

struct ShadesCase {
    const char* name;
    QImage::Format format;
    std::function<void(QPainter&)> draw;
    bool reverse;
    friend void PrintTo(const ShadesCase& c, std::ostream* out) { *out << c.name; }
};

class ReverseTextTest : public ::testing::TestWithParam<ShadesCase> {};

TEST_P(ReverseTextTest, OnlyADarkBlockWithLightMarksInsideThePageCounts) {
    EXPECT_EQ(MayHoldReverseText(Page(GetParam().format, GetParam().draw)), GetParam().reverse);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReverseTextTest,
    ::testing::Values(
        // The drawn text page has a plain red box: dark in grey, nothing light inside.
        ShadesCase{"DarkOnLightWithAPlainBox", QImage::Format_Grayscale8, [](QPainter&) {}, false},
        ShadesCase{"WhiteOnABlackBandInGrey", QImage::Format_Grayscale8, WhiteOnBlack, true},
        ShadesCase{"WhiteOnABlackBandInColour", QImage::Format_RGB888, WhiteOnBlack, true},
        ShadesCase{"WhiteOnABlackBandInBlackAndWhite", QImage::Format_Mono, WhiteOnBlack, true},
        ShadesCase{"ScannerEdgeAndSkewWedgesTouchTheBorder", QImage::Format_Mono,
                   [](QPainter& painter) {
                       // The scanner's edge, light specks in it: only the border tells it from a reversed column.
                       painter.fillRect(0, 0, 180, 3300, Qt::black);
                       for (int y = 20; y < 3300; y += 40) painter.fillRect(80, y, 16, 16, Qt::white);
                       painter.setBrush(Qt::black);
                       painter.drawPolygon(QPolygon({QPoint(2550, 3300), QPoint(1200, 3300), QPoint(2550, 3150)}));
                   },
                   false},
        ShadesCase{"ABlankPage", QImage::Format_Grayscale8,
                   [](QPainter& painter) { painter.fillRect(0, 0, 2550, 3300, Qt::white); }, false}),
    testing::NameOfCase());

std::map<QString, int> Words(const RecognizedText& text) {
    std::map<QString, int> words;
    for (const RecognizedWord& word : text.words) ++words[word.text];
    return words;
}

TEST(ReverseTextReadingTest, LightTextIsFoundAndDarkTextReadAsWhenBothAreLookedForEverywhere) {
    TextLanguages english = ChooseTextLanguages("eng", QLocale::c(), TextDataDirectory());
    ASSERT_EQ(english.problem, "") << "the project's set-up installs the English and orientation data";
    const std::map<QString, int> found = Words(RecognizeText(Page(QImage::Format_Grayscale8, WhiteOnBlack), english));
    for (const QString& word : QString(kReversed).split(' ')) EXPECT_EQ(found.count(word), 1u) << word.toStdString();

    const QImage plain = Page(QImage::Format_Grayscale8, [](QPainter&) {});
    const std::map<QString, int> darkOnly = Words(RecognizeText(plain, english));
    english.asTheEngineAlone = true;
    EXPECT_EQ(darkOnly, Words(RecognizeText(plain, english)));
}

}  // namespace
}  // namespace quillon
