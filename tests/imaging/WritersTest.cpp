// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/ScannerErrors.h"
#include "scan/ScanDocument.h"
#include "scan/imaging/pages/PageImage.h"
#include "scan/imaging/writers/PdfWriter.h"
#include "scan/imaging/text/TextLanguages.h"
#include "scan/imaging/text/TextRecognizer.h"

#include "../common/QtPrinters.h"
#include "../common/TempDir.h"
#include "../common/NamedCases.h"
#include "../common/TestPages.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <gtest/gtest.h>
#include <tiffio.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <map>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quillon {
namespace {

using testing::RunTool;

QStringList FilesIn(const QString& folder) { return QDir(folder).entryList(QDir::Files | QDir::Hidden); }

// Pixels of one TIFF directory, read by libtiff itself.
QImage ReadTiffPage(const QString& path, int directory) {
    TIFF* tiff = TIFFOpen(QFile::encodeName(path).constData(), "r");
    if (!tiff) return {};
    QImage page;
    if (TIFFSetDirectory(tiff, static_cast<tdir_t>(directory))) {
        uint32_t width = 0, height = 0;
        TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
        TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
        QImage rgba(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGBA8888);
        if (TIFFReadRGBAImageOriented(tiff, width, height, reinterpret_cast<uint32_t*>(rgba.bits()), ORIENTATION_TOPLEFT, 0))
            page = rgba;
    }
    TIFFClose(tiff);
    return page;
}

class WriterRoundTripTest : public ::testing::TestWithParam<testing::PageFormat> {
protected:
    // Writes three pages through the session: the text page, a blank one, the text page again.
    QString WriteDocument(const QString& name, int quality) {
        const QString path = temp.File(name);
        session.SetJpegQuality(quality);
        EXPECT_EQ(session.BeginDocument(path), 0);
        for (const QImage& page : {source, testing::BlankPage(2550, 3300, GetParam().format), source}) {
            const ImageHandle image = session.Adopt(page, PageDpi(page));
            EXPECT_EQ(session.WritePage(image), 0);
            session.Free(image);
        }
        EXPECT_EQ(session.EndDocument(), 0) << session.lastErrorText().toStdString();
        EXPECT_EQ(session.lastCompletedFile(), path);
        EXPECT_EQ(FilesIn(temp.path()), QStringList{name});  // no temporary file left
        return path;
    }

