// SPDX-License-Identifier: GPL-3.0-or-later
// Searchable PDF: the languages chosen, the invisible text layer read back by
// a real reader, and whole documents of pages good and bad.
#include "scan/imaging/pages/Enhancements.h"
#include "scan/ScanDocument.h"
#include "scan/imaging/writers/PageEncoders.h"
#include "scan/imaging/pages/PageImage.h"
#include "scan/imaging/text/GlyphlessFont.h"
#include "scan/imaging/text/PdfTextLayer.h"
#include "scan/imaging/writers/PdfWriter.h"
#include "scan/imaging/text/TextLanguages.h"
#include "scan/imaging/text/TextRecognizer.h"

#include "../common/NamedCases.h"
#include "../common/TempDir.h"
#include "../common/TestPages.h"

#include <QFile>
#include <QFontMetrics>
#include <QPainter>
#include <QtEndian>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <algorithm>
#include <map>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace quillon {
namespace {

using testing::RunTool;

struct LanguageCase {
    const char* name;
    const char* stored;
    const char* locale;
    QStringList installed;  // language data in the folder
    const char* codes;      // chosen, or empty when there is a problem
    const char* problemPart;
    friend void PrintTo(const LanguageCase& c, std::ostream* out) { *out << c.name; }
};

class TextLanguagesTest : public ::testing::TestWithParam<LanguageCase> {};

TEST_P(TextLanguagesTest, ChoosesInstalledLanguagesOrSaysWhichPackageIsMissing) {
    const LanguageCase& c = GetParam();
    testing::TempDir data;
    for (const QString& code : c.installed) {
        QFile file(data.File(code + ".traineddata"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const TextLanguages chosen = ChooseTextLanguages(c.stored, QLocale(c.locale), data.path());
    EXPECT_EQ(chosen.codes, c.codes);
    if (*c.problemPart) {
        EXPECT_TRUE(chosen.problem.contains(c.problemPart)) << chosen.problem.toStdString();
    } else {
        EXPECT_EQ(chosen.problem, "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextLanguagesTest,
    ::testing::Values(
        LanguageCase{"TheLocalesLanguageWhenInstalled", "", "de_DE", {"eng", "osd", "deu"}, "deu", ""},
        LanguageCase{"EnglishWhenTheLocalesIsNot", "", "fr_FR", {"eng", "osd"}, "eng", ""},
        LanguageCase{"TheStoredChoiceOverrides", " deu+eng ", "fr_FR", {"eng", "osd", "deu"}, "deu+eng", ""},
        LanguageCase{"AMissingLanguageNamesItsPackage", "deu+eng", "C", {"eng", "osd"}, "",
                     "German (deu), which is not installed. Install the package tesseract-ocr-deu"},
        LanguageCase{"AScriptModelsPackage", "chi_sim", "C", {"eng", "osd"}, "", "tesseract-ocr-chi-sim"},
        LanguageCase{"ALanguageThatDoesNotExist", "xyz", "C", {"eng", "osd"}, "",
                     "\"xyz\" is no language that text recognition knows"},
        LanguageCase{"APathIsNoLanguage", "../../etc/passwd", "C", {"eng", "osd"}, "", "not a list of language codes"},
        LanguageCase{"OrientationDataIsNeededToo", "", "C", {"eng"}, "", "tesseract-ocr-osd"},
        LanguageCase{"NoDataAtAll", "", "C", {}, "", "tesseract-ocr-eng"}),
    testing::NameOfCase());

// A word's box in pixels from pdftotext -bbox, which gives points.
QRectF BoxOf(const QString& bboxHtml, const QString& word, int dpi) {
    const QRegularExpression pattern(QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">%1</word>)re")
                                         .arg(QRegularExpression::escape(word)));
    const QRegularExpressionMatch m = pattern.match(bboxHtml);
    if (!m.hasMatch()) return {};
    const double scale = dpi / 72.0;
    return QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()) * scale,
                  QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()) * scale);
}

double IoU(const QRectF& a, const QRectF& b) {
    const QRectF both = a.intersected(b);
    const double shared = both.width() * both.height();
    return shared / (a.width() * a.height() + b.width() * b.height() - shared);
}

TEST(TextLayerTest, WordsReadBackWithTheirCharactersAndBoxes) {
    testing::TempDir temp;
    const QString path = temp.File("layer.pdf");
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(fd, 0);
    const int dpi = 150;
    PdfWriter writer(fd, 75);
    EncodedPage page = writer.Encode(testing::BlankPage(1275, 1650, QImage::Format_Grayscale8, dpi));
    // One line on a common baseline (y 240): capitals, small letters, a
    // descender, accents, a right-to-left word, the string syntax characters;
    // two words set as tight as a scan may give them.
    const std::vector<RecognizedWord> words{
        {"Grüße", QRect(QPoint(100, 200), QPoint(259, 239)), 240, 40, false},
        {"naïve", QRect(QPoint(280, 212), QPoint(399, 239)), 240, 40, false},
        {"jumpy", QRect(QPoint(403, 208), QPoint(559, 251)), 240, 40, false},
        {"שלום", QRect(QPoint(580, 205), QPoint(699, 239)), 240, 40, true},
        {"(a\\b)", QRect(QPoint(720, 200), QPoint(839, 245)), 240, 40, false},
    };
    const TextLayer layer = MakeTextLayer(words, page.height, dpi);
    page.pdf.text = EncodeFlate(layer.content);
    page.pdf.textFonts.assign(layer.variants.begin(), layer.variants.end());
    ASSERT_TRUE(writer.AddEncoded(page));
    ASSERT_TRUE(writer.Finish()) << writer.error().toStdString();
    ::close(fd);

    EXPECT_TRUE(RunTool("qpdf", {"--check", path}).contains("No syntax or stream encoding errors found"));
    EXPECT_TRUE(RunTool("pdffonts", {path}).contains(QRegularExpression("GlyphLessFont +CID TrueType +Identity-H +yes")));
    // The reader marks the right-to-left word's direction around it.
    const QString text = RunTool("pdftotext", {"-raw", path, "-"}).remove(QRegularExpression("[\u202A-\u202E]"));
    EXPECT_EQ(text.simplified(), "Grüße naïve jumpy שלום (a\\b)");
    const QString boxes = RunTool("pdftotext", {"-bbox", path, "-"});
    for (const RecognizedWord& word : words) {
        if (word.rightToLeft || word.text.contains('(')) continue;  // written out otherwise by -bbox
        EXPECT_GT(IoU(BoxOf(boxes, word.text, dpi), QRectF(word.box)), 0.85) << word.text.toStdString();
    }
}

// The font program is whole: every table a reader requires is there, and
// the glyph locations end where the glyph data does.
TEST(GlyphlessFontTest, TheProgramHasEveryRequiredTableAndItsGlyphsWhereLocaSays) {
    const QByteArray font = GlyphlessFontProgram();
    const auto u16 = [&](qsizetype at) { return qFromBigEndian<quint16>(font.constData() + at); };
    const auto u32 = [&](qsizetype at) { return qFromBigEndian<quint32>(font.constData() + at); };
    std::map<QByteArray, std::pair<quint32, quint32>> tables;  // offset, length
    for (int i = 0; i < u16(4); ++i)
        tables[font.mid(12 + 16 * i, 4)] = {u32(12 + 16 * i + 8), u32(12 + 16 * i + 12)};
    for (const char* tag : {"cmap", "glyf", "head", "hhea", "hmtx", "loca", "maxp", "name", "post"})
        EXPECT_TRUE(tables.count(tag)) << tag;
    const auto [glyf, glyfLength] = tables["glyf"];
    const auto [loca, locaLength] = tables["loca"];
    ASSERT_EQ(locaLength, 2u * (kGlyphlessGlyphs + 1));
    EXPECT_GT(glyfLength, 0u);
    EXPECT_EQ(2u * u16(loca + 2 * kGlyphlessGlyphs), glyfLength);
    EXPECT_EQ(u16(loca + 2), u16(loca + 4)) << "the blank glyph is empty";
    EXPECT_EQ(static_cast<qint16>(u16(glyf)), 1) << "the missing glyph has one outline";
}

// The engine itself, on pages drawn here: a page of text, the same upside
// down, and pages with nothing to read.
class SearchableDocumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        english = ChooseTextLanguages("eng", QLocale::c(), TextDataDirectory());
        ASSERT_EQ(english.problem, "") << "the project's set-up installs the English and orientation data";
    }
    TextLanguages english;
    testing::TempDir temp;
};

