// SPDX-License-Identifier: GPL-3.0-or-later
// A batch split at separator sheets, through the whole job: the files, their
// names and their pages, on SANE's test scanner (separator sheets put in its
// stack) and through airscan on the simulated network scanner.
#include "scan/RunScan.h"
#include "scan/ScannerErrors.h"
#include "scan/imaging/pages/SeparatorSheet.h"

#include "EsclSimulator.h"
#include "PassThroughDevice.h"
#include "SaneTestConfig.h"
#include "ScanJobHarness.h"
#include "../common/TestPages.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cstring>
#include <functional>
#include <set>

namespace quillon {
namespace {

// SANE's test scanner with separator sheets at some places of its stack, and
// a jam at one: the page's data is replaced by a printed separator sheet.
class StackWithSeparators : public testing::PassThroughDevice {
public:
    StackWithSeparators(std::unique_ptr<SaneDevice> real, std::set<int> separators, int jamAt, int* started,
                        std::function<void(int)> onSheet = {})
        : PassThroughDevice(std::move(real)), separators_(std::move(separators)), jamAt_(jamAt), started_(started),
          onSheet_(std::move(onSheet)) {}
    SANE_Status Start() override {
        if (onSheet_) onSheet_(*started_ + 1);
        if (*started_ + 1 == jamAt_) return SANE_STATUS_JAMMED;
        const SANE_Status status = real_->Start();
        if (status != SANE_STATUS_GOOD) return status;
        offset_ = 0;
        sheet_ = QImage();
        if (separators_.count(++*started_)) {
            SANE_Parameters p{};
            real_->GetParameters(p);
            const double dpi = 100;
            sheet_ = DrawSeparatorSheet(p.pixels_per_line / dpi, p.lines / dpi, int(dpi))
                         .convertToFormat(QImage::Format_Grayscale8)
                         .scaled(p.pixels_per_line, p.lines);
        }
        return status;
    }
    SANE_Status Read(SANE_Byte* data, SANE_Int most, SANE_Int* length) override {
        const SANE_Status status = real_->Read(data, most, length);
        if (status != SANE_STATUS_GOOD || sheet_.isNull()) return status;
        for (SANE_Int i = 0; i < *length; ++i, ++offset_)
            data[i] = sheet_.constScanLine(int(offset_ / sheet_.width()))[offset_ % sheet_.width()];
        return status;
    }

private:
    std::set<int> separators_;
    int jamAt_;
    int* started_;
    std::function<void(int)> onSheet_;
    QImage sheet_;
    long long offset_ = 0;
};

// -1 for a file that is no PDF.
int PdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.read(5).startsWith("%PDF")) return -1;
    const QString info = testing::RunTool("pdfinfo", {path});
    const QRegularExpressionMatch pages = QRegularExpression("Pages: +(\\d+)").match(info);
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

class SplitDocumentsTest : public ::testing::Test, protected testing::ScanJobHarness {
protected:
    SplitDocumentsTest() {
        controls.texts[OptionId::DPI] = "100";
        controls.indexes[OptionId::ScanType] = 1;
        controls.indexes[OptionId::PaperSize] = 1;
        controls.indexes[OptionId::DuplexSetting] = kDuplexFrontOnly;
        controls.states[OptionId::SplitDocuments] = 1;
        controls.states[OptionId::AutoContrast] = 0;
    }
    // The PDF files in the folder, with their pages.
    std::map<QString, int> Files() const {
        std::map<QString, int> files;
        for (const QString& name : QDir(temp.path()).entryList({"*.pdf"}, QDir::Files)) files[name] = PdfPages(temp.File(name));
        return files;
    }
    // The documents the outcome lists, by name, with their pages.
    static std::map<QString, int> Listed(const ScanOutcome& outcome) {
        std::map<QString, int> listed;
        for (const ScanOutcome::Document& document : outcome.documents)
            listed[QFileInfo(document.path).fileName()] += document.pages;
        return listed;
    }
};

// Ten sheets: separators at 3 and 4 (two in a row) and at 8. Names are
// claimed when each file is complete, never replacing anything: letters-2.pdf
// is taken before the scan, letters-3.pdf while the second document is
// scanned (after the job would have chosen it), and letters-5.pdf is a link
// to nothing. The series goes on at the first free numbers; what was there stays.
TEST_F(SplitDocumentsTest, TheTestScannersStackGivesOneFileADocument) {
    for (const char* file : {"dll.conf", "test.conf"}) {
        QFile::remove(testing::SaneConfigFolder() + "/" + file);
        QFile::copy(QStringLiteral(QUILLON_SOURCE_DIR "/tests/sane/") + file, testing::SaneConfigFolder() + "/" + file);
    }
    const auto write = [](const QString& path, const QByteArray& text) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
    };
    ASSERT_TRUE(write(temp.File("letters-2.pdf"), "someone else's"));
    ASSERT_TRUE(QFile::link(temp.File("nowhere"), temp.File("letters-5.pdf")));
    struct Run {
        int jamAt;
        std::map<QString, int> files;
        const char* said;
    };
    const Run kRuns[] = {
        {0, {{"letters.pdf", 2}, {"letters-4.pdf", 3}, {"letters-6.pdf", 2}}, "letters-6.pdf (2 pages)"},
        // A jam in the third document: the two before stay, the third keeps its page so far.
        {10, {{"letters.pdf", 2}, {"letters-4.pdf", 3}, {"letters-6.pdf", 1}}, "Documents saved before:"},
    };
    for (const Run& run : kRuns) {
        SCOPED_TRACE(run.jamAt);
        for (const char* name : {"letters.pdf", "letters-3.pdf", "letters-4.pdf", "letters-6.pdf"}) QFile::remove(temp.File(name));
        int started = 0;
        library.SetDeviceOpener([&](const QString& name, int* status) -> std::unique_ptr<SaneDevice> {
            std::unique_ptr<SaneDevice> real = SaneHandleDevice::Open(name.toUtf8().constData(), status);
            const auto takeName = [&](int sheet) {
                if (sheet == 6) write(temp.File("letters-3.pdf"), "made during the scan");
            };
            return real ? std::make_unique<StackWithSeparators>(std::move(real), std::set<int>{3, 4, 8}, run.jamAt,
                                                                &started, takeName)
                        : nullptr;
        });
        ui.Accept(temp.File("letters.pdf"));
        const ScanOutcome outcome = RunScan(controls, library, store, ui);
        ASSERT_FALSE(ui.messages.empty());
        EXPECT_TRUE(ui.messages.back().text.contains(run.said)) << ui.messages.back().text.toStdString();
        EXPECT_EQ(ui.messages.back().text.count("letters"), 3) << ui.messages.back().text.toStdString();
        // The outcome lists every document written, with its pages, a jam or not.
        EXPECT_EQ(outcome.kind, run.jamAt ? ScanOutcome::Kind::FailedAfterPages : ScanOutcome::Kind::Written);
        EXPECT_EQ(Listed(outcome), run.files);
        std::map<QString, int> expected = run.files;
        expected["letters-2.pdf"] = expected["letters-3.pdf"] = -1;  // untouched: not PDFs at all
        EXPECT_EQ(Files(), expected);
        EXPECT_TRUE(QFileInfo(temp.File("letters-5.pdf")).isSymLink());
    }
    QFile taken(temp.File("letters-2.pdf"));
    ASSERT_TRUE(taken.open(QIODevice::ReadOnly));
    EXPECT_EQ(taken.readAll(), "someone else's");
}

