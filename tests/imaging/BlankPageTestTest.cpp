// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/pages/BlankPageTest.h"
#include "scan/imaging/pages/GreyLevels.h"
#include "scan/imaging/pages/PageImage.h"

#include "../common/TestPages.h"

#include <QFile>
#include <QPainter>
#include <QRandomGenerator>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <vector>

namespace quillon {
namespace {

using testing::BlankPage;

QImage LetterWhite(QImage::Format format = QImage::Format_Grayscale8) { return BlankPage(2550, 3300, format); }

void Paint(QImage& page, const std::function<void(QPainter&)>& draw) {
    QPainter painter(&page);
    draw(painter);
}

// Expected verdicts at 0.001 and 0.01 for every page of the real scans. Pages
// not named here are printed pages with plenty of ink: kept at both.
const std::map<QString, std::pair<bool, bool>> kNearlyEmptyPages{
    // blank pages: scanner edge, show-through, skewed-sheet wedges
    {"naps2_blank1.png", {true, true}},
    {"naps2_blank2.png", {true, true}},
    {"derived/pdfjs_scan-bad_lower.png", {true, true}},
    {"derived/paperless_fax_p1_lower.png", {true, true}},
    {"derived/paperless_fax_p3_lower.png", {true, true}},
    // little ink: kept at 0.001, left out at 0.01
    {"naps2_notblank.png", {false, true}},
    {"paperless_fax_p1.png", {false, true}},
    {"paperless_fax_p3.png", {false, true}},
    {"lept_lighttext.png", {false, true}},  // faint print
    {"lept_lion-page.00012.png", {false, true}},
    // one short word on the page: 0.0004 of it, below even the lowest threshold
    {"pdfjs_scan-bad.png", {true, true}},
};

TEST(BlankPageTest, EveryRealScanGetsItsVerdict) {
    const QString folder = testing::ScansFolder();
    if (folder.isEmpty()) GTEST_SKIP() << "the real scans are not next to the source tree";
    QFile labels(folder + "/labels.tsv");
    ASSERT_TRUE(labels.open(QIODevice::ReadOnly));
    labels.readLine();
    int pages = 0;
    while (!labels.atEnd()) {
        const QStringList fields = QString::fromUtf8(labels.readLine()).trimmed().split('\t');
        if (fields.size() < 10) continue;
        const QString name = fields[0];
        const bool labelledBlank = fields[1] == "yes";
        const double inkInside = fields[9].toDouble();
        const QImage page = AsPageFormat(QImage(folder + "/" + name));
        ASSERT_FALSE(page.isNull()) << name.toStdString();
        const double coverage = MeasureInk(page).coverage;
        SCOPED_TRACE(name.toStdString() + " coverage " + std::to_string(coverage));

        const auto expected = kNearlyEmptyPages.count(name) ? kNearlyEmptyPages.at(name) : std::pair{false, false};
        EXPECT_EQ(coverage < 0.001, expected.first);
        EXPECT_EQ(coverage < 0.01, expected.second);
        // What must hold whatever the table says.
        if (labelledBlank) EXPECT_LT(coverage, 0.001);
        if (!labelledBlank && inkInside > 0.002) EXPECT_GE(coverage, 0.001);
        ++pages;
    }
    EXPECT_EQ(pages, 42);
}

// A full line of 12-point print covers about 0.15 % of a Letter page; one
// short word covers far less and is left to the user's threshold.
TEST(BlankPageTest, ASingleLineOfTextIsInk) {
    for (const auto format : {QImage::Format_Grayscale8, QImage::Format_RGB888, QImage::Format_Mono}) {
        QImage page = LetterWhite(QImage::Format_RGB888);
        Paint(page, [](QPainter& p) {
            QFont font("DejaVu Sans");
            font.setPixelSize(50);  // 12 points at 300 dpi
            p.setFont(font);
            p.setPen(Qt::black);
            p.drawText(250, 1500, "Received with thanks: invoice 2026-118, paid in full on 3 December.");
        });
        page = AsPageFormat(page.convertToFormat(format));
        SetPageDpi(page, 300);
        const double coverage = MeasureInk(page).coverage;
        EXPECT_GT(coverage, 0.001) << "format " << format;
        EXPECT_LT(coverage, 0.003) << "format " << format;
    }
}

TEST(BlankPageTest, OneShortWordIsInkButLittle) {
    QImage page = LetterWhite();
    Paint(page, [](QPainter& p) {
        QFont font("DejaVu Sans");
        font.setPixelSize(50);
        p.setFont(font);
        p.setPen(Qt::black);
        p.drawText(1000, 1500, "Void");
    });
    const double coverage = MeasureInk(page).coverage;
    EXPECT_GT(coverage, 0.00005);
    EXPECT_LT(coverage, 0.001);
}

TEST(BlankPageTest, LightPencilIsInk) {
    QImage page = LetterWhite();
    Paint(page, [](QPainter& p) {
        p.setPen(QPen(QColor(175, 175, 175), 4));
        for (int y = 600; y < 2600; y += 400) p.drawLine(300, y, 2250, y + 30);
    });
    EXPECT_FALSE(IsBlankPage(page, 0.001)) << MeasureInk(page).coverage;
}

TEST(BlankPageTest, DustSpecksAreNoInk) {
    QImage page = LetterWhite();
    QRandomGenerator random(11);
    Paint(page, [&](QPainter& p) {
        for (int i = 0; i < 300; ++i)
            p.fillRect(random.bounded(2550), random.bounded(3300), 2 + random.bounded(2), 2 + random.bounded(2), Qt::black);
    });
    EXPECT_TRUE(IsBlankPage(page, 0.001)) << MeasureInk(page).coverage;
}

TEST(BlankPageTest, DarkBandsInsideThePageAreInkOnlyThoseAtItsBordersAreEdges) {
    struct Band {
        const char* name;
        QRect rect;
        bool blank;
    };
    // 30 % of the page's height, dark across its whole width.
    for (const Band& band : {Band{"table header inside the page", QRect(0, 1200, 2550, 990), false},
                             Band{"photograph with white margins", QRect(120, 1200, 2310, 990), false},
                             Band{"scanner background along the top", QRect(0, 0, 2550, 990), true},
                             Band{"scanner background along the bottom", QRect(0, 2310, 2550, 990), true}}) {
        QImage page = LetterWhite();
        Paint(page, [&](QPainter& p) { p.fillRect(band.rect, QColor(20, 20, 20)); });
        EXPECT_EQ(IsBlankPage(page, 0.001), band.blank) << band.name << ": " << MeasureInk(page).coverage;
    }
}

TEST(BlankPageTest, ScannerEdgesAndSkewWedgesAreNoInk) {
    QImage page = LetterWhite();
    Paint(page, [](QPainter& p) {
        p.fillRect(0, 0, 2550, 45, Qt::black);       // the scanner's edge along the top
        p.fillRect(0, 0, 40, 3300, QColor(30, 30, 30));  // and down the left
        // The dark corner left by a sheet skewed three degrees, reaching far past any band.
        p.setBrush(Qt::black);
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygon({QPoint(2550, 0), QPoint(2550, 180), QPoint(0, 0)}));
        p.drawPolygon(QPolygon({QPoint(0, 3300), QPoint(2550, 3300), QPoint(0, 3120)}));
    });
    EXPECT_TRUE(IsBlankPage(page, 0.001)) << MeasureInk(page).coverage;
}

TEST(BlankPageTest, ShowThroughAndTintedPaperAreNoInk) {
    QImage showThrough = LetterWhite();
    Paint(showThrough, [](QPainter& p) {
        for (int y = 500; y < 2800; y += 70) p.fillRect(300, y, 1900, 30, QColor(220, 220, 220));
    });
    EXPECT_TRUE(IsBlankPage(showThrough, 0.001)) << MeasureInk(showThrough).coverage;

    QImage tinted = LetterWhite(QImage::Format_RGB888);
    tinted.fill(QColor(200, 180, 140));
    SetPageDpi(tinted, 300);
    EXPECT_TRUE(IsBlankPage(tinted, 0.001)) << MeasureInk(tinted).coverage;
    Paint(tinted, [](QPainter& p) {
        QFont font("DejaVu Sans");
        font.setPixelSize(40);
        p.setFont(font);
        p.setPen(QColor(60, 50, 40));
        p.drawText(400, 1500, "A line of brown ink on old paper, written long ago.");
    });
    EXPECT_FALSE(IsBlankPage(tinted, 0.001)) << MeasureInk(tinted).coverage;
}

TEST(BlankPageTest, ADarkPageIsNeverBlank) {
    QImage page = LetterWhite();
    page.fill(QColor(15, 15, 15));
    EXPECT_FALSE(IsBlankPage(page, 0.05));
    QImage photo = LetterWhite(QImage::Format_RGB888);
    photo.fill(QColor(40, 70, 30));
    EXPECT_FALSE(IsBlankPage(photo, 0.05));
}

TEST(BlankPageTest, TinyPagesAreMeasuredWhole) {
    QImage dot = BlankPage(1, 1, QImage::Format_Grayscale8);
    EXPECT_TRUE(IsBlankPage(dot, 0.001));
    dot.fill(Qt::black);
    EXPECT_FALSE(IsBlankPage(dot, 0.001));
    const QImage strip = BlankPage(1, 20000, QImage::Format_Mono);
    EXPECT_TRUE(IsBlankPage(strip, 0.001));
    EXPECT_TRUE(IsBlankPage(QImage(), 0.001));
}

// Black and white is counted a word at a time; the same page in grey is
// counted sample by sample, and both must measure alike.
TEST(BlankPageTest, BlackAndWhiteMeasuresAsTheSamePageInGrey) {
    struct Case {
        const char* name;
        QSize size;
        int dpi;
        std::function<void(QPainter&)> draw;
    };
    QRandomGenerator random(5);
    const std::vector<Case> cases{
        {"text-like specks", {2550, 3300}, 300,
         [&](QPainter& p) {
             for (int i = 0; i < 4000; ++i) p.fillRect(random.bounded(2550), random.bounded(3300), 3, 5, Qt::black);
         }},
        {"edges and a wedge", {2549, 3301}, 300,
         [](QPainter& p) {
             p.fillRect(0, 0, 2549, 45, Qt::black);
             p.fillRect(0, 0, 40, 3301, Qt::black);
             p.fillRect(2500, 0, 49, 3301, Qt::black);
             p.setBrush(Qt::black);
             p.drawPolygon(QPolygon({QPoint(2549, 0), QPoint(2549, 180), QPoint(0, 0)}));
         }},
        {"dark band inside", {1700, 2200}, 200, [](QPainter& p) { p.fillRect(0, 800, 1700, 600, Qt::black); }},
        {"dark band at the bottom", {1275, 1650}, 150, [](QPainter& p) { p.fillRect(0, 1000, 1275, 650, Qt::black); }},
        {"all black", {601, 77}, 600, [](QPainter& p) { p.fillRect(0, 0, 601, 77, Qt::black); }},
        {"narrow", {7, 900}, 300, [](QPainter& p) { p.fillRect(0, 300, 3, 200, Qt::black); }},
    };
    for (const Case& c : cases) {
        QImage grey = BlankPage(c.size.width(), c.size.height(), QImage::Format_Grayscale8);
        Paint(grey, c.draw);
        QImage mono = grey.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
        QImage swapped = mono;  // the other colour table: 1 as white
        swapped.invertPixels();
        swapped.setColorTable({mono.color(1), mono.color(0)});
        for (QImage* page : {&grey, &mono, &swapped}) SetPageDpi(*page, c.dpi);
        const InkMeasurement expected = MeasureInk(grey);
        for (const QImage* page : {&mono, &swapped}) {
            const InkMeasurement measured = MeasureInk(*page);
            EXPECT_EQ(measured.coverage, expected.coverage) << c.name;
            EXPECT_EQ(measured.paperLevel, expected.paperLevel) << c.name;
        }
    }
}

// Colour rows are sampled several pixels at a time: every step, every length of
// row and every start gives the values pixel by pixel, and reads nothing past
// the row (a row of its own size, which the address checker watches).
TEST(BlankPageTest, ColourSamplesAreEachPixelsLuminance) {
    QRandomGenerator random(9);
    for (const int width : {1, 16, 17, 18, 33, 40, 2550}) {
        std::vector<std::uint8_t> row(static_cast<std::size_t>(3 * width));
        for (auto& byte : row) byte = static_cast<std::uint8_t>(random.bounded(256));
        for (const int step : {1, 2, 3, 4})
            for (const int first : {0, 1, 5}) {
                if (first >= width) continue;
                const int count = (width - first + step - 1) / step;
                std::vector<std::uint8_t> samples(static_cast<std::size_t>(count));
                SampleLuminance(row.data() + 3 * first, step, count, samples.data());
                for (int i = 0; i < count; ++i)
                    ASSERT_EQ(samples[i], Luminance(row.data() + 3 * (first + i * step)))
                        << "width " << width << ", step " << step << ", from " << first << ", sample " << i;
            }
    }
}

}  // namespace
}  // namespace quillon
