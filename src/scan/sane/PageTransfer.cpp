// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/sane/PageTransfer.h"

#include "scan/ScannerErrors.h"
#include "scan/sane/PageStart.h"
#include "scan/sane/SaneDevice.h"

#include <algorithm>
#include <utility>

namespace quillon {

PageTransfer::PageTransfer(std::shared_ptr<SaneDevice> device, ScanDocument& session,
                           std::chrono::milliseconds silenceLimit, int document, bool callOnOwnThread)
    : document_(document),
      device_(std::move(device)),
      session_(session),
      read_(std::make_shared<Read>()),
      silence_(silenceLimit),
      call_(callOnOwnThread),
      watch_(*device_, silenceLimit, &read_->progress.bytesRead) {}

void PageTransfer::Run() {
    roomKept_ = session_.WaitForRoom([this] { return read_->progress.stopRequested.load(); });
    reading_ = roomKept_;
    if (roomKept_) {
        watch_.Begin();  // waiting for room is no silence of the device's
        call_.Run([device = device_, read = read_] { read->result = ReadStartedPage(*device, read->progress); });
        abandoned_ = !call_.Wait();
    }
    watch_.Ended();
}

double PageTransfer::Progress() const {
    const long long expected = read_->progress.bytesExpected;
    return expected > 0 ? std::min(1.0, double(read_->progress.bytesRead) / double(expected)) : -1.0;
}

void PageTransfer::Cancel() {
    cancelled_ = true;
    read_->progress.stopRequested = true;
    session_.WakeRoomWaiters();
    // Once data flows the device is cancelled at once, which also ends a
    // read that blocks. Before that the reader stops at its first data, and
    // a device that sends none is cancelled after the grace. Either way
    // the watch cancels it: no device call is made on the caller's thread
    // (the window's).
    watch_.Arm(read_->progress.bytesRead > 0 ? std::chrono::milliseconds(0) : kCancelGrace);
    call_.LeaveAfter(kLeaveAfterCancel);
}

TransferredPage TransferPage(std::shared_ptr<SaneDevice> device, ScanDocument& session, ScannerDialogs& dialogs,
                             std::chrono::milliseconds silenceLimit, int document, bool network, int pageNumber) {
    PageTransfer transfer(device, session, silenceLimit, document, network);
    dialogs.RunTransfer(pageNumber, transfer);
    PageResult result = transfer.TakeResult();
    // A network scanner's backend decodes the page it fetched as its lines
    // are read: a failure then is a damaged image, or one cut off (the
    // backend cannot tell the two apart), never the cable or the power.
    if (result.error == kScannerErrorIo && result.whileReading && network) result.error = kScannerErrorUnreadablePage;
    if (result.error != 0) {
        session.GiveBackRoom();
        if (!transfer.abandoned()) EndStartedPage(*device, silenceLimit, transfer.BytesRead() > 0);
    }
    return {std::move(result), transfer.abandoned()};
}

PageResult PageTransfer::TakeResult() {
    if (watch_.silent()) return {kScannerErrorNoAnswer, {}, QStringLiteral("no data while the page was read")};
    if (!roomKept_ || cancelled_ || abandoned_) return {kScannerErrorCancelled, {}, QStringLiteral("cancelled by the user")};
    return std::move(read_->result);
}

}  // namespace quillon
