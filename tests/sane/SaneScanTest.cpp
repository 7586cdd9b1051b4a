// SPDX-License-Identifier: GPL-3.0-or-later
// End to end: the scan job drives SANE's test scanner through the real
// library, and the files are read back by real readers.
#include "scan/ScannerErrors.h"
#include "scan/RunScan.h"
#include "scan/sane/SaneDevice.h"
#include "scan/sane/SaneOptions.h"
#include "scan/ScannerLog.h"

#include "../common/TestPages.h"
#include "PassThroughDevice.h"
#include "SaneTestConfig.h"
#include "ScanJobHarness.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <chrono>
#include <future>
#include <map>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace quillon {
namespace {

using testing::RunTool;

const QString kCr = "\r";

int PdfPages(const QString& pdf) {
    const QRegularExpressionMatch match = QRegularExpression("Pages:\\s+(\\d+)").match(RunTool("pdfinfo", {pdf}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QSizeF PdfPageSize(const QString& pdf) {
    const QRegularExpressionMatch match =
        QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+) pts").match(RunTool("pdfinfo", {pdf}));
    return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()) : QSizeF();
}

// The real device, with a status injected into the reads of the n-th page and
// of every page after it. The real page is read to its end first, as a real
// scanner's failure comes from a reader that has run: cancelling the test
// backend's reader thread before it has run can leave the loader locked.
class InjectingDevice : public testing::PassThroughDevice {
public:
    InjectingDevice(std::unique_ptr<SaneDevice> real, int page, SANE_Status status)
        : PassThroughDevice(std::move(real)), page_(page), status_(status) {}
    SANE_Status Start() override {
        ++starts_;
        return real_->Start();
    }
    SANE_Status Read(SANE_Byte* d, SANE_Int m, SANE_Int* l) override {
        if (starts_ < page_) return real_->Read(d, m, l);
        while (real_->Read(d, m, l) == SANE_STATUS_GOOD) {
        }
        *l = 0;
        return status_;
    }

private:
    int page_;
    SANE_Status status_;
    int starts_ = 0;
};

// The real device, except that from the n-th page on it sends nothing at
// all until it is cancelled: a scanner that has stopped answering.
class FallsSilentDevice : public testing::PassThroughDevice {
public:
    FallsSilentDevice(std::unique_ptr<SaneDevice> real, int page) : PassThroughDevice(std::move(real)), page_(page) {}
    SANE_Status Start() override {
        ++starts_;
        return real_->Start();
    }
    SANE_Status Read(SANE_Byte* d, SANE_Int m, SANE_Int* l) override {
        if (starts_ < page_) return real_->Read(d, m, l);
        WaitUntilCancelled();
        *l = 0;
        return SANE_STATUS_CANCELLED;
    }

private:
    int page_;
    int starts_ = 0;
};

SANE_Status StatusNamed(const QString& name) {
    static const std::map<QString, SANE_Status> kStatuses{
        {"JAMMED", SANE_STATUS_JAMMED},           {"COVER_OPEN", SANE_STATUS_COVER_OPEN},
        {"IO_ERROR", SANE_STATUS_IO_ERROR},       {"NO_DOCS", SANE_STATUS_NO_DOCS},
        {"DEVICE_BUSY", SANE_STATUS_DEVICE_BUSY}, {"CANCELLED", SANE_STATUS_CANCELLED},
        {"NO_MEM", SANE_STATUS_NO_MEM},           {"ACCESS_DENIED", SANE_STATUS_ACCESS_DENIED},
        {"EOF", SANE_STATUS_EOF}};
    return kStatuses.at(name);
}

class SaneScanTest : public ::testing::Test, protected testing::ScanJobHarness {
protected:
    SaneScanTest() {
        // A fresh copy of the project's SANE configuration, which a test may change.
        for (const char* file : {"dll.conf", "test.conf"}) {
            QFile::remove(saneConfig + "/" + file);
            QFile::copy(QStringLiteral(QUILLON_SOURCE_DIR "/tests/sane/") + file, saneConfig + "/" + file);
            QFile::setPermissions(saneConfig + "/" + file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
        ui.desktopFolder = temp.path();
        controls.texts[OptionId::DPI] = "100";
    }

    // Changes one setting of the test scanner; read when the next scan starts.
    void SetTestScanner(const QString& key, const QString& value) {
        QFile file(saneConfig + "/test.conf");
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QString text = QString::fromUtf8(file.readAll());
        file.close();
        text.replace(QRegularExpression("(?m)^" + QRegularExpression::escape(key) + " .*$"), key + " " + value);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text.toUtf8());
    }

    void UseFlatbed() { controls.states[OptionId::TryADFFirst] = 0; }

    // Makes the reads of the n-th page of every scan end with a SANE status.
    void InjectIntoPage(int page, const QString& status) {
        library.SetDeviceOpener([page, status](const QString& name, int* result) -> std::unique_ptr<SaneDevice> {
            std::unique_ptr<SaneDevice> real = SaneHandleDevice::Open(name.toUtf8().constData(), result);
            if (!real) return nullptr;
            return std::make_unique<InjectingDevice>(std::move(real), page, StatusNamed(status));
        });
    }
    void InjectNothing() {
        library.SetDeviceOpener([](const QString& name, int* result) {
            return SaneHandleDevice::Open(name.toUtf8().constData(), result);
        });
    }

    void Scan(const QString& path) {
        ui.messages.clear();
        ui.Accept(path);
        RunScan(controls, library, store, ui);
    }

    QString LastMessage() const { return ui.messages.empty() ? QString() : ui.messages.back().text; }
    QString Success(const QString& path) const { return "Scanned Successfully to:" + kCr + kCr + path; }
    // With pages saved before the error, the message names how many and where.
    QString ScanError(int code, int pagesSaved = 0, const QString& path = {}) const {
        QString text = "ERROR: An error occurred while scanning." + kCr + kCr + "TWAIN Error #" + QString::number(code) +
                       " " + ScannerErrorText(code);
        if (pagesSaved == 1) text += kCr + kCr + "1 page was saved to:" + kCr + path;
        if (pagesSaved > 1) text += kCr + kCr + QString::number(pagesSaved) + " pages were saved to:" + kCr + path;
        return text;
    }

    const QString saneConfig = testing::SaneConfigFolder();
};

TEST_F(SaneScanTest, FlatbedOnePageAndThreePages) {
    UseFlatbed();
    const QString one = temp.File("one.pdf");
    Scan(one);
    EXPECT_EQ(LastMessage(), Success(one));
    EXPECT_EQ(PdfPages(one), 1);
    EXPECT_EQ(dialogs.offered.size(), 1);
    EXPECT_EQ(dialogs.offered.value(0).deviceName, "test:0");

    const QString three = temp.File("three.pdf");
    ui.messageAnswers = {MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::No};
    std::vector<int> numbers;  // as the progress says them
    dialogs.beforePage = [&](int pageNumber) { numbers.push_back(pageNumber); };
    Scan(three);
    EXPECT_EQ(LastMessage(), Success(three));
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(ui.MessageTexts().filter("Scan Another Page?").size(), 3);
    EXPECT_EQ(PdfPages(three), 3);
    EXPECT_TRUE(RunTool("qpdf", {"--check", three}).contains("No syntax or stream encoding errors"));
    EXPECT_EQ(dialogs.lastPreselected, 0);  // the scanner chosen last
}

// The window starts the search for scanners as SCAN is pressed: the list is
// ready when the file has been chosen, or waited for as a step that Cancel ends.
TEST_F(SaneScanTest, TheSearchForScannersRunsWhileTheFileIsChosen) {
    std::promise<void> found;
    // Shared with the lister: a search left to end on its own may outlive this test's frame.
    auto released = std::make_shared<std::shared_future<void>>(found.get_future().share());
    std::vector<QString> steps;
    library.SetDeviceLister([released] {
        const std::shared_future<void> wait = *released;
        wait.wait();
        return QList<ScannerChoice>{{"test:0", "Noname frontend-tester"}};
    });
    library.SearchAhead();
    ui.onFileDialog = [&](const FileDialogRequest&) { found.set_value(); };
    const QString pdf = temp.File("ahead.pdf");
    Scan(pdf);
    EXPECT_EQ(LastMessage(), Success(pdf));
    EXPECT_EQ(dialogs.offered.size(), 1);

    // The search outlasts the save dialog, and the user cancels the wait.
    auto late = std::make_shared<std::promise<void>>();
    *released = late->get_future().share();
    ui.onFileDialog = {};
    dialogs.duringStep = [&](const QString& caption, ScanStep& task) {
        steps.push_back(caption);
        if (caption != "Looking for scanners...") return;
        task.Cancel();
        late->set_value();  // the search itself ends in its own time
    };
    library.SearchAhead();
    Scan(temp.File("never.pdf"));
    EXPECT_EQ(steps, std::vector<QString>{"Looking for scanners..."});
    EXPECT_EQ(LastMessage(), "Canceled Scan");
    EXPECT_FALSE(QFile::exists(temp.File("never.pdf")));
}

TEST_F(SaneScanTest, FeederBatchOfTenLetterPagesIntoPdfAndTiff) {
    controls.indexes[OptionId::PaperSize] = 1;  // Letter
    const QString pdf = temp.File("batch.pdf");
    Scan(pdf);
    ASSERT_EQ(LastMessage(), Success(pdf));
    EXPECT_EQ(PdfPages(pdf), 10);
    const QSizeF size = PdfPageSize(pdf);
    EXPECT_NEAR(size.width(), 612, 2);
    EXPECT_NEAR(size.height(), 792, 2);
    EXPECT_EQ(ui.MessageTexts().filter("Scan Another Page?").size(), 0);

    controls.indexes[OptionId::Format] = 3;
    const QString tiff = temp.File("batch.tiff");
    Scan(tiff);
    ASSERT_EQ(LastMessage(), Success(tiff));
    const QString info = RunTool("tiffinfo", {tiff});
    EXPECT_EQ(info.count("TIFF Directory at offset"), 10);
    EXPECT_EQ(info.count("Resolution: 100, 100 pixels/inch"), 10);
    EXPECT_TRUE(info.contains(QRegularExpression("Image Width: 8(49|50) Image Length: 1(099|100)"))) << info.toStdString();
}

TEST_F(SaneScanTest, LegalPaperGivesALegalPage) {
    UseFlatbed();
    controls.indexes[OptionId::PaperSize] = 2;
    const QString pdf = temp.File("legal.pdf");
    Scan(pdf);
    ASSERT_EQ(LastMessage(), Success(pdf));
    const QSizeF size = PdfPageSize(pdf);
    EXPECT_NEAR(size.width(), 612, 2);
    EXPECT_NEAR(size.height(), 1008, 2);
}

// Each page's progress tells what the document holds so far: a batch of
// empty sheets keeps its first page and leaves out the rest.
TEST_F(SaneScanTest, AllWhitePagesGiveAOnePageFile) {
    SetTestScanner("test-picture", "\"Solid white\"");
    std::vector<DocumentSoFar> seen;
    dialogs.duringPage = [&](int, ScanStep& task) { seen.push_back(task.SoFar()); };
    const QString pdf = temp.File("white.pdf");
    Scan(pdf);
    ASSERT_EQ(LastMessage(), Success(pdf));
    EXPECT_EQ(dialogs.pagesShown, 10);
    EXPECT_EQ(PdfPages(pdf), 1);
    ASSERT_EQ(seen.size(), 10u);
    EXPECT_TRUE(seen.front().lastPage.isNull());  // nothing has come in yet
    EXPECT_EQ(seen.back().pagesKept, 1);
    EXPECT_EQ(seen.back().blankPagesLeftOut, 8);  // pages 2 to 9; the tenth is coming in
    EXPECT_FALSE(seen.back().lastPage.isNull());
    EXPECT_LE(seen.back().lastPage.width(), 96);
}

TEST_F(SaneScanTest, BlackAndWhiteGreyAndColour) {
    UseFlatbed();
    controls.indexes[OptionId::Format] = 3;
    const std::vector<std::pair<int, QStringList>> modes{
        {0, {"Bits/Sample: 1", "CCITT Group 4", "min-is-white"}},
        {1, {"Bits/Sample: 8", "Samples/Pixel: 1", "min-is-black", "JPEG"}},
        {2, {"Bits/Sample: 8", "Samples/Pixel: 3", "JPEG"}},
    };
    for (const auto& [pixelType, expected] : modes) {
        controls.indexes[OptionId::ScanType] = pixelType;
        const QString tiff = temp.File(QStringLiteral("mode-%1.tiff").arg(pixelType));
        Scan(tiff);
        ASSERT_EQ(LastMessage(), Success(tiff)) << pixelType;
        const QString info = RunTool("tiffinfo", {tiff});
        for (const QString& line : expected) EXPECT_TRUE(info.contains(line)) << pixelType << " " << line.toStdString();
    }
    // Single images, straight to the file.
    controls.states[OptionId::AllowMultiplePages] = 0;
    controls.indexes[OptionId::Format] = 0;
    const QString jpeg = temp.File("photo.jpg");
    Scan(jpeg);
    ASSERT_EQ(LastMessage(), Success(jpeg));
    EXPECT_EQ(QImage(jpeg).size(), QSize(849, 1099));
}

TEST_F(SaneScanTest, AJamBeforePageFourKeepsThreePagesAndSaysSo) {
    const QString pdf = temp.File("jammed.pdf");
    InjectIntoPage(4, "JAMMED");
    Scan(pdf);
    EXPECT_EQ(LastMessage(), ScanError(kScannerErrorJammed, 3, pdf));
    EXPECT_EQ(PdfPages(pdf), 3);
}

TEST_F(SaneScanTest, AScannerThatFallsSilentEndsTheScanWithThePagesBefore) {
    library.SetSilenceLimit(std::chrono::milliseconds(300));
    library.SetDeviceOpener([](const QString& name, int* result) -> std::unique_ptr<SaneDevice> {
        std::unique_ptr<SaneDevice> real = SaneHandleDevice::Open(name.toUtf8().constData(), result);
        return real ? std::make_unique<FallsSilentDevice>(std::move(real), 3) : nullptr;
    });
    const QString pdf = temp.File("silent.pdf");
    Scan(pdf);
    EXPECT_EQ(LastMessage(), ScanError(kScannerErrorNoAnswer, 2, pdf));
    EXPECT_EQ(PdfPages(pdf), 2);
}

// A network scanner whose close never ends (a backend still tidying a dead
// connection): the scan ends with its file all the same, the next waits for
// the scanner to be let go as a step Cancel ends, and once the close has
// ended the next scan opens it again.
TEST_F(SaneScanTest, ANetworkScannerThatNeverClosesHoldsNoScan) {
    struct NeverClosesDevice : testing::PassThroughDevice {
        NeverClosesDevice(std::unique_ptr<SaneDevice> real, std::shared_future<void> closes)
            : PassThroughDevice(std::move(real)), closes_(std::move(closes)) {}
        ~NeverClosesDevice() override { closes_.wait(); }
        std::shared_future<void> closes_;
    };
    std::promise<void> close;
    std::shared_future<void> closes = close.get_future().share();
    library.UseDevice("airscan:e0:Stuck");
    library.SetDeviceOpener([closes](const QString&, int* result) -> std::unique_ptr<SaneDevice> {
        std::unique_ptr<SaneDevice> real = SaneHandleDevice::Open("test", result);
        return real ? std::make_unique<NeverClosesDevice>(std::move(real), closes) : nullptr;
    });
    controls.states[OptionId::AllowMultiplePages] = 0;
    const QString first = temp.File("first.pdf");
    Scan(first);
    EXPECT_EQ(LastMessage(), Success(first));

    QStringList steps;
    dialogs.duringStep = [&](const QString& caption, ScanStep& task) {
        steps.append(caption);
        task.Cancel();
    };
    Scan(temp.File("waited.pdf"));
    EXPECT_EQ(steps.value(0), "Waiting for the scanner to be let go...");
    EXPECT_FALSE(QFile::exists(temp.File("waited.pdf")));

    close.set_value();
    dialogs.duringStep = nullptr;
    const QString last = temp.File("last.pdf");
    Scan(last);
    EXPECT_EQ(LastMessage(), Success(last));
}

TEST_F(SaneScanTest, CancelDuringAPage) {
    dialogs.duringPage = [](int, ScanStep& task) { task.Cancel(); };
    // A single image: the cancel is the user's own, so nothing is said.
    controls.states[OptionId::AllowMultiplePages] = 0;
    const QString single = temp.File("cancelled.pdf");
    Scan(single);
    EXPECT_TRUE(ui.messages.empty()) << LastMessage().toStdString();
    EXPECT_FALSE(QFile::exists(single));

    // A document: no page was kept, so no file, and the reason is given.
    controls.states[OptionId::AllowMultiplePages] = 1;
    Scan(single);
    EXPECT_EQ(LastMessage(), ScanError(kScannerErrorCancelled));
    EXPECT_FALSE(QFile::exists(single));
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Hidden | QDir::Files | QDir::NoDotAndDotDot).filter("cancelled"),
              QStringList{});
    EXPECT_EQ(QDir(temp.path()).entryList({".quillon-*"}, QDir::Hidden | QDir::Files), QStringList{});

    // And the next scan works.
    dialogs.duringPage = nullptr;
    Scan(single);
    EXPECT_EQ(LastMessage(), Success(single));
}

// A cancel never costs the file that was at the path before the scan: the
// document is given up and the older file kept byte for byte. With nothing
// there, the pages scanned before the cancel are kept.
TEST_F(SaneScanTest, ACancelKeepsTheOlderFileOrElseThePagesBeforeIt) {
    const struct {
        const char* when;
        bool olderFile;
        int pagesKept;  // with no older file
    } kCases[] = {{"page 3", true, 0}, {"page 3", false, 2}, {"saving", true, 0}, {"saving", false, 10}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::string(c.when) + (c.olderFile ? ", older file" : ", no file"));
        const QString pdf = temp.File("cancelled.pdf");
        QFile::remove(pdf);
        if (c.olderFile) {
            QFile old(pdf);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly));
            old.write("the older file");
        }
        dialogs.duringPage = [&](int page, ScanStep& task) {
            if (std::string(c.when) == "page 3" && page == 3) task.Cancel();
        };
        dialogs.duringStep = [&](const QString& caption, ScanStep& task) {
            if (std::string(c.when) == "saving" && caption.startsWith("Saving")) task.Cancel();
        };
        Scan(pdf);
        if (c.olderFile) {
            EXPECT_EQ(LastMessage(), ScanError(kScannerErrorCancelled) + kCr + kCr + "The file already at " + pdf +
                                         " was kept as it was.");
            QFile kept(pdf);
            ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
            EXPECT_EQ(kept.readAll(), "the older file");
        } else {
            EXPECT_EQ(LastMessage(), ScanError(kScannerErrorCancelled, c.pagesKept, pdf));
            EXPECT_EQ(PdfPages(pdf), c.pagesKept);
        }
        EXPECT_EQ(QDir(temp.path()).entryList({".quillon-*"}, QDir::Hidden | QDir::Files), QStringList{});
    }
}

