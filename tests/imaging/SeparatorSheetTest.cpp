// SPDX-License-Identifier: GPL-3.0-or-later
// Separator sheets: every one found, whatever the resolution, colour mode
// and way up; no real page taken for one.
#include "scan/imaging/pages/PageImage.h"
#include "scan/imaging/pages/SeparatorSheet.h"

#include "../common/TestPages.h"

#include <QDirIterator>
#include <QImageReader>
#include <QPainter>

#include <gtest/gtest.h>

namespace quillon {
namespace {

enum class Code { PatchT, Qr };
enum class Way { Upright, UpsideDown, Askew };

// A printed sheet as a scanner returns it: one of its two codes (the other
// painted over), turned, at a resolution and in a colour mode.
QImage ScannedSheet(Code code, Way way, int dpi, QImage::Format format) {
    const QImage printed = DrawSeparatorSheet(8.5, 11, dpi).convertToFormat(QImage::Format_RGB888);
    const QRect qrCode(printed.width() / 2 - int(1.1 * dpi), printed.height() / 2 - int(1.1 * dpi), int(2.2 * dpi),
                       int(2.2 * dpi));
    QImage sheet = printed;
    if (code == Code::PatchT) {
        QPainter(&sheet).fillRect(qrCode, Qt::white);
    } else {
        sheet.fill(Qt::white);
        QPainter(&sheet).drawImage(qrCode.topLeft(), printed.copy(qrCode));
    }
    QImage turned(sheet.size(), QImage::Format_RGB888);
    turned.fill(Qt::white);
    {
        QPainter painter(&turned);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.translate(sheet.width() / 2.0, sheet.height() / 2.0);
        painter.rotate(way == Way::UpsideDown ? 180 : way == Way::Askew ? 2 : 0);
        painter.translate(-sheet.width() / 2.0, -sheet.height() / 2.0);
        painter.drawImage(0, 0, sheet);
    }
    QImage page = AsPageFormat(turned.convertToFormat(format == QImage::Format_Mono ? QImage::Format_Grayscale8 : format));
    if (format == QImage::Format_Mono) page = AsPageFormat(page.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither));
    SetPageDpi(page, dpi);
    return page;
}

TEST(SeparatorSheetTest, EverySheetIsFoundAtEveryResolutionModeAndWayUp) {
    struct Scan {
        int dpi;
        QImage::Format format;
    };
    const Scan kScans[] = {{150, QImage::Format_Grayscale8}, {200, QImage::Format_Mono},   {300, QImage::Format_RGB888},
                           {300, QImage::Format_Mono},       {400, QImage::Format_RGB888}, {600, QImage::Format_Mono},
                           {150, QImage::Format_RGB888}};
    int sheets = 0;
    for (const Code code : {Code::PatchT, Code::Qr})
        for (const Way way : {Way::Upright, Way::UpsideDown, Way::Askew})
            for (const Scan& scan : kScans) {
                SCOPED_TRACE(::testing::Message() << (code == Code::PatchT ? "Patch T" : "QR") << ", way " << int(way)
                                                  << ", " << scan.dpi << " dpi, format " << int(scan.format));
                EXPECT_TRUE(IsSeparatorSheet(ScannedSheet(code, way, scan.dpi, scan.format)));
                ++sheets;
            }
    EXPECT_GE(sheets, 40);
}

TEST(SeparatorSheetTest, ARealPatchTSheetIsFoundAndOrdinaryPagesAreNot) {
    const QImage patchT(QStringLiteral(QUILLON_SOURCE_DIR "/tests/data/scans/naps2_patcht_150dpi.png"));
    ASSERT_FALSE(patchT.isNull());
    EXPECT_TRUE(IsSeparatorSheet(AsPageFormat(patchT)));
    EXPECT_FALSE(IsSeparatorSheet(testing::TextPage(QImage::Format_Grayscale8)));
    EXPECT_FALSE(IsSeparatorSheet(testing::BlankPage(2550, 3300, QImage::Format_Mono)));

    // Every real page of the shared scans: the two Patch T sheets among them
    // (one on Letter, one on A4, faxed) are found, no other page is, the QR
    // page whose code says something else included.
    const QString folder = testing::ScansFolder();
    if (folder.isEmpty()) GTEST_SKIP() << "the real scans are not next to the source tree";
    int pages = 0;
    for (QDirIterator files(folder, {"*.png"}, QDir::Files, QDirIterator::Subdirectories); files.hasNext();) {
        const QString path = files.next();
        const QImage page = QImageReader(path).read();
        ASSERT_FALSE(page.isNull()) << path.toStdString();
        const bool separator = path.endsWith("naps2_patcht.png") || path.endsWith("paperless_fax_p2.png");
        EXPECT_EQ(IsSeparatorSheet(AsPageFormat(page)), separator) << path.toStdString();
        ++pages;
    }
    EXPECT_GT(pages, 30);
}

}  // namespace
}  // namespace quillon
