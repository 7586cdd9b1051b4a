// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/ScannerErrors.h"
#include "support/ErrorReport.h"
#include "scan/RunScan.h"
#include "settings/SqliteRegistryBackend.h"
#include "settings/RegistryStore.h"

#include "../common/NamedCases.h"
#include "../common/FakeScannerLibrary.h"
#include "../common/ScriptedUserInterface.h"
#include "../common/TempDir.h"

#include <QFile>

#include <algorithm>

#include <gtest/gtest.h>

namespace quillon {
namespace {

using testing::FakePage;
using testing::ShownMessage;

const QString kCr = "\r";

QString ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QStringLiteral("<missing>");
}

// Whether the calls include these, in this order, whatever else comes between.
bool InOrder(const QStringList& calls, const QStringList& wanted) {
    qsizetype at = 0;
    for (const QString& call : calls)
        if (at < wanted.size() && call == wanted[at]) ++at;
    return at == wanted.size();
}

class RunScanTest : public ::testing::Test {
protected:
    RunScanTest() {
        ui.desktopFolder = temp.path();
        library.duplexSupportAnswers = {1, 0};
    }

    void Scan(const QString& path) {
        ui.Accept(path);
        outcome = RunScan(controls, library, store, ui);
    }
    void Scan() { Scan(output); }

    const ShownMessage& OnlyMessage() const {
        EXPECT_EQ(ui.messages.size(), 1u) << ui.MessageTexts().join(" | ").toStdString();
        return ui.messages.back();
    }
    void ExpectSuccessMessage(const QString& path) const {
        const ShownMessage& message = OnlyMessage();
        EXPECT_EQ(message.text, "Scanned Successfully to:" + kCr + kCr + path);
        EXPECT_EQ(message.title, "Quillon Successful");
        EXPECT_EQ(message.icon, MessageIcon::Information);
    }
    void ExpectScanningError(const QString& detail) const {
        const ShownMessage& message = OnlyMessage();
        EXPECT_EQ(message.text, "ERROR: An error occurred while scanning." + kCr + kCr + detail);
        EXPECT_EQ(message.title, "Quillon Scanning Error");
        EXPECT_EQ(message.icon, MessageIcon::Critical);
        EXPECT_EQ(message.buttons, MessageButtons::Ok);
    }

