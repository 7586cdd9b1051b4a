// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <mutex>

namespace quillon {

// Whether finished documents may still be put in their targets' places. A
// program told to end (a signal, its window closed) closes the gate: from
// that moment no output file replaces anything, and the files still being
// written are removed. A signal handler closes it itself, so no commit can
// slip in between the signal and the thread that acts on it; a commit that
// had already passed the gate when it closed is the last one, and whoever
// ends the process waits for it (Abandon).
class DocumentGate {
public:
    // Async-signal-safe.
    static void Close() noexcept;
    static bool closed() noexcept;
    // Held while a file is put in place: empty (not owning its lock) when the gate is closed.
    static std::unique_lock<std::mutex> Pass();
    // Files being written under a name of their own (where the file system
    // has no unnamed files), removed by Abandon. A name tracked once the gate
    // has closed is removed at once: its file stays writable through its
    // descriptor, and no commit can take it any more.
    static void Track(const QByteArray& path);
    static void Untrack(const QByteArray& path);
    // Closes the gate, waits for a commit under way, and removes every
    // tracked file: what a process does just before it ends without its job.
    static void Abandon();
};

}  // namespace quillon
