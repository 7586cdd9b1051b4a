// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/PageReview.h"
#include "scan/RunScan.h"
#include "scan/ScannerErrors.h"
#include "scan/SourceLibrary.h"
#include "scan/imaging/pages/SeparatorSheet.h"

#include "../common/JobHarness.h"
#include "../common/NamedCases.h"
#include "../common/TestPages.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <utility>

namespace quillon {
namespace {

// A feeder loaded batch after batch: each ends with no more paper (the first
// with a fault, when one is given); the next batch is there for the next scan
// (Scan More).
class BatchSource : public PageSource {
public:
    explicit BatchSource(std::deque<std::vector<QImage>> batches, SourceFault fault = {})
        : batches_(std::move(batches)), fault_(std::move(fault)) {}
    QList<ScannerChoice> Sources() override { return {{"batches", "Batch feeder"}}; }
    SourceFault Open(const QString&) override { return {}; }
    SourceTook Apply(const SourceSettings&) override {
        SourceTook took;
        took.feeder = took.hasFeeder = true;
        return took;
    }
    SourcePage TakeIn(bool) override {
        if (batches_.empty()) return SourcePage::Ended(SourcePage::End::NoMorePaper);
        if (batches_.front().empty()) {
            batches_.pop_front();
            if (fault_.failed()) return SourcePage::Ended(SourcePage::End::Fault, std::exchange(fault_, {}));
            return SourcePage::Ended(SourcePage::End::NoMorePaper);
        }
        return {};
    }
    SourcePage Next(const std::shared_ptr<SourceProgress>&) override {
        QImage page = batches_.front().front();
        batches_.front().erase(batches_.front().begin());
        return SourcePage::Page(page, 300);
    }
    void Cancel() override {}

private:
    std::deque<std::vector<QImage>> batches_;
    SourceFault fault_;
};

// The batches of a case, written as the pages are fed: "t1 t2 b3 | t4" is two
// batches, text pages 1 and 2 and blank page 3, then text page 4; "s" is a
// separator sheet. Pages are told apart in the file by their width: text page
// n is 1000 + 100 n pixels wide, a blank one 1050 + 100 n, a separator sheet
// is a Letter sheet. They are drawn when a case runs, not when it is listed.
std::deque<std::vector<QImage>> Batches(const char* fed) {
    static const QImage text = testing::TextPage(QImage::Format_Grayscale8, 8);
    std::deque<std::vector<QImage>> batches(1);
    for (const QString& page : QString::fromLatin1(fed).split(' ', Qt::SkipEmptyParts)) {
        const int width = 1000 + 100 * page.mid(1).toInt();
        if (page == "|") batches.emplace_back();
        else if (page == "s") batches.back().push_back(DrawSeparatorSheet(8.5, 11, 300));
        else if (page[0] == 'b') batches.back().push_back(testing::BlankPage(width + 50, 1500, QImage::Format_Grayscale8));
        else batches.back().push_back(text.copy(0, 0, width, 1500));
    }
    return batches;
}

// The reviewer: applies the user's arrangement at each review, and ends each as told.
class ScriptedReviewer : public PageReviewer {
public:
    std::deque<std::function<void(PageReview&)>> arrangements;
    std::deque<ReviewEnd> ends;
    std::vector<QStringList> shown;  // the labels of each review

