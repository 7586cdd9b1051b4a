// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/sane/SaneStatus.h"

#include "scan/ScannerErrors.h"

namespace quillon {

int ScannerErrorOfStatus(SANE_Status status) {
    switch (static_cast<int>(status)) {
        case SANE_STATUS_GOOD: return kScannerErrorNone;
        case SANE_STATUS_UNSUPPORTED: return kScannerErrorUnsupported;
        case SANE_STATUS_CANCELLED: return kScannerErrorCancelled;
        case SANE_STATUS_DEVICE_BUSY: return kScannerErrorBusy;
        case SANE_STATUS_INVAL: return kScannerErrorInvalidValue;
        case SANE_STATUS_EOF: return kScannerErrorShortImage;  // a page that ended before it began
        case SANE_STATUS_JAMMED: return kScannerErrorJammed;
        case SANE_STATUS_NO_DOCS: return kScannerErrorFeederEmpty;
        case SANE_STATUS_COVER_OPEN: return kScannerErrorCoverOpen;
        case SANE_STATUS_IO_ERROR: return kScannerErrorIo;
        case SANE_STATUS_NO_MEM: return kScannerErrorNoMemory;
        case SANE_STATUS_ACCESS_DENIED: return kScannerErrorAccessDenied;
        case 12: return kScannerErrorWarmingUp;  // SANE_STATUS_WARMING_UP, from later SANE versions
        case 13: return kScannerErrorLocked;     // SANE_STATUS_HW_LOCKED
        default: return kScannerErrorInternal;
    }
}

}  // namespace quillon
