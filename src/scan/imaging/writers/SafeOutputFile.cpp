// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/writers/SafeOutputFile.h"

#include <QCoreApplication>

#include "support/NumberedPath.h"
#include "scan/imaging/writers/DocumentGate.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
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
mode_t NewFileMode() { return 0666 & ~CurrentUmask(); }

mode_t FinishedMode(const QByteArray& target) {
    struct stat status {};
    if (::stat(target.constData(), &status) == 0 && S_ISREG(status.st_mode)) return status.st_mode & 07777;
    return NewFileMode();
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

bool SafeOutputFile::Open(const QString& targetPath, LinkAtTarget link) {
    Reset(targetPath);
    const QByteArray target = QFile::encodeName(targetPath);
    struct stat status {};
    if (link == LinkAtTarget::WrittenThrough && ::lstat(target.constData(), &status) == 0 && S_ISLNK(status.st_mode)) {
        char* resolved = ::realpath(target.constData(), nullptr);
        if (!resolved) return Fail(QCoreApplication::translate("Imaging", "%1 is a link to a file that cannot be reached: %2.").arg(targetPath, SystemErrorText(errno)));
        place_ = QFile::decodeName(resolved);
        std::free(resolved);
    }
    if (::lstat(QFile::encodeName(place_).constData(), &status) == 0 && !S_ISREG(status.st_mode) &&
        !S_ISDIR(status.st_mode) && !S_ISLNK(status.st_mode))
        return Fail(QCoreApplication::translate("Imaging", "%1 is a device, a pipe or a socket, not a file.").arg(targetPath));
    return CreateBeside(place_);
}

bool SafeOutputFile::OpenNumbered(const QString& firstPath, int number) {
    Reset(NumberedPath(firstPath, number));
    firstPath_ = firstPath;
    number_ = number;
    return CreateBeside(target_);
}

void SafeOutputFile::Reset(const QString& targetPath) {
    Discard();
    error_.clear();
    givingUp_ = false;
    givenUp_ = false;
    target_ = place_ = targetPath;
    firstPath_.clear();
    number_ = 0;
}

// The file being written, in the folder of the file it is to become.
bool SafeOutputFile::CreateBeside(const QString& path) {
    const QFileInfo target(path);
    if (target.isDir()) return Fail(QCoreApplication::translate("Imaging", "%1 is a folder, not a file.").arg(target_));
    const QFileInfo folderInfo(target.absolutePath());
    if (folderInfo.exists() && !folderInfo.isDir())
        return Fail(QCoreApplication::translate("Imaging", "%1 is a file, not a folder.").arg(folderInfo.filePath()));
    if (!folderInfo.isDir()) return Fail(QCoreApplication::translate("Imaging", "The folder %1 does not exist.").arg(folderInfo.filePath()));
    const QByteArray folder = QFile::encodeName(target.absolutePath());

    fd_ = ::open(folder.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (fd_ >= 0) return true;
    if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL && errno != ENOENT)
        return Fail(QCoreApplication::translate("Imaging", "Cannot write in %1: %2.").arg(folderInfo.filePath(), SystemErrorText(errno)));

    // No unnamed files here: a named one, removed on every way out but a crash.
    QByteArray pattern = TemporaryPattern(folder);
    fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd_ < 0) return Fail(QCoreApplication::translate("Imaging", "Cannot write in %1: %2.").arg(folderInfo.filePath(), SystemErrorText(errno)));
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
    if (fd_ < 0) return Fail(QCoreApplication::translate("Imaging", "No file is open."));
    const QByteArray place = QFile::encodeName(place_);
    const QByteArray folder = QFile::encodeName(QFileInfo(place_).absolutePath());
    if (::fsync(fd_) != 0) return Fail(QCoreApplication::translate("Imaging", "Cannot save %1: %2.").arg(target_, SystemErrorText(errno)));
    ::fchmod(fd_, firstPath_.isEmpty() ? FinishedMode(place) : NewFileMode());
    if (temporary_.isEmpty() && !LinkUnnamedFile(folder))
        return Fail(QCoreApplication::translate("Imaging", "Cannot save %1: %2.").arg(target_, SystemErrorText(errno)));
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) return Fail(QCoreApplication::translate("Imaging", "Cannot save %1: %2.").arg(target_, SystemErrorText(errno)));
    int placeError = 0;
    {
        // The decision to keep the file and its rename are one step for
        // whoever gives documents up: nothing comes between the two.
        const std::unique_lock gate = DocumentGate::Pass();
        givenUp_ = !gate.owns_lock() || givingUp_;
        if (!givenUp_ && !firstPath_.isEmpty()) placeError = ClaimNumberedName();
        else if (!givenUp_ && ::rename(QFile::encodeName(temporary_).constData(), place.constData()) != 0)
            placeError = errno;
    }
    if (givenUp_) return Fail(QCoreApplication::translate("Imaging", "%1 was given up: nothing was saved.").arg(target_));
    if (placeError != 0) return Fail(QCoreApplication::translate("Imaging", "Cannot save %1: %2.").arg(target_, SystemErrorText(placeError)));
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

// The file's temporary name becomes the first name of its series that is
// free now: the name is claimed by the rename itself, which fails rather
// than replace anything. An error number, or 0 with the target set.
int SafeOutputFile::ClaimNumberedName() {
    const QByteArray temporary = QFile::encodeName(temporary_);
    constexpr int kNamesTried = 10000;
    for (int number = number_; number < number_ + kNamesTried; ++number) {
        const QString candidate = NumberedPath(firstPath_, number);
        const QByteArray name = QFile::encodeName(candidate);
        int result = ::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, name.constData(), RENAME_NOREPLACE);
        if (result != 0 && errno == EINVAL) {
            // A file system without that rename: a second link claims the name as surely.
            result = ::link(temporary.constData(), name.constData());
            if (result == 0) ::unlink(temporary.constData());
        }
        if (result == 0) {
            target_ = place_ = candidate;
            return 0;
        }
        if (errno != EEXIST) return errno;
    }
    return EEXIST;
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
