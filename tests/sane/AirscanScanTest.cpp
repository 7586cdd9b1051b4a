// SPDX-License-Identifier: GPL-3.0-or-later
// The whole scan job through SANE's real airscan backend (sane-airscan),
// talking eSCL over loopback to the simulated network scanner that each test
// starts and stops itself.
#include "scan/RunScan.h"
#include "scan/ScannerErrors.h"
#include "scan/sane/SaneLibrary.h"
#include "settings/RegistryStore.h"
#include "settings/SqliteRegistryBackend.h"

#include "SaneTestConfig.h"

#include "../common/FakeScannerLibrary.h"
#include "../common/ScriptedScannerDialogs.h"
#include "../common/ScriptedUserInterface.h"
#include "../common/TempDir.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>
#include <tiffio.h>

#include <cstdlib>

namespace quillon {
namespace {

const QString kCr = QStringLiteral("\r");

struct AirscanCase {
    const char* name;
    QStringList simulator;  // its arguments
    bool feeder;
    bool duplex;
    int pixelType;
    int paper;            // 1 Letter, 2 Legal
    int pages;            // in the file; 0: none, and an older file stays
    int error;            // the scanner-library error reported, or 0
    friend void PrintTo(const AirscanCase& c, std::ostream* out) { *out << c.name; }
};

const AirscanCase kCases[] = {
    {"FeederOfThreeSheetsInDuplexGivesSixPages", {"--sheets", "3"}, true, true, 2, 1, 6, 0},
    {"FeederSimplexBlackAndWhiteLegal", {"--sheets", "3"}, true, false, 0, 2, 3, 0},
    {"FlatbedGreyLetter", {}, false, false, 1, 1, 1, 0},
    {"AJamOnTheFirstPageKeepsTheOlderFile", {"--sheets", "3", "--jam-at", "1"}, true, false, 1, 1, 0,
     kScannerErrorJammed},
    {"ADroppedConnectionEndsInAPlainSentence", {"--sheets", "3", "--drop-at", "1"}, true, false, 1, 1, 0,
     kScannerErrorIo},
    // airscan asks again for ten seconds before it gives up.
    {"ABusyScannerIsSaidToBeBusy", {"--busy"}, false, false, 1, 1, 0, kScannerErrorBusy},
};

class AirscanScanTest : public ::testing::TestWithParam<AirscanCase> {
protected:
    void SetUp() override {
        const QString portFile = temp.File("port");
        simulator.setProgram("python3");
        simulator.setArguments(QStringList{QStringLiteral(QUILLON_SOURCE_DIR "/tests/sane/escl_simulator.py"),
                                           "--port-file", portFile} + GetParam().simulator);
        simulator.start();
        ASSERT_TRUE(simulator.waitForReadyRead(10000)) << "the eSCL simulator did not start";
        const QString port = QString::fromLatin1(simulator.readLine()).trimmed();
        ASSERT_FALSE(port.isEmpty());
        ASSERT_TRUE(testing::WriteSaneConfig("dll.conf", "airscan\n"));
        ASSERT_TRUE(testing::WriteSaneConfig(
            "airscan.conf", QStringLiteral("[devices]\n\"Quillon Simulator\" = http://127.0.0.1:%1/eSCL\n"
                                           "[options]\ndiscovery = disable\n").arg(port).toUtf8()));
    }
    void TearDown() override {
        simulator.kill();
        simulator.waitForFinished();
    }

    testing::TempDir temp;
    QProcess simulator;
    SqliteRegistryBackend backend{temp.File("registry.sqlite3")};
    RegistryStore store{backend};
    testing::ScriptedUserInterface ui;
    testing::FakeOptionControls controls;
    testing::ScriptedScannerDialogs dialogs;
    SaneLibrary library{dialogs, temp.File("config"), temp.File("state/scanner.log")};
};

TEST_P(AirscanScanTest, ScansThroughTheNetworkScannerBackend) {
    const AirscanCase& scan = GetParam();
    const QString output = temp.File("scan.tiff");
    QFile old(output);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the older file");
    old.close();

    controls.texts[OptionId::DPI] = "150";
    controls.indexes[OptionId::Format] = 3;  // TIFF
    controls.indexes[OptionId::ScanType] = scan.pixelType;
    controls.indexes[OptionId::PaperSize] = scan.paper;
    controls.indexes[OptionId::DuplexSetting] = scan.duplex ? 1 : 0;
    controls.states[OptionId::TryADFFirst] = scan.feeder ? 1 : 0;
    controls.states[OptionId::AutoContrast] = 0;
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
    TIFF* tiff = TIFFOpen(QFile::encodeName(output).constData(), "r");
    ASSERT_NE(tiff, nullptr);
    int pages = 0;
    do {
        ++pages;
        uint32_t width = 0, height = 0;
        uint16_t bits = 0, samples = 0;
        float dpi = 0;
        TIFFGetField(tiff, TIFFTAG_IMAGEWIDTH, &width);
        TIFFGetField(tiff, TIFFTAG_IMAGELENGTH, &height);
        TIFFGetFieldDefaulted(tiff, TIFFTAG_BITSPERSAMPLE, &bits);
        TIFFGetFieldDefaulted(tiff, TIFFTAG_SAMPLESPERPIXEL, &samples);
        TIFFGetField(tiff, TIFFTAG_XRESOLUTION, &dpi);
        SCOPED_TRACE("page " + std::to_string(pages));
        EXPECT_EQ(bits, scan.pixelType == 0 ? 1 : 8);
        EXPECT_EQ(samples, scan.pixelType == 2 ? 3 : 1);
        EXPECT_EQ(std::lround(dpi), 150);
        EXPECT_LE(std::abs(int(width) - 1275), 12) << width;
        EXPECT_LE(std::abs(int(height) - (scan.paper == 2 ? 2100 : 1650)), 12) << height;
    } while (TIFFReadDirectory(tiff));
    TIFFClose(tiff);
    EXPECT_EQ(pages, scan.pages);
}

INSTANTIATE_TEST_SUITE_P(Simulator, AirscanScanTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quillon
