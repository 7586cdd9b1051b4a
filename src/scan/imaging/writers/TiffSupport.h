// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <tiffio.h>

#include <memory>

namespace quillon {

struct TiffCloser {
    void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};
using TiffHandle = std::unique_ptr<TIFF, TiffCloser>;

// libtiff reports through a global handler; this keeps the last message of the
// calling thread so it can be shown as the reason of a failure.
void InstallTiffErrorCapture();
QString TakeTiffError();

}  // namespace quillon
