// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/imaging/ImagingLibraries.h"

#include "scan/imaging/writers/TiffSupport.h"

#include <leptonica/allheaders.h>

#include <csignal>

namespace quillon {

void PrepareImagingLibraries() {
    // libtiff reports its failures through one handler for the whole process:
    // they are kept as the failed page's sentence, never printed.
    InstallTiffErrorCapture();
    // Leptonica writes its doubts to the terminal; the program says what went
    // wrong in its own words.
    setMsgSeverity(L_SEVERITY_NONE);
    // The text-recognition engine's threads are limited when its module is
    // loaded, before its first page (TextEngineModule.cpp).
    // A file-size limit (ulimit -f) would end the whole program with SIGXFSZ
    // and leave what it was writing behind; ignored, the write fails with
    // EFBIG and the scan ends with "File too large" like any other failure.
    std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace quillon
