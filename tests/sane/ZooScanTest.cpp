// SPDX-License-Identifier: GPL-3.0-or-later
// The whole scan job, through the SANE library, on every emulated backend:
// the page the user gets is what the window says (mode, resolution, paper),
// from the feeder, in duplex and from the flatbed, whatever each backend
// resets or lacks.
#include "scan/RunScan.h"

#include "ScanJobHarness.h"
#include "ZooDevice.h"

namespace quillon {
namespace {

using testing::BackendProfile;

constexpr int kLetter = 1, kLegal = 2, kA4 = 3, kA5 = 4;  // positions in the paper list
constexpr int kBlackAndWhite = 0, kGrey = 1, kColour = 2;

bool AnySource(const BackendProfile& profile, bool (*matches)(const std::string&)) {
    for (const std::string& source : profile.sources)
        if (matches(source)) return true;
    return false;
}
bool Lower(const std::string& text, const char* word) {
    std::string lower = text;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower.find(word) != std::string::npos;
}
bool HasFeeder(const BackendProfile& s) {
    return AnySource(s, [](const std::string& v) { return !Lower(v, "card") && (Lower(v, "adf") || Lower(v, "feeder")); });
}
bool HasFlatbed(const BackendProfile& s) {
    return s.sources.empty() ||
           AnySource(s, [](const std::string& v) { return Lower(v, "flatbed") || v == "Normal" || v == "fb"; });
}
bool HasDuplex(const BackendProfile& s) {
    return s.duplexOption || AnySource(s, [](const std::string& v) { return !Lower(v, "card") && Lower(v, "duplex"); });
}

struct ZooCase {
    const char* name;
    bool feeder;
    bool duplex;
    int pixelType;
    int paper;
    int pages;  // expected; on the flatbed, the pages the user asks for
    bool manual = false;  // manual duplex: the stack turned over and loaded again
};
const ZooCase kCases[] = {
    {"FeederGreyA4", true, false, kGrey, kA4, 3},
    {"FeederDuplexColourLegal", true, true, kColour, kLegal, 6},
    {"FeederBlackAndWhiteLegal", true, false, kBlackAndWhite, kLegal, 3},
    {"FlatbedTwoPagesColourLegal", false, false, kColour, kLegal, 2},
    {"FlatbedBlackAndWhiteLetter", false, false, kBlackAndWhite, kLetter, 1},
    {"FlatbedGreyA5", false, false, kGrey, kA5, 1},
    // A feeder with a duplex of its own is driven one-sided.
    {"FeederManualDuplexGreyLetter", true, false, kGrey, kLetter, 6, true},
};

struct BackendCase {
    std::string name;
    const BackendProfile* profile;
    ZooCase scan;
    friend void PrintTo(const BackendCase& c, std::ostream* out) { *out << c.name; }
};

std::vector<BackendCase> CasesOf(const std::vector<BackendProfile>& devices) {
    std::vector<BackendCase> cases;
    for (const BackendProfile& profile : devices)
        for (const ZooCase& scan : kCases) {
            if (scan.feeder ? !HasFeeder(profile) : !HasFlatbed(profile)) continue;
            if (scan.duplex && !HasDuplex(profile)) continue;
            std::string name = std::string(profile.name) + "_" + scan.name;
            for (char& c : name)
                if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') c = '_';
            cases.push_back({name, &profile, scan});
        }
    return cases;
}

class ZooScanTest : public ::testing::TestWithParam<BackendCase>, protected testing::ScanJobHarness {};

TEST_P(ZooScanTest, ThePagesAreWhatTheWindowSays) {
    const BackendProfile& profile = *GetParam().profile;
    const ZooCase& scan = GetParam().scan;
    testing::ZooScanner scanner(profile, 3);
    const QString deviceName = QStringLiteral("%1:zoo").arg(profile.name);
    library.SetDeviceLister([&] {
        return QList<ScannerChoice>{{deviceName, QStringLiteral("%1 %2").arg(profile.vendor, profile.model)}};
    });
    library.SetDeviceOpener([&](const QString& name, int* status) -> std::unique_ptr<SaneDevice> {
        if (name != deviceName) return *status = SANE_STATUS_INVAL, nullptr;
        return std::make_unique<testing::ZooDevice>(scanner);
    });
    AskForTiff(scan.pixelType, scan.paper, scan.feeder, scan.duplex);
    if (!scan.feeder) {
        for (int page = 1; page < scan.pages; ++page) ui.messageAnswers.push_back(MessageAnswer::Yes);
        ui.messageAnswers.push_back(MessageAnswer::No);
    }
    if (scan.manual) {
        controls.indexes[OptionId::DuplexSetting] = kDuplexManual;
        ui.messageAnswers = {MessageAnswer::Yes};
        ui.onMessage = [&](const testing::ShownMessage& message) {
            if (message.text == kTurnTheStackQuestion) scanner.sheetsInFeeder = 3;  // the stack, turned over
        };
    }
    const QString output = temp.File("scan.tiff");
    ui.Accept(output);
    RunScan(controls, library, store, ui);

    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().text, "Scanned Successfully to:\r\r" + output);
    const std::vector<testing::TiffPage> pages = testing::ReadTiffPages(output);
    ASSERT_EQ(static_cast<int>(pages.size()), scan.pages);
    testing::ExpectPagesAsAsked(pages, scan.pixelType, scan.paper);
    if (scan.manual) {
        EXPECT_TRUE(controls.statusTexts.filter("duplex").isEmpty());
    }
}

// A feeder whose sensor reports paper that is not there: the first page finds
// it empty, which is an empty feeder like any other, so the job's question
// comes, and No scans from the flatbed.
TEST(ZooFeederTest, AnEmptyFeederWhoseSensorSaysLoadedBringsTheFeederQuestion) {
    const auto devices = testing::ZooBackends();
    const auto profile = std::find_if(devices.begin(), devices.end(), [](const BackendProfile& p) {
        return p.sensor && HasFeeder(p) && HasFlatbed(p);
    });
    ASSERT_NE(profile, devices.end());
    testing::ScanJobHarness harness;
    testing::ZooScanner scanner(*profile, 0);
    scanner.sensorAlwaysLoaded = true;
    harness.library.SetDeviceLister([&] { return QList<ScannerChoice>{{"zoo:0", "Zoo"}}; });
    harness.library.SetDeviceOpener(
        [&](const QString&, int*) -> std::unique_ptr<SaneDevice> { return std::make_unique<testing::ZooDevice>(scanner); });
    harness.AskForTiff(1, 1, true, false);
    harness.ui.messageAnswers = {MessageAnswer::No, MessageAnswer::No};  // the flatbed; no further page
    const QString output = harness.temp.File("scan.tiff");
    harness.ui.Accept(output);
    RunScan(harness.controls, harness.library, harness.store, harness.ui);
    ASSERT_GE(harness.ui.messages.size(), 2u);
    EXPECT_TRUE(harness.ui.messages.front().text.startsWith("Please load the documents into the Auto-Document Feeder."));
    EXPECT_EQ(harness.ui.messages.back().text, "Scanned Successfully to:\r\r" + output);
    EXPECT_EQ(testing::ReadTiffPages(output).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Backends, ZooScanTest, ::testing::ValuesIn(CasesOf(testing::ZooBackends())),
                         [](const auto& info) { return info.param.name; });
INSTANTIATE_TEST_SUITE_P(OddDevices, ZooScanTest, ::testing::ValuesIn(CasesOf(testing::OddDevices())),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace quillon