QImage NoisePage() {
    QImage page(600, 800, QImage::Format_Grayscale8);
    QRandomGenerator random(7);
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x) page.scanLine(y)[x] = static_cast<uchar>(random.bounded(256));
    SetPageDpi(page, 300);
    return page;
}

TEST_F(SearchableDocumentTest, PagesAreReadUprightAndPagesWithoutTextAreKeptWithoutText) {
    const QString path = temp.File("searchable.pdf");
    const std::vector<QImage> pages{
        testing::TextPage(QImage::Format_Mono, 5),
        TurnPage(testing::TextPage(QImage::Format_Grayscale8, 5), 2),  // fed upside down
        NoisePage(),
        testing::BlankPage(1, 1, QImage::Format_RGB888),
        testing::BlankPage(1275, 1650, QImage::Format_Grayscale8, 150),
        TurnPage(testing::TextPage(QImage::Format_Grayscale8, 5), 1),  // fed sideways, either way
        TurnPage(testing::TextPage(QImage::Format_Grayscale8, 5), 3),
        testing::TextPage(QImage::Format_Grayscale8, 5),  // upright, the others' measure
    };
    ScanDocument session;
    session.SetTextRecognition(english);
    ASSERT_EQ(session.BeginDocument(path), 0);
    for (const QImage& page : pages) {
        const ImageHandle handle = session.Adopt(page, 0);
        ASSERT_TRUE(handle);
        EXPECT_EQ(session.WritePage(handle), 0);
        session.Free(handle);
    }
    ASSERT_EQ(session.EndDocument(), 0) << session.lastErrorText().toStdString();

    EXPECT_TRUE(RunTool("qpdf", {"--check", path}).contains("No syntax or stream encoding errors found"));
    EXPECT_TRUE(RunTool("pdfinfo", {path}).contains(QRegularExpression("Pages: +8\n")));
    const auto textOf = [&](int page) {
        return RunTool("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), path, "-"}).simplified();
    };
    EXPECT_TRUE(textOf(1).contains("The quick brown fox jumps over the lazy dog, line 1 of the page.")) << textOf(1).toStdString();
    EXPECT_TRUE(textOf(2).contains("The quick brown fox jumps over the lazy dog, line 5 of the page.")) << textOf(2).toStdString();
    EXPECT_EQ(textOf(4), "");
    EXPECT_EQ(textOf(5), "");
    for (const int page : {6, 7})
        EXPECT_TRUE(textOf(page).contains("The quick brown fox jumps over the lazy dog, line 5 of the page."))
            << page << ": " << textOf(page).toStdString();
    // Turned upright, a page's words lie where they lie on the page scanned upright.
    const auto boxesOf = [&](int page) {
        const QString html = RunTool("pdftotext", {"-bbox", "-f", QString::number(page), "-l", QString::number(page), path, "-"});
        std::vector<QRectF> boxes;
        const QRegularExpression word(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">)re");
        for (auto it = word.globalMatch(html); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            boxes.emplace_back(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                               QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
        }
        return boxes;
    };
    const std::vector<QRectF> upright = boxesOf(8);
    ASSERT_GE(upright.size(), 50u);
    for (const int page : {2, 6, 7}) {
        const std::vector<QRectF> turned = boxesOf(page);
        ASSERT_EQ(turned.size(), upright.size()) << "page " << page;
        int matching = 0;
        for (std::size_t i = 0; i < upright.size(); ++i) matching += IoU(turned[i], upright[i]) >= 0.8 ? 1 : 0;
        EXPECT_GE(matching, static_cast<int>(upright.size() * 95 / 100)) << "page " << page;
    }
}

// A 300 dpi page of running text set close, full width, in a wide sans-serif
// (where a word's letters are far wider than the layer's own), turned by
// the given degrees as a sheet fed askew.
QImage ParagraphPage(double rotationDegrees) {
    const QStringList words = QStringLiteral(
        "When we speak of free software we are referring to freedom, not price. The licenses are designed to make "
        "sure that you have the freedom to distribute copies of free software and charge for them if you wish, that "
        "you receive source code or can get it if you want it, that you can change the software or use pieces of it "
        "in new free programs, and that you know you can do these things. To protect your rights we need to prevent "
        "others from denying you these rights or asking you to surrender them. Therefore you have certain "
        "responsibilities if you distribute copies of the software, or if you modify it: responsibilities to respect "
        "the freedom of others.").split(' ');
    QImage page(2550, 3300, QImage::Format_RGB888);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(page.width() / 2.0, page.height() / 2.0);
        painter.rotate(rotationDegrees);
        painter.translate(-page.width() / 2.0, -page.height() / 2.0);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(42);
        painter.setFont(font);
        const QFontMetrics metrics(font);
        QString line;
        int y = 300;
        for (int i = 0; y < 3000; ++i) {
            const QString longer = line.isEmpty() ? words[i % words.size()] : line + ' ' + words[i % words.size()];
            if (metrics.horizontalAdvance(longer) <= 2050) {
                line = longer;
                continue;
            }
            painter.drawText(250, y, line);
            line = words[i % words.size()];
            y += 55;
        }
    }
    SetPageDpi(page, 300);
    return page.convertToFormat(QImage::Format_Grayscale8);
}

// Word edit distance over the words of the reference.
double WordError(const QString& reference, const QString& text) {
    const QStringList a = reference.simplified().split(' '), b = text.simplified().split(' ');
    std::vector<qsizetype> previous(b.size() + 1), current(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j) previous[j] = j;
    for (qsizetype i = 1; i <= a.size(); ++i) {
        current[0] = i;
        for (qsizetype j = 1; j <= b.size(); ++j)
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
        std::swap(previous, current);
    }
    return static_cast<double>(previous.back()) / a.size();
}

struct LayoutCase {
    const char* name;
    double degrees;
    bool compact;  // the page as a mask over the paper instead of one JPEG
    friend void PrintTo(const LayoutCase& c, std::ostream* out) { *out << c.name; }
};

class TextLayoutTest : public SearchableDocumentTest, public ::testing::WithParamInterface<LayoutCase> {};

// Text tools read the file's text in their own order, finding lines by
// their baselines and words by their gaps: in that order the words must
// come out as the file holds them (the engine's reading order), whole and
// apart, on an upright page and on one scanned a little askew.
TEST_P(TextLayoutTest, TextToolsReadEachLineWhole) {
    const LayoutCase& c = GetParam();
    const QString path = temp.File("layout.pdf");
    ScanDocument session;
    session.SetTextRecognition(english);
    session.SetCompactPages(c.compact);
    ASSERT_EQ(session.BeginDocument(path), 0);
    const ImageHandle handle = session.Adopt(ParagraphPage(c.degrees), 300);
    ASSERT_EQ(session.WritePage(handle), 0);
    session.Free(handle);
    ASSERT_EQ(session.EndDocument(), 0) << session.lastErrorText().toStdString();
    EXPECT_EQ(RunTool("pdfimages", {"-list", path}).contains(" stencil "), c.compact);

    const QString fileOrder = RunTool("pdftotext", {"-raw", path, "-"});
    const QString toolsOrder = RunTool("pdftotext", {path, "-"});
    ASSERT_GT(fileOrder.simplified().count(' '), 400) << "the page's words were read";
    EXPECT_LE(WordError(fileOrder, toolsOrder), 0.03) << toolsOrder.toStdString();
    // No reader complains of the font.
    EXPECT_EQ(RunTool("gs", {"-q", "-dNOPAUSE", "-dBATCH", "-sDEVICE=nullpage", path}), "");
}

INSTANTIATE_TEST_SUITE_P(Pages, TextLayoutTest,
                         ::testing::Values(LayoutCase{"Upright", 0, false}, LayoutCase{"OneDegreeAskew", 1.0, false},
                                           LayoutCase{"AskewTheOtherWayCompact", -2.0, true}),
                         testing::NameOfCase());

TEST_F(SearchableDocumentTest, AReadingAskedToStopGivesNoWordsAndSaysSo) {
    const std::atomic<bool> stop{true};
    const RecognizedText text = RecognizeText(testing::TextPage(QImage::Format_Grayscale8, 20), english, &stop);
    EXPECT_TRUE(text.words.empty());
    EXPECT_NE(text.error, "");
}

TEST_F(SearchableDocumentTest, GivingUpDuringRecognitionLeavesNoFile) {
    const QString path = temp.File("cancelled.pdf");
    ScanDocument session;
    session.SetTextRecognition(english);
    ASSERT_EQ(session.BeginDocument(path), 0);
    const ImageHandle handle = session.Adopt(testing::TextPage(QImage::Format_Grayscale8, 20), 300);
    ASSERT_EQ(session.WritePage(handle), 0);  // recognition now runs on a worker
    session.Discard();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files | QDir::Hidden), QStringList{});
}

}  // namespace
}  // namespace quillon
