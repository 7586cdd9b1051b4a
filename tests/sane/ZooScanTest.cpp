// SPDX-License-Identifier: GPL-3.0-or-later
// The whole scan job, through the SANE library, on every emulated backend:
// the page the user gets is what the window says (mode, resolution, paper),
// from the feeder, in duplex and from the flatbed, whatever each backend
// resets or lacks.
#include "scan/RunScan.h"
#include "scan/sane/SaneLibrary.h"
#include "settings/RegistryStore.h"
#include "settings/SqliteRegistryBackend.h"

#include "ZooDevice.h"

#include "../common/FakeScannerLibrary.h"
#include "../common/ScriptedScannerDialogs.h"
#include "../common/ScriptedUserInterface.h"
#include "../common/TempDir.h"

#include <QFile>

#include <gtest/gtest.h>
#include <tiffio.h>

#include <cstdlib>

namespace quillon {
namespace {

using testing::BackendSpec;

constexpr int kDpi = 150;
constexpr int kLetter = 1, kLegal = 2;  // positions in the paper list
constexpr int kBlackAndWhite = 0, kGrey = 1, kColour = 2;

bool AnySource(const BackendSpec& spec, bool (*matches)(const std::string&)) {
    for (const std::string& source : spec.sources)
        if (matches(source)) return true;
    return false;
}
bool Lower(const std::string& text, const char* word) {
    std::string lower = text;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower.find(word) != std::string::npos;
}
bool HasFeeder(const BackendSpec& s) {
    return AnySource(s, [](const std::string& v) { return !Lower(v, "card") && (Lower(v, "adf") || Lower(v, "feeder")); });
}
bool HasFlatbed(const BackendSpec& s) {
    return s.sources.empty() ||
           AnySource(s, [](const std::string& v) { return Lower(v, "flatbed") || v == "Normal" || v == "fb"; });
}
bool HasDuplex(const BackendSpec& s) {
    return s.duplexOption || AnySource(s, [](const std::string& v) { return !Lower(v, "card") && Lower(v, "duplex"); });
}

struct ZooCase {
    const char* name;
    bool feeder;
    bool duplex;
    int pixelType;
    int paper;
    int pages;  // expected; on the flatbed, the pages the user asks for
};
const ZooCase kCases[] = {
    {"FeederGreyLetter", true, false, kGrey, kLetter, 3},
    {"FeederDuplexColourLegal", true, true, kColour, kLegal, 6},
    {"FeederBlackAndWhiteLegal", true, false, kBlackAndWhite, kLegal, 3},
    {"FlatbedTwoPagesColourLegal", false, false, kColour, kLegal, 2},
    {"FlatbedBlackAndWhiteLetter", false, false, kBlackAndWhite, kLetter, 1},
    {"FlatbedGreyLetter", false, false, kGrey, kLetter, 1},
};

struct BackendCase {
    std::string name;
    const BackendSpec* spec;
    ZooCase scan;
    friend void PrintTo(const BackendCase& c, std::ostream* out) { *out << c.name; }
};

std::vector<BackendCase> CasesOf(const std::vector<BackendSpec>& devices) {
    std::vector<BackendCase> cases;
    for (const BackendSpec& spec : devices)
        for (const ZooCase& scan : kCases) {
            if (scan.feeder ? !HasFeeder(spec) : !HasFlatbed(spec)) continue;
            if (scan.duplex && !HasDuplex(spec)) continue;
            std::string name = std::string(spec.name) + "_" + scan.name;
            for (char& c : name)
                if (!std::isalnum(static_cast<unsigned char>(c)) && c != '_') c = '_';
            cases.push_back({name, &spec, scan});
        }
    return cases;
}

struct TiffPage {
    uint32_t width = 0, height = 0;
    uint16_t bits = 0, samples = 0;
    float dpi = 0;
};

std::vector<TiffPage> ReadTiffPages(const QString& path) {
    std::vector<TiffPage> pages;
    TIFF* tiff = TIFFOpen(QFile::encodeName(path).constData(), "r");
    if (!tiff) return pages;
    do {
        TiffPage page;
        TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &page.width);
        TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &page.height);
        TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &page.bits);
        TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &page.samples);
        TIFFGetField(tiff, TIFFTAG_XRESOLUTION, &page.dpi);
        pages.push_back(page);
    } while (TIFFReadDirectory(tiff));
    TIFFClose(tiff);
    return pages;
}

