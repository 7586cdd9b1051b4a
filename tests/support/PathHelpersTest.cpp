// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/PathHelpers.h"

#include "../common/ScriptedUserInterface.h"
#include "../common/TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

namespace quillon {
namespace {

void Touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

TEST(PathHelpersTest, IsBlankOnlyForNullAndEmpty) {
    EXPECT_TRUE(IsBlank(QString()));
    EXPECT_TRUE(IsBlank(QStringLiteral("")));
    EXPECT_FALSE(IsBlank(QStringLiteral(" ")));
    EXPECT_FALSE(IsBlank(QStringLiteral("/")));
}

TEST(PathHelpersTest, FileModeCountsFilesOfEveryKindButNeverAFolder) {
    testing::TempDir temp;
    const QString plain = temp.File("report.pdf");
    const QString hidden = temp.File(".hidden.pdf");
    const QString readOnly = temp.File("locked.pdf");
    const QString spaced = temp.File("Scans of März 2026.final.pdf");
    for (const QString& file : {plain, hidden, readOnly, spaced}) Touch(file);
    QFile::setPermissions(readOnly, QFile::ReadOwner);

    EXPECT_TRUE(PathExists(plain, false));
    EXPECT_TRUE(PathExists(hidden, false));
    EXPECT_TRUE(PathExists(readOnly, false));
    EXPECT_TRUE(PathExists(spaced, false));
    EXPECT_TRUE(PathExists(plain + "//", false));  // trailing separators are dropped
    EXPECT_FALSE(PathExists(temp.path(), false));
    EXPECT_FALSE(PathExists(temp.path() + "/", false));
    EXPECT_FALSE(PathExists(temp.File("missing.pdf"), false));
    EXPECT_FALSE(PathExists(QString(), false));
    EXPECT_FALSE(PathExists("", true));
    EXPECT_FALSE(PathExists("/", false));
}

TEST(PathHelpersTest, FolderModeCountsFoldersAndFiles) {
    testing::TempDir temp;
    Touch(temp.File("report.pdf"));
    EXPECT_TRUE(PathExists(temp.path(), true));
    EXPECT_TRUE(PathExists(temp.path() + "/", true));
    EXPECT_TRUE(PathExists(temp.File("report.pdf"), true));
    EXPECT_FALSE(PathExists(temp.File("report.pdf/"), true));
    EXPECT_FALSE(PathExists(temp.File("gone/"), true));
}

TEST(PathHelpersTest, PathsAreTakenLiterallyAndRejectedPathsAreFalse) {
    testing::TempDir temp;
    Touch(temp.File("scan.pdf"));
    EXPECT_FALSE(PathExists(temp.File("*.pdf"), false));
    EXPECT_FALSE(PathExists(temp.File("sc?n.pdf"), false));
    Touch(temp.File("a*b.pdf"));
    EXPECT_TRUE(PathExists(temp.File("a*b.pdf"), false));
    EXPECT_FALSE(PathExists(temp.File(QString(5000, 'x')), false));
    EXPECT_FALSE(PathExists(temp.File(QString(5000, 'x')), true));
}

TEST(PathHelpersTest, FolderPartKeepsTheTrailingSeparator) {
    EXPECT_EQ(GetFolderPart("/home/ann/Scans/report.pdf"), "/home/ann/Scans/");
    EXPECT_EQ(GetFolderPart("report.pdf"), "");
    EXPECT_EQ(GetFolderPart("/"), "/");
    EXPECT_EQ(GetFolderPart("/home/ann/"), "/home/ann/");
    EXPECT_EQ(GetFolderPart("/home/my.docs/report"), "/home/my.docs/");
    EXPECT_EQ(GetFolderPart(""), "");
}

TEST(PathHelpersTest, FileExtensionIsTheLowerCasedTailFromTheLastDot) {
    const std::vector<std::pair<QString, QString>> cases{
        {"scan.pdf", ".pdf"},
        {"/Scans/Scan.TIFF", ".tiff"},
        {"scan", ""},
        {".pdf", ""},
        {"scan.", ""},
        {"a.b.", ".b."},
        {"/my.docs/report", ".docs/report"},
        {"/home/ann/Scans of März.final.PDF", ".pdf"},
        {"x.Ä", ".ä"},
        {"", ""},
        {QString(), ""},
    };
    for (const auto& [path, extension] : cases) EXPECT_EQ(GetFileExtension(path), extension) << path.toStdString();
}

TEST(PathHelpersTest, DesktopPathHasNoTrailingSeparatorAndAFailureIsReportedOnce) {
    testing::ScriptedUserInterface ui;
    ui.desktopFolder = "/home/ann/Desktop/";
    EXPECT_EQ(GetDesktopPath(ui), "/home/ann/Desktop");
    ui.desktopFolder = "";
    EXPECT_EQ(GetDesktopPath(ui), "");
    EXPECT_TRUE(ui.messages.empty());

    ui.desktopLookupFails = true;
    EXPECT_EQ(GetDesktopPath(ui), "");
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text, "ERROR: #-2147467259 The desktop folder could not be found.");
}

}  // namespace
}  // namespace quillon
