#include "scan/imaging/SafeOutputFile.h"

#include <QFile>
#include <QFileInfo>

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

QString SystemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

}  // namespace

bool SafeOutputFile::Fail(const QString& what) {
    error_ = what;
    Discard();
    return false;
}

bool SafeOutputFile::Open(const QString& targetPath) {
    Discard();
    error_.clear();
    target_ = targetPath;
    const QFileInfo target(targetPath);
    if (target.isDir()) return Fail(QStringLiteral("%1 is a folder, not a file.").arg(targetPath));
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir()) return Fail(QStringLiteral("The folder %1 does not exist.").arg(folder.filePath()));

    QByteArray pattern = QFile::encodeName(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                                           QStringLiteral(".quillon-XXXXXX"));
    fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd_ < 0) return Fail(QStringLiteral("Cannot write in %1: %2").arg(folder.filePath(), SystemError()));
    temporary_ = QFile::decodeName(pattern);
    return true;
}

bool SafeOutputFile::Commit() {
    if (fd_ < 0) return Fail(QStringLiteral("No file is open."));
    if (::fsync(fd_) != 0) return Fail(QStringLiteral("Cannot save %1: %2").arg(target_, SystemError()));
    ::fchmod(fd_, 0666 & ~CurrentUmask());
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) return Fail(QStringLiteral("Cannot save %1: %2").arg(target_, SystemError()));
    if (::rename(QFile::encodeName(temporary_).constData(), QFile::encodeName(target_).constData()) != 0)
        return Fail(QStringLiteral("Cannot save %1: %2").arg(target_, SystemError()));
    temporary_.clear();
    // Make the rename itself durable.
    const int folder = ::open(QFile::encodeName(QFileInfo(target_).absolutePath()).constData(), O_RDONLY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

void SafeOutputFile::Discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temporary_.isEmpty()) ::unlink(QFile::encodeName(temporary_).constData());
    temporary_.clear();
}

}  // namespace quillon