    ReviewEnd Review(PageReview& review) override {
        QStringList labels;
        for (int row = 0; row < review.rows(); ++row) labels.append(review.Label(row));
        shown.push_back(labels);
        if (!arrangements.empty()) {
            arrangements.front()(review);
            arrangements.pop_front();
        }
        const ReviewEnd end = ends.empty() ? ReviewEnd::Save : ends.front();
        if (!ends.empty()) ends.pop_front();
        return end;
    }
};

// "1300 90": a page's image width and its rotation, for each page of a PDF.
QStringList PdfPages(const QString& pdf) {
    QStringList pages;
    const QString images = testing::RunTool("pdfimages", {"-list", pdf});
    const QString info = testing::RunTool("pdfinfo", {"-f", "1", "-l", "99", pdf});
    const QRegularExpression imageRow(QStringLiteral("^\\s*(\\d+)\\s+\\d+\\s+image\\s+(\\d+)"), QRegularExpression::MultilineOption);
    const QRegularExpression rotation(QStringLiteral("^Page\\s+(\\d+) rot:\\s+(\\d+)"), QRegularExpression::MultilineOption);
    for (auto row = imageRow.globalMatch(images); row.hasNext();) pages.append(row.next().captured(2));
    int page = 0;
    for (auto row = rotation.globalMatch(info); row.hasNext() && page < pages.size(); ++page)
        pages[page] += ' ' + row.next().captured(2);
    return pages;
}

struct ReviewRun {
    const char* name;
    const char* fed;  // the batches, see Batches
    bool split;
    std::deque<std::function<void(PageReview&)>> arrangements;
    std::deque<ReviewEnd> ends;
    ScanOutcome::Kind kind;
    std::vector<QStringList> documents;  // each file's pages: "width rotation"
    QStringList firstReview;             // what the user was shown first
    SourceFault jam = {};                // the end of the first batch, when it is a fault
    friend void PrintTo(const ReviewRun& r, std::ostream* out) { *out << r.name; }
};

class PageReviewTest : public ::testing::TestWithParam<ReviewRun>, protected testing::JobHarness {};

// The user's arrangement, by what the files hold; an older file stays as it
// was until the pages are saved, and nothing is left beside it.
TEST_P(PageReviewTest, TheFileHoldsThePagesAsArranged) {
    const ReviewRun& run = GetParam();
    controls.indexes[OptionId::Format] = 1;
    controls.texts[OptionId::DPI] = "300";  // as the pages come: their widths tell them apart
    controls.states[OptionId::ReviewPages] = 1;
    controls.states[OptionId::SplitDocuments] = run.split ? 1 : 0;
    BatchSource source(Batches(run.fed), run.jam);
    SourceLibrary library(dialogs, source, temp.File("scanner.log"));
    ScriptedReviewer reviewer;
    reviewer.arrangements = run.arrangements;
    reviewer.ends = run.ends;

    const QString pdf = temp.File("scan.pdf");
    QFile older(pdf);
    ASSERT_TRUE(older.open(QIODevice::WriteOnly) && older.write("older") == 5);
    older.close();
    ui.Accept(pdf);
    const ScanOutcome outcome = RunScan(controls, library, store, ui, &reviewer);

    EXPECT_EQ(outcome.kind, run.kind) << ui.MessageTexts().join('|').toStdString();
    ASSERT_FALSE(reviewer.shown.empty());
    EXPECT_EQ(reviewer.shown.front(), run.firstReview);
    ASSERT_EQ(outcome.documents.size(), run.documents.size());
    for (std::size_t i = 0; i < run.documents.size(); ++i) {
        EXPECT_EQ(PdfPages(outcome.documents[i].path), run.documents[i]) << outcome.documents[i].path.toStdString();
        int status = 0;
        testing::RunTool("qpdf", {"--check", outcome.documents[i].path}, &status);
        EXPECT_EQ(status, 0);
    }
    if (run.documents.empty()) {
        QFile kept(pdf);
        EXPECT_EQ(kept.open(QIODevice::ReadOnly) ? kept.readAll() : QByteArray(), "older");
    }
    EXPECT_EQ(QDir(temp.path()).entryList({".quillon-*"}, QDir::Files | QDir::Hidden), QStringList{});
}

const QStringList kThreeAndABlank{"Page 1", "Page 2", "Page 3, left out: blank", "Page 4"};

INSTANTIATE_TEST_SUITE_P(
    Runs, PageReviewTest,
    ::testing::Values(
        ReviewRun{"NothingChangedSavesTheKeptPages", "t1 t2 b3 t4", false, {}, {},
                  ScanOutcome::Kind::Written, {{"1100 0", "1200 0", "1400 0"}}, kThreeAndABlank},
        ReviewRun{"TurnDeleteKeepAndMove",
                  "t1 t2 b3 t4", false,
                  {[](PageReview& review) {
                      review.Turn({0}, 1);
                      review.Delete({1});
                      review.Keep({1});
                      review.MoveTo({2}, 0);
                      review.Turn({2}, -1);
                  }},
                  {}, ScanOutcome::Kind::Written, {{"1400 0", "1100 90", "1350 270"}}, kThreeAndABlank},
        ReviewRun{"MoveEarlierAndLaterTakeTheSelectionTogether",
                  "t1 t2 t3 t4", false,
                  {[](PageReview& review) {
                      review.MoveLater({0, 1});
                      review.MoveEarlier({3});
                  }},
                  {}, ScanOutcome::Kind::Written, {{"1300 0", "1100 0", "1400 0", "1200 0"}},
                  {"Page 1", "Page 2", "Page 3", "Page 4"}},
        ReviewRun{"ScanMoreAddsThePagesAtTheEnd", "t1 t2 | t3", false, {},
                  {ReviewEnd::ScanMore, ReviewEnd::Save}, ScanOutcome::Kind::Written, {{"1100 0", "1200 0", "1300 0"}},
                  {"Page 1", "Page 2"}},
        ReviewRun{"AJamStillShowsThePagesBeforeItAndSavesThem", "t1 t2", false,
                  {[](PageReview& review) { review.Turn({1}, 2); }}, {}, ScanOutcome::Kind::FailedAfterPages,
                  {{"1100 0", "1200 180"}}, {"Page 1", "Page 2"}, {kScannerErrorJammed, "jammed"}},
        ReviewRun{"CancelKeepsTheOlderFile", "t1 t2", false, {}, {ReviewEnd::Cancel},
                  ScanOutcome::Kind::Cancelled, {}, {"Page 1", "Page 2"}},
        ReviewRun{"ASeparatorStillThereSplits", "t1 s t2 t3", true,
                  {[](PageReview& review) { review.MoveTo({3}, 2); }}, {}, ScanOutcome::Kind::Written,
                  {{"1100 0"}, {"1300 0", "1200 0"}}, {"Page 1", "Page 2, separator sheet", "Page 3", "Page 4"}},
        ReviewRun{"ASeparatorDeletedJoinsTheDocuments", "t1 s t2", true,
                  {[](PageReview& review) { review.Delete({1}); }}, {}, ScanOutcome::Kind::Written,
                  {{"1100 0", "1200 0"}}, {"Page 1", "Page 2, separator sheet", "Page 3"}}),
    testing::NameOfCase());

}  // namespace
}  // namespace quillon