    testing::TempDir temp;
    const QString output = temp.File("scan.pdf");
    SqliteRegistryBackend backend{temp.File("registry.sqlite3")};
    RegistryStore store{backend};
    testing::ScriptedUserInterface ui;
    testing::FakeOptionControls controls;
    testing::FakeScannerLibrary library;
    ScanOutcome outcome;
};

// --- Validation -----------------------------------------------------------

struct InvalidOptions {
    const char* name;
    std::function<void(testing::FakeOptionControls&)> set;
    const char* message;
    friend void PrintTo(const InvalidOptions& c, std::ostream* out) { *out << c.name; }
};

class ValidationTest : public RunScanTest, public ::testing::WithParamInterface<InvalidOptions> {};

TEST_P(ValidationTest, FirstInvalidOptionIsReportedBeforeAnyDialogAndUnloadsOnce) {
    GetParam().set(controls);
    RunScan(controls, library, store, ui);
    const ShownMessage& message = OnlyMessage();
    EXPECT_EQ(message.text, QString::fromUtf8(GetParam().message));
    EXPECT_EQ(message.title, "Quillon Error Message");
    EXPECT_EQ(message.icon, MessageIcon::Critical);
    EXPECT_TRUE(ui.dialogRequests.empty());
    EXPECT_EQ(library.calls, QStringList{"TWAIN_UnloadSourceManager()"});
}

INSTANTIATE_TEST_SUITE_P(
    Checks, ValidationTest,
    ::testing::Values(
        InvalidOptions{"Dpi601", [](auto& c) { c.texts[OptionId::DPI] = "601"; },
                       "ERROR: Invalid DPI Selected. (601) Please select a correct option."},
        InvalidOptions{"Dpi74", [](auto& c) { c.texts[OptionId::DPI] = " 74 "; },
                       "ERROR: Invalid DPI Selected. (74) Please select a correct option."},
        InvalidOptions{"NoColour", [](auto& c) { c.indexes[OptionId::ScanType] = -1; },
                       "ERROR: Invalid Scan Color Option Selected. (-1) Please select a correct option."},
        InvalidOptions{"DpiBeforeColour",
                       [](auto& c) {
                           c.texts[OptionId::DPI] = "50";
                           c.indexes[OptionId::ScanType] = -1;
                       },
                       "ERROR: Invalid DPI Selected. (50) Please select a correct option."},
        InvalidOptions{"NoDuplex", [](auto& c) { c.indexes[OptionId::DuplexSetting] = -1; },
                       "ERROR: Invalid Duplex Option Selected. (-1) Please select a correct option."},
        InvalidOptions{"Coverage150", [](auto& c) { c.texts[OptionId::PageRejectionCoverage] = "150"; },
                       "ERROR: Invalid PageRejectionCoverage Selected. (150) Please select a correct option."},
        InvalidOptions{"NegativeCoverage", [](auto& c) { c.texts[OptionId::PageRejectionCoverage] = "-0.5"; },
                       "ERROR: Invalid PageRejectionCoverage Selected. (-0.5) Please select a correct option."}),
    testing::NameOfCase());

TEST_F(RunScanTest, DuplexAndCoverageAreNotCheckedForSinglePages) {
    controls.states[OptionId::AllowMultiplePages] = 0;
    controls.indexes[OptionId::DuplexSetting] = -1;
    controls.texts[OptionId::PageRejectionCoverage] = "150";
    controls.texts[OptionId::DPI] = "600";
    library.Add(1);
    Scan();
    ExpectSuccessMessage(output);
    EXPECT_TRUE(library.calls.contains("TWAIN_SetResolution(600)"));
    EXPECT_TRUE(library.calls.contains("TWAIN_EnableDuplex(0)"));
}

TEST_F(RunScanTest, ATextThatIsNoNumberIsReportedAndUnloads) {
    controls.texts[OptionId::DPI] = "";
    RunScan(controls, library, store, ui);
    EXPECT_EQ(OnlyMessage().text, "ERROR: #13 Type mismatch: \"\" is not a number.");
    EXPECT_EQ(OnlyMessage().title, "Quillon Error Message");
    EXPECT_EQ(library.calls, QStringList{"TWAIN_UnloadSourceManager()"});
    EXPECT_TRUE(ui.dialogRequests.empty());
}

// --- Cancelling -------------------------------------------------------------

TEST_F(RunScanTest, CancelAtTheSaveDialogUsesNothingOfTheLibrary) {
    ui.Cancel();
    RunScan(controls, library, store, ui);
    EXPECT_EQ(OnlyMessage().text, "User Canceled Scan");
    EXPECT_EQ(OnlyMessage().title, "Quillon Information");
    EXPECT_EQ(OnlyMessage().icon, MessageIcon::Information);
    EXPECT_TRUE(library.calls.isEmpty());
    ASSERT_EQ(ui.dialogRequests.size(), 1u);
    EXPECT_TRUE(ui.dialogRequests[0].filter.startsWith("PDF document (*.pdf)"));
}

// Searchable PDF: the languages are settled before any dialog; a problem with
// them ends the scan there, said plainly.
struct SearchableCase {
    const char* name;
    const char* stored;   // OcrLanguage; null: none stored
    const char* problem;  // the library's answer
    bool cancelAtSaveDialog;
    friend void PrintTo(const SearchableCase& c, std::ostream* out) { *out << c.name; }
};

class SearchableTest : public RunScanTest, public ::testing::WithParamInterface<SearchableCase> {};

TEST_P(SearchableTest, LanguagesAreSettledBeforeAnyDialog) {
    const SearchableCase& c = GetParam();
    controls.indexes[OptionId::Format] = 4;
    if (c.stored) store.Set("OcrLanguage", c.stored);
    library.textRecognitionProblem = c.problem;
    library.Add(1);
    if (c.cancelAtSaveDialog) ui.Cancel();
    else ui.Accept(output);
    RunScan(controls, library, store, ui);

    ASSERT_FALSE(library.calls.isEmpty());
    EXPECT_EQ(library.calls.first(), QStringLiteral("TWAIN_SetTextRecognition(1, %1)").arg(c.stored ? c.stored : ""));
    EXPECT_EQ(library.CountCalls("TWAIN_UnloadSourceManager"), 1);  // which turns recognition off again
    if (*c.problem) {
        EXPECT_EQ(OnlyMessage().text, QStringLiteral("ERROR: Searchable PDF cannot be made.") + kCr + kCr + c.problem);
        EXPECT_EQ(OnlyMessage().icon, MessageIcon::Critical);
        EXPECT_TRUE(ui.dialogRequests.empty());
        EXPECT_EQ(library.calls.size(), 2);
        return;
    }
    ASSERT_EQ(ui.dialogRequests.size(), 1u);
    EXPECT_TRUE(ui.dialogRequests[0].filter.startsWith("PDF document (*.pdf)"));
    EXPECT_EQ(ui.messages.back().text, c.cancelAtSaveDialog ? "User Canceled Scan"
                                                             : "Scanned Successfully to:" + kCr + kCr + output);
}

INSTANTIATE_TEST_SUITE_P(Cases, SearchableTest,
                         ::testing::Values(SearchableCase{"ScansInTheStoredLanguages", "deu+eng", "", false},
                                           SearchableCase{"ScansInTheUsersOwnWhenNoneAreStored", nullptr, "", false},
                                           SearchableCase{"CancelAtTheSaveDialog", "deu+eng", "", true},
                                           SearchableCase{"MissingLanguageData", "deu+eng", "Install tesseract-ocr-deu.", false}),
                         testing::NameOfCase());

TEST_F(RunScanTest, CancelAtSourceSelectionOrNoScannerThere) {
    for (const auto& [error, kind] : {std::pair{0, ScanOutcome::Kind::Cancelled},
                                      std::pair{int(kScannerErrorNoSource), ScanOutcome::Kind::NoScanner}}) {
        SCOPED_TRACE(error);
        library.calls.clear();
        ui.messages.clear();
        library.selectResult = 0;
        library.selectError = error;
        ui.Accept(output);
        EXPECT_EQ(RunScan(controls, library, store, ui).kind, kind);
        EXPECT_EQ(OnlyMessage().text, "Canceled Scan");
        EXPECT_EQ(OnlyMessage().title, "Quillon Information");
        // Nothing is opened, and the library is let go once.
        EXPECT_EQ(library.CountCalls("TWAIN_OpenDefaultSource"), 0);
        EXPECT_EQ(library.CountCalls("TWAIN_UnloadSourceManager"), 1);
    }
}

TEST_F(RunScanTest, CancelAtTheFeederQuestion) {
    library.feederLoadedAnswers = {0, 0};
    library.feederLoadedAfter = 0;
    ui.messageAnswers = {MessageAnswer::Cancel};
    Scan();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, "Please load the documents into the Auto-Document Feeder." + kCr + kCr +
                                       "Click YES to retry or" + kCr +
                                       "Click NO to use the flatbed or other scan head (if equipped).");
    EXPECT_EQ(ui.messages[0].title, "Quillon");
    EXPECT_EQ(ui.messages[0].icon, MessageIcon::Information);
    EXPECT_EQ(ui.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(ui.messages[1].text, "Canceled Scan");
    // The feeder was asked twice, no page was taken, and the library let go once.
    EXPECT_EQ(library.CountCalls("TWAIN_IsFeederLoaded"), 2);
    EXPECT_EQ(library.CountCalls("TWAIN_Acquire"), 0);
    EXPECT_EQ(library.calls.back(), "TWAIN_UnloadSourceManager()");
    EXPECT_FALSE(QFile::exists(output));
}

// --- WIA warning ------------------------------------------------------------

TEST_F(RunScanTest, WiaWarningComesOnEveryOtherScanWithSuchASource) {
    library.sourceName = "Canon LiDE 400 (wia)";
    const QString warning =
        "You have selected a WIA scanner, but did not check the WIA option. This may lead to unexpected problems.";
    QStringList stored;
    for (int scan = 0; scan < 3; ++scan) {
        ui.messages.clear();
        library.Add(1);
        Scan();
        const bool warned = !ui.messages.empty() && ui.messages.front().text == warning;
        EXPECT_EQ(warned, scan != 1) << "scan " << scan;
        if (warned) {
            EXPECT_EQ(ui.messages.front().title, "Quillon Warning");
            EXPECT_EQ(ui.messages.front().icon, MessageIcon::None);
        }
        stored.append(store.Get("WIACHECK"));
    }
    EXPECT_EQ(stored, QStringList({"1", "0", "1"}));
}

TEST_F(RunScanTest, WiaCheckedOrAnotherSourceNeverWarnsButStoresZero) {
    controls.states[OptionId::WIA] = 1;
    controls.states[OptionId::AllowMultiplePages] = 0;
    library.sourceName = "WIA-Canon";
    library.Add(1);
    Scan();
    EXPECT_EQ(store.Get("WIACHECK"), "0");
    EXPECT_TRUE(library.calls.contains("TWAIN_SetHideUI(0)"));  // the source shows its own dialog
    ExpectSuccessMessage(output);
}

// --- Options, duplex and feeder -----------------------------------------------

TEST_F(RunScanTest, QualityPaperAndColourReachTheSourceInOrder) {
    controls.indexes[OptionId::Quality] = 5;
    controls.indexes[OptionId::PaperSize] = 2;
    controls.indexes[OptionId::ScanType] = 0;
    controls.states[OptionId::AutoCrop] = 1;
    controls.states[OptionId::TryADFFirst] = 0;
    library.Add(1);
    Scan();
    const QStringList expected{"TWAIN_LogFile(1)",       "TWAIN_SetHideUI(-1)",      "TWAIN_SetJpegQuality(100)",
                               "TWAIN_SetPixelType(0)",  "TWAIN_SetResolution(200)", "TWAIN_SetAutoDeskew(0)",
                               "TWAIN_SetAutoCrop(1)",   "TWAIN_SetAutoContrast(1)", "TWAIN_SetPaperSize(4)"};
    EXPECT_EQ(library.calls.mid(3, expected.size()), expected);

    library.calls.clear();
    controls.indexes[OptionId::Quality] = -1;
    controls.indexes[OptionId::PaperSize] = 0;
    library.Add(1);
    Scan();
    EXPECT_TRUE(library.calls.contains("TWAIN_SetJpegQuality(75)"));
    EXPECT_EQ(library.CountCalls("TWAIN_SetPaperSize"), 0);
}

struct DuplexCase {
    const char* name;
    std::deque<int> support;
    int enableResult;
    int format;
    QStringList calls;
    bool warned;
    friend void PrintTo(const DuplexCase& c, std::ostream* out) { *out << c.name; }
};

class DuplexTest : public RunScanTest, public ::testing::WithParamInterface<DuplexCase> {};

TEST_P(DuplexTest, NegotiatesAndWarnsOnTheStatusLine) {
    library.duplexSupportAnswers = GetParam().support;
    library.enableDuplexResult = GetParam().enableResult;
    controls.indexes[OptionId::Format] = GetParam().format;
    if (GetParam().format == 0) controls.states[OptionId::AllowMultiplePages] = 0;
    library.Add(1);
    Scan(GetParam().format == 0 ? temp.File("scan.jpg") : output);
    // The negotiation, from its first call on.
    const auto first = std::find_if(library.calls.begin(), library.calls.end(), [](const QString& call) {
        return call.startsWith("TWAIN_GetDuplexSupport") || call.startsWith("TWAIN_EnableDuplex");
    });
    EXPECT_EQ(library.calls.mid(first - library.calls.begin(), GetParam().calls.size()), GetParam().calls);
    const QString warning =
        "Warning: An attempt was made to enable duplex scanning, however your scanner either does not support it, or "
        "does not behave according to the TWAIN specifications.";
    EXPECT_EQ(controls.statusTexts, GetParam().warned ? QStringList{warning} : QStringList{});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DuplexTest,
    ::testing::Values(
        DuplexCase{"Unsupported", {0, 0}, 1, 1,
                   {"TWAIN_GetDuplexSupport()", "TWAIN_GetDuplexSupport()", "TWAIN_EnableDuplex(0)", "TWAIN_HasFeeder()"},
                   true},
        DuplexCase{"SupportedOnSecondAsk", {0, 2}, 1, 1,
                   {"TWAIN_GetDuplexSupport()", "TWAIN_GetDuplexSupport()", "TWAIN_EnableDuplex(1)", "TWAIN_HasFeeder()"},
                   false},
        DuplexCase{"Refused", {1, 0}, 0, 1,
                   {"TWAIN_GetDuplexSupport()", "TWAIN_GetDuplexSupport()", "TWAIN_EnableDuplex(1)",
                    "TWAIN_EnableDuplex(0)", "TWAIN_HasFeeder()"},
                   true},
        DuplexCase{"JpegIsOneSided", {1, 2}, 1, 0, {"TWAIN_EnableDuplex(0)", "TWAIN_HasFeeder()"}, false}),
    testing::NameOfCase());

TEST_F(RunScanTest, FeederIsNotTriedWhenTryFeederFirstIsClear) {
    controls.states[OptionId::TryADFFirst] = 0;
    library.Add(1);
    Scan();
    EXPECT_TRUE(InOrder(library.calls, {"TWAIN_EnableDuplex(1)", "TWAIN_SelectFeeder(0)", "TWAIN_Acquire(0)"}));
    EXPECT_EQ(library.CountCalls("TWAIN_HasFeeder"), 0);
    EXPECT_EQ(library.CountCalls("TWAIN_IsFeederLoaded"), 0);
    EXPECT_EQ(ReadFile(output), "ink\n");
}

TEST_F(RunScanTest, NoFeederOrARefusedFeederUsesTheFlatbed) {
    for (const bool refused : {false, true}) {
        library.calls.clear();
        library.hasFeeder = refused ? 1 : 0;
        library.selectFeederResult = refused ? 0 : 1;
        library.Add(1);
        Scan();
        const QStringList tried = refused ? QStringList{"TWAIN_HasFeeder()", "TWAIN_SelectFeeder(1)", "TWAIN_SelectFeeder(0)"}
                                          : QStringList{"TWAIN_HasFeeder()", "TWAIN_SelectFeeder(0)"};
        EXPECT_TRUE(InOrder(library.calls, tried + QStringList{"TWAIN_Acquire(0)"})) << library.calls.join(' ').toStdString();
        EXPECT_EQ(library.CountCalls("TWAIN_IsFeederLoaded"), 0);
        EXPECT_EQ(ReadFile(output), "ink\n");
    }
}

TEST_F(RunScanTest, YesWhileTheFeederIsStillEmptyAsksAgain) {
    library.feederLoadedAnswers = {0, 0, 0, 1};
    ui.messageAnswers = {MessageAnswer::Yes, MessageAnswer::Yes};
    library.Add(2);
    Scan();
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[0].title, "Quillon");
    EXPECT_EQ(ui.messages[1].title, "Quillon");
    EXPECT_EQ(library.CountCalls("TWAIN_IsFeederLoaded"), 4);
    EXPECT_EQ(ReadFile(output), "ink\nink\n");
}