    testing::TempDir temp;
    ScanDocument session;
    const QImage source = testing::TextPage(GetParam().format);
};

TEST_P(WriterRoundTripTest, PdfPassesQpdfAndRendersLikeTheSource) {
    const QString pdf = WriteDocument("scan.pdf", 90);
    EXPECT_TRUE(RunTool("qpdf", {"--check", pdf}).contains("No syntax or stream encoding errors found"));
    const QString info = RunTool("pdfinfo", {pdf});
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+3\\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Page size: +612 x 792 pts \\(letter\\)"))) << info.toStdString();

    RunTool("pdftoppm", {"-r", "300", "-gray", "-aa", "no", "-aaVector", "no", "-f", "1", "-l", "1", pdf, temp.File("render")});
    const QImage render(temp.File("render-1.pgm"));
    ASSERT_EQ(render.size(), source.size());
    if (GetParam().format == QImage::Format_Mono) {
        // G4 is lossless: the image as poppler decodes it is the page, pixel for pixel.
        RunTool("pdfimages", {"-png", "-f", "1", "-l", "1", pdf, temp.File("image")});
        EXPECT_EQ(QImage(temp.File("image-000.png")).convertToFormat(QImage::Format_Grayscale8),
                  source.convertToFormat(QImage::Format_Grayscale8));
        EXPECT_LT(testing::MeanGreyDifference(render, source), 5.0);  // edges of strokes fall a pixel apart
    } else {
        EXPECT_LT(testing::MeanGreyDifference(render, source), 3.0);  // JPEG at quality 90 stays close
    }
}

TEST_P(WriterRoundTripTest, TiffHasEveryPageWithItsCompressionAndResolution) {
    for (const int quality : {75, 100}) {
        const QString tiff = WriteDocument(QStringLiteral("scan-%1.tiff").arg(quality), quality);
        const QString info = RunTool("tiffinfo", {tiff});
        EXPECT_EQ(info.count("TIFF Directory at offset"), 3);
        EXPECT_EQ(info.count("Resolution: 300, 300 pixels/inch"), 3) << info.toStdString();
        const char* compression = GetParam().format == QImage::Format_Mono ? "CCITT Group 4"
                                  : quality == 100                 ? "LZW"
                                                                   : "JPEG";
        EXPECT_EQ(info.count(QString("Compression Scheme: ") + compression), 3) << info.toStdString();
        const QImage first = ReadTiffPage(tiff, 0);
        ASSERT_EQ(first.size(), source.size());
        const double limit = GetParam().format == QImage::Format_Mono || quality == 100 ? 0.01 : 3.0;
        EXPECT_LT(testing::MeanGreyDifference(first, source), limit);
        EXPECT_LT(testing::MeanGreyDifference(ReadTiffPage(tiff, 2), source), limit);
        QFile::remove(tiff);
    }
}

TEST_P(WriterRoundTripTest, JpegAndPngHoldTheOnePageWithItsResolution) {
    for (const char* name : {"page.jpg", "page.JPEG", "page.png"}) {
        const QString path = temp.File(name);
        const ImageHandle image = session.Adopt(source, 300);
        ASSERT_EQ(session.WriteSingleFile(path, image), 0) << session.lastErrorText().toStdString();
        const QImage back(path);
        ASSERT_EQ(back.size(), source.size()) << name;
        EXPECT_EQ(PageDpi(back), 300) << name;
        const bool lossless = QString(name).endsWith(".png");
        if (lossless)
            EXPECT_EQ(back.convertToFormat(QImage::Format_RGB888), source.convertToFormat(QImage::Format_RGB888));
        else
            EXPECT_LT(testing::MeanGreyDifference(back, source), 4.0) << name;
        EXPECT_EQ(QImageReader(path).format(), lossless ? "png" : "jpeg");
    }
}

INSTANTIATE_TEST_SUITE_P(ColourModes, WriterRoundTripTest, ::testing::ValuesIn(testing::kPageFormats),
                         testing::NameOfCase());

class WriterFailureTest : public ::testing::Test {
protected:
    void WriteOld(const QString& path) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("the old document");
    }
    QByteArray Contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    ImageHandle Page(QImage::Format format = QImage::Format_Grayscale8) { return session.Adopt(testing::TextPage(format, 5), 300); }

    testing::TempDir temp;
    ScanDocument session;
};

TEST_F(WriterFailureTest, AFolderThatDoesNotExistOrAFolderAsThePathFailsClearly) {
    EXPECT_NE(session.WriteSingleFile(temp.File("missing/scan.jpg"), Page()), 0);
    EXPECT_EQ(session.lastErrorCode(), kScannerErrorWriteFailed);
    EXPECT_TRUE(session.lastErrorText().contains("does not exist")) << session.lastErrorText().toStdString();

    session.Reset();
    QDir().mkpath(temp.File("folder.pdf"));
    EXPECT_NE(session.BeginDocument(temp.File("folder.pdf")), 0);
    EXPECT_TRUE(session.lastErrorText().contains("is a folder")) << session.lastErrorText().toStdString();
    EXPECT_TRUE(QFileInfo(temp.File("folder.pdf")).isDir());
}

TEST_F(WriterFailureTest, AFolderWithoutWritePermissionFailsClearly) {
    // Root may write anywhere it has permission bits for, but not into /proc.
    QString folder = "/proc";
    if (geteuid() != 0) {
        folder = temp.File("locked");
        QDir().mkpath(folder);
        ::chmod(QFile::encodeName(folder).constData(), 0555);
    }
    EXPECT_NE(session.WriteSingleFile(folder + "/scan.png", Page()), 0);
    EXPECT_EQ(session.lastErrorCode(), kScannerErrorWriteFailed);
    EXPECT_TRUE(session.lastErrorText().startsWith("The file could not be written. Cannot write in"))
        << session.lastErrorText().toStdString();
}

