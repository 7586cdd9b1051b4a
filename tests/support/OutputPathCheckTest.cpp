// SPDX-License-Identifier: GPL-3.0-or-later
// What may stand at the output path, for this user and for another.
#include "support/OutputPathCheck.h"

#include <QDir>
#include <QFile>

#include <functional>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace quillon {
namespace {

constexpr long kNobody = 65534;

// A folder everyone may enter, since some rows look at it as another user.
class SharedFolder {
public:
    SharedFolder() {
        char pattern[] = "/tmp/quillon-shared-XXXXXX";
        path = QString::fromLocal8Bit(::mkdtemp(pattern));
        ::chmod(pattern, 0755);
    }
    ~SharedFolder() { QDir(path).removeRecursively(); }
    QString File(const QString& name) const { return path + "/" + name; }
    QString path;
};

// The refusal as another user sees it, since the file system's answer
// depends on who asks. The raw calls change this thread's identity alone
// (the C library's would change every thread's), and it is given back.
QString RefusalAsNobody(const QString& path) {
    if (::syscall(SYS_setresgid, -1, kNobody, -1) != 0 || ::syscall(SYS_setresuid, -1, kNobody, -1) != 0)
        return "could not become another user";
    const QString said = OutputPathRefusal(path);
    ::syscall(SYS_setresuid, -1, 0, -1);
    ::syscall(SYS_setresgid, -1, 0, -1);
    return said;
}

TEST(OutputPathCheckTest, OnlyAFileThisUserMayReplaceIsAccepted) {
    SharedFolder folder;
    const auto make = [&](const QString& name, mode_t mode) {
        QFile file(folder.File(name));
        file.open(QIODevice::WriteOnly);
        file.close();
        ::chmod(QFile::encodeName(folder.File(name)).constData(), mode);
    };
    const QByteArray longName = QByteArray(252, 'n') + ".pdf";  // one byte over the usual 255
    struct Row {
        const char* name;
        std::function<void()> setUp;
        bool asAnotherUser;
        const char* refusal;  // empty: accepted
    };
    const Row kRows[] = {
        {"new.pdf", [] {}, false, ""},
        {"mine.pdf", [&] { make("mine.pdf", 0644); }, false, ""},
        {"readonly.pdf", [&] { make("readonly.pdf", 0444); }, false, "readonly.pdf is write-protected."},
        {"linked.pdf", [&] { make("target.pdf", 0644), QFile::link(folder.File("target.pdf"), folder.File("linked.pdf")); }, false, ""},
        {"dangling.pdf", [&] { QFile::link(folder.File("nowhere"), folder.File("dangling.pdf")); }, false,
         "dangling.pdf is a link to a file that does not exist."},
        {"pipe.pdf", [&] { ::mkfifo(QFile::encodeName(folder.File("pipe.pdf")).constData(), 0644); }, false,
         "pipe.pdf is a device, a pipe or a socket, not a file."},
        {"null.pdf", [&] { QFile::link("/dev/null", folder.File("null.pdf")); }, false,
         "null.pdf is a device, a pipe or a socket, not a file."},
        {longName.constData(), [] {}, false, " is too long a name for its folder."},
        // Another user's file, in a plain folder and in a shared one such as /tmp.
        {"theirs.pdf", [&] { make("theirs.pdf", 0644); }, true, "theirs.pdf is write-protected."},
        {"sticky/theirs.pdf",
         [&] {
             QDir().mkpath(folder.File("sticky"));
             ::chmod(QFile::encodeName(folder.File("sticky")).constData(), 01777);
             make("sticky/theirs.pdf", 0666);
         },
         true, "theirs.pdf belongs to another user, in a folder where only its owner may replace it."},
    };
    EXPECT_EQ(OutputPathRefusal("/proc/scan.pdf"),
              "/proc is one of the system's own folders, where no file can be saved. Please choose another file.");
    for (const Row& row : kRows) {
        SCOPED_TRACE(QByteArray(row.name).left(40).toStdString());
        if (row.asAnotherUser && ::geteuid() != 0) continue;  // no other user to become
        row.setUp();
        const QString said = row.asAnotherUser ? RefusalAsNobody(folder.File(row.name)) : OutputPathRefusal(folder.File(row.name));
        if (*row.refusal == '\0') {
            EXPECT_EQ(said, "");
        } else {
            EXPECT_TRUE(said.contains(row.refusal)) << said.toStdString();
            EXPECT_TRUE(said.endsWith(" Please choose another file.")) << said.toStdString();
        }
    }
}

}  // namespace
}  // namespace quillon