struct InjectedStatus {
    const char* status;
    int page;
    int expectedError;  // 0: the batch simply ends there
    std::string Name() const { return std::string(status) + "OnPage" + std::to_string(page); }
    friend void PrintTo(const InjectedStatus& c, std::ostream* out) { *out << c.Name(); }
};

class InjectedStatusTest : public SaneScanTest, public ::testing::WithParamInterface<InjectedStatus> {};

TEST_P(InjectedStatusTest, IsReportedPlainlyAndTheNextScanWorks) {
    const InjectedStatus& injected = GetParam();
    const QString pdf = temp.File("batch.pdf");
    InjectIntoPage(injected.page, injected.status);
    Scan(pdf);
    const int pagesBefore = injected.page - 1;
    if (injected.expectedError == 0) {
        EXPECT_EQ(LastMessage(), Success(pdf));
    } else {
        EXPECT_EQ(LastMessage(), ScanError(injected.expectedError, pagesBefore, pdf));
    }
    // The pages before the failure are kept; with none, no file is made.
    if (pagesBefore > 0)
        EXPECT_EQ(PdfPages(pdf), pagesBefore);
    else
        EXPECT_FALSE(QFile::exists(pdf));

    InjectNothing();
    const QString next = temp.File("next.pdf");
    Scan(next);
    EXPECT_EQ(LastMessage(), Success(next));
    EXPECT_EQ(PdfPages(next), 10);
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, InjectedStatusTest,
    ::testing::Values(InjectedStatus{"JAMMED", 1, kScannerErrorJammed}, InjectedStatus{"COVER_OPEN", 1, kScannerErrorCoverOpen},
                      InjectedStatus{"COVER_OPEN", 5, kScannerErrorCoverOpen}, InjectedStatus{"IO_ERROR", 1, kScannerErrorIo},
                      InjectedStatus{"IO_ERROR", 7, kScannerErrorIo}, InjectedStatus{"NO_DOCS", 1, kScannerErrorFeederEmpty},
                      InjectedStatus{"NO_DOCS", 6, 0}, InjectedStatus{"DEVICE_BUSY", 1, kScannerErrorBusy},
                      InjectedStatus{"DEVICE_BUSY", 2, kScannerErrorBusy}, InjectedStatus{"CANCELLED", 1, kScannerErrorCancelled},
                      InjectedStatus{"CANCELLED", 3, kScannerErrorCancelled}, InjectedStatus{"NO_MEM", 1, kScannerErrorNoMemory},
                      InjectedStatus{"NO_MEM", 9, kScannerErrorNoMemory}, InjectedStatus{"ACCESS_DENIED", 1, kScannerErrorAccessDenied},
                      InjectedStatus{"ACCESS_DENIED", 4, kScannerErrorAccessDenied}, InjectedStatus{"EOF", 1, kScannerErrorShortImage},
                      InjectedStatus{"EOF", 10, kScannerErrorShortImage}),
    [](const auto& info) { return info.param.Name(); });

