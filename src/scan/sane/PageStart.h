// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/ScannerDialogs.h"

#include <chrono>
#include <memory>

namespace quillon {

class ScanDocument;
class SaneDevice;

// How starting the device's next page ended.
struct PageStart {
    int status = 0;          // SANE's; cancelled for each of the two below
    bool abandoned = false;  // the device did not let go after a cancel: it does so behind
    bool silent = false;     // the device sent nothing for the longest a scanner may
};

// Starts the device's next page as a step the user sees and can cancel: a
// scanner that stops answering must not hold the scan for good. SANE allows
// the cancel from another thread while sane_start waits. A page that started
// all the same after a cancel is ended as a started page is. The step tells
// the document so far.
PageStart StartPage(std::shared_ptr<SaneDevice> device, ScannerDialogs& dialogs, const ScanDocument& document,
                    std::chrono::milliseconds silenceLimit, bool callOnOwnThread, int pageNumber);

// Ends a started page. A page that has sent nothing is read from first: some
// backends kill their reader thread on cancel, which is only safe once it has
// started sending (see PageTransfer::Cancel).
void EndStartedPage(SaneDevice& device, std::chrono::milliseconds silenceLimit, bool dataFlowed);

}  // namespace quillon
