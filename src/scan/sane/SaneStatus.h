// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sane/sane.h>

namespace quillon {

// The library's error code for a SANE status; 0 for GOOD. NO_DOCS is the
// empty feeder; the library itself decides when that merely ends a batch.
int ScannerErrorOfStatus(SANE_Status status);

}  // namespace quillon
