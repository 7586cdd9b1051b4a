// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/ScannerDialogs.h"

#include <atomic>
#include <functional>

namespace quillon {

// A step of the library's own that may take long (opening the scanner,
// starting a page, ending the document), run through the dialogs so that it
// is shown and can be cancelled. Whether it was cancelled is read once the
// dialogs have returned: no cancel reaches a step after that.
class LibraryStep : public ScanStep {
public:
    explicit LibraryStep(std::function<void()> run, std::function<void()> cancel = {},
                         std::function<QString()> caption = {}, std::function<DocumentSoFar()> soFar = {})
        : run_(std::move(run)), cancel_(std::move(cancel)), caption_(std::move(caption)), soFar_(std::move(soFar)) {}
    void Run() override { run_(); }
    double Progress() const override { return -1; }
    void Cancel() override {
        cancelled_ = true;
        if (cancel_) cancel_();
    }
    QString Caption() const override { return caption_ ? caption_() : QString(); }
    // A step between pages tells the document so far.
    DocumentSoFar SoFar() const override { return soFar_ ? soFar_() : DocumentSoFar{}; }
    bool cancelled() const { return cancelled_; }

private:
    std::function<void()> run_, cancel_;
    std::function<QString()> caption_;
    std::function<DocumentSoFar()> soFar_;
    std::atomic<bool> cancelled_{false};
};

}  // namespace quillon
