// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/OutputPathCheck.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdlib>

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace quillon {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(OutputFileChooser)
};

// What is wrong with the file, then what to do.
QString Refused(const QString& why) { return why + QLatin1Char(' ') + Text::tr("Please choose another file."); }

// The file system's own answer for this user, not the owner's bits alone;
// and a file whose owner made it read-only stays, whoever runs the program.
bool MayReplace(const QByteArray& file, const struct stat& status) {
    return (status.st_mode & S_IWUSR) != 0 && ::faccessat(AT_FDCWD, file.constData(), W_OK, AT_EACCESS) == 0;
}

// A folder with the sticky bit (/tmp) lets only a file's owner, the folder's
// owner or root rename over the file.
bool HeldBySticky(const QByteArray& folder, const struct stat& file) {
    struct stat status {};
    if (::stat(folder.constData(), &status) != 0 || (status.st_mode & S_ISVTX) == 0) return false;
    const uid_t user = ::geteuid();
    return user != 0 && file.st_uid != user && status.st_uid != user;
}

// The kernel's own folders (/proc, /sys) show the system's state: nothing
// can be saved in them, whatever the permissions say.
bool IsSystemFolder(const QByteArray& folder) {
    struct statfs status {};
    if (::statfs(folder.constData(), &status) != 0) return false;
    const auto type = static_cast<unsigned long>(status.f_type);
    return type == PROC_SUPER_MAGIC || type == SYSFS_MAGIC || type == DEBUGFS_MAGIC || type == CGROUP2_SUPER_MAGIC;
}

}  // namespace

QString OutputPathRefusal(const QString& path) {
    const QString name = QFileInfo(path).fileName();
    const QByteArray encoded = QFile::encodeName(path);
    const QString folder = QFileInfo(path).absolutePath();
    if (IsSystemFolder(QFile::encodeName(folder)))
        return Refused(Text::tr("%1 is one of the system's own folders, where no file can be saved.").arg(folder));
    struct stat status {};
    if (::lstat(encoded.constData(), &status) != 0) {
        const bool tooLong = errno == ENAMETOOLONG;
        const long longest = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
        if (tooLong || (longest > 0 && QFile::encodeName(name).size() > longest))
            return Refused(Text::tr("%1 is too long a name for its folder.").arg(name));
        return {};  // a new file: whether the folder takes it is learnt when it is made
    }
    // A link stands for the file it names, which is replaced in its own folder.
    QByteArray file = encoded;
    if (S_ISLNK(status.st_mode)) {
        char* resolved = ::realpath(encoded.constData(), nullptr);
        if (!resolved || ::stat(resolved, &status) != 0) {
            std::free(resolved);
            return Refused(Text::tr("%1 is a link to a file that does not exist.").arg(name));
        }
        file = resolved;
        std::free(resolved);
    }
    if (S_ISDIR(status.st_mode)) return {};  // said as a folder when the file is made
    if (!S_ISREG(status.st_mode))
        return Refused(Text::tr("%1 is a device, a pipe or a socket, not a file.").arg(name));
    if (!MayReplace(file, status)) return Refused(Text::tr("%1 is write-protected.").arg(name));
    if (HeldBySticky(QFile::encodeName(QFileInfo(QFile::decodeName(file)).absolutePath()), status))
        return Refused(Text::tr("%1 belongs to another user, in a folder where only its owner may replace it.").arg(name));
    return {};
}

}  // namespace quillon
