// SPDX-License-Identifier: GPL-3.0-or-later
// The whole scan job through SANE's real airscan backend (sane-airscan),
// talking eSCL over loopback to the simulated network scanner that each test
// starts and stops itself.
#include "scan/RunScan.h"
#include "scan/ScannerErrors.h"

#include "EsclSimulator.h"
#include "SaneTestConfig.h"
#include "ScanJobHarness.h"

#include <QElapsedTimer>
#include <QRegularExpression>

#include <QProcess>

#include <memory>

namespace quillon {
namespace {

const QString kCr = QStringLiteral("\r");

struct AirscanCase {
    const char* name;
    QStringList simulator;  // its arguments
    bool feeder;
    bool duplex;
    int pixelType;
    int paper;            // 1 Letter, 2 Legal, 3 A4
    int pages;            // in the file; 0: none, and an older file stays
    int error;            // the scanner-library error reported, or 0
    friend void PrintTo(const AirscanCase& c, std::ostream* out) { *out << c.name; }
};

const AirscanCase kCases[] = {
    {"FeederOfThreeSheetsInDuplexGivesSixPages", {"--sheets", "3"}, true, true, 2, 1, 6, 0},
    {"FeederSimplexBlackAndWhiteLegal", {"--sheets", "3"}, true, false, 0, 2, 3, 0},
    {"FlatbedGreyLetter", {}, false, false, 1, 1, 1, 0},
    {"FeederGreyA4", {"--sheets", "2"}, true, false, 1, 3, 2, 0},
    {"AJamOnTheFirstPageKeepsTheOlderFile", {"--sheets", "3", "--jam-at", "1"}, true, false, 1, 1, 0,
     kScannerErrorJammed},
    // A connection dropped halfway through a page and a page whose image is
    // cut off look the same through the backend, and are said as either.
    {"ADroppedConnectionEndsInAPlainSentence", {"--sheets", "3", "--drop-at", "1"}, true, false, 1, 1, 0,
     kScannerErrorUnreadablePage},
    {"APageCutOffHalfwayIsSaidAsUnreadable", {"--sheets", "3", "--damaged-at", "1"}, true, false, 1, 1, 0,
     kScannerErrorUnreadablePage},
    // airscan asks again for ten seconds before it gives up.
    {"ABusyScannerIsSaidToBeBusy", {"--busy"}, false, false, 1, 1, 0, kScannerErrorBusy},
};

class AirscanScanTest : public ::testing::TestWithParam<AirscanCase>, protected testing::ScanJobHarness {
protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(simulator.Start(GetParam().simulator));
        ASSERT_TRUE(testing::WriteSaneConfig("dll.conf", "airscan\n"));
        ASSERT_TRUE(testing::WriteSaneConfig("airscan.conf", simulator.AirscanConfig()));
    }

    testing::EsclSimulator simulator;
};

TEST_P(AirscanScanTest, ScansThroughTheNetworkScannerBackend) {
    const AirscanCase& scan = GetParam();
    const QString output = temp.File("scan.tiff");
    QFile old(output);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the older file");
    old.close();

    AskForTiff(scan.pixelType, scan.paper, scan.feeder, scan.duplex);
    ui.messageAnswers = {MessageAnswer::No};  // one flatbed page
    ui.Accept(output);
    RunScan(controls, library, store, ui);

    ASSERT_FALSE(ui.messages.empty());
    ASSERT_EQ(dialogs.offered.size(), 1);
    EXPECT_TRUE(dialogs.offered.first().deviceName.startsWith("airscan:"));
    if (scan.error != 0) {
        EXPECT_EQ(ui.messages.back().text, "ERROR: An error occurred while scanning." + kCr + kCr + "TWAIN Error #" +
                                               QString::number(scan.error) + " " + ScannerErrorText(scan.error));
        QFile kept(output);
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), "the older file");
        EXPECT_EQ(QDir(temp.path()).entryList({".quillon-*"}, QDir::Hidden | QDir::Files), QStringList{});
        return;
    }
    EXPECT_EQ(ui.messages.back().text, "Scanned Successfully to:" + kCr + kCr + output);
    const std::vector<testing::TiffPage> pages = testing::ReadTiffPages(output);
    EXPECT_EQ(static_cast<int>(pages.size()), scan.pages);
    testing::ExpectPagesAsAsked(pages, scan.pixelType, scan.paper);
}