namespace quillon {
namespace {

struct WordBox {
    QString text;
    QRectF box;
};

// The words of a PDF page as pdftotext places them (points, from the top left
// of the page as shown), with the page's size before its rotation.
std::vector<WordBox> WordsOf(const QString& pdf, int page, QSizeF* size) {
    const QString html = testing::RunTool("pdftotext", {"-bbox", "-f", QString::number(page), "-l", QString::number(page), pdf, "-"});
    const QRegularExpression pageSize(QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\""));
    const QRegularExpressionMatch shown = pageSize.match(html);
    *size = {shown.captured(1).toDouble(), shown.captured(2).toDouble()};
    const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)</word>"));
    std::vector<WordBox> words;
    for (auto found = word.globalMatch(html); found.hasNext();) {
        const QRegularExpressionMatch m = found.next();
        words.push_back({m.captured(5), QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                               QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
    }
    return words;
}

double Overlap(const QRectF& a, const QRectF& b) {
    const QRectF both = a.intersected(b);
    const double shared = both.width() * both.height();
    return shared / (a.width() * a.height() + b.width() * b.height() - shared);
}

// A searchable page turned in the review: its text layer turns with the
// picture, each word where the same page unturned has it, turned.
class PageReviewTextTest : public ::testing::Test, protected testing::JobHarness {};

TEST_F(PageReviewTextTest, ATurnedPagesTextTurnsWithIt) {
    store.Set(kOcrLanguageValueName, "eng");
    controls.indexes[OptionId::Format] = 4;  // Searchable PDF
    controls.texts[OptionId::DPI] = "300";
    controls.states[OptionId::ReviewPages] = 1;
    const QImage page = testing::TextPage(QImage::Format_Grayscale8, 12);
    BatchSource source({{page, page}});
    SourceLibrary library(dialogs, source, temp.File("scanner.log"));
    ScriptedReviewer reviewer;
    reviewer.arrangements = {[](PageReview& review) { review.Turn({1}, 1); }};
    const QString pdf = temp.File("scan.pdf");
    ui.Accept(pdf);
    ASSERT_EQ(RunScan(controls, library, store, ui, &reviewer).kind, ScanOutcome::Kind::Written)
        << ui.MessageTexts().join('|').toStdString();

    QSizeF upright, turned;
    const std::vector<WordBox> before = WordsOf(pdf, 1, &upright), after = WordsOf(pdf, 2, &turned);
    EXPECT_TRUE(testing::RunTool("pdfinfo", {"-f", "2", "-l", "2", pdf}).contains(QRegularExpression("rot: +90")));
    ASSERT_GT(before.size(), 50u);
    int matched = 0;
    for (const WordBox& word : before) {
        // Clockwise by a quarter: (x, y) on the upright page is (H - y, x) on the turned one.
        const QRectF expected(QPointF(upright.height() - word.box.bottom(), word.box.left()),
                              QPointF(upright.height() - word.box.top(), word.box.right()));
        double best = 0;
        for (const WordBox& other : after)
            if (other.text == word.text) best = std::max(best, Overlap(expected, other.box));
        if (best >= 0.8) ++matched;
    }
    EXPECT_GE(matched, static_cast<int>(before.size()) * 95 / 100) << matched << " of " << before.size();
}

}  // namespace
}  // namespace quillon

