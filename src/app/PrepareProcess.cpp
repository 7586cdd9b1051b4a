// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PrepareProcess.h"

#include "scan/imaging/ImagingLibraries.h"
#include "scan/sane/SaneLibrary.h"

namespace quillon {

void PrepareProcess() {
    // Before any thread or backend: the allocator's setting and the loaded
    // unwinder keep a backend's cancelled reader thread from hanging.
    PrepareScannerBackends();
    // Before any page: libtiff's and Leptonica's messages, the engine's threads, SIGXFSZ.
    PrepareImagingLibraries();
    // How the programs end (EndProcess) is the other process-wide choice: it
    // leaves out the loaded libraries' finalizers, see EndProcess.h.
}

}  // namespace quillon
