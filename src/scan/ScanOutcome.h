// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <vector>

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
    int pages = 0;  // pages written in all, in every document (Written, FailedAfterPages, or Cancelled after some)
    QString path;   // the last file written, when one was

    // Every file written, in order, with its pages: one, or one a document
    // of a batch split at separator sheets.
    struct Document {
        QString path;
        int pages = 0;
        friend bool operator==(const Document&, const Document&) = default;
    };
    std::vector<Document> documents;
    // Manual duplex: only the front sides were kept (the stack was not
    // turned, or its backs did not match and the user kept the fronts).
    bool frontsOnly = false;

    bool wroteFile() const { return !path.isEmpty(); }
};

}  // namespace quillon
