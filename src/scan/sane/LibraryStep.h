// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/ScannerDialogs.h"
#include "scan/imaging/ImagingSession.h"

#include <atomic>
#include <functional>
#include <utility>

namespace quillon {

// A step of the library's own that may take long (opening the scanner,
// starting a page, ending the document), run through the dialogs so that it
// is shown and can be cancelled. Whether it was cancelled is read once the
// dialogs have returned: no cancel reaches a step after that.
class LibraryStep : public TransferTask {
public:
    explicit LibraryStep(std::function<void()> run, std::function<void()> cancel = {},
                         std::function<QString()> caption = {}, const ImagingSession* document = nullptr)
        : run_(std::move(run)), cancel_(std::move(cancel)), caption_(std::move(caption)), document_(document) {}
    void Run() override { run_(); }
    double Progress() const override { return -1; }
    void Cancel() override {
        cancelled_ = true;
        if (cancel_) cancel_();
    }
    QString Caption() const override { return caption_ ? caption_() : QString(); }
    DocumentSoFar SoFar() const override { return document_ ? document_->SoFar() : DocumentSoFar{}; }
    bool cancelled() const { return cancelled_; }

private:
    std::function<void()> run_, cancel_;
    std::function<QString()> caption_;
    const ImagingSession* document_;  // a step between pages tells the document so far
    std::atomic<bool> cancelled_{false};
};

}  // namespace quillon