namespace quillon {
namespace {

class PageReviewTiffTest : public ::testing::TestWithParam<int>, protected testing::JobHarness {};

// A TIFF page turned in the review is turned in its pixels, black and white
// (compressed again, G4) as grey; the page not turned stays as it came.
TEST_P(PageReviewTiffTest, ATurnedPageIsTurnedInItsPixels) {
    controls.indexes[OptionId::Format] = 3;  // TIFF
    controls.indexes[OptionId::ScanType] = GetParam();
    controls.texts[OptionId::DPI] = "300";
    controls.states[OptionId::ReviewPages] = 1;
    BatchSource source(Batches("t1 t2"));
    SourceLibrary library(dialogs, source, temp.File("scanner.log"));
    ScriptedReviewer reviewer;
    reviewer.arrangements = {[](PageReview& review) { review.Turn({1}, -1); }};
    const QString tiff = temp.File("scan.tiff");
    ui.Accept(tiff);
    ASSERT_EQ(RunScan(controls, library, store, ui, &reviewer).kind, ScanOutcome::Kind::Written)
        << ui.MessageTexts().join('|').toStdString();
    const QString info = testing::RunTool("tiffinfo", {tiff});
    const QRegularExpression size(QStringLiteral("Image Width: (\\d+) Image Length: (\\d+)"));
    QStringList sizes;
    for (auto found = size.globalMatch(info); found.hasNext();) {
        const QRegularExpressionMatch page = found.next();
        sizes.append(page.captured(1) + 'x' + page.captured(2));
    }
    EXPECT_EQ(sizes, (QStringList{"1100x1500", "1500x1200"}));
    if (GetParam() == 0) {
        EXPECT_EQ(info.count("CCITT Group 4"), 2) << info.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Modes, PageReviewTiffTest, ::testing::Values(0, 1));

}  // namespace
}  // namespace quillon
