// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SqliteRegistryBackend.h"
#include "settings/RegistryStore.h"
#include "support/OutputFileChooser.h"
#include "support/ErrorReport.h"
#include "support/FileDialog.h"

#include "../common/ScriptedUserInterface.h"
#include "../common/TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

namespace quillon {
namespace {

const QChar kNul(u'\0');

class OutputFileChooserTest : public ::testing::Test {
protected:
    OutputFileChooserTest() {
        QDir().mkpath(desktop);
        QDir().mkpath(scans);
        ui.desktopFolder = desktop;
    }

    QString Choose(const QString& extension = ".pdf") { return ChooseOutputFile(extension, store, ui); }
    QString Remembered() const { return store.Get("LastDirectory"); }

    testing::TempDir temp;
    const QString desktop = temp.File("Desktop");
    const QString scans = temp.File("Scans of März");
    SqliteRegistryBackend backend{temp.File("registry.sqlite3")};
    RegistryStore store{backend};
    testing::ScriptedUserInterface ui;
};

TEST_F(OutputFileChooserTest, FirstRunOpensOnTheDesktopAndRemembersTheFolder) {
    ui.Accept(scans + "/report.pdf");
    EXPECT_EQ(Choose(), scans + "/report.pdf");
    ASSERT_EQ(ui.dialogRequests.size(), 1u);
    const FileDialogRequest& request = ui.dialogRequests[0];
    EXPECT_FALSE(request.open);
    EXPECT_EQ(request.title, "Save File");
    EXPECT_EQ(request.initialFolder, desktop);
    EXPECT_EQ(request.filter, QString("PDF document (*.pdf)") + kNul + "*.pdf" + kNul);
    EXPECT_EQ(request.filterIndex, 1);
    EXPECT_EQ(request.flags, kOfnExplorer | kOfnHideReadOnly);
    EXPECT_EQ(request.flags, 0x80004u);
    EXPECT_TRUE(request.initialFileName.isEmpty());
    EXPECT_TRUE(request.defaultExtension.isEmpty());
    EXPECT_EQ(Remembered(), scans + "/");
    EXPECT_TRUE(ui.messages.empty());

    ui.Accept(desktop + "/again.pdf");
    Choose();
    EXPECT_EQ(ui.dialogRequests[1].initialFolder, scans + "/");
}

TEST_F(OutputFileChooserTest, EachFormatIsNamedInWordsInTheFilter) {
    const std::pair<const char*, QString> kEntries[] = {
        {".tiff", QString("TIFF image (*.tif *.tiff)") + kNul + "*.tif;*.tiff" + kNul},
        {".jpg", QString("JPEG image (*.jpg *.jpeg)") + kNul + "*.jpg;*.jpeg" + kNul},
        {".png", QString("PNG image (*.png)") + kNul + "*.png" + kNul},
        {".webp", QString("WEBP file (*.webp)") + kNul + "*.webp" + kNul},
    };
    for (const auto& [extension, filter] : kEntries) {
        ui.dialogRequests.clear();
        Choose(extension);
        EXPECT_EQ(ui.dialogRequests.at(0).filter, filter) << extension;
    }
}

TEST_F(OutputFileChooserTest, UnusableRememberedFoldersFallBackToTheDesktop) {
    const QString deleted = temp.File("gone/");
    store.Set("LastDirectory", deleted);
    ui.Cancel();
    EXPECT_EQ(Choose(), "");
    EXPECT_EQ(ui.dialogRequests.back().initialFolder, desktop);
    EXPECT_EQ(Remembered(), deleted);  // the stale value stays until a file is accepted

    store.Set("LastDirectory", QString(3000, 'x'));  // unreadable: longer than the read buffer
    Choose();
    EXPECT_EQ(ui.dialogRequests.back().initialFolder, desktop);

    store.Set("LastDirectory", "");
    Choose();
    EXPECT_EQ(ui.dialogRequests.back().initialFolder, desktop);

    ui.Accept(scans + "/report.pdf");
    Choose();
    EXPECT_EQ(Remembered(), scans + "/");
}

TEST_F(OutputFileChooserTest, ARememberedFileIsHandedToTheDialogAsItsFolder) {
    const QString file = temp.File("not-a-folder.txt");
    QFile(file).open(QIODevice::WriteOnly);
    store.Set("LastDirectory", file);
    Choose();
    EXPECT_EQ(ui.dialogRequests.back().initialFolder, file);
}

TEST_F(OutputFileChooserTest, NoDesktopOpensTheDialogsOwnDefault) {
    ui.desktopFolder = "";
    Choose();
    EXPECT_EQ(ui.dialogRequests.back().initialFolder, "");
}

TEST_F(OutputFileChooserTest, CancelReturnsNothingAndRemembersNothing) {
    store.Set("LastDirectory", scans + "/");
    ui.Cancel();
    EXPECT_EQ(Choose(), "");
    EXPECT_EQ(Remembered(), scans + "/");
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(OutputFileChooserTest, BadExtensionsBringTheErrorAndTheDialogAgainAtTheRememberedFolder) {
    store.Set("LastDirectory", scans + "/");
    ui.Accept(desktop + "/report");
    ui.Accept(desktop + "/report.jpeg2");
    ui.Accept(desktop + "/report.ps");
    ui.Accept(temp.File("my.docs") + "/report");
    ui.Accept(desktop + "/Report.PDF");
    EXPECT_EQ(Choose(), desktop + "/Report.PDF");
    ASSERT_EQ(ui.messages.size(), 4u);
    for (const auto& message : ui.messages) {
        EXPECT_EQ(message.text, "ERROR: Invalid File Selection. Please try again.");
        EXPECT_EQ(message.title, "Quillon Error");
        EXPECT_EQ(message.icon, MessageIcon::Critical);
        EXPECT_EQ(message.buttons, MessageButtons::Ok);
    }
    ASSERT_EQ(ui.dialogRequests.size(), 5u);
    for (const auto& request : ui.dialogRequests) EXPECT_EQ(request.initialFolder, scans + "/");
    EXPECT_EQ(Remembered(), desktop + "/");
}

TEST_F(OutputFileChooserTest, AWriteProtectedFileIsRefusedAndTheDialogAsksAgain) {
    const QString kept = desktop + "/kept.pdf";
    QFile file(kept);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    QFile::setPermissions(kept, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    ui.Accept(kept);
    ui.Accept(desktop + "/other.pdf");
    EXPECT_EQ(Choose(), desktop + "/other.pdf");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "kept.pdf is write-protected. Please choose another file.");
    EXPECT_EQ(ui.dialogRequests.size(), 2u);
}

TEST_F(OutputFileChooserTest, AnyThreeOrFourLetterExtensionIsAccepted) {
    ui.Accept(scans + "/scan.docx");
    EXPECT_EQ(Choose(), scans + "/scan.docx");
    ui.Accept(scans + "/scan.jpg");
    EXPECT_EQ(Choose(), scans + "/scan.jpg");
}

TEST_F(OutputFileChooserTest, AFileInAFolderThatDoesNotExistIsReturnedButNotRemembered) {
    ui.Accept(temp.File("nowhere/scan.pdf"));
    EXPECT_EQ(Choose(), temp.File("nowhere/scan.pdf"));
    EXPECT_EQ(Remembered(), "Not Found");
}

// The buffer holds any path the system takes (4095 bytes and its NUL).
TEST_F(OutputFileChooserTest, APathLongerThanTheDialogBufferIsACancel) {
    const QString deep = scans + QString("/folder").repeated(400) + "/scan.pdf";
    ui.Accept(deep);
    EXPECT_EQ(Choose(), deep);
    ui.Accept("/" + QString(4100, 'a') + ".pdf");
    EXPECT_EQ(Choose(), "");
}

TEST_F(OutputFileChooserTest, AFailureInsideTheDialogIsReportedOnceAndReturnsNothing) {
    store.Set("LastDirectory", scans + "/");
    ui.onFileDialog = [](const FileDialogRequest&) { throw Failure(32755, "The dialog could not be created."); };
    ui.Accept(desktop + "/report.pdf");
    EXPECT_EQ(Choose(), "");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "ERROR: #32755 The dialog could not be created.");
    EXPECT_EQ(ui.messages[0].title, "Quillon Error Message");
    EXPECT_EQ(Remembered(), scans + "/");
}

TEST_F(OutputFileChooserTest, AFailingDesktopLookupIsReportedAndTheChooserGoesOn) {
    ui.desktopLookupFails = true;
    ui.Accept(scans + "/report.pdf");
    EXPECT_EQ(Choose(), scans + "/report.pdf");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(ui.messages[0].text.startsWith("ERROR: #"));
    EXPECT_EQ(ui.dialogRequests.at(0).initialFolder, "");
}

TEST(DialogHelpersTest, FilterItemsAndTrimmedResults) {
    QString filter;
    EXPECT_EQ(AddFilterItem(filter, "All files"), QString("All files") + kNul + "*.*" + kNul);
    AddFilterItem(filter, "PDF", "*.pdf");
    EXPECT_EQ(filter, QString("All files") + kNul + "*.*" + kNul + "PDF" + kNul + "*.pdf" + kNul);

    EXPECT_EQ(TrimDialogResult(QString("/a/b.pdf") + kNul + kNul + "junk"), "/a/b.pdf");
    EXPECT_EQ(TrimDialogResult(QString("/a/b.pdf") + kNul + "x" + kNul + kNul), QString("/a/b.pdf") + kNul + "x");
    EXPECT_EQ(TrimDialogResult("/a/b.pdf"), "/a/b.pdf");
    EXPECT_EQ(TrimDialogResult(""), "");
}

TEST(DialogHelpersTest, ShowFileDialogDefaultsAndReturnedFlags) {
    testing::ScriptedUserInterface ui;
    ui.dialogResults.push_back({true, "/x/y.txt", 0x1234});
    std::uint32_t flags = 7;
    FileDialogArguments arguments;
    arguments.flags = &flags;
    EXPECT_EQ(ShowFileDialog(ui, arguments), "/x/y.txt");
    EXPECT_EQ(flags, 0x1234u);
    const FileDialogRequest& request = ui.dialogRequests.at(0);
    EXPECT_TRUE(request.open);
    EXPECT_EQ(request.initialFolder, QDir::currentPath());
    EXPECT_EQ(request.filterIndex, 1);
    EXPECT_EQ(request.flags, 7u);

    flags = 9;
    EXPECT_EQ(ShowFileDialog(ui, arguments), "");  // cancelled: the flags stay as they were
    EXPECT_EQ(flags, 9u);
}

}  // namespace
}  // namespace quillon