TEST_F(RunScanTest, NoAtTheFeederQuestionScansFromTheFlatbed) {
    library.feederLoadedAnswers = {0, 0};
    ui.messageAnswers = {MessageAnswer::No, MessageAnswer::No};  // the feeder question, then "Scan Another Page?"
    library.Add(1);
    Scan();
    // The flatbed is chosen once the feeder was found empty, and its page is the file's.
    EXPECT_EQ(library.CountCalls("TWAIN_IsFeederLoaded"), 2);
    EXPECT_GT(library.calls.indexOf("TWAIN_SelectFeeder(0)"), library.calls.lastIndexOf("TWAIN_IsFeederLoaded()"));
    EXPECT_EQ(ReadFile(output), "ink\n");
    ASSERT_EQ(ui.messages.size(), 3u);
    EXPECT_EQ(ui.messages[1].text, "Scan Another Page?");
    EXPECT_EQ(ui.messages[1].title, "Quillon Question");
    EXPECT_EQ(ui.messages[1].icon, MessageIcon::Question);
    EXPECT_EQ(ui.messages[1].buttons, MessageButtons::YesNo);
    EXPECT_EQ(ui.messages[2].text, "Scanned Successfully to:" + kCr + kCr + output);
}

// --- Single transfer ----------------------------------------------------------

