// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/RunScan.h"
#include "scan/ScannerErrors.h"
#include "scan/SourceLibrary.h"

#include "../common/JobHarness.h"
#include "../common/NamedCases.h"
#include "../common/TestPages.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <utility>

namespace quillon {
namespace {

// A feeder of text pages that ends as told: out of paper, or with a fault at
// a page; a Cancel ends the sheet under way. A feeder takes its next sheet in
// after each page: the one after page cancelAt is held until the Cancel
// comes, and WaitUntilHeld lets the test cancel just then, when the page
// itself is already in.
class ScriptedSource : public PageSource {
public:
    ScriptedSource(int pages, SourceFault faultAfter, int cancelAt)
        : pages_(pages), fault_(std::move(faultAfter)), cancelAt_(cancelAt) {}
    QList<ScannerChoice> Sources() override { return {{"scripted", "Scripted feeder"}}; }
    SourceFault Open(const QString&) override { return {}; }
    SourceTook Apply(const SourceSettings&) override {
        SourceTook took;
        took.feeder = took.hasFeeder = true;
        return took;
    }
    SourcePage TakeIn(bool) override {
        std::unique_lock lock(mutex_);
        if (cancelAt_ > 0 && given_ == cancelAt_) {
            held_ = true;
            changed_.notify_all();
            changed_.wait(lock, [this] { return cancelled_; });
        }
        if (std::exchange(cancelled_, false)) return SourcePage::Ended(SourcePage::End::Cancelled);
        if (given_ == pages_)
            return SourcePage::Ended(fault_.failed() ? SourcePage::End::Fault : SourcePage::End::NoMorePaper, fault_);
        ++given_;
        return {};
    }
    SourcePage Next(const std::shared_ptr<SourceProgress>&) override { return SourcePage::Page(page_, 300); }
    void Cancel() override {
        const std::lock_guard lock(mutex_);
        cancelled_ = true;
        changed_.notify_all();
    }
    void WaitUntilHeld() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return held_; });
    }

private:
    const QImage page_ = testing::TextPage(QImage::Format_Grayscale8, 6);
    int pages_, given_ = 0;
    SourceFault fault_;
    int cancelAt_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool cancelled_ = false, held_ = false;
};

struct SourceRun {
    const char* name;
    int pages;              // the source's pages before its end
    SourceFault end;        // no error: the feeder runs out
    int cancelAtPage;       // 0: none
    bool olderFile;
    ScanOutcome::Kind kind;
    int pagesInFile;        // -1: the older file as it was, or none
    const char* said;
    friend void PrintTo(const SourceRun& r, std::ostream* out) { *out << r.name; }
};

class SourceLibraryTest : public ::testing::TestWithParam<SourceRun>, protected testing::JobHarness {};

// The job over a source, by what came out: the file, its pages, the outcome
// and what the user was told (an empty feeder is asked about first).
TEST_P(SourceLibraryTest, TheJobEndsAsTheSourceDoes) {
    const SourceRun& run = GetParam();
    controls.indexes[OptionId::Format] = 0;
    controls.states[OptionId::TryADFFirst] = 1;
    controls.states[OptionId::AllowMultiplePages] = 1;
    ScriptedSource source(run.pages, run.end, run.cancelAtPage);
    dialogs.duringStep = [&](const QString& caption, ScanStep& task) {
        if (run.cancelAtPage == 0 || caption != QStringLiteral("Waiting for page %1...").arg(run.cancelAtPage + 1)) return;
        source.WaitUntilHeld();
        task.Cancel();
    };
    SourceLibrary library(dialogs, source, temp.File("scanner.log"));

    const QString pdf = temp.File("scan.pdf");
    if (run.olderFile) {
        QFile older(pdf);
        ASSERT_TRUE(older.open(QIODevice::WriteOnly) && older.write("older") == 5);
    }
    ui.Accept(pdf);
    const ScanOutcome outcome = RunScan(controls, library, store, ui);
    EXPECT_EQ(outcome.kind, run.kind);
    if (run.pagesInFile < 0) {
        QFile kept(pdf);
        EXPECT_EQ(kept.open(QIODevice::ReadOnly) ? kept.readAll() : QByteArray(), run.olderFile ? "older" : "");
    } else {
        EXPECT_TRUE(testing::RunTool("pdfinfo", {pdf}).contains(
            QRegularExpression(QStringLiteral("Pages: +%1\\n").arg(run.pagesInFile))))
            << testing::RunTool("pdfinfo", {pdf}).toStdString();
    }
    EXPECT_TRUE(ui.MessageTexts().join('|').contains(QString::fromUtf8(run.said))) << ui.MessageTexts().join('|').toStdString();
    EXPECT_EQ(QDir(temp.path()).entryList({".quillon-*"}, QDir::Files | QDir::Hidden), QStringList{});
}

const SourceFault kJam{kScannerErrorJammed, "jammed"};

INSTANTIATE_TEST_SUITE_P(
    Runs, SourceLibraryTest,
    ::testing::Values(
        SourceRun{"TheFeederRunsOut", 3, {}, 0, false, ScanOutcome::Kind::Written, 3, "Scanned Successfully to:"},
        SourceRun{"AJamKeepsThePagesBefore", 2, kJam, 0, false, ScanOutcome::Kind::FailedAfterPages, 2,
                  "The document feeder is jammed."},
        SourceRun{"AnEmptyFeederIsSaid", 0, {}, 0, false, ScanOutcome::Kind::Cancelled, -1, "Please load the documents"},
        SourceRun{"ACancelKeepsThePagesInWhereNoFileWas", 5, {}, 3, false, ScanOutcome::Kind::Cancelled, 3,
                  "cancelled"},
        SourceRun{"ACancelKeepsTheOlderFile", 5, {}, 3, true, ScanOutcome::Kind::Cancelled, -1, "cancelled"}),
    testing::NameOfCase());

}  // namespace
}  // namespace quillon