INSTANTIATE_TEST_SUITE_P(Simulator, AirscanScanTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The demo's network scanner: a real page of text on each front, empty
// backs, and a feeder loaded again for each job. Both jobs give a searchable
// PDF of the fronts alone, the words of the page found in it; the second at
// the compact quality, its pages a mask over the paper.
using AirscanSearchableTest = AirscanScanTest;

TEST_P(AirscanSearchableTest, TheWordsOfARealScannedPageAreFoundInTheFile) {
    AskForTiff(GetParam().pixelType, GetParam().paper, GetParam().feeder, GetParam().duplex);
    controls.indexes[OptionId::Format] = 4;  // Searchable PDF
    controls.texts[OptionId::DPI] = "300";
    for (const bool compact : {false, true}) {
        const QString output = temp.File(compact ? "compact.pdf" : "first.pdf");
        SCOPED_TRACE(output.toStdString());
        controls.indexes[OptionId::Quality] = compact ? 6 : 3;
        ui.Accept(output);
        RunScan(controls, library, store, ui);
        ASSERT_FALSE(ui.messages.empty());
        EXPECT_EQ(ui.messages.back().text, "Scanned Successfully to:" + kCr + kCr + output);
        QProcess info, text, images;
        info.start("pdfinfo", {output});
        text.start("pdftotext", {output, "-"});
        images.start("pdfimages", {"-list", output});
        ASSERT_TRUE(info.waitForFinished(60000) && text.waitForFinished(60000) && images.waitForFinished(60000));
        EXPECT_EQ(QString::fromUtf8(images.readAllStandardOutput()).count(" stencil "), compact ? 2 : 0);
        EXPECT_TRUE(QString::fromUtf8(info.readAllStandardOutput()).contains(QRegularExpression("Pages: +2\\n")));
        const QString words = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        for (const char* word : {"Lion because", "taught him how to behave", "children"})
            EXPECT_TRUE(words.contains(QLatin1String(word))) << word << " is not in: " << words.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Simulator, AirscanSearchableTest,
    ::testing::Values(AirscanCase{"TwoDuplexSheetsInGreyTwice",
                                  {"--sheets", "2", "--refill", "--text-page",
                                   QUILLON_SOURCE_DIR "/tests/data/scans/lept_lion-page.00013.png"},
                                  true, true, 1, 3, 2, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// A network scanner that stops answering in the middle of a batch: the
// user's Cancel ends the scan with the page before it, whatever the backend
// still does to tidy up its connection (the time it takes is the cancel
// bench's), and the next scan waits for the scanner to be let go as a step
// of its own, which Cancel ends too.
TEST(AirscanCancelTest, CancelOfAStalledScannerEndsTheScanAndTheNextWaitsForTheScanner) {
    testing::ScanJobHarness harness;
    auto simulator = std::make_unique<testing::EsclSimulator>();
    ASSERT_NO_FATAL_FAILURE(simulator->Start({"--sheets", "3", "--silent-from", "2"}));
    ASSERT_TRUE(testing::WriteSaneConfig("dll.conf", "airscan\n"));
    ASSERT_TRUE(testing::WriteSaneConfig("airscan.conf", simulator->AirscanConfig()));
    harness.AskForTiff(1, 1, true, false);
    const QString output = harness.temp.File("stalled.tiff");
    bool cancelled = false;
    harness.dialogs.duringStep = [&](const QString& caption, ScanStep& task) {
        if (!caption.startsWith("Waiting for page 2")) return;
        cancelled = true;
        task.Cancel();
    };
    harness.dialogs.duringPage = [&](int page, ScanStep& task) {
        if (page != 2) return;
        cancelled = true;
        task.Cancel();
    };
    harness.ui.Accept(output);
    const ScanOutcome outcome = RunScan(harness.controls, harness.library, harness.store, harness.ui);
    EXPECT_TRUE(cancelled) << "no cancel was made";
    EXPECT_EQ(outcome.kind, ScanOutcome::Kind::Cancelled);
    EXPECT_EQ(outcome.documents, (std::vector<ScanOutcome::Document>{{output, 1}}));

    QStringList steps;
    harness.dialogs.duringStep = [&](const QString& caption, ScanStep& task) {
        steps.append(caption);
        task.Cancel();
    };
    harness.dialogs.duringPage = nullptr;
    harness.ui.Accept(harness.temp.File("next.tiff"));
    EXPECT_EQ(RunScan(harness.controls, harness.library, harness.store, harness.ui).kind, ScanOutcome::Kind::Cancelled);
    EXPECT_EQ(steps.value(0), "Waiting for the scanner to be let go...");

    // Once the scanner is gone the backend lets go at once, and the wait ends by itself.
    simulator.reset();
    harness.dialogs.duringStep = nullptr;
    harness.ui.Accept(harness.temp.File("last.tiff"));
    EXPECT_EQ(RunScan(harness.controls, harness.library, harness.store, harness.ui).kind, ScanOutcome::Kind::NoScanner);
}

}  // namespace
}  // namespace quillon