class SingleTransferTest : public RunScanTest {
protected:
    SingleTransferTest() { controls.states[OptionId::AllowMultiplePages] = 0; }
};

TEST_F(SingleTransferTest, SuccessWritesTheFileStraightAway) {
    const QString jpeg = temp.File("Photo.JPG");
    library.Add(1);
    Scan(jpeg);
    EXPECT_EQ(library.CountCalls("TWAIN_AcquireToFilename(0," + jpeg + ")"), 1);
    EXPECT_EQ(library.CountCalls("TWAIN_BeginMultipageFile"), 0);
    ExpectSuccessMessage(jpeg);
    EXPECT_EQ(ReadFile(jpeg), "ink");
}

TEST_F(SingleTransferTest, ACancelEndsSilently) {
    library.pages.push_back({false, kScannerErrorCancelled});
    Scan();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(outcome.kind, ScanOutcome::Kind::Cancelled);
    EXPECT_FALSE(QFile::exists(output));
    EXPECT_EQ(library.CountCalls("TWAIN_UnloadSourceManager"), 1);
}

TEST_F(SingleTransferTest, AFailureIsReported) {
    library.pages.push_back({false, kScannerErrorJammed});
    Scan();
    ExpectScanningError("TWAIN Error #3 The document feeder is jammed.");
    EXPECT_EQ(outcome.kind, ScanOutcome::Kind::Failed);
    EXPECT_FALSE(QFile::exists(output));
}

