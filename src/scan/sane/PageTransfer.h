// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/ScannerDialogs.h"
#include "scan/ScanDocument.h"
#include "scan/sane/DeviceCall.h"
#include "scan/sane/DeviceWatch.h"
#include "scan/sane/FrameReader.h"
#include "scan/sane/SilenceNotice.h"

#include <atomic>
#include <chrono>
#include <memory>

namespace quillon {

class SaneDevice;

// One page read on a worker thread; Cancel comes from the dialog's thread.
// The read waits first until the pages under way leave room for one more.
// The reading itself is a DeviceCall: a device that does not let go after a
// cancel is left to do so behind, with the read's own state.
class PageTransfer : public ScanStep {
public:
    PageTransfer(std::shared_ptr<SaneDevice> device, ScanDocument& session, std::chrono::milliseconds silenceLimit,
                 int document, bool callOnOwnThread);
    void Run() override;
    double Progress() const override;
    void Cancel() override;
    DocumentSoFar SoFar() const override { return session_.SoFar(); }
    int DocumentNumber() const override { return document_; }
    // Waiting for room for the page is no silence of the scanner's.
    QString Caption() const override { return reading_ ? silence_.Text(read_->progress.bytesRead) : QString(); }
    long long BytesRead() const { return read_->progress.bytesRead; }
    // The read did not end after a cancel: the device is its until it does.
    bool abandoned() const { return abandoned_; }
    // The page, once: its room is now the caller's to fill or give back.
    PageResult TakeResult();

private:
    int document_;
    struct Read {
        PageProgress progress;
        PageResult result;
    };
    std::shared_ptr<SaneDevice> device_;
    ScanDocument& session_;
    std::shared_ptr<Read> read_;
    bool roomKept_ = false;
    bool abandoned_ = false;
    std::atomic<bool> cancelled_{false};
    std::atomic<bool> reading_{false};
    SilenceNotice silence_;
    DeviceCall call_;
    DeviceWatch watch_;  // last: it may still cancel the device while it goes
};

// A started page read as a step the user sees, counted as pageNumber. A page
// that failed gives its room back and is ended as a started page is, unless
// its device did not let go (abandoned): that device is no longer the job's.
struct TransferredPage {
    PageResult result;
    bool abandoned = false;
};
TransferredPage TransferPage(std::shared_ptr<SaneDevice> device, ScanDocument& session, ScannerDialogs& dialogs,
                             std::chrono::milliseconds silenceLimit, int document, bool network, int pageNumber);

}  // namespace quillon
