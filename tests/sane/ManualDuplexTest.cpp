// SPDX-License-Identifier: GPL-3.0-or-later
// Manual duplex through the whole job: the fronts of a stack, the stack
// turned over, its backs; the pages must come out as the sheets were, which
// is checked by what each page shows (its sheet and side), not by counting.
#include "scan/RunScan.h"
#include "scan/ScannerErrors.h"

#include "EsclSimulator.h"
#include "PassThroughDevice.h"
#include "SaneTestConfig.h"
#include "ScanJobHarness.h"
#include "SidesShown.h"

#include <algorithm>

namespace quillon {
namespace {

struct ManualCase {
    const char* name;
    QStringList simulator;          // its arguments beside --numbered --turn-over
    std::vector<MessageAnswer> answers;  // the turn question, then the unmatched one
    int cancelAtPage;               // 0: no cancel
    const char* sides;              // what the file's pages show, in order
    ScanOutcome::Kind outcome;
    const char* said;               // in the last message
    bool frontsOnly = false;        // the outcome says only the fronts were kept
    const char* asked = nullptr;    // in the question on unmatched sides
    friend void PrintTo(const ManualCase& c, std::ostream* out) { *out << c.name; }
};

using Answer = MessageAnswer;
using Kind = ScanOutcome::Kind;
const ManualCase kCases[] = {
    {"OneSheet", {"--sheets", "1"}, {Answer::Yes}, 0, "1f 1b", Kind::Written, "Scanned Successfully"},
    {"ThreeSheets", {"--sheets", "3"}, {Answer::Yes}, 0, "1f 1b 2f 2b 3f 3b", Kind::Written, "Scanned Successfully"},
    {"TenSheetsWithBlankBacksKeepTheFronts", {"--sheets", "10", "--blank-backs"}, {Answer::Yes}, 0,
     "1f 2f 3f 4f 5f 6f 7f 8f 9f 10f", Kind::Written, "Scanned Successfully"},
    {"TheFrontsOnlyWhenTheStackIsNotTurned", {"--sheets", "3"}, {Answer::No}, 0, "1f 2f 3f", Kind::Written,
     "The stack was not turned over for the back sides.", true},
    // A sheet lost on the way: the user is asked. Every page kept pairs the
    // last back scanned with the first sheet, the unmatched front at the end.
    // Backs missing: those of the first sheets, since the turned stack gives the last sheet's back first.
    {"FewerBacksAllKept", {"--sheets", "3", "--lose-on-turn", "1"}, {Answer::Yes, Answer::Yes}, 0, "1f 2f 2b 3f 3b",
     Kind::Written, "Scanned Successfully", false, "Sheet 1 has no back side."},
    {"TwoBacksMissing", {"--sheets", "4", "--lose-on-turn", "2"}, {Answer::Yes, Answer::Yes}, 0, "1f 2f 3f 3b 4f 4b",
     Kind::Written, "Scanned Successfully", false, "Sheets 1 and 2 have no back side."},
    {"FewerBacksFrontsOnly", {"--sheets", "3", "--lose-on-turn", "1"}, {Answer::Yes, Answer::No}, 0, "1f 2f 3f",
     Kind::Written, "The back sides did not match them and were left out.", true},
    {"MoreBacksAllKept", {"--sheets", "2", "--extra-on-turn", "1"}, {Answer::Yes, Answer::Yes}, 0, "1f 1b 2f 2b 100b",
     Kind::Written, "Scanned Successfully", false, "1 back side belongs to no front side; it goes at the end."},
    {"AJamAmongTheFronts", {"--sheets", "3", "--jam-at", "2"}, {}, 0, "1f", Kind::FailedAfterPages,
     "1 page was saved to:"},
    // The backs so far keep their sheets: the first back scanned is the last sheet's.
    {"AJamAmongTheBacks", {"--sheets", "3", "--jam-at", "5"}, {Answer::Yes}, 0, "1f 2f 3f 3b", Kind::FailedAfterPages,
     "The scan stopped at back side 2 of 3 (the back of sheet 2)."},
    {"ACancelAmongTheFronts", {"--sheets", "3"}, {}, 2, "1f", Kind::Cancelled, "1 page was saved to:"},
    {"ACancelAmongTheBacks", {"--sheets", "3"}, {Answer::Yes}, 5, "1f 2f 3f 3b", Kind::Cancelled,
     "The scan stopped at back side 2 of 3"},
};

class ManualDuplexTest : public ::testing::TestWithParam<ManualCase>, protected testing::ScanJobHarness {
protected:
    // Black and white TIFF (lossless), 75 dpi, the feeder's whole length, nothing changed on the page.
    void AskForManualDuplex() {
        controls.texts[OptionId::DPI] = "75";
        controls.indexes[OptionId::Format] = 3;
        controls.indexes[OptionId::ScanType] = 0;
        controls.indexes[OptionId::PaperSize] = 0;
        controls.indexes[OptionId::DuplexSetting] = kDuplexManual;
        controls.states[OptionId::TryADFFirst] = 1;
        controls.states[OptionId::AutoContrast] = 0;
    }
    ScanOutcome Scan(const QString& output, const std::vector<MessageAnswer>& answers, int cancelAtPage) {
        ui.messageAnswers = {answers.begin(), answers.end()};
        dialogs.beforePage = {};
        dialogs.duringPage = [cancelAtPage](int page, ScanStep& task) {
            if (page == cancelAtPage) task.Cancel();
        };
        ui.Accept(output);
        return RunScan(controls, library, store, ui);
    }
};

TEST_P(ManualDuplexTest, ThePagesComeOutAsTheSheetsWere) {
    const ManualCase& scan = GetParam();
    testing::EsclSimulator simulator;
    ASSERT_NO_FATAL_FAILURE(simulator.Start(QStringList{"--numbered", "--turn-over"} + scan.simulator));
    ASSERT_TRUE(testing::WriteSaneConfig("dll.conf", "airscan\n"));
    ASSERT_TRUE(testing::WriteSaneConfig("airscan.conf", simulator.AirscanConfig()));
    AskForManualDuplex();
    const QString output = temp.File("sides.tiff");
    const ScanOutcome outcome = Scan(output, scan.answers, scan.cancelAtPage);
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_TRUE(ui.messages.back().text.contains(QLatin1String(scan.said))) << ui.messages.back().text.toStdString();
    EXPECT_EQ(outcome.kind, scan.outcome);
    EXPECT_EQ(outcome.frontsOnly, scan.frontsOnly);
    if (scan.asked) {
        const bool asked = std::any_of(ui.messages.begin(), ui.messages.end(),
                                       [&](const auto& m) { return m.text.contains(QLatin1String(scan.asked)); });
        EXPECT_TRUE(asked) << scan.asked;
    }
    const int pages = int(testing::Sides(scan.sides).size());
    EXPECT_EQ(outcome.documents, (std::vector<ScanOutcome::Document>{{output, pages}}));
    EXPECT_EQ(testing::SidesShown(output), testing::Sides(scan.sides));
    // The duplex warning is for a device's own duplex only.
    EXPECT_TRUE(controls.statusTexts.filter("duplex").isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Simulator, ManualDuplexTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// SANE's test scanner, whose feeder holds ten sheets and holds them again for
// the next batch: each page is marked as the sheet and side it would be.
class MarkedSides : public testing::PassThroughDevice {
public:
    MarkedSides(std::unique_ptr<SaneDevice> real, int* pagesStarted)
        : PassThroughDevice(std::move(real)), pagesStarted_(pagesStarted) {}
    SANE_Status Start() override {
        const SANE_Status status = real_->Start();
        if (status != SANE_STATUS_GOOD) return status;
        const int page = ++*pagesStarted_;
        // Ten fronts, then the stack turned over: the backs of sheets 10 to 1.
        sheet_ = page <= kSheets ? page : 2 * kSheets - page + 1;
        back_ = page > kSheets;
        offset_ = 0;
        real_->GetParameters(parameters_);
        return status;
    }
    SANE_Status Read(SANE_Byte* data, SANE_Int most, SANE_Int* length) override {
        const SANE_Status status = real_->Read(data, most, length);
        if (status != SANE_STATUS_GOOD || parameters_.depth != 1) return status;
        // Lineart: a set bit is black. The bands are written over the middle
        // of the picture, as the simulator draws them.
        const long long band = std::max(2, parameters_.lines / 30), row = parameters_.bytes_per_line;
        for (SANE_Int i = 0; i < *length; ++i, ++offset_) {
            const long long index = offset_ / row / band - 2, column = offset_ % row;
            if (index < 0 || index >= 10 || column < row / 8 || column >= row - row / 8) continue;
            const bool dark = index == 0 || (index == 1 && back_) || (index >= 2 && ((sheet_ >> (index - 2)) & 1));
            data[i] = dark ? 0xff : 0x00;
        }
        return status;
    }
    static constexpr int kSheets = 10;

private:
    int* pagesStarted_;
    int sheet_ = 0;
    bool back_ = false;
    long long offset_ = 0;
    SANE_Parameters parameters_{};
};

class ManualDuplexOnTheTestScannerTest : public ::testing::Test, protected testing::ScanJobHarness {};

TEST_F(ManualDuplexOnTheTestScannerTest, TenSheetsComeOutInterleaved) {
    for (const char* file : {"dll.conf", "test.conf"}) {
        QFile::remove(testing::SaneConfigFolder() + "/" + file);
        QFile::copy(QStringLiteral(QUILLON_SOURCE_DIR "/tests/sane/") + file, testing::SaneConfigFolder() + "/" + file);
    }
    int pagesStarted = 0;
    library.SetDeviceOpener([&](const QString& name, int* status) -> std::unique_ptr<SaneDevice> {
        std::unique_ptr<SaneDevice> real = SaneHandleDevice::Open(name.toUtf8().constData(), status);
        return real ? std::make_unique<MarkedSides>(std::move(real), &pagesStarted) : nullptr;
    });
    controls.texts[OptionId::DPI] = "75";
    controls.indexes[OptionId::Format] = 3;
    controls.indexes[OptionId::ScanType] = 0;
    controls.indexes[OptionId::DuplexSetting] = kDuplexManual;
    controls.states[OptionId::TryADFFirst] = 1;
    controls.states[OptionId::AutoContrast] = 0;
    ui.messageAnswers = {MessageAnswer::Yes};
    const QString output = temp.File("test-scanner.tiff");
    ui.Accept(output);
    const ScanOutcome outcome = RunScan(controls, library, store, ui);
    ASSERT_EQ(outcome.kind, ScanOutcome::Kind::Written) << ui.messages.back().text.toStdString();
    QStringList expected;
    for (int sheet = 1; sheet <= MarkedSides::kSheets; ++sheet) expected << QString::number(sheet) + "f" << QString::number(sheet) + "b";
    EXPECT_EQ(testing::SidesShown(output), expected);
    EXPECT_EQ(ui.MessageTexts().filter(kTurnTheStackQuestion).size(), 1);
}

}  // namespace
}  // namespace quillon