TEST_F(SingleTransferTest, WiaAlwaysTakesTheSingleTransfer) {
    controls.states[OptionId::AllowMultiplePages] = 1;
    controls.states[OptionId::WIA] = 1;
    library.Add(3);
    Scan();
    EXPECT_EQ(library.CountCalls("TWAIN_AcquireToFilename"), 1);
    EXPECT_EQ(library.CountCalls("TWAIN_BeginMultipageFile"), 0);
    ExpectSuccessMessage(output);
}

// --- Feeder batch ---------------------------------------------------------------

TEST_F(RunScanTest, FeederBatchDropsBlankPagesAfterTheFirstButCountsAndFreesThem) {
    controls.texts[OptionId::PageRejectionCoverage] = "0.01";
    library.pages = {{false, 0}, {true, 0}, {false, 0}, {true, 0}};
    Scan();
    // Every page is tested at the threshold asked, and every one freed.
    for (int page = 1; page <= 4; ++page)
        EXPECT_EQ(library.CountCalls(QStringLiteral("DIB_IsBlank(#%1,0.01)").arg(page)), 1) << page;
    EXPECT_EQ(ReadFile(output), "ink\nink\n");
    EXPECT_EQ(library.ImagesHeld(), 0);
    ExpectSuccessMessage(output);
    EXPECT_EQ(outcome.kind, ScanOutcome::Kind::Written);
    EXPECT_EQ(outcome.pages, 2);
    EXPECT_EQ(outcome.path, output);
    EXPECT_EQ(ui.MessageTexts().filter("Scan Another Page?").size(), 0);
}