class ZooScanTest : public ::testing::TestWithParam<BackendCase> {
protected:
    testing::TempDir temp;
    SqliteRegistryBackend backend{temp.File("registry.sqlite3")};
    RegistryStore store{backend};
    testing::ScriptedUserInterface ui;
    testing::FakeOptionControls controls;
    testing::ScriptedScannerDialogs dialogs;
    SaneLibrary library{dialogs, temp.File("config"), temp.File("state/scanner.log")};
};

TEST_P(ZooScanTest, ThePagesAreWhatTheWindowSays) {
    const BackendSpec& spec = *GetParam().spec;
    const ZooCase& scan = GetParam().scan;
    testing::ZooScanner scanner(spec, 3);
    const QString deviceName = QStringLiteral("%1:zoo").arg(spec.name);
    library.SetDeviceLister([&] {
        return QList<ScannerChoice>{{deviceName, QStringLiteral("%1 %2").arg(spec.vendor, spec.model)}};
    });
    library.SetDeviceOpener([&](const QString& name, int* status) -> std::unique_ptr<SaneDevice> {
        if (name != deviceName) return *status = SANE_STATUS_INVAL, nullptr;
        return std::make_unique<testing::ZooDevice>(scanner);
    });
    controls.texts[OptionId::DPI] = QString::number(kDpi);
    controls.indexes[OptionId::Format] = 3;  // TIFF, read back page by page
    controls.indexes[OptionId::ScanType] = scan.pixelType;
    controls.indexes[OptionId::PaperSize] = scan.paper;
    controls.indexes[OptionId::DuplexSetting] = scan.duplex ? 1 : 0;
    controls.states[OptionId::TryADFFirst] = scan.feeder ? 1 : 0;
    controls.states[OptionId::AutoContrast] = 0;
    if (!scan.feeder) {
        for (int page = 1; page < scan.pages; ++page) ui.messageAnswers.push_back(MessageAnswer::Yes);
        ui.messageAnswers.push_back(MessageAnswer::No);
    }
    const QString output = temp.File("scan.tiff");
    ui.Accept(output);
    RunScan(controls, library, store, ui);

    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().text, "Scanned Successfully to:\r\r" + output);
    const std::vector<TiffPage> pages = ReadTiffPages(output);
    ASSERT_EQ(static_cast<int>(pages.size()), scan.pages);
    const int width = 1275, height = scan.paper == kLegal ? 2100 : 1650;  // at 150 dpi
    constexpr int kTolerance = 12;                                          // 2 mm
    for (std::size_t i = 0; i < pages.size(); ++i) {
        SCOPED_TRACE("page " + std::to_string(i + 1));
        const TiffPage& page = pages[i];
        EXPECT_EQ(page.bits, scan.pixelType == kBlackAndWhite ? 1 : 8);
        EXPECT_EQ(page.samples, scan.pixelType == kColour ? 3 : 1);
        EXPECT_EQ(std::lround(page.dpi), kDpi);
        EXPECT_LE(std::abs(int(page.width) - width), kTolerance) << page.width;
        EXPECT_LE(std::abs(int(page.height) - height), kTolerance) << page.height;
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, ZooScanTest, ::testing::ValuesIn(CasesOf(testing::ZooBackends())),
                         [](const auto& info) { return info.param.name; });
INSTANTIATE_TEST_SUITE_P(OddDevices, ZooScanTest, ::testing::ValuesIn(CasesOf(testing::OddDevices())),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace quillon
