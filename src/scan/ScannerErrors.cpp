// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/ScannerErrors.h"

namespace quillon {

QString ScannerErrorText(int code) {
    switch (code) {
        case kScannerErrorNone: return QString();
        case kScannerErrorCancelled: return QStringLiteral("The scan was cancelled.");
        case kScannerErrorFeederEmpty: return QStringLiteral("The document feeder is empty.");
        case kScannerErrorJammed: return QStringLiteral("The document feeder is jammed.");
        case kScannerErrorCoverOpen: return QStringLiteral("The scanner cover is open.");
        case kScannerErrorIo: return QStringLiteral("The scanner stopped answering. Check its cable and power.");
        case kScannerErrorBusy: return QStringLiteral("The scanner is busy.");
        case kScannerErrorNoMemory:
            return QStringLiteral("There is not enough memory for a page this large: "
                                  "a lower resolution, or grey or black and white, needs less.");
        case kScannerErrorAccessDenied: return QStringLiteral("You are not allowed to use this scanner.");
        case kScannerErrorDeviceGone: return QStringLiteral("The scanner could not be found. It may have been unplugged.");
        case kScannerErrorUnsupported: return QStringLiteral("The scanner does not support this operation.");
        case kScannerErrorInvalidValue: return QStringLiteral("The scanner refused a setting.");
        case kScannerErrorNoSource: return QStringLiteral("No scanner is open.");
        case kScannerErrorWriteFailed: return QStringLiteral("The file could not be written.");
        case kScannerErrorBadFileType: return QStringLiteral("This file type cannot be written.");
        case kScannerErrorNothingWritten: return QStringLiteral("No page was scanned, so no file was written.");
        case kScannerErrorShortImage: return QStringLiteral("The scanner sent an incomplete page.");
        case kScannerErrorWarmingUp: return QStringLiteral("The scanner lamp is still warming up. Try again in a moment.");
        case kScannerErrorLocked: return QStringLiteral("The scanner is locked for transport. Unlock it and try again.");
        case kScannerErrorNoAnswer: return QStringLiteral("The scanner stopped answering.");
        case kScannerErrorSystem: return QStringLiteral("The system refused:");
        case kScannerErrorUnreadablePage:
            return QStringLiteral("The scanner sent a page that could not be read: its image was damaged, "
                                  "or the connection broke off.");
        default: return QStringLiteral("The scanner library failed unexpectedly.");
    }
}

}  // namespace quillon
