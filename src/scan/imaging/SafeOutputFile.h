#pragma once

#include <QString>

namespace quillon {

// An output file written beside its target under a temporary name and renamed
// over the target only when complete. Until then a file already at the target
// stays untouched; a file never committed is removed.
class SafeOutputFile {
public:
    SafeOutputFile() = default;
    ~SafeOutputFile() { Discard(); }
    SafeOutputFile(const SafeOutputFile&) = delete;
    SafeOutputFile& operator=(const SafeOutputFile&) = delete;

    // Creates the temporary file (readable and writable). False with error() set.
    bool Open(const QString& targetPath);
    // Flushes the data to disk, gives the file the usual mode (0666 minus the
    // umask) and renames it over the target. False with error() set; the
    // temporary file is then removed.
    bool Commit();
    // Removes the temporary file, if any.
    void Discard();

    int fd() const { return fd_; }
    bool isOpen() const { return fd_ >= 0; }
    const QString& targetPath() const { return target_; }
    const QString& temporaryPath() const { return temporary_; }
    const QString& error() const { return error_; }

private:
    bool Fail(const QString& what);

    int fd_ = -1;
    QString target_;
    QString temporary_;
    QString error_;
};

}  // namespace quillon