TEST_F(RunScanTest, AllBlankPagesGiveAOnePageFile) {
    library.Add(5, true);
    Scan();
    EXPECT_EQ(ReadFile(output), "blank\n");
    EXPECT_EQ(library.CountCalls("DIB_IsBlank"), 5);
    EXPECT_EQ(library.CountCalls("DIB_Free"), 5);
    ExpectSuccessMessage(output);
}

TEST_F(RunScanTest, AJamInTheMiddleOfABatchKeepsThePagesBeforeItAndSaysHowManyAndWhere) {
    QFile old(output);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old document");
    old.close();
    library.Add(3);
    library.pages.push_back({false, kScannerErrorJammed});
    Scan();
    // The pages before the jam are kept in the file, in place of the old one,
    // and the message says so.
    EXPECT_EQ(ReadFile(output), "ink\nink\nink\n");
    ExpectScanningError("TWAIN Error #3 The document feeder is jammed.\r\r3 pages were saved to:\r" + output);
    EXPECT_EQ(outcome.kind, ScanOutcome::Kind::FailedAfterPages);
    EXPECT_EQ(outcome.pages, 3);
    EXPECT_EQ(library.CountCalls("TWAIN_UnloadSourceManager"), 1);
}

TEST_F(RunScanTest, AFileThatCannotBeStartedIsReportedWithItsReason) {
    library.beginResult = 1;
    library.beginError = kScannerErrorWriteFailed;
    Scan();
    ExpectScanningError("TWAIN Error #13 The file could not be written.");
    EXPECT_EQ(library.CountCalls("TWAIN_Acquire("), 0);
    EXPECT_EQ(library.CountCalls("TWAIN_UnloadSourceManager"), 1);

    ui.messages.clear();
    library.beginError = 0;
    Scan();
    EXPECT_EQ(OnlyMessage().text, "Canceled Scan");
}

// --- Flatbed loop -----------------------------------------------------------------

class FlatbedTest : public RunScanTest {
protected:
    FlatbedTest() { controls.states[OptionId::TryADFFirst] = 0; }
};

