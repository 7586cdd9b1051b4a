// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quillon {

// How a scan job ended, as a value: callers decide from it, never from the
// texts of the messages the job showed.
struct ScanOutcome {
    enum class Kind {
        Written,            // the whole document is in the file
        Cancelled,          // by the user, at a question or during the scan
        NoScanner,          // none was found, or the chosen one could not be opened
        Failed,             // nothing was written; a file already at the path is kept
        FailedAfterPages,   // some pages were saved, then the scan failed
    };
    Kind kind = Kind::Failed;
    int pages = 0;  // pages in the file written (Written, FailedAfterPages, or Cancelled after some)
    QString path;   // the file written, when one was

    bool wroteFile() const { return !path.isEmpty(); }
};

}  // namespace quillon
