// SPDX-License-Identifier: GPL-3.0-or-later
// Where a finished file goes: through a link, never over a device, and, for
// a numbered series, to a name claimed only when the file is put in place.
#include "scan/imaging/writers/SafeOutputFile.h"

#include "../common/TempDir.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillon {
namespace {

QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
}

bool Save(SafeOutputFile& output, const QByteArray& text) {
    return ::write(output.fd(), text.constData(), text.size()) == text.size() && output.Commit();
}

TEST(SafeOutputFileTest, ALinkIsWrittenThroughAndADeviceIsNeverReplaced) {
    testing::TempDir temp;
    QFile target(temp.File("target.pdf"));
    ASSERT_TRUE(target.open(QIODevice::WriteOnly) && target.write("older") == 5);
    target.close();
    ASSERT_TRUE(QFile::link(temp.File("target.pdf"), temp.File("link.pdf")));
    SafeOutputFile output;
    ASSERT_TRUE(output.Open(temp.File("link.pdf"), SafeOutputFile::LinkAtTarget::WrittenThrough)) << output.error().toStdString();
    ASSERT_TRUE(Save(output, "new"));
    EXPECT_TRUE(QFileInfo(temp.File("link.pdf")).isSymLink());
    EXPECT_EQ(Read(temp.File("target.pdf")), "new");
    // A file of the program's own replaces a link in its place instead.
    ASSERT_TRUE(output.Open(temp.File("link.pdf")));
    ASSERT_TRUE(Save(output, "own"));
    EXPECT_FALSE(QFileInfo(temp.File("link.pdf")).isSymLink());
    EXPECT_EQ(Read(temp.File("target.pdf")), "new");

    ASSERT_EQ(::mkfifo(QFile::encodeName(temp.File("pipe.pdf")).constData(), 0644), 0);
    ASSERT_TRUE(QFile::link(temp.File("nowhere"), temp.File("dangling.pdf")));
    for (const char* refused : {"pipe.pdf", "dangling.pdf"}) {
        EXPECT_FALSE(output.Open(temp.File(refused), SafeOutputFile::LinkAtTarget::WrittenThrough)) << refused;
        EXPECT_FALSE(output.error().isEmpty());
    }
    struct stat status {};
    EXPECT_EQ(::stat(QFile::encodeName(temp.File("pipe.pdf")).constData(), &status), 0);
    EXPECT_TRUE(S_ISFIFO(status.st_mode));
}

// Names taken between the open and the commit, by a file or a link to
// nothing, are passed over; the series' file takes the next free one.
TEST(SafeOutputFileTest, ANumberedFileClaimsTheFirstNameFreeWhenItIsCommitted) {
    testing::TempDir temp;
    const QString first = temp.File("letters.pdf");
    SafeOutputFile output;
    ASSERT_TRUE(output.OpenNumbered(first, 2));
    QFile taken(temp.File("letters-2.pdf"));
    ASSERT_TRUE(taken.open(QIODevice::WriteOnly) && taken.write("theirs") == 6);
    taken.close();
    ASSERT_TRUE(QFile::link(temp.File("nowhere"), temp.File("letters-3.pdf")));
    ASSERT_TRUE(Save(output, "ours"));
    EXPECT_EQ(output.targetPath(), temp.File("letters-4.pdf"));
    EXPECT_EQ(Read(temp.File("letters-4.pdf")), "ours");
    EXPECT_EQ(Read(temp.File("letters-2.pdf")), "theirs");
    EXPECT_TRUE(QFileInfo(temp.File("letters-3.pdf")).isSymLink());
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files | QDir::Hidden | QDir::System).size(), 3);
}

}  // namespace
}  // namespace quillon