TEST_F(FlatbedTest, NoAfterTheFirstPageGivesAOnePageFile) {
    library.Add(3);
    ui.messageAnswers = {MessageAnswer::No};
    Scan();
    EXPECT_TRUE(library.calls.contains("TWAIN_SelectFeeder(0)"));
    EXPECT_EQ(library.CountCalls("TWAIN_Acquire("), 1);
    EXPECT_EQ(ReadFile(output), "ink\n");
    EXPECT_EQ(ui.messages.back().title, "Quillon Successful");
}

TEST_F(FlatbedTest, ABlankSecondPageIsDroppedAndTheQuestionStillComes) {
    library.pages = {{false, 0}, {true, 0}, {false, 0}};
    ui.messageAnswers = {MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::No};
    Scan();
    // The source is disabled, not closed, between the pages of other scanners.
    EXPECT_EQ(library.CountCalls("TWAIN_DisableSource"), 2);
    EXPECT_EQ(ui.MessageTexts().filter("Scan Another Page?").size(), 3);
    EXPECT_EQ(ReadFile(output), "ink\nink\n");
}

struct HpSourceName {
    const char* name;
    const char* sourceName;
    friend void PrintTo(const HpSourceName& c, std::ostream* out) { *out << c.name; }
};

class HpReopenTest : public FlatbedTest, public ::testing::WithParamInterface<HpSourceName> {};

TEST_P(HpReopenTest, HpSourcesAreReopenedWithTheFourBasicSettings) {
    library.sourceName = QString::fromUtf8(GetParam().sourceName);
    library.Add(2);
    ui.messageAnswers = {MessageAnswer::Yes, MessageAnswer::No};
    Scan();
    // Between the pages the source is closed and opened again by its name,
    // and the four basic settings are made again before the next page.
    const qsizetype reopened = library.calls.indexOf("TWAIN_OpenSource(" + library.sourceName + ")");
    ASSERT_GE(reopened, 0);
    const QStringList after = library.calls.mid(reopened, library.calls.indexOf("TWAIN_Acquire(0)", reopened) - reopened);
    for (const char* setting : {"TWAIN_SetHideUI(-1)", "TWAIN_SetJpegQuality(75)", "TWAIN_SetPixelType(1)",
                                "TWAIN_SetResolution(200)"})
        EXPECT_TRUE(after.contains(setting)) << setting;
    EXPECT_EQ(library.CountCalls("TWAIN_DisableSource"), 0);
    EXPECT_EQ(ReadFile(output), "ink\nink\n");
}

INSTANTIATE_TEST_SUITE_P(Names, HpReopenTest,
                         ::testing::Values(HpSourceName{"HpWord", "HP Scanjet"}, HpSourceName{"LowerCaseHp", "x hp 5590"},
                                           HpSourceName{"HewlettHyphenPackard", "Hewlett-Packard X"},
                                           HpSourceName{"HewlettPackardUpperCase", "HEWLETT PACKARD"},
                                           HpSourceName{"HewlettPackardLowerCase", "hewlett packard officejet"}),
                         testing::NameOfCase());

TEST_F(FlatbedTest, NamesThatOnlyContainHpAreDisabledLikeAnyOther) {
    for (const char* name : {"HPX", "Scanner HP", "WHP-1"}) {
        library.calls.clear();
        library.sourceName = name;
        library.Add(2);
        ui.messageAnswers = {MessageAnswer::Yes, MessageAnswer::No};
        Scan();
        EXPECT_EQ(library.CountCalls("TWAIN_OpenSource"), 0) << name;
        EXPECT_EQ(library.CountCalls("TWAIN_DisableSource"), 1) << name;
    }
}

TEST_F(FlatbedTest, AFailedReopenEndsTheLoopWithThePagesSoFar) {
    library.sourceName = "HP Scanjet 5590";
    library.reopenResult = 0;
    library.Add(2);
    ui.messageAnswers = {MessageAnswer::Yes};
    Scan();
    EXPECT_EQ(library.CountCalls("TWAIN_Acquire("), 1);
    EXPECT_EQ(ReadFile(output), "ink\n");
    EXPECT_EQ(ui.MessageTexts(), QStringList({"Scan Another Page?", "Scanned Successfully to:" + kCr + kCr + output}));
}

