// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/sane/OpenScanner.h"

#include "scan/ScannerErrors.h"
#include "scan/sane/DeviceCall.h"
#include "scan/LibraryStep.h"
#include "scan/sane/SaneDevice.h"
#include "scan/sane/SaneStatus.h"
#include "scan/sane/SystemRefusal.h"

#include <QCoreApplication>

namespace quillon {

namespace {
// How long closing a network scanner may hold the job before it is left to
// close behind: a backend tidying a dead connection can take many seconds,
// and one whose event loop never wakes never ends.
constexpr std::chrono::milliseconds kLeaveClosingAfter{2000};
}  // namespace

OpenedScanner OpenScanner(const QString& deviceName, const std::shared_ptr<OpenDevices>& open, ScannerDialogs& dialogs,
                          const std::function<std::unique_ptr<SaneDevice>(const QString&, int*)>& opener) {
    if (open->any()) {
        // The wait can be cancelled.
        open->ResetWait();
        bool none = false;
        LibraryStep waiting([&] { none = open->WaitUntilNone(); }, [&open] { open->GiveUpWaiting(); });
        dialogs.RunStep(QCoreApplication::translate("SaneLibrary", "Waiting for the scanner to be let go..."), waiting);
        if (!none || waiting.cancelled())
            return {nullptr, kScannerErrorCancelled, QStringLiteral("while the last scanner was let go")};
    }
    int openStatus = SANE_STATUS_GOOD;
    std::unique_ptr<SaneDevice> device;
    // SANE cannot stop an open under way: a cancel takes effect when it returns.
    LibraryStep opening([&] { device = opener(deviceName, &openStatus); });
    dialogs.RunStep(QCoreApplication::translate("SaneLibrary", "Opening the scanner..."), opening);
    if (opening.cancelled()) {
        device.reset();
        return {nullptr, kScannerErrorCancelled, QStringLiteral("while the scanner was opened")};
    }
    if (device) {
        open->Opened();
        return {std::shared_ptr<SaneDevice>(device.release(), [open](SaneDevice* closing) {
            delete closing;  // cancels and closes, on whichever thread lets it go last
            open->Closed();
        }), 0, {}};
    }
    if (const QString refusal = SystemRefusal(); !refusal.isEmpty()) return {nullptr, kScannerErrorSystem, refusal};
    // A device that vanished since it was listed reads as "invalid"; the
    // airscan backend answers a name it cannot find with "out of memory".
    const auto status = static_cast<SANE_Status>(openStatus);
    const bool gone = status == SANE_STATUS_INVAL || status == SANE_STATUS_IO_ERROR || status == SANE_STATUS_NO_MEM;
    return {nullptr, gone ? kScannerErrorDeviceGone : ScannerErrorOfStatus(status),
            QStringLiteral("sane_open(%1): %2").arg(deviceName, sane_strstatus(status))};
}

bool CloseScanner(std::shared_ptr<SaneDevice> device, bool network) {
    if (!network) return true;  // cancels and closes as the last reference goes
    DeviceCall closing(true);
    closing.Run([device = std::move(device)]() mutable { device.reset(); });
    closing.LeaveAfter(kLeaveClosingAfter);
    return closing.Wait();
}

}  // namespace quillon