TEST_F(SaneScanTest, ADeviceThatIsGoneOrARefusedSettingIsHandledAndLogged) {
    dialogs.chosenIndex = -1;
    EXPECT_EQ(library.TWAIN_SelectImageSource(0), 0);  // loads SANE, chooses nothing
    library.TWAIN_LogFile(1);
    // The remembered scanner, in a file that is a link to another one.
    QDir().mkpath(temp.File("config"));
    QFile elsewhere(temp.File("elsewhere.conf"));
    ASSERT_TRUE(elsewhere.open(QIODevice::WriteOnly));
    elsewhere.write("device=test:7\n");
    elsewhere.close();
    ASSERT_TRUE(QFile::link(temp.File("elsewhere.conf"), temp.File("config/scanner.conf")));
    EXPECT_EQ(library.TWAIN_OpenDefaultSource(), 0);
    EXPECT_EQ(library.TWAIN_LastErrorCode(), kScannerErrorDeviceGone);
    EXPECT_EQ(library.TWAIN_LastErrorTextVB(), "The scanner could not be found. It may have been unplugged.");
    library.TWAIN_UnloadSourceManager();

    dialogs.chosenIndex = 0;
    ASSERT_EQ(library.TWAIN_SelectImageSource(0), 1);
    EXPECT_EQ(library.TWAIN_LastErrorCode(), 0);  // a new session starts clean
    // The choice replaced the link with a file; the file it pointed to is untouched.
    EXPECT_FALSE(QFileInfo(temp.File("config/scanner.conf")).isSymLink());
    ASSERT_TRUE(elsewhere.open(QIODevice::ReadOnly));
    EXPECT_EQ(elsewhere.readAll(), "device=test:7\n");
    ASSERT_EQ(library.TWAIN_OpenDefaultSource(), 1);
    EXPECT_EQ(library.TWAIN_GetSourceName(), "Noname frontend-tester");
    library.TWAIN_LogFile(1);
    library.TWAIN_SetResolution(5000);
    EXPECT_EQ(library.resolution(), 1200);  // clamped to the device's range and read back
    library.TWAIN_SetResolution(0.2);
    EXPECT_EQ(library.resolution(), 1);
    EXPECT_FALSE(library.SetDeviceOption("mode", "Lineart"));
    EXPECT_EQ(library.TWAIN_GetDuplexSupport(), 0);
    EXPECT_EQ(library.TWAIN_HasFeeder(), 1);
    library.TWAIN_UnloadSourceManager();

    QFile log(temp.File("state/scanner.log"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(log.readAll());
    EXPECT_TRUE(text.contains("sane_open(test:7)")) << text.toStdString();
    EXPECT_TRUE(text.contains("TWAIN_SetResolution(5000) = 1200"));
    EXPECT_TRUE(text.contains("option mode=Lineart -> 0"));
}

TEST(ScannerLogTest, StaysWithinItsBound) {
    testing::TempDir temp;
    ScannerLog log(temp.File("state/scanner.log"), 1000);
    log.Write("not written while the log is off");
    EXPECT_FALSE(QFile::exists(temp.File("state/scanner.log")));
    log.SetEnabled(true);
    for (int i = 0; i < 200; ++i) log.Write(QStringLiteral("TWAIN_Acquire page %1 -> 1").arg(i));
    EXPECT_LT(QFileInfo(temp.File("state/scanner.log")).size(), 1100);
    EXPECT_LT(QFileInfo(temp.File("state/scanner.log.1")).size(), 1100);
    EXPECT_TRUE(QFile::exists(temp.File("state/scanner.log.1")));
    // It names the files scanned to: readable by the user alone.
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(temp.File("state/scanner.log")).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
}

}  // namespace
}  // namespace quillon
