// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scan/sane/SaneDevice.h"

#include <condition_variable>
#include <memory>
#include <mutex>

namespace quillon::testing {

// A real device with every call passed through; a test overrides the calls
// it changes.
class PassThroughDevice : public SaneDevice {
public:
    explicit PassThroughDevice(std::unique_ptr<SaneDevice> real) : real_(std::move(real)) {}
    SANE_Status Start() override { return real_->Start(); }
    SANE_Status GetParameters(SANE_Parameters& p) override { return real_->GetParameters(p); }
    SANE_Status Read(SANE_Byte* d, SANE_Int m, SANE_Int* l) override { return real_->Read(d, m, l); }
    void Cancel() override {
        {
            const std::lock_guard lock(mutex_);
            cancelled_ = true;
        }
        cancelledChanged_.notify_all();
        real_->Cancel();
    }
    int OptionCount() override { return real_->OptionCount(); }
    const SANE_Option_Descriptor* Descriptor(int i) override { return real_->Descriptor(i); }
    SANE_Status Control(int i, SANE_Action a, void* v, SANE_Int* info) override { return real_->Control(i, a, v, info); }

protected:
    // For a device that has stopped answering: returns only once it is cancelled.
    void WaitUntilCancelled() {
        std::unique_lock lock(mutex_);
        cancelledChanged_.wait(lock, [this] { return cancelled_; });
    }

    std::unique_ptr<SaneDevice> real_;

private:
    std::mutex mutex_;
    std::condition_variable cancelledChanged_;
    bool cancelled_ = false;
};

}  // namespace quillon::testing