// A file-size limit (ulimit -f) stands for a full disk: the writes beyond it
// fail. The library ignores SIGXFSZ itself, or the limit would end the process.
struct FullDiskCase {
    const char* name;
    const char* file;
    bool document;  // written page by page, or as one image
    friend void PrintTo(const FullDiskCase& c, std::ostream* out) { *out << c.name; }
};

class FullDiskTest : public WriterFailureTest, public ::testing::WithParamInterface<FullDiskCase> {};

TEST_P(FullDiskTest, SaysWhyPlainlyAndLeavesNoPartialFileAndTheOldFileUntouched) {
    const QString path = temp.File(GetParam().file);
    WriteOld(path);
    session.SetJpegQuality(100);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit limit = saved;
    limit.rlim_cur = 20 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    int failures = 0;
    if (GetParam().document) {
        failures += session.BeginDocument(path) != 0;
        for (int i = 0; i < 3; ++i) failures += session.WritePage(Page(QImage::Format_RGB888)) != 0;
        failures += session.EndDocument() != 0;
    } else {
        failures += session.WriteSingleFile(path, Page(QImage::Format_RGB888)) != 0;
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_GT(failures, 0);
    EXPECT_EQ(session.lastErrorCode(), kScannerErrorWriteFailed);
    EXPECT_EQ(session.lastErrorText(), "The file could not be written. File too large.");
    EXPECT_EQ(Contents(path), "the old document");
    EXPECT_EQ(FilesIn(temp.path()), QStringList{GetParam().file});
}

INSTANTIATE_TEST_SUITE_P(Formats, FullDiskTest,
                         ::testing::Values(FullDiskCase{"Pdf", "scan.pdf", true}, FullDiskCase{"Tiff", "scan.tiff", true},
                                           FullDiskCase{"Jpeg", "scan.jpg", false}, FullDiskCase{"Png", "scan.png", false}),
                         testing::NameOfCase());

TEST_F(WriterFailureTest, AProgramKilledWhileWritingLeavesNothingBehind) {
    const int probe = ::open(QFile::encodeName(temp.path()).constData(), O_TMPFILE | O_RDWR, 0600);
    if (probe < 0) GTEST_SKIP() << "this file system has no unnamed files: " << std::strerror(errno);
    ::close(probe);
    const QString pdf = temp.File("scan.pdf");
    // Drawn before the fork: Qt paints large areas on its thread pool, whose
    // threads a forked child does not have.
    const QImage page = testing::TextPage(QImage::Format_Grayscale8, 5);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ScanDocument writing;
        if (writing.BeginDocument(pdf) != 0 || writing.WritePage(writing.Adopt(page, 300)) != 0) _exit(1);
        // The document is half written; nothing of it may be seen yet.
        _exit(FilesIn(temp.path()).isEmpty() ? 0 : 2);  // then dies, as kill -9 would end it
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_TRUE(FilesIn(temp.path()).isEmpty());
}

TEST_F(WriterFailureTest, NamesUpToTheSystemsLimitAndPermissionsOfAReplacedFileAreKept) {
    // A name of 255 bytes, the most a file system allows.
    const QString longName = QString(251, QLatin1Char('a')) + ".pdf";
    ASSERT_EQ(session.WriteSingleFile(temp.File(longName), Page()), 0) << session.lastErrorText().toStdString();
    EXPECT_EQ(FilesIn(temp.path()), QStringList{longName});

    // A private document stays private when it is scanned over; a new one
    // gets the usual bits.
    const QString privateFile = temp.File("private.pdf");
    WriteOld(privateFile);
    ::chmod(QFile::encodeName(privateFile).constData(), 0600);
    const mode_t savedMask = ::umask(022);
    ASSERT_EQ(session.WriteSingleFile(privateFile, Page()), 0);
    ASSERT_EQ(session.WriteSingleFile(temp.File("new.pdf"), Page()), 0);
    ::umask(savedMask);
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(privateFile).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0600u);
    ASSERT_EQ(::stat(QFile::encodeName(temp.File("new.pdf")).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0644u);
}

TEST_F(WriterFailureTest, DiscardingAnOpenDocumentLeavesTheOldFile) {
    const QString pdf = temp.File("scan.pdf");
    WriteOld(pdf);
    ASSERT_EQ(session.BeginDocument(pdf), 0);
    ASSERT_EQ(session.WritePage(Page()), 0);
    session.Discard();
    EXPECT_EQ(Contents(pdf), "the old document");
    EXPECT_EQ(FilesIn(temp.path()), QStringList{"scan.pdf"});
}

TEST_F(WriterFailureTest, ADocumentWithNoPageIsNotCreated) {
    const QString tiff = temp.File("empty.tif");
    ASSERT_EQ(session.BeginDocument(tiff), 0);
    EXPECT_NE(session.EndDocument(), 0);
    EXPECT_EQ(session.lastErrorCode(), kScannerErrorNothingWritten);
    EXPECT_EQ(session.lastErrorText(), "No page was scanned, so no file was written.");
    EXPECT_TRUE(FilesIn(temp.path()).isEmpty());
    EXPECT_TRUE(session.lastCompletedFile().isEmpty());
}

TEST_F(WriterFailureTest, OnlyKnownExtensionsAreWritten) {
    EXPECT_NE(session.WriteSingleFile(temp.File("scan.docx"), Page()), 0);
    EXPECT_EQ(session.lastErrorCode(), kScannerErrorBadFileType);
    session.Reset();
    EXPECT_NE(session.BeginDocument(temp.File("scan.jpg")), 0);
    EXPECT_EQ(session.lastErrorCode(), kScannerErrorBadFileType);
    EXPECT_TRUE(FilesIn(temp.path()).isEmpty());
}

TEST_F(WriterFailureTest, ExtremeShapesNoResolutionAndOddQualitiesStillWrite) {
    session.SetJpegQuality(0);
    EXPECT_EQ(session.jpegQuality(), 1);
    session.SetJpegQuality(150);
    EXPECT_EQ(session.jpegQuality(), 100);
    session.SetJpegQuality(50);

    QImage noResolution(1000, 400, QImage::Format_Grayscale8);
    noResolution.fill(200);
    const QImage dot = testing::BlankPage(1, 1, QImage::Format_Grayscale8);
    const QImage strip = testing::BlankPage(1, 20000, QImage::Format_Mono);
    const QImage colourStrip = testing::BlankPage(20000, 1, QImage::Format_RGB888);
    for (const char* name : {"odd.pdf", "odd.tiff"}) {
        const QString path = temp.File(name);
        ASSERT_EQ(session.BeginDocument(path), 0);
        EXPECT_EQ(session.WritePage(session.Adopt(noResolution, 0)), 0) << name;  // the device told none
        for (const QImage& page : {dot, strip, colourStrip})
            EXPECT_EQ(session.WritePage(session.Adopt(page, PageDpi(page))), 0) << name;
        ASSERT_EQ(session.EndDocument(), 0) << name << session.lastErrorText().toStdString();
    }
    const QString info = RunTool("pdfinfo", {"-f", "1", "-l", "4", temp.File("odd.pdf")});
    EXPECT_TRUE(info.contains(QRegularExpression("Page +1 size: +360 x 144 pts"))) << info.toStdString();  // 200 dpi
    EXPECT_TRUE(RunTool("qpdf", {"--check", temp.File("odd.pdf")}).contains("No syntax or stream encoding errors"));
    EXPECT_EQ(RunTool("tiffinfo", {temp.File("odd.tiff")}).count("TIFF Directory at offset"), 4);
    for (const char* name : {"dot.png", "dot.jpg"}) EXPECT_EQ(session.WriteSingleFile(temp.File(name), session.Adopt(dot, 300)), 0);
    EXPECT_EQ(QImage(temp.File("dot.jpg")).size(), QSize(1, 1));

    // The same shapes, a black page and an odd width, as compact pages.
    QImage black = testing::BlankPage(1001, 1303, QImage::Format_Grayscale8);
    black.fill(0);
    const QImage oddWidth = testing::TextPage(QImage::Format_Grayscale8).copy(0, 0, 2549, 3300);
    session.SetCompactPages(true);
    ASSERT_EQ(session.BeginDocument(temp.File("compact.pdf")), 0);
    EXPECT_EQ(session.WritePage(session.Adopt(noResolution, 0)), 0);
    for (const QImage& page : {dot, strip, colourStrip, black, oddWidth})
        EXPECT_EQ(session.WritePage(session.Adopt(page, PageDpi(page))), 0);
    ASSERT_EQ(session.EndDocument(), 0) << session.lastErrorText().toStdString();
    EXPECT_TRUE(RunTool("qpdf", {"--check", temp.File("compact.pdf")}).contains("No syntax or stream encoding errors"));
    EXPECT_TRUE(RunTool("pdfinfo", {temp.File("compact.pdf")}).contains(QRegularExpression("Pages:\\s+6\\n")));
    // Ghostscript and MuPDF draw it without a complaint (MuPDF may say it was
    // built without colour management, which is about itself).
    EXPECT_EQ(RunTool("gs", {"-q", "-dNOPAUSE", "-dBATCH", "-sDEVICE=nullpage", temp.File("compact.pdf")}), "");
    EXPECT_EQ(RunTool("mutool", {"draw", "-q", "-F", "pgm", "-o", "/dev/null", temp.File("compact.pdf")})
                  .remove("warning: ICC support is not available")
                  .trimmed(),
              "");
    const QStringList notes = session.TakePageNotes();
    ASSERT_EQ(notes.size(), 6);
    EXPECT_TRUE(notes[2].contains(QRegularExpression("^page 3: (JBIG2|G4) \\(black and white\\)"))) << notes[2].toStdString();
    EXPECT_TRUE(notes[4].startsWith("page 5: JPEG (mostly picture)")) << notes[4].toStdString();
    EXPECT_TRUE(notes[5].startsWith("page 6: compact")) << notes[5].toStdString();
}

TEST_F(WriterFailureTest, AFinishedFileHasTheUsualMode) {
    const mode_t saved = ::umask(027);
    const QString path = temp.File("mode.pdf");
    EXPECT_EQ(session.WriteSingleFile(path, Page()), 0);
    ::umask(saved);
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
}

// A stack scanned one side at a time: three fronts, then two backs (the
// last sheet's first). The pages are told apart by their widths; the file
// lists them interleaved, or the fronts alone, and stays valid.
TEST(SheetOrderTest, TheWritersListThePagesAsTheSheetsWere) {
    struct Order {
        const char* file;
        int backs;  // kBackSides...
        std::vector<int> widths;
        int height = 50;  // lossless pages of 3000 rows make a BigTIFF
    };
    const Order kOrders[] = {
        {"sides.pdf", kBackSidesFromLastSheet, {100, 200, 500, 300, 400}},
        {"sides.tiff", kBackSidesFromLastSheet, {100, 200, 500, 300, 400}},
        {"fronts.pdf", kBackSidesLeftOut, {100, 200, 300}},
        {"fronts.tiff", kBackSidesLeftOut, {100, 200, 300}},
        {"first.tiff", kBackSidesFromFirstSheet, {100, 500, 200, 400, 300}},
        {"big.tiff", kBackSidesFromLastSheet, {100, 200, 500, 300, 400}, 3000},
    };
    testing::TempDir temp;
    for (const Order& order : kOrders) {
        SCOPED_TRACE(order.file);
        ScanDocument session;
        const bool big = order.height > 50;
        session.SetJpegQuality(big ? 100 : 75);
        const QString path = temp.File(order.file);
        ASSERT_EQ(session.BeginDocument(path), 0);
        for (const int width : {100, 200, 300, 0, 400, 500}) {
            if (width == 0) {
                session.BeginBackSides();
                continue;
            }
            // A big page is wide enough for BigTIFF and still told apart by its width.
            const QImage page = testing::BlankPage(big ? 2800 + width : width, order.height, QImage::Format_Grayscale8);
            const ImageHandle image = session.Adopt(page, 72);
            EXPECT_EQ(session.WritePage(image), 0);
            session.Free(image);
        }
        session.SetBackSides(order.backs == kBackSidesLeftOut        ? BackSides::LeftOut
                             : order.backs == kBackSidesFromLastSheet ? BackSides::FromLastSheet
                                                                      : BackSides::FromFirstSheet);
        ASSERT_EQ(session.EndDocument(), 0) << session.lastErrorText().toStdString();
        std::vector<int> widths;
        if (path.endsWith(".pdf")) {
            EXPECT_TRUE(RunTool("qpdf", {"--check", path}).contains("No syntax or stream encoding errors"));
            const QString sizes = RunTool("pdfinfo", {"-f", "1", "-l", "9", path});
            static const QRegularExpression size(QStringLiteral("Page +\\d+ size: +(\\d+)"));
            for (auto match = size.globalMatch(sizes); match.hasNext();) widths.push_back(match.next().captured(1).toInt());
        } else {
            for (int directory = 0;; ++directory) {
                const QImage page = ReadTiffPage(path, directory);
                if (page.isNull()) break;
                widths.push_back(big ? page.width() - 2800 : page.width());
            }
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(file.read(4).at(2), big ? 43 : 42);  // BigTIFF, or the classic kind
            EXPECT_TRUE(RunTool("tiffinfo", {path}).contains(QStringLiteral("Page Number: 1-%1").arg(widths.size())));
        }
        EXPECT_EQ(widths, order.widths);
    }
}

enum class Becomes { Compact, SameJpeg, EvenedJpeg };

struct CompactCase {
    const char* name;
    QImage page;
    Becomes becomes;
    const char* why;  // what the scanner's log says of it
};

// The share of the words read on the first page that are read on the second.
double WordRecall(const QImage& original, const QImage& rendered) {
    const TextLanguages english = ChooseTextLanguages("eng", QLocale::c(), TextDataDirectory());
    std::map<QString, int> left;
    int total = 0, found = 0;
    for (const RecognizedWord& word : RecognizeText(original, english).words) ++left[word.text], ++total;
    for (const RecognizedWord& word : RecognizeText(rendered, english).words) found += left[word.text]-- > 0;
    return total > 0 ? double(found) / total : 0;
}

QImage Lightened(QImage page, double inkShare) {
    for (int y = 0; y < page.height(); ++y) {
        uchar* row = page.scanLine(y);
        for (int x = 0; x < page.width(); ++x) row[x] = static_cast<uchar>(255 - (255 - row[x]) * inkShare);
    }
    return page;
}

QImage Photo() {
    QImage page(2550, 3300, QImage::Format_Grayscale8);
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            page.scanLine(y)[x] = static_cast<uchar>(128 + 100 * std::sin(x / 90.0) * std::cos(y / 130.0));
    SetPageDpi(page, 300);
    return page;
}

// The compact quality: pages of text become a G4 stencil over a small JPEG,
// several times smaller, and render back close to the page; pages it would
// not serve stay as JPEG.
TEST(PdfWriterTest, CompactPagesAreSmallAndFaithfulOrKeptAsJpeg) {
    QImage lowResolution = testing::TextPage(QImage::Format_Grayscale8).scaled(850, 1100, Qt::IgnoreAspectRatio,
                                                                                 Qt::SmoothTransformation);
    SetPageDpi(lowResolution, 100);
    // The same text at half the size, with a scan's grain: letters too few
    // pixels high for a mask.
    QImage smallPrint = testing::TextPage(QImage::Format_Grayscale8).scaled(1275, 1650, Qt::IgnoreAspectRatio,
                                                                              Qt::SmoothTransformation);
    QRandomGenerator grain(3);
    for (int y = 0; y < smallPrint.height(); ++y) {
        uchar* row = smallPrint.scanLine(y);
        for (int x = 0; x < smallPrint.width(); ++x) row[x] = static_cast<uchar>(std::clamp(row[x] - 20 + grain.bounded(25), 0, 255));
    }
    SetPageDpi(smallPrint, 300);
    const CompactCase cases[] = {
        {"grey text", testing::TextPage(QImage::Format_Grayscale8), Becomes::Compact, "text mask"},
        {"colour text", testing::TextPage(QImage::Format_RGB888), Becomes::Compact, "coloured ink"},
        {"faint text", Lightened(testing::TextPage(QImage::Format_Grayscale8), 0.3), Becomes::SameJpeg, "faint"},
        {"100 dpi", lowResolution, Becomes::SameJpeg, "below 150 dpi"},
        // Kept as JPEG with its paper evened out: smaller, every word still read.
        {"small print", smallPrint, Becomes::EvenedJpeg, "; paper evened out"},
        {"photograph", Photo(), Becomes::SameJpeg, "mostly picture"},
    };
    testing::TempDir temp;
    for (const CompactCase& c : cases) {
        SCOPED_TRACE(c.name);
        QList<qint64> sizes;
        for (const bool compact : {false, true}) {
            ScanDocument session;
            session.SetJpegQuality(75);
            session.SetCompactPages(compact);
            const QString path = temp.File(compact ? "compact.pdf" : "jpeg.pdf");
            ASSERT_EQ(session.BeginDocument(path), 0);
            const ImageHandle image = session.Adopt(c.page, PageDpi(c.page));
            ASSERT_EQ(session.WritePage(image), 0);
            session.Free(image);
            ASSERT_EQ(session.EndDocument(), 0) << session.lastErrorText().toStdString();
            EXPECT_TRUE(RunTool("qpdf", {"--check", path}).contains("No syntax or stream encoding errors found"));
            // What the page became is told for the scanner's log.
            const QStringList notes = session.TakePageNotes();
            if (compact) {
                const bool compactPage = c.becomes == Becomes::Compact;
                EXPECT_TRUE(notes.size() == 1 && notes[0].startsWith(compactPage ? "page 1: compact (" : "page 1: JPEG (") &&
                            notes[0].contains(c.why))
                    << notes.join(' ').toStdString();
            }
            sizes.append(QFileInfo(path).size());
        }
        const QString images = RunTool("pdfimages", {"-list", temp.File("compact.pdf")});
        // The ink as a stencil, or as the mask of the ink's colours.
        EXPECT_EQ(images.contains(QRegularExpression(" (stencil|mask) +2550 +3300 ")), c.becomes == Becomes::Compact)
            << images.toStdString();
        if (c.becomes == Becomes::SameJpeg) {
            EXPECT_EQ(sizes[1], sizes[0]);  // the very same JPEG page
            continue;
        }
        EXPECT_LT(sizes[1] * (c.becomes == Becomes::Compact ? 4 : 1), sizes[0]) << sizes[1] << " against " << sizes[0];
        RunTool("pdftoppm", {"-r", "300", "-gray", "-singlefile", temp.File("compact.pdf"), temp.File("render")});
        const QImage render(temp.File("render.pgm"));
        ASSERT_EQ(render.size(), c.page.size());
        if (c.becomes == Becomes::Compact) {
            EXPECT_LT(testing::MeanGreyDifference(render, c.page.convertToFormat(QImage::Format_Grayscale8)), 4.0);
        }
        if (c.page.format() == QImage::Format_Grayscale8) {
            QImage rendered = render;
            SetPageDpi(rendered, 300);
            EXPECT_GE(WordRecall(c.page, rendered), 0.98);
        }
        if (c.page.format() == QImage::Format_RGB888) {
            // The page's red block keeps its colour, the text its dark blue.
            RunTool("pdftoppm", {"-r", "300", "-png", "-singlefile", temp.File("compact.pdf"), temp.File("colour")});
            const QImage colour(temp.File("colour.png"));
            const QColor red = colour.pixelColor(600, 3060);
            EXPECT_TRUE(red.red() > 160 && red.green() < 80 && red.blue() < 80) << red.name().toStdString();
        }
    }
}

TEST(PdfWriterTest, PageSizeFollowsPixelsAndResolution) {
    EXPECT_DOUBLE_EQ(PdfWriter::PagePoints(2550, 300), 612.0);
    EXPECT_DOUBLE_EQ(PdfWriter::PagePoints(1700, 200), 612.0);
    EXPECT_DOUBLE_EQ(PdfWriter::PagePoints(4200, 600), 504.0);
}

}  // namespace
}  // namespace quillon
