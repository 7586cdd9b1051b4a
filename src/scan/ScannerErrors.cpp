// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/ScannerErrors.h"

#include <QCoreApplication>

namespace quillon {

const char* ScannerErrorSourceText(int code) {
    switch (code) {
        case kScannerErrorNone: return "";
        case kScannerErrorCancelled: return QT_TRANSLATE_NOOP("ScannerErrors", "The scan was cancelled.");
        case kScannerErrorFeederEmpty: return QT_TRANSLATE_NOOP("ScannerErrors", "The document feeder is empty.");
        case kScannerErrorJammed: return QT_TRANSLATE_NOOP("ScannerErrors", "The document feeder is jammed.");
        case kScannerErrorCoverOpen: return QT_TRANSLATE_NOOP("ScannerErrors", "The scanner cover is open.");
        case kScannerErrorIo:
            return QT_TRANSLATE_NOOP("ScannerErrors", "The scanner stopped answering. Check its cable and power.");
        case kScannerErrorBusy: return QT_TRANSLATE_NOOP("ScannerErrors", "The scanner is busy.");
        case kScannerErrorNoMemory:
            return QT_TRANSLATE_NOOP("ScannerErrors",
                                     "There is not enough memory for a page this large: "
                                     "a lower resolution, or grey or black and white, needs less.");
        case kScannerErrorAccessDenied:
            return QT_TRANSLATE_NOOP("ScannerErrors", "You are not allowed to use this scanner.");
        case kScannerErrorDeviceGone:
            return QT_TRANSLATE_NOOP("ScannerErrors", "The scanner could not be found. It may have been unplugged.");
        case kScannerErrorUnsupported:
            return QT_TRANSLATE_NOOP("ScannerErrors", "The scanner does not support this operation.");
        case kScannerErrorInvalidValue: return QT_TRANSLATE_NOOP("ScannerErrors", "The scanner refused a setting.");
        case kScannerErrorNoSource: return QT_TRANSLATE_NOOP("ScannerErrors", "No scanner is open.");
        case kScannerErrorWriteFailed: return QT_TRANSLATE_NOOP("ScannerErrors", "The file could not be written.");
        case kScannerErrorBadFileType: return QT_TRANSLATE_NOOP("ScannerErrors", "This file type cannot be written.");
        case kScannerErrorNothingWritten:
            return QT_TRANSLATE_NOOP("ScannerErrors", "No page was scanned, so no file was written.");
        case kScannerErrorShortImage: return QT_TRANSLATE_NOOP("ScannerErrors", "The scanner sent an incomplete page.");
        case kScannerErrorWarmingUp:
            return QT_TRANSLATE_NOOP("ScannerErrors", "The scanner lamp is still warming up. Try again in a moment.");
        case kScannerErrorLocked:
            return QT_TRANSLATE_NOOP("ScannerErrors", "The scanner is locked for transport. Unlock it and try again.");
        case kScannerErrorNoAnswer: return QT_TRANSLATE_NOOP("ScannerErrors", "The scanner stopped answering.");
        case kScannerErrorSystem: return QT_TRANSLATE_NOOP("ScannerErrors", "The system refused:");
        case kScannerErrorUnreadablePage:
            return QT_TRANSLATE_NOOP("ScannerErrors",
                                     "The scanner sent a page that could not be read: its image was damaged, "
                                     "or the connection broke off.");
        default: return QT_TRANSLATE_NOOP("ScannerErrors", "The scanner library failed unexpectedly.");
    }
}

QString ScannerErrorText(int code) {
    const char* text = ScannerErrorSourceText(code);
    return *text ? QCoreApplication::translate("ScannerErrors", text) : QString();
}

}  // namespace quillon
