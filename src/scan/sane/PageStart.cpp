// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/sane/PageStart.h"

#include "scan/sane/DeviceCall.h"
#include "scan/sane/DeviceWatch.h"
#include "scan/LibraryStep.h"
#include "scan/ScanDocument.h"
#include "scan/sane/SaneDevice.h"
#include "scan/sane/SilenceNotice.h"

#include <QCoreApplication>

#include <atomic>

namespace quillon {

PageStart StartPage(std::shared_ptr<SaneDevice> device, ScannerDialogs& dialogs, const ScanDocument& document,
                    std::chrono::milliseconds silenceLimit, bool callOnOwnThread, int pageNumber) {
    DeviceWatch watch(*device, silenceLimit, nullptr);
    const SilenceNotice silence(silenceLimit);
    DeviceCall call(callOnOwnThread);
    auto status = std::make_shared<std::atomic<int>>(SANE_STATUS_GOOD);
    bool ended = true;
    LibraryStep starting(
        [&] {
            watch.Begin();
            call.Run([device, status] { *status = device->Start(); });
            ended = call.Wait();
            watch.Ended();
        },
        [&] {
            watch.Arm();
            call.LeaveAfter(kLeaveAfterCancel);
        },
        [&silence] { return silence.Text(0); }, [&document] { return document.SoFar(); });
    dialogs.RunStep(QCoreApplication::translate("SaneLibrary", "Waiting for page %1...").arg(pageNumber), starting);
    if (!ended) return {SANE_STATUS_CANCELLED, true, false};
    if (watch.silent()) return {SANE_STATUS_CANCELLED, false, true};
    if (!starting.cancelled()) return {*status};
    if (*status == SANE_STATUS_GOOD) EndStartedPage(*device, silenceLimit, false);
    return {SANE_STATUS_CANCELLED};
}

void EndStartedPage(SaneDevice& device, std::chrono::milliseconds silenceLimit, bool dataFlowed) {
    if (!dataFlowed) {
        // A device that sends nothing is cancelled under the read after the grace.
        DeviceWatch watch(device, silenceLimit, nullptr);
        watch.Arm();
        SANE_Byte chunk[4096];
        SANE_Int length = 0;
        device.Read(chunk, sizeof chunk, &length);
    }
    device.Cancel();
}

}  // namespace quillon
