// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/compact/LetterHeight.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace quillon {
namespace {

// Marks of known sizes on a 300 dpi page: the median of those that could be
// letters, specks and rules left out, marks that touch at a corner counted once.
TEST(LetterHeightTest, MedianOfTheMarksThatCouldBeLetters) {
    QImage page(2550, 600, QImage::Format_Mono);
    page.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    page.fill(0);
    {
        QPainter painter(&page);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        for (int i = 0; i < 60; ++i) painter.drawRect(20 + 40 * i, 20, 8, 11);   // x-height letters
        for (int i = 0; i < 40; ++i) painter.drawRect(20 + 40 * i, 100, 8, 30);  // capitals
        // Two halves of a letter that touch only at a corner: one mark 11 high.
        for (int i = 0; i < 30; ++i) {
            painter.drawRect(20 + 40 * i, 200, 5, 5);
            painter.drawRect(25 + 40 * i, 205, 5, 6);
        }
        for (int i = 0; i < 200; ++i) painter.drawRect(20 + 12 * i, 300, 1, 1);  // specks
        painter.drawRect(0, 400, 2550, 4);    // a rule across the page
        painter.drawRect(100, 450, 2, 140);   // a vertical line, taller than a letter
    }
    int count = 0;
    EXPECT_EQ(MedianLetterHeight(page, 300, &count), 11);
    EXPECT_EQ(count, 130);
    // The other colour table: 0 as black.
    QImage swapped = page;
    swapped.invertPixels();
    swapped.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    EXPECT_EQ(MedianLetterHeight(swapped, 300), 11);

    QImage empty(300, 300, QImage::Format_Mono);
    empty.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    empty.fill(0);
    EXPECT_EQ(MedianLetterHeight(empty, 300, &count), 0);
    EXPECT_EQ(count, 0);
}

}  // namespace
}  // namespace quillon
