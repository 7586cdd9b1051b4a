// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace quillon {

// The library's last-error codes. Each comes with a plain sentence for the user.
enum ScannerError : int {
    kScannerErrorNone = 0,
    kScannerErrorCancelled = 1,        // the user cancelled
    kScannerErrorFeederEmpty = 2,
    kScannerErrorJammed = 3,
    kScannerErrorCoverOpen = 4,
    kScannerErrorIo = 5,
    kScannerErrorBusy = 6,
    kScannerErrorNoMemory = 7,
    kScannerErrorAccessDenied = 8,
    kScannerErrorDeviceGone = 9,
    kScannerErrorUnsupported = 10,
    kScannerErrorInvalidValue = 11,
    kScannerErrorNoSource = 12,
    kScannerErrorWriteFailed = 13,     // the output file could not be written
    kScannerErrorBadFileType = 14,
    kScannerErrorNothingWritten = 15,  // a document ended with no page in it
    kScannerErrorShortImage = 16,      // the scanner sent less image than it announced
    kScannerErrorInternal = 17,
    kScannerErrorWarmingUp = 18,
    kScannerErrorLocked = 19,
    kScannerErrorNoAnswer = 20,        // the scanner sent nothing for too long
    kScannerErrorSystem = 21,          // the system refused (too many open files, say); its reason follows
    kScannerErrorUnreadablePage = 22,  // a network scanner's page could not be decoded (or came cut off)
};

// The plain sentence for a code, in the user's language; and in English, as
// the scanner log keeps it.
QString ScannerErrorText(int code);
const char* ScannerErrorSourceText(int code);

}  // namespace quillon
