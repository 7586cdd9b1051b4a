// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/imaging/writers/DocumentWriter.h"
#include "scan/imaging/writers/TiffSupport.h"

namespace quillon {

// The output file as libtiff's client I/O sees it: the descriptor and a position.
struct TiffFdFile {
    int fd;
    long long position = 0;
    int writeError = 0;  // errno of the first failed write: the reason to tell
};

// A multi-page TIFF, one directory per page: CCITT G4 for black and white,
// JPEG at the quality for grey and colour (LZW with a predictor at 100),
// resolution tags on every page.
class TiffWriter : public DocumentWriter {
public:
    TiffWriter(int fd, int quality);
    ~TiffWriter() override;
    EncodedPage Encode(const QImage& page) const override;
    bool AddEncoded(EncodedPage page) override;
    bool Finish() override;

private:
    static void Turn(EncodedPage& encoded);
    bool Open(const EncodedPage& firstPage);

    // The reason for a failure of libtiff: the system's, when a write failed.
    QString FailureReason();

    TiffFdFile file_;
    int quality_;
    TiffHandle tiff_;
    bool finished_ = false;
};

}  // namespace quillon
