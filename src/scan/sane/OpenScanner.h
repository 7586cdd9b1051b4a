// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/ScannerDialogs.h"

#include <functional>
#include <memory>

namespace quillon {

class OpenDevices;
class SaneDevice;

// The backends that fetch each page whole over the network (eSCL) before
// handing its lines out: their calls may outlast a cancel, and their
// closing may hold the job.
inline bool IsNetworkScanner(const QString& deviceName) {
    return deviceName.startsWith(QLatin1String("airscan:")) || deviceName.startsWith(QLatin1String("escl:"));
}

// The device opened, or the scanner-library error that kept it closed.
struct OpenedScanner {
    std::shared_ptr<SaneDevice> device;  // counted among the open devices until the last holder lets it go
    int error = 0;
    QString detail;  // for the log
};

// Opens a device by name as steps the user sees and can cancel: first the
// wait while the last scan's scanner is still being let go, behind (SANE
// opens nothing meanwhile), then the open itself. opener: null on failure,
// with SANE's status.
OpenedScanner OpenScanner(const QString& deviceName, const std::shared_ptr<OpenDevices>& open, ScannerDialogs& dialogs,
                          const std::function<std::unique_ptr<SaneDevice>(const QString&, int*)>& opener);

// Lets go of a device. A network scanner is closed on a thread of its own,
// which holds the last reference: the job waits a bounded time for it, then
// goes on while it ends behind (the next open and SANE's end wait for it, as
// for a cancelled read). False: it is still closing.
bool CloseScanner(std::shared_ptr<SaneDevice> device, bool network);

}  // namespace quillon
