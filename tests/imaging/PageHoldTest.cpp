// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/pipeline/PageHold.h"

#include "../common/TestPages.h"

#include <QDir>

#include <gtest/gtest.h>

namespace quillon {
namespace {

// Pages beyond the memory bound go to a file no name points at, and come
// back as they went, each once; the first page stays in memory whatever the bound.
TEST(PageHoldTest, PagesBeyondTheBoundComeBackFromAnUnnamedFile) {
    PageHold hold(1);
    std::vector<EncodedPage> pages;
    for (int n = 0; n < 3; ++n) {
        EncodedPage page;
        page.width = 100 + n;
        page.data = QByteArray(1000 + n, char('a' + n));
        page.pdf.text = "text of page " + QByteArray::number(n);
        page.pdf.textFonts = {n};
        page.quarterTurns = n;
        if (n == 2) page.page = testing::TextPage(QImage::Format_Mono, 3);
        pages.push_back(page);
        ASSERT_TRUE(hold.Add(page)) << hold.error().toStdString();
    }
    EXPECT_GT(hold.bytesInFile(), 0);
    EXPECT_EQ(hold.count(), 3);
    const QStringList named = QDir(QDir::tempPath()).entryList({"quillon-held-*"}, QDir::Files | QDir::Hidden);
    EXPECT_TRUE(named.isEmpty()) << named.join(' ').toStdString();
    for (int n : {2, 0, 1}) {
        const std::optional<EncodedPage> back = hold.Take(n);
        ASSERT_TRUE(back.has_value()) << n;
        EXPECT_EQ(back->width, pages[n].width);
        EXPECT_EQ(back->data, pages[n].data);
        EXPECT_EQ(back->pdf.text, pages[n].pdf.text);
        EXPECT_EQ(back->pdf.textFonts, pages[n].pdf.textFonts);
        EXPECT_EQ(back->quarterTurns, n);
        EXPECT_EQ(back->page, pages[n].page);
        EXPECT_FALSE(hold.Take(n).has_value()) << "taken twice: " << n;
    }
}

}  // namespace
}  // namespace quillon
