// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <atomic>

namespace quillon {

// An output file written beside its target and put in the target's place only
// when complete. Until then a file already at the target stays untouched, and
// a file never committed is removed. Where the file system allows, the file
// being written has no name at all (O_TMPFILE), so even a crash or a kill
// leaves nothing behind; elsewhere it has a short hidden name of its own, so
// any name the target may have (up to the system's 255 bytes) works. A file
// given up (this one, or every one: DocumentGate) is never put in place.
// A link at the target is replaced by the file, the file it pointed to left
// as it was; or, for a document the user named, written through: the file
// it names is replaced in its own folder, and the link stays (as cp would).
// A file of a numbered series replaces nothing: its name is claimed only
// when it is put in place.
class SafeOutputFile {
public:
    SafeOutputFile() = default;
    ~SafeOutputFile() { Discard(); }
    SafeOutputFile(const SafeOutputFile&) = delete;
    SafeOutputFile& operator=(const SafeOutputFile&) = delete;

    enum class LinkAtTarget { Replaced, WrittenThrough };
    // Creates the file being written (readable and writable). False with error() set.
    bool Open(const QString& targetPath, LinkAtTarget link = LinkAtTarget::Replaced);
    // The same for the next file of a series beside firstPath (letters.pdf:
    // letters-2.pdf, letters-3.pdf, ...): it takes the first name from number
    // on that is free when it is committed. A name taken meanwhile, by a file
    // or a link (even one to nothing), is never replaced.
    bool OpenNumbered(const QString& firstPath, int number);
    // Flushes the data to disk and puts the file in the target's place, with
    // the permission bits of the file it replaces, or 0666 minus the umask for
    // a new one. False with error() set; the file being written is then removed.
    bool Commit();
    // Removes the file being written, if any.
    void Discard();
    // From any thread: the file will not be committed; Commit then fails
    // with givenUp() true and a file at the target stays as it was.
    void GiveUp() { givingUp_ = true; }
    bool givenUp() const { return givenUp_; }

    int fd() const { return fd_; }
    bool isOpen() const { return fd_ >= 0; }
    // The target; for a series, the name claimed once committed.
    const QString& targetPath() const { return target_; }
    // The name of the file being written; empty while it has none.
    const QString& temporaryPath() const { return temporary_; }
    const QString& error() const { return error_; }

private:
    bool Fail(const QString& what);
    bool LinkUnnamedFile(const QByteArray& folder);
    void Reset(const QString& targetPath);
    bool CreateBeside(const QString& path);
    int ClaimNumberedName();

    void Name(const QString& temporary);

    int fd_ = -1;
    std::atomic<bool> givingUp_{false};
    bool givenUp_ = false;
    QString target_;
    QString place_;        // where the file goes: the target, or the file a link there names
    QString firstPath_;    // a series' first file; empty when the file is not numbered
    int number_ = 0;       // the first number the series' file may take
    QString temporary_;
    QString error_;
};

// The system's reason for the last failure (errno), as a sentence fragment
// such as "No space left on device".
QString SystemErrorText(int error);

}  // namespace quillon
