// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/imaging/writers/DocumentWriter.h"

#include <QString>

#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace quillon {

// Pages encoded for their document and held, in the order they came, while
// the user looks them over. Up to a bound they stay in memory; beyond it they
// go to a private file that no name points at, so nothing of them is left
// behind when the hold ends, however the program ends.
class PageHold {
public:
    static constexpr qint64 kMemoryBound = qint64{32} << 20;

    explicit PageHold(qint64 memoryBound = kMemoryBound);
    ~PageHold();
    PageHold(const PageHold&) = delete;
    PageHold& operator=(const PageHold&) = delete;

    // The next page; false when it could not be kept (error() says why).
    bool Add(EncodedPage page);
    int count() const;
    // The page at a place, handed out once; nothing for a place not held or
    // already taken, or when it could not be read back (error()).
    std::optional<EncodedPage> Take(int place);
    // The bytes of the pages that went to the file.
    qint64 bytesInFile() const;
    QString error() const;

private:
    struct Slot {
        std::optional<EncodedPage> page;  // in memory
        qint64 offset = -1, length = 0;   // or in the file
        qint64 bytes = 0;
    };
    bool OpenFile();
    static qint64 BytesOf(const EncodedPage& page);

    mutable std::mutex mutex_;
    qint64 memoryBound_;
    std::vector<Slot> slots_;
    qint64 inMemory_ = 0, fileEnd_ = 0;
    int fd_ = -1;
    QString error_;
};

// A writer that encodes pages as the encoder (the document's own writer) does,
// and places them in the hold instead of a file.
std::unique_ptr<DocumentWriter> CreateHoldingWriter(std::unique_ptr<DocumentWriter> encoder, PageHold& hold);

}  // namespace quillon
