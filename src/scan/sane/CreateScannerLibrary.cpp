// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/sane/CreateScannerLibrary.h"

#include "scan/sane/SaneLibrary.h"

namespace quillon {

std::unique_ptr<ScannerLibrary> CreateScannerLibrary(ScannerDialogs& dialogs) {
    return std::make_unique<SaneLibrary>(dialogs);
}

}  // namespace quillon
