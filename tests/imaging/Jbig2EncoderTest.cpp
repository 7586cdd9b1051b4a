// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/TempDir.h"
#include "common/TestPages.h"
#include "scan/imaging/compact/CompactPage.h"
#include "scan/imaging/compact/Jbig2Encoder.h"
#include "scan/imaging/writers/PageEncoders.h"
#include "scan/imaging/pages/PageImage.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <gtest/gtest.h>

namespace quillon {
namespace {

using testing::RunTool;

struct BilevelCase {
    QString name;
    QImage page;  // Mono
};

QImage Filled(int width, int height, bool black) {
    QImage page(width, height, QImage::Format_Mono);
    page.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    page.fill(black ? 1 : 0);
    SetPageDpi(page, 300);
    return page;
}

QImage Noise(int width, int height, int blackShare) {
    QImage page = Filled(width, height, false);
    QRandomGenerator random(7);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (int(random.bounded(100)) < blackShare) page.setPixel(x, y, 1);
    return page;
}

// The masks the compact quality makes of the real scans, or the pages
// thresholded where it keeps them whole.
std::vector<BilevelCase> RealMasks() {
    std::vector<BilevelCase> masks;
    const QString folder = testing::ScansFolder();
    const QStringList names = folder.isEmpty() ? QStringList()
                                               : QDir(folder).entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
    for (const QString& name : names) {
        QImage page = AsPageFormat(QImage(folder + '/' + name));
        if (page.format() == QImage::Format_Mono) {
            masks.push_back({name, page});
            continue;
        }
        const CompactChoice choice = MakeCompactPage(page, std::max(150, PageDpi(page)));
        masks.push_back({name, choice.compact ? choice.page.mask
                                              : page.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither)});
    }
    return masks;
}

// Every page comes back from jbig2dec pixel for pixel, and is smaller than
// G4 on pages of text.
TEST(Jbig2EncoderTest, JbigDecodeGivesBackEveryPixel) {
    std::vector<BilevelCase> cases = {
        {"all white", Filled(2550, 3300, false)},
        {"all black", Filled(1001, 1303, true)},
        {"odd width, noise", Noise(1001, 67, 50)},
        {"one row", Noise(3001, 1, 30)},
        {"one pixel", Filled(1, 1, true)},
        {"sparse noise", Noise(517, 300, 2)},
        {"text", testing::TextPage(QImage::Format_Mono)},
    };
    for (BilevelCase& mask : RealMasks()) cases.push_back(std::move(mask));
    testing::TempDir temp;
    int smaller = 0, text = 0;
    for (const BilevelCase& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        const QByteArray stream = EncodeJbig2(c.page);
        QFile file(temp.File("page.jb2"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(stream) == stream.size());
        file.close();
        QFile::remove(temp.File("page.pbm"));
        RunTool("jbig2dec", {"-e", "-q", "-t", "pbm", "-o", temp.File("page.pbm"), temp.File("page.jb2")});
        const QImage decoded(temp.File("page.pbm"));
        ASSERT_EQ(decoded.size(), c.page.size());
        EXPECT_EQ(decoded.convertToFormat(QImage::Format_Grayscale8), c.page.convertToFormat(QImage::Format_Grayscale8));
        if (c.name.contains("noise") || c.page.width() < 1000) continue;
        QString why;
        const QByteArray g4 = EncodeG4(c.page, &why);
        ++text;
        smaller += stream.size() < g4.size();
        EXPECT_EQ(EncodeBilevel(c.page, &why).jbig2, stream.size() <= g4.size());
    }
    // Context coding wins on text; G4 may still win on a rare page.
    EXPECT_GE(smaller * 10, text * 9) << smaller << " of " << text;
}

}  // namespace
}  // namespace quillon