TEST(HpSourceNameTest, PatternsMatchTheUpperCasedName) {
    for (const char* name : {"HP Scanjet", "x hp 5590", "Hewlett-Packard X", "HEWLETT PACKARD", "My HP ", "hp "})
        EXPECT_TRUE(IsHpSourceName(name)) << name;
    for (const char* name : {"HPX", "Scanner HP", "hp", "", "Hewlett Packer", "CHIP 5"})
        EXPECT_FALSE(IsHpSourceName(name)) << name;
}

// --- End of the job ---------------------------------------------------------------

TEST_F(RunScanTest, ASourceThatDoesNotOpenAndNoFileReportsTheMissingFile) {
    library.openResult = 0;
    Scan();
    ExpectScanningError("Could not locate file: " + output);
    EXPECT_EQ(library.CountCalls("TWAIN_Acquire"), 0);
    EXPECT_EQ(library.CountCalls("TWAIN_UnloadSourceManager"), 1);
}

TEST_F(RunScanTest, AnOldFileAtThePathIsNeverTakenForSuccess) {
    QFile old(output);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old document");
    old.close();
    library.openResult = 0;
    Scan();
    ExpectScanningError("Nothing was saved to: " + output + kCr +
                        "The file that was already there has not been changed.");
    EXPECT_EQ(ReadFile(output), "old document");
    EXPECT_EQ(library.CountCalls("TWAIN_UnloadSourceManager"), 1);
}

TEST_F(RunScanTest, ALibraryErrorAfterAcquisitionIsReportedWithItsText) {
    library.pages.push_back({false, kScannerErrorCoverOpen});
    Scan();
    // No page came, so no document was written, and the cover is what the user learns about.
    ExpectScanningError("TWAIN Error #4 The scanner cover is open.");
    EXPECT_EQ(ReadFile(output), "<missing>");
    EXPECT_EQ(outcome.kind, ScanOutcome::Kind::Failed);
    EXPECT_FALSE(outcome.wroteFile());
}

TEST_F(RunScanTest, WhatTheFileLacksIsSaidAfterTheSuccess) {
    library.Add(3);
    library.completedFileNote = "2 of 3 pages were saved without searchable text.";
    Scan();
    EXPECT_EQ(OnlyMessage().text, "Scanned Successfully to:" + kCr + kCr + output + kCr + kCr +
                                      "2 of 3 pages were saved without searchable text.");
    EXPECT_EQ(outcome.kind, ScanOutcome::Kind::Written);
}

TEST_F(RunScanTest, SuccessNamesThePathExactlyAsTheDialogReturnedIt) {
    const QString path = temp.File("Scans of März/Report 2026.final.PDF");
    QDir().mkpath(temp.File("Scans of März"));
    library.Add(1);
    Scan(path);
    ExpectSuccessMessage(path);
    EXPECT_EQ(store.Get("LastDirectory"), temp.File("Scans of März/"));
}

TEST_F(RunScanTest, AFailureInThePageLoopIsReportedOnceUnloadsOnceAndLeavesNoPartialFile) {
    QFile old(output);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old document");
    old.close();
    library.Add(3);
    library.throwOn = "TWAIN_DibWritePage";
    library.throwOnOccurrence = 2;
    Scan();
    EXPECT_EQ(OnlyMessage().text, "ERROR: #91 Object variable not set.");
    EXPECT_EQ(OnlyMessage().title, "Quillon Error Message");
    EXPECT_EQ(library.calls.back(), "TWAIN_UnloadSourceManager()");
    EXPECT_EQ(library.CountCalls("TWAIN_UnloadSourceManager"), 1);
    EXPECT_EQ(ReadFile(output), "old document");
    EXPECT_EQ(QDir(temp.path()).entryList({"*.partial"}, QDir::Files | QDir::Hidden), QStringList{});

    // The next SCAN works.
    ui.messages.clear();
    library.throwOn.clear();
    library.pages.clear();
    library.Add(2);
    Scan();
    ExpectSuccessMessage(output);
    EXPECT_EQ(ReadFile(output), "ink\nink\n");
}

TEST_F(RunScanTest, AFailureInTheSuccessMessageDoesNotUnloadTwice) {
    library.Add(1);
    ui.onMessage = [](const ShownMessage& message) {
        if (message.title == "Quillon Successful") throw Failure(5, "Invalid procedure call.");
    };
    Scan();
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[1].text, "ERROR: #5 Invalid procedure call.");
    EXPECT_EQ(library.CountCalls("TWAIN_UnloadSourceManager"), 1);
}

}  // namespace
}  // namespace quillon
