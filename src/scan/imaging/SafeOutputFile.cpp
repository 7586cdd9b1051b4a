// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/SafeOutputFile.h"

#include "scan/imaging/DocumentGate.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillon {

namespace {

mode_t CurrentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

// The bits a finished file gets: those of the file it replaces, so a private
// document stays private, or the usual ones for a new file.
mode_t FinishedMode(const QByteArray& target) {
    struct stat status {};
    if (::stat(target.constData(), &status) == 0 && S_ISREG(status.st_mode)) return status.st_mode & 07777;
    return 0666 & ~CurrentUmask();
}

// Short names, whatever the target's length: ".quillon-" and six characters.
QByteArray TemporaryPattern(const QByteArray& folder) { return folder + "/.quillon-XXXXXX"; }

}  // namespace

QString SystemErrorText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

bool SafeOutputFile::Fail(const QString& what) {
    error_ = what;
    Discard();
    return false;
}

void SafeOutputFile::Name(const QString& temporary) {
    temporary_ = temporary;
    DocumentGate::Track(QFile::encodeName(temporary));
}

bool SafeOutputFile::Open(const QString& targetPath) {
    Discard();
    error_.clear();
    givingUp_ = false;
    givenUp_ = false;
    target_ = targetPath;
    const QFileInfo target(targetPath);
    if (target.isDir()) return Fail(QStringLiteral("%1 is a folder, not a file.").arg(targetPath));
    const QFileInfo folderInfo(target.absolutePath());
    if (folderInfo.exists() && !folderInfo.isDir())
        return Fail(QStringLiteral("%1 is a file, not a folder.").arg(folderInfo.filePath()));
    if (!folderInfo.isDir()) return Fail(QStringLiteral("The folder %1 does not exist.").arg(folderInfo.filePath()));
    const QByteArray folder = QFile::encodeName(target.absolutePath());

    fd_ = ::open(folder.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd_ >= 0) return true;
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL && errno != ENOENT)
        return Fail(QStringLiteral("Cannot write in %1: %2.").arg(folderInfo.filePath(), SystemErrorText(errno)));

    // No unnamed files here: a named one, removed on every way out but a crash.
    QByteArray pattern = TemporaryPattern(folder);
    fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd_ < 0) return Fail(QStringLiteral("Cannot write in %1: %2.").arg(folderInfo.filePath(), SystemErrorText(errno)));
    Name(QFile::decodeName(pattern));
    return true;
}

// Gives the unnamed file a short name of its own, to be renamed over the target.
bool SafeOutputFile::LinkUnnamedFile(const QByteArray& folder) {
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd_);
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        QByteArray name = TemporaryPattern(folder);
        for (qsizetype i = name.size() - 6; i < name.size(); ++i)
            name[i] = kLetters[QRandomGenerator::global()->bounded(int(sizeof kLetters - 1))];
        if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, name.constData(), AT_SYMLINK_FOLLOW) == 0) {
            Name(QFile::decodeName(name));
            return true;
        }
        if (errno != EEXIST) return false;
    }
    return false;
}

bool SafeOutputFile::Commit() {
    if (fd_ < 0) return Fail(QStringLiteral("No file is open."));
    const QByteArray target = QFile::encodeName(target_);
    const QByteArray folder = QFile::encodeName(QFileInfo(target_).absolutePath());
    if (::fsync(fd_) != 0) return Fail(QStringLiteral("Cannot save %1: %2.").arg(target_, SystemErrorText(errno)));
    ::fchmod(fd_, FinishedMode(target));
    if (temporary_.isEmpty() && !LinkUnnamedFile(folder))
        return Fail(QStringLiteral("Cannot save %1: %2.").arg(target_, SystemErrorText(errno)));
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) return Fail(QStringLiteral("Cannot save %1: %2.").arg(target_, SystemErrorText(errno)));
    int renameError = 0;
    {
        // The decision to keep the file and its rename are one step for
        // whoever gives documents up: nothing comes between the two.
        const std::unique_lock gate = DocumentGate::Pass();
        givenUp_ = !gate.owns_lock() || givingUp_;
        if (!givenUp_ && ::rename(QFile::encodeName(temporary_).constData(), target.constData()) != 0)
            renameError = errno;
    }
    if (givenUp_) return Fail(QStringLiteral("%1 was given up: nothing was saved.").arg(target_));
    if (renameError != 0) return Fail(QStringLiteral("Cannot save %1: %2.").arg(target_, SystemErrorText(renameError)));
    DocumentGate::Untrack(QFile::encodeName(temporary_));
    temporary_.clear();
    // Make the rename itself durable.
    const int folderFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    return true;
}

void SafeOutputFile::Discard() {
    if (fd_ >= 0) ::close(fd_);  // an unnamed file is gone with its last descriptor
    fd_ = -1;
    if (!temporary_.isEmpty()) {
        ::unlink(QFile::encodeName(temporary_).constData());
        DocumentGate::Untrack(QFile::encodeName(temporary_));
    }
    temporary_.clear();
}

}  // namespace quillon