// The network scanner's feeder with Patch T sheets: one-sided at pages 1
// (first: no empty document before it) and 5; in duplex at page 3, the
// front of sheet 2, whose back goes with it.
TEST_F(SplitDocumentsTest, TheNetworkScannersStackGivesOneFileADocument) {
    struct Stack {
        QStringList simulator;
        int duplex;
        std::map<QString, int> files;
    };
    const Stack kStacks[] = {
        {{"--sheets", "7", "--patch-t-at", "1,5"}, kDuplexFrontOnly, {{"batch.pdf", 3}, {"batch-2.pdf", 2}}},
        {{"--sheets", "4", "--patch-t-at", "3"}, kDuplexBothSides, {{"batch.pdf", 2}, {"batch-2.pdf", 4}}},
    };
    for (const Stack& stack : kStacks) {
        SCOPED_TRACE(stack.duplex);
        for (const QString& name : QDir(temp.path()).entryList({"*.pdf"}, QDir::Files)) QFile::remove(temp.File(name));
        testing::EsclSimulator simulator;
        ASSERT_NO_FATAL_FAILURE(simulator.Start(stack.simulator));
        ASSERT_TRUE(testing::WriteSaneConfig("dll.conf", "airscan\n"));
        ASSERT_TRUE(testing::WriteSaneConfig("airscan.conf", simulator.AirscanConfig()));
        controls.indexes[OptionId::DuplexSetting] = stack.duplex;
        ui.Accept(temp.File("batch.pdf"));
        const ScanOutcome outcome = RunScan(controls, library, store, ui);
        EXPECT_EQ(outcome.kind, ScanOutcome::Kind::Written) << ui.messages.back().text.toStdString();
        EXPECT_EQ(Files(), stack.files);
        EXPECT_EQ(Listed(outcome), stack.files);
    }
}

}  // namespace
}  // namespace quillon
