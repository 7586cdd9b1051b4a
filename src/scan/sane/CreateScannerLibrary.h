// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/ScannerDialogs.h"
#include "scan/ScannerLibrary.h"

#include <memory>

namespace quillon {

// The scanner library of this platform (SANE), showing its steps and its
// choice of scanner through the dialogs given, which must outlive it.
std::unique_ptr<ScannerLibrary> CreateScannerLibrary(ScannerDialogs& dialogs);

}  // namespace quillon
